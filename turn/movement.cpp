// MOVE and ADVANCE in the month's eight steps.
#include <algorithm>

#include "orders/orders_database.h"
#include "turn/game_tables.h"
#include "turn/month.h"

namespace hexwarden {

namespace {

enum class Mode { Walk, Ride, Fly, Swim };

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
    for (int index : std::vector<int>(order_)) {
        Actor& actor = actors_[static_cast<std::size_t>(index)];
        if (actor.month_long == nullptr || actor.removed) continue;
        switch (actor.month_long->keyword) {
            case Keyword::Move:
            case Keyword::Advance: MoveUnit(actor, *actor.month_long); break;
            case Keyword::Sail:
                actor.state.Uncertain("SAIL: fleets are not previewed");
                Problem(actor, actor.month_long, ProblemKind::Uncertain, "SAIL: the preview does not sail fleets.");
                break;
            default: break;
        }
    }
    Reorder();
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
        if (!pause && !compass) {
            // IN (down a shaft) and other words the checker reports.
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
            const bool water = SameName(region.terrain, "ocean") || SameName(region.terrain, "lake");
            if (water && (mode != Mode::Swim && mode != Mode::Fly)) {
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

}  // namespace hexwarden
