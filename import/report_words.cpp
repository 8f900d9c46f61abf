#include "import/report_words.h"

#include "model/database.h"
#include "platform/number_text.h"

namespace hexwarden {

std::optional<int32_t> AmountOf(std::string_view word) {
    if (!TVelMain::IsNumber(word)) return std::nullopt;
    return StrToIntDef(word, 0);
}

bool IsUnitMark(std::string_view word) {
    return word == "-" || word == "*";
}

bool IsEntryMark(std::string_view word) {
    return IsUnitMark(word) || word == "+";
}

}  // namespace hexwarden
