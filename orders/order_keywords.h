#pragma once

#include <optional>
#include <string_view>

#include "orders/rule_set.h"

namespace hexwarden {

// Every order word the server knows, in either rule set.
enum class Keyword {
    Address, Advance, Annihilate, Armor, Assassinate, Attack, Autotax, Avoid, Behind, Build, Buy, Cast,
    Claim, Combat, Consume, Declare, Describe, Destroy, Distribute, End, Endturn, Enter, Entertain, Evict,
    Exchange, Faction, Find, Forget, Form, Give, Guard, Hold, Idle, Join, Leave, Move, Name, Noaid,
    Nocross, Nospoils, Option, Password, Pillage, Prepare, Produce, Promote, Quit, Restart, Reveal,
    Sacrifice, Sail, Sell, Share, Show, Spoils, Steal, Study, Take, Tax, Teach, Transport, Turn, Unit,
    Weapon, Withdraw, Work,
};

// The keyword a word names in that rule set (exact word, any letter case, '_' as a blank); nothing
// for a word that is no order there.
std::optional<Keyword> KeywordNamed(std::string_view word, RuleSet rules);

// The keyword in capitals, as messages begin ("STUDY").
std::string_view KeywordText(Keyword keyword);

// Month-long in that rule set: one per unit, a later one replaces the earlier.
bool IsMonthLong(Keyword keyword, RuleSet rules);

}  // namespace hexwarden
