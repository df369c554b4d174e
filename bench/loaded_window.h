#pragma once
// The main window, after the generated correlation model, event list and age
// model were imported through its buttons, as a user would; and both main
// windows, with the generated Duo model tied to the main one and its event
// list read in the Duo window too. `Services` is the back end: headless by
// default, or one with real windows that answers its dialogs from queues as
// the headless one does (fileAnswers, messageAnswers, messages).
#include <benchmark/benchmark.h>

#include <functional>
#include <stdexcept>
#include <string>

#include "bench/bench_files.h"
#include "forms/application.h"
#include "forms/headless.h"
#include "forms/values.h"
#include "main/quillory.h"

namespace bench {

// Types a level into a box key by key, as the user does.
inline void TypeLevel(forms::TextBox& box, const std::string& level) {
    box.UserSelectAll();
    for (char c : level) box.UserKeyChar(c);
}

// Levels typed into a window's composite-depth box in turn, a fifth and
// seven tenths of the way down its model: each change types the last digit
// of a level far from the one before, the keys before it with the clock
// stopped; `after` (the windows painted, say) follows those keys with the
// clock stopped and the last key with it running.
// True when the window took the last level.
inline bool TypeLevelsInTurn(benchmark::State& state, quillory::CoreWindow& typed,
                             const std::function<void()>& after = {}) {
    const float bottom = typed.state.model.gDrawBottom;
    const std::string levels[] = {forms::Str(forms::CLng(0.2 * bottom)), forms::Str(forms::CLng(0.7 * bottom))};
    typed.Text2.SetFocus();
    int i = 0;
    for (auto _ : state) {
        state.PauseTiming();
        i ^= 1;
        typed.Text2.UserSelectAll();
        for (size_t k = 0; k + 1 < levels[i].size(); ++k) typed.Text2.UserKeyChar(levels[i][k]);
        if (after) after();
        state.ResumeTiming();
        typed.Text2.UserKeyChar(levels[i].back());
        if (after) after();
    }
    return typed.Label1(8).Caption() == levels[i];
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
