#pragma once

#include <cstdint>
#include <span>
#include <string_view>

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

// The game server's item table of both rule sets, in its order: every man, creature and good a
// report or an order can name. The order checker looks names up in it; the report import places
// codes no report has described.
std::span<const ItemToken> GameItems();

// The item whose code is exactly this one (the server writes codes in one letter case), of
// either rule set; null when there is none. No code belongs to two items.
const ItemToken* FindGameItemByCode(std::string_view code);

}  // namespace hexwarden
