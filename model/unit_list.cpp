#include "model/unit_list.h"

#include <algorithm>

#include "model/alliance.h"
#include "model/database.h"
#include "model/unit.h"
#include "platform/file_stream.h"

namespace hexwarden {

namespace {

constexpr std::size_t kUnitNumberBytes = 4;

}  // namespace

TVelUnitList::~TVelUnitList() {
    Clear();
}

TVelUnit* TVelUnitList::Get(int32_t index) const {
    if (index < 0 || index >= Count()) return nullptr;
    return units_[static_cast<std::size_t>(index)];
}

void TVelUnitList::Clear() {
    for (TVelUnit* unit : units_) Unregister(unit);
    units_.clear();
}

TVelUnit* TVelUnitList::FindByNumber(int32_t number) const {
    for (TVelUnit* unit : units_)
        if (unit->Number == number) return unit;
    return nullptr;
}

// A unit is named by few lists, so asking the unit is cheaper than scanning a long list.
bool TVelUnitList::Contains(const TVelUnit* unit) const {
    if (unit == nullptr) return false;
    const auto& referrers = unit->referrers_;
    return std::find(referrers.begin(), referrers.end(), this) != referrers.end();
}

void TVelUnitList::AddUnique(TVelUnit* unit) {
    if (unit == nullptr || Contains(unit)) return;
    units_.push_back(unit);
    unit->referrers_.push_back(this);
}

void TVelUnitList::AddByNumber(int32_t number) {
    AddUnique(main_->Units.FindByNumber(number));
}

bool TVelUnitList::RemoveByNumber(int32_t number) {
    const auto found = std::find_if(units_.begin(), units_.end(), [number](const TVelUnit* unit) { return unit->Number == number; });
    if (found == units_.end()) return false;
    Erase(found);
    return true;
}

bool TVelUnitList::HasFactionUnit(int32_t faction) const {
    return std::any_of(units_.begin(), units_.end(), [faction](const TVelUnit* unit) { return unit->Faction == faction; });
}

bool TVelUnitList::HasAllianceUnit(const TVelAlliance& alliance) const {
    return std::any_of(units_.begin(), units_.end(), [&alliance](const TVelUnit* unit) { return alliance.IsMember(unit->Faction); });
}

void TVelUnitList::Erase(std::vector<TVelUnit*>::iterator position) {
    Unregister(*position);
    units_.erase(position);
}

void TVelUnitList::Unregister(TVelUnit* unit) const {
    auto& referrers = unit->referrers_;
    referrers.erase(std::find(referrers.begin(), referrers.end(), this));
}

void TVelUnitList::Forget(TVelUnit* unit) {
    units_.erase(std::find(units_.begin(), units_.end(), unit));
}

void TVelUnitList::Substitute(TVelUnit* old_unit, TVelUnit* new_unit) {
    const auto position = std::find(units_.begin(), units_.end(), old_unit);
    if (Contains(new_unit)) {
        units_.erase(position);
    } else {
        *position = new_unit;
        new_unit->referrers_.push_back(this);
    }
}

void TVelUnitList::SaveToStream(TKvFileStream& stream) const {
    stream.WriteInt32(Turn);
    stream.WriteInt32(Count());
    for (const TVelUnit* unit : units_) stream.WriteInt32(unit->Number);
}

void TVelUnitList::LoadFromStream(TKvFileStream& stream) {
    Turn = stream.ReadInt32();
    Clear();
    const int32_t count = stream.ReadCount(kUnitNumberBytes);
    for (int32_t i = 0; i < count; ++i) AddByNumber(stream.ReadInt32());
}

}  // namespace hexwarden
