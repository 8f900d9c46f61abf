#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "model/level.h"
#include "orders/rule_set.h"
#include "windows/list_rows.h"
#include "windows/month_preview.h"

namespace hexwarden {

// How the preview's windows write a hex: "28,10", "12,4 underworld".
QString PreviewPlaceText(const Place& place);

// "Route: 28,10 to 30,10, stops at 29,11: not enough movement" without the caption; empty when
// the unit is ordered nowhere.
QString RouteSummary(const UnitState& unit);

// "error: STUDY: Not enough funds to study fire [FIRE]."
QString ProblemText(const TurnProblem& problem);

// Why the unit's month is uncertain, the reasons joined by "; "; empty when it is certain.
QString UncertainReasons(const UnitState& unit);

// Each value the month changes, beside its value today: "SILV 186 → 26", "place 28,10 → 29,11".
QStringList ChangedValues(const UnitMonth& month);

// What the month brings to one hex's own units: their silver now and after, the upkeep due at the
// month's end, the units that arrive and leave ("arriving: (152) Workers from 28,10") and what
// their SELLs and BUYs leave in the markets.
QString HexMonthText(const std::vector<UnitMonth>& units, const std::vector<MarketTrade>& markets, const Place& hex, RuleSet rules);

// The Next Month page's rows: place, structure, men, items and skills after the month (changed
// ones beside their value today), the route step by step, the problems and what is uncertain.
std::vector<ListRow> NextMonthRows(const UnitMonth& month);

}  // namespace hexwarden
