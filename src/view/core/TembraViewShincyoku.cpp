// Progress lines with the mouse, in the draw and the edit operation of the progress mode: a click
// on empty chart (draw) starts a new line, a click on a line reshapes a copy of it; each click
// fixes the date of a row, the stretch at the pointer follows inverted, a double click commits the
// copy in the place of its source in one undo step, a right click drops it. In the edit
// operation a click on a line asks what to do with it (erase, draw, attributes).
#include "document/EventRequests.h"
#include "document/TembraDoc.h"
#include "model/ConfigOperation.h"
#include "model/Shincyoku.h"
#include "platform/DC.h"
#include "platform/Ui.h"
#include "render/ShincyokuDraw.h"
#include "render/StyledDraw.h"
#include "view/core/TembraView.h"
#include "view/core/ViewHost.h"

namespace tembra {

namespace {

using Op = COperationState;

constexpr UINT kNoProgressLine = 5004; // "参考線データが異常です"
// The selected words of a progress line: picked, and the copy being edited.
constexpr WORD kPicked = 1;
constexpr WORD kEditing = 2;
enum : WORD { kIdle = 0, kPressed = 1, kPlacing = 2, kPointPressed = 3 };

constexpr int kChartZones = CPageLayout::kZoneChart | CPageLayout::kZoneKoutei;

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

void CTembraView::AskProgressEdit(CShincyoku* line, POSITION pos) {
    CTembraDoc& doc = *GetDocument();
    ProgressEditRequest request;
    request.line = line;
    request.lineAttr = line->GetLineAttr();
    request.labelAttr = line->GetLabelAttr();
    request.font = line->GetLogFont();
    request.settings = &doc.GetSyokiSet().GetShin();
    if (Ui().RunDialog(request) != IDOK) {
        return;
    }
    switch (request.result) {
    case ProgressEditRequest::kErase:
        doc.GetUndoHistory().Reset();
        doc.GetProgressLines().DeleteShincyokuAt(pos);
        break;
    case ProgressEditRequest::kDraw:
        doc.GetOperation().SetOperation(Op::kOpDraw);
        break;
    case ProgressEditRequest::kAttributes: {
        std::unique_ptr<CShincyoku> before = CChartProgressLines::CopyShincyoku(line);
        if (!before) {
            break;
        }
        doc.GetUndoHistory().Reset();
        doc.UpdateAllViews(nullptr, 0, line);
        if (request.applyLine) {
            line->GetLineAttr() = request.lineAttr;
        }
        if (request.applyLabel) {
            line->GetLabelAttr() = request.labelAttr;
        }
        if (request.applyFont) {
            line->SetLogFont(request.font);
        }
        // The line keeps its place; the history keeps how it was.
        doc.GetUndoHistory().AddChange(before.release(), line);
        doc.UpdateAllViews(nullptr, 0, line);
        doc.SetModifiedFlag(TRUE);
        break;
    }
    default:
        break;
    }
}

BOOL CTembraView::ProgressPressed(CDC* dc) {
    CTembraDoc& doc = *GetDocument();
    CConfigOperation& config = doc.GetOperation();
    const int code = m_mouse.GetCode();
    if (code == CMouseEvent::kLeftRelease) {
        const CTime date = m_mouse.GetCursorDate();
        POSITION pos = nullptr;
        CShincyoku* found = doc.GetProgressLines().FindShincyoku(date, pos);
        std::unique_ptr<CShincyoku> current;
        m_shinSourcePos = nullptr;
        if (found == nullptr) {
            if (config.GetOperation() == Op::kOpDraw) {
                current = doc.GetProgressLines().CreateShincyoku(date);
            }
        } else if (config.GetOperation() == Op::kOpEdit) {
            m_host.ReleaseCapture();
            config.SetState(kIdle);
            AskProgressEdit(found, pos);
            return TRUE;
        } else {
            current = CChartProgressLines::CopyShincyoku(found);
            if (current) {
                current->SetSelected(kPicked);
                found->SetSelected(kPicked);
                m_shinSourcePos = pos;
                doc.UpdateAllViews(nullptr, 0, found);
            }
        }
        if (current) {
            current->SetSelected(kEditing);
            m_shinLine = current.get();
            doc.GetProgressLines().AddShincyoku(current.release(), FALSE);
            m_shinTrack.SetStartDate(m_shinLine->GetPointDate(m_shinTrack.GetStartRow()));
            config.SetState(kPlacing);
            DrawProgressFeedback(dc, m_shinLine, m_shinTrack);
            m_shinShown = true;
            m_host.SetCapture();
            return TRUE;
        }
    } else if (code != CMouseEvent::kRightRelease) {
        return FALSE;
    }
    config.SetState(kIdle);
    m_host.ReleaseCapture();
    return TRUE;
}

void CTembraView::CommitProgressLine() {
    CTembraDoc& doc = *GetDocument();
    OwnedObList<CDataHeader>& list = doc.GetShincyokuList();
    CUndoHistory& undo = doc.GetUndoHistory();
    undo.Reset();
    CShincyoku* line = m_shinLine;
    line->SetSelected(0);
    m_shinShown = false;
    CDataHeader* source = m_shinSourcePos != nullptr ? list.GetAt(m_shinSourcePos) : nullptr;
    if (source != nullptr) {
        // The copy takes the source's place; the history keeps the source, so that an undo puts
        // it back there.
        list.RemoveAt(list.Find(line));
        list.SetAt(m_shinSourcePos, line);
        source->SetSelected(0);
        if (undo.AddChange(source, line) == 0) {
            delete source;
        }
    } else {
        undo.AddNew(line);
    }
    m_shinLine = nullptr;
    m_shinSourcePos = nullptr;
    doc.SetModifiedFlag(TRUE);
    doc.UpdateAllViews(nullptr, 0, nullptr);
}

BOOL CTembraView::ProgressPlacing(CDC* dc) {
    CTembraDoc& doc = *GetDocument();
    CConfigOperation& config = doc.GetOperation();
    // The commit draws nothing inverted: a repaint still pending does not hold it up.
    if (m_mouse.GetCode() == CMouseEvent::kDoubleClick) {
        if (m_shinLine == nullptr) {
            return FALSE;
        }
        CommitProgressLine();
        config.SetState(kIdle);
        m_host.ReleaseCapture();
        return TRUE;
    }
    CRect pending;
    if (m_host.GetUpdateRect(pending)) {
        return FALSE;
    }
    const auto erase = [&] {
        if (m_shinShown) {
            DrawProgressFeedback(dc, m_shinLine, m_shinTrack);
            m_shinShown = false;
        }
    };
    switch (m_mouse.GetCode()) {
    case CMouseEvent::kMoveNoButton:
        if (IsCursorOverView() && m_shinShown &&
            m_mouse.GetCursorDate() == m_shinTrack.GetStartDate() &&
            m_mouse.GetCursorRow() == m_shinTrack.GetStartRow()) {
            return TRUE;
        }
        erase();
        ScrollForCursor(dc, m_mouse.GetPoint().x, m_mouse.GetPoint().y);
        m_mouse.SetStartPoint(
            m_layout.DateRowToPoint(m_shinTrack.GetStartDate(), m_shinTrack.GetStartRow()));
        m_shinTrack.SetStartDate(m_mouse.GetCursorDate());
        m_shinTrack.SetStartRow(static_cast<WORD>(m_mouse.GetCursorRow()));
        DrawProgressFeedback(dc, m_shinLine, m_shinTrack);
        m_shinShown = true;
        m_host.SetCapture();
        return TRUE;
    case CMouseEvent::kLeftPress:
        if (!m_host.HasCapture()) {
            return FALSE;
        }
        config.SetState(kPointPressed);
        return TRUE;
    case CMouseEvent::kRightRelease:
        erase();
        DiscardProgressCopy();
        config.SetState(kIdle);
        m_host.ReleaseCapture();
        return TRUE;
    default:
        return FALSE;
    }
}

BOOL CTembraView::EditProgressLine(CDC* dc) {
    CConfigOperation& config = GetDocument()->GetOperation();
    const int code = m_mouse.GetCode();
    switch (config.GetState()) {
    case kIdle:
        if (code != CMouseEvent::kLeftPress ||
            (m_layout.HitZone(m_mouse.GetPoint()) & kChartZones) == 0) {
            return FALSE;
        }
        m_host.SetCapture();
        m_shinTrack = CChartPos();
        m_shinTrack.SetStartDate(m_mouse.GetCursorDate());
        m_shinTrack.SetStartRow(static_cast<WORD>(m_mouse.GetCursorRow()));
        m_mouse.StoreStart();
        m_shinLine = nullptr;
        m_shinShown = false;
        config.SetState(kPressed);
        return TRUE;
    case kPressed:
        return ProgressPressed(dc);
    case kPlacing:
        return ProgressPlacing(dc);
    case kPointPressed: {
        CRect pending;
        if (m_host.GetUpdateRect(pending)) {
            return FALSE;
        }
        if (code == CMouseEvent::kLeftRelease && m_host.HasCapture()) {
            // The row takes the date; the line shows it from the next paint on, the feedback
            // from the next move.
            if (m_shinShown) {
                DrawProgressFeedback(dc, m_shinLine, m_shinTrack);
                m_shinShown = false;
            }
            m_shinLine->SetPointDate(m_shinTrack.GetStartRow(), m_shinTrack.GetStartDate());
            GetDocument()->UpdateAllViews(nullptr, 0, m_shinLine);
            config.SetState(kPlacing);
            return TRUE;
        }
        if (code == CMouseEvent::kRightRelease) {
            config.SetState(kPlacing);
            return TRUE;
        }
        return FALSE;
    }
    default:
        config.SetState(kIdle);
        return FALSE;
    }
}

void CTembraView::DiscardProgressCopy() {
    CTembraDoc& doc = *GetDocument();
    OwnedObList<CDataHeader>& list = doc.GetShincyokuList();
    if (m_shinLine != nullptr) {
        // The copy lived only while it was edited: it goes without a trace.
        doc.UpdateAllViews(nullptr, 0, m_shinLine);
        list.RemoveAt(list.Find(m_shinLine));
        delete m_shinLine;
        m_shinLine = nullptr;
        m_shinShown = false;
        if (CDataHeader* source = list.GetAt(m_shinSourcePos)) {
            source->SetSelected(0);
            doc.UpdateAllViews(nullptr, 0, source);
        }
    }
    m_shinSourcePos = nullptr;
}

void CTembraView::DropPendingEdits() {
    if (!m_newEvent && m_shinLine == nullptr && !m_eventMoveDrawn) {
        return;
    }
    m_newEvent.reset();
    m_eventMoveDrawn = false;
    m_pickedEvent = nullptr;
    m_balloonDrawn = false;
    m_sampleDrawn = false;
    DiscardProgressCopy();
    m_host.SetAutoScroll(false);
    m_host.ReleaseCapture();
    // Its inverted feedback goes with a repaint.
    m_host.InvalidateRect(nullptr, false);
}

void CTembraView::DrawEditFeedback(CDC* dc) {
    CTembraDoc& doc = *GetDocument();
    const LONG mode = doc.GetOperation().GetMode();
    const LONG op = doc.GetOperation().GetOperation();
    if (mode == Op::kModeShincyoku && m_shinLine != nullptr && m_shinShown) {
        DrawProgressFeedback(dc, m_shinLine, m_shinTrack);
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
    } else if ((op == Op::kOpMove || op == Op::kOpCopy) && m_eventMoveDrawn) {
        m_eventMoveDrawn = false;
        DrawEventMoveFeedback(dc, 1);
    }
}

} // namespace tembra
