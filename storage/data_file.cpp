#include "storage/data_file.h"

#include <string>

#include "model/database.h"
#include "model/level_codes.h"
#include "model/terrain_colours.h"
#include "platform/error.h"
#include "platform/file_stream.h"
#include "platform/message_sink.h"
#include "platform/whole_file.h"

namespace hexwarden {

bool SaveToFile(const TVelMain& database, const std::filesystem::path& file_name, MessageSink& messages) {
    try {
        WriteWholeFile(file_name, [&database](const ByteWriter& write) {
            TVelFileStream stream(write);
            database.SaveToStream(stream);
            stream.Flush();
        });
    } catch (const StreamWriteError&) {
        throw;
    } catch (const Error&) {
        messages.ShowError("Error while attempting to create file.");
        return false;
    }
    return true;
}

bool LoadFromFile(TVelMain& database, const std::filesystem::path& file_name, MessageSink& messages) {
    std::string bytes;
    try {
        bytes = ReadWholeFile(file_name);
    } catch (const StreamReadError&) {
        throw;
    } catch (const Error&) {
        messages.ShowError("Error while attempting to open data file.");
        return false;
    }
    TVelFileStream stream(std::move(bytes));
    database.LoadFromStream(stream);
    // Earlier versions registered new terrains without a colour.
    ColourUncolouredTerrains(database.Terrains);
    return true;
}

}  // namespace hexwarden
