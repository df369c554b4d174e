#include "scenario_qt/window_system_wait.h"

#include <QGuiApplication>
#include <QWindow>
#include <cstdlib>
#include <xcb/xcb.h>

#include "scenario_qt/scripted_window_system.h"

namespace scenario_qt {
namespace {

// The window the X server gives the keyboard to, after every request sent
// so far (a round trip).
xcb_window_t ServerFocus(xcb_connection_t* connection) {
    xcb_get_input_focus_reply_t* reply = xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr);
    xcb_window_t focus = reply ? reply->focus : XCB_NONE;
    std::free(reply);
    return focus;
}

// The program's window the server's focus lies in; nullptr for the root,
// none, or a window of another client (a window manager's own).
QWindow* OwnWindow(xcb_window_t focus) {
    for (QWindow* w : QGuiApplication::topLevelWindows())
        if (w->handle() && w->winId() == focus) return w;
    return nullptr;
}

QWindow* Unexposed() {
    for (QWindow* w : QGuiApplication::topLevelWindows())
        if (w->handle() && w->isVisible() && w->visibility() != QWindow::Minimized && !w->isExposed()) return w;
    return nullptr;
}

QString Describe(const QWindow* w) { return w ? w->objectName().isEmpty() ? w->title() : w->objectName() : "none"; }

}  // namespace

std::string SettleFocus() {
    xcb_connection_t* connection = XConnection();
    // Elsewhere (offscreen) the platform hands the focus over as it is asked.
    if (!connection) return {};
    QWindow* server = nullptr;
    bool settled = WaitForWindowSystem([&] {
        if (Unexposed()) return false;
        server = OwnWindow(ServerFocus(connection));
        return server == QGuiApplication::focusWindow();
    });
    if (settled) return {};
    if (QWindow* w = Unexposed()) return "the window system did not show " + Describe(w).toStdString();
    return "the focus did not settle: the X server gives it to " + Describe(server).toStdString() + ", Qt to " +
           Describe(QGuiApplication::focusWindow()).toStdString();
}

bool HoldsFocus(const QWindow& window) {
    xcb_connection_t* connection = XConnection();
    if (!connection) return QGuiApplication::focusWindow() == &window;
    return window.handle() && ServerFocus(connection) == window.winId() && QGuiApplication::focusWindow() == &window;
}

}  // namespace scenario_qt
