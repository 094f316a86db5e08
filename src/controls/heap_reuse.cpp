#include "controls/heap_reuse.h"

// Any C library header says which library it is.
#include <cstdlib>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

void keepFreedBuffersForReuse(bool keep)
{
#if defined(__GLIBC__)
    // Kept: large blocks come from the heap rather than from maps of their
    // own, and up to this much freed memory stays at its top. Off: the C
    // library's own defaults.
    constexpr int kKeptTrim = 256 * 1024 * 1024;
    constexpr int kDefaultMaps = 65536;
    constexpr int kDefaultTrim = 128 * 1024;
    mallopt(M_MMAP_MAX, keep ? 0 : kDefaultMaps);
    mallopt(M_TRIM_THRESHOLD, keep ? kKeptTrim : kDefaultTrim);
    if (!keep)
        malloc_trim(0);
#else
    (void)keep;
#endif
}
