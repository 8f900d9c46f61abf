#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

#include "model/enhanced_list.h"

namespace hexwarden {

class TKvFileStream;

// Attitude values are positions in this table; 0 means "the database's default applies".
inline constexpr std::array<std::string_view, 6> kAttitudeNames = {"Default", "Hostile", "Unfriendly",
                                                                   "Neutral", "Friendly", "Ally"};

// Position of the name in the attitude table (exact case), 0 when it is not there.
int AttitudeIndex(std::string_view name);
// The table entry, or the empty text for a value outside it.
std::string_view AttitudeName(int attitude);

// A faction the player knows of. Its Number is the faction list's lookup key, so it is read-only
// here and changes only through TVelFactionList::SetNumber.
class TVelFaction {
public:
    TVelFaction() = default;
    TVelFaction(int32_t number, std::string name) : number_(number), Name(std::move(name)) {}
    // Factions live in their list, which alone may change their numbers; the public Number
    // reference would point into the source of a copy.
    TVelFaction(const TVelFaction&) = delete;
    TVelFaction& operator=(const TVelFaction&) = delete;

private:
    friend class TVelFactionList;
    int32_t number_ = 0;

public:
    const int32_t& Number = number_;
    std::string Name;
    uint8_t Attitude = 0;
    std::string Reserved;  // carried through the data file, read by nothing
    std::string Email;
    uint32_t Colour = 0;

    void SaveToStream(TKvFileStream& stream) const;
    void LoadFromStream(TKvFileStream& stream);
};

// Bits of the FormatFaction style.
enum FactionStyle : int {
    FactionSquareBrackets = 1,  // "[12]"; with FactionBareNumber: no number at all
    FactionBareNumber = 2,      // "12"
    FactionUnknownMark = 4,     // number 0 as "???"
    FactionCommaSeparator = 8,  // ", " between name and number instead of " "
    FactionNameFirst = 16,      // with FactionNumberOnly: the number part alone
    FactionNumberOnly = 32,
};

// Every known faction, in order of arrival; hashed lookup by number (first match).
class TVelFactionList {
public:
    int32_t Count() const { return factions_.Count(); }
    TVelFaction* Get(int32_t index) const { return factions_.Get(index); }
    void Clear();

    int32_t IndexOfNumber(int32_t number) const;
    TVelFaction* FindByNumber(int32_t number) const;
    // The faction of that number gets the name; an unknown number is appended.
    TVelFaction* AddOrRename(std::string_view name, int32_t number);
    // A known number takes the new name (and attitude when asked) and the new record is dropped;
    // an unknown one is appended. Returns the stored faction.
    TVelFaction* Merge(std::unique_ptr<TVelFaction> faction, bool with_attitude);
    // Gives the faction at the position another number, keeping the lookup by number right.
    void SetNumber(int32_t position, int32_t number);
    static std::string FormatFaction(const TVelFaction& faction, int style);

    auto begin() const { return factions_.begin(); }
    auto end() const { return factions_.end(); }

    void SaveToStream(TKvFileStream& stream) const;
    void LoadFromStream(TKvFileStream& stream);

private:
    TVelFaction* Append(std::unique_ptr<TVelFaction> faction);

    TEnhancedList<TVelFaction> factions_;
    std::unordered_map<int32_t, int32_t> first_by_number_;
};

}  // namespace hexwarden
