#pragma once
// The QApplication of a benchmark on the Qt back end, offscreen unless
// QT_QPA_PLATFORM says otherwise; made on first use and kept, with the
// windows shown on it, to the end of the process: destroyed among the exit
// handlers, it would go after Qt's own statics it needs.
#include <QApplication>

namespace bench {

inline QApplication& OffscreenQt() {
    static int argc = 1;
    static char name[] = "quillory-bench";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static auto* application = new QApplication(argc, argv);
    return *application;
}

}  // namespace bench
