#include "qt/scale_map.h"

#include <algorithm>

namespace qtback {
namespace {

// An infinite end of a line is taken as this far.
constexpr double kFar = 1e18;

}  // namespace

// Cut to the reach box by the parameter of the line (Liang and Barsky).
std::optional<QLineF> ScaleMap::Segment(double x1, double y1, double x2, double y2) const {
    auto held = [](double v) { return std::clamp(v, -kFar, kFar); };
    const QPointF a0 = Whole(x1, y1), b0 = Whole(x2, y2);
    if (std::isnan(a0.x()) || std::isnan(a0.y()) || std::isnan(b0.x()) || std::isnan(b0.y())) return std::nullopt;
    const QPointF a(held(a0.x()), held(a0.y())), b(held(b0.x()), held(b0.y()));
    const QPointF d = b - a;
    double from = 0, to = 1;
    // Keeps the part where p * t <= q; false when nothing is left.
    auto keep = [&](double p, double q) {
        if (p == 0) return q >= 0;
        const double t = q / p;
        if (p < 0) from = std::max(from, t);
        else to = std::min(to, t);
        return from <= to;
    };
    const double left = -kReach, top = -kReach;
    const double right = size_.width() + kReach, bottom = size_.height() + kReach;
    if (!keep(-d.x(), a.x() - left) || !keep(d.x(), right - a.x()) || !keep(-d.y(), a.y() - top) ||
        !keep(d.y(), bottom - a.y()))
        return std::nullopt;
    return QLineF(from > 0 ? a + from * d : a, to < 1 ? a + to * d : b);
}

}  // namespace qtback
