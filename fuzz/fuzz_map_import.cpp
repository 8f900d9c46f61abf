// Map-data files: any bytes import completely or change nothing, never crash or hang.
#include <cstdint>
#include <string>
#include <string_view>

#include "interchange/map_export.h"
#include "interchange/map_import.h"
#include "model/database.h"
#include "platform/error.h"
#include "model/level_codes.h"
#include "platform/file_stream.h"

namespace {

std::string Saved(const hexwarden::TVelMain& database) {
    hexwarden::TVelFileStream stream;
    database.SaveToStream(stream);
    return stream.Bytes();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace hexwarden;
    TVelMain database;
    database.Clear();
    const std::string before = Saved(database);
    try {
        ImportMapDataFromBytes(database, std::string_view(reinterpret_cast<const char*>(data), size));
    } catch (const Error&) {
        // A refused file must not have changed anything.
        if (Saved(database) != before) __builtin_trap();
    }
    // Whatever arrived must export again.
    MapExportOptions options;
    options.StartX = options.StartY = 0;
    options.EndX = options.EndY = 64;
    options.ExportGates = options.ExportStructures = options.ExportUnits = true;
    ExportMapData(database, options);
    return 0;
}
