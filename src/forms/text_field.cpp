// The caret and the selection of text boxes and combo boxes, and the edits
// that the person's keys make there.
#include <algorithm>
#include <cstdlib>

#include "forms/application.h"
#include "forms/controls.h"
#include "forms/form.h"
#include "forms/services.h"
#include "values/values.h"

using namespace values;

namespace forms {
namespace {

// The caret steps over whole characters of the UTF-8 text, or over single
// bytes of a text in the old platform's code page (read from its files).
bool InsideCharacter(const std::string& text, int i) {
    return i > 0 && i < static_cast<int>(text.size()) && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80;
}

int CharacterBefore(const std::string& text, int i) {
    if (i <= 0) return 0;
    if (!IsUtf8(text)) return i - 1;
    do --i;
    while (InsideCharacter(text, i));
    return i;
}

int CharacterAfter(const std::string& text, int i) {
    const int size = static_cast<int>(text.size());
    if (i >= size) return size;
    if (!IsUtf8(text)) return i + 1;
    do ++i;
    while (InsideCharacter(text, i));
    return i;
}

// Ctrl with the arrows: to the start of the word before the caret, or of the
// word after the one the caret is in.
int WordBefore(const std::string& text, int i) {
    while (i > 0 && text[i - 1] == ' ') --i;
    while (i > 0 && text[i - 1] != ' ') --i;
    return i;
}

int WordAfter(const std::string& text, int i) {
    const int size = static_cast<int>(text.size());
    while (i < size && text[i] != ' ') ++i;
    while (i < size && text[i] == ' ') ++i;
    return i;
}

}  // namespace

void TextField::SetSelStart(int v) { Select(v, v); }

void TextField::SetSelLength(int v) {
    selLength_ = std::clamp(v, 0, static_cast<int>(text_.size()) - selStart_);
    caretFirst_ = false;
}

void TextField::Select(int anchor, int caret) {
    const int size = static_cast<int>(text_.size());
    anchor = std::clamp(anchor, 0, size);
    caret = std::clamp(caret, 0, size);
    selStart_ = std::min(anchor, caret);
    selLength_ = std::abs(caret - anchor);
    caretFirst_ = caret < anchor;
}

void TextField::UserSelectAll() {
    if (!AcceptsUserInput()) return;
    form_.SetActiveControl(this);
    Select(0, static_cast<int>(text_.size()));
}

void TextField::TypeAtCaret(char c) {
    if (Editable()) ReplaceSelection(std::string(1, c));
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

bool TextField::EditingKey(int keyCode, int shift) {
    const bool ctrl = shift & kCtrlMask, shifted = shift & kShiftMask;
    if (MoveCaret(keyCode, shift)) return true;
    if (ctrl && (keyCode == 'C' || keyCode == kKeyInsert)) {
        Copy();
    } else if ((ctrl && keyCode == 'X') || (shifted && keyCode == kKeyDelete)) {
        // Nothing is cut where the text may not change.
        if (!Editable()) return true;
        Copy();
        ReplaceSelection("");
    } else if ((ctrl && keyCode == 'V') || (shifted && keyCode == kKeyInsert)) {
        Paste();
    } else if (ctrl && keyCode == 'A') {
        Select(0, static_cast<int>(text_.size()));
    } else {
        return ctrl && keyCode >= 'A' && keyCode <= 'Z';
    }
    return true;
}

bool TextField::MoveCaret(int keyCode, int shift) {
    const bool words = shift & kCtrlMask, extend = shift & kShiftMask;
    int caret = Caret();
    switch (keyCode) {
        case kKeyHome: caret = 0; break;
        case kKeyEnd: caret = static_cast<int>(text_.size()); break;
        case kKeyLeft:
            if (words) caret = WordBefore(text_, caret);
            else caret = selLength_ > 0 && !extend ? selStart_ : CharacterBefore(text_, caret);
            break;
        case kKeyRight:
            if (words) caret = WordAfter(text_, caret);
            else caret = selLength_ > 0 && !extend ? selStart_ + selLength_ : CharacterAfter(text_, caret);
            break;
        default: return false;
    }
    Select(extend ? Anchor() : caret, caret);
    return true;
}

// s in place of the selection at once, the caret after it: a paste or a cut
// is one Change and no key events.
void TextField::ReplaceSelection(const std::string& s) {
    TakeEdit(text_.substr(0, selStart_) + s + text_.substr(selStart_ + selLength_), selStart_ + static_cast<int>(s.size()));
}

void TextField::Copy() {
    if (selLength_ > 0) App().Platform().ClipboardSetText(text_.substr(selStart_, selLength_));
}

// The clipboard's text up to its first line break: the boxes hold one line.
void TextField::Paste() {
    if (!Editable()) return;
    std::string line = App().Platform().ClipboardText();
    line = line.substr(0, line.find('\n'));
    std::erase(line, '\r');
    ReplaceSelection(line);
}

std::string TextField::GetProperty(const std::string& p) const {
    if (p == "Text") return text_;
    if (p == "SelStart") return std::to_string(selStart_);
    if (p == "SelLength") return std::to_string(selLength_);
    return Control::GetProperty(p);
}

bool TextField::SetProperty(const std::string& p, const std::string& v) {
    if (p == "Text") SetText(v);
    else if (p == "SelStart") SetSelStart(CLng(Val(v)));
    else if (p == "SelLength") SetSelLength(CLng(Val(v)));
    else return Control::SetProperty(p, v);
    return true;
}

}  // namespace forms
