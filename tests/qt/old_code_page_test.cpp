// Texts read from files of the old platform, in its Windows code page, show
// as they were written, and the person edits them a character at a time.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include "qt_form.h"
#include "values/values.h"

using namespace forms;

namespace {

class FrmOld : public Form {
public:
    explicit FrmOld(Application& a) : Form(a, "frmOld") {
        Move(0, 0, 4800, 2400);
        Text1.Move(120, 120, 3000, 300);
        Label1.Move(120, 600, 3000, 255);
        Combo1.Move(120, 1080, 3000, 300);
    }
    TextBox& Text1 = Add<TextBox>("Text1");
    Label& Label1 = Add<Label>("Label1");
    ComboBox& Combo1 = Add<ComboBox>("Combo1");
};

class OldCodePageTest : public ::testing::Test, protected qttest::QtForm<FrmOld> {
protected:
    OldCodePageTest() : QtForm("frmOld") {}
    void SetUp() override { services.UserEvent([this] { form().Show(); }); }
    template <class W>
    W* Widget(Control& c) {
        return dynamic_cast<W*>(Window().WidgetOf(c));
    }
    static void Key(QWidget* w, int key) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(w, &press);
    }
};

TEST(TextEncoding, OnlyWellFormedUtf8IsTakenForUtf8) {
    EXPECT_TRUE(values::IsUtf8("Core QL22-1 (A)"));
    EXPECT_TRUE(values::IsUtf8("S\xC3\xBC" "d \xE2\x80\xB0 \xF0\x9F\x8C\x8B"));
    EXPECT_FALSE(values::IsUtf8("S\xFC" "d"));             // ü of the code page
    EXPECT_FALSE(values::IsUtf8("(\xB5m)"));               // a lone continuation byte
    EXPECT_FALSE(values::IsUtf8("\xC3"));                  // cut short
    EXPECT_FALSE(values::IsUtf8("\xC0\xAF"));              // overlong
    EXPECT_FALSE(values::IsUtf8("\xED\xA0\x80"));          // a surrogate
    EXPECT_FALSE(values::IsUtf8("\xF4\x90\x80\x80"));      // beyond U+10FFFF
}

TEST_F(OldCodePageTest, TextsInTheOldCodePageShowAsWrittenAndUtf8AsItIs) {
    FrmOld& f = form();
    services.UserEvent([&] {
        f.Text1.SetText("Grain size (\xB5m) \x80 \x89");
        f.Label1.SetCaption("Bohrkern S\xFC" "d, 12 \xB0" "C");
        f.Combo1.AddItem("S\xC3\xBC" "d");
        f.Combo1.AddItem("\x93" "Tephra\x94");
        f.Combo1.SetListIndex(1);
    });
    EXPECT_EQ(Widget<QLineEdit>(f.Text1)->text(), QString::fromUtf8("Grain size (µm) € ‰"));
    EXPECT_EQ(Widget<QLabel>(f.Label1)->text(), QString::fromUtf8("Bohrkern Süd, 12 °C"));
    auto* combo = Widget<QComboBox>(f.Combo1);
    EXPECT_EQ(combo->itemText(0), QString::fromUtf8("Süd"));
    EXPECT_EQ(combo->currentText(), QString::fromUtf8("“Tephra”"));
}

TEST_F(OldCodePageTest, APersonEditsSuchATextACharacterAtATime) {
    FrmOld& f = form();
    QLineEdit* edit = Widget<QLineEdit>(f.Text1);
    services.UserEvent([&] { f.Text1.SetText("(\xB5\xB0)\x89"); });
    services.UserEvent([&] { f.Text1.UserSelectAll(); });
    Key(edit, Qt::Key_End);
    Key(edit, Qt::Key_Left);
    Key(edit, Qt::Key_Left);
    Key(edit, Qt::Key_Backspace);
    EXPECT_EQ(f.Text1.Text(), "(\xB5)\x89");
    EXPECT_EQ(edit->text(), QString::fromUtf8("(µ)‰"));
    // A selection the person made with the mouse is the model's too.
    edit->setSelection(1, 2);
    Key(edit, Qt::Key_Delete);
    EXPECT_EQ(f.Text1.Text(), "(\x89");
    EXPECT_EQ(edit->text(), QString::fromUtf8("(‰"));
}

}  // namespace
