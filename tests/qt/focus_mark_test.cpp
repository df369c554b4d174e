// The Tab key marks the focus on every screen the test has (qt-two-screens:
// ratios 1 and 2; wm.focus-mark: under openbox).
#include <gtest/gtest.h>

#include <QScreen>
#include <QTest>

#include "qt_form.h"

namespace {

struct FrmKeys : forms::Form {
    explicit FrmKeys(forms::Application& a) : Form(a, "frmKeys") {
        for (int i = 0; i < 3; ++i) controls[i]->Move(120, 120 + 480 * i, 1800, 375);
    }
    forms::Control* controls[3] = {&Add<forms::CommandButton>("Command1"), &Add<forms::CheckBox>("Check1"),
                                   &Add<forms::OptionButton>("Option1")};
};

TEST(FocusMark, EachTabMarksTheButtonCheckBoxOrOptionItReachesOnEveryScreen) {
    qttest::EnsureQtApplication();
    for (QScreen* screen : QGuiApplication::screens()) {
        qttest::QtForm<FrmKeys> f("frmKeys");
        f.services.UserEvent([&] { f.form().Move(screen->geometry().x() * 15 + 1500, 1500, 3000, 2400); f.form().Show(); });
        qtback::FormWindow& w = f.Window();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
        for (int i = 0; i < 3; ++i) {
            const QImage before = w.grab().toImage();
            QTest::keyClick(w.windowHandle(), Qt::Key_Tab);
            EXPECT_NE(w.grab().toImage(), before) << i << " on " << screen->name().toStdString();
        }
    }
}

}  // namespace
