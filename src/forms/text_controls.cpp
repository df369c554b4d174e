// Text boxes and combo boxes: typed keys, selections and list items.
#include "forms/controls.h"

#include <algorithm>

#include "forms/control_focus.h"
#include "forms/form.h"
#include "values/runtime_error.h"
#include "values/shown_text.h"
#include "values/values.h"

using namespace values;

namespace forms {

namespace {

// "List(3)" -> 3; -1 when the property is not an indexed List.
int ListPropertyIndex(const std::string& p) {
    if (p.rfind("List(", 0) != 0 || p.back() != ')') return -1;
    return CInt(Val(p.substr(5, p.size() - 6)));
}

}  // namespace

// ---- TextBox ----

TextBox::TextBox(Form& f, std::string name, int index) : TextField(f, ControlKind::TextBox, std::move(name), index) {
    SetBackColor(kWhite);
}

void TextBox::SetText(const std::string& v) {
    if (v == text_) return;
    text_ = v;
    selStart_ = std::min<int>(selStart_, static_cast<int>(text_.size()));
    selLength_ = 0;
    Touch();
    Fire(Change);
}

void TextBox::SetFocus() {
    RequireFocusable(*this);
    form_.SetActiveControl(this);
}

void TextBox::UserClick() {
    if (!AcceptsUserInput()) return;
    form_.SetActiveControl(this);
    Fire(Click);
}

void TextBox::TakeEdit(const std::string& next, int caret) {
    if (MaxLength > 0 && static_cast<int>(next.size()) > MaxLength) return;
    selStart_ = caret;
    selLength_ = 0;
    if (next == text_) return;
    text_ = next;
    Touch();
    Fire(Change);
}

std::string TextBox::GetProperty(const std::string& p) const {
    if (p == "Locked") return BoolText(Locked);
    return TextField::GetProperty(p);
}

bool TextBox::SetProperty(const std::string& p, const std::string& v) {
    if (p != "Locked") return TextField::SetProperty(p, v);
    Locked = BoolFromText(v);
    return true;
}

// ---- ComboBox ----

void ComboBox::SetText(const std::string& v) {
    if (v != text_) ChangeText(v, 0);
}

void ComboBox::TakeEdit(const std::string& next, int caret) { ChangeText(next, caret); }

void ComboBox::ChangeText(const std::string& v, int caret) {
    selStart_ = caret;
    selLength_ = 0;
    if (v == text_) return;
    text_ = v;
    // A typed name is the item that shows as it.
    auto it = std::find_if(list_.begin(), list_.end(),
                           [&v](const std::string& item) { return SameShownText(item, v); });
    listIndex_ = it == list_.end() ? -1 : static_cast<int>(it - list_.begin());
    Touch();
    Fire(Change);
}

void ComboBox::ShowItem(int i) {
    listIndex_ = i;
    text_ = i >= 0 ? list_[i] : std::string();
    selStart_ = selLength_ = 0;
    Touch();
}

void ComboBox::SetListIndex(int i) {
    if (i < -1 || i >= ListCount()) throw RuntimeError(380, "Invalid property value");
    if (i == listIndex_) return;
    ShowItem(i);
    Fire(Click);
}

const std::string& ComboBox::List(int i) const {
    static const std::string empty;
    if (i < 0 || i >= ListCount()) return empty;
    return list_[i];
}

void ComboBox::AddItem(const std::string& item, int index) {
    if (index < 0 || index > ListCount()) {
        if (index > ListCount()) throw RuntimeError(kErrInvalidCall, "Invalid procedure call or argument");
        list_.push_back(item);
    } else {
        list_.insert(list_.begin() + index, item);
        if (listIndex_ >= index) ++listIndex_;
    }
    Touch();
}

void ComboBox::RemoveItem(int index) {
    if (index < 0 || index >= ListCount()) throw RuntimeError(kErrInvalidCall, "Invalid procedure call or argument");
    list_.erase(list_.begin() + index);
    if (listIndex_ == index) listIndex_ = -1;
    else if (listIndex_ > index) --listIndex_;
    Touch();
}

void ComboBox::Clear() {
    list_.clear();
    ShowItem(-1);
}

void ComboBox::SetFocus() {
    RequireFocusable(*this);
    form_.SetActiveControl(this);
}

void ComboBox::UserChoose(int index) {
    if (!AcceptsUserInput() || index < 0 || index >= ListCount()) return;
    form_.SetActiveControl(this);
    ShowItem(index);
    Fire(Click);
}

bool ComboBox::UserChoose(const std::string& item) {
    auto it = std::find_if(list_.begin(), list_.end(),
                           [&item](const std::string& i) { return SameShownText(i, item); });
    if (it == list_.end() || !AcceptsUserInput()) return false;
    UserChoose(static_cast<int>(it - list_.begin()));
    return true;
}

void ComboBox::StepList(int keyCode) {
    if (ListCount() == 0) return;
    int next = std::clamp(listIndex_ + (keyCode == kKeyDown ? 1 : -1), 0, ListCount() - 1);
    if (next != listIndex_) UserChoose(next);
}

std::string ComboBox::GetProperty(const std::string& p) const {
    if (p == "ListIndex") return std::to_string(listIndex_);
    if (p == "ListCount") return std::to_string(ListCount());
    int i = ListPropertyIndex(p);
    if (i >= 0) return List(i);
    return TextField::GetProperty(p);
}

bool ComboBox::SetProperty(const std::string& p, const std::string& v) {
    if (p != "ListIndex") return TextField::SetProperty(p, v);
    SetListIndex(CInt(Val(v)));
    return true;
}

}  // namespace forms
