#pragma once
// Where two images of one size differ, in pixels of the drawing (at the
// images' device pixel ratio): a new level moves most of a column, but the
// pixels under the boxes and lists that lie over a picture box often stay,
// and what stays is not painted again, nor the controls over it.
#include <QImage>
#include <QRegion>

namespace qtback {

// Every pixel that differs lies in the region; so do some that do not (a
// band of rows takes the columns from its first to its last difference).
QRegion ChangedPixels(const QImage& before, const QImage& after);

}  // namespace qtback
