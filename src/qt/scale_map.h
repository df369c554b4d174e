#pragma once
// User coordinates of a drawing layer to pixels of the image it is painted
// on: shared by the painting of a layer and by the reckoning of where its
// marks land, which must agree to the pixel.
#include <QLineF>
#include <QPoint>
#include <QPointF>
#include <QSize>
#include <cmath>
#include <optional>

#include "forms/surface.h"

namespace qtback {

// A pixel computed in double as an int, held within [lo, hi]; not a number
// is lo. Converting a double an int cannot hold is undefined.
inline int ClampedPixel(double v, int lo, int hi) {
    if (!(v > lo)) return lo;
    if (v >= hi) return hi;
    return static_cast<int>(v);
}

// User coordinates to pixels of an image that the scale spans entirely. A
// negative width mirrors x; a negative height points y up.
//
// A drawing of a level far outside its core puts primitives billions of
// pixels away. Pixels are held within kReach of the image, farther than any
// pen, marker or text reaches: whatever lies beyond shows nothing either way,
// and what lies on the image is where it was.
class ScaleMap {
public:
    static constexpr int kReach = 1 << 20;

    ScaleMap(const forms::Scale& s, QSize size)
        : left_(s.left), top_(s.top), sx_(size.width() / static_cast<double>(s.width)),
          sy_(size.height() / static_cast<double>(s.height)), size_(size) {}
    // The pixel a point falls on, held within reach of the image.
    QPoint operator()(double x, double y) const {
        const QPointF at = Whole(x, y);
        return {ClampedPixel(at.x(), -kReach, size_.width() + kReach),
                ClampedPixel(at.y(), -kReach, size_.height() + kReach)};
    }
    // The line between the pixels of two points, cut where it leaves the
    // reach of the image: the same line there, in a range any painter takes.
    std::optional<QLineF> Segment(double x1, double y1, double x2, double y2) const;
    double XLength(double units) const { return std::fabs(units * sx_); }

private:
    // The pixel, kept in doubles (infinite or not a number for such levels).
    QPointF Whole(double x, double y) const { return {std::floor((x - left_) * sx_), std::floor((y - top_) * sy_)}; }

    double left_, top_, sx_, sy_;
    QSize size_;
};

}  // namespace qtback
