#pragma once

#include <QString>
#include <vector>

class QWidget;

namespace hexwarden {

class TVelUnit;

// A modal window listing units by name and number, until the full unit list window exists.
void ShowUnitList(QWidget* owner, const QString& caption, const std::vector<const TVelUnit*>& units);

}  // namespace hexwarden
