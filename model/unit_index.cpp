#include "model/unit_index.h"

#include <algorithm>

#include "model/database.h"
#include "model/record_stream.h"
#include "model/unit_list.h"

namespace hexwarden {

namespace {

// Turn, faction, flag, two empty texts, number, two locations, flags, four empty texts and five
// empty lists.
constexpr std::size_t kMinUnitBytes = 87;


}  // namespace

void TVelUnitIndexList::Clear() {
    first_by_number_.clear();
    later_by_number_.clear();
    units_.Clear();
}

TVelUnit* TVelUnitIndexList::FindByNumber(int32_t number) const {
    const auto found = first_by_number_.find(number);
    return found == first_by_number_.end() ? nullptr : found->second;
}

TVelUnit* TVelUnitIndexList::Append(std::unique_ptr<TVelUnit> unit) {
    TVelUnit* appended = unit.get();
    appended->index_in_owner_ = Count();
    units_.Add(std::move(unit));
    IndexAppended(appended);
    return appended;
}

TVelUnit* TVelUnitIndexList::AddOrReplace(std::unique_ptr<TVelUnit> unit) {
    TVelUnit* existing = FindByNumber(unit->Number);
    if (existing == nullptr) {
        TVelUnit* appended = Append(std::move(unit));
        if (this == &main_->Units && appended->Faction == main_->FactionNumber) main_->NewUnits.AddUnique(appended);
        return appended;
    }

    if (OnReplace) OnReplace(*existing, *unit);
    unit->Notes = std::move(existing->Notes);
    unit->Orders = std::move(existing->Orders);
    if (existing->Turn >= unit->Turn) {
        unit->LastX = existing->LastX;
        unit->LastY = existing->LastY;
        unit->LastWhere = existing->LastWhere;
    } else {
        unit->LastX = existing->X;
        unit->LastY = existing->Y;
        unit->LastWhere = existing->Where;
    }
    unit->PositionHistory.TakeItems(existing->PositionHistory);  // the old record is freed below
    unit->PositionHistory.AddPosition(unit->At(), unit->Turn);
    if (!unit->FactionConfirmed && existing->Faction != main_->FactionNumber) {
        unit->Faction = existing->Faction;
        unit->FactionConfirmed = existing->FactionConfirmed;
    }

    // Whatever still names the old record names the new one from now on.
    TVelUnit* replacement = unit.get();
    existing->referrers_.ForEach([&](TVelUnitList* list) { list->Substitute(existing, replacement); });
    existing->referrers_.Clear();

    replacement->index_in_owner_ = existing->index_in_owner_;
    first_by_number_[replacement->Number] = replacement;
    units_.Exchange(existing->index_in_owner_, std::move(unit));  // frees the old record
    return replacement;
}

std::unique_ptr<TVelUnit> TVelUnitIndexList::Extract(TVelUnit* unit) {
    if (unit == nullptr || Get(unit->index_in_owner_) != unit) return nullptr;
    const int32_t position = unit->index_in_owner_;
    UnindexExtracted(unit);
    std::unique_ptr<TVelUnit> extracted = units_.ExtractAt(position);
    Renumber(position);
    return extracted;
}

std::vector<std::unique_ptr<TVelUnit>> TVelUnitIndexList::ExtractAll(const std::unordered_set<const TVelUnit*>& units) {
    auto extracted = units_.ExtractIf([&units](const TVelUnit* unit) { return units.count(unit) > 0; });
    for (const auto& unit : extracted) UnindexExtracted(unit.get());
    Renumber(0);
    return extracted;
}

void TVelUnitIndexList::Filter(TVelUnitList& result, int32_t faction, int32_t x, int32_t y, std::optional<Level> level) const {
    result.Clear();
    for (const auto& unit : units_) {
        const bool faction_matches = faction == -1 || faction == unit->Faction;
        const bool place_matches = x == -1 || y == -1 || (x == unit->X && y == unit->Y);
        if (faction_matches && place_matches && (!level || unit->Where == *level)) result.AddByNumber(unit->Number);
    }
}

void TVelUnitIndexList::IndexAppended(TVelUnit* unit) {
    const auto [entry, inserted] = first_by_number_.try_emplace(unit->Number, unit);
    if (!inserted) later_by_number_[unit->Number].push_back(unit);
}

void TVelUnitIndexList::UnindexExtracted(TVelUnit* unit) {
    const int32_t number = unit->Number;
    unit->index_in_owner_ = -1;
    const auto later = later_by_number_.find(number);
    if (first_by_number_[number] == unit) {
        if (later == later_by_number_.end()) {
            first_by_number_.erase(number);
            return;
        }
        first_by_number_[number] = later->second.front();
        later->second.erase(later->second.begin());
    } else if (later != later_by_number_.end()) {
        later->second.erase(std::find(later->second.begin(), later->second.end(), unit));
    }
    if (later != later_by_number_.end() && later->second.empty()) later_by_number_.erase(later);
}

void TVelUnitIndexList::Renumber(int32_t from) {
    for (int32_t i = from; i < Count(); ++i) Get(i)->index_in_owner_ = i;
}

void TVelUnitIndexList::Reserve(std::size_t count) {
    units_.Reserve(count);
    first_by_number_.reserve(count);
}

void TVelUnitIndexList::SaveToStream(TVelFileStream& stream) const {
    SaveRecords(stream, units_);
}

void TVelUnitIndexList::LoadFromStream(TVelFileStream& stream) {
    Clear();
    LoadRecords(
        stream, kMinUnitBytes, [this] { return std::make_unique<TVelUnit>(*main_); },
        [this](auto unit) { Append(std::move(unit)); },
        [this](int32_t count) {
            Reserve(static_cast<std::size_t>(count));
        });
}

}  // namespace hexwarden
