#include "tests/interchange/map_database_builder.h"

#include <memory>

#include "platform/number_text.h"

namespace hexwarden::testing {

TVelHex& AddHex(TVelMain& main, int32_t x, int32_t y, bool overworld, int32_t turn, bool confirmed) {
    auto hex = std::make_unique<TVelHex>(main);
    hex->X = x;
    hex->Y = y;
    hex->Overworld = overworld;
    hex->Turn = turn;
    hex->Confirmed = confirmed;
    hex->Terrain = 255;
    hex->Province = -1;
    return *main.HexesOf(overworld).AddOrMerge(std::move(hex));
}

TVelHex& AddFullHex(TVelMain& main, int32_t x, int32_t y, bool overworld, int32_t seed) {
    TVelHex& hex = AddHex(main, x, y, overworld, 10 + seed, seed % 3 != 0);
    hex.SetTerrainName(seed % 2 ? "Forest" : "Plain");
    hex.Province = main.Provinces.AddOrUpdate("vale " + IntToStr(seed % 4), "", 0, "vale " + IntToStr(seed % 4));
    hex.Peasants.AddNew(seed % 2 ? "VIKI" : "HELF", 0, 1000 + seed);
    hex.TaxBase = 300 * seed;
    hex.Wages = 12 + seed;
    hex.MaxWages = 4000 + seed;
    hex.Entertainment = 50 + seed;
    hex.SettlementSize = static_cast<uint8_t>(seed % 4);
    hex.SettlementName = hex.SettlementSize ? "Harbour " + IntToStr(seed) : "";
    hex.ForSale.AddNew("SWOR", 120, 5);
    hex.ForSale.Add(std::make_unique<TVelItem>("IRON", 30 + seed, -1, seed % 2 == 1));
    hex.Wanted.AddNew("GRAI", 18, 40 + seed);
    hex.Products.AddNew("WOOD", 0, 10 + seed);
    hex.Gate = seed % 3 ? seed : -1;
    return hex;
}

TVelUnit& AddUnit(TVelMain& main, TVelHex& hex, int32_t number, const std::string& name, TVelBuilding* inside) {
    auto unit = std::make_unique<TVelUnit>(main);
    unit->Number = number;
    unit->Name = name;
    unit->X = hex.X;
    unit->Y = hex.Y;
    unit->Overworld = hex.Overworld;
    unit->Inside = inside ? inside->Number : 0;
    TVelUnit* stored = main.Units.AddOrReplace(std::move(unit));
    (inside ? inside->Units : hex.Units).AddUnique(stored);
    return *stored;
}

TVelBuilding& AddStructure(TVelMain& main, TVelHex& hex, int32_t number, const std::string& name) {
    auto building = std::make_unique<TVelBuilding>(main);
    building->Number = number;
    building->Name = name;
    return *hex.Structures.AddOrReplace(std::move(building));
}

}  // namespace hexwarden::testing
