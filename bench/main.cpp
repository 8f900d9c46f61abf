// The benchmarks run with the allocator set up as the programs set it up.
#include <benchmark/benchmark.h>

#include "platform/allocator_tuning.h"

int main(int argc, char** argv) {
    hexwarden::TuneAllocator();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
