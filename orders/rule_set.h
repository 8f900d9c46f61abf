#pragma once

#include <optional>
#include <string_view>

namespace hexwarden {

// The game server runs one of two rule sets; they differ in orders, items and skills.
enum class RuleSet { Standard, New };

// "standard" or "new" (any letter case); nothing for any other word.
std::optional<RuleSet> RuleSetNamed(std::string_view word);
std::string_view RuleSetName(RuleSet rules);

}  // namespace hexwarden
