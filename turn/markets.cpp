// TAX in the standard rules, GUARD, SELL and BUY.
#include <algorithm>
#include <map>
#include <unordered_map>

#include "turn/month.h"
#include "turn/pool_share.h"

namespace hexwarden {

namespace {

// One SELL or BUY as the unit can carry it out, before the market is shared.
struct Trade {
    int actor;
    const TurnOrder* order;
    Market* market;
    std::string code;
    bool men;
    int64_t amount;
};

bool IsPeasantWord(std::string_view word) {
    return SameName(word, "peasant") || SameName(word, "peasants") || SameName(word, "peas");
}

Market* FindMarket(std::vector<Market>& markets, std::string_view code) {
    for (Market& market : markets)
        if (SameName(market.code, code)) return &market;
    return nullptr;
}

}  // namespace

void MonthRun::Tax(bool month_long) {
    std::map<int, std::vector<std::pair<int, int64_t>>> by_region;
    for (int index : order_) {
        Actor& actor = actors_[static_cast<std::size_t>(index)];
        const bool taxes = month_long ? actor.month_long && actor.month_long->keyword == Keyword::Tax : actor.taxing;
        if (!taxes || actor.removed) continue;
        const RegionState& region = RegionFor(actor);
        const TurnOrder* order = month_long ? actor.month_long : nullptr;
        if (order == nullptr) {
            const auto orders = OrdersOf(actor, Phase::Tax);
            order = orders.empty() ? nullptr : orders.back().second;
        }
        if (region.peasants <= 0 || region.tax_pool <= 0) {
            // A region pillaged this month has peasants but nothing left.
            Problem(actor, order, ProblemKind::Error, region.peasants <= 0 ? "TAX: No peasants to tax here." : "TAX: Nothing is left to tax here.");
            continue;
        }
        if (region.foreign_guard) {
            Problem(actor, order, ProblemKind::Error, "TAX: A unit is on guard here.");
            actor.state.Uncertain("a unit of another faction is on guard in " + region.title +
                                  " and blocks taxing unless it counts this faction as Friendly");
            continue;
        }
        const int64_t taxers = TaxingMen(actor);
        if (taxers == 0) {
            Problem(actor, order, ProblemKind::Error, "TAX: Unit is not armed and cannot tax.");
            continue;
        }
        by_region[actor.region].emplace_back(index, taxers * 50);
    }
    for (const auto& [region_index, requests] : by_region) {
        const RegionState& region = regions_[static_cast<std::size_t>(region_index)];
        std::vector<int64_t> asked;
        int64_t total = 0;
        for (const auto& request : requests) {
            asked.push_back(request.second);
            total += request.second;
        }
        const std::vector<int64_t> paid = SharePool(asked, region.tax_pool);
        for (std::size_t i = 0; i < requests.size(); ++i) {
            Actor& actor = actors_[static_cast<std::size_t>(requests[i].first)];
            actor.state.items.Add("SILV", paid[i]);
            if (region.foreign_men > 0 && total + region.foreign_men * 50 > region.tax_pool)
                actor.state.Uncertain("other factions' units in " + region.title + " (" + region.ForeignNames() +
                                      ") may tax the same pool of $" + std::to_string(region.tax_pool));
        }
    }
}

int64_t MonthRun::TaxingMen(const Actor& actor) const {
    // Every man taxes with combat skill, else one man per weapon he can use.
    const int64_t men = actor.state.Men();
    if (actor.state.Skill("COMB") != nullptr) return men;
    int64_t weapons = 0;
    for (const auto& [code, count] : actor.state.items) {
        const ItemToken* item = Item(code);
        if (item == nullptr || !item->Is(ItemClass::Weapon)) continue;
        const bool bow = SameName(code, "XBOW") || SameName(code, "LBOW");
        if (!bow || actor.state.Skill(code) != nullptr) weapons += count;
    }
    return std::min(men, weapons);
}

void MonthRun::Pillage(bool month_long) {
    struct Pillager {
        int actor;
        int64_t men;
        const TurnOrder* order;
    };
    std::map<int, std::vector<Pillager>> by_region;
    for (int index : order_) {
        Actor& actor = actors_[static_cast<std::size_t>(index)];
        const TurnOrder* order = nullptr;
        if (month_long && actor.month_long && actor.month_long->keyword == Keyword::Pillage) order = actor.month_long;
        const auto orders = OrdersOf(actor, Phase::Pillage);
        if (!month_long && actor.pillaging && !orders.empty()) order = orders.front().second;
        if (order == nullptr) continue;
        const RegionState& region = RegionFor(actor);
        if (region.peasants <= 0 || region.tax_pool <= 0) {
            Problem(actor, order, ProblemKind::Error, "PILLAGE: No peasants to pillage here.");
            continue;
        }
        if (region.foreign_guard) {
            Problem(actor, order, ProblemKind::Error, "PILLAGE: A unit of another faction is on guard.");
            continue;
        }
        by_region[actor.region].push_back({index, TaxingMen(actor), order});
    }
    for (const auto& [region_index, pillagers] : by_region) {
        RegionState& region = regions_[static_cast<std::size_t>(region_index)];
        // Each pillaging man covers 100 of the tax figure, and all of it must be covered.
        int64_t men = 0;
        for (const Pillager& pillager : pillagers) men += pillager.men;
        if (men * 100 < region.tax_pool) {
            for (const Pillager& pillager : pillagers)
                Problem(actors_[static_cast<std::size_t>(pillager.actor)], pillager.order, ProblemKind::Error,
                        "PILLAGE: Not enough men to pillage: " + std::to_string(men) + " can, " +
                            std::to_string((region.tax_pool + 99) / 100) + " are needed.");
            continue;
        }
        // The pillagers share twice the tax figure by their men; the region's wealth is gone.
        std::vector<int64_t> asked;
        for (const Pillager& pillager : pillagers) asked.push_back(pillager.men * 200);
        const std::vector<int64_t> got = SharePool(asked, 2 * region.tax_pool);
        for (std::size_t i = 0; i < pillagers.size(); ++i) {
            Actor& actor = actors_[static_cast<std::size_t>(pillagers[i].actor)];
            actor.state.items.Add("SILV", got[i]);
            if (!region.foreign_units.empty())
                actor.state.Uncertain("other factions' units in " + region.title + " (" + region.ForeignNames() +
                                      ") may pillage or tax the same region first");
        }
        region.tax_pool = 0;
    }
}

void MonthRun::Guard() {
    for (Actor& actor : actors_) {
        if (actor.removed || !actor.guard_request) continue;
        actor.state.settings.guarding = *actor.guard_request && actor.state.number != 0;
    }
}

void MonthRun::TradeIn(bool buying) {
    const std::string verb = buying ? "BUY: " : "SELL: ";
    std::vector<Trade> trades;
    for (int index : order_) {
        Actor& actor = actors_[static_cast<std::size_t>(index)];
        RegionState& region = RegionFor(actor);
        std::map<std::string, int64_t> offered;  // SELL ALL leaves what other SELLs of the unit offer
        for (const auto& [phase, order] : OrdersOf(actor, buying ? Phase::Buy : Phase::Sell)) {
            if (order->words.size() < 2) continue;
            const bool all = SameName(order->words[0], "all");
            const auto number = all ? std::optional<int32_t>(0) : OrderNumber(order->words[0]);
            if (!number || (!all && *number <= 0)) continue;
            const std::string& word = order->words[1];
            const ItemToken* item = buying && IsPeasantWord(word) ? Item(region.peasant_race) : tables_.FindItem(word);
            if (item == nullptr) continue;
            const std::string code(item->abbr);
            Market* market = FindMarket(buying ? region.for_sale : region.wanted, code);
            if (market == nullptr) {
                Problem(actor, order, ProblemKind::Error,
                        verb + "Can't " + (buying ? "buy " : "sell ") + ItemText(item, code, all ? 0 : *number) + ".");
                continue;
            }
            int64_t amount = *number;
            if (buying) {
                const bool men = item->Is(ItemClass::Man);
                if (men && ((item->Is(ItemClass::Leader) && actor.state.HasOrdinaryMen()) ||
                            (!item->Is(ItemClass::Leader) && actor.state.HasLeaders()))) {
                    Problem(actor, order, ProblemKind::Error, verb + "Can't mix leaders and normal men.");
                    continue;
                }
                const int64_t silver = Available(actor, "SILV");
                const int64_t affordable = market->price > 0 ? silver / market->price : silver;
                if (all) amount = market->unlimited ? affordable : std::min(affordable, market->amount);
                if (!market->unlimited && amount > market->amount) {
                    Problem(actor, order, ProblemKind::Error, verb + "Can't buy that many; the market offers " +
                                                                  std::to_string(market->amount) + ".");
                    amount = market->amount;
                }
                if (amount > affordable) {
                    Problem(actor, order, ProblemKind::Error, verb + "Unit attempted to buy more than it could afford.");
                    amount = affordable;
                }
                trades.push_back({index, order, market, code, men, amount});
            } else {
                const int64_t own = actor.state.items.Count(code) - offered[code];
                if (all) amount = std::max<int64_t>(own, 0);
                const int64_t available = Available(actor, code) - offered[code];
                if (amount > available) {
                    Problem(actor, order, ProblemKind::Error, verb + "Unit attempted to sell more than it had.");
                    amount = std::max<int64_t>(available, 0);
                }
                if (!market->unlimited) amount = std::min(amount, market->amount);
                offered[code] += amount;
                trades.push_back({index, order, market, code, false, amount});
            }
        }
    }
    // Each limited market is shared among all who trade in it.
    // In the order the trades came, so the month's trades list the same way every run.
    std::vector<std::pair<Market*, std::vector<std::size_t>>> by_market;
    std::unordered_map<Market*, std::size_t> slot;
    for (std::size_t i = 0; i < trades.size(); ++i) {
        const auto [at, added] = slot.emplace(trades[i].market, by_market.size());
        if (added) by_market.push_back({trades[i].market, {}});
        by_market[at->second].second.push_back(i);
    }
    for (const auto& [market, indices] : by_market) {
        std::vector<int64_t> asked;
        int64_t total = 0;
        for (std::size_t i : indices) {
            asked.push_back(trades[i].amount);
            total += trades[i].amount;
        }
        const RegionState& region = RegionFor(actors_[static_cast<std::size_t>(trades[indices[0]].actor)]);
        const std::vector<int64_t> granted = market->unlimited ? asked : SharePool(asked, market->amount);
        // What the other factions here could at most trade, by the goods and silver they show.
        const int64_t others = buying ? (market->price > 0 ? region.foreign_items.Count("SILV") / market->price : 0)
                                      : region.foreign_items.Count(market->code);
        int64_t traded = 0;
        for (std::size_t k = 0; k < indices.size(); ++k) {
            const Trade& trade = trades[indices[k]];
            Actor& actor = actors_[static_cast<std::size_t>(trade.actor)];
            int64_t amount = granted[k];
            // Earlier purchases of the unit this month may have spent the silver.
            if (buying && market->price > 0) amount = std::min(amount, Available(actor, "SILV") / market->price);
            if (!market->unlimited && total > market->amount)
                actor.state.Uncertain("the " + std::string(buying ? "buyers" : "sellers") + " in " + region.title +
                                      " ask for more than the market's " + std::to_string(market->amount) +
                                      ", and the game rounds their shares at random");
            else if (!market->unlimited && others > 0 && total + others > market->amount)
                actor.state.Uncertain("other factions' units in " + region.title + " (" + region.ForeignNames() + ") may " +
                                      (buying ? "buy" : "sell") + " in the same market");
            if (amount <= 0) continue;
            traded += amount;
            if (buying) {
                Spend(actor, "SILV", amount * market->price);
                if (trade.men) AddMen(actor, trade.code, amount, {});
                else actor.state.items.Add(trade.code, amount);
            } else {
                Spend(actor, trade.code, amount);
                actor.state.items.Add("SILV", amount * market->price);
            }
        }
        if (traded == 0) continue;
        trades_.push_back({region.place, market->code, !buying, market->price, market->amount, traded, market->unlimited});
        if (!market->unlimited) market->amount -= traded;
    }
}

}  // namespace hexwarden
