// TEACH and the month-long work, region by region: STUDY, crafting, then the region's shared
// work (WORK, ENTERTAIN, gathering).
#include <algorithm>
#include <map>

#include "orders/orders_database.h"
#include "turn/game_tables.h"
#include "turn/month.h"
#include "turn/pool_share.h"

namespace hexwarden {

namespace {

bool HasMageRoom(const std::string* kind) {
    if (kind == nullptr) return false;
    for (std::string_view room : {"Fort", "Castle", "Citadel", "Stockade", "Magical", "Hermit"})
        if (kind->find(room) != std::string::npos) return true;
    return false;
}

}  // namespace

void MonthRun::Teach() {
    for (int index : order_) {
        Actor& teacher = actors_[static_cast<std::size_t>(index)];
        if (!teacher.month_long || teacher.month_long->keyword != Keyword::Teach) continue;
        const TurnOrder& order = *teacher.month_long;
        if (teacher.state.HasOrdinaryMen() || !teacher.state.HasLeaders()) {
            Problem(teacher, &order, ProblemKind::Error, "TEACH: Only leaders can teach.");
            continue;
        }
        // Valid students: the faction's, here, studying a skill the teacher knows better.
        std::vector<std::pair<Actor*, int64_t>> students;
        int64_t student_men = 0;
        for (std::size_t next = 0; next < order.words.size();) {
            int32_t number = 0;
            const int target = Target(teacher, order.words, next, number);
            if (target == -2) {
                ++next;
                continue;
            }
            if (target < 0) {
                teacher.state.Uncertain("teaches unit " + std::to_string(number) +
                                        ", which is taught only if its faction counts this one as Friendly");
                continue;
            }
            Actor& student = actors_[static_cast<std::size_t>(target)];
            const TurnOrder* study = student.month_long;
            const SkillToken* skill = study && study->keyword == Keyword::Study && !study->words.empty()
                                          ? tables_.FindSkill(study->words[0])
                                          : nullptr;
            const SkillState* known = skill ? teacher.state.Skill(skill->abbr) : nullptr;
            const SkillState* learnt = skill ? student.state.Skill(skill->abbr) : nullptr;
            if (known == nullptr || (learnt && learnt->level >= known->level)) {
                Problem(teacher, &order, ProblemKind::Error, "TEACH: " + Name(student) + " is not studying a skill this unit can teach.");
                continue;
            }
            students.emplace_back(&student, student.state.Men());
            student_men += student.state.Men();
        }
        // Each teaching man gives 300 days, shared in proportion to the students' men, at most 30 a man.
        int64_t days = 300 * teacher.state.Men();
        for (auto& [student, men] : students) {
            if (student_men <= 0 || men <= 0) break;
            const int64_t share = std::min(days * men / student_men, 30 * men);
            const int64_t per_man = std::min<int64_t>(share / men, 30 - student->taught_days);
            student->taught_days += std::max<int64_t>(per_man, 0);
            days -= share;
            student_men -= men;
        }
    }
}

void MonthRun::MonthLongWork() {
    if (rules_ == RuleSet::New) {
        Pillage(true);
        Tax(true);
    }
    bool moved_in = false;
    for (std::size_t region = 0; region < by_region_.size(); ++region) {
        std::vector<int> units = by_region_[region];
        for (int index : units) {
            Actor& actor = actors_[static_cast<std::size_t>(index)];
            if (actor.month_long && actor.month_long->keyword == Keyword::Study) Study(actor, *actor.month_long);
        }
        if (StartBuilding(units)) {
            // Builders went into their structures, last in each: the work follows the new order.
            moved_in = true;
            const RegionState& state = regions_[region];
            std::stable_sort(units.begin(), units.end(), [&](int a, int b) {
                const Actor& first = actors_[static_cast<std::size_t>(a)];
                const Actor& second = actors_[static_cast<std::size_t>(b)];
                return std::pair(state.StructureRank(first.state.structure), first.seq) <
                       std::pair(state.StructureRank(second.state.structure), second.seq);
            });
        }
        for (int index : units) {
            Actor& actor = actors_[static_cast<std::size_t>(index)];
            if (!actor.month_long) continue;
            if (actor.month_long->keyword == Keyword::Produce) Produce(actor, *actor.month_long);
            if (actor.month_long->keyword == Keyword::Build) Build(actor, *actor.month_long);
        }
        std::vector<int> workers;
        std::vector<int> entertainers;
        for (int index : units) {
            const Actor& actor = actors_[static_cast<std::size_t>(index)];
            if (actor.month_long == nullptr) {
                // No month-long order: the unit works (in the new rules it taxes with AUTOTAX).
                if (!(rules_ == RuleSet::New && actor.state.settings.autotax)) workers.push_back(index);
            } else if (actor.month_long->keyword == Keyword::Work) {
                workers.push_back(index);
            } else if (actor.month_long->keyword == Keyword::Entertain) {
                entertainers.push_back(index);
            }
        }
        Work(workers, false);
        Work(entertainers, true);
        GatherLand(units);
    }
    if (moved_in) Reorder();
}

void MonthRun::Study(Actor& actor, const TurnOrder& order) {
    const SkillToken* skill = order.words.empty() ? nullptr : tables_.FindSkill(order.words[0]);
    if (skill == nullptr) return;
    UnitState& unit = actor.state;
    const std::string code(skill->abbr);
    const std::string named = std::string(skill->name) + " [" + code + "]";
    const SkillState current = unit.Skill(code) ? *unit.Skill(code) : SkillState{};
    int32_t maximum = 5;
    for (const auto& [race, count] : unit.men) maximum = std::min(maximum, RaceMaximum(race, *skill, rules_));
    const auto fail = [&](std::string message) { Problem(actor, &order, ProblemKind::Error, "STUDY: " + message); };
    if (unit.Men() == 0) return;
    if (current.level >= maximum) return fail("Maximum level for " + named + " reached.");
    if (order.words.size() > 1) {
        const auto target = OrderNumber(order.words[1]);
        if (target && current.level >= *target) return fail("Already reached level " + order.words[1] + " in " + named + ".");
    }
    if (skill->Has(SkillFlag::Magic) && (unit.Men() != 1 || !unit.HasLeaders()))
        return fail("Only one-man leader units can study magic.");
    if (rules_ == RuleSet::Standard && !unit.HasLeaders()) {
        for (const auto& [known, state] : unit.skills)
            if (known != code) return fail("Units without leaders can know only one skill.");
    }
    if (actor.record != nullptr && OrdersDatabase(start_.Database()).StudyBlocked(*actor.record, *skill))
        return fail("Doesn't have the pre-requisite skills to study that.");
    const int64_t cost = StudyPrice(*skill, rules_) * unit.Men();
    if (Available(actor, "SILV") < cost) return fail("Not enough funds to study " + named + ".");
    Spend(actor, "SILV", cost);
    int64_t days = 30;
    // Magic above level 2 counts half outside a building with room for mages.
    if (skill->Has(SkillFlag::Magic) && current.level >= 2 && !HasMageRoom(RegionFor(actor).StructureKind(unit.structure)))
        days = 15;
    days += actor.taught_days;
    const int64_t total = current.days + days;
    unit.SetSkill(code, {std::min(LevelForDays(total), maximum), total});
    CapSkills(actor);
}

void MonthRun::Produce(Actor& actor, const TurnOrder& order) {
    const auto& words = order.words;
    const bool counted = words.size() > 1;
    const ItemToken* item = words.empty() ? nullptr : tables_.FindItem(words.back());
    if (item == nullptr) return;
    const std::string code(item->abbr);
    const Recipe* recipe = RecipeFor(code);
    if (recipe == nullptr) {
        actor.state.Uncertain("PRODUCE: making " + std::string(item->plural) + " is not previewed");
        return;
    }
    const SkillState* skill = actor.state.Skill(recipe->skill);
    const int32_t level = skill ? skill->level : 0;
    if (level < recipe->level)
        return Problem(actor, &order, ProblemKind::Error,
                       "PRODUCE: Unit isn't skilled enough to produce " + std::string(item->name) + ".");
    const int64_t men = actor.state.Men();
    const int64_t tools = std::min(men, actor.state.items.Count(recipe->tool));
    int64_t amount = men * level + tools * recipe->tool_bonus;
    if (recipe->input_count == 0) {
        // A land resource: gathered with the region's shared work.
        if (RegionFor(actor).products.Count(code) == 0)
            return Problem(actor, &order, ProblemKind::Error, "PRODUCE: Can't produce " + std::string(item->plural) + " [" + code + "] here.");
        actor.gather = counted ? std::min<int64_t>(amount, OrderNumber(words[0]).value_or(0)) : amount;
        return;
    }
    amount /= recipe->months;
    amount = std::min(amount, Available(actor, std::string(recipe->input)) / recipe->input_count);
    if (counted) amount = std::min<int64_t>(amount, std::max<int32_t>(OrderNumber(words[0]).value_or(0), 0));
    if (amount <= 0)
        return Problem(actor, &order, ProblemKind::Error, "PRODUCE: Not enough " + std::string(recipe->input) + " to produce " +
                                                              std::string(item->plural) + ".");
    Spend(actor, std::string(recipe->input), amount * recipe->input_count);
    actor.state.items.Add(code, amount);
}

void MonthRun::GatherLand(const std::vector<int>& units) {
    std::map<std::string, std::vector<int>> by_item;
    for (int index : units) {
        const Actor& actor = actors_[static_cast<std::size_t>(index)];
        if (actor.gather > 0) by_item[std::string(tables_.FindItem(actor.month_long->words.back())->abbr)].push_back(index);
    }
    for (const auto& [code, gatherers] : by_item) {
        std::vector<int64_t> asked;
        int64_t total = 0;
        for (int index : gatherers) {
            asked.push_back(actors_[static_cast<std::size_t>(index)].gather);
            total += asked.back();
        }
        const RegionState& region = RegionFor(actors_[static_cast<std::size_t>(gatherers[0])]);
        const int64_t pool = region.products.Count(code);
        const std::vector<int64_t> got = SharePool(asked, pool);
        for (std::size_t i = 0; i < gatherers.size(); ++i) {
            Actor& actor = actors_[static_cast<std::size_t>(gatherers[i])];
            actor.state.items.Add(code, got[i]);
            // Other factions' men could gather at most level 5 and two tools' worth each.
            if (region.foreign_men > 0 && total + region.foreign_men * 7 > pool)
                actor.state.Uncertain("other factions' units in " + region.title + " (" + region.ForeignNames() +
                                      ") may gather from the same " + std::to_string(pool) + " " + code);
        }
    }
}

void MonthRun::Work(std::vector<int>& workers, bool entertain) {
    if (workers.empty()) return;
    const RegionState& region = RegionFor(actors_[static_cast<std::size_t>(workers[0])]);
    const int64_t rate = entertain ? (rules_ == RuleSet::Standard ? 20 : 30) : region.wage;
    std::vector<int64_t> asked;
    int64_t total = 0;
    for (int index : workers) {
        const Actor& actor = actors_[static_cast<std::size_t>(index)];
        const SkillState* skill = actor.state.Skill("ENTE");
        asked.push_back(actor.state.Men() * rate * (entertain ? (skill ? skill->level : 0) : 1));
        total += asked.back();
    }
    const int64_t pool = entertain ? region.entertainment_pool : region.work_pool;
    const std::vector<int64_t> paid = SharePool(asked, pool);
    // Other factions' men could at most earn the wage (or entertain at level 5) each.
    const int64_t others = region.foreign_men * (entertain ? rate * 5 : rate + 1);
    for (std::size_t i = 0; i < workers.size(); ++i) {
        Actor& actor = actors_[static_cast<std::size_t>(workers[i])];
        actor.state.items.Add("SILV", paid[i]);
        // An empty pool pays nobody, however many share it.
        if (others > 0 && pool > 0 && total + others > pool)
            actor.state.Uncertain("other factions' units in " + region.title + " (" + region.ForeignNames() + ") may " +
                                  (entertain ? "entertain" : "work") + " for the same $" + std::to_string(pool));
        // The reports give wages with tenths ("$14.6"), which the database does not keep: more
        // than one man may earn up to one silver per ten men more.
        if (!entertain && actor.state.Men() >= 2 && paid[i] == asked[i] && rate > 0)
            actor.state.Uncertain("the database keeps the wage in " + region.title + " as $" + std::to_string(rate) +
                                  " without its tenths, so work earns " + std::to_string(asked[i]) + " to " +
                                  std::to_string(asked[i] + actor.state.Men() * 9 / 10) + " silver");
    }
}

}  // namespace hexwarden
