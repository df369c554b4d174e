#pragma once
// How a script's user actions reach the program. The headless back end calls
// the forms layer's User* entry points directly; a back end with real windows
// turns each action into the window system's input instead, so that its own
// routing (which widget a press reaches, grabs, pop-ups, focus) is exercised
// as a person's mouse and keyboard exercise it.
//
// Each action returns an empty string when it was delivered, or why it could
// not be.
#include <string>

namespace forms {
class ComboBox;
class Control;
class Form;
class Menu;
class Slider;
}  // namespace forms

namespace scenario {

enum class MouseAction { Move, Down, Up };

class ScriptInput {
public:
    virtual ~ScriptInput() = default;
    virtual std::string Click(forms::Control& control, bool twice) = 0;
    // Focus, select all unless the keys go where the caret is, then one
    // keystroke per character.
    virtual std::string Type(forms::Control& control, const std::string& text, bool selectAll) = 0;
    // shift: the Shift and Ctrl state.
    virtual std::string Key(forms::Control& control, int keyCode, int shift) = 0;
    virtual std::string Choose(forms::ComboBox& combo, int index) = 0;
    // The thumb dragged to value and let go.
    virtual std::string Slide(forms::Slider& slider, long value) = 0;
    // An item chosen from the window's menu bar.
    virtual std::string ChooseMenu(forms::Menu& item) = 0;
    // x, y in the control's units (a picture box's user scale, twips
    // elsewhere); control nullptr for the bare window, in its user scale.
    virtual std::string Mouse(MouseAction action, forms::Form& form, forms::Control* control, int button, int shift,
                              double x, double y) = 0;
    virtual std::string Resize(forms::Form& form, double width, double height) = 0;
    virtual std::string Move(forms::Form& form, double left, double top) = 0;
    virtual std::string Activate(forms::Form& form) = 0;
    virtual std::string Close(forms::Form& form) = 0;
    // The window's maximise button, or its restore button (maximised false),
    // as the window manager handles them.
    virtual std::string Maximise(forms::Form& form, bool maximised) = 0;
};

// Straight into the forms layer, as the headless back end delivers input.
class DirectInput : public ScriptInput {
public:
    std::string Click(forms::Control& control, bool twice) override;
    std::string Type(forms::Control& control, const std::string& text, bool selectAll) override;
    std::string Key(forms::Control& control, int keyCode, int shift) override;
    std::string Choose(forms::ComboBox& combo, int index) override;
    std::string Slide(forms::Slider& slider, long value) override;
    std::string ChooseMenu(forms::Menu& item) override;
    std::string Mouse(MouseAction action, forms::Form& form, forms::Control* control, int button, int shift,
                      double x, double y) override;
    std::string Resize(forms::Form& form, double width, double height) override;
    std::string Move(forms::Form& form, double left, double top) override;
    std::string Activate(forms::Form& form) override;
    std::string Close(forms::Form& form) override;
    std::string Maximise(forms::Form& form, bool maximised) override;
};

}  // namespace scenario
