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
    // Dense levels are probed place by place (only places with x + y even, the only ones a game
    // has); sparse ones walk their stored hexes instead of a huge mostly empty grid.
    const auto paint = [&surface](const TVelHex& hex) {
        if (const TVelIndexRecord* terrain = hex.TerrainRecord())
            surface.SetPixel(Point{hex.X, GameToGrid(hex.X, hex.Y).Row}, RgbFromValue(terrain->Value));
    };
    if (int64_t{extent.Columns} * extent.Rows <= 4 * int64_t{hexes.HexCount()}) {
        for (int32_t row = 0; row < extent.Rows; ++row)
            for (int32_t x = 0; x < extent.Columns; ++x)
                if (const TVelHex* hex = hexes.Find(GridToGame(x, row))) paint(*hex);
    } else {
        for (const TVelHex* hex : hexes.HexesByRow())
            if ((hex->X + hex->Y) % 2 == 0 && hex->X < extent.Columns && GameToGrid(hex->X, hex->Y).Row < extent.Rows)
                paint(*hex);
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
