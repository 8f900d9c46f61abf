#include "import/region_parser.h"

#include <gtest/gtest.h>

#include "import/veldoria_parser.h"
#include "platform/error.h"
#include "tests/import/report_text.h"

namespace hexwarden {
namespace {

using testing::MakeReport;
using testing::ReportImport;
using testing::ReportParts;
using testing::TownRegion;

std::unique_ptr<TVelHex> ParseOne(ReportImport& import, std::string text) {
    TVeldoriaParser parser = import.ParserOver(std::move(text));
    return ParseRegion(parser);
}

const std::string kRule = "------------------------------------------------------------\n";

TEST(RegionHeader, OceanSettlementAndPeasantForms) {
    ReportImport import;
    auto ocean = ParseOne(import, "ocean (27,11) in Wyreth Ocean.\n" + kRule +
                                      "  Wages: $0.\n  Wanted: none.\n  For Sale: none.\n  Products: none.\n");
    ASSERT_NE(ocean, nullptr);
    EXPECT_EQ(ocean->TerrainName(), "Ocean");
    EXPECT_EQ(ocean->ProvinceName(), "Wyreth Ocean");
    EXPECT_EQ(ocean->SettlementSize, 0);
    EXPECT_EQ(ocean->Peasants.Count(), 0);
    EXPECT_EQ(ocean->TaxBase, 0);
    EXPECT_EQ(ocean->Gate, -1);
    EXPECT_TRUE(ocean->Confirmed);

    auto village = ParseOne(import, "forest (3,5) in Ardmoor, contains Briarwick [village].\n" + kRule + "  Wages: $9.\n");
    EXPECT_EQ(village->SettlementName, "Briarwick");
    EXPECT_EQ(village->SettlementSize, 1);
    EXPECT_EQ(village->Peasants.Count(), 0);
    EXPECT_EQ(village->Wages, 9);

    auto city = ParseOne(import, "plain (28,10) in Koheda, contains Thandianost [city], 27745 peasants\n  (nomads), $34403.\n" + kRule +
                                     "  Wages: $16.2 (Max: $11467).\n");
    EXPECT_EQ(city->SettlementSize, 3);
    ASSERT_EQ(city->Peasants.Count(), 1);
    EXPECT_EQ(city->Peasants.Get(0)->Code, "NOMA");
    EXPECT_EQ(city->Peasants.Get(0)->Count, 27745);
    EXPECT_EQ(city->TaxBase, 34403);
    EXPECT_EQ(city->Wages, 16);
    EXPECT_EQ(city->MaxWages, 11467);

    auto single = ParseOne(import, "swamp (4,4) in Fen, 1 peasant (hill dwarf), $3.\n" + kRule);
    EXPECT_EQ(single->Peasants.Get(0)->Code, "HDWA");
    EXPECT_EQ(single->TerrainName(), "Swamp");
}

TEST(RegionHeader, Coordinates) {
    ReportImport import;
    auto under = ParseOne(import, "tunnels (10,12,underworld) in Deepway.\n" + kRule);
    EXPECT_EQ(under->X, 10);
    EXPECT_EQ(under->Y, 12);
    EXPECT_FALSE(under->Overworld);
    EXPECT_EQ(under->TerrainName(), "Tunnels");

    auto nexus = ParseOne(import, "nexus (0,0,nexus) in Unnamed.\n" + kRule);
    EXPECT_FALSE(nexus->Overworld);
    EXPECT_TRUE(import.log.Contains("** Parsing details for hex 0, 0(Underworld)"));

    auto over = ParseOne(import, "plain (3,5) in Ardmoor.\n" + kRule);
    EXPECT_TRUE(over->Overworld);
}

TEST(RegionHeader, CoordinatesThatCannotBePlacedAreNotStoredAtTheOrigin) {
    for (const char* group : {"(3,5,sky)", "(3,5,2)", "(-1,5)", "(x,5)", "(3;5)"}) {
        ReportImport import;
        ReportParts parts;
        parts.regions = "plain " + std::string(group) + " in Ardmoor.\n" + kRule + "  Wages: $1.\n\n" +
                        TownRegion(2, 2, "* Scout (100), Testers (7), leader [LEAD].");
        import.Import(MakeReport(parts));
        EXPECT_EQ(import.database.FindHex(0, 0, true), nullptr) << group;
        EXPECT_EQ(import.database.FindHex(3, 5, true), nullptr) << group;
        EXPECT_NE(import.database.FindHex(2, 2, true), nullptr) << group;
        EXPECT_NE(import.database.Units.FindByNumber(100), nullptr) << group;
        EXPECT_TRUE(import.log.Contains("Cannot place region: plain " + std::string(group))) << group;
    }
}

TEST(RegionEconomy, MarketLists) {
    ReportImport import;
    auto hex = ParseOne(import, "plain (2,2) in Ardmoor, contains Ashford [town], 100 peasants (plainsmen), $90.\n" + kRule +
                                    "  Wages: $14 (Max: $2000).\n"
                                    "  Wanted: 40 grain [GRAI] at $22, 12 swords [SWOR] at $160, 7\n    furs [FUR] at $40.\n"
                                    "  For Sale: unlimited horses [HORS] at $70, wagon [WAGO] at $240.\n"
                                    "  Entertainment available: $450.\n"
                                    "  Products: 60 grain [GRAI], 20 horses [HORS].\n");
    ASSERT_EQ(hex->Wanted.Count(), 3);
    EXPECT_EQ(hex->Wanted.Get(2)->Code, "FUR");
    EXPECT_EQ(hex->Wanted.Get(2)->Count, 7);
    EXPECT_EQ(hex->Wanted.Get(2)->Price, 40);
    ASSERT_EQ(hex->ForSale.Count(), 2);
    EXPECT_EQ(hex->ForSale.Get(0)->Count, -1);
    EXPECT_EQ(hex->ForSale.Get(1)->Count, 1);
    EXPECT_EQ(hex->Entertainment, 450);
    ASSERT_EQ(hex->Products.Count(), 2);
    EXPECT_EQ(hex->Products.Get(1)->Price, 0);

    const TVelIndexList& items = import.database.ItemTypes;
    EXPECT_EQ(items.FindByCode("HORS")->Plural, "Horses");
    EXPECT_EQ(items.FindByCode("HORS")->Name, "");
    EXPECT_EQ(items.FindByCode("WAGO")->Name, "Wagon");
    EXPECT_EQ(items.FindByCode("WAGO")->Plural, "");
}

TEST(RegionEconomy, EntertainmentAfterAnEmptyMarketIsRead) {
    ReportImport import;
    auto hex = ParseOne(import, "plain (2,2) in Ardmoor, 100 peasants (plainsmen), $90.\n" + kRule +
                                    "  Wages: $11.\n  Wanted: none.\n  For Sale: none.\n  Entertainment available: $37.\n"
                                    "  Products: none.\n");
    EXPECT_EQ(hex->ForSale.Count(), 0);
    EXPECT_EQ(hex->Entertainment, 37);
    EXPECT_EQ(hex->Wages, 11);
    EXPECT_EQ(hex->MaxWages, 0);
}

TEST(RegionEconomy, AMissingLineIsNotTakenFromTheNextRegion) {
    ReportImport import;
    ReportParts parts;
    parts.regions = "plain (4,4) in Ardmoor, 100 peasants (plainsmen), $90.\n" + kRule +
                    "  Nothing to see here.\n\n"
                    "- Hermit (300), leader [LEAD].\n\n" +
                    TownRegion(2, 2);
    import.Import(MakeReport(parts));
    const TVelHex* bare = import.database.FindHex(4, 4, true);
    ASSERT_NE(bare, nullptr);
    EXPECT_EQ(bare->Wages, 0);
    EXPECT_EQ(bare->Products.Count(), 0);
    ASSERT_EQ(bare->Units.Count(), 1);
    const TVelHex* town = import.database.FindHex(2, 2, true);
    ASSERT_NE(town, nullptr);
    EXPECT_EQ(town->Wages, 14);
    EXPECT_EQ(town->Products.Count(), 1);
}

TEST(RegionExits, NeighboursAreAddedUnconfirmedAndNeverReplaceDescribedHexes) {
    ReportImport import;
    ReportParts parts;
    parts.regions = TownRegion(2, 2) + "plain (4,2) in Ardmoor.\n" + kRule +
                    "  Wages: $1.\n  Wanted: none.\n  For Sale: none.\n  Products: none.\n\n"
                    "Exits:\n"
                    "  North : plain (4,0) in Ardmoor, contains Northfield\n    [village].\n"
                    "  Southwest : plain (2,2) in Ardmoor.\n"
                    "  South : cavern (4,4,underworld) in Deep.\n"
                    "  Northeast : plain (5,1,sky) in Clouds.\n"
                    "  Southeast : plain (5,3) in Ardmoor.\n\n";
    import.Import(MakeReport(parts));
    const TVelMain& database = import.database;
    const TVelHex* north = database.FindHex(4, 0, true);
    ASSERT_NE(north, nullptr);
    EXPECT_FALSE(north->Confirmed);
    EXPECT_EQ(north->SettlementName, "Northfield");
    EXPECT_EQ(north->Turn, 15);
    EXPECT_TRUE(database.FindHex(2, 2, true)->Confirmed);
    EXPECT_EQ(database.FindHex(2, 2, true)->SettlementSize, 2);
    EXPECT_NE(database.FindHex(4, 4, false), nullptr);
    EXPECT_NE(database.FindHex(5, 3, true), nullptr);
    EXPECT_EQ(database.FindHex(5, 1, true), nullptr);
    EXPECT_TRUE(import.log.Contains("Cannot place exit: Northeast : plain (5,1,sky)"));
}

TEST(RegionGateAndStructures, GateLineAndStructuresWithUnitsInside) {
    ReportImport import;
    ReportParts parts;
    parts.regions = TownRegion(
        2, 2,
        "There is a Gate here (Gate 3 of 7).\n\n"
        "* Scout (100), Testers (7), leader [LEAD].\n"
        "+ Old Adit [1] : Shaft; A narrow passage\n  into the deep.\n"
        "  - Bat (301), 3 bats [BATS].\n"
        "+ Keep [2] : Fort, needs 40, closed to others.\n"
        "  * Keeper (101), Testers (7), leader [LEAD].\n"
        "+ Old Adit [1] : Shaft.\n");
    import.question.answer = ItemTypeAnswer::Race;
    import.Import(MakeReport(parts));
    const TVelHex* hex = import.database.FindHex(2, 2, true);
    EXPECT_EQ(hex->Gate, 3);
    ASSERT_EQ(hex->Units.Count(), 1);
    ASSERT_EQ(hex->Structures.Count(), 2);
    const TVelBuilding* adit = hex->Structures.Get(0);
    EXPECT_EQ(adit->Description, "");
    EXPECT_EQ(adit->Units.Count(), 0);
    const TVelBuilding* keep = hex->Structures.Get(1);
    EXPECT_EQ(keep->Name, "Keep");
    EXPECT_EQ(keep->Kind, "Fort");
    EXPECT_EQ(keep->Needs, 40);
    ASSERT_EQ(keep->Units.Count(), 1);
    EXPECT_EQ(keep->Units.Get(0)->Inside, 2);
    EXPECT_EQ(import.database.Units.FindByNumber(301)->Inside, 1);
    EXPECT_EQ(import.database.FindHex(2, 4, true)->Gate, -1);
}

TEST(RegionGateAndStructures, StructureDescriptionsAndStrictNeeds) {
    ReportImport import;
    ReportParts parts;
    parts.regions = TownRegion(2, 2, "+ Old Adit [1] : Shaft; A narrow passage\n  into the deep.\n  - Bat (301), 3 bats [BATS].\n");
    import.Import(MakeReport(parts));
    const TVelBuilding* adit = import.database.FindHex(2, 2, true)->Structures.Get(0);
    EXPECT_EQ(adit->Description, "A narrow passage into the deep.");
    ASSERT_EQ(adit->Units.Count(), 1);

    parts.regions = TownRegion(2, 2, "+ Keep [2] : Fort, needs lots.\n");
    ReportImport failing;
    EXPECT_THROW(failing.Import(MakeReport(parts)), ConversionError);
}

TEST(RegionLoop, UnreadableTextIsPassedToTheNextRegionAndLogged) {
    ReportImport import;
    ReportParts parts;
    parts.regions = TownRegion(2, 2) + "The mapmaker's notes:\n  strange lands lie ahead.\n\n" + TownRegion(4, 4) +
                    "Something else entirely.\n";
    parts.orders = "#veldoria 7\n\n#end\n";
    import.Import(MakeReport(parts), OrdersMode::ImportTemplate);
    EXPECT_NE(import.database.FindHex(4, 4, true), nullptr);
    EXPECT_TRUE(import.log.Contains("Passing text not understood (2 line(s)): The mapmaker's notes:"));
    EXPECT_TRUE(import.log.Contains("Passing text not understood (1 line(s)): Something else entirely."));
    EXPECT_TRUE(import.log.Contains("FINISHED PARSING ORDERS TEMPLATE"));
}

TEST(RegionBoundary, RegionEntriesAreToldFromOtherLines) {
    ReportImport import;
    TVeldoriaParser parser = import.ParserOver(
        "plain (1,1) in A.\n"
        "  plain (2,2) in B.\n"
        "Unit (140): Walks.\n"
        "- Guard (18), leader [LEAD].\n"
        "cavern (3,3,underworld) in C.\n");
    std::vector<bool> starts;
    for (std::size_t line = 0; line < parser.Size(); line = parser.NextLineStart(line)) starts.push_back(StartsRegionEntry(parser, line));
    EXPECT_EQ(starts, (std::vector<bool>{true, false, false, false, true}));
}

}  // namespace
}  // namespace hexwarden
