#include "import/faction_sections.h"

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

constexpr const char* kAttitudes =
    "Declared Attitudes (default Neutral):\n"
    "Hostile : none.\n"
    "Unfriendly : none.\n"
    "Neutral : none.\n"
    "Friendly : none.\n"
    "Ally : none.\n"
    "\n"
    "Unclaimed silver: 100.\n"
    "\n";

TEST(FactionStatus, LinesAreReadByTheirLabels) {
    ReportImport import;
    ReportParts parts;
    parts.sections = std::string("Faction Status:\nTax Regions: 2 (5)\nQuartermasters: 9 (9)\nTrade Regions: 0 (0)\nMages: 1 (3)\n"
                                 "Apprentices: 4 (4)\n\n") + kAttitudes;
    import.Import(MakeReport(parts));
    EXPECT_EQ(import.database.War, (TFactionTypeEntry{2, 2, 5}));
    EXPECT_EQ(import.database.Trade, (TFactionTypeEntry{1, 0, 0}));
    EXPECT_EQ(import.database.Magic, (TFactionTypeEntry{3, 1, 3}));

    parts.sections = std::string("Faction Status:\nTax Regions: 300 (many)\n\n") + kAttitudes;
    try {
        import.Import(MakeReport(parts));
        FAIL() << "a status count that is not a number must stop the import";
    } catch (const ConversionError& error) {
        EXPECT_STREQ(error.what(), "'many' is not a valid integer value");
    }
    EXPECT_EQ(import.database.War.Used, 300 % 256);
}

TEST(Events, ContinuationLinesJoinTheEventAbove) {
    ReportImport import;
    TVeldoriaParser parser = import.ParserOver(
        "Errors during turn:\nScout (100): MOVE: Can't move there.\n\n"
        "Battles during turn:\nRaiders (5) attacks Scout (100) in plain (2,2) in Ardmoor!\n\n"
        "Events during turn:\n"
        "Scout (100): Walks from plain (2,2) in Ardmoor to plain (4,2) in\n"
        "  Ardmoor.\n"
        "Miner (101):   Earns   10 silver.\n"
        "\n"
        "Declared Attitudes (default Neutral):\n");
    ParseEvents(parser);
    ASSERT_EQ(parser.Events.size(), 2u);
    EXPECT_EQ(parser.Events[0], "Scout (100): Walks from plain (2,2) in Ardmoor to plain (4,2) in Ardmoor.");
    EXPECT_EQ(parser.Events[1], "Miner (101): Earns 10 silver.");
    EXPECT_EQ(parser.PeekWord(1), "Declared");
}

TEST(Events, AReportWithoutEventsHasNone) {
    ReportImport import;
    TVeldoriaParser parser = import.ParserOver("Errors during turn:\nScout (100): Oops.\n\nSkill reports:\n\nmining [MINI] 1: Digs.\n\n" +
                                               std::string(kAttitudes));
    ParseEvents(parser);
    EXPECT_TRUE(parser.Events.empty());
    ParseSkillReports(parser);
    ASSERT_NE(import.database.SkillTypes.FindByCode("MINI"), nullptr);
    EXPECT_EQ(import.database.SkillTypes.FindByCode("MINI")->Plural, "1: Digs.");

    TVeldoriaParser truncated = import.ParserOver("Faction Status:\nMages: 1 (1)\n\n");
    EXPECT_THROW(ParseEvents(truncated), StreamReadError);
}

TEST(SkillReports, ItemAndObjectReportsStayOutOfTheSkillTable) {
    ReportImport import;
    const std::string sections =
        "Skill reports:\n\n"
        "mining [MINI] 1: A unit with this skill may PRODUCE iron\n  and stone.\n\n"
        "gate lore [GATE] 1: Detects Gates.\n\n"
        "Item reports:\n\n"
        "high elf [HELF], weight 10, walking capacity 5.\n  This race may study all skills.\n\n"
        "Object reports:\n\n"
        "Tower [TOWE]: This is a building.\n\n" +
        std::string(kAttitudes);
    TVeldoriaParser parser = import.ParserOver(sections);
    ParseSkillReports(parser);
    EXPECT_EQ(parser.PeekWord(1), "Declared");
    const TVelIndexList& skills = import.database.SkillTypes;
    ASSERT_EQ(skills.Count(), 2);
    EXPECT_EQ(skills.Get(0)->Name, "Mining");
    EXPECT_EQ(skills.Get(0)->Plural, "1: A unit with this skill may PRODUCE iron and stone.");
    EXPECT_EQ(skills.Get(1)->Code, "GATE");
    EXPECT_TRUE(import.log.Contains("Skill Report for GATE"));

    // Read again, the same texts are appended after a blank line.
    TVeldoriaParser again = import.ParserOver(sections);
    ParseSkillReports(again);
    EXPECT_EQ(skills.Get(1)->Plural, "1: Detects Gates.\r\n\r\n1: Detects Gates.");
}

TEST(Attitudes, FactionsUnderEachAttitude) {
    ReportImport import;
    import.database.Factions.AddOrRename("Old Name", 31)->Email = "kept@example";
    TVeldoriaParser parser = import.ParserOver(
        "Declared Attitudes (default Sneaky):\n"
        "Hostile : Ravens of Ash (31), Wolves (Grey) (32).\n"
        "Unfriendly : none.\n"
        "Neutral : none.\n"
        "Friendly : Silver Wardens (15), Hill\n  Folk (16).\n"
        "Ally : none.\n"
        "\n"
        "Unclaimed silver: 1234.\n");
    ParseAttitudes(parser);
    ParseUnclaimedSilver(parser);
    const TVelMain& database = import.database;
    EXPECT_EQ(database.DefaultAttitude, 0);
    EXPECT_EQ(database.UnclaimedSilver, 1234);
    ASSERT_EQ(database.Factions.Count(), 4);
    const TVelFaction* ravens = database.Factions.FindByNumber(31);
    EXPECT_EQ(ravens->Name, "Ravens of Ash");
    EXPECT_EQ(ravens->Attitude, 1);
    EXPECT_EQ(ravens->Email, "kept@example");
    EXPECT_EQ(database.Factions.FindByNumber(32)->Name, "Wolves(Grey)");
    EXPECT_EQ(database.Factions.FindByNumber(16)->Name, "Hill Folk");
    EXPECT_EQ(database.Factions.FindByNumber(16)->Attitude, 4);
}

TEST(Attitudes, AFactionNumberThatIsNotANumberStopsTheImport) {
    ReportImport import;
    TVeldoriaParser parser = import.ParserOver("Declared Attitudes (default Ally):\nHostile : Ravens (x1).\n");
    EXPECT_THROW(ParseAttitudes(parser), ConversionError);
    EXPECT_EQ(import.database.DefaultAttitude, 5);
}

TEST(EventAllocation, EventsGoToTheUnitInTheirFirstBrackets) {
    ReportImport import;
    ReportParts parts;
    parts.sections =
        "Faction Status:\nTax Regions: 1 (5)\nTrade Regions: 2 (6)\nMages: 1 (3)\n\n"
        "Events during turn:\n"
        "Scout (100): Claims $50.\n"
        "Workers (101): Scout (100) borrows 6 silver.\n"
        "Scout (100) : Studies combat.\n"
        "Scout (100)\n"
        "Lost (999): Nobody here.\n"
        "Oddity (scout): Not a number.\n"
        "Reversed )100(: Brackets the wrong way.\n"
        "\n" +
        std::string(kAttitudes);
    parts.regions = TownRegion(2, 2, "* Scout (100), Testers (7), leader [LEAD].\n* Workers (101), Testers (7), leader [LEAD].");
    import.Import(MakeReport(parts));
    EXPECT_EQ(import.database.Units.FindByNumber(100)->Events, "Claims $50.\r\nStudies combat.\r\nScout (100)");
    EXPECT_EQ(import.database.Units.FindByNumber(101)->Events, "Scout (100) borrows 6 silver.");

    // Another faction's report hands out no events, so every unit's events are cleared.
    ReportParts ally;
    ally.faction = "Allies (8) (War 1, Trade 1, Magic 1)";
    ally.sections = "Unclaimed silver: 5.\n\n";
    ally.regions = TownRegion(6, 6, "- Sailor (200), Allies (8), leader [LEAD].");
    import.Import(MakeReport(ally));
    EXPECT_EQ(import.database.Units.FindByNumber(100)->Events, "");
}

}  // namespace
}  // namespace hexwarden
