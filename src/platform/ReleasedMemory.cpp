#include "ReleasedMemory.h"

#include <cstdint>

#ifdef __linux__
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>
#endif

void ForgetPagesBefore(const void* start, std::size_t done)
{
#ifdef __linux__
    const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    const auto at = reinterpret_cast<std::uintptr_t>(start);
    const std::uintptr_t first = (at + page - 1) / page * page;
    const std::uintptr_t end = (at + done) / page * page;
    if (end > first)
        madvise(reinterpret_cast<void*>(first), end - first, MADV_DONTNEED);
#else
    (void)start;
    (void)done;
#endif
}

void ReturnFreeHeapPages()
{
#if defined(__linux__) && defined(__GLIBC__)
    malloc_trim(0);
#endif
}

void KeepLargeBlocksOutOfTheHeap()
{
#if defined(__linux__) && defined(__GLIBC__)
    // Setting it also stops the heap from raising it on its own.
    mallopt(M_MMAP_THRESHOLD, 1 << 20);
#endif
}
