#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/enhanced_list.h"

namespace hexwarden {

class TKvFileStream;

// A named group of factions with a colour for the map.
class TVelAlliance {
public:
    std::string Reserved1;  // carried through the data file, read by nothing
    std::string Name;
    std::vector<int32_t> Members;  // faction numbers
    std::string Reserved2;
    uint32_t Colour = 0;

    void Clear();
    int32_t MemberCount() const { return static_cast<int32_t>(Members.size()); }
    int32_t IndexOfMember(int32_t faction) const;
    bool IsMember(int32_t faction) const { return IndexOfMember(faction) >= 0; }

    void SaveToStream(TKvFileStream& stream) const;
    void LoadFromStream(TKvFileStream& stream);
};

class TVelAllianceList : public TEnhancedList<TVelAlliance> {
public:
    // First alliance of exactly that name, or -1.
    int32_t IndexOfName(std::string_view name) const;

    void SaveToStream(TKvFileStream& stream) const;
    void LoadFromStream(TKvFileStream& stream);
};

}  // namespace hexwarden
