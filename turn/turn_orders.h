#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "orders/order_keywords.h"
#include "orders/order_line.h"
#include "orders/rule_set.h"

namespace hexwarden {

// One order of this month: its keyword and the words after it, as the server splits them.
struct TurnOrder {
    int32_t line = 0;
    Keyword keyword = Keyword::Work;
    std::vector<std::string> words;
};

// The orders one unit gets this month, in file order.
struct UnitOrders {
    // The number of the entry that holds the faction's own orders (QUIT, RESTART) given outside
    // any unit.
    static constexpr int32_t kFaction = -1;
    int32_t number = 0;     // 0 for a unit formed this month
    int32_t alias = 0;      // its FORM alias
    int32_t formed_by = 0;  // the unit whose FORM made it
    int32_t line = 0;       // the UNIT or FORM line
    std::vector<TurnOrder> orders;
};

// The orders of this month as the server reads an orders file: the faction block, UNIT, FORM ...
// END. TURN ... ENDTURN blocks are later months and are left out, as are lines the server does not
// take (the order checker reports those). Units formed inside a unit's orders follow it.
std::vector<UnitOrders> ReadTurnOrders(std::string_view text, RuleSet rules, LineEnds line_ends = LineEnds::Server);

// One unit's orders as the unit window holds them: no header, the unit already selected.
std::vector<UnitOrders> ReadOneUnitOrders(std::string_view text, int32_t unit, RuleSet rules);

}  // namespace hexwarden
