// Conversions of one million random composite depths to event-free depth and
// on to age, on the generated model with 2,000 event layers and 200 age points.
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "bench/bench_models.h"
#include "model/age_conversion.h"
#include "model/depth_conversion.h"
#include "values/values.h"

namespace {

// parts: 2 without varve counts, 3 with them (levels inside their interval
// are then dated by counting varves).
void CompositeToEventFreeToAge(benchmark::State& state, int parts) {
    model::DepthModel m = bench::LoadedModel(parts);
    const std::vector<float> levels = bench::RandomLevels(m.gDrawBottom, 7);
    for (auto _ : state) {
        double sum = 0;
        for (float cd : levels) {
            const double efd = model::CDToEFD(m, cd);
            sum += efd + model::EFDToAge(m, values::CSng(efd));
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(levels.size()));
}

void BM_CompositeToEventFreeToAge(benchmark::State& state) { CompositeToEventFreeToAge(state, 2); }
void BM_CompositeToEventFreeToAgeWithVarves(benchmark::State& state) { CompositeToEventFreeToAge(state, 3); }

BENCHMARK(BM_CompositeToEventFreeToAge)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CompositeToEventFreeToAgeWithVarves)->Unit(benchmark::kMillisecond);

}  // namespace
