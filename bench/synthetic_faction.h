#pragma once

#include <cstdint>

namespace hexwarden {

class TVelMain;

// Own units 1..count of faction 3, a hundred to a plain, each with 10 high elves, 500 silver,
// 10 swords and combat 2; every plain pays wages, sells high elves and wants swords.
void FillSyntheticFaction(TVelMain& db, int32_t count);

}  // namespace hexwarden
