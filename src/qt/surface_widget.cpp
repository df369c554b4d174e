#include "qt/surface_widget.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

#include "qt/qt_units.h"
#include "qt/row_strips.h"

namespace qtback {

SurfaceWidget::SurfaceWidget(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void SurfaceWidget::SetSunkenBorder(bool on) {
    if (on == sunken_) return;
    sunken_ = on;
    update();
}

// The drawing is rendered at the ratio of the screen the widget is on, so it
// is drawn again when the window moves to a screen of another ratio.
bool SurfaceWidget::Prepare(const forms::Surface& surface) {
    qreal ratio = devicePixelRatioF();
    if (presented_ && surface.Revision() == revision_ && ratio == ratio_) return false;
    presented_ = true;
    revision_ = surface.Revision();
    ratio_ = ratio;
    prepared_ = surface.TakeSnapshot();
    return true;
}

void SurfaceWidget::Render() {
    if (!prepared_) return;
    changed_ += renderer_.Render(std::move(*prepared_), ratio_);
    prepared_.reset();
}

// Only the drawing's changed pixels are painted again (a target line moves a
// strip of each column), unless the drawing changed its size.
void SurfaceWidget::Show() {
    const QSize size = renderer_.Image().deviceIndependentSize().toSize();
    if (size != shown_) update();
    else if (!changed_.isEmpty()) update(changed_.translated(Border(), Border()));
    shown_ = size;
    changed_ = QRegion();
}

bool SurfaceWidget::PreparedRepaint() const { return prepared_ && renderer_.Repaints(*prepared_, ratio_); }

bool SurfaceWidget::PreparedText() const {
    if (!prepared_) return false;
    auto text = [](const forms::DrawingLayer& layer) {
        return std::any_of(layer.primitives.begin(), layer.primitives.end(),
                           [](const forms::Primitive& p) { return p.kind == forms::PrimitiveKind::Text; });
    };
    return text(prepared_->current) || (prepared_->kept && text(*prepared_->kept));
}

QPointF SurfaceWidget::InnerTwips(QPointF p) const { return {Twips(p.x() - Border()), Twips(p.y() - Border())}; }

void SurfaceWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QImage& image = renderer_.Image();
    // Beyond the drawing (a widget larger than its surface says) the window
    // colour shows, as around an unpainted area; under it nothing needs filling.
    const QRect drawing(QPoint(Border(), Border()), image.deviceIndependentSize().toSize());
    if (!drawing.contains(rect().adjusted(Border(), Border(), -Border(), -Border())))
        FillInStrips(painter, rect(), palette().window().color());
    for (const QRect& exposed : event->region())
        DrawImageInStrips(painter, drawing.topLeft(), image, (exposed & drawing).translated(-drawing.topLeft()));
    if (!sunken_) return;
    QRect r = rect().adjusted(0, 0, -1, -1);
    painter.setPen(QColor(160, 160, 160));
    painter.drawLine(r.topLeft(), r.topRight());
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.setPen(Qt::white);
    painter.drawLine(r.bottomLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomRight());
    r.adjust(1, 1, -1, -1);
    painter.setPen(QColor(105, 105, 105));
    painter.drawLine(r.topLeft(), r.topRight());
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.setPen(QColor(227, 227, 227));
    painter.drawLine(r.bottomLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomRight());
}

}  // namespace qtback
