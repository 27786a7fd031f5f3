// The commands the chart view handles and the states of their menu entries.
#include "document/CommandIds.h"
#include "document/TembraDoc.h"
#include "view/core/TembraView.h"
#include "view/core/ViewHost.h"

#include <array>

namespace tembra {

namespace {

// The maker's link a help command opens (1 home page, 2 support, 3 updates), 0 for none.
int MakerLinkOf(UINT id) {
    switch (id) {
    case ID_MAKER_HOME:
        return 1;
    case ID_MAKER_SUPPORT:
        return 2;
    case ID_MAKER_UPDATES:
        return 3;
    default:
        return 0;
    }
}

// The fixed zoom levels: 25 %, 50 %, 75 %, 100 %, 150 %, 200 %, 300 %, 400 %.
constexpr std::array<UINT, CPageLayout::kZoomCount> kZoomLevels = {
    ID_ZOOM_25,  ID_ZOOM_50,  ID_ZOOM_75,  ID_ZOOM_100,
    ID_ZOOM_150, ID_ZOOM_200, ID_ZOOM_300, ID_ZOOM_400};

int ZoomLevelOf(UINT id) {
    for (std::size_t i = 0; i < kZoomLevels.size(); ++i) {
        if (kZoomLevels[i] == id) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

} // namespace

bool CTembraView::OnCommand(UINT id) {
    if (GetDocument() == nullptr) {
        return false;
    }
    if (const int level = ZoomLevelOf(id); level >= 0) {
        SetZoomIndexCommand(level);
        return true;
    }
    if (id >= ID_BROWSER_FIRST && id <= ID_BROWSER_LAST) {
        ExecURL(static_cast<int>(id - ID_BROWSER_FIRST));
        return true;
    }
    if (const int maker = MakerLinkOf(id); maker > 0) {
        ExecMakerURL(maker);
        return true;
    }
    if (OnZukeiDropDown(id)) {
        return true;
    }
    switch (id) {
    case ID_CANCEL_EDIT_CNTR:
    case ID_CANCEL_EDIT_SRVR:
        // No object of another program is edited in place in a chart: nothing to cancel.
        return true;
    case ID_EDIT_UNDO:
        OnEditUndo();
        return true;
    case ID_EDIT_CUT:
        OnEditCut();
        return true;
    case ID_EDIT_COPY:
        OnEditCopy();
        return true;
    case ID_EDIT_PASTE:
        OnEditPaste();
        return true;
    case ID_FILE_PRINT:
    case ID_FILE_PRINT_DIRECT:
        m_host.Print();
        return true;
    case ID_FILE_PRINT_PREVIEW:
        OnFilePrintPreview();
        return true;
    case ID_FILE_PRINT_SETUP:
        OnFilePrintSetup();
        return true;
    case ID_AREA_ZOOM:
        OnAreaZoom();
        return true;
    case ID_ZOOM_IN:
        OnZoomIn();
        return true;
    case ID_ZOOM_OUT:
        OnZoomOut();
        return true;
    case ID_ZOOM_NORMAL:
        SetZoomIndexCommand(CPageLayout::kDefaultZoomIndex);
        return true;
    case ID_SHIFT_LEFT:
        // A framed text being typed into keeps what was typed before the chart moves.
        EndStringEdit();
        OnShiftLeft();
        return true;
    case ID_SHIFT_RIGHT:
        EndStringEdit();
        OnShiftRight();
        return true;
    case ID_SHIFT_UP:
        EndStringEdit();
        OnShiftUp();
        return true;
    case ID_SHIFT_DOWN:
        EndStringEdit();
        OnShiftDown();
        return true;
    case ID_SHIFT_RESET:
        EndStringEdit();
        OnShiftReset();
        return true;
    case ID_EVENT_ALIGN:
        OnEventAlign();
        return true;
    case ID_EVENT_BATCH_DATE:
    case ID_EVENT_BATCH_WEEK:
        OnEventBatch(id == ID_EVENT_BATCH_WEEK);
        return true;
    default:
        return OnChartCommand(id) || OnDisplayCommand(id) || OnZukeiCommand(id);
    }
}

bool CTembraView::OnUpdateCommand(CCmdUI& cmdUI) {
    const CTembraDoc* doc = GetDocument();
    if (doc == nullptr) {
        return false;
    }
    const int index = m_layout.GetZoomIndex();
    if (const int level = ZoomLevelOf(cmdUI.m_nID); level >= 0) {
        cmdUI.Enable(m_layout.IsZoomPossible(level));
        cmdUI.SetCheck(index == level ? 1 : 0);
        return true;
    }
    if ((cmdUI.m_nID >= ID_BROWSER_FIRST && cmdUI.m_nID <= ID_BROWSER_LAST) ||
        MakerLinkOf(cmdUI.m_nID) > 0) {
        return true;
    }
    if (OnUpdateZukeiDropDown(cmdUI)) {
        return true;
    }
    const bool calendarDays = doc->GetSyokiSet().GetNobeMode() == 0;
    switch (cmdUI.m_nID) {
    case ID_CANCEL_EDIT_CNTR:
    case ID_CANCEL_EDIT_SRVR:
    case ID_FILE_PRINT:
    case ID_FILE_PRINT_DIRECT:
    case ID_FILE_PRINT_PREVIEW:
    case ID_FILE_PRINT_SETUP:
    case ID_SHIFT_UP:
    case ID_SHIFT_DOWN:
    case ID_SHIFT_RESET:
        return true;
    case ID_EDIT_UNDO:
        OnUpdateEditUndo(cmdUI);
        return true;
    case ID_EDIT_CUT:
    case ID_EDIT_COPY:
        OnUpdateEditCutCopy(cmdUI);
        return true;
    case ID_EDIT_PASTE:
        OnUpdateEditPaste(cmdUI);
        return true;
    case ID_AREA_ZOOM:
        cmdUI.SetCheck(doc->GetOperation().GetOperation() == kOpAreaZoom ? 1 : 0);
        return true;
    case ID_ZOOM_IN:
        cmdUI.Enable(m_layout.IsZoomPossible(index + 1));
        return true;
    case ID_ZOOM_OUT:
        cmdUI.Enable(m_layout.IsZoomPossible(index - 1));
        return true;
    case ID_ZOOM_NORMAL:
        cmdUI.Enable(!(index == CPageLayout::kDefaultZoomIndex && m_snapshot.zoomPercent == 0));
        return true;
    case ID_SHIFT_LEFT:
    case ID_SHIFT_RIGHT:
        cmdUI.Enable(calendarDays);
        return true;
    case ID_EVENT_ALIGN:
        cmdUI.Enable(doc->GetOperation().GetMode() == COperationState::kModeEvent &&
                     doc->GetSelCount() > 1);
        return true;
    case ID_EVENT_BATCH_DATE:
    case ID_EVENT_BATCH_WEEK:
        cmdUI.Enable(doc->GetOperation().GetOperation() == COperationState::kOpDraw &&
                     doc->GetOperation().GetMode() == COperationState::kModeEvent && calendarDays);
        return true;
    default:
        return OnUpdateChartCommand(cmdUI) || OnUpdateDisplayCommand(cmdUI) ||
               OnUpdateZukeiCommand(cmdUI);
    }
}

} // namespace tembra
