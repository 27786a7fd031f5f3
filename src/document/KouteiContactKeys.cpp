#include "document/KouteiContactKeys.h"

namespace tembra {

void KouteiKeyNumbers::Reset(std::size_t expected) {
    // Filled up to three quarters at most: small enough to stay in the cache for long chains.
    std::size_t size = 16;
    while (3 * size < 4 * expected) {
        size *= 2;
    }
    m_slots.assign(size, Slot{});
    m_used = 0;
}

void KouteiKeyNumbers::Grow() {
    std::vector<Slot> old = std::move(m_slots);
    m_slots.assign(old.size() * 2, Slot{});
    for (const Slot& slot : old) {
        if (slot.used) {
            m_slots[SlotOf(slot.key)] = slot;
        }
    }
}

} // namespace tembra
