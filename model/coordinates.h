#pragma once

#include <cstdint>
#include <string>
#include <string_view>

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

GridCell GameToGrid(int32_t x, int32_t y);
GamePoint GridToGame(int32_t column, int32_t row);

// "x,y", with "*" for the underworld when asked; "<Unknown>" when x or y is negative.
std::string FormatLocation(int32_t x, int32_t y, bool overworld, bool mark_underground);

// "x,y", with "*" for the underworld when asked, whatever the signs.
std::string JoinLocation(int32_t x, int32_t y, bool overworld, bool mark_underground);

// "Northwest" 1, "North" 2, "Northeast" 3, "Southeast" 4, "South" 5, "Southwest" 6, else 0.
int DirectionIndex(std::string_view word);

}  // namespace hexwarden
