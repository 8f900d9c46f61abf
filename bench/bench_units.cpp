// Time per unit of merging units into the unit index, fresh and as replacements. It must stay
// flat as the index grows: lookups by number are hashed and replacing keeps every list's place.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "model/database.h"

namespace hexwarden {
namespace {

constexpr int32_t kOwnFaction = 7;

std::unique_ptr<TVelUnit> ReportedUnit(TVelMain& db, int32_t number, int32_t turn) {
    auto unit = std::make_unique<TVelUnit>(db);
    unit->Number = number;
    unit->Turn = turn;
    unit->Faction = number % 2 == 0 ? kOwnFaction : 12;
    unit->FactionConfirmed = true;
    // One unit per hex whatever the count, so that only the index grows with N.
    unit->X = number % 500;
    unit->Y = 2 * (number / 500) + unit->X % 2;
    unit->Name = "Unit";
    unit->Troops.AddTroops("LEAD", 1);
    unit->Items.AddNew("SILV", 0, 100);
    unit->PositionHistory.AddPosition({unit->X, unit->Y, Level::Surface}, turn);
    return unit;
}

// The units of one report, each standing in its hex as the report's region entries list them.
std::vector<std::unique_ptr<TVelUnit>> Report(TVelMain& db, int32_t count, int32_t turn) {
    std::vector<std::unique_ptr<TVelUnit>> units;
    units.reserve(static_cast<std::size_t>(count));
    for (int32_t number = 1; number <= count; ++number) {
        auto unit = ReportedUnit(db, number, turn);
        TVelHex* hex = db.FindHex({unit->X, unit->Y, Level::Surface});
        if (hex == nullptr) {
            auto fresh = std::make_unique<TVelHex>(db);
            fresh->X = unit->X;
            fresh->Y = unit->Y;
            fresh->Confirmed = true;
            hex = db.OverworldHexes.AddOrMerge(std::move(fresh));
        }
        hex->Units.AddUnique(unit.get());
        if (unit->Faction == kOwnFaction) db.OwnUnits.AddUnique(unit.get());
        units.push_back(std::move(unit));
    }
    return units;
}

void Merge(TVelMain& db, std::vector<std::unique_ptr<TVelUnit>>& units) {
    for (auto& unit : units) db.Units.AddOrReplace(std::move(unit));
}

void SetPerUnit(benchmark::State& state, int64_t units) {
    state.SetItemsProcessed(state.iterations() * units);
    state.counters["time_per_unit"] = benchmark::Counter(static_cast<double>(units),
                                                         benchmark::Counter::kIsIterationInvariantRate |
                                                             benchmark::Counter::kInvert);
}

void BM_AddFreshUnits(benchmark::State& state) {
    const auto count = static_cast<int32_t>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        auto db = std::make_unique<TVelMain>();
        db->FactionNumber = kOwnFaction;
        auto units = Report(*db, count, 1);
        state.ResumeTiming();
        Merge(*db, units);
        benchmark::DoNotOptimize(db->Units.Count());
        state.PauseTiming();
        db.reset();
        state.ResumeTiming();
    }
    SetPerUnit(state, count);
}

void BM_ReplaceUnits(benchmark::State& state) {
    const auto count = static_cast<int32_t>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        auto db = std::make_unique<TVelMain>();
        db->FactionNumber = kOwnFaction;
        auto first = Report(*db, count, 1);
        Merge(*db, first);
        db->OwnUnits.Clear();
        auto second = Report(*db, count, 2);
        state.ResumeTiming();
        Merge(*db, second);
        benchmark::DoNotOptimize(db->Units.Count());
        state.PauseTiming();
        db.reset();
        state.ResumeTiming();
    }
    SetPerUnit(state, count);
}

BENCHMARK(BM_AddFreshUnits)->Arg(10'000)->Arg(100'000)->Arg(200'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReplaceUnits)->Arg(10'000)->Arg(100'000)->Arg(200'000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace hexwarden
