// What the application keeps for all its documents besides its settings: the internal clipboards
// that the cut, copy, paste and insert operations of the documents fill and empty, the link
// records of the processes held there, and the lock that open documents keep on the application.
// The shell owns one object and installs it (SetAppState); until then the documents share one of
// the program's own.
#pragma once

#include "document/ObList.h"
#include "model/DataHeader.h"
#include "model/Koumoku.h"
#include "model/Koutei.h"
#include "model/ObTable.h"
#include "model/Shigen.h"
#include "platform/Types.h"

#include <memory>
#include <vector>

namespace tembra {

class CAppState {
public:
    using LinkList = std::vector<std::unique_ptr<CKouteiLink>>;

    CAppState() = default;
    CAppState(const CAppState&) = delete;
    CAppState& operator=(const CAppState&) = delete;
    // Empties every clipboard.
    ~CAppState();

    // ---- The object clipboard ------------------------------------------------------------------
    // Processes and events that were cut or copied (owned), in the order of the selection.
    OwnedObList<CDataHeader>& GetObjectClipboard() { return m_objectClipboard; }
    const OwnedObList<CDataHeader>& GetObjectClipboard() const { return m_objectClipboard; }
    // The drawing shapes cut or copied with them (owned), the first copied at the tail.
    OwnedObList<CDataHeader>& GetZukeiClipboard() { return m_zukeiClipboard; }
    const OwnedObList<CDataHeader>& GetZukeiClipboard() const { return m_zukeiClipboard; }
    // Deletes the chart objects and the shapes of the object clipboard and empties it; the link
    // records of its processes go with them.
    void ClearObjectClipboard();

    // ---- The resource names that came with a copy (the document's resource table) ----------
    CShigenNameTable& GetShigenNameClipboard() { return m_shigenNames; }
    const CShigenNameTable& GetShigenNameClipboard() const { return m_shigenNames; }
    // Deletes the names from the last to the first and empties the array.
    void ClearShigenNameClipboard();

    // ---- The item-cell clipboard ----------------------------------------------------------------
    // The cut or copied cells (owned by the clipboard; the table itself owns nothing) and the
    // ruled-line types of their rows.
    CObTable& GetCellClipboard() { return m_cells; }
    std::vector<WORD>& GetCellKeisenTypes() { return m_cellKeisenTypes; }
    // Deletes the cells and empties the table and the ruled-line types.
    void ClearCellClipboard();

    // ---- Link records of the processes of the object clipboard ----------------------------------
    LinkList& GetProcessInfoList() { return m_links; }
    const LinkList& GetProcessInfoList() const { return m_links; }
    void ClearProcessInfoList();

    // ---- The lock of the open documents ------------------------------------------------------
    // Every document holds one lock from its construction to its destruction; the shell keeps
    // running while any is held.
    void LockApp() { ++m_lockCount; }
    void UnlockApp() {
        if (m_lockCount > 0) {
            --m_lockCount;
        }
    }
    int GetLockCount() const { return m_lockCount; }

private:
    OwnedObList<CDataHeader> m_objectClipboard;
    OwnedObList<CDataHeader> m_zukeiClipboard;
    CShigenNameTable m_shigenNames;
    CObTable m_cells;
    std::vector<WORD> m_cellKeisenTypes;
    LinkList m_links;
    int m_lockCount = 0;
};

// The application's state: the object installed by the shell, or one of the program's own.
// Never null.
CAppState* GetAppState();
// Installs the application's state (nullptr goes back to the program's own) and returns the
// previous one.
CAppState* SetAppState(CAppState* state);

} // namespace tembra
