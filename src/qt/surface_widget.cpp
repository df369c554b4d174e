#include "qt/surface_widget.h"

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
void SurfaceWidget::Present(const forms::Surface& surface) {
    if (!Prepare(surface)) return;
    Render();
    Show();
}

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
    image_ = renderer_.Render(*prepared_, ratio_);
    prepared_.reset();
}

bool SurfaceWidget::PreparedText() const {
    if (!prepared_) return false;
    auto text = [](const forms::DrawingLayer& layer) {
        return std::any_of(layer.primitives.begin(), layer.primitives.end(),
                           [](const forms::Primitive& p) { return p.kind == forms::PrimitiveKind::Text; });
    };
    return text(prepared_->current) || (prepared_->kept && text(*prepared_->kept));
}

QPointF SurfaceWidget::InnerTwips(QPointF p) const { return {Twips(p.x() - Border()), Twips(p.y() - Border())}; }

void SurfaceWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // Beyond the drawing (a widget larger than its surface says) the window
    // colour shows, as around an unpainted area; under it nothing needs filling.
    const QRect drawing(QPoint(Border(), Border()), image_.deviceIndependentSize().toSize());
    if (!drawing.contains(rect().adjusted(Border(), Border(), -Border(), -Border())))
        FillInStrips(painter, rect(), palette().window().color());
    DrawImageInStrips(painter, QPointF(Border(), Border()), image_);
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
