// The window activation against a window system of the test's own, whose
// reports and answers come when the test says: a report of another window
// while a request is on its way is held back until the asked window comes or
// the request's time is up, and a report is never answered with a request.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "qt/window_activation.h"

namespace {

using qtback::WindowActivation;
using Window = WindowActivation::Window;
using Log = std::vector<std::string>;

const char kMain = 'M', kConversion = 'C', kPhoto = 'P';
const Window M = &kMain, C = &kConversion, P = &kPhoto;

class WindowActivationTest : public ::testing::Test, WindowActivation::Surroundings {
protected:
    Window screen = M, program = M;  // active on the screen, and the program's own
    int busy = 0;                    // handlers running or dialogs open
    Log log;                         // what the activation did, in order
    std::vector<std::function<void()>> timers;
    WindowActivation activation{*this};

    WindowActivationTest() { activation.ProgramChose(M, true); }

    // The program makes `window` its active one; the sync after tells.
    void ProgramActivates(Window window) {
        program = window;
        activation.ProgramChose(window, true);
    }
    void Report(Window window) {
        screen = window;
        activation.Reported();
    }
    void Deadline() {
        auto due = std::move(timers);
        for (auto& done : due) done();
    }

private:
    static std::string Name(Window w) { return std::string(1, *static_cast<const char*>(w)); }
    Window ActiveOnScreen() const override { return screen; }
    void Raise(Window) override {}
    void RequestActive(Window window) override { log.push_back("request " + Name(window)); }
    void After(int, std::function<void()> done) override { timers.push_back(std::move(done)); }
    bool CanFollow() const override { return busy == 0; }
    Window ProgramActive() const override { return program; }
    void Follow(Window window) override {
        log.push_back("follow " + Name(window));
        ProgramActivates(window);  // the sync that ends the user event
    }
};

TEST_F(WindowActivationTest, AStaleReportBeforeTheAskedWindowIsNeverFollowed) {
    ProgramActivates(C);
    Report(M);  // the focus handed back to the main window as a dialog closed
    EXPECT_TRUE(activation.Holding());
    Report(C);
    EXPECT_FALSE(activation.Holding());
    Deadline();
    EXPECT_EQ(program, C);
    EXPECT_EQ(log, Log{"request C"});
}

// The window manager has not answered in time: the program follows the
// screen, then the late answer, as reports, and asks for nothing.
TEST_F(WindowActivationTest, TheAskedWindowAfterTheDeadlineIsFollowedWithoutARequest) {
    ProgramActivates(C);
    Deadline();
    Report(C);
    EXPECT_EQ(program, C);
    EXPECT_EQ(log, (Log{"request C", "follow M", "follow C"}));
}

TEST_F(WindowActivationTest, APersonsClickDuringTheHoldIsFollowedWhenTheHoldEnds) {
    ProgramActivates(C);
    Report(P);  // the click crossed the request, which the manager declines
    EXPECT_EQ(program, C);
    Deadline();
    EXPECT_EQ(program, P);
    // A click after the asked window came is followed at once.
    ProgramActivates(C);
    Report(C);
    Report(M);
    EXPECT_EQ(log, (Log{"request C", "follow P", "request C", "follow M"}));
}

TEST_F(WindowActivationTest, AModalDialogOpenWhenTheHoldEndsDefersToTheNextReport) {
    ProgramActivates(C);
    ++busy;
    Report(P);
    Deadline();
    EXPECT_EQ(program, C);
    --busy;
    Report(P);
    EXPECT_EQ(log, (Log{"request C", "follow P"}));
}

// A window active already, or hidden, is not waited for; a window not shown
// is not asked for; once gone, it may be chosen anew.
TEST_F(WindowActivationTest, AWindowAlreadyActiveOrHiddenIsNotWaitedFor) {
    ProgramActivates(M);
    EXPECT_FALSE(activation.Holding());
    ProgramActivates(C);
    activation.Hidden(C);
    EXPECT_FALSE(activation.Holding());
    activation.Gone(C);
    activation.ProgramChose(P, false);
    ProgramActivates(C);
    EXPECT_EQ(log, (Log{"request C", "request C"}));
}

}  // namespace
