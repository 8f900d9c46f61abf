#pragma once

#include <cstdint>

namespace hexwarden {
class TVelMain;
}

namespace hexwarden::bench {

// Fills the overworld with a side x side level as a long-running game knows it: every hex
// confirmed, terrains mixed, a named settlement in every tenth hex, a gate in every fiftieth, a
// shaft in every hundredth and a marker in every two-hundredth.
void MakeSyntheticLevel(TVelMain& db, int32_t side);

}  // namespace hexwarden::bench
