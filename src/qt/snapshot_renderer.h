#pragma once
// Paints what a surface holds (forms::Snapshot) into an image at the
// surface's inner pixel size, with `ratio` device pixels to a pixel (a
// high-DPI screen's ratio): lines, text and fills are drawn at the device's
// resolution, not enlarged afterwards. One renderer serves the picture boxes
// on screen, the clipboard and pictures of a window saved to a file.
#include <QImage>
#include <QRegion>
#include <memory>
#include <utility>

#include "forms/surface.h"
#include "qt/render_pool.h"
#include "qt/shaped_texts.h"

namespace qtback {

QImage RenderSnapshot(const forms::Snapshot& snapshot, qreal ratio = 1);

// Renders snapshot after snapshot into one image, keeping the image of the
// kept picture (or of the bare background) while it stays the same, so a
// transient mark drawn over a large drawing (the target line following the
// mouse) costs only the mark: where the marks drawn since the kept picture
// were and are, the kept picture is put back and the marks drawn again.
//
// With a pool, a new kept picture is drawn on the pool's threads (one with
// text on the renderer's lane), from the moment it is foreseen; the marks
// drawn since are drawn by the caller. Without one, all is drawn by the
// caller. A render that fails (memory ran out) throws and leaves the image
// as it was.
class SnapshotRenderer {
public:
    SnapshotRenderer() = default;
    SnapshotRenderer(RenderPool& pool, int lane) : pool_(&pool), lane_(lane) {}
    ~SnapshotRenderer();
    SnapshotRenderer(const SnapshotRenderer&) = delete;
    SnapshotRenderer& operator=(const SnapshotRenderer&) = delete;
    SnapshotRenderer(SnapshotRenderer&&) = default;
    SnapshotRenderer& operator=(SnapshotRenderer&&) = default;

    // Starts drawing the kept picture of the snapshot on the pool when
    // rendering it would paint the kept picture anew; a drawing foreseen
    // before for another kept picture is dropped. Without memory to start
    // it, nothing is foreseen.
    void Foresee(const forms::Snapshot& snapshot, qreal ratio = 1) noexcept;
    // The part of the image that changed, in pixels of the drawing: the whole
    // image when its size changed or its kept picture was drawn by the caller;
    // where a kept picture drawn on the pool differs from the one before, and
    // where the marks over it were and are.
    QRegion Render(forms::Snapshot snapshot, qreal ratio = 1);
    const QImage& Image() const { return image_; }

private:
    struct Foreseen;
    bool SameBase(const forms::Snapshot& snapshot, QSize size, qreal ratio) const;
    std::pair<QImage, QRegion> Base(const forms::Snapshot& snapshot, QSize size, qreal ratio);
    void Drop();
    ShapedTexts& Texts() { return pool_ ? pool_->CallerTexts() : texts_; }

    RenderPool* pool_ = nullptr;
    int lane_ = RenderPool::kAnyLane;
    std::shared_ptr<Foreseen> foreseen_;
    std::shared_ptr<const forms::DrawingLayer> kept_;
    forms::Colour background_ = forms::kWhite;
    QImage base_;
    forms::DrawingLayer current_;
    QImage image_;
    ShapedTexts texts_;
};

}  // namespace qtback
