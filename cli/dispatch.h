#pragma once

#include <string>
#include <vector>

#include "cli/commands.h"

namespace hexwarden::cli {

// Runs the command named by the first word with the words after it, turning its errors into
// messages on stderr and the exit status: 0 done, 1 failed, 2 wrong usage.
int RunCommandLine(const std::vector<Command>& commands, const std::vector<std::string>& words);

}  // namespace hexwarden::cli
