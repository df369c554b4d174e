// Pointing and picking: the transient target line over the kept drawings,
// the hover read-outs and their tolerances, and the order of the writes by
// which a click on a column picks a level.
#include "columns_fixture.h"
#include "window/column_drawing.h"

namespace main_test {
namespace {

using forms::PrimitiveKind;
using namespace quillory::columns;

class PointingTest : public ColumnsTest {
protected:
    void SetUp() override {
        ColumnsTest::SetUp();
        Load();
        Import(Main().Command3, "events.csv", EventList());
        Import(Main().Command4, "ages.csv", AgeModel());
        ASSERT_TRUE(services.messages.empty());
        GoTo("320");  // the view runs from 70 to 570
    }
};

TEST_F(PointingTest, TargetLineIsDrawnOverTheKeptDrawingAndClearedAway) {
    auto& f = Main();
    std::vector<std::vector<forms::Primitive>> kept;
    for (int i = 0; i <= 5; ++i) kept.push_back(Kept(i));
    f.BoreHole(1).UserMouseMove(0, 0, 3, 200);
    for (int i = 0; i <= 4; ++i) {
        const auto& line = Column(i).CurrentPrimitives();
        ASSERT_EQ(line.size(), 1u) << i;
        EXPECT_TRUE(HasLine(line, 0, 200, 7.6f, 200, kTargetLine)) << i;  // to ScaleLeft + ScaleWidth
        const auto& panel = f.Picture1(i).Draw();
        EXPECT_TRUE(HasLine(panel.CurrentPrimitives(), panel.ScaleLeft(), 200,
                            panel.ScaleLeft() + panel.ScaleWidth(), 200, kTargetLine));
    }
    const auto& mark = Column(5).CurrentPrimitives();
    ASSERT_EQ(mark.size(), 2u);
    EXPECT_TRUE(HasLine(mark, 7.5, 200, 9.5, 200, kTargetLine));
    EXPECT_EQ(mark[1].kind, PrimitiveKind::Circle);
    EXPECT_EQ(mark[1].fillColour, kTargetLine);
    EXPECT_EQ(mark[1].fillStyle, 0);
    EXPECT_EQ(app.MousePointer(), forms::vbCrosshair);

    // Onto a label: every line goes, the kept drawings stay, the pointer is the default.
    f.Label2.UserMouseMove(0, 0, 10, 10);
    for (int i = 0; i <= 5; ++i) {
        EXPECT_TRUE(Column(i).CurrentPrimitives().empty()) << i;
        EXPECT_EQ(Kept(i), kept[i]) << i;
    }
    for (int k = 0; k <= 4; ++k) EXPECT_TRUE(f.Picture1(k).Draw().CurrentPrimitives().empty());
    EXPECT_EQ(app.MousePointer(), forms::vbDefault);
}

TEST_F(PointingTest, TargetHorizonOffDrawsNoTargetLine) {
    Main().mnuHorizontalBH->UserChoose();
    Main().BoreHole(1).UserMouseMove(0, 0, 3, 200);
    for (int i = 0; i <= 5; ++i) EXPECT_TRUE(Column(i).CurrentPrimitives().empty()) << i;
}

TEST_F(PointingTest, TieRowReadOutIsStrictAtItsTolerance) {
    auto& a = Main().BoreHole(1);
    a.ToolTipText = "before";
    a.UserMouseMove(0, 0, 3, 101);  // exactly 0.002 x 500 away
    EXPECT_EQ(a.ToolTipText, "before");
    a.UserMouseMove(0, 0, 3, 100.9f);
    EXPECT_EQ(a.ToolTipText, "M1 (100 cm)");
    // Moving away keeps the read-out.
    a.UserMouseMove(0, 0, 3, 150);
    EXPECT_EQ(a.ToolTipText, "M1 (100 cm)");
}

// Only a bore hole has a bottom; over the composite column age control points
// read out at every level (bottom entry 0 would have hidden all of them).
TEST_F(PointingTest, AgePointsReadOutOnTheCompositeColumnAnywhereAcrossIt) {
    auto& c = Main().BoreHole(0);
    c.UserMouseMove(0, 0, 6, 300.5f);
    EXPECT_EQ(c.ToolTipText, "L2 (300 cm)");
    // On a bore-hole column only in the strip of the points.
    auto& a = Main().BoreHole(1);
    a.UserMouseMove(0, 0, 1.0, 300.5f);
    EXPECT_EQ(a.ToolTipText, "A-01-Bot (300 cm)");
    auto& b = Main().BoreHole(2);
    b.ToolTipText = "before";
    b.UserMouseMove(0, 0, 1.0, 301.4f);
    EXPECT_EQ(b.ToolTipText, "before");
    b.UserMouseMove(0, 0, 0.9, 301.4f);
    EXPECT_EQ(b.ToolTipText, "L2 (300 cm)");
}

TEST_F(PointingTest, LeftClickOnABoreHolePicksTheLevelByTheBoxRoad) {
    auto& f = Main();
    std::vector<std::string> writes;
    auto watch = [&](std::function<void()>& handler, const std::string& name, auto state) {
        handler = [old = handler, name, state, &writes] {
            writes.push_back(name + state());
            if (old) old();
        };
    };
    watch(f.Combo1.Change, "Combo1", [] { return std::string(); });
    watch(f.Text1.Change, "Text1 count ", [this] { return std::to_string(q.shared.gActionCount.Get()); });
    watch(f.Text2.Change, "Text2 by ", [this] { return std::to_string(static_cast<int>(q.main.gDrivenBy)); });
    ASSERT_EQ(f.Combo1.Text(), "B");
    f.BoreHole(1).UserMouseDown(forms::kLeftButton, 0, 3, 250.123f);
    ASSERT_GE(writes.size(), 3u);
    // The bore hole, then the provisional position (pushed nowhere), and
    // last the level itself on the road of a bore-hole pick.
    EXPECT_EQ(writes[0], "Combo1");
    auto provisional = std::find(writes.begin(), writes.end(), "Text1 count 9999");
    ASSERT_NE(provisional, writes.end());
    EXPECT_EQ(std::find(provisional, writes.end(), "Combo1"), writes.end());
    EXPECT_EQ(writes.back(), "Text2 by 9");
    EXPECT_EQ(f.Combo1.Text(), "A");
    EXPECT_EQ(f.Text2.Text(), "250.12");
    EXPECT_EQ(f.Text1.Text(), "250.12");
    EXPECT_EQ(q.main.gDrivenBy, quillory::DrivenBy::kNobody);
    EXPECT_EQ(q.main.gClickedColumn, 1);
    EXPECT_EQ(q.main.gDriveIndex, 5);
}

TEST_F(PointingTest, ClickBelowABoreHoleBottomPicksNothing) {
    auto& f = Main();
    f.BoreHole(1).UserMouseDown(forms::kLeftButton, 0, 3, 250);
    f.BoreHole(2).UserMouseDown(forms::kLeftButton, 0, 3, 520);
    EXPECT_EQ(f.Combo1.Text(), "A");
    EXPECT_EQ(f.Text2.Text(), "250");
    EXPECT_EQ(q.main.gBHLetter, "B");
    EXPECT_EQ(q.main.gDrivenBy, quillory::DrivenBy::kNobody);
}

TEST_F(PointingTest, CompositeClickWritesTheRoundedLevel) {
    Main().BoreHole(0).UserMouseDown(forms::kLeftButton, 0, 3, 123.456f);
    EXPECT_EQ(Main().Text2.Text(), "123.46");
    EXPECT_EQ(Main().Label1(8).Caption(), "123.46");
}

TEST_F(PointingTest, RightClickOnTheCompositeColumnOpensToolOnceWithCopy) {
    auto& f = Main();
    services.popupAnswers = {"mnuCompCopy", ""};
    f.BoreHole(0).UserMouseDown(forms::kRightButton, 0, 3, 400);
    EXPECT_EQ(services.popupAnswers.size(), 1u);
    ASSERT_TRUE(services.clipboard.has_value());
    EXPECT_EQ(services.clipboard->kept->primitives, Kept(0));
    EXPECT_FALSE(f.mnuCompCopy->Visible());
    EXPECT_EQ(f.Text2.Text(), "320");
}

TEST_F(PointingTest, CopyOfTheClickedColumnLeavesTheTargetLineOut) {
    auto& f = Main();
    f.BoreHole(2).UserMouseMove(0, 0, 3, 400);
    services.popupAnswers = {"mnuCopyCore"};
    f.BoreHole(2).UserMouseDown(forms::kRightButton, 0, 3, 400);
    EXPECT_TRUE(services.popupAnswers.empty());
    ASSERT_TRUE(services.clipboard.has_value());
    EXPECT_EQ(services.clipboard->kept->primitives, Kept(2));
    EXPECT_TRUE(services.clipboard->current.primitives.empty());
}

// The divider's laminae come from the bore hole under the pointer, also when
// its position search finds no ties there: then no divider opens.
TEST_F(PointingTest, AFailedSearchOnTheCentreLineLeavesNoLaminaeOfAnotherBoreHole) {
    auto& f = Main();
    GoTo("500");  // the bottom of B: its search finds no section below it
    f.BoreHole(1).UserMouseMove(0, 0, 3, 500);
    ASSERT_EQ(q.main.gDivLamina0Label, "M2");
    ASSERT_EQ(q.main.gDivLamina1Label, "A-02-Bot");
    f.BoreHole(2).UserMouseMove(0, 0, 3, 500);
    EXPECT_NE(q.main.gDivLamina0Label, "M2");
    EXPECT_NE(q.main.gDivLamina1Label, "A-02-Bot");
    EXPECT_EQ(q.main.gDivLamina0Depth, q.main.gDivLamina1Depth);
    services.popupAnswers = {"mnuDivider"};
    f.BoreHole(2).UserMouseDown(forms::kRightButton, 0, 3, 500);
    EXPECT_EQ(services.popupAnswers.size(), 1u);
    EXPECT_FALSE(q.frmDivider().Visible());
}

// A right click leaves the bore-hole hand-over set even when its menu is
// dismissed; the user's next choice of a bore hole or a PSP still moves the
// level.
TEST_F(PointingTest, TheUsersOwnTrinityInputEndsADismissedRightClicksHandOver) {
    auto& f = Main();
    services.popupAnswers = {""};
    f.BoreHole(1).UserMouseDown(forms::kRightButton, 0, 3, 320);
    ASSERT_TRUE(q.main.gFromMenuBH);
    ASSERT_TRUE(f.Combo1.UserChoose("A"));
    EXPECT_FALSE(q.main.gFromMenuBH);
    Type(f.Text1, "20");
    EXPECT_EQ(f.Label1(8).Caption(), "370");
    // The program's own writes keep the hand-over as it is.
    q.main.gFromMenuBH = true;
    f.Text1.SetText("40");
    EXPECT_TRUE(q.main.gFromMenuBH);
    EXPECT_EQ(f.Label1(8).Caption(), "370");
}

// At a tie row the search takes that tie above the level and the next one
// below it, so a right click there offers the divider.
TEST_F(PointingTest, RightClickOnABoreHoleAtATieRowOpensTheDividerMenu) {
    auto& f = Main();
    GoTo("100");  // M1 in bore hole A
    services.popupAnswers = {""};
    f.BoreHole(1).UserMouseDown(forms::kRightButton, 0, 3, 100);
    EXPECT_TRUE(services.popupAnswers.empty());
    EXPECT_EQ(q.main.gDivLamina0Label, "M1");
    EXPECT_NE(q.main.gDivLamina0Depth, q.main.gDivLamina1Depth);
}

TEST_F(PointingTest, WithTheDividerOpenPointingReadsNothingAndPicksNothing) {
    auto& f = Main();
    q.main.gDividerOpen = true;
    f.BoreHole(1).ToolTipText = "before";
    f.BoreHole(1).UserMouseMove(0, 0, 3, 100.5f);
    EXPECT_EQ(f.BoreHole(1).ToolTipText, "before");
    EXPECT_EQ(Column(1).CurrentPrimitives().size(), 1u);
    f.BoreHole(0).UserMouseDown(forms::kLeftButton, 0, 3, 200);
    EXPECT_EQ(f.Text2.Text(), "320");
}

TEST_F(PointingTest, DuoWindowShowsTheLineEvenWithTheMainTargetHorizonOff) {
    auto& f = Main();
    quillory::Frm2Main& duo = q.frm2Main();
    q.shared.gDuoModelLoaded = true;
    duo.Option4(0).SetValue(true);  // fit to the master core: the same level
    f.mnuHorizontalBH->UserChoose();
    f.BoreHole(1).UserMouseMove(0, 0, 3, 200);
    EXPECT_TRUE(Column(1).CurrentPrimitives().empty());
    for (int k = 0; k <= 4; ++k) {
        const auto& s = duo.BoreHole(k).Draw();
        EXPECT_TRUE(HasLine(s.CurrentPrimitives(), s.ScaleLeft(), 200, s.ScaleLeft() + s.ScaleWidth(), 200, kTargetLine))
            << k;
    }
    EXPECT_TRUE(HasLine(duo.BoreHole(5).Draw().CurrentPrimitives(), -0.3, 200, 2.2, 200, kTargetLine));
    // Leaving the columns clears both windows.
    f.Label7.UserMouseMove(0, 0, 1, 1);
    for (int k = 0; k <= 5; ++k) EXPECT_TRUE(duo.BoreHole(k).Draw().CurrentPrimitives().empty()) << k;
}

}  // namespace
}  // namespace main_test
