#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace hexwarden {

class TVeldoriaParser;

// The faction-level sections of an own report, between the header and the first region, and the
// hand-out of the report's events to the units they name.

// "Faction Status:" and its lines "Label: used (allowed)", read by their labels: "Tax ..." and
// "Regions" are War, "Trade ..." and "Quartermasters" Trade, "Mages" or "Magic" Magic; other labels
// are logged and passed over.
void ParseFactionStatus(TVeldoriaParser& parser);
// The lines under "Events during turn:" up to an empty line, indented lines joined to the event
// above; before them the lines under "Errors during turn:", each marked "Error: " behind its unit.
// Other sections before the events (battles) are passed; a report without events has none.
void ParseEvents(TVeldoriaParser& parser);
// "Skill reports:" entries become the skills' descriptions; "Item reports:" entries put their codes
// in the race table (races, monsters) or the item table (other things). Other report sections
// that may stand here ("Object reports:") are passed over.
void ParseSkillReports(TVeldoriaParser& parser);
// Only the item reports, of a text that stops at limit (another faction's report).
void ParseItemReports(TVeldoriaParser& parser, std::size_t limit);
// "Declared Attitudes": the default attitude and the factions listed under each attitude.
void ParseAttitudes(TVeldoriaParser& parser);
void ParseUnclaimedSilver(TVeldoriaParser& parser);

// One "Name (number)" of an attitude line, the name keeping bracketed parts of its own.
struct FactionRef {
    std::string Name;
    int32_t Number = 0;
    bool More = false;  // another reference follows
};
FactionRef ReadFactionRef(TVeldoriaParser& parser);

// Each event line naming a known unit number in its first brackets goes to that unit's Events;
// every unit's earlier events are cleared first.
void AllocateEvents(TVeldoriaParser& parser);

}  // namespace hexwarden
