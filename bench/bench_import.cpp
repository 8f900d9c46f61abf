// Import speed over synthetic reports of 1, 10 and 50 MB, with the memory the import needs.
// Peak memory is the process's high-water mark, so run one size per process to read it:
//   build/bench/bench_import --benchmark_filter=Import/50
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <sys/resource.h>

#include "bench/synthetic_report.h"
#include "import/item_type_question.h"
#include "import/parse_status_log.h"
#include "import/turn_import.h"
#include "model/database.h"

namespace {

using namespace hexwarden;

constexpr double kMegabyte = 1024.0 * 1024.0;

double PeakResidentMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) * 1024.0 / kMegabyte;
}

double HeapInUseMegabytes() {
    return static_cast<double>(mallinfo2().uordblks) / kMegabyte;
}

void BM_Import(benchmark::State& state) {
    const std::size_t megabytes = static_cast<std::size_t>(state.range(0));
    const std::string report = bench::MakeSyntheticReport(megabytes * 1024 * 1024);
    TSilentStatusLog log;
    TFixedItemTypeAnswer question(ItemTypeAnswer::Item);
    double database_megabytes = 0;
    int32_t hexes = 0;
    int32_t units = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto database = std::make_unique<TVelMain>();
        database->Clear();
        std::string copy = report;
        const double heap_before = HeapInUseMegabytes() - static_cast<double>(copy.size()) / kMegabyte;
        state.ResumeTiming();

        ImportTurnReportText(*database, std::move(copy), OrdersMode::ImportTemplate, log, question);

        state.PauseTiming();
        database_megabytes = HeapInUseMegabytes() - heap_before;
        hexes = database->OverworldHexes.HexCount();
        units = database->Units.Count();
        database.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * report.size()));
    state.counters["report_MB"] = static_cast<double>(report.size()) / kMegabyte;
    state.counters["database_MB"] = database_megabytes;
    state.counters["hexes"] = hexes;
    state.counters["units"] = units;
    state.counters["peak_rss_MB"] = PeakResidentMegabytes();
}

BENCHMARK(BM_Import)->Name("Import")->Arg(1)->Arg(10)->Arg(50)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace
