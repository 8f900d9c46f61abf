#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace hexwarden {
class TVelMain;
class TVelHexList;
}

namespace hexwarden::cli {

struct LevelSummary {
    int confirmed = 0;
    int unconfirmed = 0;
    int32_t max_x = 0;
    int32_t max_y = 0;
};

// What `info` prints about a database.
struct DatabaseSummary {
    int32_t faction_number = 0;
    std::string faction_name;
    int32_t turn = 0;
    int war[3] = {};
    int trade[3] = {};
    int magic[3] = {};
    int default_attitude = 0;
    int32_t unclaimed_silver = 0;
    int terrains = 0, races = 0, items = 0, skills = 0, provinces = 0;
    LevelSummary overworld, underworld;
    std::vector<std::pair<std::string, LevelSummary>> other_levels;  // by label, in the order of depth
    int units = 0, own_units = 0, new_units = 0, lost_units = 0;
    int factions = 0, alliances = 0, structures = 0, markers = 0, gates = 0, settlements = 0;
};

DatabaseSummary Summarise(const TVelMain& database);
void PrintSummaryText(std::ostream& out, const DatabaseSummary& summary);
void PrintSummaryJson(std::ostream& out, const DatabaseSummary& summary);

}  // namespace hexwarden::cli
