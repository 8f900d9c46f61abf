#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "model/enhanced_list.h"

namespace hexwarden {

class TKvFileStream;
class TVelIndexList;

class TVelSkill {
public:
    TVelSkill() = default;
    TVelSkill(std::string code, int32_t level, int32_t days);

    std::string Code;
    int32_t Level = 0;
    int32_t Days = 0;  // days of study so far

    void SaveToStream(TKvFileStream& stream) const;
    void LoadFromStream(TKvFileStream& stream);
};

// Skills of a unit (known ones, or the ones it can study). Codes are named by SkillTypes.
class TVelSkillList : public TEnhancedList<TVelSkill> {
public:
    explicit TVelSkillList(const TVelIndexList& skill_types) : NameIndex(&skill_types) {}

    const TVelIndexList* NameIndex;

    TVelSkill* FindByCode(std::string_view code) const;
    // Known at a level above 0.
    bool HasSkill(std::string_view code) const;
    // A skill of the same code is dropped and the new one appended, so it moves to the end.
    void AddOrReplace(std::unique_ptr<TVelSkill> skill);
    // The skill's name from SkillTypes, or "<UNKNOWN>".
    std::string SkillName(const TVelSkill& skill) const;
    // The level, followed either by the days beyond what the level needs ("2 (+60)") or by a
    // marker of the months studied towards the next level ("2+2").
    static std::string LevelText(const TVelSkill& skill, bool show_extra_days);

    void SaveToStream(TKvFileStream& stream) const;
    void LoadFromStream(TKvFileStream& stream);
};

}  // namespace hexwarden
