// The Qt paint of both main windows side by side into one image, offscreen,
// with the generated 5,000-row models and their event lists loaded, at
// "Whole core" (also right after a redraw) and at 5 m, and with the target
// line over both.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <algorithm>

#include "bench/answered_qt.h"
#include "bench/loaded_window.h"
#include "qt/form_window.h"

namespace {

struct ShownWindows : bench::LoadedProgram<bench::AnsweredQtServices> {
    ShownWindows() {
        LoadDuo();
        bench::TypeLevel(q.frm2Main().Text2, "10000");
        Settle();
    }
};

// Kept to the end of the run: its windows go with the process.
ShownWindows& Shown() {
    static ShownWindows* shown = new ShownWindows;
    return *shown;
}

// `redrawn`: each paint follows a redraw of both windows' columns (made with
// the clock stopped), so no kept picture is painted from the image of the
// paint before.
void Paint(benchmark::State& state, int16_t range, bool targetLine, bool redrawn = false) {
    ShownWindows& s = Shown();
    s.q.frm2Main().mnuCM(range).UserChoose();
    if (targetLine) s.q.frm2Main().BoreHole(2).UserMouseMove(0, 0, 3, s.q.frm2Main().BoreHole(2).Draw().ScaleTop() + 100);
    s.Settle();
    qtback::FormWindow& main = s.services.WindowOf(s.q.frmMain());
    qtback::FormWindow& duo = s.services.WindowOf(s.q.frm2Main());
    if (!main.isVisible() || !duo.isVisible()) state.SkipWithError("a window is not shown");
    QImage target(main.width() + duo.width(), std::max(main.height(), duo.height()), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        if (redrawn) {
            state.PauseTiming();
            s.q.frmMain().DrawLamina();
            s.q.frm2Main().DrawLamina();
            s.services.Sync();
            state.ResumeTiming();
        }
        QPainter painter(&target);
        main.render(&painter, QPoint(0, 0));
        duo.render(&painter, QPoint(main.width(), 0));
    }
    state.counters["pixels"] = static_cast<double>(target.width()) * target.height();
}

void BM_PaintBothWindows_WholeCore(benchmark::State& state) { Paint(state, quillory::CoreWindow::kWholeCore, false); }
void BM_PaintBothWindows_WholeCore_AfterRedraw(benchmark::State& state) {
    Paint(state, quillory::CoreWindow::kWholeCore, false, true);
}
void BM_PaintBothWindows_5m(benchmark::State& state) { Paint(state, 500, false); }
void BM_PaintBothWindows_5m_TargetLine(benchmark::State& state) { Paint(state, 500, true); }

BENCHMARK(BM_PaintBothWindows_WholeCore)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintBothWindows_WholeCore_AfterRedraw)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintBothWindows_5m)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintBothWindows_5m_TargetLine)->Unit(benchmark::kMillisecond);

}  // namespace
