// The month of a small faction: rules the game A turns do not reach, with results worked out from
// the turn rules, and orders that could make the run crash, hang or grow without bound.
#include <gtest/gtest.h>

#include "model/database.h"
#include "model/hex.h"
#include "model/unit.h"
#include "tests/support/database_builder.h"
#include "turn/turn_preview.h"

namespace hexwarden {
namespace {

// Units 10 and 11 of faction 3 in a plain at (4,4) with a plain to the north; 100 silver each,
// 10 plainsmen each. Nothing else is known. The orders run in April: clear weather everywhere.
class SmallFaction : public ::testing::Test {
protected:
    SmallFaction() { testing::BuildSmallFaction(db); }

    TurnResult Run(const std::string& units) {
        TurnPreview preview(db, {});
        preview.SetOrders("#veldoria 3\n" + units + "#end\n");
        return preview.Run();
    }

    static const UnitState& Unit(const TurnResult& result, int32_t number) {
        for (const UnitState& unit : result.units)
            if (unit.number == number) return unit;
        throw std::runtime_error("no unit " + std::to_string(number));
    }

    TVelMain db;
};

TEST_F(SmallFaction, TeachingAndCraftingWithTools) {
    // A leader with combat 2 teaches the ten studying combat: 300 days for 10 men, 30 each on top
    // of their own 30. Ten weaponsmiths with two hammers could make 12 swords; 5 iron make 5.
    TVelUnit* teacher = db.Units.AddOrReplace(testing::MakeUnit(db, 12, 3, 4, 4));
    teacher->Troops.AddTroops("LEAD", 1);
    teacher->Items.AddNew("SILV", 0, 500);
    teacher->Skills.AddOrReplace(std::make_unique<TVelSkill>("COMB", 2, 90));
    testing::PlaceInHex(db, *teacher);
    db.OwnUnits.AddUnique(teacher);
    TVelUnit& smiths = *db.Units.FindByNumber(11);
    smiths.Skills.AddOrReplace(std::make_unique<TVelSkill>("WEAP", 1, 30));
    smiths.Items.AddNew("IRON", 0, 5);
    smiths.Items.AddNew("HAMM", 0, 2);

    const TurnResult result = Run("unit 10\nstudy COMB\nunit 11\nproduce SWOR\nunit 12\nteach 10\n");
    const UnitState& students = Unit(result, 10);
    ASSERT_NE(students.Skill("COMB"), nullptr);
    EXPECT_EQ(students.Skill("COMB")->days, 60);
    EXPECT_EQ(students.Skill("COMB")->level, 1);
    EXPECT_EQ(Unit(result, 11).items.Count("SWOR"), 5);
    EXPECT_EQ(Unit(result, 11).items.Count("IRON"), 0);
    // The students paid 100 for study and borrow their upkeep from the teacher, last in position.
    EXPECT_EQ(students.items.Count("SILV"), 0);
    EXPECT_EQ(Unit(result, 12).items.Count("SILV"), 500 - 20 - 100);
    EXPECT_TRUE(result.problems.empty());
}

TEST_F(SmallFaction, GiveCyclesRunOnceInPositionOrder) {
    // 10 gives all to 11 first; then 11 gives all it has, 200, back. Amounts past 32 bits are no
    // number at all (the order checker reports them); the largest number finds nothing left. At
    // the month's end 11 borrows its upkeep from 10.
    const TurnResult result = Run("unit 10\ngive 11 all silv\ngive 11 99999999999 silv\nidle\nunit 11\n"
                                  "give 10 all silv\ngive 10 2147483647 silv\nidle\n");
    EXPECT_EQ(Unit(result, 10).items.Count("SILV"), 0);
    EXPECT_EQ(Unit(result, 11).items.Count("SILV"), 0);
    ASSERT_EQ(result.problems.size(), 1u);
    EXPECT_EQ(result.problems[0].line, 8);
    EXPECT_EQ(result.problems[0].message, "GIVE: Not enough.");
}

TEST_F(SmallFaction, ASecondUnitBlockDropsTheFirstMonthLongOrder) {
    // The first block's STUDY is dropped, its GIVE kept.
    const TurnResult result = Run("unit 10\nstudy COMB\ngive 11 5 PLAI\nunit 11\nidle\nunit 10\nidle\n");
    EXPECT_EQ(Unit(result, 10).Skill("COMB"), nullptr);
    EXPECT_EQ(Unit(result, 10).men.Count("PLAI"), 5);
    EXPECT_EQ(Unit(result, 11).men.Count("PLAI"), 15);
}

TEST_F(SmallFaction, AThousandStepMoveStopsAfterTheMonth) {
    std::string steps;
    for (int i = 0; i < 1000; ++i) steps += i % 2 ? " S" : " N";
    const TurnResult result = Run("unit 10\nmove" + steps + "\n");
    // Walking plains in clear weather: two hexes, north and back south.
    EXPECT_EQ(Unit(result, 10).route.size(), 3u);
    ASSERT_EQ(result.problems.size(), 1u);
    EXPECT_NE(result.problems[0].message.find("remaining moves queued"), std::string::npos);
}

TEST_F(SmallFaction, TenThousandFormsAndFiveMegabytes) {
    std::string text = "unit 10\n";
    for (int alias = 1; alias <= 10000; ++alias)
        text += "form " + std::to_string(alias) + "\nclaim 1\nend\ngive new " + std::to_string(alias) + " 1 silv\n";
    while (text.size() < 5'000'000) text += "give 11 1 silv\n";
    const TurnResult result = Run(text);
    // Each new unit got silver but no men: it is removed and its silver passes on.
    EXPECT_EQ(result.units.size(), 2u);
    EXPECT_EQ(result.unclaimed, 0);
    EXPECT_GE(result.problems.size(), 10000u);
}

}  // namespace
}  // namespace hexwarden
