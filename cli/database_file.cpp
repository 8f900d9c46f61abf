#include "cli/database_file.h"

#include <iostream>

#include "model/database.h"
#include "platform/error.h"
#include "storage/data_file.h"

namespace hexwarden::cli {

namespace {

// Keeps the message a data-file operation reports, to raise it as the command's error.
class RecordedMessages : public MessageSink {
public:
    void ShowError(const std::string& message) override { message_ = message; }
    const std::string& Message() const { return message_; }

private:
    std::string message_;
};

}  // namespace

void StderrMessages::ShowError(const std::string& message) {
    std::cerr << message << "\n";
}

TVelMain& CommandDatabase() {
    static TVelMain* const database = new TVelMain;
    return *database;
}

void OpenDatabase(TVelMain& database, const std::filesystem::path& file) {
    RecordedMessages messages;
    if (!LoadFromFile(database, file, messages)) throw Error(messages.Message() + " (" + file.string() + ")");
}

void OpenOrCreateDatabase(TVelMain& database, const std::filesystem::path& file) {
    std::error_code ignored;
    if (std::filesystem::exists(file, ignored)) {
        OpenDatabase(database, file);
    } else {
        database.Clear();
    }
}

void SaveDatabase(const TVelMain& database, const std::filesystem::path& file) {
    RecordedMessages messages;
    if (!SaveToFile(database, file, messages)) throw Error(messages.Message() + " (" + file.string() + ")");
}

std::optional<Arguments> ParseCommandLine(const std::vector<std::string>& words, const std::string& usage,
                                          const std::set<std::string>& value_options,
                                          const std::set<std::string>& flag_options) {
    Arguments arguments(words, value_options, flag_options);
    if (arguments.HelpAsked()) {
        std::cout << usage;
        return std::nullopt;
    }
    return arguments;
}

}  // namespace hexwarden::cli
