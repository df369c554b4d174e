// Conversions of one million random composite depths to event-free depth and
// on to age, on the generated model with 2,000 event layers and 200 age points.
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "bench/bench_models.h"
#include "forms/values.h"
#include "model/age_conversion.h"
#include "model/depth_conversion.h"

namespace {

constexpr int kLevels = 1000000;

std::vector<float> RandomLevels(float bottom) {
    std::mt19937 random(7);
    std::uniform_real_distribution<float> level(0, bottom);
    std::vector<float> levels(kLevels);
    for (float& l : levels) l = level(random);
    return levels;
}

// parts: 2 without varve counts, 3 with them (levels inside their interval
// are then dated by counting varves).
void CompositeToEventFreeToAge(benchmark::State& state, int parts) {
    model::DepthModel m = bench::LoadedModel(parts);
    const std::vector<float> levels = RandomLevels(m.gDrawBottom);
    for (auto _ : state) {
        double sum = 0;
        for (float cd : levels) {
            const double efd = model::CDToEFD(m, cd);
            sum += efd + model::EFDToAge(m, forms::CSng(efd));
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * kLevels);
}

void BM_CompositeToEventFreeToAge(benchmark::State& state) { CompositeToEventFreeToAge(state, 2); }
void BM_CompositeToEventFreeToAgeWithVarves(benchmark::State& state) { CompositeToEventFreeToAge(state, 3); }

BENCHMARK(BM_CompositeToEventFreeToAge)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CompositeToEventFreeToAgeWithVarves)->Unit(benchmark::kMillisecond);

}  // namespace
