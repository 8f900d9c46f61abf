#include "model/terrain_colours.h"

#include <array>
#include <utility>

#include "model/index_table.h"
#include "platform/ascii_case.h"
#include "platform/drawing_surface.h"

namespace hexwarden {
namespace {

// Terrains the default table lacks but the game's reports name.
constexpr std::array<std::pair<std::string_view, uint32_t>, 10> kKnownTerrains = {{
    {"lake", RgbColour(90, 160, 230)},
    {"nexus", RgbColour(230, 200, 255)},
    {"cavern", RgbColour(120, 100, 80)},
    {"underforest", RgbColour(40, 110, 60)},
    {"tunnels", RgbColour(150, 130, 110)},
    {"chasm", RgbColour(60, 50, 60)},
    {"deepforest", RgbColour(20, 80, 40)},
    {"grotto", RgbColour(110, 120, 140)},
    {"volcano", RgbColour(170, 60, 30)},
    {"glacier", RgbColour(220, 240, 250)},
}};

// Each channel from a byte of a hash of the name, kept between 60 and 220: distinct colours for
// distinct names, never black or white.
uint32_t DerivedColour(std::string_view name) {
    uint32_t hash = 2166136261u;
    for (unsigned char byte : name) hash = (hash ^ byte) * 16777619u;
    const auto channel = [hash](int shift) { return static_cast<uint8_t>(60 + ((hash >> shift) & 0xFF) * 160 / 255); };
    return RgbColour(channel(0), channel(8), channel(16));
}

}  // namespace

uint32_t TerrainColour(std::string_view name) {
    const std::string lower = LowerCaseAscii(name);
    for (const auto& [known, colour] : kKnownTerrains)
        if (lower == known) return colour;
    return DerivedColour(lower);
}

void ColourUncolouredTerrains(TVelIndexList& terrains) {
    for (int32_t i = 0; i < terrains.Count(); ++i) {
        TVelIndexRecord* record = terrains.Get(i);
        if (record && record->Value == 0) record->Value = static_cast<int32_t>(TerrainColour(record->Name));
    }
}

}  // namespace hexwarden
