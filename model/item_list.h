#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>

#include "model/enhanced_list.h"

namespace hexwarden {

class TKvFileStream;
class TVelIndexList;
class TVelItemList;

// An amount of goods (or, in a hex's population, of a race) named by its code. Once in a list,
// an item is changed only through the list (its Code and Price are the list's merge key).
class TVelItem {
public:
    TVelItem() = default;
    TVelItem(std::string code, int32_t price, int32_t count, bool illusion = false);

    TVelItemList* Owner = nullptr;  // set when a list takes the item
    std::string Code;
    int32_t Price = 0;   // 0 = no price
    int32_t Count = 0;   // -1 = unlimited, as markets say
    bool Illusion = false;

    void SaveToStream(TKvFileStream& stream) const;
    void LoadFromStream(TKvFileStream& stream);
};

// Goods of a unit or a market, or the population of a hex. Codes are named by an index table
// that the list does not own (ItemTypes, or Races for the population). Items merge by code and
// price; the list hands its items out read-only and changes them through its setters.
class TVelItemList {
public:
    explicit TVelItemList(const TVelIndexList& name_index) : NameIndex(&name_index) {}
    TVelItemList(const TVelItemList&) = delete;
    TVelItemList& operator=(const TVelItemList&) = delete;

    const TVelIndexList* NameIndex;

    int32_t Count() const { return items_.Count(); }
    const TVelItem* Get(int32_t index) const { return items_.Get(index); }
    void Clear();

    const TVelItem* FindByCode(std::string_view code) const;
    // The code is there with a count above 0 (so not for an unlimited -1).
    bool HasStock(std::string_view code) const;

    // An item of the same code and price takes the new count on top of its own and its position
    // is returned; otherwise the item is appended and the result is -1.
    int32_t Add(std::unique_ptr<TVelItem> item);
    int32_t AddNew(std::string_view code, int32_t price, int32_t count);
    // Changes to the item at the index (nothing outside the list). A new code and price do not
    // merge the item with another of the same.
    void SetCodeAndPrice(int32_t index, std::string code, int32_t price);
    void SetCount(int32_t index, int32_t count);
    void SetIllusion(int32_t index, bool illusion);

    // "<UNKNOWN>" for a code the name table lacks; " (illusion)" appended for illusions.
    std::string DisplayName(const TVelItem& item) const;

    ConstRecordIterator<TVelItem> begin() const { return ConstRecordIterator<TVelItem>(items_.begin()); }
    ConstRecordIterator<TVelItem> end() const { return ConstRecordIterator<TVelItem>(items_.end()); }

    void SaveToStream(TKvFileStream& stream) const;
    void LoadFromStream(TKvFileStream& stream);

private:
    using CodeAndPrice = std::pair<std::string, int32_t>;
    struct CodeAndPriceHash {
        std::size_t operator()(const CodeAndPrice& key) const {
            return std::hash<std::string>{}(key.first) ^ (std::hash<int32_t>{}(key.second) * 31);
        }
    };

    int32_t IndexOfSameCodeAndPrice(const TVelItem& item);

    TEnhancedList<TVelItem> items_;
    // Markets hold a few dozen items at most; only a damaged file has thousands, and then merging
    // each into the list must not scan it. Built once the list is long.
    std::unique_ptr<std::unordered_map<CodeAndPrice, int32_t, CodeAndPriceHash>> merge_index_;
};

}  // namespace hexwarden
