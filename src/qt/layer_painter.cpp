#include "qt/layer_painter.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "qt/marker_sprite.h"
#include "qt/owned_image.h"
#include "qt/picture_loader.h"
#include "qt/qt_units.h"
#include "qt/row_strips.h"
#include "qt/scale_map.h"

namespace qtback {
namespace {

using forms::Primitive;
using forms::PrimitiveKind;

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
        : painter_(&image), map_(layer.scale, size), whole_(QPoint(0, 0), size), device_(image.devicePixelRatio()),
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
    QRect whole_;  // the image, in pixels of the drawing
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
        case PrimitiveKind::Line: {
            std::optional<QLineF> line = map_.Segment(p.x1, p.y1, p.x2, p.y2);
            if (!line) break;
            line->translate(device_.Shift(p));
            UsePen(p);
            if (gathered) lines_.push_back(*line);
            else painter_.drawLine(*line);
            break;
        }
        case PrimitiveKind::Box:
        case PrimitiveKind::FilledBox: {
            QRect r = Corners(map_(p.x1, p.y1), map_(p.x2, p.y2));
            // Only the rows on the picture: a box far beyond it has none.
            if (p.fillStyle == 0) FillInStrips(painter_, r & whole_, ToQColor(p.fillColour));
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

QImage Blank(QSize size, qreal ratio, forms::Colour background) {
    QImage image(size * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    QPainter painter(&Owned(image));
    FillInStrips(painter, QRect(QPoint(0, 0), size), ToQColor(background));
    return image;
}

}  // namespace

void PaintLayer(QImage& image, QSize size, const forms::DrawingLayer& layer, ShapedTexts& texts) {
    auto* picture = dynamic_cast<const QtPicture*>(layer.picture.get());
    if (!picture && layer.primitives.empty()) return;
    LayerPainter painter(Owned(image), size, layer, texts);
    if (picture) painter.Painter().drawImage(0, 0, picture->image);
    for (const Primitive& p : layer.primitives) painter.Paint(p);
    painter.Flush();
}

QImage PaintBase(const forms::DrawingLayer* kept, forms::Colour background, QSize size, qreal ratio,
                 ShapedTexts& texts) {
    QImage base = Blank(size, ratio, kept ? kept->background : background);
    if (kept) PaintLayer(base, size, *kept, texts);
    return base;
}

}  // namespace qtback
