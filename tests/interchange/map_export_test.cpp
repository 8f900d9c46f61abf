#include "interchange/map_export.h"

#include <gtest/gtest.h>

#include "model/database.h"
#include "tests/interchange/map_database_builder.h"

namespace hexwarden {
namespace {

using testing::AddHex;
using testing::AddStructure;
using testing::AddUnit;

const std::string kHeader = "[VELDORIA DATA]\r\nTurn=30\r\nSource=Iron Hand (12)\r\n\r\n";

class MapExportTest : public ::testing::Test {
protected:
    MapExportTest() {
        main.FactionName = "Iron Hand";
        main.FactionNumber = 12;
        main.Turn = 30;
    }

    // Only the always-written hex lines, so that each test shows the lines it is about.
    static MapExportOptions BareHexes() {
        MapExportOptions options;
        options.ExportProvince = options.ExportPeasants = options.ExportCities = options.ExportTax = false;
        options.ExportWages = options.ExportEntertainment = options.ExportForSale = false;
        options.ExportWanted = options.ExportProducts = false;
        return options;
    }

    static MapExportOptions Rectangle(MapExportOptions options, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
        options.StartX = x1;
        options.StartY = y1;
        options.EndX = x2;
        options.EndY = y2;
        return options;
    }

    TVelMain main;
};

TEST_F(MapExportTest, AnEmptySelectionStillWritesTheHeader) {
    EXPECT_EQ(ExportMapData(main, Rectangle({}, 0, 0, 100, 100)), kHeader);
    TVelMain empty;
    EXPECT_EQ(ExportMapData(empty, {}), "[VELDORIA DATA]\r\nTurn=0\r\nSource= (0)\r\n\r\n");
}

TEST_F(MapExportTest, AHexWithEveryFieldWritesItsLinesInOrder) {
    TVelHex& hex = AddHex(main, 4, 6, true, 28);
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
    MapExportOptions options = Rectangle({}, 0, 0, 10, 10);
    options.ExportGates = true;
    EXPECT_EQ(ExportMapData(main, options),
              kHeader +
                  "\r\n[Hex 4,6,Overworld]\r\n"
                  "Turn=28\r\n"
                  "Terrain=Forest\r\n"
                  "Confirmed=True\r\n"
                  "Province=Greenvale\r\n"
                  "Peasants=VIKI,2500;HELF,30,*\r\n"
                  "Town=Harbour\r\n"
                  "Tax Base=7500\r\n"
                  "Wages=13\r\n"
                  "Max Wages=4096\r\n"
                  "Entertainment=-5\r\n"
                  "For Sale=SWOR,5,120;HORS,-1,60,*\r\n"
                  "Wanted=GRAI,40,18\r\n"
                  "Products=WOOD,12;STON,3\r\n"
                  "Gate=7\r\n");
}

TEST_F(MapExportTest, OptionalLinesNeedTheirOptionAndSomethingToSay) {
    TVelHex& hex = AddHex(main, 0, 0, true, 5, false);  // no terrain, province, settlement, lists
    const std::string always = "\r\n[Hex 0,0,Overworld]\r\nTurn=5\r\nTerrain=\r\nConfirmed=False\r\n";
    MapExportOptions all;
    all.ExportGates = true;
    EXPECT_EQ(ExportMapData(main, all),
              kHeader + always + "Province=\r\nTax Base=0\r\nWages=0\r\nMax Wages=0\r\nEntertainment=0\r\n");
    hex.Gate = 0;
    EXPECT_EQ(ExportMapData(main, all),
              kHeader + always + "Province=\r\nTax Base=0\r\nWages=0\r\nMax Wages=0\r\nEntertainment=0\r\n");

    hex.SettlementSize = 3;
    hex.SettlementName = "Stonehold";
    hex.Gate = 2;
    hex.Peasants.AddNew("ORC", 0, 1);
    EXPECT_EQ(ExportMapData(main, BareHexes()), kHeader + always);
    MapExportOptions cities_and_gates = BareHexes();
    cities_and_gates.ExportCities = true;
    cities_and_gates.ExportGates = true;
    EXPECT_EQ(ExportMapData(main, cities_and_gates), kHeader + always + "City=Stonehold\r\nGate=2\r\n");
}

TEST_F(MapExportTest, TheRectangleTakesCornersInAnyOrderAndRunsXFirst) {
    for (auto [x, y] : {std::pair{10, 20}, {4, 2}, {5, 3}, {4, 20}, {3, 3}, {11, 3}, {6, 22}, {6, 0}}) {
        AddHex(main, x, y, true, 1);
    }
    AddHex(main, 5, 5, false, 1);  // the other level
    std::string text = ExportMapData(main, Rectangle(BareHexes(), 10, 20, 4, 2));
    std::vector<std::string> headers;
    for (size_t at = text.find("[Hex"); at != std::string::npos; at = text.find("[Hex", at + 1)) {
        headers.push_back(text.substr(at, text.find(']', at) - at + 1));
    }
    EXPECT_EQ(headers, (std::vector<std::string>{"[Hex 4,2,Overworld]", "[Hex 4,20,Overworld]", "[Hex 5,3,Overworld]",
                                                  "[Hex 10,20,Overworld]"}));
}

TEST_F(MapExportTest, DefaultRectangleLevelChoiceAndConfirmedOnly) {
    AddHex(main, 0, 0, true, 1);
    AddHex(main, 2, 0, true, 1);
    AddHex(main, 0, 0, false, 3, false);
    AddHex(main, 1, 1, false, 4, true);
    EXPECT_EQ(ExportMapData(main, BareHexes()),
              kHeader + "\r\n[Hex 0,0,Overworld]\r\nTurn=1\r\nTerrain=\r\nConfirmed=True\r\n");

    MapExportOptions underworld = Rectangle(BareHexes(), 0, 0, 5, 5);
    underworld.Overworld = false;
    EXPECT_EQ(ExportMapData(main, underworld),
              kHeader + "\r\n[Hex 0,0,Underworld]\r\nTurn=3\r\nTerrain=\r\nConfirmed=False\r\n" +
                  "\r\n[Hex 1,1,Underworld]\r\nTurn=4\r\nTerrain=\r\nConfirmed=True\r\n");
    underworld.ConfirmedOnly = true;
    EXPECT_EQ(ExportMapData(main, underworld), kHeader + "\r\n[Hex 1,1,Underworld]\r\nTurn=4\r\nTerrain=\r\nConfirmed=True\r\n");
}

TEST_F(MapExportTest, FarApartCornersDoNotWalkTheWholeRectangle) {
    AddHex(main, 2000000000, 0, true, 1);
    AddHex(main, 0, 2000000000, true, 1);
    std::string text = ExportMapData(main, Rectangle(BareHexes(), INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX));
    EXPECT_NE(text.find("[Hex 0,2000000000,Overworld]\r\nTurn=1"), std::string::npos);
    EXPECT_LT(text.find("[Hex 0,2000000000"), text.find("[Hex 2000000000,0"));
}

TEST_F(MapExportTest, StructuresAndUnitsWithEveryUnitOption) {
    TVelHex& hex = AddHex(main, 2, 2, true, 29);
    TVelBuilding& tower = AddStructure(main, hex, 3, "Tower");
    tower.Kind = "Tower";
    tower.Description = "tall";
    tower.Needs = 40;
    TVelBuilding& shaft = AddStructure(main, hex, 5, "Deep");
    shaft.Kind = "Shaft";
    TVelUnit& guard = AddUnit(main, hex, 101, "Guards", &tower);
    guard.Turn = 29;
    guard.Faction = 12;
    guard.FactionConfirmed = true;
    guard.SetFlag(UnitFlag::Holding, true);
    guard.SetFlag(UnitFlag::OnGuard, true);
    guard.SetFlag(UnitFlag::RevealUnit, true);
    guard.Troops.AddTroops("VIKI", 10);
    guard.Troops.AddTroops("LEAD", 1);
    guard.Items.AddNew("SWOR", 0, 10);
    guard.Skills.AddOrReplace(std::make_unique<TVelSkill>("COMB", 2, 90));
    guard.Skills.AddOrReplace(std::make_unique<TVelSkill>("FORC", 1, 30));
    TVelUnit& scout = AddUnit(main, hex, 7, "Scout");
    scout.Turn = 28;
    scout.Faction = 40;
    scout.Description = "quick";
    scout.SetFlag(UnitFlag::RevealUnit, true);  // a flag without a word

    MapExportOptions options = Rectangle(BareHexes(), 2, 2, 2, 2);
    options.ExportStructures = options.ExportUnits = true;
    options.ExpUnitFaction = options.ExpUnitItems = options.ExpUnitTroops = true;
    options.ExpUnitSkills = options.ExpUnitFlags = true;
    EXPECT_EQ(ExportMapData(main, options),
              kHeader +
                  "\r\n[Hex 2,2,Overworld]\r\nTurn=29\r\nTerrain=\r\nConfirmed=True\r\n"
                  "\r\n[Structure 3: 2,2,Overworld]\r\nTurn=29\r\nName=Tower\r\nDescription=tall\r\nKind=Tower\r\n"
                  "Needs=40\r\nUnits=101\r\n"
                  "\r\n[Unit 101: 2,2,Overworld]\r\nTurn=29\r\nID=101\r\nName=Guards\r\nInside=3\r\nFaction=12\r\n"
                  "Troops=VIKI,10;LEAD,1\r\nItems=SWOR,10\r\nSkills=COMB,90,*;FORC,30,*\r\nFlags=OnGuard,Holding\r\n"
                  "\r\n[Structure 5: 2,2,Overworld]\r\nTurn=29\r\nName=Deep\r\nKind=Shaft\r\nNeeds=0\r\n"
                  "\r\n[Unit 7: 2,2,Overworld]\r\nTurn=28\r\nID=7\r\nName=Scout\r\nDescription=quick\r\nFaction=40\r\n"
                  "Faction Confirmed=False\r\nTroops=\r\n");

    // Structures without units: no unit list and no unit sections, also not the ones inside.
    MapExportOptions structures_only = Rectangle(BareHexes(), 2, 2, 2, 2);
    structures_only.ExportStructures = true;
    std::string text = ExportMapData(main, structures_only);
    EXPECT_EQ(text.find("Units="), std::string::npos);
    EXPECT_EQ(text.find("[Unit"), std::string::npos);

    // Units without structures: only the units in the open, with none of the unit options.
    MapExportOptions units_only = Rectangle(BareHexes(), 2, 2, 2, 2);
    units_only.ExportUnits = true;
    EXPECT_EQ(ExportMapData(main, units_only),
              kHeader + "\r\n[Hex 2,2,Overworld]\r\nTurn=29\r\nTerrain=\r\nConfirmed=True\r\n" +
                  "\r\n[Unit 7: 2,2,Overworld]\r\nTurn=28\r\nID=7\r\nName=Scout\r\nDescription=quick\r\n");
}

TEST_F(MapExportTest, LineBreaksInStoredTextsCannotInjectSections) {
    TVelHex& hex = AddHex(main, 0, 0, true, 1);
    hex.SettlementSize = 1;
    hex.SettlementName = "Mill\r\n[Hex 2,2,Overworld]\nTurn=99";
    MapExportOptions options = BareHexes();
    options.ExportCities = true;
    std::string text = ExportMapData(main, options);
    EXPECT_NE(text.find("Village=Mill  [Hex 2,2,Overworld] Turn=99\r\n"), std::string::npos);
    EXPECT_EQ(text.find("\n[Hex 2"), std::string::npos);
}

}  // namespace
}  // namespace hexwarden
