// Map-data files: any bytes import completely or stop with an error, never crash or hang.
#include <cstdint>
#include <string_view>

#include "interchange/map_export.h"
#include "interchange/map_import.h"
#include "model/database.h"
#include "platform/error.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace hexwarden;
    TVelMain database;
    database.Clear();
    try {
        ImportMapDataFromBytes(database, std::string_view(reinterpret_cast<const char*>(data), size));
    } catch (const Error&) {
    }
    // Whatever arrived must export again.
    MapExportOptions options;
    options.StartX = options.StartY = 0;
    options.EndX = options.EndY = 64;
    options.ExportGates = options.ExportStructures = options.ExportUnits = true;
    ExportMapData(database, options);
    return 0;
}
