// Sliders and progress bars.
#include "forms/controls.h"

#include <algorithm>

#include "forms/tab_order.h"
#include "values/runtime_error.h"
#include "values/values.h"

using namespace values;

namespace forms {

namespace {

long ParseLong(const std::string& v) { return CLng(Val(v)); }

}  // namespace

// ---- Slider ----

void Slider::SetMin(long v) {
    min_ = v;
    if (max_ < min_) max_ = min_;
    value_ = std::clamp(value_, min_, max_);
    Touch();
}

void Slider::SetMax(long v) {
    max_ = v;
    if (min_ > max_) min_ = max_;
    value_ = std::clamp(value_, min_, max_);
    Touch();
}

void Slider::SetValue(long v) {
    if (v < min_ || v > max_) throw RuntimeError(380, "Invalid property value");
    if (v != value_) { value_ = v; Touch(); }
}

void Slider::UserMove(long v) {
    if (!AcceptsUserInput()) return;
    v = std::clamp(v, min_, max_);
    if (v == value_) return;
    value_ = v;
    Touch();
    Fire(Scroll);
    Fire(Change);
}

void Slider::UserKey(int keyCode, int shift) {
    if (!AcceptsUserInput() || KeyMovesFocus(*this, keyCode, shift)) return;
    switch (keyCode) {
        case kKeyLeft:
        case kKeyUp: return UserMove(value_ - SmallChange);
        case kKeyRight:
        case kKeyDown: return UserMove(value_ + SmallChange);
        case kKeyPageUp: return UserMove(value_ - LargeChange);
        case kKeyPageDown: return UserMove(value_ + LargeChange);
        case kKeyHome: return UserMove(min_);
        case kKeyEnd: return UserMove(max_);
        default: return;
    }
}

std::string Slider::GetProperty(const std::string& p) const {
    if (p == "Value") return std::to_string(value_);
    if (p == "Min") return std::to_string(min_);
    if (p == "Max") return std::to_string(max_);
    return Control::GetProperty(p);
}

bool Slider::SetProperty(const std::string& p, const std::string& v) {
    if (p == "Value") SetValue(ParseLong(v));
    else if (p == "Min") SetMin(ParseLong(v));
    else if (p == "Max") SetMax(ParseLong(v));
    else return Control::SetProperty(p, v);
    return true;
}

// ---- ProgressBar ----

void ProgressBar::SetValue(double v) {
    v = std::clamp(v, std::min(min_, max_), std::max(min_, max_));
    if (v != value_) { value_ = v; Touch(); }
}

std::string ProgressBar::GetProperty(const std::string& p) const {
    if (p == "Value") return NumberText(value_);
    if (p == "Min") return NumberText(min_);
    if (p == "Max") return NumberText(max_);
    return Control::GetProperty(p);
}

bool ProgressBar::SetProperty(const std::string& p, const std::string& v) {
    if (p == "Value") SetValue(Val(v));
    else if (p == "Min") SetMin(Val(v));
    else if (p == "Max") SetMax(Val(v));
    else return Control::SetProperty(p, v);
    return true;
}

}  // namespace forms
