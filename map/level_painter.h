#pragma once

#include "map/hex_map.h"
#include "map/level_extent.h"
#include "map/map_view_options.h"
#include "platform/drawing_surface.h"

namespace hexwarden {

class TVelMain;

// Gives the control a grid place for every hex of the level (capped) and says whether it had to
// cap; the map window runs it whenever the level or the database changes.
LevelExtent FitMapToLevel(THexMap& map, const TVelMain& db, Level level);

// Paints the part of a level under the surface's clip rectangle as a map window shows it: terrain
// fills, wedges, settlement, shaft, gate and marker symbols, grid, name tags and the movement
// track. The control's grid switch and colours are taken from the options and the map colours.
// The map window, the map image export and the tests all paint through here.
void PaintLevel(const TVelMain& db, Level level, const MapViewOptions& options, THexMap& map,
                DrawingSurface& surface);

}  // namespace hexwarden
