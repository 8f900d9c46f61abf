#include "model/database.h"

#include <gtest/gtest.h>

#include "tests/support/database_builder.h"

namespace hexwarden {
namespace {

TEST(Database, FactionTypesAreNamedWithExactCase) {
    TVelMain db;
    db.SetFactionType("War", {3, 1, 4});
    db.SetFactionType("Magic", {1, 0, 2});
    db.SetFactionType("war", {9, 9, 9});
    db.SetFactionType("Piracy", {9, 9, 9});
    EXPECT_EQ(db.GetFactionType("War"), (TFactionTypeEntry{3, 1, 4}));
    EXPECT_EQ(db.GetFactionType("Trade"), TFactionTypeEntry{});
    EXPECT_EQ(db.GetFactionType("Magic"), (TFactionTypeEntry{1, 0, 2}));
    EXPECT_EQ(db.GetFactionType("war"), TFactionTypeEntry{});
    EXPECT_EQ(db.GetFactionType("Piracy"), TFactionTypeEntry{});
}

TEST(Database, CreatingLeavesTheDefaultAttitudeAtZeroAndClearingSetsNeutral) {
    TVelMain db;
    EXPECT_EQ(db.DefaultAttitude, 0);
    EXPECT_EQ(db.Terrains.Count(), 8);
    EXPECT_EQ(db.Races.Count(), 17);
    EXPECT_EQ(db.ItemTypes.Count(), 1);

    db.FactionNumber = 7;
    db.FactionName = "Us";
    db.Turn = 30;
    db.War = {1, 2, 3};
    db.UnclaimedSilver = 500;
    db.FileVersion = kFileVersion101;
    db.Markers.Add(std::make_unique<TVelMapMarker>("x", Place{1, 1, Level::Surface}));
    db.Factions.AddOrRename("Them", 8);
    TVelUnit* unit = db.Units.AddOrReplace(testing::MakeUnit(db, 1, 7, 2, 2));
    testing::PlaceInHex(db, *unit);
    db.OwnUnits.AddUnique(unit);
    db.Clear();

    EXPECT_EQ(db.DefaultAttitude, 3);
    EXPECT_EQ(db.FactionNumber, 0);
    EXPECT_EQ(db.FactionName, "");
    EXPECT_EQ(db.Turn, 0);
    EXPECT_EQ(db.War, TFactionTypeEntry{});
    EXPECT_EQ(db.UnclaimedSilver, 0);
    EXPECT_EQ(db.FileVersion, kFileVersion101);  // left as it was
    EXPECT_EQ(db.Markers.Count(), 0);
    EXPECT_EQ(db.Factions.FindByNumber(8), nullptr);
    EXPECT_EQ(db.Units.FindByNumber(1), nullptr);
    EXPECT_EQ(db.OwnUnits.Count(), 0);
    EXPECT_EQ(db.NewUnits.Count(), 0);
    EXPECT_EQ(db.OverworldHexes.HexCount(), 0);
}

}  // namespace
}  // namespace hexwarden
