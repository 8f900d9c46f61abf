#include "interchange/map_import.h"

#include <gtest/gtest.h>

#include "model/database.h"
#include "platform/error.h"
#include "tests/interchange/map_database_builder.h"
#include "tests/support/database_builder.h"
#include "tests/support/fixtures.h"

namespace hexwarden {
namespace {

using testing::AddHex;

constexpr std::string_view kHeader = "[VELDORIA DATA]\r\nTurn=30\r\nSource=Testers (7)\r\n\r\n";

std::string Section(const std::string& name, const std::string& lines) {
    return "[" + name + "]\r\n" + lines + "\r\n";
}

// A hex section holding the lines every exported one has; the lines given come first, so theirs win.
std::string HexSection(const std::string& name, const std::string& lines) {
    return Section(name, lines + "\nTurn=\nTerrain=\nConfirmed=");
}

class MapImportTest : public ::testing::Test {
protected:
    std::string Import(const std::string& sections) { return ImportMapDataFromBytes(main, std::string(kHeader) + sections); }
    TVelHex* Hex(int32_t x, int32_t y, Level level = Level::Surface) { return main.FindHex({x, y, level}); }

    TVelMain main;
};

TEST_F(MapImportTest, OnlyANewerTurnRefreshesAndAConfirmedHexNeedsAConfirmedSection) {
    AddHex(main, 0, 0, Level::Surface, 12, true);
    AddHex(main, 2, 0, Level::Surface, 12, false);
    AddHex(main, 4, 0, Level::Surface, 0, false);
    EXPECT_EQ(Import(HexSection("Hex 0,0,Overworld", "Turn=12\nConfirmed=True\nGate=1") +
                     HexSection("Hex 0,0,Overworld", "Turn=20\nConfirmed=False\nGate=2") +
                     HexSection("Hex 2,0,Overworld", "Turn=20\nConfirmed=False\nGate=3") +
                     HexSection("Hex 4,0,Overworld", "Turn=\nConfirmed=True\nGate=4") +
                     HexSection("Hex 6,0,Overworld", "Gate=5")),
              "Import completed. Hexes added: 1; replaced: 1; kept because they were not older: 2; kept because they were "
              "confirmed and the file's were not: 1.");
    EXPECT_EQ(Hex(0, 0)->Gate, -1);
    EXPECT_EQ(Hex(0, 0)->Turn, 12);
    EXPECT_EQ(Hex(2, 0)->Gate, 3);
    EXPECT_EQ(Hex(2, 0)->Turn, 20);
    EXPECT_EQ(Hex(4, 0)->Gate, -1);  // no turn is turn 0, never newer
    EXPECT_EQ(Hex(6, 0)->Gate, 5);   // but a new hex is still created
    EXPECT_EQ(Hex(6, 0)->Turn, 0);
    EXPECT_EQ(Import(HexSection("Hex 0,0,Overworld", "Turn=13\nConfirmed=tRUE\nGate=6") + HexSection("Hex 2,0,Overworld", "Turn=21\nConfirmed=yes")),
              "Import completed. Hexes added: 0; replaced: 2; kept because they were not older: 0.");
    EXPECT_EQ(Hex(0, 0)->Gate, 6);
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
    Import(HexSection("Hex 2,0,Overworld", lines) + HexSection("Hex 3,5,Underworld", lines));
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
    Import(HexSection("Hex 0,0,Overworld", "Turn=1\nTerrain=Mountain\nProvince=greenvale\nVillage=Hamlet\nCity=Capital") +
           HexSection("Hex 2,0,Overworld", "Turn=1\nTerrain=mountain\nProvince=greenvale\ncity=\ntown=Harbour") +
           HexSection("Hex 4,0,Overworld", "Turn=1\nTerrain=Lake\nProvince=Greenvale") +
           HexSection("Hex 6,0,Overworld", "Turn=1\nTerrain=lake"));
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
    Import(HexSection("Hex 8,0,Overworld", "Turn=1\nTerrain=Lava"));
    EXPECT_EQ(Hex(8, 0)->Terrain, 255);  // a hex cannot name a 256th terrain
    EXPECT_EQ(main.Terrains.Count(), 255);
}

TEST_F(MapImportTest, ItemEntriesPricesIllusionsAndTheTablesTheyAreNamedIn) {
    Import(HexSection("Hex 0,0,Overworld",
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
    EXPECT_EQ(Import(Section("Structure 3: 0,0,Overworld", "Turn=5\nName=Keep\nKind=Tower\nNeeds=0") +
                     Section("UNIT 8: 2,0,Overworld", "Turn=5\nID=8\nName=Scouts") + HexSection("Hex 1,1", "Turn=5") +
                     HexSection("Hex 1,1,Overworld,x", "Turn=5") + HexSection("Hex", "Turn=5") +
                     HexSection("Hex -2,0,Overworld", "Turn=5") + HexSection("Hex 1,2,Overworld", "Turn=5") +
                     Section("Notes", "Anything=at all") + HexSection("hex 0,0,OVERWORLD", " TURN = 3 \n tax base= 70") +
                     HexSection("Hex:2,0,Nexus", "Turn=1") + HexSection("Hex 4,0,", "Turn=1") +
                     HexSection("Hex 6,0, Overworld", "Turn=1")),
              "Import completed. Hexes added: 4; replaced: 0; kept because they were not older: 0. Sections skipped because "
              "they name no place of the map: 5.");
    EXPECT_EQ(Hex(0, 0)->TaxBase, 70);
    EXPECT_NE(Hex(2, 0, Level::Nexus), nullptr);
    EXPECT_NE(Hex(4, 0, Level::Underworld), nullptr);  // no level word: the underworld, as ever
    EXPECT_NE(Hex(6, 0, Level::Surface), nullptr);
    EXPECT_EQ(main.OverworldHexes.HexCount(), 2);
    EXPECT_EQ(main.UnderworldHexes.HexCount(), 1);
    EXPECT_EQ(main.Turn, 0);
}

// A file that is not map data, was cut short or holds a bad number changes nothing, not even the
// hexes and tables its good sections before the fault would have changed, and says why.
TEST_F(MapImportTest, AFaultAnywhereImportsNothingAndSaysWhereAndWhy) {
    AddHex(main, 2, 2, Level::Surface, 1, false);
    const std::string good = std::string(kHeader) + HexSection("Hex 0,0,Overworld", "Turn=5\nTerrain=Lake\nProvince=Newmark") +
                             HexSection("Hex 2,2,Overworld", "Turn=5\nFor Sale=DTUS,2,50");
    const std::string before = testing::DatabaseBytes(main);
    const std::string cut = "it was cut short. Nothing was imported.";
    const std::pair<std::string, std::string> cases[] = {
        {good + "[Hex 4,4,Overworld]\r\nTurn=5\r\nTerrain=\r\nConfirmed=True\r\nTax Base=12x4\r\nWages=1\r\nMax Wages=2\r\n",
         "Line 22, section [Hex 4,4,Overworld], Tax Base=12x4: '12x4' is not a valid integer value. Nothing was imported."},
        {good + HexSection("Hex 4,4,Overworld", "Turn=5\nProducts=WOOD,3;IRON,x"),
         "Line 20, section [Hex 4,4,Overworld], Products=WOOD,3;IRON,x: 'x' is not a valid integer value. Nothing was imported."},
        {good + HexSection("Hex 4,4,Overworld", "Turn=soon"),
         "Line 19, section [Hex 4,4,Overworld], Turn=soon: 'soon' is not a valid integer value. Nothing was imported."},
        {good + HexSection("Hex x,4,Overworld", "Turn=5"),
         "Line 18, section [Hex x,4,Overworld]: 'x' is not a valid integer value. Nothing was imported."},
        {good + "[Hex 4,4,Overworld]\r\nTurn=5\r\nTerrain=\r\nConfirmed=True\r\nTax Base=12",
         "The file ends inside line 22, in section [Hex 4,4,Overworld]: " + cut},
        {good + "[Hex 4,4,Overworld]\r\nTurn=5\r\nTerrain=\r\nConfirmed=True\r\nTax Base=124\r",
         "The file ends inside line 22, in section [Hex 4,4,Overworld]: " + cut},
        {good + "[Hex 4,4,Overworld]\r\nTurn=5\r\n", "Section [Hex 4,4,Overworld] on line 18 has no Terrain line: " + cut},
        {good + HexSection("Hex 4,4,Overworld", "Wages=12"), "Section [Hex 4,4,Overworld] on line 18 has no Max Wages line: " + cut},
        {good + Section("Unit 7: 4,4,Overworld", "Turn=5\nID=7"), "Section [Unit 7: 4,4,Overworld] on line 18 has no Name line: " + cut},
        {"[VELDORIA DATA]\r\nTurn=30\r\n", "Section [VELDORIA DATA] on line 1 has no Source line: " + cut},
        {"", "The file is empty: it holds no map data. Nothing was imported."},
        {std::string("VEL\0\x01\x02[Hex 0,0,Overworld]\r\n", 25) + good,
         "This is not a map-data file: its first line is not [VELDORIA DATA]. Nothing was imported."},
        {"\r\n" + good, "This is not a map-data file: its first line is not [VELDORIA DATA]. Nothing was imported."},
    };
    for (const auto& [text, message] : cases) {
        try {
            ImportMapDataFromBytes(main, text);
            ADD_FAILURE() << "no error for " << text;
        } catch (const Error& error) {
            EXPECT_EQ(error.what(), message);
        }
        EXPECT_EQ(testing::DatabaseBytes(main), before) << message;
    }
    // Lines may end in a carriage return alone, as old Mac files have them.
    std::string mac;
    for (char c : good) {
        if (c == '\n' && !mac.empty() && mac.back() == '\r') continue;
        mac += c == '\n' ? '\r' : c;
    }
    EXPECT_EQ(ImportMapDataFromBytes(main, mac), "Import completed. Hexes added: 1; replaced: 1; kept because they were not older: 0.");
    testing::ScratchDir dir;
    EXPECT_THROW(ImportMapData(main, dir / "absent.txt"), Error);
}

}  // namespace
}  // namespace hexwarden
