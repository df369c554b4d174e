#include "qt/form_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QMouseEvent>

#include "forms/application.h"
#include "qt/control_view.h"
#include "qt/precise_pointer.h"
#include "qt/qt_services.h"
#include "qt/qt_units.h"
#include "qt/surface_widget.h"

namespace qtback {

FormWindow::FormWindow(forms::Form& form, QtServices& services) : form_(form), services_(services) {
    // Which window is active is the model's to say (see QtServices::Sync).
    setAttribute(Qt::WA_ShowWithoutActivating);
    setObjectName(ToQString(form.Name()));
    menuBar_ = new QMenuBar(this);
    menuBar_->setNativeMenuBar(false);
    menus_ = std::make_unique<MenuBarView>(*menuBar_, form_, [this](forms::Menu& m) {
        UserEvent([&m] { m.UserChoose(); });
    });
    client_ = new SurfaceWidget(this, services);
    client_->installEventFilter(this);
    services.Watch(form.Draw(), *client_, *this, [&form] { return form.Visible(); });
    restoreDeadline_.setSingleShot(true);
    connect(&restoreDeadline_, &QTimer::timeout, this, [this] { EndRestore(); });
}

FormWindow::~FormWindow() {
    // The form may be gone already; the children go first, while this
    // window still answers that input is closed.
    detached_ = true;
    delete client_;
    delete menuBar_;
}

void FormWindow::Detach() {
    detached_ = true;
    hide();
    deleteLater();
}

bool FormWindow::InputOpen() const { return !detached_ && services_.InputOpen(); }

void FormWindow::UserEvent(const std::function<void()>& action) {
    if (InputOpen()) services_.UserEvent(action);
}

QWidget* FormWindow::ContainerWidget(const forms::Control* frame) const {
    if (!frame) return client_;
    auto it = byControl_.find(frame);
    return it == byControl_.end() ? client_ : it->second->Widget();
}

QWidget* FormWindow::Client() const { return client_; }

QWidget* FormWindow::WidgetOf(const forms::Control& control) const {
    auto it = byControl_.find(&control);
    return it == byControl_.end() ? nullptr : it->second->Widget();
}

bool FormWindow::ToCapture(QMouseEvent* event, const ControlView* receiver) {
    if (event->type() == QEvent::MouseButtonPress) return false;
    const forms::Control* holder = form_.MouseCapture();
    auto it = holder ? byControl_.find(holder) : byControl_.end();
    if (it == byControl_.end() || it->second == receiver) return false;
    it->second->CapturedPointer(event);
    return true;
}

void FormWindow::HoldPointer() {
    if (holding_ || QGuiApplication::mouseButtons() == Qt::NoButton) return;
    holding_ = true;
    grabMouse();
}

void FormWindow::Sync() {
    if (detached_) return;

    AddViews();
    menus_->Sync();
    SyncWindow();
    if (client_->Prepare(form_.Draw())) DrawLater(*client_);
    for (ControlView* view : views_) view->Sync();
    // Synced on its own (for a picture of this window), it draws its boxes now.
    if (!services_.Syncing()) services_.DrawPrepared();
    SyncFocus();
}

void FormWindow::DrawLater(SurfaceWidget& surface) { services_.DrawLater(surface); }

// Controls are created with the form; a form may still add some later (a
// control array growing), so new ones are looked for on every sync.
void FormWindow::AddViews() {
    const auto& controls = form_.Controls();
    if (controls.size() == controlsSeen_) return;
    for (size_t i = controlsSeen_; i < controls.size(); ++i) {
        forms::Control& c = *controls[i];
        if (ControlView* view = MakeControlView(c, ContainerWidget(c.Container()), *this)) {
            views_.push_back(view);
            byControl_[&c] = view;
        }
    }
    controlsSeen_ = controls.size();
    Restack();
}

// Graphical controls lie under the windowed ones; within each layer, later
// controls lie on top.
void FormWindow::Restack() {
    for (ControlView* view : views_)
        if (view->Graphical()) view->Widget()->raise();
    for (ControlView* view : views_)
        if (!view->Graphical()) view->Widget()->raise();
}

void FormWindow::SyncWindow() {
    bool bar = form_.HasMenuBar();
    if (synced_ && form_.Revision() == revision_ && bar == !menuBar_->isHidden()) return;
    synced_ = true;
    revision_ = form_.Revision();
    setWindowTitle(ToQString(form_.Caption()));
    client_->setEnabled(form_.Enabled());
    menuBar_->setEnabled(form_.Enabled());
    menuBar_->setVisible(bar);
    // The window system holds a drag, or a maximised window, where the form
    // holds a size.
    setMaximumSize(Pixels(forms::kLargestScreenWidthTwips - forms::kFrameWidth),
                   Pixels(forms::kLargestScreenHeightTwips - form_.FrameHeight()) + MenuBarHeight());
    int state = form_.WindowState();
    if (state == 0 && !restoring_) SyncPlace();
    Qt::WindowStates wanted = state == 1 ? Qt::WindowMinimized : state == 2 ? Qt::WindowMaximized : Qt::WindowNoState;
    if (windowState() != wanted) setWindowState(wanted);
    LayOut();
}

// Once the window has a place and size of its own, only what differs is
// asked of the window system: a request for the place the window has would
// send it back to one it merely passed.
void FormWindow::SyncPlace() {
    const QSize size(Pixels(form_.ScaleWidth()), Pixels(form_.ScaleHeight()) + MenuBarHeight());
    const QPoint at(Pixels(form_.Left()), Pixels(form_.Top()));
    if (!testAttribute(Qt::WA_Resized) || this->size() != size) resize(size);
    if (!testAttribute(Qt::WA_Moved) || pos() != at) move(at);
}

// A window manager that restores a maximised window gives back its place and
// size, then its frame, in its own time: a place asked for meanwhile is
// reckoned from the frame of the maximised window and lands a pixel or more
// off, and what the window system reports meanwhile is no place the person
// chose. Once the frame is back (or after a second, for a window manager
// that changes it for good), the window goes where the form has it.
bool FormWindow::Restoring() {
    if (restoring_ && windowState() == Qt::WindowNoState && FrameMargins() == margins_) {
        EndRestore();
        return true;
    }
    return restoring_;
}

void FormWindow::EndRestore() {
    if (!restoring_) return;
    restoring_ = false;
    restoreDeadline_.stop();
    if (!detached_ && form_.WindowState() == 0) SyncPlace();
}

QPoint FormWindow::FrameMargins() const { return geometry().topLeft() - pos(); }

// Qt's style draws the focus frame of a button, check box or option button
// only in a window whose focus the keyboard moved, which this attribute says.
void FormWindow::SyncFocus() {
    if (form_.FocusMarked() && !testAttribute(Qt::WA_KeyboardFocusChange)) setAttribute(Qt::WA_KeyboardFocusChange);
    const forms::Control* active = form_.ActiveControl();
    if (active == focus_) return;
    focus_ = active;
    if (QWidget* w = active ? WidgetOf(*active) : nullptr) w->setFocus(Qt::OtherFocusReason);
}

int FormWindow::MenuBarHeight() const { return menuBar_->isHidden() ? 0 : menuBar_->sizeHint().height(); }

void FormWindow::LayOut() {
    int bar = MenuBarHeight();
    menuBar_->setGeometry(0, 0, width(), bar);
    client_->setGeometry(0, bar, width(), height() - bar);
}

void FormWindow::closeEvent(QCloseEvent* event) {
    // The form decides (QueryUnload may cancel); unloading it hides this window.
    event->ignore();
    if (InputOpen() && form_.Enabled()) UserEvent([this] { form_.UserClose(); });
}

void FormWindow::resizeEvent(QResizeEvent*) {
    LayOut();
    if (Restoring() || !InputOpen() || isMinimized()) return;
    int w = client_->width(), h = client_->height();
    // The size the model already has, as this window shows it: no change.
    if (w == Pixels(form_.ScaleWidth()) && h == Pixels(form_.ScaleHeight())) return;
    const double width = Twips(w) + forms::kFrameWidth;
    const double height = Twips(h) + forms::kFrameHeight + (form_.HasMenuBar() ? forms::kMenuBarHeight : 0);
    UserEvent([this, width, height] { form_.UserResize(width, height); });
}

void FormWindow::moveEvent(QMoveEvent*) {
    if (Restoring() || !InputOpen() || windowState() != Qt::WindowNoState) return;
    QPoint at = pos();
    if (at.x() == Pixels(form_.Left()) && at.y() == Pixels(form_.Top())) return;
    UserEvent([this, at] { form_.UserMove(Twips(at.x()), Twips(at.y())); });
}

void FormWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange) return;
    const Qt::WindowStates before = static_cast<QWindowStateChangeEvent*>(event)->oldState();
    if (before == Qt::WindowNoState) margins_ = FrameMargins();
    restoring_ = (before & Qt::WindowMaximized) && windowState() == Qt::WindowNoState;
    if (restoring_) restoreDeadline_.start(1000);
    if (!InputOpen()) return;
    int state = isMinimized() ? 1 : isMaximized() ? 2 : 0;
    if (state != form_.WindowState()) UserEvent([this, state] { form_.SetWindowState(state); });
}

bool FormWindow::event(QEvent* event) {
    if (holding_ && (event->type() == QEvent::MouseMove || event->type() == QEvent::MouseButtonRelease)) {
        auto* m = static_cast<QMouseEvent*>(event);
        if (m->buttons() == Qt::NoButton) {
            holding_ = false;
            releaseMouse();
        }
        if (InputOpen()) ToCapture(m, nullptr);
        return true;
    }
    if (event->type() == QEvent::WindowActivate) services_.WindowActivated();
    return QWidget::event(event);
}

// Tab and Shift+Tab on a control whose view leaves them to Qt: the model
// moves the focus (Form::UserTab), which the sync hands to the widget.
// Moves Qt makes by itself, as the focused widget is hidden or disabled
// during a sync, stay Qt's.
bool FormWindow::focusNextPrevChild(bool next) {
    if (!InputOpen()) return QWidget::focusNextPrevChild(next);
    UserEvent([this, next] { form_.UserTab(!next); });
    return true;
}

bool FormWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == client_ && InputOpen()) {
        switch (event->type()) {
            case QEvent::MouseMove:
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonRelease:
                if (!ToCapture(static_cast<QMouseEvent*>(event), nullptr)) SurfacePointer(event);
                break;
            default:
                break;
        }
    }
    return false;
}

// The pointer over the bare surface, not over a control on it.
void FormWindow::SurfacePointer(QEvent* event) {
    auto* m = static_cast<QMouseEvent*>(event);
    if (client_->childAt(m->position().toPoint())) return;
    QPointF twips = client_->InnerTwips(m->position());
    const forms::Surface& s = form_.Draw();
    const QPointF at = PointerUnits(*m, *client_, m->position(), QPointF(s.ToUserX(twips.x()), s.ToUserY(twips.y())));
    double x = at.x(), y = at.y();
    services_.NotePointer(m->globalPosition());
    int shift = ShiftCode(m->modifiers());
    if (event->type() == QEvent::MouseMove) {
        int buttons = ButtonCode(m->buttons());
        UserEvent([&] { form_.UserMouseMove(buttons, shift, x, y); });
    } else if (event->type() == QEvent::MouseButtonPress) {
        int button = ButtonCode(m->button());
        UserEvent([&] { form_.UserMouseDown(button, shift, x, y); });
    } else if (m->button() == Qt::LeftButton) {
        UserEvent([this] { form_.UserClick(); });
    }
}

}  // namespace qtback
