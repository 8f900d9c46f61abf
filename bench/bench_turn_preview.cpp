// The month ahead: a faction of 2,000 units with 20 order lines each run through the month
// (target: under 20 ms), and one unit's orders changed and the month run again as the unit
// window does while the player types (target: under 2 ms).
#include <benchmark/benchmark.h>

#include <string>

#include "bench/synthetic_faction.h"
#include "model/database.h"
#include "turn/turn_preview.h"

namespace hexwarden {
namespace {

constexpr int32_t kUnits = 2000;

// Twenty lines that each act in the month: gifts, trade, study, work or a move.
std::string UnitOrdersText(int32_t number) {
    const std::string other = std::to_string(number % 100 == 99 ? number - 1 : number + 1);
    static const char* const kMonthLong[] = {"study COMB\n", "work\n", "move N S\n", "entertain\n"};
    return ";Soldiers (" + std::to_string(number) + "), 10 high elves [HELF], 500 silver [SILV].\n"
           "@share 0\n"
           "behind 1\n"
           "give " + other + " 5 SWOR\n"
           "give " + other + " 20 silver\n"
           "take from " + other + " 3 SWOR\n"
           "sell 2 SWOR\n"
           "buy 1 HELF\n"
           "claim 1\n"
           "forget FARM\n"
           "@guard 1\n" +
           kMonthLong[number % 4] +
           "name unit \"Soldiers of the North\"\n"
           "describe unit \"Ten elves with swords\"\n"
           "turn\n"
           "  @work\n"
           "endturn\n"
           "option template long\n"
           "reveal faction\n";
}

std::string FactionOrders() {
    std::string text = "#veldoria 3 \"secret\"\n";
    for (int32_t number = 1; number <= kUnits; ++number)
        text += "unit " + std::to_string(number) + "\n" + UnitOrdersText(number);
    return text + "#end\n";
}

void PreviewFaction(benchmark::State& state) {
    TVelMain db;
    FillSyntheticFaction(db, kUnits);
    const std::string text = FactionOrders();
    std::size_t problems = 0;
    for (auto _ : state) {
        TurnPreview preview(db, {});
        preview.SetOrders(text);
        const TurnResult& result = preview.Run();
        problems = result.problems.size();
        benchmark::DoNotOptimize(result.units.data());
    }
    state.counters["problems"] = static_cast<double>(problems);
    state.counters["lines"] = 20.0 * kUnits;
}
BENCHMARK(PreviewFaction)->Unit(benchmark::kMillisecond);

void PreviewOneUnitChanged(benchmark::State& state) {
    TVelMain db;
    FillSyntheticFaction(db, kUnits);
    // Enough unclaimed silver for every CLAIM: when it runs out, every region is run again.
    db.UnclaimedSilver = 100000;
    TurnPreview preview(db, {});
    preview.SetOrders(FactionOrders());
    const std::string typed[] = {UnitOrdersText(1000), UnitOrdersText(1001)};
    int which = 0;
    for (auto _ : state) {
        preview.SetUnitOrders(1000, typed[which ^= 1]);
        const TurnResult& result = preview.Run();
        benchmark::DoNotOptimize(result.units.data());
    }
}
BENCHMARK(PreviewOneUnitChanged)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace hexwarden
