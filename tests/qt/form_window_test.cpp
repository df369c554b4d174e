// The Qt windows against the model: program writes reach the widgets without
// coming back as user input, and user input on the widgets reaches the
// controls exactly as a test's User* calls would.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTimer>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "forms/application.h"
#include "qt/form_window.h"
#include "qt/precise_pointer.h"
#include "qt/qt_services.h"
#include "qt_form.h"
#include "values/runtime_error.h"

using namespace forms;
using namespace values;

namespace {

class FrmTest : public Form {
public:
    explicit FrmTest(Application& a) : Form(a, "frmTest") {
        Move(0, 0, 7200, 6000);
        Text1.Move(120, 120, 1500, 300);
        Combo1.Move(120, 600, 1500, 300);
        Combo1.AddItem("alpha");
        Combo1.AddItem("beta");
        Frame1.Move(120, 1080, 3000, 900);
        Add<OptionButton>(Option1, "Option1", 0, &Frame1).Move(120, 300, 1200, 300);
        Add<OptionButton>(Option1, "Option1", 1, &Frame1).Move(1500, 300, 1200, 300);
        Check1.Move(120, 2100, 1500, 300);
        Slider1.Move(1800, 120, 375, 1800);
        Slider1.SetMax(100);
        // 100 x 80 pixels inside a 2-pixel border; x 0..10 right, y 0..100 up.
        Picture1.Move(3300, 120, 1560, 1260);
        Picture1.Draw().SetScale(0, 100, 10, 0);
        Menu& file = AddMenu("mnuFile", "File");
        AddMenu("mnuOne", "One", &file).Click = [this] { log.push_back("menu one"); };
        AddMenu("mnuTwo", "Two", &file).SetEnabled(false);

        Text1.Change = [this] { log.push_back("change " + Text1.Text()); };
        Text1.KeyPress = [this](int& ascii) {
            log.push_back("keypress " + std::to_string(ascii));
            if (ascii == 'x') ascii = 0;  // the program refuses this key
        };
        Combo1.Click = [this] { log.push_back("combo click " + Combo1.Text()); };
        Combo1.Change = [this] { log.push_back("combo change " + Combo1.Text()); };
        for (auto& [i, o] : Option1) {
            int index = i;
            o->Click = [this, index] { log.push_back("option " + std::to_string(index)); };
        }
        Check1.Click = [this] { log.push_back("check " + std::to_string(Check1.Value())); };
        Slider1.Change = [this] { log.push_back("slider " + std::to_string(Slider1.Value())); };
        Picture1.MouseDown = [this](int button, int shift, double x, double y) {
            down.push_back({static_cast<double>(button), static_cast<double>(shift), x, y});
        };
        MouseMove = [this](int, int, double x, double y) {
            log.push_back("form move " + std::to_string(int(x)) + " " + std::to_string(int(y)));
        };
        Label1.Move(120, 3000, 1500, 255);
        Combo2.Move(120, 3360, 1500, 300);
        Combo2.Style = 2;
        Combo2.AddItem("gamma");
        Combo2.SetListIndex(0);
        Command1.Move(120, 2520, 1200, 375);
        Command1.SetCaption("Fail");
        Command1.Click = [] { throw RuntimeError(kErrDivisionByZero, "Division by zero"); };
        QueryUnload = [this](int& cancel, int) { cancel = keepOpen ? 1 : 0; };
        Resize = [this] { log.push_back("resize"); };
    }

    TextBox& Text1 = Add<TextBox>("Text1");
    ComboBox& Combo1 = Add<ComboBox>("Combo1");
    Frame& Frame1 = Add<Frame>("Frame1");
    ControlArray<OptionButton> Option1;
    CheckBox& Check1 = Add<CheckBox>("Check1");
    Slider& Slider1 = Add<Slider>("Slider1");
    PictureBox& Picture1 = Add<PictureBox>("Picture1");
    CommandButton& Command1 = Add<CommandButton>("Command1");
    Label& Label1 = Add<Label>("Label1");
    ComboBox& Combo2 = Add<ComboBox>("Combo2");

    std::vector<std::string> log;
    std::vector<std::vector<double>> down;
    bool keepOpen = false;
};

// A mouse event at a widget's pixel: a press or a move holds the button, a
// release lets it go. Aimed at a target, it carries units known finer than
// the pixels Qt routes it on, which the target takes where it was aimed.
void Mouse(QWidget* w, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::KeyboardModifiers mods = {},
           const QWidget* target = nullptr, QPointF aimed = {}, QPointF units = {}) {
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent e(type, QPointF(at), w->mapToGlobal(QPointF(at)), type == QEvent::MouseMove ? Qt::NoButton : button,
                  held, mods);
    if (!target) return (void)QCoreApplication::sendEvent(w, &e);
    qtback::PrecisePointerEvent precise(e, *target, aimed, units);
    QCoreApplication::sendEvent(w, &precise);
}

class FormWindowTest : public ::testing::Test, protected qttest::QtForm<FrmTest> {
protected:
    FormWindowTest() : QtForm("frmTest") {}

    void SetUp() override {
        services.UserEvent([this] { form().Show(); });
        form().log.clear();
    }

    template <class W>
    W* Widget(Control& c) {
        return dynamic_cast<W*>(services.WindowOf(form()).WidgetOf(c));
    }
    static void Key(QWidget* w, int key, const QString& text = {}, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QKeyEvent press(QEvent::KeyPress, key, mods, text);
        QCoreApplication::sendEvent(w, &press);
    }
    static void InputMethod(QWidget* w, const QString& composing, const QString& commit) {
        QInputMethodEvent event(composing, {});
        event.setCommitString(commit);
        QCoreApplication::sendEvent(w, &event);
    }
    // A click on the left end, where a radio button has its indicator.
    static void Click(QWidget* w) {
        QPoint at(5, w->height() / 2);
        Mouse(w, QEvent::MouseButtonPress, at, Qt::LeftButton);
        Mouse(w, QEvent::MouseButtonRelease, at, Qt::LeftButton);
    }

    using Log = std::vector<std::string>;
};

TEST_F(FormWindowTest, ProgramWritesReachTheWidgetsWithoutComingBackAsInput) {
    FrmTest& f = form();
    services.UserEvent([&] {
        f.Text1.SetText("12");
        f.Combo1.SetListIndex(1);
        f.Option1(1).SetValue(true);
        f.Check1.SetValue(1);
        f.Slider1.SetValue(40);
        f.Text1.SetFocus();
        f.Label1.SetCaption("12 \xB0" "C");  // of a file in the old code page
    });
    // Only the model's own events: a slider fires nothing on a program write.
    EXPECT_EQ(f.log, (Log{"change 12", "combo click beta", "option 1", "check 1"}));
    EXPECT_EQ(Widget<QLineEdit>(f.Text1)->text(), "12");
    EXPECT_EQ(Widget<QComboBox>(f.Combo1)->currentText(), "beta");
    EXPECT_TRUE(Widget<QRadioButton>(f.Option1(1))->isChecked());
    EXPECT_TRUE(Widget<QCheckBox>(f.Check1)->isChecked());
    EXPECT_EQ(Widget<QSlider>(f.Slider1)->value(), 40);
    EXPECT_EQ(Widget<QLabel>(f.Label1)->text(), QString::fromUtf8("12 °C"));
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

TEST_F(FormWindowTest, AKeystrokeOrAPasteRunsTheTextBoxHandlersOnceAndTheModelDecidesTheText) {
    FrmTest& f = form();
    QLineEdit* edit = Widget<QLineEdit>(f.Text1);
    Key(edit, Qt::Key_7, "7");
    EXPECT_EQ(f.log, (Log{"keypress 55", "change 7"}));
    EXPECT_EQ(edit->text(), "7");
    f.log.clear();
    Key(edit, Qt::Key_Backspace);
    EXPECT_EQ(f.log, (Log{"keypress 8", "change "}));
    EXPECT_EQ(f.Text1.Text(), "");
    // The model decides the text of the line edit.
    Key(edit, Qt::Key_X, "x");  // swallowed by KeyPress
    EXPECT_EQ(edit->text(), "");
    services.UserEvent([&] { f.Text1.SetText("123"); });
    edit->setSelection(1, 1);  // the person selects the "2"
    Key(edit, Qt::Key_9, "9");
    EXPECT_EQ(f.Text1.Text(), "193");
    EXPECT_EQ(edit->text(), "193");
    EXPECT_EQ(edit->cursorPosition(), 2);
    // A paste changes the text once, after the KeyPress of its character.
    f.log.clear();
    QGuiApplication::clipboard()->setText("4.5\nsecond line");
    edit->selectAll();
    Key(edit, Qt::Key_V, {}, Qt::ControlModifier);
    EXPECT_EQ(f.log, (Log{"keypress 22", "change 4.5"}));
    EXPECT_EQ(edit->text(), "4.5");
}

// The line edit shows the selection the model's keys made, the caret at its
// start after Shift+Home; a cut puts it on the window system's clipboard. The
// text is of a file in the old code page, whose "\xE4" is an "ä".
TEST_F(FormWindowTest, TheBoxAndTheComboBoxSelectAndCutAlikeAndAPickIsAChoice) {
    FrmTest& f = form();
    services.UserEvent([&] { f.Text1.SetText("T\xE4i"); f.Combo1.SetText("T\xE4i"); });
    QLineEdit* box = Widget<QLineEdit>(f.Text1);
    QComboBox* combo = Widget<QComboBox>(f.Combo1);
    for (auto [w, edit] : {std::pair<QWidget*, QLineEdit*>{box, box}, {combo, combo->lineEdit()}}) {
        Key(w, Qt::Key_End);
        Key(w, Qt::Key_Home, {}, Qt::ShiftModifier);
        EXPECT_EQ(edit->selectedText(), QString::fromUtf8("Täi"));
        EXPECT_EQ(edit->cursorPosition(), 0);
        Key(w, Qt::Key_X, {}, Qt::ControlModifier);
        EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromUtf8("Täi"));
        QGuiApplication::clipboard()->clear();
    }
    EXPECT_EQ(f.Text1.Text() + f.Combo1.Text(), "");
    // A pick from the list is a choice, not typing.
    f.log.clear();
    combo->setCurrentIndex(1);
    emit combo->activated(1);
    EXPECT_EQ(f.log, (Log{"combo click beta"}));
    EXPECT_EQ(f.Combo1.ListIndex(), 1);
    f.log.clear();
    Key(combo, Qt::Key_S, "s");
    EXPECT_EQ(f.log, (Log{"combo change betas"}));
    EXPECT_EQ(combo->currentText(), "betas");
}

// An input method's text is typed with the handlers of its keys (the box's
// KeyPress refuses the x); what it is composing does not show.
TEST_F(FormWindowTest, WhatAnInputMethodCommitsIsTypedAndNothingElseShows) {
    FrmTest& f = form();
    QLineEdit* box = Widget<QLineEdit>(f.Text1);
    QComboBox* combo = Widget<QComboBox>(f.Combo1);
    for (auto [w, edit] : {std::pair<QWidget*, QLineEdit*>{box, box}, {combo, combo->lineEdit()}}) {
        QRect caret = edit->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        InputMethod(w, "MMMM", {});
        EXPECT_EQ(edit->inputMethodQuery(Qt::ImCursorRectangle).toRect(), caret);
        InputMethod(w, {}, "xé");
    }
    EXPECT_EQ(f.log, (Log{"keypress 120", "keypress 195", "change \xC3", "keypress 169", "change é", "combo change x",
                          "combo change x\xC3", "combo change xé"}));
    EXPECT_EQ(box->text() + "|" + combo->currentText(), "é|xé");
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

// Where the caret of a line edit is drawn, from its left edge, once the box
// has been painted: the line edit scrolls its text when it paints, to show
// the caret.
int ShownCaret(QLineEdit* edit) {
    (void)edit->grab();
    return edit->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
}

// A text longer than the box: the program's write shows its start, as a text
// box shows it; the person's typing and paste show the caret where they left
// it, at the end.
TEST_F(FormWindowTest, AComboBoxShowsTheStartOfAProgramsLongTextAndTheCaretOfTheTyping) {
    FrmTest& f = form();
    QComboBox* combo = Widget<QComboBox>(f.Combo1);
    QLineEdit* edit = combo->lineEdit();
    const std::string long_text = "Arboreal pollen (%) of the whole core";
    const int length = static_cast<int>(long_text.size());
    ASSERT_GT(edit->fontMetrics().horizontalAdvance(QString::fromStdString(long_text)), edit->width());

    services.UserEvent([&] { f.Combo1.SetText(long_text); });
    EXPECT_EQ(edit->text().toStdString(), long_text);
    EXPECT_EQ(edit->cursorPosition(), 0);
    int caret = ShownCaret(edit);
    EXPECT_GE(caret, 0);
    EXPECT_LT(caret, edit->width() / 4) << "the start of the text is out of sight";

    // End and a key typed by the person: it goes on at the end, and shows.
    Key(combo, Qt::Key_End);
    Key(combo, Qt::Key_S, "s");
    EXPECT_EQ(f.Combo1.Text(), long_text + "s");
    EXPECT_EQ(edit->cursorPosition(), length + 1);
    caret = ShownCaret(edit);
    EXPECT_GT(caret, edit->width() / 2);
    EXPECT_LT(caret, edit->width()) << "the caret is out of sight";

    // Written by the program again: the start once more.
    services.UserEvent([&] { f.Combo1.SetText(long_text); });
    EXPECT_EQ(edit->cursorPosition(), 0);
    EXPECT_LT(ShownCaret(edit), edit->width() / 4);

    // A paste is the person's edit too: the caret after it, at the end.
    QGuiApplication::clipboard()->setText(" (%)");
    Key(combo, Qt::Key_End);
    Key(combo, Qt::Key_V, {}, Qt::ControlModifier);
    EXPECT_EQ(f.Combo1.Text(), long_text + " (%)");
    EXPECT_EQ(edit->cursorPosition(), length + 4);
    EXPECT_GT(ShownCaret(edit), edit->width() / 2);
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
