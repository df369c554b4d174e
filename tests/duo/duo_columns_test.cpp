// The Duo window's columns on its own composite depth and fitted to the
// master core: what they draw, what a pointer reads and picks on them, the
// target line in both windows, and the faults of the drawing that are mended.
#include <algorithm>
#include <fstream>
#include <sstream>

#include "duo_window_fixture.h"
#include "model/duo_conversion.h"
#include "tools/frm_divider.h"
#include "window/column_drawing.h"

namespace duo_test {
namespace {

using forms::Primitive;
using forms::PrimitiveKind;
using namespace quillory::columns;

// Primitives of one kind and colour; the levels of lines and boxes.
std::vector<Primitive> Of(const std::vector<Primitive>& list, PrimitiveKind kind, forms::Colour colour) {
    std::vector<Primitive> out;
    std::copy_if(list.begin(), list.end(), std::back_inserter(out),
                 [&](const Primitive& p) { return p.kind == kind && p.colour == colour; });
    return out;
}
bool HasLevel(const std::vector<Primitive>& list, double y, double tolerance = 1e-3) {
    return std::any_of(list.begin(), list.end(), [&](const Primitive& p) { return std::abs(p.y1 - y) < tolerance; });
}
bool HasText(const std::vector<Primitive>& list, const std::string& text) {
    return std::any_of(list.begin(), list.end(),
                       [&](const Primitive& p) { return p.kind == PrimitiveKind::Text && p.text == text; });
}

class DuoColumnsTest : public DuoWindowTest {
protected:
    const std::vector<Primitive>& Kept(quillory::CoreWindow& w, int i) {
        return w.BoreHole(i).Draw().KeptLayer()->primitives;
    }
    const std::vector<Primitive>& Current(quillory::CoreWindow& w, int i) {
        return w.BoreHole(i).Draw().CurrentPrimitives();
    }
    float DuoToMain(double level) { return q.duoSide.link.DuoToMainCD(static_cast<float>(level)); }
    float MainToDuo(double level) { return q.duoSide.link.MainToDuoCD(static_cast<float>(level)); }
    double Middle(quillory::CoreWindow& w) {
        const forms::Surface& s = w.BoreHole(1).Draw();
        return s.ScaleTop() + s.ScaleHeight() / 2;
    }
    void FitToMaster(bool fit) { Duo().Option4(fit ? 0 : 1).UserClick(); }

    // The Duo example with row M038 tied to the master core but without an
    // own composite depth, and row M039 with an own depth but no master tie.
    std::string VariantDuoModel() {
        std::ifstream in(kExamples + "QL23_duo_correlation_20240301.csv", std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        std::string s = text.str();
        auto replace = [&s](const std::string& from, const std::string& to) {
            const size_t at = s.find(from);
            ASSERT_NE(at, std::string::npos) << from;
            s.replace(at, from.size(), to);
        };
        replace(",'603.8,'A,'08,'14.4,'M038", ",'---,'A,'08,'14.4,'M038");
        replace(",'620.5,'A,'08,'32.8,'M039", ",'620.5,'---,'---,'---,'---");
        return WriteFile("QL23_variant_20240301.csv", s);
    }
    void LoadVariant() {
        LoadMain();
        services.messageAnswers.push_back(forms::vbYes);
        services.fileAnswers.push_back(VariantDuoModel());
        services.fileAnswers.push_back(kExamples + "QL23_duo_event_layers_20240305.csv");
        Duo().Command1.UserClick();
        ASSERT_EQ(services.messages.size(), 1u);
        services.messages.clear();
    }
};

TEST_F(DuoColumnsTest, OwnAndFittedColumnsDrawTheirOwnPlanesWithTheDuosMarks) {
    LoadAll();
    Type(Duo().Text2, "600");
    const model::DepthModel& m = q.duo.model;
    // Tie row M038 (row 84) in bore hole E: own depth 603.8 as the plane holds it.
    const long row = 84;
    ASSERT_EQ(m.gCorrTable(0, 1, 0, row), "M038");
    const double own = values::Val(m.gCorrTable(1, 1, 2, row)), fitted = values::Val(m.gCorrTable(2, 1, 2, row));
    EXPECT_TRUE(HasLevel(Of(Kept(Duo(), 1), PrimitiveKind::Line, kTie), own));
    // Empty stretches are outlined, never crossed; a tephra in the Duo's own colour.
    const auto& e = Kept(Duo(), 1);
    EXPECT_FALSE(Of(e, PrimitiveKind::Box, kDarkGrey).empty());
    for (const Primitive& p : Of(e, PrimitiveKind::Line, kDarkGrey)) EXPECT_EQ(p.y1, p.y2);
    for (const Primitive& p : Of(e, PrimitiveKind::Box, kDarkGrey)) EXPECT_EQ(p.fillStyle, 1);
    EXPECT_TRUE(Of(Kept(Duo(), 0), PrimitiveKind::FilledBox, kTephra).empty());
    EXPECT_FALSE(Of(Kept(Duo(), 0), PrimitiveKind::FilledBox, forms::RGB(155, 150, 255)).empty());

    FitToMaster(true);
    EXPECT_DOUBLE_EQ(Duo().BoreHole(1).Draw().ScaleTop(), Main().BoreHole(1).Draw().ScaleTop());
    EXPECT_TRUE(HasLevel(Of(Kept(Duo(), 1), PrimitiveKind::Line, kTie), fitted));
    EXPECT_FALSE(HasLevel(Of(Kept(Duo(), 1), PrimitiveKind::Line, kTie), own, 0.05));
    // The event layers move to their fitted depths (columns 8 and 9): the
    // slump in E-07.
    const auto layers = Of(Kept(Duo(), 0), PrimitiveKind::FilledBox, kOtherEvent);
    ASSERT_EQ(layers.size(), 1u);
    ASSERT_EQ(m.gEventList(5, 6), "Slump");
    EXPECT_FLOAT_EQ(static_cast<float>(layers[0].y1), static_cast<float>(values::Val(m.gEventList(8, 6))));
    EXPECT_FLOAT_EQ(static_cast<float>(layers[0].y2), static_cast<float>(values::Val(m.gEventList(9, 6))));
    // The ruler numbers its depths just right of ticks at its left edge.
    const auto& ruler = Kept(Duo(), 5);
    EXPECT_TRUE(std::any_of(ruler.begin(), ruler.end(), [](const Primitive& p) {
        return p.kind == PrimitiveKind::Line && p.x1 == 0.3 && p.x2 == 2.1 && p.y1 == 700;
    }));
    EXPECT_TRUE(HasText(ruler, "700"));
}

// Fault: the fill-in of a missing own depth was written into the Duo's tie
// table, in the drawn plane, by every redraw; it is drawn only.
TEST_F(DuoColumnsTest, ADrawingLeavesTheModelAsReadAndMarksAMissingOwnDepthOnTheDrawnScale) {
    LoadVariant();
    model::DepthModel& m = q.duo.model;
    const long row = 84;
    // The import has drawn the columns already.
    EXPECT_EQ(m.gCorrRow(1, row), "9999");
    Type(Duo().Text2, "600");
    const std::string plane2 = m.gCorrRow(2, row);
    const float link = DuoToMain(603), trinity = static_cast<float>(
        model::TrinityToCD2(m, 1, 7, 0.8f, m.gExtrapolation));
    ASSERT_TRUE(Duo().GetPSP(1, 603));
    const float psp = q.duo.gPSP;

    Duo().DrawLamina();
    Duo().DrawLamina();
    EXPECT_EQ(m.gCorrRow(1, row), "9999");
    EXPECT_EQ(m.gCorrRow(2, row), plane2);
    EXPECT_EQ(DuoToMain(603), link);
    EXPECT_EQ(static_cast<float>(model::TrinityToCD2(m, 1, 7, 0.8f, m.gExtrapolation)), trinity);
    ASSERT_TRUE(Duo().GetPSP(1, 603));
    EXPECT_EQ(q.duo.gPSP, psp);

    // The composite column marks the row at the own depth of its level in E,
    // and fitted to the master core at that depth converted.
    EXPECT_TRUE(HasLevel(Of(Kept(Duo(), 0), PrimitiveKind::Line, kTie), trinity));
    EXPECT_TRUE(HasText(Kept(Duo(), 0), "M038"));
    EXPECT_TRUE(HasText(Kept(Duo(), 0), "Unlabeled"));
    FitToMaster(true);
    EXPECT_EQ(m.gCorrRow(2, row), plane2);
    const float fittedTrinity = static_cast<float>(
        model::TrinityToCD2(m, 1, 7, 0.8f, m.gExtrapolation));
    EXPECT_TRUE(HasLevel(Of(Kept(Duo(), 0), PrimitiveKind::Line, kTie), DuoToMain(fittedTrinity)));
    EXPECT_FALSE(HasLevel(Of(Kept(Duo(), 0), PrimitiveKind::Line, kTie), fittedTrinity, 0.05));
}

// The main window's dated points of Duo bore holes stand in the Duo columns at
// their depth on the drawn scale; none on the composite column.
TEST_F(DuoColumnsTest, TheMainWindowsDatedPointsStandAtTheirDepthOnTheDrawnScale) {
    LoadMain(false);
    LoadDuo(true);
    const std::string ages =
        "Label,Bore hole,Section,PSP (cm),Composite depth (cm) (09 Feb. 2024),Error (+) 95.4,Age,Error (-) 95.4,"
        "Type,Unit,Remarks\n"
        "P1,A,08,10.0,---,50,7900,50,C1,cal BP,\n"
        "P2,E,07,5.0,---,50,8010,50,C2,cal BP,\n"
        "P3,F,06,80.0,---,50,8030,50,C3,cal BP,\n";
    Import(Main().Command4, "QL22_ages_20240209.csv", ages);
    ASSERT_TRUE(services.messages.empty()) << services.messages[0].request.text;
    Type(Duo().Text2, "600");
    const float p2 = static_cast<float>(values::Val(std::as_const(q.main.model).gAgeModel(5, 2)));
    auto points = [&](int column) { return Of(Kept(Duo(), column), PrimitiveKind::Circle, forms::RGB(255, 100, 100)); };
    ASSERT_EQ(points(1).size(), 1u);
    EXPECT_NEAR(points(1)[0].y1, MainToDuo(p2), 1e-3);
    EXPECT_TRUE(points(0).empty());
    EXPECT_TRUE(Of(Kept(Duo(), 2), PrimitiveKind::Circle, forms::RGB(100, 255, 100)).size() == 1);
    // A point of a main bore hole has no column here.
    for (int k = 0; k <= 4; ++k)
        EXPECT_TRUE(Of(Kept(Duo(), k), PrimitiveKind::Circle, forms::RGB(100, 100, 255)).empty()) << k;
    FitToMaster(true);
    ASSERT_EQ(points(1).size(), 1u);
    EXPECT_NEAR(points(1)[0].y1, p2, 1e-3);
}

// Fault: the example age-depth model begins with its varve-counted rows, and
// neither window drew their run.
TEST_F(DuoColumnsTest, TheVarveCountedRunFromTheFirstRowIsDrawnInBothWindows) {
    LoadAll();
    const model::DepthModel& m = q.duo.model;
    ASSERT_TRUE(m.gAgeModelLoaded);
    for (long r = 1; r <= 8; ++r) ASSERT_EQ(m.gAgeModel(0, r), "V") << r;
    ASSERT_NE(m.gAgeModel(0, 9), "V");
    const double top = values::Val(m.gAgeModel(5, 1)), bottom = values::Val(m.gAgeModel(5, 8));
    Type(Duo().Text2, "300");
    auto runs = [&](quillory::CoreWindow& w) { return Of(Kept(w, 0), PrimitiveKind::FilledBox, kVarveRun); };
    ASSERT_EQ(runs(Duo()).size(), 1u);
    EXPECT_NEAR(runs(Duo())[0].y1, top, 1e-3);
    EXPECT_NEAR(runs(Duo())[0].y2, bottom, 1e-3);
    ASSERT_EQ(runs(Main()).size(), 1u);
    EXPECT_NEAR(runs(Main())[0].y1, 58.4, 1e-3);
    EXPECT_NEAR(runs(Main())[0].y2, 615.3, 1e-3);
    FitToMaster(true);
    ASSERT_EQ(runs(Duo()).size(), 1u);
    EXPECT_NEAR(runs(Duo())[0].y1, DuoToMain(top), 1e-3);
    EXPECT_NEAR(runs(Duo())[0].y2, DuoToMain(bottom), 1e-3);
}

// Fault: fitted to the master core the hover read-outs compared master
// depths with own ones; they are found on the Duo's own depth.
TEST_F(DuoColumnsTest, FittedToTheMasterCoreTheReadOutsAndPicksAreOnTheDuosOwnDepth) {
    LoadAll();
    Type(Duo().Text2, "600");
    const double ownMiddle = Middle(Duo());
    Duo().BoreHole(2).UserMouseMove(0, 0, 3, ownMiddle);
    const float lamina0 = q.duo.gDivLamina0Depth, lamina1 = q.duo.gDivLamina1Depth, target = q.duo.gDivTargetDepth;
    const std::string tip = Duo().BoreHole(2).ToolTipText;
    ASSERT_NE(lamina0, lamina1);

    FitToMaster(true);
    q.duo.gDivLamina0Depth = q.duo.gDivLamina1Depth = 0;
    const double fittedMiddle = Middle(Duo());
    EXPECT_NEAR(fittedMiddle, DuoToMain(600), 0.02);
    Duo().BoreHole(2).UserMouseMove(0, 0, 3, fittedMiddle);
    EXPECT_EQ(q.duo.gDivLamina0Depth, lamina0);
    EXPECT_EQ(q.duo.gDivLamina1Depth, lamina1);
    EXPECT_NEAR(q.duo.gDivTargetDepth, target, 0.02);
    // "Bore hole F" opens the divider at the current level as on the own depth.
    Duo().mnuBH(2).UserChoose();
    EXPECT_TRUE(q.duo.gDividerOpen);
    q.frm2Divider().Unload();
    q.duo.gDividerOpen = false;

    // A pick on the composite column writes the Duo's own level of the point.
    Duo().BoreHole(0).UserMouseDown(1, 0, 3, 700);
    EXPECT_EQ(Duo().Text2.Text(), values::SingleText(MainToDuo(700)));
    EXPECT_NEAR(Level(Main().Text2), 700, 0.02);
    // A pick on a bore hole too, below the bottom as drawn refused.
    Duo().BoreHole(3).UserMouseDown(1, 0, 3, 650);
    EXPECT_EQ(Duo().Text2.Text(), values::SingleText(MainToDuo(650)));
    EXPECT_EQ(Duo().Combo1.Text(), "G");
    const float bottom = q.duoSide.master.gBoreHoleBottomFitted[3];
    Duo().BoreHole(3).UserMouseDown(1, 0, 3, bottom + 1);
    EXPECT_EQ(Duo().Text2.Text(), values::SingleText(MainToDuo(650)));
}

TEST_F(DuoColumnsTest, FittedToTheMasterCoreTheAgeRulerPlacesAgesOnTheMasterDepth) {
    LoadAll();
    Type(Duo().Text2, "600");
    Duo().mnuAge->UserChoose();
    auto tickAt = [&](double age) {
        const float own = static_cast<float>(model::EFDToCD2(
            q.duo.model, static_cast<float>(model::AgeToEFD2(q.duo.model, static_cast<float>(age)).value_or(0))));
        return own;
    };
    const float own8000 = tickAt(8000);
    EXPECT_TRUE(HasLevel(Of(Kept(Duo(), 5), PrimitiveKind::Line, forms::kBlack), own8000));
    FitToMaster(true);
    const auto& ticks = Kept(Duo(), 5);
    EXPECT_TRUE(HasText(ticks, "8000"));
    EXPECT_TRUE(HasLevel(Of(ticks, PrimitiveKind::Line, forms::kBlack), DuoToMain(own8000)));
}

// Fault: before a Duo model exists the Duo pointer's line was converted over
// empty tables into the main window.
TEST_F(DuoColumnsTest, TheDuoTargetLineMarksTheMainWindowOnlyOnceTheDuoModelIsLoaded) {
    LoadMain();
    Main().BoreHole(1).UserMouseMove(0, 0, 3, 700);
    Duo().Picture1(0).UserMouseMove(0, 0, 3, 300);
    for (int i = 0; i <= 5; ++i) EXPECT_FALSE(HasLevel(Current(Main(), i), 300)) << i;

    LoadDuo(true);
    Type(Duo().Text2, "600");
    Duo().BoreHole(1).UserMouseMove(0, 0, 3, 610);
    EXPECT_TRUE(HasLevel(Current(Duo(), 1), 610));
    const auto& duoRuler = Current(Duo(), 5);
    EXPECT_TRUE(std::any_of(duoRuler.begin(), duoRuler.end(), [](const Primitive& p) {
        return p.kind == PrimitiveKind::Circle && p.x1 == 2.25 && p.x2 == 0.3;
    }));
    EXPECT_TRUE(HasLevel(Current(Main(), 1), DuoToMain(610)));
    const auto& mainRuler = Current(Main(), 5);
    EXPECT_TRUE(std::any_of(mainRuler.begin(), mainRuler.end(), [](const Primitive& p) {
        return p.kind == PrimitiveKind::Circle && p.x1 == 7.25 && p.x2 == 0.25;
    }));
    // Fitted, the level is the master core's already.
    FitToMaster(true);
    Duo().BoreHole(1).UserMouseMove(0, 0, 3, 720);
    EXPECT_TRUE(HasLevel(Current(Main(), 1), 720));
    // Onto a Duo label: both windows' lines go.
    Duo().Label2.UserMouseMove(0, 0, 10, 10);
    EXPECT_TRUE(Current(Duo(), 1).empty());
    EXPECT_TRUE(Current(Main(), 1).empty());
}

TEST_F(DuoColumnsTest, TheSevenTargetHorizonItemsSwitchTogetherAndClearBothWindows) {
    LoadAll();
    Type(Duo().Text2, "600");
    Duo().BoreHole(1).UserMouseMove(0, 0, 3, 610);
    ASSERT_FALSE(Current(Main(), 1).empty());
    Duo().mnuHorizontalBH->UserChoose();
    for (forms::Menu* item : {Duo().mnuHorizontal, Duo().mnuHorizontalBH, Duo().panelMenu[0].horizontal,
                              Duo().panelMenu[4].horizontal})
        EXPECT_FALSE(item->Checked());
    EXPECT_TRUE(Current(Main(), 1).empty());
    EXPECT_TRUE(Of(Kept(Duo(), 1), PrimitiveKind::Line, kTargetHorizon).empty());
    // Off in the Duo window, its pointer still marks the main window.
    Duo().BoreHole(1).UserMouseMove(0, 0, 3, 610);
    EXPECT_TRUE(Current(Duo(), 1).empty());
    EXPECT_TRUE(HasLevel(Current(Main(), 1), DuoToMain(610)));
}

TEST_F(DuoColumnsTest, FoldingByTheRulerAndTheBackgroundAndTheHeightsOfBothWindows) {
    LoadAll();
    quillory::Frm2Main& d = Duo();
    EXPECT_EQ(d.Width(), d.Picture1(0).Left() + 120);
    // The slider leaves the bare window right of the composite column to the
    // press that shows the panels: it stands left of the ruler, as the main
    // one's, with as much of it in view, over the fourth bore hole's
    // outermost pixel at most, and the ruler's age axis clear of the
    // composite column.
    const double sliderRight = d.Slider1.Left() + d.Slider1.Width();
    EXPECT_LT(sliderRight, d.BoreHole(0).Left());
    EXPECT_EQ(d.BoreHole(5).Left() - d.Slider1.Left(), Main().BoreHole(5).Left() - Main().Slider1.Left());
    EXPECT_LE(d.BoreHole(4).Left() + d.BoreHole(4).Width() - d.Slider1.Left(), 15);
    EXPECT_LT(d.BoreHole(5).Left() + 0.9 * d.BoreHole(5).Width(), d.BoreHole(0).Left());
    d.BoreHole(5).UserMouseDown(1, 0, 5, 600);
    EXPECT_EQ(d.Width(), 8130);
    EXPECT_FALSE(d.BoreHole(5).Visible());
    EXPECT_FALSE(q.duo.gFolded);
    // A press right of the fourth bore hole and the slider shows the
    // composite column again.
    EXPECT_LT(sliderRight, d.ScaleWidth());
    d.UserMouseDown(1, 0, sliderRight + 60, 3000);
    EXPECT_EQ(d.Width(), d.Picture1(0).Left() + 120);
    EXPECT_TRUE(d.BoreHole(5).Visible());
    d.UserMouseDown(1, 0, d.BoreHole(3).Left() + d.BoreHole(3).Width() + 50, 3000);
    EXPECT_EQ(d.Width(), d.BoreHole(4).Left() + 180);
    EXPECT_TRUE(q.duo.gFolded);

    // Resized from its bottom edge, the Duo window gives the main window its height.
    d.UserActivate();
    d.UserMouseMove(0, 0, 5000, 3000);
    d.UserResize(d.Width(), 9000);
    EXPECT_EQ(Main().Height(), 9000);
    // "Align forms" brings the Duo window level with the main window.
    Main().UserMove(Main().Left(), 500);
    d.mnuAlign->UserChoose();
    EXPECT_EQ(d.Top(), 500);
}

TEST_F(DuoColumnsTest, LinkRangeSwitchedOnInTheDuoWindowGivesBothWindowsItsRange) {
    LoadAll();
    quillory::Frm2Main& d = Duo();
    d.mnuLink->UserChoose();
    EXPECT_FALSE(Main().mnuLink->Checked());
    d.mnuCM(200).UserChoose();
    EXPECT_EQ(q.duo.gRange, 200);
    EXPECT_EQ(q.main.gRange, 500);
    d.mnuLink->UserChoose();
    EXPECT_TRUE(Main().mnuLink->Checked());
    EXPECT_EQ(q.main.gRange, 200);
    EXPECT_TRUE(Main().mnuCM(200).Checked());
    EXPECT_FALSE(Main().mnuCM(500).Checked());
    // Whole core in the Duo window on its own depth: the main window's whole
    // core, centred on the main level converted.
    d.mnuCM(quillory::CoreWindow::kWholeCore).UserChoose();
    EXPECT_EQ(q.duo.gRange, q.main.gRange);
    EXPECT_TRUE(Main().mnuCM(quillory::CoreWindow::kWholeCore).Checked());
    EXPECT_NEAR(Middle(d), MainToDuo(static_cast<float>(Level(Main().Text2))), 0.02);
}

TEST_F(DuoColumnsTest, TheDuoMenusActOnTheDuoWindowOnly) {
    LoadAll();
    quillory::Frm2Main& d = Duo();
    Type(d.Text2, "600");
    const double titles = Main().Label1(1).FontSize();
    d.mnuSize(9).UserChoose();
    EXPECT_EQ(q.duo.gFontSize, 9);
    EXPECT_EQ(Main().Label1(1).FontSize(), titles);
    EXPECT_EQ(d.Label1(1).FontSize(), titles);
    d.mnuSize(1).UserChoose();
    EXPECT_EQ(q.duo.gFontSize, 1);
    EXPECT_TRUE(Of(Kept(d, 1), PrimitiveKind::Text, forms::kBlack).empty());

    d.mnuShowTiePoints->UserChoose();
    EXPECT_TRUE(Of(Kept(d, 0), PrimitiveKind::Line, kTie).empty());
    EXPECT_EQ(d.mnuShowTiePoints->Name(), "mnu2ShowTiePoints");
    EXPECT_EQ(d.mnuAlign->Caption(), "Align forms");
    EXPECT_EQ(d.FindControl("mnuShowLabCodes"), nullptr);
    EXPECT_FALSE(d.FindControl("mnuRX93")->Visible());

    // "Copy" on the ruler: white on the clipboard, its own colour on screen.
    const forms::Colour back = d.BoreHole(5).BackColor();
    d.mnuCopyDepth->UserChoose();
    ASSERT_TRUE(services.clipboard.has_value());
    EXPECT_EQ(services.clipboard->current.background, forms::kWhite);
    EXPECT_EQ(d.BoreHole(5).BackColor(), back);
}

}  // namespace
}  // namespace duo_test
