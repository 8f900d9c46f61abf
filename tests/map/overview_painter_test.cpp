#include "map/overview_painter.h"

#include <gtest/gtest.h>

#include "model/database.h"
#include "tests/support/database_builder.h"
#include "tests/support/recording_surface.h"

namespace hexwarden {
namespace {

using testing::MakeHex;
using testing::RecordingBitmap;
using Calls = std::vector<std::string>;

TEST(OverviewPicture, OnePixelPerHexInTerrainColours) {
    TVelMain db;
    db.OverworldHexes.AddOrMerge(MakeHex(db, 63, 127));
    db.OverworldHexes.AddOrMerge(MakeHex(db, 2, 4, false))->Terrain = 6;  // unconfirmed ocean
    db.OverworldHexes.AddOrMerge(MakeHex(db, 3, 5))->Terrain = 200;      // not in the table
    db.OverworldHexes.AddOrMerge(MakeHex(db, 1, 1))->Terrain = 255;
    RecordingBitmap picture(1, 0, 0);
    EXPECT_EQ(BuildOverviewPicture(db, true, picture), (LevelExtent{64, 64, false}));
    EXPECT_EQ(picture.Width(), 64);
    EXPECT_EQ(picture.Height(), 64);
    EXPECT_EQ(picture.Drawing.Calls, (Calls{"Brush 0xC0C0C0 solid", "FillRect 0,0,64,64", "Pixel (2,2) 0xFF0000",
                                            "Pixel (63,63) 0xA8E8FF"}));
    db.OverworldHexes.AddOrMerge(MakeHex(db, 64, 128));
    EXPECT_EQ(BuildOverviewPicture(db, true, picture), (LevelExtent{65, 65, false}));
}

TEST(OverviewPicture, PlacesThatNoGameHasAreLeftOutOfDenseAndSparseLevels) {
    TVelMain db;
    for (const auto& [x, y] : {std::pair{0, 0}, {1, 1}, {0, 2}, {1, 3}}) db.OverworldHexes.AddOrMerge(MakeHex(db, x, y));
    db.OverworldHexes.AddOrMerge(MakeHex(db, 0, 1))->Terrain = 6;  // x + y odd: a damaged file
    RecordingBitmap picture(1, 0, 0);
    BuildOverviewPicture(db, true, picture);
    const Calls dense = {"Brush 0xC0C0C0 solid", "FillRect 0,0,2,2", "Pixel (0,0) 0xA8E8FF", "Pixel (1,0) 0xA8E8FF",
                         "Pixel (0,1) 0xA8E8FF", "Pixel (1,1) 0xA8E8FF"};
    EXPECT_EQ(picture.Drawing.Calls, dense);
    db.OverworldHexes.AddOrMerge(MakeHex(db, 40, 40))->Terrain = 6;
    db.OverworldHexes.AddOrMerge(MakeHex(db, 3, 40))->Terrain = 6;
    picture.Drawing.Calls.clear();
    BuildOverviewPicture(db, true, picture);
    EXPECT_EQ(picture.Drawing.Calls, (Calls{"Brush 0xC0C0C0 solid", "FillRect 0,0,41,21", "Pixel (0,0) 0xA8E8FF",
                                            "Pixel (1,0) 0xA8E8FF", "Pixel (0,1) 0xA8E8FF", "Pixel (1,1) 0xA8E8FF",
                                            "Pixel (40,20) 0xFF0000"}));
}

TEST(OverviewPicture, EmptyAndHugeLevels) {
    TVelMain db;
    RecordingBitmap picture(1, 5, 5);
    BuildOverviewPicture(db, false, picture);
    EXPECT_EQ(picture.Drawing.Calls, (Calls{"Brush 0xC0C0C0 solid", "FillRect 0,0,1,1"}));
    db.UnderworldHexes.AddOrMerge(MakeHex(db, 60000, 60000, true, 1, false));
    db.UnderworldHexes.AddOrMerge(MakeHex(db, 2046, 4094, true, 1, false));
    picture.Drawing.Calls.clear();
    EXPECT_TRUE(BuildOverviewPicture(db, false, picture).Capped);
    EXPECT_EQ(picture.Width(), 2048);
    EXPECT_EQ(picture.Height(), 2048);
    EXPECT_EQ(picture.Drawing.Calls.back(), "Pixel (2046,2047) 0xA8E8FF");  // the far hex is left out
}

TEST(OverviewPainting, PartnerRectangleEnclosesTheVisibleHexes) {
    EXPECT_EQ(PartnerRectangle({{0, 0}, {9, 19}}), (Rect{0, 0, 10, 10}));
    EXPECT_EQ(PartnerRectangle({{3, 5}, {8, 20}}), (Rect{3, 2, 9, 11}));
    const RecordingBitmap picture(1, 64, 32);
    testing::RecordingSurface surface;
    PaintOverview(picture, std::nullopt, surface);
    PaintOverview(picture, VisibleArea{{0, 0}, {9, 19}}, surface);
    EXPECT_EQ(surface.Calls, (Calls{"DrawBitmap (0,0) 64x32", "DrawBitmap (0,0) 64x32", "Pen 0x0000FF solid copy 1",
                                    "Brush 0xFFFFFF none", "Rectangle 0,0,10,10"}));
}

TEST(OverviewPainting, PixelsAreGridCells) {
    EXPECT_EQ(OverviewPixelToGame({4, 3}), (GamePoint{4, 6}));
    EXPECT_EQ(OverviewPixelToGame({5, 3}), (GamePoint{5, 7}));
    EXPECT_EQ(OverviewPixelToGame({0, 0}), (GamePoint{0, 0}));
}

}  // namespace
}  // namespace hexwarden
