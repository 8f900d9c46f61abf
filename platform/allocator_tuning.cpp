#include "platform/allocator_tuning.h"

#include <cstdlib>  // defines __GLIBC__ on the GNU C library

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace hexwarden {

void TuneAllocator() {
#if defined(__GLIBC__)
    mallopt(M_MXFAST, 0);
#endif
}

}  // namespace hexwarden
