#include "forms/tab_order.h"

#include <algorithm>
#include <tuple>
#include <vector>

#include "forms/controls.h"
#include "forms/form.h"

namespace forms {

namespace {

// The controls that hold the focus: those a person types into, presses or
// drags.
bool TakesFocus(const Control& c) {
    switch (c.Kind()) {
        case ControlKind::TextBox:
        case ControlKind::ComboBox:
        case ControlKind::CommandButton:
        case ControlKind::OptionButton:
        case ControlKind::CheckBox:
        case ControlKind::Slider:
            return true;
        default:
            return false;
    }
}

struct Place {
    int tabIndex;
    size_t created;
    Control* control;
    bool operator<(const Place& o) const { return std::tie(tabIndex, created) < std::tie(o.tabIndex, o.created); }
};

// The one stop of option's group among the reachable controls in tab order.
const Control* GroupStop(const std::vector<Place>& reachable, const Control& option) {
    const Control* first = nullptr;
    for (const Place& p : reachable) {
        const Control& c = *p.control;
        if (c.Kind() != ControlKind::OptionButton || c.Container() != option.Container()) continue;
        if (static_cast<const OptionButton&>(c).Value()) return &c;
        if (!first) first = &c;
    }
    return first;
}

// The stops of the window in tab order.
std::vector<Place> Stops(const Form& form) {
    std::vector<Place> reachable;
    const auto& controls = form.Controls();
    for (size_t i = 0; i < controls.size(); ++i) {
        Control* c = controls[i].get();
        if (TakesFocus(*c) && c->AcceptsUserInput()) reachable.push_back({c->TabIndex, i, c});
    }
    std::sort(reachable.begin(), reachable.end());
    std::vector<Place> stops;
    for (const Place& p : reachable)
        if (p.control->Kind() != ControlKind::OptionButton || GroupStop(reachable, *p.control) == p.control)
            stops.push_back(p);
    return stops;
}

}  // namespace

Control* NextTabStop(const Form& form, const Control* from, bool backwards) {
    const std::vector<Place> stops = Stops(form);
    if (stops.empty()) return nullptr;
    const auto& controls = form.Controls();
    auto own = std::find_if(controls.begin(), controls.end(), [from](const auto& c) { return c.get() == from; });
    const Place* next = backwards ? &stops.back() : &stops.front();
    if (own != controls.end()) {
        const Place here{from->TabIndex, static_cast<size_t>(own - controls.begin()), nullptr};
        if (backwards) {
            auto before = std::lower_bound(stops.begin(), stops.end(), here);
            if (before != stops.begin()) next = &*(before - 1);
        } else {
            auto after = std::upper_bound(stops.begin(), stops.end(), here);
            if (after != stops.end()) next = &*after;
        }
    }
    return next->control;
}

bool KeyMovesFocus(Control& control, int keyCode, int shift) {
    Form& form = control.Parent();
    form.SetActiveControl(&control);
    if (keyCode != kKeyTab) return false;
    form.UserTab(shift & kShiftMask);
    return true;
}

}  // namespace forms
