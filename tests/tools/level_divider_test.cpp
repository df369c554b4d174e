// The Level Divider over the main window: the rows by depth, both methods,
// the lamina lists, the owner's moves and the closing.
#include <gtest/gtest.h>

#include "main/main_window_fixture.h"
#include "tools/frm_divider.h"

namespace main_test {
namespace {

using quillory::DrivenBy;
using quillory::FrmDivider;

constexpr forms::Colour kGreen = forms::RGB(0, 170, 0), kMagenta = forms::RGB(255, 0, 255);

// Bore hole A's first section runs from PSP 0 to 300 at composite depth 0 to
// 300, so a PSP written into the main window is also its level.
class DividerTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        Import(Main().Command1, "model_20240209.csv", CorrelationModel());
    }

    FrmDivider& Divider() { return q.frmDivider(); }

    // The hand-over values as the pointing leaves them, then "Open divider".
    FrmDivider& Open(float d0, float t, float d1, const std::string& label0 = "A1", const std::string& label1 = "A2") {
        q.main.gDivLamina0Depth = d0;
        q.main.gDivTargetDepth = t;
        q.main.gDivLamina1Depth = d1;
        q.main.gDivLamina0Label = label0;
        q.main.gDivLamina1Label = label1;
        Main().mnuDivider->UserChoose();
        return Divider();
    }
    // The level was last given by bore hole, section and PSP, or typed.
    void LastInputWasThePSP() { Main().Text1.SetFocus(); }
    void LastInputWasTyped() { Main().Text2.SetFocus(); }
};

TEST_F(DividerTest, FixTargetDepthShowsTheTargetOnTheActualScale) {
    LastInputWasTyped();
    FrmDivider& d = Open(10, 14, 20);
    EXPECT_TRUE(q.main.gDividerOpen);
    EXPECT_TRUE(d.Option1.Value());
    EXPECT_FALSE(d.Text2.Visible());
    EXPECT_TRUE(d.Label1.Visible());
    EXPECT_EQ(d.Label3.Caption(), "Target depth = 14 cm");
    EXPECT_EQ(d.Label2(0).Caption(), "= 10 cm");
    EXPECT_EQ(d.Label2(1).Caption(), "= 20 cm");
    EXPECT_EQ(d.Combo1(0).Text(), "A1");
    EXPECT_EQ(d.Text1(0).Text(), "10");
    EXPECT_EQ(d.Text1(1).Text(), "20");
    EXPECT_EQ(d.Label1.Caption(), "14");
    // The target in the middle row, its mark green.
    EXPECT_EQ(d.Label3.Top(), 1960);
    EXPECT_EQ(d.Text1(0).Top(), 840);
    EXPECT_EQ(d.Text1(1).Top(), 3000);
    EXPECT_EQ(d.Line3.BorderColor, kGreen);
    EXPECT_EQ(d.Line1.BorderColor, kMagenta);
    EXPECT_EQ(d.Option1.Top(), 2260);
    EXPECT_EQ(d.Option2.Top(), 2260);
    EXPECT_EQ(d.Label6.Top(), 2460);
    // Opening took the target's PSP into the main window.
    EXPECT_EQ(Main().Text1.Text(), "14");
    EXPECT_EQ(Main().Text2.Text(), "14");

    Type(d.Text1(1), "12");
    EXPECT_EQ(d.Label1.Caption(), "10.8");
    EXPECT_EQ(q.main.gDrivenBy, DrivenBy::kNobody);
}

TEST_F(DividerTest, OutsideThePairTheActualScaleRunsOneToOne) {
    LastInputWasTyped();
    FrmDivider& d = Open(10, 8, 20);
    EXPECT_EQ(d.Label3.Top(), 880);
    EXPECT_EQ(d.Line1.BorderColor, kGreen);
    Type(d.Text1(0), "13");
    EXPECT_EQ(d.Label1.Caption(), "11");
    Type(d.Text1(1), "50");
    EXPECT_EQ(d.Label1.Caption(), "11");
}

TEST_F(DividerTest, BelowThePairTheActualScaleRunsOnFromTheLowerLamina) {
    // Laminae at 190 and 240, target 255: the lower lamina measured at 270
    // puts the target at 285, and a sample there back at 255.
    LastInputWasTyped();
    FrmDivider& d = Open(190, 255, 240);
    EXPECT_EQ(d.Line2.BorderColor, kGreen);
    Type(d.Text1(1), "270");
    EXPECT_EQ(d.Label1.Caption(), "285");
    Type(d.Text1(0), "180");
    EXPECT_EQ(d.Label1.Caption(), "285");
    d.Option2.UserClick();
    EXPECT_EQ(d.Text2.Text(), "285");
    EXPECT_EQ(d.Label3.Caption(), "Target depth = 255 cm");
    Type(d.Text2, "280");
    EXPECT_EQ(d.Label3.Caption(), "Target depth = 250 cm");
    EXPECT_EQ(Main().Text1.Text(), "250");
}

TEST_F(DividerTest, FixSamplingMovesTheMainWindowToTheSampledPSP) {
    LastInputWasThePSP();
    FrmDivider& d = Open(10, 14, 20);
    EXPECT_TRUE(d.Option2.Value());
    EXPECT_TRUE(d.Text2.Visible());
    Type(d.Text1(1), "30");
    Type(d.Text2, "20");
    EXPECT_EQ(d.Label3.Caption(), "Target depth = 15 cm");
    EXPECT_EQ(Main().Text1.Text(), "15");
    EXPECT_EQ(Main().Text2.Text(), "15");
    EXPECT_FLOAT_EQ(q.main.gDivTargetDepth, 15);
    EXPECT_EQ(d.Text2.Top(), 1920);
    EXPECT_EQ(q.main.gDrivenBy, DrivenBy::kNobody);

    Type(d.Text2, "5");
    EXPECT_EQ(d.Text2.Top(), 840);
    EXPECT_EQ(d.Line1.BorderColor, kGreen);
    Type(d.Text2, "35");
    EXPECT_EQ(d.Text2.Top(), 3000);
    EXPECT_EQ(d.Line2.BorderColor, kGreen);
    EXPECT_EQ(d.Line3.BorderColor, kMagenta);
}

TEST_F(DividerTest, HalvesRoundToTheEvenNeighbourAndReopeningStartsAfresh) {
    q.shared.precision.gDepthPrecision = 0;
    FrmDivider& d = Open(10, 12.5f, 20);
    EXPECT_EQ(d.Label1.Caption(), "12");
    EXPECT_EQ(d.Text2.Text(), "12");
    Type(d.Text1(0), "11");
    // Returning to the window puts the actual scale back on the PSPs.
    Main().UserActivate();
    EXPECT_EQ(q.frmDivider.IfLoaded(), nullptr);
    Main().mnuDivider->UserChoose();
    EXPECT_EQ(Divider().Text1(0).Text(), "10");
}

TEST_F(DividerTest, LaminaeAtOneDepthShowTheMainPSPAndNoTarget) {
    FrmDivider& d = Open(10, 10, 10);
    EXPECT_EQ(d.Label3.Caption(), "");
    EXPECT_EQ(d.Text2.Text(), Main().Text1.Text());
    EXPECT_EQ(d.Text1(0).Top(), 840);  // the design rows
}

// A caption without a target depth leaves the shared target alone instead of
// failing on a number that is not there.
TEST_F(DividerTest, AnEmptiedTargetCaptionKeepsTheSharedTarget) {
    LastInputWasThePSP();
    FrmDivider& d = Open(10, 10, 10);
    ASSERT_EQ(d.Label3.Caption(), "");
    q.main.gDivTargetDepth = 14;
    Type(d.Text1(0), "");
    d.Text1(0).UserKey(forms::kKeyDelete);
    ASSERT_EQ(d.Text1(0).Text(), "");
    EXPECT_NO_THROW(Type(d.Text2, "12"));
    EXPECT_FLOAT_EQ(q.main.gDivTargetDepth, 14);
    EXPECT_EQ(d.Text2.Top(), 3000);  // still laid out by the actual scale
    EXPECT_EQ(q.main.gDrivenBy, DrivenBy::kNobody);
}

TEST_F(DividerTest, AZeroDivisorChangesNothing) {
    LastInputWasThePSP();
    FrmDivider& d = Open(10, 14, 20);
    Type(d.Text1(0), "5");
    Type(d.Text1(1), "5.0");
    const std::string caption = d.Label3.Caption(), psp = Main().Text1.Text();
    const int top = d.Text2.Top();
    Type(d.Text2, "7");
    EXPECT_EQ(d.Label3.Caption(), caption);
    EXPECT_EQ(Main().Text1.Text(), psp);
    EXPECT_EQ(d.Text2.Top(), top);
    EXPECT_EQ(q.main.gDrivenBy, DrivenBy::kNobody);
}

// Filling the window moves the main window once, to where the filling ends,
// not to the PSPs of half-filled boxes on the way.
TEST_F(DividerTest, OpeningMovesTheMainWindowOnce) {
    LastInputWasThePSP();
    RecordLevelHandlers();
    Open(10, 14, 20);
    EXPECT_EQ(Count("Text1"), 1);
    EXPECT_EQ(Main().Text1.Text(), "14");
}

// Each divider edit is a user action: the Duo window follows it.
TEST_F(DividerTest, AnEditInTheDividerIsPushedToTheDuoWindow) {
    LastInputWasThePSP();
    FrmDivider& d = Open(10, 14, 20);
    q.shared.gDuoModelLoaded = true;
    q.frm2Main().Text2.SetText("x");
    q.shared.gActionCount.Set(quillory::ActionCount::kPushed);
    int32_t countAtWrite = -1;
    Main().Text1.Change = [this, &countAtWrite, old = Main().Text1.Change] {
        countAtWrite = q.shared.gActionCount.Get();
        old();
    };
    Type(d.Text2, "16");
    EXPECT_EQ(countAtWrite, 0);
    EXPECT_NE(q.frm2Main().Text2.Text(), "x");
}

class DividerListsTest : public DividerTest {
protected:
    // A section of 40 laminae L1 to L40 at PSP 10, 20, ... 400.
    void FillSection() {
        FrmDivider& d = Divider();
        d.Combo1(0).Clear();
        d.Combo1(1).Clear();
        for (int r = 1; r <= 40; ++r) {
            const std::string label = "L" + std::to_string(r);
            q.main.gSectionLaminae[r] = {label, std::to_string(10 * r), std::to_string(10 * r)};
            d.Combo1(0).AddItem(label);
            d.Combo1(1).AddItem(label);
        }
    }
};

TEST_F(DividerListsTest, ALaminaFarDownTheSectionIsFound) {
    LastInputWasThePSP();
    FrmDivider& d = Open(10, 14, 20, "L1", "L2");
    FillSection();
    ASSERT_TRUE(d.Combo1(1).UserChoose("L35"));
    EXPECT_FLOAT_EQ(q.main.gDivLamina1Depth, 350);
    EXPECT_EQ(q.main.gDivLamina1Label, "L35");
    EXPECT_EQ(d.Combo1(1).Text(), "L35");
    EXPECT_EQ(d.Label2(1).Caption(), "= 350 cm");
    EXPECT_EQ(q.main.gDrivenBy, DrivenBy::kNobody);
    // The main window moves under the divider and leaves its laminae in place.
    Type(d.Text2, "100");
    EXPECT_EQ(Main().Text1.Text(), "100");
    EXPECT_EQ(q.main.gSectionLaminae[35].label, "L35");
    ASSERT_TRUE(d.Combo1(0).UserChoose("L31"));
    EXPECT_FLOAT_EQ(q.main.gDivLamina0Depth, 310);
}

TEST_F(DividerListsTest, ChoicesThatCannotBracketTheLevelEmptyTheLists) {
    FrmDivider& d = Open(10, 14, 20, "L1", "L2");
    FillSection();
    d.Combo1(0).AddItem("A-01-Bot");
    d.Combo1(1).AddItem("A-01-top");
    d.Combo1(0).UserChoose("A-01-Bot");
    EXPECT_EQ(d.Combo1(0).Text(), "");
    EXPECT_EQ(d.Combo1(1).Text(), "");
    d.Combo1(0).UserChoose("L1");
    d.Combo1(1).UserChoose("A-01-top");
    EXPECT_EQ(d.Combo1(1).Text(), "");
    EXPECT_EQ(d.Combo1(0).Text(), "L1");
    // The same lamina in both lists hides the target and the clicked PSP.
    d.Combo1(1).UserChoose("L1");
    EXPECT_FALSE(d.Label1.Visible());
    EXPECT_FALSE(d.Label2(1).Visible());
    EXPECT_TRUE(d.Label2(0).Visible());
}

// Closing gives the main window back and keeps the hand-over values for the
// next opening.
TEST_F(DividerTest, ClosingKeepsTheHandOverValues) {
    Open(10, 14, 20);
    Main().SetEnabled(false);
    Divider().UserClose();
    EXPECT_TRUE(Main().Enabled());
    EXPECT_FALSE(q.main.gDividerOpen);
    EXPECT_FLOAT_EQ(q.main.gDivLamina0Depth, 10);
    EXPECT_EQ(q.main.gDivLamina1Label, "A2");
}

}  // namespace
}  // namespace main_test
