#include "interchange/orders_file.h"

#include "model/unit.h"
#include "model/unit_list.h"
#include "platform/number_text.h"

namespace hexwarden {

namespace {

// The server splits words at blanks and tabs only: a CR would stay in the last word of each line.
constexpr std::string_view kLineEnd = "\n";
constexpr std::string_view kIndent = "    ";

bool IsBlankOrControl(char c) {
    return static_cast<unsigned char>(c) <= 32;
}

// Splits at CR LF, a lone CR or a lone LF; a line end at the very end makes no extra line.
std::vector<std::string_view> OrderLines(std::string_view text) {
    std::vector<std::string_view> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = text.size();
        lines.push_back(text.substr(start, end - start));
        if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ++end;
        start = end + 1;
    }
    return lines;
}

}  // namespace

bool HasOrders(const TVelUnit& unit) {
    for (char c : unit.Orders) {
        if (!IsBlankOrControl(c)) return true;
    }
    return false;
}

std::vector<const TVelUnit*> UnitsWithoutOrders(const TVelUnitList& units) {
    std::vector<const TVelUnit*> without;
    for (const TVelUnit* unit : units) {
        if (!HasOrders(*unit)) without.push_back(unit);
    }
    return without;
}

std::string WriteOrders(int32_t faction_number, std::string_view password, const TVelUnitList& units) {
    std::string text;
    auto line = [&text](std::string_view first, std::string_view second = {}) {
        text += first;
        text += second;
        text += kLineEnd;
    };
    line("#veldoria " + IntToStr(faction_number) + " \"" + std::string(password) + "\"");
    line("");
    for (const TVelUnit* unit : units) {
        line("; *** ", unit->Name);
        line("UNIT ", IntToStr(unit->Number));
        line("");
        if (!HasOrders(*unit)) continue;
        for (std::string_view order : OrderLines(unit->Orders)) line(kIndent, order);
        line("");
        line("");
    }
    line("#end");
    return text;
}

}  // namespace hexwarden
