#pragma once

#include <cstdint>
#include <string>

#include "model/enhanced_list.h"

namespace hexwarden {

class TKvFileStream;

// A short text the user pins to a hex.
class TVelMapMarker {
public:
    TVelMapMarker() = default;
    TVelMapMarker(std::string text, int32_t x, int32_t y, bool overworld)
        : Text(std::move(text)), X(x), Y(y), Overworld(overworld) {}

    std::string Text;
    int32_t X = 0;
    int32_t Y = 0;
    bool Overworld = true;

    std::string FormatPosition(bool mark_underground) const;
    bool Matches(int32_t x, int32_t y, bool overworld) const;

    void SaveToStream(TKvFileStream& stream) const;
    void LoadFromStream(TKvFileStream& stream);
};

// Markers in order of creation.
class TVelMapMarkerList : public TEnhancedList<TVelMapMarker> {
public:
    // The first marker created at that place, or null.
    TVelMapMarker* FindAt(int32_t x, int32_t y, bool overworld) const;

    void SaveToStream(TKvFileStream& stream) const;
    void LoadFromStream(TKvFileStream& stream);
};

}  // namespace hexwarden
