#pragma once

#include <cstdint>

namespace hexwarden {

class TVelHexList;

// How much of a level the map and the overview draw: a grid place for every hex, up to the
// control's column and row caps.
struct LevelExtent {
    int32_t Columns = 1;  // largest x + 1
    int32_t Rows = 1;     // largest y div 2 + 1
    // Some hexes lie beyond the drawn columns, or rows.
    bool ColumnsCapped = false;
    bool RowsCapped = false;
    bool Capped() const { return ColumnsCapped || RowsCapped; }
    friend bool operator==(const LevelExtent&, const LevelExtent&) = default;
};

LevelExtent LevelGridExtent(const TVelHexList& hexes);

}  // namespace hexwarden
