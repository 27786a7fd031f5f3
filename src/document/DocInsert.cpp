// File > Insert: parts of another chart file taken into this one.
//
// The file is read whole into a document of its own first; only when that succeeded are the
// chosen parts taken over, so a file that breaks off or is refused changes nothing here.
#include "document/AppState.h"
#include "document/DocFileFormat.h"
#include "document/DocFileRequests.h"
#include "document/RecordCast.h"
#include "document/TembraDoc.h"
#include "shapes/Zukei.h"

namespace tembra {

using namespace DocFile;

namespace {

constexpr UINT IDS_SETTINGS_WITH_HEADER = 5091;
constexpr UINT IDS_HEADER_ON_OTHER_PAPER = 5035;
constexpr UINT IDS_OPEN_TITLE = 61440;

constexpr int kObjectBits = kInsertProcesses | kInsertEvents;
// The parts whose objects dialog 291 asks about.
constexpr int kAskedBits = kInsertProcesses | kInsertEmbedded | kInsertEvents | kInsertShapes;

// The placement codes of inserted shapes (the document's insert mode while they go in).
constexpr int kPlaceWithSettings = -1;
constexpr int kPlaceKept = 1;
constexpr int kPlaceKeptOtherPaper = 2;
constexpr int kPlaceFitted = 3;

bool SamePaper(const CSyokiSet& a, const CSyokiSet& b) {
    return a.GetPageSetting().GetPaper() == b.GetPageSetting().GetPaper() &&
           a.GetPageSetting().GetMuki() == b.GetPageSetting().GetMuki();
}

} // namespace

void CTembraDoc::OnFileInsert() {
    InsertSelectRequest select;
    int mask = Ui().RunDialog(select) == IDOK ? select.mask : 0;
    const int pair = mask & (kInsertSettings | kInsertHeader);
    if (pair == kInsertSettings || pair == kInsertHeader) {
        AfxMessageBox(IDS_SETTINGS_WITH_HEADER, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    if (m_syokiSet.GetNobeMode() == 0 && (mask & kInsertSettings) == 0 &&
        (mask & kAskedBits) != 0) {
        InsertConfirmRequest confirm;
        if (Ui().RunDialog(confirm) != IDOK) {
            return;
        }
        if (!confirm.adjust) {
            mask |= kInsertKeepPlace;
        }
    }
    if (mask == 0) {
        return;
    }
    FileDialogRequest file;
    file.titleId = IDS_OPEN_TITLE;
    file.open = true;
    if (Ui().RunDialog(file) != IDOK || file.path.empty()) {
        return;
    }
    InsertFile(file.path, mask,
               select.chooseLayer && (mask & (kObjectBits | kInsertShapes)) != 0 ? TRUE : FALSE);
}

BOOL CTembraDoc::InsertFile(const std::string& path, int mask, BOOL chooseLayer) {
    std::unique_ptr<CTembraDoc> file = ReadDocumentFile(path, mask, this);
    if (!file) {
        return FALSE;
    }
    if (GetStreamKind(path) == StreamKind::Dos) {
        // A DOS document's layers always come with what is taken from it.
        mask |= kInsertLayers;
    }
    CWaitCursor wait;
    m_undo.Reset();
    UnselectAll(TRUE);
    m_bAskTargetLayer = chooseLayer;
    m_bInserting = TRUE;
    ApplyInsert(*file, mask, chooseLayer);
    m_bInserting = FALSE;
    m_bAskTargetLayer = FALSE;
    file.reset();
    UpdateAllViews(nullptr);
    SetTitle();
    SetModifiedFlag(TRUE);
    SetChangedFlag(TRUE);
    return TRUE;
}

void CTembraDoc::ApplyInsert(CTembraDoc& file, int mask, BOOL chooseLayer) {
    CAppState* app = GetAppState();
    const int v = file.GetVersion();
    const CSyokiSet& fileSettings = file.GetSyokiSet();

    if ((mask & kInsertCalendar) != 0) {
        if (m_operation.GetHolidayAuto() == 0 || GetObjCount() + GetSelCount() == 0) {
            file.GetWorkCalendar().CopyTo(&m_calendar);
        } else {
            m_calendarUpdate.UpdateCalendar(file.GetWorkCalendar());
        }
    }
    // Whether the file's settings come in or not, its sheet rows are its row span.
    const bool samePaper = SamePaper(m_syokiSet, fileSettings);
    m_nSheetRows = static_cast<WORD>(fileSettings.GetRowSpan());
    if ((mask & kInsertSettings) != 0) {
        m_syokiSet = fileSettings;
        m_syokiSet.SetDocument(this);
    }
    if ((mask & kInsertHeader) != 0) {
        if ((mask & kInsertSettings) != 0 || SamePaper(m_syokiSet, fileSettings)) {
            m_prHeader.RemoveAllElements();
            m_prHeader.CopyFrom(file.GetPrHeader());
            m_prHeader.SetDocument(this);
        } else {
            AfxMessageBox(IDS_HEADER_ON_OTHER_PAPER, MB_OK | MB_ICONEXCLAMATION);
        }
    }
    if ((mask & kInsertLayers) != 0 && v >= kLayersVersion) {
        GetChartLayers().DeleteLayers();
        GetLayers().swap(file.GetLayers());
        SetCurrentLayer(file.GetCurrentLayer());
    }
    if ((mask & kInsertItems) != 0) {
        FreeAllKoumoku();
        TakeKoumoku(file);
    }

    // The objects wait in the application's clipboard, which holds only them.
    app->ClearObjectClipboard();
    app->ClearShigenNameClipboard();
    // The link records of the processes measure their working time on the file's calendar, which
    // is this chart's when the calendar came in.
    CCalendar inserted;
    inserted.Clear();
    const CCalendar& linkCalendar =
        (mask & kInsertCalendar) != 0 ? inserted : file.GetWorkCalendar();
    if ((mask & kObjectBits) != 0) {
        if (v >= kResourcesVersion) {
            app->GetShigenNameClipboard().swap(file.GetShigenNames());
        }
        const bool all = (mask & kObjectBits) == kObjectBits;
        for (auto* list : {&file.GetObjList(), &file.GetSelList()}) {
            while (!list->IsEmpty()) {
                CDataHeader* object = list->RemoveHead();
                const bool wanted = all || ((mask & kInsertProcesses) != 0 && AsKoutei(object)) ||
                                    ((mask & kInsertEvents) != 0 && AsEvent(object));
                if (wanted) {
                    app->GetObjectClipboard().AddTail(object);
                } else {
                    delete object;
                }
            }
        }
        if (!chooseLayer) {
            InsertHeldBlocks(mask, linkCalendar, TRUE);
        }
    }
    if ((mask & kInsertShapes) != 0 && v >= kShapesVersion) {
        m_nZukeiPlacement =
            (mask & kInsertKeepPlace) != 0
                ? (samePaper ? kPlaceKept : kPlaceKeptOtherPaper)
                : ((mask & kInsertSettings) != 0 ? kPlaceWithSettings : kPlaceFitted);
        OwnedObList<CDataHeader>& shapes = file.GetZukeiList();
        while (!shapes.IsEmpty()) {
            // Drawn first stays first.
            app->GetZukeiClipboard().AddTail(shapes.RemoveHead());
        }
        if (!chooseLayer) {
            InsertHeldBlocks(mask, linkCalendar, FALSE);
        }
    }
    if (chooseLayer) {
        OutputLayerRequest layers;
        layers.document = this;
        for (int i = 0; i < CLayerSet::kLayerCount; ++i) {
            layers.map[static_cast<std::size_t>(i)] = i;
        }
        if (Ui().RunDialog(layers) == IDOK) {
            ApplyOutputLayers(layers.map);
        }
        InsertHeldBlocks(mask, linkCalendar, TRUE);
    }
    m_nZukeiPlacement = 0;
}

void CTembraDoc::InsertHeldBlocks(int mask, const CCalendar& linkCalendar, BOOL linkProcesses) {
    CAppState* app = GetAppState();
    if (app->GetObjectClipboard().IsEmpty() && app->GetZukeiClipboard().IsEmpty()) {
        return;
    }
    if (linkProcesses) {
        m_clipboard.BuildKouteiLinks(linkCalendar);
    }
    CChartPos target;
    if ((mask & kInsertKeepPlace) == 0) {
        target.SetStartDate(m_syokiSet.GetStartDate());
        target.SetEndDate(m_syokiSet.GetEndDate());
        target.SetStartRow(m_syokiSet.GetFirstRow());
        target.SetEndRow(m_syokiSet.GetLastRow());
    }
    InsertKouteiBlock(
        target, (mask & kInsertKeepPlace) == 0 ? m_syokiSet.GetNobeBaseDate() : CTime(), FALSE);
    app->ClearShigenNameClipboard();
    app->ClearObjectClipboard();
    UnselectAll(TRUE);
    m_shapes.DeselectAllZukei();
}

void CTembraDoc::ApplyOutputLayers(const CChartLayers::LayerMap& map) {
    GetChartLayers().RemapClipboardLayers(map, nullptr);
}

} // namespace tembra
