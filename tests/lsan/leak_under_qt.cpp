// Loses an object of the program's own, made in a handler that Qt's event
// loop calls, so that the leak is reported despite Qt's and GLib's frames
// below it on the stack: the leak suppressions must name only the
// allocations those libraries keep themselves.
#include <QCoreApplication>
#include <QTimer>
#include <string>

namespace {

std::string* kept = nullptr;

[[gnu::noinline]] void HandlerThatLosesItsObject() {
    kept = new std::string("an object of the program's own, lost under a Qt call");
    kept = nullptr;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTimer::singleShot(0, &app, [&app] {
        HandlerThatLosesItsObject();
        app.quit();
    });
    return app.exec();
}
