#include "tools/frm_divider.h"


namespace quillory {

FrmDivider::FrmDivider(forms::Application& app, const std::string& name, SideRef owner, SideState& ownerState)
    : Form(app, name) {
    SetCaption("Level Divider");
    Add<forms::ComboBox>(Combo1, "Combo1", 0).Move(240, 840, 975, 345);
    Add<forms::ComboBox>(Combo1, "Combo1", 1).Move(240, 3000, 975, 345);
    Combo1(0).SetText("Combo1");
    Combo1(1).SetText("Combo1");
    Picture1.Move(2160, 720, 735, 2715);
    Label5.Move(0, 0, 735, 255);
    Label5.SetCaption("Label5");
    Text2.Move(3000, 1680, 615, 285);
    Text2.SetText("Text2");
    Label1.Move(3000, 1920, 615, 255);
    Label1.SetCaption("Label1");
    Unload_ = [owner, &ownerState](int&) {
        // Closing the divider gives its window back to the user.
        if (SideWindow* window = owner.IfLoaded()) window->SetEnabled(true);
        ownerState.gDividerOpen = false;
    };
}

}  // namespace quillory
