// The scenario runner refuses what a person could not do, alike on both back
// ends: a script's action on a window that is not shown fails its line and
// reaches nothing.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "odd_files.h"
#include "qt/qt_test_app.h"
#include "scenario/scenario_runner.h"
#include "scenario_qt/qt_scenario_backend.h"

namespace {

struct ScriptRun {
    scenario::ScenarioResult result;
    std::vector<std::string> failures;  // the FAIL lines, as printed
};

class ScenarioRunnerTest : public ::testing::TestWithParam<bool> {
protected:
    // Runs the script on the back end of the test's parameter (true: Qt).
    ScriptRun RunScript(const std::string& script) {
        scenario::BackendFactory factory = scenario::MakeHeadlessBackend;
        if (GetParam()) {
            qttest::EnsureQtApplication();
            static int argc = 1;
            static char name[] = "quillory-tests";
            static char* argv[] = {name, nullptr};
            factory = scenario_qt::ScenarioBackendFactory(argc, argv);
        }
        std::ostringstream out;
        ScriptRun run;
        run.result = scenario::RunScenario(files_.Write("script.scn", script), factory, out);
        std::istringstream lines(out.str());
        for (std::string line; std::getline(lines, line);)
            if (line.rfind("FAIL", 0) == 0) run.failures.push_back(line);
        return run;
    }

    test_files::OddFiles files_;
};

TEST_P(ScenarioRunnerTest, EveryActionOnAWindowThatIsNotShownIsRefused) {
    ScriptRun run = RunScript(
        "program demo\n"
        "set frmDemo.Visible False\n"
        "click frmDemo.Option1(1)\n"
        "dblclick frmDemo.Picture1\n"
        "type frmDemo.Text1 21\n"
        "key frmDemo.Text1 Backspace\n"
        "slide frmDemo.Slider1 40\n"
        "menu frmDemo.mnuItem(2)\n"
        "mouse-down frmDemo.Picture1 3 50 1\n"
        "mouse-up frmDemo.Picture1 3 50 1\n"
        "mouse-move frmDemo 100 100\n"
        "mouse-down frmDemo 100 100 1\n"
        "activate frmDemo\n"
        "resize frmDemo 6000 5000\n"
        "move frmDemo 300 300\n"
        "set frmDemo.Visible True\n"
        "expect frmDemo.Label2.Caption =\n"
        "expect frmDemo.Text1.Text =\n"
        "expect frmDemo.Slider1.Value = 0\n"
        "expect frmDemo.Option1(1).Value = False\n"
        // Shown again, the window takes the same click.
        "click frmDemo.Option1(1)\n"
        "expect frmDemo.Label2.Caption = option 1\n");
    EXPECT_EQ(run.failures, (std::vector<std::string>{
                                "FAIL 3: click refused: frmDemo is not shown",
                                "FAIL 4: dblclick refused: frmDemo is not shown",
                                "FAIL 5: type refused: frmDemo is not shown",
                                "FAIL 6: key refused: frmDemo is not shown",
                                "FAIL 7: slide refused: frmDemo is not shown",
                                "FAIL 8: menu refused: frmDemo is not shown",
                                "FAIL 9: mouse-down refused: frmDemo is not shown",
                                "FAIL 10: mouse-up refused: frmDemo is not shown",
                                "FAIL 11: mouse-move refused: frmDemo is not shown",
                                "FAIL 12: mouse-down refused: frmDemo is not shown",
                                "FAIL 13: activate refused: frmDemo is not shown",
                                "FAIL 14: resize refused: frmDemo is not shown",
                                "FAIL 15: move refused: frmDemo is not shown",
                            }));
    EXPECT_EQ(run.result.passed, 5);
}

// The conversion window that a failed reading closed, loaded again by the
// script's reference but not shown, and the main window while the program
// hides it.
TEST_P(ScenarioRunnerTest, AClosedOrHiddenWindowOfTheProgramTakesNoInput) {
    const std::string source = QUILLORY_SOURCE_DIR;
    ScriptRun run = RunScript("open-file " + source + "/examples/QL22_correlation_20240209.csv\n"
                        "click frmMain.Command1\n"
                        "open-file " + source + "/scenarios/data/samples_seven_fields.csv\n"
                        "click frmMain.Command2\n"
                        "expect-message Error | File format error.\n"
                        "expect frmConversion.Visible = False\n"
                        "save-file $SCRATCH/out.csv\n"
                        "click frmConversion.Command1\n"
                        "expect-no-message\n"
                        "expect-no-file $SCRATCH/out.csv\n"
                        "set frmMain.Visible False\n"
                        "choose frmMain.Combo1 B\n"
                        "set frmMain.Visible True\n"
                        "expect frmMain.Combo1.Text = A\n"
                        "choose frmMain.Combo1 B\n"
                        "expect frmMain.Combo1.Text = B\n");
    EXPECT_EQ(run.failures, (std::vector<std::string>{
                                "FAIL 8: click refused: frmConversion is not shown",
                                "FAIL 12: choose refused: frmMain is not shown",
                            }));
    EXPECT_EQ(run.result.passed, 6);
}

TEST_P(ScenarioRunnerTest, AWriteBeyondAPropertysTypeIsOverflow) {
    ScriptRun run = RunScript("program demo\nset frmDemo.Text1.SelStart 1e10\nset frmDemo.Slider1.Max -1e300\n");
    EXPECT_EQ(run.failures, (std::vector<std::string>{"FAIL 2: run-time error 6: Overflow",
                                                      "FAIL 3: run-time error 6: Overflow"}));
}

TEST_P(ScenarioRunnerTest, ACountBeyondALongFailsItsLine) {
    ScriptRun run = RunScript("program demo\ntick 1e300\nwait -5\nrepeat 1e309\n");
    EXPECT_EQ(run.failures, (std::vector<std::string>{"FAIL 2: tick needs a count from 0 to 2147483647",
                                                      "FAIL 3: wait needs a count from 0 to 2147483647",
                                                      "FAIL 4: repeat needs a count from 0 to 2147483647"}));
}

// The clipboard's text, as another program puts it there, is what a paste
// then takes; what a script only reads fails the write.
TEST_P(ScenarioRunnerTest, AScriptWritesTheClipboardsTextAndNothingElseOfTheScreenOrTheProgram) {
    ScriptRun run = RunScript("program demo\nset Clipboard.Text 12.5\nkey frmDemo.Text1 Ctrl+V\n"
                              "expect frmDemo.Text1.Text = 12.5\nset Screen.Width 1\nset Program.Ended 1\n"
                              "set Screen.Depth 1\nexpect Screen.Width = 28800\nexpect Program.Ended = False\n");
    EXPECT_EQ(run.failures, (std::vector<std::string>{"FAIL 5: Screen.Width is read-only",
                                                      "FAIL 6: Program.Ended is read-only",
                                                      "FAIL 7: no property Screen.Depth"}));
    EXPECT_EQ(run.result.passed, 3);
}

// Space presses a button, a check box or an option button as a click does,
// and types a blank in a box; a key the control does not take fails its line.
TEST_P(ScenarioRunnerTest, SpacePressesAButtonAndAKeyAControlDoesNotTakeIsRefused) {
    ScriptRun run = RunScript("program demo\nkey frmDemo.Check1 Space\nexpect frmDemo.Label2.Caption = check 1\n"
                              "key frmDemo.Option1(1) Space\nexpect frmDemo.Option1(1).Value = True\nanswer No\n"
                              "key frmDemo.Command1 Space\nexpect-message Demo | Start the timer?\n"
                              "key frmDemo.Command1 Down\nkey frmDemo.Slider1 Space\nkey frmDemo.Label1 Space\n"
                              "key frmDemo.Text1 Space\nexpect frmDemo.Text1.Text =  \n");
    EXPECT_EQ(run.failures,
              (std::vector<std::string>{"FAIL 9: key refused: Command1 takes Space and Tab",
                                        "FAIL 10: key refused: Slider1 takes the arrows, PageUp, PageDown, Home, End and Tab",
                                        "FAIL 11: cannot send keys to Label1"}));
    EXPECT_EQ(run.result.passed, 4);
}

INSTANTIATE_TEST_SUITE_P(BothBackEnds, ScenarioRunnerTest, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& info) { return info.param ? "Qt" : "Headless"; });

}  // namespace
