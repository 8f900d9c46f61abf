// check-orders: the orders of a file, or of the own units, checked as the game server reads them.
#include <iostream>

#include "cli/commands.h"
#include "cli/database_file.h"
#include "interchange/orders_file.h"
#include "model/database.h"
#include "orders/order_checker.h"
#include "orders/orders_database.h"
#include "platform/whole_file.h"

namespace hexwarden::cli {

namespace {

// Control bytes from a damaged file would garble the terminal.
std::string Printable(std::string_view text) {
    std::string printable(text);
    for (char& c : printable)
        if (static_cast<unsigned char>(c) < 32 || c == 127) c = '?';
    return printable;
}

std::string Counted(int count, std::string_view word) {
    return std::to_string(count) + " " + std::string(word) + (count == 1 ? "" : "s");
}

}  // namespace

Command CheckOrdersCommand() {
    Command command;
    command.name = "check-orders";
    command.summary = "check an orders file as the game server reads it";
    command.usage =
        "Usage: hexwarden-cli check-orders --db FILE [--rules standard|new] [ORDERS]\n"
        "Checks the orders file ORDERS, or without it the orders of the own units as the orders command\n"
        "writes them, and prints one line per problem: FILE:LINE:COLUMN: error|warning: MESSAGE.\n"
        "Errors are what the game server rejects or cannot carry out; warnings are what the database\n"
        "suggests will fail. The rule set is the one of the database's reports unless --rules says.\n"
        "Exit status: 0 without errors, 1 with errors, 2 for wrong usage.\n";
    command.run = [usage = command.usage](const std::vector<std::string>& words) {
        auto arguments = ParseCommandLine(words, usage, {"db", "rules"}, {});
        if (!arguments) return 0;
        const std::string file = arguments->Required("db");
        const auto& operands = arguments->Operands(0, 1);
        const std::string rules_word = arguments->Has("rules") ? arguments->Choice("rules", {"standard", "new"}, "") : "";
        TVelMain& database = CommandDatabase();
        OpenDatabase(database, file);

        CheckOptions options;
        options.rules = rules_word.empty() ? RuleSetOf(database) : *RuleSetNamed(rules_word);
        std::string label;
        std::vector<Problem> problems;
        if (operands.empty()) {
            // The very bytes the orders command would mail, read as the server reads them.
            label = file + "[orders]";
            problems = CheckOrdersFile(WriteOrders(database.FactionNumber, "", database.OwnUnits), options, &database);
        } else {
            label = operands[0];
            problems = CheckOrdersFile(ReadWholeFile(operands[0]), options, &database);
        }
        for (const Problem& problem : problems) {
            std::cout << Printable(label) << ':' << problem.line << ':' << problem.column << ": "
                      << SeverityWord(problem.severity) << ": " << Printable(problem.message) << '\n';
        }
        const int errors = CountOf(problems, Severity::Error);
        std::cout << Counted(errors, "error") << ", " << Counted(CountOf(problems, Severity::Warning), "warning")
                  << " (" << RuleSetName(options.rules) << " rules).\n";
        return errors == 0 ? 0 : 1;
    };
    return command;
}

}  // namespace hexwarden::cli
