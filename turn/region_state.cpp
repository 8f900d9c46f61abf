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

std::string RegionState::ForeignNames() const {
    std::string names;
    for (const std::string& name : foreign_units) names += (names.empty() ? "" : ", ") + name;
    return names;
}

}  // namespace hexwarden
