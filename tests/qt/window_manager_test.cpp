// A window as a person meets it on the screens the test has: the wm.* test
// runs these under openbox on a laptop's screen, qt-two-screens on a screen
// of ratio 1 beside one of ratio 2.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <map>

#include "qt_form.h"
#include "scenario_qt/scripted_window_system.h"

namespace {

using namespace forms;

class FrmKeys : public Form {
public:
    explicit FrmKeys(Application& a) : Form(a, "frmKeys") {
        Move(1500, 600, 6000, 4500);
        Text1.Move(120, 120, 1800, 315);
        Command1.Move(120, 600, 1800, 375);
        Check1.Move(120, 1200, 1800, 255);
        Option1.Move(120, 1680, 1800, 255);
        Command1.SetCaption("Correlation model");
        Check1.SetCaption("Age");
        Option1.SetCaption("Depth");
    }
    TextBox& Text1 = Add<TextBox>("Text1");
    CommandButton& Command1 = Add<CommandButton>("Command1");
    CheckBox& Check1 = Add<CheckBox>("Check1");
    OptionButton& Option1 = Add<OptionButton>("Option1");
};

// Each button, check box and option button the Tab key reaches looks other
// than it did before the keyboard moved the focus.
TEST(FocusMark, EveryControlTheTabKeyReachesShowsItOnEveryScreen) {
    qttest::EnsureQtApplication();
    for (QScreen* screen : QGuiApplication::screens()) {
        qttest::QtForm<FrmKeys> f("frmKeys");
        f.services.UserEvent([&] {
            f.form().SetLeft(screen->geometry().x() * kTwipsPerPixel + 1500);
            f.form().Show();
        });
        qtback::FormWindow& w = f.Window();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
        std::map<const Control*, QImage> unmarked;
        for (const Control* c : std::initializer_list<const Control*>{&f.form().Command1, &f.form().Check1, &f.form().Option1})
            unmarked[c] = w.WidgetOf(*c)->grab().toImage();
        int marked = 0;
        for (int i = 0; i < 4; ++i) {
            QTest::keyClick(w.windowHandle(), Qt::Key_Tab);
            auto it = unmarked.find(f.form().ActiveControl());
            if (it != unmarked.end() && w.WidgetOf(*it->first)->grab().toImage() != it->second) ++marked;
        }
        EXPECT_EQ(marked, 3) << screen->name().toStdString();
    }
}

// Maximised and restored by the window manager, ten times, the window comes
// back to its place and size to the pixel, and the form keeps its place.
TEST(WindowManager, EveryRestoreGivesBackThePlaceToThePixel) {
    qttest::EnsureQtApplication();
    if (!scenario_qt::UnderWindowManager()) GTEST_SKIP() << "needs a window manager (the wm.* test)";
    qttest::QtForm<FrmKeys> f("frmKeys");
    f.services.UserEvent([&] { f.form().Show(); });
    qtback::FormWindow& w = f.Window();
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.isVisible() && w.pos() == QPoint(100, 40); }));
    QTest::qWait(300);
    const QRect normal = w.geometry();
    for (int i = 1; i <= 10; ++i) {
        scenario_qt::AskWindowManagerToMaximise(w, true);
        ASSERT_TRUE(QTest::qWaitFor([&] { return w.isMaximized() && w.size() != normal.size(); }));
        scenario_qt::AskWindowManagerToMaximise(w, false);
        (void)QTest::qWaitFor([&] { return !w.isMaximized() && w.geometry() == normal; }, 3000);
        QTest::qWait(300);
        EXPECT_EQ(w.geometry(), normal) << "restore " << i;
        EXPECT_EQ(f.form().Left(), 1500);
        EXPECT_EQ(f.form().Top(), 600);
    }
}

}  // namespace
