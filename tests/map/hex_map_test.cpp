#include "map/hex_map.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/support/recording_surface.h"

namespace hexwarden {
namespace {

using testing::RecordingSurface;
using Calls = std::vector<std::string>;

const char* const kHex00 = " (0,3) (2,0) (5,0) (7,3) (5,7) (2,7) (0,3)";  // side 3
const char* const kHex10 = " (4,6) (6,3) (9,3) (11,6) (9,10) (6,10) (4,6)";

// A control of side 3 (the map window's base size at zoom 1).
struct SmallMap : ::testing::Test {
    SmallMap() {
        map.SetHexSize(3);
        map.OnResize = [this] { ++resizes; };
        map.OnInvalidate = [this] { ++invalidations; };
    }
    THexMap map;
    int resizes = 0;
    int invalidations = 0;
};

TEST(HexMapControl, StartsAsOneHexOfSideTen) {
    const THexMap map;
    EXPECT_EQ(map.X(), 1);
    EXPECT_EQ(map.Y(), 1);
    EXPECT_EQ(map.HexSize(), 10);
    EXPECT_EQ(map.Zoom(), 1);
    EXPECT_EQ(map.HexWidth(), 20);
    EXPECT_EQ(map.Width(), 21);
    EXPECT_EQ(map.Height(), 20);  // exactly one hex high
    EXPECT_EQ(map.Selected(), (GridCell{-1, -1}));
    EXPECT_EQ(map.MouseHex(), (GridCell{0, 0}));
    EXPECT_TRUE(map.ShowGrid());
    EXPECT_EQ(map.ColourUnknown, RgbColour(0, 255, 0));
}

TEST_F(SmallMap, SizeFollowsColumnsRowsAndZoom) {
    map.SetZoom(5);
    map.SetY(10);
    EXPECT_EQ(map.Height(), 27 * 10 + 1);  // one column: no half-lowered neighbour
    map.SetX(7);
    EXPECT_EQ(map.Width(), 164);
    EXPECT_EQ(map.Height(), 284);
    EXPECT_EQ(resizes, 3);
    EXPECT_EQ(invalidations, 3);
    map.SetZoom(1);
    EXPECT_EQ(map.Width(), 4 * 7 + 2 + 2);
    EXPECT_EQ(map.Height(), 7 * 10 + 3 + 1);
}

TEST_F(SmallMap, SettersIgnoreOrClampOutOfRangeValues) {
    for (int32_t bad : {0, -1, -1000}) {
        map.SetX(bad);
        map.SetY(bad);
        map.SetZoom(bad);
    }
    map.SetX(1);
    map.SetZoom(1);
    EXPECT_EQ((std::array{map.X(), map.Y(), map.Zoom()}), (std::array{1, 1, 1}));
    EXPECT_EQ(resizes + invalidations, 0);
    map.SetHexSize(1);
    EXPECT_EQ(map.HexSize(), 2);
    map.SetHexSize(0);
    EXPECT_EQ(map.HexSize(), 2);
    map.SetShowGrid(true);
    EXPECT_EQ(invalidations, 1);  // only the size change to 2
    map.SetShowGrid(false);
    EXPECT_EQ(invalidations, 2);
}

TEST_F(SmallMap, ExtentAndSideAreCappedSoSizesStayInRange) {
    map.SetX(60001);
    map.SetY(INT32_MAX);
    EXPECT_EQ(map.X(), THexMap::kMaxColumns);
    EXPECT_EQ(map.Y(), THexMap::kMaxRows);
    map.SetZoom(INT32_MAX);
    EXPECT_LE(map.HexSide(), THexMap::kMaxHexSide);
    map.SetHexSize(INT32_MAX);
    EXPECT_LE(map.HexSide(), THexMap::kMaxHexSide);
    EXPECT_GT(map.Width(), 0);
    EXPECT_EQ(int64_t{map.Width()},
              int64_t{map.Geometry().ColumnPitch()} * THexMap::kMaxColumns + map.Geometry().SlantWidth() + 2);
    EXPECT_FALSE(map.IsValidHex({THexMap::kMaxColumns, 0}));
    EXPECT_TRUE(map.IsValidHex({THexMap::kMaxColumns - 1, THexMap::kMaxRows - 1}));
}

TEST_F(SmallMap, PaintingWithoutOwnerFillsEveryExposedHexAsUnknown) {
    map.SetX(2);
    RecordingSurface surface;
    surface.Clip = {0, 0, 5, 5};
    map.Paint(surface);
    const Calls one_hex_00 = {"Brush 0x00FF00 solid", "Pen 0x808080 none copy 1", std::string("Polygon") + kHex00,
                              "Pen 0x808080 solid copy 1", std::string("Polyline") + kHex00};
    Calls expected = one_hex_00;
    for (const std::string& call : Calls{"Brush 0x00FF00 solid", "Pen 0x808080 none copy 1",
                                         std::string("Polygon") + kHex10, "Pen 0x808080 solid copy 1",
                                         std::string("Polyline") + kHex10})
        expected.push_back(call);
    EXPECT_EQ(surface.Calls, expected);
}

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

TEST_F(SmallMap, OwnerIsAskedOnlyForHexesOfTheGridButGetsTheWholeRange) {
    map.SetX(2);
    map.SetShowGrid(false);
    RecordingOwner owner;
    map.SetOwner(&owner);
    RecordingSurface surface;
    surface.Clip = {3, 3, 5, 5};
    map.Paint(surface);
    EXPECT_EQ(owner.calls, (Calls{"data 0,0", "draw none at 0", "data 1,0", "draw data at 4", "after -1,-1 2,1"}));
    EXPECT_EQ(surface.Calls[0], "Brush 0x00FF00 solid");
    EXPECT_EQ(surface.Calls[3], "Brush 0x030201 solid");
    EXPECT_EQ(surface.Calls.size(), 6u);  // no outlines with the grid off
}

TEST_F(SmallMap, SelectionSavesAndRestoresTheCoveredPixels) {
    map.SetX(2);
    map.SetY(2);
    RecordingOwner owner;
    map.SetOwner(&owner);
    RecordingSurface surface;
    map.SetSelected({1, 0}, &surface);
    map.SetSelected({0, 1}, &surface);
    map.SetSelected({5, 5}, &surface);
    EXPECT_EQ(surface.Calls, (Calls{"CreateBitmap 1 7x8", "CopyToBitmap (4,3) 7x8", "Pen 0x0000FF solid copy 1",
                                    std::string("Polyline") + kHex10, "DrawBitmap (4,3) 7x8", "CopyToBitmap (0,7) 7x8",
                                    "Pen 0x0000FF solid copy 1",
                                    "Polyline (0,10) (2,7) (5,7) (7,10) (5,14) (2,14) (0,10)",
                                    "DrawBitmap (0,7) 7x8"}));
    EXPECT_EQ(owner.calls, (Calls{"selected 1,0", "selected 0,1", "selected 5,5"}));
    // An invalid selection is kept but never drawn or restored.
    surface.Calls.clear();
    map.SetSelected({0, 0}, &surface);
    EXPECT_EQ(surface.Calls.front(), "CopyToBitmap (0,0) 7x8");
}

TEST_F(SmallMap, PaintRedrawsTheSelectionOnlyWhereItWasExposed) {
    map.SetX(8);
    map.SetY(8);
    RecordingSurface surface;
    map.SetSelected({0, 0}, &surface);
    surface.Clip = {20, 20, 30, 30};
    surface.Calls.clear();
    map.Paint(surface);
    EXPECT_EQ(std::count(surface.Calls.begin(), surface.Calls.end(), "CopyToBitmap (0,0) 7x8"), 0);
    surface.Clip = {0, 0, 3, 3};
    map.Paint(surface);
    EXPECT_EQ(surface.Calls[surface.Calls.size() - 3], "CopyToBitmap (0,0) 7x8");
    map.ShowSelected = false;
    surface.Calls.clear();
    map.Paint(surface);
    EXPECT_EQ(std::count(surface.Calls.begin(), surface.Calls.end(), "CopyToBitmap (0,0) 7x8"), 0);
}

TEST_F(SmallMap, SelectingWithoutASurfaceAsksForARepaint) {
    map.SetX(2);
    map.SetSelected({1, 0}, nullptr);
    EXPECT_EQ(map.Selected(), (GridCell{1, 0}));
    EXPECT_EQ(invalidations, 2);
    RecordingSurface surface;
    map.SetSelected({0, 0}, &surface);  // nothing was saved for (1, 0), so nothing is restored
    EXPECT_EQ(surface.Calls.front(), "CreateBitmap 1 7x8");
}

TEST_F(SmallMap, MouseMoveTracksTheHexAndWithAutoTrackTheSelection) {
    map.SetX(2);
    RecordingSurface surface;
    map.MouseMove({7, 7}, &surface);
    EXPECT_EQ(map.MouseHex(), (GridCell{1, 0}));
    EXPECT_EQ(map.Selected(), (GridCell{-1, -1}));
    map.AutoTrack = true;
    map.MouseMove({0, 0}, &surface);  // outside the grid: no selection
    EXPECT_EQ(map.MouseHex(), (GridCell{-1, -1}));
    EXPECT_EQ(map.Selected(), (GridCell{-1, -1}));
    map.MouseMove({3, 3}, &surface);
    EXPECT_EQ(map.Selected(), (GridCell{0, 0}));
    map.MouseMove({3, 4}, &surface);  // same hex: nothing is redrawn
    EXPECT_EQ(surface.Calls.size(), 4u);
}

}  // namespace
}  // namespace hexwarden
