#include "qt/snapshot_renderer.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "qt/picture_loader.h"
#include "qt/qt_units.h"

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

void PaintPrimitive(QPainter& painter, const Primitive& p, const ScaleMap& map, const Device& device) {
    painter.setPen(PenOf(p, device));
    painter.setBrush(Qt::NoBrush);
    auto stroke = [&](double x, double y) { return QPointF(map(x, y)) + device.Shift(p); };
    switch (p.kind) {
        case PrimitiveKind::Line:
            painter.drawLine(stroke(p.x1, p.y1), stroke(p.x2, p.y2));
            break;
        case PrimitiveKind::Box:
        case PrimitiveKind::FilledBox: {
            QRect r = Corners(map(p.x1, p.y1), map(p.x2, p.y2));
            if (p.fillStyle == 0) painter.fillRect(r, ToQColor(p.fillColour));
            // drawRect outlines one pixel beyond the size: keep the far edge on the corner.
            QRect outline = r.adjusted(0, 0, -1, -1);
            painter.drawRect(QRectF(outline).translated(device.Shift(p)));
            break;
        }
        case PrimitiveKind::Circle: {
            double r = map.XLength(p.x2);
            if (p.fillStyle == 0) painter.setBrush(ToQColor(p.fillColour));
            painter.drawEllipse(stroke(p.x1, p.y1), r, r);
            break;
        }
        case PrimitiveKind::Point: {
            if (p.drawWidth <= 1) {
                painter.drawPoint(stroke(p.x1, p.y1));
            } else {
                painter.setPen(Qt::NoPen);
                painter.setBrush(ToQColor(p.colour));
                painter.drawEllipse(QPointF(map(p.x1, p.y1)), p.drawWidth / 2.0, p.drawWidth / 2.0);
            }
            break;
        }
        case PrimitiveKind::Text: {
            QFont font = FontFor(p.fontSize, p.fontBold);
            painter.setFont(font);
            painter.setPen(ToQColor(p.colour));
            QPoint at = map(p.x1, p.y1);
            painter.drawText(QPointF(at.x(), at.y() + QFontMetricsF(font).ascent()), ToQString(p.text));
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
    QPainter painter(&image);
    if (picture) painter.drawImage(0, 0, picture->image);
    ScaleMap map(layer.scale, size);
    Device device(image.devicePixelRatio());
    for (const Primitive& p : layer.primitives) PaintPrimitive(painter, p, map, device);
}

QSize InnerPixels(const forms::Snapshot& s) {
    return {std::max(0, Pixels(s.widthTwips)), std::max(0, Pixels(s.heightTwips))};
}

QImage Blank(QSize size, qreal ratio, forms::Colour background) {
    QImage image(size * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(ToQColor(background));
    return image;
}

bool SameLayer(const forms::DrawingLayer& a, const forms::DrawingLayer& b) {
    return a.scale == b.scale && a.background == b.background && a.picture == b.picture &&
           a.primitives == b.primitives;
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
