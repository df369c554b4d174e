// The benchmarks of the windows run in a process set up as the program's own is.
#include <benchmark/benchmark.h>

#include "qt/process_setup.h"

int main(int argc, char** argv) {
    qtback::SetUpProcess();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
