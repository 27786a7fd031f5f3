#include "document/AddressPositions.h"

#include "document/OpenTableSize.h"

#include <utility>

namespace tembra {

void AddressPositions::Reset(std::size_t expected) {
    m_slots.assign(OpenTableSize(expected), Slot{});
    m_used = 0;
    m_null = nullptr;
}

void AddressPositions::Release() {
    std::vector<Slot>().swap(m_slots);
    m_used = 0;
    m_null = nullptr;
}

std::size_t AddressPositions::SlotOf(const void* address) const {
    // Fibonacci hashing spreads the addresses of a heap's objects over the slots.
    const auto key = static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(address));
    const std::size_t mask = m_slots.size() - 1;
    std::size_t slot = static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ull) >> 20) & mask;
    while (m_slots[slot].key != nullptr && m_slots[slot].key != address) {
        slot = (slot + 1) & mask;
    }
    return slot;
}

POSITION AddressPositions::Find(const void* address) const {
    if (address == nullptr) {
        return m_null;
    }
    if (m_slots.empty()) {
        return nullptr;
    }
    return m_slots[SlotOf(address)].pos; // null in a free slot
}

void AddressPositions::Emplace(const void* address, POSITION pos) {
    if (address == nullptr) {
        m_null = m_null != nullptr ? m_null : pos;
        return;
    }
    if (m_slots.empty()) {
        Reset(0);
    }
    if (4 * (m_used + 1) > 3 * m_slots.size()) {
        Grow();
    }
    Slot& slot = m_slots[SlotOf(address)];
    if (slot.key == nullptr) {
        slot = Slot{address, pos};
        ++m_used;
    } else if (slot.pos == nullptr) {
        slot.pos = pos;
    }
}

void AddressPositions::Forget(const void* address, POSITION pos) {
    if (address == nullptr) {
        m_null = m_null == pos ? nullptr : m_null;
        return;
    }
    if (m_slots.empty()) {
        return;
    }
    Slot& slot = m_slots[SlotOf(address)];
    if (slot.key != nullptr && slot.pos == pos) {
        slot.pos = nullptr;
    }
}

void AddressPositions::Grow() {
    std::vector<Slot> old = std::move(m_slots);
    m_slots.assign(old.size() * 2, Slot{});
    for (const Slot& slot : old) {
        if (slot.key != nullptr) {
            m_slots[SlotOf(slot.key)] = slot;
        }
    }
}

} // namespace tembra
