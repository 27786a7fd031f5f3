// The draw operation of the process mode: a click at the start (snapping to a node of an
// existing process), for a gate line a click at the bend row, a click at the end, a release to
// confirm. A relation line starts on an end node and ends on a start node and takes over the
// numbers of the two processes it joins. The new process belongs to the view until it is handed
// to the document in one undo step.
#include "document/AppState.h"
#include "document/PositionRequest.h"
#include "document/TembraDoc.h"
#include "model/ConfigOperation.h"
#include "model/Koutei.h"
#include "platform/DC.h"
#include "platform/Ui.h"
#include "view/core/TembraView.h"
#include "view/core/ViewHost.h"

namespace tembra {

namespace {

using Op = COperationState;

constexpr UINT kNoDrawing = 5004;     // "参考線データが異常です"
constexpr UINT kRelationEnd = 5041;   // the end must lie on a start node
constexpr UINT kRelationStart = 5042; // the start must lie on an end node
constexpr WORD kShapeBent = 6;
constexpr WORD kLinkedSubStyle = 0x80; // a node's connection mark
constexpr WORD kLinkedSize = 100;
// The term bar's shown flag the focus is asked with.
constexpr int kFocusCombo = 1;

bool Unmoved(const CChartPos& span) {
    return span.GetStartDateValue() == span.GetEndDateValue() &&
           span.GetStartRow() == span.GetEndRow();
}

// What a node of the drawn process snaps to, in both lists: the start of a relation line to an
// end node, its end to a start node; the start or the end of any other process to a node or to
// a line by its label segment.
constexpr UINT kSnapLists = CTembraView::kPickObjects | CTembraView::kPickSelection;
constexpr UINT kSnapRelationStart = kSnapLists | CTembraView::kPickEndOnly;
constexpr UINT kSnapRelationEnd = kSnapLists | CTembraView::kPickStartOnly;
constexpr UINT kSnapProcess = kSnapLists | CTembraView::kPickSegment;

} // namespace

int CTembraView::PickKouteiNode(CDC* dc, int x, int y, int mode, CKoutei** out) {
    CMouseEvent at = m_mouse;
    at.SetPoint(CPoint(x, y));
    at.SetStartPoint(CPoint(x, y));
    const UINT flags = mode == 1 ? kSnapRelationStart : mode == 2 ? kSnapRelationEnd : kSnapProcess;
    return PickKoutei(dc, at, out, flags, 0);
}

void CTembraView::DrawKouteiDraw(CDC* dc, CKoutei* process, const CChartPos& span) {
    if (process == nullptr) {
        AfxMessageBox(kNoDrawing);
        return;
    }
    CTembraDoc& doc = *GetDocument();
    process->SetStartDate(span.GetStartDate());
    process->SetEndDate(span.GetEndDate());
    process->SetStartRow(span.GetStartRow());
    process->SetEndRow(span.GetEndRow());
    const WORD shape =
        static_cast<WORD>(doc.GetSyokiSet().GetChart().GetKouteiAttr().m_style & 0xFF);
    process->SetLineShape(shape);
    if (shape == kShapeBent) {
        const int earlier =
            span.GetStartDate() < span.GetEndDate() ? span.GetStartRow() : span.GetEndRow();
        process->GetLines()->SetBendOffset(static_cast<short>(m_drawBendRow - earlier));
    }
    const WORD defaultSize = doc.GetSyokiSet().GetChart().GetLandAttr().m_size;
    const auto mark = [&](CLand* land, bool linked) {
        land->SetSubStyle(linked ? kLinkedSubStyle : 0);
        land->SetSize(linked ? kLinkedSize : defaultSize);
    };
    mark(process->GetStartLand(), m_drawStartLinked);
    mark(process->GetEndLand(), m_drawEndLinked);
    m_layout.DrawChartObject(dc, process, ChartDrawMode::Feedback);
    DrawTrackDate(dc, process, &span);
}

void CTembraView::ChangeToTermMode() {
    GetDocument()->GetOperation().ChangeMode(Op::kModeYogo);
}

void CTembraView::EraseDraw(CDC* dc) {
    if (m_moveDrawn && m_drawing) {
        DrawKouteiDraw(dc, m_drawing.get(), m_trackPos);
    }
    m_moveDrawn = false;
}

void CTembraView::CancelDraw(CDC* dc) {
    EraseDraw(dc);
    GetDocument()->UnselectAll();
    m_drawing.reset();
    GetDocument()->GetOperation().SetState(0);
    m_host.SetAutoScroll(false);
    m_host.ReleaseCapture();
}

BOOL CTembraView::DrawStart(CDC* dc) {
    CTembraDoc& doc = *GetDocument();
    CConfigOperation& config = doc.GetOperation();
    m_drawing = doc.CreateKouteiNoNumber(nullptr);
    if (!m_drawing) {
        return FALSE;
    }
    const bool relation = m_drawing->IsRelationLine() != 0;
    bool linkMet = !relation;
    CKoutei* hit = nullptr;
    const CPoint start = m_mouse.GetStartPoint();
    const int bits = PickKouteiNode(dc, start.x, start.y, relation ? 1 : 0, &hit);
    m_drawStartOnLine = bits == kPickedLine;
    if ((bits & kPickedLine) != 0) {
        m_drawStartLinked = true;
    }
    if ((bits & kPickedStart) != 0 && hit != nullptr) {
        m_trackPos.SetStartDate(hit->GetStartTime());
        m_trackPos.SetStartRow(hit->GetStartRow());
    }
    if ((bits & kPickedEnd) != 0 && hit != nullptr) {
        m_trackPos.SetStartDate(hit->GetEndTime());
        m_trackPos.SetStartRow(hit->GetEndRow());
        if (relation) {
            const CObSeqNumber& number = hit->GetSeqNumber();
            m_drawing->SetStartLandNo(number.GetHigh(), number.GetLow());
            if ((hit->GetEndLand()->GetSubStyle() & kLinkedSubStyle) != 0) {
                m_drawStartLinked = true;
            }
            linkMet = true;
        }
    }
    if (!linkMet) {
        Ui().Beep(MB_ICONEXCLAMATION);
        AfxMessageBox(kRelationStart);
        m_drawing.reset();
        config.SetState(0);
        m_host.SetAutoScroll(false);
        m_host.ReleaseCapture();
        return TRUE;
    }
    m_trackPos.SetEndDate(m_mouse.GetCursorDate());
    m_trackPos.SetEndRow(static_cast<WORD>(m_mouse.GetCursorRow()));
    m_drawBendRow = static_cast<WORD>(m_mouse.GetCursorRow());
    m_host.UpdateWindow();
    DrawKouteiDraw(dc, m_drawing.get(), m_trackPos);
    m_moveDrawn = true;
    const WORD shape =
        static_cast<WORD>(doc.GetSyokiSet().GetChart().GetKouteiAttr().m_style & 0xFF);
    config.SetState(shape == kShapeBent ? 2 : 4);
    return TRUE;
}

BOOL CTembraView::DrawEndPress(CDC* dc) {
    CTembraDoc& doc = *GetDocument();
    CConfigOperation& config = doc.GetOperation();
    if (m_mouse.IsAlt()) {
        EraseDraw(dc);
        m_host.ReleaseCapture();
        const bool ok =
            AskPosition(PositionRequest::TemplateFor(false, IsElapsedChart()), m_trackPos);
        m_host.SetCapture();
        if (!ok) {
            return TRUE;
        }
        m_host.PostMouseEvent(CMouseEvent::kLeftUp, 0, SpanEndDevice(dc, m_trackPos));
    }
    const WORD shape =
        static_cast<WORD>(doc.GetSyokiSet().GetChart().GetKouteiAttr().m_style & 0xFF);
    // A process started on another's line and ended on that row would lie along the line: a
    // link of no height. One started on a node and ended later on its row continues the chain.
    if (Unmoved(m_trackPos) || (shape != kShapeBent && m_drawStartOnLine &&
                                m_trackPos.GetStartRow() == m_trackPos.GetEndRow())) {
        Ui().Beep(MB_ICONEXCLAMATION);
        return TRUE;
    }
    EraseDraw(dc);
    m_drawSelCount = doc.GetSelCount();
    m_drawEndLinked = false;
    const bool relation = m_drawing->IsRelationLine() != 0;
    bool linkMet = !relation;
    CKoutei* hit = nullptr;
    const CPoint point = m_mouse.GetPoint();
    const int bits = PickKouteiNode(dc, point.x, point.y, relation ? 2 : 0, &hit);
    const auto takeBack = [&] {
        while (doc.GetSelCount() > m_drawSelCount && doc.CancelLastSel() != FALSE) {
        }
    };
    bool confirm = false;
    if ((bits & kPickedLine) != 0) {
        if (m_trackPos.GetStartRow() == m_trackPos.GetEndRow()) {
            // A level process ending on another's line would lie along it.
            takeBack();
            Ui().Beep(MB_ICONEXCLAMATION);
            DrawKouteiDraw(dc, m_drawing.get(), m_trackPos);
            m_moveDrawn = true;
            return TRUE;
        } else {
            m_drawEndLinked = true;
            confirm = true;
        }
    }
    if ((bits & kPickedStart) != 0 && hit != nullptr) {
        m_trackPos.SetEndDate(hit->GetStartTime());
        m_trackPos.SetEndRow(hit->GetStartRow());
        if (relation) {
            const CObSeqNumber& number = hit->GetSeqNumber();
            m_drawing->SetEndLandNo(number.GetHigh(), number.GetLow());
            linkMet = true;
        }
    }
    if ((bits & kPickedEnd) != 0 && hit != nullptr) {
        m_trackPos.SetEndDate(hit->GetEndTime());
        m_trackPos.SetEndRow(hit->GetEndRow());
    }
    m_host.UpdateWindow();
    DrawKouteiDraw(dc, m_drawing.get(), m_trackPos);
    m_moveDrawn = true;
    if (linkMet || confirm) {
        config.SetState(5);
        return TRUE;
    }
    Ui().Beep(MB_ICONEXCLAMATION);
    m_host.ReleaseCapture();
    AfxMessageBox(kRelationEnd);
    m_host.SetCapture();
    return TRUE;
}

void CTembraView::CommitDraw(CDC* dc) {
    CTembraDoc& doc = *GetDocument();
    CConfigOperation& config = doc.GetOperation();
    EraseDraw(dc);
    CUndoHistory& undo = doc.GetUndoHistory();
    undo.Reset();
    undo.BeginGroup();
    CKoutei* process = m_drawing.get();
    if (doc.GetSelCount() > m_drawSelCount) {
        // The nodes the end landed on become connection nodes of the new process's size.
        doc.SetLandAttr(kLinkedSubStyle, static_cast<int>(process->GetEndLand()->GetSize()));
        process->SetLineShape(
            static_cast<WORD>(doc.GetSyokiSet().GetChart().GetKouteiAttr().m_style & 0xFF));
    }
    doc.UnselectAll();
    doc.AssignSeqNumber(process);
    const bool relation = process->IsRelationLine() != 0;
    if (!relation && config.GetKouTempStyle() != 0) {
        process->Select();
        doc.AddSel(m_drawing.release());
    } else {
        process->Deselect();
        doc.AddObj(m_drawing.release());
    }
    undo.AddNew(process);
    bool failed = false;
    if (relation) {
        CTimeSpan span = process->CalcSpan(static_cast<const CCalendar*>(nullptr));
        if (span.GetTimeSpan() < 0) {
            span = CTimeSpan();
        } else {
            span -= doc.GetWorkCalendar().GetHolidayTime(process->GetStartTime(),
                                                         process->GetEndTime());
        }
        process->SetSpareDays(span);
        failed = doc.GetKouteiChains().PropagateKankei() == 0;
    }
    undo.EndGroup();
    if (failed) {
        undo.Reset();
    }
    // The next thing to type is the new process's term.
    GetAppState()->FocusYogoCombo(kFocusCombo);
    if (config.GetWithYogo() != 0) {
        config.SaveMode();
        config.SaveOperation();
        ChangeToTermMode();
    }
    m_moveDrawn = false;
    config.SetState(0);
    m_host.SetAutoScroll(false);
    m_host.ReleaseCapture();
}

BOOL CTembraView::TrackKouteiDraw(CDC* dc) {
    const MouseTrackScope scope(*this, MouseFamily::Process);
    CTembraDoc& doc = *GetDocument();
    CConfigOperation& config = doc.GetOperation();
    const int code = m_mouse.GetCode();
    const WORD state = config.GetState();
    if (state >= 2 && state <= 5) {
        CRect pending;
        if (m_host.GetUpdateRect(pending)) {
            return FALSE;
        }
    }
    const int zone = m_layout.HitZone(m_mouse.GetPoint());
    const bool inChart = (zone & (CPageLayout::kZoneChart | CPageLayout::kZoneKoutei)) != 0;
    const auto follow = [&](bool bendToo) -> BOOL {
        if (IsCursorOverView() && m_mouse.GetCursorDate() == m_trackPos.GetEndDate() &&
            m_mouse.GetCursorRow() == m_trackPos.GetEndRow()) {
            return FALSE;
        }
        EraseDraw(dc);
        ScrollForCursor(dc, m_mouse.GetPoint().x, m_mouse.GetPoint().y);
        m_trackPos.SetEndDate(m_mouse.GetCursorDate());
        m_trackPos.SetEndRow(static_cast<WORD>(m_mouse.GetCursorRow()));
        if (bendToo) {
            m_drawBendRow = static_cast<WORD>(m_mouse.GetCursorRow());
        }
        DrawKouteiDraw(dc, m_drawing.get(), m_trackPos);
        m_moveDrawn = true;
        return TRUE;
    };
    switch (state) {
    case 0:
        if (code == CMouseEvent::kMoveNoButton || code == CMouseEvent::kMoveLeft) {
            FormatCursorDate(dc, IsCursorOverView() && inChart ? 1 : 0);
            return FALSE;
        }
        if (code == CMouseEvent::kDoubleClick && m_mouse.GetCursorDate().GetTime() != 0) {
            if (doc.GetSelCount() > 0) {
                doc.UnselectAll();
            }
            return FALSE;
        }
        if ((code != CMouseEvent::kLeftPress && code != CMouseEvent::kDoubleClick) || !inChart) {
            return FALSE;
        }
        FormatCursorDate(dc, 0);
        m_trackPos = CChartPos();
        m_drawStartLinked = false;
        m_drawEndLinked = false;
        m_drawBendRow = 0;
        m_trackPos.SetStartDate(m_mouse.GetCursorDate());
        m_trackPos.SetStartRow(static_cast<WORD>(m_mouse.GetCursorRow()));
        m_trackPos.SetEndDate(m_mouse.GetCursorDate());
        m_trackPos.SetEndRow(static_cast<WORD>(m_mouse.GetCursorRow()));
        if (m_mouse.IsAlt()) {
            if (!AskPosition(PositionRequest::TemplateFor(true, IsElapsedChart()), m_trackPos)) {
                return TRUE;
            }
            // The start is where the dialog put the span's end.
            m_trackPos.SetStartDate(m_trackPos.GetEndDate());
            m_trackPos.SetStartRow(m_trackPos.GetEndRow());
            CPoint logical =
                m_layout.DateRowToPoint(m_trackPos.GetEndDate(), m_trackPos.GetEndRow());
            m_mouse.SetPoint(logical);
            m_host.PostMouseEvent(CMouseEvent::kLeftUp, 0, SpanEndDevice(dc, m_trackPos));
        }
        m_mouse.StoreStart();
        m_mouse.StoreLast();
        m_host.SetCapture();
        m_host.SetAutoScroll(true);
        m_moveDrawn = false;
        config.SetState(1);
        return TRUE;
    case 1:
        if (code == CMouseEvent::kRightRelease) {
            config.SetState(0);
            m_host.SetAutoScroll(false);
            m_host.ReleaseCapture();
            return TRUE;
        }
        if (code != CMouseEvent::kLeftRelease && code != CMouseEvent::kMoveLeft) {
            return FALSE;
        }
        return DrawStart(dc);
    case 2:
        if (code == CMouseEvent::kLeftPress && m_host.HasCapture()) {
            if (Unmoved(m_trackPos) ||
                (m_drawStartLinked && m_drawing->GetStartRow() == m_drawing->GetEndRow())) {
                Ui().Beep(MB_ICONEXCLAMATION);
                return TRUE;
            }
            config.SetState(3);
            return TRUE;
        }
        if (code == CMouseEvent::kRightRelease) {
            CancelDraw(dc);
            return TRUE;
        }
        if (code == CMouseEvent::kMoveNoButton || code == CMouseEvent::kMoveLeft) {
            return follow(true);
        }
        return FALSE;
    case 3:
        if (code == CMouseEvent::kLeftRelease) {
            config.SetState(4);
            return TRUE;
        }
        if (code == CMouseEvent::kRightRelease) {
            config.SetState(2);
            return TRUE;
        }
        return FALSE;
    case 4:
        if (code == CMouseEvent::kLeftPress && m_host.HasCapture()) {
            return DrawEndPress(dc);
        }
        if (code == CMouseEvent::kRightRelease) {
            CancelDraw(dc);
            return TRUE;
        }
        if (code == CMouseEvent::kMoveNoButton || code == CMouseEvent::kMoveLeft) {
            return follow(false);
        }
        return FALSE;
    case 5:
        if (code == CMouseEvent::kLeftRelease && m_host.HasCapture()) {
            CommitDraw(dc);
            return TRUE;
        }
        if (code == CMouseEvent::kRightRelease) {
            EraseDraw(dc);
            m_drawEndLinked = false;
            while (doc.GetSelCount() > m_drawSelCount && doc.CancelLastSel() != FALSE) {
            }
            m_host.UpdateWindow();
            DrawKouteiDraw(dc, m_drawing.get(), m_trackPos);
            m_moveDrawn = true;
            config.SetState(4);
            return TRUE;
        }
        return FALSE;
    default:
        config.SetState(0);
        return FALSE;
    }
}

} // namespace tembra
