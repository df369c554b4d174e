#include "qt/marker_sprite.h"

#include <algorithm>
#include <cmath>

namespace qtback {

MarkerSprite::MarkerSprite(QImage image)
    : image_(std::move(image)), ratio_(static_cast<int>(std::lround(image_.devicePixelRatio()))) {
    copies_ = image_.format() == QImage::Format_ARGB32_Premultiplied && ratio_ == image_.devicePixelRatio();
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
            if (alpha == 255) runs_.push_back({y, x, end, row + x});
            x = end;
        }
    }
    if (!copies_) runs_.clear();
}

// Copying an opaque premultiplied pixel over a pixel of these formats is
// what drawImage's source-over does to it; a clear one leaves it as it is.
std::optional<MarkerSprite::Target> MarkerSprite::CopiesInto(const QPainter& painter, QImage& target) {
    const bool format =
        target.format() == QImage::Format_RGB32 || target.format() == QImage::Format_ARGB32_Premultiplied;
    const qreal ratio = target.devicePixelRatio();
    // The painter paints on the target's own pixels, which its start detached.
    if (!format || painter.device() != &target || !target.isDetached() || painter.hasClipping() ||
        painter.opacity() != 1 || painter.compositionMode() != QPainter::CompositionMode_SourceOver ||
        !painter.transform().isIdentity() || ratio != std::round(ratio))
        return std::nullopt;
    return Target{target.bits(), target.bytesPerLine(), target.width(), target.height(), static_cast<int>(ratio)};
}

void MarkerSprite::PutAt(QPainter& painter, QPoint corner, const std::optional<Target>& copies) const {
    if (!copies || !copies_ || copies->ratio != ratio_) {
        painter.drawImage(corner, image_);
        return;
    }
    const Target& t = *copies;
    const long long left = static_cast<long long>(corner.x()) * t.ratio;
    const long long top = static_cast<long long>(corner.y()) * t.ratio;
    for (const Run& run : runs_) {
        const long long y = top + run.row;
        if (y < 0 || y >= t.height) continue;
        const long long from = std::max<long long>(left + run.from, 0);
        const long long to = std::min<long long>(left + run.to, t.width);
        const QRgb* in = run.pixels + (from - left - run.from);
        QRgb* out = reinterpret_cast<QRgb*>(t.bits + y * t.bytesPerLine) + from;
        for (long long x = from; x < to; ++x) *out++ = *in++;
    }
}

}  // namespace qtback
