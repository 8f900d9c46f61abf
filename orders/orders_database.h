#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "model/level.h"
#include "orders/rule_set.h"

namespace hexwarden {

class TVelHex;
class TVelMain;
class TVelUnit;
struct ItemToken;
struct SkillToken;

// Where a unit stood in the last report that showed it.
struct UnitPlace {
    Place at;
    int32_t structure = 0;  // 0 in the open
    friend bool operator==(const UnitPlace&, const UnitPlace&) = default;
};

// The same hex on the same level, whatever structure each is in.
bool SameRegion(const UnitPlace& a, const UnitPlace& b);

enum class Compass { North, Northeast, Southeast, South, Southwest, Northwest };

std::string_view CompassName(Compass direction);  // "north", ...
// The direction a MOVE word names: n ne se s sw nw or the full word, any letter case.
std::optional<Compass> CompassNamed(std::string_view word);

// The questions the order checker asks of the database, over a database that outlives it.
class OrdersDatabase {
public:
    explicit OrdersDatabase(const TVelMain& database) : db_(database) {}

    int32_t Faction() const;
    int32_t UnclaimedSilver() const;
    const TVelUnit* Unit(int32_t number) const;
    // One of the units of the last own report.
    bool IsOwn(const TVelUnit& unit) const;
    UnitPlace PlaceOf(const TVelUnit& unit) const;
    const TVelHex* Hex(const UnitPlace& place) const;
    // The next hex in that direction, outside any structure. The new rule set's map wraps east to
    // west, so a step across its edge comes in on the other side.
    UnitPlace Neighbour(const UnitPlace& place, Compass direction, RuleSet rules) const;
    // One of the place's structures is a shaft, the way IN leads to another level.
    bool IsShaft(const UnitPlace& place) const;
    bool IsOcean(const TVelHex& hex) const;
    bool HasStructure(const UnitPlace& place, int32_t number) const;

    // How many the unit has of the item (illusions included by their 'i' code).
    int32_t CountOf(const TVelUnit& unit, const ItemToken& item) const;
    bool Knows(const TVelUnit& unit, std::string_view skill_abbr) const;
    // The skill's level with the unit, 0 when it does not know it.
    int32_t LevelOf(const TVelUnit& unit, std::string_view skill_abbr) const;
    // The reports show that the unit cannot study the skill now: a magic skill that its list of
    // skills to study leaves out, or a known skill whose required skills are not above its level.
    bool StudyBlocked(const TVelUnit& unit, const SkillToken& skill) const;

private:
    const TVelMain& db_;
};

// The rule set the reports of the database were written under. The import keeps only the levels
// of the faction types: "Martial" sets War and Trade to one level, so unequal levels mean the
// standard rules; otherwise item and skill codes that only one rule set has decide, and standard
// is the answer when nothing does.
RuleSet RuleSetOf(const TVelMain& database);

}  // namespace hexwarden
