#pragma once

#include <QString>
#include <cstdint>
#include <vector>

class QWidget;

namespace hexwarden {

class TVelUnit;

// A modal window listing units by name and number, until the full unit list window exists.
void ShowUnitList(QWidget* owner, const QString& caption, const std::vector<const TVelUnit*>& units);
// The same list to pick one unit from: its number, or 0 when cancelled.
int32_t ChooseUnit(QWidget* owner, const QString& caption, const std::vector<const TVelUnit*>& units);

}  // namespace hexwarden
