// The start-up defaults both main windows give their side, and the controls
// a correlation model and a list of event layers open.
#include "model/correlation_import.h"
#include "tools/frm_divider.h"
#include "values/values.h"
#include "window/core_window.h"

namespace quillory {

using namespace forms;
using namespace values;

void CoreWindow::LoadPanelDefaults(bool& photoOpen) {
    model::DepthModel& m = state.model;
    // The window is narrowed so that the proxy panels lie outside it.
    SetWidth(Picture1(0).Left() + 120);
    Label10.SetCaption("");
    state.gFolded = false;
    state.gUnfoldedWidth = static_cast<float>(Width());
    state.gAxisTextEnabled = true;
    photoOpen = false;
    m.gVarvesLoaded = false;
    mnuPhoto->SetEnabled(false);
    for (PanelMenu& pm : panelMenu)
        for (Menu* item : {pm.flipH, pm.line, pm.marker, pm.smooth, pm.flat3, pm.flat5, pm.copy, pm.horizontal,
                           pm.filename})
            item->SetEnabled(false);
    mnuCopyDepth->SetEnabled(false);
    Combo2.SetEnabled(false);
    Combo5.SetEnabled(false);
    state.gFoldedWidth = CInt(static_cast<double>(Width()));
    state.gProxyLoaded.fill(false);
    for (int k = 0; k <= 4; ++k) {
        Combo3(k).SetText("---");
        Combo4(k).SetText("---");
        Text5(k).SetText("");
        Text6(k).SetText("");
        Check1(k).SetVisible(false);
        Combo3(k).SetVisible(false);
        Combo4(k).SetVisible(false);
        Text5(k).SetVisible(false);
        Text6(k).SetVisible(false);
        Command6(k).SetEnabled(false);
    }
    state.gLayoutA = Height();
    m.gAgeModelLoaded = false;
    m.gEventsLoaded = false;
    state.gFontSize = 7;
    state.gDriveIndex = 1;
    for (Menu* menu : {mnuRange, mnuFont, mnuTool, mnuInfo}) menu->SetEnabled(false);
}

void CoreWindow::LoadTrinityDefaults(const std::string& firstBoreHole) {
    model::DepthModel& m = state.model;
    // From here the holy-trinity handlers must not act on the start texts.
    state.gDrivenBy = DrivenBy::kHolding;
    Combo1.SetText(firstBoreHole);
    Combo2.Clear();
    Combo2.SetText("01");
    for (int i = 0; i <= 4; ++i) {
        BoreHole(i).Draw().SetScaleHeight(state.gRange);
        BoreHole(i).Draw().SetScaleWidth(7.6);
    }
    for (int k = 0; k <= 4; ++k) Picture1(k).Draw().SetScaleHeight(BoreHole(0).Draw().ScaleHeight());
    Text2.SetText("---");
    Text1.SetText("0");
    Line1.SetVisible(true);
    for (int i = 0; i <= 4; ++i) BoreHole(i).SetEnabled(false);
    Option2(1).SetValue(true);
    Option2(0).SetEnabled(false);
    Option2(1).SetEnabled(false);
    m.gVerticalScale = 1;
    state.gCentreY = CInt(BoreHole(1).Top() + BoreHole(1).Height() / 2.0);
    Line1.Y1 = Line1.Y2 = state.gCentreY;
    Line2(0).Y1 = state.gCentreY;
    tools_.divider.Unload();
    state.gDividerOpen = false;
    for (Control* c : std::initializer_list<Control*>{&Command3, &Command4, &Command5, &Command7, &Label5, &Option3(0),
                                                      &Option3(1)})
        c->SetEnabled(false);
    m.gEventCount = model::kNotLoaded;
    m.gMergedEventCount = model::kNotLoaded;
    state.gText3UserEdit = false;
    state.gMenuBHBusy = false;
    state.gFromMenuBH = false;
}

void CoreWindow::OpenModelControls() {
    for (int k = 0; k <= 4; ++k) {
        BoreHole(k).SetBackColor(RGB(255, 255, 255));
        BoreHole(k).SetEnabled(true);
    }
    BoreHole(5).SetEnabled(true);
    for (int k = 0; k <= 2; ++k) Option1(k).SetEnabled(true);
    Option2(0).SetEnabled(true);
    Option2(1).SetEnabled(true);
    Option1(0).SetValue(true);
    for (Control* c : std::initializer_list<Control*>{&Combo1, &Combo2, &Combo5, &Text1, &Text2, &Frame5})
        c->SetEnabled(true);
    for (int k = 5; k <= 8; ++k) Label1(k).SetEnabled(true);
    Label1(11).SetEnabled(true);
    Label2.SetEnabled(true);
    for (int k = 0; k <= 4; ++k) Command6(k).SetEnabled(true);
    Command7.SetEnabled(true);
    Command1.SetEnabled(false);
    Command2.SetEnabled(true);
    Command3.SetEnabled(true);
    if (Command3.Enabled()) Command3.SetFocus();
    for (Menu* menu : {mnuRange, mnuFont, mnuTool, mnuInfo}) menu->SetEnabled(true);
}

void CoreWindow::ShowCorrelationModel(const model::CorrelationImport& shown) {
    const model::DepthModel& m = state.model;
    for (int k = 1; k <= 4; ++k) {
        Label1(k).SetCaption(shown.columnTitles[k]);
        mnuBH(k).SetCaption(shown.boreHoleMenuCaptions[k]);
    }
    if (shown.sliderMax) {
        Slider1.SetMax(*shown.sliderMax);
        Other().Slider1.SetMax(*shown.sliderMax);
    }
    for (const std::string& item : shown.sectionNumbers) Combo2.AddItem(item);
    for (const std::string& item : shown.sectionNames) Combo5.AddItem(item);
    OpenModelControls();
    AnnounceTieLabels();
    TakeFirstLevel();
    EvaluateBoreHoleMenus(static_cast<float>(Val(Text2.Text())));
    Combo1.SetText(m.gBoreHoleName[1]);
    for (const std::string& item : shown.boreHoleItems) Combo1.AddItem(item);
    mnuCopyDepth->SetEnabled(true);
}

void CoreWindow::ShowEventList() {
    model::DepthModel& m = state.model;
    Command3.SetEnabled(false);
    for (Control* c : std::initializer_list<Control*>{&Label5, &Option3(0), &Option3(1)}) c->SetEnabled(true);
    // The event-free depth of the level shown.
    OfferLevel([&] {
        if (m.gEventCount == 0) {
            Text3.SetText(Text2.Text());
        } else {
            const std::string efd = DepthText(OwnCDToEFD(static_cast<float>(Val(Label1(8).Caption()))));
            Label1(10).SetCaption(efd);
            Text3.SetText(efd);
        }
    });
    DrawLamina();
    Draw().Cls();
    Touch();
    const bool typeIn = Option1(0).Value();
    if (typeIn || Option1(2).Value())
        for (Control* c : std::initializer_list<Control*>{&Label1(9), &Label1(10), &Label3, &Text3})
            c->SetEnabled(typeIn);
}

}  // namespace quillory
