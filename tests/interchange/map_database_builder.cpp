#include "tests/interchange/map_database_builder.h"

#include <memory>

#include "tests/support/database_builder.h"

namespace hexwarden::testing {

TVelHex& AddHex(TVelMain& main, int32_t x, int32_t y, Level level, int32_t turn, bool confirmed) {
    auto hex = MakeHex(main, x, y, confirmed, turn, level);
    hex->Terrain = 255;
    hex->Province = -1;
    return *main.HexesOf(level).AddOrMerge(std::move(hex));
}

TVelUnit& AddUnit(TVelMain& main, TVelHex& hex, int32_t number, const std::string& name, TVelBuilding* inside) {
    auto unit = std::make_unique<TVelUnit>(main);
    unit->Number = number;
    unit->Name = name;
    unit->X = hex.X;
    unit->Y = hex.Y;
    unit->Where = hex.Where;
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
