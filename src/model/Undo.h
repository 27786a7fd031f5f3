// The one-step undo history: the changes of the last editing operation, which can be undone, and
// after that redone. Every editing operation first resets the history, then records each object
// it adds, removes or replaces. A document's undo service derives from the history and overrides
// UndoRestor, which puts one change back into the document's lists.
//
// Ownership: a record owns its old object (the one outside the owner's lists: removed, or
// replaced) and its info, and deletes them with itself; it never deletes its new object, which
// lives in the owner's lists. Undo and redo exchange a record's old and new objects after the
// owner has swapped them in its lists, so each object is always owned exactly once: by the
// owner's lists or by one record.
//
// The history is a template over the object type (anything deleted through a pointer to T) so
// that both programs use it with their own records; CUndoHistory is the chart's.
#pragma once

#include "platform/Archive.h"
#include "platform/Prefetch.h"
#include "platform/Types.h"

#include <algorithm>
#include <cstddef>
#include <memory>
#include <new>
#include <utility>
#include <vector>

namespace tembra {

template <class T, class Info = T> class UndoRecordT {
public:
    // Takes the old object and the info; the new object is only referred to.
    UndoRecordT(T* oldObject, T* newObject, Info* info) noexcept
        : m_old(oldObject), m_new(newObject), m_info(info) {}
    UndoRecordT(const UndoRecordT&) = delete;
    UndoRecordT& operator=(const UndoRecordT&) = delete;
    // Records are held by value in the history's lists, which move them as they grow.
    UndoRecordT(UndoRecordT&&) noexcept = default;
    UndoRecordT& operator=(UndoRecordT&&) noexcept = default;
    ~UndoRecordT() = default;

    T* GetOld() const { return m_old.get(); }
    T* GetNew() const { return m_new; }
    Info* GetInfo() const { return m_info.get(); }

    // The old object becomes the new one and the other way round; the record then owns what was
    // the new object. Used after the owner has exchanged the two in its lists.
    void Swap() {
        T* formerNew = m_new;
        m_new = m_old.release();
        m_old.reset(formerNew);
    }

    // Deletes the old object and the info now; the record then owns nothing.
    void Discard() noexcept {
        m_old.reset();
        m_info.reset();
    }

private:
    std::unique_ptr<T> m_old;
    T* m_new;
    std::unique_ptr<Info> m_info;
};

template <class T, class Info = T> class UndoHistoryT {
public:
    using Record = UndoRecordT<T, Info>;
    // By value: a step of many changes costs no allocation per record, and clearing it reads
    // the records one after the other.
    using RecordList = std::vector<Record>;

    UndoHistoryT() = default;
    UndoHistoryT(const UndoHistoryT&) = delete;
    UndoHistoryT& operator=(const UndoHistoryT&) = delete;
    // Deletes the records, and with them their old objects and infos.
    virtual ~UndoHistoryT() = default;

    // Exchanges one change in the owner's lists: takes found out and puts replacement in its
    // place (found null: replacement is added; replacement null: found is removed); info carries
    // a change that is no object exchange. Returns non-zero when the exchange was made. The
    // history itself has no lists: it does nothing and succeeds.
    virtual int UndoRestor(T* found, T* replacement, Info* info) {
        static_cast<void>(found);
        static_cast<void>(replacement);
        static_cast<void>(info);
        return 1;
    }

    // Called before and after the records of one undo or redo are restored: an owner that finds
    // many objects in turn may keep a lookup of its lists for that span (its own restores are the
    // only changes to the lists in between). The history itself keeps nothing.
    virtual void BeginRestore() {}
    virtual void EndRestore() {}
    // How much of an old object its deletion reads: asked for from memory a few records ahead
    // when a step is cleared. The head of it unless the owner knows its objects better.
    virtual std::size_t OldObjectBytes() const { return kCacheLineBytes; }

    // ---- Grouping ----
    // While a group is open Reset does nothing, so the steps of a compound operation form one
    // undo step. Groups nest; a close without an open one is ignored.
    void BeginGroup() { ++m_suspend; }
    void EndGroup() {
        if (m_suspend > 0) {
            --m_suspend;
        }
    }
    LONG GetSuspendCount() const { return m_suspend; }
    BOOL IsSuspended() const { return m_suspend != 0 ? TRUE : FALSE; }

    // ---- Recording ----
    // Each returns 1 when the change was recorded and 0, recording nothing, when a required
    // argument is missing or the record cannot be allocated. Objects and infos that the record
    // owns pass to the history only when the result is 1; on 0 they stay with the caller.

    // An object that was added to the owner's lists (the history does not own it).
    int AddNew(T* object) {
        if (object == nullptr) {
            return 0;
        }
        return Append(nullptr, object, nullptr);
    }
    // An object that was taken out of the owner's lists; the history owns it.
    int AddDelete(T* object) {
        if (object == nullptr) {
            return 0;
        }
        return Append(object, nullptr, nullptr);
    }
    // The same, with info that tells the owner where the object stood, so that an undo puts it
    // back there (owned by the history when the result is 1).
    int AddDelete(T* object, Info* info) {
        if (object == nullptr) {
            return 0;
        }
        return Append(object, nullptr, info);
    }
    // oldObject (taken out; the history owns it) was replaced by newObject (in the lists). The
    // two must differ: one object cannot be both outside and inside the lists.
    int AddChange(T* oldObject, T* newObject) {
        if (oldObject == nullptr || newObject == nullptr || oldObject == newObject) {
            return 0;
        }
        return Append(oldObject, newObject, nullptr);
    }
    // A change that is not an object exchange, described by info (owned by the history).
    int AddOther(Info* info) {
        if (info == nullptr) {
            return 0;
        }
        return Append(nullptr, nullptr, info);
    }

    // ---- Undo and redo ----
    // Unless a group is open: deletes every record of the undo list, then of the redo list.
    void Reset() {
        if (m_suspend != 0) {
            return;
        }
        ClearUndo();
        ClearRedo();
    }
    void ClearUndo() { Clear(m_undo); }
    void ClearRedo() { Clear(m_redo); }
    BOOL CanUndo() const { return m_undo.empty() ? FALSE : TRUE; }
    BOOL CanRedo() const { return m_redo.empty() ? FALSE : TRUE; }

    // Restores the undo list's changes, newest first, and moves each (now describing the inverse
    // change) to the redo list, which is emptied first. A record whose exchange the owner refuses
    // is dropped: it cannot be redone, and its old object, which the owner did not take, is
    // deleted with it. Returns 1 when every exchange was made.
    int Undo() { return Replay(m_undo, m_redo); }
    // The mirror of Undo from the redo list to the undo list.
    int Redo() { return Replay(m_redo, m_undo); }

    const RecordList& GetUndoList() const { return m_undo; }
    const RecordList& GetRedoList() const { return m_redo; }

private:
    int Append(T* oldObject, T* newObject, Info* info) {
        try {
            // Room for the record first, grown by doubling so that a step of n records costs
            // O(n) moves in all; a failed allocation leaves the objects with the caller.
            if (m_undo.size() == m_undo.capacity()) {
                m_undo.reserve(std::max<std::size_t>(kFirstCapacity, 2 * m_undo.capacity()));
            }
        } catch (const std::bad_alloc&) {
            return 0;
        }
        m_undo.emplace_back(oldObject, newObject, info); // room was reserved: cannot fail
        return 1;
    }

    // Deletes the records from the head on; the list is empty even while they are deleted.
    void Clear(RecordList& list) {
        RecordList doomed;
        doomed.swap(list);
        // Deleting an old object reads it, and a large step's old objects lie far apart in
        // memory: those of the records a few steps on are asked for while this one goes.
        const std::size_t bytes = OldObjectBytes();
        for (std::size_t at = 0; at < doomed.size(); ++at) {
            if (at + kRecordsAhead < doomed.size()) {
                PrefetchBytes(doomed[at + kRecordsAhead].GetOld(), bytes, true);
            }
            doomed[at].Discard();
        }
        // The room stays for the next step: a large step's records would otherwise be given
        // back to the system and asked for again, page by page, at every edit.
        doomed.clear();
        if (list.empty()) {
            list.swap(doomed);
        }
    }

    // Ends the owner's restore span however the replay is left.
    class RestoreSpan {
    public:
        explicit RestoreSpan(UndoHistoryT& history) : m_history(history) {
            m_history.BeginRestore();
        }
        ~RestoreSpan() { m_history.EndRestore(); }
        RestoreSpan(const RestoreSpan&) = delete;
        RestoreSpan& operator=(const RestoreSpan&) = delete;

    private:
        UndoHistoryT& m_history;
    };

    int Replay(RecordList& from, RecordList& to) {
        Clear(to);
        to.reserve(from.size());
        const RestoreSpan span(*this);
        int result = 1;
        while (!from.empty()) {
            // A large step's objects lie far apart in memory: those of the records a few steps
            // on are asked for while this one is restored.
            if (from.size() > kRecordsAhead) {
                const Record& ahead = from[from.size() - 1 - kRecordsAhead];
                PrefetchBytes(ahead.GetNew(), kCacheLineBytes);
                PrefetchBytes(ahead.GetOld(), kCacheLineBytes);
            }
            Record& record = from.back();
            if (UndoRestor(record.GetNew(), record.GetOld(), record.GetInfo()) == 0) {
                result = 0;
                from.pop_back();
                continue;
            }
            record.Swap();
            to.push_back(std::move(from.back()));
            from.pop_back();
        }
        return result;
    }

    static constexpr std::size_t kFirstCapacity = 16;
    static constexpr std::size_t kRecordsAhead = 4;

    LONG m_suspend = 0;
    RecordList m_undo;
    RecordList m_redo;
};

// The payload of a change that is not an object exchange (for instance the item table's
// per-row ruled-line types): a kind value and one owned object.
class CUndoInfo : public CObject {
    DECLARE_DYNAMIC(CUndoInfo)
public:
    CUndoInfo() = default;
    CUndoInfo(DWORD value, std::unique_ptr<CObject> object)
        : m_value(value), m_object(std::move(object)) {}
    CUndoInfo(const CUndoInfo&) = delete;
    CUndoInfo& operator=(const CUndoInfo&) = delete;

    DWORD GetValue() const { return m_value; }
    void SetValue(DWORD value) { m_value = value; }
    CObject* GetObject() const { return m_object.get(); }
    void SetObject(std::unique_ptr<CObject> object) { m_object = std::move(object); }

private:
    DWORD m_value = 0;
    std::unique_ptr<CObject> m_object;
};

using CUndoRecord = UndoRecordT<CObject>;

// The chart document's history: the records are chart objects; the info of an "other" record
// is a CUndoInfo or another object the document knows (a calendar before-image).
class CUndoHistory : public UndoHistoryT<CObject> {
public:
    CUndoHistory() = default;
};

} // namespace tembra
