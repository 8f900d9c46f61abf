#include "import/unit_parser.h"

#include <gtest/gtest.h>

#include "import/veldoria_parser.h"
#include "platform/error.h"
#include "tests/import/report_text.h"

namespace hexwarden {
namespace {

using testing::MakeReport;
using testing::ReportImport;
using testing::ReportParts;
using testing::TownRegion;

// Imports one town region holding the given unit lines.
void ImportUnits(ReportImport& import, std::string_view units, std::string date = "March, Year 2") {
    ReportParts parts;
    parts.date = std::move(date);
    parts.regions = TownRegion(2, 2, units);
    import.Import(MakeReport(parts));
}

const TVelUnit& UnitNumber(const ReportImport& import, int32_t number) {
    const TVelUnit* unit = import.database.Units.FindByNumber(number);
    if (unit == nullptr) throw std::runtime_error("unit " + std::to_string(number) + " not imported");
    return *unit;
}

TEST(UnitEntry, OwnUnitsWithAndWithoutFaction) {
    ReportImport import;
    ImportUnits(import, "* Scout (100), Testers (7), leader [LEAD].\n* Hidden (101), leader [LEAD].");
    EXPECT_EQ(UnitNumber(import, 100).Faction, 7);
    EXPECT_TRUE(UnitNumber(import, 100).FactionConfirmed);
    EXPECT_EQ(UnitNumber(import, 101).Faction, -1);
    EXPECT_FALSE(UnitNumber(import, 101).FactionConfirmed);
    ASSERT_EQ(import.database.OwnUnits.Count(), 1);
    EXPECT_EQ(import.database.OwnUnits.Get(0)->Number, 100);
}

TEST(UnitEntry, ForeignFactionSurvivesASightingThatHidesIt) {
    ReportImport import;
    ImportUnits(import, "- Rider (501), Ravens of Ash (31), leader [LEAD].");
    EXPECT_EQ(import.database.Factions.FindByNumber(31)->Name, "Ravens of Ash");
    ImportUnits(import, "- Rider (501), leader [LEAD].", "April, Year 2");
    EXPECT_EQ(UnitNumber(import, 501).Faction, 31);
    EXPECT_TRUE(UnitNumber(import, 501).FactionConfirmed);
}

TEST(UnitEntry, FlagWordsAndPhrasesTheProgramHasNoFlagFor) {
    ReportImport import;
    ImportUnits(import,
                "- Band (200), on guard, Raiders (5), avoiding, behind, revealing faction, holding,\n"
                "  receiving no aid, taxing, sharing, won't cross water, consuming unit's food, 10\n"
                "  nomads [NOMA], 5 swords [SWOR].\n"
                "- Spy (201), revealing unit, leader [LEAD].");
    const TVelUnit& band = UnitNumber(import, 200);
    EXPECT_EQ(band.Flags, 1 + 2 + 8 + 16 + 32 + 64 + 128);
    EXPECT_EQ(band.Faction, 5);
    ASSERT_EQ(band.Troops.Count(), 1);
    EXPECT_EQ(band.Troops.Get(0)->Count, 10);
    EXPECT_EQ(band.Items.Get(0)->Count, 5);
    EXPECT_EQ(UnitNumber(import, 201).Flags, 4);
    for (const auto& record : import.database.Races) EXPECT_EQ(record->Plural.find(','), std::string::npos) << record->Plural;
}

TEST(UnitEntry, MenItemsAndIllusions) {
    ReportImport import;
    ImportUnits(import, "- Ash Rider (501), Ravens (31), 2 horses [HORS], 3 leaders [LEAD], longbow [LBOW] (illusion), orc\n  [ORC] (illusion).");
    const TVelUnit& rider = UnitNumber(import, 501);
    ASSERT_EQ(rider.Troops.Count(), 2);
    EXPECT_EQ(rider.Troops.Get(0)->Code, "LEAD");
    EXPECT_EQ(rider.Troops.Get(1)->Code, "ORC");
    ASSERT_EQ(rider.Items.Count(), 2);
    EXPECT_EQ(rider.Items.Get(0)->Code, "HORS");
    EXPECT_EQ(rider.Items.Get(0)->Count, 2);
    EXPECT_FALSE(rider.Items.Get(0)->Illusion);
    EXPECT_EQ(rider.Items.Get(1)->Code, "LBOW");
    EXPECT_TRUE(rider.Items.Get(1)->Illusion);
    EXPECT_EQ(import.question.asked, (std::vector<std::string>{"horses [HORS]", "longbow [LBOW]"}));
}

TEST(UnitEntry, TheItemTypeQuestionIsAskedOnceAndRemembered) {
    ReportImport import;
    import.question.answer = ItemTypeAnswer::Race;
    ImportUnits(import, "- Wolf pack (402), 6 wolves [WOLF].\n- Wolf (403), wolf [WOLF].");
    ImportUnits(import, "- Wolf pack (402), 5 wolves [WOLF].", "April, Year 2");
    EXPECT_EQ(import.question.asked, (std::vector<std::string>{"wolves [WOLF]"}));
    const TVelIndexRecord* wolf = import.database.Races.FindByCode("WOLF");
    ASSERT_NE(wolf, nullptr);
    EXPECT_EQ(wolf->Name, "Wolf");
    EXPECT_EQ(wolf->Plural, "Wolves");
    EXPECT_EQ(UnitNumber(import, 402).Troops.Total(), 5);
    EXPECT_EQ(import.database.ItemTypes.FindByCode("WOLF"), nullptr);
}

TEST(UnitEntry, SentencesAfterTheListIncludingOnesWithoutAField) {
    ReportImport import;
    ImportUnits(import,
                "* King (140), Testers (7), revealing faction, leader [LEAD], 7249 silver\n"
                "  [SILV]. Weight: 10. Capacity: 0/0/15/0. Upkeep: $20. Skills: pattern [PATT] 1\n"
                "  (30), force [FORC] 2 (90). Combat\n"
                "  spell: fire [FIRE]. Can Study: fire [FIRE], farsight [FARS]. Ready item: none; Lord of\n"
                "  the realm.\n"
                "* Hand (141), Testers (7), leader [LEAD]. Skills: none.\n");
    const TVelUnit& king = UnitNumber(import, 140);
    ASSERT_EQ(king.Skills.Count(), 2);
    EXPECT_EQ(king.Skills.Get(1)->Code, "FORC");
    EXPECT_EQ(king.Skills.Get(1)->Level, 2);
    EXPECT_EQ(king.Skills.Get(1)->Days, 90);
    EXPECT_EQ(king.CombatSpell, "FIRE");
    ASSERT_EQ(king.CanStudy.Count(), 2);
    EXPECT_EQ(king.CanStudy.Get(1)->Code, "FARS");
    EXPECT_EQ(king.CanStudy.Get(1)->Level, 0);
    EXPECT_EQ(king.Description, "Lord of the realm.");
    EXPECT_EQ(king.Items.Get(0)->Count, 7249);
    EXPECT_EQ(import.database.SkillTypes.FindByCode("FARS")->Name, "Farsight");
    EXPECT_EQ(UnitNumber(import, 141).Skills.Count(), 0);
    EXPECT_EQ(import.database.FindHex(2, 2, true)->Units.Count(), 2);
}

TEST(UnitEntry, EntriesEndAtBlankLinesAndEntryMarks) {
    ReportImport import;
    ReportParts parts;
    parts.regions = TownRegion(2, 2,
                               "* Scout (100), Testers (7), leader [LEAD]. Skills: none.\n"
                               "\n"
                               "- Stray (300), leader [LEAD]; Wanders about\n"
                               "  aimlessly.\n"
                               "- Next (301), leader [LEAD].\n") +
                    TownRegion(4, 4, "- Last (302), leader [LEAD].");
    import.Import(MakeReport(parts));
    EXPECT_EQ(import.database.FindHex(2, 2, true)->Units.Count(), 3);
    EXPECT_EQ(UnitNumber(import, 300).Description, "Wanders about aimlessly.");
    EXPECT_EQ(UnitNumber(import, 301).Description, "");
    EXPECT_EQ(UnitNumber(import, 302).X, 4);
}

TEST(UnitEntry, BracketsInsideNames) {
    ReportImport import;
    ImportUnits(import,
                "- Bob (the tall one) (12), Raiders (5), leader [LEAD].\n"
                "- Bob (scout) (13), Raiders (5), leader [LEAD].\n");
    EXPECT_EQ(UnitNumber(import, 12).Name, "Bob(the tall one)");
    // A single bracketed word passes for the number: the entry is read as unit 0.
    const TVelUnit& remark = UnitNumber(import, 0);
    EXPECT_EQ(remark.Name, "Bob");
    EXPECT_EQ(remark.Faction, 5);
    EXPECT_EQ(import.database.Units.FindByNumber(13), nullptr);
}

TEST(UnitEntry, StrictPriceAndTextTheGrammarCannotPlace) {
    ReportImport import;
    // A phrase with a bracket of its own cannot be told from the faction group; the part before the
    // last comma of the first item is then passed, keeping the item's own count.
    ImportUnits(import, "- Odd (200), Raiders (5), marching (fast), 10 nomads [NOMA].");
    EXPECT_EQ(UnitNumber(import, 200).Troops.Total(), 10);
    EXPECT_TRUE(import.log.Contains("Passing unit text not understood: marching (fast)"));

    ImportUnits(import, "- Trader (201), leader [LEAD], 2 swords [SWOR] at $40, horse [HORS].", "April, Year 2");
    const TVelUnit& trader = UnitNumber(import, 201);
    ASSERT_EQ(trader.Items.Count(), 2);
    EXPECT_EQ(trader.Items.Get(0)->Price, 40);
    EXPECT_EQ(trader.Items.Get(1)->Code, "HORS");

    ReportImport strict;
    EXPECT_THROW(ImportUnits(strict, "- Trader (201), leader [LEAD] at $lots."), ConversionError);
}

}  // namespace
}  // namespace hexwarden
