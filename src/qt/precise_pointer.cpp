#include "qt/precise_pointer.h"

#include <cmath>

namespace qtback {

PrecisePointerEvent::PrecisePointerEvent(const QMouseEvent& routed, const QWidget& target, QPointF pixels,
                                         QPointF units)
    : QMouseEvent(routed), target_(&target), pixels_(pixels), units_(units) {}

QPointF PointerUnits(const QMouseEvent& event, const QWidget& receiver, QPointF widgetPixels, QPointF pixelUnits) {
    const auto* precise = dynamic_cast<const PrecisePointerEvent*>(&event);
    if (!precise || precise->Target() != &receiver) return pixelUnits;
    const QPointF off = widgetPixels - precise->AimedPixels();
    if (std::abs(off.x()) > 0.75 || std::abs(off.y()) > 0.75) return pixelUnits;
    return precise->Units();
}

}  // namespace qtback
