// Maintenance at the end of the month, in the game's order of payment.
#include <algorithm>

#include "turn/game_tables.h"
#include "turn/month.h"

namespace hexwarden {

namespace {

constexpr std::string_view kFoods[] = {"GRAI", "LIVE", "FISH", "MEAL"};

}  // namespace

void MonthRun::Maintenance() {
    std::vector<int64_t> owed(actors_.size(), 0);
    for (int index : order_) {
        const UnitState& unit = actors_[static_cast<std::size_t>(index)].state;
        const int64_t leaders = unit.men.Count("LEAD");
        owed[static_cast<std::size_t>(index)] =
            leaders * UpkeepPerMan(true, rules_) + (unit.Men() - leaders) * UpkeepPerMan(false, rules_);
    }
    const int64_t food_value = FoodValue(rules_);
    // Each way of paying is one pass over all units in position order.
    const auto pass = [&](auto&& pay) {
        for (int index : order_) {
            int64_t& need = owed[static_cast<std::size_t>(index)];
            if (need > 0) pay(actors_[static_cast<std::size_t>(index)], need);
        }
    };
    const auto silver_from = [&](Actor& payer, Actor& from, int64_t& need) {
        const int64_t paid = std::min(need, from.state.items.Count("SILV"));
        from.state.items.Add("SILV", -paid);
        need -= paid;
        if (paid > 0) Inherit(payer, from);
    };
    const auto food_from = [&](Actor& payer, Actor& from, int64_t& need) {
        for (std::string_view food : kFoods) {
            const int64_t eaten = std::min(from.state.items.Count(food), (need + food_value - 1) / food_value);
            from.state.items.Add(food, -eaten);
            need = std::max<int64_t>(need - eaten * food_value, 0);
            if (eaten > 0) Inherit(payer, from);
        }
    };
    const auto others = [&](Actor& actor, int64_t& need, auto&& take) {
        for (int other : UnitsIn(actor.region)) {
            if (need <= 0) break;
            Actor& from = actors_[static_cast<std::size_t>(other)];
            if (&from != &actor) take(actor, from, need);
        }
    };
    pass([&](Actor& actor, int64_t& need) { silver_from(actor, actor, need); });
    pass([&](Actor& actor, int64_t& need) { others(actor, need, silver_from); });
    pass([&](Actor& actor, int64_t& need) {
        food_from(actor, actor, need);
        others(actor, need, food_from);
    });
    pass([&](Actor& actor, int64_t& need) {
        const int64_t claimed = std::min(need, unclaimed_);
        TakeUnclaimed(actor, need);
        actor.state.items.Add("SILV", -claimed);
        need -= claimed;
    });
    pass([&](Actor& actor, int64_t& need) {
        // Allies may feed the unit; otherwise each man walked through dies with a chance of one in three.
        const int64_t men = std::min(actor.state.Men(), (need + 9) / 10);
        actor.state.Uncertain(std::to_string(need) + " silver of upkeep is missing: up to " + std::to_string(men) +
                              " men may starve, unless an allied faction pays");
        Problem(actor, nullptr, ProblemKind::Uncertain,
                "Not enough silver or food for maintenance: " + std::to_string(need) + " silver short; 0 to " +
                    std::to_string(men) + " men may starve to death.");
    });
}

}  // namespace hexwarden
