// Throughput of the item reader on the 150 MB numeric file, every field split
// and converted, against a reference reader of std::getline and std::stod over
// the same file in the same run. The reader's counters carry the ratio.
#include <benchmark/benchmark.h>

#include <array>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>

#include "bench/bench_files.h"
#include "bench/memory_use.h"
#include "model/item_reader.h"

namespace {

constexpr int kFields = 59;
double referenceSeconds = 0;  // one pass of the reference reader, measured first

double FileBytes() { return static_cast<double>(std::filesystem::file_size(bench::NumericPath())); }

double ReferencePass() {
    std::ifstream in(bench::NumericPath(), std::ios::binary);
    std::string line, field;
    double sum = 0;
    while (std::getline(in, line)) {
        size_t start = 0;
        for (int f = 0; f < kFields; ++f) {
            const size_t comma = line.find(',', start);
            field.assign(line, start, comma == std::string::npos ? std::string::npos : comma - start);
            sum += std::stod(field);
            start = comma + 1;
        }
    }
    return sum;
}

void BM_ReferenceGetlineStod(benchmark::State& state) {
    const double bytes = FileBytes();
    const bench::MemoryUse use;
    double seconds = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(ReferencePass());
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    use.Report(state);
    referenceSeconds = seconds / static_cast<double>(state.iterations());
    state.counters["MB/s"] = bytes / 1e6 / referenceSeconds;
}
BENCHMARK(BM_ReferenceGetlineStod)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);

// One pass of the item reader; `read` takes one record.
template <class ReadRecord>
void ReaderPasses(benchmark::State& state, ReadRecord read) {
    const double bytes = FileBytes();
    const bench::MemoryUse use;
    double seconds = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        model::ItemReader file = model::ItemReader::Open(bench::NumericPath());
        double sum = 0;
        while (!file.AtEnd()) sum += read(file);
        benchmark::DoNotOptimize(sum);
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    use.Report(state);
    const double perPass = seconds / static_cast<double>(state.iterations());
    state.counters["MB/s"] = bytes / 1e6 / perPass;
    if (referenceSeconds > 0) state.counters["x_reference"] = referenceSeconds / perPass;
}

// A record's numbers one call each, as an importer of mixed records reads them.
void BM_ItemReader(benchmark::State& state) {
    ReaderPasses(state, [](model::ItemReader& file) {
        double sum = 0;
        for (int f = 0; f < kFields; ++f) sum += file.NumberVal();
        return sum;
    });
}
BENCHMARK(BM_ItemReader)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);

// A record's numbers in one call, as an importer of numeric records reads them.
void BM_ItemReaderRecords(benchmark::State& state) {
    ReaderPasses(state, [](model::ItemReader& file) {
        std::array<double, kFields> record;
        file.NumbersVal(record);
        double sum = 0;
        for (double v : record) sum += v;
        return sum;
    });
}
BENCHMARK(BM_ItemReaderRecords)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);

}  // namespace
