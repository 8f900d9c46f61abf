#include "tests/orders/order_text.h"

namespace hexwarden::testing {

std::vector<std::string> Described(const std::vector<Problem>& problems) {
    std::vector<std::string> lines;
    for (const Problem& problem : problems) {
        lines.push_back(std::to_string(problem.line) + ":" + std::to_string(problem.column) + ": " +
                        SeverityWord(problem.severity) + ": " + problem.message);
    }
    return lines;
}

std::string InFile(std::string_view unit_lines) {
    return "#veldoria 3 \"secret\"\nunit 10\n" + std::string(unit_lines) + "#end\n";
}

std::vector<std::string> FileProblems(std::string_view unit_lines, RuleSet rules) {
    CheckOptions options;
    options.rules = rules;
    auto problems = CheckOrdersFile(InFile(unit_lines), options);
    for (Problem& problem : problems) problem.line -= 2;
    return Described(problems);
}

std::vector<std::string> UnitProblems(std::string_view text, RuleSet rules) {
    CheckOptions options;
    options.rules = rules;
    options.line_ends = LineEnds::Stored;
    return Described(CheckUnitOrders(text, 10, options));
}

}  // namespace hexwarden::testing
