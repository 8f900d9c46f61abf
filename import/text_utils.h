#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/text_fields.h"

namespace hexwarden {

// Drops bytes 0..32 at both ends and folds every inner run of spaces into one space. Tabs inside
// stay, so a report line keeps whatever the game server put between its words apart from spacing.
std::string TrimAndCollapse(std::string_view text);
// The same into out (whose capacity is reused), optionally with every CR and LF taken out first, as
// a phrase wrapped over several lines is joined.
void TrimAndCollapseInto(std::string& out, std::string_view text, bool drop_line_breaks);

// Index of the first CR or LF at or after from, or text.size().
std::size_t FindLineBreak(std::string_view text, std::size_t from);

// A set of bytes to search for.
class ByteSet {
public:
    explicit ByteSet(std::string_view bytes);
    bool Contains(char c) const { return (bits_[static_cast<unsigned char>(c) >> 6] >> (c & 63)) & 1; }
    // Index of the first byte of the set at or after from, or text.size().
    std::size_t FindIn(std::string_view text, std::size_t from) const;

private:
    uint64_t bits_[4] = {};
};

// Drops spaces (and only spaces) at both ends and keeps at most the first 2000 bytes of the rest.
std::string TrimSpaces(std::string_view text);

}  // namespace hexwarden
