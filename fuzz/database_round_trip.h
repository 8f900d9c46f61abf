#pragma once

#include "model/database.h"
#include "model/level_codes.h"
#include "platform/file_stream.h"

namespace hexwarden::fuzzing {

// Whatever a reader left in the database must save and open again.
inline void SaveAndReopen(const TVelMain& database) {
    TVelFileStream out;
    database.SaveToStream(out);
    TVelFileStream in(out.Bytes());
    TVelMain reopened;
    reopened.Clear();
    reopened.LoadFromStream(in);
}

}  // namespace hexwarden::fuzzing
