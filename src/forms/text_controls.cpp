// Text boxes and combo boxes: typed keys, selections and list items.
#include "forms/controls.h"

#include <algorithm>
#include <cctype>

#include "forms/control_focus.h"
#include "forms/form.h"
#include "forms/runtime_error.h"
#include "forms/values.h"

namespace forms {

namespace {

// "List(3)" -> 3; -1 when the property is not an indexed List.
int ListPropertyIndex(const std::string& p) {
    if (p.rfind("List(", 0) != 0 || p.back() != ')') return -1;
    return static_cast<int>(Val(p.substr(5, p.size() - 6)));
}

// Key code the old platform reports in KeyDown for a typed character.
int KeyCodeOf(char c) {
    unsigned char u = static_cast<unsigned char>(c);
    if (std::isalpha(u)) return std::toupper(u);
    if (c == '.') return 190;
    if (c == ',') return 188;
    if (c == '-') return 189;
    return u;
}

}  // namespace

// ---- TextBox ----

TextBox::TextBox(Form& f, std::string name, int index) : Control(f, ControlKind::TextBox, std::move(name), index) {
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

void TextBox::SetSelStart(int v) {
    selStart_ = std::clamp(v, 0, static_cast<int>(text_.size()));
    selLength_ = 0;
}

void TextBox::SetSelLength(int v) {
    selLength_ = std::clamp(v, 0, static_cast<int>(text_.size()) - selStart_);
}

void TextBox::SetFocus() {
    RequireFocusable(*this);
    form_.SetActiveControl(this);
}

void TextBox::UserSelectAll() {
    if (!AcceptsUserInput()) return;
    form_.SetActiveControl(this);
    selStart_ = 0;
    selLength_ = static_cast<int>(text_.size());
}

void TextBox::UserClick() {
    if (!AcceptsUserInput()) return;
    form_.SetActiveControl(this);
    Fire(Click);
}

void TextBox::InsertText(const std::string& s) {
    std::string next = text_.substr(0, selStart_) + s + text_.substr(selStart_ + selLength_);
    if (MaxLength > 0 && static_cast<int>(next.size()) > MaxLength) return;
    int caret = selStart_ + static_cast<int>(s.size());
    if (next == text_) {
        selStart_ = caret;
        selLength_ = 0;
        return;
    }
    text_ = next;
    selStart_ = caret;
    selLength_ = 0;
    Touch();
    Fire(Change);
}

void TextBox::UserKeyChar(char c) {
    if (!AcceptsUserInput()) return;
    form_.SetActiveControl(this);
    int code = KeyCodeOf(c), ascii = static_cast<unsigned char>(c);
    if (!FireTyped(KeyDown, KeyPress, code, ascii)) return;
    if (code != 0 && ascii != 0 && !Locked) InsertText(std::string(1, static_cast<char>(ascii)));
    int up = code;
    Fire(KeyUp, up, 0);
}

void TextBox::UserKey(int keyCode, int shift) {
    if (!AcceptsUserInput()) return;
    form_.SetActiveControl(this);
    int code = keyCode;
    Fire(KeyDown, code, shift);
    if (FormRetired()) return;
    if (code == 0) return;
    if (code == kKeyReturn || code == kKeyEscape || code == kKeyBack) {
        int ascii = code;
        Fire(KeyPress, ascii);
        if (FormRetired()) return;
        if (ascii == kKeyBack && !Locked) {
            if (selLength_ == 0 && selStart_ > 0) { --selStart_; selLength_ = 1; }
            InsertText("");
        }
    } else if (code == kKeyDelete && !Locked) {
        if (selLength_ == 0 && selStart_ < static_cast<int>(text_.size())) selLength_ = 1;
        InsertText("");
    } else if (code == kKeyTab) {
        form_.SetActiveControl(nullptr);
    }
    Fire(KeyUp, code, shift);
}

std::string TextBox::GetProperty(const std::string& p) const {
    if (p == "Text") return text_;
    if (p == "SelStart") return std::to_string(selStart_);
    if (p == "SelLength") return std::to_string(selLength_);
    if (p == "Locked") return BoolText(Locked);
    return Control::GetProperty(p);
}

bool TextBox::SetProperty(const std::string& p, const std::string& v) {
    if (p == "Text") SetText(v);
    else if (p == "SelStart") SetSelStart(static_cast<int>(Val(v)));
    else if (p == "SelLength") SetSelLength(static_cast<int>(Val(v)));
    else if (p == "Locked") Locked = BoolFromText(v);
    else return Control::SetProperty(p, v);
    return true;
}

// ---- ComboBox ----

void ComboBox::SetText(const std::string& v) { ChangeText(v, false); }

void ComboBox::UserEditText(const std::string& v) {
    if (AcceptsUserInput() && Style != 2) ChangeText(v, true);
}

void ComboBox::ChangeText(const std::string& v, bool typed) {
    if (v == text_) return;
    text_ = v;
    selStart_ = typed ? static_cast<int>(text_.size()) : 0;
    auto it = std::find(list_.begin(), list_.end(), v);
    listIndex_ = it == list_.end() ? -1 : static_cast<int>(it - list_.begin());
    Touch();
    Fire(Change);
}

void ComboBox::SetListIndex(int i) {
    if (i < -1 || i >= ListCount()) throw RuntimeError(380, "Invalid property value");
    if (i == listIndex_) return;
    listIndex_ = i;
    text_ = i >= 0 ? list_[i] : std::string();
    selStart_ = 0;
    Touch();
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
    listIndex_ = -1;
    text_.clear();
    selStart_ = 0;
    Touch();
}

void ComboBox::SetFocus() {
    RequireFocusable(*this);
    form_.SetActiveControl(this);
}

void ComboBox::UserChoose(int index) {
    if (!AcceptsUserInput() || index < 0 || index >= ListCount()) return;
    form_.SetActiveControl(this);
    listIndex_ = index;
    text_ = list_[index];
    selStart_ = 0;
    Touch();
    Fire(Click);
}

bool ComboBox::UserChoose(const std::string& item) {
    auto it = std::find(list_.begin(), list_.end(), item);
    if (it == list_.end() || !AcceptsUserInput()) return false;
    UserChoose(static_cast<int>(it - list_.begin()));
    return true;
}

void ComboBox::UserKeyChar(char c) {
    if (!AcceptsUserInput() || Style == 2) return;
    form_.SetActiveControl(this);
    int code = KeyCodeOf(c), ascii = static_cast<unsigned char>(c);
    if (!FireTyped(KeyDown, KeyPress, code, ascii)) return;
    if (code == 0 || ascii == 0) return;
    std::string next = selectAll_ ? std::string(1, static_cast<char>(ascii)) : text_ + static_cast<char>(ascii);
    selectAll_ = false;
    ChangeText(next, true);
}

void ComboBox::UserKey(int keyCode, int shift) {
    if (!AcceptsUserInput()) return;
    form_.SetActiveControl(this);
    int code = keyCode;
    Fire(KeyDown, code, shift);
    if (FormRetired()) return;
    if (code == kKeyReturn || code == kKeyEscape || code == kKeyBack) {
        int ascii = code;
        Fire(KeyPress, ascii);
        if (FormRetired()) return;
        if (ascii == kKeyBack && Style != 2) {
            std::string next = selectAll_ || text_.empty() ? std::string() : text_.substr(0, text_.size() - 1);
            selectAll_ = false;
            ChangeText(next, true);
        }
    } else if (code == kKeyDelete && Style != 2 && selectAll_) {
        selectAll_ = false;
        ChangeText("", true);
    } else if ((code == kKeyDown || code == kKeyUp) && ListCount() > 0) {
        int next = std::clamp(listIndex_ + (code == kKeyDown ? 1 : -1), 0, ListCount() - 1);
        if (next != listIndex_) UserChoose(next);
    }
}

std::string ComboBox::GetProperty(const std::string& p) const {
    if (p == "Text") return text_;
    if (p == "ListIndex") return std::to_string(listIndex_);
    if (p == "ListCount") return std::to_string(ListCount());
    int i = ListPropertyIndex(p);
    if (i >= 0) return List(i);
    return Control::GetProperty(p);
}

bool ComboBox::SetProperty(const std::string& p, const std::string& v) {
    if (p == "Text") SetText(v);
    else if (p == "ListIndex") SetListIndex(static_cast<int>(Val(v)));
    else return Control::SetProperty(p, v);
    return true;
}

}  // namespace forms
