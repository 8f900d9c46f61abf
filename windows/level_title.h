#pragma once

#include <QString>
#include <vector>

class QComboBox;

#include "model/level.h"

namespace hexwarden {

// How the windows name a level: "Overworld" and "Underworld" as they always have, any other level
// by its label with a capital ("Nexus", "Deep underworld", "2 <underworld>").
QString LevelTitle(Level level);

// Fills a level choice with the levels and the given one, which it selects, in the order of depth;
// each entry carries the level's label as its data. No signal is sent.
void FillLevelChoice(QComboBox& choice, std::vector<Level> levels, Level current);

// The level of a choice's entry.
Level LevelOfChoice(const QComboBox& choice, int index);

}  // namespace hexwarden
