// Photographs on the Qt back end: what the loader refuses and keeps, the
// image control painting its stretched picture, and a drag whose press on
// the picture holds the mouse after the picture is hidden.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QMouseEvent>
#include <QScreen>
#include <QTemporaryDir>

#include <filesystem>

#include "forms/application.h"
#include "forms/picture_file.h"
#include "values/runtime_error.h"
#include "photo/photo_window.h"
#include "qt/form_window.h"
#include "qt/picture_loader.h"
#include "qt/qt_services.h"
#include "odd_files.h"
#include "qt_test_app.h"

using namespace forms;
using namespace values;
using namespace quillory;

namespace {

struct QtPictureTest : ::testing::Test {
    QtPictureTest() { qttest::EnsureQtApplication(); }
    std::string Path(const char* name) const { return dir.filePath(name).toStdString(); }
    // A picture red on its left half and blue on its right.
    std::string TwoColours(const char* name, int w, int h, QImage::Format format = QImage::Format_RGB32) {
        QImage image(w, h, QImage::Format_RGB32);
        image.fill(Qt::red);
        for (int y = 0; y < h; ++y)
            for (int x = w / 2; x < w; ++x) image.setPixelColor(x, y, Qt::blue);
        EXPECT_TRUE(image.convertToFormat(format).save(dir.filePath(name)));
        return Path(name);
    }
    std::string Cut(const std::string& whole, const char* name) {
        QFile in(QString::fromStdString(whole));
        EXPECT_TRUE(in.open(QIODevice::ReadOnly));
        QByteArray bytes = in.readAll();
        QFile out(dir.filePath(name));
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes.left(bytes.size() / 2));
        return Path(name);
    }
    std::string Bytes(const char* name, const QByteArray& bytes) {
        QFile out(dir.filePath(name));
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
        return Path(name);
    }
    static int Refusal(const std::string& path) {
        try {
            qtback::LoadPictureFile(path);
        } catch (const RuntimeError& e) {
            return e.number();
        }
        return 0;
    }
    QTemporaryDir dir;
};

TEST_F(QtPictureTest, PicturesThatCannotBeReadAreRefused) {
    // Qt's readers would fill a cut JPEG or BMP with grey and call it read.
    EXPECT_EQ(Refusal(Cut(TwoColours("core.jpg", 300, 200), "cut.jpg")), kErrInvalidPicture);
    EXPECT_EQ(Refusal(Cut(TwoColours("core.bmp", 300, 200), "cut.bmp")), kErrInvalidPicture);
    EXPECT_EQ(Refusal(Cut(TwoColours("core.png", 300, 200), "cut.png")), kErrInvalidPicture);
    EXPECT_EQ(Refusal(Bytes("empty.jpg", {})), kErrInvalidPicture);
    EXPECT_EQ(Refusal(Bytes("notes.jpg", "core notes, not a picture")), kErrInvalidPicture);
    // 58 bytes whose header declares 100,000 x 100,000 pixels.
    QByteArray huge(58, '\0');
    huge[0] = 'B';
    huge[1] = 'M';
    huge[10] = 54;
    huge[14] = 40;
    for (int at : {18, 22}) {
        huge[at] = static_cast<char>(0xA0);
        huge[at + 1] = static_cast<char>(0x86);
        huge[at + 2] = 0x01;
    }
    huge[26] = 1;
    huge[28] = 24;
    EXPECT_EQ(Refusal(Bytes("huge.bmp", huge)), kErrInvalidPicture);
    EXPECT_EQ(QImageReader::allocationLimit(), kPictureAllocationLimitMb);
}

TEST_F(QtPictureTest, OnlyARegularFileIsReadAndByTheBytesOfItsName) {
    {
        const test_files::OddFiles odd;
        const test_files::Deadline deadline(10);
        EXPECT_EQ(Refusal(odd.Pipe()), kErrPathFileAccess);
        EXPECT_EQ(Refusal(odd.Device()), kErrPathFileAccess);
        EXPECT_EQ(Refusal(odd.Folder()), kErrPathFileAccess);
        EXPECT_EQ(Refusal(odd.Missing()), kErrFileNotFound);
    }
    // A name in Latin-1, which is no UTF-8: the picture behind it loads.
    const std::string latin1 = dir.path().toStdString() + "/Kern_\xe4.jpg";
    std::filesystem::copy_file(TwoColours("core.jpg", 300, 200), latin1);
    auto loaded = qtback::LoadPictureFile(latin1);
    EXPECT_EQ(loaded->widthPx, 300);
    EXPECT_EQ(loaded->path, latin1);
    std::filesystem::remove(latin1);  // a name Qt could not give back to remove its folder
}

TEST_F(QtPictureTest, EveryFormatQtReadsLoadsInThirtyTwoBitsWithItsHalvings) {
    for (const char* name : {"core.jpg", "core.bmp", "core.tif"}) {
        auto loaded = qtback::LoadPictureFile(TwoColours(name, 3000, 200));
        auto* picture = dynamic_cast<const qtback::QtPicture*>(loaded.get());
        ASSERT_NE(picture, nullptr) << name;
        EXPECT_EQ(picture->widthPx, 3000);
        EXPECT_EQ(picture->image.format(), QImage::Format_RGB32) << name;
        // 1500, 750, 375, 187: the last longer than 128 pixels.
        ASSERT_EQ(picture->halvings.size(), 4u) << name;
        EXPECT_EQ(picture->halvings.back().size(), QSize(187, 12));
    }
    auto indexed = qtback::LoadPictureFile(TwoColours("indexed.png", 40, 20, QImage::Format_Indexed8));
    EXPECT_EQ(dynamic_cast<const qtback::QtPicture&>(*indexed).image.format(), QImage::Format_RGB32);
    auto loaded = qtback::LoadPictureFile(Path("core.jpg"));
    auto& picture = dynamic_cast<const qtback::QtPicture&>(*loaded);
    // 5.9 natural pixels a shown one: the quarter (750 pixels), not the eighth.
    EXPECT_EQ(&picture.ForReduction(5.9), &picture.halvings[1]);
    EXPECT_EQ(&picture.ForReduction(0.5), &picture.image);
    EXPECT_EQ(&picture.ForReduction(1000), &picture.halvings.back());
}

TEST_F(QtPictureTest, TheProgramReadsTheScreensSizeInTwips) {
    qtback::QtServices services;
    Application app(services);
    qtback::TakeScreenSize(app);
    QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    EXPECT_EQ(app.ScreenWidth, screen.width() * 15);
    EXPECT_EQ(app.ScreenHeight, screen.height() * 15);
}

struct QtPhotoWindowTest : QtPictureTest {
    QtPhotoWindowTest() { services.Attach(app); }
    void SetUp() override {
        std::string file = TwoColours("photo.png", 400, 200);
        services.UserEvent([&] {
            PhotoWindow& w = window();
            w.LoadPhoto(file);
            w.TakeOrientation();
            w.Show();
        });
    }
    QWidget* Widget(const Control& c) { return services.WindowOf(window()).WidgetOf(c); }
    static void Mouse(QWidget* w, QEvent::Type type, QPoint at, Qt::MouseButton button) {
        Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
        QMouseEvent e(type, QPointF(at), w->mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
        QCoreApplication::sendEvent(w, &e);
    }
    qtback::QtServices services;
    Application app{services};
    PhotoStates states;
    FormSlot<PhotoWindow> window{app, "frmPhoto", [this] { return std::make_unique<PhotoWindow>(app, 1, states, PhotoWindowLinks{}); }};
};

TEST_F(QtPhotoWindowTest, AZoomedPictureIsPaintedStretchedToAFrameBeyondTheWindow) {
    // Landscape, 537 x 268 pixels fitted; at 400 % about the window's
    // centre the frame reaches far beyond the window on every side.
    services.UserEvent([&] {
        states[0].gPhotoZoomX = 4000;
        states[0].gPhotoZoomY = 2000;
        window().mnuZoom(4).Click();
    });
    QWidget* image = Widget(window().Image1);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->size(), QSize(2148, 1074));
    EXPECT_LT(image->x(), 0);
    QImage shown = services.WindowOf(window()).grab().toImage();
    // The picture's middle (red to blue) lies at x = 4000 - (4000 - 0) * 4
    // + 2 * 8055 twips = 4110 twips, 274 pixels: left of it red, right blue.
    auto colour = [&](int x) { return shown.pixelColor(x, 100); };
    EXPECT_EQ(colour(268).red(), 255);
    EXPECT_EQ(colour(268).blue(), 0);
    EXPECT_EQ(colour(280).blue(), 255);
    EXPECT_EQ(colour(280).red(), 0);
}

TEST_F(QtPhotoWindowTest, TheDragFollowsThePressAfterThePictureIsHidden) {
    QWidget* image1 = Widget(window().Image1);
    Mouse(image1, QEvent::MouseButtonPress, QPoint(20, 20), Qt::LeftButton);
    ASSERT_TRUE(states[0].gPhotoDrag);
    EXPECT_TRUE(image1->isHidden());
    EXPECT_EQ(image1->cursor().shape(), Qt::CrossCursor);
    // The move lands on the copy now on top; the picture's handler takes it.
    QWidget* image2 = Widget(window().Image2);
    Mouse(image2, QEvent::MouseMove, QPoint(20, 50), Qt::LeftButton);
    EXPECT_EQ(window().Image2.Top(), 30 * 15);
    Mouse(image2, QEvent::MouseButtonRelease, QPoint(20, 50), Qt::LeftButton);
    EXPECT_FALSE(states[0].gPhotoDrag);
    EXPECT_EQ(window().Image1.Top(), 30 * 15);
    EXPECT_FALSE(image1->isHidden());
}

}  // namespace
