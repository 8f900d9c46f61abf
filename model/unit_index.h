#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "model/enhanced_list.h"
#include "model/unit.h"

namespace hexwarden {

class TVelFileStream;
class TVelMain;
class TVelUnitList;

// An owning list of units in order of arrival (the database's Units and LostUnits). Lookups by
// number give the first record of that number, through a hash index.
class TVelUnitIndexList {
public:
    // Called with (old, new) before a record is replaced.
    using ReplaceHandler = std::function<void(TVelUnit& old_unit, TVelUnit& new_unit)>;

    explicit TVelUnitIndexList(TVelMain& main) : main_(&main) {}
    TVelUnitIndexList(const TVelUnitIndexList&) = delete;
    TVelUnitIndexList& operator=(const TVelUnitIndexList&) = delete;

    ReplaceHandler OnReplace;

    int32_t Count() const { return units_.Count(); }
    TVelUnit* Get(int32_t index) const { return units_.Get(index); }
    void Clear();
    TVelUnit* FindByNumber(int32_t number) const;
    // Room for this many units in all, so that adding them does not re-hash the index again and again.
    void Reserve(std::size_t count);

    // A record of the same number is replaced by the new one, which inherits its notes, orders,
    // previous position, history and (in some cases) faction, and takes its place in the list and
    // in every reference list. A new number is appended (and, in the database's Units, an own
    // unit is listed in NewUnits). Returns the stored unit.
    TVelUnit* AddOrReplace(std::unique_ptr<TVelUnit> unit);
    // Appends without merging (records read from a file come in as they are).
    TVelUnit* Append(std::unique_ptr<TVelUnit> unit);
    // Takes the unit out of the list without freeing it; null when it is not in this list.
    std::unique_ptr<TVelUnit> Extract(TVelUnit* unit);
    // Takes all the given units out in one pass, in list order.
    std::vector<std::unique_ptr<TVelUnit>> ExtractAll(const std::unordered_set<const TVelUnit*>& units);

    // Empties result, then adds (through the database's Units) each unit matching: faction -1 or
    // equal; x or y -1, or both equal; and the level, when one is given.
    void Filter(TVelUnitList& result, int32_t faction, int32_t x, int32_t y, std::optional<Level> level) const;

    auto begin() const { return units_.begin(); }
    auto end() const { return units_.end(); }

    void SaveToStream(TVelFileStream& stream) const;
    void LoadFromStream(TVelFileStream& stream);

private:
    void IndexAppended(TVelUnit* unit);
    void UnindexExtracted(TVelUnit* unit);
    void Renumber(int32_t from);

    TVelMain* main_;
    TEnhancedList<TVelUnit> units_;
    std::unordered_map<int32_t, TVelUnit*> first_by_number_;
    // Further records of a number, in list order; only a damaged or hand-made file gives these.
    std::unordered_map<int32_t, std::vector<TVelUnit*>> later_by_number_;
};

}  // namespace hexwarden
