#include "import/turn_import.h"

#include "model/database.h"
#include "model/terrain_colours.h"
#include "platform/whole_file.h"

namespace hexwarden {

void ImportTurnReportText(TVelMain& database, std::string report, OrdersMode orders, TParseStatusLog& status,
                          TItemTypeQuestion& question) {
    TVeldoriaParser parser(database, status, question);
    parser.OrdersOption = orders;
    parser.LoadFromString(std::move(report));
    try {
        parser.Parse();
    } catch (...) {
        // What was read stays, so the terrains it named get their colours all the same.
        ColourUncolouredTerrains(database.Terrains);
        throw;
    }
    ColourUncolouredTerrains(database.Terrains);
    if (orders == OrdersMode::Clear) {
        for (TVelUnit* unit : database.OwnUnits) unit->Orders.clear();
    }
    database.FindLostUnits(database.FactionNumber, database.OwnUnits);
}

void ImportTurnReport(TVelMain& database, const std::filesystem::path& report, OrdersMode orders, TParseStatusLog& status,
                      TItemTypeQuestion& question) {
    ImportTurnReportText(database, ReadWholeFile(report), orders, status, question);
}

}  // namespace hexwarden
