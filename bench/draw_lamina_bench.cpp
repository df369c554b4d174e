// The full redraw of the main window's columns and a pointer move with its
// target line, on a generated 5,000-row model with 2,000 event layers and
// 200 age control points, headless.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "bench/generate_inputs.h"
#include "forms/application.h"
#include "forms/headless.h"
#include "main/quillory.h"

namespace {

struct LoadedProgram {
    forms::HeadlessServices services;
    forms::Application app{services};
    quillory::Quillory q{app};

    LoadedProgram() {
        const bench::CoreLayout layout = bench::MakeLayout(5000);
        quillory::FrmMain& f = q.frmMain();
        f.Show();
        Import(f.Command1, std::string("correlation_5000_") + bench::kVersionDigits + ".csv",
               bench::CorrelationModelFile(layout));
        Import(f.Command3, "event_layers_2000.csv", bench::EventListFile(layout));
        Import(f.Command4, "age_model_200.csv", bench::AgeModelFile(layout));
        f.Text2.SetFocus();
        f.Text2.UserSelectAll();
        for (char c : std::string("10000")) f.Text2.UserKeyChar(c);
    }
    void Import(forms::CommandButton& button, const std::string& name, const std::string& text) {
        const std::string path = "/tmp/quillory_bench_" + name;
        std::ofstream(path, std::ios::binary) << text;
        services.fileAnswers.push_back(path);
        button.UserClick();
        std::remove(path.c_str());
    }
};

LoadedProgram& Program() {
    static LoadedProgram program;
    return program;
}

void RedrawAt(benchmark::State& state, int16_t range) {
    quillory::FrmMain& f = Program().q.frmMain();
    f.SetRange(1, range);
    for (auto _ : state) f.DrawLamina();
    state.counters["primitives"] = static_cast<double>(f.BoreHole(0).Draw().KeptLayer()->primitives.size() +
                                                       f.BoreHole(1).Draw().KeptLayer()->primitives.size());
}

void BM_DrawLamina_Range5000(benchmark::State& state) { RedrawAt(state, 5000); }
void BM_DrawLamina_WholeCore(benchmark::State& state) { RedrawAt(state, 9999); }

void BM_MouseMoveWithTargetLine(benchmark::State& state) {
    quillory::FrmMain& f = Program().q.frmMain();
    f.SetRange(1, 5000);
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

BENCHMARK_MAIN();
