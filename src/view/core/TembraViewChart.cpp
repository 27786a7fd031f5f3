// The resource charts of 属性 > 山積: a new resource-loading chart (グラフ表示) or earned-value
// chart (出来高線表示) gets its settings in its sheet and is placed by two clicks, the first fixing
// one edge of its band of rows and the second the other; グラフ編集 and 出来高線編集 open the sheet
// of the selected chart of their kind; グラフ再計算 builds every chart anew from the processes.
#include "chart/Chart.h"
#include "chart/ChartDocument.h"
#include "document/ChartSheetRequests.h"
#include "document/CommandIds.h"
#include "document/TembraDoc.h"
#include "model/ConfigOperation.h"
#include "platform/DC.h"
#include "platform/Ui.h"
#include "render/StyledDraw.h"
#include "view/core/TembraView.h"
#include "view/core/ViewHost.h"

#include <algorithm>
#include <utility>

namespace tembra {

namespace {

using Op = COperationState;

// The sub-states of the placement: the sheet (by kind), the first row followed, pressed, the
// second row followed, pressed, placed.
enum : WORD {
    kSheetLoading = 100,
    kFirstRow = 101,
    kFirstPressed = 102,
    kSecondRow = 103,
    kSecondPressed = 104,
    kPlaced = 105,
    kSheetEarned = 110,
};

WORD SheetStateOf(const CChart& chart) {
    return chart.GetKind() == CChart::kPurposeEarnedValue ? kSheetEarned : kSheetLoading;
}

// The selected chart of the kind that comes first in the document's list, or null.
CChart* FirstSelectedChart(const CTembraDoc& doc, WORD kind) {
    for (POSITION pos = doc.GetResourceCharts().GetHeadChartPosition(); pos != nullptr;) {
        CChart* chart = doc.GetResourceCharts().GetNextChart(pos);
        if (chart != nullptr && chart->IsSelected() != 0 && chart->GetKind() == kind) {
            return chart;
        }
    }
    return nullptr;
}

} // namespace

bool CTembraView::AskChartSettings(CChart& chart) {
    // Until a sheet answers the request, the chart keeps the settings it has and goes on: a
    // default chart can still be placed. The sheet lists the document's resources.
    const IChartDocument* charts = DocumentSeam<IChartDocument>(GetDocument());
    const CShigenNameTable* names = charts != nullptr ? &charts->GetShigenNames() : nullptr;
    if (chart.GetKind() == CChart::kPurposeEarnedValue) {
        PieceSettingsRequest request;
        if (!m_host.HasDialog(request.Name())) {
            return true;
        }
        request.chart = &chart;
        request.names = names;
        return Ui().RunDialog(request) == IDOK;
    }
    ChartSettingsRequest request;
    if (!m_host.HasDialog(request.Name())) {
        return true;
    }
    request.chart = &chart;
    request.names = names;
    return Ui().RunDialog(request) == IDOK;
}

bool CTembraView::OnChartCommand(UINT id) {
    switch (id) {
    case ID_CHART_NEW:
        OnChartNew(CChart::kPurposeLoading);
        return true;
    case ID_PIECE_NEW:
        OnChartNew(CChart::kPurposeEarnedValue);
        return true;
    case ID_CHART_EDIT:
        OnChartEdit(CChart::kPurposeLoading);
        return true;
    case ID_PIECE_EDIT:
        OnChartEdit(CChart::kPurposeEarnedValue);
        return true;
    case ID_CHART_RECALC:
        OnChartRecalc();
        return true;
    default:
        return false;
    }
}

bool CTembraView::OnUpdateChartCommand(CCmdUI& cmdUI) const {
    const CTembraDoc& doc = *GetDocument();
    const bool chartMode = doc.GetOperation().GetMode() == Op::kModeChart;
    switch (cmdUI.m_nID) {
    case ID_CHART_NEW:
    case ID_PIECE_NEW:
        cmdUI.Enable(chartMode);
        return true;
    case ID_CHART_EDIT:
        cmdUI.Enable(chartMode &&
                     doc.GetResourceCharts().CountSelectedCharts(CChart::kPurposeLoading) == 1);
        return true;
    case ID_PIECE_EDIT:
        cmdUI.Enable(chartMode &&
                     doc.GetResourceCharts().CountSelectedCharts(CChart::kPurposeEarnedValue) == 1);
        return true;
    case ID_CHART_RECALC:
        cmdUI.Enable(chartMode && doc.GetResourceCharts().GetChartCount() > 0);
        return true;
    default:
        return false;
    }
}

void CTembraView::OnChartNew(WORD kind) {
    CTembraDoc& doc = *GetDocument();
    IChartDocument* charts = DocumentSeam<IChartDocument>(&doc);
    DropPendingChart();
    auto chart = std::make_unique<CChart>();
    chart->SetPurpose(kind);
    chart->SetSeriesCount(charts != nullptr ? static_cast<int>(charts->GetShigenNames().size())
                                            : 0);
    if (kind == CChart::kPurposeLoading) {
        if (!chart->EnsureLabel()) {
            return;
        }
    } else {
        // An earned-value line is a line graph, its points at the value before each change.
        chart->SetGraphType(CChart::kLineGraph);
        chart->SetPointMode(CChart::kPointBefore);
    }
    m_newChart = std::move(chart);
    doc.GetOperation().SetState(SheetStateOf(*m_newChart));
    m_host.PostMouseEvent(CMouseEvent::kMove, 0, m_host.GetCursorPos());
}

void CTembraView::OnChartEdit(WORD kind) {
    CTembraDoc& doc = *GetDocument();
    CChart* chart = FirstSelectedChart(doc, kind);
    if (chart == nullptr) {
        return;
    }
    CChart copy;
    copy = *chart;
    if (!AskChartSettings(copy)) {
        return;
    }
    // The copy keeps the old shapes until the chart is built anew: both areas are redrawn.
    *chart = copy;
    if (IChartDocument* charts = DocumentSeam<IChartDocument>(&doc)) {
        chart->BuildShapes(*charts, m_layout);
    }
    chart->Deselect();
    doc.UpdateAllViews(nullptr, 0, &copy);
    doc.UpdateAllViews(nullptr, 0, chart);
}

void CTembraView::OnChartRecalc() {
    CTembraDoc& doc = *GetDocument();
    if (IChartDocument* charts = DocumentSeam<IChartDocument>(&doc)) {
        for (POSITION pos = doc.GetResourceCharts().GetHeadChartPosition(); pos != nullptr;) {
            CChart* chart = doc.GetResourceCharts().GetNextChart(pos);
            CRect bounds;
            if (chart == nullptr) {
                continue;
            }
            chart->GetBoundRect(bounds, *this, 0);
            if (bounds.IsRectNull()) {
                continue;
            }
            chart->BuildShapes(*charts, m_layout);
            doc.UpdateAllViews(nullptr, 0, chart);
        }
    }
    doc.GetResourceCharts().UnselectCharts();
}

void CTembraView::InvertChartBand(CDC* dc) {
    const int saved = dc->SaveDC();
    DrawStyledRect(dc, m_chartBandRect, 2, 1, RGB(0, 0, 0), -1, RGB(255, 255, 255), R2_NOT,
                   TRANSPARENT);
    dc->RestoreDC(saved);
}

void CTembraView::DrawChartBandFeedback(CDC* dc, bool draw) {
    const auto invert = [&]() { InvertChartBand(dc); };
    if (!draw) {
        if (m_chartBandDrawn) {
            invert();
            m_chartBandDrawn = false;
        }
        return;
    }
    const CPoint point = m_mouse.GetPoint();
    if (m_chartBandDrawn && point == m_chartBandPoint) {
        return;
    }
    if (m_chartBandDrawn) {
        invert();
        m_chartBandDrawn = false;
    }
    ScrollForCursor(dc, point.x, point.y);
    m_chartBandPoint = point;
    const int start = static_cast<int>(m_mouse.GetStartRowF());
    const int last = static_cast<int>(m_mouse.GetLastRowF());
    m_chartBandRect =
        CRect(m_layout.GetKoumokuRect().left, m_layout.RowToY(std::min(start, last), -1),
              m_layout.GetChartRect().right, m_layout.RowToY(std::max(start, last), 1));
    invert();
    m_chartBandDrawn = true;
}

void CTembraView::DropPendingChart() {
    if (!m_newChart) {
        return;
    }
    if (m_chartBandDrawn) {
        std::unique_ptr<CDC> dc = PreparedClientDC();
        DrawChartBandFeedback(dc.get(), false);
    }
    m_newChart.reset();
    if (m_host.HasCapture()) {
        m_host.ReleaseCapture();
    }
}

BOOL CTembraView::ChartPlacementAction(CDC* dc) {
    CTembraDoc& doc = *GetDocument();
    CConfigOperation& config = doc.GetOperation();
    const WORD state = config.GetState();
    const int code = m_mouse.GetCode();
    if (!m_newChart) {
        // A placement left over from another view, or dropped: nothing to place.
        config.SetState(0);
        return FALSE;
    }
    const int row = m_mouse.GetCursorRow();
    switch (state) {
    case kSheetLoading:
    case kSheetEarned: {
        m_host.ReleaseCapture();
        if (!AskChartSettings(*m_newChart)) {
            m_newChart.reset();
            config.SetState(0);
            return TRUE;
        }
        m_chartBandDrawn = false;
        config.SetState(kFirstRow);
        m_host.PostMouseEvent(CMouseEvent::kMove, 0, m_host.GetCursorPos());
        OnSetCursor();
        m_host.SetCapture();
        return TRUE;
    }
    case kFirstRow:
        switch (code) {
        case CMouseEvent::kMoveNoButton:
            if (WaitsForPaint()) {
                return FALSE;
            }
            m_mouse.SetStartRowF(row);
            m_mouse.SetLastRowF(row);
            DrawChartBandFeedback(dc, true);
            return TRUE;
        case CMouseEvent::kLeftPress:
            if (!m_host.HasCapture()) {
                return FALSE;
            }
            config.SetState(kFirstPressed);
            return TRUE;
        case CMouseEvent::kRightRelease:
            DrawChartBandFeedback(dc, false);
            config.SetState(SheetStateOf(*m_newChart));
            m_host.ReleaseCapture();
            return TRUE;
        default:
            return FALSE;
        }
    case kFirstPressed:
        if ((code == CMouseEvent::kLeftRelease || code == CMouseEvent::kMoveLeft) &&
            m_host.HasCapture()) {
            config.SetState(kSecondRow);
            return TRUE;
        }
        if (code == CMouseEvent::kRightRelease) {
            DrawChartBandFeedback(dc, true);
            config.SetState(kFirstRow);
            return TRUE;
        }
        return FALSE;
    case kSecondRow:
        switch (code) {
        case CMouseEvent::kMoveNoButton:
            if (WaitsForPaint()) {
                return FALSE;
            }
            m_mouse.SetLastRowF(row);
            DrawChartBandFeedback(dc, true);
            return TRUE;
        case CMouseEvent::kLeftPress:
            if (!m_host.HasCapture()) {
                return FALSE;
            }
            config.SetState(kSecondPressed);
            return TRUE;
        case CMouseEvent::kRightRelease:
            DrawChartBandFeedback(dc, false);
            config.SetState(kFirstRow);
            return TRUE;
        default:
            return FALSE;
        }
    case kSecondPressed:
        if (code == CMouseEvent::kRightRelease) {
            DrawChartBandFeedback(dc, true);
            config.SetState(kSecondRow);
            return TRUE;
        }
        if (code != CMouseEvent::kLeftRelease || !m_host.HasCapture()) {
            return FALSE;
        }
        config.SetState(kPlaced);
        break;
    default:
        return FALSE;
    }
    // Placed: the band of the two rows, the smaller first.
    DrawChartBandFeedback(dc, false);
    doc.GetUndoHistory().Reset();
    const int start = static_cast<int>(m_mouse.GetStartRowF());
    const int last = static_cast<int>(m_mouse.GetLastRowF());
    m_newChart->SetTopRow(static_cast<short>(std::min(start, last)));
    m_newChart->SetBottomRow(static_cast<short>(std::max(start, last)));
    if (IChartDocument* charts = DocumentSeam<IChartDocument>(&doc)) {
        m_newChart->BuildShapes(*charts, m_layout);
    }
    CChart* placed = m_newChart.release();
    doc.GetChartList().AddTail(placed);
    doc.UpdateAllViews(nullptr, 0, placed);
    m_host.ReleaseCapture();
    config.SetState(0);
    return TRUE;
}

} // namespace tembra
