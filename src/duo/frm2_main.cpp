#include "duo/frm2_main.h"

#include "main/core_window_design.h"
#include "main/quillory.h"

namespace quillory {

using namespace forms;

Frm2Main::Frm2Main(Quillory& q) : Form(q.app, "frm2Main"), q_(q) {
    SetCaption(" QuilloryDuo ");
    Move(0, 0, 11730, 11055);
    Text2.Move(1440, 4560, 1095, 285);
    Text3.Move(1440, 5160, 1095, 285);
    Text4.Move(1440, 6000, 1095, 285);
    Text2.SetText("---");
    for (TextBox* t : {&Text2, &Text3, &Text4}) {
        t->Alignment = 1;
        t->SetEnabled(false);
    }
    Label7.SetCaption("Age (unspecified unit)");
    Label8.SetCaption("Error:  --- ");
    Slider1.Move(7590, 120, 255, 9015);
    Frame2.Move(120, 7320, 2760, 2655);
    AddScaleOptions(*this, Option2, Frame2);
    for (auto& [k, o] : Option2) o->Click = [this] { Option2_Click(); };
    Frame4.Move(120, 6480, 2760, 780);
    Add<OptionButton>(Option4, "Option4", 0, &Frame4).SetCaption("Fit to the master core");
    Add<OptionButton>(Option4, "Option4", 1, &Frame4).SetCaption("Duo's own depth");
    Option4(0).Move(120, 180, 2520, 255);
    Option4(1).Move(120, 450, 2520, 255);
    Option4(1).SetValue(true);
    for (int k = 0; k <= 5; ++k) Add<PictureBox>(BoreHole, "BoreHole", k);
    for (int k = 0; k <= 4; ++k) Add<PictureBox>(Picture1, "Picture1", k);
    for (int k = 0; k <= 4; ++k) Add<Label>(Label1, "Label1", k);

    AddRangeMenu(*this, mnuRange, mnuLink, mnuCM);
    Menu& rightButton = AddMenu("mnuRB", "RightButton");
    rightButton.SetVisible(false);
    mnuHorizontal = &AddMenu("mnuHorizontal", "Target horizon", &rightButton);
    mnuHorizontal->SetChecked(true);

    Unload_ = [this](int&) { q_.ShutDown(*this); };
    Terminate = [this] { q_.ShutDown(*this); };
}

// The Duo window's scale choice follows the main window's for drilling and
// composite depth and re-centres the main window on its position.
void Frm2Main::Option2_Click() {
    int k = Option2(0).Value() ? 0 : Option2(1).Value() ? 1 : -1;
    if (k < 0) return;
    FrmMain& main = q_.frmMain();
    main.Option2(k).SetValue(true);
    q_.duo.gVerticalScale2 = static_cast<int16_t>(k);
    if (q_.main.model.gRowCount > 1) {
        main.SearchCoreTop();
        main.GetCompositDepth();
    }
}

}  // namespace quillory
