// Where a record stood in its list when an edit took it out: the record that followed it (null
// when it was the last). The undo history keeps it with the deletion, so that an undo puts the
// record back in front of that one and the order of the list (the drawing order of the shapes
// and the progress lines) comes back as it was.
//
// The record that followed is only compared with the entries of the list, never used: each undo
// step is restored newest change first, so when a deletion is undone the list is as it was right
// after that deletion and the follower stands in it. A follower that is no longer there (the
// history dropped a change it could not restore) puts the record at the end of the list.
#pragma once

#include "platform/Object.h"

namespace tembra {

class CUndoPlace : public CObject {
public:
    explicit CUndoPlace(const void* next) : m_next(next) {}

    const void* GetNext() const { return m_next; }
    void SetNext(const void* next) { m_next = next; }

private:
    const void* m_next;
};

} // namespace tembra
