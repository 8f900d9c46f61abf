#include "orders/order_line.h"

#include <algorithm>
#include <cstdint>

#include "orders/token_tables.h"

namespace hexwarden {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// Before the first word the server skips every kind of white space; between words only blanks
// and tabs count.
bool IsLeadingSpace(char c) {
    return IsBlank(c) || c == '\f' || c == '\v' || c == '\r';
}

}  // namespace

void SplitOrderLine(std::string_view line, std::vector<OrderToken>& tokens, bool& repeating) {
    tokens.clear();
    repeating = false;
    line = line.substr(0, line.find('\0'));
    std::size_t i = 0;
    const std::size_t size = line.size();
    while (i < size && IsLeadingSpace(line[i])) ++i;
    if (i < size && line[i] == '@') {
        repeating = true;
        ++i;
    }
    for (;;) {
        while (i < size && IsBlank(line[i])) ++i;
        if (i >= size || line[i] == ';') return;
        // Columns past 32 bits (a damaged multi-gigabyte line) stay at the largest one.
        const auto column = static_cast<int32_t>(std::min<std::size_t>(i + 1, INT32_MAX));
        if (line[i] == '"') {
            const std::size_t close = line.find('"', i + 1);
            const std::size_t end = close == std::string_view::npos ? size : close;
            tokens.push_back({line.substr(i + 1, end - i - 1), column, true});
            if (close == std::string_view::npos) return;
            // The next word starts right after the closing quote.
            i = close + 1;
            continue;
        }
        const std::size_t start = i;
        while (i < size && !IsBlank(line[i]) && line[i] != ';') ++i;
        tokens.push_back({line.substr(start, i - start), column, false});
    }
}

std::optional<int32_t> OrderNumber(std::string_view word) {
    bool negative = false;
    if (!word.empty() && word.front() == '-') {
        negative = true;
        word.remove_prefix(1);
    }
    if (word.empty()) return std::nullopt;
    int64_t value = 0;
    for (char c : word) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > int64_t{INT32_MAX} + 1) return std::nullopt;
    }
    if (negative) value = -value;
    if (value > INT32_MAX) return std::nullopt;
    return static_cast<int32_t>(value);
}

std::optional<bool> OrderFlag(std::string_view word) {
    for (std::string_view yes : {"1", "true", "t", "yes", "y", "on"})
        if (SameName(word, yes)) return true;
    for (std::string_view no : {"0", "false", "f", "no", "n", "off"})
        if (SameName(word, no)) return false;
    return std::nullopt;
}

}  // namespace hexwarden
