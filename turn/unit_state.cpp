#include "turn/unit_state.h"

#include <algorithm>

namespace hexwarden {

int64_t Stock::Count(std::string_view code) const {
    const auto found = std::lower_bound(entries_.begin(), entries_.end(), code,
                                        [](const auto& entry, std::string_view key) { return entry.first < key; });
    return found != entries_.end() && found->first == code ? found->second : 0;
}

void Stock::Add(std::string_view code, int64_t amount) {
    if (amount == 0) return;
    auto found = std::lower_bound(entries_.begin(), entries_.end(), code,
                                  [](const auto& entry, std::string_view key) { return entry.first < key; });
    if (found == entries_.end() || found->first != code) found = entries_.insert(found, {std::string(code), 0});
    found->second += amount;
    if (found->second <= 0) entries_.erase(found);
}

int64_t Stock::Total() const {
    int64_t total = 0;
    for (const auto& entry : entries_) total += entry.second;
    return total;
}

SkillState* UnitState::Skill(std::string_view code) {
    for (auto& skill : skills)
        if (skill.first == code) return &skill.second;
    return nullptr;
}

const SkillState* UnitState::Skill(std::string_view code) const {
    return const_cast<UnitState*>(this)->Skill(code);
}

void UnitState::SetSkill(std::string_view code, SkillState skill) {
    if (SkillState* known = Skill(code)) *known = skill;
    else skills.emplace_back(std::string(code), skill);
}

void UnitState::ForgetSkill(std::string_view code) {
    std::erase_if(skills, [code](const auto& skill) { return skill.first == code; });
}

void UnitState::Uncertain(std::string why) {
    certain = false;
    if (std::find(why_uncertain.begin(), why_uncertain.end(), why) == why_uncertain.end())
        why_uncertain.push_back(std::move(why));
}

const char* ProblemKindWord(ProblemKind kind) {
    switch (kind) {
        case ProblemKind::Error: return "error";
        case ProblemKind::Warning: return "warning";
        case ProblemKind::Uncertain: return "uncertain";
    }
    return "error";
}

}  // namespace hexwarden
