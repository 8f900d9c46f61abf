#pragma once

// The game's numbers that the turn rules name and the reports do not carry.

#include <cstdint>
#include <string_view>

#include "model/level.h"
#include "orders/rule_set.h"

namespace hexwarden {

struct ItemToken;
struct SkillToken;

// Cost of entering a hex of that terrain (report name, any letter case); 0 when unknown.
int32_t TerrainCost(std::string_view terrain);

// Silver per man per month of study.
int32_t StudyPrice(const SkillToken& skill, RuleSet rules);

// Days per man a level needs: 30 x L x (L + 1) / 2.
int32_t DaysForLevel(int32_t level);
// The level those days per man reach.
int32_t LevelForDays(int64_t days);

// The highest level men of that race (its code; LEAD for leaders) may reach in the skill.
int32_t RaceMaximum(std::string_view race, const SkillToken& skill, RuleSet rules);

// Weight and what an item carries in each mode, the item's own weight included.
struct Carrying {
    int32_t weight = 1;
    int32_t walk = 0;
    int32_t ride = 0;
    int32_t fly = 0;
    int32_t swim = 0;
    int32_t speed = 0;  // 0 for an item that carries nothing
};
Carrying CarryingOf(const ItemToken& item, RuleSet rules);

// Month 0 is January. Surface rows split into three weather bands (standard rules only).
bool BadWeather(const Place& place, int month, int32_t surface_rows, RuleSet rules);

// Silver a man costs a month, and what one food item covers.
int32_t UpkeepPerMan(bool leader, RuleSet rules);
int32_t FoodValue(RuleSet rules);

// How an item is made: the skill and level, man-months per item, the input per item (none for a
// land resource) and the tool that helps.
struct Recipe {
    std::string_view item;
    std::string_view skill;
    int32_t level;
    int32_t months;
    std::string_view input;
    int32_t input_count;
    std::string_view tool;
    int32_t tool_bonus;
};
// Null for an item the table does not know.
const Recipe* RecipeFor(std::string_view item);

}  // namespace hexwarden

namespace hexwarden {

// What a structure BUILD can start takes: its size in points, its material (one unit a point; where
// wood or stone both do, stone is used first) and the level of its build skill.
struct StructureCost {
    std::string_view name;  // the object type's name in that rule set
    int32_t size;
    std::string_view material;
    std::string_view other_material;  // empty unless a second material will do
    int32_t level;
};
// Null for an object type the table does not know (ships among them).
const StructureCost* StructureCostOf(std::string_view name, RuleSet rules);

// Silver WITHDRAW costs for one item (2½ times its base price), for the items whose figure the
// rules give; 0 for the others, whose base price the database does not hold.
int32_t WithdrawCost(std::string_view code);

}  // namespace hexwarden

namespace hexwarden {

// A ship as a fleet counts it: its weight, the sailing skill times men it needs, what it carries,
// its speed and whether it flies.
struct ShipClass {
    std::string_view name;
    int32_t weight;
    int32_t crew;
    int32_t capacity;
    int32_t speed;
    bool flies;
    // Building one: the shipbuilding level, man-months and material (empty: it cannot be built;
    // two materials: how they share the work is not known).
    int32_t level;
    int32_t months;
    std::string_view material;
    std::string_view other_material;
};
// By the ship's name as the report writes a one-ship fleet ("Longship"); null for any other.
const ShipClass* ShipClassNamed(std::string_view name);

}  // namespace hexwarden
