#include "model/index_table.h"

#include <gtest/gtest.h>

#include "model/database.h"
#include "model/text_rules.h"

namespace hexwarden {
namespace {

std::vector<std::string> Names(const TVelIndexList& list) {
    std::vector<std::string> names;
    for (const auto& record : list) names.push_back(record->Name);
    return names;
}

TEST(IndexTables, ClearedDatabaseHoldsTheDefaultTables) {
    TVelMain db;
    db.Races.AddOrUpdate("goblin", "goblins", 0, "GOBL");
    db.SkillTypes.AddOrUpdate("mining", "", 0, "MINI");
    db.Clear();
    EXPECT_EQ(Names(db.Terrains), (std::vector<std::string>{"Plain", "Jungle", "Mountain", "Desert", "Swamp", "Forest",
                                                             "Ocean", "Tundra"}));
    EXPECT_EQ(db.Terrains.Get(0)->Code, "plain");
    EXPECT_EQ(db.Terrains.Get(6)->Value, 16711680);
    EXPECT_EQ(db.Races.Count(), 17);
    EXPECT_EQ(db.Races.Get(8)->Name, "Wood elf");
    EXPECT_EQ(db.Races.Get(8)->Plural, "Wood elves");
    EXPECT_EQ(db.Races.Get(16)->Code, "ORC");
    ASSERT_EQ(db.ItemTypes.Count(), 1);
    EXPECT_EQ(db.ItemTypes.Get(0)->Code, "SILV");
    EXPECT_EQ(db.SkillTypes.Count(), 0);
    EXPECT_EQ(db.FindHex({0, 0, Level::Surface}), nullptr);
    // Lookups were rebuilt, not left pointing at the old records.
    EXPECT_EQ(db.Races.FindByCode("GOBL"), nullptr);
    EXPECT_EQ(db.Races.FindByName("Orcs"), db.Races.Get(16));
}

TEST(IndexTables, NamesAreFoundThroughEitherFormWithExactCase) {
    TVelMain db;
    EXPECT_EQ(db.Races.FindByName("Leaders"), db.Races.Get(0));
    EXPECT_EQ(db.Races.FindByName("Leader"), db.Races.Get(0));
    EXPECT_EQ(db.Races.FindByName("leaders"), nullptr);
    EXPECT_EQ(db.Races.IndexOfName(""), -1);
    EXPECT_EQ(db.Races.IndexOfCode("lead"), -1);
    EXPECT_EQ(db.Races.IndexOfCode("NOMA"), 5);
}

TEST(IndexTables, KnownCodesKeepWhatTheyHaveAndOnlyFillInBlanks) {
    TVelMain db;
    TVelIndexList& races = db.Races;
    EXPECT_EQ(races.AddOrUpdate("nomad", "", 0, "NOMA"), 5);
    EXPECT_EQ(races.AddOrUpdate("wanderer", "wanderers", 77, "NOMA"), 5);
    EXPECT_EQ(races.Get(5)->Name, "Nomad");
    EXPECT_EQ(races.Get(5)->Plural, "Nomads");
    EXPECT_EQ(races.Get(5)->Value, 0);
    EXPECT_EQ(races.Count(), 17);

    EXPECT_EQ(races.AddOrUpdate("", "wolves", 5, "WOLF"), 17);
    EXPECT_EQ(races.Get(17)->Name, "");
    EXPECT_EQ(races.AddOrUpdate("  wolf ", "", 9, "WOLF"), 17);
    EXPECT_EQ(races.Get(17)->Name, "Wolf");
    EXPECT_EQ(races.Get(17)->Value, 5);
    EXPECT_EQ(races.FindByName("Wolf"), races.Get(17));  // a filled-in name is found too
}

TEST(IndexTables, FilledInNameThatALaterRecordAlreadyUsesFindsTheEarlierRecord) {
    TVelIndexList items;
    items.AddOrUpdate("", "swords", 0, "SWOR");
    items.AddOrUpdate("sword", "", 0, "SWO2");
    EXPECT_EQ(items.IndexOfName("Sword"), 1);
    items.AddOrUpdate("sword", "", 0, "SWOR");
    EXPECT_EQ(items.IndexOfName("Sword"), 0);
    // The first record no longer has a blank name; the second one still has a blank plural.
    EXPECT_EQ(items.FindByName(""), items.Get(1));
}

TEST(IndexTables, ChangedNamesAndCodesAreFoundByTheirNewTextOnly) {
    TVelIndexList skills;
    skills.AddOrUpdate("mining", "Old report.", 0, "MINI");
    skills.AddOrUpdate("quarrying", "Old report.", 0, "QUAR");
    skills.SetPlural(0, "New report.");
    EXPECT_EQ(skills.IndexOfName("New report."), 0);
    // The old text now names only the later record that still carries it.
    EXPECT_EQ(skills.IndexOfName("Old report."), 1);
    skills.SetPlural(1, "Other.");
    EXPECT_EQ(skills.IndexOfName("Old report."), -1);
    EXPECT_EQ(skills.IndexOfName("Mining"), 0);
    skills.SetPlural(5, "Nowhere.");
    EXPECT_EQ(skills.Count(), 2);

    // A renamed record is found by its new name; the old one falls to a later record that has it.
    skills.SetName(0, "Digging");
    EXPECT_EQ(skills.IndexOfName("Digging"), 0);
    EXPECT_EQ(skills.IndexOfName("Mining"), -1);
    skills.SetName(1, "New report.");
    skills.SetPlural(0, "Later.");
    EXPECT_EQ(skills.IndexOfName("New report."), 1);
    // Codes stay unique.
    EXPECT_FALSE(skills.SetCode(0, "QUAR"));
    EXPECT_TRUE(skills.SetCode(0, "DIGG"));
    EXPECT_EQ(skills.IndexOfCode("DIGG"), 0);
    EXPECT_EQ(skills.IndexOfCode("MINI"), -1);
    EXPECT_EQ(skills.AddOrUpdate("mining", "", 0, "MINI"), 2);
}

TEST(IndexTables, NameForPicksByCountAndFallsBack) {
    const TVelIndexRecord leader("leader", 0, "LEAD", "leaders");
    EXPECT_EQ(NameFor(leader, 0), "Leaders");
    EXPECT_EQ(NameFor(leader, 1), "Leader");
    EXPECT_EQ(NameFor(leader, -1), "Leaders");
    const TVelIndexRecord no_plural("golem", 0, "GOLE", "");
    EXPECT_EQ(NameFor(no_plural, 5), "Golem");
    const TVelIndexRecord no_singular("", 0, "MEN", "men");
    EXPECT_EQ(NameFor(no_singular, 1), "Men");
}

TEST(TextRules, CapitaliseTrimsAndRaisesOnlyALeadingLetter) {
    EXPECT_EQ(Capitalise("  ice dwarf \t"), "Ice dwarf");
    EXPECT_EQ(Capitalise("2nd legion"), "2nd legion");
    EXPECT_EQ(Capitalise("\xE9lan"), "\xE9lan");
    EXPECT_EQ(Capitalise("   "), "");
    EXPECT_EQ(Capitalise(""), "");
    EXPECT_EQ(Capitalise("x"), "X");
}

TEST(TextRules, IsNumberAcceptsDecimalFloatsOnly) {
    for (const char* text : {"12", " -3 ", "+4.5", "1.", ".5", "1e5", "2.5E-3", "007"})
        EXPECT_TRUE(TVelMain::IsNumber(text)) << text;
    for (const char* text : {"", " ", "-", ".", "e5", "1e", "1e+", "12a", "1,5", "1.2.3", "$10", "0x1F", "one"})
        EXPECT_FALSE(TVelMain::IsNumber(text)) << text;
}

}  // namespace
}  // namespace hexwarden
