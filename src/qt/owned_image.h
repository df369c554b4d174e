#pragma once
// An image checked to own its pixels before it is painted on: memory that
// runs out gives Qt a null image, and a painter on it paints nothing.
#include <QImage>
#include <new>

namespace qtback {

// The image, which has pixels; std::bad_alloc where it has none.
inline QImage& Owned(QImage& image) {
    if (image.bits() == nullptr) throw std::bad_alloc();
    return image;
}

}  // namespace qtback
