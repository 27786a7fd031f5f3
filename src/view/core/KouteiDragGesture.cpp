#include "view/core/KouteiDragGesture.h"

#include "document/PositionRequest.h"
#include "document/RecordCast.h"
#include "document/TembraDoc.h"
#include "model/ConfigOperation.h"
#include "model/Koutei.h"
#include "platform/DC.h"
#include "platform/Ui.h"
#include "render/StyledDraw.h"
#include "view/core/TembraView.h"
#include "view/core/ViewHost.h"

#include <algorithm>

namespace tembra {

namespace {

using Op = COperationState;

constexpr UINT kNoRefCopy = 5019; // "メモリ不足で参考線データが作成できません"
constexpr WORD kShapeBent = 6;

bool Unmoved(const CChartPos& span) {
    return span.GetStartDateValue() == span.GetEndDateValue() &&
           span.GetStartRow() == span.GetEndRow();
}

// The span of a drag that starts at one date and row.
void SpanAt(CChartPos& span, const CTime& date, WORD row) {
    span.SetStartDate(date);
    span.SetEndDate(date);
    span.SetStartRow(row);
    span.SetEndRow(row);
}

} // namespace

CKouteiDragGesture::CKouteiDragGesture(CTembraView& view) : m_view(view) {}

CKouteiDragGesture::~CKouteiDragGesture() = default;

CTembraDoc& CKouteiDragGesture::Doc() const {
    return *m_view.GetDocument();
}

void CKouteiDragGesture::SetStep(Step step) const {
    Doc().GetOperation().SetState(static_cast<WORD>(step));
}

bool CKouteiDragGesture::Previews(LONG operation) const {
    return operation != Op::kOpMoveBend && m_refKind != HolidayUse::Unknown &&
           m_refKind != HolidayUse::WorkingDays;
}

void CKouteiDragGesture::EraseFeedback(CDC* dc) {
    if (m_drawn) {
        DrawFeedback(dc, Doc().GetOperation().GetOperation());
        m_drawn = false;
    }
}

// ---- Reference copies ---------------------------------------------------------------------------

void CKouteiDragGesture::SaveRefLines(CTembraDoc& doc) {
    FreeRefLines();
    for (POSITION pos = doc.GetHeadSelPosition(); pos != nullptr;) {
        const POSITION at = pos;
        CKoutei* process = AsKoutei(doc.GetNextSel(pos));
        if (process == nullptr) {
            continue;
        }
        std::unique_ptr<CKoutei> copy = doc.CopyKoutei(process, TRUE);
        if (!copy) {
            AfxMessageBox(kNoRefCopy);
            return;
        }
        if (process == m_picked) {
            m_refPicked = m_refLines.size();
        }
        m_refLines.push_back({at, process, std::move(copy)});
    }
}

void CKouteiDragGesture::RestoreRefLines(CTembraDoc& doc) {
    // Only the processes that have copies go back, each in its own place in the selection;
    // every other selected object (events, shapes, a process whose copy failed) stays as it is.
    for (std::size_t i = 0; i < m_refLines.size(); ++i) {
        RefLine& ref = m_refLines[i];
        POSITION at = ref.pos;
        if (at == nullptr || doc.GetSelAt(at) != ref.current) {
            at = doc.FindSel(ref.current);
        }
        if (at == nullptr) {
            continue;
        }
        std::unique_ptr<CKoutei> fresh = doc.CopyKoutei(ref.copy.get(), TRUE);
        if (!fresh) {
            continue;
        }
        CKoutei* old = ref.current;
        doc.SetSelAt(at, fresh.get());
        ref.pos = at;
        ref.current = fresh.release();
        if (old == m_picked || i == m_refPicked) {
            m_picked = ref.current;
        }
        delete old;
    }
}

void CKouteiDragGesture::FreeRefLines() {
    m_refLines.clear();
    m_refPicked = 0;
}

void CKouteiDragGesture::PutBack() {
    if (!m_refLines.empty() && m_view.GetDocument() != nullptr) {
        RestoreRefLines(Doc());
        FreeRefLines();
    }
}

void CKouteiDragGesture::Abort(CDC* dc, LONG operation) {
    if (m_drawn) {
        DrawFeedback(dc, operation);
        m_drawn = false;
    }
    CTembraDoc& doc = Doc();
    if (!m_refLines.empty()) {
        RestoreRefLines(doc);
        doc.GetUndoHistory().Reset();
    }
    FreeRefLines();
    m_refKind = HolidayUse::Unknown;
    m_picked = nullptr;
    m_swallowRelease = false;
}

// ---- The state machine ----------------------------------------------------------------------

BOOL CKouteiDragGesture::Track(CDC* dc) {
    CConfigOperation& config = Doc().GetOperation();
    switch (static_cast<Step>(config.GetState())) {
    case Step::Idle:
        return Begin();
    case Step::Pressed:
        return Pressed(dc);
    case Step::Dragging:
        return Dragging(dc);
    case Step::Placed: {
        const int code = m_view.GetMouseEvent().GetCode();
        if (code == CMouseEvent::kRightRelease) {
            SetStep(Step::Dragging);
            return TRUE;
        }
        if (code == CMouseEvent::kLeftRelease && m_view.Host().HasCapture()) {
            Commit(dc);
            return TRUE;
        }
        return FALSE;
    }
    default:
        config.RestoreOperation();
        SetStep(Step::Idle);
        return FALSE;
    }
}

BOOL CKouteiDragGesture::Begin() {
    CMouseEvent& mouse = m_view.GetMouseEvent();
    if (mouse.GetCode() != CMouseEvent::kLeftPress) {
        return FALSE;
    }
    const int zone = m_view.GetLayout().HitZone(mouse.GetPoint());
    if ((zone & (CPageLayout::kZoneChart | CPageLayout::kZoneKoutei)) == 0) {
        return FALSE;
    }
    IViewHost& host = m_view.Host();
    host.SetCapture();
    host.SetAutoScroll(true);
    mouse.StoreStart();
    mouse.StoreLast();
    m_extent.reset();
    m_drawn = false;
    m_swallowRelease = false;
    CConfigOperation& config = Doc().GetOperation();
    const LONG op = config.GetOperation();
    if (op == Op::kOpCopyFree) {
        config.SetOperation(Op::kOpCopy);
    } else if (op == Op::kOpMoveFree || op == Op::kOpMoveBend) {
        config.SetOperation(Op::kOpMove);
    }
    m_picked = nullptr;
    SetStep(Step::Pressed);
    return TRUE;
}

void CKouteiDragGesture::Cancel() {
    Doc().GetOperation().RestoreOperation();
    SetStep(Step::Idle);
    m_view.EndMoveCapture();
}

BOOL CKouteiDragGesture::Pressed(CDC* dc) {
    CTembraDoc& doc = Doc();
    CConfigOperation& config = doc.GetOperation();
    CMouseEvent& mouse = m_view.GetMouseEvent();
    const CPageLayout& layout = m_view.GetLayout();
    IViewHost& host = m_view.Host();
    const int code = mouse.GetCode();
    if (code == CMouseEvent::kRightRelease) {
        Cancel();
        return TRUE;
    }
    if (code != CMouseEvent::kLeftRelease && code != CMouseEvent::kMoveLeft) {
        return FALSE;
    }
    CKoutei* picked = nullptr;
    // What is dragged is what lay under the press, however far the pointer went since.
    int bits = m_view.PickKoutei(dc, CTembraView::PressPoint(mouse), &picked,
                                 CTembraView::kPickSelection, 1);
    if (bits == 0 || picked == nullptr) {
        Cancel();
        return TRUE;
    }
    m_picked = picked;
    m_drag = CKouteiDrag::Of(*picked);
    bool bend = false;
    if ((bits & CTembraView::kPickedNodes) == 0) {
        // A lone gate line dragged by its line moves its bend, unless both its nodes go too.
        bend = doc.GetSelCount() == 1 && picked->GetLineShape() == kShapeBent &&
               !(picked->IsStartLandSelected() != 0 && picked->IsEndLandSelected() != 0);
        if (!bend) {
            picked->Select();
            bits = CTembraView::kPickedStart;
        }
    }
    if (bend) {
        SpanAt(m_span, mouse.GetStartTime(), static_cast<WORD>(picked->GetBendRow()));
        m_drag.bendDrag = true;
    } else if ((bits & CTembraView::kPickedStart) != 0) {
        SpanAt(m_span, picked->GetStartTime(), picked->GetStartRow());
        m_drag.startPinned = true;
    } else {
        SpanAt(m_span, picked->GetEndTime(), picked->GetEndRow());
        m_drag.endPinned = true;
    }
    if (picked->IsLinesSelected() == 0) {
        picked->SelectLines();
    }
    if (!bend) {
        doc.FilterSelectedKoutei(0);
    }
    // The pointer goes back to where the button went down, and from there it carries the
    // anchor: the span's end is the anchor moved by the pointer's dates and rows since then.
    const CPoint press = mouse.GetStartPoint();
    m_grabDate = m_span.GetStartDate() - mouse.GetStartTime();
    m_grabRows = static_cast<int>(m_span.GetStartRow()) - layout.YToRow(press.y);
    CPoint device = press;
    dc->LPtoDP(&device);
    host.SetCursorPos(device);

    const LONG op = config.GetOperation();
    if (bend) {
        config.ChangeOperation(Op::kOpMoveBend);
    } else if (doc.CountFreeLands() > 0) {
        if (op == Op::kOpCopy) {
            config.ChangeOperation(Op::kOpCopyFree);
        } else if (op == Op::kOpMove) {
            config.ChangeOperation(Op::kOpMoveFree);
        }
    }
    m_view.OnSetCursor();
    host.UpdateWindow();
    m_refKind = HolidayUse::Unknown;
    if (config.GetOperation() != Op::kOpMoveBend) {
        m_refKind = doc.ClassifyHolidayUse(nullptr);
        if (m_refKind != HolidayUse::WorkingDays) {
            SaveRefLines(doc);
        }
    }
    DrawFeedback(dc, config.GetOperation());
    m_drawn = true;
    SetStep(Step::Dragging);
    host.SetCapture();
    return TRUE;
}

BOOL CKouteiDragGesture::Dragging(CDC* dc) {
    IViewHost& host = m_view.Host();
    CRect pending;
    if (host.GetUpdateRect(pending)) {
        return FALSE;
    }
    CTembraDoc& doc = Doc();
    CConfigOperation& config = doc.GetOperation();
    CMouseEvent& mouse = m_view.GetMouseEvent();
    const LONG op = config.GetOperation();
    const bool preview = Previews(op);
    switch (mouse.GetCode()) {
    case CMouseEvent::kLeftPress:
        if (!host.HasCapture()) {
            return FALSE;
        }
        if (mouse.IsAlt() && op != Op::kOpMoveBend) {
            EraseFeedback(dc);
            host.ReleaseCapture();
            const bool ok = m_view.AskPosition(
                PositionRequest::TemplateFor(false, m_view.IsElapsedChart()), m_span);
            host.SetCapture();
            if (!ok) {
                // The release of this click belonged to the dialog: it must not end the drag.
                m_swallowRelease = true;
                return TRUE;
            }
            host.PostMouseEvent(CMouseEvent::kLeftUp, 0, m_view.SpanEndDevice(dc, m_span));
        }
        if (Unmoved(m_span)) {
            Ui().Beep(MB_ICONEXCLAMATION);
            return FALSE;
        }
        SetStep(Step::Placed);
        return TRUE;
    case CMouseEvent::kLeftRelease: {
        if (!host.HasCapture()) {
            return FALSE;
        }
        if (m_swallowRelease) {
            m_swallowRelease = false;
            return TRUE;
        }
        if (Unmoved(m_span)) {
            Ui().Beep(MB_ICONEXCLAMATION);
            return FALSE;
        }
        CPoint device = mouse.GetPoint();
        dc->LPtoDP(&device);
        host.PostMouseEvent(CMouseEvent::kLeftUp, 0, device);
        SetStep(Step::Placed);
        return TRUE;
    }
    case CMouseEvent::kRightRelease:
        EraseFeedback(dc);
        if (preview) {
            RestoreRefLines(doc);
            FreeRefLines();
            m_refKind = HolidayUse::Unknown;
            doc.GetUndoHistory().Reset();
        }
        Cancel();
        return TRUE;
    case CMouseEvent::kMoveNoButton:
    case CMouseEvent::kMoveLeft: {
        const CTime endDate = mouse.GetCursorDate() + m_grabDate;
        const WORD endRow = static_cast<WORD>(std::max(mouse.GetCursorRow() + m_grabRows, 0));
        if (m_view.IsCursorOverView() && endDate == m_span.GetEndDate() &&
            endRow == m_span.GetEndRow()) {
            return FALSE;
        }
        EraseFeedback(dc);
        m_view.ScrollForCursor(dc, mouse.GetPoint().x, mouse.GetPoint().y);
        m_span.SetEndDate(endDate);
        m_span.SetEndRow(endRow);
        if (preview) {
            RestoreRefLines(doc);
            doc.StretchKoutei(m_span.GetEndDate() - m_span.GetStartDate(),
                              m_span.GetEndRow() - m_span.GetStartRow(), op, &m_drag, FALSE);
        }
        DrawFeedback(dc, op);
        m_drawn = true;
        return TRUE;
    }
    default:
        return FALSE;
    }
}

void CKouteiDragGesture::Commit(CDC* dc) {
    CTembraDoc& doc = Doc();
    CConfigOperation& config = doc.GetOperation();
    const LONG op = config.GetOperation();
    const bool preview = Previews(op);
    EraseFeedback(dc);
    if (preview) {
        RestoreRefLines(doc);
    }
    {
        const CWaitCursor wait;
        CUndoHistory& undo = doc.GetUndoHistory();
        undo.Reset();
        undo.BeginGroup();
        doc.DragKoutei(m_span.GetEndDate() - m_span.GetStartDate(),
                       m_span.GetEndRow() - m_span.GetStartRow(), op, m_drag);
        doc.GetKouteiChains().PropagateKankei();
        undo.EndGroup();
        FreeRefLines();
        m_refKind = HolidayUse::Unknown;
    }
    m_picked = nullptr;
    m_drawn = false;
    if (config.GetSavedOperation() != 0) {
        config.RestoreOperation();
    } else if (op == Op::kOpMoveBend) {
        config.SetOperation(Op::kOpMove);
    }
    SetStep(Step::Idle);
    m_view.EndMoveCapture();
}

// ---- Feedback ---------------------------------------------------------------------------------

void CKouteiDragGesture::DrawFeedback(CDC* dc, LONG operation) {
    CTembraDoc& doc = Doc();
    CPageLayout& layout = m_view.GetLayout();
    const CTimeSpan offset = m_span.GetEndDate() - m_span.GetStartDate();
    const int rows = m_span.GetEndRow() - m_span.GetStartRow();
    const bool plainMove = m_refKind == HolidayUse::WorkingDays || m_view.IsElapsedChart();
    if (operation == Op::kOpCopyFree || operation == Op::kOpMoveFree ||
        operation == Op::kOpMoveBend) {
        DrawFreeFeedback(dc, operation, offset, rows, plainMove);
        return;
    }
    // A whole selection moves: its frame (for more than one object) and the picked process.
    const int size = layout.GetScaledKouteiSize();
    if (doc.GetSelCount() > 1) {
        const auto rectOf = [&](const CChartPos& extent) {
            return CRect(layout.DateToX(extent.GetStartDate()) - size,
                         layout.RowToY(extent.GetStartRow(), 0) + size,
                         layout.DateToX(extent.GetEndDate()) + size,
                         layout.RowToY(extent.GetEndRow(), 0) - size);
        };
        if (!m_extent || !plainMove) {
            m_extent = doc.GetObjectsExtent(ObjectSets::Selection, FALSE);
            m_extentRect = rectOf(*m_extent);
        }
        CRect frame = m_extentRect;
        if (plainMove) {
            if (doc.GetOperation().GetHolidayAuto() == 0) {
                const CPoint from =
                    layout.DateRowToPoint(m_span.GetStartDate(), m_span.GetStartRow());
                const CPoint to = layout.DateRowToPoint(m_span.GetEndDate(), m_span.GetEndRow());
                frame.OffsetRect(to.x - from.x, to.y - from.y);
            } else if (std::unique_ptr<CKoutei> box = doc.CreateKouteiNoNumber(&*m_extent)) {
                box->Select();
                if (box->MoveBy(&doc.GetSeams().Koutei(), offset, rows, &m_drag,
                                KouteiMoveFlags::None) != 0) {
                    CChartPos moved = *m_extent;
                    moved.SetStartDate(box->GetStartTime());
                    moved.SetEndDate(box->GetEndTime());
                    moved.SetStartRow(box->GetStartRow());
                    moved.SetEndRow(box->GetEndRow());
                    frame = rectOf(moved);
                }
            }
        }
        const int saved = dc->SaveDC();
        DrawStyledRect(dc, frame, 2, 0, RGB(0, 0, 0), -1, RGB(255, 255, 255), R2_NOT, TRANSPARENT);
        dc->RestoreDC(saved);
    }
    if (m_picked != nullptr) {
        if (std::unique_ptr<CKoutei> copy = doc.CopyKoutei(m_picked, TRUE)) {
            copy->Deselect();
            const bool draw = !plainMove || copy->MoveBy(&doc.GetSeams().Koutei(), offset, rows,
                                                         &m_drag, KouteiMoveFlags::None) != 0;
            if (draw) {
                layout.DrawChartObject(dc, copy.get(), ChartDrawMode::Feedback);
            }
        } else {
            AfxMessageBox(kNoRefCopy);
        }
    }
    m_view.DrawTrackDate(dc, nullptr, &m_span);
}

// The selected nodes move on their own (or the bend of a lone bent line): each selected process
// is drawn as it will stand, the picked one with its dates.
void CKouteiDragGesture::DrawFreeFeedback(CDC* dc, LONG operation, CTimeSpan offset, int rows,
                                          bool plainMove) {
    CTembraDoc& doc = Doc();
    CPageLayout& layout = m_view.GetLayout();
    for (POSITION pos = doc.GetHeadSelPosition(); pos != nullptr;) {
        CKoutei* process = AsKoutei(doc.GetNextSel(pos));
        if (process == nullptr) {
            continue;
        }
        std::unique_ptr<CKoutei> copy = doc.CopyKoutei(process, TRUE);
        if (!copy) {
            AfxMessageBox(kNoRefCopy);
            return;
        }
        if (operation == Op::kOpMoveBend) {
            copy->GetLines()->SetBendOffset(
                static_cast<short>(copy->GetLines()->GetBendOffset() + rows));
            layout.DrawChartObject(dc, copy.get(), ChartDrawMode::Feedback);
            continue;
        }
        bool draw = true;
        if (plainMove) {
            draw = copy->MoveBy(&doc.GetSeams().Koutei(), offset, rows, &m_drag,
                                KouteiMoveFlags::SelectedOnly) != 0;
        }
        if (!draw) {
            continue;
        }
        layout.DrawChartObject(dc, copy.get(), ChartDrawMode::Feedback);
        if (process == m_picked) {
            const bool startFree = copy->IsStartLandSelected() == 0;
            const bool endFree = copy->IsEndLandSelected() == 0;
            CChartPos span = m_span;
            if (startFree || endFree) {
                const bool forward = startFree;
                span.SetStartDate(forward ? copy->GetStartTime() : copy->GetEndTime());
                span.SetEndDate(forward ? copy->GetEndTime() : copy->GetStartTime());
                span.SetStartRow(forward ? copy->GetStartRow() : copy->GetEndRow());
                span.SetEndRow(forward ? copy->GetEndRow() : copy->GetStartRow());
            }
            m_view.DrawTrackDate(dc, startFree != endFree ? copy.get() : nullptr, &span);
        }
    }
}

} // namespace tembra
