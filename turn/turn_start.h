#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "orders/rule_set.h"
#include "turn/region_state.h"
#include "turn/unit_state.h"

namespace hexwarden {

class TVelMain;
class TVelUnit;

// Places as hash keys: two places share a region only when they are equal.
struct PlaceHash {
    std::size_t operator()(const Place& place) const;
};
using RegionIndex = std::unordered_map<Place, int, PlaceHash>;

struct TurnOptions {
    RuleSet rules = RuleSet::Standard;
    // Rows of the surface, for its weather bands; the reports do not say.
    int32_t surface_rows = 32;
};

// The month's starting point, copied once from the database: the own units in position order,
// the regions they stand in or may reach, the unclaimed silver and the month.
class TurnStart {
public:
    TurnStart(const TVelMain& database, const TurnOptions& options);

    const TurnOptions& Options() const { return options_; }
    RuleSet Rules() const { return options_.rules; }
    const TVelMain& Database() const { return database_; }
    int32_t Faction() const { return faction_; }
    int64_t Unclaimed() const { return unclaimed_; }
    int Month() const { return month_; }  // 0 is January

    const std::vector<UnitState>& Units() const { return units_; }
    const std::vector<const TVelUnit*>& Records() const { return records_; }
    // Index of the own unit of that number, or -1.
    int IndexOf(int32_t number) const;

    // The regions the own units start in, and where each place's region is among them.
    const std::vector<RegionState>& Regions() const { return regions_; }
    const RegionIndex& RegionPlaces() const { return region_index_; }
    // Any region from the database (an unknown one when it has no hex there), for moves.
    RegionState CopyRegion(const Place& place) const;

private:
    const TVelMain& database_;
    TurnOptions options_;
    int32_t faction_ = 0;
    int64_t unclaimed_ = 0;
    int month_ = 0;
    std::vector<UnitState> units_;
    std::vector<const TVelUnit*> records_;
    std::unordered_map<int32_t, int> by_number_;
    std::vector<RegionState> regions_;
    RegionIndex region_index_;
};


// A unit as the database holds it: place, men, goods (illusions left out), skills and settings.
UnitState UnitStateOf(const TVelUnit& unit);

}  // namespace hexwarden
