#include "map/level_painter.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "model/database.h"
#include "tests/support/database_builder.h"
#include "tests/support/recording_surface.h"

namespace hexwarden {
namespace {

using testing::MakeHex;
using testing::MakeUnit;
using testing::RecordingSurface;
using Calls = std::vector<std::string>;

const char* const kOutline00 = " (0,13) (8,0) (23,0) (31,13) (23,27) (8,27) (0,13)";  // side 15

class LevelPainting : public ::testing::Test {
protected:
    LevelPainting() {
        map.SetHexSize(3);
        map.SetZoom(5);
    }

    TVelHex& AddHex(int32_t x, int32_t y, bool confirmed = true, Level level = Level::Surface) {
        return *db.HexesOf(level).AddOrMerge(MakeHex(db, x, y, confirmed, 1, level));
    }

    Calls Paint(Level level = Level::Surface) {
        FitMapToLevel(map, db, level);
        surface.Calls.clear();
        PaintLevel(db, level, options, map, surface);
        return surface.Calls;
    }

    static auto StartsWith(const std::string& prefix) {
        return [prefix](const std::string& call) { return call.rfind(prefix, 0) == 0; };
    }
    // From the first call starting with `first` up to the next one starting with `next`, or the end.
    static Calls Between(const Calls& calls, const std::string& first, const std::string& next = "") {
        const auto begin = std::find_if(calls.begin(), calls.end(), StartsWith(first));
        const auto end = next.empty() || begin == calls.end() ? calls.end()
                                                              : std::find_if(begin + 1, calls.end(), StartsWith(next));
        return Calls(begin, end);
    }
    static auto Count(const Calls& calls, const std::string& prefix) {
        return std::count_if(calls.begin(), calls.end(), StartsWith(prefix));
    }

    TVelMain db;
    THexMap map;
    MapViewOptions options;
    RecordingSurface surface;
};

TEST_F(LevelPainting, OneHexWithEverySymbolAndItsTag) {
    TVelHex& hex = AddHex(0, 0);
    hex.SettlementSize = 3;
    hex.SettlementName = "Ax";
    hex.Gate = 4;
    hex.Products.AddNew("WOOD", 0, 10);
    auto shaft = std::make_unique<TVelBuilding>(db);
    shaft->Kind = "SHAFT";
    hex.Structures.Add(std::move(shaft));
    db.ItemTypes.AddOrUpdate("wood", "wood", 0x112233, "WOOD");
    db.Wedges.Get(0)->Kind = WedgeKind::Products;
    db.Wedges.Get(0)->Key = "WOOD";
    db.Markers.Add(std::make_unique<TVelMapMarker>("camp", Place{0, 0, Level::Surface}));
    options.WedgeSlots[2] = 0;
    options.WedgeSlots[3] = 6;  // no such wedge: skipped
    EXPECT_EQ(Paint(), (Calls{
                           "Brush 0xA8E8FF solid", "Pen 0x808080 none copy 1", std::string("Polygon") + kOutline00,
                           "Pen 0x000000 solid copy 1", "Brush 0x112233 solid", "Polygon (15,13) (8,0) (23,0)",
                           "Pen 0x000000 none copy 1", "Brush 0x0000FF solid", "FillRect 8,5,24,21",
                           "Brush 0xFFFFFF solid", "FillRect 12,9,20,17",
                           "Pen 0xFF0000 solid copy 5", "MoveTo (8,13)", "LineTo (22,13)", "MoveTo (15,6)",
                           "LineTo (15,20)", "Pen 0xFF0000 solid copy 1",
                           "Pen 0xFF00FF solid copy 3", "MoveTo (11,8)", "LineTo (21,18)", "MoveTo (11,18)",
                           "LineTo (21,8)", "Pen 0xFF00FF solid copy 1",
                           "Pen 0x808080 solid copy 1", std::string("Polyline") + kOutline00,
                           "Font Times New Roman 10 style 0 0x000000", "Brush 0xFFFFFF none", "TextOut (9,7) Ax"}));
}

TEST_F(LevelPainting, FillsFollowTerrainConfirmationAndTheSwitches) {
    AddHex(0, 0).SettlementSize = 1;
    TVelHex& unconfirmed = AddHex(1, 1, false);
    unconfirmed.SettlementSize = 2;
    unconfirmed.SettlementName = "Bo";
    unconfirmed.Terrain = 6;  // ocean
    AddHex(0, 2).Terrain = 255;  // no terrain
    db.Terrains.Add(std::make_unique<TVelIndexRecord>("", 0x123456, "NAMELESS", ""));
    AddHex(1, 3).Terrain = static_cast<uint8_t>(db.Terrains.Count() - 1);
    const Calls shown = Paint();
    EXPECT_EQ(Count(shown, "Ellipse 11,8,21,18"), 1);  // village r = round(5) at (16, 13)
    EXPECT_EQ(Count(shown, "Polygon (30,26) (38,18) (46,26) (38,34)"), 1);  // town r = 8 at (38, 26)
    EXPECT_EQ(Count(shown, "Brush 0xFF0000 solid"), 1);  // ocean
    EXPECT_EQ(Count(shown, "Brush 0xC0C0C0 solid"), 2);  // no terrain and a nameless one
    EXPECT_EQ(Count(shown, "TextOut"), 1);

    options.ShowUnconfirmed = false;
    const Calls hidden = Paint();
    EXPECT_EQ(Count(hidden, "Polygon (30,26)"), 0);
    EXPECT_EQ(Count(hidden, "Brush 0x808080 solid"), 1);
    EXPECT_EQ(Count(hidden, "TextOut (31,20) Bo"), 1);  // tags are still drawn

    options.ShowCities = options.ShowTags = options.ShowGrid = false;
    const Calls bare = Paint();
    EXPECT_EQ(Count(bare, "Ellipse"), 0);
    EXPECT_EQ(Count(bare, "Polyline"), 0);
    EXPECT_EQ(Count(bare, "TextOut"), 0);
}

TEST_F(LevelPainting, TagsAreClampedIntoTheControlAndNamesWinOverMarkers) {
    AddHex(0, 0).SettlementName = "Abcdefghij";
    AddHex(6, 18).SettlementName = "Abcdefghij";
    AddHex(5, 19);
    AddHex(2, 2).SettlementName = "Town";
    db.Markers.Add(std::make_unique<TVelMapMarker>("first", Place{5, 19, Level::Surface}));
    db.Markers.Add(std::make_unique<TVelMapMarker>("second", Place{5, 19, Level::Surface}));
    db.Markers.Add(std::make_unique<TVelMapMarker>("below", Place{2, 2, Level::Underworld}));
    db.Markers.Add(std::make_unique<TVelMapMarker>("hidden", Place{2, 2, Level::Surface}));
    surface.TextHeightValue = 40;
    const Calls calls = Paint();
    ASSERT_EQ(map.Width(), 164);
    ASSERT_EQ(map.Height(), 284);
    EXPECT_EQ(Between(calls, "TextOut"), (Calls{"TextOut (0,0) Abcdefghij", "TextOut (47,20) Town",
                                                "TextOut (110,244) first", "TextOut (104,236) Abcdefghij"}));
    options.ShowTags = false;
    EXPECT_EQ(Count(Paint(), "TextOut"), 2);  // both marker texts
}

TEST_F(LevelPainting, TagsAndTrackLabelsNeedASideOfEightAndStayAt24Points) {
    AddHex(0, 0).SettlementName = "Ax";
    for (const auto& [zoom, font] : std::vector<std::pair<int32_t, std::string>>{
             {2, ""}, {3, "Font Times New Roman 6 "}, {11, "Font Times New Roman 22 "}, {17, "Font Times New Roman 24 "}}) {
        map.SetZoom(zoom);
        EXPECT_EQ(Between(Paint(), "Font", "TextOut").size(), font.empty() ? 0u : 2u) << zoom;
        EXPECT_EQ(Count(surface.Calls, font.empty() ? "Font" : font), font.empty() ? 0 : 1) << zoom;
    }
}

TEST_F(LevelPainting, TrackIsSplitWhereTheUnitWasOnTheOtherLevel) {
    for (int32_t x = 0; x <= 6; x += 2) AddHex(x, 0);
    TVelUnit& unit = *db.Units.AddOrReplace(MakeUnit(db, 7, 1, 0, 0, 1));
    unit.PositionHistory.AddPosition({2, 0, Level::Surface}, 2);
    unit.PositionHistory.AddPosition({2, 0, Level::Underworld}, 3);
    unit.PositionHistory.AddPosition({4, 0, Level::Surface}, 4);
    unit.PositionHistory.AddPosition({6, 0, Level::Surface}, 5);
    db.Turn = 5;
    options.TrackedUnit = 7;
    map.SetZoom(2);  // no labels
    EXPECT_EQ(Between(Paint(), "Pen 0x0000FF solid copy 2"),
              (Calls{"Pen 0x0000FF solid copy 2", "MoveTo (6,5)", "LineTo (22,5)", "MoveTo (38,5)", "LineTo (54,5)"}));
    EXPECT_EQ(Between(Paint(Level::Underworld), "Pen 0x0000FF solid copy 2"), (Calls{"Pen 0x0000FF solid copy 2", "MoveTo (22,5)"}));

    options.TrackTurns = 2;
    EXPECT_EQ(Between(Paint(), "Pen 0x0000FF solid copy 2"),
              (Calls{"Pen 0x0000FF solid copy 2", "MoveTo (38,5)", "LineTo (54,5)"}));
    options.TrackTurns = 10;  // longer than the history: all of it
    EXPECT_EQ(Count(Paint(), "MoveTo"), 2);

    options.HideTrack = true;
    EXPECT_EQ(Count(Paint(), "Pen 0x0000FF solid copy 2"), 0);
    options.HideTrack = false;
    options.TrackedUnit = 8;  // not in the database (any more)
    EXPECT_EQ(Count(Paint(), "Pen 0x0000FF solid copy 2"), 0);

    options.TrackedUnit = 7;
    options.TrackTurns = 1;
    unit.PositionHistory.AddPosition({0, 0, Level::Surface}, 12);
    db.Turn = 12;
    map.SetZoom(5);
    EXPECT_EQ(Between(Paint(), "Pen 0x0000FF solid copy 5"),
              (Calls{"Pen 0x0000FF solid copy 5", "MoveTo (15,13)", "Pen 0x0000FF solid copy 1",
                     "Font Times New Roman 10 style 0 0x000000", "Brush 0xFFFFFF solid", "Rectangle 3,7,27,19",
                     "Brush 0xFFFFFF none", "TextOut (9,7) 12"}));
}

TEST_F(LevelPainting, HugeCoordinatesAreCappedNotAllocated) {
    AddHex(0, 0);
    AddHex(60000, 60000).SettlementName = "Far";
    TVelUnit& unit = *db.Units.AddOrReplace(MakeUnit(db, 7, 1, 0, 0, 1));
    unit.PositionHistory.AddPosition({60000, 60000, Level::Surface}, 2);
    unit.PositionHistory.AddPosition({INT32_MAX, INT32_MAX, Level::Surface}, 3);
    options.TrackedUnit = 7;
    const LevelExtent extent = FitMapToLevel(map, db, Level::Surface);
    EXPECT_TRUE(extent.Capped());
    EXPECT_EQ(extent.Columns, THexMap::kMaxColumns);
    EXPECT_EQ(extent.Rows, THexMap::kMaxRows);
    EXPECT_EQ(map.Width(), 22 * 2048 + 8 + 2);
    EXPECT_EQ(map.Height(), 27 * 2048 + 13 + 1);
    surface.Clip = {map.Width() - 100, map.Height() - 100, map.Width(), map.Height()};
    const Calls corner = Paint();
    EXPECT_EQ(Between(corner, "TextOut"), (Calls{"TextOut (12,7) 1"}));  // the track label, no "Far"
    EXPECT_GT(Count(corner, "Polygon"), 0);
    // Positions beyond any grid break the track instead of drawing towards them.
    surface.Clip = {0, 0, 640, 480};
    EXPECT_EQ(Between(Paint(), "Pen 0x0000FF solid copy 5", "Pen 0x0000FF solid copy 1"),
              (Calls{"Pen 0x0000FF solid copy 5", "MoveTo (15,13)"}));
    EXPECT_FALSE(LevelGridExtent(db.UnderworldHexes).Capped());
}

}  // namespace
}  // namespace hexwarden
