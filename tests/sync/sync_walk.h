#pragma once
// Long random sequences of user actions over both main windows, with the
// example models loaded, and the checks that keep the two windows honest
// after every action: the action ends (its events nest only so deep), no
// window is left holding its level (both writer flags back at nobody), and
// after every road that pushes a level into the other window the two levels
// convert into each other through the master-core link, or the level was
// refused and neither window moved (or the refused box's restored level was
// pushed, and the windows are in step).
//
// Roads that do not push, by the way they are built, are named and only
// checked for the first two: a choice of bore hole (its level is written as
// the program's own), a scale option, a range item, a pick on a bore-hole
// column while the window draws event-free depth or age (the pick writes the
// box of that scale without the user's edit mark), and a Duo slider move while
// the last action's push is still counted (the Duo slider counts its move as
// a user action only after it has written the level).
#include <cstdint>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "forms/application.h"
#include "forms/headless.h"
#include "main/quillory.h"

namespace sync_walk {

struct Figures {
    long actions = 0;
    long keystrokes = 0;    // typed actions are checked after every key
    long inStep = 0;        // pushing roads whose two levels were in step
    long refused = 0;       // pushing roads refused with neither level moved
    long notPushing = 0;    // actions of the named roads that do not push
    long unchanged = 0;     // pushing roads that changed no level at all
    int peakDepth = 0;      // deepest nesting of events over the walk
    std::map<std::string, long> byKind;
    std::vector<std::string> findings;  // what broke a rule, with the action
};

class Walk {
public:
    // Loads the example models of `examples` (a folder): the main window's
    // three files, the Duo model and, with `duoEvents`, the Duo event list
    // (the link then runs through event-free depths).
    Walk(const std::string& examples, bool duoEvents, uint32_t seed);

    // Runs `count` random actions; stops early after `maxFindings` findings.
    void Run(long count, Figures& figures, size_t maxFindings = 20);

    quillory::Quillory& Program() { return q_; }

    // Events may nest this deep in one action; deeper means a loop.
    static constexpr int kDepthBound = 200;

private:
    struct Before {
        std::string main, duo;
        size_t messages;
        int32_t actionCount;
    };
    enum class Road { kPushes, kDoesNotPush };

    void Load(const std::string& examples, bool duoEvents);
    void Import(forms::CommandButton& button, const std::string& path);
    void OneAction(Figures& f);
    // Runs one step of an action and checks it.
    template <class Step>
    void Checked(Figures& f, const std::string& what, Road road, Step step);
    void Check(Figures& f, const std::string& what, Road road, const Before& before);
    bool InStep();

    quillory::CoreWindow& Window(bool duo);
    std::string RandomLevel(double lo, double hi);
    std::string RandomDecimal(double lo, double hi, int decimals);
    double Uniform(double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(rng_); }
    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }

    // QUILLORY_WALK_TRACE set: every step is printed as it starts.
    const bool trace_;
    forms::HeadlessServices services_;
    forms::Application app_{services_};
    quillory::Quillory q_{app_};
    std::mt19937 rng_;
    std::string route_;
};

// Runs walks of both routes (without and with the Duo event list) and adds
// their figures up; the soak program and the test share it.
Figures WalkBothRoutes(const std::string& examples, long actionsPerRoute, uint32_t seed);

}  // namespace sync_walk
