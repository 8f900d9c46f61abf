#include "interchange/map_import.h"

#include <gtest/gtest.h>

#include "model/database.h"
#include "platform/error.h"
#include "tests/interchange/map_database_builder.h"
#include "tests/support/fixtures.h"

namespace hexwarden {
namespace {

using testing::AddHex;
using testing::AddStructure;
using testing::AddUnit;

std::string Section(const std::string& name, const std::string& lines) {
    return "[" + name + "]\r\n" + lines + "\r\n";
}

class MapImportTest : public ::testing::Test {
protected:
    void Import(const std::string& text) { EXPECT_EQ(ImportMapDataFromBytes(main, text), "Import completed."); }

    TVelHex* Hex(int32_t x, int32_t y, bool overworld = true) { return main.FindHex(x, y, overworld); }

    TVelMain main;
};

TEST_F(MapImportTest, AKnownHexIsRefreshedOnlyByANewerTurn) {
    TVelHex& hex = AddHex(main, 2, 2, true, 12);
    hex.TaxBase = 100;
    Import(Section("Hex 2,2,Overworld", "Turn=12\nConfirmed=True\nTax Base=500"));
    EXPECT_EQ(Hex(2, 2)->TaxBase, 100);
    Import(Section("Hex 2,2,Overworld", "Turn=11\nConfirmed=True\nTax Base=500"));
    EXPECT_EQ(Hex(2, 2)->TaxBase, 100);
    Import(Section("Hex 2,2,Overworld", "Turn=13\nConfirmed=True\nTax Base=500"));
    EXPECT_EQ(Hex(2, 2)->TaxBase, 500);
    EXPECT_EQ(Hex(2, 2)->Turn, 13);
}

TEST_F(MapImportTest, AConfirmedHexIsNeverRefreshedByAnUnconfirmedSection) {
    AddHex(main, 2, 2, true, 12, true);
    AddHex(main, 4, 4, true, 12, false);
    const std::string lines = "Turn=20\nConfirmed=False\nWages=15";
    Import(Section("Hex 2,2,Overworld", lines) + Section("Hex 4,4,Overworld", lines));
    EXPECT_EQ(Hex(2, 2)->Turn, 12);
    EXPECT_EQ(Hex(2, 2)->Wages, 0);
    EXPECT_TRUE(Hex(2, 2)->Confirmed);
    EXPECT_EQ(Hex(4, 4)->Turn, 20);
    EXPECT_EQ(Hex(4, 4)->Wages, 15);
    EXPECT_FALSE(Hex(4, 4)->Confirmed);
    // Any letter case of "True" confirms; any other word does not.
    Import(Section("Hex 4,4,Overworld", "Turn=21\nConfirmed=tRUE") + Section("Hex 6,6,Overworld", "Confirmed=yes"));
    EXPECT_TRUE(Hex(4, 4)->Confirmed);
    EXPECT_FALSE(Hex(6, 6)->Confirmed);
}

TEST_F(MapImportTest, AMissingOrMalformedTurnIsTurnZero) {
    AddHex(main, 0, 0, true, 0, false);
    Import(Section("Hex 0,0,Overworld", "Confirmed=True\nGate=3") + Section("Hex 8,2,Overworld", "Turn=soon\nGate=4"));
    EXPECT_EQ(Hex(0, 0)->Gate, -1);
    ASSERT_NE(Hex(8, 2), nullptr);
    EXPECT_EQ(Hex(8, 2)->Turn, 0);
    EXPECT_EQ(Hex(8, 2)->Gate, 4);
}

TEST_F(MapImportTest, ANewHexTakesOnlyWhatTheSectionGives) {
    main.Provinces.AddOrUpdate("Oldmark", "", 0, "Oldmark");
    Import(Section("Hex 3,5,Underworld", "Turn=7\nConfirmed=True\nTerrain=Forest"));
    TVelHex* hex = Hex(3, 5, false);
    ASSERT_NE(hex, nullptr);
    EXPECT_EQ(Hex(3, 5, true), nullptr);
    EXPECT_FALSE(hex->Overworld);
    EXPECT_EQ(hex->TerrainName(), "Forest");
    EXPECT_EQ(hex->Province, -1);
    EXPECT_EQ(hex->ProvinceName(), "");
    EXPECT_EQ(hex->SettlementSize, 0);
    EXPECT_EQ(hex->Gate, -1);
    EXPECT_EQ(hex->Peasants.Count(), 0);
}

TEST_F(MapImportTest, TerrainAndProvinceNames) {
    Import(Section("Hex 0,0,Overworld", "Turn=1\nTerrain=Mountain\nProvince=greenvale") +
           Section("Hex 2,0,Overworld", "Turn=1\nTerrain=mountain\nProvince=greenvale") +
           Section("Hex 4,0,Overworld", "Turn=1\nTerrain=\nProvince=Greenvale"));
    EXPECT_EQ(Hex(0, 0)->TerrainName(), "Mountain");
    EXPECT_EQ(Hex(2, 0)->TerrainName(), "Mountain");  // the report word, found by its code
    EXPECT_EQ(Hex(4, 0)->Terrain, 255);
    EXPECT_EQ(Hex(0, 0)->ProvinceName(), "Greenvale");
    EXPECT_EQ(Hex(0, 0)->Province, Hex(2, 0)->Province);
    EXPECT_NE(Hex(0, 0)->Province, Hex(4, 0)->Province);  // a different code is another province
    EXPECT_EQ(main.Provinces.Count(), 2);
    EXPECT_EQ(main.Terrains.Count(), 8);
}

TEST_F(MapImportTest, UnknownTerrainsAreRegisteredWhileTheHexCanStillNameThem) {
    Import(Section("Hex 0,0,Overworld", "Turn=1\nTerrain=Lake") + Section("Hex 2,0,Overworld", "Turn=1\nTerrain=lake"));
    EXPECT_EQ(Hex(0, 0)->TerrainName(), "Lake");
    EXPECT_EQ(Hex(2, 0)->Terrain, Hex(0, 0)->Terrain);
    ASSERT_NE(main.Terrains.FindByCode("lake"), nullptr);
    EXPECT_EQ(main.Terrains.FindByCode("lake")->Name, "Lake");

    while (main.Terrains.Count() < 255) main.Terrains.AddOrUpdate("t", "", 0, "t" + std::to_string(main.Terrains.Count()));
    Import(Section("Hex 4,0,Overworld", "Turn=1\nTerrain=Lava"));
    EXPECT_EQ(Hex(4, 0)->Terrain, 255);
    EXPECT_EQ(main.Terrains.Count(), 255);
}

TEST_F(MapImportTest, SettlementKeysRankCityTownVillage) {
    TVelHex& kept = AddHex(main, 6, 0, true, 1);
    kept.SettlementSize = 1;
    kept.SettlementName = "Mill";
    Import(Section("Hex 0,0,Overworld", "Turn=2\nVillage=Hamlet\nCity=Capital") +
           Section("Hex 2,0,Overworld", "Turn=2\nCity=\nTown=Harbour\nVillage=Hamlet") +
           Section("Hex 4,0,Overworld", "Turn=2\nvillage=Hamlet") + Section("Hex 6,0,Overworld", "Turn=2\nConfirmed=True"));
    EXPECT_EQ(Hex(0, 0)->SettlementSize, 3);
    EXPECT_EQ(Hex(0, 0)->SettlementName, "Capital");
    EXPECT_EQ(Hex(2, 0)->SettlementSize, 2);
    EXPECT_EQ(Hex(2, 0)->SettlementName, "Harbour");
    EXPECT_EQ(Hex(4, 0)->SettlementSize, 1);
    EXPECT_EQ(Hex(6, 0)->SettlementSize, 1);
    EXPECT_EQ(Hex(6, 0)->SettlementName, "Mill");
}

TEST_F(MapImportTest, ItemEntriesWithPricesAndIllusions) {
    Import(Section("Hex 0,0,Overworld",
                   "Turn=1\nFor Sale=IRON,20,*;IRON,20,5,*;HORS,-1,60;SWOR,1,7,x;;\nProducts=WOOD,12;WOOD,3"));
    const TVelItemList& sale = Hex(0, 0)->ForSale;
    ASSERT_EQ(sale.Count(), 4);
    EXPECT_TRUE(sale.Get(0)->Illusion);
    EXPECT_EQ(sale.Get(0)->Price, 0);
    EXPECT_TRUE(sale.Get(1)->Illusion);
    EXPECT_EQ(sale.Get(1)->Price, 5);
    EXPECT_EQ(sale.Get(2)->Count, -1);
    EXPECT_EQ(sale.Get(2)->Price, 60);
    EXPECT_FALSE(sale.Get(2)->Illusion);
    EXPECT_FALSE(sale.Get(3)->Illusion);
    // Entries of the same code and price add up, as the list always does.
    ASSERT_EQ(Hex(0, 0)->Products.Count(), 1);
    EXPECT_EQ(Hex(0, 0)->Products.Get(0)->Count, 15);
    EXPECT_NE(main.ItemTypes.FindByCode("IRON"), nullptr);
    EXPECT_NE(main.ItemTypes.FindByCode("WOOD"), nullptr);
}

TEST_F(MapImportTest, PeasantRacesAreRegisteredAsRacesNotItems) {
    Import(Section("Hex 0,0,Overworld", "Turn=1\nPeasants=GNOM,300;VIKI,20"));
    EXPECT_EQ(Hex(0, 0)->Peasants.Count(), 2);
    EXPECT_NE(main.Races.FindByCode("GNOM"), nullptr);
    EXPECT_EQ(main.ItemTypes.FindByCode("GNOM"), nullptr);
    EXPECT_EQ(main.ItemTypes.FindByCode("VIKI"), nullptr);
    EXPECT_EQ(main.Races.Count(), 18);
}

TEST_F(MapImportTest, AbsentKeysLeaveAKnownHexAsItWas) {
    TVelHex& first = AddHex(main, 0, 0, true, 1);
    TVelHex& second = AddHex(main, 2, 0, true, 1);
    first.Peasants.AddNew("VIKI", 0, 10);
    second.Gate = 9;
    second.Notes = "my notes";
    second.Wages = 11;
    second.Wanted.AddNew("GRAI", 18, 40);
    TVelBuilding& tower = AddStructure(main, second, 1, "Tower");
    AddUnit(main, second, 50, "Guards", &tower);
    AddUnit(main, second, 51, "Scouts");
    Import(Section("Hex 0,0,Overworld", "Turn=5\nConfirmed=True\nPeasants=\nGate=4") +
           Section("Hex 2,0,Overworld", "Turn=5\nConfirmed=True\nWanted=IRON,1,2"));
    EXPECT_EQ(Hex(0, 0)->Peasants.Count(), 1);
    EXPECT_EQ(Hex(0, 0)->Gate, 4);
    EXPECT_EQ(Hex(2, 0)->Gate, 9);
    EXPECT_EQ(Hex(2, 0)->Notes, "my notes");
    EXPECT_EQ(Hex(2, 0)->Wages, 11);
    ASSERT_EQ(Hex(2, 0)->Wanted.Count(), 1);
    EXPECT_EQ(Hex(2, 0)->Wanted.Get(0)->Code, "IRON");
    EXPECT_EQ(Hex(2, 0)->Structures.Count(), 1);
    EXPECT_EQ(Hex(2, 0)->Structures.Get(0)->Units.Count(), 1);
    EXPECT_EQ(Hex(2, 0)->Units.Count(), 1);
}

TEST_F(MapImportTest, KeysAreFoundRegardlessOfCaseAndBlanks) {
    Import(Section("hex 0,0,overworld", "  TURN = 3 \n tax base= 70\nMAX WAGES =9"));
    ASSERT_NE(Hex(0, 0), nullptr);
    EXPECT_EQ(Hex(0, 0)->Turn, 3);
    EXPECT_EQ(Hex(0, 0)->TaxBase, 70);
    EXPECT_EQ(Hex(0, 0)->MaxWages, 9);
}

TEST_F(MapImportTest, TheLevelWordDecidesTheLevel) {
    Import(Section("Hex 0,0,OVERWORLD", "Turn=1") + Section("Hex 2,0,Nexus", "Turn=1") +
           Section("Hex 4,0,", "Turn=1") + Section("Hex 6,0, Overworld", "Turn=1"));
    EXPECT_NE(Hex(0, 0, true), nullptr);
    EXPECT_NE(Hex(2, 0, false), nullptr);
    EXPECT_NE(Hex(4, 0, false), nullptr);
    EXPECT_NE(Hex(6, 0, true), nullptr);
    EXPECT_EQ(main.OverworldHexes.HexCount(), 2);
    EXPECT_EQ(main.UnderworldHexes.HexCount(), 2);
}

TEST_F(MapImportTest, OnlyHexSectionsWithAUsableLocationAreRead) {
    Import("[VELDORIA DATA]\r\nTurn=40\r\n" + Section("Structure 3: 0,0,Overworld", "Turn=5") +
           Section("Unit 7: 0,0,Overworld", "Turn=5") + Section("UNIT 8: 2,0,Overworld", "Turn=5") +
           Section("Hex 1,1", "Turn=5") + Section("Hex 1,1,Overworld,x", "Turn=5") + Section("Hex", "Turn=5") +
           Section("Hex -2,0,Overworld", "Turn=5") + Section("Hex 1,2,Overworld", "Turn=5") +
           Section("Hex:3,3,Overworld", "Turn=5"));
    EXPECT_EQ(main.OverworldHexes.HexCount(), 1);
    // "Hex" plus any fifth character and on: the location is read from there.
    EXPECT_NE(Hex(3, 3), nullptr);
    EXPECT_EQ(main.Turn, 0);
}

TEST_F(MapImportTest, RepeatedSectionsAreEachReadOnTheirOwn) {
    Import(Section("Hex 0,0,Overworld", "Turn=3\nTax Base=30\nGate=1") + Section("Hex 0,0,Overworld", "Turn=4\nWages=7"));
    EXPECT_EQ(Hex(0, 0)->Turn, 4);
    EXPECT_EQ(Hex(0, 0)->TaxBase, 30);
    EXPECT_EQ(Hex(0, 0)->Wages, 7);
    EXPECT_EQ(Hex(0, 0)->Gate, 1);
}

TEST_F(MapImportTest, AMalformedNumberStopsTheImportWithTheConversionMessage) {
    const std::string good = Section("Hex 0,0,Overworld", "Turn=1");
    struct Case {
        std::string section;
        std::string message;
    };
    for (const Case& bad : {Case{Section("Hex x,2,Overworld", "Turn=1"), "'x' is not a valid integer value"},
                            Case{Section("Hex 2, ,Overworld", "Turn=1"), "' ' is not a valid integer value"},
                            Case{Section("Hex 2,2,Overworld", "Turn=1\nTax Base=lots"), "'lots' is not a valid integer value"},
                            Case{Section("Hex 2,2,Overworld", "Turn=1\nGate=2x"), "'2x' is not a valid integer value"},
                            Case{Section("Hex 2,2,Overworld", "Turn=1\nWanted=GRAI,4,1;IRON"), "'' is not a valid integer value"},
                            Case{Section("Hex 2,2,Overworld", "Turn=1\nProducts=WOOD,many"), "'many' is not a valid integer value"},
                            Case{Section("Hex 2,2,Overworld", "Turn=1\nFor Sale=SWOR,1,cheap"), "'cheap' is not a valid integer value"}}) {
        TVelMain fresh;
        try {
            ImportMapDataFromBytes(fresh, good + bad.section + Section("Hex 4,4,Overworld", "Turn=1"));
            ADD_FAILURE() << "no error for " << bad.section;
        } catch (const ConversionError& error) {
            EXPECT_EQ(error.what(), bad.message);
        }
        EXPECT_NE(fresh.FindHex(0, 0, true), nullptr) << "sections before the error stay";
        EXPECT_EQ(fresh.FindHex(4, 4, true), nullptr) << "sections after the error are not read";
    }
}

TEST_F(MapImportTest, FilesWithoutHexSectionsAndMissingFiles) {
    Import("");
    Import("garbage\n[VELDORIA DATA]\nSource=x");
    EXPECT_EQ(main.OverworldHexes.HexCount() + main.UnderworldHexes.HexCount(), 0);

    testing::ScratchDir dir;
    EXPECT_THROW(ImportMapData(main, dir / "absent.txt"), Error);
}

}  // namespace
}  // namespace hexwarden
