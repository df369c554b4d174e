// The caret and the selection of text boxes and combo boxes, and the edits
// that the person's keys make there.
#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "forms/application.h"
#include "forms/controls.h"
#include "forms/form.h"
#include "forms/services.h"
#include "values/shown_text.h"
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

// Key code the old platform reports in KeyDown for a typed character.
int KeyCodeOf(char c) {
    unsigned char u = static_cast<unsigned char>(c);
    if (std::isalpha(u)) return std::toupper(u);
    if (c == '.') return 190;
    if (c == ',') return 188;
    if (c == '-') return 189;
    return u;
}

// The characters that Ctrl with a letter types, which the edit acts on.
enum ControlCharacter : int { kCtrlA = 1, kCtrlC = 3, kCtrlV = 22, kCtrlX = 24 };

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

void TextField::UserKeyChar(char c) {
    if (!AcceptsUserInput() || !TakesCharacters()) return;
    form_.SetActiveControl(this);
    int code = KeyCodeOf(c), ascii = static_cast<unsigned char>(c);
    Fire(KeyDown, code, 0);
    if (FormRetired()) return;
    if (code != 0) {
        Fire(KeyPress, ascii);
        if (FormRetired()) return;
        if (ascii != 0 && Editable()) ReplaceSelection(std::string(1, static_cast<char>(ascii)));
    }
    int up = code;
    Fire(KeyUp, up, 0);
}

void TextField::UserKey(int keyCode, int shift) {
    if (!AcceptsUserInput()) return;
    form_.SetActiveControl(this);
    int code = keyCode;
    Fire(KeyDown, code, shift);
    if (FormRetired() || code == 0 || !PressAndEdit(code, shift)) return;
    if (code == kKeyTab) form_.UserTab(shift & kShiftMask);
    if (code == kKeyDown || code == kKeyUp) StepList(code);
    Fire(KeyUp, code, shift);
}

bool TextField::PressAndEdit(int code, int shift) {
    const bool ctrl = shift & kCtrlMask, shifted = shift & kShiftMask;
    int ascii = 0;
    if (code == kKeyReturn || code == kKeyEscape || code == kKeyBack) ascii = code;
    else if (ctrl && code >= 'A' && code <= 'Z') ascii = code - 'A' + 1;
    if (ascii != 0) {
        Fire(KeyPress, ascii);
        if (FormRetired()) return false;
        EditByCharacter(ascii);
    } else if (code == kKeyInsert) {
        if (ctrl) Copy();
        else if (shifted) Paste();
    } else if (code == kKeyDelete) {
        if (shifted) Cut();
        else EraseAtCaret(true);
    } else {
        MoveCaret(code, shift);
    }
    return true;
}

void TextField::EditByCharacter(int ascii) {
    switch (ascii) {
        case kKeyBack: EraseAtCaret(false); break;
        case kCtrlA: Select(0, static_cast<int>(text_.size())); break;
        case kCtrlC: Copy(); break;
        case kCtrlV: Paste(); break;
        case kCtrlX: Cut(); break;
        default: break;
    }
}

void TextField::EraseAtCaret(bool forward) {
    if (!Editable()) return;
    int from = selStart_, to = selStart_ + selLength_;
    if (selLength_ == 0) {
        if (forward) to = CharacterAfter(text_, to);
        else from = CharacterBefore(text_, from);
    }
    Edit(text_.substr(0, from) + text_.substr(to), from);
}

void TextField::MoveCaret(int keyCode, int shift) {
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
        default: return;
    }
    Select(extend ? Anchor() : caret, caret);
}

void TextField::Edit(const std::string& next, int caret) {
    // Ends with the edit however its Change ends; edits do not nest.
    struct Editing {
        bool& flag;
        explicit Editing(bool& f) : flag(f) { flag = true; }
        ~Editing() { flag = false; }
    } editing(userEditing_);
    TakeEdit(next, caret);
}

// A person types and pastes UTF-8. A text of the old code page that takes a
// character beyond ASCII is first held as the UTF-8 it shows, with the
// selection where it was: mixed, neither encoding would show it. A typed
// character comes a byte a keystroke, so its first byte decides.
void TextField::HoldAsUtf8Before(const std::string& added) {
    const bool startsCharacter =
        std::any_of(added.begin(), added.end(), [](char c) { return static_cast<unsigned char>(c) >= 0xC0; });
    if (!startsCharacter || IsUtf8(text_)) return;
    const auto shownAt = [this](int i) {
        return static_cast<int>(Utf8FromWindows1252(std::string_view(text_).substr(0, static_cast<size_t>(i))).size());
    };
    const int anchor = shownAt(Anchor()), caret = shownAt(Caret());
    text_ = Utf8FromWindows1252(text_);
    Select(anchor, caret);
}

// s in place of the selection at once, the caret after it: a paste or a cut
// is one Change.
void TextField::ReplaceSelection(const std::string& s) {
    HoldAsUtf8Before(s);
    Edit(text_.substr(0, selStart_) + s + text_.substr(selStart_ + selLength_), selStart_ + static_cast<int>(s.size()));
}

void TextField::Copy() {
    if (selLength_ > 0) App().Platform().ClipboardSetText(text_.substr(selStart_, selLength_));
}

// Nothing is cut where the text may not change.
void TextField::Cut() {
    if (!Editable()) return;
    Copy();
    ReplaceSelection("");
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
