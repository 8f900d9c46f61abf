#pragma once

#include <string>
#include <string_view>

namespace hexwarden::cli {

// A JSON string literal of 8-bit text: valid UTF-8 passes through, any other byte is taken as
// Latin-1, as the desktop program reads such texts.
std::string JsonString(std::string_view text);

}  // namespace hexwarden::cli
