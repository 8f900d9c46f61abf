#include "turn/record_level.h"

#include "model/database.h"

namespace hexwarden {

const TVelHex* HexAt(const TVelMain& database, const Place& place) {
    if (place.Where == Level::Surface) return database.FindHex(place.X, place.Y, true);
    if (place.Where == Level::Underworld) return database.FindHex(place.X, place.Y, false);
    return nullptr;
}

}  // namespace hexwarden
