#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "model/enhanced_list.h"
#include "model/unit_list.h"

namespace hexwarden {

class TKvFileStream;
class TVelAlliance;
class TVelMain;

// A structure of a region (building, ship, shaft ...) with the units inside, owner first.
class TVelBuilding {
public:
    explicit TVelBuilding(TVelMain& main) : Units(main) {}

    int32_t Turn = 0;
    std::string Kind;  // as the report writes it
    std::string Name;
    std::string Description;
    int32_t Number = 0;
    int32_t Needs = 0;  // work still needed; 0 when complete
    TVelUnitList Units;

    // The faction of the first unit inside, -1 when empty.
    int32_t OwnerFaction() const;

    void SaveToStream(TKvFileStream& stream) const;
    void LoadFromStream(TKvFileStream& stream);
};

// The structures of one hex, in report order.
class TVelBuildingList : public TEnhancedList<TVelBuilding> {
public:
    explicit TVelBuildingList(TVelMain& main) : main_(&main) {}

    int32_t Turn = 0;  // stamped by the structure parse

    TVelBuilding* FindByNumber(int32_t number) const;
    // A structure of the same number is freed and the new one takes its position.
    TVelBuilding* AddOrReplace(std::unique_ptr<TVelBuilding> building);
    bool HasFactionUnit(int32_t faction) const;
    bool HasAllianceUnit(const TVelAlliance& alliance) const;
    // First structure whose kind is "shaft" in any letter case, or -1.
    int32_t IndexOfShaft() const;

    void SaveToStream(TKvFileStream& stream) const;
    void LoadFromStream(TKvFileStream& stream);

private:
    TVelMain* main_;
};

}  // namespace hexwarden
