#pragma once

#include <array>

#include "map/hex_geometry.h"
#include "platform/drawing_surface.h"

namespace hexwarden {

class TMapWedge;
class TVelHex;
class TVelWedgeList;

using Triangle = std::array<Point, 3>;

// The sixth of the hex a wedge covers: the centre and the two corners of its edge, position 0
// being the top edge and the others following clockwise.
Triangle WedgeTriangle(const TMapWedge& wedge, const HexOutline& outline);

// The wedge's triangle filled in its colour for this hex, outlined in black.
void DrawWedge(const TVelWedgeList& wedges, const TMapWedge& wedge, const TVelHex& hex, const HexOutline& outline,
               DrawingSurface& surface);

}  // namespace hexwarden
