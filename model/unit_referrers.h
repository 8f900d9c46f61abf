#pragma once

#include <cstddef>
#include <memory>
#include <unordered_set>
#include <vector>

namespace hexwarden {

class TVelUnitList;

// The reference lists that name one unit. Usually a handful (its hex or structure, the own and
// new unit lists), kept in a small vector; only a damaged file names one unit from thousands of
// hexes, and then a hash set keeps adding and removing lists from growing quadratic.
class UnitReferrers {
public:
    bool Contains(const TVelUnitList* list) const;
    void Insert(TVelUnitList* list);
    void Erase(const TVelUnitList* list);
    void Clear();

    template <typename Visit>
    void ForEach(Visit visit) const {
        if (many_) {
            for (TVelUnitList* list : *many_) visit(list);
        } else {
            for (TVelUnitList* list : few_) visit(list);
        }
    }

private:
    static constexpr std::size_t kFew = 16;

    std::vector<TVelUnitList*> few_;
    std::unique_ptr<std::unordered_set<TVelUnitList*>> many_;
};

}  // namespace hexwarden
