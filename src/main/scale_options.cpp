// The extrapolation options.
#include "main/frm_main.h"
#include "model/extrapolation.h"

namespace quillory {

void FrmMain::Option4_Click() {
    model::DepthModel& m = state.model;
    m.gExtrapolation = Option4(0).Value() ? model::Extrapolation::kProportional : model::Extrapolation::kOneToOne;
    if (!Command1.Enabled()) {
        ProgressBar1.SetValue(0);
        ProgressBar1.SetVisible(true);
        ProgressBar1.SetMin(0);
        ProgressBar1.SetMax(4.0 * m.gRowCount);
        model::RecomputeDerivedDepths(m, DuoModel());
        if (m.gRowCount > 1) RecentreOnTrinity();
        DrawLamina();
    }
    ProgressBar1.SetValue(0);
    ProgressBar1.SetVisible(false);
}

}  // namespace quillory
