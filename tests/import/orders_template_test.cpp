#include "import/orders_template.h"

#include <gtest/gtest.h>

#include "import/faction_list_import.h"
#include "platform/error.h"
#include "tests/import/report_text.h"
#include "tests/support/fixtures.h"

namespace hexwarden {
namespace {

using testing::MakeReport;
using testing::ReportImport;
using testing::ReportParts;
using testing::TownRegion;

class OrdersTemplate : public ::testing::Test {
protected:
    void SetUp() override {
        parts.regions = TownRegion(2, 2,
                                   "* Scout (100), Testers (7), leader [LEAD].\n"
                                   "* Miner (101), Testers (7), leader [LEAD].\n"
                                   "* Idle (102), Testers (7), leader [LEAD].\n"
                                   "- Rider (501), Ravens (31), leader [LEAD].");
        import.Import(MakeReport(parts));
        for (int32_t number : {100, 101, 102, 501}) import.database.Units.FindByNumber(number)->Orders = "old\r\n";
    }

    std::string OrdersOf(int32_t number) const { return import.database.Units.FindByNumber(number)->Orders; }

    ReportParts parts;
    ReportImport import;
};

TEST_F(OrdersTemplate, RepeatingOrdersReachTheUnitsNamed) {
    parts.orders =
        "#veldoria 7 \"secret\"\n"
        "\n"
        ";*** plain (2,2) in Ardmoor ***\n"
        "\n"
        "unit 100\n"
        ";Scout (100), leader [LEAD].\n"
        "@work\n"
        "study COMB\n"
        "  @tax   now\n"
        "\n"
        "unit 101\n"
        "produce IRON\n"
        "\n"
        "unit 501\n"
        "@guard 1\n"
        "unit 999\n"
        "@work\n"
        "unit x\n"
        "\n"
        "#end\n";
    import.Import(MakeReport(parts), OrdersMode::ImportTemplate);
    EXPECT_EQ(OrdersOf(100), "@work\r\n@tax now\r\n");
    EXPECT_EQ(OrdersOf(101), "");
    EXPECT_EQ(OrdersOf(102), "old\r\n");
    EXPECT_EQ(OrdersOf(501), "@guard 1\r\n");
    EXPECT_TRUE(import.log.Contains("  Unit 100 Orders"));
    EXPECT_TRUE(import.log.Contains("  Unit 999 Orders - UNKNOWN UNIT"));
    EXPECT_TRUE(import.log.Contains("  Unit 0 Orders - UNKNOWN UNIT"));
    EXPECT_TRUE(import.log.Contains("FINISHED PARSING ORDERS TEMPLATE"));
}

TEST_F(OrdersTemplate, TurnBlocksStayWholeOrGoWhole) {
    parts.orders =
        "#veldoria 7\n"
        "unit 100\n"
        "@TURN\n"
        "  take from 167 all silver\n"
        "  move SW\n"
        "ENDTURN\n"
        "turn\n"
        "  @work\n"
        "endturn\n"
        "@work\n"
        "#end\n";
    import.Import(MakeReport(parts), OrdersMode::ImportTemplate);
    EXPECT_EQ(OrdersOf(100), "@TURN\r\ntake from 167 all silver\r\nmove SW\r\nENDTURN\r\n@work\r\n");
}

TEST_F(OrdersTemplate, WithoutTheVeldoriaLineNothingChanges) {
    parts.orders = "#atlantis 7\nunit 100\n@work\n#end\n";
    import.Import(MakeReport(parts), OrdersMode::ImportTemplate);
    EXPECT_EQ(OrdersOf(100), "old\r\n");
    EXPECT_TRUE(import.log.Contains("FINISHED PARSING ORDERS TEMPLATE"));
}

TEST(FactionList, LinesAddOrRenameFactionsWithTheirAddresses) {
    TVelFactionList factions;
    TVelFaction* known = factions.AddOrRename("Old Name", 15);
    known->Attitude = 4;
    const int32_t count = ImportFactionsFromText(factions,
                                                 "Ironhold Company (12), brannoc@ironhold.example\r\n"
                                                 "\r\n"
                                                 "   \n"
                                                 "Silver Wardens (15), wardens@silver.example\n"
                                                 "No Mail (16)\n");
    EXPECT_EQ(count, 3);
    EXPECT_EQ(ImportedFactionsMessage(count), "Imported 3 faction(s).");
    EXPECT_EQ(factions.Count(), 3);
    EXPECT_EQ(factions.FindByNumber(12)->Email, "brannoc@ironhold.example");
    EXPECT_EQ(factions.FindByNumber(15)->Name, "Silver Wardens");
    EXPECT_EQ(factions.FindByNumber(15)->Attitude, 4);
    EXPECT_EQ(factions.FindByNumber(16)->Email, "No Mail (16)");
}

TEST(FactionList, ABadNumberStopsWithTheLinesBeforeItKept) {
    TVelFactionList factions;
    try {
        ImportFactionsFromText(factions, "Good (1), a@example\nBad (one), b@example\nLater (3), c@example\n");
        FAIL() << "expected a conversion error";
    } catch (const ConversionError& error) {
        EXPECT_STREQ(error.what(), "'one' is not a valid integer value");
    }
    EXPECT_EQ(factions.Count(), 1);
    EXPECT_THROW(ImportFactionsFromText(factions, "no brackets at all\n"), ConversionError);

    ::hexwarden::testing::ScratchDir scratch;
    EXPECT_THROW(ImportFactions(factions, scratch / "missing.txt"), Error);
}

}  // namespace
}  // namespace hexwarden
