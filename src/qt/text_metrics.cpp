#include "qt/text_metrics.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QScreen>
#include <QThread>
#include <map>
#include <mutex>
#include <tuple>

#include "qt/qt_units.h"

namespace qtback {
namespace {

// A QFontMetricsF is not to be used by two threads at once: the kept ones
// are used under the lock. They go with the application, whose font engines
// they hold; the set itself outlives every application, which may end after
// the program's other statics.
class KeptMetrics {
public:
    template <class Measure>
    double With(double points, bool bold, Measure measure) {
        std::lock_guard lock(mutex_);
        // The screens belong to the application's thread: others measure at
        // the ratio it saw last.
        const QCoreApplication* app = QCoreApplication::instance();
        if (app && QThread::currentThread() == app->thread()) {
            const QScreen* screen = QGuiApplication::primaryScreen();
            ratio_ = screen ? screen->devicePixelRatio() : 1.0;
        }
        const Key key{points, bold, ratio_};
        auto it = metrics_.find(key);
        if (it == metrics_.end()) {
            if (metrics_.empty() && !forgetting_) {
                qAddPostRoutine([] { Kept().Forget(); });
                forgetting_ = true;
            }
            it = metrics_.emplace(key, QFontMetricsF(FontFor(points, bold))).first;
        }
        return measure(it->second);
    }
    static KeptMetrics& Kept() {
        static KeptMetrics* const kept = new KeptMetrics;
        return *kept;
    }

private:
    void Forget() {
        std::lock_guard lock(mutex_);
        metrics_.clear();
        forgetting_ = false;
    }
    using Key = std::tuple<double, bool, qreal>;
    std::mutex mutex_;
    std::map<Key, QFontMetricsF> metrics_;
    qreal ratio_ = 1;          // the primary screen's
    bool forgetting_ = false;  // the application clears them when it ends
};

}  // namespace

double TextAdvancePixels(const std::string& text, double points, bool bold) {
    const QString shown = ToQString(text);
    return KeptMetrics::Kept().With(points, bold, [&](const QFontMetricsF& m) { return m.horizontalAdvance(shown); });
}

double TextLinePixels(double points, bool bold) {
    return KeptMetrics::Kept().With(points, bold, [](const QFontMetricsF& m) { return m.height(); });
}

}  // namespace qtback
