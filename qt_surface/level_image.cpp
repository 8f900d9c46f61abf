#include "qt_surface/level_image.h"

#include <QImageWriter>
#include <QPainter>

#include "map/hex_map.h"
#include "map/level_painter.h"
#include "platform/error.h"
#include "qt_surface/qt_drawing_surface.h"
#include "qt_surface/qt_text.h"

namespace hexwarden {

QImage RenderLevelImage(const TVelMain& db, Level level, const MapViewOptions& options, int32_t zoom) {
    THexMap map;
    map.SetHexSize(kMapHexSize);
    map.SetZoom(zoom);
    FitMapToLevel(map, db, level);
    const std::string size = std::to_string(map.Width()) + " x " + std::to_string(map.Height()) + " pixels";
    if (int64_t{map.Width()} * map.Height() > kMaxLevelImagePixels) {
        throw Error("The map image would be " + size + ", more than " +
                    std::to_string(kMaxLevelImagePixels / 1'000'000) + " million pixels; choose a smaller zoom.");
    }
    QImage image(map.Width(), map.Height(), QImage::Format_RGB32);
    if (image.isNull()) throw Error("Not enough memory for a map image of " + size + ".");
    // Outside the hexes the image shows what a window shows outside the map: plain white.
    image.fill(Qt::white);
    QPainter painter(&image);
    QtDrawingSurface surface(painter, Rect{0, 0, map.Width(), map.Height()});
    PaintLevel(db, level, options, map, surface);
    return image;
}

void SaveLevelImage(const TVelMain& db, Level level, const MapViewOptions& options, int32_t zoom,
                    const std::string& path) {
    const QImage image = RenderLevelImage(db, level, options, zoom);
    QImageWriter writer(ToQString(path), "png");
    if (!writer.write(image)) {
        throw Error("Cannot write the map image \"" + path + "\": " + FromQString(writer.errorString()));
    }
}

}  // namespace hexwarden
