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

TEST(OverviewPicture, OnePixelPerHexInTerrainColoursForDenseAndSparseLevels) {
    TVelMain db;
    for (const auto& [x, y] : {std::pair{0, 0}, {1, 1}, {0, 2}}) db.OverworldHexes.AddOrMerge(MakeHex(db, x, y));
    db.OverworldHexes.AddOrMerge(MakeHex(db, 1, 3, false))->Terrain = 6;  // unconfirmed ocean
    db.OverworldHexes.AddOrMerge(MakeHex(db, 0, 1))->Terrain = 6;         // x + y odd: no game has it
    db.OverworldHexes.AddOrMerge(MakeHex(db, 1, 5))->Terrain = 200;       // not in the table
    RecordingBitmap picture(1, 0, 0);
    EXPECT_EQ(BuildOverviewPicture(db, Level::Surface, picture), (LevelExtent{2, 3, false}));
    const Calls dense = {"Brush 0xC0C0C0 solid", "FillRect 0,0,2,3",     "Pixel (0,0) 0xA8E8FF",
                         "Pixel (1,0) 0xA8E8FF", "Pixel (0,1) 0xA8E8FF", "Pixel (1,1) 0xFF0000"};
    EXPECT_EQ(picture.Drawing.Calls, dense);
    db.OverworldHexes.AddOrMerge(MakeHex(db, 63, 127));  // now sparse: 64 x 64 places for 7 hexes
    picture.Drawing.Calls.clear();
    EXPECT_EQ(BuildOverviewPicture(db, Level::Surface, picture), (LevelExtent{64, 64, false}));
    EXPECT_EQ((std::array{picture.Width(), picture.Height()}), (std::array{64, 64}));
    Calls sparse = dense;
    sparse[1] = "FillRect 0,0,64,64";
    sparse.push_back("Pixel (63,63) 0xA8E8FF");
    EXPECT_EQ(picture.Drawing.Calls, sparse);
}

TEST(OverviewPicture, EmptyAndHugeLevels) {
    TVelMain db;
    RecordingBitmap picture(1, 5, 5);
    BuildOverviewPicture(db, Level::Underworld, picture);
    EXPECT_EQ(picture.Drawing.Calls, (Calls{"Brush 0xC0C0C0 solid", "FillRect 0,0,1,1"}));
    db.UnderworldHexes.AddOrMerge(MakeHex(db, 60000, 60000, true, 1, Level::Underworld));
    db.UnderworldHexes.AddOrMerge(MakeHex(db, 2046, 4094, true, 1, Level::Underworld));
    picture.Drawing.Calls.clear();
    EXPECT_TRUE(BuildOverviewPicture(db, Level::Underworld, picture).Capped());
    EXPECT_EQ((std::array{picture.Width(), picture.Height()}), (std::array{2048, 2048}));
    EXPECT_EQ(picture.Drawing.Calls.back(), "Pixel (2046,2047) 0xA8E8FF");  // the far hex is left out
}

TEST(OverviewPainting, PartnerRectangleEnclosesTheVisibleHexes) {
    EXPECT_EQ(PartnerRectangle({{3, 5}, {8, 20}}), (Rect{3, 2, 9, 11}));
    const RecordingBitmap picture(1, 64, 32);
    testing::RecordingSurface surface;
    PaintOverview(picture, std::nullopt, surface);
    PaintOverview(picture, VisibleArea{{0, 0}, {9, 19}}, surface);
    EXPECT_EQ(surface.Calls, (Calls{"DrawBitmap (0,0) 64x32", "DrawBitmap (0,0) 64x32", "Pen 0x0000FF solid copy 1",
                                    "Brush 0xFFFFFF none", "Rectangle 0,0,10,10"}));
    EXPECT_EQ(OverviewPixelToGame({4, 3}), (GamePoint{4, 6}));
    EXPECT_EQ(OverviewPixelToGame({5, 3}), (GamePoint{5, 7}));
}

}  // namespace
}  // namespace hexwarden
