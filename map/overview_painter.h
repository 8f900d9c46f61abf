#pragma once

#include <optional>

#include "map/level_extent.h"
#include "model/coordinates.h"
#include "platform/drawing_surface.h"

namespace hexwarden {

class TVelMain;

// The game hexes at the corners of the partner map window's view.
struct VisibleArea {
    GamePoint TopLeft;
    GamePoint BottomRight;
};

// Resizes the picture to the level's grid (one pixel per hex, capped like the map) and paints it:
// each hex in its terrain's colour, the rest in the unknown colour.
LevelExtent BuildOverviewPicture(const TVelMain& db, Level level, OffscreenBitmap& picture);

// The picture pixels that enclose the visible hexes (right and bottom edges excluded).
Rect PartnerRectangle(const VisibleArea& area);

// The picture at the top-left corner and, with a partner, the red rectangle of its view.
void PaintOverview(const OffscreenBitmap& picture, const std::optional<VisibleArea>& partner,
                   DrawingSurface& surface);

// The game hex whose picture pixel this is.
GamePoint OverviewPixelToGame(Point pixel);

}  // namespace hexwarden
