#include "turn/turn_preview.h"

#include <algorithm>
#include <unordered_set>

#include "turn/month.h"

namespace hexwarden {

TurnPreview::TurnPreview(const TVelMain& database, const TurnOptions& options) : start_(database, options) {}

TurnPreview::~TurnPreview() = default;

void TurnPreview::SetOrders(std::string_view text, LineEnds line_ends) {
    orders_ = ReadTurnOrders(text, start_.Rules(), line_ends);
    last_.reset();
    changed_.clear();
}

void TurnPreview::SetUnitOrders(int32_t unit, std::string_view text) {
    // The unit's block and the units it forms are replaced where they stood, so the file order
    // (which decides the order of FORMs and CLAIMs) is kept.
    std::vector<UnitOrders> replacement = ReadOneUnitOrders(text, unit, start_.Rules());
    const auto first = std::find_if(orders_.begin(), orders_.end(), [unit](const UnitOrders& orders) { return orders.number == unit; });
    auto last = first;
    while (last != orders_.end() && (last == first || (last->number == 0 && last->formed_by == unit))) ++last;
    const auto at = orders_.erase(first, last);
    orders_.insert(at, std::make_move_iterator(replacement.begin()), std::make_move_iterator(replacement.end()));
    const int index = start_.IndexOf(unit);
    if (index < 0) last_.reset();  // a stranger's orders: only a whole run says so
    else changed_.push_back(index);
}

const TurnResult& TurnPreview::Run() {
    if (!last_ || (!changed_.empty() && !RunChangedRegions()))
        last_ = std::make_unique<MonthOutcome>(MonthRun(start_, orders_).Run());
    changed_.clear();
    return last_->result;
}

// Units of one region meet only units that start or end the month in it. The changed units'
// regions are closed over that relation, using the last run for where units end; the month is
// run for the units starting there and merged into the last run. False when that cannot be
// exact: a unit now ends outside those regions, or the unclaimed silver ran out.
bool TurnPreview::RunChangedRegions() {
    MonthOutcome& last = *last_;
    if (last.pool_short) return false;
    const auto start_key = [&](int unit) { return start_.Units()[static_cast<std::size_t>(unit)].place; };
    std::unordered_set<Place, PlaceHash> regions;
    for (int unit : changed_) regions.insert(start_key(unit));
    for (std::size_t k = 0; k < last.result.units.size(); ++k)
        if (std::find(changed_.begin(), changed_.end(), last.unit_start[k]) != changed_.end())
            regions.insert(last.result.units[k].place);
    for (bool grew = true; grew;) {
        grew = false;
        for (std::size_t k = 0; k < last.result.units.size(); ++k) {
            const Place from = start_key(last.unit_start[k]);
            const Place& to = last.result.units[k].place;
            if (regions.count(from) != regions.count(to)) {
                regions.insert(from);
                regions.insert(to);
                grew = true;
            }
        }
    }
    RunScope scope;
    scope.units.assign(start_.Units().size(), 0);
    scope.unclaimed = start_.Unclaimed();
    for (std::size_t unit = 0; unit < scope.units.size(); ++unit) {
        scope.units[unit] = regions.count(start_key(static_cast<int>(unit))) != 0;
        // The silver the other units claimed stays theirs.
        if (!scope.units[unit]) scope.unclaimed -= last.claimed[unit];
    }
    MonthOutcome part = MonthRun(start_, orders_, &scope).Run();
    if (part.pool_short) return false;
    for (const UnitState& unit : part.result.units)
        if (regions.count(unit.place) == 0) return false;

    MonthOutcome merged;
    merged.result.rules = last.result.rules;
    merged.claimed = last.claimed;
    const auto keep = [&](int unit) { return unit < 0 || !scope.units[static_cast<std::size_t>(unit)]; };
    for (std::size_t k = 0; k < last.result.units.size(); ++k) {
        if (!keep(last.unit_start[k])) continue;
        merged.result.units.push_back(std::move(last.result.units[k]));
        merged.unit_start.push_back(last.unit_start[k]);
    }
    for (std::size_t k = 0; k < part.result.units.size(); ++k) {
        merged.result.units.push_back(std::move(part.result.units[k]));
        merged.unit_start.push_back(part.unit_start[k]);
    }
    merged.result.unclaimed = start_.Unclaimed();
    for (std::size_t unit = 0; unit < scope.units.size(); ++unit) {
        if (scope.units[unit]) merged.claimed[unit] = part.claimed[unit];
        merged.result.unclaimed -= merged.claimed[unit];
    }
    // Regions keep their position order; each region's units came from one of the two runs.
    std::vector<std::size_t> order(merged.result.units.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return InPositionOrder(merged.result.units[a].place, merged.result.units[b].place);
    });
    TurnResult sorted;
    sorted.rules = merged.result.rules;
    std::vector<int> sorted_start;
    for (std::size_t i : order) {
        sorted.units.push_back(std::move(merged.result.units[i]));
        sorted_start.push_back(merged.unit_start[i]);
    }
    merged.result.units = std::move(sorted.units);
    merged.unit_start = std::move(sorted_start);

    for (MarketTrade& trade : last.result.markets)
        if (regions.count(trade.place) == 0) merged.result.markets.push_back(std::move(trade));
    for (MarketTrade& trade : part.result.markets) merged.result.markets.push_back(std::move(trade));
    std::stable_sort(merged.result.markets.begin(), merged.result.markets.end(),
                     [](const MarketTrade& a, const MarketTrade& b) { return InPositionOrder(a.place, b.place); });

    std::vector<std::pair<TurnProblem, int>> problems;
    for (std::size_t i = 0; i < last.result.problems.size(); ++i)
        if (keep(last.problem_start[i])) problems.emplace_back(std::move(last.result.problems[i]), last.problem_start[i]);
    for (std::size_t i = 0; i < part.result.problems.size(); ++i)
        problems.emplace_back(std::move(part.result.problems[i]), part.problem_start[i]);
    std::stable_sort(problems.begin(), problems.end(), [](const auto& a, const auto& b) { return a.first.line < b.first.line; });
    for (auto& [problem, unit] : problems) {
        merged.result.problems.push_back(std::move(problem));
        merged.problem_start.push_back(unit);
    }
    *last_ = std::move(merged);
    return true;
}

}  // namespace hexwarden
