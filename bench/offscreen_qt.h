#pragma once
// The QApplication of a benchmark on the Qt back end, offscreen unless
// QT_QPA_PLATFORM says otherwise; made on first use.
#include <QApplication>

namespace bench {

inline QApplication& OffscreenQt() {
    static int argc = 1;
    static char name[] = "quillory-bench";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication application(argc, argv);
    return application;
}

}  // namespace bench
