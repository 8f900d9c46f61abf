#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "orders/order_line.h"
#include "orders/problem.h"
#include "orders/rule_set.h"

namespace hexwarden {

class TVelMain;

struct CheckOptions {
    RuleSet rules = RuleSet::Standard;
    LineEnds line_ends = LineEnds::Server;
};

// Checks an orders file as the game server reads it: errors for what the server rejects (its own
// words) or cannot carry out, warnings for what the database suggests will fail when the turn runs.
// Without a database only the text itself is checked. Problems come in line order.
std::vector<Problem> CheckOrdersFile(std::string_view text, const CheckOptions& options,
                                     const TVelMain* database = nullptr);

// Checks one unit's orders as the unit window holds them: no header, the unit already selected
// (0 for a unit the database does not know). Lines and columns are those of the text.
std::vector<Problem> CheckUnitOrders(std::string_view text, int32_t unit, const CheckOptions& options,
                                     const TVelMain* database = nullptr);

}  // namespace hexwarden
