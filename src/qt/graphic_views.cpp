// Shapes, lines, images and picture boxes.
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cstdlib>

#include "forms/form.h"
#include "qt/control_views.h"
#include "qt/form_window.h"
#include "qt/picture_loader.h"
#include "qt/qt_services.h"
#include "qt/qt_units.h"

namespace qtback {

PaintedWidget::PaintedWidget(QWidget* parent, std::function<void(QPainter&, const QRect&)> paint)
    : QWidget(parent), paint_(std::move(paint)) {}

void PaintedWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    paint_(painter, event->rect() & rect());
}

// ---- Shape ----

ShapeView::ShapeView(forms::Shape& shape, QWidget* parent, FormWindow& window)
    : ControlView(shape, new PaintedWidget(parent, [this](QPainter& p, const QRect&) { Paint(p); }), window), shape_(shape) {
    // Shapes only decorate; the pointer goes through to what is under them.
    widget_->setAttribute(Qt::WA_TransparentForMouseEvents);
}

ShapeView::Look ShapeView::Current() const {
    const forms::Shape& s = shape_;
    return {s.ShapeType, s.BorderWidth, s.BackStyle, s.FillStyle, s.BorderColor, s.FillColor};
}

void ShapeView::SyncContent() {
    look_ = Current();
    widget_->update();
}

// The program may set a shape's public fields without raising its revision.
void ShapeView::SyncAlways() {
    if (Current() != look_) SyncContent();
}

void ShapeView::Paint(QPainter& painter) const {
    const Look& k = look_;
    QRectF r = widget_->rect();
    // Square, circle and rounded square (1, 3, 5) keep equal sides, centred.
    if (k.type == 1 || k.type == 3 || k.type == 5) {
        double side = std::min(r.width(), r.height());
        r = QRectF(r.center().x() - side / 2, r.center().y() - side / 2, side, side);
    }
    double half = std::max(1, k.borderWidth) / 2.0;
    r.adjust(half, half, -half, -half);
    QPen pen(ToQColor(k.border));
    pen.setWidth(std::max(1, k.borderWidth));
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    auto draw = [&] {
        if (k.type == 2 || k.type == 3) painter.drawEllipse(r);
        else if (k.type == 4 || k.type == 5) painter.drawRoundedRect(r, r.width() / 8, r.height() / 8);
        else painter.drawRect(r);
    };
    if (k.backStyle == 1) {
        painter.setBrush(ToQColor(shape_.BackColor()));
        draw();
    }
    painter.setBrush(k.fillStyle == 0 ? QBrush(ToQColor(k.fill)) : QBrush(Qt::NoBrush));
    draw();
}

// ---- Line ----

LineView::LineView(forms::LineControl& line, QWidget* parent, FormWindow& window)
    : ControlView(line, new PaintedWidget(parent, [this](QPainter& p, const QRect&) { Paint(p); }), window), line_(line) {
    widget_->setAttribute(Qt::WA_TransparentForMouseEvents);
}

LineView::Look LineView::Current() const {
    const forms::LineControl& l = line_;
    return {l.X1, l.Y1, l.X2, l.Y2, l.BorderWidth, l.BorderColor};
}

// A line control has no box of its own: its widget is the rectangle around
// its two end points, widened by the pen.
// A touched line that stays where it was looks the same: it is not painted again.
void LineView::SyncGeometry() {
    const Look look = Current();
    int pad = std::max(1, look.width);
    QRect ends = QRect(QPoint(Pixels(look.x1), Pixels(look.y1)), QPoint(Pixels(look.x2), Pixels(look.y2))).normalized();
    const QRect geometry = ends.adjusted(-pad, -pad, pad, pad);
    if (shown_ && look == look_ && geometry == widget_->geometry()) return;
    shown_ = true;
    look_ = look;
    widget_->setGeometry(geometry);
    widget_->update();
}

void LineView::SyncAlways() {
    if (Current() != look_) SyncGeometry();
}

void LineView::Paint(QPainter& painter) const {
    QPen pen(ToQColor(look_.colour));
    pen.setWidth(look_.width > 1 ? look_.width : 0);
    painter.setPen(pen);
    QPoint origin = widget_->pos();
    painter.drawLine(QPoint(Pixels(look_.x1), Pixels(look_.y1)) - origin, QPoint(Pixels(look_.x2), Pixels(look_.y2)) - origin);
}

// ---- Image ----

ImageView::ImageView(forms::ImageControl& image, QWidget* parent, FormWindow& window)
    : ControlView(image, new PaintedWidget(parent, [this](QPainter& p, const QRect& exposed) { Paint(p, exposed); }),
                  window),
      image_(image) {}

// Picture and Stretch are plain fields the program sets directly.
void ImageView::SyncAlways() {
    if (image_.Picture == shown_ && image_.Stretch == stretched_) return;
    shown_ = image_.Picture;
    stretched_ = image_.Stretch;
    auto* picture = dynamic_cast<const QtPicture*>(shown_.get());
    // A stretched picture without transparency covers its frame: nothing
    // under it needs painting.
    widget_->setAttribute(Qt::WA_OpaquePaintEvent, picture && stretched_ && !picture->image.hasAlphaChannel());
    widget_->update();
}

void ImageView::Paint(QPainter& painter, const QRect& exposed) const {
    auto* picture = dynamic_cast<const QtPicture*>(shown_.get());
    if (!picture || exposed.isEmpty()) return;
    const QImage& natural = picture->image;
    if (!stretched_) {
        painter.drawImage(exposed.topLeft(), natural, exposed);
        return;
    }
    QSize frame = widget_->size();
    double reduction = std::min(static_cast<double>(natural.width()) / frame.width(),
                                static_cast<double>(natural.height()) / frame.height());
    const QImage& level = picture->ForReduction(reduction);
    double sx = static_cast<double>(level.width()) / frame.width();
    double sy = static_cast<double>(level.height()) / frame.height();
    QRectF source(exposed.x() * sx, exposed.y() * sy, exposed.width() * sx, exposed.height() * sy);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(exposed), level, source);
}

bool ImageView::Filter(QObject* watched, QEvent* event) {
    if (watched != widget_) return false;
    if (LeftButton(event, QEvent::MouseButtonRelease)) Input([this] { image_.UserClick(); });
    else if (LeftButton(event, QEvent::MouseButtonDblClick)) Input([this] { image_.UserDblClick(); });
    return false;
}

// ---- PictureBox ----

PictureView::PictureView(forms::PictureBox& picture, QWidget* parent, FormWindow& window)
    : ControlView(picture, new SurfaceWidget(parent, window.Services()), window), picture_(picture),
      w_(static_cast<SurfaceWidget*>(widget_)) {
    window.Services().Watch(picture_.Draw(), *w_, window,
                            [&picture] { return picture.EffectivelyVisible() && picture.Parent().Visible(); });
}

void PictureView::SyncContent() {
    w_->SetSunkenBorder(picture_.BorderStyle() != 0);
    SetColours(QPalette::Window, QPalette::WindowText, false);
}

// Drawing changes the surface, not the control's revision. A hidden box is
// rendered when it is shown: the hidden box that only measures a loaded
// photograph would otherwise cost an image of the photograph's full size.
void PictureView::SyncAlways() {
    if (picture_.EffectivelyVisible() && w_->Prepare(picture_.Draw())) window_.DrawLater(*w_);
}

QPointF PictureView::MouseUnits(QPointF p) const {
    QPointF twips = w_->InnerTwips(p);
    const forms::Surface& s = picture_.Draw();
    return {s.ToUserX(twips.x()), s.ToUserY(twips.y())};
}

// The old platform's order: MouseDown, MouseUp, Click; a second press is
// DblClick, then MouseUp.
bool PictureView::Filter(QObject* watched, QEvent* event) {
    if (watched != w_) return false;
    // A release outside the box (the press dragged away) is no click.
    if (LeftButton(event, QEvent::MouseButtonRelease) &&
        w_->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint()))
        Input([this] { picture_.UserClick(); });
    else if (LeftButton(event, QEvent::MouseButtonDblClick))
        Input([this] { picture_.UserDblClick(); });
    return false;
}

}  // namespace qtback
