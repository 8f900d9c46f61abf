#include "orders/orders_header.h"

namespace hexwarden {

std::optional<std::string> HeaderPasswordProblem(std::string_view password) {
    const std::size_t at = password.find_first_of(std::string_view("\"\r\n\0", 4));
    if (at == std::string_view::npos) return std::nullopt;
    const char c = password[at];
    const std::string what = c == '"' ? "'\"'" : c == '\0' ? "a NUL byte" : "a line end";
    return "The password cannot hold " + what +
           ": the game would read the password only up to it and ignore all orders.";
}

}  // namespace hexwarden
