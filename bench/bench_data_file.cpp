// Saving and opening a large database (100,000 hexes, 200,000 units), in MB/s of data file. The
// file benchmarks are what the user waits for (saving includes flushing the file to the disk);
// the stream ones show the layout work alone.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>

#include "bench/throwing_messages.h"
#include "model/database.h"
#include "model/level_codes.h"
#include "platform/file_stream.h"
#include "storage/data_file.h"

namespace hexwarden {
namespace {

constexpr int32_t kHexes = 100'000;
constexpr int32_t kUnitsPerHex = 2;
constexpr int32_t kColumns = 400;

void AddUnit(TVelMain& db, TVelHex& hex, int32_t number) {
    auto unit = std::make_unique<TVelUnit>(db);
    unit->Number = number;
    unit->Turn = 24;
    unit->Faction = number % 3 == 0 ? 7 : 12 + number % 50;
    unit->FactionConfirmed = true;
    unit->Name = "Patrol of the northern marches";
    unit->Description = "Well armed and watchful.";
    unit->X = hex.X;
    unit->Y = hex.Y;
    unit->LastX = hex.X;
    unit->LastY = hex.Y;
    unit->Troops.AddTroops("LEAD", 1);
    unit->Troops.AddTroops("NOMA", 10);
    unit->Items.AddNew("SILV", 0, 250);
    unit->Items.AddNew("SWOR", 0, 10);
    unit->Skills.AddOrReplace(std::make_unique<TVelSkill>("COMB", 2, 120));
    for (int32_t turn = 22; turn <= 24; ++turn) unit->PositionHistory.AddPosition({hex.X, hex.Y, Level::Surface}, turn);
    TVelUnit* stored = db.Units.AddOrReplace(std::move(unit));
    hex.Units.AddUnique(stored);
    if (stored->Faction == 7) db.OwnUnits.AddUnique(stored);
}

const TVelMain& LargeDatabase() {
    static const std::unique_ptr<TVelMain> db = [] {
        auto built = std::make_unique<TVelMain>();
        built->Clear();
        built->FactionNumber = 7;
        int32_t next_unit = 1;
        for (int32_t i = 0; i < kHexes; ++i) {
            auto hex = std::make_unique<TVelHex>(*built);
            hex->X = i % kColumns;
            hex->Y = 2 * (i / kColumns) + (hex->X & 1);
            hex->Confirmed = true;
            hex->Turn = 24;
            hex->Terrain = static_cast<uint8_t>(i % 8);
            hex->Peasants.AddNew("NOMA", 0, 2000);
            hex->TaxBase = 500;
            hex->Wages = 12;
            hex->MaxWages = 3000;
            hex->Wanted.AddNew("GRAI", 25, 40);
            hex->ForSale.AddNew("HORS", 60, 5);
            hex->Products.AddNew("WOOD", 0, 20);
            hex->Entertainment = 40;
            TVelHex& stored = *built->OverworldHexes.AddOrMerge(std::move(hex));
            for (int32_t u = 0; u < kUnitsPerHex; ++u) AddUnit(*built, stored, next_unit++);
        }
        return built;
    }();
    return *db;
}

std::string SavedBytes() {
    std::string bytes;
    TVelFileStream stream([&bytes](std::string_view block) { bytes.append(block); });
    LargeDatabase().SaveToStream(stream);
    stream.Flush();
    return bytes;
}

std::filesystem::path BenchFile() {
    return std::filesystem::temp_directory_path() / ("hexwarden-bench-" + std::to_string(::getpid()) + ".hwd");
}

// Writing the layout alone, the bytes going nowhere.
void BM_SaveToStream(benchmark::State& state) {
    const TVelMain& db = LargeDatabase();
    std::size_t size = 0;
    for (auto _ : state) {
        TVelFileStream stream([](std::string_view bytes) { benchmark::DoNotOptimize(bytes.data()); });
        db.SaveToStream(stream);
        stream.Flush();
        size = stream.Size();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(size));
}

void BM_SaveToFile(benchmark::State& state) {
    const TVelMain& db = LargeDatabase();
    const std::filesystem::path file = BenchFile();
    bench::ThrowingMessages messages;
    for (auto _ : state) SaveToFile(db, file, messages);
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(std::filesystem::file_size(file)));
    std::filesystem::remove(file);
}

void BM_LoadFromStream(benchmark::State& state) {
    const std::string bytes = SavedBytes();
    TVelMain db;
    for (auto _ : state) {
        TVelFileStream stream(bytes);
        db.Clear();
        db.LoadFromStream(stream);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bytes.size()));
}

// Opening at start-up: the database is empty. Freeing it afterwards is not timed.
void BM_LoadFromFileIntoEmptyDatabase(benchmark::State& state) {
    const std::filesystem::path file = BenchFile();
    bench::ThrowingMessages messages;
    SaveToFile(LargeDatabase(), file, messages);
    for (auto _ : state) {
        auto db = std::make_unique<TVelMain>();
        LoadFromFile(*db, file, messages);
        state.PauseTiming();
        db.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(std::filesystem::file_size(file)));
    std::filesystem::remove(file);
}

// Opening over a database that holds a game already, which is freed first.
void BM_LoadFromFile(benchmark::State& state) {
    const std::filesystem::path file = BenchFile();
    bench::ThrowingMessages messages;
    SaveToFile(LargeDatabase(), file, messages);
    TVelMain db;
    for (auto _ : state) LoadFromFile(db, file, messages);
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(std::filesystem::file_size(file)));
    std::filesystem::remove(file);
}

// Several rounds each: the first open of a process also pays for growing the heap, which the
// later ones (and every open after the first in the desktop program) reuse.
BENCHMARK(BM_SaveToStream)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_SaveToFile)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_LoadFromStream)->Unit(benchmark::kMillisecond)->MinTime(3);
BENCHMARK(BM_LoadFromFileIntoEmptyDatabase)->Unit(benchmark::kMillisecond)->MinTime(3);
BENCHMARK(BM_LoadFromFile)->Unit(benchmark::kMillisecond)->MinTime(3);

}  // namespace
}  // namespace hexwarden
