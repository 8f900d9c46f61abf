// Structures: PROMOTE and EVICT, JOIN, DESTROY, and BUILD in the month-long work.
#include <algorithm>

#include "orders/token_tables.h"
#include "turn/game_tables.h"
#include "turn/month.h"

namespace hexwarden {

namespace {

// A fleet, or a ship the report lists on its own.
bool IsFleetKind(const std::string* kind, const TokenTables& tables) {
    return kind != nullptr && (SameName(*kind, "fleet") || tables.FindShip(*kind) != nullptr);
}

std::string StructureName(int32_t number) { return "structure " + std::to_string(number); }

}  // namespace

int MonthRun::Owner(int region, int32_t structure) const {
    const RegionState& state = regions_[static_cast<std::size_t>(region)];
    const auto found = std::find(state.structures.begin(), state.structures.end(), structure);
    if (found != state.structures.end() && state.structure_foreign_owner[static_cast<std::size_t>(found - state.structures.begin())])
        return -1;
    // The first unit inside; positions change within a phase, so by place in line rather than by list.
    int owner = -1;
    for (int index : UnitsIn(region)) {
        const Actor& actor = actors_[static_cast<std::size_t>(index)];
        if (actor.state.structure == structure && !actor.removed &&
            (owner < 0 || actor.seq < actors_[static_cast<std::size_t>(owner)].seq))
            owner = index;
    }
    return owner;
}

bool MonthRun::MustOwn(Actor& actor, const TurnOrder& order) {
    const std::string verb(KeywordText(order.keyword));
    if (actor.state.structure == 0) {
        Problem(actor, &order, ProblemKind::Error,
                verb + (order.keyword == Keyword::Destroy ? ": Not inside a structure." : ": Can only " +
                                                                std::string(order.keyword == Keyword::Evict ? "evict" : "promote") +
                                                                " inside structures."));
        return false;
    }
    const int owner = Owner(actor.region, actor.state.structure);
    if (owner >= 0 && &actors_[static_cast<std::size_t>(owner)] == &actor) return true;
    if (owner < 0) {
        // Another faction's owner may leave before this phase; the report cannot say.
        actor.state.Uncertain(verb + ": " + StructureName(actor.state.structure) + " is owned by another faction's unit");
        Problem(actor, &order, ProblemKind::Uncertain, verb + ": Must be owner, unless the other faction's owner leaves first.");
        return false;
    }
    Problem(actor, &order, ProblemKind::Error, verb + ": Must be owner.");
    return false;
}

void MonthRun::PromoteEvict() {
    // Every PROMOTE (one a unit, the last), then every EVICT.
    for (const Keyword keyword : {Keyword::Promote, Keyword::Evict}) {
        for (int index : order_) {
            Actor& actor = actors_[static_cast<std::size_t>(index)];
            std::vector<const TurnOrder*> orders;
            for (const auto& [phase, order] : OrdersOf(actor, Phase::PromoteEvict))
                if (order->keyword == keyword && !order->words.empty()) orders.push_back(order);
            if (keyword == Keyword::Promote && orders.size() > 1) orders.erase(orders.begin(), orders.end() - 1);
            if (orders.empty() || !MustOwn(actor, *orders.front())) continue;
            if (keyword == Keyword::Evict && actor.state.place.Where.Kind() == LevelKind::Nexus) {
                Problem(actor, orders.front(), ProblemKind::Error, "EVICT: Can't evict in the Nexus.");
                continue;
            }
            for (const TurnOrder* order : orders) {
                for (std::size_t next = 0; next < order->words.size();) {
                    int32_t number = 0;
                    const int target = Target(actor, order->words, next, number);
                    if (target == -2) break;
                    if (target >= 0 && actors_[static_cast<std::size_t>(target)].state.structure == actor.state.structure) {
                        Actor& other = actors_[static_cast<std::size_t>(target)];
                        other.seq = keyword == Keyword::Promote ? --front_seq_ : next_seq_++;
                        if (keyword == Keyword::Evict) other.state.structure = 0;
                    } else if (target >= 0) {
                        Problem(actor, order, ProblemKind::Error,
                                std::string(KeywordText(keyword)) + ": Can't find target " + Name(actors_[static_cast<std::size_t>(target)]) + ".");
                    } else if (keyword == Keyword::Promote) {
                        // Another faction's unit, if it stands inside, takes the structure only when friendly.
                        actor.state.Uncertain("PROMOTE: unit " + std::to_string(number) +
                                              " of another faction takes the structure only if its faction counts this one as Friendly");
                    }
                    if (keyword == Keyword::Promote) break;  // one target
                }
            }
        }
    }
    Reorder();
}

void MonthRun::Join() {
    for (int index : std::vector<int>(order_)) {
        Actor& actor = actors_[static_cast<std::size_t>(index)];
        const auto orders = OrdersOf(actor, Phase::Join);
        if (orders.empty()) continue;
        const TurnOrder& order = *orders.back().second;  // one JOIN a unit, the last
        std::size_t next = 0;
        int32_t number = 0;
        const int target = Target(actor, order.words, next, number);
        if (target == -2) continue;
        if (target == -1) {
            actor.state.Uncertain("JOIN: unit " + std::to_string(number) +
                                  " is another faction's, whose structure admits only units its owner counts as Friendly");
            Problem(actor, &order, ProblemKind::Uncertain, "JOIN: Unit " + std::to_string(number) + " is not one of your units.");
            continue;
        }
        const Actor& host = actors_[static_cast<std::size_t>(target)];
        const int32_t structure = host.state.structure;
        if (structure == 0) {
            Problem(actor, &order, ProblemKind::Error, "JOIN: " + Name(host) + " is not in a structure or fleet.");
            continue;
        }
        const std::string option = next < order.words.size() ? order.words[next] : std::string();
        const RegionState& region = RegionFor(actor);
        if (!option.empty() && IsFleetKind(region.StructureKind(structure), tables_)) {
            // Merging fleets and a fleet's load are not run.
            actor.state.Uncertain("JOIN " + option + ": the fleet's load and merging are not previewed");
            Problem(actor, &order, ProblemKind::Uncertain, "JOIN " + option + ": The preview does not merge or load fleets.");
            continue;
        }
        if (structure == actor.state.structure) continue;
        if (Owner(actor.region, structure) < 0)
            actor.state.Uncertain("JOIN: the owner of " + StructureName(structure) +
                                  " belongs to another faction and refuses anyone it does not count as Friendly");
        actor.state.structure = structure;
        actor.seq = next_seq_++;
    }
    Reorder();
}

void MonthRun::Destroy() {
    for (int index : std::vector<int>(order_)) {
        Actor& actor = actors_[static_cast<std::size_t>(index)];
        const auto orders = OrdersOf(actor, Phase::Destroy);
        if (orders.empty() || actor.removed) continue;
        const TurnOrder& order = *orders.front().second;
        if (!MustOwn(actor, order)) continue;
        RegionState& region = RegionFor(actor);
        const int32_t structure = actor.state.structure;
        const std::string* kind = region.StructureKind(structure);
        if (kind == nullptr || IsFleetKind(kind, tables_)) {
            actor.state.Uncertain("DESTROY: destroying a fleet is not previewed");
            Problem(actor, &order, ProblemKind::Uncertain, "DESTROY: The preview does not destroy fleets.");
            continue;
        }
        if (rules_ == RuleSet::New) {
            // Men x building level (at least 1) points a month, at most the larger of 200 and a
            // third of the size.
            const StructureCost* cost = StructureCostOf(*kind, rules_);
            if (cost == nullptr) {
                actor.state.Uncertain("DESTROY: the size of a " + *kind + " is not known");
                continue;
            }
            const SkillState* skill = actor.state.Skill("BUIL");
            const int64_t points = std::min<int64_t>(actor.state.Men() * std::max(skill ? skill->level : 0, 1),
                                                     std::max<int64_t>(200, cost->size / 3));
            int32_t& needs = *region.StructureNeeds(structure);
            if (points < cost->size - needs) {
                needs += static_cast<int32_t>(points);
                continue;
            }
        }
        // Every unit inside is left in the open, in the order it stood.
        for (int inside : std::vector<int>(UnitsIn(actor.region))) {
            Actor& other = actors_[static_cast<std::size_t>(inside)];
            if (other.state.structure != structure) continue;
            other.state.structure = 0;
            other.seq = next_seq_++;
        }
        region.RemoveStructure(structure);
    }
    Reorder();
}

// ---- BUILD ----

bool MonthRun::StartBuilding(const std::vector<int>& units) {
    bool moved = false;
    // New buildings first, then BUILD HELP, as the month-long work does them.
    for (bool helping : {false, true}) {
        for (int index : units) {
            Actor& actor = actors_[static_cast<std::size_t>(index)];
            const TurnOrder* order = actor.month_long;
            if (order == nullptr || order->keyword != Keyword::Build) continue;
            const std::vector<std::string>& words = order->words;
            const bool plain = words.empty() || SameName(words[0], "complete");
            const bool help = !plain && SameName(words[0], "help");
            if (help != helping) continue;
            RegionState& region = RegionFor(actor);
            if (plain) {
                const std::string* kind = region.StructureKind(actor.state.structure);
                const int32_t* needs = region.StructureNeeds(actor.state.structure);
                if (needs != nullptr && *needs > 0 && !IsFleetKind(kind, tables_)) {
                    actor.project = actor.state.structure;
                } else if (!TouchesWater(actor.state.place)) {
                    Problem(actor, order, ProblemKind::Error, "BUILD: Unit is not in an unfinished structure.");
                } else {
                    // It may carry an unfinished ship, which the database does not keep.
                    actor.state.Uncertain("BUILD: an unfinished ship the unit may carry is not in the database");
                    Problem(actor, order, ProblemKind::Uncertain,
                            "BUILD: Unit is not in an unfinished structure, and any unfinished ship it carries is not known.");
                }
                continue;
            }
            if (help) {
                std::size_t next = 1;
                int32_t number = 0;
                const int target = Target(actor, words, next, number);
                if (target == -2) continue;
                if (target == -1) {
                    actor.state.Uncertain("BUILD HELP: unit " + std::to_string(number) + " is another faction's");
                    Problem(actor, order, ProblemKind::Uncertain, "BUILD: Helping another faction's unit is not previewed.");
                    continue;
                }
                const Actor& builder = actors_[static_cast<std::size_t>(target)];
                if (builder.project == 0) {
                    Problem(actor, order, ProblemKind::Error, "BUILD: " + Name(builder) + " isn't building.");
                    continue;
                }
                actor.project = builder.project;
            } else if (SameName(region.terrain, "ocean")) {
                Problem(actor, order, ProblemKind::Error, "BUILD: Can't build in an ocean.");
                continue;
            } else {
                const ObjectToken* object = tables_.FindObject(words[0]);
                if (object == nullptr) continue;  // a ship, built with the work; else the order checker reports the name
                if (!object->Buildable() || StructureCostOf(object->name, rules_) == nullptr) {
                    Problem(actor, order, ProblemKind::Error, "BUILD: Can't build that.");
                    continue;
                }
                if (BuildCost(actor, std::string(object->name), *order) == nullptr) continue;
                // A builder already in an unfinished structure of that type continues it.
                const std::string* kind = region.StructureKind(actor.state.structure);
                if (kind && SameName(*kind, object->name) && *region.StructureNeeds(actor.state.structure) > 0) {
                    actor.project = actor.state.structure;
                    continue;
                }
                // The lowest number 1 to 99 that the region does not use.
                int32_t number = 1;
                while (number < 100 && region.StructureKind(number) != nullptr) ++number;
                if (number == 100) {
                    Problem(actor, order, ProblemKind::Error, "BUILD: No structure number is left in " + region.title + ".");
                    continue;
                }
                if (!region.foreign_units.empty())
                    actor.state.Uncertain("another faction building in " + region.title + " earlier this month would take " +
                                          StructureName(number) + " first");
                region.AddStructure(number, std::string(object->name), StructureCostOf(object->name, rules_)->size, false, false);
                new_structures_.emplace_back(actor.region, number);
                actor.project = number;
            }
            if (actor.state.structure != actor.project) {
                actor.state.structure = actor.project;
                actor.seq = next_seq_++;
                moved = true;
            }
        }
    }
    return moved;
}

void MonthRun::BuildShip(Actor& actor, const TurnOrder& order, const ShipClass& ship) {
    const std::string name(ship.name);
    if (ship.material.empty()) return Problem(actor, &order, ProblemKind::Error, "BUILD: Can't build that.");
    if (!ship.flies && !TouchesWater(actor.state.place))
        return Problem(actor, &order, ProblemKind::Error, "BUILD: Can't build ship in non-coastal or lakeside region.");
    const SkillState* skill = actor.state.Skill("SHIP");
    if (skill == nullptr || skill->level < ship.level) return Problem(actor, &order, ProblemKind::Error, "BUILD: Can't build " + name + ".");
    if (!ship.other_material.empty()) {
        actor.state.Uncertain("BUILD: how " + std::string(ship.material) + " and " + std::string(ship.other_material) + " share the work on a " +
                              name + " is not known");
        return;
    }
    // Men x level man-months, one unit of material each, no more than the ship takes.
    const int64_t points = std::min({actor.state.Men() * skill->level, int64_t{ship.months}, Available(actor, ship.material)});
    if (points <= 0) return Problem(actor, &order, ProblemKind::Error, "BUILD: Don't have the required materials.");
    Spend(actor, ship.material, points);
    // The database keeps no unfinished ships, and a finished one joins a fleet whose number the game picks.
    actor.state.Uncertain(points < ship.months
                              ? "BUILD: the unfinished " + name + " the unit carries is not in the database (" +
                                    std::to_string(ship.months - points) + " man-months left if it was begun this month)"
                              : "BUILD: the finished " + name + " joins a fleet whose number the game picks");
}

const StructureCost* MonthRun::BuildCost(Actor& actor, const std::string& kind, const TurnOrder& order) {
    const StructureCost* cost = StructureCostOf(kind, rules_);
    const ObjectToken* object = tables_.FindObject(kind);
    if (cost == nullptr || object == nullptr) {
        actor.state.Uncertain("BUILD: what a " + kind + " takes is not known");
        return nullptr;
    }
    const SkillState* skill = actor.state.Skill(object->build_skill);
    if (skill == nullptr || skill->level < cost->level) {
        Problem(actor, &order, ProblemKind::Error, "BUILD: Can't build " + kind + ".");
        return nullptr;
    }
    return cost;
}

void MonthRun::Build(Actor& actor, const TurnOrder& order) {
    if (actor.project == 0) {
        const ItemToken* ship = order.words.empty() ? nullptr : tables_.FindShip(order.words[0]);
        const ShipClass* built = ship ? ShipClassNamed(ship->name) : nullptr;
        if (built != nullptr && !SameName(RegionFor(actor).terrain, "ocean")) BuildShip(actor, order, *built);
        return;
    }
    RegionState& region = RegionFor(actor);
    const std::string* kind = region.StructureKind(actor.project);
    if (kind == nullptr) return;
    const StructureCost* cost = BuildCost(actor, *kind, order);
    if (cost == nullptr) return;
    int32_t& needs = *region.StructureNeeds(actor.project);
    const int32_t level = actor.state.Skill(tables_.FindObject(*kind)->build_skill)->level;
    // Men x level points, no more than the structure still needs, one unit of material a point.
    int64_t points = std::min<int64_t>(actor.state.Men() * level, needs);
    const int64_t first = Available(actor, cost->material);
    const int64_t second = cost->other_material.empty() ? 0 : Available(actor, cost->other_material);
    points = std::min(points, first + second);
    if (points <= 0) {
        if (needs > 0) Problem(actor, &order, ProblemKind::Error, "BUILD: Don't have the required materials.");
        return;
    }
    const int64_t from_first = std::min(points, first);
    Spend(actor, cost->material, from_first);
    if (points > from_first) Spend(actor, cost->other_material, points - from_first);
    needs -= static_cast<int32_t>(points);
}

void MonthRun::RemoveUnbuiltStructures() {
    // A structure begun this month that got no work at all is gone by the next report.
    for (const auto& [region_index, number] : new_structures_) {
        RegionState& region = regions_[static_cast<std::size_t>(region_index)];
        const std::string* kind = region.StructureKind(number);
        const StructureCost* cost = kind ? StructureCostOf(*kind, rules_) : nullptr;
        if (cost == nullptr || *region.StructureNeeds(number) < cost->size) continue;
        for (int index : UnitsIn(region_index)) {
            Actor& actor = actors_[static_cast<std::size_t>(index)];
            if (actor.state.structure != number) continue;
            actor.state.structure = 0;
            actor.seq = next_seq_++;
        }
        region.RemoveStructure(number);
    }
}

}  // namespace hexwarden
