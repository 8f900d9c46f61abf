#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "map/route_painter.h"

#include "platform/drawing_surface.h"

namespace hexwarden {

// The map windows' base hex size; zoom runs from 1 until the side reaches kLargestMapSide, so
// from 1 to 17.
inline constexpr int32_t kMapHexSize = 3;
inline constexpr int32_t kLargestMapSide = 50;
inline constexpr int32_t kMaxMapZoom = (kLargestMapSide - 1) / kMapHexSize + 1;
inline constexpr int32_t kDefaultMapZoom = 5;

// What one map window shows: its display switches, which wedge of the database each of the six
// wedge slots draws, and the unit whose track is drawn.
struct MapViewOptions {
    bool ShowUnconfirmed = true;
    bool ShowGrid = true;
    bool ShowCities = true;
    bool ShowGates = true;
    bool ShowShafts = true;
    bool ShowTags = true;
    bool ShowMarkers = true;
    bool ShowMarkerTags = true;
    bool ShowWedges = true;
    // An index into the database's wedge list, or -1 for an empty slot.
    std::array<int32_t, 6> WedgeSlots{-1, -1, -1, -1, -1, -1};
    // A unit number, 0 for none. Kept as a number so that an import that replaces or frees the
    // unit leaves nothing dangling: the unit is looked up at each paint.
    int32_t TrackedUnit = 0;
    // How many recent turns of the track to draw; below 1 means all.
    int32_t TrackTurns = 0;
    bool HideTrack = false;
    // The month's planned routes of the own units, from the preview: the selected unit's always
    // drawn, all of them with ShowRoutes.
    bool ShowRoutes = false;
    std::vector<MapRoute> Routes;
    int32_t RouteUnit = 0;
};

// The colours of every map window and the overview.
struct MapColours {
    uint32_t GridColour = RgbColour(128, 128, 128);
    uint32_t UnknownColour = RgbColour(192, 192, 192);
    uint32_t UnconfirmedColour = RgbColour(128, 128, 128);
    uint32_t SelectedColour = RgbColour(255, 0, 0);
    uint32_t TagTextColour = RgbColour(0, 0, 0);
    uint32_t TagBackColour = kNoFill;  // no background behind the tag text
    uint32_t VillageColour = RgbColour(255, 0, 0);
    uint32_t TownColour = RgbColour(255, 0, 0);
    uint32_t CityColour = RgbColour(255, 0, 0);
    uint32_t GateColour = RgbColour(0, 0, 255);
    uint32_t ShaftColour = RgbColour(255, 255, 255);
    uint32_t MarkerColour = RgbColour(255, 0, 255);
};

inline constexpr MapColours kMapColours{};

// A colour value from a table or a data file as an RGB colour: bits above the 24 of red, green
// and blue are dropped, so a damaged value can never read as "no fill".
constexpr uint32_t RgbFromValue(int64_t value) {
    return static_cast<uint32_t>(value) & 0x00FFFFFFu;
}

}  // namespace hexwarden
