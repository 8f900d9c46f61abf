#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/level.h"

namespace hexwarden {

// Amounts by code, in code order. A unit holds a handful, so a sorted vector.
class Stock {
public:
    int64_t Count(std::string_view code) const;
    // Drops the code when the amount reaches 0.
    void Add(std::string_view code, int64_t amount);
    int64_t Total() const;
    bool Empty() const { return entries_.empty(); }
    auto begin() const { return entries_.begin(); }
    auto end() const { return entries_.end(); }

private:
    std::vector<std::pair<std::string, int64_t>> entries_;
};

struct SkillState {
    int32_t level = 0;
    int64_t days = 0;  // per man, as the report shows them
};

// A unit's settings that last from month to month.
struct UnitSettings {
    bool sharing = false;
    bool guarding = false;
    bool behind = false;
    bool autotax = false;
    bool avoiding = false;
    bool holding = false;
    bool noaid = false;
    bool nocross = false;
    bool reveal = false;
    friend bool operator==(const UnitSettings&, const UnitSettings&) = default;
};

// One own unit, as it stands at the start of the month or as the preview ends it.
struct UnitState {
    int32_t number = 0;     // 0 for a unit formed this month: the game picks its number
    int32_t alias = 0;      // FORM alias
    int32_t formed_by = 0;  // the unit that formed it
    Place place;
    int32_t structure = 0;  // 0 in the open
    Stock men;              // by race code
    Stock items;
    std::vector<std::pair<std::string, SkillState>> skills;  // in the order the unit learnt them
    UnitSettings settings;
    std::vector<Place> route;  // the hexes it passes, start first
    // The hexes its MOVE or ADVANCE names, start first, whether it reaches them or not; and, when
    // it stops short of them, why in a few words ("not enough movement").
    std::vector<Place> planned;
    std::string stop_reason;
    // The route goes on down the shaft at its last hex, to a level no report links to this one.
    bool down_shaft = false;
    bool certain = true;
    std::vector<std::string> why_uncertain;

    int64_t Men() const { return men.Total(); }
    bool HasLeaders() const { return men.Count("LEAD") > 0; }
    bool HasOrdinaryMen() const { return Men() > men.Count("LEAD"); }
    SkillState* Skill(std::string_view code);
    const SkillState* Skill(std::string_view code) const;
    void SetSkill(std::string_view code, SkillState skill);
    void ForgetSkill(std::string_view code);
    // The first reason makes the unit uncertain; a reason already given is not repeated.
    void Uncertain(std::string why);
};

enum class ProblemKind { Error, Warning, Uncertain };

// What the month will bring to one order, in the words of the game's messages.
struct TurnProblem {
    int32_t line = 0;
    int32_t unit = 0;   // 0 for a unit formed this month
    int32_t alias = 0;  // with its alias
    ProblemKind kind = ProblemKind::Error;
    std::string message;
};

const char* ProblemKindWord(ProblemKind kind);  // "error", "warning", "uncertain"

}  // namespace hexwarden
