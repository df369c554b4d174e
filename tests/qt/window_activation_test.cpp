// The window activation against a window system of the test's own, whose
// reports and answers come when the test says: a report of another window
// while a request is on its way is held back until the asked window comes or
// the request's time is up, and the program never answers a report with a
// request.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "qt/window_activation.h"

namespace {

using qtback::WindowActivation;
using Window = WindowActivation::Window;

const char kMain = 'M', kConversion = 'C', kPhoto = 'P';
const Window M = &kMain, C = &kConversion, P = &kPhoto;

class FakeWindowSystem : public WindowActivation::Surroundings {
public:
    Window screen = M;            // the window the system shows active
    Window program = M;           // the program's active window
    int busy = 0;                 // handlers running or dialogs open
    std::vector<std::string> log;  // what the activation did, in order
    std::vector<std::function<void()>> timers;
    WindowActivation* activation = nullptr;

    Window ActiveOnScreen() const override { return screen; }
    void Raise(Window) override {}
    void RequestActive(Window window) override { log.push_back("request " + Name(window)); }
    void After(int, std::function<void()> done) override { timers.push_back(std::move(done)); }
    bool CanFollow() const override { return busy == 0; }
    Window ProgramActive() const override { return program; }
    void Follow(Window window) override {
        log.push_back("follow " + Name(window));
        program = window;
        activation->ProgramChose(window, true);  // the sync that ends the user event
    }

    static std::string Name(Window w) { return std::string(1, *static_cast<const char*>(w)); }
    void Deadline() {
        auto due = std::move(timers);
        for (auto& done : due) done();
    }
};

class WindowActivationTest : public ::testing::Test {
protected:
    // The program makes `window` its active one and the sync that follows
    // tells the activation.
    void ProgramActivates(Window window) {
        system.program = window;
        activation.ProgramChose(window, true);
    }
    // The window system shows `window` active and says so.
    void Report(Window window) {
        system.screen = window;
        activation.Reported();
    }

    void SetUp() override {
        system.activation = &activation;
        activation.ProgramChose(M, true);
    }

    FakeWindowSystem system;
    WindowActivation activation{system};
};

TEST_F(WindowActivationTest, AStaleReportBeforeTheAskedWindowIsNeverFollowed) {
    ProgramActivates(C);
    EXPECT_TRUE(activation.Holding());
    // The focus handed back to the main window as a dialog closed.
    Report(M);
    EXPECT_TRUE(activation.Holding());
    Report(C);
    EXPECT_FALSE(activation.Holding());
    system.Deadline();
    EXPECT_EQ(system.program, C);
    EXPECT_EQ(system.log, std::vector<std::string>{"request C"});
}

TEST_F(WindowActivationTest, TheAskedWindowAfterTheDeadlineIsFollowedWithoutARequest) {
    ProgramActivates(C);
    // The window manager has not answered in time: the program follows the
    // screen, and then the late answer, as reports of the window system.
    system.Deadline();
    EXPECT_FALSE(activation.Holding());
    EXPECT_EQ(system.program, M);
    Report(C);
    EXPECT_EQ(system.program, C);
    EXPECT_EQ(system.log, (std::vector<std::string>{"request C", "follow M", "follow C"}));
}

TEST_F(WindowActivationTest, APersonsClickDuringTheHoldIsFollowedWhenTheHoldEnds) {
    ProgramActivates(C);
    Report(P);  // the click crossed the request, which the manager declines
    EXPECT_EQ(system.program, C);
    system.Deadline();
    EXPECT_EQ(system.program, P);

    // A click that comes after the asked window is followed at once.
    ProgramActivates(C);
    Report(C);
    Report(M);
    EXPECT_EQ(system.program, M);
    EXPECT_EQ(system.log, (std::vector<std::string>{"request C", "follow P", "request C", "follow M"}));
}

TEST_F(WindowActivationTest, AModalDialogOpenWhenTheHoldEndsDefersToTheNextReport) {
    ProgramActivates(C);
    ++system.busy;
    Report(P);
    system.Deadline();
    EXPECT_FALSE(activation.Holding());
    EXPECT_EQ(system.program, C);
    --system.busy;
    Report(P);
    EXPECT_EQ(system.program, P);
    EXPECT_EQ(system.log, (std::vector<std::string>{"request C", "follow P"}));
}

TEST_F(WindowActivationTest, AWindowAlreadyActiveOrHiddenIsNotWaitedFor) {
    ProgramActivates(M);
    EXPECT_FALSE(activation.Holding());
    ProgramActivates(C);
    activation.Hidden(C);
    EXPECT_FALSE(activation.Holding());
    // A window not shown is not asked for; once gone, it may be chosen anew.
    activation.Gone(C);
    activation.ProgramChose(P, false);
    EXPECT_FALSE(activation.Holding());
    ProgramActivates(C);
    EXPECT_EQ(system.log, (std::vector<std::string>{"request C", "request C"}));
}

}  // namespace
