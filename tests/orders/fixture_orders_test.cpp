// The orders files one faction of game A really sent, against what the server said about each in
// the next report's "Errors during turn:". No error may be found where the server took the order,
// and whatever the server reported must be found.
#include <gtest/gtest.h>

#include <regex>
#include <sstream>

#include "import/item_type_question.h"
#include "import/parse_status_log.h"
#include "import/turn_import.h"
#include "model/database.h"
#include "orders/order_checker.h"
#include "orders/orders_database.h"
#include "tests/support/fixtures.h"

namespace hexwarden {
namespace {

using ::hexwarden::testing::ReadFileBytes;

std::string TwoDigits(int turn) {
    return (turn < 10 ? "0" : "") + std::to_string(turn);
}

struct UnitMessage {
    int32_t unit;  // 0 for the faction
    std::string message;
    friend bool operator==(const UnitMessage&, const UnitMessage&) = default;
};

std::ostream& operator<<(std::ostream& out, const UnitMessage& entry) {
    return out << entry.unit << ": " << entry.message;
}

// The report's "Errors during turn:" entries, wrapped lines joined again.
std::vector<UnitMessage> ServerErrors(const std::string& report) {
    std::vector<std::string> entries;
    std::istringstream lines(report);
    bool inside = false;
    for (std::string line; std::getline(lines, line);) {
        if (line == "Errors during turn:") {
            inside = true;
        } else if (inside && line.empty()) {
            break;
        } else if (inside && line.rfind("  ", 0) == 0 && !entries.empty()) {
            entries.back() += " " + line.substr(2);
        } else if (inside) {
            entries.push_back(line);
        }
    }
    static const std::regex unit_entry(R"(^.* \((\d+)\): (.*)$)");
    std::vector<UnitMessage> errors;
    for (const std::string& entry : entries) {
        std::smatch match;
        if (std::regex_match(entry, match, unit_entry)) errors.push_back({std::stoi(match[1]), match[2]});
        else errors.push_back({0, entry});
    }
    return errors;
}

constexpr int32_t kOutsideTheBlock = -1;

// Each problem with the unit whose block holds its line (0 before the first UNIT).
std::vector<UnitMessage> ByUnit(const std::string& orders, const std::vector<Problem>& problems, Severity severity) {
    std::vector<int32_t> unit_of_line{kOutsideTheBlock};
    std::istringstream lines(orders);
    static const std::regex unit_line(R"(^\s*unit\s+(\d+)\s*$)", std::regex::icase);
    int32_t unit = kOutsideTheBlock;
    for (std::string line; std::getline(lines, line);) {
        std::smatch match;
        if (line.rfind("#veldoria", 0) == 0) unit = 0;
        if (std::regex_match(line, match, unit_line)) unit = std::stoi(match[1]);
        unit_of_line.push_back(unit);
        if (line.rfind("#end", 0) == 0) unit = kOutsideTheBlock;
    }
    std::vector<UnitMessage> found;
    for (const Problem& problem : problems) {
        if (problem.severity != severity) continue;
        const auto line = static_cast<std::size_t>(problem.line);
        found.push_back({line < unit_of_line.size() ? unit_of_line[line] : 0, problem.message});
    }
    return found;
}

bool Contains(const std::vector<UnitMessage>& list, const UnitMessage& entry) {
    return std::find(list.begin(), list.end(), entry) != list.end();
}

TEST(FixtureOrders, ServerVerdictsAreMatched) {
    HEXWARDEN_REQUIRE_FIXTURES(fixtures);
    const auto orders_dir = fixtures / "orders" / "game-a";
    if (!std::filesystem::exists(orders_dir / "orders-01.txt")) GTEST_SKIP() << "orders fixtures not found in " << orders_dir;

    TVelMain database;
    database.Clear();
    TSilentStatusLog log;
    TFixedItemTypeAnswer items(ItemTypeAnswer::Item);
    int server_errors = 0;
    for (int turn = 1; turn <= 13; ++turn) {
        SCOPED_TRACE("orders-" + TwoDigits(turn));
        // The database as the player had it when writing these orders: every report before.
        ImportTurnReport(database, fixtures / "reports" / "game-a" / ("turn-" + TwoDigits(turn - 1) + ".txt"),
                         OrdersMode::Preserve, log, items);
        EXPECT_EQ(RuleSetOf(database), RuleSet::Standard);

        const std::string orders = ReadFileBytes(orders_dir / ("orders-" + TwoDigits(turn) + ".txt"));
        const auto said = ServerErrors(ReadFileBytes(fixtures / "reports" / "game-a" / ("turn-" + TwoDigits(turn) + ".txt")));
        server_errors += static_cast<int>(said.size());

        const CheckOptions options;
        const auto plain = CheckOrdersFile(orders, options);
        const auto with_database = CheckOrdersFile(orders, options, &database);
        for (const auto* problems : {&plain, &with_database}) {
            // A real run ignores the lines outside the block, which only the server's own checker reports.
            for (const UnitMessage& error : ByUnit(orders, *problems, Severity::Error))
                EXPECT_TRUE(error.unit == kOutsideTheBlock || Contains(said, error)) << "not the server's verdict: " << error;
        }
        // What the server reported is an error here when it rejects the order while reading it,
        // and a warning from the database when it finds out only in the turn run.
        const auto errors = ByUnit(orders, with_database, Severity::Error);
        const auto warnings = ByUnit(orders, with_database, Severity::Warning);
        for (const UnitMessage& entry : said)
            EXPECT_TRUE(Contains(errors, entry) || Contains(warnings, entry)) << "missed: " << entry;
    }
    EXPECT_EQ(server_errors, 3);
}

}  // namespace
}  // namespace hexwarden
