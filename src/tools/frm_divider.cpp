#include "tools/frm_divider.h"

#include "main/quillory.h"

namespace quillory {

FrmDivider::FrmDivider(Quillory& q) : Form(q.app, "frmDivider") {
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
    Unload_ = [&q](int&) {
        // Closing the divider gives the main window back to the user.
        if (FrmMain* main = q.frmMain.IfLoaded()) main->SetEnabled(true);
        q.main.gDividerOpen = false;
    };
}

}  // namespace quillory
