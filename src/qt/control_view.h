#pragma once
// The widget of one control and the bridge between them: Sync brings the
// control's properties to the widget without feeding back as user input;
// user input on the widget becomes the control's User* calls.
#include <QEvent>
#include <QObject>
#include <QPointF>
#include <QWidget>

class QKeyEvent;
class QMouseEvent;
#include <functional>
#include <string>

#include "forms/control.h"

namespace qtback {

class FormWindow;

class ControlView : public QObject {
public:
    // The view belongs to its widget and goes with it.
    ControlView(forms::Control& control, QWidget* widget, FormWindow& window);

    forms::Control& Model() const { return control_; }
    QWidget* Widget() const { return widget_; }
    // Brings the widget up to date; cheap when the control has not changed.
    void Sync();
    // Labels, images, shapes and lines are painted on their container,
    // under every control that has a window of its own.
    virtual bool Graphical() const { return false; }
    // A move or release that belongs to this control because its press
    // captured the mouse, wherever the pointer is now.
    void CapturedPointer(QMouseEvent* event);

protected:
    // The kind's own properties, after a change of the control.
    virtual void SyncContent() = 0;
    // Checks cheap enough to make on every sync (properties the program may
    // write without raising the control's revision).
    virtual void SyncAlways() {}
    virtual void SyncGeometry();
    // A pointer position in the units the control reports: twips from its
    // top left corner; picture boxes override it with their user scale.
    virtual QPointF MouseUnits(QPointF widgetPixels) const;
    // Whether a pointer event at this point belongs to this control and not
    // to a control inside it.
    virtual bool OwnsPoint(QPointF) const { return true; }
    // Events beyond the pointer and focus; true consumes the event.
    virtual bool Filter(QObject* watched, QEvent* event);

    // Runs a user action on the model, then the back end syncs the windows.
    // Nothing happens while input is closed (during a sync, after the form
    // was unloaded, or while a program drives the model itself).
    void Input(const std::function<void()>& action);
    bool InputOpen() const;
    void SetColours(QPalette::ColorRole background, QPalette::ColorRole foreground, bool fill);

    bool eventFilter(QObject* watched, QEvent* event) override;

    forms::Control& control_;
    QWidget* widget_;
    FormWindow& window_;

private:
    void Pointer(QMouseEvent* event, QPointF widgetPixels);
    bool synced_ = false;
    bool stale_ = false;
    unsigned long revision_ = 0;
    std::string toolTip_;
};

// The view of a control, its widget created inside parent; nullptr for
// controls without a widget (timers, dialogs, menu items).
ControlView* MakeControlView(forms::Control& control, QWidget* parent, FormWindow& window);

// Whether event is a press, release or double click (type) of the left button.
bool LeftButton(const QEvent* event, QEvent::Type type);

// Mouse buttons and modifier keys as the old platform codes them.
int ButtonCode(Qt::MouseButtons buttons);
int ShiftCode(Qt::KeyboardModifiers modifiers);
// Keys the model knows by code; letters only with Ctrl, as typed they are
// characters. -1 for the others.
int FormsKeyCode(const QKeyEvent* key);

}  // namespace qtback
