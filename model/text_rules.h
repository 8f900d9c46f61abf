#pragma once

#include <string>
#include <string_view>

namespace hexwarden {

// Blanks and control characters (codes 0 to 32) removed from both ends, then a first letter a-z
// made upper case. Nothing else changes.
std::string Capitalise(std::string_view text);

// True when the whole text is a decimal floating-point number: blanks around it, an optional
// sign, digits with an optional "." and an optional exponent.
bool IsFloatText(std::string_view text);

}  // namespace hexwarden
