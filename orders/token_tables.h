#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "model/game_items.h"
#include "orders/rule_set.h"

namespace hexwarden {

namespace SkillFlag {
inline constexpr uint32_t Magic = 1u << 0;
inline constexpr uint32_t Foundation = 1u << 1;
inline constexpr uint32_t Combat = 1u << 2;
inline constexpr uint32_t Cast = 1u << 3;
inline constexpr uint32_t Apprentice = 1u << 4;
}  // namespace SkillFlag

struct SkillToken {
    int index;
    uint8_t rules;
    std::string_view abbr;
    std::string_view name;
    uint32_t flags;

    bool Has(uint32_t flag) const { return (flags & flag) != 0; }
};

struct ObjectToken {
    int index;
    uint8_t rules;
    std::string_view name;
    bool enterable;
    std::string_view build_skill;

    bool Buildable() const { return enterable && !build_skill.empty(); }
};

// Which items a context accepts; on a name two items share, the first accepted one wins.
enum class ItemFilter { Any, Giveable, Transportable };

// The tokens one rule set accepts in orders, looked up as the server compares names: without
// regard to case and with '_' the same as a blank. Lookups are hashed.
class TokenTables {
public:
    static const TokenTables& For(RuleSet rules);

    // By name, plural or abbreviation.
    const ItemToken* FindItem(std::string_view text, ItemFilter filter = ItemFilter::Any) const;
    // By name or abbreviation.
    const SkillToken* FindSkill(std::string_view text) const;
    // By name only.
    const ObjectToken* FindObject(std::string_view text) const;
    // A ship item by name or abbreviation (not plural), as BUILD takes it.
    const ItemToken* FindShip(std::string_view text) const;
    const SkillToken* SkillByAbbr(std::string_view abbr) const { return FindSkill(abbr); }

    RuleSet Rules() const { return rules_; }

    explicit TokenTables(RuleSet rules);
    ~TokenTables();
    TokenTables(const TokenTables&) = delete;
    TokenTables& operator=(const TokenTables&) = delete;

private:
    struct Index;
    RuleSet rules_;
    Index* index_;
};

// The item classes GIVE ALL and TAKE ALL accept ("WEAPONS", "men", "Item"); 0 for any other word.
// ITEM(S) is every item, given as all bits.
uint32_t ItemClassNamed(std::string_view text);

// Lower case with '_' made a blank, into the buffer: the key every name lookup compares.
std::string_view NameKey(std::string_view text, std::string& buffer);
// The server's comparison of keywords and names.
bool SameName(std::string_view a, std::string_view b);

}  // namespace hexwarden
