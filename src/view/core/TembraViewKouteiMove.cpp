// The drag of the selected processes in the copy and move operations of the process mode (and
// in the edit operation, which switches to them while a selection is dragged): press, drag or
// release and move, release or click at the target. The feedback is inverted on the window; in
// a calendar-day chart whose selection holds calendar-day processes the document itself is
// moved at each step from reference copies (so that holidays and links show as the commit will
// leave them) and put back before the commit or at a cancel.
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
// The drag record's words: the bend row, and which of start, end and bend move.
enum : int { kRefStart = 1, kRefEnd = 2, kRefBend = 4 };

bool Unmoved(const CChartPos& span) {
    return span.GetStartDateValue() == span.GetEndDateValue() &&
           span.GetStartRow() == span.GetEndRow();
}

} // namespace

bool CTembraView::IsElapsedChart() const {
    return GetDocument()->GetSyokiSet().GetNobeMode() != 0;
}

void CTembraView::EndMoveCapture() {
    m_host.SetAutoScroll(false);
    m_host.ReleaseCapture();
}

void CTembraView::EraseMoveFeedback(CDC* dc) {
    if (m_moveDrawn) {
        DrawMoveFeedback(dc, GetDocument()->GetOperation().GetOperation());
        m_moveDrawn = false;
    }
}

bool CTembraView::AskPosition(int templateId) {
    PositionRequest request;
    request.templateId = templateId;
    request.noTimeOfDay = GetDateSnap(m_mouse.IsCtrl()) == 0;
    request.document = GetDocument();
    request.span = m_trackPos;
    if (Ui().RunDialog(request) != IDOK) {
        return false;
    }
    m_trackPos = request.span;
    return true;
}

CPoint CTembraView::SpanEndDevice(CDC* dc) const {
    CPoint device = m_layout.DateRowToPoint(m_trackPos.GetEndDate(), m_trackPos.GetEndRow());
    dc->LPtoDP(&device);
    return device;
}

// ---- Reference copies ---------------------------------------------------------------------------

void CTembraView::SaveRefLines(CTembraDoc& doc) {
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

void CTembraView::RestoreRefLines(CTembraDoc& doc) {
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

void CTembraView::FreeRefLines() {
    m_refLines.clear();
    m_refPicked = 0;
}

// ---- The state machine ----------------------------------------------------------------------

BOOL CTembraView::TrackMoveKoutei(CDC* dc) {
    const MouseTrackScope scope(*this, MouseFamily::Process);
    CTembraDoc& doc = *GetDocument();
    CConfigOperation& config = doc.GetOperation();
    const int code = m_mouse.GetCode();
    switch (config.GetState()) {
    case 0: {
        if (code != CMouseEvent::kLeftPress) {
            return FALSE;
        }
        const int zone = m_layout.HitZone(m_mouse.GetPoint());
        if ((zone & (CPageLayout::kZoneChart | CPageLayout::kZoneKoutei)) == 0) {
            return FALSE;
        }
        m_host.SetCapture();
        m_host.SetAutoScroll(true);
        m_mouse.StoreStart();
        m_mouse.StoreLast();
        m_extent.reset();
        m_moveDrawn = false;
        m_swallowRelease = false;
        const LONG op = config.GetOperation();
        if (op == Op::kOpCopyFree) {
            config.SetOperation(Op::kOpCopy);
        } else if (op == Op::kOpMoveFree || op == Op::kOpMoveBend) {
            config.SetOperation(Op::kOpMove);
        }
        m_picked = nullptr;
        config.SetState(1);
        return TRUE;
    }
    case 1:
        return MovePressed(dc);
    case 2:
        return MoveDragging(dc);
    case 3:
        if (code == CMouseEvent::kRightRelease) {
            config.SetState(2);
            return TRUE;
        }
        if (code == CMouseEvent::kLeftRelease && m_host.HasCapture()) {
            CommitMove(dc);
            return TRUE;
        }
        return FALSE;
    default:
        config.RestoreOperation();
        config.SetState(0);
        return FALSE;
    }
}

BOOL CTembraView::MovePressed(CDC* dc) {
    CTembraDoc& doc = *GetDocument();
    CConfigOperation& config = doc.GetOperation();
    const int code = m_mouse.GetCode();
    if (code == CMouseEvent::kRightRelease) {
        config.RestoreOperation();
        config.SetState(0);
        EndMoveCapture();
        return TRUE;
    }
    if (code != CMouseEvent::kLeftRelease && code != CMouseEvent::kMoveLeft) {
        return FALSE;
    }
    CKoutei* picked = nullptr;
    // What is dragged is what lay under the press, however far the pointer went since.
    int bits = PickKoutei(dc, PressPoint(m_mouse), &picked, kPickSelection, 1);
    if (bits == 0 || picked == nullptr) {
        config.RestoreOperation();
        config.SetState(0);
        EndMoveCapture();
        return TRUE;
    }
    m_picked = picked;
    m_dragPos = CChartPos();
    m_dragPos.SetStartDate(picked->GetStartTime());
    m_dragPos.SetEndDate(picked->GetEndTime());
    m_dragPos.SetStartRow(picked->GetStartRow());
    m_dragPos.SetEndRow(picked->GetEndRow());
    m_dragPos.SetWord3(static_cast<WORD>(picked->GetBendRow()));
    bool bend = false;
    if ((bits & 6) == 0) {
        // A lone gate line dragged by its line moves its bend, unless both its nodes go too.
        bend = doc.GetSelCount() == 1 && picked->GetLineShape() == kShapeBent &&
               !(picked->IsStartLandSelected() != 0 && picked->IsEndLandSelected() != 0);
        if (!bend) {
            picked->Select();
            bits = 2;
        }
    }
    if (bend) {
        m_trackPos.SetStartDate(m_mouse.GetStartTime());
        m_trackPos.SetEndDate(m_mouse.GetStartTime());
        m_trackPos.SetStartRow(static_cast<WORD>(picked->GetBendRow()));
        m_trackPos.SetEndRow(static_cast<WORD>(picked->GetBendRow()));
        m_dragPos.SetWord6(1);
    } else if ((bits & 2) != 0) {
        m_trackPos.SetStartDate(picked->GetStartTime());
        m_trackPos.SetEndDate(picked->GetStartTime());
        m_trackPos.SetStartRow(picked->GetStartRow());
        m_trackPos.SetEndRow(picked->GetStartRow());
        m_dragPos.SetWord4(1);
    } else {
        m_trackPos.SetStartDate(picked->GetEndTime());
        m_trackPos.SetEndDate(picked->GetEndTime());
        m_trackPos.SetStartRow(picked->GetEndRow());
        m_trackPos.SetEndRow(picked->GetEndRow());
        m_dragPos.SetWord5(1);
    }
    if (picked->IsLinesSelected() == 0) {
        picked->SelectLines();
    }
    if (!bend) {
        doc.FilterSelectedKoutei(0);
    }
    // The pointer goes back to where the button went down, and from there it carries the
    // anchor: the span's end is the anchor moved by the pointer's dates and rows since then.
    const CPoint press = m_mouse.GetStartPoint();
    m_grabDate = m_trackPos.GetStartDate() - m_mouse.GetStartTime();
    m_grabRows = static_cast<int>(m_trackPos.GetStartRow()) - m_layout.YToRow(press.y);
    CPoint device = press;
    dc->LPtoDP(&device);
    m_host.SetCursorPos(device);

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
    OnSetCursor();
    m_host.UpdateWindow();
    m_refKind = HolidayUse::Unknown;
    if (config.GetOperation() != Op::kOpMoveBend) {
        m_refKind = doc.ClassifyHolidayUse(nullptr);
        if (m_refKind != HolidayUse::WorkingDays) {
            SaveRefLines(doc);
        }
    }
    DrawMoveFeedback(dc, config.GetOperation());
    m_moveDrawn = true;
    config.SetState(2);
    m_host.SetCapture();
    return TRUE;
}

BOOL CTembraView::MoveDragging(CDC* dc) {
    CRect pending;
    if (m_host.GetUpdateRect(pending)) {
        return FALSE;
    }
    CTembraDoc& doc = *GetDocument();
    CConfigOperation& config = doc.GetOperation();
    const LONG op = config.GetOperation();
    const bool preview = op != Op::kOpMoveBend && m_refKind != HolidayUse::Unknown &&
                         m_refKind != HolidayUse::WorkingDays;
    switch (m_mouse.GetCode()) {
    case CMouseEvent::kLeftPress:
        if (!m_host.HasCapture()) {
            return FALSE;
        }
        if (m_mouse.IsAlt() && op != Op::kOpMoveBend) {
            EraseMoveFeedback(dc);
            m_host.ReleaseCapture();
            const bool ok = AskPosition(PositionRequest::TemplateFor(false, IsElapsedChart()));
            m_host.SetCapture();
            if (!ok) {
                // The release of this click belonged to the dialog: it must not end the drag.
                m_swallowRelease = true;
                return TRUE;
            }
            m_host.PostMouseEvent(CMouseEvent::kLeftUp, 0, SpanEndDevice(dc));
        }
        if (Unmoved(m_trackPos)) {
            Ui().Beep(MB_ICONEXCLAMATION);
            return FALSE;
        }
        config.SetState(3);
        return TRUE;
    case CMouseEvent::kLeftRelease: {
        if (!m_host.HasCapture()) {
            return FALSE;
        }
        if (m_swallowRelease) {
            m_swallowRelease = false;
            return TRUE;
        }
        if (Unmoved(m_trackPos)) {
            Ui().Beep(MB_ICONEXCLAMATION);
            return FALSE;
        }
        CPoint device = m_mouse.GetPoint();
        dc->LPtoDP(&device);
        m_host.PostMouseEvent(CMouseEvent::kLeftUp, 0, device);
        config.SetState(3);
        return TRUE;
    }
    case CMouseEvent::kRightRelease:
        EraseMoveFeedback(dc);
        if (preview) {
            RestoreRefLines(doc);
            FreeRefLines();
            m_refKind = HolidayUse::Unknown;
            doc.GetUndoHistory().Reset();
        }
        config.RestoreOperation();
        config.SetState(0);
        EndMoveCapture();
        return TRUE;
    case CMouseEvent::kMoveNoButton:
    case CMouseEvent::kMoveLeft: {
        const CTime endDate = m_mouse.GetCursorDate() + m_grabDate;
        const WORD endRow = static_cast<WORD>(std::max(m_mouse.GetCursorRow() + m_grabRows, 0));
        if (IsCursorOverView() && endDate == m_trackPos.GetEndDate() &&
            endRow == m_trackPos.GetEndRow()) {
            return FALSE;
        }
        EraseMoveFeedback(dc);
        ScrollForCursor(dc, m_mouse.GetPoint().x, m_mouse.GetPoint().y);
        m_trackPos.SetEndDate(endDate);
        m_trackPos.SetEndRow(endRow);
        if (preview) {
            RestoreRefLines(doc);
            doc.StretchKoutei(m_trackPos.GetEndDate() - m_trackPos.GetStartDate(),
                              m_trackPos.GetEndRow() - m_trackPos.GetStartRow(), op, &m_dragPos,
                              FALSE);
        }
        DrawMoveFeedback(dc, op);
        m_moveDrawn = true;
        return TRUE;
    }
    default:
        return FALSE;
    }
}

void CTembraView::CommitMove(CDC* dc) {
    CTembraDoc& doc = *GetDocument();
    CConfigOperation& config = doc.GetOperation();
    const LONG op = config.GetOperation();
    const bool preview = op != Op::kOpMoveBend && m_refKind != HolidayUse::Unknown &&
                         m_refKind != HolidayUse::WorkingDays;
    EraseMoveFeedback(dc);
    if (preview) {
        RestoreRefLines(doc);
    }
    {
        const CWaitCursor wait;
        CUndoHistory& undo = doc.GetUndoHistory();
        undo.Reset();
        undo.BeginGroup();
        doc.DragKoutei(m_trackPos.GetEndDate() - m_trackPos.GetStartDate(),
                       m_trackPos.GetEndRow() - m_trackPos.GetStartRow(), op, m_dragPos);
        doc.PropagateKankei();
        undo.EndGroup();
        FreeRefLines();
        m_refKind = HolidayUse::Unknown;
    }
    m_picked = nullptr;
    m_moveDrawn = false;
    if (config.GetSavedOperation() != 0) {
        config.RestoreOperation();
    } else if (op == Op::kOpMoveBend) {
        config.SetOperation(Op::kOpMove);
    }
    config.SetState(0);
    EndMoveCapture();
}

// ---- Feedback ---------------------------------------------------------------------------------

void CTembraView::DrawMoveFeedback(CDC* dc, LONG operation) {
    CTembraDoc& doc = *GetDocument();
    const CTimeSpan offset = m_trackPos.GetEndDate() - m_trackPos.GetStartDate();
    const int rows = m_trackPos.GetEndRow() - m_trackPos.GetStartRow();
    const bool plainMove = m_refKind == HolidayUse::WorkingDays || IsElapsedChart();
    if (operation == Op::kOpCopyFree || operation == Op::kOpMoveFree ||
        operation == Op::kOpMoveBend) {
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
                m_layout.DrawChartObject(dc, copy.get(), 2);
                continue;
            }
            bool draw = true;
            if (plainMove) {
                draw = copy->MoveBy(&doc.GetSeams().Koutei(), offset, rows, &m_dragPos, TRUE, FALSE,
                                    FALSE) != 0;
            }
            if (!draw) {
                continue;
            }
            m_layout.DrawChartObject(dc, copy.get(), 2);
            if (process == m_picked) {
                const bool startFree = copy->IsStartLandSelected() == 0;
                const bool endFree = copy->IsEndLandSelected() == 0;
                CChartPos span = m_trackPos;
                if (startFree || endFree) {
                    const bool forward = startFree;
                    span.SetStartDate(forward ? copy->GetStartTime() : copy->GetEndTime());
                    span.SetEndDate(forward ? copy->GetEndTime() : copy->GetStartTime());
                    span.SetStartRow(forward ? copy->GetStartRow() : copy->GetEndRow());
                    span.SetEndRow(forward ? copy->GetEndRow() : copy->GetStartRow());
                }
                DrawTrackDate(dc, startFree != endFree ? copy.get() : nullptr, &span);
            }
        }
        return;
    }
    // A whole selection moves: its frame (for more than one object) and the picked process.
    const int size = m_layout.GetScaledKouteiSize();
    if (doc.GetSelCount() > 1) {
        const auto rectOf = [&](const CChartPos& extent) {
            return CRect(m_layout.DateToX(extent.GetStartDate()) - size,
                         m_layout.RowToY(extent.GetStartRow(), 0) + size,
                         m_layout.DateToX(extent.GetEndDate()) + size,
                         m_layout.RowToY(extent.GetEndRow(), 0) - size);
        };
        if (!m_extent || !plainMove) {
            m_extent = doc.GetObjectsExtent(ObjectSets::Selection, FALSE);
            m_extentRect = rectOf(*m_extent);
        }
        CRect frame = m_extentRect;
        if (plainMove) {
            if (doc.GetOperation().GetHolidayAuto() == 0) {
                const CPoint from =
                    m_layout.DateRowToPoint(m_trackPos.GetStartDate(), m_trackPos.GetStartRow());
                const CPoint to =
                    m_layout.DateRowToPoint(m_trackPos.GetEndDate(), m_trackPos.GetEndRow());
                frame.OffsetRect(to.x - from.x, to.y - from.y);
            } else if (std::unique_ptr<CKoutei> box = doc.CreateKouteiNoNumber(&*m_extent)) {
                box->Select();
                if (box->MoveBy(&doc.GetSeams().Koutei(), offset, rows, &m_dragPos, FALSE, FALSE,
                                FALSE) != 0) {
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
                                                         &m_dragPos, FALSE, FALSE, FALSE) != 0;
            if (draw) {
                m_layout.DrawChartObject(dc, copy.get(), 2);
            }
        } else {
            AfxMessageBox(kNoRefCopy);
        }
    }
    DrawTrackDate(dc, nullptr, &m_trackPos);
}

} // namespace tembra
