#include "model/hex_list.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "model/coordinates.h"
#include "model/database.h"
#include "platform/error.h"
#include "tests/support/database_builder.h"

namespace hexwarden {
namespace {

using testing::MakeHex;

TEST(HexList, LookupsOutsideTheStoredAreaFindNothingAndChangeNothing) {
    TVelMain db;
    TVelHexList& hexes = db.OverworldHexes;
    hexes.AddOrMerge(MakeHex(db, 5, 3));
    EXPECT_EQ(hexes.MaxX(), 5);
    EXPECT_EQ(hexes.MaxY(), 3);
    EXPECT_EQ(hexes.HexCount(), 1);
    EXPECT_EQ(hexes.FindXY(-1, 0), nullptr);
    EXPECT_EQ(hexes.FindXY(0, -1), nullptr);
    EXPECT_EQ(hexes.FindXY(6, 3), nullptr);
    EXPECT_EQ(hexes.FindXY(5, 4), nullptr);
    EXPECT_EQ(hexes.FindXY(4, 3), nullptr);
    EXPECT_EQ(hexes.FindXY(INT32_MAX, INT32_MAX), nullptr);
    EXPECT_NE(hexes.Find({5, 3}), nullptr);
    EXPECT_EQ(hexes.HexCount(), 1);
    EXPECT_EQ(hexes.MaxX(), 5);
    EXPECT_EQ(hexes.MaxY(), 3);
    EXPECT_EQ(db.UnderworldHexes.FindXY(5, 3), nullptr);

    hexes.Clear();
    EXPECT_EQ(hexes.MaxX(), 0);
    EXPECT_EQ(hexes.MaxY(), 0);
    EXPECT_EQ(hexes.HexCount(), 0);
}

TEST(HexList, NegativeOrHugeCoordinatesNeverBuildAGrid) {
    TVelMain db;
    EXPECT_THROW(db.OverworldHexes.AddOrMerge(MakeHex(db, -2, 4)), Error);
    EXPECT_THROW(db.OverworldHexes.Put(MakeHex(db, 4, -2)), Error);
    EXPECT_EQ(db.OverworldHexes.HexCount(), 0);
    db.OverworldHexes.AddOrMerge(MakeHex(db, INT32_MAX, INT32_MAX - 1));
    EXPECT_EQ(db.OverworldHexes.HexCount(), 1);
    EXPECT_EQ(db.OverworldHexes.MaxX(), INT32_MAX);
}

TEST(HexList, ExitSightingNeverReplacesAFullDescription) {
    TVelMain db;
    auto full = MakeHex(db, 2, 2, true, 5);
    full->TaxBase = 300;
    full->Notes = "mine here";
    TVelHex* stored = db.OverworldHexes.AddOrMerge(std::move(full));
    TVelHex* kept = db.OverworldHexes.AddOrMerge(MakeHex(db, 2, 2, false, 6));
    EXPECT_EQ(kept, stored);
    EXPECT_EQ(kept->Turn, 5);
    EXPECT_EQ(kept->TaxBase, 300);
    EXPECT_TRUE(kept->Confirmed);
}

TEST(HexList, NewerRecordsReplaceWholeKeepingOnlyTheNotes) {
    TVelMain db;
    auto first = MakeHex(db, 2, 2, true, 5);
    first->Gate = 7;
    first->Notes = "mine here";
    first->Products.AddNew("IRON", 0, 10);
    db.OverworldHexes.AddOrMerge(std::move(first));
    TVelHex* second = db.OverworldHexes.AddOrMerge(MakeHex(db, 2, 2, true, 4));  // even an older turn
    EXPECT_EQ(second->Turn, 4);
    EXPECT_EQ(second->Gate, -1);
    EXPECT_EQ(second->Products.Count(), 0);
    EXPECT_EQ(second->Notes, "mine here");
    EXPECT_EQ(db.FindHex({2, 2, Level::Surface}), second);

    db.OverworldHexes.AddOrMerge(MakeHex(db, 4, 0, false, 5));
    TVelHex* newer_exit = db.OverworldHexes.AddOrMerge(MakeHex(db, 4, 0, false, 6));
    EXPECT_EQ(newer_exit->Turn, 6);
    EXPECT_EQ(db.FindHex({4, 0, Level::Surface}), newer_exit);
}

TEST(HexList, EveryLevelKeepsItsOwnHexes) {
    TVelMain db;
    const Level abyss = *Level::FromLabel("abyss");
    db.HexesOf(Level::Underworld).AddOrMerge(MakeHex(db, 0, 0, true, 1, Level::Underworld));
    db.HexesOf(Level::Nexus).AddOrMerge(MakeHex(db, 0, 0, true, 2, Level::Nexus));
    db.HexesOf(abyss).AddOrMerge(MakeHex(db, 0, 0, true, 3, Level::Surface));  // the list decides
    (void)db.HexesOf(*Level::FromLabel("underdeep"));                           // present only with hexes

    EXPECT_EQ(db.FindHex({0, 0, Level::Underworld})->Turn, 1);
    EXPECT_EQ(db.FindHex({0, 0, Level::Nexus})->Turn, 2);
    EXPECT_EQ(db.FindHex({0, 0, abyss})->Where, abyss);
    EXPECT_EQ(db.FindHex({0, 0, Level::Surface}), nullptr);
    EXPECT_EQ(std::as_const(db).HexesOf(*Level::FromLabel("deep underworld")).HexCount(), 0);
    EXPECT_EQ(db.Levels(), (std::vector<Level>{Level::Nexus, Level::Surface, Level::Underworld, abyss}));

    db.Clear();
    EXPECT_EQ(db.Levels(), (std::vector<Level>{Level::Surface, Level::Underworld}));
}

TEST(HexList, HexesByRowGoesRowByRow) {
    TVelMain db;
    for (auto [x, y] : {std::pair{2, 0}, {0, 2}, {1, 1}, {3, 1}}) db.OverworldHexes.AddOrMerge(MakeHex(db, x, y));
    std::vector<GamePoint> order;
    for (const TVelHex* hex : db.OverworldHexes.HexesByRow()) order.push_back(hex->GetCoords());
    EXPECT_EQ(order, (std::vector<GamePoint>{{2, 0}, {1, 1}, {3, 1}, {0, 2}}));
}

TEST(Hex, TerrainProvinceAndShaft) {
    TVelMain db;
    TVelHex hex(db);
    EXPECT_EQ(hex.TerrainName(), "Plain");  // a new hex has terrain 0
    hex.SetTerrainName("Forest");
    EXPECT_EQ(hex.Terrain, 5);
    hex.SetTerrainName("Lava");
    EXPECT_EQ(hex.Terrain, 255);
    EXPECT_EQ(hex.TerrainName(), "");
    EXPECT_EQ(hex.TerrainRecord(), nullptr);

    db.Provinces.AddOrUpdate("olde", "", 0, "olde");
    hex.SetProvinceName("Olde");
    EXPECT_EQ(hex.Province, 0);
    EXPECT_EQ(hex.ProvinceName(), "Olde");
    hex.SetProvinceName("Nowhere");
    EXPECT_EQ(hex.Province, -1);
    EXPECT_EQ(hex.ProvinceName(), "");

    EXPECT_EQ(hex.ShaftIndex(), -1);
    for (const char* kind : {"Tower", "Shaft", "shaft"}) {
        auto building = std::make_unique<TVelBuilding>(db);
        building->Kind = kind;
        building->Number = hex.Structures.Count() + 1;
        hex.Structures.AddOrReplace(std::move(building));
    }
    EXPECT_EQ(hex.ShaftIndex(), 1);
    EXPECT_EQ(SettlementSizeName(2), "Town");
    EXPECT_EQ(SettlementSizeName(4), "");
}

TEST(Coordinates, GameAndGridConvertBothWays) {
    EXPECT_EQ(GameToGrid(3, 5), (GridCell{3, 2}));
    EXPECT_EQ(GridToGame(3, 2), (GamePoint{3, 5}));
    EXPECT_EQ(GameToGrid(4, 6), (GridCell{4, 3}));
    EXPECT_EQ(GridToGame(4, 3), (GamePoint{4, 6}));
    EXPECT_EQ(GameToGrid(0, 0), (GridCell{0, 0}));
    EXPECT_EQ(GameToGrid(-1, 0), (GridCell{-1, 0}));  // -1 counts as odd; (0 - 1) div 2 truncates to 0
    EXPECT_EQ(GridToGame(-1, 0), (GamePoint{-1, 1}));
    for (int x = 0; x < 6; ++x)
        for (int row = 0; row < 6; ++row) {
            const GamePoint game = GridToGame(x, row);
            EXPECT_EQ((game.X + game.Y) % 2, 0);
            EXPECT_EQ(GameToGrid(game.X, game.Y), (GridCell{x, row}));
        }
}

TEST(Coordinates, LocationTextsAndDirections) {
    EXPECT_EQ(FormatLocation({-1, -1, Level::Surface}), "<Unknown>");
    EXPECT_EQ(FormatLocation({3, -1, Level::Underworld}), "<Unknown>");
    EXPECT_EQ(FormatLocation({10, 4, Level::Underworld}), "10,4*");
    EXPECT_EQ(FormatLocation({10, 4, Level::Surface}), "10,4");
    EXPECT_EQ(FormatLocation({3, 5, *Level::FromLabel("abyss")}), "3,5 abyss");
    EXPECT_EQ(FormatLocation({0, 0, Level::Nexus}), "0,0 nexus");
    EXPECT_EQ(DirectionIndex("Northwest"), 1);
    EXPECT_EQ(DirectionIndex("South"), 5);
    EXPECT_EQ(DirectionIndex("Southwest"), 6);
    EXPECT_EQ(DirectionIndex("north"), 0);
    EXPECT_EQ(DirectionIndex(""), 0);
}

}  // namespace
}  // namespace hexwarden
