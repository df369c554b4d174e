#pragma once
// The vertical-axis question of a proxy import (frmSelect for the main
// window, frm2Select for the Duo window): a file that places its samples by
// one value does not say whether that value is a composite depth or an age.
// The window previews the file's first rows; OK converts the panel's
// positions and draws it, Cancel keeps them as read. While it is shown its
// window waits for it; every way out, its close box too, gives it back.
#include <cstdint>
#include <string>

#include "forms/controls.h"
#include "forms/form.h"
#include "model/proxy_preview.h"
#include "side/side_ref.h"

namespace quillory {

class FrmSelect : public forms::Form {
public:
    FrmSelect(forms::Application& app, const std::string& name, SideRef owner);

    // Fills the window for panel k: its place beside the owner, the preview
    // (rows beyond the file's samples empty) and the options the owner's
    // age-depth model allows now.
    void Prepare(int16_t panel, const model::ProxyPreview& preview);

    forms::Frame& Frame1 = Add<forms::Frame>("Frame1");
    forms::ControlArray<forms::OptionButton> Option1;
    forms::CommandButton& Command1 = Add<forms::CommandButton>("Command1");
    forms::CommandButton& Command2 = Add<forms::CommandButton>("Command2");
    forms::Frame& Frame2 = Add<forms::Frame>("Frame2");
    forms::ControlArray<forms::TextBox> Text1, Text2, Text3;
    // The panel the question is asked for.
    forms::Label& Label1 = Add<forms::Label>("Label1");

    const SideRef owner;

private:
    void BuildDesign();
    void Form_Load();
    void EnableAgeOptions();
    void Command1_Click();
    void Command2_Click();
    // The owner takes input again, its progress bar goes, its
    // composite-depth box gets the focus.
    void GiveBackOwner();

    bool answered_ = false;
};

}  // namespace quillory
