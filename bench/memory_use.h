#pragma once
// What a benchmark's work costs in memory beside its time: the minor page
// faults of the process (each first touch of a fresh page, about 10 us on a
// virtual machine) and its peak resident size. The peak is set back to the
// resident size when the count starts (Linux's clear_refs), so it is the peak
// of the work measured, with what the process held before it.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <fstream>
#include <string>

#include <sys/resource.h>

namespace bench {

inline long MinorFaults() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_minflt;
}

// A line of /proc/self/status in MB ("VmHWM", "VmRSS"); 0 where there is none.
inline double StatusMB(const std::string& key) {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.starts_with(key + ":")) return std::stod(line.substr(key.size() + 1)) / 1024;
    return 0;
}

// Counts from its making to Report: faults per iteration, the peak, and the
// resident size at the start.
class MemoryUse {
public:
    MemoryUse() {
        std::ofstream("/proc/self/clear_refs") << "5";
        startMB_ = StatusMB("VmRSS");
        faults_ = MinorFaults();
    }

    void Report(benchmark::State& state) const {
        const double iterations = static_cast<double>(std::max<benchmark::IterationCount>(1, state.iterations()));
        state.counters["minor_faults"] = static_cast<double>(MinorFaults() - faults_) / iterations;
        state.counters["peak_MB"] = StatusMB("VmHWM");
        state.counters["start_MB"] = startMB_;
    }

private:
    long faults_;
    double startMB_;
};

}  // namespace bench
