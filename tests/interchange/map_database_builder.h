#pragma once

#include <cstdint>
#include <string>

#include "model/database.h"

namespace hexwarden::testing {

// A hex stored in the database at its level, with the turn and confirmed flag given and no
// province or terrain.
TVelHex& AddHex(TVelMain& main, int32_t x, int32_t y, Level level, int32_t turn, bool confirmed = true);

// A unit entered into the database's Units and listed in the hex (or in the structure given).
TVelUnit& AddUnit(TVelMain& main, TVelHex& hex, int32_t number, const std::string& name, TVelBuilding* inside = nullptr);

TVelBuilding& AddStructure(TVelMain& main, TVelHex& hex, int32_t number, const std::string& name);

}  // namespace hexwarden::testing
