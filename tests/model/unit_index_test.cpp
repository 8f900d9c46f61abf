#include "model/unit_index.h"

#include <gtest/gtest.h>

#include "model/database.h"
#include "tests/support/database_builder.h"

namespace hexwarden {
namespace {

using testing::MakeHex;
using testing::MakeUnit;
using testing::PlaceInHex;

constexpr int32_t kOwn = 7;
constexpr int32_t kOther = 12;

class UnitIndex : public ::testing::Test {
protected:
    UnitIndex() { db.FactionNumber = kOwn; }

    // A unit as a report of the given turn shows it, placed in its hex.
    TVelUnit* Import(int32_t number, int32_t faction, int32_t x, int32_t y, int32_t turn) {
        auto unit = MakeUnit(db, number, faction, x, y, turn);
        PlaceInHex(db, *unit);
        return db.Units.AddOrReplace(std::move(unit));
    }

    TVelMain db;
};

TEST_F(UnitIndex, ALaterTurnRecordsWhereTheUnitWasBefore) {
    Import(100, kOwn, 2, 2, 5);
    TVelUnit* unit = Import(100, kOwn, 4, 2, 6);
    EXPECT_EQ(unit->LastX, 2);
    EXPECT_EQ(unit->LastY, 2);
    EXPECT_EQ(unit->LastWhere, Level::Surface);
    ASSERT_EQ(unit->PositionHistory.Count(), 2);
    EXPECT_EQ(unit->PositionHistory.Get(0)->Turn, 5);
    EXPECT_EQ(unit->PositionHistory.Get(1)->Turn, 6);
    EXPECT_EQ(unit->PositionHistory.Owner, unit);
    EXPECT_EQ(db.Units.Count(), 1);
    // It left the hex it stood in.
    EXPECT_EQ(db.FindHex({2, 2, Level::Surface})->Units.Count(), 0);
    EXPECT_EQ(db.FindHex({4, 2, Level::Surface})->Units.Get(0), unit);
}

TEST_F(UnitIndex, TheSameTurnTwiceKeepsThePreviousPositionAndTheFirstHistoryEntry) {
    Import(100, kOwn, 2, 2, 5);
    TVelUnit* turn6 = Import(100, kOwn, 4, 2, 6);
    TVelUnit* again = Import(100, kOwn, 6, 2, 6);
    EXPECT_NE(again, turn6);
    EXPECT_EQ(again->LastX, 2);
    EXPECT_EQ(again->X, 6);
    ASSERT_EQ(again->PositionHistory.Count(), 2);
    EXPECT_EQ(again->PositionHistory.Get(1)->X, 4);
}

TEST_F(UnitIndex, AFactionOnceSeenSurvivesUnlessItWasOurOwn) {
    Import(100, kOther, 2, 2, 5);
    auto hidden = MakeUnit(db, 100, 0, 2, 2, 6);
    TVelUnit* unit = db.Units.AddOrReplace(std::move(hidden));
    EXPECT_EQ(unit->Faction, kOther);
    EXPECT_TRUE(unit->FactionConfirmed);

    Import(200, kOwn, 2, 2, 5);
    TVelUnit* own_hidden = db.Units.AddOrReplace(MakeUnit(db, 200, 0, 2, 2, 6));
    EXPECT_EQ(own_hidden->Faction, 0);
    EXPECT_FALSE(own_hidden->FactionConfirmed);
}

TEST_F(UnitIndex, NotesAndOrdersSurviveEveryImport) {
    TVelUnit* unit = Import(100, kOther, 2, 2, 5);
    unit->Notes = "spy";
    unit->Orders = "study FORC\r\nwork";
    for (int turn = 6; turn < 9; ++turn) unit = Import(100, kOther, 2, 2, turn);
    EXPECT_EQ(unit->Notes, "spy");
    EXPECT_EQ(unit->Orders, "study FORC\r\nwork");
    EXPECT_EQ(db.Units.Count(), 1);
    EXPECT_EQ(db.FindHex({2, 2, Level::Surface})->Units.Count(), 1);
}

TEST_F(UnitIndex, OnlyNewOwnUnitsAreListedAsNew) {
    TVelUnit* own = Import(100, kOwn, 2, 2, 5);
    Import(101, kOther, 2, 2, 5);
    ASSERT_EQ(db.NewUnits.Count(), 1);
    EXPECT_EQ(db.NewUnits.Get(0), own);
    db.LostUnits.AddOrReplace(MakeUnit(db, 102, kOwn, 2, 2, 5));  // only the database's Units lists new units
    EXPECT_EQ(db.NewUnits.Count(), 1);
}

// Lists that named a replaced record must name the new one: reading them afterwards would
// otherwise touch freed memory (the sanitizer run catches that).
TEST_F(UnitIndex, ReplacingAUnitRedirectsEveryListThatNamedIt) {
    TVelUnit* own = Import(100, kOwn, 2, 2, 5);
    db.OwnUnits.AddUnique(own);
    auto building = std::make_unique<TVelBuilding>(db);
    building->Number = 1;
    building->Units.AddUnique(own);
    TVelHex& far_hex = *db.OverworldHexes.AddOrMerge(MakeHex(db, 8, 8));
    far_hex.Structures.AddOrReplace(std::move(building));
    TVelUnitList watching(db);  // for example an open unit window
    watching.AddUnique(own);

    // Another faction's report of the same turn shows our unit elsewhere and without faction.
    auto seen = MakeUnit(db, 100, 0, 4, 2, 5);
    seen->Name = "seen by an ally";
    TVelUnit* replacement = db.Units.AddOrReplace(std::move(seen));

    for (const TVelUnitList* list : {&db.OwnUnits, &db.NewUnits, &watching, &far_hex.Structures.Get(0)->Units}) {
        ASSERT_EQ(list->Count(), 1);
        EXPECT_EQ(list->Get(0), replacement);
        EXPECT_EQ(list->Get(0)->Name, "seen by an ally");
    }
    EXPECT_EQ(db.FindHex({2, 2, Level::Surface})->Units.Count(), 0);  // taken out of its location first
    EXPECT_EQ(replacement->Faction, 0);
}

TEST_F(UnitIndex, ReplacingIntoAListThatAlreadyNamesTheNewRecordLeavesItOnce) {
    TVelUnit* old_record = Import(100, kOwn, 2, 2, 5);
    db.OwnUnits.AddUnique(old_record);
    auto fresh = MakeUnit(db, 100, kOwn, 2, 2, 6);
    db.OwnUnits.AddUnique(fresh.get());
    TVelUnit* stored = db.Units.AddOrReplace(std::move(fresh));
    ASSERT_EQ(db.OwnUnits.Count(), 1);
    EXPECT_EQ(db.OwnUnits.Get(0), stored);
}

TEST_F(UnitIndex, FreedUnitsLeaveEveryListAndFreedListsLeaveTheirUnits) {
    TVelUnit* own = Import(100, kOwn, 2, 2, 5);
    {
        TVelUnitList temporary(db);
        temporary.AddUnique(own);
    }
    db.FindLostUnits(kOwn, db.OwnUnits);
    EXPECT_EQ(db.NewUnits.Get(0), own);  // lost, but still alive in LostUnits
    db.LostUnits.Clear();
    EXPECT_EQ(db.NewUnits.Count(), 0);
    EXPECT_EQ(db.Units.Count(), 0);
}

// Only a damaged file names one unit from many places; it must work the same way.
TEST_F(UnitIndex, AUnitNamedByManyListsIsStillReplacedAndFreedEverywhere) {
    TVelUnit* unit = db.Units.AddOrReplace(MakeUnit(db, 100, kOther, 0, 0));
    std::vector<std::unique_ptr<TVelUnitList>> lists;
    for (int i = 0; i < 40; ++i) {
        lists.push_back(std::make_unique<TVelUnitList>(db));
        lists.back()->AddByNumber(100);
        lists.back()->AddByNumber(100);
    }
    lists.erase(lists.begin() + 10, lists.begin() + 30);
    TVelUnit* replacement = db.Units.AddOrReplace(MakeUnit(db, 100, kOther, 0, 0, 2));
    EXPECT_NE(replacement, unit);
    for (const auto& list : lists) {
        ASSERT_EQ(list->Count(), 1);
        EXPECT_EQ(list->Get(0), replacement);
    }
    std::unique_ptr<TVelUnit> extracted = db.Units.Extract(replacement);
    extracted.reset();
    for (const auto& list : lists) EXPECT_EQ(list->Count(), 0);
}

TEST_F(UnitIndex, FindLostUnitsMovesOwnUnitsTheReportNoLongerShows) {
    TVelUnit* stays = Import(100, kOwn, 2, 2, 5);
    TVelUnit* inside = Import(101, kOwn, 4, 4, 5);
    Import(102, kOther, 2, 2, 5);
    TVelUnit* gone = Import(103, kOwn, 2, 2, 5);
    TVelHex& hex = *db.FindHex({4, 4, Level::Surface});
    hex.Units.RemoveByNumber(101);
    auto building = std::make_unique<TVelBuilding>(db);
    building->Units.AddUnique(inside);
    hex.Structures.AddOrReplace(std::move(building));
    db.LostUnits.AddOrReplace(MakeUnit(db, 999, kOwn, 0, 0, 4));  // from the previous import

    db.NewUnits.Clear();
    db.OwnUnits.AddUnique(stays);
    db.FindLostUnits(kOwn, db.OwnUnits);

    ASSERT_EQ(db.LostUnits.Count(), 2);
    EXPECT_EQ(db.LostUnits.Get(0), inside);
    EXPECT_EQ(db.LostUnits.Get(1), gone);
    EXPECT_EQ(db.LostUnits.FindByNumber(999), nullptr);
    EXPECT_EQ(db.Units.Count(), 2);
    EXPECT_EQ(db.Units.FindByNumber(101), nullptr);
    EXPECT_EQ(db.Units.FindByNumber(103), nullptr);
    EXPECT_EQ(db.Units.FindByNumber(102)->Number, 102);
    EXPECT_EQ(db.FindHex({2, 2, Level::Surface})->Units.FindByNumber(103), nullptr);
    EXPECT_EQ(hex.Structures.Get(0)->Units.Count(), 0);
    EXPECT_EQ(db.NewUnits.Count(), 0);
    EXPECT_EQ(db.Units.Get(1)->Number, 102);  // the rest keep their order

    // A returning unit starts afresh.
    gone->Notes = "lost notes";
    db.LostUnits.Clear();
    TVelUnit* back = Import(103, kOwn, 2, 2, 6);
    EXPECT_EQ(back->Notes, "");
    EXPECT_EQ(db.NewUnits.Get(0), back);
}

TEST_F(UnitIndex, RepeatedNumbersFromAFileResolveToTheFirstRecordThroughEveryChange) {
    TVelUnit* first = db.Units.Append(MakeUnit(db, 5, kOther, 0, 0));
    TVelUnit* second = db.Units.Append(MakeUnit(db, 5, kOwn, 2, 0));
    TVelUnit* third = db.Units.Append(MakeUnit(db, 5, kOwn, 4, 0));
    EXPECT_EQ(db.Units.FindByNumber(5), first);

    TVelUnit* replaced = db.Units.AddOrReplace(MakeUnit(db, 5, kOther, 0, 0, 2));
    EXPECT_EQ(db.Units.Get(0), replaced);
    EXPECT_EQ(db.Units.FindByNumber(5), replaced);

    std::unique_ptr<TVelUnit> taken = db.Units.Extract(replaced);
    EXPECT_EQ(db.Units.FindByNumber(5), second);
    EXPECT_EQ(db.Units.Extract(replaced), nullptr);  // no longer there
    EXPECT_EQ(db.Units.Extract(third)->Number, 5);
    EXPECT_EQ(db.Units.FindByNumber(5), second);
    EXPECT_EQ(db.Units.Extract(second)->Number, 5);
    EXPECT_EQ(db.Units.FindByNumber(5), nullptr);
    EXPECT_EQ(db.Units.Count(), 0);
}

TEST_F(UnitIndex, LostUnitsAreFoundThroughTheFirstRecordOfTheirNumber) {
    // Units holds a foreign record and an own record of one number (a damaged file); the
    // faction's units resolve through the first record, which is the one that is lost.
    TVelUnit* foreign = db.Units.Append(MakeUnit(db, 9, kOther, 0, 0));
    db.Units.Append(MakeUnit(db, 8, kOwn, 0, 0));
    db.Units.Append(MakeUnit(db, 9, kOwn, 0, 0));
    db.FindLostUnits(kOwn, db.OwnUnits);
    ASSERT_EQ(db.LostUnits.Count(), 2);
    EXPECT_EQ(db.LostUnits.Get(0)->Number, 8);
    EXPECT_EQ(db.LostUnits.Get(1), foreign);
    EXPECT_EQ(db.Units.FindByNumber(9)->Faction, kOwn);
}

TEST_F(UnitIndex, FilterMatchesFactionPlaceAndLevel) {
    db.Units.AddOrReplace(MakeUnit(db, 1, kOwn, 2, 2, 1, Level::Surface));
    db.Units.AddOrReplace(MakeUnit(db, 2, kOwn, 2, 2, 1, Level::Underworld));
    db.Units.AddOrReplace(MakeUnit(db, 3, kOther, 2, 4, 1, Level::Surface));
    db.Units.AddOrReplace(MakeUnit(db, 4, kOther, 2, 2, 1, Level::Nexus));
    TVelUnitList result(db);
    result.AddByNumber(3);
    const auto numbers = [&result] {
        std::vector<int32_t> list;
        for (const TVelUnit* unit : result) list.push_back(unit->Number);
        return list;
    };
    db.Units.Filter(result, kOwn, -1, -1, std::nullopt);
    EXPECT_EQ(numbers(), (std::vector<int32_t>{1, 2}));
    db.Units.Filter(result, -1, 2, 2, Level::Underworld);
    EXPECT_EQ(numbers(), (std::vector<int32_t>{2}));
    db.Units.Filter(result, -1, 2, -1, Level::Surface);
    EXPECT_EQ(numbers(), (std::vector<int32_t>{1, 3}));
    db.Units.Filter(result, -1, 2, 2, Level::Nexus);
    EXPECT_EQ(numbers(), (std::vector<int32_t>{4}));
    db.UnitsOfFaction(kOther, result);
    EXPECT_EQ(numbers(), (std::vector<int32_t>{3, 4}));
}

TEST_F(UnitIndex, ReferenceListsAddEachUnitOnceAndOnlyKnownNumbers) {
    TVelUnit* unit = Import(100, kOwn, 2, 2, 5);
    TVelUnitList list(db);
    list.AddByNumber(555);
    list.AddUnique(nullptr);
    EXPECT_EQ(list.Count(), 0);
    list.AddByNumber(100);
    list.AddUnique(unit);
    EXPECT_EQ(list.Count(), 1);
    EXPECT_FALSE(list.RemoveByNumber(555));
    EXPECT_TRUE(list.RemoveByNumber(100));
    EXPECT_EQ(list.Get(0), nullptr);
    EXPECT_EQ(list.Get(-1), nullptr);
}

TEST_F(UnitIndex, OnMapMeansWithinItsLevelsExtent) {
    db.OverworldHexes.AddOrMerge(MakeHex(db, 10, 6));
    TVelUnit* corner = db.Units.AddOrReplace(MakeUnit(db, 1, kOwn, 10, 6));
    EXPECT_TRUE(corner->IsOnMap());
    corner->X = 11;
    EXPECT_FALSE(corner->IsOnMap());
    corner->X = -1;
    EXPECT_FALSE(corner->IsOnMap());
    corner->X = 0;
    corner->Where = Level::Underworld;
    EXPECT_FALSE(corner->IsOnMap());
    corner->Y = 0;
    EXPECT_TRUE(corner->IsOnMap());  // the empty underworld's extent is (0, 0)
    EXPECT_TRUE(corner->IsOwn());
}

}  // namespace
}  // namespace hexwarden
