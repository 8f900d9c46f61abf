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
Command CheckOrdersCommand();
Command PreviewCommand();
// Map images need Qt, which a command-line import should not pay for at every start: the command
// runs in a program of its own, kRenderMapProgram beside hexwarden-cli (built with the Qt pieces).
inline constexpr const char* kRenderMapProgram = "hexwarden-cli-render-map";
inline constexpr const char* kRenderMapSummary = "write one level of the map as a PNG image";
Command RenderMapCommand();           // the command itself, in kRenderMapProgram
Command ForwardedRenderMapCommand();  // hexwarden-cli's entry, which hands over to kRenderMapProgram

}  // namespace hexwarden::cli
