#include "turn/region_state.h"

#include <algorithm>

namespace hexwarden {

int32_t RegionState::StructureRank(int32_t number) const {
    if (number == 0) return 0;
    const auto found = std::find(structures.begin(), structures.end(), number);
    // A structure the report did not show (a new one) comes after the others.
    return static_cast<int32_t>(found - structures.begin()) + 1;
}

const std::string* RegionState::StructureKind(int32_t number) const {
    const auto found = std::find(structures.begin(), structures.end(), number);
    if (found == structures.end()) return nullptr;
    return &structure_kinds[static_cast<std::size_t>(found - structures.begin())];
}

std::size_t RegionState::StructureSlot(int32_t number) const {
    return static_cast<std::size_t>(std::find(structures.begin(), structures.end(), number) - structures.begin());
}

void RegionState::AddStructure(int32_t number, std::string kind, int32_t needs, bool foreign_owner, bool foreign_inside) {
    structures.push_back(number);
    structure_kinds.push_back(std::move(kind));
    structure_needs.push_back(needs);
    structure_foreign_owner.push_back(foreign_owner);
    structure_foreign_inside.push_back(foreign_inside);
}

int32_t* RegionState::StructureNeeds(int32_t number) {
    const std::size_t slot = StructureSlot(number);
    return slot == structures.size() ? nullptr : &structure_needs[slot];
}

void RegionState::RemoveStructure(int32_t number) {
    const std::size_t slot = StructureSlot(number);
    if (slot == structures.size()) return;
    const auto at = static_cast<std::ptrdiff_t>(slot);
    structures.erase(structures.begin() + at);
    structure_kinds.erase(structure_kinds.begin() + at);
    structure_needs.erase(structure_needs.begin() + at);
    structure_foreign_owner.erase(structure_foreign_owner.begin() + at);
    structure_foreign_inside.erase(structure_foreign_inside.begin() + at);
}

std::string RegionState::ForeignNames() const {
    std::string names;
    for (const std::string& name : foreign_units) names += (names.empty() ? "" : ", ") + name;
    return names;
}

}  // namespace hexwarden
