#include "cli/orders_input.h"

#include "cli/arguments.h"
#include "cli/database_file.h"
#include "interchange/orders_file.h"
#include "model/database.h"
#include "orders/orders_database.h"
#include "platform/whole_file.h"

namespace hexwarden::cli {

OrdersInput ReadOrdersInput(const TVelMain& database, const std::string& database_file,
                            const std::vector<std::string>& operands) {
    if (operands.empty()) return {database_file + "[orders]", WriteOrders(database.FactionNumber, "", database.OwnUnits)};
    return {operands[0], ReadWholeFile(operands[0])};
}

RuleSet OpenOrdersDatabase(const Arguments& arguments, TVelMain& database) {
    const std::string rules_word = arguments.Has("rules") ? arguments.Choice("rules", {"standard", "new"}, "") : "";
    OpenDatabase(database, arguments.Required("db"));
    return rules_word.empty() ? RuleSetOf(database) : *RuleSetNamed(rules_word);
}

std::string Printable(std::string_view text) {
    std::string printable(text);
    for (char& c : printable)
        if (static_cast<unsigned char>(c) < 32 || c == 127) c = '?';
    return printable;
}

std::string Counted(int count, std::string_view word) {
    return std::to_string(count) + " " + std::string(word) + (count == 1 ? "" : "s");
}

}  // namespace hexwarden::cli
