// What the database adds: warnings for orders that the server reads but is likely to refuse when
// the turn runs, and the rule set its reports were written under.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "model/database.h"
#include "model/hex.h"
#include "model/unit.h"
#include "orders/orders_database.h"
#include "tests/orders/order_text.h"
#include "tests/support/database_builder.h"

namespace hexwarden {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using testing::Described;
using testing::MakeHex;
using testing::MakeUnit;
using testing::PlaceInHex;

// Faction 3 with units 10 and 11 at (4,4) in a structure-less plain, unit 20 of faction 5 there
// too, unit 21 at (6,6) and unit 22 at (4,4) of the underworld. North of (4,4) is plain, southeast
// ocean, the rest unknown.
class DatabaseWarnings : public ::testing::Test {
protected:
    DatabaseWarnings() {
        db.Clear();
        db.FactionNumber = 3;
        db.UnclaimedSilver = 500;
        for (auto [x, y, terrain] : {std::tuple{4, 4, "Plain"}, {4, 2, "Plain"}, {5, 5, "Ocean"}, {6, 6, "Plain"}}) {
            TVelHex* hex = db.HexesOf(Level::Surface).AddOrMerge(MakeHex(db, x, y));
            hex->SetTerrainName(terrain);
        }
        auto building = std::make_unique<TVelBuilding>(db);
        building->Number = 7;
        db.FindHex({4, 4, Level::Surface})->Structures.AddOrReplace(std::move(building));
        db.HexesOf(Level::Underworld).AddOrMerge(MakeHex(db, 4, 4, true, 1, Level::Underworld))->SetTerrainName("Tunnels");
        for (auto [number, faction, x, y, level] :
             {std::tuple{10, 3, 4, 4, Level::Surface}, {11, 3, 4, 4, Level::Surface}, {20, 5, 4, 4, Level::Surface},
              {21, 3, 6, 6, Level::Surface}, {22, 3, 4, 4, Level::Underworld}}) {
            TVelUnit* unit = db.Units.AddOrReplace(MakeUnit(db, number, faction, x, y, 1, level));
            PlaceInHex(db, *unit);
            if (faction == 3) db.OwnUnits.AddUnique(unit);
        }
        TVelUnit& ten = *db.Units.FindByNumber(10);
        ten.Items.AddNew("SWOR", 0, 5);
        ten.Troops.AddTroops("HELF", 3);
        ten.Skills.AddOrReplace(std::make_unique<TVelSkill>("COMB", 1, 30));
    }

    std::vector<std::string> Check(std::string_view unit_lines, int32_t unit = 10) {
        const std::string text = "#veldoria 3 \"pw\"\nunit " + std::to_string(unit) + "\n" + std::string(unit_lines) + "#end\n";
        auto problems = CheckOrdersFile(text, CheckOptions{}, &db);
        for (Problem& problem : problems) problem.line -= 2;
        return Described(problems);
    }

    TVelMain db;
};

TEST_F(DatabaseWarnings, UnitsThatAreNotOurs) {
    EXPECT_THAT(Check("work\nunit 20\nwork\nunit 99\nwork\n"),
                ElementsAre("2:6: warning: 20 is not your unit.", "4:6: warning: 99 is not your unit."));
    const auto header = Described(CheckOrdersFile("#veldoria 4 \"pw\"\n#end\n", CheckOptions{}, &db));
    EXPECT_THAT(header, ElementsAre("1:11: warning: Faction 4 is not the faction of the reports (3)."));
}

TEST_F(DatabaseWarnings, TargetsMustBeNearby) {
    // The same x and y on another level is another region.
    EXPECT_THAT(Check("give 20 1 SWOR\ngive 21 1 SWOR\ngive 99 1 SWOR\nteach 11 21\nexchange 22 1 SWOR 1 IRON\n"),
                ElementsAre("2:6: warning: GIVE: Unit 21 was not seen in the same region.",
                            "3:6: warning: GIVE: Unit 99 is not in the reports.",
                            "4:10: warning: TEACH: Unit 21 was not seen in the same region.",
                            "5:10: warning: EXCHANGE: Unit 22 was not seen in the same region."));
    EXPECT_THAT(Check("take from 20 1 SWOR\n"), ElementsAre("1:11: warning: TAKE: 20 is not a member of your faction."));
    EXPECT_THAT(Check("promote 11\n"), ElementsAre("1:9: warning: PROMOTE: Unit 11 is not in the same structure."));
    // A later month's targets may have come or gone.
    EXPECT_THAT(Check("turn\ngive 21 1 SWOR\nendturn\n"), IsEmpty());
}

TEST_F(DatabaseWarnings, GoodsTheUnitHas) {
    EXPECT_THAT(Check("give 11 5 SWOR\ngive 11 3 HELF\ngive 11 6 swords\ngive 11 1 XBOW\nsell 2 XBOW\nsell all XBOW\n"),
                ElementsAre("3:11: warning: GIVE: Not enough.", "4:11: warning: GIVE: Unit has no crossbows.",
                            "5:8: warning: SELL: Unit has no crossbows."));
    EXPECT_THAT(Check("claim 500\nclaim 501\n"), ElementsAre("2:7: warning: CLAIM: Don't have that much unclaimed silver."));
}

TEST_F(DatabaseWarnings, SkillsTheUnitHas) {
    EXPECT_THAT(Check("produce SWOR\n"), ElementsAre("1:9: warning: PRODUCE: Unit isn't skilled enough to produce sword."));
    EXPECT_THAT(Check("combat FIRE\nforget COMB\nforget RIDI\n"),
                ElementsAre("1:8: warning: COMBAT: Unit does not possess that skill.",
                            "3:8: warning: FORGET: Unit does not know that skill."));
    EXPECT_THAT(Check("cast FARS\n"), ElementsAre("1:6: warning: CAST 'farsight': Skill level isn't that high."));
}

TEST_F(DatabaseWarnings, StudyNeedsWhatTheReportsRequire) {
    TVelUnit& ten = *db.Units.FindByNumber(10);
    ten.CanStudy.AddOrReplace(std::make_unique<TVelSkill>("MHEA", 0, 0));
    ten.Skills.AddOrReplace(std::make_unique<TVelSkill>("FORC", 1, 60));
    ten.Skills.AddOrReplace(std::make_unique<TVelSkill>("FIRE", 1, 30));
    db.SkillTypes.AddOrUpdate("Fire", "A mage ... This skill requires force [FORC] 1 to begin to study.", 0, "FIRE");
    // Listed, a foundation, a further level of FORC: fine. FIRE 2 needs FORC 2; FARS is not listed.
    for (std::string_view fine : {"study MHEA\n", "study PATT\n", "study FORC\n"}) EXPECT_THAT(Check(fine), IsEmpty()) << fine;
    for (std::string_view blocked : {"study FIRE\n", "study FARS\n"}) {
        EXPECT_THAT(Check(blocked), ElementsAre("1:7: warning: STUDY: Doesn't have the pre-requisite skills to study that."))
            << blocked;
    }
    ten.Skills.AddOrReplace(std::make_unique<TVelSkill>("FORC", 2, 90));
    EXPECT_THAT(Check("study FIRE\n"), IsEmpty());
}

TEST_F(DatabaseWarnings, MovesAlongKnownRegions) {
    EXPECT_THAT(Check("move n s se\n"), ElementsAre("1:10: warning: MOVE: The region to the southeast is ocean."));
    EXPECT_THAT(Check("move sw n\n"), ElementsAre("1:6: warning: MOVE: No region is known to the southwest."));
    // Sailing goes over the ocean; directions chain over MOVE lines.
    EXPECT_THAT(Check("sail se\n"), IsEmpty());
    EXPECT_THAT(Check("move n\nmove n\n"), ElementsAre("2:6: warning: MOVE: No region is known to the north."));
    EXPECT_THAT(Check("move 7 out 8\n"), ElementsAre("1:12: warning: MOVE: Can't find object."));
    EXPECT_THAT(Check("build Tower\n"), IsEmpty());
}

TEST_F(DatabaseWarnings, LevelsShaftsAndTheWrappingMap) {
    TVelUnit* nexus = db.Units.AddOrReplace(MakeUnit(db, 24, 5, 4, 4, 1, Level::Nexus));
    PlaceInHex(db, *nexus);
    EXPECT_THAT(Check("give 24 1 SWOR\n"), ElementsAre("1:6: warning: GIVE: Unit 24 was not seen in the same region."));

    EXPECT_THAT(Check("move in\n"), ElementsAre("1:6: warning: MOVE: IN needs the unit inside a shaft first."));
    db.FindHex({4, 4, Level::Surface})->Structures.FindByNumber(7)->Kind = "Shaft";
    EXPECT_THAT(Check("advance 7 in n\n"), IsEmpty());  // where the shaft comes out is not known

    // The new rule set's map wraps: west of column 0 lies column 7 of an eight-column map.
    for (auto [x, y] : {std::pair{0, 2}, {7, 1}}) db.HexesOf(Level::Surface).AddOrMerge(MakeHex(db, x, y));
    TVelUnit* edge = db.Units.AddOrReplace(MakeUnit(db, 23, 3, 0, 2));
    db.OwnUnits.AddUnique(edge);
    const std::string orders = "#veldoria 3 \"pw\"\nunit 23\nmove nw\n#end\n";
    EXPECT_THAT(Described(CheckOrdersFile(orders, CheckOptions{RuleSet::New}, &db)), IsEmpty());
    EXPECT_THAT(Described(CheckOrdersFile(orders, CheckOptions{}, &db)),
                ElementsAre("3:6: warning: MOVE: No region is known to the northwest."));
}

TEST_F(DatabaseWarnings, AliasesAreLookedUpInTheRegion) {
    EXPECT_THAT(Check("form 1\nend\nunit 21\ngive new 1 all SWOR\nunit 11\nform 1\nend\n"),
                ElementsAre("4:6: warning: GIVE: No unit is formed as NEW 1 in this region.",
                            "6:6: warning: Alias multiply defined."));
    // The underworld below is another region: its aliases neither clash nor serve.
    EXPECT_THAT(Check("form 2\nend\nunit 22\nform 2\nend\ngive new 2 all SWOR\nform 3\nend\nunit 10\ngive new 3 1 SWOR\n"),
                ElementsAre("10:6: warning: GIVE: No unit is formed as NEW 3 in this region."));
}

TEST_F(DatabaseWarnings, OneUnitAtATime) {
    CheckOptions options;
    options.line_ends = LineEnds::Stored;
    EXPECT_THAT(Described(CheckUnitOrders("give 21 1 SWOR\r\nwork", 10, options, &db)),
                ElementsAre("1:6: warning: GIVE: Unit 21 was not seen in the same region."));
    // A unit the database does not know gets the syntax checks only.
    EXPECT_THAT(Described(CheckUnitOrders("give 21 9 SWOR\r\nstudy", 0, options, &db)),
                ElementsAre("2:6: error: STUDY: No skill given."));
}

TEST(RuleSetOfDatabase, FactionTypesThenCodes) {
    TVelMain db;
    db.Clear();
    EXPECT_EQ(RuleSetOf(db), RuleSet::Standard);
    // "Martial" gives War and Trade one level; codes of one rule set decide.
    db.War.Level = db.Trade.Level = 2;
    db.SkillTypes.AddOrUpdate("Quartermaster", "", 0, "QUAM");
    EXPECT_EQ(RuleSetOf(db), RuleSet::New);
    db.War.Level = 1;
    EXPECT_EQ(RuleSetOf(db), RuleSet::Standard);
}

}  // namespace
}  // namespace hexwarden
