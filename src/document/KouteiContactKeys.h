// Numbers under 64-bit keys in one array (open addressing): the contact index and the move keep
// their lookups of many processes in it, so that a lookup allocates nothing for each process and
// a long chain's table stays in as few cache lines as its keys need.
#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace tembra {

class CKoutei;

// The key of a process by its address, for the tables that follow processes while they are in
// memory.
inline std::uint64_t KouteiAddressKey(const CKoutei* process) {
    return static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(process));
}

class KouteiKeyNumbers {
public:
    // Empties it for about so many keys.
    void Reset(std::size_t expected);
    // The number under the key, the given one put there when there was none; whether it was.
    std::pair<std::uint32_t*, bool> TryEmplace(std::uint64_t key, std::uint32_t number);
    const std::uint32_t* Find(std::uint64_t key) const;

private:
    struct Slot {
        std::uint64_t key = 0;
        std::uint32_t number = 0;
        bool used = false;
    };
    std::size_t SlotOf(std::uint64_t key) const;
    void Grow();

    std::vector<Slot> m_slots;
    std::size_t m_used = 0;
};

// The lookups are inline: the walks along a chain make them for every process they pass.

inline std::size_t KouteiKeyNumbers::SlotOf(std::uint64_t key) const {
    // Fibonacci hashing spreads dates, rows and addresses alike over the slots.
    const std::size_t mask = m_slots.size() - 1;
    std::size_t slot = static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ull) >> 20) & mask;
    while (m_slots[slot].used && m_slots[slot].key != key) {
        slot = (slot + 1) & mask;
    }
    return slot;
}

inline std::pair<std::uint32_t*, bool> KouteiKeyNumbers::TryEmplace(std::uint64_t key,
                                                                    std::uint32_t number) {
    if (m_slots.empty()) {
        Reset(0);
    }
    if (4 * (m_used + 1) > 3 * m_slots.size()) {
        Grow();
    }
    Slot& slot = m_slots[SlotOf(key)];
    if (slot.used) {
        return {&slot.number, false};
    }
    slot = Slot{key, number, true};
    ++m_used;
    return {&slot.number, true};
}

inline const std::uint32_t* KouteiKeyNumbers::Find(std::uint64_t key) const {
    if (m_slots.empty()) {
        return nullptr;
    }
    const Slot& slot = m_slots[SlotOf(key)];
    return slot.used ? &slot.number : nullptr;
}

} // namespace tembra
