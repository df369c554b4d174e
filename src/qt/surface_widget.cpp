#include "qt/surface_widget.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

#include "qt/qt_services.h"
#include "qt/qt_units.h"
#include "qt/row_strips.h"

namespace qtback {

SurfaceWidget::SurfaceWidget(QWidget* parent, QtServices& services)
    : QWidget(parent), services_(services), lane_(services.NextLane()), renderer_(services.Drawing(), lane_) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

SurfaceWidget::~SurfaceWidget() { services_.Unwatch(*this); }

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

void SurfaceWidget::Foresee(const forms::Surface& surface) {
    renderer_.Foresee(surface.PictureSnapshot(), devicePixelRatioF());
}

void SurfaceWidget::ForeseePrepared() {
    if (prepared_) renderer_.Foresee(*prepared_, ratio_);
}

void SurfaceWidget::Render() {
    if (!prepared_) return;
    forms::Snapshot snapshot = std::move(*prepared_);
    prepared_.reset();
    changed_ += renderer_.Render(std::move(snapshot), ratio_);
}

// Only the drawing's changed pixels are painted again (a target line moves a
// strip of each column), unless the drawing changed its size. The line of an
// editable list box lies wholly inside its box, which paints every pixel
// under it: what changed beneath does not reach it.
void SurfaceWidget::Show() {
    const QSize size = renderer_.Image().deviceIndependentSize().toSize();
    if (size != shown_) {
        update();
    } else if (!changed_.isEmpty()) {
        QRegion region = changed_.translated(Border(), Border());
        for (const QComboBox* box : findChildren<QComboBox*>())
            if (const QLineEdit* line = box->lineEdit(); line && box->isVisible())
                region -= QRect(line->mapTo(this, QPoint(0, 0)), line->size());
        if (!region.isEmpty()) update(region);
    }
    shown_ = size;
    changed_ = QRegion();
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
    // The border's two rings of pixels, from the widget's outermost pixels
    // in; the drawing fills what lies within.
    QRect r = rect();
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
