#pragma once
// Controls of the forms layer.
//
// Firing rules (the level synchronisation of the program depends on them):
//  1. Events fire inside the write. A setter that changes a value runs the
//     control's handler before it returns; handlers may write other controls,
//     whose handlers run in turn (re-entrancy is normal).
//  2. A write that does not change the value fires nothing.
//  3. Program writes and user input differ only where the old platform did:
//     - Label: a program write that changes Caption fires Change.
//     - TextBox: a program write of Text fires Change. A keystroke fires
//       KeyDown, then KeyPress (which may swallow the key by setting it to 0),
//       then the text changes and Change fires, then KeyUp; a paste or a cut
//       too, by whichever key (TextField::UserKey).
//     - ComboBox: a user's pick from the list fires only Click; typing, or a
//       program write of Text, fires Change; a program write of ListIndex fires
//       Click; AddItem, RemoveItem and Clear fire nothing.
//     - OptionButton: Value = True clears the other buttons of its container
//       (frame or form, not the control array) and fires Click only when the
//       button was not selected already. Clearing the others fires nothing.
//     - CheckBox: a change of Value fires Click, whoever writes it.
//     - Slider: Change fires only when the user moves it, never on a program
//       write; a program write outside Min..Max is run-time error 380.
//     - ProgressBar: a Value outside Min..Max is clamped, not refused.
//  4. User input (the User* calls, which the back ends and tests use) is
//     refused while the control, its container or its form is disabled or
//     hidden; program writes are never refused for that reason.
#include <functional>
#include <utility>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "forms/colour.h"

namespace forms {

class Form;
class Application;

enum class ControlKind {
    Label, TextBox, CommandButton, ComboBox, OptionButton, CheckBox, Frame, Shape, Line,
    Image, PictureBox, Slider, ProgressBar, Timer, CommonDialog, Menu
};

// Key codes of the old platform's key events.
enum KeyCode : int {
    kKeyBack = 8, kKeyTab = 9, kKeyReturn = 13, kKeyEscape = 27, kKeySpace = 32, kKeyPageUp = 33,
    kKeyPageDown = 34, kKeyEnd = 35, kKeyHome = 36, kKeyLeft = 37, kKeyUp = 38, kKeyRight = 39, kKeyDown = 40, kKeyInsert = 45, kKeyDelete = 46
};

// Handlers nest: a write inside a handler runs the written control's handler
// before the write returns. The old platform's stack of 1 MB ran out after a
// few thousand nested calls, and each nested event took several frames of its
// own (the message dispatch, the control's code, the handler), so a handler
// that keeps setting off itself ended with "Out of stack space" after some
// hundreds of nested events. Beyond this depth the next event is run-time
// error 28, which the handlers' traps can catch like any other error.
inline constexpr int kMaxEventDepth = 1000;

// One level of nested events for as long as it lives.
class EventScope {
public:
    explicit EventScope(Application& app);
    ~EventScope();
    EventScope(const EventScope&) = delete;
    EventScope& operator=(const EventScope&) = delete;
    // The event that no other event runs inside: the user's input, a timer,
    // or a write from outside every handler.
    bool Outermost() const;

private:
    Application& app_;
};

// Thrown by a handler that gives up the rest of the action it belongs to,
// once it has put back what the action had changed (a level the program
// refuses). The outermost event ends there, quietly.
struct ActionWithdrawn {};

// Whether the program holds the events now (application.h, EventsHeld).
bool EventsAreHeld(const Application& app);

// Runs an event handler one level deeper in the chain of nested events; none
// while the program holds the events.
template <class Handler, class... Args>
void RunEvent(Application& app, const Handler& handler, Args&&... args) {
    if (EventsAreHeld(app)) return;
    EventScope scope(app);
    if (!scope.Outermost()) {
        handler(std::forward<Args>(args)...);
        return;
    }
    try {
        handler(std::forward<Args>(args)...);
    } catch (const ActionWithdrawn&) {
        // What the action changed is back already.
    }
}

// Mouse buttons and shift state as the old platform passes them.
enum MouseButton : int { kLeftButton = 1, kRightButton = 2, kMiddleButton = 4 };
enum ShiftState : int { kShiftMask = 1, kCtrlMask = 2, kAltMask = 4 };

class Control {
public:
    Control(Form& form, ControlKind kind, std::string name, int index);
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    ControlKind Kind() const { return kind_; }
    const std::string& Name() const { return name_; }
    int Index() const { return index_; }  // -1 outside a control array
    std::string QualifiedName() const;    // Name or Name(index)
    Form& Parent() const { return form_; }
    Application& App() const;

    // The frame this control sits in; nullptr for the form itself.
    Control* Container() const { return container_; }
    void SetContainer(Control* frame);

    // Twips, kept as the program's arithmetic gives them (4417.5 stays
    // 4417.5); only a back end that shows the control rounds to pixels.
    double Left() const { return left_; }
    double Top() const { return top_; }
    double Width() const { return width_; }
    double Height() const { return height_; }
    virtual void SetLeft(double v);
    virtual void SetTop(double v);
    virtual void SetWidth(double v);
    virtual void SetHeight(double v);
    void Move(double left, double top, double width, double height);

    bool Enabled() const { return enabled_; }
    virtual void SetEnabled(bool v);
    bool Visible() const { return visible_; }
    virtual void SetVisible(bool v);
    // Enabled and visible itself, in every container and on its form.
    bool EffectivelyEnabled() const;
    bool EffectivelyVisible() const;
    bool AcceptsUserInput() const { return EffectivelyEnabled() && EffectivelyVisible(); }

    // Pointer events; picture boxes report x and y in their user scale, other
    // controls in twips from their top left corner. A press captures the
    // mouse: the moves and the release that follow reach the pressed control
    // even when the program hides it meanwhile.
    std::function<void(int button, int shift, double x, double y)> MouseDown, MouseMove, MouseUp;
    bool HasMouseCapture() const;
    bool AcceptsPointer() const { return AcceptsUserInput() || HasMouseCapture(); }
    void UserMouseDown(int button, int shift, double x, double y);
    void UserMouseMove(int button, int shift, double x, double y);
    void UserMouseUp(int button, int shift, double x, double y);

    std::string ToolTipText;
    // The pointer shown over this control, as the screen's codes (0 default).
    int MousePointer() const { return mousePointer_; }
    void SetMousePointer(int code) { if (code != mousePointer_) { mousePointer_ = code; Touch(); } }
    Colour ForeColor() const { return foreColour_; }
    void SetForeColor(Colour c) { foreColour_ = c; Touch(); }
    Colour BackColor() const { return backColour_; }
    virtual void SetBackColor(Colour c) { backColour_ = c; Touch(); }
    double FontSize() const { return fontSize_; }
    virtual void SetFontSize(double v) { fontSize_ = v; Touch(); }
    bool FontBold() const { return fontBold_; }
    void SetFontBold(bool v) { fontBold_ = v; Touch(); }
    // The control's place in the Tab key's order (tab_order.h).
    int TabIndex = 0;

    // Property access by name ("Text", "Caption", "Value", "List(3)"...).
    // Values print as the old platform shows them: True/False, numbers
    // without a leading blank.
    virtual std::string GetProperty(const std::string& property) const;
    // A program write by name; false when the control has no such property.
    virtual bool SetProperty(const std::string& property, const std::string& value);
    // The value column of a dump line: text, caption or value.
    virtual std::string DumpValue() const { return {}; }
    // A key the person presses on the control, by its code with the Shift
    // and Ctrl state; a control that takes no keys lets it go.
    virtual void UserKey(int /*keyCode*/, int /*shift*/) {}

    // Raised by every change the back end may need to show. A change of a
    // control whose form was unloaded would go to a window no one sees: it
    // is run-time error 364 ("Object was unloaded") instead.
    unsigned long Revision() const { return revision_; }
    void Touch();

protected:
    // Runs an event handler, if there is one, one level deeper in the chain
    // of nested events. Once the form is unloaded its events no longer fire
    // (the rest of a key's events after a KeyPress that closed the window).
    template <class Handler, class... Args>
    void Fire(const Handler& handler, Args&&... args) {
        if (!handler || FormRetired()) return;
        RunEvent(App(), handler, std::forward<Args>(args)...);
    }
    bool FormRetired() const;

    Form& form_;

private:
    ControlKind kind_;
    std::string name_;
    int index_;
    Control* container_ = nullptr;
    double left_ = 0, top_ = 0, width_ = 1215, height_ = 495;
    bool enabled_ = true, visible_ = true;
    Colour foreColour_ = kBlack, backColour_ = kButtonFace;
    double fontSize_ = 8.25;
    bool fontBold_ = false;
    int mousePointer_ = 0;
    unsigned long revision_ = 0;
};

// Indexed controls, addressed as Label1(8), mnuCM(500); indices may be sparse.
template <class T>
class ControlArray {
public:
    T& operator()(int index) const {
        auto it = items_.find(index);
        if (it == items_.end()) ThrowMissing(index);
        return *it->second;
    }
    bool Contains(int index) const { return items_.count(index) != 0; }
    void Insert(int index, T& control) { items_[index] = &control; }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }
    int LBound() const { return items_.empty() ? 0 : items_.begin()->first; }
    int UBound() const { return items_.empty() ? -1 : items_.rbegin()->first; }
    size_t Count() const { return items_.size(); }

private:
    [[noreturn]] static void ThrowMissing(int index);
    std::map<int, T*> items_;
};

[[noreturn]] void ThrowControlArrayIndex(int index);
template <class T>
void ControlArray<T>::ThrowMissing(int index) { ThrowControlArrayIndex(index); }

std::string BoolText(bool v);
bool BoolFromText(const std::string& v);  // True, true, -1 or 1
std::string NumberText(double v);  // whole numbers without decimals, else the short form
// A position or size as the old platform shows it: a single-precision number.
std::string TwipsText(double v);

}  // namespace forms
