#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace hexwarden {

class TVelFactionList;

// Reads a faction list, one faction per line written "Name (number), address", into the list:
// a new number is added, a known one renamed; each gets the address. Blank lines are passed over.
// Returns how many factions were recorded. A line whose number is not a number throws
// ConversionError, leaving the lines before it recorded.
int32_t ImportFactions(TVelFactionList& factions, const std::filesystem::path& file_name);
int32_t ImportFactionsFromText(TVelFactionList& factions, std::string_view text);

// "Imported <count> faction(s)."
std::string ImportedFactionsMessage(int32_t count);

}  // namespace hexwarden
