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
#include <QPaintEvent>
#include <chrono>
#include <deque>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench/bench_files.h"
#include "bench/loaded_window.h"
#include "bench/offscreen_qt.h"
#include "forms/application.h"
#include "forms/headless.h"
#include "main/quillory.h"
#include "qt/form_window.h"
#include "qt/qt_services.h"
#include "qt/snapshot_renderer.h"

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

// Counts the pixels that paint events ask widgets to paint.
struct PaintedPixels : QObject {
    long long pixels = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            for (const QRect& r : static_cast<QPaintEvent*>(event)->region()) pixels += r.width() * r.height();
        return false;
    }
    long long Pixels() {
        long long n = pixels;
        pixels = 0;
        return n;
    }
} painted;

// The frame: what the windows marked as changed is painted, into their
// offscreen backing stores.
void Paint() { QCoreApplication::processEvents(); }

PanelsWindow<AnsweredQtServices>& Shown() {
    bench::OffscreenQt();
    static auto& window = *new PanelsWindow<AnsweredQtServices>;
    static bool counting = [] {
        QCoreApplication::instance()->installEventFilter(&painted);
        return true;
    }();
    (void)counting;
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

// What the Qt renderer draws at a level change, on one thread: every shown
// picture box of the window (columns and panels) rendered anew, its
// renderer kept, the level typed in turn (the drawings of two levels taken
// beforehand).
void BM_QtRenderEveryPictureBox(benchmark::State& state) {
    auto& w = Shown();
    std::vector<forms::Snapshot> levels[2];
    size_t primitives = 0;
    for (auto& snapshots : levels) {
        w.TypeLevel();
        for (const auto& control : w.q.frmMain().Controls())
            if (auto* box = dynamic_cast<forms::PictureBox*>(control.get()); box && box->EffectivelyVisible()) {
                snapshots.push_back(box->Draw().TakeSnapshot());
                const forms::Snapshot& s = snapshots.back();
                primitives += s.current.primitives.size() + (s.kept ? s.kept->primitives.size() : 0);
            }
    }
    std::vector<qtback::SnapshotRenderer> renderers(levels[0].size());
    int level = 0;
    for (auto _ : state) {
        level ^= 1;
        for (size_t k = 0; k < renderers.size(); ++k) renderers[k].Render(levels[level][k]);
    }
    state.counters["boxes"] = static_cast<double>(renderers.size());
    state.counters["primitives"] = static_cast<double>(primitives / 2);
}
BENCHMARK(BM_QtRenderEveryPictureBox)->Unit(benchmark::kMillisecond);

// A typed level and the frame that shows it: the windows brought up to date
// and painted where they changed (`whole`: the whole window painted, as when
// it is uncovered).
void LevelChangeAndPaint(benchmark::State& state, bool whole) {
    auto& w = Shown();
    qtback::FormWindow& window = w.services.WindowOf(w.q.frmMain());
    QImage target(window.size(), QImage::Format_ARGB32_Premultiplied);
    long long pixels = 0;
    double eventS = 0, paintS = 0;
    for (auto _ : state) {
        state.PauseTiming();
        w.services.UserEvent([&] { w.TypeAllButTheLastKey(); });
        Paint();
        painted.Pixels();
        state.ResumeTiming();
        const auto t0 = std::chrono::steady_clock::now();
        w.services.UserEvent([&] { w.TypeLastKey(); });
        const auto t1 = std::chrono::steady_clock::now();
        if (whole) window.render(&target);
        else Paint();
        const auto t2 = std::chrono::steady_clock::now();
        eventS += std::chrono::duration<double>(t1 - t0).count();
        paintS += std::chrono::duration<double>(t2 - t1).count();
        pixels += painted.Pixels();
    }
    if (!w.Taken()) state.SkipWithError("the typed level was not taken");
    // The event: the level change and every changed surface drawn; the paint: the window's.
    state.counters["event_ms"] = eventS * 1000 / state.iterations();
    state.counters["paint_ms"] = paintS * 1000 / state.iterations();
    state.counters["painted_px"] = static_cast<double>(pixels) / state.iterations();
}
void BM_QtLevelChangeAndPaint(benchmark::State& state) { LevelChangeAndPaint(state, false); }
void BM_QtLevelChangeAndPaintWholeWindow(benchmark::State& state) { LevelChangeAndPaint(state, true); }
BENCHMARK(BM_QtLevelChangeAndPaint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QtLevelChangeAndPaintWholeWindow)->Unit(benchmark::kMillisecond);

// Levels typed across the whole core as a user types them, key by key, none
// shown twice in the run: the time of a key, its level change and the frame
// that shows it.
void BM_QtTypedLevelsAcrossTheCore(benchmark::State& state) {
    auto& w = Shown();
    quillory::FrmMain& f = w.q.frmMain();
    static bench::KeysAcrossTheCore keys(f.state.model.gDrawBottom);
    f.Text2.SetFocus();
    Paint();
    const bool taken = bench::TypeKeysAcrossTheCore(
        state, keys, f, [&](const std::function<void()>& action) { w.services.UserEvent(action); }, [] { Paint(); });
    if (!taken) state.SkipWithError("the typed level was not taken");
}
BENCHMARK(BM_QtTypedLevelsAcrossTheCore)->Unit(benchmark::kMillisecond);

// The same pointer move on Qt, the windows brought up to date and painted
// where they changed: each column and panel under the new line.
void BM_QtPointerMoveOverPanel(benchmark::State& state) {
    auto& w = Shown();
    quillory::FrmMain& f = w.q.frmMain();
    const forms::Surface& panel = f.Picture1(2).Draw();
    const double x = panel.ScaleLeft() + panel.ScaleWidth() / 2;
    double y = panel.ScaleTop();
    Paint();
    painted.Pixels();
    for (auto _ : state) {
        w.services.UserEvent([&] { f.Picture1(2).UserMouseMove(0, 0, x, y); });
        Paint();
        y = y < panel.ScaleTop() + panel.ScaleHeight() ? y + 1.7 : panel.ScaleTop();
    }
    state.counters["painted_px"] = static_cast<double>(painted.Pixels()) / state.iterations();
}
BENCHMARK(BM_QtPointerMoveOverPanel)->Unit(benchmark::kMillisecond);

}  // namespace
