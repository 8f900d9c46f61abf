// The arguments of the orders: the server's messages where it rejects them, errors of our own for
// what it accepts but cannot carry out, and silence for everything it takes.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "orders/token_tables.h"
#include "tests/orders/order_text.h"

namespace hexwarden {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using testing::FileProblems;

// The only problem of a one-line order, or "" when it has none.
std::string Only(std::string_view order, RuleSet rules = RuleSet::Standard) {
    const auto problems = FileProblems(std::string(order) + "\n", rules);
    if (problems.empty()) return "";
    EXPECT_EQ(problems.size(), 1u) << order << ": " << ::testing::PrintToString(problems);
    return problems.front();
}

TEST(TokenNames, ItemsBySpellingCaseAndIndex) {
    const TokenTables& standard = TokenTables::For(RuleSet::Standard);
    const TokenTables& newer = TokenTables::For(RuleSet::New);
    for (std::string_view spelling : {"SWOR", "sword", "Swords", "swor"}) EXPECT_EQ(standard.FindItem(spelling)->index, 41);
    EXPECT_EQ(standard.FindItem("winged_horse")->abbr, "WING");
    EXPECT_EQ(standard.FindItem("Winged Horses")->abbr, "WING");
    EXPECT_EQ(standard.FindItem("[SWOR]"), nullptr);
    // Illusions only with their 'i'.
    EXPECT_EQ(standard.FindItem("iwolves")->abbr, "iWOLF");
    EXPECT_EQ(standard.FindItem("wolves")->abbr, "WOLF");
    // Rule sets differ; shared names go to the lowest index the context allows.
    EXPECT_EQ(standard.FindItem("VIKI")->index, 1);
    EXPECT_EQ(newer.FindItem("VIKI"), nullptr);
    EXPECT_EQ(newer.FindItem("centaurs")->abbr, "CTAU");
    EXPECT_EQ(standard.FindItem("centaurs")->abbr, "CENT");
    EXPECT_EQ(newer.FindItem("goblin")->abbr, "GOBL");
    EXPECT_EQ(newer.FindItem("goblin", ItemFilter::Giveable)->abbr, "GBLN");
    EXPECT_EQ(standard.FindItem("goblin", ItemFilter::Giveable), nullptr);
    EXPECT_EQ(standard.FindItem("horses", ItemFilter::Transportable), nullptr);
    EXPECT_EQ(standard.FindItem(std::string(5000, 'a')), nullptr);
}

TEST(TokenNames, SkillsAndObjects) {
    const TokenTables& standard = TokenTables::For(RuleSet::Standard);
    EXPECT_EQ(standard.FindSkill("herb_lore")->abbr, "HERB");
    EXPECT_EQ(standard.FindSkill("\"herb lore\""), nullptr);
    EXPECT_EQ(standard.FindSkill("RANC")->name, "ranching");
    EXPECT_EQ(TokenTables::For(RuleSet::New).FindSkill("RANC"), nullptr);
    EXPECT_EQ(standard.FindObject("road_n")->index, 38);
    EXPECT_EQ(standard.FindObject("Magical Fortress")->index, 26);
    EXPECT_EQ(TokenTables::For(RuleSet::New).FindObject("Magical Fortress")->index, 25);
    EXPECT_EQ(standard.FindShip("LONG")->name, "Longship");
    EXPECT_EQ(standard.FindShip("Longships"), nullptr);
}

TEST(OrderArguments, AcceptedOrdersStayQuiet) {
    for (std::string_view order :
         {"give 12 5 swords", "give 12 ALL swords except 2", "give 12 all weapons", "give faction 4 new 1 1 HORS",
          "give 0 3 wolves", "give 12 unit", "give 12 all items", "give 12 1 unfinished LONG", "take from 12 all SILV",
          "buy 5 peasants", "buy all HELF", "buy -3 SWOR", "sell all LIVE", "study herb_lore 3", "study \"herb lore\"",
          "produce 5 swords", "build", "build Tower complete", "build \"Road N\"", "build LONG", "build help 12",
          "move n Ne southeast IN out P 5", "sail NW pause", "advance", "claim 100", "declare 5 ally",
          "declare 5", "declare default hostile", "name unit \"Fred the Great\"", "describe unit", "option template map",
          "option times", "reveal", "reveal faction", "spoils fly", "show skill COMB 2", "show item swor",
          "show object Tower", "steal 12 SWOR", "assassinate 12", "attack 12 13", "teach 12 13",
          "withdraw 5 wood", "withdraw IRON", "enter 7", "enter -3", "exchange 12 5 SWOR 0 IRON", "faction war 2 magic 3",
          "faction generic", "find all", "forget COMB", "guard 1", "avoid off", "nocross y", "combat FIRE", "combat",
          "cast FARS region 1 2 1", "cast FARS", "cast BIRD direction nw", "cast GATE random level units 12",
          "cast GATE gate 3", "cast PORT 12 units 13 14", "cast PHBE wolves 4", "cast PHDE imps", "cast MIND 12",
          "cast INVI units 12", "cast CLEA", "armor PARM", "weapon SWOR XBOW", "password", "quit", "consume unit",
          "join 12 merge", "promote 12", "evict 12", "leave", "destroy", "idle", "entertain", "tax", "autotax 1",
          "work;the rest"}) {
        EXPECT_THAT(FileProblems(std::string(order) + "\n"), IsEmpty()) << order;
    }
}

TEST(OrderArguments, ServerMessagesAtTheFailingArgument) {
    EXPECT_EQ(Only("give"), "1:5: error: GIVE: Invalid target.");
    EXPECT_EQ(Only("give 12"), "1:8: error: GIVE: No amount given.");
    EXPECT_EQ(Only("give 12 0 SWOR"), "1:9: error: GIVE: Illegal amount given.");
    EXPECT_EQ(Only("give 12 5"), "1:10: error: GIVE: No item given.");
    EXPECT_EQ(Only("give 12 5 wolves"), "1:11: error: GIVE: Invalid item.");
    EXPECT_EQ(Only("give 12 all whatever"), "1:13: error: GIVE: Invalid item or item class.");
    EXPECT_EQ(Only("give 12 5 SWOR except 2"), "1:16: error: GIVE: EXCEPT only valid with ALL");
    EXPECT_EQ(Only("give 12 all weapons except 2"), "1:21: error: GIVE: EXCEPT only valid with specific items.");
    EXPECT_EQ(Only("give 12 all SWOR except"), "1:24: error: GIVE: EXCEPT requires a value.");
    EXPECT_EQ(Only("give 12 all SWOR except 0"), "1:25: error: GIVE: Invalid EXCEPT value.");
    EXPECT_EQ(Only("give 12 5 unfinished SWOR"), "1:22: error: GIVE: That item does not have an unfinished version.");
    EXPECT_EQ(Only("take 12 5 SWOR"), "1:6: error: TAKE: Missing FROM.");
    EXPECT_EQ(Only("take from 0 5 SWOR"), "1:11: error: TAKE: Invalid target.");
    EXPECT_EQ(Only("take from 12 unit"), "1:14: error: TAKE: Illegal amount given.");
    EXPECT_EQ(Only("study"), "1:6: error: STUDY: No skill given.");
    EXPECT_EQ(Only("study COMBAT_TRAINING"), "1:7: error: STUDY: Unknown skill 'COMBAT_TRAINING'.");
    EXPECT_EQ(Only("produce 0 SWOR"), "1:9: error: PRODUCE: Invalid item.");
    EXPECT_EQ(Only("produce LONG"), "1:9: error: PRODUCE: Use BUILD for ships.");
    EXPECT_EQ(Only("build Lair"), "1:7: error: BUILD: Can't build that.");
    EXPECT_EQ(Only("build Tower now"), "1:13: error: BUILD: Unknown keyword 'now'.");
    EXPECT_EQ(Only("build Towers"), "1:7: error: BUILD: Not a valid object name.");
    EXPECT_EQ(Only("buy x SWOR"), "1:5: error: BUY: Number to buy not given.");
    EXPECT_EQ(Only("sell 5"), "1:7: error: SELL: Item not given.");
    EXPECT_EQ(Only("claim"), "1:6: error: CLAIM: No amount given.");
    EXPECT_EQ(Only("guard maybe"), "1:7: error: GUARD: Invalid value.");
    EXPECT_EQ(Only("share"), "1:6: error: SHARE: Invalid value.");
    EXPECT_EQ(Only("declare x"), "1:9: error: DECLARE: Non-existent faction.");
    EXPECT_EQ(Only("declare default"), "1:16: error: DECLARE: No default attitude provided.");
    EXPECT_EQ(Only("declare 4 friends"), "1:11: error: DECLARE: Invalid attitude.");
    EXPECT_EQ(Only("name"), "1:5: error: NAME: No argument.");
    EXPECT_EQ(Only("name hex Home"), "1:6: error: NAME: Can't name that.");
    EXPECT_EQ(Only("name unit"), "1:10: error: NAME: No name given.");
    EXPECT_EQ(Only("describe city x"), "1:10: error: DESCRIBE: Can't describe that.");
    EXPECT_EQ(Only("option"), "1:7: error: OPTION: What option?");
    EXPECT_EQ(Only("option template"), "1:16: error: OPTION: No template type specified.");
    EXPECT_EQ(Only("option template huge"), "1:17: error: OPTION: Invalid template type.");
    EXPECT_EQ(Only("option colour"), "1:8: error: OPTION: Invalid option.");
    EXPECT_EQ(Only("show"), "1:5: error: SHOW: Show what?");
    EXPECT_EQ(Only("show skill"), "1:11: error: SHOW: Show what skill?");
    EXPECT_EQ(Only("show skill COMB"), "1:16: error: SHOW: No skill level given.");
    EXPECT_EQ(Only("show item"), "1:10: error: SHOW: Show which item?");
    EXPECT_EQ(Only("spoils"), "1:7: error: SPOILS: Bad argument.");
    EXPECT_EQ(Only("steal 12 LEAD"), "1:10: error: STEAL: Can't steal that.");
    EXPECT_EQ(Only("steal 12 SWORDFISH"), "1:10: error: STEAL: Bad item given.");
    EXPECT_EQ(Only("assassinate"), "1:12: error: ASSASSINATE: No target given.");
    EXPECT_EQ(Only("join new"), "1:6: error: JOIN: No target given.");
    EXPECT_EQ(Only("withdraw 0 wood"), "1:10: error: WITHDRAW: Invalid item.");
    EXPECT_EQ(Only("withdraw 5 SILV"), "1:12: error: WITHDRAW: Invalid item.");
    EXPECT_EQ(Only("withdraw 5"), "1:11: error: WITHDRAW: No item given.");
    EXPECT_EQ(Only("exchange 12 -1 SWOR 1 IRON"), "1:13: error: EXCHANGE: Illegal amount given.");
    EXPECT_EQ(Only("exchange 12 1 LONG 1 IRON"), "1:15: error: EXCHANGE: Can't exchange ships.");
    EXPECT_EQ(Only("exchange 12 1 SWOR"), "1:19: error: EXCHANGE: No amount expected.");
    EXPECT_EQ(Only("faction war 3 trade 3"), "1:21: error: FACTION: Bad faction type.");
    EXPECT_EQ(Only("faction martial 1"), "1:9: error: FACTION: Bad faction type.");
    EXPECT_EQ(Only("faction magic"), "1:9: error: FACTION: Bad faction type.");
    EXPECT_EQ(Only("find"), "1:5: error: FIND: No faction number given.");
    EXPECT_EQ(Only("forget"), "1:7: error: FORGET: No skill given.");
    EXPECT_EQ(Only("enter 0"), "1:7: error: ENTER: No object specified.");
    EXPECT_EQ(Only("address"), "1:8: error: ADDRESS: No address given.");
    EXPECT_EQ(Only("reveal all"), "1:8: error: REVEAL: Invalid value.");
    EXPECT_EQ(Only("combat COMB"), "1:8: error: COMBAT: That is not a magic skill.");
    EXPECT_EQ(Only("combat FARS"), "1:8: error: COMBAT: That skill cannot be used in combat.");
    EXPECT_EQ(Only("transport 12 5 HORS"), "1:16: error: TRANSPORT: Invalid item 'HORS'.");
    EXPECT_EQ(Only("distribute 12 -5 SWOR"), "1:15: error: TRANSPORT: Illegal amount given.");
}

// Forms where the server's reading is easy to get wrong: each with its only problem, or none.
TEST(OrderArguments, FormsReadAsTheServerReadsThem) {
    struct Case {
        std::string_view order;
        std::string_view problem;
        RuleSet rules = RuleSet::Standard;
    };
    for (const Case& form : std::initializer_list<Case>{
             {"give 12 all unfinished weapons", ""},
             {"give 12 unit except 2", "1:14: error: GIVE: EXCEPT only valid with ALL"},
             {"give 0 unit", "1:8: error: Can't discard a whole unit."},
             // SHOW reads its names without looking them up: the turn run finds nothing to show.
             {"show skill xyz", "1:15: error: SHOW: No skill level given."},
             {"show skill xyz 1", "1:12: warning: SHOW: Faction doesn't have that skill."},
             {"show item unicorn", "1:11: warning: SHOW: You don't know anything about that item."},
             {"show object Skyscraper", "1:13: warning: SHOW: No such object."},
             {"exchange 12 1 SWOR x IRON", "1:20: error: EXCHANGE: No amount expected."},
             {"exchange 12 1 SWOR 1", "1:21: error: EXCHANGE: No item expected."},
             {"exchange 12 1 SWOR 1 unicorn", "1:22: error: EXCHANGE: Invalid item."},
             {"exchange 12 x SWOR 0 IRON", ""},
             {"cast GATE gate north", "1:16: error: CAST 'gate lore': Requires a target gate."},
             {"cast GATE gate", "1:15: error: CAST 'gate lore': Requires a target gate."},
             {"cast FARS region x 2", "1:18: error: CAST 'farsight': Invalid X coordinate specified."},
             {"cast TELE region 1 y", "1:20: error: CAST 'teleportation': Invalid Y coordinate specified."},
             {"cast WEAT region 1 2 z", "1:22: error: CAST 'weather lore': Invalid Z coordinate specified."},
             {"annihilate region x 1", "1:19: error: ANNIHILATE: Invalid X coordinate specified.", RuleSet::New},
             {"faction", "1:8: error: FACTION: Bad faction type."},
             {"nospoils 1", "1:1: error: NOSPOILS: This command is deprecated.  Use the 'SPOILS' command instead"},
             {"PrePare SWOR", "1:1: error: PREPARE is not a valid order."},
             {"distribute 12 1 SWOR except", "1:28: error: TRANSPORT: EXCEPT requires a value.", RuleSet::New},
             {"password a\"b", "1:10: warning: PASSWORD: The password cannot hold '\"': the game would read the password "
                               "only up to it and ignore all orders."},
         }) {
        EXPECT_EQ(Only(form.order, form.rules), form.problem) << form.order;
    }
    EXPECT_THAT(FileProblems("nospoils maybe\n"),
                ElementsAre("1:1: error: NOSPOILS: This command is deprecated.  Use the 'SPOILS' command instead",
                            "1:10: error: NOSPOILS: Invalid value."));
}

TEST(OrderArguments, DirectionsKeepWhatCameBefore) {
    EXPECT_EQ(Only("move n ne up s"), "1:11: error: MOVE: Warning, bad direction 'up'.");
    EXPECT_EQ(Only("sail n in"), "1:8: error: SAIL: Warning, bad direction 'in'.");
    EXPECT_EQ(Only("sail 5"), "1:6: error: SAIL: Warning, bad direction '5'.");
    EXPECT_EQ(Only("advance 0"), "1:9: error: ADVANCE: Warning, bad direction '0'.");
    // The server takes these and acts on something else, or breaks its turn run.
    EXPECT_EQ(Only("move n -4"), "1:8: error: MOVE: Negative structure number '-4'.");
    EXPECT_EQ(Only("advance -1"), "1:9: error: ADVANCE: Negative structure number '-1'.");
}

TEST(OrderArguments, WhatTheServerTakesButCannotCarryOut) {
    EXPECT_EQ(Only("buy 5 unicorns"), "1:7: error: BUY: Invalid item 'unicorns'.");
    EXPECT_EQ(Only("sell all wolves"), "1:10: error: SELL: Invalid item 'wolves'.");
    EXPECT_EQ(Only("teach"), "1:6: error: TEACH: No students given.");
    EXPECT_EQ(Only("claim -50"), "1:7: error: CLAIM: Illegal amount given.");
    EXPECT_EQ(Only("transport 12 5 SWOR"),
              "1:1: error: TRANSPORT: Never carried out under the standard rules.");
}

TEST(OrderArguments, HintsForNamesTheServerCutsShort) {
    EXPECT_THAT(FileProblems("give 12 5 [SWOR]\n"),
                ElementsAre("1:11: error: GIVE: Invalid item.", "1:11: warning: GIVE: Write 'SWOR' without the brackets."));
    EXPECT_EQ(Only("name unit Fred the Great"), "1:16: warning: NAME: Only 'Fred' is used; put a name with blanks in quotes.");
    EXPECT_EQ(Only("name unit \"()\""), "1:11: warning: NAME: Illegal name.");
    EXPECT_EQ(Only("attack 12 x 13"), "1:11: warning: ATTACK: 'x' is not a unit; the rest of the line is ignored.");
    EXPECT_EQ(Only("weapon SWOR PARM"), "1:13: warning: WEAPON: Item is not a weapon.");
}

TEST(OrderArguments, Spells) {
    EXPECT_EQ(Only("cast"), "1:5: error: CAST: No skill given.");
    EXPECT_EQ(Only("cast FOO"), "1:6: error: CAST: Invalid skill.");
    EXPECT_EQ(Only("cast COMB"), "1:6: error: CAST: That is not a magic skill.");
    EXPECT_EQ(Only("cast FIRE"), "1:6: error: CAST: That skill cannot be CAST.");
    EXPECT_EQ(Only("cast MIND"), "1:10: error: CAST: No unit specified.");
    EXPECT_EQ(Only("cast FARS region 1"), "1:19: error: CAST 'farsight': Region Y coordinate not specified.");
    EXPECT_EQ(Only("cast TELE region -1 2"), "1:18: error: CAST 'teleportation': Invalid X coordinate specified.");
    EXPECT_EQ(Only("cast WEAT region 1 2 2"), "1:22: error: CAST 'weather lore': Invalid Z coordinate specified.");
    EXPECT_EQ(Only("cast WEAT region 1 2 2", RuleSet::New), "");
    EXPECT_EQ(Only("cast BIRD"), "1:10: error: CAST 'bird lore': Missing arguments.");
    EXPECT_EQ(Only("cast BIRD direction up"), "1:21: error: CAST 'bird lore': Invalid direction 'up'.");
    EXPECT_EQ(Only("cast BIRD hawk"), "1:11: error: CAST 'bird lore': Invalid argument 'hawk'.");
    EXPECT_EQ(Only("cast INVI 12"), "1:11: error: CAST 'invisibility': Must specify units to render invisible.");
    EXPECT_EQ(Only("cast GATE gate 0"), "1:16: error: CAST 'gate lore': Invalid target gate.");
    EXPECT_EQ(Only("cast GATE open"), "1:11: error: CAST 'gate lore': Invalid argument 'open'.");
    EXPECT_EQ(Only("cast PORT 12"), "1:13: error: CAST 'portal lore': No units to teleport.");
    EXPECT_EQ(Only("cast PHBE"), "1:10: error: CAST 'create phantasmal beasts': Must specify which illusion to summon.");
    EXPECT_EQ(Only("cast PHDE wolves"), "1:11: error: CAST 'create phantasmal demons': Can't summon 'wolves'.");
    EXPECT_EQ(Only("cast TRNS 0 MITH", RuleSet::New), "1:11: error: CAST 'transmutation': Invalid amount.");
    EXPECT_EQ(Only("cast TRNS SWOR", RuleSet::New), "1:11: error: CAST 'transmutation': Can't create that by transmutation.");
    EXPECT_EQ(Only("cast TRNS 5 mithril", RuleSet::New), "");
}

TEST(OrderArguments, RuleSetsDiffer) {
    EXPECT_EQ(Only("prepare SWOR"), "1:1: error: PREPARE is not a valid order.");
    EXPECT_EQ(Only("prepare SWOR", RuleSet::New), "");
    EXPECT_EQ(Only("prepare unicorn", RuleSet::New), "1:9: error: PREPARE: Invalid item 'unicorn'.");
    EXPECT_EQ(Only("Sacrifice 1 SWOR"), "1:1: error: SACRIFICE is not a valid order.");
    EXPECT_EQ(Only("sacrifice 0 SWOR", RuleSet::New), "1:11: error: SACRIFICE: No amount given.");
    EXPECT_EQ(Only("annihilate region 1 2"), "1:1: error: ANNIHILATE is not a valid order.");
    EXPECT_EQ(Only("annihilate 1 2", RuleSet::New), "1:12: error: ANNIHILATE: No region specified.");
    EXPECT_EQ(Only("annihilate region 1", RuleSet::New), "1:20: error: ANNIHILATE: Region Y coordinate not specified.");
    EXPECT_EQ(Only("find 5", RuleSet::New), "1:1: error: FIND: This command was disabled.");
    EXPECT_EQ(Only("find", RuleSet::New), "1:5: error: FIND: No faction number given.");
    EXPECT_EQ(Only("faction martial 2 magic 3", RuleSet::New), "");
    EXPECT_EQ(Only("faction war 1", RuleSet::New), "1:9: error: FACTION: Bad faction type.");
    EXPECT_EQ(Only("buy 5 VIKI"), "");
    EXPECT_EQ(Only("buy 5 VIKI", RuleSet::New), "1:7: error: BUY: Invalid item 'VIKI'.");
    EXPECT_EQ(Only("study COOK"), "1:7: error: STUDY: Unknown skill 'COOK'.");
    EXPECT_EQ(Only("transport 12 5 SWOR", RuleSet::New), "");
}

TEST(MonthLongOrders, LaterReplacesEarlierUnlessTheyChain) {
    EXPECT_THAT(FileProblems("study FORC 2\nstudy FIRE 2\n"),
                ElementsAre("2:1: error: STUDY: Overwriting previous month-long order."));
    EXPECT_THAT(FileProblems("move n\nmove ne\nsail n\nsail s\nteach 5\nteach 6\n"),
                ElementsAre("3:1: error: SAIL: Overwriting previous month-long order.",
                            "5:1: error: TEACH: Overwriting previous month-long order."));
    EXPECT_THAT(FileProblems("move n\nadvance n\n"), ElementsAre("2:1: error: ADVANCE: Overwriting previous month-long order."));
    // Failed orders leave the month alone.
    EXPECT_THAT(FileProblems("work\nstudy nothing\nproduce x\nbuild Lair\nteach\n"),
                ElementsAre("2:7: error: STUDY: Unknown skill 'nothing'.", "3:9: error: PRODUCE: Invalid item.",
                            "4:7: error: BUILD: Can't build that.", "5:6: error: TEACH: No students given."));
    // A new UNIT block for the same unit starts its month again, dropping the earlier block's.
    EXPECT_THAT(FileProblems("work\nunit 10\ngive 12 1 SWOR\nunit 10\n"),
                ElementsAre("2:6: warning: Unit 10 had a block before: the server drops its month-long, CAST, ATTACK, "
                            "STEAL, ASSASSINATE, ENTER, PROMOTE, TAX and PILLAGE orders."));
}

TEST(MonthLongOrders, TaxAndPillage) {
    EXPECT_THAT(FileProblems("tax\npillage\nwork\n"), ElementsAre("2:1: error: PILLAGE: The unit is already taxing."));
    EXPECT_THAT(FileProblems("pillage\ntax\n"), ElementsAre("2:1: error: TAX: The unit is already pillaging."));
    // Month-long under the new rules: a repeated TAX repeats it, and PILLAGE is still refused.
    EXPECT_THAT(FileProblems("work\ntax\n", RuleSet::New), ElementsAre("2:1: error: TAX: Overwriting previous month-long order."));
    EXPECT_THAT(FileProblems("@tax\ntax\npillage\n", RuleSet::New), ElementsAre("3:1: error: PILLAGE: The unit is already taxing."));
    EXPECT_THAT(FileProblems("pillage\npillage\ntax\nwork\n", RuleSet::New),
                ElementsAre("3:1: error: TAX: The unit is already pillaging.",
                            "4:1: error: WORK: Overwriting previous month-long order."));
}

TEST(OrderArguments, NewUnitAliasesMustBeFormed) {
    EXPECT_THAT(FileProblems("give new 2 5 SWOR\nform 1\nend\ngive new 1 5 SWOR\ngive faction 4 new 9 1 SWOR\n"),
                ElementsAre("1:6: warning: GIVE: No unit is formed as NEW 2 in this region."));
}

TEST(OrderArguments, ShowOrdersAreCountedPerFile) {
    std::string orders;
    for (int i = 0; i < 101; ++i) orders += "show item SWOR\n";
    EXPECT_THAT(FileProblems(orders), ElementsAre("101:1: error: Too many SHOW orders."));
}

}  // namespace
}  // namespace hexwarden
