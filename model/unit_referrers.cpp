#include "model/unit_referrers.h"

#include <algorithm>

namespace hexwarden {

bool UnitReferrers::Contains(const TVelUnitList* list) const {
    // The set holds the lists it was given; looking one up changes nothing.
    if (many_) return many_->count(const_cast<TVelUnitList*>(list)) > 0;
    return std::find(few_.begin(), few_.end(), list) != few_.end();
}

void UnitReferrers::Insert(TVelUnitList* list) {
    if (many_) {
        many_->insert(list);
    } else if (few_.size() < kFew) {
        if (few_.empty()) few_.reserve(4);
        few_.push_back(list);
    } else {
        many_ = std::make_unique<std::unordered_set<TVelUnitList*>>(few_.begin(), few_.end());
        many_->insert(list);
        few_ = {};
    }
}

// The order of the lists does not matter, so the last one fills the gap.
void UnitReferrers::Erase(const TVelUnitList* list) {
    if (many_) {
        many_->erase(const_cast<TVelUnitList*>(list));
        return;
    }
    const auto found = std::find(few_.begin(), few_.end(), list);
    if (found == few_.end()) return;
    *found = few_.back();
    few_.pop_back();
}

void UnitReferrers::Clear() {
    few_.clear();
    many_.reset();
}

}  // namespace hexwarden
