#include "model/coordinates.h"

#include <array>

namespace hexwarden {

namespace {

// Odd columns hold the odd y values; the lowest bit decides, so negative odd numbers count too.
int32_t ColumnParity(int32_t x) {
    return (static_cast<uint32_t>(x) & 1u) ? 1 : 0;
}

}  // namespace

GridCell GameToGrid(int32_t x, int32_t y) {
    const int64_t row = (int64_t{y} - ColumnParity(x)) / 2;
    return {x, static_cast<int32_t>(row)};
}

GamePoint GridToGame(int32_t column, int32_t row) {
    const int64_t y = 2 * int64_t{row} + ColumnParity(column);
    return {column, static_cast<int32_t>(y)};
}

std::string JoinLocation(int32_t x, int32_t y, bool overworld, bool mark_underground) {
    std::string text = std::to_string(x) + "," + std::to_string(y);
    if (!overworld && mark_underground) text += "*";
    return text;
}

std::string FormatLocation(int32_t x, int32_t y, bool overworld, bool mark_underground) {
    if (x < 0 || y < 0) return "<Unknown>";
    return JoinLocation(x, y, overworld, mark_underground);
}

int DirectionIndex(std::string_view word) {
    static constexpr std::array<std::string_view, 6> kDirections = {"Northwest", "North", "Northeast",
                                                                    "Southeast", "South", "Southwest"};
    for (std::size_t i = 0; i < kDirections.size(); ++i)
        if (kDirections[i] == word) return static_cast<int>(i) + 1;
    return 0;
}

}  // namespace hexwarden
