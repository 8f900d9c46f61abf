#include "map/hex_geometry.h"

#include <gtest/gtest.h>

namespace hexwarden {
namespace {

TEST(HexGeometry, ZoomTableForBaseSizeThree) {
    struct Row {
        int side, slant, half, width, height, column_pitch, row_pitch;
    };
    const Row table[] = {
        {3, 2, 3, 7, 8, 4, 7},         {6, 3, 5, 12, 12, 8, 11},      {9, 4, 8, 17, 18, 12, 17},
        {12, 6, 10, 24, 22, 17, 21},   {15, 8, 13, 31, 28, 22, 27},   {18, 9, 16, 36, 34, 26, 33},
        {21, 10, 18, 41, 38, 30, 37},  {24, 12, 21, 48, 44, 35, 43},  {27, 14, 23, 55, 48, 40, 47},
        {30, 15, 26, 60, 54, 44, 53},  {33, 16, 29, 65, 60, 48, 59},  {36, 18, 31, 72, 64, 53, 63},
        {39, 20, 34, 79, 70, 58, 69},  {42, 21, 36, 84, 74, 62, 73},  {45, 22, 39, 89, 80, 66, 79},
        {48, 24, 42, 96, 86, 71, 85},  {51, 26, 44, 103, 90, 76, 89},
    };
    for (int zoom = 1; zoom <= 17; ++zoom) {
        const Row& row = table[zoom - 1];
        const HexGeometry g(3, zoom);
        SCOPED_TRACE(zoom);
        EXPECT_EQ(g.HexSide(), row.side);
        EXPECT_EQ(g.SlantWidth(), row.slant);
        EXPECT_EQ(g.HalfHeight(), row.half);
        EXPECT_EQ(g.HexWidth(), row.width);
        EXPECT_EQ(g.HexHeight(), row.height);
        EXPECT_EQ(g.ColumnPitch(), row.column_pitch);
        EXPECT_EQ(g.RowPitch(), row.row_pitch);
    }
    const HexGeometry fresh(10, 1);
    EXPECT_EQ((std::array{fresh.HexSide(), fresh.SlantWidth(), fresh.HalfHeight(), fresh.HexWidth(), fresh.HexHeight()}),
              (std::array{10, 5, 9, 20, 20}));
}

TEST(HexGeometry, OriginCentreAndOutlineAtSideFifteen) {
    const HexGeometry g(3, 5);
    EXPECT_EQ(g.HexOrigin({0, 0}), (Point{0, 0}));
    EXPECT_EQ(g.HexCentre({0, 0}), (Point{15, 13}));
    EXPECT_EQ(g.Outline(GridCell{0, 0}),
              (HexOutline{{{0, 13}, {8, 0}, {23, 0}, {31, 13}, {23, 27}, {8, 27}, {0, 13}}}));
    EXPECT_EQ(g.HexOrigin({1, 0}), (Point{22, 13}));
    // Rows of a column share their edge line.
    EXPECT_EQ(g.Outline(GridCell{0, 0})[4].y, g.Outline(GridCell{0, 1})[1].y);
    // Column -1 counts as odd and sits half a hex lower.
    EXPECT_EQ(g.HexOrigin({-1, 0}), (Point{-22, 13}));
}

TEST(HexGeometry, PixelToHexFollowsTheSlantedEdges) {
    const HexGeometry g(3, 5);
    EXPECT_EQ(g.PixelToHex({22, 26}), (GridCell{1, 0}));  // left corner of (1, 0)
    EXPECT_EQ(g.PixelToHex({22, 13}), (GridCell{0, 0}));
    EXPECT_EQ(g.PixelToHex({22, 1}), (GridCell{0, 0}));
    EXPECT_EQ(g.PixelToHex({22, 40}), (GridCell{0, 1}));
    EXPECT_EQ(g.PixelToHex({0, 0}), (GridCell{-1, -1}));
    EXPECT_EQ(g.PixelToHex({-1, 50}), (GridCell{0, 0}));
    // Every hex centre maps back to its own hex, in both kinds of column.
    for (int32_t column = 0; column < 6; ++column)
        for (int32_t row = 0; row < 6; ++row)
            EXPECT_EQ(g.PixelToHex(g.HexCentre({column, row})), (GridCell{column, row}));
    // A paint redraws one hex more on every side.
    EXPECT_EQ(g.ExposedRange({0, 0, 164, 284}), (CellRange{{-2, -2}, {8, 11}}));
    EXPECT_EQ(g.ExposedRange({100, 100, 120, 120}), (CellRange{{3, 2}, {6, 4}}));
}

TEST(HexGeometry, OutOfRangeSizesAndCellsStayInRange) {
    const HexGeometry tiny(0, 1);
    EXPECT_EQ(tiny.HexSide(), 2);
    EXPECT_GT(tiny.ColumnPitch(), 0);
    const HexGeometry huge(65536, 65536);
    EXPECT_EQ(huge.HexSide(), HexGeometry::kMaxGeometrySide);
    const Point far = huge.HexOrigin({2'000'000'000, 2'000'000'000});
    EXPECT_EQ(far, (Point{INT32_MAX, INT32_MAX}));
    EXPECT_EQ(huge.Outline(far)[3].x, INT32_MAX);
}

}  // namespace
}  // namespace hexwarden
