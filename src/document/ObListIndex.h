// A list together with a lookup of the positions of its entries, for an operation that finds many
// entries in turn (the replay of an undo step over a large chart), where one walk of the list per
// lookup would make the operation quadratic.
//
// While disabled, the index is the list's own walk. Once enabled, the first lookup builds the
// lookup in one walk; the changes made through the index keep it in step with the list. A change
// made to the list directly while the index is enabled leaves the lookup stale, so the index is
// enabled only for the span of one operation that makes every change through it.
//
// An object stands in a list once. Should it stand there twice, a lookup gives its first entry or,
// once that entry has changed, the other one or none; never a position that no longer holds it.
#pragma once

#include "document/ObList.h"

#include <unordered_map>

namespace tembra {

template <class T> class ObListIndex {
public:
    explicit ObListIndex(ObList<T>& list) : m_list(list) {}
    ObListIndex(const ObListIndex&) = delete;
    ObListIndex& operator=(const ObListIndex&) = delete;

    ObList<T>& GetList() const { return m_list; }

    // Starts a span of lookups; the lookup is built at its first use.
    void Enable() {
        m_enabled = true;
        m_built = false;
        m_positions.clear();
    }
    // Ends the span and frees the lookup.
    void Disable() {
        m_enabled = false;
        m_built = false;
        std::unordered_map<const void*, POSITION>().swap(m_positions);
    }
    bool IsEnabled() const { return m_enabled; }

    // The position of the object's entry, null when it is not in the list.
    POSITION Find(const T* object) { return FindAddress(object); }
    // The same for an address that is only compared with the entries (it need not point at a
    // live object).
    POSITION FindAddress(const void* address) {
        if (!m_enabled) {
            for (POSITION pos = m_list.GetHeadPosition(); pos != nullptr; pos = pos->next) {
                if (pos->object == address) {
                    return pos;
                }
            }
            return nullptr;
        }
        Build();
        const auto it = m_positions.find(address);
        return it != m_positions.end() ? it->second : nullptr;
    }

    // The list's operations of the same names, keeping the lookup in step.
    void SetAt(POSITION pos, T* object) {
        if (pos == nullptr) {
            return;
        }
        if (m_built) {
            Forget(m_list.GetAt(pos), pos);
            m_positions.emplace(object, pos);
        }
        m_list.SetAt(pos, object);
    }
    void RemoveAt(POSITION pos) {
        if (pos == nullptr) {
            return;
        }
        if (m_built) {
            Forget(m_list.GetAt(pos), pos);
        }
        m_list.RemoveAt(pos);
    }
    POSITION AddTail(T* object) {
        const POSITION pos = m_list.AddTail(object);
        if (m_built) {
            m_positions.emplace(object, pos);
        }
        return pos;
    }
    POSITION InsertBefore(POSITION before, T* object) {
        const POSITION pos = m_list.InsertBefore(before, object);
        if (m_built) {
            m_positions.emplace(object, pos);
        }
        return pos;
    }

private:
    void Build() {
        if (m_built) {
            return;
        }
        m_positions.reserve(static_cast<std::size_t>(m_list.GetCount()));
        for (POSITION pos = m_list.GetHeadPosition(); pos != nullptr; pos = pos->next) {
            m_positions.emplace(pos->object, pos); // the first entry of an object stays
        }
        m_built = true;
    }
    // Drops the object's lookup entry when it names this position.
    void Forget(const T* object, POSITION pos) {
        const auto it = m_positions.find(object);
        if (it != m_positions.end() && it->second == pos) {
            m_positions.erase(it);
        }
    }

    ObList<T>& m_list;
    bool m_enabled = false;
    bool m_built = false;
    std::unordered_map<const void*, POSITION> m_positions;
};

} // namespace tembra
