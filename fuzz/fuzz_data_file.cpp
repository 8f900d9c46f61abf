// Data files: any bytes open completely or with an error, never crash, hang or allocate wildly.
#include <cstdint>
#include <string>

#include "fuzz/database_round_trip.h"
#include "model/database.h"
#include "platform/error.h"
#include "model/level_codes.h"
#include "platform/file_stream.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace hexwarden;
    TVelMain database;
    database.Clear();
    TVelFileStream in(std::string(reinterpret_cast<const char*>(data), size));
    try {
        database.LoadFromStream(in);
    } catch (const Error&) {
    }
    fuzzing::SaveAndReopen(database);
    return 0;
}
