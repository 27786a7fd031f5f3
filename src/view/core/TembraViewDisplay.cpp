// The display options of the view (表示): the print header on screen, simplified text, hyperlink
// marks, the label and alignment of resources, hour and minute mode of the cursor date, and the
// rows that head the process column; beside them the paste with the layer chosen and the layer
// move. None changes the document's records: each is a flag of the view's layout or of the view
// (or, for the header rows, a setting), followed by the view's update.
#include "document/ChartSheetRequests.h"
#include "document/CommandIds.h"
#include "document/LayerDialogRequests.h"
#include "document/TembraDoc.h"
#include "model/ConfigOperation.h"
#include "platform/Ui.h"
#include "view/core/TembraView.h"

#include "platform/StringTable.h"
#include "view/core/ViewHost.h"

namespace tembra {

namespace {

using Op = COperationState;

constexpr UINT IDS_KOUTEI_HEADER_SET = 5521;
constexpr UINT IDS_KOUTEI_HEADER_CLEAR = 5522;

// The date-label unit of hours and minutes.
constexpr WORD kHourUnit = 4;

// The resource label modes of the three label commands.
int ShigenModeOf(UINT id) {
    switch (id) {
    case ID_SHIGEN_NAMES:
        return 1;
    case ID_SHIGEN_HOURS:
        return 2;
    default:
        return 0;
    }
}

} // namespace

int CTembraView::GetKouteiHeaderRows() const {
    const CSyokiSet& set = GetDocument()->GetSyokiSet();
    // Two row words; their difference plus one counts the rows (0: none).
    return static_cast<WORD>(set.GetFixedLastRow() - set.GetFixedFirstRow() + 1);
}

void CTembraView::OnKouteiHeader() {
    CTembraDoc& doc = *GetDocument();
    int lastHeaderRow = -1;
    if (GetKouteiHeaderRows() == 0 && m_layout.GetFirstRow() == 0) {
        int firstRow = 0;
        int lastRow = 0;
        int firstColumn = 0;
        int lastColumn = 0;
        if (doc.GetKoumokuCells().GetSelectedKoumokuRows(firstRow, lastRow) > 0 &&
            doc.GetKoumokuCells().GetSelectedKoumokuCols(firstColumn, lastColumn) > 0 &&
            doc.GetKoumokuCells().GetKoumokuCell(firstRow, firstColumn) != nullptr) {
            lastHeaderRow = firstRow - 1;
        }
    }
    CSyokiSet& set = doc.GetSyokiSet();
    set.SetFixedFirstRow(0);
    set.SetFixedLastRow(static_cast<WORD>(lastHeaderRow));
    Relayout();
    OnShiftReset();
}

void CTembraView::OnLayerMove() {
    CTembraDoc& doc = *GetDocument();
    LayerMoveRequest request;
    request.document = &doc;
    for (std::size_t i = 0; i < request.map.size(); ++i) {
        request.map[i] = static_cast<int>(i);
    }
    if (!m_host.HasDialog(request.Name()) || Ui().RunDialog(request) != IDOK) {
        return;
    }
    const CWaitCursor wait;
    doc.GetChartLayers().MoveLayers(request.map);
}

bool CTembraView::OnDisplayCommand(UINT id) {
    CTembraDoc& doc = *GetDocument();
    const bool hourUnit = doc.GetSyokiSet().GetDateUnit() == kHourUnit;
    switch (id) {
    case ID_VIEW_HEADER:
        m_layout.SetHeader(m_layout.GetHeader() != nullptr ? nullptr : &doc.GetPrHeader());
        OnUpdate(nullptr, kHintRelayout, nullptr);
        return true;
    case ID_VIEW_SIMPLE_TEXT:
        m_layout.SetSimpleText(m_layout.IsSimpleText() ? FALSE : TRUE);
        break;
    case ID_VIEW_LINK_MARKS:
        m_layout.SetHyperlinkMark(m_layout.IsHyperlinkMark() ? FALSE : TRUE);
        break;
    case ID_SHIGEN_NAMES:
    case ID_SHIGEN_HOURS:
    case ID_SHIGEN_NONE:
        m_layout.SetShigenDispMode(ShigenModeOf(id));
        break;
    case ID_SHIGEN_LEFT:
    case ID_SHIGEN_CENTER:
        m_layout.SetShigenCentered(id == ID_SHIGEN_CENTER ? TRUE : FALSE);
        break;
    case ID_HOUR_MODE:
        if (!hourUnit) {
            m_bHourMode = m_bHourMode ? FALSE : TRUE;
        }
        return true;
    case ID_MINUTE_MODE:
        if (hourUnit) {
            m_bMinuteMode = m_bMinuteMode ? FALSE : TRUE;
        }
        return true;
    case ID_LAYER_PASTE:
        doc.SetAskTargetLayer(TRUE);
        OnEditPaste();
        return true;
    case ID_LAYER_MOVE:
        OnLayerMove();
        return true;
    case ID_KOUTEI_HEADER:
        OnKouteiHeader();
        return true;
    default:
        return false;
    }
    OnUpdate(nullptr, kHintGeneral, nullptr);
    return true;
}

bool CTembraView::OnUpdateDisplayCommand(CCmdUI& cmdUI) {
    const CTembraDoc& doc = *GetDocument();
    const bool hourUnit = doc.GetSyokiSet().GetDateUnit() == kHourUnit;
    const UINT id = cmdUI.m_nID;
    switch (id) {
    case ID_VIEW_HEADER:
        cmdUI.SetCheck(m_layout.GetHeader() != nullptr ? 1 : 0);
        return true;
    case ID_VIEW_SIMPLE_TEXT:
        cmdUI.SetCheck(m_layout.IsSimpleText() ? 1 : 0);
        return true;
    case ID_VIEW_LINK_MARKS:
        cmdUI.SetCheck(m_layout.IsHyperlinkMark() ? 1 : 0);
        return true;
    case ID_SHIGEN_NAMES:
    case ID_SHIGEN_HOURS:
    case ID_SHIGEN_NONE:
        cmdUI.SetCheck(m_layout.GetShigenDispMode() == ShigenModeOf(id) ? 1 : 0);
        return true;
    case ID_SHIGEN_LEFT:
    case ID_SHIGEN_CENTER:
        cmdUI.SetCheck((m_layout.IsShigenCentered() != FALSE) == (id == ID_SHIGEN_CENTER) ? 1 : 0);
        return true;
    case ID_HOUR_MODE:
        cmdUI.Enable(!hourUnit);
        cmdUI.SetCheck(m_bHourMode ? 1 : 0);
        return true;
    case ID_MINUTE_MODE:
        if (!hourUnit) {
            // Minutes count only on an axis of hours: the mode goes with the unit.
            m_bMinuteMode = FALSE;
        }
        cmdUI.Enable(hourUnit);
        cmdUI.SetCheck(hourUnit && m_bMinuteMode ? 1 : 0);
        return true;
    case ID_LAYER_PASTE: {
        const LONG mode = doc.GetOperation().GetMode();
        const WORD kind = doc.CanPasteObjects();
        const bool takes =
            (mode == Op::kModeKoutei || mode == Op::kModeEvent || mode == Op::kModeZukei) &&
            kind == mode;
        cmdUI.Enable(!doc.HasColumnRange() && takes);
        return true;
    }
    case ID_LAYER_MOVE:
        cmdUI.Enable(m_host.HasDialog(LayerMoveRequest().Name()) && doc.CanDelete());
        return true;
    case ID_KOUTEI_HEADER:
        // The entry says which of the two it will do.
        cmdUI.SetText(LoadStringUtf8(GetKouteiHeaderRows() > 0 ? IDS_KOUTEI_HEADER_CLEAR
                                                               : IDS_KOUTEI_HEADER_SET));
        return true;
    default:
        return false;
    }
}

} // namespace tembra
