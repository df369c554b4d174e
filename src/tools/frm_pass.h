#pragma once
// The lock of the debugging window ("Staff only"): OK is usable only while
// the box holds one of the staff passwords, and an accepted password opens
// the debugging window and leaves the lock open until the program ends.
#include <string>

#include "forms/application.h"
#include "forms/controls.h"
#include "forms/form.h"
#include "side/shared_state.h"

namespace quillory {

class FrmTest;

class FrmPass : public forms::Form {
public:
    FrmPass(forms::Application& app, forms::FormSlot<FrmTest>& test, SharedState& shared);

    // Compared exactly: letter case and blanks count.
    static bool IsStaffPassword(const std::string& text);

    forms::ControlArray<forms::Label> Label1;
    forms::TextBox& Text1 = Add<forms::TextBox>("Text1");
    forms::CommandButton& Command1 = Add<forms::CommandButton>("Command1");
    forms::CommandButton& Command2 = Add<forms::CommandButton>("Command2");

private:
    void BuildDesign();
    void Text1_Change();
    void Command1_Click();

    forms::FormSlot<FrmTest>& test_;
    SharedState& shared_;
};

}  // namespace quillory
