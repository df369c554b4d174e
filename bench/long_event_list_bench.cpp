// A list of 1,000,000 event layers read through each main window's "List of
// event layers" button, as a user reads it: the reading, the combination of
// the layers, the event-free depths of the model and the redraw. Each run
// reads into a program that has read nothing of the list before.
#include <benchmark/benchmark.h>

#include <memory>
#include <stdexcept>
#include <string>

#include "bench/bench_files.h"
#include "forms/application.h"
#include "forms/headless.h"
#include "main/quillory.h"

namespace {

constexpr double kLayers = 1000000;

struct Program {
    forms::HeadlessServices services;
    forms::Application app{services};
    quillory::Quillory q{app};

    Program() { q.frmMain().Show(); }
    void Import(forms::CommandButton& button, const std::string& path) {
        services.fileAnswers.push_back(path);
        button.UserClick();
    }
    void ExpectNoMessage() const {
        if (!services.messages.empty()) throw std::runtime_error("refused: " + services.messages[0].request.text);
    }
};

// The main window with its correlation model read.
std::unique_ptr<Program> MainReady() {
    auto p = std::make_unique<Program>();
    p->Import(p->q.frmMain().Command1, bench::Files().correlation);
    return p;
}

// Both windows with their correlation models read, the main window's event
// list too; the Duo window's question for its list answered No.
std::unique_ptr<Program> DuoReady() {
    auto p = MainReady();
    p->Import(p->q.frmMain().Command3, bench::Files().events);
    p->q.frmMain().mnuQYDuo->UserChoose();
    p->services.messageAnswers.push_back(forms::vbNo);
    p->Import(p->q.frm2Main().Command1, bench::Files().duoCorrelation);
    p->services.messages.clear();
    return p;
}

template <class Ready, class Button, class Loaded>
void ReadLongList(benchmark::State& state, Ready ready, Button button, const std::string& path, Loaded loaded) {
    for (auto _ : state) {
        state.PauseTiming();
        std::unique_ptr<Program> p = ready();
        state.ResumeTiming();
        p->Import(button(*p), path);
        state.PauseTiming();
        p->ExpectNoMessage();
        if (!loaded(*p)) state.SkipWithError("the list was not combined");
        p.reset();
        state.ResumeTiming();
    }
    state.counters["layers_per_s"] = benchmark::Counter(kLayers * static_cast<double>(state.iterations()),
                                                        benchmark::Counter::kIsRate);
}

void BM_MainWindowReadsAMillionEventLayers(benchmark::State& state) {
    ReadLongList(
        state, MainReady, [](Program& p) -> forms::CommandButton& { return p.q.frmMain().Command3; },
        bench::LongEventListPath(), [](Program& p) { return p.q.main.model.gMergedEventCount > 0; });
}

void BM_DuoWindowReadsAMillionEventLayers(benchmark::State& state) {
    ReadLongList(
        state, DuoReady, [](Program& p) -> forms::CommandButton& { return p.q.frm2Main().Command3; },
        bench::DuoLongEventListPath(), [](Program& p) { return p.q.duo.model.gMergedEventCount > 0; });
}

BENCHMARK(BM_MainWindowReadsAMillionEventLayers)->Unit(benchmark::kSecond)->Iterations(3)->UseRealTime();
BENCHMARK(BM_DuoWindowReadsAMillionEventLayers)->Unit(benchmark::kSecond)->Iterations(3)->UseRealTime();

}  // namespace
