// A photo window on the Qt back end (offscreen) showing a core photograph of
// 30,000 x 2,000 pixels: one paint of the whole window at 100 % and at 400 %,
// one step of a drag, and loading the photograph beside a bare QImageReader.
#include <benchmark/benchmark.h>

#include <QImageReader>
#include <memory>

#include "bench/offscreen_qt.h"
#include "bench/core_photo.h"
#include "forms/application.h"
#include "photo/photo_window.h"
#include "qt/form_window.h"
#include "qt/picture_loader.h"
#include "qt/qt_services.h"

namespace {

using quillory::PhotoWindow;

// Photo window 1 showing the long photograph at its design size.
struct ShownPhoto {
    qtback::QtServices services;
    forms::Application app{services};
    quillory::PhotoStates states;
    forms::FormSlot<PhotoWindow> window{app, "frmPhoto", [this] {
        return std::make_unique<PhotoWindow>(app, 1, states, quillory::PhotoWindowLinks{});
    }};

    ShownPhoto() {
        bench::OffscreenQt();
        services.Attach(app);
        services.UserEvent([this] {
            PhotoWindow& w = window();
            w.LoadPhoto(bench::LongCorePhotoPath());
            w.TakeOrientation();
            w.Show();
        });
    }
    qtback::FormWindow& Window() { return services.WindowOf(window()); }
    // Zooms about the middle of the picture, where it stays.
    void Zoom(int16_t factor) {
        services.UserEvent([&] {
            const forms::ImageControl& image = window().Image1;
            states[0].gPhotoZoomX = static_cast<int32_t>(image.Left() + image.Width() / 2);
            states[0].gPhotoZoomY = static_cast<int32_t>(image.Top() + image.Height() / 2);
            window().mnuZoom(factor).Click();
        });
    }
};

ShownPhoto& Shown() {
    static auto* shown = new ShownPhoto;
    return *shown;
}

void PaintAt(benchmark::State& state, int16_t factor) {
    ShownPhoto& s = Shown();
    s.Zoom(1);
    s.Zoom(factor);
    qtback::FormWindow& window = s.Window();
    if (!window.isVisible()) state.SkipWithError("window not shown");
    QImage target(window.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) window.render(&target);
    QWidget* image = window.WidgetOf(s.window().Image1);
    state.counters["frame_px"] = image->width() * image->height();
    state.counters["window_px"] = window.width() * window.height();
}

void BM_PaintPhotoWindow_100(benchmark::State& state) { PaintAt(state, 1); }
void BM_PaintPhotoWindow_400(benchmark::State& state) { PaintAt(state, 4); }
void BM_PaintPhotoWindow_1600(benchmark::State& state) { PaintAt(state, 16); }

// What a paint would cost that scaled the whole decoded picture to the
// frame at 400 % (2,148 x 143 pixels), as a stretched QLabel does at each
// new size: the cost the painting from halvings avoids.
void BM_ScaleWholePictureToFrame_400(benchmark::State& state) {
    ShownPhoto& s = Shown();
    auto* picture = dynamic_cast<const qtback::QtPicture*>(s.window().Image1.Picture.get());
    for (auto _ : state)
        benchmark::DoNotOptimize(picture->image.scaled(2148, 143, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

// The pointer moves 3 pixels while the left button holds the copy of the
// picture at 400 %: the handler, the copy's new place and the repaint.
void BM_DragStep(benchmark::State& state) {
    ShownPhoto& s = Shown();
    s.Zoom(1);
    s.Zoom(4);
    PhotoWindow& w = s.window();
    s.services.UserEvent([&] { w.Image1.UserMouseDown(forms::kLeftButton, 0, 1000, 500); });
    qtback::FormWindow& window = s.Window();
    QImage target(window.size(), QImage::Format_ARGB32_Premultiplied);
    double x = 1000;
    for (auto _ : state) {
        x = x > 4000 ? 1000 : x + 45;
        s.services.UserEvent([&] { w.Image1.UserMouseMove(forms::kLeftButton, 0, x, 500); });
        window.render(&target);
    }
    s.services.UserEvent([&] { w.Image1.UserMouseUp(forms::kLeftButton, 0, x, 500); });
}

void BM_LoadPhoto_QImageReader(benchmark::State& state) {
    bench::OffscreenQt();
    const QString path = QString::fromStdString(bench::LongCorePhotoPath());
    QImageReader::setAllocationLimit(1024);
    for (auto _ : state) {
        QImage image;
        QImageReader reader(path);
        if (!reader.read(&image)) state.SkipWithError("not read");
        benchmark::DoNotOptimize(image.bits());
    }
}

// The program's loader: the cut-short check, the decoding and the halvings.
void BM_LoadPhoto_Quillory(benchmark::State& state) {
    bench::OffscreenQt();
    for (auto _ : state) benchmark::DoNotOptimize(qtback::LoadPictureFile(bench::LongCorePhotoPath()));
}

BENCHMARK(BM_PaintPhotoWindow_100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintPhotoWindow_400)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintPhotoWindow_1600)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScaleWholePictureToFrame_400)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DragStep)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadPhoto_QImageReader)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadPhoto_Quillory)->Unit(benchmark::kMillisecond);

}  // namespace
