#include "import/veldoria_parser.h"

#include <gtest/gtest.h>

#include "import/turn_import.h"
#include "platform/error.h"
#include "tests/import/report_text.h"

namespace hexwarden {
namespace {

using testing::ErrorOf;
using testing::MakeReport;
using testing::ReportImport;
using testing::ReportParts;
using testing::TownRegion;

ReportParts WithUnits(std::string_view units, std::string date = "March, Year 2") {
    ReportParts parts;
    parts.date = std::move(date);
    parts.regions = TownRegion(2, 2, units);
    return parts;
}

TEST(TurnReport, FailuresCarryTheirMessages) {
    ReportImport import;
    EXPECT_EQ(ErrorOf(import, "Dear player, no report this time."), "Invalid file - cannot locate Veldoria Report data.");
    EXPECT_EQ(ErrorOf(import, "Veldoria Report For:\nTesters (7) (War 1)\nno date\n"), "Unable to extract date.");
    // Found as text but not as words: nothing can be imported, which is an error, not a success.
    std::string not_as_words = MakeReport(ReportParts{});
    not_as_words.replace(0, 19, "Veldoria Report Format");
    EXPECT_EQ(ErrorOf(import, not_as_words), "Invalid file - cannot locate Veldoria Report data.");
    EXPECT_EQ(import.database.FactionNumber, 0);
    ReportParts no_types;
    no_types.faction = "Testers (7)";
    EXPECT_EQ(ErrorOf(import, MakeReport(no_types)), "'Year' is not a valid integer value");
}

TEST(TurnReport, HeaderAndTurnChecks) {
    ReportImport import;
    ReportParts parts = WithUnits("* Scout (100), Testers (7), leader [LEAD].", "june, Year 3");
    // A faction named after a month must not pass for the date.
    parts.faction = "January Folk (7) (War 2, Trade 1, Magic 3, Fame 9)";
    import.Import(MakeReport(parts));
    EXPECT_EQ(import.database.FactionName, "January Folk");
    EXPECT_EQ(import.database.Turn, 30);
    EXPECT_EQ(import.database.War, (TFactionTypeEntry{2, 1, 5}));
    EXPECT_EQ(import.database.Magic, (TFactionTypeEntry{3, 1, 3}));
    import.database.Units.FindByNumber(100)->Notes = "keep me";

    parts.date = "May, Year 3";
    EXPECT_EQ(ErrorOf(import, MakeReport(parts)), "Invalid import: attempting to import turn 29.\r\nPrevious turns cannot be imported.");
    parts.date = "June, Year 3";
    parts.regions = TownRegion(2, 2, "* Scout (100), Testers (7), 3 leaders [LEAD].");
    import.Import(MakeReport(parts));
    const TVelUnit* scout = import.database.Units.FindByNumber(100);
    EXPECT_EQ(scout->Troops.Total(), 3);
    EXPECT_EQ(scout->Notes, "keep me");
    EXPECT_EQ(scout->PositionHistory.Count(), 1);
    EXPECT_EQ(import.database.Units.Count(), 1);
}

TEST(TurnReport, AnotherFactionsReportAddsOnlyRegionsAndUnits) {
    ReportImport import;
    import.Import(MakeReport(WithUnits("* Scout (100), Testers (7), leader [LEAD].", "June, Year 3")));
    ReportParts ally;
    ally.faction = "Allies (8) (War 5, Trade 5, Magic 5)";
    ally.date = "August, Year 3";
    // Its item reports are read all the same: they describe the game, not the faction.
    ally.sections = "Skill reports:\n\nsailing [SAIL] 1: Sails.\n\nItem reports:\n\nkraken [KRAK], weight 10. This is a monster.\n\n"
                    "Unclaimed silver: 999.\n\n";
    ally.regions = TownRegion(6, 6, "* Sailor (200), Allies (8), leader [LEAD], kraken [KRAK].");
    import.Import(MakeReport(ally));

    const TVelMain& database = import.database;
    EXPECT_EQ(database.FactionNumber, 7);
    EXPECT_EQ(database.Turn, 30);
    EXPECT_EQ(database.UnclaimedSilver, 100);
    EXPECT_EQ(database.War.Level, 2);
    EXPECT_EQ(database.FindHex({6, 6, Level::Surface})->Turn, 30);
    EXPECT_EQ(database.Units.FindByNumber(200)->Turn, 30);
    EXPECT_EQ(database.LostUnits.Count(), 0);
    EXPECT_EQ(database.Units.FindByNumber(200)->Troops.Total(), 2);
    EXPECT_EQ(database.SkillTypes.FindByCode("SAIL"), nullptr);
    EXPECT_TRUE(import.question.asked.empty());
}

TEST(TurnReport, OrdersOptionsAndLostUnits) {
    ReportParts parts = WithUnits("* Scout (100), Testers (7), leader [LEAD].\n* Miner (101), Testers (7), leader [LEAD].");
    parts.orders = "#veldoria 7\n\nunit 100\n@work\nstudy COMB\n\n#end\n";
    ReportImport import;
    import.Import(MakeReport(parts), OrdersMode::ImportTemplate);
    TVelUnit* scout = import.database.Units.FindByNumber(100);
    EXPECT_EQ(scout->Orders, "@work\r\n");
    EXPECT_EQ(import.database.NewUnits.Count(), 2);

    scout->Orders = "typed\r\n";
    import.Import(MakeReport(parts), OrdersMode::Preserve);
    EXPECT_EQ(import.database.Units.FindByNumber(100)->Orders, "typed\r\n");
    EXPECT_TRUE(import.log.Contains("SKIPPING ORDERS TEMPLATE"));

    parts.regions = TownRegion(2, 2, "* Scout (100), Testers (7), leader [LEAD].");
    import.Import(MakeReport(parts), OrdersMode::Clear);
    const TVelMain& database = import.database;
    EXPECT_EQ(database.Units.FindByNumber(100)->Orders, "");
    ASSERT_EQ(database.LostUnits.Count(), 1);
    EXPECT_EQ(database.LostUnits.Get(0)->Number, 101);
    EXPECT_EQ(database.Units.FindByNumber(101), nullptr);
    EXPECT_EQ(database.FindHex({2, 2, Level::Surface})->Units.Count(), 1);
}

TEST(TurnReport, CrLfAndBareLfReportsImportAlike) {
    ReportParts parts = WithUnits("* Scout (100), Testers (7), leader [LEAD]; Scouts\n  the land.");
    std::string crlf;
    for (char c : MakeReport(parts)) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    for (std::string report : {MakeReport(parts), crlf}) {
        ReportImport import;
        import.Import(report);
        const TVelUnit* scout = import.database.Units.FindByNumber(100);
        ASSERT_NE(scout, nullptr);
        EXPECT_EQ(scout->Description, "Scouts the land.");
        EXPECT_EQ(scout->Events, "Walks from plain (2,2) in Ardmoor to plain (4,2) in Ardmoor.");
    }
}

TEST(TurnReport, StatusLogKeepsTheLastTenLines) {
    TRecentStatusLines recent;
    TVelMain database;
    database.Clear();
    TFixedItemTypeAnswer answer(ItemTypeAnswer::Item);
    ImportTurnReportText(database, MakeReport(WithUnits("* Scout (100), Testers (7), leader [LEAD].")), OrdersMode::Preserve, recent,
                         answer);
    ASSERT_EQ(recent.Lines().size(), 10u);
    EXPECT_EQ(recent.Lines().back(), "FINISHED PARSING");
}

}  // namespace
}  // namespace hexwarden
