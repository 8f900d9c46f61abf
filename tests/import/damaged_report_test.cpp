// Damaged and hostile reports: each import succeeds (perhaps partly) or stops with one of the
// program's errors. Crashes, hangs and stray exception types are what these tests catch.
#include <gtest/gtest.h>

#include <random>

#include "platform/error.h"
#include "tests/import/report_text.h"
#include "tests/support/fixtures.h"

namespace hexwarden {
namespace {

using testing::ErrorOf;
using testing::MakeReport;
using testing::ReportImport;
using testing::ReportParts;
using testing::TownRegion;

std::string OwnReport() {
    ReportParts parts;
    parts.sections.insert(parts.sections.find("Declared"), "Skill reports:\n\ncombat [COMB] 1: Fights\n  well.\n\n");
    parts.regions = TownRegion(2, 2,
                               "There is a Gate here (Gate 3 of 7).\n\n* Scout (100), Testers (7), avoiding, sharing, leader [LEAD].\n"
                               "  Weight: 10. Skills: combat [COMB] 1 (30). Combat spell: fire [FIRE].\n  Can Study: fire [FIRE]; Looks about.\n"
                               "- Wolf (300), Raiders (5), 3 wolves [WOLF] (illusion).\n+ Keep [2] : Fort, needs 4; Old stones.\n"
                               "  * Keeper (101), on guard, Testers (7), leader [LEAD].\n") +
                    "tunnels (3,5,underworld) in Deep.\n------\n  Wages: $1.\n  Wanted: none.\n";
    parts.orders = "#veldoria 7\n\nunit 100\n@work\n@TURN\nmove N\nENDTURN\n\n#end\n";
    return MakeReport(parts);
}

// ErrorOf lets only the program's own errors through; anything else fails the test.
void ImportEveryPrefix(const std::string& report, std::size_t step = 1) {
    for (std::size_t length = 0; length <= report.size(); length += step) {
        ReportImport import;
        ErrorOf(import, report.substr(0, length));
    }
}

TEST(DamagedReports, EveryPrefixImportsOrFailsCleanly) {
    ReportImport whole;
    ASSERT_EQ(ErrorOf(whole, OwnReport()), "");
    ASSERT_NE(whole.database.Units.FindByNumber(101), nullptr);
    ImportEveryPrefix(OwnReport());

    ReportImport cut;
    EXPECT_EQ(ErrorOf(cut, OwnReport().substr(0, OwnReport().find("Declared"))), "Stream read error");
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
    std::uniform_int_distribution<std::size_t> place(0, report.size() - 1);
    for (int round = 0; round < 300; ++round) {
        std::string damaged = report;
        for (int flip = 0; flip <= round % 8; ++flip) damaged[place(random)] = static_cast<char>(byte(random));
        ReportImport import;
        ErrorOf(import, damaged);
    }
    std::string garbage(100000, '\0');
    for (char& c : garbage) c = static_cast<char>(byte(random));
    ReportImport import;
    EXPECT_NE(ErrorOf(import, garbage), "");
    EXPECT_NE(ErrorOf(import, "Veldoria Report For:\n" + garbage), "");
}

TEST(DamagedReports, VeryLongLines) {
    for (const std::string& inserted : {std::string(4'000'000, 'x'), std::string(200'000, '('), std::string(300'000, '\n')}) {
        for (const char* marker : {"Wages:", "* Scout (100), ", "Events during turn:\n", "unit 100\n", "Skill reports:\n\n"}) {
            std::string report = OwnReport();
            report.insert(report.find(marker) + std::string(marker).size(), inserted);
            ReportImport import;
            ErrorOf(import, report);
        }
    }
    ReportImport import;
    EXPECT_EQ(ErrorOf(import, "Veldoria Report For:\n" + std::string(4'000'000, 'x')), "Unable to extract date.");
}

}  // namespace
}  // namespace hexwarden
