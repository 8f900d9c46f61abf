#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "model/building.h"
#include "model/coordinates.h"
#include "model/item_list.h"
#include "model/level.h"
#include "model/unit_list.h"

namespace hexwarden {

class TVelFileStream;
class TVelAlliance;
class TVelIndexRecord;
class TVelMain;

// "" for none, "Village", "Town", "City"; "" for any other size.
std::string_view SettlementSizeName(int size);

// The latest report of one region. A newer report replaces the record as a whole (see
// TVelHexList::AddOrMerge); only Notes is the user's.
class TVelHex {
public:
    explicit TVelHex(TVelMain& main);
    TVelHex(const TVelHex&) = delete;
    TVelHex& operator=(const TVelHex&) = delete;

    bool Confirmed = false;  // described by a region entry of its own, not only as an exit
    int32_t X = 0;
    int32_t Y = 0;
    Level Where = Level::Surface;
    int32_t Turn = 0;
    uint8_t Terrain = 0;   // position in Terrains; 255 = none
    int32_t Province = 0;  // position in Provinces; -1 = none
    TVelItemList Peasants;  // named by Races
    int32_t TaxBase = 0;
    int32_t Wages = 0;
    int32_t MaxWages = 0;
    uint8_t SettlementSize = 0;
    std::string SettlementName;
    TVelItemList Wanted;
    TVelItemList ForSale;
    int32_t Entertainment = 0;
    TVelItemList Products;
    TVelBuildingList Structures;
    int32_t Gate = -1;  // -1 = no gate
    TVelUnitList Units;  // units in the open
    std::string Notes;

    const TVelIndexRecord* TerrainRecord() const;
    std::string TerrainName() const;
    // An unknown name gives 255 (none).
    void SetTerrainName(std::string_view name);
    std::string ProvinceName() const;
    void SetProvinceName(std::string_view name);
    GamePoint GetCoords() const { return {X, Y}; }
    Place At() const { return {X, Y, Where}; }
    // In the open or inside one of the structures.
    bool HasFactionUnit(int32_t faction) const;
    bool HasAllianceUnit(const TVelAlliance& alliance) const;
    int32_t ShaftIndex() const;

    TVelMain& Main() const { return *main_; }

    void SaveToStream(TVelFileStream& stream) const;
    void LoadFromStream(TVelFileStream& stream);

private:
    TVelMain* main_;
};

}  // namespace hexwarden
