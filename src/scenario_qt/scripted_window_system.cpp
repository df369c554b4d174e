#include "scenario_qt/scripted_window_system.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QEvent>
#include <QThread>
#include <QTimer>
#include <QWidget>
#include <cstdlib>
#include <cstring>

#include "qt/form_window.h"
#include "scenario_qt/window_system_wait.h"

namespace scenario_qt {

using qtback::FormWindow;

namespace {

// The X atom of a name; XCB_ATOM_NONE where the server has none and
// `existing` asks for no new one.
xcb_atom_t Atom(xcb_connection_t* connection, const char* name, bool existing) {
    xcb_intern_atom_reply_t* reply =
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, existing, std::strlen(name), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
    std::free(reply);
    return atom;
}

xcb_window_t Root(xcb_connection_t* connection) {
    return xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
}

bool AskRootForWindowManager() {
    xcb_connection_t* connection = XConnection();
    if (!connection) return false;
    const xcb_atom_t atom = Atom(connection, "_NET_SUPPORTING_WM_CHECK", true);
    if (atom == XCB_ATOM_NONE) return false;
    xcb_get_property_reply_t* property = xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, Root(connection), atom, XCB_ATOM_WINDOW, 0, 1), nullptr);
    const bool managed = property && xcb_get_property_value_length(property) > 0;
    std::free(property);
    return managed;
}

}  // namespace

xcb_connection_t* XConnection() {
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 && QGuiApplication::platformName() == "xcb" ? x11->connection() : nullptr;
}

bool UnderWindowManager() {
    static const bool managed = AskRootForWindowManager();
    return managed;
}

xcb_window_t OnRoot(xcb_connection_t* connection, xcb_window_t window) {
    for (;;) {
        xcb_query_tree_reply_t* tree = xcb_query_tree_reply(connection, xcb_query_tree(connection, window), nullptr);
        if (!tree) return window;
        const bool top = tree->parent == tree->root || tree->parent == XCB_WINDOW_NONE;
        const xcb_window_t parent = tree->parent;
        std::free(tree);
        if (top) return window;
        window = parent;
    }
}

void AskWindowManagerToMaximise(QWidget& window, bool maximised) {
    xcb_connection_t* connection = XConnection();
    auto atom = [connection](const char* name) { return Atom(connection, name, false); };
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = static_cast<xcb_window_t>(window.winId());
    message.type = atom("_NET_WM_STATE");
    message.data.data32[0] = maximised ? 1 : 0;  // add or remove
    message.data.data32[1] = atom("_NET_WM_STATE_MAXIMIZED_VERT");
    message.data.data32[2] = atom("_NET_WM_STATE_MAXIMIZED_HORZ");
    message.data.data32[3] = 2;  // from a pager, as a person's request
    xcb_send_event(connection, 0, Root(connection), XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection);
}

bool FramedAt(QWidget& window, int left, int top) {
    if (!UnderWindowManager()) return true;
    xcb_connection_t* connection = XConnection();
    const xcb_window_t frame = OnRoot(connection, static_cast<xcb_window_t>(window.winId()));
    xcb_get_geometry_reply_t* geometry = xcb_get_geometry_reply(connection, xcb_get_geometry(connection, frame), nullptr);
    const bool there = geometry && geometry->x == left && geometry->y == top;
    std::free(geometry);
    return there;
}

void ShowAnsweredDialog(QWidget* parent) {
    QDialog dialog(parent);
    dialog.setWindowTitle("Answered");
    dialog.resize(240, 80);
    QElapsedTimer shown;
    shown.start();
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &dialog, [&] {
        const QWindow* window = dialog.windowHandle();
        if ((window && HoldsFocus(*window)) || shown.elapsed() > kWindowSystemDeadlineMs) dialog.accept();
    });
    poll.start(10);
    dialog.exec();
}

HeldUpOnStateChange::HeldUpOnStateChange(QWidget& window, int ms) : window_(window), ms_(ms) {
    qApp->installNativeEventFilter(this);
}

HeldUpOnStateChange::~HeldUpOnStateChange() { qApp->removeNativeEventFilter(this); }

bool HeldUpOnStateChange::nativeEventFilter(const QByteArray& type, void* message, qintptr*) {
    if (held_ || type != "xcb_generic_event_t") return false;
    auto* event = static_cast<xcb_configure_notify_event_t*>(message);
    if ((event->response_type & 0x7f) != XCB_CONFIGURE_NOTIFY || event->window != window_.winId()) return false;
    held_ = true;
    QCoreApplication::processEvents();
    xcb_connection_t* connection = XConnection();
    xcb_flush(connection);
    QThread::msleep(static_cast<unsigned long>(ms_));
    xcb_get_geometry_reply_t* now = xcb_get_geometry_reply(connection, xcb_get_geometry(connection, event->window), nullptr);
    const bool overtaken = now && (now->width != event->width || now->height != event->height);
    std::free(now);
    return overtaken;
}

ActivationCounter::ActivationCounter() : onX_(XConnection() != nullptr) {
    qApp->installEventFilter(this);
    qApp->installNativeEventFilter(this);
}

ActivationCounter::~ActivationCounter() {
    qApp->removeNativeEventFilter(this);
    qApp->removeEventFilter(this);
}

bool ActivationCounter::eventFilter(QObject* watched, QEvent* event) {
    if (!onX_ && event->type() == QEvent::WindowActivate) Count(watched);
    return false;
}

// A focus that a grab takes or gives back (a pop-up menu's) is no change.
bool ActivationCounter::nativeEventFilter(const QByteArray& type, void* message, qintptr*) {
    if (type != "xcb_generic_event_t") return false;
    auto* event = static_cast<xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7f) != XCB_FOCUS_IN) return false;
    auto* focus = reinterpret_cast<xcb_focus_in_event_t*>(event);
    if (focus->mode == XCB_NOTIFY_MODE_NORMAL && focus->detail <= XCB_NOTIFY_DETAIL_NONLINEAR_VIRTUAL)
        Count(QWidget::find(focus->event));
    return false;
}

void ActivationCounter::Count(QObject* window) {
    if (!window || window == last_ || !dynamic_cast<FormWindow*>(window)) return;
    last_ = window;
    ++changes_;
}

}  // namespace scenario_qt
