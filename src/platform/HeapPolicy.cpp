#include "platform/HeapPolicy.h"

#if __has_include(<malloc.h>)
#include <malloc.h>
#endif

namespace tembra {

namespace {

#if defined(M_TRIM_THRESHOLD) && defined(M_MMAP_THRESHOLD)
constexpr int kTrimThreshold = 128 << 20;
constexpr int kMmapThreshold = 32 << 20; // the largest the library would choose for itself
#endif

bool ApplyHeapPolicy() {
#if defined(M_TRIM_THRESHOLD) && defined(M_MMAP_THRESHOLD)
    // Both are advice: a library that refuses one keeps its own behaviour, which is only slower.
    mallopt(M_TRIM_THRESHOLD, kTrimThreshold);
    mallopt(M_MMAP_THRESHOLD, kMmapThreshold);
#endif
    return true;
}

} // namespace

void KeepFreedHeapMemory() {
    static const bool applied = ApplyHeapPolicy();
    static_cast<void>(applied);
}

} // namespace tembra
