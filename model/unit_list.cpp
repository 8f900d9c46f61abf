#include "model/unit_list.h"

#include <algorithm>

#include "model/alliance.h"
#include "model/database.h"
#include "model/unit.h"
#include "platform/file_stream.h"

namespace hexwarden {

namespace {

constexpr std::size_t kUnitNumberBytes = 4;
// Below this length a scan is as quick as keeping positions.
constexpr std::size_t kIndexedLength = 64;

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
    positions_.reset();
}

TVelUnit* TVelUnitList::FindByNumber(int32_t number) const {
    for (TVelUnit* unit : units_)
        if (unit->Number == number) return unit;
    return nullptr;
}

bool TVelUnitList::Contains(const TVelUnit* unit) const {
    return unit != nullptr && unit->referrers_.Contains(this);
}

void TVelUnitList::AddUnique(TVelUnit* unit) {
    if (unit == nullptr || Contains(unit)) return;
    units_.push_back(unit);
    Register(unit);
    if (positions_) positions_->emplace(unit, units_.size() - 1);
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
    positions_.reset();
}

void TVelUnitList::Register(TVelUnit* unit) {
    unit->referrers_.Insert(this);
}

void TVelUnitList::Unregister(TVelUnit* unit) const {
    unit->referrers_.Erase(this);
}

std::size_t TVelUnitList::PositionOf(const TVelUnit* unit) {
    if (units_.size() < kIndexedLength) return static_cast<std::size_t>(std::find(units_.begin(), units_.end(), unit) - units_.begin());
    if (!positions_) {
        positions_ = std::make_unique<std::unordered_map<const TVelUnit*, std::size_t>>();
        for (std::size_t i = 0; i < units_.size(); ++i) positions_->emplace(units_[i], i);
    }
    return positions_->at(unit);
}

void TVelUnitList::Forget(TVelUnit* unit) {
    units_.erase(std::find(units_.begin(), units_.end(), unit));
    positions_.reset();
}

void TVelUnitList::Substitute(TVelUnit* old_unit, TVelUnit* new_unit) {
    const std::size_t position = PositionOf(old_unit);
    if (Contains(new_unit)) {
        units_.erase(units_.begin() + static_cast<std::ptrdiff_t>(position));
        positions_.reset();
        return;
    }
    units_[position] = new_unit;
    Register(new_unit);
    if (positions_) {
        positions_->erase(old_unit);
        positions_->emplace(new_unit, position);
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
