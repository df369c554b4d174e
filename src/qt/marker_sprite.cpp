#include "qt/marker_sprite.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace qtback {
namespace {

// Copying an opaque premultiplied pixel over one of these is what
// drawImage's source-over does to it; a clear one leaves it as it is.
bool TakesCopies(const QImage& target) {
    return target.format() == QImage::Format_RGB32 || target.format() == QImage::Format_ARGB32_Premultiplied;
}

// The painter paints on the target and puts a pixel of an image of the
// target's whole ratio on a pixel of the target, unclipped.
bool PlainPainter(const QPainter& painter, const QImage& target) {
    return painter.device() == &target && !painter.hasClipping() && painter.opacity() == 1 &&
           painter.compositionMode() == QPainter::CompositionMode_SourceOver && painter.transform().isIdentity() &&
           target.devicePixelRatio() == std::round(target.devicePixelRatio());
}

}  // namespace

MarkerSprite::MarkerSprite(QImage image) : image_(std::move(image)) {
    copies_ = image_.format() == QImage::Format_ARGB32_Premultiplied;
    for (int y = 0; copies_ && y < image_.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(image_.constScanLine(y));
        for (int x = 0; x < image_.width();) {
            const int alpha = qAlpha(row[x]);
            if (alpha != 0 && alpha != 255) {
                copies_ = false;
                break;
            }
            int end = x + 1;
            while (end < image_.width() && qAlpha(row[end]) == alpha) ++end;
            if (alpha == 255) runs_.push_back({y, x, end});
            x = end;
        }
    }
    if (!copies_) runs_.clear();
}

void MarkerSprite::PutAt(QPainter& painter, QImage& target, QPoint corner) const {
    const qreal ratio = target.devicePixelRatio();
    if (!copies_ || !TakesCopies(target) || ratio != image_.devicePixelRatio() || !PlainPainter(painter, target)) {
        painter.drawImage(corner, image_);
        return;
    }
    const long long scale = static_cast<long long>(ratio);
    const long long left = corner.x() * scale, top = corner.y() * scale;
    for (const Run& run : runs_) {
        const long long y = top + run.row;
        if (y < 0 || y >= target.height()) continue;
        const long long from = std::max<long long>(left + run.from, 0);
        const long long to = std::min<long long>(left + run.to, target.width());
        if (from >= to) continue;
        std::memcpy(target.scanLine(static_cast<int>(y)) + from * 4, image_.constScanLine(run.row) + (from - left) * 4,
                    static_cast<size_t>(to - from) * 4);
    }
}

}  // namespace qtback
