#pragma once
// Fills and image copies in strips of rows. Qt hands a fill or a copy of
// more than about a hundred rows to threads of its own, whose hand-over costs
// more than the work for the sizes of the program's boxes and columns: in
// strips of fewer rows the painting thread does it alone, pixel for pixel
// the same.
#include <QImage>
#include <QPainter>
#include <QRect>
#include <algorithm>

namespace qtback {

inline constexpr int kStripRows = 48;

inline void FillInStrips(QPainter& painter, const QRect& r, const QColor& colour) {
    for (int y = r.top(); y <= r.bottom(); y += kStripRows)
        painter.fillRect(QRect(r.left(), y, r.width(), std::min(kStripRows, r.bottom() + 1 - y)), colour);
}

// The image at `at` (pixels of the painter), at the image's own ratio.
inline void DrawImageInStrips(QPainter& painter, QPointF at, const QImage& image) {
    const qreal ratio = image.devicePixelRatio();
    for (int y = 0; y < image.height(); y += kStripRows) {
        const int rows = std::min(kStripRows, image.height() - y);
        painter.drawImage(QRectF(at.x(), at.y() + y / ratio, image.width() / ratio, rows / ratio), image,
                          QRectF(0, y, image.width(), rows));
    }
}

}  // namespace qtback
