#include "cli/dispatch.h"

#include <exception>
#include <iostream>
#include <new>

#include "cli/arguments.h"
#include "platform/error.h"

namespace hexwarden::cli {
namespace {

void PrintOverview(std::ostream& out, const std::vector<Command>& commands) {
    out << "Usage: hexwarden-cli COMMAND [OPTIONS] [FILES]\n\nCommands:\n";
    for (const auto& command : commands) {
        out << "  " << command.name << std::string(command.name.size() < 16 ? 16 - command.name.size() : 1, ' ')
            << command.summary << "\n";
    }
    out << "\nEvery command takes --help.\n";
}

}  // namespace

int RunCommandLine(const std::vector<Command>& commands, const std::vector<std::string>& words) {
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
        } catch (const UsageError& error) {
            std::cerr << "hexwarden-cli " << command.name << ": " << error.what() << "\n\n" << command.usage;
            return 2;
        } catch (const Error& error) {
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

}  // namespace hexwarden::cli
