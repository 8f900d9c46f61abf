#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace hexwarden {

// One word of an order line as the server splits it. Text points into the checked text.
struct OrderToken {
    std::string_view text;
    int32_t column = 1;  // 1-based byte column of its first character (the quote, when quoted)
    bool quoted = false;
};

// How line ends are read.
enum class LineEnds {
    // As the game server reads a file: only LF ends a line, a CR before it stays in the line, and a
    // last line without LF is never read.
    Server,
    // As the database stores a unit's orders: CR LF, a lone CR or a lone LF end a line, and the last
    // line counts without one.
    Stored,
};

struct OrderLine {
    int32_t number = 0;     // 1-based
    std::string_view text;  // without its line end
    bool carriage_return = false;  // Server reading only: the line ended in CR LF (the CR is not in text)
    bool unterminated = false;     // Server reading only: the last line had no LF
};

// Calls visit(const OrderLine&) for each line of the text, in order.
template <typename Visit>
void ForEachOrderLine(std::string_view text, LineEnds line_ends, Visit&& visit) {
    OrderLine line;
    std::size_t start = 0;
    while (start < text.size()) {
        ++line.number;
        std::size_t end = line_ends == LineEnds::Server ? text.find('\n', start) : text.find_first_of("\r\n", start);
        line.unterminated = end == std::string_view::npos;
        if (line.unterminated) end = text.size();
        std::size_t next = end + 1;
        line.text = text.substr(start, end - start);
        line.carriage_return = false;
        if (line_ends == LineEnds::Server) {
            if (!line.unterminated && !line.text.empty() && line.text.back() == '\r') {
                line.carriage_return = true;
                line.text.remove_suffix(1);
            }
        } else {
            line.unterminated = false;
            if (end < text.size() && text[end] == '\r' && next < text.size() && text[next] == '\n') ++next;
        }
        visit(line);
        start = next;
    }
}

// The words of one line: the server reads the line only up to a NUL byte, skips any white space
// before the first word (a line of form feeds is blank) and takes off the leading '@' that repeats
// the order (repeating is set); then blanks and tabs separate words, ';' starts a comment at the
// start of a word or right after an unquoted one, and a word that starts with '"' runs to the next
// '"' (or the line end) without the quotes.
void SplitOrderLine(std::string_view line, std::vector<OrderToken>& tokens, bool& repeating);

// The server's number: an optional '-' and digits only, the whole word, within 32 bits.
std::optional<int32_t> OrderNumber(std::string_view word);

// The server's flag words: 1 true t yes y on, 0 false f no n off (any letter case).
std::optional<bool> OrderFlag(std::string_view word);

}  // namespace hexwarden
