// A copy of the item table's per-row ruled-line types, as an undo record keeps it: an edit that
// changes the types records the types it found (a CUndoInfo of kind kUndoKeisenTypes holding
// this array), and undo and redo exchange the array with the table's.
#pragma once

#include "model/Undo.h"
#include "platform/Object.h"
#include "platform/Types.h"

#include <utility>
#include <vector>

namespace tembra {

// The kind of a CUndoInfo that holds a CKeisenTypeArray.
constexpr DWORD kUndoKeisenTypes = 1;

class CKeisenTypeArray : public CObject {
public:
    CKeisenTypeArray() = default;
    explicit CKeisenTypeArray(std::vector<WORD> types) : m_types(std::move(types)) {}

    std::vector<WORD>& GetTypes() { return m_types; }
    const std::vector<WORD>& GetTypes() const { return m_types; }

private:
    std::vector<WORD> m_types;
};

} // namespace tembra
