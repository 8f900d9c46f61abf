// SAIL, MOVE and ADVANCE in the month's eight steps.
#include <algorithm>
#include <optional>

#include "model/database.h"
#include "model/hex.h"
#include "orders/orders_database.h"
#include "turn/game_tables.h"
#include "turn/month.h"

namespace hexwarden {

namespace {

enum class Mode { Walk, Ride, Fly, Swim };

bool IsWater(std::string_view terrain) { return SameName(terrain, "ocean") || SameName(terrain, "lake"); }

struct Load {
    int64_t weight = 0;
    int64_t capacity[4] = {0, 0, 0, 0};
    // Capacity of the items at least that fast, by mode and speed 2, 4, 6, 8.
    int64_t fast[4][4] = {};
};

Load LoadOf(const UnitState& unit, const TokenTables& tables, RuleSet rules) {
    Load load;
    const auto add = [&](std::string_view code, int64_t count) {
        const ItemToken* item = tables.FindItem(code);
        const Carrying carrying = item ? CarryingOf(*item, rules) : Carrying{};
        load.weight += carrying.weight * count;
        const int32_t values[4] = {carrying.walk, carrying.ride, carrying.fly, carrying.swim};
        for (int mode = 0; mode < 4; ++mode) {
            load.capacity[mode] += values[mode] * count;
            for (int step = 0; step < 4; ++step)
                if (carrying.speed >= 2 * (step + 1)) load.fast[mode][step] += values[mode] * count;
        }
    };
    for (const auto& [code, count] : unit.men) add(code, count);
    for (const auto& [code, count] : unit.items) add(code, count);
    // A wagon walks 250 more for each horse that pulls it.
    const int64_t pulled = std::min(unit.items.Count("WAGO"), unit.items.Count("HORS"));
    load.capacity[0] += 250 * pulled;
    load.fast[0][0] += 250 * pulled;
    return load;
}

// The speed of the fastest items that carry the whole weight in that mode.
int32_t SpeedOf(const Load& load, Mode mode) {
    const int m = static_cast<int>(mode);
    for (int step = 3; step >= 0; --step)
        if (load.fast[m][step] >= load.weight && load.fast[m][step] > 0) return 2 * (step + 1);
    return 2;
}

// The hexes the compass steps of a MOVE name from where the unit stands, for the map and the
// windows; structures, OUT and pauses stay in the hex, and a word the preview does not follow ends it.
template <typename Step>
void PlanRoute(UnitState& unit, const std::vector<std::string>& words, Step&& step) {
    unit.planned = {unit.place};
    for (const std::string& word : words) {
        if (SameName(word, "out") || SameName(word, "p") || SameName(word, "pause") || OrderNumber(word)) continue;
        const auto compass = CompassNamed(word);
        if (!compass) return;
        unit.planned.push_back(step(unit.planned.back(), *compass));
    }
}

}  // namespace

void MonthRun::Move() {
    // Ships move before walkers in every step; nobody here meets anyone on the way, so the fleets
    // sail their whole month first.
    for (int index : std::vector<int>(order_)) {
        Actor& actor = actors_[static_cast<std::size_t>(index)];
        if (actor.month_long && actor.month_long->keyword == Keyword::Sail && !actor.removed) Sail(actor, *actor.month_long);
    }
    for (int index : std::vector<int>(order_)) {
        Actor& actor = actors_[static_cast<std::size_t>(index)];
        if (actor.month_long == nullptr || actor.removed) continue;
        const Keyword keyword = actor.month_long->keyword;
        if (keyword != Keyword::Move && keyword != Keyword::Advance) continue;
        if (actor.sailed) {
            Problem(actor, actor.month_long, ProblemKind::Warning,
                    std::string(KeywordText(keyword)) + ": Unit sailed with its fleet; the order is dropped.");
            continue;
        }
        MoveUnit(actor, *actor.month_long);
    }
    Reorder();
}

int64_t MonthRun::WeightOf(const UnitState& unit) const { return LoadOf(unit, tables_, rules_).weight; }

bool MonthRun::TouchesWater(const Place& place) const {
    const OrdersDatabase database(start_.Database());
    for (int side = 0; side < 6; ++side) {
        const TVelHex* hex = start_.Database().FindHex(database.Neighbour({place, 0}, static_cast<Compass>(side), rules_).at);
        if (hex != nullptr && IsWater(hex->TerrainName())) return true;
    }
    return false;
}

void MonthRun::Sail(Actor& actor, const TurnOrder& order) {
    RegionState& start = RegionFor(actor);
    const int32_t fleet = actor.state.structure;
    const std::string* kind = start.StructureKind(fleet);
    if (kind == nullptr || !(SameName(*kind, "fleet") || tables_.FindShip(*kind) != nullptr))
        return Problem(actor, &order, ProblemKind::Error, "SAIL: Must be on a ship.");
    const int owner = Owner(actor.region, fleet);
    if (owner < 0 || &actors_[static_cast<std::size_t>(owner)] != &actor) {
        if (order.words.empty()) return;  // crew; the owner counts it
        if (owner >= 0) return Problem(actor, &order, ProblemKind::Error, "SAIL: Owner must issue fleet directions.");
        actor.state.Uncertain("SAIL: fleet " + std::to_string(fleet) + " is steered by another faction's unit unless it leaves");
        return Problem(actor, &order, ProblemKind::Uncertain, "SAIL: Owner must issue fleet directions, unless the other faction's owner leaves first.");
    }
    if (order.words.empty()) return;
    // Everyone aboard: crew with SAIL, load by weight.
    std::vector<Actor*> aboard;
    int64_t crew = 0;
    int64_t weight = 0;
    for (int index : UnitsIn(actor.region)) {
        Actor& unit = actors_[static_cast<std::size_t>(index)];
        if (unit.removed || unit.state.structure != fleet) continue;
        aboard.push_back(&unit);
        weight += WeightOf(unit.state);
        const SkillState* sailing = unit.state.Skill("SAIL");
        if (unit.month_long && unit.month_long->keyword == Keyword::Sail && sailing) crew += sailing->level * unit.state.Men();
    }
    const auto uncertain = [&](const std::string& why, const std::string& message) {
        for (Actor* unit : aboard) unit->state.Uncertain(why);
        Problem(actor, &order, ProblemKind::Uncertain, message);
    };
    const ShipClass* ship = ShipClassNamed(*kind);
    if (ship == nullptr)
        return uncertain("SAIL: the report names no ships for fleet " + std::to_string(fleet) + ", so its crew, load and speed are not known",
                         "SAIL: The ships of fleet " + std::to_string(fleet) + " are not known; its voyage is not previewed.");
    if (start.structure_foreign_inside[start.StructureSlot(fleet)])
        return uncertain("SAIL: another faction's units aboard fleet " + std::to_string(fleet) + " add crew and load the report does not fully show",
                         "SAIL: Other factions' units are aboard; the voyage is not previewed.");
    if (crew < ship->crew) return Problem(actor, &order, ProblemKind::Error, "SAIL: Not enough sailors.");
    if (weight > ship->capacity) return Problem(actor, &order, ProblemKind::Error, "SAIL: Fleet is overloaded.");

    const OrdersDatabase database(start_.Database());
    // In the new rules a fleet leaves land only back the way it came or to either side of that
    // way; how it came to its first hex the database does not say.
    std::optional<Compass> arrived;
    const bool landlocked_turns = rules_ == RuleSet::New && !ship->flies;
    if (landlocked_turns && !IsWater(start.terrain))
        uncertain("SAIL: in the new rules a fleet leaves land only near the way it came, which the report does not show",
                  "SAIL: The fleet starts on land; which ways it may leave is not known.");
    std::size_t next = 0;
    int64_t points = 7;
    for (int step = 0; step < 8 && next < order.words.size(); ++step) {
        points += ship->speed;
        const std::string& direction = order.words[next];
        const bool pause = SameName(direction, "p") || SameName(direction, "pause");
        const auto compass = CompassNamed(direction);
        if (!pause && !compass) return;  // the order checker reports the word
        Place destination = actor.state.place;
        if (compass) destination = database.Neighbour({destination, 0}, *compass, rules_).at;
        const int target = RegionOf(destination);
        int64_t cost = 8;
        if (!pause) {
            const RegionState& region = regions_[static_cast<std::size_t>(target)];
            if (!region.known) {
                if (points < 8) continue;
                return uncertain("no report shows the region to the " + std::string(CompassName(*compass)) + " of " + RegionFor(actor).title,
                                 "SAIL: No region is known to the " + std::string(CompassName(*compass)) + ".");
            }
            // Land only where it touches water, unless the ship flies.
            if (!ship->flies && !IsWater(region.terrain) && !TouchesWater(destination))
                return Problem(actor, &order, ProblemKind::Error, "SAIL: Can't sail inland.");
            if (landlocked_turns && arrived && !IsWater(RegionFor(actor).terrain)) {
                const int back = (static_cast<int>(*arrived) + 3) % 6;
                const int turn = (static_cast<int>(*compass) - back + 6) % 6;
                if (turn != 0 && ((turn > 1 && turn < 5) || !IsWater(region.terrain)))
                    return Problem(actor, &order, ProblemKind::Error, "SAIL: Can't sail " + std::string(CompassName(*compass)) + " from land.");
            }
            if (region.bad_weather) cost = 16;
        }
        if (points < cost) continue;
        points -= cost;
        ++next;
        if (pause) continue;
        // The fleet and all aboard arrive together.
        RegionState& from = RegionFor(actor);
        const std::size_t slot = from.StructureSlot(fleet);
        RegionState& to = regions_[static_cast<std::size_t>(target)];
        to.AddStructure(fleet, from.structure_kinds[slot], from.structure_needs[slot], false, false);
        from.RemoveStructure(fleet);
        arrived = compass;
        for (Actor* unit : aboard) {
            unit->state.place = destination;
            unit->state.route.push_back(destination);
            unit->region = target;
            unit->moved = true;
            unit->sailed = true;
            if (to.foreign_guard)
                unit->state.Uncertain("a unit of another faction on guard in " + to.title +
                                      " may stop the fleet if its faction counts this one as Unfriendly or Hostile");
        }
    }
    if (next < order.words.size())
        Problem(actor, &order, ProblemKind::Warning,
                "SAIL: Fleet has insufficient movement points; remaining moves queued (it stops in " + RegionFor(actor).title + ").");
}

void MonthRun::MoveUnit(Actor& actor, const TurnOrder& order) {
    const std::string verb = order.keyword == Keyword::Advance ? "ADVANCE: " : "MOVE: ";
    const OrdersDatabase orders_database(start_.Database());
    PlanRoute(actor.state, order.words,
              [&](const Place& from, auto compass) { return orders_database.Neighbour({from, 0}, compass, rules_).at; });
    const Load load = LoadOf(actor.state, tables_, rules_);
    const bool at_sea = SameName(RegionFor(actor).terrain, "ocean");
    Mode mode = Mode::Walk;
    if (load.capacity[2] >= load.weight && load.capacity[2] > 0) mode = Mode::Fly;
    else if (!at_sea && load.capacity[1] >= load.weight && load.capacity[1] > 0) mode = Mode::Ride;
    else if (!at_sea && load.capacity[0] >= load.weight) mode = Mode::Walk;
    else if (load.capacity[3] >= load.weight && load.capacity[3] > 0) mode = Mode::Swim;
    else {
        actor.state.stop_reason = "overloaded";
        return Problem(actor, &order, ProblemKind::Error, verb + "Unit is overloaded and cannot move.");
    }
    const int32_t speed = SpeedOf(load, mode);

    std::size_t next = 0;
    int64_t points = 7;
    for (int step = 0; step < 8 && next < order.words.size(); ++step) {
        points += speed;
        const std::string& word = order.words[next];
        // Structures named in the list and OUT are done at the start of a step, free.
        if (SameName(word, "out") || OrderNumber(word)) {
            const auto number = OrderNumber(word);
            const RegionState& region = RegionFor(actor);
            if (number && std::find(region.structures.begin(), region.structures.end(), *number) == region.structures.end()) {
                actor.state.stop_reason = "no structure " + word;
                Problem(actor, &order, ProblemKind::Error, verb + "Can't enter structure " + word + ".");
                return;
            }
            actor.state.structure = number.value_or(0);
            actor.seq = next_seq_++;
            ++next;
            if (next >= order.words.size()) return;
        }
        const std::string& direction = order.words[next];
        const bool pause = SameName(direction, "p") || SameName(direction, "pause");
        const auto compass = CompassNamed(direction);
        if (SameName(direction, "in")) return MoveIn(actor, order, verb);
        if (!pause && !compass) {
            // Words the checker reports.
            actor.state.Uncertain(verb + "the step " + direction + " is not previewed");
            actor.state.stop_reason = "the step " + direction + " is not previewed";
            return;
        }
        Place destination = actor.state.place;
        if (compass) {
            destination = orders_database.Neighbour({destination, 0}, *compass, rules_).at;
        }
        const int target = RegionOf(destination);
        const RegionState& region = regions_[static_cast<std::size_t>(target)];
        int64_t cost = 1;
        if (!pause) {
            if (!region.known || TerrainCost(region.terrain) == 0) {
                if (points < 8) continue;  // not even the cheapest hex could be entered yet
                actor.state.Uncertain("no report shows the region to the " + std::string(CompassName(*compass)) + " of " +
                                      RegionFor(actor).title);
                Problem(actor, &order, ProblemKind::Uncertain,
                        verb + "No region is known to the " + std::string(CompassName(*compass)) + ".");
                actor.state.stop_reason = "no region known to the " + std::string(CompassName(*compass));
                return;
            }
            if (IsWater(region.terrain) && (mode != Mode::Swim && mode != Mode::Fly)) {
                Problem(actor, &order, ProblemKind::Error, verb + "Discovers that " + region.title + " is ocean.");
                actor.state.stop_reason = "ocean ahead";
                return;
            }
            cost = mode == Mode::Fly ? 1 : TerrainCost(region.terrain);
            if (region.bad_weather) cost *= 2;
        }
        if (points < 8 * cost) continue;  // the points carry on to the next step
        points -= 8 * cost;
        ++next;
        if (pause) continue;
        actor.state.place = destination;
        actor.state.structure = 0;
        actor.state.route.push_back(destination);
        actor.region = target;
        actor.moved = true;
        actor.seq = next_seq_++;
        if (region.foreign_guard)
            actor.state.Uncertain("a unit of another faction on guard in " + region.title +
                                  " stops the move if its faction counts this one as Unfriendly or Hostile");
    }
    if (next < order.words.size()) {
        // A structure named last is entered after the last step.
        const auto number = OrderNumber(order.words[next]);
        const RegionState& region = RegionFor(actor);
        if (next + 1 == order.words.size() && number &&
            std::find(region.structures.begin(), region.structures.end(), *number) != region.structures.end()) {
            actor.state.structure = *number;
            return;
        }
        actor.state.stop_reason = "not enough movement";
        Problem(actor, &order, ProblemKind::Warning,
                verb + "Unit has insufficient movement points; remaining moves queued (it stops in " + region.title + ").");
    }
}

// The report names no level below a shaft, so the route ends at the shaft, marked as going on.
void MonthRun::MoveIn(Actor& actor, const TurnOrder& order, const std::string& verb) {
    const RegionState& region = RegionFor(actor);
    const std::string* kind = actor.state.structure != 0 ? region.StructureKind(actor.state.structure) : nullptr;
    if (kind == nullptr || !SameName(*kind, "shaft")) {
        actor.state.stop_reason = "not inside a shaft";
        return Problem(actor, &order, ProblemKind::Error, verb + "Can't move IN there.");
    }
    actor.state.down_shaft = true;
    actor.state.Uncertain(verb + "where the shaft in " + region.title + " leads is in no report");
}

}  // namespace hexwarden
