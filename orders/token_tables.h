#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "orders/rule_set.h"

namespace hexwarden {

// Item classes, as bits.
namespace ItemClass {
inline constexpr uint32_t Man = 1u << 0;
inline constexpr uint32_t Leader = 1u << 1;
inline constexpr uint32_t Normal = 1u << 2;
inline constexpr uint32_t Money = 1u << 3;
inline constexpr uint32_t Food = 1u << 4;
inline constexpr uint32_t Mount = 1u << 5;
inline constexpr uint32_t Ship = 1u << 6;
inline constexpr uint32_t Weapon = 1u << 7;
inline constexpr uint32_t Armor = 1u << 8;
inline constexpr uint32_t Advanced = 1u << 9;
inline constexpr uint32_t Trade = 1u << 10;
inline constexpr uint32_t Monster = 1u << 11;
inline constexpr uint32_t Animal = 1u << 12;
inline constexpr uint32_t Undead = 1u << 13;
inline constexpr uint32_t Demon = 1u << 14;
inline constexpr uint32_t Magic = 1u << 15;
inline constexpr uint32_t Battle = 1u << 16;
inline constexpr uint32_t Special = 1u << 17;
inline constexpr uint32_t Mageonly = 1u << 18;
inline constexpr uint32_t Illusion = 1u << 19;
inline constexpr uint32_t Tool = 1u << 20;
}  // namespace ItemClass

namespace SkillFlag {
inline constexpr uint32_t Magic = 1u << 0;
inline constexpr uint32_t Foundation = 1u << 1;
inline constexpr uint32_t Combat = 1u << 2;
inline constexpr uint32_t Cast = 1u << 3;
inline constexpr uint32_t Apprentice = 1u << 4;
}  // namespace SkillFlag

// Which rule sets have a token.
inline constexpr uint8_t kStd = 1;
inline constexpr uint8_t kNew = 2;
inline constexpr uint8_t kBoth = kStd | kNew;

inline constexpr uint8_t kNoGive = 1;
inline constexpr uint8_t kNoTransport = 2;

struct ItemToken {
    int index;
    uint8_t rules;
    std::string_view abbr;
    std::string_view name;
    std::string_view plural;
    uint32_t classes;
    uint8_t flags;
    std::string_view produce_skill;  // abbreviation; empty when nobody produces it

    bool Giveable() const { return (flags & kNoGive) == 0; }
    bool Transportable() const { return (flags & (kNoGive | kNoTransport)) == 0; }
    bool Is(uint32_t item_class) const { return (classes & item_class) != 0; }
};

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
