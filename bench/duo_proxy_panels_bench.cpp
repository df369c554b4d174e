// Both main windows with five proxy panels loaded in each, headless: the
// generated models in both windows (the Duo's tied to the main one, both
// event lists, the age model taken over), the main panels from the generated
// 65,535-sample x 135-column holy-trinity file, the Duo panels from the same
// file in the Duo's bore holes E to H, panel 0 of each with the 208-sample
// running mean, both windows unfolded. A level typed in either window: both
// windows' read-outs, columns and ten panels redrawn; on the Qt back end
// (offscreen), the same with both windows painted.
#include <benchmark/benchmark.h>

#include <functional>
#include <stdexcept>
#include <string>

#include "bench/answered_qt.h"
#include "bench/loaded_window.h"
#include "qt/form_window.h"

namespace {

template <class Services>
struct PanelsInBothWindows : bench::DuoProgram<Services> {
    PanelsInBothWindows() {
        Load(this->q.frmMain(), bench::ProxyPath());
        Load(this->q.frm2Main(), bench::DuoProxyPath());
        this->Settle();
    }

private:
    void Load(quillory::CoreWindow& w, const std::string& path) {
        for (int k = 0; k <= 4; ++k) {
            this->services.fileAnswers.push_back(path);
            w.Command6(k).UserClick();
            if (!w.state.gProxyLoaded[k] || !w.Enabled()) throw std::runtime_error("a proxy panel was not loaded");
        }
        w.panelMenu[0].flat208->Click();
        w.SetWidth(w.Picture1(4).Left() + w.Picture1(4).Width() + 360);
    }
};

PanelsInBothWindows<forms::HeadlessServices>& Program() {
    static PanelsInBothWindows<forms::HeadlessServices> program;
    return program;
}

size_t PanelPrimitives(quillory::CoreWindow& w) {
    size_t n = 0;
    for (int k = 0; k <= 4; ++k)
        if (const auto& kept = w.Picture1(k).Draw().KeptLayer()) n += kept->primitives.size();
    return n;
}

template <class Program>
void TypedLevel(benchmark::State& state, Program& p, bool inDuo, const std::function<void()>& after = {}) {
    quillory::CoreWindow& typed = inDuo ? static_cast<quillory::CoreWindow&>(p.q.frm2Main())
                                        : static_cast<quillory::CoreWindow&>(p.q.frmMain());
    quillory::CoreWindow& other = typed.Other();
    if (!bench::TypeLevelsInTurn(state, typed, after)) state.SkipWithError("the typed level was not taken");
    if (other.Label1(8).Caption() != other.Text2.Text()) state.SkipWithError("the other window did not follow");
    state.counters["main_panel_primitives"] = static_cast<double>(PanelPrimitives(p.q.frmMain()));
    state.counters["duo_panel_primitives"] = static_cast<double>(PanelPrimitives(p.q.frm2Main()));
}

void BM_LevelTypedInTheMainWindow_TenPanels(benchmark::State& state) { TypedLevel(state, Program(), false); }
void BM_LevelTypedInTheDuoWindow_TenPanels(benchmark::State& state) { TypedLevel(state, Program(), true); }
BENCHMARK(BM_LevelTypedInTheMainWindow_TenPanels)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LevelTypedInTheDuoWindow_TenPanels)->Unit(benchmark::kMillisecond);

// The Duo's redraw alone, on its own depth and fitted to the master core.
void DuoRedraw(benchmark::State& state, bool fitted) {
    quillory::Frm2Main& duo = Program().q.frm2Main();
    duo.Option4(fitted ? 0 : 1).SetValue(true);
    for (auto _ : state) duo.DrawLamina();
    duo.Option4(1).SetValue(true);
}
void BM_DuoRedraw_OwnDepth(benchmark::State& state) { DuoRedraw(state, false); }
void BM_DuoRedraw_FittedToTheMasterCore(benchmark::State& state) { DuoRedraw(state, true); }
BENCHMARK(BM_DuoRedraw_OwnDepth)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DuoRedraw_FittedToTheMasterCore)->Unit(benchmark::kMillisecond);

// ---- the Qt back end ----

// Kept to the end of the run: its windows go with the process.
PanelsInBothWindows<bench::AnsweredQtServices>& Shown() {
    static auto* shown = new PanelsInBothWindows<bench::AnsweredQtServices>;
    return *shown;
}

// A level typed in the main window, and both windows brought up to date and
// painted where they changed: one screen frame.
void BM_QtLevelTypedAndPaintBothWindows(benchmark::State& state) {
    auto& p = Shown();
    TypedLevel(state, p, false, [&] { p.Settle(); });
    qtback::FormWindow& main = p.services.WindowOf(p.q.frmMain());
    qtback::FormWindow& duo = p.services.WindowOf(p.q.frm2Main());
    if (!main.isVisible() || !duo.isVisible()) state.SkipWithError("a window is not shown");
}
BENCHMARK(BM_QtLevelTypedAndPaintBothWindows)->Unit(benchmark::kMillisecond);

// Levels typed into the main window across its whole core, key by key, none
// shown twice in the run: the time of a key, the level change in both
// windows and the frame that shows both.
void BM_QtTypedLevelsAcrossTheCoreBothWindows(benchmark::State& state) {
    auto& p = Shown();
    quillory::FrmMain& f = p.q.frmMain();
    static bench::KeysAcrossTheCore keys(f.state.model.gDrawBottom);
    f.Text2.SetFocus();
    p.Settle();
    const bool taken = bench::TypeKeysAcrossTheCore(
        state, keys, f, [](const std::function<void()>& action) { action(); }, [&] { p.Settle(); });
    if (!taken) state.SkipWithError("the typed level was not taken");
    quillory::CoreWindow& duo = p.q.frm2Main();
    if (duo.Label1(8).Caption() != duo.Text2.Text()) state.SkipWithError("the Duo window did not follow");
}
BENCHMARK(BM_QtTypedLevelsAcrossTheCoreBothWindows)->Unit(benchmark::kMillisecond);

// A PSP typed into either window's box, ordinary or far outside every core
// (refused with its message, or taken where no bottom refuses it): its last
// key, both windows' roads and the frame that shows both.
void BM_QtTypedPSP(benchmark::State& state, bool inDuo, const char* level) {
    auto& p = Shown();
    quillory::CoreWindow& typed = inDuo ? static_cast<quillory::CoreWindow&>(p.q.frm2Main())
                                        : static_cast<quillory::CoreWindow&>(p.q.frmMain());
    const size_t messages = p.services.messages.size();
    bench::TypeInTurn(state, typed.Text1, {level}, [&] { p.Settle(); });
    state.counters["messages"] =
        static_cast<double>(p.services.messages.size() - messages) / static_cast<double>(state.iterations());
    bench::TypeLevel(p.q.frmMain().Text2, "300");
    p.Settle();
}
BENCHMARK_CAPTURE(BM_QtTypedPSP, main_300, false, "300")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_QtTypedPSP, main_1e10, false, "1e10")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_QtTypedPSP, main_minus_1e10, false, "-1e10")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_QtTypedPSP, main_1e308, false, "1e308")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_QtTypedPSP, duo_300, true, "300")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_QtTypedPSP, duo_2147483647, true, "2147483647")->Unit(benchmark::kMillisecond);

}  // namespace
