// The main window with five proxy panels loaded, each from the generated
// 65,535-sample x 135-column holy-trinity file, panel 0 with the 208-sample
// running mean, unfolded so that every panel shows; after the generated
// correlation model, event list and age model were imported through the
// window's buttons. Headless: a typed level (the full road: every read-out,
// the columns and the five panels redrawn), the redraw alone, and a pointer
// move over a panel (tool tip and the target line across every column and
// panel). On the Qt back end (offscreen): the paint of the whole window after
// a level change, every drawing rendered anew, and the same change and paint
// as one step.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <chrono>
#include <deque>
#include <optional>
#include <stdexcept>
#include <string>

#include "bench/bench_files.h"
#include "forms/application.h"
#include "forms/headless.h"
#include "main/quillory.h"
#include "qt/form_window.h"
#include "qt/qt_services.h"

namespace {

constexpr const char* kLevels[] = {"1234", "2345"};

// The Qt back end with the file dialog answered from a list, as a script does.
class AnsweredQtServices : public qtback::QtServices {
public:
    std::deque<std::optional<std::string>> fileAnswers;
    std::optional<std::string> FileDialog(const forms::FileRequest&) override {
        std::optional<std::string> answer = fileAnswers.front();
        fileAnswers.pop_front();
        return answer;
    }
};

void Attach(forms::HeadlessServices&, forms::Application&) {}
void Attach(qtback::QtServices& services, forms::Application& app) { services.Attach(app); }

template <class Services>
struct PanelsWindow {
    Services services;
    forms::Application app{services};
    quillory::Quillory q{app};
    int level = 0;

    PanelsWindow() {
        Attach(services, app);
        quillory::FrmMain& f = q.frmMain();
        f.Show();
        const bench::BenchFiles& files = bench::Files();
        Import(f.Command1, files.correlation);
        Import(f.Command3, files.events);
        Import(f.Command4, files.ages);
        for (int k = 0; k <= 4; ++k) Import(f.Command6(k), bench::ProxyPath());
        for (int k = 0; k <= 4; ++k)
            if (!f.state.gProxyLoaded[k]) throw std::runtime_error("a proxy panel was not loaded");
        f.panelMenu[0].flat208->Click();
        f.SetWidth(f.Picture1(4).Left() + f.Picture1(4).Width() + 360);
        f.Text2.SetFocus();
        TypeLevel();
    }
    // A level far from the one before; its last key is the change measured.
    void TypeAllButTheLastKey() {
        level ^= 1;
        quillory::FrmMain& f = q.frmMain();
        f.Text2.UserSelectAll();
        const std::string typed = kLevels[level];
        for (size_t k = 0; k + 1 < typed.size(); ++k) f.Text2.UserKeyChar(typed[k]);
    }
    void TypeLastKey() { q.frmMain().Text2.UserKeyChar(std::string(kLevels[level]).back()); }
    void TypeLevel() {
        TypeAllButTheLastKey();
        TypeLastKey();
    }
    bool Taken() { return q.frmMain().Label1(8).Caption() == kLevels[level]; }

private:
    void Import(forms::CommandButton& button, const std::string& path) {
        services.fileAnswers.push_back(path);
        button.UserClick();
    }
};

using HeadlessWindow = PanelsWindow<forms::HeadlessServices>;

HeadlessWindow& Headless() {
    static HeadlessWindow window;
    return window;
}

size_t PanelPrimitives(quillory::FrmMain& f) {
    size_t n = 0;
    for (int k = 0; k <= 4; ++k)
        if (const auto& kept = f.Picture1(k).Draw().KeptLayer()) n += kept->primitives.size();
    return n;
}

void BM_LevelChange_FivePanels(benchmark::State& state) {
    HeadlessWindow& w = Headless();
    for (auto _ : state) {
        state.PauseTiming();
        w.TypeAllButTheLastKey();
        state.ResumeTiming();
        w.TypeLastKey();
    }
    if (!w.Taken()) state.SkipWithError("the typed level was not taken");
    state.counters["panel_primitives"] = static_cast<double>(PanelPrimitives(w.q.frmMain()));
}
BENCHMARK(BM_LevelChange_FivePanels)->Unit(benchmark::kMillisecond);

void BM_DrawLamina_FivePanels(benchmark::State& state) {
    quillory::FrmMain& f = Headless().q.frmMain();
    for (auto _ : state) f.DrawLamina();
}
BENCHMARK(BM_DrawLamina_FivePanels)->Unit(benchmark::kMillisecond);

// Down panel 2 and back: the tool tip, the target line in every column and
// panel, the cross pointer.
void BM_PointerMoveOverPanel(benchmark::State& state) {
    quillory::FrmMain& f = Headless().q.frmMain();
    const double top = f.Picture1(2).Draw().ScaleTop(), height = f.Picture1(2).Draw().ScaleHeight();
    const double x = f.Picture1(2).Draw().ScaleLeft() + f.Picture1(2).Draw().ScaleWidth() / 2;
    double y = top;
    for (auto _ : state) {
        f.Picture1(2).UserMouseMove(0, 0, x, y);
        y = y < top + height ? y + 1.7 : top;
    }
    if (f.App().MousePointer() != forms::vbCrosshair) state.SkipWithError("the pointer did not reach the panel");
}
BENCHMARK(BM_PointerMoveOverPanel)->Unit(benchmark::kMicrosecond);

// ---- the Qt back end ----

QApplication& Qt() {
    static int argc = 1;
    static char name[] = "quillory-bench-proxy-panels";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication application(argc, argv);
    return application;
}

PanelsWindow<AnsweredQtServices>& Shown() {
    Qt();
    static PanelsWindow<AnsweredQtServices> window;
    window.services.Sync();
    return window;
}

void BM_QtPaintAfterLevelChange(benchmark::State& state) {
    auto& w = Shown();
    qtback::FormWindow& window = w.services.WindowOf(w.q.frmMain());
    QImage target(window.size(), QImage::Format_ARGB32_Premultiplied);
    double syncS = 0, renderS = 0;
    for (auto _ : state) {
        // The level changes in the model alone: no window has shown it yet.
        state.PauseTiming();
        w.TypeLevel();
        state.ResumeTiming();
        // Every surface rendered anew, the window painted.
        auto t0 = std::chrono::steady_clock::now();
        w.services.Sync();
        auto t1 = std::chrono::steady_clock::now();
        window.render(&target);
        auto t2 = std::chrono::steady_clock::now();
        syncS += std::chrono::duration<double>(t1 - t0).count();
        renderS += std::chrono::duration<double>(t2 - t1).count();
    }
    state.counters["sync_ms"] = syncS * 1000 / state.iterations();
    state.counters["render_ms"] = renderS * 1000 / state.iterations();
    if (!w.Taken()) state.SkipWithError("the typed level was not taken");
    state.counters["window_px"] = window.width() * window.height();
}
BENCHMARK(BM_QtPaintAfterLevelChange)->Unit(benchmark::kMillisecond);

void BM_QtLevelChangeAndPaint(benchmark::State& state) {
    auto& w = Shown();
    qtback::FormWindow& window = w.services.WindowOf(w.q.frmMain());
    QImage target(window.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        state.PauseTiming();
        w.services.UserEvent([&] { w.TypeAllButTheLastKey(); });
        state.ResumeTiming();
        w.services.UserEvent([&] { w.TypeLastKey(); });
        window.render(&target);
    }
    if (!w.Taken()) state.SkipWithError("the typed level was not taken");
}
BENCHMARK(BM_QtLevelChangeAndPaint)->Unit(benchmark::kMillisecond);

// The same pointer move on Qt, with every window brought up to date and
// painted: each column and panel shows its kept image under the new line.
void BM_QtPointerMoveOverPanel(benchmark::State& state) {
    auto& w = Shown();
    quillory::FrmMain& f = w.q.frmMain();
    qtback::FormWindow& window = w.services.WindowOf(f);
    QImage target(window.size(), QImage::Format_ARGB32_Premultiplied);
    const forms::Surface& panel = f.Picture1(2).Draw();
    const double x = panel.ScaleLeft() + panel.ScaleWidth() / 2;
    double y = panel.ScaleTop();
    for (auto _ : state) {
        w.services.UserEvent([&] { f.Picture1(2).UserMouseMove(0, 0, x, y); });
        window.render(&target);
        y = y < panel.ScaleTop() + panel.ScaleHeight() ? y + 1.7 : panel.ScaleTop();
    }
}
BENCHMARK(BM_QtPointerMoveOverPanel)->Unit(benchmark::kMillisecond);

}  // namespace
