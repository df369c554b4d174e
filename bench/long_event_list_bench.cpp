// A list of 1,000,000 event layers read through each main window's "List of
// event layers" button, as a user reads it: the reading, the combination of
// the layers, the event-free depths of the model and the redraw. Each run
// reads into a program that has read nothing of the list before. Beside it,
// a list of one line, the item "7," over and over, which no model can place.
#include <benchmark/benchmark.h>

#include <memory>
#include <stdexcept>
#include <string>

#include "bench/bench_files.h"
#include "bench/memory_use.h"
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

// The one-line list of state.range(0) bytes: 5 items a record, so a size of
// 10 bytes a record reads whole (its records less the header are layers, none
// placed) and 2 bytes more leave a record cut short ("File format error.").
template <class Ready, class Button>
void ReadOneLineList(benchmark::State& state, Ready ready, Button button, const model::DepthModel& (*model)(Program&)) {
    const long bytes = state.range(0);
    const std::string& path = bench::OneLineEventListPath(bytes);
    const bool refused = bytes % 10 != 0;
    for (auto _ : state) {
        state.PauseTiming();
        std::unique_ptr<Program> p = ready();
        const bench::MemoryUse use;
        state.ResumeTiming();
        p->Import(button(*p), path);
        state.PauseTiming();
        use.Report(state);
        const std::vector<forms::RecordedMessage>& messages = p->services.messages;
        const long layers = model(*p).gEventCount;
        if (refused ? messages.size() != 1 || messages[0].request.text != "File format error." || layers != -9999
                    : !messages.empty() || layers != bytes / 10 - 1)
            state.SkipWithError("not the outcome the file has");
        state.counters["layers"] = static_cast<double>(layers);
        p.reset();
        state.ResumeTiming();
    }
    state.counters["MB"] = static_cast<double>(bytes) / 1e6;
    state.counters["MB/s"] = benchmark::Counter(static_cast<double>(bytes) / 1e6,
                                                benchmark::Counter::kIsIterationInvariantRate);
}

void BM_MainWindowReadsAOneLineList(benchmark::State& state) {
    ReadOneLineList(
        state, MainReady, [](Program& p) -> forms::CommandButton& { return p.q.frmMain().Command3; },
        [](Program& p) -> const model::DepthModel& { return p.q.main.model; });
}

void BM_DuoWindowReadsAOneLineList(benchmark::State& state) {
    ReadOneLineList(
        state, DuoReady, [](Program& p) -> forms::CommandButton& { return p.q.frm2Main().Command3; },
        [](Program& p) -> const model::DepthModel& { return p.q.duo.model; });
}

BENCHMARK(BM_MainWindowReadsAMillionEventLayers)->Unit(benchmark::kSecond)->Iterations(3)->UseRealTime();
BENCHMARK(BM_DuoWindowReadsAMillionEventLayers)->Unit(benchmark::kSecond)->Iterations(3)->UseRealTime();
// 12.5, 25 and 50 MB read whole, and 50 MB with a record cut short at its end.
BENCHMARK(BM_MainWindowReadsAOneLineList)
    ->Arg(12500000)->Arg(25000000)->Arg(50000000)->Arg(50000002)
    ->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();
BENCHMARK(BM_DuoWindowReadsAOneLineList)
    ->Arg(12500000)->Arg(25000000)->Arg(50000000)->Arg(50000002)
    ->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();

}  // namespace
