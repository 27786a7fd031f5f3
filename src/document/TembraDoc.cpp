#include "document/TembraDoc.h"

#include "document/RecordCast.h"

#include "document/AppState.h"
#include "model/Utility.h"
#include "platform/Sjis.h"

#include <algorithm>
#include <cstdio>
#include <new>

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
    m_pLockedApp = GetAppState();
    m_pLockedApp->LockApp();
    if (s_clipboardFormat == 0) {
        s_clipboardFormat = RegisterClipboardFormat(kClipboardFormatName);
    }
    // Hint 2 without a range of its own repaints every row.
    m_hint.SetDateRange(0, 0, -1, 9999);
}

CTembraDoc::~CTembraDoc() {
    // Normally empty by now (the close deletes the contents). Whatever is left goes in the
    // order of the contents' deletion: the selection before the shape list that owns the
    // selected shapes.
    ClearUndo();
    ClearRedo();
    FreeAllObjects();
    FreeAllKoumoku();
    m_listTakeIn.DeleteAll();
    m_pLockedApp->UnlockApp();
}

bool CTembraDoc::OwnedBySelection(const CDataHeader* object) {
    return object->GetType() != kTypeZukei;
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
    // A due backup copy and the release of the document's lock come with the open and save
    // steps of the shell; the records go here.
    //
    // The undo records refer to the records about to go: an undo after this point would bring
    // back objects of a chart that no longer exists.
    ClearUndo();
    ClearRedo();
    FreeAllObjects();
    FreeAllKoumoku();
    FreeAllShincyoku();
    DeleteZukeiList();
    m_cntrItems.DeleteAll();
    m_prHeader.RemoveAllElements();
    DeleteShigenTable();
    DeleteAllCharts();
    DeleteLayers();
    DeleteAllHatches();
}

void CTembraDoc::FreeAllObjects() {
    m_selList.DeleteAll();
    m_objList.DeleteAll();
}

void CTembraDoc::FreeAllKoumoku() {
    // The table is a grid of pointers: a cell that stands in it twice is deleted once.
    std::vector<CObject*> cells;
    for (int itemColumn = 0; itemColumn < m_koumoku.GetRowCount(); ++itemColumn) {
        for (int row = 0; row < m_koumoku.GetColCount(itemColumn); ++row) {
            if (CObject* cell = m_koumoku.GetAt(row, itemColumn)) {
                cells.push_back(cell);
            }
        }
    }
    std::sort(cells.begin(), cells.end());
    cells.erase(std::unique(cells.begin(), cells.end()), cells.end());
    m_koumoku.DeleteAll();
    for (CObject* cell : cells) {
        delete cell;
    }
}

void CTembraDoc::FreeAllShincyoku() {
    m_shincyokuList.DeleteAll();
}

void CTembraDoc::DeleteZukeiList() {
    // A selected shape must not outlive its entry in the selection.
    for (POSITION pos = m_selList.GetHeadPosition(); pos != nullptr;) {
        const POSITION current = pos;
        if (m_selList.GetNext(pos)->GetType() == kTypeZukei) {
            m_selList.RemoveAt(current);
        }
    }
    m_zukeiList.DeleteAll();
}

void CTembraDoc::DeleteShigenTable() {
    CShigenNameTable doomed;
    doomed.swap(m_shigenNames);
    while (!doomed.empty()) {
        doomed.pop_back();
    }
}

void CTembraDoc::DeleteAllCharts() {
    m_chartList.DeleteAll();
}

void CTembraDoc::DeleteAllHatches() {
    m_hatchList.DeleteAll();
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

// ---- Seams --------------------------------------------------------------------------------------

LOGFONT CTembraDoc::GetYogoFont() const {
    return m_syokiSet.GetChart().GetYogoAttr().GetLogFont();
}

LOGFONT CTembraDoc::GetShigenFont() const {
    return m_syokiSet.GetChart().GetShigenAttr().GetLogFont();
}

LOGFONT CTembraDoc::GetKoumokuFont() const {
    return m_syokiSet.GetChart().GetKoumokuAttr().GetLogFont();
}

WORD CTembraDoc::GetKoumokuStyleWord() const {
    // Offset 16 of the item text block.
    return m_syokiSet.GetChart().GetKoumokuAttr().m_spare[0];
}

int CTembraDoc::GetHeaderPaper() const {
    return m_syokiSet.GetPageSetting().GetPaper();
}

std::filesystem::path CTembraDoc::GetHeaderLayoutPath() const {
    return std::filesystem::path(m_syokiSet.GetPath().GetLayoutFilePath());
}

// ---- Layers -------------------------------------------------------------------------------------

int CTembraDoc::CreateLayers() {
    for (int i = 0; i < CLayerSet::kLayerCount; ++i) {
        try {
            m_layers.push_back(std::make_unique<CLayerSet>());
        } catch (const std::bad_alloc&) {
            return 0;
        }
    }
    return 1;
}

void CTembraDoc::DeleteLayers() {
    while (!m_layers.empty()) {
        m_layers.pop_back();
    }
}

short CTembraDoc::IsObjectLayerVisible(const CDataHeader* object) const {
    const std::size_t layer = std::min<std::size_t>(object->GetLayer(), CLayerSet::kLayerCount - 1);
    return layer < m_layers.size() ? m_layers[layer]->GetState() : short{0};
}

// ---- Item table ---------------------------------------------------------------------------------

CKoumokuData* CTembraDoc::GetKoumokuCell(int row, int column) {
    if (column < 0 || column >= m_koumoku.GetRowCount() || row < 0 ||
        row >= m_koumoku.GetColCount(column)) {
        return nullptr;
    }
    auto* cell = dynamic_cast<CKoumokuData*>(m_koumoku.GetAt(row, column));
    if (cell != nullptr) {
        if (cell->GetRow() != row) {
            cell->SetRow(static_cast<WORD>(row));
        }
        if (cell->GetColumn() != column) {
            cell->SetColumn(static_cast<WORD>(column));
        }
    }
    return cell;
}

// ---- Lookups ------------------------------------------------------------------------------------

namespace {

const CObSeqNumber* NumberOf(const CKoutei& process, int which) {
    switch (which) {
    case 0:
        return &process.GetSeqNumber();
    case 1:
        return &process.GetStartLandNo();
    case 2:
        return &process.GetEndLandNo();
    default:
        return nullptr;
    }
}

CKoutei* FindByNumber(const ObList<CDataHeader>& list, const CObSeqNumber& number, int which) {
    if (number.IsNull()) {
        return nullptr;
    }
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
        CKoutei* process = AsKoutei(list.GetNext(pos));
        if (process == nullptr) {
            continue;
        }
        const CObSeqNumber* own = NumberOf(*process, which);
        if (own != nullptr && *own == number) {
            return process;
        }
    }
    return nullptr;
}

} // namespace

CKoutei* CTembraDoc::FindKouteiByNumber(const CObSeqNumber& number, int which) const {
    return FindByNumber(m_objList, number, which);
}

CKoutei* CTembraDoc::FindSelKouteiByNumber(const CObSeqNumber& number, int which) const {
    return FindByNumber(m_selList, number, which);
}

// ---- Deletion with undo -------------------------------------------------------------------------

void CTembraDoc::RecordDeletion(CDataHeader* object) {
    if (AddDelete(object) == 0) {
        // Without a record the object could come back from nowhere: it goes now.
        delete object;
    }
}

int CTembraDoc::DeleteSelAt(POSITION pos) {
    CDataHeader* object = m_selList.GetAt(pos);
    if (object == nullptr) {
        return 0;
    }
    RedrawObject(object);
    m_selList.RemoveAt(pos);
    RecordDeletion(object);
    return 1;
}

void CTembraDoc::DeleteZukei(CDataHeader* shape) {
    if (shape == nullptr) {
        return;
    }
    if (const POSITION selected = m_selList.Find(shape)) {
        m_selList.RemoveAt(selected);
    }
    RedrawObject(shape);
    if (const POSITION pos = m_zukeiList.Find(shape)) {
        m_zukeiList.RemoveAt(pos);
        RecordDeletion(shape);
    }
}

void CTembraDoc::DeleteSelection() {
    ForEachSelected([this](POSITION pos, CDataHeader* object) {
        if (const CKoutei* process = AsKoutei(object);
            process != nullptr && !process->IsLinesSelected()) {
            return; // only some of its parts were selected
        }
        if (object->GetType() == kTypeZukei) {
            DeleteZukei(object);
        } else {
            DeleteSelAt(pos);
        }
    });
    if (!m_selList.IsEmpty()) {
        UnselectAll(TRUE);
    }
}

// ---- Undo restore -------------------------------------------------------------------------------

void CTembraDoc::ExchangeInList(OwnedObList<CDataHeader>& list, CDataHeader* current,
                                CDataHeader* replacement, bool& handled) {
    const POSITION pos = list.Find(current);
    if (pos == nullptr) {
        return;
    }
    if (replacement == nullptr) {
        list.RemoveAt(pos);
    } else {
        list.SetAt(pos, replacement);
    }
    handled = true;
}

int CTembraDoc::RestoreObject(CDataHeader* current, CDataHeader* replacement) {
    const CDataHeader* known = current != nullptr ? current : replacement;
    const WORD type = known->GetType();
    bool handled = false;

    if (current == nullptr) {
        // An object comes back.
        switch (type) {
        case kTypeKoutei:
        case kTypeEvent:
            (replacement->IsSelected() ? m_selList : m_objList).AddTail(replacement);
            handled = true;
            break;
        case kTypeKoumoku:
            if (CKoumokuData* cell = AsKoumokuData(replacement)) {
                handled = m_koumoku.SetAt(cell->GetRow(), cell->GetColumn(), cell) != FALSE;
            }
            break;
        case kTypeShincyoku:
            m_shincyokuList.AddTail(replacement);
            handled = true;
            break;
        case kTypeZukei:
            m_zukeiList.AddTail(replacement);
            if (replacement->IsSelected()) {
                m_selList.AddTail(replacement);
            }
            handled = true;
            break;
        default:
            break;
        }
    } else {
        switch (type) {
        case kTypeKoutei:
        case kTypeEvent:
            if (const POSITION pos = m_objList.Find(current)) {
                if (replacement == nullptr) {
                    m_objList.RemoveAt(pos);
                } else {
                    if (replacement->IsSelected()) {
                        if (CKoutei* process = AsKoutei(replacement)) {
                            process->Deselect();
                            process->DeselectYogo(-1);
                        } else {
                            replacement->Deselect();
                        }
                    }
                    m_objList.SetAt(pos, replacement);
                }
                handled = true;
            } else if (const POSITION selPos = m_selList.Find(current)) {
                if (replacement == nullptr) {
                    m_selList.RemoveAt(selPos);
                } else {
                    replacement->Select();
                    m_selList.SetAt(selPos, replacement);
                }
                handled = true;
            }
            break;
        case kTypeKoumoku: {
            const CKoumokuData* cell = AsKoumokuData(current);
            if (cell != nullptr && m_koumoku.GetAt(cell->GetRow(), cell->GetColumn()) == current) {
                handled = m_koumoku.SetAt(cell->GetRow(), cell->GetColumn(), replacement) != FALSE;
            }
            break;
        }
        case kTypeShincyoku:
            ExchangeInList(m_shincyokuList, current, replacement, handled);
            break;
        case kTypeZukei: {
            ExchangeInList(m_zukeiList, current, replacement, handled);
            if (!handled) {
                break;
            }
            const POSITION selPos = m_selList.Find(current);
            if (replacement != nullptr && replacement->IsSelected()) {
                if (selPos != nullptr) {
                    m_selList.SetAt(selPos, replacement);
                } else {
                    m_selList.AddTail(replacement);
                }
            } else if (selPos != nullptr) {
                m_selList.RemoveAt(selPos);
            }
            break;
        }
        default:
            break;
        }
    }
    if (!handled) {
        return 0;
    }
    if (current != nullptr) {
        RedrawObject(current);
    }
    if (replacement != nullptr) {
        RedrawObject(replacement);
    }
    return 1;
}

int CTembraDoc::UndoRestor(CObject* current, CObject* replacement, CObject* info) {
    if (current == nullptr && replacement == nullptr) {
        // A change that is no object exchange: a calendar before-image takes the place of the
        // working calendar, which goes into the record for the way back.
        auto* saved = dynamic_cast<CCalendar*>(info);
        if (saved == nullptr) {
            return 0;
        }
        CCalendar exchanged;
        m_calendar.CopyTo(&exchanged);
        saved->CopyTo(&m_calendar);
        exchanged.CopyTo(saved);
        UpdateAllViews(nullptr);
        return 1;
    }

    auto* hatchCurrent = dynamic_cast<CKtkmHatch*>(current);
    auto* hatchReplacement = dynamic_cast<CKtkmHatch*>(replacement);
    if (hatchCurrent != nullptr || hatchReplacement != nullptr) {
        if (hatchCurrent == nullptr) {
            m_hatchList.AddTail(hatchReplacement);
        } else if (const POSITION pos = m_hatchList.Find(hatchCurrent)) {
            if (hatchReplacement == nullptr) {
                m_hatchList.RemoveAt(pos);
            } else {
                m_hatchList.SetAt(pos, hatchReplacement);
            }
        } else {
            return 0;
        }
        if (hatchCurrent != nullptr) {
            RedrawObject(hatchCurrent);
        }
        if (hatchReplacement != nullptr) {
            RedrawObject(hatchReplacement);
        }
        return 1;
    }

    auto* headerCurrent = dynamic_cast<CDataHeader*>(current);
    auto* headerReplacement = dynamic_cast<CDataHeader*>(replacement);
    if ((current != nullptr && headerCurrent == nullptr) ||
        (replacement != nullptr && headerReplacement == nullptr)) {
        return 0;
    }
    return RestoreObject(headerCurrent, headerReplacement);
}

void CTembraDoc::RedrawObject(CObject* object) {
    if (!m_bRedrawHold) {
        UpdateAllViews(nullptr, 0, object);
    }
}

} // namespace tembra
