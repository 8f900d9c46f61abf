#include "model/coordinates.h"

#include <array>

namespace hexwarden {

std::string JoinLocation(int32_t x, int32_t y, bool overworld, bool mark_underground) {
    std::string text = std::to_string(x) + "," + std::to_string(y);
    if (!overworld && mark_underground) text += "*";
    return text;
}

std::string FormatLocation(int32_t x, int32_t y, bool overworld, bool mark_underground) {
    if (x < 0 || y < 0) return "<Unknown>";
    return JoinLocation(x, y, overworld, mark_underground);
}

int DirectionIndex(std::string_view word) {
    static constexpr std::array<std::string_view, 6> kDirections = {"Northwest", "North", "Northeast",
                                                                    "Southeast", "South", "Southwest"};
    for (std::size_t i = 0; i < kDirections.size(); ++i)
        if (kDirections[i] == word) return static_cast<int>(i) + 1;
    return 0;
}

}  // namespace hexwarden
