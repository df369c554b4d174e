// The time of each importer on the generated inputs, file reading included;
// each runs on a model loaded as far as the import needs.
#include <benchmark/benchmark.h>

#include "bench/bench_models.h"

namespace {

// Times `load` on copies of a model loaded with `parts` earlier parts; the
// copy, and the freeing of the one before, are not timed.
template <class Load>
void TimeImport(benchmark::State& state, int parts, Load load) {
    model::DepthModel base, m;
    if (parts >= 0) base = bench::LoadedModel(parts);
    for (auto _ : state) {
        state.PauseTiming();
        m = base;
        state.ResumeTiming();
        load(m);
        benchmark::DoNotOptimize(m.gRowCount);
    }
}

void BM_ImportCorrelationModel5000Rows(benchmark::State& state) { TimeImport(state, -1, bench::LoadCorrelation); }
void BM_ImportEventList2000Layers(benchmark::State& state) { TimeImport(state, 0, bench::LoadEvents); }
void BM_ImportAgeModel200Points(benchmark::State& state) { TimeImport(state, 1, bench::LoadAges); }
void BM_ImportVarveCounts1000(benchmark::State& state) { TimeImport(state, 2, bench::LoadVarves); }

BENCHMARK(BM_ImportCorrelationModel5000Rows)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportEventList2000Layers)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportAgeModel200Points)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportVarveCounts1000)->Unit(benchmark::kMillisecond);

}  // namespace
