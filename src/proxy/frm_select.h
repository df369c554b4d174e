#pragma once
// The vertical-axis question of a proxy import (frmSelect for the main
// window, frm2Select for the Duo window), asked for the window whose panel
// takes the file.
#include <string>

#include "forms/form.h"
#include "side/side_ref.h"

namespace quillory {

class FrmSelect : public forms::Form {
public:
    FrmSelect(forms::Application& app, const std::string& name, SideRef owner) : Form(app, name), owner(owner) {
        SetCaption("Select");
    }
    const SideRef owner;
};

}  // namespace quillory
