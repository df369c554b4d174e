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

// The part of the image (in its own pixels, at the image's own ratio) at
// `at` plus the part's corner, in pixels of the painter.
inline void DrawImageInStrips(QPainter& painter, QPointF at, const QImage& image, const QRect& part) {
    const qreal ratio = image.devicePixelRatio();
    const QRect device = QRectF(part.x() * ratio, part.y() * ratio, part.width() * ratio, part.height() * ratio)
                             .toAlignedRect() & image.rect();
    for (int y = device.top(); y <= device.bottom(); y += kStripRows) {
        const int rows = std::min(kStripRows, device.bottom() + 1 - y);
        painter.drawImage(QRectF(at.x() + device.x() / ratio, at.y() + y / ratio, device.width() / ratio, rows / ratio),
                          image, QRectF(device.x(), y, device.width(), rows));
    }
}

}  // namespace qtback
