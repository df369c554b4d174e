// The full redraw of the main window's columns and a pointer move with its
// target line, headless, after the generated 5,000-row correlation model,
// 2,000 event layers and 200 age control points were imported through the
// window's buttons.
#include <benchmark/benchmark.h>

#include <string>

#include "bench/loaded_window.h"

namespace {

// The window loaded once, its level typed deep into the generated core.
bench::LoadedWindow& Loaded() {
    static bench::LoadedWindow program;
    static bool typed = false;
    if (!typed) {
        typed = true;
        bench::TypeLevel(program.q.frmMain().Text2, "10000");
    }
    return program;
}

void RedrawAt(benchmark::State& state, int16_t range) {
    quillory::FrmMain& f = Loaded().q.frmMain();
    f.SetRange(range);
    for (auto _ : state) f.DrawLamina();
    size_t primitives = 0;
    for (int i = 0; i <= 5; ++i) primitives += f.BoreHole(i).Draw().KeptLayer()->primitives.size();
    state.counters["primitives"] = static_cast<double>(primitives);
}

void BM_DrawLamina_Range5000(benchmark::State& state) { RedrawAt(state, 5000); }
void BM_DrawLamina_WholeCore(benchmark::State& state) { RedrawAt(state, 9999); }

// The pointer moves down a bore-hole column: the target line across every
// column and panel, and the read-outs of tie rows and age points.
void BM_MouseMoveWithTargetLine(benchmark::State& state) {
    quillory::FrmMain& f = Loaded().q.frmMain();
    f.SetRange(5000);
    const double top = f.BoreHole(0).Draw().ScaleTop();
    double y = top;
    for (auto _ : state) {
        f.BoreHole(2).UserMouseMove(0, 0, 3, y);
        y = y < top + 5000 ? y + 7.3 : top;
    }
}

BENCHMARK(BM_DrawLamina_Range5000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DrawLamina_WholeCore)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MouseMoveWithTargetLine)->Unit(benchmark::kMicrosecond);

}  // namespace
