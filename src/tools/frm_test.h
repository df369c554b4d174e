#pragma once
// The debugging window for the project's staff: its background is the trace
// surface the level road prints on, and three buttons show the version dates
// of the loaded models and clear the trace. Its other controls keep their
// design captions and do nothing.
#include <string>

#include "forms/controls.h"
#include "forms/form.h"
#include "side/side_state.h"

namespace quillory {

class FrmTest : public forms::Form {
public:
    FrmTest(forms::Application& app, const SideState& main);

    // The trace: cleared, then printed line under line from the top left.
    void Clear();
    void Print(const std::string& line);

    forms::CommandButton& Command1 = Add<forms::CommandButton>("Command1");
    forms::CommandButton& Command2 = Add<forms::CommandButton>("Command2");
    forms::CommandButton& Command3 = Add<forms::CommandButton>("Command3");
    // The age-depth model's version date and the correlation model's label.
    forms::TextBox& Text6 = Add<forms::TextBox>("Text6");
    forms::TextBox& Text7 = Add<forms::TextBox>("Text7");

private:
    void BuildDesign();
    void Command1_Click();

    const SideState& main_;
};

}  // namespace quillory
