// CAST: what the faction's own report can tell of a spell before it is cast.
#include <algorithm>

#include "turn/month.h"

namespace hexwarden {

void MonthRun::Cast() {
    for (int index : order_) {
        Actor& actor = actors_[static_cast<std::size_t>(index)];
        const auto orders = OrdersOf(actor, Phase::Cast);
        if (orders.empty()) continue;
        const TurnOrder& order = *orders.back().second;  // a later CAST replaces an earlier one
        const SkillToken* spell = order.words.empty() ? nullptr : tables_.FindSkill(order.words[0]);
        if (spell == nullptr) continue;  // the order checker reports it
        const bool mage = std::any_of(actor.state.skills.begin(), actor.state.skills.end(), [&](const auto& skill) {
            const SkillToken* token = tables_.FindSkill(skill.first);
            return token != nullptr && token->Has(SkillFlag::Magic);
        });
        if (!mage) {
            Problem(actor, &order, ProblemKind::Error, "CAST: Unit is not a mage.");
            continue;
        }
        const SkillState* known = actor.state.Skill(spell->abbr);
        if (known == nullptr || known->level < 1) {
            Problem(actor, &order, ProblemKind::Error, "CAST '" + std::string(spell->name) + "': Skill level isn't that high.");
            continue;
        }
        // Spells meet chance and other factions' units; their effects are not run.
        actor.state.Uncertain("CAST " + std::string(spell->name) + ": what the spell does is not previewed");
        Problem(actor, &order, ProblemKind::Uncertain, "CAST '" + std::string(spell->name) + "': The preview does not cast spells.");
    }
}

}  // namespace hexwarden
