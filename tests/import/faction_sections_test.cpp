#include "import/faction_sections.h"

#include <gtest/gtest.h>

#include "import/veldoria_parser.h"
#include "platform/error.h"
#include "tests/import/report_text.h"

namespace hexwarden {
namespace {

using testing::ErrorOf;
using testing::MakeReport;
using testing::ReportImport;
using testing::ReportParts;
using testing::TownRegion;

const std::string kAttitudes = "Declared Attitudes (default Neutral):\nHostile : none.\nAlly : none.\n\nUnclaimed silver: 100.\n\n";

TEST(FactionSections, NewerRulesMartialTypeAndItsStatusLines) {
    ReportImport import;
    ReportParts parts;
    parts.faction = "Test (3) (Martial 2, Magic 1)";
    parts.sections = "Faction Status:\nRegions: 1 (10)\nQuartermasters: 0 (2)\nMages: 1 (2)\nApprentices: 0 (3)\n\n" + kAttitudes;
    import.Import(MakeReport(parts));
    EXPECT_EQ(import.database.War, (TFactionTypeEntry{2, 1, 10}));
    EXPECT_EQ(import.database.Trade, (TFactionTypeEntry{2, 0, 2}));
    EXPECT_EQ(import.database.Magic, (TFactionTypeEntry{1, 1, 2}));
    EXPECT_TRUE(import.log.Contains("Faction status not stored: Apprentices: 0 (3)"));
}

TEST(FactionSections, StatusLinesAreReadByTheirLabels) {
    ReportImport import;
    ReportParts parts;
    parts.sections = "Faction Status:\nTax Regions: 2 (5)\nQuartermasters: 9 (9)\nTrade Regions: 0 (0)\nMages: 1 (3)\n\n" + kAttitudes;
    import.Import(MakeReport(parts));
    EXPECT_EQ(import.database.War, (TFactionTypeEntry{2, 2, 5}));
    EXPECT_EQ(import.database.Trade, (TFactionTypeEntry{1, 0, 0}));
    EXPECT_EQ(import.database.Magic, (TFactionTypeEntry{3, 1, 3}));

    parts.sections = "Faction Status:\nTax Regions: 300 (many)\n\n" + kAttitudes;
    EXPECT_EQ(ErrorOf(import, MakeReport(parts)), "'many' is not a valid integer value");
    EXPECT_EQ(import.database.War.Used, 300 % 256);
}

TEST(FactionSections, EventsAfterErrorsAndBattles) {
    ReportImport import;
    TVeldoriaParser parser = import.ParserOver(
        "Errors during turn:\nScout (100): MOVE: Can't.\n\nBattles during turn:\nRaiders (5) attacks Scout (100)!\n\n"
        "Events during turn:\nScout (100): Walks from plain (2,2) to plain (4,2) in\n  Ardmoor.\nMiner (101):   Earns   10.\n\n" +
        kAttitudes);
    ParseEvents(parser);
    EXPECT_EQ(parser.Events, (std::vector<std::string>{"Scout (100): Error: MOVE: Can't.", "Scout (100): Walks from plain (2,2) to plain (4,2) in Ardmoor.",
                                                       "Miner (101): Earns 10."}));

    TVeldoriaParser no_events = import.ParserOver("Errors during turn:\nScout (100): Oops, a long\n  error.\nNo unit named\n\nSkill reports:\n\nmining [MINI] 1: Digs.\n\n" + kAttitudes);
    ParseEvents(no_events);
    EXPECT_EQ(no_events.Events, (std::vector<std::string>{"Scout (100): Error: Oops, a long error.", "Error: No unit named"}));
    ParseSkillReports(no_events);
    EXPECT_EQ(import.database.SkillTypes.FindByCode("MINI")->Plural, "1: Digs.");
    TVeldoriaParser cut = import.ParserOver("Faction Status:\nMages: 1 (1)\n\n");
    EXPECT_THROW(ParseEvents(cut), StreamReadError);
}

TEST(FactionSections, ItemReportsPlaceCodesAndObjectReportsArePassed) {
    ReportImport import;
    import.database.ItemTypes.AddOrUpdate("", "gnolls", 0, "GNOL");  // as a market names men for hire
    const std::string sections =
        "Skill reports:\n\nmining [MINI] 1: May PRODUCE iron\n  and stone.\n\ngate lore [GATE] 1: Detects Gates.\n\n"
        "Item reports:\n\nhigh elf [HELF], weight 10.\n  This race may study all skills.\n\n"
        "gnoll [GNOL], weight 10. This race may study all skills to level 2.\n\n"
        "wolf [WOLF], weight 10, walking capacity 5. This is a monster.\n\n"
        "dragon's tooth [DTOO], weight 1, costs 75 silver to withdraw.\n\n"
        "mystery [MYST], weight 1.\n\n"
        "orc [ORC], weight 1. This is a sword for orcs.\n\n"
        "Object reports:\n\nTower [TOWE]: This is a building.\n\n" +
        kAttitudes;
    TVeldoriaParser parser = import.ParserOver(sections);
    ParseSkillReports(parser);
    EXPECT_EQ(parser.PeekWord(1), "Declared");
    const TVelMain& database = import.database;
    const TVelIndexList& skills = database.SkillTypes;
    ASSERT_EQ(skills.Count(), 2);
    EXPECT_EQ(skills.Get(0)->Name, "Mining");
    EXPECT_EQ(skills.Get(0)->Plural, "1: May PRODUCE iron and stone.");
    EXPECT_EQ(database.Races.FindByCode("HELF")->Name, "High elf");
    EXPECT_EQ(database.Races.FindByCode("GNOL")->Plural, "Gnolls");
    EXPECT_EQ(database.Races.FindByCode("GNOL")->Name, "Gnoll");
    EXPECT_EQ(database.Races.FindByCode("WOLF")->Name, "Wolf");
    EXPECT_EQ(database.ItemTypes.FindByCode("DTOO")->Name, "Dragon's tooth");
    EXPECT_EQ(database.ItemTypes.FindByCode("WOLF"), nullptr);
    EXPECT_TRUE(import.log.Contains("ORC (\"orc\") is described as an item but was taken for a race"));
    EXPECT_EQ(database.ItemTypes.FindByCode("ORC"), nullptr);
    for (const char* code : {"MYST", "TOWE"}) {
        EXPECT_EQ(database.ItemTypes.FindByCode(code), nullptr) << code;
        EXPECT_EQ(database.Races.FindByCode(code), nullptr) << code;
    }
    // Read again, each skill text is appended after a blank line.
    TVeldoriaParser again = import.ParserOver(sections);
    ParseSkillReports(again);
    EXPECT_EQ(skills.Get(1)->Plural, "1: Detects Gates.\r\n\r\n1: Detects Gates.");
}

TEST(FactionSections, AttitudesAndUnclaimedSilver) {
    ReportImport import;
    import.database.Factions.AddOrRename("Old Name", 31)->Email = "kept@example";
    TVeldoriaParser parser = import.ParserOver(
        "Declared Attitudes (default Sneaky):\nHostile : Ravens of Ash (31), Wolves (Grey) (32).\nUnfriendly : none.\n"
        "Friendly : Silver Wardens (15), Hill\n  Folk (16).\nAlly : none.\n\nUnclaimed silver: 1234.\n");
    ParseAttitudes(parser);
    ParseUnclaimedSilver(parser);
    const TVelMain& database = import.database;
    EXPECT_EQ(database.DefaultAttitude, 0);
    EXPECT_EQ(database.UnclaimedSilver, 1234);
    EXPECT_EQ(database.Factions.Count(), 4);
    EXPECT_EQ(database.Factions.FindByNumber(31)->Name, "Ravens of Ash");
    EXPECT_EQ(database.Factions.FindByNumber(31)->Attitude, 1);
    EXPECT_EQ(database.Factions.FindByNumber(31)->Email, "kept@example");
    EXPECT_EQ(database.Factions.FindByNumber(32)->Name, "Wolves(Grey)");
    EXPECT_EQ(database.Factions.FindByNumber(16)->Name, "Hill Folk");
    EXPECT_EQ(database.Factions.FindByNumber(16)->Attitude, 4);

    TVeldoriaParser bad = import.ParserOver("Declared Attitudes (default Ally):\nHostile : Ravens (x1).\n");
    EXPECT_THROW(ParseAttitudes(bad), ConversionError);
}

TEST(FactionSections, EventsGoToTheUnitInTheirFirstBrackets) {
    ReportImport import;
    ReportParts parts;
    parts.sections =
        "Events during turn:\nScout (100): Claims $50.\nWorkers (101): Scout (100) borrows 6 silver.\nScout (100) : Studies.\n"
        "Scout (100)\nLost (999): Nobody.\nOddity (scout): Not a number.\nReversed )100(: Wrong way.\n\n" +
        kAttitudes;
    parts.sections.insert(0, "Faction Status:\nTax Regions: 1 (5)\n\n");
    parts.regions = TownRegion(2, 2, "* Scout (100), Testers (7), leader [LEAD].\n* Workers (101), Testers (7), leader [LEAD].");
    import.Import(MakeReport(parts));
    EXPECT_EQ(import.database.Units.FindByNumber(100)->Events, "Claims $50.\r\nStudies.\r\nScout (100)");
    EXPECT_EQ(import.database.Units.FindByNumber(101)->Events, "Scout (100) borrows 6 silver.");

    // Another faction's report hands out no events, so every unit's events are cleared.
    ReportParts ally;
    ally.faction = "Allies (8) (War 1, Trade 1, Magic 1)";
    ally.sections = "Unclaimed silver: 5.\n\n";
    ally.regions = TownRegion(6, 6);
    import.Import(MakeReport(ally));
    EXPECT_EQ(import.database.Units.FindByNumber(100)->Events, "");
}

}  // namespace
}  // namespace hexwarden
