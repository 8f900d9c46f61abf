#pragma once

#include "model/level.h"

namespace hexwarden {

class TVelHex;
class TVelMain;

// The level a unit or hex record stands on. Records still say only surface or underworld; this
// is the one place in the preview that reads how they say it.
template <typename Record>
Level RecordLevel(const Record& record) {
    return record.Overworld ? Level::Surface : Level::Underworld;
}

// The database's hex at the place, or null (the database keeps no Nexus or deeper levels).
const TVelHex* HexAt(const TVelMain& database, const Place& place);

}  // namespace hexwarden
