#pragma once
// A marker's circle drawn once into a clear image and put at each centre a
// panel draws it at. Drawn without antialiasing, every pixel of such an
// image is opaque or clear: it is then copied row by row, opaque runs only,
// which gives the very pixels QPainter::drawImage gives there at a fraction
// of its cost per marker; any other image is drawn with drawImage.
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <optional>
#include <vector>

namespace qtback {

class MarkerSprite {
public:
    // An image sprites are copied into while a painter paints on it.
    struct Target {
        uchar* bits;
        qsizetype bytesPerLine;
        int width, height, ratio;  // in device pixels; device pixels a pixel
    };
    // The target, when a pixel of a sprite drawn on `target` by `painter`
    // would land on one of its pixels, unclipped and unblended but for the
    // sprite's own opacity.
    static std::optional<Target> CopiesInto(const QPainter& painter, QImage& target);

    // `image`: premultiplied ARGB at the target's whole device pixel ratio.
    explicit MarkerSprite(QImage image);
    // Puts the sprite with its top left corner at `corner` (in pixels of the
    // painter) on what `painter` paints on: into `copies` when given.
    void PutAt(QPainter& painter, QPoint corner, const std::optional<Target>& copies) const;

private:
    struct Run {
        int row, from, to;   // opaque device pixels [from, to) of a row
        const QRgb* pixels;  // the row's pixel `from`
    };
    QImage image_;
    int ratio_;
    std::vector<Run> runs_;
    bool copies_ = true;  // every pixel is opaque or clear
};

}  // namespace qtback
