#include "cli/summary.h"

#include "cli/json_text.h"
#include "model/database.h"
#include "model/faction.h"

namespace hexwarden::cli {

namespace {

void CopyEntry(const TFactionTypeEntry& entry, int (&target)[3]) {
    target[0] = entry.Level;
    target[1] = entry.Used;
    target[2] = entry.Max;
}

LevelSummary SummariseLevel(const TVelHexList& hexes, DatabaseSummary& totals) {
    LevelSummary level;
    level.max_x = hexes.MaxX();
    level.max_y = hexes.MaxY();
    for (const TVelHex* hex : hexes.HexesByRow()) {
        ++(hex->Confirmed ? level.confirmed : level.unconfirmed);
        totals.structures += hex->Structures.Count();
        if (hex->Gate > 0) ++totals.gates;
        if (hex->SettlementSize > 0) ++totals.settlements;
    }
    return level;
}

std::string JsonTriple(const int (&values)[3]) {
    return "[" + std::to_string(values[0]) + ", " + std::to_string(values[1]) + ", " + std::to_string(values[2]) + "]";
}

std::string JsonLevel(const LevelSummary& level) {
    return "{\"confirmed\": " + std::to_string(level.confirmed) + ", \"unconfirmed\": " +
           std::to_string(level.unconfirmed) + ", \"max_x\": " + std::to_string(level.max_x) +
           ", \"max_y\": " + std::to_string(level.max_y) + "}";
}

std::string TextTriple(const int (&values)[3]) {
    return "level " + std::to_string(values[0]) + ", " + std::to_string(values[1]) + " of " + std::to_string(values[2]) + " used";
}

}  // namespace

DatabaseSummary Summarise(const TVelMain& database) {
    DatabaseSummary summary;
    summary.faction_number = database.FactionNumber;
    summary.faction_name = database.FactionName;
    summary.turn = database.Turn;
    CopyEntry(database.War, summary.war);
    CopyEntry(database.Trade, summary.trade);
    CopyEntry(database.Magic, summary.magic);
    summary.default_attitude = database.DefaultAttitude;
    summary.unclaimed_silver = database.UnclaimedSilver;
    summary.terrains = database.Terrains.Count();
    summary.races = database.Races.Count();
    summary.items = database.ItemTypes.Count();
    summary.skills = database.SkillTypes.Count();
    summary.provinces = database.Provinces.Count();
    summary.overworld = SummariseLevel(database.OverworldHexes, summary);
    summary.underworld = SummariseLevel(database.UnderworldHexes, summary);
    for (const Level level : database.Levels())
        if (level != Level::Surface && level != Level::Underworld)
            summary.other_levels.emplace_back(level.Label(), SummariseLevel(database.HexesOf(level), summary));
    summary.units = database.Units.Count();
    summary.own_units = database.OwnUnits.Count();
    summary.new_units = database.NewUnits.Count();
    summary.lost_units = database.LostUnits.Count();
    summary.factions = database.Factions.Count();
    summary.alliances = database.Alliances.Count();
    summary.markers = database.Markers.Count();
    return summary;
}

void PrintSummaryJson(std::ostream& out, const DatabaseSummary& s) {
    out << "{\n"
        << "  \"faction\": {\"number\": " << s.faction_number << ", \"name\": " << JsonString(s.faction_name) << "},\n"
        << "  \"turn\": " << s.turn << ",\n"
        << "  \"war\": " << JsonTriple(s.war) << ",\n"
        << "  \"trade\": " << JsonTriple(s.trade) << ",\n"
        << "  \"magic\": " << JsonTriple(s.magic) << ",\n"
        << "  \"default_attitude\": " << s.default_attitude << ",\n"
        << "  \"unclaimed_silver\": " << s.unclaimed_silver << ",\n"
        << "  \"tables\": {\"terrains\": " << s.terrains << ", \"races\": " << s.races << ", \"items\": " << s.items
        << ", \"skills\": " << s.skills << ", \"provinces\": " << s.provinces << "},\n"
        << "  \"overworld\": " << JsonLevel(s.overworld) << ",\n"
        << "  \"underworld\": " << JsonLevel(s.underworld) << ",\n"
        << "  \"other_levels\": {";
    for (std::size_t i = 0; i < s.other_levels.size(); ++i)
        out << (i == 0 ? "" : ", ") << JsonString(s.other_levels[i].first) << ": " << JsonLevel(s.other_levels[i].second);
    out << "},\n"
        << "  \"units\": " << s.units << ",\n"
        << "  \"own_units\": " << s.own_units << ",\n"
        << "  \"new_units\": " << s.new_units << ",\n"
        << "  \"lost_units\": " << s.lost_units << ",\n"
        << "  \"factions\": " << s.factions << ",\n"
        << "  \"alliances\": " << s.alliances << ",\n"
        << "  \"structures\": " << s.structures << ",\n"
        << "  \"markers\": " << s.markers << ",\n"
        << "  \"gates\": " << s.gates << ",\n"
        << "  \"settlements\": " << s.settlements << "\n"
        << "}\n";
}

void PrintSummaryText(std::ostream& out, const DatabaseSummary& s) {
    const auto level_line = [](const LevelSummary& level) {
        return std::to_string(level.confirmed) + " confirmed, " + std::to_string(level.unconfirmed) +
               " unconfirmed hexes, extent " + std::to_string(level.max_x) + "," + std::to_string(level.max_y);
    };
    if (s.faction_number == 0) {
        out << "Faction:          none yet\n";
    } else {
        out << "Faction:          " << s.faction_name << " (" << s.faction_number << ")\n";
    }
    out << "Turn:             " << s.turn << "\n"
        << "War:              " << TextTriple(s.war) << "\n"
        << "Trade:            " << TextTriple(s.trade) << "\n"
        << "Magic:            " << TextTriple(s.magic) << "\n"
        << "Default attitude: " << AttitudeName(s.default_attitude) << "\n"
        << "Unclaimed silver: " << s.unclaimed_silver << "\n"
        << "Tables:           " << s.terrains << " terrains, " << s.races << " races, " << s.items << " items, "
        << s.skills << " skills, " << s.provinces << " provinces\n"
        << "Overworld:        " << level_line(s.overworld) << "\n"
        << "Underworld:       " << level_line(s.underworld) << "\n";
    for (const auto& [label, level] : s.other_levels) out << "Level " << label << ": " << level_line(level) << "\n";
    out << "Units:            " << s.units << " (" << s.own_units << " own, " << s.new_units << " new, "
        << s.lost_units << " lost)\n"
        << "Factions:         " << s.factions << ", alliances: " << s.alliances << "\n"
        << "Structures:       " << s.structures << ", gates: " << s.gates << ", settlements: " << s.settlements << "\n"
        << "Markers:          " << s.markers << "\n";
}

}  // namespace hexwarden::cli
