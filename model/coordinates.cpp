#include "model/coordinates.h"

#include <array>

namespace hexwarden {

std::string JoinLocation(const Place& place) {
    std::string text = std::to_string(place.X) + "," + std::to_string(place.Y);
    if (place.Where == Level::Underworld) text += "*";
    else if (!place.Where.IsSurface()) text += " " + place.Where.Label();
    return text;
}

std::string FormatLocation(const Place& place) {
    if (place.X < 0 || place.Y < 0) return "<Unknown>";
    return JoinLocation(place);
}

int DirectionIndex(std::string_view word) {
    static constexpr std::array<std::string_view, 6> kDirections = {"Northwest", "North", "Northeast",
                                                                    "Southeast", "South", "Southwest"};
    for (std::size_t i = 0; i < kDirections.size(); ++i)
        if (kDirections[i] == word) return static_cast<int>(i) + 1;
    return 0;
}

}  // namespace hexwarden
