#pragma once

#include <string>
#include <string_view>

namespace hexwarden {

// Letter case of the letters A-Z only: texts are bytes of any code page, whose other letters we
// cannot know.
std::string LowerCaseAscii(std::string_view text);
bool EqualsIgnoringCase(std::string_view a, std::string_view b);
bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix);

}  // namespace hexwarden
