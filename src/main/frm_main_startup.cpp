// Start-up and shut-down of the main window, and its activation handlers.
#include "forms/values.h"
#include "main/frm_main.h"
#include "tools/frm_divider.h"

namespace quillory {

using namespace forms;

// The precision items carry the delivered setting; the last checked one wins.
static int16_t CheckedIndex(const ControlArray<Menu>& items) {
    int16_t result = 0;
    for (int k = 0; k <= 4; ++k)
        if (items(k).Checked()) result = static_cast<int16_t>(k);
    return result;
}

void FrmMain::Form_Load() {
    model::DepthModel& m = state.model;
    shared.precision.gDepthPrecision = CheckedIndex(mnuDepPrec);
    shared.precision.gAgePrecision = CheckedIndex(mnuAgePrec);
    shared.gDebugUnlocked = false;
    Frame5.SetEnabled(false);
    state.gBoreHoleEmpty.fill(false);
    OtherState().gBoreHoleEmpty.fill(false);
    state.gRange = 500;
    state.gAgeDepthCol = 5;
    state.gEventDepthCol = 6;
    shared.gDuoModelLoaded = false;
    for (Menu* item : {mnuAge, mnuDepth, mnuQYDuo, mnuAlign}) item->SetEnabled(false);
    // The window is narrowed so that the proxy panels lie outside it.
    SetWidth(Picture1(0).Left() + 120);
    Label10.SetCaption("");
    state.gFolded = false;
    state.gUnfoldedWidth = static_cast<float>(Width());
    state.gAxisTextEnabled = true;
    shared.photo[0].gPhotoOpen = false;
    m.gVarvesLoaded = false;
    mnuPhoto->SetEnabled(false);
    for (PanelMenu& pm : panelMenu)
        for (Menu* item : {pm.flipH, pm.line, pm.marker, pm.smooth, pm.flat3, pm.flat5, pm.copy, pm.horizontal,
                           pm.filename})
            item->SetEnabled(false);
    mnuCopyDepth->SetEnabled(false);
    Combo2.SetEnabled(false);
    Combo5.SetEnabled(false);
    state.gFoldedWidth = CInt(static_cast<double>(Width()));
    state.gProxyLoaded.fill(false);
    for (int k = 0; k <= 4; ++k) {
        Combo3(k).SetText("---");
        Combo4(k).SetText("---");
        Text5(k).SetText("");
        Text6(k).SetText("");
        Check1(k).SetVisible(false);
        Combo3(k).SetVisible(false);
        Combo4(k).SetVisible(false);
        Text5(k).SetVisible(false);
        Text6(k).SetVisible(false);
        Command6(k).SetEnabled(false);
    }
    state.gLayoutA = Height();
    m.gAgeModelLoaded = false;
    m.gEventsLoaded = false;
    state.gFontSize = 7;
    state.gDriveIndex = 1;
    for (Menu* menu : {mnuRange, mnuFont, mnuTool, mnuInfo}) menu->SetEnabled(false);
    state.gRange = 500;
    mnuCM(500).SetChecked(true);
    // From here the holy-trinity handlers must not act on the start texts.
    state.gDrivenBy = DrivenBy::kHolding;
    Combo1.SetText("A");
    Combo2.Clear();
    Combo2.SetText("01");
    for (int i = 0; i <= 4; ++i) {
        BoreHole(i).Draw().SetScaleHeight(state.gRange);
        BoreHole(i).Draw().SetScaleWidth(7.6);
    }
    for (int k = 0; k <= 4; ++k) {
        Picture1(k).Draw().SetScaleHeight(BoreHole(0).Draw().ScaleHeight());
    }
    Text2.SetText("---");
    Text1.SetText("0");
    Line1.SetVisible(true);
    for (int i = 0; i <= 4; ++i) BoreHole(i).SetEnabled(false);
    Option2(1).SetValue(true);
    Option2(0).SetEnabled(false);
    Option2(1).SetEnabled(false);
    m.gVerticalScale = 1;
    state.gCentreY = CInt(BoreHole(1).Top() + BoreHole(1).Height() / 2.0);
    Line1.Y1 = Line1.Y2 = state.gCentreY;
    Line2(0).Y1 = state.gCentreY;
    tools_.divider.Unload();
    state.gDividerOpen = false;
    for (Control* c : std::initializer_list<Control*>{&Command3, &Command4, &Command5, &Command7, &Label5, &Option3(0),
                                                      &Option3(1)})
        c->SetEnabled(false);
    m.gEventCount = model::kNotLoaded;
    m.gMergedEventCount = model::kNotLoaded;
    state.gText3UserEdit = false;
    state.gMenuBHBusy = false;
    state.gFromMenuBH = false;
    SetHeight(Frame2.Top() + Frame2.Height() + 1080);
}

void FrmMain::Form_Activate() {
    // The divider's unload handler gives the main window back.
    tools_.divider.Unload();
    state.gDividerOpen = false;
    Touch();
}

void FrmMain::Form_GotFocus() {
    Draw().Cls();
    Touch();
    // Reading the Duo window's place loads it, hidden, on the first focus.
    CoreWindow& duo = Other();
    shared.gFormMouse[2] = static_cast<float>(duo.Top() + duo.Height());
    shared.gFormMouse[0] = 0;
}

}  // namespace quillory
