// hexwarden-cli-render-map: the render-map command of hexwarden-cli, which hands its words over.
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/dispatch.h"

int main(int argc, char** argv) {
    using namespace hexwarden::cli;
    return RunCommandLine({RenderMapCommand()}, std::vector<std::string>(argv + 1, argv + argc));
}
