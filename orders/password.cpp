#include "orders/password.h"

namespace hexwarden {

std::optional<std::string> PasswordProblem(std::string_view password) {
    if (password.find('"') != std::string_view::npos) return "The password may not hold a '\"'.";
    if (password.find_first_of("\r\n") != std::string_view::npos) return "The password may not hold a line end.";
    return std::nullopt;
}

}  // namespace hexwarden
