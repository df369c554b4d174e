#pragma once
// User coordinates of a drawing layer to pixels of the image it is painted
// on: shared by the painting of a layer and by the reckoning of where its
// marks land, which must agree to the pixel.
#include <QPoint>
#include <QPointF>
#include <QSize>
#include <cmath>

#include "forms/surface.h"

namespace qtback {

// User coordinates to pixels of an image that the scale spans entirely. A
// negative width mirrors x; a negative height points y up.
class ScaleMap {
public:
    ScaleMap(const forms::Scale& s, QSize size)
        : left_(s.left), top_(s.top), sx_(size.width() / static_cast<double>(s.width)),
          sy_(size.height() / static_cast<double>(s.height)) {}
    QPoint operator()(double x, double y) const {
        const QPointF at = Whole(x, y);
        return {static_cast<int>(at.x()), static_cast<int>(at.y())};
    }
    // The same pixel, kept in doubles: far outside the image it stays finite.
    QPointF Whole(double x, double y) const { return {std::floor((x - left_) * sx_), std::floor((y - top_) * sy_)}; }
    double XLength(double units) const { return std::fabs(units * sx_); }

private:
    double left_, top_, sx_, sy_;
};

}  // namespace qtback
