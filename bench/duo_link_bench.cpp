// The master-core link over the generated 5,000-row Duo model tied to the
// 5,000-row main model: one million random levels converted each way, on the
// composite-depth route and, with both 2,000-layer event lists loaded, on the
// event-free route; and the Duo correlation import itself.
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "bench/bench_models.h"

namespace {

template <class Convert>
void ConvertLevels(benchmark::State& state, bool events, float bottom(const bench::LoadedDuo&), Convert convert) {
    const bench::LoadedDuo d(events);
    const std::vector<float> levels = bench::RandomLevels(bottom(d), 9);
    for (auto _ : state) {
        double sum = 0;
        for (float x : levels) sum += convert(d.link, x);
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(levels.size()));
    state.counters["tie_pairs"] = static_cast<double>(d.master.gTiePairs.own.size());
}

float DuoBottom(const bench::LoadedDuo& d) { return d.duo.gDrawBottom; }
float MainBottom(const bench::LoadedDuo& d) { return d.main.gDrawBottom; }
float ToMain(const model::MasterCoreLink& link, float x) { return link.DuoToMainCD(x); }
float ToDuo(const model::MasterCoreLink& link, float x) { return link.MainToDuoCD(x); }

void BM_DuoToMainCD(benchmark::State& state) { ConvertLevels(state, false, DuoBottom, ToMain); }
void BM_MainToDuoCD(benchmark::State& state) { ConvertLevels(state, false, MainBottom, ToDuo); }
void BM_DuoToMainCDByEventFreeDepth(benchmark::State& state) { ConvertLevels(state, true, DuoBottom, ToMain); }
void BM_MainToDuoCDByEventFreeDepth(benchmark::State& state) { ConvertLevels(state, true, MainBottom, ToDuo); }

// The import on a fresh Duo model each time; its making is not timed.
void BM_ImportDuoCorrelationModel5000Rows(benchmark::State& state) {
    bench::LoadedDuo d(false);
    for (auto _ : state) {
        state.PauseTiming();
        d.duo = model::DepthModel{};
        d.master = model::DuoMasterCore{};
        state.ResumeTiming();
        d.LoadDuoCorrelation();
        benchmark::DoNotOptimize(d.duo.gRowCount);
    }
}

BENCHMARK(BM_DuoToMainCD)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MainToDuoCD)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DuoToMainCDByEventFreeDepth)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MainToDuoCDByEventFreeDepth)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportDuoCorrelationModel5000Rows)->Unit(benchmark::kMillisecond);

}  // namespace
