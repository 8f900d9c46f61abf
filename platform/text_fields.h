#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace hexwarden {

// The text without the bytes 0 to 32 (blanks, tabs, line ends, control characters) at either end.
std::string_view TrimBlanks(std::string_view text);

// The text without the blanks and tabs at either end (line ends and other control characters stay).
std::string_view TrimSpacesAndTabs(std::string_view text);

// The parts between the separators, empty ones included: "a,,b" gives "a", "", "b" and "" gives "".
std::vector<std::string_view> SplitAt(std::string_view text, char separator);

// The first non-blank line of the text, trimmed and cut to a length fit for a log line or a message.
std::string TextPreview(std::string_view text);

}  // namespace hexwarden
