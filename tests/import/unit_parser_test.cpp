#include "import/unit_parser.h"

#include <gtest/gtest.h>

#include "platform/error.h"
#include "tests/import/report_text.h"

namespace hexwarden {
namespace {

using testing::MakeReport;
using testing::ReportImport;
using testing::ReportParts;
using testing::TownRegion;

class UnitEntry : public ::testing::Test {
protected:
    void ImportUnits(std::string_view units, std::string date = "March, Year 2") {
        ReportParts parts;
        parts.date = std::move(date);
        parts.regions = TownRegion(2, 2, units);
        import.Import(MakeReport(parts));
    }
    const TVelUnit& Unit(int32_t number) const {
        const TVelUnit* unit = import.database.Units.FindByNumber(number);
        if (unit == nullptr) throw std::runtime_error("unit " + std::to_string(number) + " not imported");
        return *unit;
    }
    ReportImport import;
};

TEST_F(UnitEntry, FactionGroups) {
    ImportUnits("* Scout (100), Testers (7), leader [LEAD].\n* Hidden (101), leader [LEAD].\n- Rider (501), Ravens of Ash (31), leader [LEAD].");
    EXPECT_EQ(Unit(100).Faction, 7);
    EXPECT_EQ(Unit(101).Faction, -1);
    EXPECT_FALSE(Unit(101).FactionConfirmed);
    ASSERT_EQ(import.database.OwnUnits.Count(), 1);
    EXPECT_EQ(import.database.Factions.FindByNumber(31)->Name, "Ravens of Ash");
    // A later sighting that hides the faction keeps the one known.
    ImportUnits("- Rider (501), leader [LEAD].", "April, Year 2");
    EXPECT_EQ(Unit(501).Faction, 31);
    EXPECT_TRUE(Unit(501).FactionConfirmed);
}

TEST_F(UnitEntry, FlagWordsAndPhrasesWithoutAFlag) {
    ImportUnits(
        "- Band (200), on guard, Raiders (5), avoiding, behind, revealing faction, holding,\n"
        "  receiving no aid, taxing, sharing, won't cross water, consuming unit's food, 10\n  nomads [NOMA], 5 swords [SWOR].\n"
        "- Spy (201), revealing unit, leader [LEAD].");
    EXPECT_EQ(Unit(200).Flags, 1 + 2 + 8 + 16 + 32 + 64 + 128);
    EXPECT_EQ(Unit(200).Faction, 5);
    EXPECT_EQ(Unit(200).Troops.FindByCode("NOMA")->Count, 10);
    EXPECT_EQ(Unit(200).Items.Get(0)->Count, 5);
    EXPECT_EQ(Unit(201).Flags, 4);
    for (const auto& record : import.database.Races) EXPECT_EQ(record->Plural.find(','), std::string::npos) << record->Plural;
}

TEST_F(UnitEntry, MenItemsIllusionsAndTheItemTypeQuestion) {
    import.question.answer = ItemTypeAnswer::Race;
    ImportUnits("- Rider (501), Ravens (31), 3 leaders [LEAD], 6 moon beetles [MBEE], 2 orcs [ORC] (illusion).\n"
                "- Beetle (403), moon beetle [MBEE].");
    // Illusory men are kept as marked goods, not as strength.
    EXPECT_EQ(Unit(501).Troops.Total(), 9);
    ASSERT_EQ(Unit(501).Items.Count(), 1);
    EXPECT_TRUE(Unit(501).Items.Get(0)->Illusion);
    EXPECT_EQ(Unit(501).Items.DisplayName(*Unit(501).Items.Get(0)), "Orcs (illusion)");
    EXPECT_EQ(import.database.Races.FindByCode("MBEE")->Name, "Moon beetle");
    EXPECT_EQ(import.database.Races.FindByCode("MBEE")->Plural, "Moon beetles");
    // The game's own table places what no report described (swords, wolves) whatever the answer
    // would be; once the list has reached an item, an unknown code after it is an item unasked.
    import.question.answer = ItemTypeAnswer::Item;
    ImportUnits("- Rider (501), Ravens (31), 5 moon beetles [MBEE], 14 swords [SWOR], dragon's tusk [DTUS] (illusion), 2\n"
                "  lances [LANC] at $40.\n- Smith (502), 3 nomads [NOMA], 2 glass eyes [GEYE], 2 wolves [WOLF], silver [SILV].",
                "April, Year 2");
    EXPECT_EQ(import.question.asked, (std::vector<std::string>{"moon beetles [MBEE]", "glass eyes [GEYE]"}));
    const TVelUnit& rider = Unit(501);
    EXPECT_EQ(rider.Troops.FindByCode("MBEE")->Count, 5);
    ASSERT_EQ(rider.Items.Count(), 3);
    EXPECT_EQ(rider.Items.DisplayName(*rider.Items.Get(0)), "Swords");
    EXPECT_TRUE(rider.Items.Get(1)->Illusion);
    EXPECT_EQ(rider.Items.Get(2)->Price, 40);
    EXPECT_EQ(Unit(502).Troops.Total(), 5);
    EXPECT_EQ(Unit(502).Items.Count(), 2);
    EXPECT_EQ(import.database.Races.FindByCode("WOLF")->Plural, "Wolves");
    EXPECT_EQ(import.database.Races.FindByCode("SWOR"), nullptr);
    EXPECT_THROW(ImportUnits("- Trader (201), leader [LEAD] at $lots.", "April, Year 2"), ConversionError);
}

TEST_F(UnitEntry, SentencesAfterTheListIncludingOnesWithoutAField) {
    ImportUnits(
        "* King (140), Testers (7), revealing faction, leader [LEAD], 7249 silver\n"
        "  [SILV]. Weight: 10. Capacity: 0/0/15/0. Upkeep: $20. Skills: pattern [PATT] 1\n"
        "  (30), force [FORC] 2 (90). Combat\n  spell: fire [FIRE]. Can Study: fire [FIRE], farsight [FARS]. Ready item: none; Lord of\n"
        "  the realm.\n* Hand (141), Testers (7), leader [LEAD]. Skills: none.\n");
    const TVelUnit& king = Unit(140);
    ASSERT_EQ(king.Skills.Count(), 2);
    EXPECT_EQ(king.Skills.Get(1)->Level, 2);
    EXPECT_EQ(king.Skills.Get(1)->Days, 90);
    EXPECT_EQ(king.CombatSpell, "FIRE");
    ASSERT_EQ(king.CanStudy.Count(), 2);
    EXPECT_EQ(king.CanStudy.Get(1)->Level, 0);
    EXPECT_EQ(king.Description, "Lord of the realm.");
    EXPECT_EQ(king.Silver(), 7249);
    EXPECT_EQ(import.database.SkillTypes.FindByCode("FARS")->Name, "Farsight");
    EXPECT_EQ(Unit(141).Skills.Count(), 0);
}

TEST_F(UnitEntry, EntriesEndAtBlankLinesAndEntryMarks) {
    ImportUnits(
        "* Scout (100), Testers (7), leader [LEAD]. Skills: none.\n\n- Stray (300), leader [LEAD]; Wanders about\n"
        "  aimlessly.\n- Next (301), leader [LEAD].\n");
    EXPECT_EQ(import.database.FindHex({2, 2, Level::Surface})->Units.Count(), 3);
    EXPECT_EQ(Unit(300).Description, "Wanders about aimlessly.");
    EXPECT_EQ(Unit(301).Description, "");
}

TEST_F(UnitEntry, BracketsInNamesAndPhrases) {
    ImportUnits(
        "- Bob (the tall one) (12), Raiders (5), leader [LEAD].\n- Bob (scout) (13), Raiders (5), leader [LEAD].\n"
        "- Odd (200), Raiders (5), marching (fast), 10 nomads [NOMA].");
    EXPECT_EQ(Unit(12).Name, "Bob(the tall one)");
    // A single bracketed word passes for the number.
    EXPECT_EQ(Unit(0).Name, "Bob");
    EXPECT_EQ(Unit(0).Faction, 5);
    // A phrase with a bracket of its own is cut off the first item, which keeps its count.
    EXPECT_EQ(Unit(200).Troops.Total(), 10);
    EXPECT_TRUE(import.log.Contains("Passing unit text not understood: marching (fast)"));
}

}  // namespace
}  // namespace hexwarden
