// The month of a small faction: rules the game A turns do not reach, with results worked out from
// the turn rules, and orders that could make the run crash, hang or grow without bound.
#include <gtest/gtest.h>

#include <map>
#include <tuple>

#include "model/database.h"
#include "model/building.h"
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

    // A unit at (4,y) in the open, the faction's unless another is given.
    TVelUnit& AddUnit(int32_t number, const char* race, int32_t men, int32_t silver, int32_t faction = 3, int32_t y = 4) {
        TVelUnit* unit = db.Units.AddOrReplace(testing::MakeUnit(db, number, faction, 4, y));
        unit->Troops.AddTroops(race, men);
        unit->Items.AddNew("SILV", 0, silver);
        testing::PlaceInHex(db, *unit);
        if (faction == 3) db.OwnUnits.AddUnique(unit);
        return *unit;
    }

    TurnResult Run(const std::string& units, RuleSet rules = RuleSet::Standard) {
        TurnPreview preview(db, {rules});
        preview.SetOrders("#veldoria 3\n" + units + "#end\n");
        return preview.Run();
    }

    static std::vector<int32_t> Numbers(const TurnResult& result) {
        std::vector<int32_t> numbers;
        for (const UnitState& unit : result.units) numbers.push_back(unit.number);
        return numbers;
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
    AddUnit(12, "LEAD", 1, 500).Skills.AddOrReplace(std::make_unique<TVelSkill>("COMB", 2, 90));
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

TEST_F(SmallFaction, TradesLeaveTheMarketsWhatTheUnitsDidNotTake) {
    // 10 sells 5 of its 8 grain into a market wanting 20; 11 buys 3 of 4 horses and a plainsman
    // at the unlimited market. A market nobody trades in is not listed.
    TVelHex& hex = *db.FindHex(Place{4, 4, Level::Surface});
    hex.Wanted.AddNew("GRAI", 12, 20);
    hex.ForSale.AddNew("HORS", 20, 4);
    hex.ForSale.AddNew("PLAI", 10, -1);
    hex.ForSale.AddNew("IRON", 50, 9);
    db.Units.FindByNumber(10)->Items.AddNew("GRAI", 0, 8);
    const TurnResult result = Run("unit 10\nsell 5 grai\nunit 11\nbuy 3 hors\nbuy 1 plai\n");
    ASSERT_EQ(result.markets.size(), 3u);
    const MarketTrade& grain = result.markets[0];
    EXPECT_EQ(std::tie(grain.code, grain.wanted, grain.price, grain.before, grain.traded), std::make_tuple("GRAI", true, 12, 20, 5));
    const MarketTrade& horses = result.markets[1];
    EXPECT_EQ(std::tie(horses.code, horses.wanted, horses.before, horses.traded), std::make_tuple("HORS", false, 4, 3));
    EXPECT_TRUE(result.markets[2].unlimited);
    EXPECT_EQ(Unit(result, 11).items.Count("HORS"), 3);
}

TEST_F(SmallFaction, RunningOneUnitsRegionsAgainGivesWhatAWholeRunGives) {
    TVelHex& hex = *db.FindHex(Place{4, 4, Level::Surface});
    hex.Wanted.AddNew("GRAI", 12, 20);
    hex.ForSale.AddNew("HORS", 20, 4);
    db.Units.FindByNumber(10)->Items.AddNew("GRAI", 0, 8);
    AddUnit(12, "PLAI", 5, 100, 3, 2);
    std::map<int32_t, std::string> orders = {{10, "sell 5 grai"}, {11, "buy 3 hors"}, {12, "work"}};
    const auto summary = [](const TurnResult& result) {
        std::string text;
        for (const UnitState& unit : result.units) {
            text += std::to_string(unit.number) + "@" + std::to_string(unit.place.Y) + ":";
            for (const auto& [code, count] : unit.items) text += " " + code + "=" + std::to_string(count);
            text += "\n";
        }
        for (const MarketTrade& trade : result.markets) text += trade.code + " " + std::to_string(trade.traded) + "\n";
        for (const TurnProblem& problem : result.problems) text += std::to_string(problem.unit) + " " + problem.message + "\n";
        return text;
    };
    TurnPreview typing(db, {});
    for (const auto& [unit, text] : orders) typing.SetUnitOrders(unit, text);
    typing.Run();
    for (const auto& [unit, text] : std::vector<std::pair<int32_t, std::string>>{
             {12, "move s"}, {10, "move n\nsell 2 grai"}, {11, "buy 5 hors"}, {12, "work"}}) {
        orders[unit] = text;
        typing.SetUnitOrders(unit, text);
        TurnPreview whole(db, {});
        for (const auto& [number, typed] : orders) whole.SetUnitOrders(number, typed);
        EXPECT_EQ(summary(typing.Run()), summary(whole.Run())) << "after unit " << unit << " typed " << text;
    }
}

TEST_F(SmallFaction, AMoveDownAShaftEndsTheRouteThereAndOutsideOneEndsTheMove) {
    testing::PlaceInStructure(db, *db.Units.FindByNumber(10), 1, "Shaft");
    const TurnResult result = Run("unit 10\nmove in\nunit 11\nmove in n\n");
    const UnitState& down = Unit(result, 10);
    EXPECT_TRUE(down.down_shaft);
    EXPECT_FALSE(down.certain);
    EXPECT_EQ(down.route, (std::vector<Place>{{4, 4, Level::Surface}}));
    EXPECT_TRUE(down.stop_reason.empty());
    const UnitState& stays = Unit(result, 11);
    EXPECT_FALSE(stays.down_shaft);
    EXPECT_EQ(stays.place, (Place{4, 4, Level::Surface}));
    ASSERT_FALSE(result.problems.empty());
    EXPECT_EQ(result.problems.back().message, "MOVE: Can't move IN there.");
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

TEST_F(SmallFaction, OwnersPromoteBeforeTheyEvictAndJoiningUnitsGoInLast) {
    // Tower 1 holds 12, its owner, then 13. Unit 11 enters; every PROMOTE runs before every EVICT,
    // so 13 owns the tower when 12's EVICT comes, which fails, and 13 evicts 12. Later 10 joins 13
    // and goes in last.
    testing::PlaceInStructure(db, AddUnit(12, "LEAD", 1, 100), 1, "Tower");
    testing::PlaceInStructure(db, AddUnit(13, "LEAD", 1, 100), 1, "Tower");
    const TurnResult result =
        Run("unit 10\njoin 13\nunit 11\nenter 1\nunit 12\npromote 13\nevict 11\nunit 13\nevict 12\n");
    EXPECT_EQ(Numbers(result), (std::vector<int32_t>{12, 13, 11, 10}));
    EXPECT_EQ(Unit(result, 12).structure, 0);
    for (int32_t inside : {13, 11, 10}) EXPECT_EQ(Unit(result, inside).structure, 1);
    ASSERT_EQ(result.problems.size(), 1u);
    EXPECT_EQ(result.problems[0].line, 8);
    EXPECT_EQ(result.problems[0].message, "EVICT: Must be owner.");
    for (const UnitState& unit : result.units) EXPECT_TRUE(unit.certain);
}

TEST_F(SmallFaction, ThousandsOfPromotionsAndEvictionsCountOnce) {
    // 11 owns the tower, listed before 12. Only its last PROMOTE counts: 12 owns the tower when
    // the evictions come, and they all fail with one error.
    testing::PlaceInStructure(db, *db.Units.FindByNumber(11), 1, "Tower");
    testing::PlaceInStructure(db, AddUnit(12, "LEAD", 1, 100), 1, "Tower");
    std::string orders = "unit 11\n";
    for (int i = 0; i < 100000; ++i) orders += "evict 12\npromote 12\n";
    const TurnResult result = Run(orders);
    EXPECT_EQ(Numbers(result), (std::vector<int32_t>{10, 12, 11}));
    EXPECT_EQ(Unit(result, 12).structure, 1);
    ASSERT_EQ(result.problems.size(), 1u);
    EXPECT_EQ(result.problems[0].line, 3);
    EXPECT_EQ(result.problems[0].message, "EVICT: Must be owner.");
}

TEST_F(SmallFaction, BuildersShareTheWorkAndTheStone) {
    // Fort 1 stands finished. 12 (5 ice dwarves, building 1, 3 stone) starts a tower: number 2,
    // the lowest free. 11 (building 1, 10 stone, sharing) helps and goes in after 12, so 12 works
    // first: 5 points from its 3 stone and 2 of 11's; then 11 lays the last 5 of its own.
    // 10 cannot build a stockade without the skill; 13 has nothing unfinished to work on.
    TVelUnit& builders = AddUnit(12, "IDWA", 5, 100);
    builders.Skills.AddOrReplace(std::make_unique<TVelSkill>("BUIL", 1, 30));
    builders.Items.AddNew("STON", 0, 3);
    TVelUnit& helpers = *db.Units.FindByNumber(11);
    helpers.Skills.AddOrReplace(std::make_unique<TVelSkill>("BUIL", 1, 30));
    helpers.Items.AddNew("STON", 0, 10);
    TVelUnit& keeper = AddUnit(13, "LEAD", 1, 100);
    keeper.Skills.AddOrReplace(std::make_unique<TVelSkill>("BUIL", 1, 30));
    testing::PlaceInStructure(db, keeper, 1, "Fort");
    const TurnResult result =
        Run("unit 10\nbuild stockade\nunit 11\nshare 1\nbuild help 12\nunit 12\nbuild tower\nunit 13\nbuild\n");
    EXPECT_EQ(Numbers(result), (std::vector<int32_t>{10, 13, 12, 11}));
    EXPECT_EQ(Unit(result, 12).structure, 2);
    EXPECT_EQ(Unit(result, 11).structure, 2);
    EXPECT_EQ(Unit(result, 12).items.Count("STON"), 0);
    EXPECT_EQ(Unit(result, 11).items.Count("STON"), 3);
    EXPECT_EQ(Unit(result, 10).structure, 0);
    ASSERT_EQ(result.problems.size(), 2u);
    EXPECT_EQ(result.problems[0].message, "BUILD: Can't build Stockade.");
    EXPECT_EQ(result.problems[1].line, 10);
    EXPECT_EQ(result.problems[1].message, "BUILD: Unit is not in an unfinished structure.");
}

TEST_F(SmallFaction, DestroyingEmptiesTheStructureAndAForeignOwnerLeavesItUncertain) {
    // 12 owns tower 1 with 13 inside: in the standard rules DESTROY takes it down at once. Fort 2
    // is owned by unit 50 of faction 5, so 14's DESTROY depends on whether 50 leaves first.
    testing::PlaceInStructure(db, AddUnit(12, "LEAD", 1, 100), 1, "Tower");
    testing::PlaceInStructure(db, AddUnit(13, "LEAD", 1, 100), 1, "Tower");
    testing::PlaceInStructure(db, AddUnit(50, "LEAD", 1, 100, 5), 2, "Fort");
    testing::PlaceInStructure(db, AddUnit(14, "LEAD", 1, 100), 2, "Fort");
    const TurnResult result = Run("unit 12\ndestroy\nunit 14\ndestroy\n");
    EXPECT_EQ(Numbers(result), (std::vector<int32_t>{10, 11, 12, 13, 14}));
    EXPECT_EQ(Unit(result, 13).structure, 0);
    EXPECT_TRUE(Unit(result, 13).certain);
    EXPECT_EQ(Unit(result, 14).structure, 2);
    EXPECT_FALSE(Unit(result, 14).certain);
    ASSERT_EQ(result.problems.size(), 1u);
    EXPECT_EQ(result.problems[0].line, 5);
    EXPECT_EQ(result.problems[0].kind, ProblemKind::Uncertain);
    // In the new rules one leader knocks 1 point a month off the tower's 10: it stands.
    const TurnResult slow = Run("unit 12\ndestroy\n", RuleSet::New);
    EXPECT_EQ(Unit(slow, 12).structure, 1);
    EXPECT_EQ(Unit(slow, 13).structure, 1);
}

TEST_F(SmallFaction, PillagingTakesTwiceTheTaxFigureWhenTheMenCoverIt) {
    // Ten fighters cover a tax figure of 1000 (100 each) and take 2000; at 1500 they fall short.
    TVelHex& hex = *db.FindHex(Place{4, 4, Level::Surface});
    hex.Peasants.AddNew("PLAI", 0, 5000);
    db.Units.FindByNumber(10)->Skills.AddOrReplace(std::make_unique<TVelSkill>("COMB", 1, 30));
    hex.TaxBase = 1000;
    const TurnResult rich = Run("unit 10\npillage\n");
    EXPECT_EQ(Unit(rich, 10).items.Count("SILV"), 100 + 2000 - 100);
    EXPECT_TRUE(Unit(rich, 10).certain);
    EXPECT_TRUE(rich.problems.empty());
    hex.TaxBase = 1500;
    const TurnResult poor = Run("unit 10\npillage\n");
    EXPECT_EQ(Unit(poor, 10).items.Count("SILV"), 0);
    ASSERT_EQ(poor.problems.size(), 1u);
    EXPECT_EQ(poor.problems[0].message, "PILLAGE: Not enough men to pillage: 10 can, 15 are needed.");
}

TEST_F(SmallFaction, CastingWithdrawingAndQuitting) {
    // 10 is no mage; 12 casts, which the preview cannot foresee. 11 withdraws 2 iron for 150 of the
    // 1000 unclaimed, cannot pay 3000 for 20 swords, and withdraws a fur at a price the database
    // does not know. A QUIT leaves every unit uncertain: the password decides.
    AddUnit(12, "LEAD", 1, 100).Skills.AddOrReplace(std::make_unique<TVelSkill>("FIRE", 1, 30));
    const TurnResult result =
        Run("quit secret\nunit 10\ncast fire\nunit 11\nwithdraw 2 iron\nwithdraw 20 swor\nwithdraw fur\nwithdraw 5 silv\nunit 12\n"
            "cast fire\n");
    EXPECT_EQ(Unit(result, 11).items.Count("IRON"), 2);
    EXPECT_EQ(Unit(result, 11).items.Count("FUR"), 1);
    EXPECT_EQ(Unit(result, 11).items.Count("SILV"), 0);  // silver is withdrawn never; 100 went on upkeep
    EXPECT_EQ(result.unclaimed, 850);
    for (const UnitState& unit : result.units) EXPECT_FALSE(unit.certain);
    std::vector<std::pair<int32_t, ProblemKind>> problems;
    for (const TurnProblem& problem : result.problems) problems.emplace_back(problem.line, problem.kind);
    EXPECT_EQ(problems, (std::vector<std::pair<int32_t, ProblemKind>>{{2, ProblemKind::Uncertain},
                                                                       {4, ProblemKind::Error},
                                                                       {7, ProblemKind::Error},
                                                                       {8, ProblemKind::Uncertain},
                                                                       {11, ProblemKind::Uncertain}}));
    EXPECT_EQ(result.problems[1].message, "CAST: Unit is not a mage.");
    EXPECT_EQ(result.problems[2].message, "WITHDRAW: Too little unclaimed silver to withdraw 20 swords [SWOR].");
}

TEST_F(SmallFaction, AFleetSailsWithEveryoneAboard) {
    // Longship 100 at the coast of (4,4), ocean to the south. Four vikings at sailing 1 make the
    // crew of 4 it needs; with 4 + 7 points a step it enters one ocean hex (8 points) in step 1 and
    // the next in step 3. The leader aboard goes with it and its MOVE is dropped; 10 is on no ship.
    // 11's shipwrights put their 4 wood into a longship, unfinished: the database keeps no such ship.
    // 14's eleven men (110) would bring the load aboard (50) past the longship's 150.
    for (int y : {6, 8}) db.HexesOf(Level::Surface).AddOrMerge(testing::MakeHex(db, 4, y))->SetTerrainName("Ocean");
    TVelUnit& sailors = AddUnit(12, "VIKI", 4, 100);
    sailors.Skills.AddOrReplace(std::make_unique<TVelSkill>("SAIL", 1, 30));
    testing::PlaceInStructure(db, sailors, 100, "Longship");
    testing::PlaceInStructure(db, AddUnit(13, "LEAD", 1, 100), 100, "Longship");
    TVelUnit& shipwrights = *db.Units.FindByNumber(11);
    shipwrights.Skills.AddOrReplace(std::make_unique<TVelSkill>("SHIP", 1, 30));
    shipwrights.Items.AddNew("WOOD", 0, 4);
    AddUnit(14, "PLAI", 11, 200);
    const std::string orders =
        "unit 10\nsail s\nunit 12\nsail s s\nunit 13\nmove n\nunit 11\nbuild longship\nunit 14\njoin 12 nooverload\n";
    const TurnResult result = Run(orders);
    const std::vector<Place> route{{4, 4, Level::Surface}, {4, 6, Level::Surface}, {4, 8, Level::Surface}};
    for (int32_t aboard : {12, 13}) {
        EXPECT_EQ(Unit(result, aboard).route, route);
        EXPECT_EQ(Unit(result, aboard).structure, 100);
        EXPECT_TRUE(Unit(result, aboard).certain);
    }
    EXPECT_EQ(Unit(result, 11).items.Count("WOOD"), 0);
    EXPECT_FALSE(Unit(result, 11).certain);
    EXPECT_EQ(Unit(result, 14).structure, 0);
    ASSERT_EQ(result.problems.size(), 3u);
    EXPECT_EQ(result.problems[0].message, "SAIL: Must be on a ship.");
    EXPECT_EQ(result.problems[1].line, 7);
    EXPECT_EQ(result.problems[2].message, "JOIN: Fleet 100 would be overloaded.");
    // Three sailors are one short.
    sailors.Troops.AddTroops("VIKI", -1);
    const TurnResult short_handed = Run(orders);
    EXPECT_EQ(Unit(short_handed, 12).route.size(), 1u);
    EXPECT_EQ(short_handed.problems[1].message, "SAIL: Not enough sailors.");
}

TEST_F(SmallFaction, InTheNewRulesAFleetLeavesLandOnlyNearTheWayItCame) {
    // From the ocean at (4,6) the longship lands on the coast at (4,4); it came north, so it may
    // leave south, south-east or south-west, not north-east, though the ocean lies there too.
    for (auto [x, y] : {std::pair{4, 6}, {5, 3}}) db.HexesOf(Level::Surface).AddOrMerge(testing::MakeHex(db, x, y))->SetTerrainName("Ocean");
    TVelUnit& sailors = AddUnit(12, "HUMA", 4, 100, 3, 6);
    sailors.Skills.AddOrReplace(std::make_unique<TVelSkill>("SAIL", 1, 30));
    testing::PlaceInStructure(db, sailors, 100, "Longship");
    const TurnResult result = Run("unit 12\nsail n ne\n", RuleSet::New);
    EXPECT_EQ(Unit(result, 12).route, (std::vector<Place>{{4, 6, Level::Surface}, {4, 4, Level::Surface}}));
    ASSERT_EQ(result.problems.size(), 1u);
    EXPECT_EQ(result.problems[0].message, "SAIL: Can't sail northeast from land.");
}

}  // namespace
}  // namespace hexwarden
