// check-orders: the orders of a file, or of the own units, checked as the game server reads them.
#include <iostream>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/database_file.h"
#include "interchange/orders_file.h"
#include "model/database.h"
#include "orders/order_checker.h"
#include "orders/orders_database.h"
#include "orders/orders_header.h"
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

// The orders the orders command would write, read as the server reads them. A password the header
// cannot hold is reported at its place there, and the rest is checked as if it had none.
std::vector<Problem> CheckWrittenOrders(const TVelMain& database, const std::string& password, const CheckOptions& options) {
    const auto unwritable = HeaderPasswordProblem(password);
    auto problems = CheckOrdersFile(WriteOrders(database.FactionNumber, unwritable ? "" : password, database.OwnUnits),
                                    options, &database);
    if (unwritable) {
        const auto quote = kOrdersHeaderWord.size() + std::to_string(database.FactionNumber).size() + 3;
        problems.insert(problems.begin(), Problem{1, static_cast<int32_t>(quote), Severity::Error, *unwritable});
    }
    return problems;
}

}  // namespace

Command CheckOrdersCommand() {
    Command command;
    command.name = "check-orders";
    command.summary = "check an orders file as the game server reads it";
    command.usage =
        "Usage: hexwarden-cli check-orders --db FILE [--rules standard|new] [--password P | ORDERS]\n"
        "Checks the orders file ORDERS, or without it the orders of the own units as the orders command\n"
        "writes them with the password P (none when not given), and prints one line per problem:\n"
        "FILE:LINE:COLUMN: error|warning: MESSAGE.\n"
        "Errors are what the game server rejects or cannot carry out; warnings are what the database\n"
        "suggests will fail. The rule set is the one of the database's reports unless --rules says.\n"
        "Exit status: 0 without errors, 1 with errors, 2 for wrong usage.\n";
    command.run = [usage = command.usage](const std::vector<std::string>& words) {
        auto arguments = ParseCommandLine(words, usage, {"db", "rules", "password"}, {});
        if (!arguments) return 0;
        const std::string file = arguments->Required("db");
        const auto& operands = arguments->Operands(0, 1);
        if (!operands.empty() && arguments->Has("password"))
            throw UsageError("--password is for the written orders; an orders file has its own header");
        const std::string rules_word = arguments->Has("rules") ? arguments->Choice("rules", {"standard", "new"}, "") : "";
        TVelMain& database = CommandDatabase();
        OpenDatabase(database, file);

        CheckOptions options;
        options.rules = rules_word.empty() ? RuleSetOf(database) : *RuleSetNamed(rules_word);
        std::string label;
        std::vector<Problem> problems;
        if (operands.empty()) {
            label = file + "[orders]";
            problems = CheckWrittenOrders(database, arguments->Value("password"), options);
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
