// Asking memory for what a walk will read a few steps on. A large chart's objects lie far apart
// in memory, and a walk that waits for each of them in turn spends most of its time waiting: the
// walk asks for the object some steps ahead, and it is there when the walk reaches it.
#pragma once

#include <cstddef>

namespace tembra {

constexpr std::size_t kCacheLineBytes = 64;

// Asks for the bytes from at on, one cache line after the other; forWrite when they are about to
// be written. Changes nothing, and a null address asks for nothing.
inline void PrefetchBytes(const void* at, std::size_t bytes, bool forWrite = false) noexcept {
    if (at == nullptr) {
        return;
    }
    const char* const first = static_cast<const char*>(at);
    for (std::size_t offset = 0; offset < bytes; offset += kCacheLineBytes) {
        if (forWrite) {
            __builtin_prefetch(first + offset, 1);
        } else {
            __builtin_prefetch(first + offset);
        }
    }
}

} // namespace tembra
