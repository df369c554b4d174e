// quillory: the program in real windows.
#include <QApplication>

#include "forms/application.h"
#include "main/program.h"
#include "qt/process_setup.h"
#include "qt/qt_services.h"

int main(int argc, char** argv) {
    qtback::SetUpProcess();
    QApplication qt(argc, argv);
    // The program ends when its forms say so (End, or the last one closed),
    // not when Qt sees no window for a moment.
    QApplication::setQuitOnLastWindowClosed(false);
    qtback::QtServices services;
    forms::Application application(services);
    services.Attach(application);
    qtback::TakeScreenSize(application);
    auto program = quillory::MakeQuillory(application);
    services.UserEvent([&] { program->Start(); });
    if (!services.Running()) return 0;
    services.StartClock();
    return QApplication::exec();
}
