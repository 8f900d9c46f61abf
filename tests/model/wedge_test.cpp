#include "model/wedge.h"

#include <gtest/gtest.h>

#include "model/database.h"
#include "tests/support/database_builder.h"

namespace hexwarden {
namespace {

using testing::MakeHex;
using testing::MakeUnit;

class Wedges : public ::testing::Test {
protected:
    Wedges() : hex(*db.OverworldHexes.AddOrMerge(MakeHex(db, 2, 2))) {}

    TMapWedge Wedge(int32_t kind, std::string key) {
        TMapWedge wedge;
        wedge.Kind = kind;
        wedge.Key = std::move(key);
        return wedge;
    }

    TVelMain db;
    TVelHex& hex;
};

TEST_F(Wedges, FreshAndClearedDatabasesHaveSixUnusedWedges) {
    const auto expect_six_unused = [this](const TVelHex& populated) {
        ASSERT_EQ(db.Wedges.Count(), 6);
        for (int32_t i = 0; i < 6; ++i) {
            const TMapWedge& wedge = *db.Wedges.Get(i);
            EXPECT_EQ(wedge.Position, i);
            EXPECT_EQ(wedge.Kind, WedgeKind::Unused);
            EXPECT_EQ(wedge.Key, "");
            EXPECT_FALSE(wedge.UseCustomColour);
            EXPECT_FALSE(db.Wedges.WedgeApplies(wedge, populated));
        }
    };
    hex.Peasants.AddNew("NOMA", 0, 100);
    expect_six_unused(hex);
    db.Wedges.Get(2)->Kind = WedgeKind::Peasants;
    db.Wedges.Add(std::make_unique<TMapWedge>());
    db.Clear();
    TVelHex populated(db);
    populated.Peasants.AddNew("NOMA", 0, 100);
    expect_six_unused(populated);
}

TEST_F(Wedges, FactionWedgeSeesUnitsInsideStructuresAndTakesTheFactionColour) {
    const TMapWedge wedge = Wedge(WedgeKind::Faction, "12");
    EXPECT_FALSE(db.Wedges.WedgeApplies(wedge, hex));
    auto building = std::make_unique<TVelBuilding>(db);
    building->Units.AddUnique(db.Units.AddOrReplace(MakeUnit(db, 1, 12, 2, 2)));
    hex.Structures.AddOrReplace(std::move(building));
    EXPECT_TRUE(db.Wedges.WedgeApplies(wedge, hex));
    EXPECT_EQ(db.Wedges.WedgeColour(wedge, hex), 0u);  // faction not known
    db.Factions.AddOrRename("Iron Hand", 12)->Colour = 0x0000FF;
    EXPECT_EQ(db.Wedges.WedgeColour(wedge, hex), 0x0000FFu);
    for (const char* bad_key : {"", "twelve", "12x"}) {
        EXPECT_FALSE(db.Wedges.WedgeApplies(Wedge(WedgeKind::Faction, bad_key), hex)) << bad_key;
        EXPECT_EQ(db.Wedges.WedgeColour(Wedge(WedgeKind::Faction, bad_key), hex), 0u);
    }
}

TEST_F(Wedges, AllianceWedgeNeedsAKnownAlliance) {
    hex.Units.AddUnique(db.Units.AddOrReplace(MakeUnit(db, 1, 12, 2, 2)));
    TMapWedge wedge = Wedge(WedgeKind::Alliance, "North Pact");
    EXPECT_FALSE(db.Wedges.WedgeApplies(wedge, hex));
    EXPECT_EQ(db.Wedges.WedgeColour(wedge, hex), 0u);
    wedge.UseCustomColour = true;
    wedge.Colour = 0x123456;
    EXPECT_EQ(db.Wedges.WedgeColour(wedge, hex), 0x123456u);
    auto alliance = std::make_unique<TVelAlliance>();
    alliance->Name = "North Pact";
    alliance->Members = {12};
    db.Alliances.Add(std::move(alliance));
    EXPECT_TRUE(db.Wedges.WedgeApplies(wedge, hex));
}

TEST_F(Wedges, PeasantsWedgeTakesTheColourOfTheRace) {
    const TMapWedge wedge = Wedge(WedgeKind::Peasants, "");
    EXPECT_FALSE(db.Wedges.WedgeApplies(wedge, hex));
    EXPECT_EQ(db.Wedges.WedgeColour(wedge, hex), 0u);
    db.Races.Get(5)->Value = 0x00AA00;
    hex.Peasants.AddNew("NOMA", 0, 1);  // one nomad: found through the singular
    EXPECT_TRUE(db.Wedges.WedgeApplies(wedge, hex));
    EXPECT_EQ(db.Wedges.WedgeColour(wedge, hex), 0x00AA00u);
    hex.Peasants.AddNew("NOMA", 0, 300);
    EXPECT_EQ(db.Wedges.WedgeColour(wedge, hex), 0x00AA00u);
    TVelHex& unknown_race = *db.OverworldHexes.AddOrMerge(MakeHex(db, 4, 4));
    unknown_race.Peasants.AddNew("GNOM", 0, 10);
    EXPECT_TRUE(db.Wedges.WedgeApplies(wedge, unknown_race));
    EXPECT_EQ(db.Wedges.WedgeColour(wedge, unknown_race), 0u);
}

TEST_F(Wedges, MarketWedgesNeedStockAboveZero) {
    db.ItemTypes.AddOrUpdate("iron", "iron", 0x808080, "IRON");
    hex.Products.AddNew("WOOD", 0, -1);
    hex.Products.AddNew("IRON", 0, 1);
    hex.Wanted.AddNew("WOOD", 20, 5);
    EXPECT_FALSE(db.Wedges.WedgeApplies(Wedge(WedgeKind::Products, "WOOD"), hex));
    EXPECT_TRUE(db.Wedges.WedgeApplies(Wedge(WedgeKind::Products, "IRON"), hex));
    EXPECT_TRUE(db.Wedges.WedgeApplies(Wedge(WedgeKind::Wanted, "WOOD"), hex));
    EXPECT_FALSE(db.Wedges.WedgeApplies(Wedge(WedgeKind::ForSale, "WOOD"), hex));
    EXPECT_FALSE(db.Wedges.WedgeApplies(Wedge(42, "WOOD"), hex));
    EXPECT_EQ(db.Wedges.WedgeColour(Wedge(WedgeKind::ForSale, "IRON"), hex), 0x808080u);
    EXPECT_EQ(db.Wedges.WedgeColour(Wedge(42, "IRON"), hex), 0u);
}

TEST(Markers, FindAtGivesTheFirstMarkerAndPositionsShowTheLevel) {
    TVelMapMarkerList markers;
    markers.Add(std::make_unique<TVelMapMarker>("first", Place{10, 4, Level::Underworld}));
    markers.Add(std::make_unique<TVelMapMarker>("second", Place{10, 4, Level::Underworld}));
    markers.Add(std::make_unique<TVelMapMarker>("above", Place{10, 4, Level::Surface}));
    markers.Add(std::make_unique<TVelMapMarker>("deep", Place{10, 4, *Level::FromLabel("deep underworld")}));
    EXPECT_EQ(markers.FindAt({10, 4, Level::Underworld})->Text, "first");
    EXPECT_EQ(markers.FindAt({10, 4, Level::Surface})->Text, "above");
    EXPECT_EQ(markers.FindAt({4, 10, Level::Surface}), nullptr);
    EXPECT_EQ(markers.Get(2)->FormatPosition(), "10,4");
    EXPECT_EQ(markers.Get(0)->FormatPosition(), "10,4*");
    EXPECT_EQ(markers.Get(3)->FormatPosition(), "10,4 deep underworld");
}

}  // namespace
}  // namespace hexwarden
