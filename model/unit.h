#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/enhanced_list.h"
#include "model/item_list.h"
#include "model/level.h"
#include "model/skill_list.h"
#include "model/troop_list.h"
#include "model/unit_referrers.h"

namespace hexwarden {

class TVelFileStream;
class TVelMain;
class TVelUnit;
class TVelUnitList;

// Bits of TVelUnit::Flags.
enum class UnitFlag : uint16_t {
    Avoiding = 1,
    Behind = 2,
    RevealUnit = 4,
    RevealFaction = 8,
    OnGuard = 16,
    Holding = 32,
    NoAid = 64,
    Autotax = 128,
};

// Where a unit stood in one turn.
class TVelUnitPos {
public:
    TVelUnitPos() = default;
    TVelUnitPos(const Place& place, int32_t turn) : X(place.X), Y(place.Y), Where(place.Where), Turn(turn) {}

    int32_t X = 0;
    int32_t Y = 0;
    Level Where = Level::Surface;
    int32_t Turn = 0;

    Place At() const { return {X, Y, Where}; }
    std::string FormatPosition() const;

    void SaveToStream(TVelFileStream& stream) const;
    void LoadFromStream(TVelFileStream& stream);
};

// A unit's position history: at most one entry per turn, in ascending turn order.
class TVelUnitPosList : public TEnhancedList<TVelUnitPos> {
public:
    explicit TVelUnitPosList(TVelUnit* owner) : Owner(owner) {}

    TVelUnit* Owner;

    TVelUnitPos* FindByTurn(int32_t turn) const;
    // Null, and nothing changes, when the turn already has an entry.
    TVelUnitPos* AddPosition(const Place& place, int32_t turn);

    void SaveToStream(TVelFileStream& stream) const;
    void LoadFromStream(TVelFileStream& stream);
};

// A group of men of one faction, known by its number. Owned by exactly one of the database's
// Units and LostUnits; every other place that names it holds a reference through a TVelUnitList,
// and the unit keeps track of those lists so that it is never left named after it is freed or
// replaced.
class TVelUnit {
public:
    explicit TVelUnit(TVelMain& main);
    ~TVelUnit();
    TVelUnit(const TVelUnit&) = delete;
    TVelUnit& operator=(const TVelUnit&) = delete;

    int32_t Turn = 0;
    int32_t Faction = 0;  // 0 unknown; -1 an own unit whose entry showed no faction
    bool FactionConfirmed = false;
    std::string Name;
    std::string Description;
    int32_t Number = 0;
    int32_t X = 0;
    int32_t Y = 0;
    Level Where = Level::Surface;
    int32_t LastX = -1;
    int32_t LastY = -1;
    Level LastWhere = Level::Underworld;  // as an unknown previous position has always been written
    uint16_t Flags = 0;
    TVelTroopList Troops;
    TVelItemList Items;
    TVelSkillList Skills;
    std::string CombatSpell;
    TVelSkillList CanStudy;
    int32_t Inside = 0;  // structure number; 0 in the open
    std::string Notes;
    std::string Orders;  // lines separated by CR LF
    std::string Events;
    TVelUnitPosList PositionHistory;

    Place At() const { return {X, Y, Where}; }
    Place LastAt() const { return {LastX, LastY, LastWhere}; }

    // Back to a fresh record; FactionConfirmed and LastWhere are left alone.
    void Reset(bool with_history);

    bool HasFlag(UnitFlag flag) const;
    void SetFlag(UnitFlag flag, bool on);
    bool IsOwn() const;
    // The position lies within the extent of its level's hex list.
    bool IsOnMap() const;
    int32_t Silver() const;
    bool IsMage() const;

    TVelMain& Main() const { return *main_; }

    void SaveToStream(TVelFileStream& stream) const;
    // Resets the unit with its history first.
    void LoadFromStream(TVelFileStream& stream);

private:
    friend class TVelUnitList;
    friend class TVelUnitIndexList;

    TVelMain* main_;
    UnitReferrers referrers_;

    int32_t index_in_owner_ = -1;           // position in the owning TVelUnitIndexList
};

}  // namespace hexwarden
