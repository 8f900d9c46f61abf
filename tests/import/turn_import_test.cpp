#include "import/turn_import.h"

#include <gtest/gtest.h>

#include "model/level_codes.h"
#include "platform/error.h"
#include "tests/import/report_text.h"
#include "tests/support/database_builder.h"

namespace hexwarden {
namespace {

using testing::DatabaseBytes;
using testing::ErrorOf;
using testing::MakeReport;
using testing::ReportImport;
using testing::ReportParts;
using testing::TownRegion;

// Turn 15 (March, Year 2) with two own units that have orders.
void ImportTwoOwnUnits(ReportImport& import) {
    ReportParts parts;
    parts.regions = TownRegion(2, 2, "* Scout (100), Testers (7), leader [LEAD].\n* Miner (101), Testers (7), leader [LEAD].");
    import.Import(MakeReport(parts));
    for (int32_t number : {100, 101}) import.database.Units.FindByNumber(number)->Orders = "work\r\n";
}

TEST(TurnImport, ReportsThatAreRefusedLeaveTheDatabaseAsItWas) {
    ReportImport import;
    ImportTwoOwnUnits(import);
    const std::string before = DatabaseBytes(import.database);
    ReportParts older;
    older.date = "February, Year 2";
    older.regions = TownRegion(4, 4, "* Scout (100), Testers (7), 2 leaders [LEAD].");
    for (const std::string& report : {MakeReport(older), std::string("no report here"),
                                      std::string("Veldoria Report For:\nTesters (7) (War 1)\nno date\n")}) {
        EXPECT_NE(ErrorOf(import, report), "");
        EXPECT_EQ(DatabaseBytes(import.database), before);
    }
}

TEST(TurnImport, AReportThatFailsPartWayClearsNoOrdersAndLosesNoUnits) {
    ReportImport import;
    ImportTwoOwnUnits(import);
    ReportParts later;
    later.date = "April, Year 2";
    later.regions = TownRegion(2, 2, "* Scout (100), Testers (7), leader [LEAD].") +
                    TownRegion(6, 6, "+ Hall 1 [1] : Fort, needs many; An old hall.");
    try {
        import.Import(MakeReport(later), OrdersMode::Clear);
        FAIL() << "the broken structure line must stop the import";
    } catch (const Error& error) {
        EXPECT_STREQ(error.what(), "'many' is not a valid integer value");
    }
    const TVelMain& database = import.database;
    for (int32_t number : {100, 101}) {
        const TVelUnit* unit = database.Units.FindByNumber(number);
        ASSERT_NE(unit, nullptr) << number;
        EXPECT_EQ(unit->Orders, "work\r\n") << number;
    }
    EXPECT_EQ(database.LostUnits.Count(), 0);
}

}  // namespace
}  // namespace hexwarden
