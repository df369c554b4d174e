#pragma once
// The main window, after the generated correlation model, event list and age
// model were imported through its buttons, as a user would; and both main
// windows, with the generated Duo model tied to the main one and its event
// list read in the Duo window too. `Services` is the back end: headless by
// default, or one with real windows that answers its dialogs from queues as
// the headless one does (fileAnswers, messageAnswers, messages).
#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <functional>
#include <set>
#include <vector>
#include <stdexcept>
#include <string>

#include "bench/bench_files.h"
#include "forms/application.h"
#include "forms/headless.h"
#include "main/quillory.h"
#include "values/values.h"

namespace bench {

// Types a level into a box key by key, as the user does.
inline void TypeLevel(forms::TextBox& box, const std::string& level) {
    box.UserSelectAll();
    for (char c : level) box.UserKeyChar(c);
}

// Levels typed into `box` in turn, over the whole text of the last: each
// change types the last digit of its level, the keys before it with the
// clock stopped; `after` (the windows painted, say) follows those keys with
// the clock stopped and the last key with it running. The level typed last.
inline const std::string& TypeInTurn(benchmark::State& state, forms::TextBox& box,
                                     const std::vector<std::string>& levels, const std::function<void()>& after) {
    box.SetFocus();
    size_t i = levels.size() - 1;
    for (auto _ : state) {
        state.PauseTiming();
        i = (i + 1) % levels.size();
        box.UserSelectAll();
        for (size_t k = 0; k + 1 < levels[i].size(); ++k) box.UserKeyChar(levels[i][k]);
        if (after) after();
        state.ResumeTiming();
        box.UserKeyChar(levels[i].back());
        if (after) after();
    }
    return levels[i];
}

// Levels typed into a window's composite-depth box in turn, seven tenths and
// a fifth of the way down its model: each change is far from the one before.
// True when the window took the last level.
inline bool TypeLevelsInTurn(benchmark::State& state, quillory::CoreWindow& typed,
                             const std::function<void()>& after = {}) {
    const float bottom = typed.state.model.gDrawBottom;
    const std::vector<std::string> levels{values::Str(values::CLng(0.7 * bottom)),
                                          values::Str(values::CLng(0.2 * bottom))};
    return typed.Label1(8).Caption() == TypeInTurn(state, typed.Text2, levels, after);
}

// Levels from 2 % to 98 % of a core `bottom` cm deep, in an order that jumps
// across it, each written with four significant digits ("361.4", "1769",
// "17690") and none twice: a run never shows a level it has shown before,
// so every text the columns print at it is shaped anew.
inline std::vector<std::string> LevelsAcrossTheCore(double bottom) {
    std::vector<std::string> levels;
    std::set<std::string> seen;
    const double golden = 0.6180339887498949;
    for (long i = 1; levels.size() < 20000 && i < 200000; ++i) {
        const double level = bottom * (0.02 + 0.96 * std::fmod(i * golden, 1.0));
        const double unit = std::pow(10.0, std::floor(std::log10(level)) - 3);
        std::string text = values::Str(std::round(level / unit) * unit);
        if (seen.insert(text).second) levels.push_back(text);
    }
    return levels;
}

// The keys of those levels, one a call: a user typing one level after
// another into a depth box, each over the whole text of the one before.
class KeysAcrossTheCore {
public:
    explicit KeysAcrossTheCore(double bottom) : levels_(LevelsAcrossTheCore(bottom)) {}
    // The level's first key is next: the box's text is to be selected.
    bool StartsALevel() const { return key_ == 0; }
    char Next() {
        const std::string& level = levels_[level_ % levels_.size()];
        const char c = level[key_];
        if (++key_ == level.size()) {
            key_ = 0;
            ++level_;
        }
        return c;
    }
    // The level the last whole one typed was.
    const std::string& Last() const { return levels_[(level_ + levels_.size() - 1) % levels_.size()]; }
    size_t LevelsTyped() const { return level_; }

private:
    std::vector<std::string> levels_;
    size_t level_ = 0, key_ = 0;
};

// One key an iteration from `keys` into `box`, each key a level change
// timed with what `after` does (the windows painted, say); selecting the
// box's text before a level's first key is not timed. The level's last key,
// at a level the run has not shown, is also timed apart (`last_key_ms`):
// the keys before it type its first digits, near the top of the core. True
// when the box's window took the last whole level typed.
inline bool TypeKeysAcrossTheCore(benchmark::State& state, KeysAcrossTheCore& keys, quillory::CoreWindow& typed,
                                  const std::function<void(const std::function<void()>&)>& userEvent,
                                  const std::function<void()>& after) {
    double lastKeysS = 0;
    long lastKeys = 0;
    for (auto _ : state) {
        if (keys.StartsALevel()) {
            state.PauseTiming();
            userEvent([&] { typed.Text2.UserSelectAll(); });
            after();
            state.ResumeTiming();
        }
        const auto start = std::chrono::steady_clock::now();
        const char key = keys.Next();
        userEvent([&] { typed.Text2.UserKeyChar(key); });
        after();
        if (keys.StartsALevel()) {
            lastKeysS += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            ++lastKeys;
        }
    }
    // Finish the level under way, so that the check reads a whole one.
    while (!keys.StartsALevel()) {
        const char key = keys.Next();
        userEvent([&] { typed.Text2.UserKeyChar(key); });
    }
    after();
    if (lastKeys > 0) state.counters["last_key_ms"] = lastKeysS * 1000 / static_cast<double>(lastKeys);
    state.counters["levels"] = static_cast<double>(lastKeys);
    return typed.Label1(8).Caption() == keys.Last();
}

template <class Services>
struct LoadedProgram {
    Services services;
    forms::Application app{services};
    quillory::Quillory q{app};

    LoadedProgram() {
        if constexpr (requires { services.Attach(app); }) services.Attach(app);
        quillory::FrmMain& f = q.frmMain();
        f.Show();
        Import(f.Command1, Files().correlation);
        Import(f.Command3, Files().events);
        Import(f.Command4, Files().ages);
        Settle();
        if (!services.messages.empty()) throw std::runtime_error("import refused: " + services.messages[0].request.text);
        f.Text2.SetFocus();
    }

    // Opens the Duo window and reads its model and event list; the Duo takes
    // over the main age-depth model.
    void LoadDuo() {
        q.frmMain().mnuQYDuo->UserChoose();
        services.messageAnswers.push_back(forms::vbYes);
        services.fileAnswers.push_back(Files().duoCorrelation);
        services.fileAnswers.push_back(Files().duoEvents);
        q.frm2Main().Command1.UserClick();
        Settle();
        if (services.messages.size() != 1 || !q.duo.model.gAgeModelLoaded)
            throw std::runtime_error("the Duo model did not load");
    }

    // Real windows catch up with what a step changed.
    void Settle() {
        if constexpr (requires { services.Settle(); }) services.Settle();
    }

private:
    void Import(forms::CommandButton& button, const std::string& path) {
        services.fileAnswers.push_back(path);
        button.UserClick();
        Settle();
    }
};

using LoadedWindow = LoadedProgram<forms::HeadlessServices>;

// Both main windows loaded.
template <class Services>
struct DuoProgram : LoadedProgram<Services> {
    DuoProgram() { this->LoadDuo(); }
};
using LoadedDuoWindows = DuoProgram<forms::HeadlessServices>;

}  // namespace bench
