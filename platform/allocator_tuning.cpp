#include "platform/allocator_tuning.h"

#include <cstdint>
#include <cstdlib>  // defines __GLIBC__ on the GNU C library

#if defined(__GLIBC__) && defined(__linux__)
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>
#define HEXWARDEN_TUNE_GLIBC 1
#endif

namespace hexwarden {

namespace {

#if defined(HEXWARDEN_TUNE_GLIBC)
// Address space the heap takes at its first growth; pages count only once they are touched.
constexpr std::size_t kHeapReserve = std::size_t{256} << 20;
constexpr std::size_t kHugePage = std::size_t{2} << 20;
// Blocks up to this size (a whole report's text) come from the heap too, so they share its huge pages.
constexpr int kMmapThreshold = 32 << 20;

// A large import touches tens of thousands of fresh 4 KiB pages, and each first touch is a page
// fault: a quarter of the run. Asking for transparent huge pages on the heap cuts that 512-fold.
// Best effort: when the heap cannot grow in one piece, or the system offers no huge pages, the
// heap simply stays as it was.
void ReserveHugePageHeap() {
    mallopt(M_TOP_PAD, static_cast<int>(kHeapReserve));
    mallopt(M_MMAP_THRESHOLD, kMmapThreshold);
    const auto break_before = reinterpret_cast<std::uintptr_t>(sbrk(0));
    // Larger than what is left at the heap's top at start-up, so the heap grows now, by the reserve.
    void* probe = std::malloc(kHugePage);
    const auto break_after = reinterpret_cast<std::uintptr_t>(sbrk(0));
    const auto start = (reinterpret_cast<std::uintptr_t>(probe) + kHugePage - 1) & ~(kHugePage - 1);
    if (probe != nullptr && break_after >= break_before + kHeapReserve && start < break_after) {
        madvise(reinterpret_cast<void*>(start), break_after - start, MADV_HUGEPAGE);
    }
    std::free(probe);
}
#endif

}  // namespace

void TuneAllocator() {
#if defined(HEXWARDEN_TUNE_GLIBC)
    mallopt(M_MXFAST, 0);
    ReserveHugePageHeap();
#endif
}

}  // namespace hexwarden
