// The lists of the chart document: doubly linked lists of record pointers walked by positions, as
// the document's operations and their callers walk them (a position stays valid while other
// entries are added or removed; GetNext returns the entry at a position and advances it, to null
// after the last).
//
// ObList does not own what it holds. OwnedObList deletes, when it is destroyed, the entries it
// owns that are still in it; its owner deletes them explicitly in the order its operations
// prescribe (the deletion of a document's contents), so the destructor only catches what is left.
// The selection list of a document owns every entry but the drawing shapes, which belong to the
// shape list while they pass through the selection.
#pragma once

#include "platform/Prefetch.h"

#include <cstddef>
#include <cstdint>
#include <utility>

namespace tembra {

struct ObListNode;
// A place in a list; null before the first and after the last entry.
using POSITION = ObListNode*;

struct ObListNode {
    void* object = nullptr;
    ObListNode* prev = nullptr;
    ObListNode* next = nullptr;
};

template <class T> class ObList {
public:
    ObList() = default;
    ObList(const ObList&) = delete;
    ObList& operator=(const ObList&) = delete;
    // Frees the nodes, not the objects.
    virtual ~ObList() { RemoveAll(); }

    int GetCount() const { return static_cast<int>(m_count); }
    bool IsEmpty() const { return m_count == 0; }
    // Grows with every change of the entries (added, removed, replaced, exchanged): what is
    // worked out from a list's entries stays good while it stays the same.
    std::uint64_t GetChangeCount() const { return m_changes; }

    POSITION GetHeadPosition() const { return m_head; }
    POSITION GetTailPosition() const { return m_tail; }
    T* GetHead() const { return m_head != nullptr ? Object(m_head) : nullptr; }
    T* GetTail() const { return m_tail != nullptr ? Object(m_tail) : nullptr; }

    // The entry at pos; pos moves to the next (GetNext) or previous (GetPrev) entry. Null for a
    // null position.
    T* GetNext(POSITION& pos) const {
        if (pos == nullptr) {
            return nullptr;
        }
        T* object = Object(pos);
        pos = pos->next;
        return object;
    }
    T* GetPrev(POSITION& pos) const {
        if (pos == nullptr) {
            return nullptr;
        }
        T* object = Object(pos);
        pos = pos->prev;
        return object;
    }
    T* GetAt(POSITION pos) const { return pos != nullptr ? Object(pos) : nullptr; }
    void SetAt(POSITION pos, T* object) {
        if (pos != nullptr) {
            pos->object = object;
            ++m_changes;
        }
    }

    // Each returns the position of the new entry; a failed allocation throws std::bad_alloc and
    // leaves the list as it was.
    POSITION AddHead(T* object) { return InsertAfterNode(nullptr, object); }
    POSITION AddTail(T* object) { return InsertAfterNode(m_tail, object); }
    POSITION InsertBefore(POSITION pos, T* object) {
        return pos == nullptr ? AddHead(object) : InsertAfterNode(pos->prev, object);
    }
    POSITION InsertAfter(POSITION pos, T* object) {
        return pos == nullptr ? AddTail(object) : InsertAfterNode(pos, object);
    }

    // Asks memory for the head of the object two entries after pos, so that a walk over a large
    // list, whose objects lie far apart, does not wait for each of them in turn. A walk that
    // reads more of each object (a move copies whole processes: sizeof(CKoutei)) says how much,
    // and that much of the object three entries on is asked for as well: a larger read needs
    // the longer lead. Changes nothing.
    static void PrefetchAhead(POSITION pos, std::size_t bytes = kCacheLineBytes) noexcept {
        if (pos == nullptr || pos->next == nullptr || pos->next->next == nullptr) {
            return;
        }
        const ObListNode* const ahead = pos->next->next;
        PrefetchBytes(ahead->object, kCacheLineBytes);
        if (bytes > kCacheLineBytes && ahead->next != nullptr) {
            PrefetchBytes(ahead->next->object, bytes);
        }
    }

    // Takes the entry out of the list (the object is not deleted); pos is invalid afterwards.
    void RemoveAt(POSITION pos) {
        if (pos == nullptr) {
            return;
        }
        Unlink(pos);
        delete pos;
        --m_count;
        ++m_changes;
    }
    // Takes the entry at pos out and puts it at the tail of target, which may be this list,
    // without allocating: pos is then its position in target. A move from the middle of a large
    // list costs what a change of two neighbours costs, and cannot fail.
    void MoveToTail(POSITION pos, ObList& target) noexcept {
        if (pos == nullptr || (&target == this && pos == m_tail)) {
            return;
        }
        Unlink(pos);
        --m_count;
        ++m_changes;
        pos->prev = target.m_tail;
        pos->next = nullptr;
        (target.m_tail != nullptr ? target.m_tail->next : target.m_head) = pos;
        target.m_tail = pos;
        ++target.m_count;
        ++target.m_changes;
    }
    T* RemoveHead() {
        T* object = GetHead();
        RemoveAt(m_head);
        return object;
    }
    T* RemoveTail() {
        T* object = GetTail();
        RemoveAt(m_tail);
        return object;
    }
    // Exchanges the entries of the two lists (no allocation).
    void Swap(ObList& other) noexcept {
        std::swap(m_head, other.m_head);
        std::swap(m_tail, other.m_tail);
        std::swap(m_count, other.m_count);
        ++m_changes;
        ++other.m_changes;
    }
    // Takes every entry out (no object is deleted).
    void RemoveAll() {
        while (m_head != nullptr) {
            RemoveAt(m_head);
        }
    }

    // The first position holding object, searched after startAfter (from the head when null);
    // null when it is not there.
    POSITION Find(const T* object, POSITION startAfter = nullptr) const {
        for (POSITION pos = startAfter != nullptr ? startAfter->next : m_head; pos != nullptr;
             pos = pos->next) {
            if (pos->object == object) {
                return pos;
            }
        }
        return nullptr;
    }
    // The position of the index-th entry (0 the head), null outside the list.
    POSITION FindIndex(int index) const {
        if (index < 0) {
            return nullptr;
        }
        POSITION pos = m_head;
        for (; pos != nullptr && index > 0; --index) {
            pos = pos->next;
        }
        return pos;
    }

private:
    static T* Object(POSITION pos) { return static_cast<T*>(pos->object); }

    // Joins the neighbours of pos; pos itself is left as it was.
    void Unlink(POSITION pos) noexcept {
        (pos->prev != nullptr ? pos->prev->next : m_head) = pos->next;
        (pos->next != nullptr ? pos->next->prev : m_tail) = pos->prev;
    }

    POSITION InsertAfterNode(POSITION before, T* object) {
        auto* node = new ObListNode{object, before, nullptr};
        node->next = before != nullptr ? before->next : m_head;
        (node->next != nullptr ? node->next->prev : m_tail) = node;
        (before != nullptr ? before->next : m_head) = node;
        ++m_count;
        ++m_changes;
        return node;
    }

    POSITION m_head = nullptr;
    POSITION m_tail = nullptr;
    std::size_t m_count = 0;
    std::uint64_t m_changes = 0;
};

template <class T> class OwnedObList : public ObList<T> {
public:
    // Whether the list owns an entry; null: it owns all.
    using OwnsFn = bool (*)(const T*);

    explicit OwnedObList(OwnsFn owns = nullptr) : m_owns(owns) {}
    ~OwnedObList() override { DeleteAll(); }

    bool Owns(const T* object) const { return m_owns == nullptr || m_owns(object); }

    // Deletes the entries it owns from the head on and takes every entry out. The list is empty
    // from the first deletion on, so an object's destructor never meets its own entry.
    void DeleteAll() {
        ObList<T> doomed;
        doomed.Swap(*this);
        while (!doomed.IsEmpty()) {
            T* object = doomed.RemoveHead();
            if (Owns(object)) {
                delete object;
            }
        }
    }

private:
    OwnsFn m_owns;
};

} // namespace tembra
