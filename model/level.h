#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace hexwarden {

// The kinds of level in the order of depth the game gives them.
enum class LevelKind : uint8_t { Nexus, Surface, Underworld, Underdeep, Abyss };

// One level of the game world, as a report names it in a coordinate: nothing for the surface,
// "nexus", "underworld", "deep underworld", "very deep underworld", "underdeep", "deep underdeep",
// "abyss", or in games that number their levels "2 <underworld>". A small value: records, keys
// and map cells carry it by copy. Levels compare in the order of depth; a numbered label orders
// by its number, after the worded label of the same depth.
class Level {
public:
    static const Level Surface;
    static const Level Underworld;
    static const Level Nexus;

    // Depth 1 is the level that plain "underworld" (or "underdeep") names.
    static constexpr int kMaxDepth = 999;

    constexpr Level() = default;
    constexpr Level(LevelKind kind, int depth, bool numbered)
        : kind_(kind), depth_(static_cast<uint16_t>(depth)), numbered_(numbered) {}

    // The level the words of a coordinate name ("" and "surface" both give the surface);
    // none for words that name no level or a depth beyond kMaxDepth.
    static std::optional<Level> FromLabel(std::string_view label);

    // The words a report writes for the level; "surface" for the surface, which reports leave out.
    std::string Label() const;

    constexpr LevelKind Kind() const { return kind_; }
    constexpr int Depth() const { return depth_; }
    constexpr bool Numbered() const { return numbered_; }
    constexpr bool IsSurface() const { return kind_ == LevelKind::Surface; }

    friend constexpr bool operator==(const Level&, const Level&) = default;
    // Spelled out: Qt's moc cannot read the standard <compare> header that <=> would need.
    friend constexpr bool operator<(const Level& a, const Level& b) { return a.OrderKey() < b.OrderKey(); }
    friend constexpr bool operator>(const Level& a, const Level& b) { return b < a; }

private:
    constexpr uint32_t OrderKey() const {
        return (uint32_t{static_cast<uint8_t>(kind_)} << 24) | (uint32_t{depth_} << 8) | (numbered_ ? 1u : 0u);
    }

    LevelKind kind_ = LevelKind::Surface;
    uint16_t depth_ = 0;
    bool numbered_ = false;
};

inline constexpr Level Level::Surface{};
inline constexpr Level Level::Underworld{LevelKind::Underworld, 1, false};
inline constexpr Level Level::Nexus{LevelKind::Nexus, 0, false};

// A hex of the game world: its coordinates and its level.
struct Place {
    int32_t X = 0;
    int32_t Y = 0;
    Level Where;

    friend constexpr bool operator==(const Place&, const Place&) = default;
};

}  // namespace hexwarden
