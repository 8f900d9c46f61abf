#include "model/text_rules.h"

#include "platform/text_fields.h"

namespace hexwarden {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Skips a run of digits and tells how many there were.
std::size_t SkipDigits(std::string_view text, std::size_t& position) {
    const std::size_t start = position;
    while (position < text.size() && IsDigit(text[position])) ++position;
    return position - start;
}

}  // namespace

std::string Capitalise(std::string_view text) {
    std::string result(TrimBlanks(text));
    if (!result.empty() && result[0] >= 'a' && result[0] <= 'z') result[0] = static_cast<char>(result[0] - 'a' + 'A');
    return result;
}

bool IsFloatText(std::string_view text) {
    text = TrimBlanks(text);
    std::size_t position = 0;
    if (position < text.size() && (text[position] == '+' || text[position] == '-')) ++position;
    std::size_t digits = SkipDigits(text, position);
    if (position < text.size() && text[position] == '.') {
        ++position;
        digits += SkipDigits(text, position);
    }
    if (digits == 0) return false;
    if (position < text.size() && (text[position] == 'e' || text[position] == 'E')) {
        ++position;
        if (position < text.size() && (text[position] == '+' || text[position] == '-')) ++position;
        if (SkipDigits(text, position) == 0) return false;
    }
    return position == text.size();
}

}  // namespace hexwarden
