// The main window's display and command menus: font size, precision, the
// ruler's scale, the Level Divider, the target horizon, tie points and lab
// codes.
#include "forms/values.h"
#include "main/frm_main.h"
#include "main/quillory.h"

namespace quillory {

using namespace forms;

void FrmMain::mnuSize_Click(int16_t index) {
    s_.gFontSize = index;
    mnuSize(1).SetChecked(false);
    for (int i = 5; i <= 9; ++i) mnuSize(i).SetChecked(false);
    mnuSize(index).SetChecked(true);
    DrawLamina();
    Frm2Main& duo = q_.frm2Main();
    for (int i = 0; i <= 4; ++i) {
        Label1(i).SetFontSize(index + 1);
        duo.Label1(i).SetFontSize(index + 1);
    }
}

void FrmMain::mnuRuler_Click(bool depth) {
    mnuAge->SetChecked(!depth);
    mnuDepth->SetChecked(depth);
    Surface& ruler = BoreHole(5).Draw();
    ruler.Cls();
    DrawBH5();
    ruler.KeepDrawing();
}

void FrmMain::mnuBH_Click(int16_t index) {
    s_.gMenuBHBusy = true;
    s_.gFromMenuBH = true;
    MouseDownProcedure(index, kRightButton, 0, 1, static_cast<float>(Val(Text2.Text())));
    if (s_.gDivLamina0Depth != s_.gDivLamina1Depth) mnuDivider_Click();
    s_.gMenuBHBusy = false;
}

void FrmMain::mnuDivider_Click() {
    FrmDivider& divider = q_.frmDivider();
    if (Option1(0).Value()) {
        divider.Text2.SetVisible(true);
        divider.Label1.SetVisible(false);
    } else if (Option1(1).Value()) {
        divider.Text2.SetVisible(false);
        divider.Label1.SetVisible(true);
    }
    divider.Show();
    s_.gDividerOpen = true;
}

void FrmMain::mnuHorizontal_Click() {
    const bool on = !panelMenu[0].horizontal->Checked();
    mnuHorizontal->SetChecked(on);
    for (PanelMenu& pm : panelMenu) pm.horizontal->SetChecked(on);
    mnuHorizontalBH->SetChecked(on);
    EraseTargetLines();
    DrawLamina();
}

}  // namespace quillory
