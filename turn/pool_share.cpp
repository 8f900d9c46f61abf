#include "turn/pool_share.h"

#include <numeric>

namespace hexwarden {

std::vector<int64_t> SharePool(const std::vector<int64_t>& requests, int64_t pool) {
    int64_t total = std::accumulate(requests.begin(), requests.end(), int64_t{0});
    if (total <= pool) return requests;
    std::vector<int64_t> shares;
    shares.reserve(requests.size());
    for (int64_t request : requests) {
        // request <= total, so the product stays within 64 bits for 32-bit pools.
        const int64_t share = total > 0 ? static_cast<int64_t>(static_cast<__int128>(request) * pool / total) : 0;
        shares.push_back(share);
        pool -= share;
        total -= request;
    }
    return shares;
}

}  // namespace hexwarden
