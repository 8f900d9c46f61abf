#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace hexwarden {

class TVelItemList;

// One entry of an item list as map-data files write it: "code,amount[,price][,*]".
struct ItemListEntry {
    std::string Code;
    int32_t Count = 0;
    int32_t Price = 0;
    bool Illusion = false;
};

// The value of an item list: entries joined by ";", each its code, its amount, the price when
// asked for, and ",*" for an illusion.
std::string FormatItemList(const TVelItemList& list, bool with_prices);

// Reads an item list value. A third field is "*" (an illusion) or the price, which a fourth field
// "*" may follow. Throws ConversionError for an amount or price that is not a number. Empty
// entries (as a trailing ";" leaves) carry nothing and are skipped.
std::vector<ItemListEntry> ParseItemList(std::string_view value);

}  // namespace hexwarden
