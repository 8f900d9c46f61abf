#pragma once

#include <string>
#include <string_view>

namespace hexwarden {

// Drops bytes 0..32 at both ends and folds every inner run of spaces into one space. Tabs inside
// stay, so a report line keeps whatever the game server put between its words apart from spacing.
std::string TrimAndCollapse(std::string_view text);

// Drops spaces (and only spaces) at both ends and keeps at most the first 2000 bytes of the rest.
std::string TrimSpaces(std::string_view text);

// Removes bytes 0..32 at both ends.
std::string_view TrimBlanks(std::string_view text);

// The first non-blank line of the text, trimmed and cut to a length fit for a log line.
std::string TextPreview(std::string_view text);

// Every line end (CR LF, a lone LF or a lone CR) written as CR LF.
std::string NormaliseLineEnds(std::string text);

}  // namespace hexwarden
