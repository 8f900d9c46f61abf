#pragma once

#include <functional>
#include <string>
#include <vector>

namespace hexwarden::cli {

// One command of hexwarden-cli: its name, its usage text and what runs it. Run gets the words
// after the command name and returns the exit status; it throws UsageError for wrong usage and
// hexwarden::Error for a failure.
struct Command {
    std::string name;
    std::string summary;
    std::string usage;
    std::function<int(const std::vector<std::string>&)> run;
};

Command NewCommand();
Command InfoCommand();
Command ImportCommand();
Command ImportFactionsCommand();
Command ExportMapCommand();
Command ImportMapCommand();
Command OrdersCommand();
Command RenderMapCommand();  // only where the Qt surface is built (HEXWARDEN_RENDER_MAP)

}  // namespace hexwarden::cli
