// Orders of our own on game A's turn 4, each expectation worked out from the turn rules. The
// faction then has: Workers (152), 10 nomads, 186 silver, in the city at (28,10) (unlimited
// markets; City Guard there); Scout (164), one plainsman, at (29,11) (99 high elves for sale at
// $58, no one else there); King (140), a leader with four magic skills at 1, Ranchers (155), 10
// plainsmen with ranching 1 (30), and Workers (156), 10 plainsmen, sharing, at (28,12) (City
// Guard there). No unit has other silver; 2793 silver is unclaimed. The orders run in June:
// monsoon in the middle band, which holds all these rows. Units the orders do not name work.
#include <gtest/gtest.h>

#include "model/database.h"
#include "tests/support/fixtures.h"
#include "turn/turn_preview.h"

namespace hexwarden {
namespace {

class WrittenOrders : public ::testing::Test {
protected:
    void SetUp() override {
        auto fixtures = testing::FixturesDir();
        if (!fixtures || !std::filesystem::exists(testing::GameAReport(*fixtures, 4))) GTEST_SKIP() << "game A reports not found";
        database.Clear();
        for (int turn = 0; turn <= 4; ++turn) testing::ImportGameATurn(database, *fixtures, turn);
    }

    const TurnResult& Run(const std::string& units) {
        preview = std::make_unique<TurnPreview>(database, TurnOptions{rules});
        preview->SetOrders("#veldoria 3 \"pw\"\n" + units + "#end\n");
        return preview->Run();
    }

    static const UnitState& Unit(const TurnResult& result, int32_t number, int32_t alias = 0) {
        for (const UnitState& unit : result.units)
            if (unit.number == number && unit.alias == alias) return unit;
        throw std::runtime_error("no unit " + std::to_string(number) + " new " + std::to_string(alias));
    }

    static std::vector<std::string> Messages(const TurnResult& result) {
        std::vector<std::string> messages;
        for (const TurnProblem& problem : result.problems)
            messages.push_back(std::to_string(problem.line) + " " + ProblemKindWord(problem.kind) + ": " + problem.message);
        return messages;
    }

    TVelMain database;
    RuleSet rules = RuleSet::Standard;
    std::unique_ptr<TurnPreview> preview;
};

TEST_F(WrittenOrders, ClaimBuyStudyAndUpkeep) {
    // 500 claimed while the orders are read; 5 elves cost 290 and join the plainsman (races may
    // mix); 6 men study horse training for 60; 6 men eat 60.
    const TurnResult& result = Run("unit 164\nclaim 500\nbuy 5 HELF\nstudy HORS\n");
    const UnitState& scout = Unit(result, 164);
    EXPECT_TRUE(scout.certain) << scout.why_uncertain.front();
    EXPECT_EQ(scout.items.Count("SILV"), 90);
    EXPECT_EQ(scout.men.Count("PLAI"), 1);
    EXPECT_EQ(scout.men.Count("HELF"), 5);
    ASSERT_NE(scout.Skill("HORS"), nullptr);
    EXPECT_EQ(scout.Skill("HORS")->level, 1);
    EXPECT_EQ(scout.Skill("HORS")->days, 30);
    EXPECT_EQ(result.unclaimed, 2793 - 500);
}

TEST_F(WrittenOrders, FormedUnitGetsSilverBeforeItBuys) {
    // The gift comes before buying: 100 silver pays for one elf of two ($58 each), with an error.
    // Both work (one man earns the whole silver of $14.6) and pay 10 upkeep.
    const TurnResult& result = Run("unit 164\nclaim 150\ngive new 1 100 silv\nform 1\nbuy 2 HELF\nend\n");
    const UnitState& formed = Unit(result, 0, 1);
    EXPECT_EQ(formed.formed_by, 164);
    EXPECT_EQ(formed.men.Count("HELF"), 1);
    EXPECT_EQ(formed.items.Count("SILV"), 100 - 58 + 14 - 10);
    EXPECT_EQ(Unit(result, 164).items.Count("SILV"), 150 - 100 + 14 - 10);
    EXPECT_TRUE(formed.certain);
    EXPECT_EQ(Messages(result), std::vector<std::string>{"6 error: BUY: Unit attempted to buy more than it could afford."});
}

TEST_F(WrittenOrders, SkillsTravelWithMen) {
    // 5 of 10 men with 30 days join 10 who know nothing: 150 days over 15 men is 10 each; the
    // giver keeps 30. Nobody has silver: upkeep is claimed (50, 150 and the king's 20).
    const TurnResult& result = Run("unit 155\ngive 156 5 PLAI\nidle\nunit 156\nidle\nunit 140\nidle\n");
    const UnitState& giver = Unit(result, 155);
    const UnitState& taker = Unit(result, 156);
    EXPECT_EQ(giver.men.Count("PLAI"), 5);
    EXPECT_EQ(giver.Skill("RANC")->days, 30);
    EXPECT_EQ(giver.Skill("RANC")->level, 1);
    EXPECT_EQ(taker.men.Count("PLAI"), 15);
    EXPECT_EQ(taker.Skill("RANC")->days, 10);
    EXPECT_EQ(taker.Skill("RANC")->level, 0);
    EXPECT_TRUE(giver.certain && taker.certain);
    EXPECT_EQ(result.unclaimed, 2793 - 220);
}

TEST_F(WrittenOrders, RidersCrossTwoMonsoonPlains) {
    // Ten horses (750) make the workers riders: 600 weight against 700 riding capacity, speed 4.
    // A monsoon plain costs 16 points: entered at steps 3 and 7. The third step is queued.
    const TurnResult& result = Run("unit 152\nclaim 800\nbuy 10 HORS\nmove SE SE SE\n");
    const UnitState& riders = Unit(result, 152);
    EXPECT_EQ(riders.place, (Place{30, 12, Level::Surface}));
    EXPECT_EQ(riders.route, (std::vector<Place>{{28, 10, Level::Surface}, {29, 11, Level::Surface}, {30, 12, Level::Surface}}));
    EXPECT_EQ(riders.items.Count("HORS"), 10);
    EXPECT_EQ(riders.items.Count("SILV"), 186 + 800 - 750 - 100);  // moving units do not work
    EXPECT_TRUE(riders.certain);
    ASSERT_EQ(result.problems.size(), 1u);
    EXPECT_EQ(result.problems[0].line, 5);
    EXPECT_NE(result.problems[0].message.find("insufficient movement points"), std::string::npos);
}

TEST_F(WrittenOrders, WalkersEnterOneMonsoonPlain) {
    // On foot, speed 2: 7 + 5 x 2 = 17 points at step 5 pay for one plain at 16.
    const TurnResult& result = Run("unit 152\nmove SE SE\n");
    EXPECT_EQ(Unit(result, 152).place, (Place{29, 11, Level::Surface}));
}

TEST_F(WrittenOrders, StudyWithoutSilverFailsAndUpkeepIsBorrowed) {
    // Study is paid before wages come in; the king's upkeep is then borrowed from the ranchers,
    // first after him, who earned their wages working: nobody starves, nothing is claimed.
    const TurnResult& result = Run("unit 140\nstudy FIRE\n");
    EXPECT_EQ(Messages(result), std::vector<std::string>{"3 error: STUDY: Not enough funds to study fire [FIRE]."});
    EXPECT_EQ(Unit(result, 140).Skill("FIRE"), nullptr);
    EXPECT_EQ(result.unclaimed, 2793);
}

TEST_F(WrittenOrders, LeadersCostMoreUnderTheNewRules) {
    rules = RuleSet::New;
    const TurnResult& result = Run("unit 140\nidle\nunit 155\nidle\nunit 156\nidle\n");
    EXPECT_EQ(result.unclaimed, 2793 - 50 - 100 - 100);
}

TEST_F(WrittenOrders, ExchangeNeverCompletes) {
    const TurnResult& result = Run("unit 155\nexchange 156 5 PLAI 5 PLAI\nidle\nunit 156\nexchange 155 5 PLAI 5 PLAI\nidle\n");
    EXPECT_EQ(Messages(result),
              std::vector<std::string>{"6 error: EXCHANGE: target unit did not issue a matching exchange order."});
    EXPECT_EQ(Unit(result, 155).men.Count("PLAI"), 10);
}

}  // namespace
}  // namespace hexwarden
