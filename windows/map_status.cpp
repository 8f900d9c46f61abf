#include "windows/map_status.h"

#include "model/hex.h"
#include "platform/number_text.h"

namespace hexwarden {

MapStatusTexts HexStatusTexts(GamePoint at, const TVelHex* hex) {
    MapStatusTexts texts;
    texts.Coord = IntToStr(at.X) + ", " + IntToStr(at.Y);
    if (hex == nullptr) return texts;
    texts.Terrain = hex->TerrainName() + ", " + hex->ProvinceName();
    if (hex->SettlementSize != 0)
        texts.City = hex->SettlementName + " [" + std::string(SettlementSizeName(hex->SettlementSize)) + "]";
    texts.TaxBase = "$" + IntToStr(hex->TaxBase);
    return texts;
}

MapStatusTracker::Change MapStatusTracker::PointerAt(GridCell cell, bool valid) {
    if (!valid) {
        last_.reset();
        return Change::ClearCoord;
    }
    if (last_ == cell) return Change::None;
    last_ = cell;
    return Change::Rewrite;
}

}  // namespace hexwarden
