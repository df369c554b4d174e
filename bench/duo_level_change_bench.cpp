// One full change of level with both main windows loaded, headless: the
// generated 5,000-row correlation model, its event list and age model in the
// main window, the generated 5,000-row Duo model tied to it and its event
// list in the Duo window (the link runs through event-free depths and the Duo
// holds the age model too). A level typed in either window updates both
// windows' read-outs and drawings.
#include <benchmark/benchmark.h>


#include "bench/loaded_window.h"

namespace {

void TypedLevel(benchmark::State& state, bool inDuo) {
    bench::LoadedDuoWindows program;
    quillory::CoreWindow& typed = inDuo ? static_cast<quillory::CoreWindow&>(program.q.frm2Main())
                                        : static_cast<quillory::CoreWindow&>(program.q.frmMain());
    quillory::CoreWindow& other = typed.Other();
    if (!bench::TypeLevelsInTurn(state, typed)) state.SkipWithError("the typed level was not taken");
    if (other.Label1(8).Caption() != other.Text2.Text() || other.Text4.Text().empty())
        state.SkipWithError("the other window did not follow");
}

void BM_LevelTypedInTheDuoWindow(benchmark::State& state) { TypedLevel(state, true); }
void BM_LevelTypedInTheMainWindow(benchmark::State& state) { TypedLevel(state, false); }
BENCHMARK(BM_LevelTypedInTheDuoWindow)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LevelTypedInTheMainWindow)->Unit(benchmark::kMicrosecond);

}  // namespace
