#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "model/level.h"

namespace hexwarden {

// A hex in the game's coordinates (x + y even on the game's grid).
struct GamePoint {
    int32_t X = 0;
    int32_t Y = 0;
    friend bool operator==(const GamePoint&, const GamePoint&) = default;
};

// A hex in the zero-based grid of the map control.
struct GridCell {
    int32_t Column = 0;
    int32_t Row = 0;
    friend bool operator==(const GridCell&, const GridCell&) = default;
};

// Odd columns hold the odd y values; the lowest bit decides, so negative odd numbers count too.
constexpr int32_t ColumnParity(int32_t x) {
    return (static_cast<uint32_t>(x) & 1u) ? 1 : 0;
}

// Inline: the map calls them for every hex it paints.
constexpr GridCell GameToGrid(int32_t x, int32_t y) {
    return {x, static_cast<int32_t>((int64_t{y} - ColumnParity(x)) / 2)};
}
constexpr GamePoint GridToGame(int32_t column, int32_t row) {
    return {column, static_cast<int32_t>(2 * int64_t{row} + ColumnParity(column))};
}

// "x,y" on the surface, "x,y*" in the underworld, "x,y label" on another level ("3,5 abyss");
// "<Unknown>" when x or y is negative.
std::string FormatLocation(const Place& place);

// The same whatever the signs.
std::string JoinLocation(const Place& place);

// "Northwest" 1, "North" 2, "Northeast" 3, "Southeast" 4, "South" 5, "Southwest" 6, else 0.
int DirectionIndex(std::string_view word);

}  // namespace hexwarden
