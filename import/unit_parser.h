#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "import/item_type_question.h"
#include "model/level.h"

namespace hexwarden {

class TVeldoriaParser;
class TVelSkill;
class TVelSkillList;
class TVelUnit;
class TVelUnitList;

// Unit entries: "- " for other factions' units, "* " for the player's, each a sentence-like entry
// over one or more lines.

// Every entry from here into list (cleared first) and into the database's unit index; units of
// the database's faction also into OwnUnits.
void ParseUnits(TVelUnitList& list, TVeldoriaParser& parser, int32_t turn, const Place& place, int32_t structure);
// One entry: name and number, flags, faction, men and items, then its sentences (skills, combat
// spell, studiable skills, description). Sentences it does not know are passed to their full stop.
void ParseUnit(TVelUnit& unit, TVeldoriaParser& parser, int32_t turn, const Place& place, int32_t structure);

// One entry of a unit's list of men and goods. Codes that neither the race nor the item table knows
// are put to the item-type question, and the answer is remembered in the chosen table; an unknown
// code behind the unit's first item (items_begun, kept over one unit's list) is an item.
struct UnitListEntry {
    ItemTypeAnswer Kind = ItemTypeAnswer::Item;
    std::string Code;
    int32_t Count = 1;
    int32_t Price = 0;
    bool Illusion = false;
};
std::optional<UnitListEntry> ParseItemEntry(TVeldoriaParser& parser, bool& items_begun);

// "name [CODE] level (days)" entries separated by commas, or "none".
void ParseSkillList(TVelSkillList& list, TVeldoriaParser& parser);
std::optional<TVelSkill> ParseSkillEntry(TVeldoriaParser& parser);

}  // namespace hexwarden
