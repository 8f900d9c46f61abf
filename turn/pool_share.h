#pragma once

#include <cstdint>
#include <vector>

namespace hexwarden {

// Splits a pool that the requests exceed as the game does, in position order: each request gets
// its share of what is left, rounded down, so the last one gets the remainder. Requests that fit
// get what they ask.
std::vector<int64_t> SharePool(const std::vector<int64_t>& requests, int64_t pool);

}  // namespace hexwarden
