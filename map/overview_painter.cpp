#include "map/overview_painter.h"

#include <span>
#include <vector>

#include "map/hex_geometry.h"
#include "map/map_view_options.h"
#include "model/database.h"

namespace hexwarden {

LevelExtent BuildOverviewPicture(const TVelMain& db, Level level, OffscreenBitmap& picture) {
    const TVelHexList& hexes = db.HexesOf(level);
    const LevelExtent extent = LevelGridExtent(hexes);
    picture.Resize(extent.Columns, extent.Rows);
    DrawingSurface& surface = picture.Surface();
    surface.SetBrush(Brush{kMapColours.UnknownColour, BrushStyle::Solid});
    surface.FillRect(Rect{0, 0, extent.Columns, extent.Rows});
    const auto colour_of = [](const TVelHex& hex) {
        const TVelIndexRecord* terrain = hex.TerrainRecord();
        return terrain ? RgbFromValue(terrain->Value) : kNoFill;
    };
    // Only places with x + y even are drawn, the only ones a game has.
    if (int64_t{extent.Columns} * extent.Rows <= 4 * int64_t{hexes.HexCount()}) {
        // Dense levels are probed column by column, as the places of a column lie side by side in
        // the hex table: probed across the rows, each lands somewhere else and costs several times
        // more. The pixels are gathered first and go out a scan line at a time.
        const auto columns = static_cast<std::size_t>(extent.Columns);
        std::vector<uint32_t> pixels(columns * static_cast<std::size_t>(extent.Rows), kNoFill);
        for (int32_t x = 0; x < extent.Columns; ++x) {
            for (int32_t row = 0; row < extent.Rows; ++row) {
                if (const TVelHex* hex = hexes.Find(GridToGame(x, row)))
                    pixels[static_cast<std::size_t>(row) * columns + static_cast<std::size_t>(x)] = colour_of(*hex);
            }
        }
        for (int32_t row = 0; row < extent.Rows; ++row) {
            const std::span line = std::span(pixels).subspan(static_cast<std::size_t>(row) * columns, columns);
            surface.SetPixelRow(Point{0, row}, line);
        }
    } else {
        // Sparse ones walk their stored hexes instead of a huge mostly empty grid.
        for (const TVelHex* hex : hexes.HexesByRow()) {
            const int32_t row = GameToGrid(hex->X, hex->Y).Row;
            const uint32_t colour = colour_of(*hex);
            if (hex->X % 2 == hex->Y % 2 && hex->X < extent.Columns && row < extent.Rows && colour != kNoFill)
                surface.SetPixel(Point{hex->X, row}, colour);
        }
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
