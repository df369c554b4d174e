// One photo window: the fit, "Next", the zoom about a point, the drag of the
// copy and the close.
#include "photo_fixture.h"

namespace phototest {
namespace {

struct PhotoWindowTest : PhotoFixture {
    // Window 1 at its design size (client 8055 x 7710) showing a picture.
    PhotoWindow& Showing(int widthPx, int heightPx) {
        PhotoWindow& w = W(1);
        w.LoadPhoto(Jpeg(widthPx, heightPx));
        w.TakeOrientation();
        w.Show();
        states[0].gPhotoOpen = true;
        return w;
    }
    void Zoom(PhotoWindow& w, const char* item, double x, double y) {
        services.popupAnswers.push_back(item);
        w.Image1.UserMouseDown(kRightButton, 0, x, y);
    }
    struct Frame {
        double left, top, width, height;
        bool operator==(const Frame&) const = default;
    };
    static Frame FrameOf(const Control& c) { return {c.Left(), c.Top(), c.Width(), c.Height()}; }
};

TEST_F(PhotoWindowTest, TheFitFillsTheHeightOfAnUprightPictureAndTheWidthOfALandscapeOne) {
    PhotoWindow& w = Showing(200, 200);  // square: upright
    EXPECT_EQ(FrameOf(w.Image1), (Frame{0, 0, 7710, 7710}));
    EXPECT_EQ(w.Command1.Top(), 7710 - 255 - 0.02 * 7710);
    EXPECT_EQ(w.Command1.Left(), 8055 - 495 - 0.05 * 8055);
    w.Unload();
    PhotoWindow& l = Showing(300, 200);  // 4500 x 3000 twips
    EXPECT_EQ(FrameOf(l.Image1), (Frame{0, 0, 8055, 5370}));
    EXPECT_EQ(l.Command1.Top(), 7710 - 255 - 0.05 * 7710);
    EXPECT_EQ(l.Command1.Left(), 8055 - 495 - 0.02 * 8055);
}

TEST_F(PhotoWindowTest, AZoomKeepsThePointUnderTheRightPressAndGoesBackAlignedAt100) {
    PhotoWindow& w = Showing(200, 300);  // frame 5140 x 7710
    Zoom(w, "mnuZoom(2)", 1000, 2000);
    EXPECT_EQ(FrameOf(w.Image1), (Frame{-1000, -2000, 10280, 15420}));
    EXPECT_TRUE(w.mnuZoom(2).Checked());
    EXPECT_FALSE(w.mnuZoom(1).Checked());
    EXPECT_EQ(FrameOf(w.Image2), FrameOf(w.Image1));
    // Resizing keeps the place and twice the fitted size.
    w.UserResize(6240, 9570);  // client 6000 x 9000
    EXPECT_EQ(FrameOf(w.Image1), (Frame{-1000, -2000, 12000, 18000}));
    // Back to 100 % about another point: halved, and the top aligned.
    Zoom(w, "mnuZoom(1)", 4000, 7000);  // the window point (3000, 5000)
    EXPECT_EQ(FrameOf(w.Image1), (Frame{1000, 0, 6000, 9000}));
    EXPECT_EQ(states[0].gPhotoZoom, 1);
    // The item that carries the check mark changes nothing.
    Zoom(w, "mnuZoom(1)", 10, 10);
    EXPECT_EQ(FrameOf(w.Image1), (Frame{1000, 0, 6000, 9000}));
}

TEST_F(PhotoWindowTest, ThePopUpOpensOnTheBackgroundForTheRightButtonOnly) {
    PhotoWindow& w = Showing(200, 300);
    services.popupAnswers.push_back("mnuZoom(2)");
    w.UserMouseDown(kMiddleButton, 0, 7000, 300);
    EXPECT_EQ(services.popupAnswers.size(), 1u);
    w.UserMouseDown(kRightButton, 0, 7000, 300);
    EXPECT_EQ(FrameOf(w.Image1), (Frame{-7000, -300, 10280, 15420}));
    // The middle button on the picture opens it too.
    Zoom(w, "mnuZoom(4)", 0, 0);
    EXPECT_EQ(states[0].gPhotoZoom, 4);
    // The hidden items are never offered, but the zoom takes any factor.
    services.popupAnswers.push_back("mnuZoom(8)");
    w.Image1.UserMouseDown(kMiddleButton, 0, 0, 0);
    EXPECT_EQ(states[0].gPhotoZoom, 4);
    w.mnuZoom(16).Click();
    EXPECT_EQ(w.Image1.Height(), 16 * 7710);
}

TEST_F(PhotoWindowTest, AtOneHundredPercentTheDragFollowsOnlyTheLongAxis) {
    PhotoWindow& w = Showing(200, 300);
    w.Image1.UserMouseDown(kLeftButton, 0, 100, 100);
    EXPECT_FALSE(w.Image1.Visible());
    EXPECT_TRUE(w.Image2.Visible());
    EXPECT_EQ(w.Image1.MousePointer(), vbCrosshair);
    // The press holds the mouse: the hidden picture still gets the moves.
    w.Image1.UserMouseMove(kLeftButton, 0, 600, 900);
    EXPECT_EQ(w.Image2.Left(), 500);
    EXPECT_EQ(w.Image2.Top(), 0);
    EXPECT_EQ(calls, (std::vector<std::string>{"erase"}));
    w.Image1.UserMouseUp(kLeftButton, 0, 600, 900);
    EXPECT_EQ(FrameOf(w.Image1), (Frame{500, 0, 5140, 7710}));
    EXPECT_TRUE(w.Image1.Visible());
    EXPECT_FALSE(w.Image2.Visible());
    EXPECT_FALSE(states[0].gPhotoDrag);
    w.Unload();

    PhotoWindow& l = Showing(300, 200);
    l.Image1.UserMouseDown(kLeftButton, 0, 100, 100);
    l.Image1.UserMouseMove(kLeftButton, 0, 600, 900);
    l.Image2.UserMouseUp(kLeftButton, 0, 600, 900);
    EXPECT_EQ(FrameOf(l.Image1), (Frame{0, 800, 8055, 5370}));
    // Zoomed, the picture moves freely.
    Zoom(l, "mnuZoom(2)", 0, 0);  // about the frame's corner: it stays at (0, 800)
    l.Image1.UserMouseDown(kLeftButton, 0, 100, 100);
    l.Image1.UserMouseMove(kLeftButton, 0, 400, -100);
    l.Image1.UserMouseUp(kLeftButton, 0, 400, -100);
    EXPECT_EQ(l.Image1.Left(), 300);
    EXPECT_EQ(l.Image1.Top(), 800 - 200);
}

// The release after the zoom pop-up ends no drag: the picture stays where
// the zoom put it instead of jumping to its copy, which did not follow the
// alignment at 100 %.
TEST_F(PhotoWindowTest, AReleaseMovesThePictureOnlyAtTheEndOfADrag) {
    PhotoWindow& w = Showing(200, 300);
    Zoom(w, "mnuZoom(2)", 1000, 2000);
    Zoom(w, "mnuZoom(1)", 4000, 7000);  // the copy's Top is 1500, the picture's 0
    ASSERT_EQ(w.Image2.Top(), 1500);
    w.Image1.UserMouseUp(kRightButton, 0, 4000, 7000);
    EXPECT_EQ(FrameOf(w.Image1), (Frame{1000, 0, 5140, 7710}));
    EXPECT_TRUE(w.Image1.Visible());
    EXPECT_FALSE(w.Image2.Visible());
}

TEST_F(PhotoWindowTest, NextLoadsIntoThePresentFrameAndCancelChangesNothing) {
    PhotoWindow& w = Showing(200, 300);
    services.fileAnswers.push_back(std::nullopt);
    w.Command1.UserClick();
    EXPECT_EQ(w.Caption(), "Core photo");
    EXPECT_TRUE(calls.empty());
    EXPECT_TRUE(services.messages.empty());

    std::string landscape = Jpeg(400, 200);
    services.fileAnswers.push_back(landscape);
    w.Command1.UserClick();
    EXPECT_EQ(w.Caption(), "Core photo (" + landscape + ")");
    EXPECT_TRUE(states[0].gPhotoMagnifier);
    EXPECT_EQ(w.Command1.Top(), 7710 - 255 - 0.05 * 7710);
    EXPECT_EQ(FrameOf(w.Image1), (Frame{0, 0, 5140, 7710}));
    EXPECT_EQ(calls, (std::vector<std::string>{"refresh", "show photo"}));
    // The next resize fits it.
    w.UserResize(8295, 8281);
    EXPECT_EQ(w.Image1.Height(), 8055 / 2.0);
}

TEST_F(PhotoWindowTest, ClosingFreesOnlyThisWindowAndBringsTheOthersInUseBack) {
    for (int k : {1, 2, 4}) {
        W(k).Show();
        states[k - 1].gPhotoOpen = true;
    }
    W(3);
    W(2).Hide();
    W(1).UserClose();
    EXPECT_FALSE(Open(1));
    EXPECT_TRUE(Open(2) && Open(4));
    EXPECT_FALSE(w1.IsLoaded());
    EXPECT_TRUE(W(2).Visible());
    EXPECT_EQ(app.ActiveForm(), &W(4));
    // Unload and Terminate both ran the steps; the second changed nothing.
    EXPECT_EQ(calls, (std::vector<std::string>{"photo buttons", "photo buttons"}));
    // A fresh window starts at 100 %.
    states[0].gPhotoZoom = 4;
    EXPECT_EQ(W(1).mnuZoom(1).Checked(), true);
    EXPECT_EQ(states[0].gPhotoZoom, 1);
}

}  // namespace
}  // namespace phototest
