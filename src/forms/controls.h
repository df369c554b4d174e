#pragma once
// The control classes. The firing rules are written down in control.h.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "forms/control.h"
#include "forms/surface.h"

namespace forms {

struct LoadedPicture;

class Label : public Control {
public:
    Label(Form& f, std::string name, int index = -1) : Control(f, ControlKind::Label, std::move(name), index) {}
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& v);
    int Alignment = 0;  // 0 left, 1 right, 2 centre
    bool AutoSize = false;
    int BackStyle = 1;  // 0 transparent, 1 opaque
    int BorderStyle = 0;
    std::function<void()> Change, Click, DblClick;
    void UserClick();
    void UserDblClick();
    std::string GetProperty(const std::string& p) const override;
    bool SetProperty(const std::string& p, const std::string& v) override;
    std::string DumpValue() const override { return caption_; }

private:
    std::string caption_;
};

// What a text box and an editable combo box share: one line of text with
// the caret, or a selection, in it (byte offsets), the whole editing of that
// line by the person's keys, and the key events of those keys.
class TextField : public Control {
public:
    const std::string& Text() const { return text_; }
    // A program write of the text: Change when it changes.
    virtual void SetText(const std::string& v) = 0;
    int SelStart() const { return selStart_; }
    int SelLength() const { return selLength_; }
    // The end of the selection where the caret is, and the other end.
    int Caret() const { return caretFirst_ ? selStart_ : selStart_ + selLength_; }
    int Anchor() const { return caretFirst_ ? selStart_ + selLength_ : selStart_; }
    // The caret at v, nothing selected.
    void SetSelStart(int v);
    void SetSelLength(int v);
    // The text from anchor to the caret selected, as the person's mouse
    // selects it.
    void Select(int anchor, int caret);
    void UserSelectAll();
    // Every key the person presses raises KeyDown before what it does and
    // KeyUp after; a key code set to 0 in KeyDown, or a character set to 0
    // in KeyPress, cancels what it does. A typed character, and Enter,
    // Escape, Backspace and Ctrl with a letter, also raise KeyPress between
    // them, with the character the edit then acts on: Ctrl+A (1) selects
    // all, Ctrl+C (3) copies, Ctrl+V (22) pastes and Ctrl+X (24) cuts.
    // Ctrl+Insert copies, Shift+Insert pastes, Shift+Delete cuts; Home, End,
    // Left and Right move the caret (Shift extends the selection, Ctrl steps
    // by words). A paste or a cut is one Change, between KeyDown and KeyUp.
    void UserKeyChar(char c);
    void UserKey(int keyCode, int shift = 0) override;
    // While the Change of the person's own edit runs, with all it sets off:
    // the box is the one the person is typing in.
    bool UserEditing() const { return userEditing_; }
    std::function<void(int& keyAscii)> KeyPress;
    std::function<void(int& keyCode, int shift)> KeyDown, KeyUp;
    std::string GetProperty(const std::string& p) const override;
    bool SetProperty(const std::string& p, const std::string& v) override;
    std::string DumpValue() const override { return text_; }

protected:
    using Control::Control;
    // Whether the person's keys may change the text now.
    virtual bool Editable() const = 0;
    // Whether typed characters reach the box at all.
    virtual bool TakesCharacters() const { return true; }
    // The person's edit: the text becomes next, the caret goes to caret.
    virtual void TakeEdit(const std::string& next, int caret) = 0;
    // What Up and Down do after their KeyDown: nothing in a text box.
    virtual void StepList(int /*keyCode*/) {}

    std::string text_;
    int selStart_ = 0, selLength_ = 0;
    // Whether a selection was made towards the start (the caret at SelStart).
    bool caretFirst_ = false;

private:
    // After KeyDown: the key's KeyPress and its edit; false once the form
    // is gone.
    bool PressAndEdit(int keyCode, int shift);
    // What the edit does with a character that KeyPress left.
    void EditByCharacter(int ascii);
    // Backspace and Delete: the selection, else the character before or
    // after the caret.
    void EraseAtCaret(bool forward);
    // The person's edit taken, UserEditing meanwhile.
    void Edit(const std::string& next, int caret);
    // Home, End, Left and Right; nothing for other keys.
    void MoveCaret(int keyCode, int shift);
    void ReplaceSelection(const std::string& s);
    void HoldAsUtf8Before(const std::string& added);
    void Copy();
    void Cut();
    void Paste();
    bool userEditing_ = false;
};

class TextBox : public TextField {
public:
    TextBox(Form& f, std::string name, int index = -1);
    void SetText(const std::string& v) override;
    int Alignment = 0;
    bool Locked = false;
    int MaxLength = 0;
    std::function<void()> Change, GotFocus, LostFocus, Click;
    void SetFocus();
    void UserClick();
    std::string GetProperty(const std::string& p) const override;
    bool SetProperty(const std::string& p, const std::string& v) override;

protected:
    bool Editable() const override { return !Locked; }
    void TakeEdit(const std::string& next, int caret) override;
};

class CommandButton : public Control {
public:
    CommandButton(Form& f, std::string name, int index = -1) : Control(f, ControlKind::CommandButton, std::move(name), index) {}
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& v) { if (v != caption_) { caption_ = v; Touch(); } }
    std::function<void()> Click;
    void SetFocus();
    void UserClick();
    // A key on the button (see OptionButton::UserKey).
    void UserKey(int keyCode, int shift = 0) override;
    // Value = True: the program presses the button.
    void Press();
    std::string GetProperty(const std::string& p) const override;
    bool SetProperty(const std::string& p, const std::string& v) override;
    std::string DumpValue() const override { return caption_; }

private:
    std::string caption_;
};

class ComboBox : public TextField {
public:
    ComboBox(Form& f, std::string name, int index = -1) : TextField(f, ControlKind::ComboBox, std::move(name), index) {}
    // A program write leaves the caret at the start, so that a text longer
    // than the box shows its start.
    void SetText(const std::string& v) override;
    int ListIndex() const { return listIndex_; }
    void SetListIndex(int i);
    int ListCount() const { return static_cast<int>(list_.size()); }
    const std::string& List(int i) const;
    void AddItem(const std::string& item, int index = -1);
    void RemoveItem(int index);
    void Clear();
    int Style = 0;  // 0 drop-down combo, 2 drop-down list
    std::function<void()> Change, Click, GotFocus, LostFocus;
    void SetFocus();
    // A user's pick from the list.
    void UserChoose(int index);
    bool UserChoose(const std::string& item);
    std::string GetProperty(const std::string& p) const override;
    bool SetProperty(const std::string& p, const std::string& v) override;
    const std::vector<std::string>& Items() const { return list_; }

protected:
    bool Editable() const override { return Style != 2; }
    bool TakesCharacters() const override { return Style != 2; }
    void TakeEdit(const std::string& next, int caret) override;
    // Up and Down choose the item before or after.
    void StepList(int keyCode) override;

private:
    // The caret goes to caret; a new text v takes the list item it names as
    // the list index and fires Change.
    void ChangeText(const std::string& v, int caret);
    // The text and caret of list item i (-1: none).
    void ShowItem(int i);
    std::vector<std::string> list_;
    int listIndex_ = -1;
};

class OptionButton : public Control {
public:
    OptionButton(Form& f, std::string name, int index = -1) : Control(f, ControlKind::OptionButton, std::move(name), index) {}
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& v) { if (v != caption_) { caption_ = v; Touch(); } }
    bool Value() const { return value_; }
    void SetValue(bool v);
    std::function<void()> Click;
    void UserClick();
    // The keys of the old platform's buttons, check boxes and option
    // buttons: Space presses the control as a click does, Tab moves the
    // focus on; the others do nothing to it.
    void UserKey(int keyCode, int shift = 0) override;
    std::string GetProperty(const std::string& p) const override;
    bool SetProperty(const std::string& p, const std::string& v) override;
    std::string DumpValue() const override { return BoolText(value_); }

private:
    std::string caption_;
    bool value_ = false;
};

class CheckBox : public Control {
public:
    CheckBox(Form& f, std::string name, int index = -1) : Control(f, ControlKind::CheckBox, std::move(name), index) {}
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& v) { if (v != caption_) { caption_ = v; Touch(); } }
    int Value() const { return value_; }  // 0 unchecked, 1 checked, 2 grey
    void SetValue(int v);
    std::function<void()> Click;
    void UserClick();
    // A key on the check box (see OptionButton::UserKey).
    void UserKey(int keyCode, int shift = 0) override;
    std::string GetProperty(const std::string& p) const override;
    bool SetProperty(const std::string& p, const std::string& v) override;
    std::string DumpValue() const override { return std::to_string(value_); }

private:
    std::string caption_;
    int value_ = 0;
};

class Frame : public Control {
public:
    Frame(Form& f, std::string name, int index = -1) : Control(f, ControlKind::Frame, std::move(name), index) {}
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& v) { if (v != caption_) { caption_ = v; Touch(); } }
    int BorderStyle = 1;
    std::string GetProperty(const std::string& p) const override;
    bool SetProperty(const std::string& p, const std::string& v) override;
    std::string DumpValue() const override { return caption_; }

private:
    std::string caption_;
};

class Shape : public Control {
public:
    Shape(Form& f, std::string name, int index = -1) : Control(f, ControlKind::Shape, std::move(name), index) {}
    int ShapeType = 0;  // 0 rectangle, 1 square, 2 oval, 3 circle, 4 rounded rectangle
    Colour BorderColor = kBlack;
    int BorderWidth = 1;
    int BackStyle = 0;  // 0 transparent, 1 opaque
    int FillStyle = 1;
    Colour FillColor = kBlack;
    std::string GetProperty(const std::string& p) const override;
    bool SetProperty(const std::string& p, const std::string& v) override;
};

class LineControl : public Control {
public:
    LineControl(Form& f, std::string name, int index = -1) : Control(f, ControlKind::Line, std::move(name), index) {}
    int X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
    Colour BorderColor = kBlack;
    int BorderWidth = 1;
    std::string GetProperty(const std::string& p) const override;
    bool SetProperty(const std::string& p, const std::string& v) override;
};

class ImageControl : public Control {
public:
    ImageControl(Form& f, std::string name, int index = -1) : Control(f, ControlKind::Image, std::move(name), index) {}
    std::shared_ptr<const LoadedPicture> Picture;
    bool Stretch = false;
    std::function<void()> Click, DblClick;
    void UserClick();
    void UserDblClick();
};

class PictureBox : public Control {
public:
    PictureBox(Form& f, std::string name, int index = -1);
    Surface& Draw() { return surface_; }
    const Surface& Draw() const { return surface_; }
    void SetWidth(double v) override;
    void SetHeight(double v) override;
    void SetBackColor(Colour c) override;
    void SetFontSize(double v) override;
    int BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(int v);
    bool AutoRedraw = true;
    // With AutoSize, loading a picture gives the box the picture's natural size.
    bool AutoSize = false;
    void LoadPictureInto(std::shared_ptr<const LoadedPicture> picture);

    // Resize fires when a write changes the width or the height.
    std::function<void()> Click, DblClick, Resize;
    void UserClick();
    void UserDblClick();
    std::string GetProperty(const std::string& p) const override;
    bool SetProperty(const std::string& p, const std::string& v) override;

private:
    void UpdateInnerSize();
    Surface surface_;
    int borderStyle_ = 1;
};

class Slider : public Control {
public:
    Slider(Form& f, std::string name, int index = -1) : Control(f, ControlKind::Slider, std::move(name), index) {}
    long Min() const { return min_; }
    long Max() const { return max_; }
    long Value() const { return value_; }
    void SetMin(long v);
    void SetMax(long v);
    void SetValue(long v);  // error 380 outside Min..Max
    int Orientation = 1;    // 0 horizontal, 1 vertical
    long SmallChange = 1, LargeChange = 5, TickFrequency = 1;
    std::function<void()> Change, Scroll;
    // The user drags the thumb (Scroll) and lets it go (Change).
    void UserMove(long value);
    // A key on the slider moves the thumb as a drag does, the same way in
    // either orientation (a vertical slider has Min at the top): Left and Up
    // by SmallChange towards Min, Right and Down towards Max, Page Up and
    // Page Down by LargeChange, Home and End to Min and Max. Tab moves the
    // focus on.
    void UserKey(int keyCode, int shift = 0) override;
    std::string GetProperty(const std::string& p) const override;
    bool SetProperty(const std::string& p, const std::string& v) override;
    std::string DumpValue() const override { return std::to_string(value_); }

private:
    long min_ = 0, max_ = 10, value_ = 0;
};

class ProgressBar : public Control {
public:
    ProgressBar(Form& f, std::string name, int index = -1) : Control(f, ControlKind::ProgressBar, std::move(name), index) {}
    double Min() const { return min_; }
    double Max() const { return max_; }
    double Value() const { return value_; }
    void SetMin(double v) { min_ = v; Touch(); }
    void SetMax(double v) { max_ = v; Touch(); }
    void SetValue(double v);
    std::string GetProperty(const std::string& p) const override;
    bool SetProperty(const std::string& p, const std::string& v) override;
    std::string DumpValue() const override { return NumberText(value_); }

private:
    double min_ = 0, max_ = 100, value_ = 0;
};

class Timer : public Control {
public:
    Timer(Form& f, std::string name, int index = -1);
    ~Timer() override;
    long Interval() const { return interval_; }
    void SetInterval(long ms);
    void SetEnabled(bool v) override;
    std::function<void()> OnTimer;
    // Called by the application clock; fires when the interval has passed.
    void Advance(long nowMs);
    // When it fires next; -1 while it cannot fire.
    long NextDue() const { return Enabled() && interval_ > 0 ? lastFired_ + interval_ : -1; }

private:
    long interval_ = 0;
    long lastFired_ = 0;
};

// The open and save dialogs, as a control with its properties.
// CommonDialog Flags: a save dialog asks before it returns an existing file.
constexpr long cdlOFNOverwritePrompt = 2;

class CommonDialog : public Control {
public:
    CommonDialog(Form& f, std::string name, int index = -1) : Control(f, ControlKind::CommonDialog, std::move(name), index) {}
    std::string Filter, FileName, FileTitle, DialogTitle, InitDir;
    bool CancelError = false;
    long Flags = 0;
    // Cancel with CancelError set is run-time error 32755.
    void ShowOpen();
    void ShowSave();
};

}  // namespace forms
