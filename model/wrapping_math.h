#pragma once

#include <cstdint>

namespace hexwarden {

// Sums of 32-bit counts wrap around as the stored numbers do, instead of overflowing: a damaged
// file may hold any values.
inline int32_t WrappingAdd(int32_t a, int32_t b) {
    return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}

}  // namespace hexwarden
