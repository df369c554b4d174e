#pragma once
// Where the marks drawn over a kept picture land (a target line, a few
// markers following the mouse), so that only there the picture is put back
// and the marks drawn anew.
#include <QImage>
#include <QRegion>
#include <QSize>
#include <optional>

#include "forms/surface.h"

namespace qtback {

// Where a layer of marks paints, within an image of `size` pixels of the
// drawing; none when that is not known (text, a picture) or not worth
// knowing (a long drawing).
std::optional<QRegion> Reach(const forms::DrawingLayer& layer, QSize size);
// Copies the region's pixels of one image into another of the same size.
void PutBack(const QImage& from, QImage& to, const QRegion& region, qreal ratio);

}  // namespace qtback
