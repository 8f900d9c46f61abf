#include "map/level_extent.h"

#include <algorithm>

#include "map/hex_map.h"
#include "model/hex_list.h"

namespace hexwarden {

LevelExtent LevelGridExtent(const TVelHexList& hexes) {
    const int64_t columns = std::max<int64_t>(int64_t{hexes.MaxX()} + 1, 1);
    const int64_t rows = std::max<int64_t>(int64_t{hexes.MaxY()} / 2 + 1, 1);
    LevelExtent extent;
    extent.ColumnsCapped = columns > THexMap::kMaxColumns;
    extent.RowsCapped = rows > THexMap::kMaxRows;
    extent.Columns = static_cast<int32_t>(std::min<int64_t>(columns, THexMap::kMaxColumns));
    extent.Rows = static_cast<int32_t>(std::min<int64_t>(rows, THexMap::kMaxRows));
    return extent;
}

}  // namespace hexwarden
