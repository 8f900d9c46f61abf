#include "map/hex_map.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/support/recording_surface.h"

namespace hexwarden {
namespace {

using testing::RecordingSurface;
using Calls = std::vector<std::string>;

const std::string kHex00 = " (0,3) (2,0) (5,0) (7,3) (5,7) (2,7) (0,3)";  // side 3
const std::string kHex10 = " (4,6) (6,3) (9,3) (11,6) (9,10) (6,10) (4,6)";

// Records what the control asks of its owner.
struct RecordingOwner : HexMapOwner {
    THexData data{RgbColour(1, 2, 3), nullptr};
    Calls calls;
    const THexData* GetHexData(THexMap&, int32_t hx, int32_t hy) override {
        calls.push_back("data " + std::to_string(hx) + "," + std::to_string(hy));
        return hx == 1 ? &data : nullptr;
    }
    void DrawHex(THexMap&, const THexData* hex, const HexOutline& outline, DrawingSurface&) override {
        calls.push_back(std::string("draw ") + (hex ? "data" : "none") + " at " + std::to_string(outline[0].x));
    }
    void AfterDrawHexes(THexMap&, DrawingSurface&, GridCell start, GridCell end) override {
        calls.push_back("after " + std::to_string(start.Column) + "," + std::to_string(start.Row) + " " +
                        std::to_string(end.Column) + "," + std::to_string(end.Row));
    }
    void AfterSelect(THexMap& sender) override {
        calls.push_back("selected " + std::to_string(sender.SelectedX()) + "," + std::to_string(sender.SelectedY()));
    }
};

// A control of side 3 (the map window's base size at zoom 1), two columns by one row.
struct SmallMap : ::testing::Test {
    SmallMap() {
        map.SetHexSize(3);
        map.SetX(2);
        map.SetOwner(&owner);
        map.OnResize = [this] { ++resizes; };
        map.OnInvalidate = [this] { ++invalidations; };
    }
    THexMap map;
    RecordingOwner owner;
    RecordingSurface surface;
    int resizes = 0;
    int invalidations = 0;
};

TEST(HexMapControl, SizeFollowsColumnsRowsAndZoom) {
    THexMap map;
    EXPECT_EQ((std::array{map.X(), map.Y(), map.HexSize(), map.Zoom(), map.Width(), map.Height()}),
              (std::array{1, 1, 10, 1, 21, 20}));  // one column, one row: exactly one hex high
    EXPECT_EQ(map.Selected(), (GridCell{-1, -1}));
    map.SetHexSize(3);
    map.SetZoom(5);
    map.SetY(10);
    EXPECT_EQ(map.Height(), 27 * 10 + 1);  // one column: no half-lowered neighbour
    map.SetX(7);
    EXPECT_EQ(map.Width(), 164);
    EXPECT_EQ(map.Height(), 284);
}

TEST_F(SmallMap, SettersIgnoreClampOrCapOutOfRangeValues) {
    for (int32_t bad : {0, -1}) {
        map.SetX(bad);
        map.SetY(bad);
        map.SetZoom(bad);
    }
    map.SetX(2);
    map.SetShowGrid(true);
    EXPECT_EQ((std::array{map.X(), map.Y(), map.Zoom(), resizes, invalidations}), (std::array{2, 1, 1, 0, 0}));
    map.SetHexSize(0);
    EXPECT_EQ(map.HexSize(), 2);
    EXPECT_EQ((std::array{resizes, invalidations}), (std::array{1, 1}));
    map.SetX(60001);
    map.SetY(INT32_MAX);
    map.SetZoom(INT32_MAX);
    EXPECT_EQ((std::array{map.X(), map.Y()}), (std::array{THexMap::kMaxColumns, THexMap::kMaxRows}));
    EXPECT_LE(map.HexSide(), THexMap::kMaxHexSide);
    EXPECT_EQ(int64_t{map.Width()},
              int64_t{map.Geometry().ColumnPitch()} * THexMap::kMaxColumns + map.Geometry().SlantWidth() + 2);
}

TEST_F(SmallMap, PaintFillsExposedHexesAndGivesTheOwnerTheWholeRange) {
    surface.Clip = {3, 3, 5, 5};
    map.Paint(surface);
    EXPECT_EQ(owner.calls, (Calls{"data 0,0", "draw none at 0", "data 1,0", "draw data at 4", "after -1,-1 2,1"}));
    EXPECT_EQ(surface.Calls, (Calls{"Brush 0x00FF00 solid", "Pen 0x808080 none copy 1", "Polygon" + kHex00,
                                    "Pen 0x808080 solid copy 1", "Polyline" + kHex00, "Brush 0x030201 solid",
                                    "Pen 0x808080 none copy 1", "Polygon" + kHex10, "Pen 0x808080 solid copy 1",
                                    "Polyline" + kHex10}));
    surface.Calls.clear();
    map.SetShowGrid(false);
    map.Paint(surface, nullptr);
    EXPECT_EQ(surface.Calls.size(), 6u);  // unknown fills, no outlines
}

TEST_F(SmallMap, SelectionSavesAndRestoresTheCoveredPixels) {
    map.SetY(2);
    map.SetSelected({1, 0}, &surface);
    map.SetSelected({0, 1}, &surface);
    map.SetSelected({5, 5}, &surface);  // kept, but never drawn or restored
    map.SetSelected({0, 0}, &surface);
    EXPECT_EQ(surface.Calls, (Calls{"CreateBitmap 1 8x8", "CopyToBitmap (4,3) 8x8", "Pen 0x0000FF solid copy 1",
                                    "Polyline" + kHex10, "DrawBitmap (4,3) 8x8", "CopyToBitmap (0,7) 8x8",
                                    "Pen 0x0000FF solid copy 1",
                                    "Polyline (0,10) (2,7) (5,7) (7,10) (5,14) (2,14) (0,10)",
                                    "DrawBitmap (0,7) 8x8", "CopyToBitmap (0,0) 8x8", "Pen 0x0000FF solid copy 1",
                                    "Polyline" + kHex00}));
    EXPECT_EQ(owner.calls, (Calls{"selected 1,0", "selected 0,1", "selected 5,5", "selected 0,0"}));
    // Without a surface the selection moves and a repaint draws it; nothing stale is restored.
    map.SetSelected({1, 0}, nullptr);
    EXPECT_EQ(invalidations, 2);
    surface.Calls.clear();
    map.SetSelected({0, 0}, &surface);
    EXPECT_EQ(surface.Calls.front(), "CopyToBitmap (0,0) 8x8");
}

TEST_F(SmallMap, PaintRedrawsTheSelectionOnlyWhereItWasExposed) {
    map.SetX(8);
    map.SetY(8);
    map.SetSelected({0, 0}, &surface);
    const auto copies = [this] {
        return std::count(surface.Calls.begin(), surface.Calls.end(), "CopyToBitmap (0,0) 8x8");
    };
    surface.Clip = {20, 20, 30, 30};
    map.Paint(surface);
    EXPECT_EQ(copies(), 1);
    surface.Clip = {0, 0, 3, 3};
    map.Paint(surface);
    EXPECT_EQ(copies(), 2);
    map.ShowSelected = false;
    map.Paint(surface);
    EXPECT_EQ(copies(), 2);
}

TEST_F(SmallMap, MouseMoveTracksTheHexAndWithAutoTrackTheSelection) {
    map.MouseMove({7, 7}, &surface);
    EXPECT_EQ(map.MouseHex(), (GridCell{1, 0}));
    EXPECT_EQ(map.Selected(), (GridCell{-1, -1}));
    map.AutoTrack = true;
    map.MouseMove({0, 0}, &surface);  // outside the grid: no selection
    EXPECT_EQ(map.MouseHex(), (GridCell{-1, -1}));
    EXPECT_EQ(map.Selected(), (GridCell{-1, -1}));
    map.MouseMove({3, 3}, &surface);
    map.MouseMove({3, 4}, &surface);  // same hex: nothing is redrawn
    EXPECT_EQ(map.Selected(), (GridCell{0, 0}));
    EXPECT_EQ(surface.Calls.size(), 4u);
}

}  // namespace
}  // namespace hexwarden
