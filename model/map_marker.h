#pragma once

#include <cstdint>
#include <string>

#include "model/enhanced_list.h"
#include "model/level.h"

namespace hexwarden {

class TVelFileStream;

// A short text the user pins to a hex.
class TVelMapMarker {
public:
    TVelMapMarker() = default;
    TVelMapMarker(std::string text, const Place& place)
        : Text(std::move(text)), X(place.X), Y(place.Y), Where(place.Where) {}

    std::string Text;
    int32_t X = 0;
    int32_t Y = 0;
    Level Where = Level::Surface;

    Place At() const { return {X, Y, Where}; }
    std::string FormatPosition() const;

    void SaveToStream(TVelFileStream& stream) const;
    void LoadFromStream(TVelFileStream& stream);
};

// Markers in order of creation.
class TVelMapMarkerList : public TEnhancedList<TVelMapMarker> {
public:
    // The first marker created at that place, or null.
    TVelMapMarker* FindAt(const Place& place) const;

    void SaveToStream(TVelFileStream& stream) const;
    void LoadFromStream(TVelFileStream& stream);
};

}  // namespace hexwarden
