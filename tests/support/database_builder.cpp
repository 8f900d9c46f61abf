#include "tests/support/database_builder.h"

#include "model/level_codes.h"
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

std::string DatabaseBytes(const TVelMain& db) {
    TVelFileStream stream;
    db.SaveToStream(stream);
    return stream.Bytes();
}

}  // namespace hexwarden::testing
