// new and info: an empty database, and what a database holds.
#include <iostream>

#include "cli/commands.h"
#include "cli/database_file.h"
#include "cli/summary.h"
#include "model/database.h"

namespace hexwarden::cli {

Command NewCommand() {
    Command command;
    command.name = "new";
    command.summary = "write an empty database";
    command.usage =
        "Usage: hexwarden-cli new FILE\n"
        "Writes an empty database (no faction, turn 0, the default tables) to FILE, replacing it.\n";
    command.run = [usage = command.usage](const std::vector<std::string>& words) {
        auto arguments = ParseCommandLine(words, usage, {}, {});
        if (!arguments) return 0;
        const std::string file = arguments->Operands(1, 1)[0];
        TVelMain& database = CommandDatabase();
        database.Clear();
        SaveDatabase(database, file);
        return 0;
    };
    return command;
}

Command InfoCommand() {
    Command command;
    command.name = "info";
    command.summary = "print the summary of a database";
    command.usage =
        "Usage: hexwarden-cli info [--json] FILE\n"
        "Prints the faction, turn, table sizes, hexes, units and other counts of the database in FILE;\n"
        "with --json as one JSON object.\n";
    command.run = [usage = command.usage](const std::vector<std::string>& words) {
        auto arguments = ParseCommandLine(words, usage, {}, {"json"});
        if (!arguments) return 0;
        const std::string file = arguments->Operands(1, 1)[0];
        TVelMain& database = CommandDatabase();
        OpenDatabase(database, file);
        const DatabaseSummary summary = Summarise(database);
        if (arguments->Has("json")) {
            PrintSummaryJson(std::cout, summary);
        } else {
            PrintSummaryText(std::cout, summary);
        }
        return 0;
    };
    return command;
}

}  // namespace hexwarden::cli
