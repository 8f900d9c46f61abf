#include "turn/turn_preview.h"

#include <algorithm>

#include "turn/month.h"

namespace hexwarden {

TurnPreview::TurnPreview(const TVelMain& database, const TurnOptions& options) : start_(database, options) {}

void TurnPreview::SetOrders(std::string_view text, LineEnds line_ends) {
    orders_ = ReadTurnOrders(text, start_.Rules(), line_ends);
}

void TurnPreview::SetUnitOrders(int32_t unit, std::string_view text) {
    // The unit's block and the units it forms are replaced where they stood, so position in the
    // file (which decides nothing between units but the order of FORMs) is kept.
    std::vector<UnitOrders> replacement = ReadOneUnitOrders(text, unit, start_.Rules());
    const auto first = std::find_if(orders_.begin(), orders_.end(), [unit](const UnitOrders& orders) { return orders.number == unit; });
    auto last = first;
    while (last != orders_.end() && (last == first || (last->number == 0 && last->formed_by == unit))) ++last;
    const auto at = orders_.erase(first, last);
    orders_.insert(at, std::make_move_iterator(replacement.begin()), std::make_move_iterator(replacement.end()));
}

TurnResult TurnPreview::Run() const {
    return MonthRun(start_, orders_).Run();
}

}  // namespace hexwarden
