#pragma once
// Paints what a surface holds (forms::Snapshot) into an image at the
// surface's inner pixel size, with `ratio` device pixels to a pixel (a
// high-DPI screen's ratio): lines, text and fills are drawn at the device's
// resolution, not enlarged afterwards. One renderer serves the picture boxes
// on screen, the clipboard and the scenario runner's png.
#include <QImage>
#include <memory>

#include "forms/surface.h"

namespace qtback {

QImage RenderSnapshot(const forms::Snapshot& snapshot, qreal ratio = 1);

// Renders snapshot after snapshot, keeping the image of the kept picture
// while it stays the same, so a transient mark drawn over a large drawing
// (the target line following the mouse) costs only the mark.
class SnapshotRenderer {
public:
    QImage Render(const forms::Snapshot& snapshot, qreal ratio = 1);

private:
    std::shared_ptr<const forms::DrawingLayer> kept_;
    QImage keptImage_;
};

}  // namespace qtback
