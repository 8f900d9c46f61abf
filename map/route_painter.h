#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "model/level.h"
#include "platform/drawing_surface.h"

namespace hexwarden {

class THexMap;

// One unit's planned move for the month: the hexes it passes (start first) and those its orders
// name (start first), which go further when it stops short.
struct MapRoute {
    int32_t Unit = 0;
    std::vector<Place> Passed;
    std::vector<Place> Planned;
    bool DownShaft = false;  // it goes on down the shaft at its last passed hex
};

inline constexpr uint32_t kRouteColour = RgbColour(0, 64, 255);
inline constexpr uint32_t kRouteStopColour = RgbColour(255, 140, 0);
inline constexpr uint32_t kRouteUnreachedColour = RgbColour(255, 255, 255);

// Paints the routes' parts on the level, each as a line from hex centre to hex centre with its end
// marked: a filled dot where the unit arrives, and when it stops short a square where it stops and
// a thin line on to a ring at the ordered end; an arrow pointing down where it goes down a shaft. The selected unit's route is always drawn, wider and
// on top; the others only when `all`. Places on other levels break the line.
void PaintRoutes(std::span<const MapRoute> routes, int32_t selected_unit, bool all, const Level& level,
                 const THexMap& map, DrawingSurface& surface);

}  // namespace hexwarden
