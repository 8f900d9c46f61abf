#include "map/overview_painter.h"

#include "map/hex_geometry.h"
#include "map/map_view_options.h"
#include "model/database.h"

namespace hexwarden {

LevelExtent BuildOverviewPicture(const TVelMain& db, bool overworld, OffscreenBitmap& picture) {
    const TVelHexList& hexes = db.HexesOf(overworld);
    const LevelExtent extent = LevelGridExtent(hexes);
    picture.Resize(extent.Columns, extent.Rows);
    DrawingSurface& surface = picture.Surface();
    surface.SetBrush(Brush{kMapColours.UnknownColour, BrushStyle::Solid});
    surface.FillRect(Rect{0, 0, extent.Columns, extent.Rows});
    // Only the stored hexes, not every place of the level; row by row, as the picture is laid out.
    for (const TVelHex* hex : hexes.HexesByRow()) {
        const int32_t row = hex->Y / 2;
        if (hex->X >= extent.Columns || row >= extent.Rows) continue;
        if (const TVelIndexRecord* terrain = hex->TerrainRecord())
            surface.SetPixel(Point{hex->X, row}, RgbFromValue(terrain->Value));
    }
    return extent;
}

Rect PartnerRectangle(const VisibleArea& area) {
    return Rect{area.TopLeft.X, area.TopLeft.Y / 2, SaturateToInt32(int64_t{area.BottomRight.X} + 1),
                area.BottomRight.Y / 2 + 1};
}

void PaintOverview(const OffscreenBitmap& picture, const std::optional<VisibleArea>& partner,
                   DrawingSurface& surface) {
    surface.DrawBitmap(Point{0, 0}, picture);
    if (!partner) return;
    surface.SetPen(Pen{RgbColour(255, 0, 0), PenStyle::Solid, PenMode::Copy, 1});
    surface.SetBrush(Brush{kWhite, BrushStyle::None});
    surface.Rectangle(PartnerRectangle(*partner));
}

GamePoint OverviewPixelToGame(Point pixel) {
    return GridToGame(pixel.x, pixel.y);
}

}  // namespace hexwarden
