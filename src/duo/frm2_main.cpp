#include "duo/frm2_main.h"

#include "forms/values.h"

namespace quillory {

using namespace forms;

Frm2Main::Frm2Main(Application& app, const CoreEnvironment& env) : CoreWindow(app, "frm2Main", env) {
    BuildDesign();
    for (auto& [k, o] : Option2) o->Click = [this] { Option2_Click(); };
}

void Frm2Main::BuildDesign() {
    BuildCoreDesign();
    SetCaption(" QuilloryDuo ");
    Move(0, 0, 11730, 11055);
    // The Duo's own choice: its columns fitted to the master core, or on its
    // own composite depth.
    Frame1.Move(120, 6480, 2760, 780);
    Frame1.SetVisible(true);
    Label6.SetVisible(false);
    Option4(0).SetCaption("Fit to the master core");
    Option4(1).SetCaption("Duo's own depth");
    Option4(0).Move(120, 180, 2520, 255);
    Option4(1).Move(120, 450, 2520, 255);

    AddToolMenu('E', "Align forms");
    AddMenu("break997", "-", mnuTool);
    mnuPhoto = &AddMenu("mnuPhoto", "Show photo", mnuTool);
    mnuInfo = &AddMenu("mnuInfo", "Information");
    mnuVersion = &AddMenu("mnuVersion", "Version info", mnuInfo);

    BuildCorePopups();
}

// The Duo window's scale choice follows the main window's for drilling and
// composite depth and re-centres the main window on its position.
void Frm2Main::Option2_Click() {
    int k = Option2(0).Value() ? 0 : Option2(1).Value() ? 1 : -1;
    if (k < 0) return;
    CoreWindow& main = Other();
    main.Option2(k).SetValue(true);
    state.model.gVerticalScale = static_cast<int16_t>(k);
    if (main.state.model.gRowCount > 1) {
        main.SearchCoreTop();
        main.GetCompositDepth();
    }
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
            // The box is chosen by the main window's scale.
            std::optional<double> centre;
            if (main.Option2(1).Value()) centre = Val(Text2.Text());
            else if (main.Option2(2).Value()) centre = Val(Text3.Text());
            else if (main.Option2(3).Value()) centre = Val(Text4.Text());
            if (centre)
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
