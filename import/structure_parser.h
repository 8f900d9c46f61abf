#pragma once

#include <cstdint>

namespace hexwarden {

class TVeldoriaParser;
class TVelBuilding;
class TVelBuildingList;

// The structures of a region entry, each a line opened by "+" followed by the units inside it.
void ParseStructures(TVelBuildingList& list, TVeldoriaParser& parser, int32_t turn, bool overworld, int32_t x, int32_t y);
// One structure: "+ Name [number] : Kind[, needs N][, ...][; description]" and its units.
void ParseStructure(TVelBuilding& structure, TVeldoriaParser& parser, int32_t turn, bool overworld, int32_t x, int32_t y);

}  // namespace hexwarden
