// A script's actions as window-system input: the events take Qt's own road
// to the widgets, and what a person's mouse would do is what the controls get.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "forms/application.h"
#include "forms/controls.h"
#include "forms/form.h"
#include "qt/form_window.h"
#include "qt/qt_services.h"
#include "qt/qt_test_app.h"
#include "scenario_qt/scripted_input.h"

using namespace forms;
using scenario::MouseAction;

namespace {

// A box that hides itself when pressed, as a photo hides its picture for a
// drag, over a bare window that logs its own presses.
class FrmDrag : public Form {
public:
    explicit FrmDrag(Application& a) : Form(a, "frmDrag") {
        Move(0, 0, 6000, 4500);
        Box.Move(600, 600, 3000, 1500);
        Box.Draw().SetScale(0, 0, 100, 50);
        Box.MouseDown = [this](int button, int, double x, double y) {
            log.push_back("box down " + std::to_string(button) + " " + Num(x) + " " + Num(y));
            Box.SetVisible(false);
        };
        Box.MouseMove = [this](int button, int, double x, double y) {
            log.push_back("box move " + std::to_string(button) + " " + Num(x) + " " + Num(y));
        };
        Box.MouseUp = [this](int button, int, double x, double y) {
            log.push_back("box up " + std::to_string(button) + " " + Num(x) + " " + Num(y));
            Box.SetVisible(true);
        };
        MouseDown = [this](int button, int, double, double) { log.push_back("form down " + std::to_string(button)); };
    }
    static std::string Num(double v) { return std::to_string(static_cast<int>(v * 10 + (v < 0 ? -0.5 : 0.5))); }

    PictureBox& Box = Add<PictureBox>("Box");
    std::vector<std::string> log;
};

class ScriptedInputTest : public ::testing::Test {
protected:
    ScriptedInputTest() { qttest::EnsureQtApplication(); }
    void SetUp() override {
        services.Attach(app);
        services.UserEvent([this] { form().Show(); });
        services.Sync();
    }

    qtback::QtServices services;
    Application app{services};
    FormSlot<FrmDrag> form{app, "frmDrag", [this] { return std::make_unique<FrmDrag>(app); }};
    scenario_qt::ScriptedQtInput input{services};
    using Log = std::vector<std::string>;
};

TEST_F(ScriptedInputTest, APressThatHidesItsControlKeepsTheMovesAndTheReleaseForIt) {
    FrmDrag& f = form();
    EXPECT_EQ(input.Mouse(MouseAction::Down, f, &f.Box, kLeftButton, 0, 20.5, 10.25), "");
    EXPECT_FALSE(f.Box.Visible());
    // Over where the box was, and beyond its edge: the held button carries
    // both to the box, in its own scale, the script's fractions kept.
    input.Mouse(MouseAction::Move, f, &f.Box, kLeftButton, 0, 40.5, 20);
    input.Mouse(MouseAction::Move, f, &f.Box, kLeftButton, 0, 120, 20);
    input.Mouse(MouseAction::Up, f, &f.Box, kLeftButton, 0, 120, 20);
    EXPECT_TRUE(f.Box.Visible());
    // Qt moves the pointer to a press before pressing: the first move.
    EXPECT_EQ(f.log, (Log{"box move 0 205 103", "box down 1 205 103", "box move 1 405 200", "box move 1 1200 200",
                          "box up 1 1200 200"}));
    // With the button let go, the window's bare area has the pointer again.
    f.log.clear();
    EXPECT_EQ(input.Mouse(MouseAction::Down, f, nullptr, kRightButton, 0, 5000, 3000), "");
    EXPECT_EQ(f.log, (Log{"form down 2"}));
}

TEST_F(ScriptedInputTest, APressTakenByAControlNeverReachesTheWindowBehindIt) {
    FrmDrag& f = form();
    // The box hides as it takes the press, leaving the point bare: the same
    // press must not reach the window as a second one.
    input.Mouse(MouseAction::Down, f, &f.Box, kRightButton, 0, 50, 25);
    input.Mouse(MouseAction::Up, f, &f.Box, kRightButton, 0, 50, 25);
    ASSERT_FALSE(f.log.empty());
    for (const std::string& line : f.log) EXPECT_NE(line.rfind("form", 0), 0u) << line;
}

TEST_F(ScriptedInputTest, APressWhereNoPersonCouldPressIsRefused) {
    FrmDrag& f = form();
    // Outside the box's scale, and on the bare window where the box lies.
    EXPECT_NE(input.Mouse(MouseAction::Down, f, &f.Box, kLeftButton, 0, 150, 25), "");
    EXPECT_NE(input.Mouse(MouseAction::Down, f, nullptr, kLeftButton, 0, 1000, 1000), "");
    // A point on no screen, nor any pixel Qt could route to.
    for (MouseAction action : {MouseAction::Move, MouseAction::Down, MouseAction::Up})
        EXPECT_NE(input.Mouse(action, f, &f.Box, kLeftButton, 0, -1e12, 25), "");
    EXPECT_TRUE(f.log.empty());
}

}  // namespace
