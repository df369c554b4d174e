// What the Qt back end asks of a person and of the file system: picture
// loading, file dialogs and message boxes.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QMenu>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QImage>
#include <QImageReader>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

#include "forms/application.h"
#include "forms/headless.h"
#include "qt/dialogs.h"
#include "qt/menu_view.h"
#include "qt/picture_loader.h"
#include "qt/qt_services.h"
#include "qt_test_app.h"
#include "values/runtime_error.h"

using namespace forms;
using namespace values;

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

TEST_F(QtServicesTest, ASaveDialogAsksBeforeReplacingAFileOnlyWhenAskedTo) {
    for (bool prompt : {true, false}) {
        bool asks = !prompt;
        WhenModalShows([&asks](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            if (dialog) asks = !dialog->testOption(QFileDialog::DontConfirmOverwrite);
            static_cast<QDialog*>(modal)->reject();
        });
        FileRequest request;
        request.save = true;
        request.overwritePrompt = prompt;
        EXPECT_EQ(services.FileDialog(request), std::nullopt);
        EXPECT_EQ(asks, prompt);
    }
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

// A form with a timer, and a pop-up menu of three items, one hidden.
class FrmClock : public Form {
public:
    explicit FrmClock(Application& a) : Form(a, "frmClock") {
        Timer1.SetInterval(20);
        Timer1.OnTimer = [this] { ++ticks; };
        Menu& pop = AddMenu("mnuPop", "Pop");
        pop.SetVisible(false);
        AddMenu("mnuCopy", "Copy", &pop);
        AddMenu("mnuHidden", "Hidden", &pop).SetVisible(false);
        AddMenu("mnuPaste", "Paste", &pop);
    }
    Timer& Timer1 = Add<Timer>("Timer1");
    int ticks = 0;
};

struct QtClockTest : QtServicesTest {
    QtClockTest() {
        services.Attach(app);
        services.UserEvent([this] { form().Show(); });
    }
    // Runs the event loop until done(), for at most a time that load does
    // not reach.
    static void RunUntil(const std::function<bool()>& done) { (void)QTest::qWaitFor(done, 30000); }
    Application app{services};
    FormSlot<FrmClock> form{app, "frmClock", [this] { return std::make_unique<FrmClock>(app); }};
};

// An error that escapes every handler is said in a box, and the program ends.
TEST_F(QtClockTest, AnErrorNoHandlerTrappedIsSaidAndEndsTheProgram) {
    QString text;
    WhenModalShows([&](QWidget* w) {
        auto* box = static_cast<QMessageBox*>(w);
        text = box->text();
        box->defaultButton()->click();
    });
    services.UserEvent([] { values::OutOfMemory(); });
    EXPECT_EQ(text, "Run-time error '7':\n\nOut of memory");
    EXPECT_TRUE(app.Ended());
}

TEST_F(QtClockTest, TheClockFiresTimersInRealTime) {
    services.StartClock();
    RunUntil([this] { return form().ticks >= 2; });
    EXPECT_GE(form().ticks, 2);
}

TEST_F(QtClockTest, TimeStandsStillWhileAMessageBoxWaits) {
    services.StartClock();
    int ticksWhileWaiting = -1;
    WhenModalShows([&](QWidget* box) {
        int before = form().ticks;
        QElapsedTimer open;
        open.start();
        while (open.elapsed() < 100) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        ticksWhileWaiting = form().ticks - before;
        static_cast<QMessageBox*>(box)->accept();
    });
    app.MsgBox("Wait");
    EXPECT_EQ(ticksWhileWaiting, 0);
}

TEST_F(QtClockTest, APopUpShowsTheVisibleItemsAndGivesTheOneChosen) {
    Menu& pop = *static_cast<Menu*>(form().FindControl("mnuPop"));
    QStringList shown;
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, &shown] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu) return;
        poll->stop();
        poll->deleteLater();
        for (QAction* a : menu->actions())
            if (a->isVisible()) shown << a->text();
        menu->setActiveAction(menu->actions().last());
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QCoreApplication::sendEvent(menu, &enter);
    });
    poll->start(5);
    Menu* chosen = services.ChoosePopupItem(form(), pop);
    EXPECT_EQ(shown, (QStringList{"Copy", "Paste"}));
    EXPECT_EQ(chosen, form().FindControl("mnuPaste"));
}

TEST_F(QtServicesTest, TheClipboardGetsTheDrawingAtItsPixelSize) {
    HeadlessServices metrics;
    Surface s{metrics};
    s.SetInnerSize(40 * 15, 30 * 15);
    s.Cls();
    s.FilledBox(0, 0, 150, 150, RGB(255, 0, 0));
    services.ClipboardSetPicture(s.TakeSnapshot());
    QImage copied = QGuiApplication::clipboard()->image();
    EXPECT_EQ(copied.size(), QSize(40, 30));
    EXPECT_EQ(copied.pixelColor(5, 5), QColor(255, 0, 0));
    EXPECT_EQ(copied.pixelColor(20, 20), QColor(255, 255, 255));
}

}  // namespace
