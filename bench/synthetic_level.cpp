#include "bench/synthetic_level.h"

#include <memory>
#include <string>

#include "model/database.h"

namespace hexwarden::bench {

void MakeSyntheticLevel(TVelMain& db, int32_t side) {
    const int32_t terrains = db.Terrains.Count();
    int32_t serial = 0;
    for (int32_t x = 0; x < side; ++x) {
        for (int32_t row = 0; row < side; ++row, ++serial) {
            auto hex = std::make_unique<TVelHex>(db);
            hex->X = x;
            hex->Y = 2 * row + x % 2;
            hex->Confirmed = true;
            hex->Turn = 1;
            hex->Terrain = static_cast<uint8_t>((x / 3 + row / 4) % terrains);
            if (serial % 10 == 0) {
                hex->SettlementSize = static_cast<uint8_t>(1 + serial / 10 % 3);
                hex->SettlementName = "Settlement " + std::to_string(serial);
            }
            if (serial % 50 == 7) hex->Gate = serial / 50;
            if (serial % 100 == 13) {
                auto shaft = std::make_unique<TVelBuilding>(db);
                shaft->Kind = "Shaft";
                hex->Structures.Add(std::move(shaft));
            }
            if (serial % 200 == 21)
                db.Markers.Add(std::make_unique<TVelMapMarker>("Marker " + std::to_string(serial), Place{hex->X, hex->Y, Level::Surface}));
            db.OverworldHexes.AddOrMerge(std::move(hex));
        }
    }
}

const TVelMain& SyntheticLevel256() {
    static const auto db = [] {
        auto made = std::make_unique<TVelMain>();
        MakeSyntheticLevel(*made, 256);
        return made;
    }();
    return *db;
}

}  // namespace hexwarden::bench
