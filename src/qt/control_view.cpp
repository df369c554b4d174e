#include "qt/control_view.h"

#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QSignalBlocker>

#include "forms/application.h"
#include "forms/form.h"
#include "forms/menu.h"
#include "qt/control_views.h"
#include "qt/form_window.h"
#include "qt/precise_pointer.h"
#include "qt/qt_services.h"
#include "qt/qt_units.h"

namespace qtback {

ControlView::ControlView(forms::Control& control, QWidget* widget, FormWindow& window)
    : QObject(widget), control_(control), widget_(widget), window_(window) {
    widget_->setMouseTracking(true);
    // A press is the control's alone: were it passed on to the window
    // underneath, a control that the press hid would leave the point bare and
    // the window would take the same press a second time.
    widget_->setAttribute(Qt::WA_NoMousePropagation);
    widget_->installEventFilter(this);
}

void ControlView::Sync() {
    if (!synced_ || stale_ || control_.Revision() != revision_) {
        synced_ = true;
        stale_ = false;
        revision_ = control_.Revision();
        QSignalBlocker block(widget_);
        QWidget* container = window_.ContainerWidget(control_.Container());
        if (widget_->parentWidget() != container) widget_->setParent(container);
        SyncGeometry();
        widget_->setEnabled(control_.Enabled());
        QFont font = FontFor(control_.FontSize(), control_.FontBold());
        if (widget_->font() != font) widget_->setFont(font);
        SyncContent();
        if (control_.MousePointer() == forms::vbDefault) widget_->unsetCursor();
        else widget_->setCursor(CursorShape(control_.MousePointer()));
        // A widget that holds the pressed mouse loses it when hidden: the
        // window takes the mouse over until the release, so that the moves
        // and the release still reach this control.
        if (!control_.Visible() && widget_->isVisible() && control_.HasMouseCapture()) window_.HoldPointer();
        widget_->setVisible(control_.Visible());
    }
    if (control_.ToolTipText != toolTip_) {
        toolTip_ = control_.ToolTipText;
        widget_->setToolTip(ToQString(toolTip_));
    }
    QSignalBlocker block(widget_);
    SyncAlways();
}

void ControlView::SyncGeometry() {
    const forms::Control& c = control_;
    widget_->setGeometry(Pixels(c.Left()), Pixels(c.Top()), PixelSpan(c.Left(), c.Width()), PixelSpan(c.Top(), c.Height()));
}

QPointF ControlView::MouseUnits(QPointF p) const { return {Twips(p.x()), Twips(p.y())}; }

bool ControlView::Filter(QObject*, QEvent*) { return false; }

bool ControlView::InputOpen() const { return window_.InputOpen(); }

void ControlView::Input(const std::function<void()>& action) {
    if (!InputOpen()) return;
    // Qt may have changed the widget on its own (a radio button unchecking
    // itself); the model's state goes back to it whatever the revision says.
    stale_ = true;
    window_.UserEvent(action);
}

void ControlView::SetColours(QPalette::ColorRole background, QPalette::ColorRole foreground, bool fill) {
    QPalette palette = widget_->palette();
    palette.setColor(background, ToQColor(control_.BackColor()));
    // A disabled control's text is grey whatever its ForeColor, as the old
    // platform drew it.
    palette.setColor(QPalette::Active, foreground, ToQColor(control_.ForeColor()));
    palette.setColor(QPalette::Inactive, foreground, ToQColor(control_.ForeColor()));
    palette.setColor(QPalette::Disabled, foreground, ToQColor(forms::kGrayText));
    widget_->setPalette(palette);
    widget_->setAutoFillBackground(fill);
}

void ControlView::Pointer(QMouseEvent* m, QPointF widgetPixels) {
    const QPointF at = PointerUnits(*m, *widget_, widgetPixels, MouseUnits(widgetPixels));
    window_.Services().NotePointer(m->globalPosition());
    int shift = ShiftCode(m->modifiers());
    forms::Control& c = control_;
    if (m->type() == QEvent::MouseMove)
        Input([&] { c.UserMouseMove(ButtonCode(m->buttons()), shift, at.x(), at.y()); });
    else if (m->type() == QEvent::MouseButtonPress)
        Input([&] { c.UserMouseDown(ButtonCode(m->button()), shift, at.x(), at.y()); });
    else
        Input([&] { c.UserMouseUp(ButtonCode(m->button()), shift, at.x(), at.y()); });
}

void ControlView::CapturedPointer(QMouseEvent* m) {
    if (InputOpen()) Pointer(m, widget_->mapFromGlobal(m->globalPosition()));
}

bool ControlView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == widget_ && InputOpen()) {
        switch (event->type()) {
            case QEvent::MouseMove:
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonRelease: {
                auto* m = static_cast<QMouseEvent*>(event);
                if (window_.ToCapture(m, this)) return true;
                if (OwnsPoint(m->position())) Pointer(m, m->position());
                break;
            }
            case QEvent::FocusIn: {
                // Only a person moves the focus this way; focus that follows a
                // sync or a window activation is the model's already.
                auto reason = static_cast<QFocusEvent*>(event)->reason();
                if (reason == Qt::MouseFocusReason || reason == Qt::TabFocusReason ||
                    reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason) {
                    forms::Control& c = control_;
                    Input([&] { c.Parent().SetActiveControl(&c); });
                }
                break;
            }
            default:
                break;
        }
    }
    return Filter(watched, event);
}

ControlView* MakeControlView(forms::Control& c, QWidget* parent, FormWindow& window) {
    using K = forms::ControlKind;
    switch (c.Kind()) {
        case K::Label: return new LabelView(static_cast<forms::Label&>(c), parent, window);
        case K::TextBox: return new TextView(static_cast<forms::TextBox&>(c), parent, window);
        case K::CommandButton: return new ButtonView(static_cast<forms::CommandButton&>(c), parent, window);
        case K::ComboBox: return new ComboView(static_cast<forms::ComboBox&>(c), parent, window);
        case K::OptionButton: return new OptionView(static_cast<forms::OptionButton&>(c), parent, window);
        case K::CheckBox: return new CheckView(static_cast<forms::CheckBox&>(c), parent, window);
        case K::Frame: return new FrameView(static_cast<forms::Frame&>(c), parent, window);
        case K::Shape: return new ShapeView(static_cast<forms::Shape&>(c), parent, window);
        case K::Line: return new LineView(static_cast<forms::LineControl&>(c), parent, window);
        case K::Image: return new ImageView(static_cast<forms::ImageControl&>(c), parent, window);
        case K::PictureBox: return new PictureView(static_cast<forms::PictureBox&>(c), parent, window);
        case K::Slider: return new SliderView(static_cast<forms::Slider&>(c), parent, window);
        case K::ProgressBar: return new ProgressView(static_cast<forms::ProgressBar&>(c), parent, window);
        case K::Timer:
        case K::CommonDialog:
        case K::Menu: return nullptr;
    }
    return nullptr;
}

bool LeftButton(const QEvent* event, QEvent::Type type) {
    return event->type() == type && static_cast<const QMouseEvent*>(event)->button() == Qt::LeftButton;
}

int ButtonCode(Qt::MouseButtons buttons) {
    int code = 0;
    if (buttons & Qt::LeftButton) code |= forms::kLeftButton;
    if (buttons & Qt::RightButton) code |= forms::kRightButton;
    if (buttons & Qt::MiddleButton) code |= forms::kMiddleButton;
    return code;
}

int ShiftCode(Qt::KeyboardModifiers modifiers) {
    int code = 0;
    if (modifiers & Qt::ShiftModifier) code |= forms::kShiftMask;
    if (modifiers & Qt::ControlModifier) code |= forms::kCtrlMask;
    if (modifiers & Qt::AltModifier) code |= forms::kAltMask;
    return code;
}

int FormsKeyCode(const QKeyEvent* key) {
    const int k = key->key();
    if (k >= Qt::Key_A && k <= Qt::Key_Z) return key->modifiers() & Qt::ControlModifier ? 'A' + (k - Qt::Key_A) : -1;
    switch (k) {
        case Qt::Key_Return:
        case Qt::Key_Enter: return forms::kKeyReturn;
        case Qt::Key_Escape: return forms::kKeyEscape;
        case Qt::Key_Backspace: return forms::kKeyBack;
        case Qt::Key_Delete: return forms::kKeyDelete;
        case Qt::Key_Insert: return forms::kKeyInsert;
        case Qt::Key_Tab:
        case Qt::Key_Backtab: return forms::kKeyTab;
        case Qt::Key_Up: return forms::kKeyUp;
        case Qt::Key_Down: return forms::kKeyDown;
        case Qt::Key_Home: return forms::kKeyHome;
        case Qt::Key_End: return forms::kKeyEnd;
        case Qt::Key_Left: return forms::kKeyLeft;
        case Qt::Key_Right: return forms::kKeyRight;
        case Qt::Key_PageUp: return forms::kKeyPageUp;
        case Qt::Key_PageDown: return forms::kKeyPageDown;
        default: return -1;
    }
}

}  // namespace qtback
