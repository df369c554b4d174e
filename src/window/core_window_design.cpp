// The design both main windows share: every control's place, size, caption
// and design state, the Range and Font menus and the pop-up menus of the
// columns, the ruler and the proxy panels. Positions are twips in the window
// (or in the frame that holds the control).
#include <utility>

#include "forms/colour.h"
#include "window/column_drawing.h"
#include "window/core_window.h"

namespace quillory {

using namespace forms;

namespace {

// The inner area at design; the outer size adds the frame and the menu bar.
constexpr int kDesignInnerWidth = 11490;
constexpr int kDesignInnerHeight = 10185;

constexpr int kBoxLeft = 1440, kBoxWidth = 1095, kBoxHeight = 285;
constexpr int kColumnTop = 240, kColumnHeight = 8775, kColumnWidth = 975;
constexpr int kPanelStep = 1740, kPanelWidth = 1575;
// A bore hole's title ("Core QL22-1 (A)") is wider than its column: it
// reaches evenly into the gaps on both sides, short of its neighbours'
// titles and of the slider after the last column.
constexpr int kBoreHoleTitleWidth = 1080;

void Place(Control& c, int left, int top, int width, int height) { c.Move(left, top, width, height); }

Label& Titled(Label& l, const std::string& caption) {
    l.SetCaption(caption);
    return l;
}

}  // namespace

// Option2(0) to (3) in the frame: drilling depth (hidden), composite depth
// (selected), event-free depth and age (disabled).
void CoreWindow::AddScaleOptions(ControlArray<OptionButton>& option2, Frame& frame) {
    const char* scales[] = {"Drilling depth", "Composite depth", "Event free depth (EFD)", "Age"};
    for (int k = 0; k < 4; ++k) {
        OptionButton& o = Add<OptionButton>(option2, "Option2", k, &frame);
        o.Move(240, 540 + 300 * k, 2400, 255);
        o.SetCaption(scales[k]);
    }
    option2(1).SetValue(true);
    option2(0).SetVisible(false);
    option2(2).SetEnabled(false);
    option2(3).SetEnabled(false);
}

void CoreWindow::BuildCoreDesign(const ColumnPlaces& places) {
    Move(0, 0, kDesignInnerWidth + kFrameWidth, kDesignInnerHeight + kFrameHeight + kMenuBarHeight);
    // The hidden read-out of the rows of the last position search.
    Place(Label4, 120, 480, 975, 255);
    Label4.SetVisible(false);

    // " Import ": one button per model file, enabled in the order of use,
    // below the logo; the varve counts' button is never shown.
    Place(Frame4, 120, 1260, 2760, 1260);
    Frame4.SetCaption(" Import ");
    Place(Command1, 120, 180, 2520, 315);
    Command1.SetCaption("Correlation model");
    Place(Command3, 120, 540, 2520, 315);
    Command3.SetCaption("List of event layers");
    Place(Command4, 120, 900, 2520, 315);
    Command4.SetCaption("Age-depth model");
    Place(Command5, 120, 900, 2520, 315);
    Command5.SetCaption("Varve counts");
    Command5.SetVisible(false);

    // " Holy trinity ": bore hole, section number and section name.
    Place(Frame5, 120, 2520, 2760, 1140);
    Frame5.SetCaption(" Holy trinity ");
    Place(Combo1, 1320, 360, 855, 345);
    Place(Combo2, 1320, 720, 855, 345);
    Place(Combo5, 1320, 720, 855, 345);
    Titled(Add<Label>(Label1, "Label1", 5, &Frame5), "Bore hole").Move(120, 390, 1140, 255);
    Titled(Add<Label>(Label1, "Label1", 6, &Frame5), "Section").Move(120, 750, 1140, 255);

    // Type-in boxes with their titles and read-outs.
    Titled(Add<Label>(Label1, "Label1", 7), "PSP (cm):").Move(120, 3750, 1260, 255);
    Place(Text1, kBoxLeft, 3720, kBoxWidth, kBoxHeight);
    Titled(Add<Label>(Label1, "Label1", 11), "Defined position (PSP)").Move(120, 4020, 2760, 255);
    Titled(Label2, "Composite depth").Move(120, 4320, 2760, 255);
    Titled(Add<Label>(Label1, "Label1", 8), "").Move(120, 4590, 1260, 255);
    Place(Text2, kBoxLeft, 4560, kBoxWidth, kBoxHeight);
    Text2.SetFontBold(true);
    Text2.SetText("---");
    Titled(Add<Label>(Label1, "Label1", 9), "Event free depth (cm):").Move(120, 4890, 2760, 255);
    Titled(Add<Label>(Label1, "Label1", 10), "").Move(120, 5190, 1260, 255);
    Place(Text3, kBoxLeft, 5160, kBoxWidth, kBoxHeight);
    Titled(Label3, "Event free depth (EFD)").Move(120, 5460, 2760, 255);
    Titled(Label7, "Age (unspecified unit)").Move(120, 5730, 2760, 255);
    Place(Text4, kBoxLeft, 6000, kBoxWidth, kBoxHeight);
    Titled(Label8, "Error:  --- ").Move(120, 6330, 2760, 255);
    Titled(Label9, "").Move(120, 6600, 2760, 255);
    Titled(Label10, "").Move(120, 6870, 2760, 255);
    for (TextBox* t : {&Text1, &Text2, &Text3, &Text4}) {
        t->Alignment = 1;
        t->SetEnabled(false);
    }
    for (int i : {8, 10}) Label1(i).Alignment = 1;

    // Connector from the focused box to the centre line of the columns.
    Line1.X1 = 3120; Line1.Y1 = 5760; Line1.X2 = 2880; Line1.Y2 = 5760;
    Line1.SetVisible(false);
    LineControl& l0 = Add<LineControl>(Line2, "Line2", 0);
    l0.X1 = 2880; l0.Y1 = 5760; l0.X2 = 2880; l0.Y2 = 3720 + 120;
    LineControl& l1 = Add<LineControl>(Line2, "Line2", 1);
    l1.X1 = 2880; l1.Y1 = 3720 + 120; l1.X2 = 2520; l1.Y2 = 3720 + 120;

    // Vertical scale of the drawing, with the conversion and photo commands.
    Place(Frame2, 120, 7320, 2760, 2655);
    Titled(Label11, "Vertical scale for drawing").Move(120, 240, 2520, 255);
    AddScaleOptions(Option2, Frame2);
    Place(Command2, 120, 1800, 2520, 315);
    Command2.SetCaption("Convert from data file");
    Command2.SetEnabled(false);
    Place(Command7, 120, 2220, 2520, 315);
    Command7.SetCaption("Photo");

    // Settings without a visible control: extrapolation, overlapping events
    // and the legacy input modes sit in hidden frames.
    Place(Frame1, 3120, 9240, 2760, 780);
    Frame1.SetVisible(false);
    Titled(Label6, "Extrapolation method:").Move(120, 0, 2520, 255);
    Add<OptionButton>(Option4, "Option4", 0, &Frame1).SetCaption("Proportional");
    Add<OptionButton>(Option4, "Option4", 1, &Frame1).SetCaption("1:1");
    Option4(0).Move(120, 270, 1200, 255);
    Option4(1).Move(1320, 270, 1200, 255);
    Option4(1).SetValue(true);
    for (auto& [i, o] : Option4) o->SetEnabled(false);
    Place(Frame6, 6000, 9240, 2760, 780);
    Frame6.SetVisible(false);
    Titled(Label5, "Overlapping event layers:").Move(120, 0, 2520, 255);
    Add<OptionButton>(Option3, "Option3", 0, &Frame6).SetCaption("Intersection");
    Add<OptionButton>(Option3, "Option3", 1, &Frame6).SetCaption("Union");
    Option3(0).Move(120, 270, 1200, 255);
    Option3(1).Move(1320, 270, 1200, 255);
    Option3(0).SetValue(true);
    Add<OptionButton>(Option1, "Option1", 0).SetCaption("Type-in value");
    Option1(0).Move(3120, 9600, 1575, 255);
    Place(Frame3, 8880, 9240, 2520, 780);
    Frame3.SetCaption("Legacy");
    Frame3.SetVisible(false);
    Add<OptionButton>(Option1, "Option1", 1, &Frame3).SetCaption("Type-in depths");
    Option1(1).Move(120, 270, 2280, 255);
    Add<OptionButton>(Option1, "Option1", 2).SetCaption("Convert from data file");
    Option1(2).Move(4800, 9600, 1575, 255);
    Option1(0).SetValue(true);
    Option1(0).SetVisible(false);
    Option1(2).SetVisible(false);

    // The row of columns: bore holes 1 to 4, the ruler, the composite column
    // and the slider.
    for (int k = 1; k <= 4; ++k) {
        PictureBox& p = Add<PictureBox>(BoreHole, "BoreHole", k);
        p.Move(places.boreHoleLeft[k - 1], kColumnTop, kColumnWidth, kColumnHeight);
    }
    Place(Slider1, places.sliderLeft, 120, 255, 9015);
    Slider1.Orientation = 1;
    Add<PictureBox>(BoreHole, "BoreHole", 5).Move(places.rulerLeft, kColumnTop, 735, kColumnHeight);
    Add<PictureBox>(BoreHole, "BoreHole", 0).Move(places.compositeLeft, kColumnTop, kColumnWidth, kColumnHeight);
    for (int k = 0; k <= 4; ++k) {
        Label& title = Add<Label>(Label1, "Label1", k);
        const int width = k == 0 ? kColumnWidth : kBoreHoleTitleWidth;
        title.Move(BoreHole(k).Left() - (width - kColumnWidth) / 2.0, 20, width, 225);
        title.Alignment = 2;
        title.SetCaption(k == 0 ? "Composite" : "Bore hole " + std::string(1, static_cast<char>('A' + k - 1)));
    }
    for (auto& [k, p] : BoreHole) p->Draw().SetScale(0, 0, 7.6, 500);
    // The ruler's numbers stand across a width of ten units.
    BoreHole(5).Draw().SetScaleWidth(columns::kRulerWidth);

    // Proxy panels, each with its import button and controls.
    for (int k = 0; k <= 4; ++k) {
        int left = places.panelLeft + kPanelStep * k;
        PictureBox& p = Add<PictureBox>(Picture1, "Picture1", k);
        p.Move(left, kColumnTop, kPanelWidth, kColumnHeight);
        p.SetBackColor(kWhite);
        CommandButton& c = Add<CommandButton>(Command6, "Command6", k);
        c.Move(left, 0, kPanelWidth, 255);
        c.SetCaption("Import proxy");
        Add<ComboBox>(Combo3, "Combo3", k, &p).Move(-15, -30, kPanelWidth, 345);
        Add<ComboBox>(Combo4, "Combo4", k, &p).Move(-15, 270, kPanelWidth, 345);
        Combo4(k).SetVisible(false);
        CheckBox& ratio = Add<CheckBox>(Check1, "Check1", k, &p);
        ratio.Move(15, 300, 735, 255);
        ratio.SetCaption("Ratio");
        ratio.SetBackColor(kWhite);
        Add<TextBox>(Text5, "Text5", k).Move(left, 8760, 495, 285);
        Add<TextBox>(Text6, "Text6", k).Move(left + 1080, 8760, 495, 285);
        Text5(k).Alignment = 2;
        Text6(k).Alignment = 2;
    }

    Place(ProgressBar1, 3120, 9120, 4320, 255);
    ProgressBar1.SetVisible(false);
    CommonDialog1.SetVisible(false);

    // Menu bar: the display range and the label font.
    mnuRange = &AddMenu("mnuRange", "Range");
    mnuLink = &AddMenu("mnuLink", "Link range", mnuRange);
    mnuLink->SetChecked(true);
    AddMenu("break50", "-", mnuRange);
    const std::pair<int, const char*> ranges[] = {{20, "20 cm"}, {50, "50 cm"},  {100, "1 m"},
                                                  {200, "2 m"},  {500, "5 m"},   {1000, "10 m"},
                                                  {2000, "20 m"}, {5000, "50 m"}, {9999, "Whole core"}};
    for (auto [i, caption] : ranges) AddMenu(mnuCM, "mnuCM", i, caption, mnuRange);

    mnuFont = &AddMenu("mnuFont", "Font");
    AddMenu(mnuSize, "mnuSize", 1, "---", mnuFont);
    for (int i = 5; i <= 9; ++i) AddMenu(mnuSize, "mnuSize", i, std::to_string(i), mnuFont);
    mnuSize(7).SetChecked(true);
}

void CoreWindow::AddToolMenu(char firstBoreHole, const std::string& alignName, const std::string& alignCaption,
                             const std::string& tiePointsName) {
    mnuTool = &AddMenu("mnuTool", "Tool");
    mnuDivider2 = &AddMenu("mnuDivider2", "Open divider", mnuTool);
    for (int k = 1; k <= 4; ++k)
        AddMenu(mnuBH, "mnuBH", k, "Bore hole " + std::string(1, static_cast<char>(firstBoreHole + k - 1)),
                mnuDivider2);
    mnuAlign = &AddMenu(alignName, alignCaption, mnuTool);
    AddMenu("break98", "-", mnuTool).SetVisible(false);
    mnuCompCopy = &AddMenu("mnuCompCopy", "Copy", mnuTool);
    mnuCompCopy->SetVisible(false);
    AddMenu("break9", "-", mnuTool);
    mnuHorizontalBH = &AddMenu("mnuHorizontalBH", "Target horizon", mnuTool);
    mnuShowTiePoints = &AddMenu(tiePointsName, "Tie points", mnuTool);
    for (Menu* m : {mnuHorizontalBH, mnuShowTiePoints}) m->SetChecked(true);
}

void CoreWindow::BuildCorePopups(PanelMenus panelMenus) {
    // Pop-up menus: columns, ruler, proxy panels.
    mnuRB = &AddMenu("mnuRB", "RightButton");
    mnuRB->SetVisible(false);
    mnuDivider = &AddMenu("mnuDivider", "Open divider", mnuRB);
    AddMenu("break99", "-", mnuRB);
    mnuCopyCore = &AddMenu("mnuCopyCore", "Copy", mnuRB);
    AddMenu("break26", "-", mnuRB);
    mnuHorizontal = &AddMenu("mnuHorizontal", "Target horizon", mnuRB);
    mnuHorizontal->SetChecked(true);

    mnuRBdepth = &AddMenu("mnuRBdepth", "RBdepth");
    mnuRBdepth->SetVisible(false);
    mnuDepth = &AddMenu("mnuDepth", "Depth", mnuRBdepth);
    mnuDepth->SetChecked(true);
    mnuAge = &AddMenu("mnuAge", "Age", mnuRBdepth);
    AddMenu("break27", "-", mnuRBdepth);
    mnuCopyDepth = &AddMenu("mnuCopyDepth", "Copy", mnuRBdepth);

    const char* flipSep[] = {"break16", "Break17", "break18", "break19", "break23"};
    const char* copySep[] = {"break10", "break11", "break12", "break20", "break24"};
    const char* fileSep[] = {"break13", "break14", "break15", "break22", "break25"};
    const char* exportSep[] = {"ConvSep0", "ConvSep1", "ConvSep2", "ConvSep_3"};
    for (int k = 0; k <= 4; ++k) {
        std::string n = std::to_string(k);
        PanelMenu& pm = panelMenu[k];
        pm.popup = &AddMenu("mnuPicRB" + n, "PicRB(" + n + ")");
        pm.popup->SetVisible(false);
        if (k == 0) {
            pm.multi = &AddMenu("mnuMulti_0", "Multiple colour", pm.popup);
            pm.multi->SetChecked(true);
            pm.multi->SetVisible(false);
        }
        const bool duo = panelMenus == PanelMenus::kDuo;
        pm.flipH = &AddMenu("mnuFlipH" + n, "Flip horizontal", pm.popup);
        if (!duo || k != 1) AddMenu(flipSep[k], "-", pm.popup);
        pm.copy = &AddMenu("mnuCopy" + n, "Copy", pm.popup);
        AddMenu(copySep[k], "-", pm.popup);
        pm.line = &AddMenu("mnuLine" + n, "Curve", pm.popup);
        pm.marker = &AddMenu("mnuMarker" + n, "Marker", pm.popup);
        pm.horizontal = &AddMenu("mnuHorizontal" + n, "Target horizon", pm.popup);
        pm.filename = &AddMenu("mnuFilename" + n, "File name", pm.popup);
        for (Menu* m : {pm.line, pm.marker, pm.horizontal}) m->SetChecked(true);
        AddMenu(fileSep[k], "-", pm.popup);
        pm.smooth = &AddMenu("mnuSmooth" + n, "Smoothing", pm.popup);
        pm.flat3 = &AddMenu("mnuFlat3_" + n, "3", pm.smooth);
        pm.flat5 = &AddMenu("mnuFlat5_" + n, "5", pm.smooth);
        pm.flat11 = &AddMenu("mnuFlat11_" + n, "11", pm.smooth);
        pm.flat208 = &AddMenu("mnuFlat208_" + n, "208", pm.smooth);
        if (k < 4) {
            if (!duo) AddMenu(exportSep[k], "-", pm.popup);
            pm.exportItem = &AddMenu("mnuExport_" + n, "Export", pm.popup);
        }
    }
    // Panel 4's export item closes the ruler's pop-up.
    AddMenu("ConvSep4", "-", mnuRBdepth);
    mnuExport_4 = &AddMenu("mnuExport_4", "Export", mnuRBdepth);
    panelMenu[4].exportItem = mnuExport_4;
    for (PanelMenu& pm : panelMenu) pm.exportItem->SetEnabled(false);
}

}  // namespace quillory
