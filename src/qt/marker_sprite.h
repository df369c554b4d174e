#pragma once
// A marker's circle drawn once into a clear image and put at each centre a
// panel draws it at. Drawn without antialiasing, every pixel of such an
// image is opaque or clear: it is then copied row by row, opaque runs only,
// which gives the very pixels QPainter::drawImage gives there at a fraction
// of its cost per marker; any other image is drawn with drawImage.
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <vector>

namespace qtback {

class MarkerSprite {
public:
    // `image`: premultiplied ARGB at the target's whole device pixel ratio.
    explicit MarkerSprite(QImage image);
    // Puts the sprite with its top left corner at `corner` (in pixels of the
    // painter) into `target`, which `painter` paints on.
    void PutAt(QPainter& painter, QImage& target, QPoint corner) const;

private:
    struct Run {
        int row, from, to;  // opaque device pixels [from, to) of a row
    };
    QImage image_;
    std::vector<Run> runs_;
    bool copies_ = true;  // every pixel is opaque or clear
};

}  // namespace qtback
