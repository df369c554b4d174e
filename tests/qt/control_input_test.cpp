// Keys, text, lists, options and sliders on the Qt widgets reach the
// controls exactly as a test's User* calls would, each handler once.
#include "form_window_fixture.h"

namespace formwindowtest {
namespace {

TEST_F(FormWindowTest, AKeystrokeRunsTheTextBoxHandlersOnce) {
    FrmTest& f = form();
    QLineEdit* edit = Widget<QLineEdit>(f.Text1);
    Key(edit, Qt::Key_7, "7");
    EXPECT_EQ(f.log, (Log{"keypress 55", "change 7"}));
    EXPECT_EQ(edit->text(), "7");
    f.log.clear();
    Key(edit, Qt::Key_Backspace);
    EXPECT_EQ(f.log, (Log{"keypress 8", "change "}));
    EXPECT_EQ(f.Text1.Text(), "");
}

TEST_F(FormWindowTest, TheModelDecidesTheTextOfALineEdit) {
    FrmTest& f = form();
    QLineEdit* edit = Widget<QLineEdit>(f.Text1);
    Key(edit, Qt::Key_X, "x");  // swallowed by KeyPress
    EXPECT_EQ(edit->text(), "");
    services.UserEvent([&] { f.Text1.SetText("123"); });
    edit->setSelection(1, 1);  // the person selects the "2"
    Key(edit, Qt::Key_9, "9");
    EXPECT_EQ(f.Text1.Text(), "193");
    EXPECT_EQ(edit->text(), "193");
    EXPECT_EQ(edit->cursorPosition(), 2);
}

TEST_F(FormWindowTest, APasteChangesTheTextOnceWithoutKeystrokes) {
    FrmTest& f = form();
    QGuiApplication::clipboard()->setText("4.5\nsecond line");
    Key(Widget<QLineEdit>(f.Text1), Qt::Key_V, {}, Qt::ControlModifier);
    EXPECT_EQ(f.log, (Log{"change 4.5"}));
    EXPECT_EQ(Widget<QLineEdit>(f.Text1)->text(), "4.5");
}

// The line edit shows the selection the model's keys made, the caret at its
// start after Shift+Home; a cut puts it on the window system's clipboard.
TEST_F(FormWindowTest, TheBoxAndTheComboBoxSelectAndCutAlike) {
    FrmTest& f = form();
    services.UserEvent([&] { f.Text1.SetText("Tai"); f.Combo1.SetText("Tai"); });
    QLineEdit* box = Widget<QLineEdit>(f.Text1);
    QComboBox* combo = Widget<QComboBox>(f.Combo1);
    for (auto [w, edit] : {std::pair<QWidget*, QLineEdit*>{box, box}, {combo, combo->lineEdit()}}) {
        Key(w, Qt::Key_End);
        Key(w, Qt::Key_Home, {}, Qt::ShiftModifier);
        EXPECT_EQ(edit->selectedText(), "Tai");
        EXPECT_EQ(edit->cursorPosition(), 0);
        Key(w, Qt::Key_X, {}, Qt::ControlModifier);
        EXPECT_EQ(QGuiApplication::clipboard()->text(), "Tai");
        QGuiApplication::clipboard()->clear();
    }
    EXPECT_EQ(f.Text1.Text() + f.Combo1.Text(), "");
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

TEST_F(FormWindowTest, APickFromTheListIsAChoiceNotTyping) {
    FrmTest& f = form();
    QComboBox* combo = Widget<QComboBox>(f.Combo1);
    combo->setCurrentIndex(1);
    emit combo->activated(1);
    EXPECT_EQ(f.log, (Log{"combo click beta"}));
    EXPECT_EQ(f.Combo1.ListIndex(), 1);
    f.log.clear();
    Key(combo, Qt::Key_S, "s");
    EXPECT_EQ(f.log, (Log{"combo change betas"}));
    EXPECT_EQ(combo->currentText(), "betas");
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
TEST_F(FormWindowTest, AStepOfTheSliderByThePersonFiresChange) {
    FrmTest& f = form();
    Widget<QSlider>(f.Slider1)->triggerAction(QSlider::SliderSingleStepAdd);
    EXPECT_EQ(f.log, (Log{"slider 1"}));
    EXPECT_EQ(f.Slider1.Value(), 1);
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
    auto send = [slider](QEvent::Type type, QPoint p, Qt::MouseButton button, Qt::MouseButtons held) {
        QMouseEvent e(type, QPointF(p), slider->mapToGlobal(QPointF(p)), button, held, Qt::NoModifier);
        QCoreApplication::sendEvent(slider, &e);
    };
    send(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
    for (int step = 1; step <= 4; ++step) {
        send(QEvent::MouseMove, at + QPoint(0, pixels * step / 4), Qt::NoButton, Qt::LeftButton);
        if (meanwhile) meanwhile();
    }
    send(QEvent::MouseButtonRelease, at + QPoint(0, pixels), Qt::LeftButton, Qt::NoButton);
}

TEST_F(FormWindowTest, ADraggedSliderStaysWhereItWasLetGoAndMovesTheModelOnce) {
    FrmTest& f = form();
    QSlider* slider = Widget<QSlider>(f.Slider1);
    DragThumb(slider, slider->height() / 2);
    EXPECT_GT(f.Slider1.Value(), 20);
    EXPECT_EQ(slider->value(), f.Slider1.Value());
    EXPECT_EQ(f.log, (Log{"slider " + std::to_string(f.Slider1.Value())}));
}

// A redraw that writes the slider's value while the person still holds the
// thumb must not pull it from under the hand; the release decides.
TEST_F(FormWindowTest, ProgramWritesDuringADragLeaveTheThumbUnderTheHand) {
    FrmTest& f = form();
    QSlider* slider = Widget<QSlider>(f.Slider1);
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

}  // namespace
}  // namespace formwindowtest
