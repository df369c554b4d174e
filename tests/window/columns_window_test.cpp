// The ruler, the display range, the layout and folding of the window, and the
// menus that redraw the columns.
#include "columns_fixture.h"
#include "window/column_drawing.h"

namespace main_test {
namespace {

using forms::PrimitiveKind;
using namespace quillory::columns;

class WindowTest : public ColumnsTest {
protected:
    void SetUp() override {
        ColumnsTest::SetUp();
        Load();
        GoTo("320");  // the view runs from 70 to 570
    }
};

TEST_F(WindowTest, RulerSpansALittleMoreThanTheColumnsAroundTheSameMiddle) {
    const auto& r = Column(5);
    // The ruler's scale is single, and so is the arithmetic on it.
    EXPECT_EQ(r.ScaleHeight(), 503.14f);
    EXPECT_EQ(r.ScaleTop(), 70 - (503.14f - 500) / 2);
    const auto numbers = Texts(Kept(5));
    for (const char* n : {"100", "150", "200", "250", "300", "350", "400", "450", "500", "550"})
        EXPECT_NE(std::find(numbers.begin(), numbers.end(), n), numbers.end()) << n;
    // No half-way numbers at 20 m and more.
    Main().mnuCM(2000).UserChoose();
    EXPECT_EQ(Column(5).ScaleHeight(), 2014.14f);
    for (const std::string& t : Texts(Kept(5))) EXPECT_EQ(std::stoi(t) % 100, 0) << t;
}

TEST_F(WindowTest, AgeRulerLabelsOnlyAgesInsideTheView) {
    Import(Main().Command3, "events.csv", EventList());
    Import(Main().Command4, "ages.csv", AgeModel());
    services.pointerHistory.clear();
    Main().mnuAge->UserChoose();
    EXPECT_TRUE(Main().mnuAge->Checked());
    EXPECT_FALSE(Main().mnuDepth->Checked());
    // Ages from about 200 to 2360 years lie in the view.
    EXPECT_EQ(Texts(Kept(5)), (std::vector<std::string>{"1000", "2000"}));
    EXPECT_EQ(services.pointerHistory.front(), forms::vbHourglass);
    EXPECT_EQ(app.MousePointer(), forms::vbDefault);
}

class AgeRulerTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        Import(Main().Command3, "events.csv", EventList());
        Import(Main().Command4, "ages.csv", AgeModel());
        Main().mnuAge->UserChoose();
    }
    // Draws the age ruler beside columns that show `height` cm from `top`.
    std::vector<forms::Primitive> RulerFor(double top, double height) {
        q.main.gRange = static_cast<int16_t>(height);
        Column(1).SetScaleTop(top);
        Column(1).SetScaleHeight(height);
        Column(5).Cls();
        Main().DrawBH5();
        return Column(5).CurrentPrimitives();
    }
    static std::vector<double> TicksFrom(const std::vector<forms::Primitive>& ruler, double x1) {
        std::vector<double> out;
        for (const forms::Primitive& p : ruler)
            if (p.kind == PrimitiveKind::Line && p.x1 == x1 && p.x2 == 9) out.push_back(p.y1);
        return out;
    }
};

// Beyond the last dated point the ages grow by 5 years a cm (2000 years over
// the last 400 cm of event-free depth).
TEST_F(AgeRulerTest, TheTenThousandsRunIsSkippedWhenTheViewSpansItWhole) {
    // Ages from about 4,700 to beyond 100,000 years: the run of 10,000 to
    // 99,000 is left out as a whole, the thousands and the hundred
    // thousands are labelled.
    const auto wide = Texts(RulerFor(1100, 19000));
    EXPECT_EQ(wide, (std::vector<std::string>{"5000", "6000", "7000", "8000", "9000", "100"}));
    // A view ending before 99,100 years labels its ten thousands.
    const auto shorter = Texts(RulerFor(1100, 9000));
    EXPECT_EQ(shorter.front(), "5000");
    EXPECT_NE(std::find(shorter.begin(), shorter.end(), "10000"), shorter.end());
    EXPECT_NE(std::find(shorter.begin(), shorter.end(), "49000"), shorter.end());
}

TEST_F(AgeRulerTest, MinorTicksStandAtHalfThousandsAndHundredsBelowAgeZero) {
    // The view from 0 to 500 cm: ages from just below 0 to about 2,000 years.
    const auto ruler = RulerFor(0, 500);
    // Half thousands from -500 (above the core, not drawn) to 1,500; 500
    // years lie at event-free depth 145, composite depth 155, below the
    // 10 cm tephra.
    EXPECT_EQ(TicksFrom(ruler, 8.1), (std::vector<double>{155, 400}));
    // Hundreds from 0 to 2,000, without the tick at age 0 (at depth 0).
    const auto hundreds = TicksFrom(ruler, 8.55);
    EXPECT_EQ(hundreds.size(), 20u);
    EXPECT_GT(hundreds.front(), 0);
}

TEST_F(WindowTest, RangeCentresEveryColumnAndCountsAsAnAction) {
    auto& f = Main();
    const int32_t before = q.shared.gActionCount.Get();
    f.mnuCM(200).UserChoose();
    for (int i = 0; i <= 4; ++i) {
        EXPECT_EQ(Column(i).ScaleTop(), 220) << i;
        EXPECT_EQ(Column(i).ScaleHeight(), 200) << i;
        EXPECT_EQ(f.Picture1(i).Draw().ScaleTop(), 220) << i;
    }
    EXPECT_TRUE(f.mnuCM(200).Checked());
    EXPECT_FALSE(f.mnuCM(500).Checked());
    EXPECT_EQ(q.shared.gActionCount.Get(), before + 1);
    EXPECT_EQ(q.frmRX93().Label3.Caption(), "100 %");
    EXPECT_EQ(q.frmRX93().Picture1.Height(), 4868);  // 100 cm of 9735 twips for 200 cm
    // Linked: the Duo window's items follow, its columns do not without a model.
    EXPECT_TRUE(q.frm2Main().mnuCM(200).Checked());
    // The same item again applies the range again.
    f.mnuCM(200).UserChoose();
    EXPECT_EQ(q.shared.gActionCount.Get(), before + 2);
}

TEST_F(WindowTest, RangeWithoutATypedInputModeKeepsTheViewTop) {
    auto& f = Main();
    f.Option1(2).SetValue(true);
    f.mnuCM(1000).UserChoose();
    EXPECT_EQ(Column(1).ScaleTop(), 70);
    EXPECT_EQ(Column(1).ScaleHeight(), 1000);
}

TEST_F(WindowTest, UnlinkedRangeLeavesTheDuoWindowsItems) {
    q.frm2Main().mnuLink->SetChecked(false);
    Main().mnuCM(50).UserChoose();
    EXPECT_FALSE(q.frm2Main().mnuCM(50).Checked());
}

TEST_F(WindowTest, WholeCoreRangeRoundsTheLastTieHalfToEven) {
    auto& f = Main();
    auto& m = q.main.model;
    const std::pair<const char*, int> cases[] = {{"2400", 3500}, {"2500", 3500}, {"1000", 2500}, {"2000", 2500}};
    for (auto [last, range] : cases) {
        m.gCorrRow(1, m.gRowCount) = last;
        f.SetRange(9999);
        EXPECT_EQ(q.main.gRange, range) << last;
    }
    // A core too deep for the range's 16 bits gets the largest range there is.
    m.gCorrRow(1, m.gRowCount) = "40000";
    f.SetRange(9999);
    EXPECT_EQ(q.main.gRange, 32767);
    // A last row without a composite depth does not count as the core's end.
    m.gCorrRow(1, m.gRowCount) = "9999";
    m.gCorrRow(1, m.gRowCount - 1) = "1000";
    f.SetRange(9999);
    EXPECT_EQ(q.main.gRange, 2500);
    // The whole core is picked 750 cm above its middle's level on the composite column.
    EXPECT_EQ(f.Text2.Text(), "500");
    EXPECT_EQ(Column(0).ScaleTop(), -750);
    EXPECT_TRUE(f.mnuCM(9999).Checked());
    // The pick centres the columns also when the level stands there already.
    f.SetRange(500);
    f.SetRange(9999);
    EXPECT_EQ(f.Text2.Text(), "500");
    EXPECT_EQ(Column(0).ScaleTop(), -750);
}

TEST_F(WindowTest, LayoutKeepsTheSmallestHeightAndLeavesAMinimisedWindow) {
    auto& f = Main();
    f.UserResize(f.Width(), 4000);
    EXPECT_EQ(f.Height(), 5700);
    EXPECT_EQ(f.BoreHole(3).Height(), 5700 - 1320);
    EXPECT_EQ(f.Slider1.Height(), 5700 - 1320 + 240);
    EXPECT_EQ(f.Text5(2).Top(), f.Picture1(2).Top() + f.Picture1(2).Height() - 285);
    EXPECT_EQ(q.main.gCentreY, 240 + (5700 - 1320) / 2);
    f.SetHeight(400);
    EXPECT_EQ(f.BoreHole(3).Height(), 5700 - 1320);
}

TEST_F(WindowTest, FoldingInAGapAndUnfoldingThere) {
    auto& f = Main();
    f.UserMouseDown(forms::kLeftButton, 0, 4150, 5000);
    EXPECT_EQ(f.Width(), 4260 + 180);
    EXPECT_TRUE(q.main.gFolded);
    f.UserMouseDown(forms::kLeftButton, 0, 4150, 5000);
    EXPECT_EQ(f.Width(), 9840);
    EXPECT_FALSE(q.main.gFolded);
    // Cut off inside bore hole C, a click right of B widens the window to D.
    f.UserResize(6000, f.Height());
    f.UserMouseDown(forms::kLeftButton, 0, 5300, 5000);
    EXPECT_EQ(f.Width(), 6560 + 180);
    EXPECT_FLOAT_EQ(q.main.gUnfoldedWidth, 6740);
    EXPECT_FALSE(q.main.gFolded);
}

TEST_F(WindowTest, RulerClickWithPanelsShownEndsTheWindowBeforeTheCompositeColumn) {
    auto& f = Main();
    f.UserResize(12000, f.Height());
    f.BoreHole(5).UserMouseDown(forms::kLeftButton, 0, 3, 300);
    EXPECT_EQ(f.Width(), 8400 - 150);
    EXPECT_TRUE(q.main.gFolded);
    EXPECT_FALSE(f.BoreHole(5).Visible());
}

TEST_F(WindowTest, TargetHorizonMarkMovesInAllSevenItems) {
    auto& f = Main();
    f.panelMenu[3].horizontal->SetEnabled(true);
    f.panelMenu[3].horizontal->UserChoose();
    std::vector<forms::Menu*> items{f.mnuHorizontal, f.mnuHorizontalBH};
    for (auto& pm : f.panelMenu) items.push_back(pm.horizontal);
    for (forms::Menu* m : items) EXPECT_FALSE(m->Checked()) << m->Name();
    f.mnuHorizontalBH->UserChoose();
    for (forms::Menu* m : items) EXPECT_TRUE(m->Checked()) << m->Name();
}

TEST_F(WindowTest, RulerCopyIsDrawnOnWhiteAndTheRulerKeepsItsColour) {
    auto& f = Main();
    f.BoreHole(5).SetBackColor(forms::RGB(200, 200, 200));
    services.popupAnswers = {"mnuCopyDepth"};
    f.BoreHole(5).UserMouseDown(forms::kRightButton, 0, 3, 300);
    ASSERT_TRUE(services.clipboard.has_value());
    const auto& copied = services.clipboard->current.primitives;
    ASSERT_FALSE(copied.empty());
    EXPECT_EQ(copied.front().colour, forms::kWhite);
    EXPECT_EQ(f.BoreHole(5).BackColor(), forms::RGB(200, 200, 200));
    // Redrawn on screen in its own colour over the white copy.
    const auto& screen = Column(5).CurrentPrimitives();
    const auto fills = Of(screen, PrimitiveKind::FilledBox, forms::RGB(200, 200, 200));
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_EQ(fills[0].y1, Column(5).ScaleTop());
}

TEST_F(WindowTest, DividerForABoreHoleOpensOnlyBetweenTwoDistinctLaminae) {
    auto& f = Main();
    f.mnuBH(2).Click();  // 320 lies between the pin at 200 and B's bottom at 500
    EXPECT_TRUE(q.main.gDividerOpen);
    EXPECT_FALSE(q.main.gMenuBHBusy);
    EXPECT_TRUE(q.frmDivider().Visible());
    // The level was last typed: the divider shows the target on the actual
    // scale instead of taking a sampling position.
    EXPECT_TRUE(q.frmDivider().Option1.Value());
    EXPECT_FALSE(q.frmDivider().Text2.Visible());
    EXPECT_TRUE(q.frmDivider().Label1.Visible());
    EXPECT_EQ(f.Combo1.Text(), "B");
    EXPECT_FLOAT_EQ(q.main.gDivLamina0Depth, 100);
    EXPECT_FLOAT_EQ(q.main.gDivLamina1Depth, 400);
    EXPECT_EQ(q.main.gDivLamina0Label, "Pin-1");
    EXPECT_EQ(q.main.gDivLamina1Label, "B-01-Bot");
}

}  // namespace
}  // namespace main_test
