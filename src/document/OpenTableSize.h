// The slot count of the open-addressing tables the document keeps per change (the contact keys,
// the address positions): a power of two, filled up to three quarters at most, small enough to
// stay in the cache for long chains.
#pragma once

#include <cstddef>

namespace tembra {

constexpr std::size_t OpenTableSize(std::size_t expected) {
    std::size_t size = 16;
    while (3 * size < 4 * expected) {
        size *= 2;
    }
    return size;
}

} // namespace tembra
