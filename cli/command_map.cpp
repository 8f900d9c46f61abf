// export-map and import-map: map data exchanged with other players.
#include <iostream>
#include <optional>

#include "cli/commands.h"
#include "cli/database_file.h"
#include "interchange/map_export.h"
#include "interchange/map_import.h"
#include "model/database.h"
#include "platform/number_text.h"
#include "platform/whole_file.h"

namespace hexwarden::cli {

namespace {

struct Corner {
    int32_t x = 0;
    int32_t y = 0;
};

std::optional<Corner> OptionalCorner(const Arguments& arguments, const std::string& option) {
    if (!arguments.Has(option)) return std::nullopt;
    const std::string text = arguments.Value(option);
    const auto comma = text.find(',');
    if (comma != std::string::npos) {
        auto x = ParseInt(text.substr(0, comma));
        auto y = ParseInt(text.substr(comma + 1));
        if (x && y) return Corner{*x, *y};
    }
    throw UsageError("option --" + option + " takes X,Y, not '" + text + "'");
}

// Each --no-<field> switch clears one field of the export.
constexpr OffSwitch<MapExportOptions> kFieldSwitches[] = {
    {"no-province", &MapExportOptions::ExportProvince},
    {"no-peasants", &MapExportOptions::ExportPeasants},
    {"no-cities", &MapExportOptions::ExportCities},
    {"no-tax", &MapExportOptions::ExportTax},
    {"no-wages", &MapExportOptions::ExportWages},
    {"no-entertainment", &MapExportOptions::ExportEntertainment},
    {"no-for-sale", &MapExportOptions::ExportForSale},
    {"no-wanted", &MapExportOptions::ExportWanted},
    {"no-products", &MapExportOptions::ExportProducts},
};

}  // namespace

Command ExportMapCommand() {
    Command command;
    command.name = "export-map";
    command.summary = "write map data of one level to a file";
    command.usage =
        "Usage: hexwarden-cli export-map --db FILE [--level LEVEL] [--from X,Y] [--to X,Y]\n"
        "         [--confirmed-only] [--no-province] [--no-peasants] [--no-cities] [--no-tax]\n"
        "         [--no-wages] [--no-entertainment] [--no-for-sale] [--no-wanted] [--no-products]\n"
        "         [--gates] [--structures] [--units] OUT\n"
        "Writes the hexes of the rectangle between the two corners (given in any order) of one level\n"
        "to the map-data file OUT. LEVEL is overworld (when left out), underworld, or a level's words as\n"
        "reports write them (nexus, \"deep underworld\", abyss, \"2 <underworld>\"). A corner left out is\n"
        "the level's own: "
"0,0 for --from, its largest x and y for --to, so without corners the whole level is written.\n"
        "--units also writes the units' faction, items, troops, skills and flags.\n";
    command.run = [usage = command.usage](const std::vector<std::string>& words) {
        std::set<std::string> flags = {"confirmed-only", "gates", "structures", "units"};
        AddOffSwitchFlags(kFieldSwitches, flags);
        auto arguments = ParseCommandLine(words, usage, {"db", "level", "from", "to"}, flags);
        if (!arguments) return 0;
        const std::string file = arguments->Required("db");
        const std::string out = arguments->Operands(1, 1)[0];

        MapExportOptions options;
        options.Where = arguments->LevelChoice();
        const auto from = OptionalCorner(*arguments, "from");
        const auto to = OptionalCorner(*arguments, "to");
        TVelMain& database = CommandDatabase();
        OpenDatabase(database, file);
        const TVelHexList& level = database.HexesOf(options.Where);
        const Corner start = from.value_or(Corner{0, 0});
        const Corner end = to.value_or(Corner{level.MaxX(), level.MaxY()});
        options.StartX = start.x;
        options.StartY = start.y;
        options.EndX = end.x;
        options.EndY = end.y;
        options.ConfirmedOnly = arguments->Has("confirmed-only");
        ApplyOffSwitches(kFieldSwitches, *arguments, options);
        options.ExportGates = arguments->Has("gates");
        options.ExportStructures = arguments->Has("structures");
        options.ExportUnits = arguments->Has("units");
        options.ExpUnitFaction = options.ExpUnitItems = options.ExpUnitTroops = options.ExpUnitSkills =
            options.ExpUnitFlags = options.ExportUnits;

        WriteWholeFile(out, ExportMapData(database, options));
        std::cout << kExportCompletedMessage << "\n";
        return 0;
    };
    return command;
}

Command ImportMapCommand() {
    Command command;
    command.name = "import-map";
    command.summary = "merge a map-data file into a database";
    command.usage =
        "Usage: hexwarden-cli import-map --db FILE MAPFILE\n"
        "Merges the hexes of the map-data file MAPFILE into the database in FILE and saves it, then\n"
        "says how many hexes were added, replaced, and kept because they were not older. When MAPFILE\n"
        "is not map data, was cut short or holds a malformed number, nothing is imported and FILE is\n"
        "left as it was.\n";
    command.run = [usage = command.usage](const std::vector<std::string>& words) {
        auto arguments = ParseCommandLine(words, usage, {"db"}, {});
        if (!arguments) return 0;
        const std::string file = arguments->Required("db");
        const std::string map_file = arguments->Operands(1, 1)[0];
        TVelMain& database = CommandDatabase();
        OpenDatabase(database, file);
        const std::string message = ImportMapData(database, map_file);
        SaveDatabase(database, file);
        std::cout << message << "\n";
        return 0;
    };
    return command;
}

}  // namespace hexwarden::cli
