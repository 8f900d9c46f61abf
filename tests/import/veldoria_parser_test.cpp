#include "import/veldoria_parser.h"

#include <gtest/gtest.h>

#include "import/turn_import.h"
#include "platform/error.h"
#include "tests/import/report_text.h"

namespace hexwarden {
namespace {

using testing::MakeReport;
using testing::ReportImport;
using testing::ReportParts;
using testing::TownRegion;

std::string ErrorOf(ReportImport& import, std::string report) {
    try {
        import.Import(std::move(report));
    } catch (const Error& error) {
        return error.what();
    }
    return "";
}

ReportParts WithUnit(std::string_view unit_line, std::string date = "March, Year 2") {
    ReportParts parts;
    parts.date = std::move(date);
    parts.regions = TownRegion(2, 2, unit_line);
    return parts;
}

TEST(TurnReportDriver, FailuresCarryTheirMessagesAndLeaveTheDatabaseAlone) {
    ReportImport import;
    EXPECT_EQ(ErrorOf(import, "Dear player, no report this time."), "Invalid file - cannot locate Veldoria Report data.");
    EXPECT_EQ(ErrorOf(import, "Veldoria Report For:\nTesters (7) (War 1)\nno date here\n"), "Unable to extract date.");
    // Found as text but not as words: nothing is imported, and that is an error rather than success.
    std::string not_as_words = MakeReport(ReportParts{});
    not_as_words.replace(0, 19, "Veldoria Report Format");
    EXPECT_EQ(ErrorOf(import, not_as_words), "Invalid file - cannot locate Veldoria Report data.");
    EXPECT_EQ(import.database.FactionNumber, 0);
    EXPECT_EQ(import.database.Turn, 0);

    ReportParts no_types;
    no_types.faction = "Testers (7)";
    EXPECT_EQ(ErrorOf(import, MakeReport(no_types)), "'Year' is not a valid integer value");
}

TEST(TurnReportDriver, OlderTurnsAreRefusedEqualTurnsMerge) {
    ReportImport import;
    import.Import(MakeReport(WithUnit("* Scout (100), Testers (7), leader [LEAD].", "June, Year 3")));
    ASSERT_EQ(import.database.Turn, 30);
    import.database.Units.FindByNumber(100)->Notes = "keep me";

    const int32_t hexes = import.database.OverworldHexes.HexCount();
    EXPECT_EQ(ErrorOf(import, MakeReport(WithUnit("* Scout (100), Testers (7), 2 leaders [LEAD].", "May, Year 3"))),
              "Invalid import: attempting to import turn 29.\r\nPrevious turns cannot be imported.");
    EXPECT_EQ(import.database.Units.FindByNumber(100)->Troops.Total(), 1);

    import.Import(MakeReport(WithUnit("* Scout (100), Testers (7), 3 leaders [LEAD].", "June, Year 3")));
    const TVelUnit* scout = import.database.Units.FindByNumber(100);
    EXPECT_EQ(scout->Troops.Total(), 3);
    EXPECT_EQ(scout->Notes, "keep me");
    EXPECT_EQ(scout->PositionHistory.Count(), 1);
    EXPECT_EQ(import.database.OverworldHexes.HexCount(), hexes);
    EXPECT_EQ(import.database.Units.Count(), 1);
}

TEST(TurnReportDriver, HeaderSetsFactionTypesAndDate) {
    ReportImport import;
    ReportParts parts;
    parts.faction = "Iron Hand (12) (War 2, Trade 1, Magic 3, Fame 9)";
    parts.date = "december, Year 2";
    import.Import(MakeReport(parts));
    const TVelMain& database = import.database;
    EXPECT_EQ(database.FactionName, "Iron Hand");
    EXPECT_EQ(database.FactionNumber, 12);
    EXPECT_EQ(database.Turn, 24);
    EXPECT_EQ(database.War, (TFactionTypeEntry{2, 1, 5}));
    EXPECT_EQ(database.Trade, (TFactionTypeEntry{1, 2, 6}));
    EXPECT_EQ(database.Magic, (TFactionTypeEntry{3, 1, 3}));
}

TEST(TurnReportDriver, AFactionNamedAfterAMonthDoesNotPassForTheDate) {
    ReportImport import;
    ReportParts parts;
    parts.faction = "January Folk (7) (War 1, Trade 1, Magic 1)";
    parts.date = "June, Year 3";
    import.Import(MakeReport(parts));
    EXPECT_EQ(import.database.Turn, 30);
    parts.date = "July, Year 3";
    import.Import(MakeReport(parts));
    EXPECT_EQ(import.database.Turn, 31);
    parts.date = "May, Year 3";
    EXPECT_EQ(ErrorOf(import, MakeReport(parts)), "Invalid import: attempting to import turn 29.\r\nPrevious turns cannot be imported.");
}

TEST(TurnReportDriver, AnotherFactionsReportAddsOnlyRegionsAndUnits) {
    ReportImport import;
    import.Import(MakeReport(WithUnit("* Scout (100), Testers (7), leader [LEAD].", "June, Year 3")));
    import.database.Units.FindByNumber(100)->Events = "";

    ReportParts ally;
    ally.faction = "Allies (8) (War 5, Trade 5, Magic 5)";
    ally.date = "August, Year 3";
    ally.sections = "Unclaimed silver: 999.\n\n";
    ally.regions = TownRegion(6, 6, "* Sailor (200), Allies (8), leader [LEAD].");
    import.Import(MakeReport(ally));

    const TVelMain& database = import.database;
    EXPECT_EQ(database.FactionNumber, 7);
    EXPECT_EQ(database.FactionName, "Testers");
    EXPECT_EQ(database.Turn, 30);
    EXPECT_EQ(database.UnclaimedSilver, 100);
    EXPECT_EQ(database.War.Level, 2);
    const TVelHex* hex = database.FindHex(6, 6, true);
    ASSERT_NE(hex, nullptr);
    EXPECT_EQ(hex->Turn, 30);
    EXPECT_EQ(database.Units.FindByNumber(200)->Turn, 30);
    EXPECT_EQ(database.Units.FindByNumber(200)->Faction, 8);
    // Our own scout is still ours: it was not in the ally's report, but it is in OwnUnits.
    EXPECT_NE(database.Units.FindByNumber(100), nullptr);
    EXPECT_EQ(database.LostUnits.Count(), 0);
}

TEST(TurnReportDriver, OrdersOptions) {
    const std::string unit = "* Scout (100), Testers (7), leader [LEAD].";
    ReportParts parts = WithUnit(unit);
    parts.orders = "#veldoria 7\n\nunit 100\n;Scout\n@work\nstudy COMB\n\n#end\n";

    ReportImport import;
    import.Import(MakeReport(parts), OrdersMode::ImportTemplate);
    EXPECT_EQ(import.database.Units.FindByNumber(100)->Orders, "@work\r\n");

    import.database.Units.FindByNumber(100)->Orders = "typed by hand\r\n";
    import.Import(MakeReport(parts), OrdersMode::Preserve);
    EXPECT_EQ(import.database.Units.FindByNumber(100)->Orders, "typed by hand\r\n");
    EXPECT_TRUE(import.log.Contains("SKIPPING ORDERS TEMPLATE"));

    import.Import(MakeReport(parts), OrdersMode::Clear);
    EXPECT_EQ(import.database.Units.FindByNumber(100)->Orders, "");
}

TEST(TurnReportDriver, OwnUnitsMissingFromTheReportAreLost) {
    ReportImport import;
    import.Import(MakeReport(WithUnit("* Scout (100), Testers (7), leader [LEAD].\n* Miner (101), Testers (7), leader [LEAD].")));
    EXPECT_EQ(import.database.NewUnits.Count(), 2);

    import.Import(MakeReport(WithUnit("* Scout (100), Testers (7), leader [LEAD].", "April, Year 2")));
    const TVelMain& database = import.database;
    EXPECT_EQ(database.Units.FindByNumber(101), nullptr);
    ASSERT_EQ(database.LostUnits.Count(), 1);
    EXPECT_EQ(database.LostUnits.Get(0)->Number, 101);
    EXPECT_EQ(database.NewUnits.Count(), 0);
    EXPECT_EQ(database.FindHex(2, 2, true)->Units.Count(), 1);
}

TEST(TurnReportDriver, ReportsWithCrLfAndLfLineEndsImportAlike) {
    ReportParts parts = WithUnit("* Scout (100), Testers (7), leader [LEAD]; Scouts\n  the land.");
    std::string crlf;
    for (char c : MakeReport(parts)) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);

    ReportImport lf_import;
    lf_import.Import(MakeReport(parts));
    ReportImport crlf_import;
    crlf_import.Import(crlf);
    for (ReportImport* import : {&lf_import, &crlf_import}) {
        const TVelUnit* scout = import->database.Units.FindByNumber(100);
        ASSERT_NE(scout, nullptr);
        EXPECT_EQ(scout->Description, "Scouts the land.");
        EXPECT_EQ(scout->Events, "Walks from plain (2,2) in Ardmoor to plain (4,2) in Ardmoor.");
        EXPECT_EQ(import->database.FindHex(2, 2, true)->Entertainment, 450);
    }
}

TEST(TurnReportDriver, StatusLogKeepsTheLastTenLines) {
    TRecentStatusLines recent;
    TVelMain database;
    database.Clear();
    TFixedItemTypeAnswer answer(ItemTypeAnswer::Item);
    ImportTurnReportText(database, MakeReport(WithUnit("* Scout (100), Testers (7), leader [LEAD].")), OrdersMode::Preserve,
                         recent, answer);
    ASSERT_EQ(recent.Lines().size(), 10u);
    EXPECT_EQ(recent.Lines().back(), "FINISHED PARSING");
    EXPECT_EQ(recent.Lines()[recent.Lines().size() - 2], "ALLOCATING EVENTS");
}

}  // namespace
}  // namespace hexwarden
