#include "import/turn_import.h"

#include "model/database.h"
#include "platform/whole_file.h"

namespace hexwarden {

void ImportTurnReportText(TVelMain& database, std::string report, OrdersMode orders, TParseStatusLog& status,
                          TItemTypeQuestion& question) {
    TVeldoriaParser parser(database, status, question);
    parser.OrdersOption = orders;
    parser.LoadFromString(std::move(report));
    parser.Parse();
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
