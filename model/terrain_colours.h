#pragma once

#include <cstdint>
#include <string_view>

namespace hexwarden {

class TVelIndexList;

// The colour (0x00BBGGRR) a terrain gets when a report or a map-data file first names it: the
// game's known terrains have colours of their own, any other name a distinct colour made from the
// name, so that no terrain is painted black.
uint32_t TerrainColour(std::string_view name);

// Terrains stored without a colour (value 0, as earlier versions registered them) take their
// TerrainColour; terrains that have one keep it.
void ColourUncolouredTerrains(TVelIndexList& terrains);

}  // namespace hexwarden
