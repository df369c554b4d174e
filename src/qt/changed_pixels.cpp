#include "qt/changed_pixels.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace qtback {
namespace {

// Rows taken together: a few rectangles for a box, each about as narrow as
// what changed in its rows.
constexpr int kBandRows = 16;

}  // namespace

QRegion ChangedPixels(const QImage& before, const QImage& after) {
    const qreal ratio = after.devicePixelRatio();
    const QRect whole(QPoint(0, 0), after.deviceIndependentSize().toSize());
    if (before.size() != after.size() || before.format() != after.format() || before.devicePixelRatio() != ratio ||
        before.depth() != 32)
        return whole;
    const int width = after.width();
    const size_t bytes = static_cast<size_t>(width) * 4;
    QRegion region;
    for (int top = 0; top < after.height(); top += kBandRows) {
        const int bottom = std::min(after.height(), top + kBandRows);
        int left = width, right = -1;
        for (int y = top; y < bottom; ++y) {
            const auto* a = reinterpret_cast<const uint32_t*>(before.constScanLine(y));
            const auto* b = reinterpret_cast<const uint32_t*>(after.constScanLine(y));
            if (std::memcmp(a, b, bytes) == 0) continue;
            int x0 = 0, x1 = width - 1;
            while (a[x0] == b[x0]) ++x0;
            while (a[x1] == b[x1]) --x1;
            left = std::min(left, x0);
            right = std::max(right, x1);
        }
        if (right < left) continue;
        // Device pixels to the drawing's, widened to whole pixels.
        region += QRectF(left / ratio, top / ratio, (right + 1 - left) / ratio, (bottom - top) / ratio).toAlignedRect() &
                  whole;
    }
    return region;
}

}  // namespace qtback
