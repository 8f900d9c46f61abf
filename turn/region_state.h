#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/level.h"
#include "turn/unit_state.h"

namespace hexwarden {

struct Market {
    std::string code;
    int32_t price = 0;
    int64_t amount = 0;
    bool unlimited = false;
};

// What one region offers this month, from the last report, and who else stands in it.
struct RegionState {
    Place place;
    bool known = false;  // a report described it or named it as an exit
    std::string terrain;
    std::string title;   // "plain (28,10) in Koheda", as messages name it
    bool bad_weather = false;
    int32_t wage = 0;  // whole silver: the database keeps no tenths
    int64_t work_pool = 0;
    int64_t entertainment_pool = 0;
    int64_t tax_pool = 0;
    std::string peasant_race;
    int64_t peasants = 0;
    std::vector<Market> wanted;
    std::vector<Market> for_sale;
    Stock products;
    std::vector<int32_t> structures;  // numbers in report order
    std::vector<std::string> structure_kinds;
    std::vector<bool> structure_foreign_owner;  // its first unit is another faction's
    std::vector<int32_t> structure_needs;        // points still missing, 0 when finished
    std::vector<bool> structure_foreign_inside;  // another faction's unit is inside
    // Other factions' units here at the start of the month: what they could at most take from the
    // pools and markets this month.
    std::vector<std::string> foreign_units;  // "City Guard (18)"
    int64_t foreign_men = 0;
    bool foreign_guard = false;
    Stock foreign_items;

    int32_t StructureRank(int32_t number) const;  // 0 in the open, then report order
    const std::string* StructureKind(int32_t number) const;
    // Where the structure stands in the lists above; structures.size() for none.
    std::size_t StructureSlot(int32_t number) const;
    void AddStructure(int32_t number, std::string kind, int32_t needs, bool foreign_owner, bool foreign_inside);
    void RemoveStructure(int32_t number);
    // Points the structure still needs; null for a structure the region does not hold.
    int32_t* StructureNeeds(int32_t number);
    std::string ForeignNames() const;  // "City Guard (18), City Mage (19)"
};

}  // namespace hexwarden
