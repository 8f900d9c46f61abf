#pragma once

#include <cstddef>
#include <string>

namespace hexwarden::bench {

// A turn report of roughly target_bytes: a faction header and sections, then as many regions as
// it takes, each with markets, exits, a gate now and then, units in the open and structures with
// units inside. Unit numbers never repeat, so every unit is a fresh record.
std::string MakeSyntheticReport(std::size_t target_bytes);

}  // namespace hexwarden::bench
