#pragma once

#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

#include "model/coordinates.h"
#include "model/hex.h"

namespace hexwarden {

class TVelFileStream;
class TVelMain;

// The map of one level: at most one hex per (x, y), both 0 or more. Held sparsely, so a damaged
// coordinate cannot make it allocate a huge grid. Every hex it holds lies on its level.
class TVelHexList {
public:
    TVelHexList(TVelMain& main, Level level) : main_(&main), level_(level) {}

    Level Where() const { return level_; }
    TVelHexList(const TVelHexList&) = delete;
    TVelHexList& operator=(const TVelHexList&) = delete;

    // Largest x and y stored since the last Clear; 0 when empty.
    int32_t MaxX() const { return max_x_; }
    int32_t MaxY() const { return max_y_; }

    void Clear();
    TVelHex* Find(GamePoint point) const { return FindXY(point.X, point.Y); }
    TVelHex* FindXY(int32_t x, int32_t y) const;
    // Stores the hex at its own coordinates, on this level, freeing one that was there. Throws
    // Error for a negative coordinate (the hex is freed).
    TVelHex* Put(std::unique_ptr<TVelHex> hex);
    // Newer knowledge replaces older: the new hex takes the stored one's notes and replaces it,
    // unless the stored one is confirmed and the new one is not (then the new one is dropped).
    // Returns the hex now stored there. The list takes the hex in every case.
    TVelHex* AddOrMerge(std::unique_ptr<TVelHex> hex);
    int32_t HexCount() const { return static_cast<int32_t>(hexes_.size()); }

    // Every stored hex, row by row: y ascending, and x ascending within a row.
    std::vector<TVelHex*> HexesByRow() const;

    void SaveToStream(TVelFileStream& stream) const;
    void LoadFromStream(TVelFileStream& stream);

private:
    static uint64_t Key(int32_t x, int32_t y);

    TVelMain* main_;
    Level level_;
    std::unordered_map<uint64_t, std::unique_ptr<TVelHex>> hexes_;
    int32_t max_x_ = 0;
    int32_t max_y_ = 0;
};

// A non-owning list of hexes from any levels.
class TVelHexRefList {
public:
    int32_t Count() const { return static_cast<int32_t>(hexes_.size()); }
    TVelHex* Get(int32_t index) const;
    void Add(TVelHex* hex) { hexes_.push_back(hex); }
    void Clear() { hexes_.clear(); }
    // The first hex that matches, or null.
    TVelHex* FindAt(const Place& place) const;

    auto begin() const { return hexes_.begin(); }
    auto end() const { return hexes_.end(); }

private:
    std::vector<TVelHex*> hexes_;
};

}  // namespace hexwarden
