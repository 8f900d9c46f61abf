// hexwarden-cli: the database, report import, map data and orders from the command line.
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/dispatch.h"
#include "platform/allocator_tuning.h"

int main(int argc, char** argv) {
    hexwarden::TuneAllocator();
    using namespace hexwarden::cli;
    const std::vector<Command> commands = {NewCommand(),       InfoCommand(),      ImportCommand(),
                                           ImportFactionsCommand(), ExportMapCommand(), ImportMapCommand(),
                                           OrdersCommand(),         CheckOrdersCommand(), PreviewCommand(),
#ifdef HEXWARDEN_RENDER_MAP
                                           ForwardedRenderMapCommand(),
#endif
    };
    return RunCommandLine(commands, std::vector<std::string>(argv + 1, argv + argc));
}
