// The feedback of the mouse edits that a paint or a change of the mode leaves behind: the stretch
// of a progress line being edited (CShincyokuGesture), the frames of the event input and drag,
// the band of a chart placement; what a mode or operation chosen anew drops.
#include "document/TembraDoc.h"
#include "model/ConfigOperation.h"
#include "model/Shincyoku.h"
#include "platform/DC.h"
#include "platform/Ui.h"
#include "render/ShincyokuDraw.h"
#include "render/StyledDraw.h"
#include "view/core/EventDragGesture.h"
#include "view/core/ShincyokuGesture.h"
#include "view/core/TembraView.h"
#include "view/core/ViewHost.h"

namespace tembra {

namespace {

using Op = COperationState;

constexpr UINT kNoProgressLine = 5004; // "参考線データが異常です"
} // namespace

void CTembraView::DrawProgressFeedback(CDC* dc, CShincyoku* line, const CChartPos& tracked) {
    if (line == nullptr) {
        AfxMessageBox(kNoProgressLine);
        return;
    }
    const int saved = dc->SaveDC();
    DrawRow(*line, dc, m_layout, tracked.GetStartRow(), tracked.GetStartDate(), kShinDrawFeedback);
    dc->RestoreDC(saved);
}

void CTembraView::DropPendingEdits() {
    if (!m_newEvent && m_shincyoku->GetEditedLine() == nullptr && !m_eventDrag->IsFeedbackDrawn()) {
        return;
    }
    m_newEvent.reset();
    m_eventDrag->Drop();
    m_balloonDrawn = false;
    m_sampleDrawn = false;
    m_shincyoku->Discard();
    m_host.SetAutoScroll(false);
    m_host.ReleaseCapture();
    // Its inverted feedback goes with a repaint.
    m_host.InvalidateRect(nullptr, false);
}

void CTembraView::DrawEditFeedback(CDC* dc) {
    CTembraDoc& doc = *GetDocument();
    const LONG mode = doc.GetOperation().GetMode();
    const LONG op = doc.GetOperation().GetOperation();
    if (mode == Op::kModeShincyoku) {
        m_shincyoku->Redraw(dc);
    }
    if (mode == Op::kModeChart && m_chartBandDrawn) {
        // The paint covered the band of the chart placement or drag: it is inverted anew.
        InvertChartBand(dc);
    }
    if (mode != Op::kModeEvent) {
        return;
    }
    if (op == Op::kOpDraw) {
        if (m_hoverEvent.shown) {
            const int saved = dc->SaveDC();
            DrawStyledRect(dc, m_eventFrameRect, 2, 0, RGB(0, 0, 0), -1, RGB(255, 255, 255), R2_NOT,
                           TRANSPARENT);
            dc->RestoreDC(saved);
        }
        if (m_balloonDrawn && m_newEvent) {
            InvertEventBox(dc, *m_newEvent, true);
        }
        if (m_sampleDrawn && m_newEvent) {
            InvertEventBox(dc, *m_newEvent, false);
        }
    } else if (op == Op::kOpMove || op == Op::kOpCopy) {
        m_eventDrag->Redraw(dc);
    }
}

const CShincyoku* CTembraView::GetEditedLine() const {
    return m_shincyoku->GetEditedLine();
}

bool CTembraView::IsProgressFeedbackShown() const {
    return m_shincyoku->IsFeedbackShown();
}

} // namespace tembra
