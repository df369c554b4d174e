#include "qt/snapshot_renderer.h"

#include <algorithm>
#include <new>
#include <optional>
#include <utility>

#include "qt/changed_pixels.h"
#include "qt/layer_painter.h"
#include "qt/mark_reach.h"
#include "qt/owned_image.h"
#include "qt/qt_units.h"

namespace qtback {
namespace {

QSize InnerPixels(const forms::Snapshot& s) {
    return {std::max(0, Pixels(s.widthTwips)), std::max(0, Pixels(s.heightTwips))};
}

// The kept picture the image was painted from, or one drawn again alike.
bool SameLayer(const forms::DrawingLayer& a, const forms::DrawingLayer& b) {
    return &a == &b || (a.scale == b.scale && a.background == b.background && a.picture == b.picture &&
                        a.primitives == b.primitives);
}

bool HasText(const forms::DrawingLayer& layer) {
    return std::any_of(layer.primitives.begin(), layer.primitives.end(),
                       [](const forms::Primitive& p) { return p.kind == forms::PrimitiveKind::Text; });
}

}  // namespace

// A kept picture being drawn on the pool, and for which size and ratio. The
// task holds what it draws from and into, whatever becomes of the renderer.
struct SnapshotRenderer::Foreseen {
    struct Drawn {
        QImage image;
        QRegion changed;  // where it differs from the kept picture shown before
    };
    std::shared_ptr<const forms::DrawingLayer> kept;
    QSize size;
    qreal ratio;
    std::shared_ptr<Drawn> drawn;
    RenderPool::TaskPtr task;
    bool For(const forms::Snapshot& s, QSize at, qreal atRatio) const {
        return kept == s.kept && size == at && ratio == atRatio;
    }
};

SnapshotRenderer::~SnapshotRenderer() { Drop(); }

void SnapshotRenderer::Drop() {
    if (foreseen_ && pool_) pool_->Cancel(foreseen_->task);
    foreseen_.reset();
}

bool SnapshotRenderer::SameBase(const forms::Snapshot& s, QSize size, qreal ratio) const {
    if (base_.isNull() || base_.size() != size * ratio || base_.devicePixelRatio() != ratio) return false;
    if (!s.kept) return !kept_ && background_ == s.background;
    return kept_ && SameLayer(*kept_, *s.kept);
}

void SnapshotRenderer::Foresee(const forms::Snapshot& s, qreal ratio) noexcept {
    const QSize size = InnerPixels(s);
    if (!pool_ || !s.kept || size.isEmpty() || (!image_.isNull() && SameBase(s, size, ratio))) {
        Drop();
        return;
    }
    if (foreseen_ && foreseen_->For(s, size, ratio)) return;
    Drop();
    // Drawing ahead only saves time: without memory for it, Render draws the
    // kept picture itself. The task is posted last, so that none is posted
    // that the renderer does not know of.
    try {
        auto foreseen = std::make_shared<Foreseen>(
            Foreseen{s.kept, size, ratio, std::make_shared<Foreseen::Drawn>(), nullptr});
        foreseen->task = pool_->Post(
            [kept = s.kept, size, ratio, drawn = foreseen->drawn, before = base_](ShapedTexts& texts) {
                drawn->image = PaintBase(kept.get(), forms::kWhite, size, ratio, texts);
                drawn->changed = ChangedPixels(before, drawn->image);
            },
            HasText(*s.kept) ? lane_ : RenderPool::kAnyLane);
        foreseen_ = std::move(foreseen);
    } catch (const std::bad_alloc&) {
    }
}

// The kept picture as drawn on the pool when it was foreseen, or drawn now,
// and where it differs from the one shown before.
std::pair<QImage, QRegion> SnapshotRenderer::Base(const forms::Snapshot& s, QSize size, qreal ratio) {
    std::shared_ptr<Foreseen> foreseen = std::move(foreseen_);
    if (foreseen && foreseen->For(s, size, ratio)) {
        pool_->Await(foreseen->task);
        return {std::move(foreseen->drawn->image), std::move(foreseen->drawn->changed)};
    }
    if (foreseen) pool_->Cancel(foreseen->task);
    return {PaintBase(s.kept.get(), s.background, size, ratio, Texts()), QRect(QPoint(0, 0), size)};
}

QRegion SnapshotRenderer::Render(forms::Snapshot s, qreal ratio) {
    const QSize size = InnerPixels(s);
    if (size.isEmpty()) {
        Drop();
        image_ = base_ = QImage();
        kept_.reset();
        current_ = {};
        return {};
    }
    if (SameBase(s, size, ratio) && !image_.isNull()) {
        Drop();
        kept_ = s.kept;
        if (SameLayer(current_, s.current)) return {};
        const std::optional<QRegion> before = Reach(current_, size), after = Reach(s.current, size);
        if (before && after) {
            // Outside both regions the image shows the base alone, before and
            // after: the base is put back where the marks were and they are
            // drawn anew.
            const QRegion changed = *before | *after;
            if (!image_.isDetached()) {
                QImage own = image_.copy();
                image_ = std::move(Owned(own));
            }
            PutBack(base_, image_, changed, ratio);
            try {
                PaintLayer(image_, size, s.current, Texts());
            } catch (...) {
                // The marks go: the image shows the kept picture alone, as the
                // renderer now knows it.
                PutBack(base_, image_, changed, ratio);
                current_ = {};
                throw;
            }
            current_ = std::move(s.current);
            return changed;
        }
    }
    // Drawn aside and taken over whole, so that a failure leaves all as it was.
    const QRect whole(QPoint(0, 0), size);
    auto [base, changed] = SameBase(s, size, ratio) ? std::pair<QImage, QRegion>(base_, whole) : Base(s, size, ratio);
    QImage image = base;  // shared until the current layer paints on it
    PaintLayer(image, size, s.current, Texts());
    // Beyond where the kept picture changed, only the marks drawn over it
    // before and now can have changed a pixel.
    const std::optional<QRegion> before = Reach(current_, size), after = Reach(s.current, size);
    if (image_.isNull() || !before || !after) changed = whole;
    else changed |= *before | *after;
    base_ = std::move(base);
    image_ = std::move(image);
    kept_ = s.kept;
    background_ = s.background;
    current_ = std::move(s.current);
    return changed;
}

QImage RenderSnapshot(const forms::Snapshot& snapshot, qreal ratio) {
    SnapshotRenderer renderer;
    renderer.Render(snapshot, ratio);
    return renderer.Image();
}

}  // namespace qtback
