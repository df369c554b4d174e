// The Duo window's full redraw at "Whole core", on its own composite depth
// and fitted to the master core, beside the main window's in the same
// program, and a pointer move over a Duo column that draws the target line in
// both windows; headless, after the generated 5,000-row models and their
// 2,000-layer event lists were imported through the windows' buttons.
#include <benchmark/benchmark.h>

#include <string>

#include "bench/loaded_window.h"

namespace {

// Both windows loaded once, the level typed deep into the generated core.
bench::LoadedDuoWindows& Loaded() {
    static bench::LoadedDuoWindows program;
    static bool typed = false;
    if (!typed) {
        typed = true;
        bench::TypeLevel(program.q.frm2Main().Text2, "10000");
    }
    return program;
}

size_t KeptPrimitives(quillory::CoreWindow& w) {
    size_t n = 0;
    for (int i = 0; i <= 5; ++i) n += w.BoreHole(i).Draw().KeptLayer()->primitives.size();
    return n;
}

void Redraw(benchmark::State& state, quillory::CoreWindow& w) {
    for (auto _ : state) w.DrawLamina();
    state.counters["primitives"] = static_cast<double>(KeptPrimitives(w));
}

// Fitted or not, the whole core in both windows (the ranges are linked).
quillory::Frm2Main& WholeCore(bool fitted) {
    quillory::Frm2Main& d = Loaded().q.frm2Main();
    d.Option4(fitted ? 0 : 1).UserClick();
    d.mnuCM(quillory::CoreWindow::kWholeCore).UserChoose();
    return d;
}

void BM_MainDrawLamina_WholeCore(benchmark::State& state) {
    WholeCore(false);
    Redraw(state, Loaded().q.frmMain());
}
void BM_DuoDrawLamina_WholeCore_OwnDepth(benchmark::State& state) { Redraw(state, WholeCore(false)); }
void BM_DuoDrawLamina_WholeCore_Fitted(benchmark::State& state) { Redraw(state, WholeCore(true)); }

// The pointer moves down a Duo bore-hole column: the target line across every
// column and panel of both windows, and the Duo's read-outs.
void PointerMove(benchmark::State& state, bool fitted) {
    quillory::Frm2Main& d = Loaded().q.frm2Main();
    d.Option4(fitted ? 0 : 1).UserClick();
    d.mnuCM(5000).UserChoose();
    const double top = d.BoreHole(0).Draw().ScaleTop();
    double y = top;
    for (auto _ : state) {
        d.BoreHole(2).UserMouseMove(0, 0, 3, y);
        y = y < top + 5000 ? y + 7.3 : top;
    }
    if (Loaded().q.frmMain().BoreHole(2).Draw().CurrentPrimitives().empty())
        state.SkipWithError("the main window shows no target line");
}
void BM_DuoPointerMove_BothTargetLines_OwnDepth(benchmark::State& state) { PointerMove(state, false); }
void BM_DuoPointerMove_BothTargetLines_Fitted(benchmark::State& state) { PointerMove(state, true); }

BENCHMARK(BM_MainDrawLamina_WholeCore)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DuoDrawLamina_WholeCore_OwnDepth)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DuoDrawLamina_WholeCore_Fitted)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DuoPointerMove_BothTargetLines_OwnDepth)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DuoPointerMove_BothTargetLines_Fitted)->Unit(benchmark::kMicrosecond);

}  // namespace
