// A whole-file conversion from each main window, in the same run, through the
// windows as a user runs it ("Convert from data file", then "Convert and
// Save" with every scale ticked): 1,000,000 samples by drilling position in
// the generated main cores, and as many in the generated Duo cores E to H,
// converted on their window's model, the Duo's file with the master core's
// column. The Duo's counters carry its time over the main window's.
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

double Convert(benchmark::State& state, quillory::CoreWindow& w, quillory::FrmConversion& (*window)(),
               const std::string& samples, const std::string& output) {
    bench::LoadedDuoWindows& p = Program();
    const size_t shown = p.services.messages.size();
    double seconds = 0;
    for (auto _ : state) {
        // A new file each time: the save dialog asks before replacing one.
        std::filesystem::remove(output);
        const auto start = std::chrono::steady_clock::now();
        p.services.fileAnswers.push_back(samples);
        w.Command2.UserClick();
        p.services.fileAnswers.push_back(output);
        window().Command1.UserClick();
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    if (p.services.messages.size() != shown) state.SkipWithError(p.services.messages.back().request.text.c_str());
    const double perRun = seconds / static_cast<double>(state.iterations());
    state.counters["records/s"] = kRecords / perRun;
    state.counters["MB written"] = static_cast<double>(std::filesystem::file_size(output)) / 1e6;
    return perRun;
}

void BM_MainWindowConversion(benchmark::State& state) {
    mainSeconds = Convert(state, Program().q.frmMain(), []() -> quillory::FrmConversion& { return Program().q.frmConversion(); },
                          bench::TrinitySamplesPath(), OutputPath("main_converted.csv"));
}
BENCHMARK(BM_MainWindowConversion)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);

void BM_DuoWindowConversion(benchmark::State& state) {
    const double duo = Convert(state, Program().q.frm2Main(),
                               []() -> quillory::FrmConversion& { return Program().q.frm2Conversion(); },
                               bench::DuoTrinitySamplesPath(), OutputPath("duo_converted.csv"));
    if (mainSeconds > 0) state.counters["x_main"] = duo / mainSeconds;
}
BENCHMARK(BM_DuoWindowConversion)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);

}  // namespace
