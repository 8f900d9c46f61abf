#include "interchange/map_import.h"

#include <gtest/gtest.h>

#include "model/database.h"
#include "platform/error.h"
#include "tests/interchange/map_database_builder.h"
#include "tests/support/fixtures.h"

namespace hexwarden {
namespace {

using testing::AddHex;

std::string Section(const std::string& name, const std::string& lines) {
    return "[" + name + "]\r\n" + lines + "\r\n";
}

class MapImportTest : public ::testing::Test {
protected:
    void Import(const std::string& text) { EXPECT_EQ(ImportMapDataFromBytes(main, text), "Import completed."); }
    TVelHex* Hex(int32_t x, int32_t y, Level level = Level::Surface) { return main.FindHex({x, y, level}); }

    TVelMain main;
};

TEST_F(MapImportTest, OnlyANewerTurnRefreshesAndAConfirmedHexNeedsAConfirmedSection) {
    AddHex(main, 0, 0, Level::Surface, 12, true);
    AddHex(main, 2, 0, Level::Surface, 12, false);
    AddHex(main, 4, 0, Level::Surface, 0, false);
    Import(Section("Hex 0,0,Overworld", "Turn=12\nConfirmed=True\nWages=1") +
           Section("Hex 0,0,Overworld", "Turn=20\nConfirmed=False\nWages=2") +
           Section("Hex 2,0,Overworld", "Turn=20\nConfirmed=False\nWages=3") +
           Section("Hex 4,0,Overworld", "Confirmed=True\nWages=4") + Section("Hex 6,0,Overworld", "Turn=soon\nWages=5"));
    EXPECT_EQ(Hex(0, 0)->Wages, 0);
    EXPECT_EQ(Hex(0, 0)->Turn, 12);
    EXPECT_EQ(Hex(2, 0)->Wages, 3);
    EXPECT_EQ(Hex(2, 0)->Turn, 20);
    EXPECT_EQ(Hex(4, 0)->Wages, 0);  // no turn is turn 0, never newer
    EXPECT_EQ(Hex(6, 0)->Wages, 5);  // but a new hex is still created
    EXPECT_EQ(Hex(6, 0)->Turn, 0);
    Import(Section("Hex 0,0,Overworld", "Turn=13\nConfirmed=tRUE\nWages=6") + Section("Hex 2,0,Overworld", "Turn=21\nConfirmed=yes"));
    EXPECT_EQ(Hex(0, 0)->Wages, 6);
    EXPECT_TRUE(Hex(0, 0)->Confirmed);
    EXPECT_FALSE(Hex(2, 0)->Confirmed);
}

TEST_F(MapImportTest, AbsentKeysLeaveAKnownHexAsItWasAndANewOneEmpty) {
    main.Provinces.AddOrUpdate("Oldmark", "", 0, "Oldmark");
    TVelHex& known = AddHex(main, 2, 0, Level::Surface, 1);
    known.Peasants.AddNew("VIKI", 0, 10);
    known.Gate = 9;
    known.Notes = "my notes";
    known.Province = 0;
    known.SettlementSize = 1;
    known.SettlementName = "Mill";
    testing::AddUnit(main, known, 50, "Guards", &testing::AddStructure(main, known, 1, "Tower"));
    testing::AddUnit(main, known, 51, "Scouts");
    const std::string lines = "Turn=5\nConfirmed=True\nPeasants=\nCity=\nWanted=IRON,1,2";
    Import(Section("Hex 2,0,Overworld", lines) + Section("Hex 3,5,Underworld", lines));
    EXPECT_EQ(Hex(2, 0)->Peasants.Count(), 1);
    EXPECT_EQ(Hex(2, 0)->Gate, 9);
    EXPECT_EQ(Hex(2, 0)->Notes, "my notes");
    EXPECT_EQ(Hex(2, 0)->ProvinceName(), "Oldmark");
    EXPECT_EQ(Hex(2, 0)->SettlementName, "Mill");
    EXPECT_EQ(Hex(2, 0)->Wanted.Get(0)->Code, "IRON");
    EXPECT_EQ(Hex(2, 0)->Structures.Get(0)->Units.Count(), 1);
    EXPECT_EQ(Hex(2, 0)->Units.Count(), 1);
    TVelHex* fresh = Hex(3, 5, Level::Underworld);
    ASSERT_NE(fresh, nullptr);
    EXPECT_EQ(fresh->Province, -1);
    EXPECT_EQ(fresh->Gate, -1);
    EXPECT_EQ(fresh->SettlementSize, 0);
}

TEST_F(MapImportTest, TerrainProvinceAndSettlementNames) {
    Import(Section("Hex 0,0,Overworld", "Turn=1\nTerrain=Mountain\nProvince=greenvale\nVillage=Hamlet\nCity=Capital") +
           Section("Hex 2,0,Overworld", "Turn=1\nTerrain=mountain\nProvince=greenvale\ncity=\ntown=Harbour") +
           Section("Hex 4,0,Overworld", "Turn=1\nTerrain=Lake\nProvince=Greenvale") +
           Section("Hex 6,0,Overworld", "Turn=1\nTerrain=lake"));
    EXPECT_EQ(Hex(0, 0)->TerrainName(), "Mountain");
    EXPECT_EQ(Hex(2, 0)->TerrainName(), "Mountain");  // the report word, found by its code
    EXPECT_EQ(Hex(4, 0)->TerrainName(), "Lake");     // registered as a report would
    EXPECT_EQ(Hex(6, 0)->Terrain, Hex(4, 0)->Terrain);
    EXPECT_EQ(Hex(0, 0)->ProvinceName(), "Greenvale");
    EXPECT_EQ(Hex(0, 0)->Province, Hex(2, 0)->Province);
    EXPECT_NE(Hex(0, 0)->Province, Hex(4, 0)->Province);  // another code is another province
    EXPECT_EQ(Hex(0, 0)->SettlementSize, 3);
    EXPECT_EQ(Hex(0, 0)->SettlementName, "Capital");
    EXPECT_EQ(Hex(2, 0)->SettlementSize, 2);

    while (main.Terrains.Count() < 255) main.Terrains.AddOrUpdate("t", "", 0, "t" + std::to_string(main.Terrains.Count()));
    Import(Section("Hex 8,0,Overworld", "Turn=1\nTerrain=Lava"));
    EXPECT_EQ(Hex(8, 0)->Terrain, 255);  // a hex cannot name a 256th terrain
    EXPECT_EQ(main.Terrains.Count(), 255);
}

TEST_F(MapImportTest, ItemEntriesPricesIllusionsAndTheTablesTheyAreNamedIn) {
    Import(Section("Hex 0,0,Overworld",
                   "Turn=1\nFor Sale=IRON,20,*;IRON,20,5,*;HORS,-1,60;;\nProducts=WOOD,12;WOOD,3\nPeasants=GNOM,300"));
    const TVelItemList& sale = Hex(0, 0)->ForSale;
    ASSERT_EQ(sale.Count(), 3);
    EXPECT_TRUE(sale.Get(0)->Illusion && sale.Get(0)->Price == 0);
    EXPECT_TRUE(sale.Get(1)->Illusion && sale.Get(1)->Price == 5);
    EXPECT_TRUE(!sale.Get(2)->Illusion && sale.Get(2)->Price == 60 && sale.Get(2)->Count == -1);
    EXPECT_EQ(Hex(0, 0)->Products.Get(0)->Count, 15);
    EXPECT_NE(main.ItemTypes.FindByCode("HORS"), nullptr);
    EXPECT_NE(main.Races.FindByCode("GNOM"), nullptr);
    EXPECT_EQ(main.ItemTypes.FindByCode("GNOM"), nullptr);
}

TEST_F(MapImportTest, SectionNamesDecideKindLevelAndLocation) {
    Import("[VELDORIA DATA]\r\nTurn=40\r\n" + Section("Structure 3: 0,0,Overworld", "Turn=5") +
           Section("UNIT 8: 2,0,Overworld", "Turn=5") + Section("Hex 1,1", "Turn=5") +
           Section("Hex 1,1,Overworld,x", "Turn=5") + Section("Hex", "Turn=5") + Section("Hex -2,0,Overworld", "Turn=5") +
           Section("Hex 1,2,Overworld", "Turn=5") + Section("hex 0,0,OVERWORLD", " TURN = 3 \n tax base= 70") +
           Section("Hex:2,0,Nexus", "Turn=1") + Section("Hex 4,0,", "Turn=1") + Section("Hex 6,0, Overworld", "Turn=1"));
    EXPECT_EQ(Hex(0, 0)->TaxBase, 70);
    EXPECT_NE(Hex(2, 0, Level::Nexus), nullptr);
    EXPECT_NE(Hex(4, 0, Level::Underworld), nullptr);  // no level word: the underworld, as ever
    EXPECT_NE(Hex(6, 0, Level::Surface), nullptr);
    EXPECT_EQ(main.OverworldHexes.HexCount(), 2);
    EXPECT_EQ(main.UnderworldHexes.HexCount(), 1);
    EXPECT_EQ(main.Turn, 0);
}

TEST_F(MapImportTest, AMalformedNumberStopsTheImportWithTheConversionMessage) {
    const std::string before = Section("Hex 0,0,Overworld", "Turn=1");
    const std::string after = Section("Hex 4,4,Overworld", "Turn=1");
    for (auto [lines, value] : {std::pair<std::string, std::string>{"[Hex x,2,Overworld]", "x"},
                                {"[Hex 2, ,Overworld]", " "},
                                {"[Hex 2,2,Overworld]\nTax Base=lots", "lots"},
                                {"[Hex 2,2,Overworld]\nGate=2x", "2x"},
                                {"[Hex 2,2,Overworld]\nWanted=GRAI,4,1;IRON", ""},
                                {"[Hex 2,2,Overworld]\nFor Sale=SWOR,1,cheap", "cheap"}}) {
        TVelMain fresh;
        try {
            ImportMapDataFromBytes(fresh, before + lines + "\n" + after);
            ADD_FAILURE() << "no error for " << lines;
        } catch (const ConversionError& error) {
            EXPECT_EQ(error.what(), "'" + value + "' is not a valid integer value");
        }
        EXPECT_NE(fresh.FindHex({0, 0, Level::Surface}), nullptr);
        EXPECT_EQ(fresh.FindHex({4, 4, Level::Surface}), nullptr);
    }
    testing::ScratchDir dir;
    EXPECT_THROW(ImportMapData(main, dir / "absent.txt"), Error);
}

}  // namespace
}  // namespace hexwarden
