#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

#include "cli/commands.h"
#include "platform/error.h"

namespace hexwarden::cli {

Command ForwardedRenderMapCommand() {
    Command command;
    command.name = "render-map";
    command.summary = kRenderMapSummary;
    command.usage = "Usage: hexwarden-cli render-map --help\n";
    command.run = [](const std::vector<std::string>& words) -> int {
        std::error_code error;
        const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
        const std::filesystem::path program = (error ? std::filesystem::path(".") : self.parent_path()) / kRenderMapProgram;
        std::vector<std::string> arguments = {program.string(), "render-map"};
        arguments.insert(arguments.end(), words.begin(), words.end());
        std::vector<char*> argv;
        for (std::string& argument : arguments) argv.push_back(argument.data());
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        throw Error("Map images are made by " + program.string() + ", which cannot be started: " +
                    std::strerror(errno));
    };
    return command;
}

}  // namespace hexwarden::cli
