// Labels, command buttons, option buttons, check boxes and frames.
#include "forms/controls.h"

#include "forms/control_focus.h"
#include "forms/form.h"
#include "forms/tab_order.h"
#include "values/values.h"

using namespace values;

namespace forms {

namespace {

template <class Button>
void PressWithSpace(Button& button, int keyCode, int shift) {
    if (!button.AcceptsUserInput() || KeyMovesFocus(button, keyCode, shift)) return;
    if (keyCode == kKeySpace) button.UserClick();
}

}  // namespace

// ---- Label ----

void Label::SetCaption(const std::string& v) {
    if (v == caption_) return;
    caption_ = v;
    Touch();
    Fire(Change);
}

void Label::UserClick() { if (AcceptsUserInput()) Fire(Click); }
void Label::UserDblClick() { if (AcceptsUserInput()) Fire(DblClick); }

std::string Label::GetProperty(const std::string& p) const {
    if (p == "Caption") return caption_;
    if (p == "Alignment") return std::to_string(Alignment);
    return Control::GetProperty(p);
}

bool Label::SetProperty(const std::string& p, const std::string& v) {
    if (p == "Caption") SetCaption(v);
    else if (p == "Alignment") Alignment = CInt(Val(v));
    else return Control::SetProperty(p, v);
    return true;
}

// ---- CommandButton ----

void CommandButton::SetFocus() {
    RequireFocusable(*this);
    form_.SetActiveControl(this);
}

void CommandButton::UserClick() {
    if (!AcceptsUserInput()) return;
    form_.SetActiveControl(this);
    Fire(Click);
}

void CommandButton::UserKey(int keyCode, int shift) { PressWithSpace(*this, keyCode, shift); }

void CommandButton::Press() { Fire(Click); }

std::string CommandButton::GetProperty(const std::string& p) const {
    if (p == "Caption") return caption_;
    return Control::GetProperty(p);
}

bool CommandButton::SetProperty(const std::string& p, const std::string& v) {
    if (p == "Caption") SetCaption(v);
    else if (p == "Value") { if (BoolFromText(v)) Press(); }
    else return Control::SetProperty(p, v);
    return true;
}

// ---- OptionButton ----

void OptionButton::SetValue(bool v) {
    if (!v) {
        if (value_) { value_ = false; Touch(); }
        return;
    }
    if (value_) return;
    for (const auto& c : form_.Controls()) {
        if (c.get() == this || c->Kind() != ControlKind::OptionButton || c->Container() != Container()) continue;
        auto* other = static_cast<OptionButton*>(c.get());
        if (other->value_) { other->value_ = false; other->Touch(); }
    }
    value_ = true;
    Touch();
    Fire(Click);
}

void OptionButton::UserClick() {
    if (!AcceptsUserInput()) return;
    form_.SetActiveControl(this);
    SetValue(true);
}

void OptionButton::UserKey(int keyCode, int shift) { PressWithSpace(*this, keyCode, shift); }

std::string OptionButton::GetProperty(const std::string& p) const {
    if (p == "Caption") return caption_;
    if (p == "Value") return BoolText(value_);
    return Control::GetProperty(p);
}

bool OptionButton::SetProperty(const std::string& p, const std::string& v) {
    if (p == "Caption") SetCaption(v);
    else if (p == "Value") SetValue(BoolFromText(v));
    else return Control::SetProperty(p, v);
    return true;
}

// ---- CheckBox ----

void CheckBox::SetValue(int v) {
    if (v < 0 || v > 2) throw RuntimeError(380, "Invalid property value");
    if (v == value_) return;
    value_ = v;
    Touch();
    Fire(Click);
}

void CheckBox::UserClick() {
    if (!AcceptsUserInput()) return;
    form_.SetActiveControl(this);
    SetValue(value_ == 1 ? 0 : 1);
}

void CheckBox::UserKey(int keyCode, int shift) { PressWithSpace(*this, keyCode, shift); }

std::string CheckBox::GetProperty(const std::string& p) const {
    if (p == "Caption") return caption_;
    if (p == "Value") return std::to_string(value_);
    return Control::GetProperty(p);
}

bool CheckBox::SetProperty(const std::string& p, const std::string& v) {
    if (p == "Caption") SetCaption(v);
    else if (p == "Value") SetValue(CInt(Val(v)));
    else return Control::SetProperty(p, v);
    return true;
}

std::string Frame::GetProperty(const std::string& p) const {
    if (p == "Caption") return caption_;
    return Control::GetProperty(p);
}

bool Frame::SetProperty(const std::string& p, const std::string& v) {
    if (p == "Caption") SetCaption(v);
    else return Control::SetProperty(p, v);
    return true;
}

}  // namespace forms
