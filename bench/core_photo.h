#pragma once
// Pictures that look like core photographs: annual laminae across the core,
// a tephra layer, a crack, the liner at both edges and grain noise, on a
// scan tray with a centimetre ruler. The
// benchmarks photograph a long core; the examples are two small ones.
#include <QImage>
#include <string>

namespace bench {

// lengthPx along the core, widthPx across the picture, of which the core
// takes the middle coreWidthPx (the tray the rest); upright draws depth
// downwards, otherwise from left to right. The same seed gives the same
// picture.
QImage CorePhoto(int lengthPx, int widthPx, int coreWidthPx, bool upright, unsigned seed);

// The core photograph of 30,000 x 2,000 pixels (a 1.5 m section at 20 pixels
// a millimetre, lying), as a JPEG written once per run under the temporary
// folder.
const std::string& LongCorePhotoPath();

}  // namespace bench
