// The Duo window's choice of drawing its columns on its own composite depth
// or fitted to the master core, and its range pass.
#include "duo/frm2_main.h"
#include "forms/values.h"

namespace quillory {

using namespace forms;

namespace {
constexpr int16_t kRangeItems[] = {20, 50, 100, 200, 500, 1000, 2000, 5000};
}  // namespace

int16_t Frm2Main::MainWindowRange() {
    CoreWindow& main = Other();
    for (int16_t v : kRangeItems)
        if (main.mnuCM(v).Checked()) return v;
    return kWholeCore;
}

void Frm2Main::Option4_Click() {
    if (Command1.Enabled()) {
        ProgressBar1.SetValue(0);
        ProgressBar1.SetVisible(false);
        return;
    }
    shared.gActionCount.Set(ActionCount::kUserAction);
    state.model.gVerticalScale = Option4(0).Value() ? 2 : 1;
    SetRange(MainWindowRange());
    DrawLamina();
    DrawBH5();
}

std::optional<double> Frm2Main::MainScaleBoxLevel() const {
    const CoreWindow& main = counterpart_.Window();
    if (main.Option2(1).Value()) return Val(Text2.Text());
    if (main.Option2(2).Value()) return Val(Text3.Text());
    if (main.Option2(3).Value()) return Val(Text4.Text());
    return std::nullopt;
}

void Frm2Main::ApplyRange(int16_t range) {
    CheckRange(range);
    if (!shared.gDuoModelLoaded) return;
    CoreWindow& main = Other();
    if (Option4(0).Value()) {
        state.gRange = main.state.gRange;
        for (int i = 0; i <= 5; ++i) {
            BoreHole(i).Draw().SetScaleTop(main.BoreHole(i).Draw().ScaleTop());
            BoreHole(i).Draw().SetScaleHeight(main.BoreHole(i).Draw().ScaleHeight());
        }
    } else {
        state.gRange = range == kWholeCore ? main.state.gRange : range;
        for (int i = 0; i <= 5; ++i) BoreHole(i).Draw().SetScaleHeight(state.gRange);
        if (range != kWholeCore) {
            if (std::optional<double> centre = MainScaleBoxLevel())
                for (int i = 0; i <= 5; ++i) BoreHole(i).Draw().SetScaleTop(*centre - state.gRange / 2.0);
        } else {
            MouseDownProcedure(0, kLeftButton, 0, 1, main.ToOtherCD(static_cast<float>(Val(main.Text2.Text()))));
        }
    }
    FollowColumns();
    DrawLamina();
    EraseTargetLines();
    main.EraseTargetLines();
}

}  // namespace quillory
