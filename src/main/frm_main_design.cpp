// The main window as designed beyond what both main windows share: its
// caption, the logo, and the Tool, Precision and Information menus.
#include "main/frm_main.h"

namespace quillory {

using namespace forms;

void FrmMain::BuildDesign() {
    BuildCoreDesign({{3120, 4260, 5400, 6560}, 7590, 7680, 8400, 9720});
    SetCaption("Quillory 7.7.4");
    Image1.Move(240, 300, 1920, 915);
    // The correlation import opens the bore-hole list.
    Combo1.SetEnabled(false);
    // The Duo window's "Link range" is the switch; this one only shows it.
    mnuLink->SetEnabled(false);

    AddToolMenu('A', "mnuAlign", "Aign forms", "mnuShowTiePoints");
    mnuShowLabCodes = &AddMenu("mnuShowLabCodes", "Lab codes", mnuTool);
    mnuShowLabCodes->SetChecked(true);
    AddMenu("break97", "-", mnuTool);
    mnuQYDuo = &AddMenu("mnuQYDuo", "Open Quillory Duo", mnuTool);
    AddMenu("break997", "-", mnuTool);
    mnuPhoto = &AddMenu("mnuPhoto", "Show photo", mnuTool);
    mnuRX93 = &AddMenu("mnuRX93", "Correlation assist", mnuTool);

    mnuPrecision = &AddMenu("mnuPrecision", "Precision");
    Menu& depthPrecision = AddMenu("mnuDepthPrecision", "Depth", mnuPrecision);
    Menu& agePrecision = AddMenu("mnuAgePrecision", "Age", mnuPrecision);
    const char* decimals[] = {"0", "0.1", "0.01", "0.001", "0.0001"};
    for (int i = 0; i <= 4; ++i) AddMenu(mnuDepPrec, "mnuDepPrec", i, decimals[i], &depthPrecision);
    for (int i = 0; i <= 4; ++i) AddMenu(mnuAgePrec, "mnuAgePrec", i, decimals[i], &agePrecision);
    mnuDepPrec(2).SetChecked(true);
    mnuAgePrec(0).SetChecked(true);
    mnuAgePrec(4).SetVisible(false);

    mnuInfo = &AddMenu("mnuInfo", "Information");
    mnuHelp = &AddMenu("mnuHelp", "Help", mnuInfo);
    mnuHelp->SetEnabled(false);
    AddMenu("break35", "-", mnuInfo);
    mnuVersion = &AddMenu("mnuVersion", "Version info", mnuInfo);

    BuildCorePopups(PanelMenus::kMain);
}

}  // namespace quillory
