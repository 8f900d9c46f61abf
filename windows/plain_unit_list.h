#pragma once

#include <QString>
#include <cstdint>
#include <vector>

class QWidget;

namespace hexwarden {

class TVelUnit;

// The units of a database list (Units, NewUnits, LostUnits), in its order.
template <typename List>
std::vector<const TVelUnit*> UnitsOf(const List& units) {
    std::vector<const TVelUnit*> result;
    result.reserve(static_cast<size_t>(units.Count()));
    for (int32_t i = 0; i < units.Count(); ++i) result.push_back(units.Get(i));
    return result;
}

// A modal window listing units by name and number, until the full unit list window exists.
void ShowUnitList(QWidget* owner, const QString& caption, const std::vector<const TVelUnit*>& units);
// The same list to pick one unit from: its number, or 0 when cancelled.
int32_t ChooseUnit(QWidget* owner, const QString& caption, const std::vector<const TVelUnit*>& units);

}  // namespace hexwarden
