#pragma once
// A script's pointer position is finer than the pixels Qt routes mouse
// events on. While one of its events is sent, the event Qt routes to its
// first widget (known by the time the runner gave it) is taken there and sent
// again to that widget as a PrecisePointerEvent, carrying the script's units
// for the one widget the action was aimed at. Qt's routing then goes on with
// the precise event: a widget that does not accept it hands it on to its
// parent, as it would have handed on the routed one.
#include <QObject>
#include <QPointF>

class QWidget;

namespace scenario_qt {

class AimedPointer : public QObject {
public:
    // Watches the whole application from now until destroyed. pixels: the
    // script's point in target's widget coordinates; units: the same point
    // in the units target reports.
    AimedPointer(quint64 timestamp, const QWidget& target, QPointF pixels, QPointF units);
    ~AimedPointer() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const quint64 timestamp_;
    const QWidget& target_;
    const QPointF pixels_, units_;
    bool resending_ = false;
};

}  // namespace scenario_qt
