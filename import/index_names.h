#pragma once

#include <cstdint>
#include <string>

namespace hexwarden {

class TVelIndexList;
class TVelMain;

// Records a name a report gives for a code: as the singular when the count is exactly 1, else as
// the plural. A new code is added; a known one only gets a missing form filled in.
void RegisterName(TVelIndexList& table, const std::string& name, int32_t count, const std::string& code);

// Makes a code known as a race, taking over the names the item table has for it. Markets sell men
// for hire, so the item table may hold a race; the code stays there too, since market lists name
// their codes through it, but the race table is asked first, so units count these as men.
void RegisterAsRace(TVelMain& database, const std::string& code);

}  // namespace hexwarden
