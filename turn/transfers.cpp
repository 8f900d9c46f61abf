// ENTER and LEAVE, GIVE and TAKE, EXCHANGE, FORGET, the removal of units without men and WITHDRAW.
#include <algorithm>

#include "model/database.h"
#include "model/unit.h"
#include "turn/game_tables.h"
#include "turn/month.h"

namespace hexwarden {

namespace {

// a x b / c without overflow for the amounts a turn can hold.
int64_t Proportion(int64_t a, int64_t b, int64_t c) {
    if (c <= 0) return 0;
    return (a / c) * b + (a % c) * b / c;
}

}  // namespace

void MonthRun::EnterLeave() {
    for (int index : order_) {
        Actor& actor = actors_[static_cast<std::size_t>(index)];
        for (const auto& [phase, order] : OrdersOf(actor, Phase::EnterLeave)) {
            const RegionState& region = RegionFor(actor);
            if (order->keyword == Keyword::Leave) {
                if (actor.state.structure == 0) continue;
                actor.state.structure = 0;
                actor.seq = next_seq_++;
                continue;
            }
            const auto number = order->words.empty() ? std::nullopt : OrderNumber(order->words[0]);
            if (!number) continue;
            const auto found = std::find(region.structures.begin(), region.structures.end(), *number);
            if (found == region.structures.end()) {
                Problem(actor, order, ProblemKind::Error, "ENTER: Can't enter that.");
                continue;
            }
            if (region.structure_foreign_owner[static_cast<std::size_t>(found - region.structures.begin())])
                actor.state.Uncertain("the owner of structure " + std::to_string(*number) +
                                      " belongs to another faction and refuses anyone it does not count as Friendly");
            actor.state.structure = *number;
            actor.seq = next_seq_++;
        }
    }
    Reorder();
}

void MonthRun::GiveTake() {
    for (int index : std::vector<int>(order_))
        for (const auto& [phase, order] : OrdersOf(actors_[static_cast<std::size_t>(index)], Phase::GiveTake))
            Give(actors_[static_cast<std::size_t>(index)], *order, order->keyword == Keyword::Take);
}

void MonthRun::Give(Actor& actor, const TurnOrder& order, bool take) {
    const std::string verb = take ? "TAKE: " : "GIVE: ";
    const auto& words = order.words;
    std::size_t next = take ? 1 : 0;
    int32_t number = 0;
    const int target = Target(actor, words, next, number);
    if (target == -2 || next >= words.size()) return;  // the order checker reports the words
    const bool discard = !take && target == -1 && number == 0 && !SameName(words[take ? 1 : 0], "new") &&
                         !SameName(words[take ? 1 : 0], "faction");
    const std::string& amount_word = words[next++];
    if (target == -1 && !discard) {
        const TVelUnit* other = number != 0 ? start_.Database().Units.FindByNumber(number) : nullptr;
        const bool here = other != nullptr && other->At() == actor.state.place;
        if (!here) return Problem(actor, &order, ProblemKind::Error, verb + "Nonexistant target (" + std::to_string(number) + ").");
        if (take) return Problem(actor, &order, ProblemKind::Error, verb + std::to_string(number) + " is not a member of your faction.");
        if (next >= words.size()) return;
        // Silver goes to anyone the giver sees; anything else needs the receiver to count the
        // giver's faction as Friendly, which the reports do not say.
        const ItemToken* item = tables_.FindItem(words[next], ItemFilter::Giveable);
        if (item == nullptr || item->Is(ItemClass::Man)) return;
        if (!SameName(item->abbr, "SILV"))
            actor.state.Uncertain("gives to unit " + std::to_string(number) +
                                  " of another faction, which takes goods only from factions it counts as Friendly");
        const auto amount = OrderNumber(amount_word);
        const int64_t own = actor.state.items.Count(item->abbr);
        const int64_t given = SameName(amount_word, "all") ? own : std::min<int64_t>(own, amount.value_or(0));
        actor.state.items.Add(item->abbr, -std::max<int64_t>(given, 0));
        return;
    }
    if (SameName(amount_word, "unit")) {
        // Handing the whole unit to another faction, or to oneself: the unit stays the faction's
        // only when the receiver is its own faction.
        return;
    }
    Actor& from = take ? actors_[static_cast<std::size_t>(target)] : actor;
    if (!take && target >= 0 && &actors_[static_cast<std::size_t>(target)] == &actor) return;
    const bool all = SameName(amount_word, "all");
    const auto count = all ? std::optional<int32_t>(0) : OrderNumber(amount_word);
    if (!count || next >= words.size()) return;
    if (SameName(words[next], "unfinished")) ++next;
    if (next >= words.size()) return;
    const std::string& item_word = words[next++];
    int64_t except = 0;
    if (next + 1 < words.size() && SameName(words[next], "except")) except = OrderNumber(words[next + 1]).value_or(0);

    const ItemToken* item = tables_.FindItem(item_word, discard ? ItemFilter::Any : ItemFilter::Giveable);
    if (item == nullptr) {
        const uint32_t classes = all ? ItemClassNamed(item_word) : 0;
        if (classes == 0) return;
        // Everything of those classes the giver itself holds.
        std::vector<std::pair<std::string, bool>> codes;
        for (const auto& [code, amount] : from.state.men) codes.emplace_back(code, true);
        for (const auto& [code, amount] : from.state.items) codes.emplace_back(code, false);
        for (const auto& [code, men] : codes) {
            const ItemToken* held = Item(code);
            if (held == nullptr || (held->classes & classes) == 0 || !held->Giveable()) continue;
            const int64_t amount = men ? from.state.men.Count(code) : from.state.items.Count(code);
            if (discard) (men ? from.state.men : from.state.items).Add(code, -amount);
            else MoveGoods(from, take ? actor : actors_[static_cast<std::size_t>(target)], code, amount, men);
        }
        return;
    }
    const bool men = item->Is(ItemClass::Man);
    const std::string code(item->abbr);
    const int64_t own = men ? from.state.men.Count(code) : from.state.items.Count(code);
    int64_t amount = *count;
    if (all) {
        if (except > own) return Problem(actor, &order, ProblemKind::Error, verb + "EXCEPT value greater than amount on hand.");
        amount = own - except;
    } else if (amount > own) {
        // Sharing units of the giver chip in for goods, never for men.
        const int64_t available = men || take ? own : Available(from, code);
        if (amount > available) {
            Problem(actor, &order, ProblemKind::Error, verb + "Not enough.");
            amount = available;
        }
        if (!men && amount > own) Borrow(from, code, amount - own);
    }
    if (amount <= 0) return;
    if (discard) {
        if (men && amount >= from.state.Men()) return Problem(actor, &order, ProblemKind::Error, "Can't discard a whole unit.");
        if (men) {
            TakeMen(from, code, amount);  // their share of the skill days leaves with them
        } else {
            from.state.items.Add(code, -amount);
        }
        return;
    }
    Actor& to = take ? actor : actors_[static_cast<std::size_t>(target)];
    if (men && ((item->Is(ItemClass::Leader) && to.state.HasOrdinaryMen()) || (!item->Is(ItemClass::Leader) && to.state.HasLeaders())))
        return Problem(actor, &order, ProblemKind::Error, verb + "Can't mix leaders and normal men.");
    MoveGoods(from, to, code, amount, men);
}

void MonthRun::MoveGoods(Actor& from, Actor& to, std::string_view code, int64_t amount, bool men) {
    Inherit(to, from);
    if (!men) {
        from.state.items.Add(code, -amount);
        to.state.items.Add(code, amount);
        return;
    }
    AddMen(to, code, amount, TakeMen(from, code, amount));
}

std::vector<std::pair<std::string, int64_t>> MonthRun::TakeMen(Actor& from, std::string_view race, int64_t amount) {
    // Skills travel with the men: the giver's days split in proportion to the men moved.
    const int64_t before = from.state.Men();
    std::vector<std::pair<std::string, int64_t>> moved_days;
    for (auto& [skill, state] : from.state.skills) {
        const int64_t total = state.days * before;
        const int64_t moved = Proportion(total, amount, before);
        moved_days.emplace_back(skill, moved);
        if (before > amount) state.days = (total - moved) / (before - amount);
    }
    from.state.men.Add(race, -amount);
    return moved_days;
}

void MonthRun::AddMen(Actor& to, std::string_view race, int64_t count, const std::vector<std::pair<std::string, int64_t>>& skill_days) {
    const int64_t before = to.state.Men();
    const int64_t after = before + count;
    std::vector<std::pair<std::string, int64_t>> totals;
    for (const auto& [skill, state] : to.state.skills) totals.emplace_back(skill, state.days * before);
    for (const auto& moved : skill_days) {
        const auto known = std::find_if(totals.begin(), totals.end(), [&](const auto& entry) { return entry.first == moved.first; });
        if (known != totals.end()) known->second += moved.second;
        else totals.push_back(moved);
    }
    to.state.men.Add(race, count);
    for (const auto& [skill, total] : totals) {
        const int64_t days = after > 0 ? total / after : 0;
        SkillState* known = to.state.Skill(skill);
        // Days that fall below the level's need lower the level; a level the reports gave stays
        // when the days still reach it.
        const int32_t level = LevelForDays(days);
        to.state.SetSkill(skill, {known && known->days == days ? known->level : level, days});
    }
    CapSkills(to);
}

void MonthRun::CapSkills(Actor& actor) {
    UnitState& unit = actor.state;
    if (rules_ == RuleSet::Standard && !unit.HasLeaders() && unit.skills.size() > 1) {
        // A unit without leaders keeps only its non-magic skill with the most days.
        const auto best = std::max_element(unit.skills.begin(), unit.skills.end(), [&](const auto& a, const auto& b) {
            const SkillToken* skill_a = tables_.FindSkill(a.first);
            const SkillToken* skill_b = tables_.FindSkill(b.first);
            const bool magic_a = skill_a && skill_a->Has(SkillFlag::Magic);
            const bool magic_b = skill_b && skill_b->Has(SkillFlag::Magic);
            if (magic_a != magic_b) return magic_a;
            return a.second.days < b.second.days;
        });
        const std::string keep = best->first;
        std::erase_if(unit.skills, [&](const auto& skill) {
            const SkillToken* token = tables_.FindSkill(skill.first);
            return skill.first != keep && !(token && token->Has(SkillFlag::Magic));
        });
    }
    for (auto& [code, state] : unit.skills) {
        const SkillToken* skill = tables_.FindSkill(code);
        if (skill == nullptr) continue;
        int32_t maximum = 5;
        for (const auto& [race, count] : unit.men) maximum = std::min(maximum, RaceMaximum(race, *skill, rules_));
        if (state.level >= maximum) state = {maximum, std::min<int64_t>(state.days, DaysForLevel(maximum))};
    }
}

void MonthRun::Exchange() {
    for (int index : order_) {
        Actor& actor = actors_[static_cast<std::size_t>(index)];
        for (const auto& [phase, order] : OrdersOf(actor, Phase::Exchange)) {
            // The first of two matching orders passes without a word; the second gets the error.
            std::size_t next = 0;
            int32_t number = 0;
            const int target = Target(actor, order->words, next, number);
            const bool answered_later =
                target >= 0 && actors_[static_cast<std::size_t>(target)].seq > actor.seq &&
                !OrdersOf(actors_[static_cast<std::size_t>(target)], Phase::Exchange).empty();
            if (!answered_later)
                Problem(actor, order, ProblemKind::Error, "EXCHANGE: target unit did not issue a matching exchange order.");
        }
    }
}

void MonthRun::Forget() {
    for (int index : order_) {
        Actor& actor = actors_[static_cast<std::size_t>(index)];
        for (const auto& [phase, order] : OrdersOf(actor, Phase::Forget)) {
            const SkillToken* skill = order->words.empty() ? nullptr : tables_.FindSkill(order->words[0]);
            if (skill != nullptr) actor.state.ForgetSkill(skill->abbr);
        }
    }
}

void MonthRun::RemoveEmptyUnits() {
    for (int index : order_) {
        Actor& actor = actors_[static_cast<std::size_t>(index)];
        if (actor.state.Men() > 0) continue;
        actor.removed = true;
        // Its goods pass to the first other unit of the faction in the region.
        Actor* heir = nullptr;
        for (int other : UnitsIn(actor.region))
            if (other != index && !actors_[static_cast<std::size_t>(other)].removed) {
                heir = &actors_[static_cast<std::size_t>(other)];
                break;
            }
        std::string message = Name(actor) + " has no men after buying and is removed";
        if (!actor.state.items.Empty()) message += heir ? "; its goods pass to " + Name(*heir) : "; its goods are lost";
        Problem(actor, nullptr, ProblemKind::Warning, message + ".");
        if (heir == nullptr) continue;
        for (const auto& [code, amount] : actor.state.items) heir->state.items.Add(code, amount);
        Inherit(*heir, actor);
    }
    Reorder();
}

void MonthRun::Withdraw() {
    for (int index : order_) {
        Actor& actor = actors_[static_cast<std::size_t>(index)];
        for (const auto& [phase, order] : OrdersOf(actor, Phase::Withdraw)) {
            const std::vector<std::string>& words = order->words;
            if (words.empty()) continue;
            const bool counted = words.size() > 1;
            const auto amount = counted ? OrderNumber(words[0]) : std::optional<int32_t>(1);
            const ItemToken* item = tables_.FindItem(words[counted ? 1 : 0], ItemFilter::Giveable);
            if (!amount || *amount <= 0 || item == nullptr) continue;  // the order checker reports it
            const std::string code(item->abbr);
            const std::string goods = ItemText(item, code, *amount);
            if (actor.state.place.Where.Kind() == LevelKind::Nexus) {
                Problem(actor, order, ProblemKind::Error, "WITHDRAW: Withdraw does not work in the Nexus.");
                continue;
            }
            const int64_t cost = int64_t{WithdrawCost(code)} * *amount;
            if (cost == 0) {
                // Expected: the goods arrive; what they cost the unclaimed silver is unknown.
                pool_short_ = true;
                actor.state.items.Add(code, *amount);
                actor.state.Uncertain("WITHDRAW: " + goods + " cost 2½ times their base price, which the database does not hold");
                Problem(actor, order, ProblemKind::Uncertain,
                        "WITHDRAW: The cost of " + goods + " is not known: the database holds no base prices.");
                continue;
            }
            if (cost > unclaimed_) {
                pool_short_ = true;
                Problem(actor, order, ProblemKind::Error, "WITHDRAW: Too little unclaimed silver to withdraw " + goods + ".");
                continue;
            }
            unclaimed_ -= cost;
            claimed_[static_cast<std::size_t>(actor.start_index)] += cost;
            actor.state.items.Add(code, *amount);
        }
    }
}

}  // namespace hexwarden
