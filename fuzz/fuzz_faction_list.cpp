// Faction lists: any bytes import completely or stop with an error, never crash or hang.
#include <cstdint>
#include <string_view>

#include "import/faction_list_import.h"
#include "model/faction.h"
#include "platform/error.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace hexwarden;
    TVelFactionList factions;
    try {
        ImportFactionsFromText(factions, std::string_view(reinterpret_cast<const char*>(data), size));
    } catch (const Error&) {
    }
    return 0;
}
