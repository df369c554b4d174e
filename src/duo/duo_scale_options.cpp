// The Duo window's scale options: its own choice of drawing its columns on
// its own composite depth or fitted to the master core, and the hidden scale
// buttons that mirror the main window's choice; and its range pass.
#include "duo/frm2_main.h"
#include "forms/values.h"

namespace quillory {

using namespace forms;

void Frm2Main::Option4_Click() {
    // The choice also decides how the Duo places positions beyond a
    // section's ties (model::TrinityRule2).
    duo_.master.gFitToMaster = Option4(0).Value();
    if (Command1.Enabled()) {
        ProgressBar1.SetValue(0);
        ProgressBar1.SetVisible(false);
        return;
    }
    shared.gActionCount.Set(ActionCount::kUserAction);
    state.model.gVerticalScale = Option4(0).Value() ? 2 : 1;
    SetRange(Other().CheckedRange());
    DrawLamina();
    DrawBH5();
}

// The Duo window's scale choice follows the main window's for drilling and
// composite depth and re-centres both windows on their positions.
void Frm2Main::Option2_Click() {
    int k = Option2(0).Value() ? 0 : Option2(1).Value() ? 1 : -1;
    CoreWindow& main = Other();
    if (k >= 0) {
        main.Option2(k).SetValue(true);
        state.model.gVerticalScale = static_cast<int16_t>(k);
    }
    if (main.state.model.gRowCount > 1) {
        main.SearchCoreTop();
        main.GetCompositDepth();
    }
    if (state.model.gRowCount > 1) {
        SearchCoreTop();
        GetCompositDepth();
    }
}

int16_t Frm2Main::WholeCoreRange() { return Other().state.gRange; }

float Frm2Main::WholeCorePick() {
    CoreWindow& main = Other();
    return static_cast<float>(DrawnDepthOf(main.ToOtherCD(static_cast<float>(Val(main.Text2.Text())))));
}

void Frm2Main::AfterRangePass() { Other().EraseTargetLines(); }

}  // namespace quillory
