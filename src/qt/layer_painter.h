#pragma once
// Paints drawing layers into images: the primitives of a layer in its own
// scale, with lines, text and fills at the image's device pixel ratio, and a
// kept picture on its background. Memory that runs out throws
// std::bad_alloc.
#include <QImage>
#include <QSize>

#include "forms/surface.h"
#include "qt/shaped_texts.h"

namespace qtback {

// The layer's picture at its natural size in the top left corner, then its
// primitives in the layer's own scale, over an image of `size` pixels of the
// drawing (more device pixels at a ratio above 1).
void PaintLayer(QImage& image, QSize size, const forms::DrawingLayer& layer, ShapedTexts& texts);
// A kept picture (or the bare background) painted on its own.
QImage PaintBase(const forms::DrawingLayer* kept, forms::Colour background, QSize size, qreal ratio,
                 ShapedTexts& texts);

}  // namespace qtback
