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

// A database holding such a level of side 256, made on first use and shared by the benchmarks of
// one program.
const TVelMain& SyntheticLevel256();

}  // namespace hexwarden::bench
