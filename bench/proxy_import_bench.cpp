// The proxy import of a 65,535-sample x 135-column holy-trinity file (about
// 60 MB) into the generated 5,000-row model with its event list, file reading
// included, against pandas.read_csv of the same file in the same run
// (bench/pandas_baseline.py, with the python3 of QUILLORY_PYTHON, default
// /usr/bin/python3). Also: the same read by one thread, the memory a loaded
// panel keeps, and the 208-sample running mean over it, whole and for one
// 500 cm view.
#include <benchmark/benchmark.h>

#include <malloc.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "bench/bench_models.h"
#include "bench/memory_use.h"
#include "model/proxy_import.h"
#include "model/running_mean.h"

namespace {

double pandasSeconds = 0;  // one read by pandas, measured first

double FileMB() { return static_cast<double>(std::filesystem::file_size(bench::ProxyPath())) / 1e6; }

const model::DepthModel& Model() {
    static const model::DepthModel m = bench::LoadedModel(1);
    return m;
}

model::ProxyImport ImportOnce(model::DepthModel& m) {
    model::ItemReader file = model::ItemReader::Open(bench::ProxyPath());
    return model::ImportMainProxy(m, file, "proxy");
}

size_t HeapInUse() {
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

void BM_PandasReadCsv(benchmark::State& state) {
    const char* python = std::getenv("QUILLORY_PYTHON");
    const std::string command = std::string(python ? python : "/usr/bin/python3") + " " + QUILLORY_BENCH_DIR +
                                "/pandas_baseline.py '" + bench::ProxyPath() + "' 3 2>/dev/null";
    for (auto _ : state) {
        FILE* out = popen(command.c_str(), "r");
        double seconds = 0;
        const bool read = out && std::fscanf(out, "seconds %lf", &seconds) == 1;
        if (out) pclose(out);
        if (!read) {
            state.SkipWithError("pandas is not installed for this python (apt-get install python3-pandas)");
            break;
        }
        pandasSeconds = seconds;
        state.SetIterationTime(seconds);
    }
    if (pandasSeconds > 0) state.counters["MB/s"] = FileMB() / pandasSeconds;
}
BENCHMARK(BM_PandasReadCsv)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1);

void BM_ImportProxy65535x135(benchmark::State& state) {
    model::DepthModel m = Model();
    const bench::MemoryUse use;
    double seconds = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        model::ProxyImport r = ImportOnce(m);
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        benchmark::DoNotOptimize(r.panel.gProxyRows);
        state.PauseTiming();
        r = model::ProxyImport();  // freeing the panel is not part of the import
        state.ResumeTiming();
    }
    use.Report(state);
    const double perImport = seconds / static_cast<double>(state.iterations());
    state.counters["MB/s"] = FileMB() / perImport;
    if (pandasSeconds > 0) state.counters["x_pandas"] = pandasSeconds / perImport;
}
BENCHMARK(BM_ImportProxy65535x135)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);

// The same file read by one thread only, for comparison (no derived planes).
void BM_ReadProxy65535x135OneThread(benchmark::State& state) {
    const model::MainProxySide side(Model());
    const bench::MemoryUse use;
    for (auto _ : state) {
        model::ItemReader file = model::ItemReader::Open(bench::ProxyPath());
        model::ProxyImport r = model::ReadProxyFile(file, "proxy", side, model::ProxyReading{1});
        benchmark::DoNotOptimize(r.panel.gProxyRows);
        state.PauseTiming();
        r = model::ProxyImport();
        state.ResumeTiming();
    }
    use.Report(state);
    state.counters["MB/s"] = benchmark::Counter(FileMB(), benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_ReadProxy65535x135OneThread)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);

// What a loaded panel keeps on the heap, against its values at 4 bytes each.
void BM_LoadedPanelMemory(benchmark::State& state) {
    model::DepthModel m = Model();
    for (auto _ : state) {
        const size_t before = HeapInUse();
        model::ProxyImport r = ImportOnce(m);
        const size_t after = HeapInUse();
        const double values = 4.0 * r.panel.gProxyRows * r.panel.gProxyCols;
        state.counters["panel_MB"] = static_cast<double>(after - before) / 1e6;
        state.counters["values_MB"] = values / 1e6;
        state.counters["x_values"] = static_cast<double>(after - before) / values;
    }
}
BENCHMARK(BM_LoadedPanelMemory)->Unit(benchmark::kMillisecond)->Iterations(1);

// The red curve of the 208-sample mean over column 1 on the composite scale.
void RunningMean208(benchmark::State& state, bool view) {
    model::DepthModel m = Model();
    const model::ProxyImport r = ImportOnce(m);
    const model::ProxyPanelData& p = r.panel;
    const std::span<const float> x = p.gProxyValue.Column(1), y = p.gProxyY.Column(1);
    const float top = 2000;
    size_t segments = 0;
    for (auto _ : state) {
        auto s = view ? model::RunningMean(208, x, y, p.gProxyRows, 0, model::MeanView{top, top + 500})
                      : model::RunningMean(208, x, y, p.gProxyRows, 0);
        segments = s.size();
        benchmark::DoNotOptimize(s.data());
    }
    state.counters["segments"] = static_cast<double>(segments);
}
void BM_RunningMean208Whole(benchmark::State& state) { RunningMean208(state, false); }
void BM_RunningMean208View500cm(benchmark::State& state) { RunningMean208(state, true); }
BENCHMARK(BM_RunningMean208Whole)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RunningMean208View500cm)->Unit(benchmark::kMillisecond);

// The same mean summed once for every pair, as a panel keeps it (what a new
// file, column, width or scale costs), and a 500 cm view drawn from it (what
// a level change costs).
void BM_RunningMean208KeptPairs(benchmark::State& state) {
    model::DepthModel m = Model();
    const model::ProxyImport r = ImportOnce(m);
    const model::ProxyPanelData& p = r.panel;
    for (auto _ : state) {
        model::RunningMeanPairs pairs(208, p.gProxyValue.Column(1), p.gProxyY.Column(1), p.gProxyRows);
        benchmark::DoNotOptimize(&pairs);
    }
}
BENCHMARK(BM_RunningMean208KeptPairs)->Unit(benchmark::kMillisecond);

void BM_RunningMean208View500cmFromKeptPairs(benchmark::State& state) {
    model::DepthModel m = Model();
    const model::ProxyImport r = ImportOnce(m);
    const model::ProxyPanelData& p = r.panel;
    const std::span<const float> y = p.gProxyY.Column(1);
    const model::RunningMeanPairs pairs(208, p.gProxyValue.Column(1), y, p.gProxyRows);
    size_t segments = 0;
    for (auto _ : state) {
        auto s = pairs.Segments(y, 0, model::MeanView{2000, 2500});
        segments = s.size();
        benchmark::DoNotOptimize(s.data());
    }
    state.counters["segments"] = static_cast<double>(segments);
}
BENCHMARK(BM_RunningMean208View500cmFromKeptPairs)->Unit(benchmark::kMillisecond);

}  // namespace
