// A list together with a lookup of the positions of its entries, for an operation that finds many
// entries in turn (the replay of an undo step over a large chart), where one walk of the list per
// lookup would make the operation quadratic.
//
// While disabled, the index is the list's own walk. Once enabled, a lookup looks first beside the
// entry it found last, and at the last entry: a replay finds the objects of a step in the order
// the step changed them, one beside the other as often as not, and then reads nothing else of
// the list. Any other lookup builds a table of the positions in one walk, at its first use; the
// changes made through the index keep both in step with the list. A change made to the list
// directly while the index is enabled leaves them stale, so the index is enabled only for the
// span of one operation that makes every change through it.
//
// An object stands in a list once. Should it stand there twice, a lookup gives one of its entries
// (its first, when the table answers); never a position that no longer holds it.
#pragma once

#include "document/AddressPositions.h"
#include "document/ObList.h"

namespace tembra {

template <class T> class ObListIndex {
public:
    explicit ObListIndex(ObList<T>& list) : m_list(list) {}
    ObListIndex(const ObListIndex&) = delete;
    ObListIndex& operator=(const ObListIndex&) = delete;

    ObList<T>& GetList() const { return m_list; }

    // Starts a span of lookups; the table is built at its first use.
    void Enable() {
        m_enabled = true;
        m_built = false;
        m_last = nullptr;
    }
    // Ends the span. The table keeps its memory for the next span (a step undone is likely to be
    // redone), its entries forgotten when that span builds it.
    void Disable() {
        m_enabled = false;
        m_built = false;
        m_last = nullptr;
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
        POSITION found = FindNear(address);
        if (found == nullptr) {
            Build();
            found = m_positions.Find(address);
        }
        if (found != nullptr) {
            m_last = found;
        }
        return found;
    }

    // The list's operations of the same names, keeping the lookup in step.
    void SetAt(POSITION pos, T* object) {
        if (pos == nullptr) {
            return;
        }
        if (m_built) {
            m_positions.Forget(m_list.GetAt(pos), pos);
            m_positions.Emplace(object, pos);
        }
        m_list.SetAt(pos, object);
    }
    void RemoveAt(POSITION pos) {
        if (pos == nullptr) {
            return;
        }
        if (m_built) {
            m_positions.Forget(m_list.GetAt(pos), pos);
        }
        if (pos == m_last) {
            m_last = pos->prev != nullptr ? pos->prev : pos->next;
        }
        m_list.RemoveAt(pos);
    }
    POSITION AddTail(T* object) {
        const POSITION pos = m_list.AddTail(object);
        if (m_built) {
            m_positions.Emplace(object, pos);
        }
        return pos;
    }
    POSITION InsertBefore(POSITION before, T* object) {
        const POSITION pos = m_list.InsertBefore(before, object);
        if (m_built) {
            m_positions.Emplace(object, pos);
        }
        return pos;
    }

private:
    // The entry found last, the ones beside it, or the last entry, when one of them holds the
    // address.
    POSITION FindNear(const void* address) const {
        const POSITION near[] = {m_last, m_last != nullptr ? m_last->prev : nullptr,
                                 m_last != nullptr ? m_last->next : nullptr,
                                 m_list.GetTailPosition()};
        for (const POSITION pos : near) {
            if (pos != nullptr && pos->object == address) {
                return pos;
            }
        }
        return nullptr;
    }
    void Build() {
        if (m_built) {
            return;
        }
        // Room for the entries and as many again, which a step that puts a new object in the
        // place of each one adds.
        m_positions.Reset(2 * static_cast<std::size_t>(m_list.GetCount()));
        for (POSITION pos = m_list.GetHeadPosition(); pos != nullptr; pos = pos->next) {
            m_positions.Emplace(pos->object, pos); // the first entry of an object stays
        }
        m_built = true;
    }
    ObList<T>& m_list;
    bool m_enabled = false;
    bool m_built = false;
    POSITION m_last = nullptr;
    AddressPositions m_positions;
};

} // namespace tembra
