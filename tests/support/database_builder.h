#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "model/database.h"

namespace hexwarden::testing {

// Short ways to make records for tests.
std::unique_ptr<TVelHex> MakeHex(TVelMain& db, int32_t x, int32_t y, bool confirmed = true, int32_t turn = 1,
                                 Level level = Level::Surface);
std::unique_ptr<TVelUnit> MakeUnit(TVelMain& db, int32_t number, int32_t faction, int32_t x, int32_t y,
                                   int32_t turn = 1, Level level = Level::Surface);

// Stores a confirmed hex at the unit's place if there is none yet and lists the unit in it.
TVelHex& PlaceInHex(TVelMain& db, TVelUnit& unit);

// Faction 3's units 10 and 11 in a plain at (4,4) with a plain to the north (4,2), 100 silver and
// 10 plainsmen each, 1000 unclaimed silver, turn 2. Nothing else is known.
void BuildSmallFaction(TVelMain& db);

// Moves the unit into structure `number` of its hex, last among its units; the structure is made
// with that kind and the points it still needs if the hex has none of that number.
TVelBuilding& PlaceInStructure(TVelMain& db, TVelUnit& unit, int32_t number, const std::string& kind, int32_t needs = 0);

// The whole database in data-file layout: equal bytes, equal databases.
std::string DatabaseBytes(const TVelMain& db);

}  // namespace hexwarden::testing
