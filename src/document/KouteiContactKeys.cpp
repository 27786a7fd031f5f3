#include "document/KouteiContactKeys.h"

#include "document/OpenTableSize.h"

namespace tembra {

void KouteiKeyNumbers::Reset(std::size_t expected) {
    m_slots.assign(OpenTableSize(expected), Slot{});
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
