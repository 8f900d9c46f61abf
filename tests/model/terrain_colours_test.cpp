#include "model/terrain_colours.h"

#include <gtest/gtest.h>

#include "model/database.h"

namespace hexwarden {
namespace {

TEST(TerrainColours, KnownNamesHaveTheirOwnAndOthersAreDistinctAndNeverBlack) {
    EXPECT_EQ(TerrainColour("lake"), TerrainColour("Lake"));
    EXPECT_NE(TerrainColour("cavern"), TerrainColour("tunnels"));
    EXPECT_NE(TerrainColour("quagmire"), TerrainColour("badlands"));
    for (std::string_view name : {"", "quagmire", "badlands", "x"}) EXPECT_NE(TerrainColour(name), 0u) << name;
}

TEST(TerrainColours, OnlyUncolouredTerrainsTakeAColour) {
    TVelMain db;
    const int32_t lake = db.Terrains.AddOrUpdate("lake", "", 0, "lake");
    const int32_t ocean_before = db.Terrains.Get(6)->Value;
    ColourUncolouredTerrains(db.Terrains);
    EXPECT_EQ(static_cast<uint32_t>(db.Terrains.Get(lake)->Value), TerrainColour("lake"));
    EXPECT_EQ(db.Terrains.Get(6)->Value, ocean_before);
}

}  // namespace
}  // namespace hexwarden
