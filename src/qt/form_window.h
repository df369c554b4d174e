#pragma once
// The top-level window of one form: its menu bar, its bare surface as the
// background of the client area (exactly ScaleWidth x ScaleHeight), and a
// view for each control.
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <unordered_map>
#include <vector>

#include "forms/form.h"
#include "qt/menu_view.h"

class QMenuBar;
class QMouseEvent;

namespace qtback {

class ControlView;
class QtServices;
class SurfaceWidget;

class FormWindow : public QWidget {
public:
    FormWindow(forms::Form& form, QtServices& services);
    ~FormWindow() override;

    forms::Form& Model() const { return form_; }
    // Brings the window and its controls up to date with the form.
    void Sync();
    // The form was unloaded: the window stops talking to it, hides, and is
    // deleted once the event that unloaded it is over.
    void Detach();

    bool InputOpen() const;
    // Runs a user action on the form, then the back end syncs every window.
    void UserEvent(const std::function<void()>& action);
    // The widget controls inside frame (nullptr: the form) are placed in.
    QWidget* ContainerWidget(const forms::Control* frame) const;
    QWidget* WidgetOf(const forms::Control& control) const;
    QWidget* Client() const;
    QMenuBar* MenuBar() const { return menuBar_; }
    QtServices& Services() const { return services_; }
    // Hands a move or release to the control whose press holds the mouse
    // when it reached another widget of the window (receiver, nullptr for the
    // bare surface); false when it is the receiver's own.
    bool ToCapture(QMouseEvent* event, const ControlView* receiver);
    // While a button is down, every move and the release come to this
    // window, which hands them to the control holding the press.
    void HoldPointer();
    // A picture box whose drawing changed: the back end's sync draws every
    // such box of every window side by side once the views are up to date.
    void DrawLater(SurfaceWidget& surface);

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool event(QEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void AddViews();
    void Restack();
    void SyncWindow();
    void SyncPlace();
    bool Restoring();
    void EndRestore();
    QPoint FrameMargins() const;
    void SyncFocus();
    void LayOut();
    int MenuBarHeight() const;
    void SurfacePointer(QEvent* event);

    forms::Form& form_;
    QtServices& services_;
    QMenuBar* menuBar_;
    std::unique_ptr<MenuBarView> menus_;
    SurfaceWidget* client_;
    std::vector<ControlView*> views_;
    std::unordered_map<const forms::Control*, ControlView*> byControl_;
    size_t controlsSeen_ = 0;
    bool synced_ = false;
    unsigned long revision_ = 0;
    const forms::Control* focus_ = nullptr;
    bool detached_ = false;
    bool holding_ = false;
    // Restored from maximised, the window waits for the window manager to
    // put back the frame it had (margins_, those of the normal state) before
    // it takes a place or goes to one: see Restoring.
    bool restoring_ = false;
    QPoint margins_;
    QTimer restoreDeadline_;
};

}  // namespace qtback
