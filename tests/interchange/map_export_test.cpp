#include "interchange/map_export.h"

#include <gtest/gtest.h>

#include "model/database.h"
#include "tests/interchange/map_database_builder.h"

namespace hexwarden {
namespace {

using testing::AddHex;

const std::string kHeader = "[VELDORIA DATA]\r\nTurn=30\r\nSource=Iron Hand (12)\r\n\r\n";

std::string BareHex(const std::string& location, int turn, bool confirmed = true) {
    return "\r\n[Hex " + location + "]\r\nTurn=" + std::to_string(turn) + "\r\nTerrain=\r\nConfirmed=" +
           (confirmed ? "True" : "False") + "\r\n";
}

class MapExportTest : public ::testing::Test {
protected:
    MapExportTest() {
        main.FactionName = "Iron Hand";
        main.FactionNumber = 12;
        main.Turn = 30;
    }

    // Only the lines every hex section has, unless a test asks for more.
    static MapExportOptions Bare(int32_t x1 = 0, int32_t y1 = 0, int32_t x2 = 0, int32_t y2 = 0) {
        MapExportOptions options;
        options.ExportProvince = options.ExportPeasants = options.ExportCities = options.ExportTax = false;
        options.ExportWages = options.ExportEntertainment = options.ExportForSale = false;
        options.ExportWanted = options.ExportProducts = false;
        options.StartX = x1;
        options.StartY = y1;
        options.EndX = x2;
        options.EndY = y2;
        return options;
    }

    TVelMain main;
};

TEST_F(MapExportTest, EveryHexLineInOrderAndOnlyWhenThereIsSomethingToSay) {
    TVelHex& hex = AddHex(main, 4, 6, Level::Surface, 28);
    MapExportOptions options;
    options.EndX = options.EndY = 10;
    options.ExportGates = true;
    // Nothing known: empty names and zeros, but no lists, settlement or gate.
    EXPECT_EQ(ExportMapData(main, options),
              kHeader + BareHex("4,6,Overworld", 28) + "Province=\r\nTax Base=0\r\nWages=0\r\nMax Wages=0\r\nEntertainment=0\r\n");
    hex.Gate = 0;
    EXPECT_EQ(ExportMapData(main, options).find("Gate="), std::string::npos);

    hex.SetTerrainName("Forest");
    hex.Province = main.Provinces.AddOrUpdate("greenvale", "", 0, "greenvale");
    hex.Peasants.AddNew("VIKI", 0, 2500);
    hex.Peasants.Add(std::make_unique<TVelItem>("HELF", 0, 30, true));
    hex.SettlementSize = 2;
    hex.SettlementName = "Harbour";
    hex.TaxBase = 7500;
    hex.Wages = 13;
    hex.MaxWages = 4096;
    hex.Entertainment = -5;
    hex.ForSale.AddNew("SWOR", 120, 5);
    hex.ForSale.Add(std::make_unique<TVelItem>("HORS", 60, -1, true));
    hex.Wanted.AddNew("GRAI", 18, 40);
    hex.Products.AddNew("WOOD", 0, 12);
    hex.Products.AddNew("STON", 0, 3);
    hex.Gate = 7;
    EXPECT_EQ(ExportMapData(main, options),
              kHeader +
                  "\r\n[Hex 4,6,Overworld]\r\nTurn=28\r\nTerrain=Forest\r\nConfirmed=True\r\nProvince=Greenvale\r\n"
                  "Peasants=VIKI,2500;HELF,30,*\r\nTown=Harbour\r\nTax Base=7500\r\nWages=13\r\nMax Wages=4096\r\n"
                  "Entertainment=-5\r\nFor Sale=SWOR,5,120;HORS,-1,60,*\r\nWanted=GRAI,40,18\r\n"
                  "Products=WOOD,12;STON,3\r\nGate=7\r\n");
    EXPECT_EQ(ExportMapData(main, Bare(4, 6, 4, 6)), kHeader + "\r\n[Hex 4,6,Overworld]\r\nTurn=28\r\nTerrain=Forest\r\nConfirmed=True\r\n");
}

TEST_F(MapExportTest, RectangleCornersInAnyOrderLevelAndConfirmedOnly) {
    for (auto [x, y] : {std::pair{10, 20}, {4, 2}, {5, 3}, {4, 20}, {3, 3}, {11, 3}, {6, 22}, {6, 0}}) AddHex(main, x, y, Level::Surface, 1);
    AddHex(main, 0, 0, Level::Surface, 1);
    AddHex(main, 5, 5, Level::Underworld, 3, false);
    AddHex(main, 2000000000, 0, Level::Underworld, 4);
    EXPECT_EQ(ExportMapData(main, Bare(10, 20, 4, 2)),
              kHeader + BareHex("4,2,Overworld", 1) + BareHex("4,20,Overworld", 1) + BareHex("5,3,Overworld", 1) +
                  BareHex("10,20,Overworld", 1));
    EXPECT_EQ(ExportMapData(main, Bare()), kHeader + BareHex("0,0,Overworld", 1));

    // The whole 32-bit plane is no slower than the hexes it holds.
    MapExportOptions underworld = Bare(INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX);
    underworld.Where = Level::Underworld;
    EXPECT_EQ(ExportMapData(main, underworld), kHeader + BareHex("5,5,Underworld", 3, false) + BareHex("2000000000,0,Underworld", 4));
    underworld.ConfirmedOnly = true;
    EXPECT_EQ(ExportMapData(main, underworld), kHeader + BareHex("2000000000,0,Underworld", 4));
    EXPECT_EQ(ExportMapData(main, Bare(100, 100, 200, 200)), kHeader);
}

TEST_F(MapExportTest, StructuresAndUnitsWithEveryUnitOption) {
    TVelHex& hex = AddHex(main, 2, 2, Level::Surface, 29);
    TVelBuilding& tower = testing::AddStructure(main, hex, 3, "Tower");
    tower.Kind = "Tower";
    tower.Description = "tall";
    tower.Needs = 40;
    testing::AddStructure(main, hex, 5, "Deep").Kind = "Shaft";
    TVelUnit& guard = testing::AddUnit(main, hex, 101, "Guards", &tower);
    guard.Turn = 29;
    guard.Faction = 12;
    guard.FactionConfirmed = true;
    for (UnitFlag flag : {UnitFlag::Holding, UnitFlag::OnGuard, UnitFlag::RevealUnit}) guard.SetFlag(flag, true);
    guard.Troops.AddTroops("VIKI", 10);
    guard.Troops.AddTroops("LEAD", 1);
    guard.Items.AddNew("SWOR", 0, 10);
    guard.Skills.AddOrReplace(std::make_unique<TVelSkill>("COMB", 2, 90));
    guard.Skills.AddOrReplace(std::make_unique<TVelSkill>("FORC", 1, 30));
    TVelUnit& scout = testing::AddUnit(main, hex, 7, "Scout");
    scout.Turn = 28;
    scout.Faction = 40;
    scout.Description = "quick";
    scout.SetFlag(UnitFlag::RevealUnit, true);  // a flag without a word writes no line

    MapExportOptions options = Bare(2, 2, 2, 2);
    options.ExportStructures = options.ExportUnits = options.ExpUnitFaction = options.ExpUnitItems = true;
    options.ExpUnitTroops = options.ExpUnitSkills = options.ExpUnitFlags = true;
    const std::string scout_section = "\r\n[Unit 7: 2,2,Overworld]\r\nTurn=28\r\nID=7\r\nName=Scout\r\nDescription=quick\r\n";
    EXPECT_EQ(ExportMapData(main, options),
              kHeader + BareHex("2,2,Overworld", 29) +
                  "\r\n[Structure 3: 2,2,Overworld]\r\nTurn=29\r\nName=Tower\r\nDescription=tall\r\nKind=Tower\r\n"
                  "Needs=40\r\nUnits=101\r\n"
                  "\r\n[Unit 101: 2,2,Overworld]\r\nTurn=29\r\nID=101\r\nName=Guards\r\nInside=3\r\nFaction=12\r\n"
                  "Troops=VIKI,10;LEAD,1\r\nItems=SWOR,10\r\nSkills=COMB,90,*;FORC,30,*\r\nFlags=OnGuard,Holding\r\n"
                  "\r\n[Structure 5: 2,2,Overworld]\r\nTurn=29\r\nName=Deep\r\nKind=Shaft\r\nNeeds=0\r\n" +
                  scout_section + "Faction=40\r\nFaction Confirmed=False\r\nTroops=\r\n");

    options = Bare(2, 2, 2, 2);
    options.ExportUnits = true;  // units in the open only, with none of the unit options
    EXPECT_EQ(ExportMapData(main, options), kHeader + BareHex("2,2,Overworld", 29) + scout_section);
    options = Bare(2, 2, 2, 2);
    options.ExportStructures = true;
    EXPECT_EQ(ExportMapData(main, options).find("Unit"), std::string::npos);
}

TEST_F(MapExportTest, LineBreaksInStoredTextsCannotInjectSections) {
    TVelHex& hex = AddHex(main, 0, 0, Level::Surface, 1);
    hex.SettlementSize = 1;
    hex.SettlementName = "Mill\r\n[Hex 2,2,Overworld]\nTurn=99";
    MapExportOptions options = Bare();
    options.ExportCities = true;
    EXPECT_EQ(ExportMapData(main, options), kHeader + BareHex("0,0,Overworld", 1) + "Village=Mill  [Hex 2,2,Overworld] Turn=99\r\n");
}

}  // namespace
}  // namespace hexwarden
