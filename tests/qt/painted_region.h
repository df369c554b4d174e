#pragma once
// The regions paint events ask a window's widgets to paint, in the window's
// pixels, and the widgets asked.
#include <QEvent>
#include <QObject>
#include <QPaintEvent>
#include <QRegion>
#include <QWidget>
#include <set>

namespace qttest {

struct PaintedRegion : QObject {
    explicit PaintedRegion(QWidget& window) : window_(window) {}
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

}  // namespace qttest
