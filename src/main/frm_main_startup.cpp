// Start-up of the main window.
#include "main/frm_main.h"
#include "tools/frm_divider.h"
#include "values/values.h"

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
    LoadPanelDefaults(shared.photo[0].gPhotoOpen);
    state.gRange = 500;
    mnuCM(500).SetChecked(true);
    LoadTrinityDefaults("A");
    SetHeight(Frame2.Top() + Frame2.Height() + 1080);
}

}  // namespace quillory
