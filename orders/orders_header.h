#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace hexwarden {

// The word that opens a faction's block of orders: "#veldoria <faction> "<password>"".
inline constexpr std::string_view kOrdersHeaderWord = "#veldoria";

// Why the password cannot be written between the quotes of the orders header, as a message for
// the player that names the character; nothing when it can (an empty password can). The header
// has no escapes: a '"' ends the quoted word, a line end ends the line and the server stops
// reading a line at a NUL byte, so the game would read another password and ignore the orders.
std::optional<std::string> HeaderPasswordProblem(std::string_view password);

}  // namespace hexwarden
