#include "tools/frm_pass.h"

#include <algorithm>
#include <array>

#include "tools/frm_test.h"

namespace quillory {

using namespace forms;

namespace {

const std::array<std::string, 4> kStaffPasswords = {"Corvan", "corvan", "Mopa7152", "tanvel4817"};

// The refusal names whom to ask, not how to reach them: the address is the
// project's to fill in.
const std::string kRefusal = "Incorrect password. Contact project manager. (contact address)";

// Focus moves only within a window the user can reach.
template <class C>
void Focus(C& control) {
    if (control.AcceptsUserInput()) control.SetFocus();
}

}  // namespace

FrmPass::FrmPass(Application& app, FormSlot<FrmTest>& test, SharedState& shared)
    : Form(app, "frmPass"), test_(test), shared_(shared) {
    BuildDesign();
    Text1.Change = [this] { Text1_Change(); };
    Command1.Click = [this] { Command1_Click(); };
    Command2.Click = [this] { Unload(); };
}

bool FrmPass::IsStaffPassword(const std::string& text) {
    return std::find(kStaffPasswords.begin(), kStaffPasswords.end(), text) != kStaffPasswords.end();
}

void FrmPass::BuildDesign() {
    SetCaption("Staff only");
    BorderStyle = 1;
    Move(0, 0, 2415 + kFrameWidth, 1470 + kFrameHeight);
    Label& prompt = Add<Label>(Label1, "Label1", 0);
    prompt.Move(120, 120, 2175, 495);
    prompt.SetCaption("Please enter password to log in to the debugging console.");
    Text1.Move(120, 600, 2175, 285);
    Text1.TabIndex = 1;
    Command1.Move(120, 1020, 1095, 315);
    Command1.SetCaption("OK");
    Command1.SetEnabled(false);
    Command1.TabIndex = 0;
    Command2.Move(1200, 1020, 1095, 315);
    Command2.SetCaption("Cancel");
    Command2.TabIndex = 3;
}

// The keystroke that completes a password moves the focus to OK at once.
void FrmPass::Text1_Change() {
    if (IsStaffPassword(Text1.Text())) {
        Command1.SetEnabled(true);
        Focus(Command1);
    } else {
        Focus(Text1);
        Command1.SetEnabled(false);
    }
}

void FrmPass::Command1_Click() {
    if (IsStaffPassword(Text1.Text())) {
        test_().Show();
        shared_.gDebugUnlocked = true;
        Text1.SetText("");
        Hide();
    } else {
        App().MsgBox(kRefusal, vbOKOnly, "Unauthorised");
        Text1.SetText("");
    }
}

}  // namespace quillory
