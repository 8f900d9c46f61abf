#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace hexwarden {

// Why the password cannot be written into the orders header's quoted word, or nothing when it can:
// a '"' would end the word early and a line end the header, so the game would read another password.
std::optional<std::string> PasswordProblem(std::string_view password);

}  // namespace hexwarden
