#pragma once

namespace hexwarden {

// Sets up the C library's allocator for a database of millions of small records. Without its
// per-size caches of freed blocks, clearing a large database and reading the next one runs about
// twice as fast, and so does a large import; a heap on transparent huge pages saves most of the
// page faults of filling it. Call once at program start, before threads start.
void TuneAllocator();

}  // namespace hexwarden
