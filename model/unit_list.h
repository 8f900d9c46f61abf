#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

namespace hexwarden {

class TKvFileStream;
class TVelAlliance;
class TVelMain;
class TVelUnit;

// A non-owning list of units owned by the database (own units, new units, the units of a hex or a
// structure). Each unit is listed at most once. A unit that is freed leaves every list naming it,
// and one that is replaced in the unit index is named by its replacement instead.
class TVelUnitList {
public:
    explicit TVelUnitList(TVelMain& main) : main_(&main) {}
    ~TVelUnitList();
    TVelUnitList(const TVelUnitList&) = delete;
    TVelUnitList& operator=(const TVelUnitList&) = delete;

    int32_t Turn = 0;  // stamped by the unit parse with the imported turn

    int32_t Count() const { return static_cast<int32_t>(units_.size()); }
    TVelUnit* Get(int32_t index) const;
    void Clear();

    TVelUnit* FindByNumber(int32_t number) const;
    bool Contains(const TVelUnit* unit) const;
    // Nothing for null or a unit already listed.
    void AddUnique(TVelUnit* unit);
    // The unit of that number in the database's Units, if there is one.
    void AddByNumber(int32_t number);
    bool RemoveByNumber(int32_t number);
    bool HasFactionUnit(int32_t faction) const;
    bool HasAllianceUnit(const TVelAlliance& alliance) const;

    auto begin() const { return units_.begin(); }
    auto end() const { return units_.end(); }

    // Stored as unit numbers; reading links them through the database's Units, dropping numbers
    // it does not know and repeated ones.
    void SaveToStream(TKvFileStream& stream) const;
    void LoadFromStream(TKvFileStream& stream);

private:
    friend class TVelUnit;
    friend class TVelUnitIndexList;

    void Forget(TVelUnit* unit);                                  // the unit is going away
    void Substitute(TVelUnit* old_unit, TVelUnit* new_unit);      // old is being replaced
    void Erase(std::vector<TVelUnit*>::iterator position);
    void Register(TVelUnit* unit);
    void Unregister(TVelUnit* unit) const;
    std::size_t PositionOf(const TVelUnit* unit);

    TVelMain* main_;
    std::vector<TVelUnit*> units_;
    // Where each unit stands, so that replacing units in a long list (own units seen again in an
    // ally's report) is not a scan per unit. Built on demand; dropped when positions shift.
    std::unique_ptr<std::unordered_map<const TVelUnit*, std::size_t>> positions_;
};

}  // namespace hexwarden
