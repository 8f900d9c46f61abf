#include "map/wedge_painter.h"

#include "map/map_view_options.h"
#include "model/database.h"

namespace hexwarden {

Triangle WedgeTriangle(const TMapWedge& wedge, const HexOutline& outline) {
    const Point centre{static_cast<int32_t>((int64_t{outline[0].x} + outline[3].x) / 2), outline[0].y};
    const std::size_t corner =
        (wedge.Position >= 0 && wedge.Position <= 4) ? static_cast<std::size_t>(wedge.Position) + 1 : 0;
    return {centre, outline[corner], outline[(corner + 1) % 6]};
}

void DrawWedge(const TVelWedgeList& wedges, const TMapWedge& wedge, const TVelHex& hex, const HexOutline& outline,
               DrawingSurface& surface) {
    surface.SetPen(Pen{kBlack, PenStyle::Solid, PenMode::Copy, 1});
    surface.SetBrush(Brush{RgbFromValue(wedges.WedgeColour(wedge, hex)), BrushStyle::Solid});
    const Triangle triangle = WedgeTriangle(wedge, outline);
    surface.Polygon(triangle);
}

}  // namespace hexwarden
