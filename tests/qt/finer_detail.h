#pragma once
// Telling a drawing rendered at device pixels from one enlarged afterwards.
#include <QImage>
#include <QRect>

namespace qttest {

// Whether some 2 x 2 block of device pixels in the rectangle holds two
// colours: a drawing enlarged from single pixels has none.
inline bool HasFinerDetail(const QImage& image, QRect area) {
    for (int y = area.top(); y + 1 <= area.bottom(); y += 2)
        for (int x = area.left(); x + 1 <= area.right(); x += 2) {
            QRgb c = image.pixel(x, y);
            if (image.pixel(x + 1, y) != c || image.pixel(x, y + 1) != c || image.pixel(x + 1, y + 1) != c) return true;
        }
    return false;
}

}  // namespace qttest
