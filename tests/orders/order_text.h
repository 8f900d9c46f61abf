#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "orders/order_checker.h"

namespace hexwarden::testing {

// Each problem as "LINE:COLUMN: error|warning: MESSAGE", which reads well in a failed expectation.
std::vector<std::string> Described(const std::vector<Problem>& problems);

// An orders file around the lines: header with a password, one unit, the lines, #end.
std::string InFile(std::string_view unit_lines);

// The problems of an orders file made by InFile, as Described, on the lines of unit_lines (line
// 1 is the first of them).
std::vector<std::string> FileProblems(std::string_view unit_lines, RuleSet rules = RuleSet::Standard);

// The problems of one unit's orders, as Described.
std::vector<std::string> UnitProblems(std::string_view text, RuleSet rules = RuleSet::Standard);

}  // namespace hexwarden::testing
