// Checking orders: a whole faction's file of 10,000 units with 20 lines each (target: under 50 ms),
// and one unit's orders as the unit window checks them at every key press (target: under 1 ms),
// both against a database that knows every unit, so the database warnings are looked up too.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "model/database.h"
#include "model/hex.h"
#include "model/unit.h"
#include "orders/order_checker.h"

namespace hexwarden {
namespace {

constexpr int32_t kFaction = 3;
constexpr int32_t kUnits = 10000;

// Own units 1..count, a hundred to a hex, with goods and a skill.
void FillDatabase(TVelMain& db, int32_t count) {
    db.Clear();
    db.FactionNumber = kFaction;
    db.UnclaimedSilver = 1000;
    for (int32_t number = 1; number <= count; ++number) {
        auto unit = std::make_unique<TVelUnit>(db);
        unit->Number = number;
        unit->Faction = kFaction;
        unit->FactionConfirmed = true;
        unit->X = (number / 100) % 50;
        unit->Y = 2 * (number / 5000) + unit->X % 2;
        unit->Troops.AddTroops("HELF", 10);
        unit->Items.AddNew("SILV", 0, 500);
        unit->Items.AddNew("SWOR", 0, 10);
        unit->Skills.AddOrReplace(std::make_unique<TVelSkill>("COMB", 2, 90));
        TVelHex* hex = db.FindHex({unit->X, unit->Y, Level::Surface});
        if (hex == nullptr) {
            auto fresh = std::make_unique<TVelHex>(db);
            fresh->X = unit->X;
            fresh->Y = unit->Y;
            fresh->Confirmed = true;
            fresh->SetTerrainName("Plain");
            hex = db.HexesOf(Level::Surface).AddOrMerge(std::move(fresh));
        }
        TVelUnit* added = db.Units.AddOrReplace(std::move(unit));
        hex->Units.AddUnique(added);
        db.OwnUnits.AddUnique(added);
    }
}

// Twenty lines of the orders players write, the first naming the unit.
std::string UnitBlock(int32_t number) {
    const std::string other = std::to_string(number % 100 == 99 ? number - 1 : number + 1);
    return "unit " + std::to_string(number) +
           "\n"
           ";Soldiers (" + std::to_string(number) + "), 10 high elves [HELF], 500 silver [SILV].\n"
           "@guard 1\n"
           "avoid 0\n"
           "behind off\n"
           "give " + other + " 5 SWOR\n"
           "give " + other + " all silver except 100\n"
           "buy 5 HELF\n"
           "sell all wine\n"
           "claim 100\n"
           "name unit \"Soldiers of the North\"\n"
           "describe unit \"Ten elves with swords\"\n"
           "combat\n"
           "study COMB 3\n"
           "turn\n"
           "  @work\n"
           "  give " + other + " 1 SWOR\n"
           "endturn\n"
           "option template long\n"
           "reveal faction\n";
}

std::string FactionOrders(int32_t count) {
    std::string text = "#veldoria 3 \"secret\"\n";
    for (int32_t number = 1; number <= count; ++number) text += UnitBlock(number);
    text += "#end\n";
    return text;
}

void CheckWholeFile(benchmark::State& state) {
    TVelMain db;
    FillDatabase(db, kUnits);
    const std::string text = FactionOrders(kUnits);
    CheckOptions options;
    std::size_t problems = 0;
    for (auto _ : state) {
        const auto found = CheckOrdersFile(text, options, &db);
        problems = found.size();
        benchmark::DoNotOptimize(found.data());
    }
    state.counters["problems"] = static_cast<double>(problems);
    state.counters["lines"] = 20.0 * kUnits;
}
BENCHMARK(CheckWholeFile)->Unit(benchmark::kMillisecond);

void CheckOneUnitAsTyped(benchmark::State& state) {
    TVelMain db;
    FillDatabase(db, kUnits);
    std::string text = UnitBlock(5000);
    text = text.substr(text.find('\n') + 1);  // the unit window holds the orders without UNIT
    CheckOptions options;
    options.line_ends = LineEnds::Stored;
    for (auto _ : state) {
        const auto found = CheckUnitOrders(text, 5000, options, &db);
        benchmark::DoNotOptimize(found.data());
    }
}
BENCHMARK(CheckOneUnitAsTyped)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace hexwarden
