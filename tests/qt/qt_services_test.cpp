// What the Qt back end asks of a person and of the file system: picture
// loading, file dialogs and message boxes.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QImage>
#include <QImageReader>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

#include "forms/runtime_error.h"
#include "qt/dialogs.h"
#include "qt/picture_loader.h"
#include "qt/qt_services.h"
#include "qt_test_app.h"

using namespace forms;

namespace {

struct QtServicesTest : ::testing::Test {
    QtServicesTest() { qttest::EnsureQtApplication(); }
    std::string Path(const char* name) const { return dir.filePath(name).toStdString(); }
    QTemporaryDir dir;
    qtback::QtServices services;
};

// Acts on the modal dialog once it is up (the call that shows it blocks).
void WhenModalShows(std::function<void(QWidget*)> act) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, act] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            poll->stop();
            poll->deleteLater();
            act(modal);
        }
    });
    poll->start(5);
}

TEST_F(QtServicesTest, ACorePhotoLongerThanQtsDefaultLimitLoads) {
    // A photograph 30,000 pixels long; the limit is lowered so that this
    // small one stands for one beyond Qt's own default.
    QImage photo(16, 30000, QImage::Format_RGB32);
    photo.fill(QColor(90, 60, 30));
    ASSERT_TRUE(photo.save(dir.filePath("core.png")));
    int saved = QImageReader::allocationLimit();
    QImageReader::setAllocationLimit(1);
    QImage refused;
    EXPECT_FALSE(QImageReader(dir.filePath("core.png")).read(&refused));

    auto picture = services.LoadPicture(Path("core.png"));
    EXPECT_EQ(picture->widthPx, 16);
    EXPECT_EQ(picture->heightPx, 30000);
    auto* qt = dynamic_cast<const qtback::QtPicture*>(picture.get());
    ASSERT_NE(qt, nullptr);
    EXPECT_EQ(qt->image.pixelColor(8, 29999), QColor(90, 60, 30));
    // Raised for real photographs, 30,000 by 3,000 pixels in 32 bits.
    EXPECT_GE(QImageReader::allocationLimit(), 30000LL * 3000 * 4 / (1024 * 1024));
    QImageReader::setAllocationLimit(saved);
}

TEST_F(QtServicesTest, APictureThatCannotLoadIsARunTimeError) {
    try {
        services.LoadPicture(Path("missing.jpg"));
        ADD_FAILURE() << "no error";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), kErrFileNotFound);
    }
    QFile text(dir.filePath("notes.jpg"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("not a picture");
    text.close();
    try {
        services.LoadPicture(Path("notes.jpg"));
        ADD_FAILURE() << "no error";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), 481);
    }
}

TEST_F(QtServicesTest, FileFiltersBecomeQtsWithEveryPattern) {
    EXPECT_EQ(qtback::QtFileFilter("Text (*.txt)|*.txt|All files|*.*"), "Text (*.txt);;All files (*.*)");
    EXPECT_EQ(qtback::QtFileFilter("Data|*.csv;*.txt"), "Data (*.csv *.txt)");
    EXPECT_EQ(qtback::QtFileFilter(""), "");
}

TEST_F(QtServicesTest, ACancelledFileDialogGivesNoPath) {
    WhenModalShows([](QWidget* dialog) { static_cast<QDialog*>(dialog)->reject(); });
    FileRequest request;
    request.filter = "Data|*.csv";
    EXPECT_EQ(services.FileDialog(request), std::nullopt);
}

TEST_F(QtServicesTest, AMessageBoxHasTheStylesButtonsIconAndDefault) {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttons = 0;
    WhenModalShows([&](QWidget* w) {
        auto* box = static_cast<QMessageBox*>(w);
        icon = box->icon();
        buttons = box->buttons().size();
        box->defaultButton()->click();
    });
    int answer = services.MessageBox({"Save first?", vbYesNoCancel + vbQuestion + vbDefaultButton2, "Quillory"});
    EXPECT_EQ(answer, vbNo);
    EXPECT_EQ(icon, QMessageBox::Question);
    EXPECT_EQ(buttons, 3);
}

}  // namespace
