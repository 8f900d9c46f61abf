#pragma once

#include <cstdint>
#include <string>

namespace hexwarden {

class TVelIndexList;

// Records a name a report gives for a code: as the singular when the count is exactly 1, else as
// the plural. A new code is added; a known one only gets a missing form filled in.
void RegisterName(TVelIndexList& table, const std::string& name, int32_t count, const std::string& code);

}  // namespace hexwarden
