#pragma once
// A script's user actions as the window system's input: mouse and key
// events delivered to a top-level window at the control's place, so that Qt
// decides which widget receives them, keeps the implicit grab of a press,
// opens and closes its pop-up menus and moves the focus, as for a person.
// What is done to whole windows (resize, move, activate, close, maximise)
// is asked of the window system as a window manager does it
// (scripted_window_actions.cpp).
#include "scenario/script_input.h"

namespace forms {
class Menu;
}

namespace qtback {
class QtServices;
}

namespace scenario_qt {

class ScriptedQtInput : public scenario::ScriptInput {
public:
    explicit ScriptedQtInput(qtback::QtServices& services) : services_(services) {}

    std::string Click(forms::Control& control, bool twice) override;
    std::string Type(forms::Control& control, const std::string& text, bool selectAll) override;
    std::string Key(forms::Control& control, int keyCode, int shift) override;
    std::string Choose(forms::ComboBox& combo, int index) override;
    std::string Slide(forms::Slider& slider, long value) override;
    std::string ChooseMenu(forms::Menu& item) override;
    std::string Mouse(scenario::MouseAction action, forms::Form& form, forms::Control* control, int button, int shift,
                      double x, double y) override;
    std::string Resize(forms::Form& form, double width, double height) override;
    std::string Move(forms::Form& form, double left, double top) override;
    std::string Activate(forms::Form& form) override;
    std::string Close(forms::Form& form) override;
    std::string Maximise(forms::Form& form, bool maximised) override;

private:
    std::string Focus(forms::Control& control);
    qtback::QtServices& services_;
};

// Lets go of the mouse buttons a script pressed and did not release, where
// it pressed them: a person lets go before doing anything else.
void LetGo();

// Answers the pop-up menu that is open now (an item of it, or Escape when
// item is nullptr), as a person's click or key. Used while the menu's own
// event loop runs.
void AnswerOpenPopup(const forms::Menu* item);

}  // namespace scenario_qt
