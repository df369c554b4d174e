// Windows on a screen of device pixel ratio 2 beside one of ratio 1 (the
// qt-two-screens test runs these on such an offscreen pair; elsewhere they
// are skipped): drawings are rendered at the ratio of the window's screen.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QScreen>

#include "forms/application.h"
#include "qt/form_window.h"
#include "qt/qt_services.h"
#include "finer_detail.h"
#include "qt_test_app.h"

using namespace forms;

namespace {

class FrmDrawing : public Form {
public:
    FrmDrawing(Application& a, const std::string& name) : Form(a, name) {
        Move(0, 0, 4800, 3600);
        // 100 x 50 pixels inside a 2-pixel border, in twips.
        Picture1.Move(120, 120, 1560, 810);
        Surface& s = Picture1.Draw();
        s.Line(0, 300, 1500, 300, RGB(0, 0, 255));  // pixel row 20
        s.CurrentX = 150;
        s.CurrentY = 450;
        s.Print("Mg");
        s.KeepDrawing();
    }
    PictureBox& Picture1 = Add<PictureBox>("Picture1");
};

class TwoScreensTest : public ::testing::Test {
protected:
    TwoScreensTest() { qttest::EnsureQtApplication(); }
    void SetUp() override {
        QList<QScreen*> screens = QGuiApplication::screens();
        if (screens.size() < 2 || screens[0]->devicePixelRatio() != 1 || screens[1]->devicePixelRatio() != 2)
            GTEST_SKIP() << "needs a screen of ratio 1 and one of ratio 2 (the qt-two-screens test)";
        services.Attach(app);
        // One window on each screen.
        int second = screens[1]->geometry().x() * kTwipsPerPixel;
        services.UserEvent([&] {
            one().Show();
            two().Move(second + 1500, 1500, 4800, 3600);
            two().Show();
        });
    }
    QWidget* PictureWidget(FrmDrawing& f) { return services.WindowOf(f).WidgetOf(f.Picture1); }

    qtback::QtServices services;
    Application app{services};
    FormSlot<FrmDrawing> one{app, "frmOne", [this] { return std::make_unique<FrmDrawing>(app, "frmOne"); }};
    FormSlot<FrmDrawing> two{app, "frmTwo", [this] { return std::make_unique<FrmDrawing>(app, "frmTwo"); }};
};

TEST_F(TwoScreensTest, APictureBoxOnTheRatioTwoScreenIsDrawnAtItsDevicePixels) {
    ASSERT_EQ(services.WindowOf(two()).devicePixelRatioF(), 2);
    QImage shown = PictureWidget(two())->grab().toImage();
    ASSERT_EQ(shown.size(), QSize(208, 108));
    // The line's pixel row 20, inside the border, is device rows 44 and 45.
    EXPECT_EQ(shown.pixel(100, 43), 0xFFFFFFFF);
    EXPECT_EQ(shown.pixel(100, 44), 0xFF0000FF);
    EXPECT_EQ(shown.pixel(100, 45), 0xFF0000FF);
    EXPECT_EQ(shown.pixel(100, 46), 0xFFFFFFFF);
    // The text is drawn at the device's resolution, not enlarged.
    EXPECT_TRUE(qttest::HasFinerDetail(shown, QRect(24, 64, 60, 36)));
}

TEST_F(TwoScreensTest, AClipboardPictureHasTheRatioOfTheWindowItCameFrom) {
    services.ClipboardSetPicture(two().Picture1.Draw().PictureSnapshot());
    QImage fromTwo = QGuiApplication::clipboard()->image();
    services.ClipboardSetPicture(one().Picture1.Draw().PictureSnapshot());
    QImage fromOne = QGuiApplication::clipboard()->image();
    EXPECT_EQ(fromTwo.size(), QSize(200, 100));
    EXPECT_EQ(fromOne.size(), QSize(100, 50));
    EXPECT_EQ(fromTwo.pixel(100, 40), 0xFF0000FF);
    EXPECT_EQ(fromTwo.pixel(100, 41), 0xFF0000FF);
    EXPECT_EQ(fromOne.pixel(50, 20), 0xFF0000FF);
}

}  // namespace
