#include "tests/support/database_builder.h"

#include "model/building.h"
#include "model/hex.h"
#include "model/level_codes.h"
#include "model/unit.h"
#include "platform/file_stream.h"

namespace hexwarden::testing {

std::unique_ptr<TVelHex> MakeHex(TVelMain& db, int32_t x, int32_t y, bool confirmed, int32_t turn, Level level) {
    auto hex = std::make_unique<TVelHex>(db);
    hex->X = x;
    hex->Y = y;
    hex->Confirmed = confirmed;
    hex->Turn = turn;
    hex->Where = level;
    return hex;
}

std::unique_ptr<TVelUnit> MakeUnit(TVelMain& db, int32_t number, int32_t faction, int32_t x, int32_t y, int32_t turn,
                                   Level level) {
    auto unit = std::make_unique<TVelUnit>(db);
    unit->Number = number;
    unit->Faction = faction;
    unit->FactionConfirmed = faction != 0;
    unit->X = x;
    unit->Y = y;
    unit->Turn = turn;
    unit->Where = level;
    unit->PositionHistory.AddPosition(unit->At(), turn);
    return unit;
}

TVelHex& PlaceInHex(TVelMain& db, TVelUnit& unit) {
    TVelHex* hex = db.FindHex(unit.At());
    if (hex == nullptr) hex = db.HexesOf(unit.Where).AddOrMerge(MakeHex(db, unit.X, unit.Y, true, unit.Turn, unit.Where));
    hex->Units.AddUnique(&unit);
    return *hex;
}

void BuildSmallFaction(TVelMain& db) {
    db.Clear();
    db.FactionNumber = 3;
    db.UnclaimedSilver = 1000;
    db.Turn = 2;
    for (auto [x, y] : {std::pair{4, 4}, {4, 2}}) db.HexesOf(Level::Surface).AddOrMerge(MakeHex(db, x, y))->SetTerrainName("Plain");
    for (int32_t number : {10, 11}) {
        TVelUnit* unit = db.Units.AddOrReplace(MakeUnit(db, number, 3, 4, 4));
        unit->Troops.AddTroops("PLAI", 10);
        unit->Items.AddNew("SILV", 0, 100);
        PlaceInHex(db, *unit);
        db.OwnUnits.AddUnique(unit);
    }
}

TVelBuilding& PlaceInStructure(TVelMain& db, TVelUnit& unit, int32_t number, const std::string& kind, int32_t needs) {
    TVelHex& hex = PlaceInHex(db, unit);
    hex.Units.RemoveByNumber(unit.Number);
    TVelBuilding* building = hex.Structures.FindByNumber(number);
    if (building == nullptr) {
        auto made = std::make_unique<TVelBuilding>(db);
        made->Number = number;
        made->Kind = kind;
        made->Needs = needs;
        building = hex.Structures.AddOrReplace(std::move(made));
    }
    building->Units.AddUnique(&unit);
    unit.Inside = number;
    return *building;
}

std::string DatabaseBytes(const TVelMain& db) {
    TVelFileStream stream;
    db.SaveToStream(stream);
    return stream.Bytes();
}

}  // namespace hexwarden::testing
