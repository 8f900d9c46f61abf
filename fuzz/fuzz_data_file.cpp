// Data files: any bytes open completely or with an error, never crash, hang or allocate wildly.
#include <cstdint>
#include <string>

#include "model/database.h"
#include "platform/error.h"
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
    // What was read must save and open again.
    TVelFileStream out;
    database.SaveToStream(out);
    TVelFileStream again(out.Bytes());
    TVelMain reopened;
    reopened.Clear();
    reopened.LoadFromStream(again);
    return 0;
}
