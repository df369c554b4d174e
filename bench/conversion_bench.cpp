// A whole-file conversion: 1,000,000 samples by drilling position read,
// converted to composite depth, event-free depth and age with its errors and
// unit, and written, on the generated model (5,000 tie rows, 2,000 event
// layers, 200 age points). Against it, in the same run, a pandas and numpy
// script doing the same job (bench/conversion_pandas.py); the conversion's
// counters carry the ratio. Reading and converting alone, and writing alone,
// are measured too, with the heap the loaded tables hold per record, and the
// whole job through the main window.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include <malloc.h>

#include "bench/bench_files.h"
#include "bench/bench_models.h"
#include "bench/loaded_window.h"
#include "bench/memory_use.h"
#include "model/conversion_input.h"
#include "model/conversion_output.h"

namespace {

constexpr double kRecords = 1000000;
double pandasSeconds = 0;  // one run of the script's job, measured first

std::string OutputPath(const char* name) {
    return (std::filesystem::path(bench::Files().correlation).parent_path() / name).string();
}

// The script prints the seconds its job took, the interpreter's start and the
// loading of the models left out, as they are here.
void BM_PandasConversion(benchmark::State& state) {
    const std::string command = "/usr/bin/python3 " + std::string(QUILLORY_SOURCE_DIR) + "/bench/conversion_pandas.py " +
                                bench::Files().correlation + " " + bench::Files().events + " " + bench::Files().ages +
                                " " + bench::TrinitySamplesPath() + " " + OutputPath("pandas.csv");
    double total = 0;
    for (auto _ : state) {
        FILE* script = popen(command.c_str(), "r");
        double seconds = 0;
        const bool ran = script && std::fscanf(script, "%lf", &seconds) == 1;
        if (script) pclose(script);
        if (!ran) {
            state.SkipWithError("bench/conversion_pandas.py did not run (python3-pandas missing?)");
            return;
        }
        state.SetIterationTime(seconds);
        total += seconds;
    }
    pandasSeconds = total / static_cast<double>(state.iterations());
    state.counters["records/s"] = kRecords / pandasSeconds;
}
BENCHMARK(BM_PandasConversion)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);

// The whole job through the main window, as a user runs it: "Convert from
// data file", then "Convert and Save" with every scale ticked, the window
// loaded with the three model files through its buttons. It runs first, so
// that its first conversion is the process's first (`first_minor_faults`,
// and `first_peak_MB`: the process's peak with the models loaded and one
// conversion done; `first_start_MB` before it); later ones hold the tables
// of the one before while they read.
void BM_ReadConvertAndWriteThroughTheWindow(benchmark::State& state) {
    static bench::LoadedWindow program;
    static double firstFaults = -1, firstPeakMB = 0, firstStartMB = 0;
    const std::string output = OutputPath("window.csv");
    const std::string& input = bench::TrinitySamplesPath();  // written before the count starts
    malloc_trim(0);  // the heap the writing of the inputs left free goes back
    const bench::MemoryUse use;
    double seconds = 0;
    for (auto _ : state) {
        // A new file each time: the save dialog asks before replacing one.
        std::filesystem::remove(output);
        if (firstFaults < 0) firstStartMB = bench::StatusMB("VmRSS");
        const long faults = bench::MinorFaults();
        const auto start = std::chrono::steady_clock::now();
        program.services.fileAnswers.push_back(input);
        program.q.frmMain().Command2.UserClick();
        program.services.fileAnswers.push_back(output);
        program.q.frmConversion().Command1.UserClick();
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (firstFaults < 0) {
            firstFaults = static_cast<double>(bench::MinorFaults() - faults);
            firstPeakMB = bench::StatusMB("VmHWM");
        }
    }
    use.Report(state);
    state.counters["first_minor_faults"] = firstFaults;
    state.counters["first_peak_MB"] = firstPeakMB;
    state.counters["first_start_MB"] = firstStartMB;
    if (!program.services.messages.empty()) state.SkipWithError(program.services.messages.back().request.text.c_str());
    const double perRun = seconds / static_cast<double>(state.iterations());
    state.counters["records/s"] = kRecords / perRun;
    state.counters["MB written"] = static_cast<double>(std::filesystem::file_size(output)) / 1e6;
    if (pandasSeconds > 0) state.counters["x_pandas"] = pandasSeconds / perRun;
}
BENCHMARK(BM_ReadConvertAndWriteThroughTheWindow)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);

size_t HeapInUse() {
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

model::ConversionTables Read(const model::DepthModel& m) {
    model::ConversionTables t;
    model::ItemReader file = model::ItemReader::Open(bench::TrinitySamplesPath());
    model::ReadConversionFile(file, t, model::MainWindowSide(m, nullptr));
    return t;
}

void BM_ReadConvertAndWrite(benchmark::State& state) {
    model::DepthModel m = bench::LoadedModel(2);
    const std::string output = OutputPath("quillory.csv");
    const bench::MemoryUse use;
    double seconds = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const model::ConversionTables t = Read(m);
        model::SaveConvertedFile(t, model::kScaleTrinity, 15, m, output, model::TitlesOf(m, "95.4 %", "95.4 %"));
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    use.Report(state);
    const double perRun = seconds / static_cast<double>(state.iterations());
    state.counters["records/s"] = kRecords / perRun;
    state.counters["MB/s written"] = static_cast<double>(std::filesystem::file_size(output)) / 1e6 / perRun;
    if (pandasSeconds > 0) state.counters["x_pandas"] = pandasSeconds / perRun;
}
BENCHMARK(BM_ReadConvertAndWrite)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);

void BM_ReadAndConvert(benchmark::State& state) {
    const model::DepthModel m = bench::LoadedModel(2);
    size_t bytes = 0;
    const bench::MemoryUse use;
    for (auto _ : state) {
        const size_t before = HeapInUse();
        const model::ConversionTables t = Read(m);
        bytes = HeapInUse() - before;
        benchmark::DoNotOptimize(t.gConvTrinity.composite.data());
    }
    state.counters["records/s"] = benchmark::Counter(kRecords, benchmark::Counter::kIsIterationInvariantRate);
    state.counters["heap bytes/record"] = static_cast<double>(bytes) / kRecords;
    use.Report(state);
}
BENCHMARK(BM_ReadAndConvert)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);

void BM_Write(benchmark::State& state) {
    model::DepthModel m = bench::LoadedModel(2);
    const model::ConversionTables t = Read(m);
    const std::string output = OutputPath("quillory.csv");
    const bench::MemoryUse use;
    for (auto _ : state) model::SaveConvertedFile(t, model::kScaleTrinity, 15, m, output, model::TitlesOf(m, "95.4 %", "95.4 %"));
    use.Report(state);
    state.counters["records/s"] = benchmark::Counter(kRecords, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_Write)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);

}  // namespace
