#include "import/orders_template.h"

#include <gtest/gtest.h>

#include "import/faction_list_import.h"
#include "platform/error.h"
#include "tests/import/report_text.h"

namespace hexwarden {
namespace {

using testing::MakeReport;
using testing::ReportImport;
using testing::ReportParts;
using testing::TownRegion;

// Imports a report of units 100 to 102 and foreign 501, all with orders "old", then its template.
std::vector<std::string> OrdersAfter(std::string orders_template, ReportImport& import) {
    ReportParts parts;
    parts.regions = TownRegion(2, 2,
                               "* Scout (100), Testers (7), leader [LEAD].\n* Miner (101), Testers (7), leader [LEAD].\n"
                               "* Idle (102), Testers (7), leader [LEAD].\n- Rider (501), Ravens (31), leader [LEAD].");
    import.Import(MakeReport(parts));
    for (int32_t number : {100, 101, 102, 501}) import.database.Units.FindByNumber(number)->Orders = "old\r\n";
    parts.orders = std::move(orders_template);
    import.Import(MakeReport(parts), OrdersMode::ImportTemplate);
    std::vector<std::string> orders;
    for (int32_t number : {100, 101, 102, 501}) orders.push_back(import.database.Units.FindByNumber(number)->Orders);
    return orders;
}

TEST(OrdersTemplate, RepeatingOrdersReachTheUnitsNamed) {
    ReportImport import;
    const auto orders = OrdersAfter(
        "#veldoria 7 \"secret\"\n\n;*** plain (2,2) ***\n\nunit 100\n;Scout (100), leader [LEAD].\n@work\nstudy COMB\n  @tax   now\n\n"
        "unit 101\nproduce IRON\n\nunit 501\n@guard 1\nunit 999\n@work\nunit x\n\n#end\n",
        import);
    EXPECT_EQ(orders, (std::vector<std::string>{"@work\r\n@tax now\r\n", "", "old\r\n", "@guard 1\r\n"}));
    EXPECT_TRUE(import.log.Contains("  Unit 100 Orders"));
    EXPECT_TRUE(import.log.Contains("  Unit 999 Orders - UNKNOWN UNIT"));
    EXPECT_TRUE(import.log.Contains("  Unit 0 Orders - UNKNOWN UNIT"));
}

TEST(OrdersTemplate, TurnBlocksStayWholeOrGoWhole) {
    ReportImport import;
    const auto orders = OrdersAfter("#veldoria 7\nunit 100\n@TURN\n  take from 167 all silver\nENDTURN\nturn\n  @work\nendturn\n@work\n#end\n", import);
    EXPECT_EQ(orders[0], "@TURN\r\ntake from 167 all silver\r\nENDTURN\r\n@work\r\n");
}

TEST(OrdersTemplate, WithoutTheVeldoriaLineNothingChanges) {
    ReportImport import;
    EXPECT_EQ(OrdersAfter("#atlantis 7\nunit 100\n@work\n#end\n", import)[0], "old\r\n");
}

TEST(FactionList, LinesAddOrRenameFactions) {
    TVelFactionList factions;
    factions.AddOrRename("Old Name", 15)->Attitude = 4;
    const int32_t count = ImportFactionsFromText(
        factions, "Ironhold Company (12), brannoc@ironhold.example\r\n\r\n   \nSilver Wardens (15), wardens@silver.example\nNo Mail (16)\n");
    EXPECT_EQ(ImportedFactionsMessage(count), "Imported 3 faction(s).");
    EXPECT_EQ(factions.FindByNumber(12)->Email, "brannoc@ironhold.example");
    EXPECT_EQ(factions.FindByNumber(15)->Name, "Silver Wardens");
    EXPECT_EQ(factions.FindByNumber(15)->Attitude, 4);
    EXPECT_EQ(factions.FindByNumber(16)->Email, "No Mail (16)");

    EXPECT_THROW(ImportFactionsFromText(factions, "Good (1), a@example\nBad (one), b@example\nLater (3), c@example\n"), ConversionError);
    EXPECT_NE(factions.FindByNumber(1), nullptr);
    EXPECT_EQ(factions.FindByNumber(3), nullptr);
    EXPECT_THROW(ImportFactionsFromText(factions, "no brackets at all\n"), ConversionError);
}

}  // namespace
}  // namespace hexwarden
