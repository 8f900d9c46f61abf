#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "orders/rule_set.h"

namespace hexwarden {
class TVelMain;
}

namespace hexwarden::cli {

// The orders a command works on: the file named as the operand, or without one the very bytes
// the orders command would mail for the own units. Label names them in problem lines.
struct OrdersInput {
    std::string label;
    std::string text;
};
OrdersInput ReadOrdersInput(const TVelMain& database, const std::string& database_file,
                            const std::vector<std::string>& operands);

class Arguments;

// Opens --db into the database and returns the rule set: --rules when given, else the one of the
// database's reports.
RuleSet OpenOrdersDatabase(const Arguments& arguments, TVelMain& database);

// Control bytes from a damaged file would garble the terminal.
std::string Printable(std::string_view text);
// "1 error", "2 errors".
std::string Counted(int count, std::string_view word);

}  // namespace hexwarden::cli
