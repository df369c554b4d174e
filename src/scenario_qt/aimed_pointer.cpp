#include "scenario_qt/aimed_pointer.h"

#include <QCoreApplication>
#include <QMouseEvent>

#include "qt/precise_pointer.h"

namespace scenario_qt {

AimedPointer::AimedPointer(quint64 timestamp, const QWidget& target, QPointF pixels, QPointF units)
    : timestamp_(timestamp), target_(target), pixels_(pixels), units_(units) {
    QCoreApplication::instance()->installEventFilter(this);
}

AimedPointer::~AimedPointer() { QCoreApplication::instance()->removeEventFilter(this); }

bool AimedPointer::eventFilter(QObject* watched, QEvent* event) {
    // The window receives the event before it routes it to a widget; while
    // the precise event goes round, its own copies for parents pass.
    if (resending_ || !watched->isWidgetType()) return false;
    switch (event->type()) {
        case QEvent::MouseMove:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            break;
        default:
            return false;
    }
    auto* routed = static_cast<QMouseEvent*>(event);
    if (routed->timestamp() != timestamp_) return false;
    qtback::PrecisePointerEvent precise(*routed, target_, pixels_, units_);
    resending_ = true;
    QCoreApplication::sendEvent(watched, &precise);
    resending_ = false;
    // Taken: Qt hands an event its receiver does not accept on to the
    // receiver's parent, which the precise event has reached already.
    routed->accept();
    return true;
}

}  // namespace scenario_qt
