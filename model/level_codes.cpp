#include "model/level_codes.h"

#include <algorithm>

namespace hexwarden {

namespace {
constexpr uint8_t kUnderworldCode = 0;
constexpr uint8_t kSurfaceCode = 1;
constexpr uint8_t kFirstOtherCode = 2;

// A surface never has a depth, so a surface with one can carry a code that is not yet resolved.
bool IsProvisional(Level level) { return level.IsSurface() && level.Depth() != 0; }
}  // namespace

uint8_t LevelCodes::CodeOf(Level level) const {
    if (level == Level::Surface) return kSurfaceCode;
    if (level == Level::Underworld) return kUnderworldCode;
    const auto found = std::find(others_.begin(), others_.end(), level);
    return static_cast<uint8_t>(kFirstOtherCode + (found - others_.begin()));
}

Level LevelCodes::FromCode(uint8_t code) {
    if (code == kUnderworldCode) return Level::Underworld;
    if (code == kSurfaceCode) return Level::Surface;
    return Level(LevelKind::Surface, code, false);
}

Level LevelCodes::Resolve(Level level) const {
    if (!IsProvisional(level)) return level;
    const std::size_t index = static_cast<std::size_t>(level.Depth() - kFirstOtherCode);
    return index < others_.size() ? others_[index] : Level::Surface;
}

}  // namespace hexwarden
