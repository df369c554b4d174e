#pragma once
// A widget showing a forms::Surface: the bare area of a window, or a picture
// box with its sunken border.
#include <QImage>
#include <QRegion>
#include <QWidget>
#include <optional>

#include "forms/surface.h"
#include "qt/snapshot_renderer.h"

namespace qtback {

class QtServices;

class SurfaceWidget : public QWidget {
    Q_OBJECT

public:
    // Kept pictures are drawn on the back end's pool, those with text on a
    // lane of the widget's own.
    SurfaceWidget(QWidget* parent, QtServices& services);
    ~SurfaceWidget() override;
    int Lane() const { return lane_; }
    void SetSunkenBorder(bool on);
    // Pixels of border on each side around the drawing.
    int Border() const { return sunken_ ? 2 : 0; }
    // Starts drawing the surface's kept picture on the pool, before the
    // surface is shown.
    void Foresee(const forms::Surface& surface);
    // Drawn in steps, so that several widgets can be drawn side by side:
    // Prepare takes what the surface shows (true when it or the screen's
    // pixel ratio changed since), ForeseePrepared starts drawing its kept
    // picture on the pool, Render draws the rest, touching no widget, and
    // Show repaints what changed. A Render that fails throws what the
    // drawing threw, and the widget goes on showing what it showed.
    bool Prepare(const forms::Surface& surface);
    void ForeseePrepared();
    void Render();
    void Show();
    // The drawing the widget shows, at its device pixels.
    const QImage& Image() const { return renderer_.Image(); }
    // A point of the widget in twips of the surface's inner area.
    QPointF InnerTwips(QPointF widgetPixels) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QtServices& services_;
    int lane_;
    bool sunken_ = false;
    unsigned long revision_ = 0;
    qreal ratio_ = 1;
    bool presented_ = false;
    SnapshotRenderer renderer_;
    std::optional<forms::Snapshot> prepared_;
    QRegion changed_;
    QSize shown_;  // the size of the image the widget shows
};

}  // namespace qtback
