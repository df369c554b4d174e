// Sliders and progress bars.
#include <QKeyEvent>
#include <algorithm>
#include <climits>

#include "qt/control_views.h"

namespace qtback {
namespace {

int ToInt(long v) { return static_cast<int>(std::clamp<long>(v, INT_MIN, INT_MAX)); }

}  // namespace

SliderView::SliderView(forms::Slider& slider, QWidget* parent, FormWindow& window)
    : ControlView(slider, new QSlider(parent), window), slider_(slider), w_(static_cast<QSlider*>(widget_)) {
    w_->setTickPosition(QSlider::TicksBelow);
    // A drag reaches the model when the thumb is let go; a step of a click
    // on the track or of the wheel at once (keys: Filter).
    QObject::connect(w_, &QSlider::valueChanged, this, [this](int v) {
        if (!w_->isSliderDown()) Input([this, v] { slider_.UserMove(v); });
    });
    QObject::connect(w_, &QSlider::sliderReleased, this, [this] {
        long v = w_->value();
        Input([this, v] { slider_.UserMove(v); });
    });
}

// The keys that move the thumb reach the model, which moves it as the old
// platform's slider does (Qt's own steps would turn Left and Right about on
// a vertical slider with its minimum at the top); Tab is left to the window.
bool SliderView::Filter(QObject* watched, QEvent* event) {
    if (watched != w_ || event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const int code = FormsKeyCode(key);
    if (code < 0 || code == forms::kKeyTab) return false;
    const int shift = ShiftCode(key->modifiers());
    Input([this, code, shift] { slider_.UserKey(code, shift); });
    return true;
}

void SliderView::SyncContent() {
    const forms::Slider& s = slider_;
    bool vertical = s.Orientation == 1;
    w_->setOrientation(vertical ? Qt::Vertical : Qt::Horizontal);
    // The old platform's vertical slider has its minimum at the top.
    w_->setInvertedAppearance(vertical);
    w_->setInvertedControls(vertical);
    w_->setRange(ToInt(s.Min()), ToInt(s.Max()));
    w_->setSingleStep(ToInt(s.SmallChange));
    w_->setPageStep(ToInt(s.LargeChange));
    // Ticks closer than a pixel draw the band that ticks a pixel apart draw:
    // of a long scale (one tick per cm of a deep core) only as many are drawn.
    const long frequency = std::max(1L, s.TickFrequency);
    const long pixels = std::max(1, vertical ? w_->height() : w_->width());
    w_->setTickInterval(ToInt(frequency * std::max(1L, (s.Max() - s.Min()) / (frequency * pixels))));
}

// While the person holds the thumb it stays under the hand, whatever the
// program writes meanwhile (a redraw after each pointer move sets the value);
// the value where it is let go reaches the model, and from then on the
// widget shows the model's value again.
void SliderView::SyncAlways() {
    int value = ToInt(slider_.Value());
    if (!w_->isSliderDown() && w_->value() != value) w_->setValue(value);
}

ProgressView::ProgressView(forms::ProgressBar& bar, QWidget* parent, FormWindow& window)
    : ControlView(bar, new QProgressBar(parent), window), bar_(bar), w_(static_cast<QProgressBar*>(widget_)) {
    w_->setTextVisible(false);
    w_->setRange(0, kSteps);
}

void ProgressView::SyncContent() {
    double span = bar_.Max() - bar_.Min();
    double fraction = span == 0 ? 0 : (bar_.Value() - bar_.Min()) / span;
    w_->setValue(static_cast<int>(std::clamp(fraction, 0.0, 1.0) * kSteps));
}

}  // namespace qtback
