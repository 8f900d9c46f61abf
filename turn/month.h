#pragma once

// The month's run over a copy of the start: not for use outside turn/.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "orders/token_tables.h"
#include "turn/turn_orders.h"
#include "turn/turn_preview.h"
#include "turn/turn_start.h"

namespace hexwarden {

class TVelUnit;
struct ShipClass;
struct StructureCost;

// The phases whose orders a unit carries out one by one, in file order.
enum class Phase : uint8_t {
    EnterLeave, PromoteEvict, GiveTake, Join, Exchange, Destroy, Pillage, Tax, Cast, Sell, Buy, Forget, Withdraw
};

// The order of regions in a month's result: by level, then row, then column.
bool InPositionOrder(const Place& a, const Place& b);

// One own unit while the month runs.
struct Actor {
    UnitState state;
    const TVelUnit* record = nullptr;  // null for a unit formed this month
    const UnitOrders* orders = nullptr;
    std::vector<std::pair<Phase, const TurnOrder*>> acts;  // by phase, file order within one
    int region = -1;
    int64_t seq = 0;  // position within its region and structure; arrivals go last
    bool removed = false;
    const TurnOrder* month_long = nullptr;
    bool taxing = false;  // standard rules: TAX is no month-long order
    bool pillaging = false;  // standard rules: neither is PILLAGE; the first of the two counts
    std::optional<bool> guard_request;
    int64_t taught_days = 0;  // per man, this month
    bool moved = false;
    bool sailed = false;  // aboard a fleet that sailed: its own MOVE is dropped
    int64_t gather = 0;  // what its PRODUCE asks of the region's land resource
    int32_t project = 0;  // the structure its BUILD works on this month
    int start_index = -1;
};

// Which start units a run covers (all when empty) and the unclaimed silver it may use.
struct RunScope {
    std::vector<char> units;  // by start index
    int64_t unclaimed = 0;
};

// A run's result with what a later run of part of the month needs to merge with it.
struct MonthOutcome {
    TurnResult result;
    std::vector<int> unit_start;     // per result unit: its start unit (a formed unit: its former's)
    std::vector<int> problem_start;  // per problem: the same, -1 for none
    std::vector<int64_t> claimed;    // per start unit: unclaimed silver it took
    bool pool_short = false;         // the unclaimed silver ran out
};

class MonthRun {
public:
    MonthRun(const TurnStart& start, const std::vector<UnitOrders>& orders, const RunScope* scope = nullptr);
    MonthOutcome Run();

private:
    // Reading the orders: what acts at once, and the month-long order.
    void ReadOrders();
    void ReadUnitOrders(Actor& actor);
    void FormUnit(const UnitOrders& orders, int parent);
    void Setting(Actor& actor, const TurnOrder& order);
    void Claim(Actor& actor, const TurnOrder& order);

    // Phases, in the game's order.
    void EnterLeave();
    void GiveTake();
    void Give(Actor& giver, const TurnOrder& order, bool take);
    void Exchange();
    // Structures: PROMOTE and EVICT, JOIN, DESTROY and the month's building.
    void PromoteEvict();
    void Join();
    void Destroy();
    // Begins new structures and sends helpers in; true when a unit went into a structure.
    bool StartBuilding(const std::vector<int>& units);
    void Build(Actor& actor, const TurnOrder& order);
    void BuildShip(Actor& actor, const TurnOrder& order, const ShipClass& ship);
    // What the structure takes, when the unit has the skill to build it (else a problem).
    const StructureCost* BuildCost(Actor& actor, const std::string& kind, const TurnOrder& order);
    void RemoveUnbuiltStructures();
    // The owner of a structure (its first unit) among the faction's units: -1 when another
    // faction's unit owns it or nobody is inside.
    int Owner(int region, int32_t structure) const;
    bool MustOwn(Actor& actor, const TurnOrder& order);
    void Pillage(bool month_long);
    // Men of the unit that can tax (or pillage).
    int64_t TaxingMen(const Actor& actor) const;
    void Cast();
    void Withdraw();
    void FactionOrders(const UnitOrders& orders);
    void Tax(bool month_long);
    void Guard();
    void TradeIn(bool buying);  // SELL, then BUY
    void Forget();
    void RemoveEmptyUnits();
    void Move();
    void MoveUnit(Actor& actor, const TurnOrder& order);
    void MoveIn(Actor& actor, const TurnOrder& order, const std::string& verb);
    void Sail(Actor& owner, const TurnOrder& order);
    int64_t WeightOf(const UnitState& unit) const;
    // A known hex of ocean or lake lies next to the place.
    bool TouchesWater(const Place& place) const;
    void Teach();
    void MonthLongWork();
    void Study(Actor& actor, const TurnOrder& order);
    void Produce(Actor& actor, const TurnOrder& order);
    void Work(std::vector<int>& workers, bool entertain);
    void GatherLand(const std::vector<int>& units);
    void Maintenance();

    // Help.
    // Sorts the units into position order, over all and by region; after every change of place.
    void Reorder();
    const std::vector<int>& UnitsIn(int region) const;
    int RegionOf(const Place& place);
    RegionState& RegionFor(const Actor& actor) { return regions_[static_cast<std::size_t>(actor.region)]; }
    // A unit of the faction in the same region: by number, by NEW alias or FACTION f NEW alias.
    // Reads the target words from `next`; -2 for a target the words do not name, -1 for a unit
    // that is not the faction's (number set) .
    int Target(const Actor& actor, const std::vector<std::string>& words, std::size_t& next, int32_t& number) const;
    // Calls visit(Actor&) for the other sharing units of the region, in position order, until it returns false.
    template <typename Visit>
    void ForEachSharer(const Actor& actor, Visit&& visit);
    int64_t Available(const Actor& actor, std::string_view code);
    // Takes from the unit's own stock first, then from sharing units (the amount must be available).
    void Spend(Actor& actor, std::string_view code, int64_t amount);
    // Moves that much from sharing units into the unit's own stock, as far as they have it.
    void Borrow(Actor& actor, std::string_view code, int64_t amount);
    // Takes men out with their share of the skill days, which it returns.
    std::vector<std::pair<std::string, int64_t>> TakeMen(Actor& from, std::string_view race, int64_t amount);
    void MoveGoods(Actor& from, Actor& to, std::string_view code, int64_t amount, bool men);
    void AddMen(Actor& to, std::string_view race, int64_t count, const std::vector<std::pair<std::string, int64_t>>& skill_days);
    void CapSkills(Actor& actor);
    void Inherit(Actor& to, const Actor& from);
    void Problem(const Actor& actor, const TurnOrder* order, ProblemKind kind, std::string message);
    void TakeUnclaimed(Actor& actor, int64_t amount);
    std::vector<int> problem_start_;
    std::string Name(const Actor& actor) const;
    std::string ItemText(const ItemToken* item, std::string_view code, int64_t count) const;
    const ItemToken* Item(std::string_view code) const { return tables_.FindItem(code); }
    std::span<const std::pair<Phase, const TurnOrder*>> OrdersOf(const Actor& actor, Phase phase) const;

    const TurnStart& start_;
    const std::vector<UnitOrders>& unit_orders_;
    const TokenTables& tables_;
    RuleSet rules_;
    std::vector<Actor> actors_;
    std::vector<RegionState> regions_;
    RegionIndex region_index_;
    int64_t unclaimed_ = 0;
    bool pool_short_ = false;
    std::vector<int64_t> claimed_;
    bool partial_ = false;
    int64_t next_seq_ = 0;
    const UnitOrders* faction_orders_ = nullptr;
    std::vector<std::pair<int, int32_t>> new_structures_;  // region and number of structures begun
    int64_t front_seq_ = 0;  // PROMOTE puts a unit before every other
    std::vector<TurnProblem> problems_;
    std::vector<MarketTrade> trades_;
    std::vector<int> order_;                  // position order, removed units left out
    std::vector<std::vector<int>> by_region_;  // the same, per region
    std::vector<std::vector<int>> sharers_;    // the sharing units of each region, in position order
    std::unordered_map<int32_t, int> by_number_;  // units with a number, at the start
    std::unordered_multimap<int32_t, int> by_alias_;  // units formed this month
};

}  // namespace hexwarden
