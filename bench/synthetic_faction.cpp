#include "bench/synthetic_faction.h"

#include <memory>

#include "model/database.h"
#include "model/hex.h"
#include "model/unit.h"

namespace hexwarden {

void FillSyntheticFaction(TVelMain& db, int32_t count) {
    constexpr int32_t kFaction = 3;
    db.Clear();
    db.FactionNumber = kFaction;
    db.UnclaimedSilver = 1000;
    for (int32_t number = 1; number <= count; ++number) {
        auto unit = std::make_unique<TVelUnit>(db);
        unit->Number = number;
        unit->Faction = kFaction;
        unit->FactionConfirmed = true;
        unit->X = (number / 100) % 50;
        unit->Y = 2 * (number / 5000) + unit->X % 2;
        unit->Troops.AddTroops("HELF", 10);
        unit->Items.AddNew("SILV", 0, 500);
        unit->Items.AddNew("SWOR", 0, 10);
        unit->Skills.AddOrReplace(std::make_unique<TVelSkill>("COMB", 2, 90));
        TVelHex* hex = db.FindHex(unit->At());
        if (hex == nullptr) {
            auto fresh = std::make_unique<TVelHex>(db);
            fresh->X = unit->X;
            fresh->Y = unit->Y;
            fresh->Confirmed = true;
            fresh->SetTerrainName("Plain");
            fresh->Wages = 14;
            fresh->MaxWages = 100000;
            fresh->TaxBase = 5000;
            fresh->Peasants.AddNew("HELF", 0, 10000);
            fresh->ForSale.AddNew("HELF", 58, 400);
            fresh->Wanted.AddNew("SWOR", 160, 500);
            hex = db.HexesOf(Level::Surface).AddOrMerge(std::move(fresh));
        }
        TVelUnit* added = db.Units.AddOrReplace(std::move(unit));
        hex->Units.AddUnique(added);
        db.OwnUnits.AddUnique(added);
    }
}

}  // namespace hexwarden
