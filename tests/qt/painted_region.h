#pragma once
// The regions paint events ask a window's widgets to paint, in the window's
// pixels, and the widgets asked: recorded from construction until Stop()
// (a window's grab paints it again, so stop before grabbing).
#include <QCoreApplication>
#include <QEvent>
#include <QImage>
#include <QObject>
#include <QPaintEvent>
#include <QRegion>
#include <QTest>
#include <QWidget>
#include <set>

namespace qttest {

struct PaintedRegion : QObject {
    explicit PaintedRegion(QWidget& window) : window_(window) {
        QCoreApplication::instance()->installEventFilter(this);
    }
    ~PaintedRegion() override { Stop(); }
    void Stop() { QCoreApplication::instance()->removeEventFilter(this); }

    // The pixels that differ between two grabs of the window and that no
    // paint event asked for: stale pixels on the screen.
    int Unpainted(const QImage& before, const QImage& after) const {
        int unpainted = 0;
        for (int y = 0; y < after.height(); ++y)
            for (int x = 0; x < after.width(); ++x)
                unpainted += after.pixel(x, y) != before.pixel(x, y) && !region.contains(QPoint(x, y));
        return unpainted;
    }

    QRegion region;
    std::set<const QWidget*> widgets;
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (event->type() == QEvent::Paint && widget && widget->window() == &window_) {
            region += static_cast<QPaintEvent*>(event)->region().translated(widget->mapTo(&window_, QPoint(0, 0)));
            widgets.insert(widget);
        }
        return false;
    }

private:
    QWidget& window_;
};

// Runs the event loop until a round of it paints nothing of the window (its
// first paints and those its widgets ask for later are done): false when it
// goes on painting past a deadline that load does not reach.
inline bool PaintsSettle(QWidget& window) {
    return QTest::qWaitFor(
        [&] {
            PaintedRegion painted(window);
            QCoreApplication::processEvents();
            return painted.region.isEmpty();
        },
        30000);
}

}  // namespace qttest
