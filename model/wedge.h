#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/enhanced_list.h"

namespace hexwarden {

class TKvFileStream;
class TVelHex;
class TVelMain;

// What a wedge tests (TMapWedge::Kind).
struct WedgeKind {
    static constexpr int32_t Unused = 0;
    static constexpr int32_t Faction = 1;
    static constexpr int32_t Alliance = 2;
    static constexpr int32_t Peasants = 3;
    static constexpr int32_t Products = 4;
    static constexpr int32_t ForSale = 5;
    static constexpr int32_t Wanted = 6;
};
inline constexpr std::array<std::string_view, 7> kWedgeKindNames = {
    "Unused", "Faction", "Alliance", "Peasants", "Products", "For Sale", "Wanted"};

// A rule that colours one sixth of a hex when the hex meets a condition.
class TMapWedge {
public:
    int32_t Kind = WedgeKind::Unused;
    std::string Key;  // faction number, alliance name or item code, by kind
    bool UseCustomColour = false;
    uint32_t Colour = 0;
    int32_t Position = 0;  // which sixth: 0 top, then clockwise

    void SaveToStream(TKvFileStream& stream) const;
    void LoadFromStream(TKvFileStream& stream);
};

// The six wedge definitions of the database.
class TVelWedgeList : public TEnhancedList<TMapWedge> {
public:
    explicit TVelWedgeList(TVelMain& main);

    // Six unused wedges at positions 0 to 5.
    void Reset();

    // A faction key that is not a whole decimal number applies to no hex.
    bool WedgeApplies(const TMapWedge& wedge, const TVelHex& hex) const;
    uint32_t WedgeColour(const TMapWedge& wedge, const TVelHex& hex) const;

    void SaveToStream(TKvFileStream& stream) const;
    // As many wedges as the file holds.
    void LoadFromStream(TKvFileStream& stream);

private:
    TVelMain* main_;
};

}  // namespace hexwarden
