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

const std::string kRule = "------------------------------------------------------------\n";

std::unique_ptr<TVelHex> ParseOne(ReportImport& import, std::string text) {
    TVeldoriaParser parser = import.ParserOver(std::move(text));
    return ParseRegion(parser);
}

TEST(RegionEntry, HeaderForms) {
    ReportImport import;
    auto ocean = ParseOne(import, "ocean (27,11) in Wyreth Ocean.\n" + kRule + "  Wages: $0.\n  Wanted: none.\n  For Sale: none.\n");
    EXPECT_EQ(ocean->ProvinceName(), "Wyreth Ocean");
    EXPECT_EQ(ocean->SettlementSize, 0);
    EXPECT_EQ(ocean->Peasants.Count(), 0);
    EXPECT_EQ(ocean->Gate, -1);

    auto village = ParseOne(import, "forest (3,5) in Ardmoor, contains Briarwick [village].\n" + kRule + "  Wages: $9.\n");
    EXPECT_EQ(village->SettlementName, "Briarwick");
    EXPECT_EQ(village->SettlementSize, 1);
    EXPECT_EQ(village->Peasants.Count(), 0);
    EXPECT_EQ(village->Wages, 9);

    // Wages with a decimal keep their whole silver and the maximum behind them.
    auto city = ParseOne(import, "plain (28,10) in Koheda, contains Thandianost [city], 27745 peasants\n  (nomads), $34403.\n" + kRule +
                                     "  Wages: $16.2 (Max: $11467).\n");
    EXPECT_EQ(city->SettlementSize, 3);
    EXPECT_EQ(city->Peasants.Get(0)->Code, "NOMA");
    EXPECT_EQ(city->Peasants.Get(0)->Count, 27745);
    EXPECT_EQ(city->TaxBase, 34403);
    EXPECT_EQ(city->Wages, 16);
    EXPECT_EQ(city->MaxWages, 11467);

    auto under = ParseOne(import, "tunnels (10,12,underworld) in Deep, 1 peasant (hill dwarf), $3.\n" + kRule);
    EXPECT_EQ(under->Where, Level::Underworld);
    EXPECT_EQ(under->Peasants.Get(0)->Code, "HDWA");
    EXPECT_EQ(under->TerrainName(), "Tunnels");
    EXPECT_EQ(ParseOne(import, "nexus (0,0,nexus) in Unnamed.\n" + kRule)->Where, Level::Nexus);
}

TEST(RegionEntry, CoordinatesThatCannotBePlacedAreNotStoredAtTheOrigin) {
    for (const char* group : {"(3,5,sky)", "(3,5,2)", "(-1,5)", "(x,5)"}) {
        ReportImport import;
        ReportParts parts;
        parts.regions = "plain " + std::string(group) + " in Ardmoor.\n" + kRule + "  Wages: $1.\n\n" +
                        TownRegion(2, 2, "* Scout (100), Testers (7), leader [LEAD].");
        import.Import(MakeReport(parts));
        EXPECT_EQ(import.database.FindHex({0, 0, Level::Surface}), nullptr) << group;
        EXPECT_EQ(import.database.FindHex({3, 5, Level::Surface}), nullptr) << group;
        EXPECT_NE(import.database.Units.FindByNumber(100), nullptr) << group;
        EXPECT_TRUE(import.log.Contains("Cannot place region: plain " + std::string(group))) << group;
    }
}

TEST(RegionEntry, EveryLevelAReportNamesKeepsItsRegionsUnitsAndShafts) {
    using testing::CaveRegion;
    ReportImport import;
    ReportParts parts;
    parts.regions =
        CaveRegion("(0,0,nexus)", "  North : plain (2,2) in Ardmoor.\n", "* Seer (101), Testers (7), leader [LEAD].") +
        TownRegion(2, 2, "* Scout (100), Testers (7), leader [LEAD].") +
        CaveRegion("(0,0,underworld)", "  South : cavern (0,2,underworld) in Deepholm.\n  In : cavern (4,4,deep underworld) in Deepholm.\n",
                   "+ Shaft [1] : Shaft, contains an inner location.\n  * Miner (102), Testers (7), leader [LEAD].") +
        CaveRegion("(3,5,very deep\n  underworld)", "  Out : cavern (0,0,underworld) in Deepholm.\n") +
        CaveRegion("(8,2,underdeep)") + CaveRegion("(8,2,deep underdeep)") + CaveRegion("(1,1,abyss)") +
        CaveRegion("(3,5,2 <underworld>)");
    import.Import(MakeReport(parts));

    const TVelMain& db = import.database;
    for (const char* label : {"nexus", "underworld", "very deep underworld", "underdeep", "deep underdeep", "abyss", "2 <underworld>"}) {
        const Level level = *Level::FromLabel(label);
        const TVelHexList& hexes = db.HexesOf(level);
        ASSERT_EQ(hexes.HexCount() - (level == Level::Underworld ? 1 : 0), 1) << label;  // the underworld has an exit too
        EXPECT_TRUE(hexes.HexesByRow().back()->Confirmed || level == Level::Underworld) << label;
        EXPECT_EQ(hexes.HexesByRow().front()->Where, level) << label;
    }
    EXPECT_EQ(db.FindHex({0, 0, Level::Nexus})->Units.Count(), 1);
    EXPECT_EQ(db.FindHex({0, 0, Level::Underworld})->Structures.Get(0)->Units.Count(), 1);
    EXPECT_FALSE(db.FindHex({4, 4, *Level::FromLabel("deep underworld")})->Confirmed);  // down the shaft
    EXPECT_EQ(db.Units.FindByNumber(101)->Where, Level::Nexus);
    EXPECT_EQ(db.Units.FindByNumber(102)->At(), (Place{0, 0, Level::Underworld}));
    EXPECT_EQ(db.Levels().size(), 9u);  // with the surface and the level the shaft leads to
    EXPECT_FALSE(import.log.Contains("Cannot place"));
}

TEST(RegionEntry, MarketsAndEntertainment) {
    ReportImport import;
    auto hex = ParseOne(import, "plain (2,2) in Ardmoor.\n" + kRule +
                                    "  Wanted: 40 grain [GRAI] at $22, 7\n    furs [FUR] at $40.\n"
                                    "  For Sale: unlimited horses [HORS] at $70, wagon [WAGO] at $240.\n"
                                    "  Entertainment available: $450.\n  Products: 60 grain [GRAI].\n");
    ASSERT_EQ(hex->Wanted.Count(), 2);
    EXPECT_EQ(hex->Wanted.Get(1)->Count, 7);
    EXPECT_EQ(hex->Wanted.Get(1)->Price, 40);
    EXPECT_EQ(hex->ForSale.Get(0)->Count, -1);
    EXPECT_EQ(hex->ForSale.Get(1)->Count, 1);
    EXPECT_EQ(hex->Entertainment, 450);
    EXPECT_EQ(hex->Products.Get(0)->Count, 60);
    EXPECT_EQ(import.database.ItemTypes.FindByCode("HORS")->Plural, "Horses");
    EXPECT_EQ(import.database.ItemTypes.FindByCode("WAGO")->Name, "Wagon");
    EXPECT_EQ(import.database.ItemTypes.FindByCode("WAGO")->Plural, "");
    EXPECT_EQ(ParseOne(import, "plain (6,6) in Ardmoor.\n" + kRule + "  Wanted: 2 dragon's  teeth [DTOO] at $9.\n")->Wanted.Count(), 1);
    EXPECT_EQ(import.database.ItemTypes.FindByCode("DTOO")->Plural, "Dragon's teeth");

    // "none" takes its full stop with it; the entertainment line behind it is still read.
    auto empty = ParseOne(import, "plain (4,4) in Ardmoor.\n" + kRule + "  Wanted: none.\n  For Sale: none.\n  Entertainment available: $37.\n");
    EXPECT_EQ(empty->ForSale.Count(), 0);
    EXPECT_EQ(empty->Entertainment, 37);
}

TEST(RegionEntry, PeasantsTakeTheirRaceFromTheMarketAndAreNeverDroppedSilently) {
    ReportImport import;
    ReportParts parts;
    const std::string economy = kRule + "  Wages: $12.\n  Wanted: none.\n  For Sale: 51 goblins [GBLN] at $26, 3 swords [SWOR] at $9.\n  Products: none.\n\n";
    parts.regions = "plain (2,2) in Ardmoor, contains Gat [town], 1279 peasants\n  (goblins), $600.\n" + economy +
                    "- Band (300), 4 goblins [GBLN], 2 swords [SWOR], wolf [WOLF].\n\n"
                    "plain (4,4) in Ardmoor, 200 peasants (centaurs), $1.\n" + economy + "- Rider (301), 2 centaurs [CENT].\n\n" +
                    "plain (6,6) in Ardmoor, 50 peasants (gnomes), $1.\n" + economy;
    import.Import(MakeReport(parts));
    const TVelMain& database = import.database;
    // The market put the goblins in the item table first; the header makes them a race.
    EXPECT_EQ(database.FindHex({2, 2, Level::Surface})->Peasants.Get(0)->Code, "GBLN");
    EXPECT_EQ(database.Races.FindByCode("GBLN")->Plural, "Goblins");
    const TVelUnit& band = *database.Units.FindByNumber(300);
    EXPECT_EQ(band.Troops.Total(), 5);  // the game's table knows the wolf for a creature
    EXPECT_EQ(band.Items.Count(), 1);
    EXPECT_EQ(import.question.asked, std::vector<std::string>{});  // and the centaurs too
    // Only a unit's list names the centaurs: the peasants still get them, as a race from then on.
    EXPECT_EQ(database.FindHex({4, 4, Level::Surface})->Peasants.Get(0)->Code, "CENT");
    EXPECT_NE(database.Races.FindByCode("CENT"), nullptr);
    EXPECT_EQ(database.FindHex({6, 6, Level::Surface})->Peasants.Count(), 0);
    EXPECT_TRUE(import.log.Contains("Peasants of unknown race left out: 50 gnomes in 6,6"));
}

TEST(RegionEntry, AMissingLineIsNotTakenFromTheNextRegion) {
    ReportImport import;
    ReportParts parts;
    parts.regions = "plain (4,4) in Ardmoor.\n" + kRule + "  Nothing to see here.\n\n- Hermit (300), leader [LEAD].\n\n" + TownRegion(2, 2);
    import.Import(MakeReport(parts));
    const TVelHex* bare = import.database.FindHex({4, 4, Level::Surface});
    EXPECT_EQ(bare->Wages, 0);
    EXPECT_EQ(bare->Units.Count(), 1);
    EXPECT_EQ(import.database.FindHex({2, 2, Level::Surface})->Wages, 14);
}

TEST(RegionEntry, ExitsAddUnconfirmedNeighbours) {
    ReportImport import;
    ReportParts parts;
    parts.regions = TownRegion(2, 2) + "plain (4,2) in Ardmoor.\n" + kRule +
                    "Exits:\n  North : plain (4,0) in Ardmoor, contains Northfield\n    [village].\n"
                    "  Southwest : plain (2,2) in Ardmoor.\n  South : cavern (4,4,underworld) in Deep.\n"
                    "  Northeast : plain (5,1,sky) in Clouds.\n  Southeast : plain (5,3) in Ardmoor.\n\n";
    import.Import(MakeReport(parts));
    const TVelMain& database = import.database;
    const TVelHex* north = database.FindHex({4, 0, Level::Surface});
    EXPECT_FALSE(north->Confirmed);
    EXPECT_EQ(north->SettlementName, "Northfield");
    EXPECT_EQ(north->Turn, 15);
    EXPECT_TRUE(database.FindHex({2, 2, Level::Surface})->Confirmed);
    EXPECT_NE(database.FindHex({4, 4, Level::Underworld}), nullptr);
    EXPECT_NE(database.FindHex({5, 3, Level::Surface}), nullptr);
    EXPECT_EQ(database.FindHex({5, 1, Level::Surface}), nullptr);
}

TEST(RegionEntry, GateAndStructuresWithUnitsInside) {
    ReportImport import;
    ReportParts parts;
    parts.regions = TownRegion(2, 2,
                               "There is a Gate here (Gate 3 of 7).\n\n* Scout (100), Testers (7), leader [LEAD].\n"
                               "+ Old Adit [1] : Shaft; A narrow passage\n  into the deep.\n  - Bat (301), 3 bats [BATS].\n"
                               "+ Keep [2] : Fort, needs 40, closed to others.\n  * Keeper (101), Testers (7), leader [LEAD].\n");
    import.Import(MakeReport(parts));
    const TVelHex* hex = import.database.FindHex({2, 2, Level::Surface});
    EXPECT_EQ(hex->Gate, 3);
    EXPECT_EQ(hex->Units.Count(), 1);
    ASSERT_EQ(hex->Structures.Count(), 2);
    EXPECT_EQ(hex->Structures.Get(0)->Description, "A narrow passage into the deep.");
    EXPECT_EQ(hex->Structures.Get(0)->Units.Get(0)->Inside, 1);
    const TVelBuilding* keep = hex->Structures.Get(1);
    EXPECT_EQ(keep->Kind, "Fort");
    EXPECT_EQ(keep->Needs, 40);
    EXPECT_EQ(keep->Units.Get(0)->Number, 101);

    parts.regions = TownRegion(2, 2, "+ Keep [2] : Fort, needs lots.\n");
    EXPECT_THROW(import.Import(MakeReport(parts)), ConversionError);
}

TEST(RegionEntry, UnreadableTextIsPassedToTheNextRegionAndLogged) {
    ReportImport import;
    ReportParts parts;
    parts.regions = TownRegion(2, 2) + "The mapmaker's notes:\n  strange lands.\n\n" + TownRegion(4, 4) + "Something else.\n";
    parts.orders = "#veldoria 7\n\n#end\n";
    import.Import(MakeReport(parts), OrdersMode::ImportTemplate);
    EXPECT_NE(import.database.FindHex({4, 4, Level::Surface}), nullptr);
    EXPECT_TRUE(import.log.Contains("Passing text not understood (2 line(s)): The mapmaker's notes:"));
    EXPECT_TRUE(import.log.Contains("Passing text not understood (1 line(s)): Something else."));
    EXPECT_TRUE(import.log.Contains("FINISHED PARSING ORDERS TEMPLATE"));
}

}  // namespace
}  // namespace hexwarden
