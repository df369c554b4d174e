// The script's actions on whole windows, as a window manager carries them
// out: sizes, places, activation, closing and the maximised state come from
// the window system, and the program hears of them from Qt.
#include <QCoreApplication>
#include <QRectF>
#include <QResizeEvent>
#include <QWindow>

#include "forms/form.h"
#include "qt/form_window.h"
#include "qt/qt_services.h"
#include "qt/qt_units.h"
#include "scenario_qt/scripted_input.h"
#include "scenario_qt/scripted_window_system.h"
#include "scenario_qt/window_system_wait.h"

namespace scenario_qt {

using qtback::FormWindow;
using qtback::Pixels;
using qtback::Twips;

// Sizes and places come from the window system: the window is resized or
// moved as a window manager does it, and the model hears of it from Qt. A
// script's twips are finer than the pixels the window takes: where it took
// the pixels asked for, the model then takes the script's own value, as it
// takes a person's. A window takes them when the window system's answer
// carries them, even if its Resize handler then changes its size: the
// handler runs again on the script's twips, as it ran on them headless.
std::string ScriptedQtInput::Resize(forms::Form& form, double width, double height) {
    LetGo();
    FormWindow& window = services_.WindowOf(form);
    QWidget* client = window.Client();
    int bar = window.height() - client->height();
    double menu = form.HasMenuBar() ? forms::kMenuBarHeight : 0;
    // No window system makes a window of no size, or one larger than Qt's
    // largest.
    const QPointF inside(width - forms::kFrameWidth, height - forms::kFrameHeight - menu);
    const double most = Twips(QWIDGETSIZE_MAX - 1 - bar);
    if (!QRectF(QPointF(Twips(1), Twips(1)), QPointF(most, most)).contains(inside))
        return "resize refused: " + form.Name() + " cannot be " + QString::number(width).toStdString() + " x " +
               QString::number(height).toStdString() + " twips";
    const QSize wanted = QSize(Pixels(inside.x()), Pixels(inside.y()) + bar).boundedTo(window.maximumSize());
    Answered resized(window, QEvent::Resize,
                     [&](const QEvent& e) { return static_cast<const QResizeEvent&>(e).size() == wanted; });
    window.resize(wanted);
    if (!WaitForWindowSystem([&] { return resized() || window.size() == wanted; }))
        return "the window system did not give " + form.Name() + " its new size";
    const bool took = resized.Granted() || window.size() == wanted;
    if (took && !window.isMinimized() && (form.Width() != width || form.Height() != height))
        window.UserEvent([&] { form.UserResize(width, height); });
    return {};
}

std::string ScriptedQtInput::Move(forms::Form& form, double left, double top) {
    LetGo();
    FormWindow& window = services_.WindowOf(form);
    const QPoint wanted(Pixels(left), Pixels(top));
    Answered moved(window, QEvent::Move);
    window.move(wanted);
    if (!WaitForWindowSystem([&] { return moved() || window.pos() == wanted; }))
        return "the window system did not move " + form.Name();
    if (window.pos() == wanted && window.windowState() == Qt::WindowNoState &&
        (form.Left() != left || form.Top() != top))
        window.UserEvent([&] { form.UserMove(left, top); });
    return {};
}

std::string ScriptedQtInput::Activate(forms::Form& form) {
    LetGo();
    FormWindow& window = services_.WindowOf(form);
    window.activateWindow();
    if (!WaitForWindowSystem([&] { return window.isActiveWindow(); }))
        return "the window system did not make " + form.Name() + " the active window";
    return {};
}

// The close box: the window system asks the window to close.
std::string ScriptedQtInput::Close(forms::Form& form) {
    LetGo();
    FormWindow& window = services_.WindowOf(form);
    if (QWindow* handle = window.windowHandle()) handle->close();
    QCoreApplication::processEvents();
    return {};
}

// On X the window manager is asked as its own buttons ask it, and a window
// restored is back where its form has it, to the pixel; elsewhere Qt's
// platform changes the state itself; in either, as on a busy machine.
std::string ScriptedQtInput::Maximise(forms::Form& form, bool maximised) {
    LetGo();
    FormWindow& window = services_.WindowOf(form);
    // A window already in that state has no such button to press: it stays
    // as it is, and no change comes to wait for.
    const Qt::WindowStates wanted = maximised ? Qt::WindowMaximized : Qt::WindowNoState;
    if ((window.windowState() & ~Qt::WindowActive) == wanted) return {};
    Answered resized(window, QEvent::Resize);
    HeldUpOnStateChange busy(window, 300);
    if (UnderWindowManager()) AskWindowManagerToMaximise(window, maximised);
    else window.setWindowState(maximised ? Qt::WindowMaximized : Qt::WindowNoState);
    if (!WaitForWindowSystem([&] { return window.isMaximized() == maximised && (resized() || busy.Held()) &&
                                           (maximised || FramedAt(window, Pixels(form.Left()), Pixels(form.Top()))); }))
        return std::string("the window system did not ") + (maximised ? "maximise " : "restore ") + form.Name();
    return {};
}

}  // namespace scenario_qt
