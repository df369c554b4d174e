// An error that escapes the program's handlers ends the program. A scenario
// does not go on where the program would have ended: the line that met the
// error fails, and no line after it runs.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <unistd.h>

#include "faults/allocation_faults.h"
#include "scenario/scenario_runner.h"
#include "scenario/script_input.h"

namespace {

// Typing finds no memory for its first allocation: in a level box that is
// inside the box's handlers, which trap run-time errors only.
class TypingWithoutMemory : public scenario::DirectInput {
public:
    std::string Type(forms::Control& control, const std::string& text, bool selectAll) override {
        faults::FailingAllocation fault(0);
        return DirectInput::Type(control, text, selectAll);
    }
};

// The headless back end with that typing.
class Backend : public scenario::ScriptedBackend {
public:
    forms::Services& Platform() override { return headless_->Platform(); }
    forms::HeadlessServices& Answers() override { return headless_->Answers(); }
    scenario::ScriptInput& Input() override { return typing_; }
    bool Png(forms::Form& form, forms::Control* control, const std::string& path, std::string& why) override {
        return headless_->Png(form, control, path, why);
    }
    bool PngScreen(const std::vector<forms::Form*>& windows, const std::string& path, std::string& why) override {
        return headless_->PngScreen(windows, path, why);
    }

private:
    std::unique_ptr<scenario::ScriptedBackend> headless_ = scenario::MakeHeadlessBackend();
    TypingWithoutMemory typing_;
};

TEST(ScenarioRunner, AnErrorThatEscapesAHandlerEndsTheScript) {
    const std::filesystem::path script =
        std::filesystem::path(testing::TempDir()) / ("untrapped-" + std::to_string(getpid()) + ".scn");
    std::ofstream(script) << "open-file " QUILLORY_SOURCE_DIR "/examples/QL22_correlation_20240209.csv\n"
                             "click frmMain.Command1\n"
                             "expect frmMain.Command3.Enabled = True\n"
                             "type frmMain.Text2 300\n"
                             "expect Program.Ended = True\n"
                             "click frmMain.Command3\n";
    std::ostringstream out;
    const scenario::ScenarioResult result =
        scenario::RunScenario(script.string(), [] { return std::make_unique<Backend>(); }, out);
    std::filesystem::remove(script);
    EXPECT_EQ(result.passed, 1) << out.str();
    EXPECT_EQ(result.failed, 1) << out.str();
    EXPECT_NE(out.str().find("FAIL 4: std::bad_alloc escaped its handler; the program ends, and the script with it"),
              std::string::npos)
        << out.str();
}

}  // namespace
