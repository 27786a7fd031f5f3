// List positions under the addresses of the objects they hold, in one array (open addressing):
// the lookup of a list that the replay of an undo step keeps. A lookup of many entries allocates
// nothing for each, and an entry taken out leaves its key behind with no position, so that taking
// one out moves no other.
#pragma once

#include "document/ObList.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tembra {

class AddressPositions {
public:
    // Empties it for about so many addresses.
    void Reset(std::size_t expected);
    // Empties it and gives its memory back.
    void Release();

    // The position under the address; null when there is none.
    POSITION Find(const void* address) const;
    // Puts pos under the address unless a position is there already.
    void Emplace(const void* address, POSITION pos);
    // Takes pos from under the address when it is the position there.
    void Forget(const void* address, POSITION pos);

private:
    // A slot whose key is null is free; the null address has a place of its own.
    struct Slot {
        const void* key = nullptr;
        POSITION pos = nullptr;
    };
    std::size_t SlotOf(const void* address) const;
    void Grow();

    std::vector<Slot> m_slots;
    std::size_t m_used = 0;
    POSITION m_null = nullptr;
};

} // namespace tembra
