// The vertical-scale and extrapolation options.
#include "duo/duo_link.h"
#include "main/frm_main.h"
#include "main/quillory.h"
#include "model/extrapolation.h"

namespace quillory {

void FrmMain::Option2_Click() {
    int16_t k = 0;
    while (k < 3 && !Option2(k).Value()) ++k;
    q_.frm2Main().Option2(k).SetValue(true);
    s_.model.gVerticalScale = k;
    if (s_.model.gRowCount > 1) {
        SearchCoreTop();
        GetCompositDepth();
    }
}

void FrmMain::Option4_Click() {
    model::DepthModel& m = s_.model;
    m.gExtrapolation = Option4(0).Value() ? model::Extrapolation::kProportional : model::Extrapolation::kOneToOne;
    if (!Command1.Enabled()) {
        ProgressBar1.SetValue(0);
        ProgressBar1.SetVisible(true);
        ProgressBar1.SetMin(0);
        ProgressBar1.SetMax(4.0 * m.gRowCount);
        model::RecomputeDerivedDepths(m, DuoLink(q_));
        if (m.gRowCount > 1) {
            SearchCoreTop();
            GetCompositDepth();
        }
        DrawLamina();
    }
    ProgressBar1.SetValue(0);
    ProgressBar1.SetVisible(false);
}

}  // namespace quillory
