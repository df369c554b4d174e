// The main window's display and command menus: font size, precision, the
// ruler's scale, the Level Divider, the target horizon, tie points and lab
// codes.
#include "tools/frm_divider.h"
#include "values/values.h"
#include "window/core_window.h"

namespace quillory {

using namespace forms;
using namespace values;

void CoreWindow::mnuSize_Click(int16_t index) {
    state.gFontSize = index;
    mnuSize(1).SetChecked(false);
    for (int i = 5; i <= 9; ++i) mnuSize(i).SetChecked(false);
    mnuSize(index).SetChecked(true);
    AnnounceTieLabels();
    DrawLamina();
    ShowFontSizeInTitles(index);
}

void CoreWindow::ShowFontSizeInTitles(int16_t size) {
    CoreWindow& other = Other();
    for (int i = 0; i <= 4; ++i) {
        Label1(i).SetFontSize(size + 1);
        other.Label1(i).SetFontSize(size + 1);
    }
}

void CoreWindow::mnuRuler_Click(bool depth) {
    mnuAge->SetChecked(!depth);
    mnuDepth->SetChecked(depth);
    Surface& ruler = BoreHole(5).Draw();
    ruler.Cls();
    DrawBH5();
    ruler.KeepDrawing();
}

void CoreWindow::mnuBH_Click(int16_t index) {
    state.gMenuBHBusy = true;
    state.gFromMenuBH = true;
    MouseDownProcedure(index, kRightButton, 0, 1, static_cast<float>(DrawnDepthOf(static_cast<float>(Val(Text2.Text())))));
    if (state.gDivLamina0Depth != state.gDivLamina1Depth) mnuDivider_Click();
    state.gMenuBHBusy = false;
}

void CoreWindow::mnuDivider_Click() {
    FrmDivider& divider = tools_.divider();
    if (Option1(0).Value()) {
        divider.Text2.SetVisible(true);
        divider.Label1.SetVisible(false);
    } else if (Option1(1).Value()) {
        divider.Text2.SetVisible(false);
        divider.Label1.SetVisible(true);
    }
    divider.Show();
    state.gDividerOpen = true;
}

void CoreWindow::mnuHorizontal_Click() {
    const bool on = !panelMenu[0].horizontal->Checked();
    mnuHorizontal->SetChecked(on);
    for (PanelMenu& pm : panelMenu) pm.horizontal->SetChecked(on);
    mnuHorizontalBH->SetChecked(on);
    // A line this window's pointer left in the other window goes too.
    EraseBothTargetLines();
    DrawLamina();
}

}  // namespace quillory
