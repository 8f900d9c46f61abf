#include "model/hex_list.h"

#include <algorithm>

#include "model/record_stream.h"
#include "platform/error.h"

namespace hexwarden {

namespace {
// Flag, location, turn, terrain, province, tax, wages, max wages, size, empty name,
// entertainment, gate, empty notes, four empty item lists, empty structures and units.
constexpr std::size_t kMinHexBytes = 83;
}  // namespace

uint64_t TVelHexList::Key(int32_t x, int32_t y) {
    return (uint64_t{static_cast<uint32_t>(x)} << 32) | static_cast<uint32_t>(y);
}

void TVelHexList::Clear() {
    hexes_.clear();
    max_x_ = 0;
    max_y_ = 0;
}

TVelHex* TVelHexList::FindXY(int32_t x, int32_t y) const {
    if (x < 0 || y < 0) return nullptr;
    const auto found = hexes_.find(Key(x, y));
    return found == hexes_.end() ? nullptr : found->second.get();
}

TVelHex* TVelHexList::Put(std::unique_ptr<TVelHex> hex) {
    const int32_t x = hex->X;
    const int32_t y = hex->Y;
    if (x < 0 || y < 0) throw Error("Hex location out of range: " + JoinLocation({x, y, level_}));
    hex->Where = level_;
    TVelHex* stored = hex.get();
    hexes_[Key(x, y)] = std::move(hex);
    max_x_ = std::max(max_x_, x);
    max_y_ = std::max(max_y_, y);
    return stored;
}

TVelHex* TVelHexList::AddOrMerge(std::unique_ptr<TVelHex> hex) {
    TVelHex* existing = FindXY(hex->X, hex->Y);
    if (existing) {
        hex->Notes = existing->Notes;
        if (existing->Confirmed && !hex->Confirmed) return existing;
    }
    return Put(std::move(hex));
}

std::vector<TVelHex*> TVelHexList::HexesByRow() const {
    std::vector<TVelHex*> hexes;
    hexes.reserve(hexes_.size());
    for (const auto& [key, hex] : hexes_) hexes.push_back(hex.get());
    std::sort(hexes.begin(), hexes.end(), [](const TVelHex* a, const TVelHex* b) {
        return a->Y != b->Y ? a->Y < b->Y : a->X < b->X;
    });
    return hexes;
}

void TVelHexList::SaveToStream(TVelFileStream& stream) const {
    const std::vector<TVelHex*> hexes = HexesByRow();
    stream.WriteInt32(static_cast<int32_t>(hexes.size()));
    for (const TVelHex* hex : hexes) hex->SaveToStream(stream);
}

void TVelHexList::LoadFromStream(TVelFileStream& stream) {
    Clear();
    LoadRecords(
        stream, kMinHexBytes, [this] { return std::make_unique<TVelHex>(*main_); },
        [this](auto hex) { AddOrMerge(std::move(hex)); },
        [this](int32_t count) { hexes_.reserve(static_cast<std::size_t>(count)); });
}

TVelHex* TVelHexRefList::Get(int32_t index) const {
    if (index < 0 || index >= Count()) return nullptr;
    return hexes_[static_cast<std::size_t>(index)];
}

TVelHex* TVelHexRefList::FindAt(const Place& place) const {
    const auto found = std::find_if(hexes_.begin(), hexes_.end(), [&](const TVelHex* hex) { return hex->At() == place; });
    return found == hexes_.end() ? nullptr : *found;
}

}  // namespace hexwarden
