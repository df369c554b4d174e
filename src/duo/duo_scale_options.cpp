// The Duo window's choice of drawing its columns on its own composite depth
// or fitted to the master core, and its range pass.
#include "duo/frm2_main.h"
#include "values/values.h"

namespace quillory {

using namespace forms;
using namespace values;

void Frm2Main::Option4_Click() {
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

int16_t Frm2Main::WholeCoreRange() { return Other().state.gRange; }

float Frm2Main::WholeCorePick() {
    CoreWindow& main = Other();
    return static_cast<float>(DrawnDepthOf(main.ToOtherCD(static_cast<float>(Val(main.Text2.Text())))));
}

void Frm2Main::AfterRangePass() { Other().EraseTargetLines(); }

}  // namespace quillory
