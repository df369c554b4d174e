// The Qt windows against the model: program writes reach the widgets without
// coming back as user input, and the pointer, the menus, the frame and the
// close box reach the form exactly as a test's User* calls would.
#include "form_window_fixture.h"

namespace formwindowtest {
namespace {

TEST_F(FormWindowTest, ProgramWritesReachTheWidgetsWithoutComingBackAsInput) {
    FrmTest& f = form();
    services.UserEvent([&] {
        f.Text1.SetText("12");
        f.Combo1.SetListIndex(1);
        f.Option1(1).SetValue(true);
        f.Check1.SetValue(1);
        f.Slider1.SetValue(40);
    });
    // Only the model's own events: a slider fires nothing on a program write.
    EXPECT_EQ(f.log, (Log{"change 12", "combo click beta", "option 1", "check 1"}));
    EXPECT_EQ(Widget<QLineEdit>(f.Text1)->text(), "12");
    EXPECT_EQ(Widget<QComboBox>(f.Combo1)->currentText(), "beta");
    EXPECT_TRUE(Widget<QRadioButton>(f.Option1(1))->isChecked());
    EXPECT_TRUE(Widget<QCheckBox>(f.Check1)->isChecked());
    EXPECT_EQ(Widget<QSlider>(f.Slider1)->value(), 40);
}

TEST_F(FormWindowTest, ControlsSitAtTheirTwipsInsideTheirContainer) {
    FrmTest& f = form();
    QWidget* frame = Widget<QWidget>(f.Frame1);
    QWidget* option = Widget<QWidget>(f.Option1(1));
    EXPECT_EQ(frame->geometry(), QRect(8, 72, 200, 60));
    EXPECT_EQ(option->parentWidget(), frame);
    EXPECT_EQ(option->geometry(), QRect(100, 20, 80, 20));
    services.UserEvent([&] {
        f.Text1.SetLeft(1500);
        f.Frame1.SetVisible(false);
    });
    EXPECT_EQ(Widget<QWidget>(f.Text1)->x(), 100);
    EXPECT_FALSE(option->isVisible());
}

TEST_F(FormWindowTest, TheProgramsSetFocusMovesTheKeyboardFocus) {
    FrmTest& f = form();
    services.UserEvent([&] { f.Text1.SetFocus(); });
    EXPECT_EQ(services.WindowOf(f).focusWidget(), Widget<QWidget>(f.Text1));
}


// Pixels of text drawn in red, or blended from it at the glyphs' edges; and
// pixels of grey text (dark, without a tint).
int RedPixels(const QImage& image) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            QColor c = image.pixelColor(x, y);
            n += c.red() - std::max(c.green(), c.blue()) > 60;
        }
    return n;
}
int GreyTextPixels(const QImage& image) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            QColor c = image.pixelColor(x, y);
            n += c.red() < 160 && std::abs(c.red() - c.green()) < 10 && std::abs(c.green() - c.blue()) < 10;
        }
    return n;
}

TEST_F(FormWindowTest, ADisabledControlIsDrawnGreyWhateverItsForeColor) {
    FrmTest& f = form();
    std::vector<Control*> controls{&f.Option1(0), &f.Check1, &f.Label1, &f.Combo1, &f.Combo2, &f.Text1, &f.Frame1};
    services.UserEvent([&] {
        f.Option1(0).SetCaption("Mmmm");
        f.Check1.SetCaption("Mmmm");
        f.Label1.SetCaption("Mmmm");
        f.Combo1.SetText("Mmmm");
        f.Text1.SetText("Mmmm");
        f.Frame1.SetCaption("Mmmm");
        for (Control* c : controls) c->SetForeColor(RGB(255, 0, 0));
    });
    for (Control* c : controls) {
        SCOPED_TRACE(c->QualifiedName());
        EXPECT_GT(RedPixels(Widget<QWidget>(*c)->grab().toImage()), 0);
    }
    services.UserEvent([&] {
        for (Control* c : controls) c->SetEnabled(false);
    });
    for (Control* c : controls) {
        SCOPED_TRACE(c->QualifiedName());
        QImage disabled = Widget<QWidget>(*c)->grab().toImage();
        EXPECT_EQ(RedPixels(disabled), 0);
        EXPECT_GT(GreyTextPixels(disabled), 0);
    }
}

TEST_F(FormWindowTest, PictureBoxPressesArriveInItsUserScale) {
    FrmTest& f = form();
    QWidget* picture = Widget<QWidget>(f.Picture1);
    ASSERT_EQ(picture->size(), QSize(104, 84));
    // 25 pixels right and 20 down inside the border: x 2.5, y 75 (y points up).
    Mouse(picture, QEvent::MouseButtonPress, QPoint(2 + 25, 2 + 20), Qt::RightButton, Qt::ShiftModifier);
    ASSERT_EQ(f.down.size(), 1u);
    EXPECT_EQ(f.down[0][0], kRightButton);
    EXPECT_EQ(f.down[0][1], kShiftMask);
    EXPECT_DOUBLE_EQ(f.down[0][2], 2.5);
    EXPECT_DOUBLE_EQ(f.down[0][3], 75);
}

TEST_F(FormWindowTest, ThePointerOverTheBareWindowIsTheFormsAndOverAControlNot) {
    FrmTest& f = form();
    qtback::SurfaceWidget* client = Client();
    ASSERT_NE(client, nullptr);
    Mouse(client, QEvent::MouseMove, QPoint(300, 300), Qt::NoButton);
    EXPECT_EQ(f.log, (Log{"form move 4500 4500"}));
    // A move that a control passed on to the window (Text1 is at 8, 8).
    Mouse(client, QEvent::MouseMove, QPoint(20, 12), Qt::NoButton);
    EXPECT_EQ(f.log.size(), 1u);
}

TEST_F(FormWindowTest, HidingTheMenuBarGivesItsHeightToTheInnerArea) {
    FrmTest& f = form();
    qtback::FormWindow& window = services.WindowOf(f);
    services.UserEvent([&] { f.FindControl("mnuFile")->SetVisible(false); });
    EXPECT_EQ(f.ScaleHeight(), 6000 - kFrameHeight);
    EXPECT_EQ(window.height() * 15, f.ScaleHeight());
    EXPECT_EQ(Client()->geometry(), window.rect());
}

TEST_F(FormWindowTest, AnUntrappedRunTimeErrorIsShownAndEndsTheProgram) {
    FrmTest& f = form();
    QString shown;
    QTimer::singleShot(0, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown = box->text();
            box->accept();
        }
    });
    Widget<QPushButton>(f.Command1)->click();
    EXPECT_EQ(shown, "Run-time error '11':\n\nDivision by zero");
    EXPECT_TRUE(app.Ended());
}

TEST_F(FormWindowTest, MenuItemsShowTheirStateAndRunTheirClick) {
    FrmTest& f = form();
    services.UserEvent([&] { static_cast<Menu*>(f.FindControl("mnuOne"))->SetChecked(true); });
    QMenuBar* bar = services.WindowOf(f).findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    QList<QAction*> top = bar->actions();
    ASSERT_EQ(top.size(), 1);
    ASSERT_NE(top[0]->menu(), nullptr);
    QList<QAction*> items = top[0]->menu()->actions();
    ASSERT_EQ(items.size(), 2);
    EXPECT_TRUE(items[0]->isChecked());
    EXPECT_FALSE(items[1]->isEnabled());
    items[0]->trigger();
    EXPECT_EQ(f.log, (Log{"menu one"}));
}

TEST_F(FormWindowTest, AResizeByThePersonCountsTheFrameBackIn) {
    FrmTest& f = form();
    qtback::FormWindow& window = services.WindowOf(f);
    // The inner area shows exactly ScaleWidth x ScaleHeight.
    EXPECT_EQ(window.width() * 15, f.ScaleWidth());
    int bar = window.height() - f.ScaleHeight() / 15;
    window.resize(400, bar + 300);
    QCoreApplication::processEvents();
    EXPECT_EQ(f.Width(), 400 * 15 + kFrameWidth);
    EXPECT_EQ(f.Height(), 300 * 15 + kFrameHeight + kMenuBarHeight);
    EXPECT_EQ(f.log, (Log{"resize"}));
}

TEST_F(FormWindowTest, ASizeBetweenPixelsIsNotTakenForAResize) {
    FrmTest& f = form();
    services.UserEvent([&] { f.SetWidth(7210); });  // not a whole number of pixels
    f.log.clear();
    qtback::FormWindow& window = services.WindowOf(f);
    QResizeEvent same(window.size(), window.size());
    QCoreApplication::sendEvent(&window, &same);
    EXPECT_EQ(f.Width(), 7210);
    EXPECT_TRUE(f.log.empty());
}

TEST_F(FormWindowTest, TheCloseButtonAsksTheFormAndAnUnloadedFormsWindowGoes) {
    qtback::FormWindow* window = &services.WindowOf(form());
    form().keepOpen = true;
    QCloseEvent refused;
    QCoreApplication::sendEvent(window, &refused);
    ASSERT_TRUE(form.IsLoaded());
    EXPECT_TRUE(window->isVisible());

    form().keepOpen = false;
    QPointer<qtback::FormWindow> watch(window);
    QCloseEvent accepted;
    QCoreApplication::sendEvent(window, &accepted);
    EXPECT_FALSE(form.IsLoaded());
    EXPECT_FALSE(window->isVisible());
    // The form is destroyed; syncing and deleting the window must not touch it.
    services.Sync();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(watch.isNull());
}


}  // namespace
}  // namespace formwindowtest
