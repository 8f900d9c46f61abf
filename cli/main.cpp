// hexwarden-cli: the database, report import, map data and orders from the command line.
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "platform/allocator_tuning.h"
#include "platform/error.h"

namespace {

using hexwarden::cli::Command;

std::vector<Command> AllCommands() {
    using namespace hexwarden::cli;
    return {NewCommand(),       InfoCommand(),      ImportCommand(), ImportFactionsCommand(),
            ExportMapCommand(), ImportMapCommand(), OrdersCommand(),
#ifdef HEXWARDEN_RENDER_MAP
            RenderMapCommand(),
#endif
    };
}

void PrintOverview(std::ostream& out, const std::vector<Command>& commands) {
    out << "Usage: hexwarden-cli COMMAND [OPTIONS] [FILES]\n\nCommands:\n";
    for (const auto& command : commands) {
        out << "  " << command.name << std::string(command.name.size() < 16 ? 16 - command.name.size() : 1, ' ')
            << command.summary << "\n";
    }
    out << "\nEvery command takes --help.\n";
}

}  // namespace

int main(int argc, char** argv) {
    hexwarden::TuneAllocator();
    const std::vector<Command> commands = AllCommands();
    std::vector<std::string> words(argv + 1, argv + argc);
    if (words.empty()) {
        PrintOverview(std::cerr, commands);
        return 2;
    }
    if (words[0] == "--help" || words[0] == "help") {
        PrintOverview(std::cout, commands);
        return 0;
    }
    for (const auto& command : commands) {
        if (command.name != words[0]) continue;
        std::vector<std::string> rest(words.begin() + 1, words.end());
        try {
            return command.run(rest);
        } catch (const hexwarden::cli::UsageError& error) {
            std::cerr << "hexwarden-cli " << command.name << ": " << error.what() << "\n\n" << command.usage;
            return 2;
        } catch (const hexwarden::Error& error) {
            std::cerr << error.what() << "\n";
            return 1;
        } catch (const std::bad_alloc&) {
            std::cerr << "Out of memory.\n";
            return 1;
        } catch (const std::exception& error) {
            std::cerr << error.what() << "\n";
            return 1;
        }
    }
    std::cerr << "hexwarden-cli: unknown command '" << words[0] << "'\n\n";
    PrintOverview(std::cerr, commands);
    return 2;
}
