#pragma once

namespace hexwarden {

class TVelIndexList;

// The built-in vocabulary every database starts with.
void AddDefaultRaces(TVelIndexList& races);
void AddDefaultTerrains(TVelIndexList& terrains);
void AddDefaultItems(TVelIndexList& item_types);

}  // namespace hexwarden
