#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace hexwarden {

class TVelMain;

inline constexpr std::string_view kImportCompletedMessage = "Import completed.";

// Merges the hex sections of a map-data file into the database: a hex the database lacks is
// created, a known one is refreshed only by a newer turn, and a confirmed one never by an
// unconfirmed section. Structure, unit and header sections are not read. Returns the message for
// the user, "Import completed.". A malformed number in a hex section throws ConversionError; the
// sections before it stay imported.
std::string ImportMapData(TVelMain& main, const std::filesystem::path& path);
std::string ImportMapDataFromBytes(TVelMain& main, std::string_view bytes);

}  // namespace hexwarden
