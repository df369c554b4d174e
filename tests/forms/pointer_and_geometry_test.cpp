// Mouse capture from a press through its release, and positions kept in
// twips as the program's arithmetic gives them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "forms/application.h"
#include "forms/headless.h"

using namespace forms;

namespace {

struct DragForm : Form {
    explicit DragForm(Application& a) : Form(a, "frmDrag") {
        Image1.MouseDown = [this](int, int, double, double) { Image1.SetVisible(false); Log("down"); };
        Image1.MouseMove = [this](int, int, double x, double) { Log("move " + std::to_string(int(x))); };
        Image1.MouseUp = [this](int, int, double, double) { Log("up"); };
        AddMenu("mnuItem", "Item", &popup);
    }
    void Log(const std::string& s) { log.push_back(s); }
    ImageControl& Image1 = Add<ImageControl>("Image1");
    Menu& popup = AddMenu("mnuPopup", "Popup");
    std::vector<std::string> log;
};

struct PointerTest : ::testing::Test {
    HeadlessServices services;
    Application app{services};
    DragForm form{app};
};

TEST_F(PointerTest, APressHoldsTheMouseForItsControlUntilTheRelease) {
    form.Image1.UserMouseDown(kLeftButton, 0, 10, 10);
    // The press hid the control; its moves and release still reach it.
    EXPECT_TRUE(form.Image1.AcceptsPointer());
    form.Image1.UserMouseMove(kLeftButton, 0, 50, 10);
    form.Image1.UserMouseUp(kLeftButton, 0, 50, 10);
    EXPECT_EQ(form.log, (std::vector<std::string>{"down", "move 50", "up"}));
    // Released: a hidden control takes no pointer input again.
    EXPECT_FALSE(form.Image1.AcceptsPointer());
    form.Image1.UserMouseMove(0, 0, 60, 10);
    form.Image1.UserMouseDown(kLeftButton, 0, 60, 10);
    EXPECT_EQ(form.log.size(), 3u);
}

TEST_F(PointerTest, APopUpMenuOrAPressOnTheWindowTakesTheMouseBack) {
    form.Image1.UserMouseDown(kRightButton, 0, 10, 10);
    form.PopupMenu(form.popup);
    EXPECT_EQ(form.MouseCapture(), nullptr);
    form.Image1.UserMouseUp(kRightButton, 0, 10, 10);
    EXPECT_EQ(form.log, (std::vector<std::string>{"down"}));

    form.Image1.SetVisible(true);
    form.Image1.UserMouseDown(kLeftButton, 0, 10, 10);
    form.UserMouseDown(kLeftButton, 0, 5000, 5000);
    EXPECT_EQ(form.MouseCapture(), nullptr);
}

TEST_F(PointerTest, PositionsAndSizesKeepTheirFractions) {
    form.Move(100.25, 0, 4417.5, 3000);
    EXPECT_EQ(form.Width(), 4417.5);
    EXPECT_EQ(form.ScaleWidth(), 4417.5 - kFrameWidth);
    EXPECT_EQ(form.GetProperty("Width"), "4417.5");
    EXPECT_EQ(form.GetProperty("Left"), "100.25");
    ASSERT_TRUE(form.Image1.SetProperty("Top", "-1234.75"));
    EXPECT_EQ(form.Image1.Top(), -1234.75);
    // Shown as the old platform's single-precision properties.
    form.Image1.SetLeft(7300.8);
    EXPECT_EQ(form.Image1.GetProperty("Left"), "7300.8");
}

// A picture box beyond every screen keeps a picture no larger than one shows.
TEST_F(PointerTest, APictureBoxBeyondEveryScreenKeepsAPictureAScreenShows) {
    PictureBox& box = form.Add<PictureBox>("Picture1");
    box.SetHeight(3e9);
    EXPECT_EQ(box.Draw().InnerHeightTwips(), kLargestScreenHeightTwips);
}

}  // namespace
