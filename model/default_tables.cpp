#include "model/default_tables.h"

#include <array>
#include <memory>

#include "model/index_table.h"

namespace hexwarden {

namespace {

struct DefaultRace {
    const char* singular;
    const char* plural;
    const char* code;
};

constexpr std::array<DefaultRace, 17> kRaces = {{
    {"leader", "leaders", "LEAD"},
    {"viking", "vikings", "VIKI"},
    {"barbarian", "barbarians", "BARB"},
    {"plainsman", "plainsmen", "PLAI"},
    {"eskimo", "eskimos", "ESKI"},
    {"nomad", "nomads", "NOMA"},
    {"tribesman", "tribesmen", "TMAN"},
    {"darkman", "darkmen", "DMAN"},
    {"wood elf", "wood elves", "WELF"},
    {"sea elf", "sea elves", "SELF"},
    {"high elf", "high elves", "HELF"},
    {"tribal elf", "tribal elves", "TELF"},
    {"ice dwarf", "ice dwarves", "IDWA"},
    {"hill dwarf", "hill dwarves", "HDWA"},
    {"under dwarf", "under dwarves", "UDWA"},
    {"desert dwarf", "desert dwarves", "DDWA"},
    {"orc", "orcs", "ORC"},
}};

struct DefaultTerrain {
    const char* word;
    int32_t colour;
};

constexpr std::array<DefaultTerrain, 8> kTerrains = {{
    {"plain", 11069695},
    {"jungle", 32768},
    {"mountain", 24764},
    {"desert", 3712224},
    {"swamp", 5548200},
    {"forest", 4769864},
    {"ocean", 16711680},
    {"tundra", 14731448},
}};

}  // namespace

void AddDefaultRaces(TVelIndexList& races) {
    for (const DefaultRace& race : kRaces)
        races.Add(std::make_unique<TVelIndexRecord>(race.singular, 0, race.code, race.plural));
}

void AddDefaultTerrains(TVelIndexList& terrains) {
    for (const DefaultTerrain& terrain : kTerrains)
        terrains.Add(std::make_unique<TVelIndexRecord>(terrain.word, terrain.colour, terrain.word, ""));
}

void AddDefaultItems(TVelIndexList& item_types) {
    item_types.Add(std::make_unique<TVelIndexRecord>("silver", 0, "SILV", "silver"));
}

}  // namespace hexwarden
