// One full change of level in the main window, headless: a composite depth
// typed into its box after the generated correlation model, event list and
// age model were imported through the window's buttons. Every read-out (bore
// hole, section, PSP, event-free depth, age, slider, columns) follows.
#include <benchmark/benchmark.h>

#include <string>

#include "bench/loaded_window.h"

namespace {

// Each change types the last digit of a level far from the one before; the
// keys before it are typed with the clock stopped.
void BM_TypedCompositeDepth(benchmark::State& state) {
    bench::LoadedWindow program;
    quillory::FrmMain& f = program.q.frmMain();
    const std::string levels[] = {"1234", "9876"};
    int i = 0;
    for (auto _ : state) {
        state.PauseTiming();
        i ^= 1;
        f.Text2.UserSelectAll();
        for (size_t k = 0; k + 1 < levels[i].size(); ++k) f.Text2.UserKeyChar(levels[i][k]);
        state.ResumeTiming();
        f.Text2.UserKeyChar(levels[i].back());
    }
    if (f.Label1(8).Caption() != levels[i]) state.SkipWithError("the typed level was not taken");
    if (f.Text3.Text().empty() || f.Text4.Text().empty()) state.SkipWithError("a read-out stayed empty");
    // The heap the numbers read from the tables' texts take, by the rows they index.
    const model::DepthModel& m = f.state.model;
    state.counters["index_bytes_per_tie_row"] =
        static_cast<double>(m.corrCells.Bytes() + m.rowCells.Bytes() + m.sectionSearches.Bytes()) / (m.gRowCount + 1);
    state.counters["index_bytes_per_event"] = static_cast<double>(m.eventCells.Bytes()) / (m.gEventCount + 1);
}
BENCHMARK(BM_TypedCompositeDepth)->Unit(benchmark::kMicrosecond);

}  // namespace
