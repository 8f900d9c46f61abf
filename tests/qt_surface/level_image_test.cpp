#include "qt_surface/level_image.h"

#include <gtest/gtest.h>

#include "map/hex_map.h"
#include "map/map_view_options.h"
#include "platform/error.h"
#include "qt_surface/qt_drawing_surface.h"
#include "tests/support/database_builder.h"

namespace hexwarden {
namespace {

TEST(LevelImageTest, ImageHasTheControlsSizeAndPlainHexesTheirTerrainColour) {
    TVelMain db;
    auto hex = testing::MakeHex(db, 4, 6);
    hex->Terrain = 1;
    db.OverworldHexes.AddOrMerge(std::move(hex));
    const QImage image = RenderLevelImage(db, Level::Surface, MapViewOptions{}, 5);
    // Columns 0 to 4, rows 0 to 3 at side 15.
    EXPECT_EQ(image.size(), QSize(22 * 5 + 8 + 2, 27 * 4 + 13 + 1));
    const TVelIndexRecord* terrain = db.OverworldHexes.FindXY(4, 6)->TerrainRecord();
    ASSERT_NE(terrain, nullptr);
    THexMap map;  // the control the image was painted with
    map.SetHexSize(kMapHexSize);
    map.SetZoom(5);
    const Point centre = map.HexCentre(GridCell{4, 3});
    EXPECT_EQ(image.pixel(centre.x, centre.y), ToQColor(RgbFromValue(terrain->Value)).rgb());
    const Point unknown = map.HexCentre(GridCell{1, 1});
    EXPECT_EQ(image.pixel(unknown.x, unknown.y), ToQColor(kMapColours.UnknownColour).rgb());
}

TEST(LevelImageTest, AnImageBeyondFourHundredMillionPixelsIsRefused) {
    TVelMain db;
    db.OverworldHexes.AddOrMerge(testing::MakeHex(db, 60000, 60000));
    try {
        RenderLevelImage(db, Level::Surface, MapViewOptions{}, 5);
        FAIL() << "no error";
    } catch (const Error& error) {
        EXPECT_NE(std::string(error.what()).find("more than 400 million pixels"), std::string::npos) << error.what();
    }
    // The other level is empty: one hex.
    EXPECT_EQ(RenderLevelImage(db, Level::Underworld, MapViewOptions{}, 1).size(), QSize(4 + 2 + 2, 8));
}

}  // namespace
}  // namespace hexwarden
