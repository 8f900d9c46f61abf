// import and import-factions: turn reports and faction lists into a database.
#include <iostream>
#include <string>

#include <unistd.h>

#include "cli/commands.h"
#include "cli/database_file.h"
#include "import/faction_list_import.h"
#include "import/item_type_question.h"
#include "import/parse_status_log.h"
#include "import/turn_import.h"
#include "model/database.h"
#include "platform/error.h"

namespace hexwarden::cli {

namespace {

// Progress lines only when asked for; warnings always.
class CommandLineStatusLog : public TParseStatusLog {
public:
    explicit CommandLineStatusLog(bool verbose) : verbose_(verbose) {}
    void AddLine(std::string_view line) override {
        if (verbose_) std::cerr << line << "\n";
    }
    void Warn(std::string_view line) override { std::cerr << "warning: " << line << "\n"; }

private:
    bool verbose_;
};

// A fixed answer is a guess: each guessed code is named on stderr (the answer is remembered in
// the database, so once per code) so that the user can import again when it was wrong.
class AnnouncedGuess : public TFixedItemTypeAnswer {
public:
    using TFixedItemTypeAnswer::TFixedItemTypeAnswer;
    ItemTypeAnswer Ask(std::string_view name, std::string_view code) override {
        const ItemTypeAnswer answer = TFixedItemTypeAnswer::Ask(name, code);
        const bool race = answer == ItemTypeAnswer::Race;
        std::cerr << "warning: " << code << " (\"" << name << "\") is described by no report; taken as "
                  << (race ? "a race or creature" : "an item") << ". If it is " << (race ? "an item" : "a race or creature")
                  << ", import again with --unknown " << (race ? "item" : "race") << " or --unknown ask.\n";
        return answer;
    }
};

// Puts the item-type question on the terminal.
class TerminalItemTypeQuestion : public TItemTypeQuestion {
public:
    ItemTypeAnswer Ask(std::string_view name, std::string_view code) override {
        for (;;) {
            std::cerr << "Identification of the following item is required:\n  Type: " << name << "\n  Code: " << code
                      << "\nIs this a race or creature (r) or an item (i)? " << std::flush;
            std::string answer;
            if (!std::getline(std::cin, answer)) {
                throw Error("No answer to the question about " + std::string(code) + ".");
            }
            if (answer == "r" || answer == "R") return ItemTypeAnswer::Race;
            if (answer == "i" || answer == "I") return ItemTypeAnswer::Item;
        }
    }
};

OrdersMode OrdersModeFor(const std::string& word) {
    if (word == "clear") return OrdersMode::Clear;
    if (word == "template") return OrdersMode::ImportTemplate;
    return OrdersMode::Preserve;
}

}  // namespace

Command ImportCommand() {
    Command command;
    command.name = "import";
    command.summary = "import turn reports into a database";
    command.usage =
        "Usage: hexwarden-cli import --db FILE [--orders clear|keep|template] [--unknown item|race|ask]\n"
        "                            [--verbose] REPORT...\n"
        "Imports the reports in the order given into FILE (created when missing), saving after each\n"
        "report that imports successfully. When a report fails, FILE keeps the state after the last\n"
        "report that succeeded and the remaining reports are not read.\n"
        "  --orders   clear: clear the own units' orders; keep: keep them (default);\n"
        "             template: take the repeating orders of the report's orders template\n"
        "  --unknown  what a code that no report describes and the game's item table lacks is: item,\n"
        "             race, or ask on the terminal\n"
        "             (default: ask when standard input is a terminal, else item); every guessed\n"
        "             code is named in a warning\n"
        "  --verbose  print the parser's progress on stderr\n";
    command.run = [usage = command.usage](const std::vector<std::string>& words) {
        auto arguments = ParseCommandLine(words, usage, {"db", "orders", "unknown"}, {"verbose"});
        if (!arguments) return 0;
        const std::string file = arguments->Required("db");
        const OrdersMode orders = OrdersModeFor(arguments->Choice("orders", {"clear", "keep", "template"}, "keep"));
        const std::string unknown = arguments->Choice("unknown", {"item", "race", "ask"}, isatty(STDIN_FILENO) ? "ask" : "item");
        const auto& reports = arguments->Operands(1, SIZE_MAX);

        AnnouncedGuess guess(unknown == "race" ? ItemTypeAnswer::Race : ItemTypeAnswer::Item);
        TerminalItemTypeQuestion terminal_question;
        TItemTypeQuestion& question = unknown == "ask" ? static_cast<TItemTypeQuestion&>(terminal_question) : guess;
        CommandLineStatusLog log(arguments->Has("verbose"));

        TVelMain& database = CommandDatabase();
        OpenOrCreateDatabase(database, file);
        for (const auto& report : reports) {
            try {
                ImportTurnReport(database, report, orders, log, question);
            } catch (const Error& error) {
                std::cerr << report << ": " << error.what() << "\n";
                return 1;
            }
            SaveDatabase(database, file);
            std::cout << "Imported " << report << " (turn " << database.Turn << ")\n";
        }
        return 0;
    };
    return command;
}

Command ImportFactionsCommand() {
    Command command;
    command.name = "import-factions";
    command.summary = "import a faction list into a database";
    command.usage =
        "Usage: hexwarden-cli import-factions --db FILE LIST\n"
        "Reads the faction list LIST (one faction per line: name (number), e-mail address) into the\n"
        "database in FILE (created when missing) and saves it. When a line's number is not a number,\n"
        "FILE is left as it was.\n";
    command.run = [usage = command.usage](const std::vector<std::string>& words) {
        auto arguments = ParseCommandLine(words, usage, {"db"}, {});
        if (!arguments) return 0;
        const std::string file = arguments->Required("db");
        const std::string list = arguments->Operands(1, 1)[0];
        TVelMain& database = CommandDatabase();
        OpenOrCreateDatabase(database, file);
        const int32_t count = ImportFactions(database.Factions, list);
        SaveDatabase(database, file);
        std::cout << ImportedFactionsMessage(count) << "\n";
        return 0;
    };
    return command;
}

}  // namespace hexwarden::cli
