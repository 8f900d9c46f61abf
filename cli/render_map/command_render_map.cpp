// render-map: a whole level as a PNG image, painted as the map window paints it.
#include <iostream>
#include <sstream>
#include <string>

#include "cli/commands.h"
#include "cli/database_file.h"
#include "map/hex_map.h"
#include "map/level_extent.h"
#include "map/map_view_options.h"
#include "cli/orders_input.h"
#include "model/database.h"
#include "orders/orders_database.h"
#include "platform/error.h"
#include "platform/number_text.h"
#include "qt_surface/gui_application.h"
#include "qt_surface/level_image.h"
#include "turn/turn_preview.h"

namespace hexwarden::cli {

namespace {

constexpr OffSwitch<MapViewOptions> kDisplaySwitches[] = {
    {"no-unconfirmed", &MapViewOptions::ShowUnconfirmed}, {"no-grid", &MapViewOptions::ShowGrid},
    {"no-cities", &MapViewOptions::ShowCities},           {"no-gates", &MapViewOptions::ShowGates},
    {"no-shafts", &MapViewOptions::ShowShafts},           {"no-tags", &MapViewOptions::ShowTags},
    {"no-markers", &MapViewOptions::ShowMarkers},         {"no-marker-tags", &MapViewOptions::ShowMarkerTags},
};

int32_t Number(const std::string& text, const std::string& option, int32_t lowest, int32_t highest) {
    const auto number = ParseInt(text);
    if (!number || *number < lowest || *number > highest) {
        throw UsageError("option --" + option + " takes a number from " + std::to_string(lowest) + " to " +
                         std::to_string(highest) + ", not '" + text + "'");
    }
    return *number;
}

// "--wedges 0,3": the wedges of the database drawn in the slots, in order.
void ReadWedges(const std::string& text, MapViewOptions& options) {
    std::istringstream items(text);
    std::string item;
    size_t slot = 0;
    while (std::getline(items, item, ',')) {
        if (slot == options.WedgeSlots.size()) throw UsageError("option --wedges takes at most six wedges");
        options.WedgeSlots[slot++] = Number(item, "wedges", 0, 5);
    }
}

// "--track UNIT[:TURNS]".
void ReadTrack(const std::string& text, const TVelMain& database, MapViewOptions& options) {
    const auto colon = text.find(':');
    options.TrackedUnit = Number(text.substr(0, colon), "track", 1, INT32_MAX);
    if (colon != std::string::npos) options.TrackTurns = Number(text.substr(colon + 1), "track", 0, INT32_MAX);
    if (database.Units.FindByNumber(options.TrackedUnit) == nullptr) {
        throw Error("There is no unit " + std::to_string(options.TrackedUnit) + " in the data file.");
    }
}

// "--routes": every own unit's planned route for the month, from the stored orders.
void ReadRoutes(const TVelMain& database, const std::string& file, MapViewOptions& options) {
    TurnOptions turn;
    turn.rules = RuleSetOf(database);
    TurnPreview preview(database, turn);
    preview.SetOrders(ReadOrdersInput(database, file, {}).text);
    for (const UnitState& unit : preview.Run().units) {
        if (unit.planned.size() > 1 || unit.down_shaft)
            options.Routes.push_back({unit.number != 0 ? unit.number : unit.formed_by, unit.route, unit.planned, unit.down_shaft});
    }
    options.ShowRoutes = true;
}

}  // namespace

Command RenderMapCommand() {
    Command command;
    command.name = "render-map";
    command.summary = kRenderMapSummary;
    command.usage =
        "Usage: hexwarden-cli render-map --db FILE [--level LEVEL] [--zoom 1..17]\n"
        "         [--no-unconfirmed] [--no-grid] [--no-cities] [--no-gates] [--no-shafts] [--no-tags]\n"
        "         [--no-markers] [--no-marker-tags] [--wedges N,...] [--track UNIT[:TURNS]] [--routes]\n"
        "         OUT.png\n"
        "Paints the whole level as a map window shows it at that zoom (5 when left out), every display\n"
        "switch on unless switched off, and writes it to OUT.png. --wedges\n"
        "names the wedges (0 to 5) drawn in the six wedge slots; --track draws the unit's movement,\n"
        "the last TURNS turns of it when given; --routes draws where the stored orders move the own\n"
        "units this month. Images above 400 million pixels are refused. LEVEL is\n"
        "overworld (when left out), underworld, or a level's words as reports write them (nexus,\n"
        "\"deep underworld\", abyss, \"2 <underworld>\").\n";
    command.run = [usage = command.usage](const std::vector<std::string>& words) {
        std::set<std::string> flags;
        AddOffSwitchFlags(kDisplaySwitches, flags);
        flags.insert("routes");
        auto arguments = ParseCommandLine(words, usage, {"db", "level", "zoom", "wedges", "track"}, flags);
        if (!arguments) return 0;
        const std::string file = arguments->Required("db");
        const std::string out = arguments->Operands(1, 1)[0];
        const Level level = arguments->LevelChoice();
        const int32_t zoom =
            Number(arguments->Value("zoom", std::to_string(kDefaultMapZoom)), "zoom", 1, kMaxMapZoom);
        MapViewOptions options;
        ApplyOffSwitches(kDisplaySwitches, *arguments, options);
        if (arguments->Has("wedges")) ReadWedges(arguments->Value("wedges"), options);

        TVelMain& database = CommandDatabase();
        OpenDatabase(database, file);
        if (arguments->Has("track")) ReadTrack(arguments->Value("track"), database, options);
        if (arguments->Has("routes")) ReadRoutes(database, file, options);
        const LevelExtent extent = LevelGridExtent(database.HexesOf(level));
        if (extent.Capped()) {
            std::cerr << "The level reaches beyond the largest map of " << THexMap::kMaxColumns << " x "
                      << THexMap::kMaxRows << " hexes; the hexes beyond it are not drawn.\n";
        }
        EnsureGuiApplication();
        SaveLevelImage(database, level, options, zoom, out);
        std::cout << "Wrote " << out << ".\n";
        return 0;
    };
    return command;
}

}  // namespace hexwarden::cli
