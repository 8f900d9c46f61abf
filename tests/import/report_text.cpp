#include "tests/import/report_text.h"

#include "import/turn_import.h"
#include "platform/error.h"

namespace hexwarden::testing {

std::string MakeReport(const ReportParts& parts) {
    return "Veldoria Report For:\n" + parts.faction + "\n" + parts.date + "\n\n" + parts.sections + parts.regions +
           (parts.orders.empty() ? "" : "\n\nOrders Template (Long Format):\n\n" + parts.orders);
}

std::string TownRegion(int x, int y, std::string_view units) {
    const std::string at = std::to_string(x) + "," + std::to_string(y);
    return "plain (" + at + ") in Ardmoor, contains Town" + at + " [town], 5000 peasants\n"
           "  (plainsmen), $6000.\n"
           "------------------------------------------------------------\n"
           "  The weather was clear last month; it will be clear next month.\n"
           "  Wages: $14 (Max: $2000).\n"
           "  Wanted: 40 grain [GRAI] at $22.\n"
           "  For Sale: 30 plainsmen [PLAI] at $55.\n"
           "  Entertainment available: $450.\n"
           "  Products: 60 grain [GRAI].\n"
           "\n"
           "Exits:\n"
           "  North : ocean (" + std::to_string(x) + "," + std::to_string(y + 2) + ") in Cold Sea.\n"
           "\n" + std::string(units) + "\n\n";
}

std::string CaveRegion(std::string_view group, std::string_view exits, std::string_view entries) {
    return "cavern " + std::string(group) + " in Deepholm.\n"
           "------------------------------------------------------------\n"
           "  Wages: $0.\n"
           "  Wanted: none.\n"
           "  For Sale: none.\n"
           "  Products: none.\n"
           "\n"
           "Exits:\n" + std::string(exits) + "\n" + std::string(entries) + "\n\n";
}

bool RecordingLog::Contains(std::string_view text) const {
    for (const std::string& line : lines) {
        if (line.find(text) != std::string::npos) return true;
    }
    return false;
}

ItemTypeAnswer RecordingQuestion::Ask(std::string_view name, std::string_view code) {
    asked.push_back(std::string(name) + " [" + std::string(code) + "]");
    return answer;
}

void ReportImport::Import(std::string report, OrdersMode orders) {
    ImportTurnReportText(database, std::move(report), orders, log, question);
}

TVeldoriaParser ReportImport::ParserOver(std::string text) {
    TVeldoriaParser parser(database, log, question);
    parser.LoadFromString(std::move(text));
    return parser;
}

std::string ErrorOf(ReportImport& import, std::string report) {
    try {
        import.Import(std::move(report));
    } catch (const Error& error) {
        return error.what();
    }
    return "";
}

}  // namespace hexwarden::testing
