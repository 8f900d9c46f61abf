// Damaged and hostile reports: each import either succeeds (perhaps partly) or stops with one of the
// program's errors. Crashes, hangs and stray exception types are what these tests catch.
#include <gtest/gtest.h>

#include <random>

#include "import/turn_import.h"
#include "platform/error.h"
#include "tests/import/report_text.h"
#include "tests/support/fixtures.h"

namespace hexwarden {
namespace {

using testing::MakeReport;
using testing::ReportParts;
using testing::TownRegion;

// Imports into a database that already holds a report, as damage usually meets a database in use.
// Returns false when the import stopped with an error.
bool ImportsOrFailsCleanly(TVelMain& database, std::string report, std::string* message = nullptr) {
    TSilentStatusLog log;
    TFixedItemTypeAnswer answer(ItemTypeAnswer::Item);
    try {
        ImportTurnReportText(database, std::move(report), OrdersMode::ImportTemplate, log, answer);
        return true;
    } catch (const Error& error) {
        if (message != nullptr) *message = error.what();
        return false;
    }
}

std::string OwnReport() {
    ReportParts parts;
    parts.sections.insert(parts.sections.find("Declared"), "Skill reports:\n\ncombat [COMB] 1: Fights\n  well.\n\n");
    parts.regions = TownRegion(2, 2,
                               "There is a Gate here (Gate 3 of 7).\n\n"
                               "* Scout (100), Testers (7), avoiding, sharing, leader [LEAD], 20 silver [SILV].\n"
                               "  Weight: 10. Skills: combat [COMB] 1 (30). Combat spell: fire [FIRE].\n"
                               "  Can Study: fire [FIRE]; Looks about.\n"
                               "- Wolf (300), Raiders (5), 3 wolves [WOLF] (illusion).\n"
                               "+ Keep [2] : Fort, needs 4; Old stones.\n"
                               "  * Keeper (101), on guard, Testers (7), leader [LEAD].\n") +
                    "tunnels (3,5,underworld) in Deep.\n------\n  Wages: $1.\n  Wanted: none.\n  For Sale: none.\n  Products: none.\n";
    parts.orders = "#veldoria 7\n\nunit 100\n@work\n@TURN\nmove N\nENDTURN\n\n#end\n";
    return MakeReport(parts);
}

void ImportEveryPrefix(const std::string& report, std::size_t step = 1) {
    for (std::size_t length = 0; length <= report.size(); length += step) {
        TVelMain database;
        database.Clear();
        ImportsOrFailsCleanly(database, report.substr(0, length));
    }
}

TEST(DamagedReports, EveryPrefixOfOurReportImportsOrFailsCleanly) {
    const std::string report = OwnReport();
    TVelMain database;
    database.Clear();
    ASSERT_TRUE(ImportsOrFailsCleanly(database, report));
    ASSERT_NE(database.Units.FindByNumber(101), nullptr);
    ImportEveryPrefix(report);
}

TEST(DamagedReports, EveryPrefixOfARealReportImportsOrFailsCleanly) {
    HEXWARDEN_REQUIRE_FIXTURES(fixtures);
    ImportEveryPrefix(::hexwarden::testing::ReadFileBytes(fixtures / "reports" / "game-a" / "turn-00.txt"));
    // The longest report, with a map-format orders template, cut at every 13th byte to keep the time.
    ImportEveryPrefix(::hexwarden::testing::ReadFileBytes(fixtures / "reports" / "game-a" / "turn-05.txt"), 13);
}

TEST(DamagedReports, FlippedBytesAndGarbage) {
    const std::string report = OwnReport();
    std::mt19937 random(20240601);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int round = 0; round < 300; ++round) {
        std::string damaged = report;
        const int flips = 1 + round % 8;
        for (int i = 0; i < flips; ++i) {
            damaged[std::uniform_int_distribution<std::size_t>(0, damaged.size() - 1)(random)] = static_cast<char>(byte(random));
        }
        TVelMain database;
        database.Clear();
        ImportsOrFailsCleanly(database, damaged);
    }
    for (std::size_t size : {std::size_t{1}, std::size_t{100}, std::size_t{100000}}) {
        std::string garbage(size, '\0');
        for (char& c : garbage) c = static_cast<char>(byte(random));
        TVelMain database;
        database.Clear();
        std::string message;
        EXPECT_FALSE(ImportsOrFailsCleanly(database, garbage, &message));
        EXPECT_FALSE(ImportsOrFailsCleanly(database, "Veldoria Report For:\n" + garbage));
    }
}

TEST(DamagedReports, VeryLongLines) {
    const std::string endless(4'000'000, 'x');
    const std::string brackets(200'000, '(');
    for (const std::string& inserted : {endless, brackets, std::string(300'000, '\n'), std::string(200'000, ',')}) {
        for (const char* marker : {"Wages:", "* Scout (100), ", "Events during turn:\n", "unit 100\n", "Skill reports:\n\n"}) {
            std::string report = OwnReport();
            const std::size_t at = report.find(marker);
            ASSERT_NE(at, std::string::npos) << marker;
            report.insert(at + std::string(marker).size(), inserted);
            TVelMain database;
            database.Clear();
            ImportsOrFailsCleanly(database, report);
        }
    }
    TVelMain database;
    database.Clear();
    std::string message;
    EXPECT_FALSE(ImportsOrFailsCleanly(database, "Veldoria Report For:\n" + endless, &message));
    EXPECT_EQ(message, "Unable to extract date.");
}

TEST(DamagedReports, CutOffInsideASectionReportsAReadError) {
    TVelMain database;
    database.Clear();
    std::string report = OwnReport();
    report.resize(report.find("Declared Attitudes"));
    std::string message;
    EXPECT_FALSE(ImportsOrFailsCleanly(database, report, &message));
    EXPECT_EQ(message, "Stream read error");
}

}  // namespace
}  // namespace hexwarden
