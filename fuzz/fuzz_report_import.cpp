// Turn reports: any bytes import completely, partly or with an error, never crash or hang.
#include <cstdint>
#include <string>

#include "fuzz/database_round_trip.h"
#include "import/item_type_question.h"
#include "import/parse_status_log.h"
#include "import/turn_import.h"
#include "model/database.h"
#include "platform/error.h"

namespace {

// Answers alternately, so both tables take unknown codes.
class AlternatingAnswer : public hexwarden::TItemTypeQuestion {
public:
    hexwarden::ItemTypeAnswer Ask(std::string_view, std::string_view) override {
        race_ = !race_;
        return race_ ? hexwarden::ItemTypeAnswer::Race : hexwarden::ItemTypeAnswer::Item;
    }

private:
    bool race_ = false;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace hexwarden;
    TVelMain database;
    database.Clear();
    TRecentStatusLines log;
    AlternatingAnswer question;
    const std::string report(reinterpret_cast<const char*>(data), size);
    try {
        ImportTurnReportText(database, report, OrdersMode::ImportTemplate, log, question);
        // The same report again merges over the first import.
        ImportTurnReportText(database, report, OrdersMode::Clear, log, question);
    } catch (const Error&) {
    }
    fuzzing::SaveAndReopen(database);
    return 0;
}
