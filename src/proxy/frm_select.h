#pragma once
// The vertical-axis question of a proxy import (frmSelect for the main
// window, frm2Select for the Duo window).
#include <string>

#include "forms/form.h"

namespace quillory {

class FrmSelect : public forms::Form {
public:
    FrmSelect(forms::Application& app, const std::string& name) : Form(app, name) { SetCaption("Select"); }
};

}  // namespace quillory
