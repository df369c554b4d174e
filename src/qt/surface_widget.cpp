#include "qt/surface_widget.h"

#include <QPainter>

#include "qt/qt_units.h"

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
    qreal ratio = devicePixelRatioF();
    if (presented_ && surface.Revision() == revision_ && ratio == ratio_) return;
    presented_ = true;
    revision_ = surface.Revision();
    ratio_ = ratio;
    image_ = renderer_.Render(surface.TakeSnapshot(), ratio);
    update();
}

QPointF SurfaceWidget::InnerTwips(QPointF p) const { return {Twips(p.x() - Border()), Twips(p.y() - Border())}; }

void SurfaceWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // Beyond the drawing (a widget larger than its surface says) the window
    // colour shows, as around an unpainted area.
    painter.fillRect(rect(), palette().window());
    painter.drawImage(Border(), Border(), image_);
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
