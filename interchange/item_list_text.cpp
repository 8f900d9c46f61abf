#include "interchange/item_list_text.h"

#include "model/item_list.h"
#include "platform/number_text.h"
#include "platform/text_fields.h"

namespace hexwarden {

namespace {

constexpr std::string_view kIllusionMark = "*";

ItemListEntry ParseEntry(std::string_view text) {
    std::vector<std::string_view> fields = SplitAt(text, ',');
    ItemListEntry entry;
    entry.Code = std::string(fields[0]);
    entry.Count = StrToInt(fields.size() > 1 ? fields[1] : std::string_view());
    if (fields.size() > 2) {
        if (fields[2] == kIllusionMark) {
            entry.Illusion = true;
        } else {
            entry.Price = StrToInt(fields[2]);
            entry.Illusion = fields.size() > 3 && fields[3] == kIllusionMark;
        }
    }
    return entry;
}

}  // namespace

std::string FormatItemList(const TVelItemList& list, bool with_prices) {
    std::string text;
    for (const auto& item : list) {
        if (!item) continue;
        if (!text.empty()) text += ';';
        text += item->Code + "," + IntToStr(item->Count);
        if (with_prices) text += "," + IntToStr(item->Price);
        if (item->Illusion) text += ",*";
    }
    return text;
}

std::vector<ItemListEntry> ParseItemList(std::string_view value) {
    std::vector<ItemListEntry> entries;
    for (std::string_view text : SplitAt(value, ';')) {
        if (!text.empty()) entries.push_back(ParseEntry(text));
    }
    return entries;
}

}  // namespace hexwarden
