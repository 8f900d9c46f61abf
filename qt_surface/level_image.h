#pragma once

#include <QImage>
#include <cstdint>
#include <string>

#include "map/map_view_options.h"
#include "model/level.h"

namespace hexwarden {

class TVelMain;

// Map images larger than this are refused rather than allocated.
inline constexpr int64_t kMaxLevelImagePixels = 400'000'000;

// The whole level as a map window shows it at that zoom, in an image of the control's size. Throws Error when the image would pass kMaxLevelImagePixels or cannot be made.
QImage RenderLevelImage(const TVelMain& db, Level level, const MapViewOptions& options, int32_t zoom);

// The same image written to `path` as a PNG file; throws Error when it cannot be written.
void SaveLevelImage(const TVelMain& db, Level level, const MapViewOptions& options, int32_t zoom,
                    const std::string& path);

}  // namespace hexwarden
