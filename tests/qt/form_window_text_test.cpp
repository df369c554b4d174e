// Typing, pasting and selecting in the text and combo boxes of a Qt window:
// the model edits the text, the widget shows it with the model's caret.
#include <QLabel>

#include "form_window_fixture.h"

using namespace formwindow;

namespace {

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
// start after Shift+Home; a cut puts it on the window system's clipboard.
TEST_F(FormWindowTest, TheBoxAndTheComboBoxSelectAndCutAlikeAndAPickIsAChoice) {
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

// A file of the old platform, in its Windows code page: its texts show as
// written, and the person edits them a character, a byte, at a time.
TEST_F(FormWindowTest, TextsOfTheOldCodePageShowAsWrittenAndAreEditedByCharacter) {
    FrmTest& f = form();
    QLineEdit* edit = Widget<QLineEdit>(f.Text1);
    services.UserEvent([&] {
        f.Label1.SetCaption("Bohrkern S\xFC" "d, 12 \xB0" "C \x80");
        f.Combo1.AddItem("\x93" "Tephra\x94");
        f.Combo1.SetListIndex(2);
        f.Text1.SetText("(\xB5\xB0)\x89");
    });
    EXPECT_EQ(Widget<QLabel>(f.Label1)->text(), QString::fromUtf8("Bohrkern Süd, 12 °C €"));
    EXPECT_EQ(Widget<QComboBox>(f.Combo1)->currentText(), QString::fromUtf8("“Tephra”"));
    EXPECT_EQ(edit->text(), QString::fromUtf8("(µ°)‰"));
    services.UserEvent([&] { f.Text1.UserSelectAll(); });
    for (int key : {Qt::Key_End, Qt::Key_Left, Qt::Key_Left, Qt::Key_Backspace}) Key(edit, key);
    EXPECT_EQ(edit->text(), QString::fromUtf8("(µ)‰"));
    // A selection the person made with the mouse is the model's too.
    edit->setSelection(1, 2);
    Key(edit, Qt::Key_Delete);
    EXPECT_EQ(f.Text1.Text(), "(\x89");
}

}  // namespace
