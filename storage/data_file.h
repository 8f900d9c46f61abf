#pragma once

#include <filesystem>

namespace hexwarden {

class MessageSink;
class TVelMain;

// Writes the whole database to the data file. The old file is replaced only once the new one is
// completely on disk, so a failed save never destroys it. A file that cannot be created is shown
// as "Error while attempting to create file." on the sink and gives false; a failed write throws
// StreamWriteError.
bool SaveToFile(const TVelMain& database, const std::filesystem::path& file_name, MessageSink& messages);

// Clears the database and reads the data file into it. A file that cannot be opened is shown as
// "Error while attempting to open data file." on the sink and gives false, with the database
// unchanged; so does a version this program does not know, which throws Error naming it. A file
// that ends early throws StreamReadError, keeping what was read before.
bool LoadFromFile(TVelMain& database, const std::filesystem::path& file_name, MessageSink& messages);

}  // namespace hexwarden
