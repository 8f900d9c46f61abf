#include "model/faction.h"

#include <gtest/gtest.h>

#include "model/building.h"
#include "model/database.h"
#include "tests/support/database_builder.h"

namespace hexwarden {
namespace {

TEST(Factions, AddOrRenameRenamesKnownNumbersAndAppendsNewOnes) {
    TVelFactionList factions;
    factions.AddOrRename("Iron Hand", 12)->Attitude = 4;
    TVelFaction* renamed = factions.AddOrRename("Iron Fist", 12);
    EXPECT_EQ(renamed->Name, "Iron Fist");
    EXPECT_EQ(renamed->Attitude, 4);
    TVelFaction* added = factions.AddOrRename("Sea Folk", 3);
    EXPECT_EQ(added->Attitude, 0);
    EXPECT_EQ(factions.Count(), 2);
    EXPECT_EQ(factions.IndexOfNumber(3), 1);
    EXPECT_EQ(factions.IndexOfNumber(4), -1);
    EXPECT_EQ(factions.FindByNumber(99), nullptr);

    // A renumbered faction is found by its new number, first match kept.
    factions.AddOrRename("Late", 5);
    factions.SetNumber(0, 5);
    EXPECT_EQ(factions.FindByNumber(5)->Name, "Iron Fist");
    EXPECT_EQ(factions.FindByNumber(12), nullptr);
    factions.SetNumber(2, 12);
    EXPECT_EQ(factions.FindByNumber(5)->Name, "Iron Fist");
    EXPECT_EQ(factions.FindByNumber(12)->Name, "Late");
}

TEST(Factions, MergeTakesTheAttitudeOnlyWhenAsked) {
    TVelFactionList factions;
    auto first = std::make_unique<TVelFaction>(12, "Iron Hand");
    first->Attitude = 1;
    first->Email = "iron@example.org";
    factions.Merge(std::move(first), true);
    auto update = std::make_unique<TVelFaction>(12, "Iron Fist");
    update->Attitude = 5;
    TVelFaction* merged = factions.Merge(std::move(update), false);
    EXPECT_EQ(merged->Name, "Iron Fist");
    EXPECT_EQ(merged->Attitude, 1);
    EXPECT_EQ(merged->Email, "iron@example.org");
    update = std::make_unique<TVelFaction>(12, "Iron Fist");
    update->Attitude = 5;
    EXPECT_EQ(factions.Merge(std::move(update), true)->Attitude, 5);
    EXPECT_EQ(factions.Count(), 1);
}

TEST(Factions, AttitudeNamesMatchWithExactCase) {
    EXPECT_EQ(AttitudeIndex("Ally"), 5);
    EXPECT_EQ(AttitudeIndex("Hostile"), 1);
    EXPECT_EQ(AttitudeIndex("ally"), 0);
    EXPECT_EQ(AttitudeIndex("Enemy"), 0);
    EXPECT_EQ(AttitudeName(3), "Neutral");
    EXPECT_EQ(AttitudeName(6), "");
    EXPECT_EQ(AttitudeName(-1), "");
}

TEST(Factions, FormatFactionStyles) {
    const TVelFaction iron(12, "Iron Hand");
    const TVelFaction unknown(0, "Stranger");
    const auto format = TVelFactionList::FormatFaction;
    EXPECT_EQ(format(iron, 5), "[12] Iron Hand");
    EXPECT_EQ(format(unknown, 5), "[???] Stranger");
    EXPECT_EQ(format(unknown, 1), "[0] Stranger");
    EXPECT_EQ(format(iron, 3), "Iron Hand");
    EXPECT_EQ(format(iron, 48 + 1), "[12]");
    EXPECT_EQ(format(iron, 48 + 3), "");
    EXPECT_EQ(format(iron, 16 + 8 + 2), "Iron Hand, 12");
    EXPECT_EQ(format(iron, 0), "(12) Iron Hand");
    EXPECT_EQ(format(iron, 16), "Iron Hand (12)");
    EXPECT_EQ(format(iron, 32), "(12) Iron Hand");
}

TEST(Buildings, ReplacingKeepsThePlaceAndTheOwnerIsTheFirstUnit) {
    TVelMain db;
    TVelBuildingList structures(db);
    for (int32_t number : {1, 3, 5}) {
        auto building = std::make_unique<TVelBuilding>(db);
        building->Number = number;
        structures.AddOrReplace(std::move(building));
    }
    auto newer = std::make_unique<TVelBuilding>(db);
    newer->Number = 3;
    newer->Name = "Newer";
    TVelBuilding* stored = structures.AddOrReplace(std::move(newer));
    ASSERT_EQ(structures.Count(), 3);
    EXPECT_EQ(structures.Get(1), stored);
    EXPECT_EQ(structures.FindByNumber(3)->Name, "Newer");
    EXPECT_EQ(structures.Get(2)->Number, 5);

    EXPECT_EQ(stored->OwnerFaction(), -1);
    TVelUnit* owner = db.Units.AddOrReplace(testing::MakeUnit(db, 40, 12, 0, 0));
    TVelUnit* guest = db.Units.AddOrReplace(testing::MakeUnit(db, 41, 3, 0, 0));
    stored->Units.AddUnique(owner);
    stored->Units.AddUnique(guest);
    EXPECT_EQ(stored->OwnerFaction(), 12);
    EXPECT_TRUE(structures.HasFactionUnit(3));
    EXPECT_FALSE(structures.HasFactionUnit(4));
}

}  // namespace
}  // namespace hexwarden
