#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "model/enhanced_list.h"

namespace hexwarden {

class TKvFileStream;
class TVelIndexList;

class TVelTroopSection {
public:
    TVelTroopSection() = default;
    TVelTroopSection(std::string code, int32_t count) : Code(std::move(code)), Count(count) {}

    std::string Code;  // race code
    int32_t Count = 0;

    void SaveToStream(TKvFileStream& stream) const;
    void LoadFromStream(TKvFileStream& stream);
};

// Men and creatures of a unit by race. Codes are named by Races.
class TVelTroopList : public TEnhancedList<TVelTroopSection> {
public:
    explicit TVelTroopList(const TVelIndexList& races) : NameIndex(&races) {}

    const TVelIndexList* NameIndex;

    TVelTroopSection* FindByCode(std::string_view code) const;
    // Adds to the section of that race, or appends a new one.
    void AddTroops(std::string_view code, int32_t count);
    // Counts wrap around like the 32-bit numbers they are (a damaged file cannot crash the sum).
    int32_t Total() const;
    std::string DisplayName(const TVelTroopSection& section) const;

    void SaveToStream(TKvFileStream& stream) const;
    void LoadFromStream(TKvFileStream& stream);
};

}  // namespace hexwarden
