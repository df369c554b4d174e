#include "scenario_qt/scripted_input.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QSlider>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionSlider>
#include <QTest>
#include <QWindow>
#include <cmath>
#include <optional>
#include <vector>

#include "forms/controls.h"
#include "forms/menu.h"
#include "qt/form_window.h"
#include "qt/menu_view.h"
#include "qt/qt_services.h"
#include "qt/qt_units.h"
#include "qt/surface_widget.h"
#include "scenario_qt/aimed_pointer.h"
#include "scenario_qt/scripted_window_system.h"
#include "scenario_qt/window_system_wait.h"

namespace scenario_qt {

using qtback::FormWindow;
using qtback::MenuOf;
using qtback::Pixels;
using qtback::SurfaceWidget;
using qtback::ToQString;
using qtback::Twips;
using scenario::MouseAction;

namespace {

// Event times in ms. A new press starts a second after the last event, so
// that two clicks of a script never join into a double click by accident.
ulong gClock = 0;
// Buttons a script pressed and has not let go, and where: a person lets go
// before doing anything else.
Qt::MouseButtons gHeld;
QPointer<QWidget> gHeldIn;
QPoint gHeldAt;

Qt::MouseButton QtButton(int code) {
    if (code & forms::kLeftButton) return Qt::LeftButton;
    if (code & forms::kRightButton) return Qt::RightButton;
    if (code & forms::kMiddleButton) return Qt::MiddleButton;
    return Qt::NoButton;
}

Qt::KeyboardModifiers QtModifiers(int shift) {
    Qt::KeyboardModifiers m;
    if (shift & forms::kShiftMask) m |= Qt::ShiftModifier;
    if (shift & forms::kCtrlMask) m |= Qt::ControlModifier;
    if (shift & forms::kAltMask) m |= Qt::AltModifier;
    return m;
}

enum class Press { New, Continued };

// A script's point, finer than the pixel its event travels on, in the units
// of the widget it was aimed at.
struct Aim {
    const QWidget& target;
    QPointF pixels, units;
};

void SendMouse(QWidget& top, QPoint at, QEvent::Type type, Qt::MouseButton button, Qt::KeyboardModifiers mods,
               Press press = Press::New, const Aim* aim = nullptr) {
    QWindow* window = top.windowHandle();
    if (!window) return;
    if (type == QEvent::MouseButtonPress) {
        gClock += press == Press::New ? 1000 : 1;
        gHeld |= button;
        gHeldIn = &top;
        gHeldAt = window->mapToGlobal(at);
    } else {
        gClock += 1;
        if (type == QEvent::MouseButtonRelease) gHeld &= ~button;
    }
    std::optional<AimedPointer> aimed;
    if (aim) aimed.emplace(gClock, aim->target, aim->pixels, aim->units);
    qt_handleMouseEvent(window, QPointF(at), QPointF(window->mapToGlobal(at)), gHeld, button, type, mods,
                        static_cast<int>(gClock));
    QCoreApplication::processEvents();
}

void ClickAt(QWidget& top, QPoint at, bool twice = false) {
    LetGo();
    SendMouse(top, at, QEvent::MouseButtonPress, Qt::LeftButton, {});
    SendMouse(top, at, QEvent::MouseButtonRelease, Qt::LeftButton, {});
    if (!twice) return;
    SendMouse(top, at, QEvent::MouseButtonPress, Qt::LeftButton, {}, Press::Continued);
    SendMouse(top, at, QEvent::MouseButtonRelease, Qt::LeftButton, {});
}

// A point of a widget in its top-level window.
QPoint InTop(const QWidget& w, QPoint local) { return w.mapTo(w.window(), local); }

// Where a person clicks a widget: the middle, or the round or square mark of
// an option button or check box (their text ends before the widget does).
QPoint ClickPoint(QWidget& w) {
    if (auto* box = qobject_cast<QAbstractButton*>(&w); box && !qobject_cast<QPushButton*>(&w)) {
        QStyleOptionButton option;
        option.initFrom(box);
        auto element = qobject_cast<QRadioButton*>(box) ? QStyle::SE_RadioButtonIndicator : QStyle::SE_CheckBoxIndicator;
        return box->style()->subElementRect(element, &option, box).center();
    }
    return w.rect().center();
}

QStyleOptionSlider SliderOption(const QSlider& s) {
    QStyleOptionSlider o;
    o.initFrom(&s);
    o.subControls = QStyle::SC_All;
    o.orientation = s.orientation();
    o.minimum = s.minimum();
    o.maximum = s.maximum();
    o.sliderPosition = s.sliderPosition();
    o.sliderValue = s.value();
    o.singleStep = s.singleStep();
    o.pageStep = s.pageStep();
    o.tickPosition = s.tickPosition();
    o.tickInterval = s.tickInterval();
    o.upsideDown = s.orientation() == Qt::Horizontal ? s.invertedAppearance() != (o.direction == Qt::RightToLeft)
                                                     : !s.invertedAppearance();
    return o;
}

QAction* ActionFor(const QList<QAction*>& actions, const void* item) {
    for (QAction* a : actions)
        if (MenuOf(*a) == item) return a;
    return nullptr;
}

// The items from the top of a menu tree down to item.
std::vector<const forms::Menu*> MenuPath(const forms::Menu& item) {
    std::vector<const forms::Menu*> path;
    for (const forms::Menu* m = &item; m; m = m->ParentMenu()) path.insert(path.begin(), m);
    return path;
}

// Takes the items of path in turn, from the open menu popup down, each with
// take(menu, action); submenus open as their items are taken. False when an
// item is not there to take.
template <class Take>
bool TakeThrough(QMenu* popup, const std::vector<const forms::Menu*>& path, size_t from, Take&& take) {
    for (size_t i = from; i < path.size(); ++i) {
        if (!popup || !WaitForWindowSystem([popup] { return popup->isVisible(); })) return false;
        QAction* action = ActionFor(popup->actions(), path[i]);
        if (!action || !action->isVisible() || !take(*popup, *action)) return false;
        popup = action->menu();
    }
    return true;
}

// A click on the item, as from the menu bar.
bool ClickItem(QMenu& popup, QAction& action) {
    ClickAt(popup, popup.actionGeometry(&action).center());
    return true;
}

// Down to the item, then Right into its submenu or Enter. A pop-up opens
// under the pointer, and on a real X server the server's pointer and the
// script's clicks could both hover over it; the keys reach it alone.
bool KeyItem(QMenu& popup, QAction& action) {
    if (!action.isEnabled()) return false;
    QWindow* window = popup.windowHandle();
    for (qsizetype n = popup.actions().size(); n > 0 && popup.activeAction() != &action; --n)
        QTest::keyClick(window, Qt::Key_Down);
    if (popup.activeAction() != &action) return false;
    QTest::keyClick(window, action.menu() ? Qt::Key_Right : Qt::Key_Return);
    return true;
}

// A control beyond the window's edge (the window folded over it) is not
// there for a person to use.
bool Reachable(const QWidget& w, QPoint local) {
    return w.window()->rect().contains(InTop(w, local)) && w.isVisible();
}

// Whether a press at local would reach w (or a part of it) and not a
// control lying over it.
bool Uncovered(QWidget& w, QPoint local) {
    QWidget* top = w.window();
    QWidget* hit = top->childAt(InTop(w, local));
    return hit && (hit == &w || w.isAncestorOf(hit));
}

}  // namespace

// Lets go of the buttons still held, where they were pressed.
void LetGo() {
    QWidget* over = gHeldIn;
    for (Qt::MouseButton b : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
        if (gHeld & b) {
            if (over) SendMouse(*over, over->mapFromGlobal(gHeldAt), QEvent::MouseButtonRelease, b, {});
            gHeld &= ~b;
        }
    gHeldIn = nullptr;
}

void AnswerOpenPopup(const forms::Menu* item) {
    auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (!popup || !popup->windowHandle()) return;
    // A button still held from the press that opened the pop-up is let go
    // once it has closed (LetGo): a release over it may close it unchosen.
    if (item) {
        // The item lies in this menu or one of its submenus.
        std::vector<const forms::Menu*> path = MenuPath(*item);
        for (size_t i = 0; i < path.size(); ++i) {
            if (ActionFor(popup->actions(), path[i])) {
                TakeThrough(popup, path, i, KeyItem);
                break;
            }
        }
    }
    // Dismissed, or the click chose nothing (a disabled item): Escape closes
    // what is still open, a submenu at a time.
    for (int i = 0; i < 8; ++i) {
        QWidget* open = QApplication::activePopupWidget();
        if (!open || !open->windowHandle()) return;
        QTest::keyClick(open->windowHandle(), Qt::Key_Escape);
    }
}

std::string ScriptedQtInput::Click(forms::Control& c, bool twice) {
    FormWindow& window = services_.WindowOf(c.Parent());
    QWidget* w = window.WidgetOf(c);
    if (!w) return "cannot click " + c.QualifiedName();
    if (twice && c.Kind() == forms::ControlKind::CommandButton) return "no double click on a button";
    QPoint at = ClickPoint(*w);
    if (!Reachable(*w, at)) return "click refused: " + c.QualifiedName() + " lies outside its window";
    if (!Uncovered(*w, at)) return "click refused: another control lies over " + c.QualifiedName();
    ClickAt(window, InTop(*w, at), twice);
    return {};
}

// A person clicks into a box that does not have the focus yet.
std::string ScriptedQtInput::Focus(forms::Control& c) {
    FormWindow& window = services_.WindowOf(c.Parent());
    QWidget* w = window.WidgetOf(c);
    if (!w) return "cannot give " + c.QualifiedName() + " the focus";
    QWidget* field = w->focusProxy() ? w->focusProxy() : w;
    if (window.focusWidget() == field) return {};
    QPoint at = field->rect().center();
    if (!Reachable(*field, at)) return c.QualifiedName() + " lies outside its window";
    // A box under another control is reached with the Tab key.
    if (Uncovered(*field, at)) ClickAt(window, InTop(*field, at));
    else field->setFocus(Qt::TabFocusReason);
    // The keys that follow would reach another control.
    if (window.focusWidget() != field) return c.QualifiedName() + " did not take the focus";
    return {};
}

std::string ScriptedQtInput::Type(forms::Control& c, const std::string& text, bool selectAll) {
    if (c.Kind() != forms::ControlKind::TextBox && c.Kind() != forms::ControlKind::ComboBox)
        return "cannot type into " + c.QualifiedName();
    LetGo();
    if (std::string why = Focus(c); !why.empty()) return why;
    QWindow* window = services_.WindowOf(c.Parent()).windowHandle();
    if (selectAll) QTest::keyClick(window, Qt::Key_A, Qt::ControlModifier);
    for (QChar ch : ToQString(text)) {
        if (ch.unicode() < 0x80) QTest::keyClick(window, static_cast<char>(ch.unicode()));
        else QTest::sendKeyEvent(QTest::Click, window, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
    return {};
}

std::string ScriptedQtInput::Key(forms::Control& c, int keyCode, int shift) {
    if (c.Kind() != forms::ControlKind::TextBox && c.Kind() != forms::ControlKind::ComboBox)
        return "cannot send keys to " + c.QualifiedName();
    Qt::Key key = Qt::Key_unknown;
    switch (keyCode) {
        case forms::kKeyReturn: key = Qt::Key_Return; break;
        case forms::kKeyEscape: key = Qt::Key_Escape; break;
        case forms::kKeyBack: key = Qt::Key_Backspace; break;
        case forms::kKeyDelete: key = Qt::Key_Delete; break;
        case forms::kKeyInsert: key = Qt::Key_Insert; break;
        case forms::kKeyTab: key = Qt::Key_Tab; break;
        case forms::kKeyUp: key = Qt::Key_Up; break;
        case forms::kKeyDown: key = Qt::Key_Down; break;
        case forms::kKeyHome: key = Qt::Key_Home; break;
        case forms::kKeyEnd: key = Qt::Key_End; break;
        case forms::kKeyLeft: key = Qt::Key_Left; break;
        case forms::kKeyRight: key = Qt::Key_Right; break;
        default:
            if (keyCode >= 'A' && keyCode <= 'Z') key = static_cast<Qt::Key>(Qt::Key_A + (keyCode - 'A'));
            else return "no key " + std::to_string(keyCode);
    }
    LetGo();
    if (std::string why = Focus(c); !why.empty()) return why;
    QTest::keyClick(services_.WindowOf(c.Parent()).windowHandle(), key, QtModifiers(shift));
    return {};
}

// The list is opened with a click on the box's arrow and the item taken with
// the keyboard: a click into a list that has just opened is ignored for a
// double-click time, as Qt guards against the release of the opening press.
std::string ScriptedQtInput::Choose(forms::ComboBox& combo, int index) {
    FormWindow& window = services_.WindowOf(combo.Parent());
    auto* w = qobject_cast<QComboBox*>(window.WidgetOf(combo));
    if (!w) return "cannot choose in " + combo.QualifiedName();
    QStyleOptionComboBox option;
    option.initFrom(w);
    option.editable = w->isEditable();
    option.subControls = QStyle::SC_All;
    QRect arrow = w->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, w);
    LetGo();
    if (!Reachable(*w, arrow.center())) return "choose refused: " + combo.QualifiedName() + " lies outside its window";
    if (Uncovered(*w, arrow.center())) {
        ClickAt(window, InTop(*w, arrow.center()));
    } else {
        // Under another control: Tab to it, and Alt+Down opens its list.
        if (std::string why = Focus(combo); !why.empty()) return why;
        QTest::keyClick(window.windowHandle(), Qt::Key_Down, Qt::AltModifier);
    }
    QAbstractItemView* list = w->view();
    QWidget* container = list->window();
    if (!WaitForWindowSystem(
            [container] { return container->isVisible() && container == QApplication::activePopupWidget(); }))
        return "the list of " + combo.QualifiedName() + " did not open";
    QWindow* popup = container->windowHandle();
    QTest::keyClick(popup, Qt::Key_Home);
    for (int i = 0; i < index; ++i) QTest::keyClick(popup, Qt::Key_Down);
    QTest::keyClick(popup, Qt::Key_Return);
    return {};
}

// The thumb is pressed, dragged to the pixel of value and let go there. A
// slider spans more steps than pixels, so the last fraction of a pixel is
// the one step that is not input: the thumb is put on value exactly, as the
// drag itself does, before the release.
std::string ScriptedQtInput::Slide(forms::Slider& slider, long value) {
    FormWindow& window = services_.WindowOf(slider.Parent());
    auto* w = qobject_cast<QSlider*>(window.WidgetOf(slider));
    if (!w) return "cannot slide " + slider.QualifiedName();
    QStyleOptionSlider option = SliderOption(*w);
    QRect handle = w->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, w);
    QRect groove = w->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, w);
    bool vertical = w->orientation() == Qt::Vertical;
    int length = vertical ? handle.height() : handle.width();
    int span = (vertical ? groove.height() : groove.width()) - length;
    int target = static_cast<int>(std::clamp<long>(value, w->minimum(), w->maximum()));
    int offset = QStyle::sliderPositionFromValue(w->minimum(), w->maximum(), target, span, option.upsideDown);
    QPoint start = handle.center();
    QPoint end = vertical ? QPoint(start.x(), groove.top() + offset + length / 2)
                          : QPoint(groove.left() + offset + length / 2, start.y());
    LetGo();
    SendMouse(window, InTop(*w, start), QEvent::MouseButtonPress, Qt::LeftButton, {});
    SendMouse(window, InTop(*w, (start + end) / 2), QEvent::MouseMove, Qt::NoButton, {});
    SendMouse(window, InTop(*w, end), QEvent::MouseMove, Qt::NoButton, {});
    if (w->isSliderDown()) w->setSliderPosition(target);
    SendMouse(window, InTop(*w, end), QEvent::MouseButtonRelease, Qt::LeftButton, {});
    return {};
}

// From the menu bar: the title is clicked, then each item down to the one
// chosen, in the menus that open.
std::string ScriptedQtInput::ChooseMenu(forms::Menu& item) {
    FormWindow& window = services_.WindowOf(item.Parent());
    std::vector<const forms::Menu*> path = MenuPath(item);
    QMenuBar* bar = window.MenuBar();
    QAction* title = ActionFor(bar->actions(), path.front());
    if (!title || !title->isVisible() || bar->isHidden())
        return "menu refused: " + item.QualifiedName() + " is not on the menu bar";
    ClickAt(window, InTop(*bar, bar->actionGeometry(title).center()));
    if (path.size() > 1 && !TakeThrough(title->menu(), path, 1, ClickItem))
        return "menu refused: " + item.QualifiedName() + " could not be reached";
    return {};
}

std::string ScriptedQtInput::Mouse(MouseAction action, forms::Form& form, forms::Control* c, int button,
                                   int shift, double x, double y) {
    FormWindow& window = services_.WindowOf(form);
    QWidget* w = c ? window.WidgetOf(*c) : window.Client();
    if (!w) return "no widget for " + c->QualifiedName();
    // The script's units as pixels of the widget the pointer is over.
    QPointF local;
    if (auto* surface = qobject_cast<SurfaceWidget*>(w); surface && (!c || c->Kind() == forms::ControlKind::PictureBox)) {
        const forms::Surface& s = c ? static_cast<forms::PictureBox*>(c)->Draw() : form.Draw();
        double px = Twips(1.0);
        local = QPointF(surface->Border() + (x - s.ToUserX(0)) * s.TwipsPerUnitX() / px,
                        surface->Border() + (y - s.ToUserY(0)) * s.TwipsPerUnitY() / px);
    } else {
        local = QPointF(x / Twips(1.0), y / Twips(1.0));
    }
    const std::string name = c ? c->QualifiedName() : form.Name();
    // No screen reaches farther than Qt's largest window does.
    const QPointF inTop = local + QPointF(InTop(*w, QPoint()));
    if (!(std::abs(inTop.x()) <= QWIDGETSIZE_MAX && std::abs(inTop.y()) <= QWIDGETSIZE_MAX))
        return "the point of " + name + " lies on no screen";
    QPoint at = InTop(*w, local.toPoint());
    // A person presses only where the control can be seen; moves and
    // releases may stray, as a held button carries them to the control.
    QRegion shown = c ? w->visibleRegion() : QRegion(w->rect());
    if (action == MouseAction::Down && !shown.contains(local.toPoint()))
        return "mouse-down refused: the point lies outside what shows of " + name;
    // Over the bare window means over no control.
    if (!c && action != MouseAction::Up && w->childAt(local.toPoint()))
        return "the point of " + form.Name() + " lies under a control";
    Qt::KeyboardModifiers mods = QtModifiers(shift);
    if (action == MouseAction::Down) LetGo();
    const Aim aim{*w, local, QPointF(x, y)};
    if (action == MouseAction::Move) SendMouse(window, at, QEvent::MouseMove, Qt::NoButton, mods, Press::New, &aim);
    else SendMouse(window, at, action == MouseAction::Down ? QEvent::MouseButtonPress : QEvent::MouseButtonRelease,
                   QtButton(button), mods, Press::New, &aim);
    return {};
}

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
