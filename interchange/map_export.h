#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "model/level.h"

namespace hexwarden {

class TVelMain;

inline constexpr std::string_view kExportCompletedMessage = "Export completed successfully.";

// What the export writes. The defaults are those of the export window: the surface, the one
// hex (0, 0), every hex field but gates, no structures and no units.
struct MapExportOptions {
    Level Where = Level::Surface;
    // Corners of the rectangle of game coordinates, in either order.
    int32_t StartX = 0;
    int32_t StartY = 0;
    int32_t EndX = 0;
    int32_t EndY = 0;
    bool ConfirmedOnly = false;

    bool ExportProvince = true;
    bool ExportPeasants = true;
    bool ExportCities = true;
    bool ExportTax = true;
    bool ExportWages = true;
    bool ExportEntertainment = true;
    bool ExportForSale = true;
    bool ExportWanted = true;
    bool ExportProducts = true;
    bool ExportGates = false;
    bool ExportStructures = false;
    bool ExportUnits = false;

    // What the unit sections carry besides number, name, description and structure.
    bool ExpUnitFaction = false;
    bool ExpUnitItems = false;
    bool ExpUnitTroops = false;
    bool ExpUnitSkills = false;
    bool ExpUnitFlags = false;
};

// The map-data text of the hexes of one level within the rectangle, x ascending and y ascending
// within each x, after a header naming the source faction and turn. Lines end with CR LF.
std::string ExportMapData(const TVelMain& main, const MapExportOptions& options);

}  // namespace hexwarden
