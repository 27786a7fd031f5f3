// Construction, the window title, the deletion of the contents and the steps of an embedded
// chart.
#include "document/TembraDoc.h"

#include "document/AppState.h"
#include "model/Utility.h"
#include "platform/HeapPolicy.h"
#include "platform/Sjis.h"

namespace tembra {

UINT CTembraDoc::s_clipboardFormat = 0;

namespace {

// Texts of the window title, as CP932.
const std::string& UnnamedChartText() {
    static const std::string text = Sjis::FromUtf8("無名");
    return text;
}
const std::string& CalendarModeText() {
    static const std::string text = Sjis::FromUtf8("暦");
    return text;
}
const std::string& ElapsedModeText() {
    static const std::string text = Sjis::FromUtf8("延");
    return text;
}
const std::string& ReadOnlyMark() {
    static const std::string text = Sjis::FromUtf8(" －書込禁止－");
    return text;
}

} // namespace

// ---- Construction -------------------------------------------------------------------------------

CTembraDoc::CTembraDoc() {
    // A large chart's edits free as much as they allocate: the memory stays for the next one.
    KeepFreedHeapMemory();
    m_pLockedApp = GetAppState();
    m_pLockedApp->LockApp();
    if (s_clipboardFormat == 0) {
        s_clipboardFormat = RegisterClipboardFormat(kClipboardFormatName);
    }
    // Hint 2 without a range of its own repaints every row.
    m_hint.SetDateRange(0, 0, -1, 9999);
    m_notifier.SetObjectRedrawn([this] { RedrawStaleCharts(); });
    m_undo.SetHeaderExchange(
        [this](CPrHeader& saved) { return m_prHeaderEdit.ExchangeHeader(saved); });
}

CTembraDoc::~CTembraDoc() {
    // Normally empty by now (the close deletes the contents). Whatever is left goes in the
    // order of the contents' deletion: the selection before the shape list that owns the
    // selected shapes.
    m_undo.ClearUndo();
    m_undo.ClearRedo();
    FreeAllObjects();
    FreeAllKoumoku();
    m_listTakeIn.DeleteAll();
    m_pLockedApp->UnlockApp();
}

// ---- Title --------------------------------------------------------------------------------------

void CTembraDoc::SetTitle(const std::string& title) {
    if (m_syokiSet.GetTitleInfo() == 0) {
        CDocument::SetTitle(title + " ");
        return;
    }
    CDocument::SetTitle(ComposeTitle(title));
}

void CTembraDoc::SetTitle() {
    const std::string& current = GetTitle();
    const std::size_t blank = Sjis::FindByte(current, ' ');
    const std::string name =
        blank == std::string::npos || blank == 0 ? current : current.substr(0, blank);
    // Without the informative title the refresh keeps the plain name with its blank.
    CDocument::SetTitle(m_syokiSet.GetTitleInfo() == 0 ? name + " " : ComposeTitle(name));
}

std::string CTembraDoc::ComposeTitle(const std::string& name) const {
    std::string chartTitle = m_prHeader.GetTitleText();
    if (chartTitle.empty()) {
        chartTitle = UnnamedChartText();
    }
    const int firstRow = m_syokiSet.GetFirstRow() + 1;
    const int lastRow = m_syokiSet.GetLastRow() + 1;
    std::string period;
    if (m_syokiSet.GetNobeMode() == 0) {
        const CTime start = m_syokiSet.GetWorkStartDate();
        const CTime end = m_syokiSet.GetWorkEndDate();
        period = StringPrintf("%d/%d/%d-%d/%d/%d:%d-%d(", start.GetYear(), start.GetMonth(),
                              start.GetDay(), end.GetYear(), end.GetMonth(), end.GetDay(), firstRow,
                              lastRow) +
                 CalendarModeText() + ")";
    } else {
        period = StringPrintf("%ld:%d-%d(", static_cast<long>(m_syokiSet.GetDisplayDayCount()),
                              firstRow, lastRow) +
                 ElapsedModeText() + ")";
    }
    return name + " <" + chartTitle + "> [" + period + "] " +
           (m_bReadOnly ? ReadOnlyMark() : std::string());
}

// ---- Contents -----------------------------------------------------------------------------------

void CTembraDoc::DeleteContents() {
    // A copy of what is about to go, when the chart was saved or closed modified.
    if (m_bBackupDue) {
        WriteBackupCopy();
    }
    // A read-only chart holds no lock of its path, and one opened for another program took
    // none.
    if (!m_bReadOnly && !m_bAutomation) {
        GetAppState()->LockDocumentFile(GetPathName(), 0);
    }
    // The undo records refer to the records about to go: an undo after this point would bring
    // back objects of a chart that no longer exists.
    m_undo.ClearUndo();
    m_undo.ClearRedo();
    FreeAllObjects();
    FreeAllKoumoku();
    FreeAllShincyoku();
    DeleteZukeiList();
    m_embeddedItems.Reset();
    m_objects.DeleteAllCntrItems();
    m_prHeader.RemoveAllElements();
    DeleteShigenTable();
    DeleteAllCharts();
    GetChartLayers().DeleteLayers();
    DeleteAllHatches();
}

// ---- Embedding ----------------------------------------------------------------------------------

void CTembraDoc::OnShowViews(BOOL visible) {
    // The links that the framework's dialog would update do not exist here; the request is
    // settled all the same, as the dialog would have done.
    if (visible && m_bLinkUpdate) {
        m_bLinkUpdate = FALSE;
    }
}

void CTembraDoc::OnShowDocument(BOOL show) {
    // Only an embedded chart tiles the frames of its container; no chart is embedded here.
    static_cast<void>(show);
}

void CTembraDoc::OnDeactivate() {
    // No embedded items to bring up to date.
}

void CTembraDoc::OnDeactivateUI(BOOL undoable) {
    // Without an in-place frame nothing is restored and no bar state is saved.
    static_cast<void>(undoable);
}

void CTembraDoc::OnSetItemRects(const CRect& position, const CRect& clip) {
    // The item rectangles belong to an in-place session, which this platform does not open.
    static_cast<void>(position);
    static_cast<void>(clip);
}

} // namespace tembra
