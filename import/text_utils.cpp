#include "import/text_utils.h"

#include <cstring>

namespace hexwarden {

namespace {

constexpr std::size_t kMaxTrimmedLength = 2000;

}  // namespace

void TrimAndCollapseInto(std::string& out, std::string_view text, bool drop_line_breaks) {
    text = TrimBlanks(text);
    out.clear();
    out.reserve(text.size());
    char last = '\0';
    for (char c : text) {
        if (drop_line_breaks && (c == '\r' || c == '\n')) continue;
        if (c == ' ' && last == ' ') continue;
        out.push_back(c);
        last = c;
    }
}

std::string TrimAndCollapse(std::string_view text) {
    std::string result;
    TrimAndCollapseInto(result, text, false);
    return result;
}

std::size_t FindLineBreak(std::string_view text, std::size_t from) {
    constexpr uint64_t kOnes = 0x0101010101010101ULL;
    constexpr uint64_t kHighs = 0x8080808080808080ULL;
    auto has_zero_byte = [](uint64_t word) { return ((word - kOnes) & ~word & kHighs) != 0; };
    std::size_t i = from;
    // Eight bytes at a time while none of them is a CR or an LF.
    for (; i + 8 <= text.size(); i += 8) {
        uint64_t word;
        std::memcpy(&word, text.data() + i, sizeof word);
        if (has_zero_byte(word ^ (kOnes * '\n')) || has_zero_byte(word ^ (kOnes * '\r'))) break;
    }
    while (i < text.size() && text[i] != '\n' && text[i] != '\r') ++i;
    return i;
}

ByteSet::ByteSet(std::string_view bytes) {
    for (char c : bytes) bits_[static_cast<unsigned char>(c) >> 6] |= uint64_t{1} << (c & 63);
}

std::size_t ByteSet::FindIn(std::string_view text, std::size_t from) const {
    std::size_t i = from;
    while (i < text.size() && !Contains(text[i])) ++i;
    return i;
}

std::string TrimSpaces(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return std::string(text.substr(0, kMaxTrimmedLength));
}

}  // namespace hexwarden
