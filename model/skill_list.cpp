#include "model/skill_list.h"

#include <array>

#include "model/index_table.h"
#include "model/record_stream.h"

namespace hexwarden {

namespace {

constexpr std::size_t kMinSkillBytes = 12;  // empty code, level, days

// Days of study each level 1 to 5 needs.
constexpr std::array<int64_t, 5> kDaysForLevel = {30, 90, 180, 300, 450};

// Months studied beyond the start of the current level, by days: [from, to) -> marker.
struct StudyMarker {
    int32_t from;
    int32_t to;
    const char* text;
};
constexpr std::array<StudyMarker, 10> kStudyMarkers = {{
    {60, 90, "+1"},
    {120, 150, "+1"},
    {150, 180, "+2"},
    {210, 240, "+1"},
    {240, 270, "+2"},
    {270, 300, "+3"},
    {330, 360, "+1"},
    {360, 390, "+2"},
    {390, 420, "+3"},
    {420, 450, "+4"},
}};

}  // namespace

TVelSkill::TVelSkill(std::string code, int32_t level, int32_t days) : Code(std::move(code)), Level(level), Days(days) {}

void TVelSkill::SaveToStream(TKvFileStream& stream) const {
    stream.WriteString(Code);
    stream.WriteInt32(Level);
    stream.WriteInt32(Days);
}

void TVelSkill::LoadFromStream(TKvFileStream& stream) {
    Code = stream.ReadString();
    Level = stream.ReadInt32();
    Days = stream.ReadInt32();
}

TVelSkill* TVelSkillList::FindByCode(std::string_view code) const {
    for (const auto& skill : *this)
        if (skill && skill->Code == code) return skill.get();
    return nullptr;
}

bool TVelSkillList::HasSkill(std::string_view code) const {
    const TVelSkill* skill = FindByCode(code);
    return skill != nullptr && skill->Level > 0;
}

void TVelSkillList::AddOrReplace(std::unique_ptr<TVelSkill> skill) {
    Remove(FindByCode(skill->Code));
    Add(std::move(skill));
}

std::string TVelSkillList::SkillName(const TVelSkill& skill) const {
    const TVelIndexRecord* record = NameIndex->FindByCode(skill.Code);
    return record ? record->Name : "<UNKNOWN>";
}

std::string TVelSkillList::LevelText(const TVelSkill& skill, bool show_extra_days) {
    std::string text = std::to_string(skill.Level);
    if (show_extra_days) {
        if (skill.Level >= 1 && skill.Level <= 5) {
            const int64_t extra = int64_t{skill.Days} - kDaysForLevel[static_cast<std::size_t>(skill.Level - 1)];
            if (extra > 0) text += " (+" + std::to_string(extra) + ")";
        }
        return text;
    }
    for (const StudyMarker& marker : kStudyMarkers)
        if (skill.Days >= marker.from && skill.Days < marker.to) return text + marker.text;
    return text;
}

void TVelSkillList::SaveToStream(TKvFileStream& stream) const {
    SaveRecords(stream, *this);
}

void TVelSkillList::LoadFromStream(TKvFileStream& stream) {
    Clear();
    LoadRecords<TVelSkill>(
        stream, kMinSkillBytes, [this](auto skill) { Add(std::move(skill)); },
        [this](int32_t count) { Reserve(static_cast<std::size_t>(count)); });
}

}  // namespace hexwarden
