#pragma once

#include <cstdint>

#include "model/level.h"

namespace hexwarden {

class TVelBuilding;
class TVelFaction;
class TVelHex;
class TVelMain;
class TVelMapMarker;
class TVelUnit;

// Keys name a record so that it can be found again after the database has changed: an import
// replaces hexes and units, and New and Open free everything. Windows, list rows and menu entries
// keep keys; a record pointer found through one lives no longer than the call that found it.

// A hex: its place.
struct HexKey : Place {
    HexKey() = default;
    HexKey(const Place& place) : Place(place) {}  // NOLINT: a place is a hex key
    HexKey(int32_t x, int32_t y, Level where) : Place{x, y, where} {}

    TVelHex* Find(const TVelMain& main) const;
};

// A unit, by number: the one in Units, or else a unit lost this turn.
struct UnitKey {
    int32_t Number = 0;

    static UnitKey Of(const TVelUnit& unit);
    TVelUnit* Find(const TVelMain& main) const;
    friend bool operator==(const UnitKey&, const UnitKey&) = default;
};

struct FactionKey {
    int32_t Number = 0;

    TVelFaction* Find(const TVelMain& main) const;
    friend bool operator==(const FactionKey&, const FactionKey&) = default;
};

// A structure: its hex and its number there.
struct StructureKey {
    HexKey Hex;
    int32_t Number = 0;

    TVelBuilding* Find(const TVelMain& main) const;
    friend bool operator==(const StructureKey&, const StructureKey&) = default;
};

// A marker: its position in the database's marker list, which changes only through the records
// notice, after which lists holding such keys refill.
struct MarkerKey {
    int32_t Position = 0;

    TVelMapMarker* Find(const TVelMain& main) const;
    friend bool operator==(const MarkerKey&, const MarkerKey&) = default;
};

}  // namespace hexwarden
