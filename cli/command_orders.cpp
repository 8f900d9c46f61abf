// orders: the orders file to mail to the game server.
#include <iostream>

#include "cli/commands.h"
#include "cli/database_file.h"
#include "interchange/orders_file.h"
#include "model/database.h"
#include "model/unit.h"
#include "orders/orders_header.h"
#include "platform/error.h"
#include "platform/whole_file.h"

namespace hexwarden::cli {

Command OrdersCommand() {
    Command command;
    command.name = "orders";
    command.summary = "write the orders file of the own units";
    command.usage =
        "Usage: hexwarden-cli orders --db FILE [--password P] OUT\n"
        "Lists the own units without orders on stderr, then writes the orders file of the units of the\n"
        "last own report to OUT.\n";
    command.run = [usage = command.usage](const std::vector<std::string>& words) {
        auto arguments = ParseCommandLine(words, usage, {"db", "password"}, {});
        if (!arguments) return 0;
        const std::string file = arguments->Required("db");
        const std::string out = arguments->Operands(1, 1)[0];
        // A header the game would misread loses the whole month's orders: write none.
        const std::string password = arguments->Value("password");
        if (auto problem = HeaderPasswordProblem(password)) throw Error(*problem);
        TVelMain& database = CommandDatabase();
        OpenDatabase(database, file);
        const auto without_orders = UnitsWithoutOrders(database.OwnUnits);
        if (!without_orders.empty()) {
            std::cerr << "Units without Orders:\n";
            for (const TVelUnit* unit : without_orders) {
                std::cerr << "  " << unit->Name << " (" << unit->Number << ")\n";
            }
        }
        WriteWholeFile(out, WriteOrders(database.FactionNumber, password, database.OwnUnits));
        std::cout << "The order file has been generated.\n";
        return 0;
    };
    return command;
}

}  // namespace hexwarden::cli
