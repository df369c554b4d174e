// A whole-file conversion from each main window, in the same run, through the
// windows as a user runs it ("Convert from data file", then "Convert and
// Save" with every scale ticked): 1,000,000 samples by drilling position in
// the generated main cores, and as many in the generated Duo cores E to H,
// converted on their window's model, the Duo's file with the master core's
// column. The Duo's counters carry its time over the main window's; the last
// benchmark converts in both windows in turn, so that a change in the
// machine's load weighs on both alike.
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <string>

#include "bench/loaded_window.h"

namespace {

constexpr double kRecords = 1000000;
double mainSeconds = 0;

bench::LoadedDuoWindows& Program() {
    static bench::LoadedDuoWindows program;
    return program;
}

std::string OutputPath(const char* name) {
    return (std::filesystem::path(bench::Files().correlation).parent_path() / name).string();
}

struct Run {
    quillory::CoreWindow& window;
    quillory::FrmConversion& (*conversion)();
    const std::string& samples;
    std::string output;
};

Run MainRun() {
    return {Program().q.frmMain(), []() -> quillory::FrmConversion& { return Program().q.frmConversion(); },
            bench::TrinitySamplesPath(), OutputPath("main_converted.csv")};
}

Run DuoRun() {
    return {Program().q.frm2Main(), []() -> quillory::FrmConversion& { return Program().q.frm2Conversion(); },
            bench::DuoTrinitySamplesPath(), OutputPath("duo_converted.csv")};
}

// "Convert from data file", then "Convert and Save": its seconds.
double ConvertOnce(const Run& run) {
    bench::LoadedDuoWindows& p = Program();
    // A new file each time: the save dialog asks before replacing one.
    std::filesystem::remove(run.output);
    const auto start = std::chrono::steady_clock::now();
    p.services.fileAnswers.push_back(run.samples);
    run.window.Command2.UserClick();
    p.services.fileAnswers.push_back(run.output);
    run.conversion().Command1.UserClick();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double Convert(benchmark::State& state, const Run& run) {
    bench::LoadedDuoWindows& p = Program();
    const size_t shown = p.services.messages.size();
    double seconds = 0;
    for (auto _ : state) seconds += ConvertOnce(run);
    if (p.services.messages.size() != shown) state.SkipWithError(p.services.messages.back().request.text.c_str());
    const double perRun = seconds / static_cast<double>(state.iterations());
    const std::string& output = run.output;
    state.counters["records/s"] = kRecords / perRun;
    state.counters["MB written"] = static_cast<double>(std::filesystem::file_size(output)) / 1e6;
    return perRun;
}

void BM_MainWindowConversion(benchmark::State& state) { mainSeconds = Convert(state, MainRun()); }
BENCHMARK(BM_MainWindowConversion)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);

void BM_DuoWindowConversion(benchmark::State& state) {
    const double duo = Convert(state, DuoRun());
    if (mainSeconds > 0) state.counters["x_main"] = duo / mainSeconds;
}
BENCHMARK(BM_DuoWindowConversion)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);

void BM_BothWindowsInTurn(benchmark::State& state) {
    const Run main = MainRun(), duo = DuoRun();
    double mainS = 0, duoS = 0;
    for (auto _ : state) {
        mainS += ConvertOnce(main);
        duoS += ConvertOnce(duo);
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["main_ms"] = mainS * 1000 / n;
    state.counters["duo_ms"] = duoS * 1000 / n;
    state.counters["x_main"] = duoS / mainS;
}
BENCHMARK(BM_BothWindowsInTurn)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(8);

}  // namespace
