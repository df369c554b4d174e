#pragma once
// Paints what a surface holds (forms::Snapshot) into an image at the
// surface's inner pixel size, with `ratio` device pixels to a pixel (a
// high-DPI screen's ratio): lines, text and fills are drawn at the device's
// resolution, not enlarged afterwards. One renderer serves the picture boxes
// on screen, the clipboard and the scenario runner's png.
#include <QImage>
#include <QRegion>
#include <memory>

#include "forms/surface.h"
#include "qt/shaped_texts.h"

namespace qtback {

QImage RenderSnapshot(const forms::Snapshot& snapshot, qreal ratio = 1);

// Renders snapshot after snapshot into one image, keeping the image of the
// kept picture (or of the bare background) while it stays the same, so a
// transient mark drawn over a large drawing (the target line following the
// mouse) costs only the mark: where the marks drawn since the kept picture
// were and are, the kept picture is put back and the marks drawn again.
class SnapshotRenderer {
public:
    // The part of the image that changed, in pixels of the drawing: the whole
    // image when its size or its kept picture changed.
    QRegion Render(forms::Snapshot snapshot, qreal ratio = 1);
    const QImage& Image() const { return image_; }
    // Whether rendering the snapshot would paint its kept picture anew.
    bool Repaints(const forms::Snapshot& snapshot, qreal ratio = 1) const;

private:
    bool SameBase(const forms::Snapshot& snapshot, QSize size, qreal ratio) const;

    std::shared_ptr<const forms::DrawingLayer> kept_;
    forms::Colour background_ = forms::kWhite;
    QImage base_;
    forms::DrawingLayer current_;
    QImage image_;
    ShapedTexts texts_;
};

}  // namespace qtback
