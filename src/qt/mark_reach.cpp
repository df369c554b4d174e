#include "qt/mark_reach.h"

#include <QRectF>
#include <algorithm>
#include <cmath>
#include <cstring>

#include "qt/scale_map.h"

namespace qtback {
namespace {

using forms::Primitive;
using forms::PrimitiveKind;

// Beyond this many marks a layer is painted whole: a few lines and markers
// follow the mouse, a long drawing does not.
constexpr size_t kMostMarksPutBack = 64;

// The pixels a primitive can paint, widened beyond its pen on every side
// (whatever the shift, cap or sprite margin); none for text, whose extent
// only the font tells.
std::optional<QRectF> Reach(const Primitive& p, const ScaleMap& map) {
    const double pen = std::max(1, p.drawWidth) + 2;
    auto around = [&](QPointF a, QPointF b, double pad) {
        return QRectF(a, b).normalized().adjusted(-pad, -pad, pad + 1, pad + 1);
    };
    switch (p.kind) {
        case PrimitiveKind::Line: {
            const std::optional<QLineF> line = map.Segment(p.x1, p.y1, p.x2, p.y2);
            if (!line) return QRectF();
            return around(line->p1(), line->p2(), pen);
        }
        case PrimitiveKind::Box:
        case PrimitiveKind::FilledBox:
            return around(map(p.x1, p.y1), map(p.x2, p.y2), pen);
        case PrimitiveKind::Circle: {
            const QPointF centre = map(p.x1, p.y1);
            return around(centre, centre, std::ceil(map.XLength(p.x2)) + pen + 1);
        }
        case PrimitiveKind::Point: {
            const QPointF at = map(p.x1, p.y1);
            return around(at, at, pen);
        }
        case PrimitiveKind::Text:
            break;
    }
    return std::nullopt;
}

}  // namespace

std::optional<QRegion> Reach(const forms::DrawingLayer& layer, QSize size) {
    if (layer.picture || layer.primitives.size() > kMostMarksPutBack) return std::nullopt;
    const ScaleMap map(layer.scale, size);
    const QRectF image(QPointF(0, 0), QSizeF(size));
    QRegion region;
    for (const Primitive& p : layer.primitives) {
        const std::optional<QRectF> reach = Reach(p, map);
        if (!reach) return std::nullopt;
        const QRectF inside = *reach & image;
        if (!inside.isEmpty()) region += inside.toAlignedRect();
    }
    return region;
}

void PutBack(const QImage& from, QImage& to, const QRegion& region, qreal ratio) {
    for (const QRect& r : region) {
        const QRect device = QRectF(r.x() * ratio, r.y() * ratio, r.width() * ratio, r.height() * ratio)
                                 .toAlignedRect() & to.rect();
        const size_t bytes = static_cast<size_t>(device.width()) * 4;
        for (int y = device.top(); y <= device.bottom(); ++y)
            std::memcpy(to.scanLine(y) + device.left() * 4, from.constScanLine(y) + device.left() * 4, bytes);
    }
}

}  // namespace qtback
