// The "Photo" command from either main window: the first free window, its
// size and place against its neighbour and the screen, and the buttons and
// items of both main windows.
#include "odd_files.h"
#include "photo_fixture.h"

namespace phototest {
namespace {

using PhotoCommandTest = PhotoFixture;

TEST_F(PhotoCommandTest, AnUprightPhotoStandsRightOfItsNeighbourWithItsHeight) {
    Photo(main, Jpeg(200, 300));  // 3000 x 4500 twips
    ASSERT_TRUE(Open(1));
    PhotoWindow& w = W(1);
    EXPECT_TRUE(w.Visible());
    EXPECT_EQ(w.Caption(), "photo_200x300.jpg");
    EXPECT_EQ(w.Top(), 0);
    EXPECT_EQ(w.Height(), 11055);
    EXPECT_EQ(w.Width(), (11055 - 405) * 3000.0 / 4500 + 120);
    EXPECT_EQ(w.Left(), 9840);
    // The next upright one keeps the fraction its arithmetic gives.
    Photo(main, Jpeg(300, 400));
    EXPECT_EQ(W(2).Width(), 8107.5);
    EXPECT_EQ(W(2).Left(), 9840 + 7220);
    EXPECT_EQ(W(2).GetProperty("Width"), "8107.5");
}

TEST_F(PhotoCommandTest, AWindowThatWouldPassTheScreenEdgeEndsSixtyTwipsShortOfIt) {
    main.Move(20000, 500, 9840, 11055);
    Photo(main, Jpeg(200, 300));
    EXPECT_EQ(W(1).Left(), app.ScreenWidth - 60 - 7220);
    EXPECT_EQ(W(1).Top(), 500);
    // Landscape below window 1: its Left and Width, high enough inside for
    // the whole photo at that width.
    Photo(main, Jpeg(400, 200));
    PhotoWindow& w2 = W(2);
    EXPECT_TRUE(states[1].gPhotoMagnifier);
    EXPECT_EQ(w2.Left(), W(1).Left());
    EXPECT_EQ(w2.Width(), 7220);
    EXPECT_EQ(w2.ScaleHeight(), (7220 - 240) / 2.0);
    EXPECT_EQ(w2.Image1.Height(), w2.ScaleHeight());
    EXPECT_EQ(w2.Top(), 500 + 11055);
    // On a lower screen it is pushed up to end 60 twips above the edge.
    w2.Unload();
    app.ScreenHeight = 14000;
    Photo(main, Jpeg(400, 200));
    EXPECT_EQ(W(2).Top(), 14000 - 60 - 4060);
}

// Alone, the upright photo gets 2542.5 x 10485 twips inside and the lying one
// 9600 x 2400; in turn on a 1600 x 1000 screen each window keeps a fifth of
// that, where its neighbour's height or width shrank it step by step.
TEST_F(PhotoCommandTest, PhotosInTurnUprightAndLyingKeepAFifthOfTheirSizeAlone) {
    app.ScreenHeight = 15000;
    const std::string a = Jpeg(300, 1200), b = Jpeg(1200, 300);
    using Box = std::array<double, 4>;  // inner width and height, left, top
    const auto box = [this](int k) { return Box{W(k).ScaleWidth(), W(k).ScaleHeight(), W(k).Left(), W(k).Top()}; };
    for (const std::string& f : {a, b, a, b}) Photo(main, f);
    EXPECT_EQ(box(2), (Box{2542.5, 635.625, 9840, 11055}));  // enough below window 1: as it was
    EXPECT_EQ(box(3), (Box{508.5, 2097, 12622.5, 11055}));
    EXPECT_EQ(box(4), (Box{1920, 480, 12622.5, 13722}));
    for (int k = 1; k <= 4; ++k) W(k).UserClose();
    for (const std::string& f : {b, a, b, a}) Photo(main, f);
    EXPECT_EQ(box(2), (Box{521.25, 2400, 9840, 11055}));
    // Both pulled up to end 60 twips above the screen's lower edge.
    EXPECT_EQ(box(3), (Box{1920, 480, 9840, 13890}));
    EXPECT_EQ(box(4), (Box{508.5, 2097, 12000, 12273}));
}

TEST_F(PhotoCommandTest, ASquarePhotoIsUpright) {
    Photo(main, Jpeg(250, 250));
    EXPECT_FALSE(states[0].gPhotoMagnifier);
    EXPECT_EQ(W(1).Height(), main.Height());
    EXPECT_EQ(W(1).Width(), 11055 - 405 + 120);
}

TEST_F(PhotoCommandTest, BothWindowsFillTheSameFourWindowsAndTheFourthDisablesBothButtons) {
    // From the Duo window, window 1 still goes against the main window, and
    // only the Duo window's own "Show photo" is enabled.
    Photo(duo, Jpeg(200, 300));
    EXPECT_EQ(W(1).Left(), main.Left() + main.Width());
    EXPECT_TRUE(duo.mnuPhoto.Enabled());
    EXPECT_FALSE(main.mnuPhoto.Enabled());
    Photo(main, Jpeg(200, 300));
    Photo(duo, Jpeg(200, 300));
    EXPECT_TRUE(main.Command7.Enabled());
    Photo(main, Jpeg(200, 300));
    EXPECT_TRUE(Open(1) && Open(2) && Open(3) && Open(4));
    EXPECT_FALSE(main.Command7.Enabled());
    EXPECT_FALSE(duo.Command7.Enabled());
    EXPECT_TRUE(main.mnuPhoto.Enabled());
    // Closing any window makes both buttons usable again.
    W(3).UserClose();
    EXPECT_TRUE(main.Command7.Enabled());
    EXPECT_TRUE(duo.Command7.Enabled());
}

TEST_F(PhotoCommandTest, AFreedWindow1FillsNextAgainstTheFirstWindowInUse) {
    Photo(main, Jpeg(200, 300));
    Photo(main, Jpeg(200, 300));
    Photo(main, Jpeg(200, 300));
    W(2).Move(3000, 1000, 5000, 9000);
    W(1).UserClose();
    Photo(duo, Jpeg(400, 200));
    ASSERT_TRUE(Open(1));
    EXPECT_EQ(W(1).Left(), 3000);
    EXPECT_EQ(W(1).Width(), 5000);
    EXPECT_EQ(W(1).Top(), 1000 + 9000);
    EXPECT_FALSE(Open(4));
}

TEST_F(PhotoCommandTest, CancelOrAFileThatIsNoPictureChangesNothing) {
    Photo(main, std::nullopt);
    EXPECT_FALSE(w1.IsLoaded());
    EXPECT_FALSE(main.mnuPhoto.Enabled());
    EXPECT_EQ(services.fileRequests.back().filter, kPhotoFilter);

    std::string text = PhotoTempDir() + "/notes.jpg";
    std::ofstream(text) << "core notes";
    Photo(main, text);
    EXPECT_FALSE(Open(1));
    EXPECT_FALSE(W(1).Visible());
    EXPECT_FALSE(main.mnuPhoto.Enabled());
    EXPECT_TRUE(services.messages.empty());
    // A pipe, a device, a folder or a missing file ends it as silently, and at once.
    {
        const test_files::OddFiles odd;
        const test_files::Deadline deadline(10);
        for (const std::string& path : {odd.Pipe(), odd.Device(), odd.Folder(), odd.Missing()}) {
            Photo(main, path);
            EXPECT_FALSE(Open(1)) << path;
        }
        EXPECT_TRUE(services.messages.empty());
    }
    // The next run chooses the same window.
    Photo(main, Jpeg(200, 300));
    EXPECT_TRUE(Open(1));
    EXPECT_FALSE(Open(2));
}

TEST_F(PhotoCommandTest, TheCaptionIsTheNameAfterTheLastFolderSeparator) {
    EXPECT_EQ(PhotoTitle("C:\\cores\\QL22 A 01.jpg"), "QL22 A 01.jpg");
    EXPECT_EQ(PhotoTitle("/data/cores/QL22_B_02.bmp"), "QL22_B_02.bmp");
    EXPECT_EQ(PhotoTitle("core.jpg"), "core.jpg");
}

TEST_F(PhotoCommandTest, ThePictureIsDecodedOnceForTheBoxThePictureAndItsCopy) {
    Photo(main, Jpeg(200, 300));
    PhotoWindow& w = W(1);
    ASSERT_NE(w.Image1.Picture, nullptr);
    EXPECT_EQ(w.Image1.Picture, w.Image2.Picture);
    EXPECT_EQ(w.Image1.Picture, w.Picture1.Draw().LoadedImage());
    EXPECT_EQ(w.Picture1.Width(), 3000);
    EXPECT_EQ(w.Picture1.Height(), 4500);
}

}  // namespace
}  // namespace phototest
