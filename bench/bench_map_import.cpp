// Map-data import into a large database as the desktop program runs it: the file is read whole
// into converted values first (what makes the import all or nothing), then merged.
//   build/bench/bench_map_import
#include <benchmark/benchmark.h>
#include <malloc.h>

#include "bench/synthetic_level.h"
#include "interchange/map_export.h"
#include "interchange/map_import.h"
#include "model/database.h"

namespace {

using namespace hexwarden;

constexpr int32_t kSide = 256;
constexpr double kMegabyte = 1024.0 * 1024.0;

double HeapInUseMegabytes() {
    return static_cast<double>(mallinfo2().uordblks) / kMegabyte;
}

// The whole synthetic level one turn newer, with a market, products and peasants in every hex, as
// another player's export would bring it.
const std::string& NewerLevelFile() {
    static const std::string file = [] {
        TVelMain source;
        bench::MakeSyntheticLevel(source, kSide);
        for (TVelHex* hex : source.OverworldHexes.HexesByRow()) {
            hex->Turn = 2;
            hex->Peasants.AddNew("VIKI", 0, 1000 + hex->X);
            hex->ForSale.AddNew("SWOR", 120, 5);
            hex->ForSale.AddNew("IRON", 30, -1);
            hex->Wanted.AddNew("GRAI", 18, 40);
            hex->Products.AddNew("WOOD", 0, 10 + hex->Y);
        }
        MapExportOptions options;
        options.EndX = source.OverworldHexes.MaxX();
        options.EndY = source.OverworldHexes.MaxY();
        options.ExportGates = true;
        return ExportMapData(source, options);
    }();
    return file;
}

void BM_ReadMapData(benchmark::State& state) {
    const std::string& file = NewerLevelFile();
    double staged_megabytes = 0;
    size_t hexes = 0;
    for (auto _ : state) {
        const double heap_before = HeapInUseMegabytes();
        MapData data = ReadMapData(file);
        state.PauseTiming();
        staged_megabytes = HeapInUseMegabytes() - heap_before;
        hexes = data.Hexes.size();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * file.size()));
    state.counters["file_MB"] = static_cast<double>(file.size()) / kMegabyte;
    state.counters["staged_MB"] = staged_megabytes;
    state.counters["hexes"] = static_cast<double>(hexes);
}

void BM_ImportMapDataIntoLargeDatabase(benchmark::State& state) {
    const std::string& file = NewerLevelFile();
    MapImportCounts counts;
    for (auto _ : state) {
        state.PauseTiming();
        auto database = std::make_unique<TVelMain>();
        database->Clear();
        bench::MakeSyntheticLevel(*database, kSide);
        state.ResumeTiming();

        counts = MergeMapData(*database, ReadMapData(file));

        state.PauseTiming();
        database.reset();
        state.ResumeTiming();
    }
    state.counters["replaced"] = counts.Replaced;
}

BENCHMARK(BM_ReadMapData)->Name("ReadMapData/256")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportMapDataIntoLargeDatabase)->Name("ImportMapData/256")->Unit(benchmark::kMillisecond);

}  // namespace
