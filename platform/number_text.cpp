#include "platform/number_text.h"

#include "platform/error.h"
#include "platform/text_fields.h"

namespace hexwarden {

namespace {

int DigitValue(char c, int base) {
    int value = -1;
    if (c >= '0' && c <= '9') value = c - '0';
    else if (c >= 'a' && c <= 'f') value = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F') value = c - 'A' + 10;
    return value < base ? value : -1;
}

std::optional<int32_t> ParseNumber(std::string_view text, bool hexadecimal) {
    text = TrimBlanks(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (hexadecimal && !text.empty() && text.front() == '$') {
        base = 16;
        text.remove_prefix(1);
    } else if (hexadecimal && text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    if (text.empty()) return std::nullopt;
    int64_t value = 0;
    for (char c : text) {
        int digit = DigitValue(c, base);
        if (digit < 0) return std::nullopt;
        value = value * base + digit;
        if (value > int64_t{INT32_MAX} + 1) return std::nullopt;
    }
    if (negative) value = -value;
    if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
    return static_cast<int32_t>(value);
}

}  // namespace

std::optional<int32_t> ParseInt(std::string_view text) {
    return ParseNumber(text, true);
}

std::optional<int32_t> ParseDecimalInt(std::string_view text) {
    return ParseNumber(text, false);
}

int32_t StrToInt(std::string_view text) {
    if (auto value = ParseInt(text)) return *value;
    throw ConversionError(std::string(text));
}

int32_t StrToIntDef(std::string_view text, int32_t fallback) {
    return ParseInt(text).value_or(fallback);
}

std::string IntToStr(int64_t value) {
    return std::to_string(value);
}

}  // namespace hexwarden
