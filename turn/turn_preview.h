#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "orders/order_line.h"
#include "turn/turn_orders.h"
#include "turn/turn_start.h"
#include "turn/unit_state.h"

namespace hexwarden {

class TVelMain;
struct MonthOutcome;

// What the faction's units bought or sold in one market this month, and what the market had.
struct MarketTrade {
    Place place;
    std::string code;
    bool wanted = false;  // a Wanted market (SELL); else For Sale (BUY)
    int32_t price = 0;
    int64_t before = 0;   // the report's amount; what is left is before - traded
    int64_t traded = 0;
    bool unlimited = false;
};

// The month ahead: every own unit as the next report should show it, and the problems found.
struct TurnResult {
    RuleSet rules = RuleSet::Standard;
    std::vector<UnitState> units;  // position order after the month; formed units carry their alias
    std::vector<TurnProblem> problems;  // in line order
    std::vector<MarketTrade> markets;   // by region in position order, SELLs before BUYs
    int64_t unclaimed = 0;              // the faction's unclaimed silver after the month
};

// Runs one month of the faction's orders over the database as the game does. The database must
// outlive the preview and is never changed. Reading the orders and the month's run are apart, so a
// window can replace one unit's orders as the player types and run the month again: then only the
// regions that unit's month can touch are run again.
class TurnPreview {
public:
    TurnPreview(const TVelMain& database, const TurnOptions& options);
    ~TurnPreview();

    // A whole orders file, read as the server reads it.
    void SetOrders(std::string_view text, LineEnds line_ends = LineEnds::Server);
    // One unit's orders as the unit window holds them (its problems' lines are those of that text).
    void SetUnitOrders(int32_t unit, std::string_view text);

    const TurnResult& Run();
    const TurnStart& Start() const { return start_; }

private:
    bool RunChangedRegions();

    TurnStart start_;
    std::vector<UnitOrders> orders_;
    std::unique_ptr<MonthOutcome> last_;  // the last run, while it holds
    std::vector<int> changed_;            // start units whose orders changed since
};

}  // namespace hexwarden
