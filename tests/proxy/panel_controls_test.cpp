// The controls and pop-up items of the main window's proxy panels, and the
// pointer over them.
#include <gtest/gtest.h>

#include "proxy_window_fixture.h"

namespace proxy_test {
namespace {

using forms::PrimitiveKind;

class PanelControlsTest : public ProxyWindowTest {
protected:
    void SetUp() override {
        ProxyWindowTest::SetUp();
        LoadModel();
        LoadProxy(0, EvenTrinityFile(9), "core XRF for QY.csv");
    }
    const quillory::SideWindow::PanelMenu& Items() { return Main().panelMenu[0]; }
};

TEST_F(PanelControlsTest, AtMostOneSmoothingSizeAndTheChosenOneAgainSwitchesItOff) {
    const auto& pm = Items();
    Choose(pm.flat3);
    Choose(pm.flat11);
    EXPECT_FALSE(pm.flat3->Checked());
    EXPECT_TRUE(pm.flat11->Checked());
    Choose(pm.flat11);
    for (forms::Menu* size : {pm.flat3, pm.flat5, pm.flat11, pm.flat208}) EXPECT_FALSE(size->Checked());
    EXPECT_TRUE(KeptOf(0, PrimitiveKind::Line, kRed).empty());
    // Neither curve nor markers: the panel keeps its background and bands.
    Choose(pm.line);
    Choose(pm.marker);
    EXPECT_TRUE(KeptOf(0, PrimitiveKind::Line, kBlue).empty());
    EXPECT_TRUE(KeptOf(0, PrimitiveKind::Circle, kBlue).empty());
    EXPECT_FALSE(KeptOf(0, PrimitiveKind::FilledBox, kGrey).empty());
}

// The boxes redraw whenever their texts differ; equal texts leave the last
// drawing in view. "Flip horizontal" twice gives the axis back.
TEST_F(PanelControlsTest, TheAxisBoxesAndFlipHorizontal) {
    quillory::FrmMain& f = Main();
    const auto before = Kept(0);
    Type(f.Text6(0), "0");
    EXPECT_EQ(Kept(0), before);
    EXPECT_TRUE(Drawing(0).CurrentPrimitives().empty());
    Type(f.Text6(0), "5");
    EXPECT_EQ(Drawing(0).ScaleWidth(), 5);
    Choose(Items().flipH);
    EXPECT_EQ(f.Text5(0).Text(), "5");
    EXPECT_EQ(f.Text6(0).Text(), "0");
    EXPECT_EQ(Drawing(0).ScaleWidth(), -5);
    Choose(Items().flipH);
    EXPECT_EQ(Drawing(0).ScaleLeft(), 0);
    EXPECT_EQ(Drawing(0).ScaleWidth(), 5);
    // An empty panel's boxes change nothing.
    const size_t shown = Drawing(3).CurrentPrimitives().size();
    f.Text5(3).SetText("7");
    EXPECT_EQ(Drawing(3).CurrentPrimitives().size(), shown);
}

// A column or "Ratio" empties both boxes, so the axis fits the new choice,
// and gives the level box the keys again.
TEST_F(PanelControlsTest, TheChoosersAndRatioRefitTheAxis) {
    quillory::FrmMain& f = Main();
    Type(f.Text5(0), "-3");
    ASSERT_TRUE(f.Combo3(0).UserChoose("Fe"));
    EXPECT_EQ(f.Text5(0).Text(), "2");  // Fe from 2 to 18
    EXPECT_EQ(f.Text6(0).Text(), "18");
    EXPECT_EQ(f.ActiveControl(), &f.Text2);

    const double top = f.Check1(0).Top();
    const double d = 300.0 * Drawing(0).InnerHeightTwips() / f.Picture1(0).Height();
    f.Check1(0).UserClick();
    EXPECT_DOUBLE_EQ(f.Check1(0).Top(), top + d);
    EXPECT_TRUE(f.Combo4(0).Visible());
    ASSERT_TRUE(f.Combo4(0).UserChoose("Ti"));
    EXPECT_EQ(f.Text5(0).Text(), "2");  // Fe / Ti = 2 everywhere: 2 to 3
    EXPECT_EQ(f.Text6(0).Text(), "4");
    f.mnuCM(100).UserChoose();
    f.Check1(0).UserClick();
    EXPECT_DOUBLE_EQ(f.Check1(0).Top(), top);
    EXPECT_FALSE(f.Combo4(0).Visible());
    EXPECT_EQ(f.Text6(0).Text(), "18");
}

TEST_F(PanelControlsTest, CopyPutsTheKeptPictureWithoutTheTargetLine) {
    Main().Picture1(0).UserMouseMove(0, 0, 3, 120);
    Choose(Items().copy);
    ASSERT_TRUE(services.clipboard);
    ASSERT_TRUE(services.clipboard->kept);
    EXPECT_EQ(services.clipboard->kept->primitives, Kept(0));
    EXPECT_TRUE(services.clipboard->current.primitives.empty());
}

// Only a pointer that came over a loaded panel picks; the pick is one on the
// composite column at the same height.
TEST_F(PanelControlsTest, APressPicksOnlyUnderTheCrossPointer) {
    quillory::FrmMain& f = Main();
    f.state.gDriveIndex = 2;
    q.shared.gActionCount.Set(1);
    f.Picture1(0).UserMouseDown(forms::kLeftButton, 0, 3, 123.456);
    EXPECT_EQ(f.Text2.Text(), "240");
    EXPECT_EQ(f.state.gDriveIndex, 2);
    EXPECT_EQ(q.shared.gActionCount.Get(), 1);

    f.Picture1(0).UserMouseMove(0, 0, 3, 123.456);
    EXPECT_EQ(app.MousePointer(), forms::vbCrosshair);
    f.Picture1(0).UserMouseDown(forms::kMiddleButton, 0, 3, 123.456);
    EXPECT_EQ(f.Text2.Text(), "240");
    EXPECT_EQ(f.state.gDriveIndex, 5);
    EXPECT_EQ(q.shared.gActionCount.Get(), 0);
    f.Picture1(0).UserMouseDown(forms::kLeftButton, 0, 3, 123.456);
    EXPECT_EQ(f.Text2.Text(), "123.46");

    services.popupAnswers.push_back("mnuFilename0");
    f.Picture1(0).UserMouseDown(forms::kRightButton, 0, 3, 200);
    EXPECT_TRUE(Items().filename->Checked());
    EXPECT_EQ(app.MousePointer(), forms::vbDefault);
}

// A move shows the file's title while "File name" is checked and draws the
// target line; moving onto the panel's controls takes it away again.
TEST_F(PanelControlsTest, PointerMovesOverThePanelAndItsControls) {
    quillory::FrmMain& f = Main();
    f.Picture1(0).UserMouseMove(0, 0, 3, 100);
    EXPECT_EQ(f.Picture1(0).ToolTipText, "");
    Choose(Items().filename);
    f.Picture1(0).UserMouseMove(0, 0, 3, 100);
    EXPECT_EQ(f.Picture1(0).ToolTipText, "core XRF");
    EXPECT_EQ(f.BoreHole(2).Draw().CurrentPrimitives().size(), 1u);
    f.Check1(0).UserMouseMove(0, 0, 10, 10);
    EXPECT_TRUE(f.BoreHole(2).Draw().CurrentPrimitives().empty());
    EXPECT_EQ(app.MousePointer(), forms::vbDefault);
    // Over an empty panel nothing happens.
    f.Picture1(4).UserMouseMove(0, 0, 3, 100);
    EXPECT_TRUE(f.BoreHole(2).Draw().CurrentPrimitives().empty());
    EXPECT_EQ(app.MousePointer(), forms::vbDefault);
}

}  // namespace
}  // namespace proxy_test
