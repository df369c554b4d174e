// The Qt windows against the model: program writes reach the widgets without
// coming back as user input, and user input on the widgets reaches the
// controls exactly as a test's User* calls would.
#include "form_window_fixture.h"

using namespace formwindow;

namespace {

TEST_F(FormWindowTest, ProgramWritesReachTheWidgetsWithoutComingBackAsInput) {
    FrmTest& f = form();
    services.UserEvent([&] {
        f.Text1.SetText("12");
        f.Combo1.SetListIndex(1);
        f.Option1(1).SetValue(true);
        f.Check1.SetValue(1);
        f.Slider1.SetValue(40);
        f.Text1.SetFocus();
    });
    // Only the model's own events: a slider fires nothing on a program write.
    EXPECT_EQ(f.log, (Log{"change 12", "combo click beta", "option 1", "check 1"}));
    EXPECT_EQ(Widget<QLineEdit>(f.Text1)->text(), "12");
    EXPECT_EQ(Widget<QComboBox>(f.Combo1)->currentText(), "beta");
    EXPECT_TRUE(Widget<QRadioButton>(f.Option1(1))->isChecked());
    EXPECT_TRUE(Widget<QCheckBox>(f.Check1)->isChecked());
    EXPECT_EQ(Widget<QSlider>(f.Slider1)->value(), 40);
    EXPECT_EQ(services.WindowOf(f).focusWidget(), Widget<QWidget>(f.Text1));
    // Controls sit at their twips inside their container.
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

TEST_F(FormWindowTest, ClickingTheSelectedOptionKeepsItSelected) {
    FrmTest& f = form();
    QRadioButton* first = Widget<QRadioButton>(f.Option1(0));
    QRadioButton* second = Widget<QRadioButton>(f.Option1(1));
    Click(first);
    Click(second);
    EXPECT_EQ(f.log, (Log{"option 0", "option 1"}));
    EXPECT_FALSE(first->isChecked());
    // Without auto-exclusion Qt unchecks a checked radio button on a click;
    // the model keeps it, and so must the widget.
    Click(second);
    EXPECT_TRUE(f.Option1(1).Value());
    EXPECT_TRUE(second->isChecked());
    EXPECT_EQ(f.log.size(), 2u);
}

// The person takes the slider's thumb, drags it `pixels` down and lets it go;
// between the moves, `meanwhile` runs as the program would (a redraw, a timer).
void DragThumb(QSlider* slider, int pixels, const std::function<void()>& meanwhile = {}) {
    struct Open : QSlider {
        static void Options(const QSlider* s, QStyleOptionSlider* o) { (s->*(&Open::initStyleOption))(o); }
    };
    QStyleOptionSlider options;
    Open::Options(slider, &options);
    QPoint at = slider->style()->subControlRect(QStyle::CC_Slider, &options, QStyle::SC_SliderHandle, slider).center();
    Mouse(slider, QEvent::MouseButtonPress, at, Qt::LeftButton);
    for (int step = 1; step <= 4; ++step) {
        Mouse(slider, QEvent::MouseMove, at + QPoint(0, pixels * step / 4), Qt::LeftButton);
        if (meanwhile) meanwhile();
    }
    Mouse(slider, QEvent::MouseButtonRelease, at + QPoint(0, pixels), Qt::LeftButton);
}

TEST_F(FormWindowTest, AStepOrADragOfTheSliderByThePersonMovesTheModelOnceWhateverTheProgramWrites) {
    FrmTest& f = form();
    QSlider* slider = Widget<QSlider>(f.Slider1);
    slider->triggerAction(QSlider::SliderSingleStepAdd);
    EXPECT_EQ(f.log, (Log{"slider 1"}));
    EXPECT_EQ(f.Slider1.Value(), 1);
    f.log.clear();
    // A dragged thumb stays where it was let go.
    DragThumb(slider, slider->height() / 2);
    EXPECT_GT(f.Slider1.Value(), 20);
    EXPECT_EQ(slider->value(), f.Slider1.Value());
    EXPECT_EQ(f.log, (Log{"slider " + std::to_string(f.Slider1.Value())}));
    // A redraw that writes the value while the person still holds the thumb
    // must not pull it from under the hand; the release decides.
    f.log.clear();
    std::vector<int> held;
    DragThumb(slider, slider->height() / 2, [&] {
        services.UserEvent([&] { f.Slider1.SetValue(5); });
        held.push_back(slider->sliderPosition());
    });
    ASSERT_EQ(held.size(), 4u);
    EXPECT_GT(held.back(), held.front());
    EXPECT_EQ(f.Slider1.Value(), held.back());
    EXPECT_EQ(slider->value(), held.back());
    EXPECT_EQ(f.log, (Log{"slider " + std::to_string(held.back())}));
    // Once let go the widget follows the program's writes again.
    services.UserEvent([&] { f.Slider1.SetValue(5); });
    EXPECT_EQ(slider->value(), 5);
}

// The pixels of an image that are of a kind: text drawn in red, or blended
// from it at the glyphs' edges; grey text (dark, without a tint).
int Pixels(const QImage& image, bool (*of)(QColor)) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += of(image.pixelColor(x, y));
    return n;
}
bool Red(QColor c) { return c.red() - std::max(c.green(), c.blue()) > 60; }
bool GreyText(QColor c) {
    return c.red() < 160 && std::abs(c.red() - c.green()) < 10 && std::abs(c.green() - c.blue()) < 10;
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
        EXPECT_GT(Pixels(Widget<QWidget>(*c)->grab().toImage(), Red), 0);
    }
    services.UserEvent([&] {
        for (Control* c : controls) c->SetEnabled(false);
    });
    for (Control* c : controls) {
        SCOPED_TRACE(c->QualifiedName());
        QImage disabled = Widget<QWidget>(*c)->grab().toImage();
        EXPECT_EQ(Pixels(disabled, Red), 0);
        EXPECT_GT(Pixels(disabled, GreyText), 0);
    }
}

TEST_F(FormWindowTest, ThePointerArrivesInTheScaleOfWhatItIsOverOrInTheUnitsAimedAtIt) {
    FrmTest& f = form();
    QWidget* picture = Widget<QWidget>(f.Picture1);
    QWidget* client = Window().Client();
    // Over the bare window the pointer is the form's, in twips.
    Mouse(client, QEvent::MouseMove, QPoint(300, 300), Qt::NoButton);
    Mouse(client, QEvent::MouseMove, QPoint(300, 300), Qt::NoButton, {}, client, {300.25, 299.75}, {4503.75, 4496.25});
    EXPECT_EQ(f.log, (Log{"form move 4500 4500", "form move 4503 4496"}));
    // A move that a control passed on to the window (Text1 is at 8, 8).
    Mouse(client, QEvent::MouseMove, QPoint(20, 12), Qt::NoButton);
    EXPECT_EQ(f.log.size(), 2u);
    ASSERT_EQ(picture->size(), QSize(104, 84));
    // 25 pixels right and 20 down inside the border: x 2.5, y 75 (y points up).
    const QPoint at(2 + 25, 2 + 20);
    Mouse(picture, QEvent::MouseButtonPress, at, Qt::RightButton, Qt::ShiftModifier);
    ASSERT_EQ(f.down.size(), 1u);
    EXPECT_EQ(f.down[0][0], kRightButton);
    EXPECT_EQ(f.down[0][1], kShiftMask);
    EXPECT_DOUBLE_EQ(f.down[0][2], 2.5);
    EXPECT_DOUBLE_EQ(f.down[0][3], 75);
    // Finer units: taken when the event reaches the box within rounding of
    // where it was aimed; aimed further off, or at another widget, not.
    const QPointF units(2.53, 75.1);
    Mouse(picture, QEvent::MouseButtonPress, at, Qt::LeftButton, {}, picture, QPointF(26.6, 22.4), units);
    EXPECT_EQ(QPointF(f.down.back()[2], f.down.back()[3]), units);
    Mouse(picture, QEvent::MouseButtonPress, at, Qt::LeftButton, {}, picture, QPointF(26.2, 22), units);
    EXPECT_DOUBLE_EQ(f.down.back()[2], 2.5);
    Mouse(picture, QEvent::MouseButtonPress, at, Qt::LeftButton, {}, client, QPointF(at), units);
    EXPECT_DOUBLE_EQ(f.down.back()[2], 2.5);
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

TEST_F(FormWindowTest, MenuItemsShowTheirStateAndRunTheirClickAndAHiddenBarGivesItsHeight) {
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
    // Hiding the menu bar gives its height to the inner area.
    qtback::FormWindow& window = services.WindowOf(f);
    services.UserEvent([&] { f.FindControl("mnuFile")->SetVisible(false); });
    EXPECT_EQ(f.ScaleHeight(), 6000 - kFrameHeight);
    EXPECT_EQ(window.height() * 15, f.ScaleHeight());
    EXPECT_EQ(window.Client()->geometry(), window.rect());
}

TEST_F(FormWindowTest, AResizeByThePersonCountsTheFrameBackInAndASizeBetweenPixelsIsNone) {
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
    // A size between pixels is not taken for a resize.
    services.UserEvent([&] { f.SetWidth(7210); });
    f.log.clear();
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
