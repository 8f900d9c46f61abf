#pragma once

#include <cstdint>

#include "model/level.h"

namespace hexwarden {

class TVeldoriaParser;
class TVelBuilding;
class TVelBuildingList;

// The structures of a region entry, each a line opened by "+" followed by the units inside it.
void ParseStructures(TVelBuildingList& list, TVeldoriaParser& parser, int32_t turn, const Place& place);
// One structure: "+ Name [number] : Kind[, needs N][, ...][; description]" and its units.
void ParseStructure(TVelBuilding& structure, TVeldoriaParser& parser, int32_t turn, const Place& place);

}  // namespace hexwarden
