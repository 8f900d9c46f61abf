#include "model/record_keys.h"

#include "model/database.h"

namespace hexwarden {

TVelHex* HexKey::Find(const TVelMain& main) const { return main.FindHex(*this); }

UnitKey UnitKey::Of(const TVelUnit& unit) { return {unit.Number}; }

TVelUnit* UnitKey::Find(const TVelMain& main) const {
    if (TVelUnit* unit = main.Units.FindByNumber(Number)) return unit;
    return main.LostUnits.FindByNumber(Number);
}

TVelFaction* FactionKey::Find(const TVelMain& main) const { return main.Factions.FindByNumber(Number); }

TVelBuilding* StructureKey::Find(const TVelMain& main) const {
    const TVelHex* hex = main.FindHex(Hex);
    return hex == nullptr ? nullptr : hex->Structures.FindByNumber(Number);
}

TVelMapMarker* MarkerKey::Find(const TVelMain& main) const { return main.Markers.Get(Position); }

}  // namespace hexwarden
