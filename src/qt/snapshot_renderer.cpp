#include "qt/snapshot_renderer.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>
#include <new>
#include <optional>
#include <utility>
#include <vector>

#include "qt/changed_pixels.h"
#include "qt/marker_sprite.h"
#include "qt/picture_loader.h"
#include "qt/qt_units.h"
#include "qt/row_strips.h"

namespace qtback {
namespace {

using forms::Primitive;
using forms::PrimitiveKind;

// An image that owns its pixels; memory that runs
// out gives Qt a null image, and a painter on it paints nothing.
QImage& Owned(QImage& image) {
    if (image.bits() == nullptr) throw std::bad_alloc();
    return image;
}

// User coordinates to pixels of an image that the scale spans entirely. A
// negative width mirrors x; a negative height points y up.
class ScaleMap {
public:
    ScaleMap(const forms::Scale& s, QSize size)
        : left_(s.left), top_(s.top), sx_(size.width() / static_cast<double>(s.width)),
          sy_(size.height() / static_cast<double>(s.height)) {}
    QPoint operator()(double x, double y) const {
        const QPointF at = Whole(x, y);
        return {static_cast<int>(at.x()), static_cast<int>(at.y())};
    }
    // The same pixel, kept in doubles: far outside the image it stays finite.
    QPointF Whole(double x, double y) const { return {std::floor((x - left_) * sx_), std::floor((y - top_) * sy_)}; }
    double XLength(double units) const { return std::fabs(units * sx_); }

private:
    double left_, top_, sx_, sy_;
};

Qt::PenStyle PenStyleOf(const Primitive& p) {
    if (p.drawStyle == 5) return Qt::NoPen;
    // Broken lines exist only one pixel wide; wider ones are drawn solid.
    if (p.drawWidth > 1) return Qt::SolidLine;
    switch (p.drawStyle) {
        case 1: return Qt::DashLine;
        case 2: return Qt::DotLine;
        case 3: return Qt::DashDotLine;
        case 4: return Qt::DashDotDotLine;
        default: return Qt::SolidLine;
    }
}

// The screen's device pixels per pixel of the drawing. A one-pixel pen is
// cosmetic and as many device pixels wide as a pixel of the drawing; its
// strokes move half a pixel so that they cover the device pixels of the
// pixel they fall on, as at ratio 1, where the shift is 0.
class Device {
public:
    explicit Device(qreal ratio) : ratio_(ratio), thin_(std::max(1, static_cast<int>(std::lround(ratio)))) {}
    int ThinWidth() const { return thin_; }
    QPointF Shift(const Primitive& p) const {
        double shift = p.drawWidth > 1 ? 0 : (thin_ / 2) / ratio_;
        return {shift, shift};
    }

private:
    qreal ratio_;
    int thin_;
};

QPen PenOf(const Primitive& p, const Device& device) {
    QPen pen(ToQColor(p.colour));
    pen.setStyle(PenStyleOf(p));
    if (p.drawWidth > 1) {
        pen.setWidth(p.drawWidth);
        pen.setCapStyle(Qt::RoundCap);
    } else {
        pen.setCosmetic(true);
        pen.setWidth(device.ThinWidth());
        pen.setJoinStyle(Qt::MiterJoin);  // whole corners on boxes
    }
    return pen;
}

// The rectangle whose corners are both pixels, whatever their order.
QRect Corners(QPoint a, QPoint b) { return QRect(a, b).normalized(); }

// Paints the primitives of one layer, setting the pen, the brush and the font
// only when they change from one primitive to the next.
class LayerPainter {
public:
    LayerPainter(QImage& image, QSize size, const forms::DrawingLayer& layer, ShapedTexts& texts)
        : painter_(&image), map_(layer.scale, size), device_(image.devicePixelRatio()),
          ratio_(image.devicePixelRatio()), copyTarget_(MarkerSprite::CopiesInto(painter_, image)),
          texts_(texts) {}
    QPainter& Painter() { return painter_; }
    void Paint(const Primitive& p);
    // Draws the lines gathered so far.
    void Flush();

private:
    struct PenLook {
        forms::Colour colour;
        int width, style;
        bool operator==(const PenLook&) const = default;
    };
    struct CircleLook {
        double radius;
        forms::Colour colour, fill;
        int width, style, fillStyle;
        auto operator<=>(const CircleLook&) const = default;
    };
    struct Sprite {
        MarkerSprite marker;
        int half;  // the centre's offset from the sprite's corner, in pixels
    };

    void UsePen(const Primitive& p);
    void UseBrush(std::optional<forms::Colour> fill);
    void PaintCircle(const Primitive& p);

    QPainter painter_;
    ScaleMap map_;
    Device device_;
    qreal ratio_;
    std::optional<MarkerSprite::Target> copyTarget_;  // where sprites are copied, when they are
    ShapedTexts& texts_;
    std::optional<PenLook> pen_;
    std::optional<std::optional<forms::Colour>> brush_;
    struct Font {
        double size;
        bool bold;
        qreal ascent;
    };
    std::optional<Font> font_;
    std::map<CircleLook, Sprite> sprites_;
    // Solid one-pixel lines in a row with the same pen, drawn in one call:
    // Qt strokes each line of a call on its own, as it does one line a call.
    std::vector<QLineF> lines_;
};

void LayerPainter::Flush() {
    if (lines_.empty()) return;
    painter_.drawLines(lines_.data(), static_cast<int>(lines_.size()));
    lines_.clear();
}

void LayerPainter::UsePen(const Primitive& p) {
    const PenLook look{p.colour, p.drawWidth, p.drawStyle};
    if (pen_ == look) return;
    painter_.setPen(PenOf(p, device_));
    pen_ = look;
}

void LayerPainter::UseBrush(std::optional<forms::Colour> fill) {
    if (brush_ == fill) return;
    if (fill) painter_.setBrush(ToQColor(*fill));
    else painter_.setBrush(Qt::NoBrush);
    brush_ = fill;
}

// Circles up to this radius in pixels are drawn once and copied.
constexpr double kLargestSprite = 24;

// Every circle's centre lies on a whole pixel (plus the device's fixed
// shift), so a circle drawn once into a clear image and copied to each centre
// gives the very pixels that drawing it there would; at a whole ratio only,
// where whole pixels stay whole device pixels.
void LayerPainter::PaintCircle(const Primitive& p) {
    const double r = map_.XLength(p.x2);
    const std::optional<forms::Colour> fill =
        p.fillStyle == 0 ? std::optional<forms::Colour>(p.fillColour) : std::nullopt;
    const QPoint centre = map_(p.x1, p.y1);
    if (r > kLargestSprite || ratio_ != std::round(ratio_)) {
        UsePen(p);
        UseBrush(fill);
        painter_.drawEllipse(QPointF(centre) + device_.Shift(p), r, r);
        return;
    }
    const CircleLook look{r, p.colour, fill.value_or(0), p.drawWidth, p.drawStyle, p.fillStyle};
    auto it = sprites_.find(look);
    if (it == sprites_.end()) {
        const int half = static_cast<int>(std::ceil(r)) + p.drawWidth + 2;
        QImage image(QSize(2 * half + 1, 2 * half + 1) * ratio_, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(ratio_);
        Owned(image).fill(Qt::transparent);
        QPainter sprite(&image);
        sprite.setPen(PenOf(p, device_));
        if (fill) sprite.setBrush(ToQColor(*fill));
        sprite.drawEllipse(QPointF(half, half) + device_.Shift(p), r, r);
        sprite.end();
        it = sprites_.emplace(look, Sprite{MarkerSprite(std::move(image)), half}).first;
    }
    it->second.marker.PutAt(painter_, centre - QPoint(it->second.half, it->second.half), copyTarget_);
}

void LayerPainter::Paint(const Primitive& p) {
    auto stroke = [&](double x, double y) { return QPointF(map_(x, y)) + device_.Shift(p); };
    const bool gathered = p.kind == PrimitiveKind::Line && p.drawWidth <= 1 && p.drawStyle == 0;
    if (!gathered || pen_ != PenLook{p.colour, p.drawWidth, p.drawStyle}) Flush();
    switch (p.kind) {
        case PrimitiveKind::Line:
            UsePen(p);
            if (gathered) lines_.emplace_back(stroke(p.x1, p.y1), stroke(p.x2, p.y2));
            else painter_.drawLine(stroke(p.x1, p.y1), stroke(p.x2, p.y2));
            break;
        case PrimitiveKind::Box:
        case PrimitiveKind::FilledBox: {
            QRect r = Corners(map_(p.x1, p.y1), map_(p.x2, p.y2));
            if (p.fillStyle == 0) FillInStrips(painter_, r, ToQColor(p.fillColour));
            // drawRect outlines one pixel beyond the size: keep the far edge on the corner.
            QRect outline = r.adjusted(0, 0, -1, -1);
            UsePen(p);
            UseBrush(std::nullopt);
            painter_.drawRect(QRectF(outline).translated(device_.Shift(p)));
            break;
        }
        case PrimitiveKind::Circle:
            PaintCircle(p);
            break;
        case PrimitiveKind::Point: {
            if (p.drawWidth <= 1) {
                UsePen(p);
                painter_.drawPoint(stroke(p.x1, p.y1));
            } else {
                painter_.setPen(Qt::NoPen);
                pen_.reset();
                UseBrush(p.colour);
                painter_.drawEllipse(QPointF(map_(p.x1, p.y1)), p.drawWidth / 2.0, p.drawWidth / 2.0);
            }
            break;
        }
        case PrimitiveKind::Text: {
            if (!font_ || font_->size != p.fontSize || font_->bold != p.fontBold) {
                QFont font = FontFor(p.fontSize, p.fontBold);
                painter_.setFont(font);
                font_ = Font{p.fontSize, p.fontBold, QFontMetricsF(font).ascent()};
            }
            painter_.setPen(ToQColor(p.colour));
            pen_.reset();
            QPoint at = map_(p.x1, p.y1);
            texts_.Draw(painter_, QPointF(at.x(), at.y() + font_->ascent), p.text, p.fontSize, p.fontBold);
            break;
        }
    }
}

// The layer's picture at its natural size in the top left corner, then its
// primitives in the layer's own scale, over an image of `size` pixels of the
// drawing (more device pixels at a ratio above 1).
void PaintLayer(QImage& image, QSize size, const forms::DrawingLayer& layer, ShapedTexts& texts) {
    auto* picture = dynamic_cast<const QtPicture*>(layer.picture.get());
    if (!picture && layer.primitives.empty()) return;
    LayerPainter painter(Owned(image), size, layer, texts);
    if (picture) painter.Painter().drawImage(0, 0, picture->image);
    for (const Primitive& p : layer.primitives) painter.Paint(p);
    painter.Flush();
}

QSize InnerPixels(const forms::Snapshot& s) {
    return {std::max(0, Pixels(s.widthTwips)), std::max(0, Pixels(s.heightTwips))};
}

QImage Blank(QSize size, qreal ratio, forms::Colour background) {
    QImage image(size * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    QPainter painter(&Owned(image));
    FillInStrips(painter, QRect(QPoint(0, 0), size), ToQColor(background));
    return image;
}

// The kept picture the image was painted from, or one drawn again alike.
bool SameLayer(const forms::DrawingLayer& a, const forms::DrawingLayer& b) {
    return &a == &b || (a.scale == b.scale && a.background == b.background && a.picture == b.picture &&
                        a.primitives == b.primitives);
}

// Beyond this many marks a layer is painted whole: a few lines and markers
// follow the mouse, a long drawing does not.
constexpr size_t kMostMarksPutBack = 64;

// The pixels a primitive can paint, widened beyond its pen on every side
// (whatever the shift, cap or sprite margin); none for text, whose extent
// only the font tells.
std::optional<QRectF> Reach(const Primitive& p, const ScaleMap& map) {
    const double pen = std::max(1, p.drawWidth) + 2;
    auto around = [&](QPointF a, QPointF b, double pad) {
        return QRectF(a, b).normalized().adjusted(-pad, -pad, pad + 1, pad + 1);
    };
    switch (p.kind) {
        case PrimitiveKind::Line:
        case PrimitiveKind::Box:
        case PrimitiveKind::FilledBox:
            return around(map.Whole(p.x1, p.y1), map.Whole(p.x2, p.y2), pen);
        case PrimitiveKind::Circle: {
            const QPointF centre = map.Whole(p.x1, p.y1);
            return around(centre, centre, std::ceil(map.XLength(p.x2)) + pen + 1);
        }
        case PrimitiveKind::Point: {
            const QPointF at = map.Whole(p.x1, p.y1);
            return around(at, at, pen);
        }
        case PrimitiveKind::Text:
            break;
    }
    return std::nullopt;
}

// Where a layer of marks paints, within the image; none when that is not
// known or not worth knowing.
std::optional<QRegion> Reach(const forms::DrawingLayer& layer, QSize size) {
    if (layer.picture || layer.primitives.size() > kMostMarksPutBack) return std::nullopt;
    const ScaleMap map(layer.scale, size);
    const QRectF image(QPointF(0, 0), QSizeF(size));
    QRegion region;
    for (const Primitive& p : layer.primitives) {
        const std::optional<QRectF> reach = Reach(p, map);
        if (!reach) return std::nullopt;
        const QRectF inside = *reach & image;
        if (!inside.isEmpty()) region += inside.toAlignedRect();
    }
    return region;
}

// Copies the region's pixels of one image into another of the same size.
void PutBack(const QImage& from, QImage& to, const QRegion& region, qreal ratio) {
    for (const QRect& r : region) {
        const QRect device = QRectF(r.x() * ratio, r.y() * ratio, r.width() * ratio, r.height() * ratio)
                                 .toAlignedRect() & to.rect();
        const size_t bytes = static_cast<size_t>(device.width()) * 4;
        for (int y = device.top(); y <= device.bottom(); ++y)
            std::memcpy(to.scanLine(y) + device.left() * 4, from.constScanLine(y) + device.left() * 4, bytes);
    }
}

// A kept picture (or the bare background) painted on its own.
QImage PaintBase(const forms::DrawingLayer* kept, forms::Colour background, QSize size, qreal ratio, ShapedTexts& texts) {
    QImage base = Blank(size, ratio, kept ? kept->background : background);
    if (kept) PaintLayer(base, size, *kept, texts);
    return base;
}

bool HasText(const forms::DrawingLayer& layer) {
    return std::any_of(layer.primitives.begin(), layer.primitives.end(),
                       [](const Primitive& p) { return p.kind == PrimitiveKind::Text; });
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

void SnapshotRenderer::Foresee(const forms::Snapshot& s, qreal ratio) {
    const QSize size = InnerPixels(s);
    if (!pool_ || !s.kept || size.isEmpty() || (!image_.isNull() && SameBase(s, size, ratio))) {
        Drop();
        return;
    }
    if (foreseen_ && foreseen_->For(s, size, ratio)) return;
    Drop();
    auto drawn = std::make_shared<Foreseen::Drawn>();
    RenderPool::TaskPtr task = pool_->Post(
        [kept = s.kept, size, ratio, drawn, before = base_](ShapedTexts& texts) {
            drawn->image = PaintBase(kept.get(), forms::kWhite, size, ratio, texts);
            drawn->changed = ChangedPixels(before, drawn->image);
        },
        HasText(*s.kept) ? lane_ : RenderPool::kAnyLane);
    foreseen_ = std::make_shared<Foreseen>(Foreseen{s.kept, size, ratio, std::move(drawn), std::move(task)});
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
