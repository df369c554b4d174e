#pragma once
// Pointer input known finer than the pixel grid Qt routes mouse events on.
// Qt hands a position from the window to the widget under it in whole
// pixels, while a position known in a control's own units (a picture box's
// user scale, twips) may lie between them. Such an event carries the
// position in the units of the one control or window it was aimed at, and
// that target: the target takes those units when the event reaches it where
// it was aimed; any other receiver, a grab's holder included, takes the
// pixel's own value.
#include <QMouseEvent>
#include <QPointF>

class QWidget;

namespace qtback {

class PrecisePointerEvent : public QMouseEvent {
public:
    // The event as Qt routed it, aimed at target's point pixels (in its
    // widget coordinates, between whole pixels), which is units in the
    // units target reports.
    PrecisePointerEvent(const QMouseEvent& routed, const QWidget& target, QPointF pixels, QPointF units);
    PrecisePointerEvent* clone() const override { return new PrecisePointerEvent(*this); }

    const QWidget* Target() const { return target_; }
    QPointF AimedPixels() const { return pixels_; }
    QPointF Units() const { return units_; }

private:
    PrecisePointerEvent(const PrecisePointerEvent&) = default;

    const QWidget* target_;
    QPointF pixels_, units_;
};

// The pointer's position in the units receiver reports, where event reaches
// it at widgetPixels: the units the event carries when receiver is its
// target and widgetPixels lie within 0.75 pixel of where it was aimed (Qt
// maps positions between widgets and screens on whole pixels); else
// pixelUnits, the pixel's own value.
QPointF PointerUnits(const QMouseEvent& event, const QWidget& receiver, QPointF widgetPixels, QPointF pixelUnits);

}  // namespace qtback
