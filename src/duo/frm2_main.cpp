// The Duo window's design and the handlers of what only it has: its scale
// frame, the warning lamp, the Correlation-model and event-list buttons.
#include "duo/frm2_main.h"

#include "forms/colour.h"

namespace quillory {

using namespace forms;

Frm2Main::Frm2Main(Application& app, const CoreEnvironment& env, DuoSide& duoSide)
    : CoreWindow(app, "frm2Main", env), duo_(duoSide) {
    BuildDesign();
    WireHandlers();
    WireDuoHandlers();
    Load = [this] { Form_Load(); };
}

void Frm2Main::BuildDesign() {
    // The slider stands left of the ruler, as the main window's does, with
    // its thumb clear of the ruler (the thumb's middle lies 60 to 90 twips
    // into the slider) and the bare window right of the composite column as
    // wide as the main window's. The ruler stands a little right of the
    // fourth bore hole to make room, its age axis still clear of the
    // composite column.
    BuildCoreDesign({{3120, 4260, 5400, 6555}, 7515, 7605, 8280, 9600});
    SetCaption(" QuilloryDuo ");
    Move(0, 0, 11730, 11055);
    // The Duo's scale frame takes the main window's place of the scale frame,
    // with the conversion and photo commands; its drawing scale mirrors the
    // main window's in the hidden Frame2.
    Frame2.SetVisible(false);
    // Its own age-depth model reader is hidden, as its varve counts are: the
    // Duo takes the main window's model.
    Command4.SetVisible(false);
    // The ruler takes presses once the Duo model is read.
    BoreHole(5).SetEnabled(false);
    Frame1.Move(120, 7320, 2760, 2655);
    Frame1.SetVisible(true);
    Label6.SetCaption("Vertical scale for drawing");
    Label6.Move(120, 240, 2520, 255);
    Label6.SetEnabled(false);
    Option4(0).SetCaption("Fit to the master core");
    Option4(1).SetCaption("Duo's own depth");
    Option4(0).Move(240, 540, 2400, 255);
    Option4(1).Move(240, 840, 2400, 255);
    Option4(1).SetValue(true);
    for (CommandButton* c : {&Command2, &Command7}) c->SetContainer(&Frame1);

    // The warning lamp at the left edge beside "List of event layers".
    Shape1.Move(0, 1500, 255, 200);
    Shape1.ShapeType = 3;
    Shape1.FillStyle = 0;
    Shape1.FillColor = RGB(255, 0, 0);
    Shape1.SetVisible(false);
    Timer1.SetInterval(0);

    AddToolMenu('E', "mnu2Align", "Align forms", "mnu2ShowTiePoints");
    // Items kept hidden, without an effect of their own.
    AddMenu("mnuShowCorrelPoints", "Correlation points", mnuTool).SetVisible(false);
    AddMenu("break997", "-", mnuTool);
    mnuPhoto = &AddMenu("mnuPhoto", "Show photo", mnuTool);
    AddMenu("mnuRX93", "Quick correlator", mnuTool).SetVisible(false);
    mnuInfo = &AddMenu("mnuInfo", "Information");
    AddMenu("mnuHelp", "Help", mnuInfo).SetEnabled(false);
    AddMenu("break35", "-", mnuInfo);
    mnuVersion = &AddMenu("mnuVersion", "Version info", mnuInfo);

    BuildCorePopups(PanelMenus::kDuo);
}

void Frm2Main::WireDuoHandlers() {
    Command1.Click = [this] { Command1_Click(); };
    Command3.Click = [this] { ClickCommand3(true); };
    Timer1.OnTimer = [this] { Timer1_Timer(); };
    for (auto& [k, o] : Option4) o->Click = [this] { Option4_Click(); };
    // The input modes are read by other handlers; a click on one does nothing.
}

}  // namespace quillory
