#pragma once

#include <optional>
#include <string>

#include "model/coordinates.h"

namespace hexwarden {

class TVelHex;

// What the map window's status bar shows for one hex.
struct MapStatusTexts {
    std::string Coord;    // "x, y"
    std::string Terrain;  // terrain, province
    std::string City;     // name [size], or empty
    std::string TaxBase;  // "$" and the tax base
};

// The texts for game hex `at`; the last three are empty when the level has no hex there.
MapStatusTexts HexStatusTexts(GamePoint at, const TVelHex* hex);

// When the status bar is rewritten: once per hex the pointer enters, not on every move.
class MapStatusTracker {
public:
    enum class Change { None, ClearCoord, Rewrite };

    // Leaving the grid empties only the coordinate; coming back, even to the same hex, rewrites.
    Change PointerAt(GridCell cell, bool valid);
    // The next hex rewrites whatever it is (the level or the data changed).
    void Forget() { last_.reset(); }

private:
    std::optional<GridCell> last_;
};

}  // namespace hexwarden
