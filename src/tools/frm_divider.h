#pragma once
// The Level Divider of one main window: its two lamina lists, its section
// caption and the two controls the owner shows or hides before it opens the
// window.
#include <string>

#include "forms/controls.h"
#include "forms/form.h"
#include "side/side_ref.h"

namespace quillory {

class FrmDivider : public forms::Form {
public:
    FrmDivider(forms::Application& app, const std::string& name, SideRef owner, SideState& ownerState);
    forms::ControlArray<forms::ComboBox> Combo1;
    forms::PictureBox& Picture1 = Add<forms::PictureBox>("Picture1");
    // Bore-hole name, "-" and section name; read back by the owner.
    forms::Label& Label5 = Add<forms::Label>("Label5", -1, &Picture1);
    forms::TextBox& Text2 = Add<forms::TextBox>("Text2");
    forms::Label& Label1 = Add<forms::Label>("Label1");
};

}  // namespace quillory
