#pragma once

// What the order checker and the argument grammar share; not for use outside orders/.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "orders/order_keywords.h"
#include "orders/order_line.h"
#include "orders/orders_database.h"
#include "orders/problem.h"
#include "orders/token_tables.h"

namespace hexwarden {

class TVelUnit;

// What one month of a unit's orders has set so far.
struct MonthState {
    std::optional<Keyword> month_long;
    bool taxing = false;     // standard rules: TAX and PILLAGE are flags
    bool pillaging = false;
    // Where the MOVE, ADVANCE or SAIL directions so far lead, while the database can follow them.
    std::optional<UnitPlace> route;
    bool route_lost = false;
};

// The unit whose orders are being read: one named by UNIT, or one being formed.
struct UnitContext {
    int32_t number = 0;  // 0 for a unit being formed
    int32_t alias = 0;
    const TVelUnit* record = nullptr;  // from the database, when it knows the unit
    std::optional<UnitPlace> place;    // likewise, or the forming unit's place
    MonthState month;
    MonthState delayed;  // the current TURN block's month
};

// A "NEW a" target, checked once the whole text is read (FORM may come later in the file).
struct AliasUse {
    int32_t line;
    int32_t column;
    Keyword keyword;
    int32_t alias;
    std::optional<UnitPlace> place;
};

// One order being read: its words, the unit it is for and where problems go.
class OrderContext {
public:
    OrderContext(const TokenTables& tables, const OrdersDatabase* database, std::vector<Problem>& problems)
        : tables(tables), database(database), problems_(problems) {}

    const TokenTables& tables;
    const OrdersDatabase* database;
    RuleSet Rules() const { return tables.Rules(); }

    // Set for each order.
    Keyword keyword = Keyword::Work;
    std::string prefix;  // what its messages begin with: "STUDY: ", or "CAST 'farsight': " for a spell
    int32_t line = 0;
    int32_t end_column = 1;  // just past the last word: where a missing argument would go
    const std::vector<OrderToken>* tokens = nullptr;
    std::size_t next = 1;  // the next argument to read
    UnitContext* unit = nullptr;
    bool delayed = false;  // inside TURN
    std::vector<AliasUse>* alias_uses = nullptr;
    int show_orders = 0;

    bool More() const { return next < tokens->size(); }
    const OrderToken& Peek() const { return (*tokens)[next]; }
    const OrderToken& Take() { return (*tokens)[next++]; }
    bool PeekIs(std::string_view word) const { return More() && SameName(Peek().text, word); }
    // The next word; without one, nullptr once "<prefix><missing>" is reported where it would stand.
    const OrderToken* Required(std::string_view missing);

    void Error(int32_t column, std::string message) { Add(column, Severity::Error, std::move(message)); }
    void Warning(int32_t column, std::string message) { Add(column, Severity::Warning, std::move(message)); }
    // "<prefix>text"
    void OrderError(int32_t column, std::string_view text);
    void OrderWarning(int32_t column, std::string_view text);

    MonthState& Month() { return delayed ? unit->delayed : unit->month; }

private:
    void Add(int32_t column, Severity severity, std::string message) {
        problems_.push_back({line, column, severity, std::move(message)});
    }
    std::vector<Problem>& problems_;
};

// Reads the arguments of one order (the keyword is the first word) and reports their problems.
// Structure words (UNIT, FORM, END, TURN, ENDTURN) are not handled here.
void CheckOrderArguments(OrderContext& context);

}  // namespace hexwarden
