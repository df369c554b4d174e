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

class SurfaceWidget : public QWidget {
    Q_OBJECT

public:
    explicit SurfaceWidget(QWidget* parent);
    void SetSunkenBorder(bool on);
    // Pixels of border on each side around the drawing.
    int Border() const { return sunken_ ? 2 : 0; }
    // Drawn in three steps, so that several widgets can be drawn side by
    // side: Prepare takes what the surface shows (true when it or the
    // screen's pixel ratio changed since), Render draws it, touching no
    // widget, and Show repaints what changed.
    bool Prepare(const forms::Surface& surface);
    void Render();
    // Whether Render would paint the kept picture anew, and whether what it
    // would draw holds text.
    bool PreparedRepaint() const;
    bool PreparedText() const;
    void Show();
    // A point of the widget in twips of the surface's inner area.
    QPointF InnerTwips(QPointF widgetPixels) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
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
