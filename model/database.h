#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "model/alliance.h"
#include "model/faction.h"
#include "model/hex_list.h"
#include "model/index_table.h"
#include "model/map_marker.h"
#include "model/unit.h"
#include "model/unit_index.h"
#include "model/unit_list.h"
#include "model/wedge.h"

namespace hexwarden {

class LevelCodes;
class TVelFileStream;

// Faction-type points and their use (War: tax regions, Trade: trade regions, Magic: mages).
struct TFactionTypeEntry {
    uint8_t Level = 0;
    uint8_t Used = 0;
    uint8_t Max = 0;
    friend bool operator==(const TFactionTypeEntry&, const TFactionTypeEntry&) = default;
};

// The ten bytes of the data-file version (an 80-bit float).
using FileVersionBytes = std::array<uint8_t, 10>;
// 1.01: every hex, unit and marker on the surface or the underworld.
inline constexpr FileVersionBytes kFileVersion101 = {0xAE, 0x47, 0xE1, 0x7A, 0x14, 0xAE, 0x47, 0x81, 0xFF, 0x3F};
// 1.02: 1.01 with a list of the other levels and their hexes after the wedges.
inline constexpr FileVersionBytes kFileVersion102 = {0x5C, 0x8F, 0xC2, 0xF5, 0x28, 0x5C, 0x8F, 0x82, 0xFF, 0x3F};

// The one game database: everything known of the game world, the latest state of each record
// with the turn that gave it. It owns every record through its containers.
class TVelMain {
public:
    // Everything empty, the index tables seeded; DefaultAttitude stays 0 until Clear.
    TVelMain();
    ~TVelMain();
    TVelMain(const TVelMain&) = delete;
    TVelMain& operator=(const TVelMain&) = delete;

    FileVersionBytes FileVersion{};  // as read from the last opened data file
    int32_t FactionNumber = 0;
    std::string FactionName;
    TFactionTypeEntry War;
    TFactionTypeEntry Trade;
    TFactionTypeEntry Magic;
    int32_t Turn = 0;
    uint8_t DefaultAttitude = 0;
    int32_t UnclaimedSilver = 0;
    TVelUnitList OwnUnits;
    TVelUnitList NewUnits;
    TVelUnitIndexList LostUnits;
    TVelIndexList Terrains;
    TVelIndexList Races;
    TVelIndexList ItemTypes;
    TVelIndexList SkillTypes;
    TVelIndexList Provinces;
    TVelHexList OverworldHexes;  // the surface
    TVelHexList UnderworldHexes;
    TVelUnitIndexList Units;
    TVelFactionList Factions;
    TVelAllianceList Alliances;
    TVelMapMarkerList Markers;
    TVelWedgeList Wedges;

    // Back to an empty database: no faction, turn 0, default attitude "Neutral", the default
    // tables, no hexes or units, six unused wedges. FileVersion stays.
    void Clear();

    // Three zeros for any name but "War", "Trade" and "Magic" (exact case).
    TFactionTypeEntry GetFactionType(std::string_view name) const;
    // The entry of that name ("War", "Trade", "Magic", exact case), or null for any other name.
    TFactionTypeEntry* FactionType(std::string_view name);
    const TFactionTypeEntry* FactionType(std::string_view name) const;
    // Any other name is ignored.
    void SetFactionType(std::string_view name, const TFactionTypeEntry& entry);

    // The hexes of a level; a level not yet present gets an empty list.
    TVelHexList& HexesOf(Level level);
    // An empty list for a level not present.
    const TVelHexList& HexesOf(Level level) const;
    TVelHex* FindHex(const Place& place) const;
    // The surface, the underworld and every other level that holds hexes, in the order of depth.
    std::vector<Level> Levels() const;

    // Empties the list, then lists every unit of that faction in Units order.
    void UnitsOfFaction(int32_t faction, TVelUnitList& list) const;
    // The end of an import: the faction's units that `current` does not name move from Units to
    // LostUnits (whose earlier content is freed), leaving their hexes and structures.
    void FindLostUnits(int32_t faction, const TVelUnitList& current);
    // Takes the unit out of the unit list of the hex at its position, or else of the first
    // structure there that lists it.
    void RemoveFromLocation(const TVelUnit& unit);

    // True when the whole text is a floating-point number (an amount rather than a word).
    static bool IsNumber(std::string_view text);

    void AddDefaultRaces();
    void AddDefaultTerrains();
    void AddDefaultItems();

    // The whole database in data-file layout (the file-level reading and writing is in storage/):
    // version 1.01 when everything lies on the surface and the underworld, else 1.02.
    void SaveToStream(TVelFileStream& stream) const;
    // Refuses a version it does not know (Error, the database untouched); otherwise clears the
    // database and reads into it. What was read before an error stays.
    void LoadFromStream(TVelFileStream& stream);

private:
    // The levels other than the surface and the underworld that hexes, units or markers lie on.
    std::vector<Level> OtherLevelsInUse() const;
    void LoadSections(TVelFileStream& stream, const FileVersionBytes& version);
    void LoadOtherLevels(TVelFileStream& stream);
    // Gives units and markers the levels their provisional codes stand for.
    void ResolveLevels(const LevelCodes& codes);

    std::map<Level, std::unique_ptr<TVelHexList>> other_hexes_;
    TVelHexList no_hexes_;
};

// The version of a data file that starts with these bytes, as "1.01", or "unknown".
std::string FileVersionText(const FileVersionBytes& version);

}  // namespace hexwarden
