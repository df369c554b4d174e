#include "qt/snapshot_renderer.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <utility>

#include "qt/picture_loader.h"
#include "qt/qt_units.h"
#include "qt/row_strips.h"

namespace qtback {
namespace {

using forms::Primitive;
using forms::PrimitiveKind;

// User coordinates to pixels of an image that the scale spans entirely. A
// negative width mirrors x; a negative height points y up.
class ScaleMap {
public:
    ScaleMap(const forms::Scale& s, QSize size)
        : left_(s.left), top_(s.top), sx_(size.width() / static_cast<double>(s.width)),
          sy_(size.height() / static_cast<double>(s.height)) {}
    QPoint operator()(double x, double y) const {
        return {static_cast<int>(std::floor((x - left_) * sx_)), static_cast<int>(std::floor((y - top_) * sy_))};
    }
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
    LayerPainter(QImage& image, QSize size, const forms::DrawingLayer& layer)
        : painter_(&image), map_(layer.scale, size), device_(image.devicePixelRatio()),
          ratio_(image.devicePixelRatio()) {}
    QPainter& Painter() { return painter_; }
    void Paint(const Primitive& p);

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
        QImage image;
        int half;  // the centre's offset from the sprite's corner, in pixels
    };

    void UsePen(const Primitive& p);
    void UseBrush(std::optional<forms::Colour> fill);
    void PaintCircle(const Primitive& p);

    QPainter painter_;
    ScaleMap map_;
    Device device_;
    qreal ratio_;
    std::optional<PenLook> pen_;
    std::optional<std::optional<forms::Colour>> brush_;
    struct Font {
        double size;
        bool bold;
        qreal ascent;
    };
    std::optional<Font> font_;
    std::map<CircleLook, Sprite> sprites_;
};

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
        image.fill(Qt::transparent);
        QPainter sprite(&image);
        sprite.setPen(PenOf(p, device_));
        if (fill) sprite.setBrush(ToQColor(*fill));
        sprite.drawEllipse(QPointF(half, half) + device_.Shift(p), r, r);
        sprite.end();
        it = sprites_.emplace(look, Sprite{std::move(image), half}).first;
    }
    painter_.drawImage(centre - QPoint(it->second.half, it->second.half), it->second.image);
}

void LayerPainter::Paint(const Primitive& p) {
    auto stroke = [&](double x, double y) { return QPointF(map_(x, y)) + device_.Shift(p); };
    switch (p.kind) {
        case PrimitiveKind::Line:
            UsePen(p);
            painter_.drawLine(stroke(p.x1, p.y1), stroke(p.x2, p.y2));
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
            painter_.drawText(QPointF(at.x(), at.y() + font_->ascent), ToQString(p.text));
            break;
        }
    }
}

// The layer's picture at its natural size in the top left corner, then its
// primitives in the layer's own scale, over an image of `size` pixels of the
// drawing (more device pixels at a ratio above 1).
void PaintLayer(QImage& image, QSize size, const forms::DrawingLayer& layer) {
    auto* picture = dynamic_cast<const QtPicture*>(layer.picture.get());
    if (!picture && layer.primitives.empty()) return;
    LayerPainter painter(image, size, layer);
    if (picture) painter.Painter().drawImage(0, 0, picture->image);
    for (const Primitive& p : layer.primitives) painter.Paint(p);
}

QSize InnerPixels(const forms::Snapshot& s) {
    return {std::max(0, Pixels(s.widthTwips)), std::max(0, Pixels(s.heightTwips))};
}

QImage Blank(QSize size, qreal ratio, forms::Colour background) {
    QImage image(size * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    QPainter painter(&image);
    FillInStrips(painter, QRect(QPoint(0, 0), size), ToQColor(background));
    return image;
}

// The kept picture the image was painted from, or one drawn again alike.
bool SameLayer(const forms::DrawingLayer& a, const forms::DrawingLayer& b) {
    return &a == &b || (a.scale == b.scale && a.background == b.background && a.picture == b.picture &&
                        a.primitives == b.primitives);
}

}  // namespace

QImage SnapshotRenderer::Render(const forms::Snapshot& s, qreal ratio) {
    QSize size = InnerPixels(s);
    if (size.isEmpty()) return QImage();
    if (!s.kept) {
        kept_.reset();
        keptImage_ = QImage();
        QImage image = Blank(size, ratio, s.background);
        PaintLayer(image, size, s.current);
        return image;
    }
    if (!kept_ || keptImage_.size() != size * ratio || keptImage_.devicePixelRatio() != ratio ||
        !SameLayer(*kept_, *s.kept)) {
        keptImage_ = Blank(size, ratio, s.kept->background);
        PaintLayer(keptImage_, size, *s.kept);
        kept_ = s.kept;
    }
    QImage image = keptImage_;  // shared until the current layer paints on it
    PaintLayer(image, size, s.current);
    return image;
}

QImage RenderSnapshot(const forms::Snapshot& snapshot, qreal ratio) { return SnapshotRenderer().Render(snapshot, ratio); }

}  // namespace qtback
