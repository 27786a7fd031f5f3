// What the application keeps for all its documents besides its settings: the internal clipboards
// that the cut, copy, paste and insert operations of the documents fill and empty, the link
// records of the processes held there, the colours last chosen under "その他" for each kind of
// object, the term bar that the attribute operations report to, the lock that open documents
// keep on the application, and the application's file services for the documents: the auto-save
// of the open charts and their recovery after a crash (AppAutoSave.cpp), the lock files beside
// open charts and the log of backup copies (AppLocks.cpp).
// The shell owns one object and installs it (SetAppState); until then the documents share one of
// the program's own.
#pragma once

#include "document/EventBatchTables.h"
#include "document/KouteiBarObserver.h"
#include "document/LayerBarObserver.h"
#include "document/ObList.h"
#include "document/ShigenWindows.h"
#include "document/YogoBarObserver.h"
#include "model/DataHeader.h"
#include "model/Koumoku.h"
#include "model/Koutei.h"
#include "model/ObTable.h"
#include "model/Shigen.h"
#include "platform/Types.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tembra {

class CTembraDoc;
class CView;

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

    // ---- The colours chosen under "その他" ------------------------------------------------------
    // One per kind of object; the colour dialog of "その他" starts from it and the attribute
    // operations remember there a colour that is none of the six of the colour menus.
    COLORREF GetEventCustomColor() const { return m_eventCustomColor; }
    void SetEventCustomColor(COLORREF color) { m_eventCustomColor = color; }
    COLORREF GetKoumokuCustomColor() const { return m_koumokuCustomColor; }
    void SetKoumokuCustomColor(COLORREF color) { m_koumokuCustomColor = color; }
    COLORREF GetKouteiCustomColor() const { return m_kouteiCustomColor; }
    void SetKouteiCustomColor(COLORREF color) { m_kouteiCustomColor = color; }
    COLORREF GetYogoCustomColor() const { return m_yogoCustomColor; }
    void SetYogoCustomColor(COLORREF color) { m_yogoCustomColor = color; }
    // The fill dialog's "その他の色": set as soon as its colour dialog is confirmed, kept for the
    // rest of the run.
    COLORREF GetFillCustomColor() const { return m_fillCustomColor; }
    void SetFillCustomColor(COLORREF color) { m_fillCustomColor = color; }
    // The start colour of every "その他" of the shape menu.
    COLORREF GetZukeiCustomColor() const { return m_zukeiCustomColor; }
    void SetZukeiCustomColor(COLORREF color) { m_zukeiCustomColor = color; }

    // ---- The term bar
    // ---------------------------------------------------------------------------- The bar that is
    // told (none: nothing is told); it must stay alive while it is registered.
    void SetYogoBar(IYogoBarObserver* bar) { m_yogoBar = bar; }
    IYogoBarObserver* GetYogoBar() const { return m_yogoBar; }
    // The layer bar's combo; without one the layer shown is 0 and nothing is selected.
    void SetLayerBar(ILayerBarObserver* bar) { m_layerBar = bar; }
    ILayerBarObserver* GetLayerBar() const { return m_layerBar; }
    int GetBarLayer() const { return m_layerBar != nullptr ? m_layerBar->GetSelectedLayer() : 0; }
    void SelectBarLayer(int layer) {
        if (m_layerBar != nullptr) {
            m_layerBar->SelectLayer(layer);
        }
    }
    bool HasLayerBarFocus() const { return m_layerBar != nullptr && m_layerBar->HasFocus(); }
    void AddYogoHistory(const std::string& text) {
        if (m_yogoBar != nullptr) {
            m_yogoBar->AddYogoHistory(text);
        }
    }
    void SetYogoColor(COLORREF color) {
        if (m_yogoBar != nullptr) {
            m_yogoBar->SetYogoColor(color);
        }
    }
    // The longest text the bar hands out, in CP932 bytes.
    static constexpr std::size_t kMaxYogoText = 128;
    bool IsYogoBarVisible() const { return m_yogoBar != nullptr && m_yogoBar->IsYogoBarVisible(); }
    // The bar's text with trailing ASCII blanks cut, at most kMaxYogoText bytes (never half a
    // double-byte character); "" without a bar.
    std::string GetYogoText() const;
    // Asked before the bar's text is stored: true when the bar refused it (a character CP932
    // cannot hold, named in its message); false without a bar.
    bool RefusesYogoText() { return m_yogoBar != nullptr && m_yogoBar->RefuseYogoText(); }
    void FocusYogoCombo(int bits) {
        if (m_yogoBar != nullptr) {
            m_yogoBar->FocusYogoCombo(bits);
        }
    }
    void SetYogoText(const std::string& text) {
        if (m_yogoBar != nullptr) {
            m_yogoBar->SetYogoText(text);
        }
    }
    // What a placed text does to the history.
    void CommitYogoText() { AddYogoHistory(GetYogoText()); }
    COLORREF GetYogoColor() const { return m_yogoBar != nullptr ? m_yogoBar->GetYogoColor() : 0; }
    int GetYogoColorIndex() const {
        return m_yogoBar != nullptr ? m_yogoBar->GetYogoColorIndex() : 0;
    }
    void SetEditModify(bool modified) {
        if (m_yogoBar != nullptr) {
            m_yogoBar->SetEditModify(modified);
        }
    }
    bool IsEditModified() const { return m_yogoBar != nullptr && m_yogoBar->IsEditModified(); }
    void SetYogoComboActive(bool active) {
        if (m_yogoBar != nullptr) {
            m_yogoBar->SetYogoComboActive(active);
        }
    }
    void SetLastText(const std::string& text) {
        if (m_yogoBar != nullptr) {
            m_yogoBar->SetLastText(text);
        }
    }
    void SyncLastText() {
        if (m_yogoBar != nullptr) {
            m_yogoBar->SyncLastText();
        }
    }
    // The term history, oldest first; none without the bar.
    std::vector<std::string> GetYogoHistory() const {
        return m_yogoBar != nullptr ? m_yogoBar->GetYogoHistory() : std::vector<std::string>();
    }

    // ---- The tables of the events' batch input
    // ---------------------------------------------------- One set for the program run, whatever
    // the document: the dates chosen last are offered again.
    EventBatchDateTable& GetEventBatchDates() { return m_eventBatchDates; }
    EventBatchWeekTable& GetEventBatchWeeks() { return m_eventBatchWeeks; }

    // ---- The process bar ------------------------------------------------------------------------
    // The bar whose colour list follows the processes (none: nothing is told); it must stay alive
    // while it is registered.
    // The resource windows (see ShigenWindows.h), or none.
    void SetShigenWindows(IShigenWindows* windows) { m_shigenWindows = windows; }
    IShigenWindows* GetShigenWindows() const { return m_shigenWindows; }
    std::vector<CShigenData> GetShigenInputEntries() const {
        return m_shigenWindows != nullptr ? m_shigenWindows->GetInputEntries()
                                          : std::vector<CShigenData>();
    }
    void ShowShigenKoutei(const CKoutei* process) {
        if (m_shigenWindows != nullptr) {
            m_shigenWindows->ShowKoutei(process);
        }
    }

    void SetKouteiBar(IKouteiBarObserver* bar) { m_kouteiBar = bar; }
    IKouteiBarObserver* GetKouteiBar() const { return m_kouteiBar; }
    void SetKouteiColor(COLORREF color) {
        if (m_kouteiBar != nullptr) {
            m_kouteiBar->SetKouteiColor(color);
        }
    }
    // Black and entry 0 without the bar.
    COLORREF GetKouteiColor() const {
        return m_kouteiBar != nullptr ? m_kouteiBar->GetKouteiColor() : RGB(0, 0, 0);
    }
    int GetKouteiColorIndex() const {
        return m_kouteiBar != nullptr ? m_kouteiBar->GetKouteiColorIndex() : 0;
    }

    // ---- The file version of the next save -------------------------------------------------
    // The current one (58000) unless the save dialog chose an older one.
    int GetSaveVersion() const { return m_saveVersion; }
    void SetSaveVersion(int version) { m_saveVersion = version; }

    // ---- The insert row of charts driven by other programs ------------------------------------
    // Once a client has asked for row 1 the settings' insert row is left alone for the rest of
    // the program's run, whichever chart asks later.
    BOOL IsInsertLineFrozen() const { return m_insertLineFrozen; }
    void FreezeInsertLine() { m_insertLineFrozen = TRUE; }

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

    // ---- The open converting to a safety-and-health plan format (commands 33080, 33141) ------
    // 0 none, 1 the plan format, 2 the monthly plan format: set while the file is opened.
    int GetPlanConversion() const { return m_planConversion; }
    void SetPlanConversion(int kind) { m_planConversion = kind; }

    // ---- The initial-settings dialogs that are open ------------------------------------------
    // Raised by such a dialog while it exists and lowered when it goes; the commands that open
    // one or switch the day counting refuse to run while it is above 0.
    int GetSyokiDlgCount() const { return m_syokiDlgCount; }
    void RaiseSyokiDlgCount() { ++m_syokiDlgCount; }
    void LowerSyokiDlgCount() {
        if (m_syokiDlgCount > 0) {
            --m_syokiDlgCount;
        }
    }

    // ---- The layout editor that a temporary layout edit runs -----------------------------------
    // Set while an initial-settings dialog waits for the layout editor.
    BOOL IsLayoutEditorRunning() const { return m_bLayoutEditorRunning; }
    void SetLayoutEditorRunning(BOOL running) { m_bLayoutEditorRunning = running; }

    // ---- Auto-save and recovery (AppAutoSave.cpp) ------------------------------------------
    // In the program folder: the control file "AUTOCTRL.FNM" (section "Control": "FileCount", the
    // highest entry number handed out; section "AutoSave": "TBRT%04d" = the document's path, or
    // its provisional name) and one copy "TBRT%04d.T_P" per entry. Paths are the file system's
    // bytes.
    //
    // Set while an auto-save or a recovery runs: the documents then write and read their
    // selection as a list of its own and keep it.
    BOOL IsAutoSaving() const { return m_bAutoSaving; }
    void SetAutoSaving(BOOL saving) { m_bAutoSaving = saving; }
    // One run over the open documents: each that changed since its last copy writes one (a
    // document without a copy takes the first free entry, which is recorded once the copy is
    // written). "自動保存 実行中・・・" stands in the status bar meanwhile.
    void AutoSave(const std::vector<CTembraDoc*>& documents);
    // Deletes one copy and its entry (the entry named by the copy's base name); an empty path
    // does nothing.
    void RemoveAutoSaveFile(const std::string& path);
    // TRUE after message 5102 when the control file lists a copy.
    BOOL HasAutoSaveFiles();
    // Opens the copies again through open (a copy that is missing is not given to it; null: the
    // copy could not be read): each comes back modified, under the path its entry names (locked
    // there, or read-only with message 5085 when another user holds that lock) or, for a
    // provisional name, untitled under that name. The entries of the copies not opened go in one
    // write of the control file, and one message names those copies.
    using OpenDocumentFn = std::function<CTembraDoc*(const std::string& path)>;
    void RecoverAutoSaveFiles(const OpenDocumentFn& open);
    // Deletes every copy and the control file (a normal exit).
    void RemoveAllAutoSaveFiles();

    // ---- Lock files and the backup log (AppLocks.cpp) -----------------------------------------
    // The lock of a document is the file "<path without extension>.$$$" beside it: 80 bytes, the
    // owner id and zeros. Mode 1 takes the lock or finds it held by this owner (message 5073):
    // 1; held by another owner: message 5086 naming it and 0. Mode 0 releases a lock of this
    // owner: 1. An empty path, and a path on a device the system marks removable (where the
    // lock is only released), answer 1. A lock that cannot be written does not stop the caller
    // and is not left behind; a damaged lock (short, naming no one) is reported with its path
    // (message 5008) and replaced.
    int LockDocumentFile(const std::string& path, int mode);
    // Whether another owner holds the lock of path now (message 5086 naming it): a save over the
    // file is refused, although the chart opened it writable (its lock could not be made then,
    // or was taken from it since).
    BOOL IsLockedByAnother(const std::string& path);
    // "user [host]" in CP932, the host name cut to 15 bytes: whose locks this program writes.
    const std::string& GetLockOwnerId();
    void SetLockOwnerId(std::string owner) { m_lockOwner = std::move(owner); }
    // Start-up: the backup folder is made, the last run's log becomes "Backlog.old".
    void PrepareBackupFolder();
    // Exit: every backup the last run's log names and this run's does not is deleted, then the
    // old log.
    void PurgeOldBackups();

    // ---- The active view ------------------------------------------------------------------
    // The view the program acts on: the active pane of the main window's active chart window
    // (the main window installs where it comes from); null without one.
    using ActiveViewSource = std::function<CView*()>;
    void SetActiveViewSource(ActiveViewSource source) { m_activeView = std::move(source); }
    CView* GetActiveView() const { return m_activeView ? m_activeView() : nullptr; }

private:
    ActiveViewSource m_activeView;
    OwnedObList<CDataHeader> m_objectClipboard;
    OwnedObList<CDataHeader> m_zukeiClipboard;
    CShigenNameTable m_shigenNames;
    CObTable m_cells;
    std::vector<WORD> m_cellKeisenTypes;
    LinkList m_links;
    COLORREF m_eventCustomColor = 0;
    COLORREF m_koumokuCustomColor = 0;
    COLORREF m_kouteiCustomColor = 0;
    COLORREF m_yogoCustomColor = 0;
    COLORREF m_fillCustomColor = RGB(255, 255, 255);
    COLORREF m_zukeiCustomColor = 0;
    IYogoBarObserver* m_yogoBar = nullptr;
    ILayerBarObserver* m_layerBar = nullptr;
    IKouteiBarObserver* m_kouteiBar = nullptr;
    IShigenWindows* m_shigenWindows = nullptr;
    EventBatchDateTable m_eventBatchDates;
    EventBatchWeekTable m_eventBatchWeeks;
    int m_lockCount = 0;
    int m_saveVersion = 58000;
    BOOL m_insertLineFrozen = FALSE;
    int m_planConversion = 0;
    int m_syokiDlgCount = 0;
    BOOL m_bLayoutEditorRunning = FALSE;
    BOOL m_bAutoSaving = FALSE;
    std::string m_lockOwner;
};

// The application's state: the object installed by the shell, or one of the program's own.
// Never null.
CAppState* GetAppState();
// Installs the application's state (nullptr goes back to the program's own) and returns the
// previous one.
CAppState* SetAppState(CAppState* state);

} // namespace tembra
