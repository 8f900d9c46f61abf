#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "model/level.h"
#include "windows/list_rows.h"
#include "windows/month_preview.h"

namespace hexwarden {

// How the preview's windows write a hex: "28,10", "12,4 underworld".
QString PreviewPlaceText(const Place& place);

// "Route: 28,10 to 30,10, stops at 29,11: not enough movement" without the caption; empty when
// the unit is ordered nowhere.
QString RouteSummary(const UnitState& unit);

// Each value the month changes, beside its value today: "SILV 186 → 26", "place 28,10 → 29,11".
QStringList ChangedValues(const UnitMonth& month);

// The Next Month page's rows: place, structure, men, items and skills after the month (changed
// ones beside their value today), the route step by step, the problems and what is uncertain.
std::vector<ListRow> NextMonthRows(const UnitMonth& month);

}  // namespace hexwarden
