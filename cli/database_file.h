#pragma once

#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "cli/arguments.h"
#include "platform/message_sink.h"

namespace hexwarden {
class TVelMain;
}

namespace hexwarden::cli {

// The command line's error box: the message goes to stderr.
class StderrMessages : public MessageSink {
public:
    void ShowError(const std::string& message) override;
};

// The database a command works on. It is never freed: the process ends with the command, and
// freeing millions of records one by one would add a fifth to the time of a large import.
TVelMain& CommandDatabase();

// Opens the data file into the database; throws Error with the message when it cannot.
void OpenDatabase(TVelMain& database, const std::filesystem::path& file);
// Opens the data file, or leaves the database empty (as after Clear) when there is no such file.
void OpenOrCreateDatabase(TVelMain& database, const std::filesystem::path& file);
// Saves the database; throws Error with the message when it cannot.
void SaveDatabase(const TVelMain& database, const std::filesystem::path& file);

// Parses a command's words; nothing when --help was asked (the usage is then printed on stdout).
std::optional<Arguments> ParseCommandLine(const std::vector<std::string>& words, const std::string& usage,
                                          const std::set<std::string>& value_options,
                                          const std::set<std::string>& flag_options);

}  // namespace hexwarden::cli
