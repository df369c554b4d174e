// The caret and the selection of text boxes and combo boxes, and the edits
// that the person's keys make there.
#include <algorithm>

#include "forms/controls.h"
#include "forms/form.h"
#include "forms/values.h"

namespace forms {
namespace {

// The caret steps over whole characters of the UTF-8 text.
bool InsideCharacter(const std::string& text, int i) {
    return i > 0 && i < static_cast<int>(text.size()) && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80;
}

int CharacterBefore(const std::string& text, int i) {
    if (i <= 0) return 0;
    do --i;
    while (InsideCharacter(text, i));
    return i;
}

int CharacterAfter(const std::string& text, int i) {
    const int size = static_cast<int>(text.size());
    if (i >= size) return size;
    do ++i;
    while (InsideCharacter(text, i));
    return i;
}

}  // namespace

void TextField::SetSelStart(int v) {
    selStart_ = std::clamp(v, 0, static_cast<int>(text_.size()));
    selLength_ = 0;
}

void TextField::SetSelLength(int v) {
    selLength_ = std::clamp(v, 0, static_cast<int>(text_.size()) - selStart_);
}

void TextField::UserSelectAll() {
    if (!AcceptsUserInput()) return;
    form_.SetActiveControl(this);
    selStart_ = 0;
    selLength_ = static_cast<int>(text_.size());
}

void TextField::UserReplaceSelection(const std::string& s) {
    if (!AcceptsUserInput() || !Editable()) return;
    TakeEdit(text_.substr(0, selStart_) + s + text_.substr(selStart_ + selLength_), selStart_ + static_cast<int>(s.size()));
}

void TextField::TypeAtCaret(char c) {
    if (!Editable()) return;
    TakeEdit(text_.substr(0, selStart_) + c + text_.substr(selStart_ + selLength_), selStart_ + 1);
}

void TextField::EraseAtCaret(bool forward) {
    if (!Editable()) return;
    int from = selStart_, to = selStart_ + selLength_;
    if (selLength_ == 0) {
        if (forward) to = CharacterAfter(text_, to);
        else from = CharacterBefore(text_, from);
    }
    TakeEdit(text_.substr(0, from) + text_.substr(to), from);
}

bool TextField::MoveCaret(int keyCode) {
    int caret = 0;
    switch (keyCode) {
        case kKeyHome: caret = 0; break;
        case kKeyEnd: caret = static_cast<int>(text_.size()); break;
        case kKeyLeft: caret = selLength_ > 0 ? selStart_ : CharacterBefore(text_, selStart_); break;
        case kKeyRight: caret = selLength_ > 0 ? selStart_ + selLength_ : CharacterAfter(text_, selStart_); break;
        default: return false;
    }
    selStart_ = caret;
    selLength_ = 0;
    return true;
}

std::string TextField::GetProperty(const std::string& p) const {
    if (p == "Text") return text_;
    if (p == "SelStart") return std::to_string(selStart_);
    if (p == "SelLength") return std::to_string(selLength_);
    return Control::GetProperty(p);
}

bool TextField::SetProperty(const std::string& p, const std::string& v) {
    if (p == "Text") SetText(v);
    else if (p == "SelStart") SetSelStart(static_cast<int>(Val(v)));
    else if (p == "SelLength") SetSelLength(static_cast<int>(Val(v)));
    else return Control::SetProperty(p, v);
    return true;
}

}  // namespace forms
