#pragma once

#include <memory>
#include <tuple>

#include "model/database.h"
#include "model/hex.h"
#include "model/unit.h"

namespace hexwarden::fuzzing {

// Faction 3's units 1 (a leader) and 2 (ten plainsmen) and faction 9's unit 3 in a plain with
// wages, markets and grain, an ocean to the north and a forest to the south: enough for the order
// checker's database warnings and for a month's run to reach every phase.
inline const TVelMain& SmallGame() {
    static TVelMain* db = [] {
        auto* made = new TVelMain;
        made->Clear();
        made->FactionNumber = 3;
        made->UnclaimedSilver = 500;
        for (auto [x, y, terrain] : {std::tuple{2, 2, "Plain"}, {2, 0, "Ocean"}, {2, 4, "Forest"}}) {
            auto hex = std::make_unique<TVelHex>(*made);
            hex->X = x;
            hex->Y = y;
            hex->SetTerrainName(terrain);
            hex->Wages = 12;
            hex->MaxWages = 300;
            hex->TaxBase = 400;
            hex->Peasants.AddNew("PLAI", 0, 1000);
            hex->ForSale.AddNew("PLAI", 48, 20);
            hex->ForSale.AddNew("HORS", 70, -1);
            hex->Wanted.AddNew("SWOR", 150, 5);
            hex->Products.AddNew("GRAI", 0, 30);
            made->HexesOf(Level::Surface).AddOrMerge(std::move(hex));
        }
        for (int32_t number : {1, 2, 3}) {
            auto unit = std::make_unique<TVelUnit>(*made);
            unit->Number = number;
            unit->Faction = number == 3 ? 9 : 3;
            unit->X = unit->Y = 2;
            unit->Troops.AddTroops(number == 1 ? "LEAD" : "PLAI", number == 1 ? 1 : 10);
            unit->Items.AddNew("SWOR", 0, 5);
            unit->Items.AddNew("SILV", 0, 100);
            unit->Skills.AddOrReplace(std::make_unique<TVelSkill>("FARM", 1, 30));
            TVelUnit* added = made->Units.AddOrReplace(std::move(unit));
            made->FindHex({2, 2, Level::Surface})->Units.AddUnique(added);
            if (number != 3) made->OwnUnits.AddUnique(added);
        }
        return made;
    }();
    return *db;
}

}  // namespace hexwarden::fuzzing
