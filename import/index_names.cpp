#include "import/index_names.h"

#include "model/database.h"
#include "model/index_table.h"

namespace hexwarden {

void RegisterName(TVelIndexList& table, const std::string& name, int32_t count, const std::string& code) {
    const bool singular = count == 1;
    // Most names are known already; asking first spares building a record only to drop it.
    if (const TVelIndexRecord* known = table.FindByCode(code)) {
        const std::string& form = singular ? known->Name : known->Plural;
        if (!form.empty() || name.empty()) return;
    }
    table.AddOrUpdate(singular ? name : "", singular ? "" : name, 0, code);
}

void RegisterAsRace(TVelMain& database, const std::string& code) {
    if (database.Races.FindByCode(code) != nullptr) return;
    const TVelIndexRecord* item = database.ItemTypes.FindByCode(code);
    database.Races.AddOrUpdate(item ? item->Name : "", item ? item->Plural : "", 0, code);
}

}  // namespace hexwarden
