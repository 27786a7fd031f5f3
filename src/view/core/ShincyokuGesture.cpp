#include "view/core/ShincyokuGesture.h"

#include "document/EventRequests.h"
#include "document/TembraDoc.h"
#include "model/ConfigOperation.h"
#include "model/Shincyoku.h"
#include "platform/DC.h"
#include "platform/Ui.h"
#include "view/core/TembraView.h"
#include "view/core/ViewHost.h"

namespace tembra {

namespace {

using Op = COperationState;

// The selected words of a progress line: picked, and the copy being edited.
constexpr WORD kPicked = 1;
constexpr WORD kEditing = 2;

constexpr int kChartZones = CPageLayout::kZoneChart | CPageLayout::kZoneKoutei;

} // namespace

CShincyokuGesture::CShincyokuGesture(CTembraView& view) : m_view(view) {}

CTembraDoc& CShincyokuGesture::Doc() const {
    return *m_view.GetDocument();
}

void CShincyokuGesture::SetStep(Step step) const {
    Doc().GetOperation().SetState(static_cast<WORD>(step));
}

void CShincyokuGesture::EraseFeedback(CDC* dc) {
    if (m_shown) {
        m_view.DrawProgressFeedback(dc, m_line, m_track);
        m_shown = false;
    }
}

void CShincyokuGesture::Redraw(CDC* dc) {
    if (m_line != nullptr && m_shown) {
        m_view.DrawProgressFeedback(dc, m_line, m_track);
    }
}

std::optional<int> CShincyokuGesture::FeedbackRow(const CShincyoku* line) const {
    if (line == nullptr || line != m_line || !m_shown) {
        return std::nullopt;
    }
    return m_track.GetStartRow();
}

void CShincyokuGesture::DropCopy() {
    if (m_line != nullptr && m_view.GetDocument() != nullptr) {
        OwnedObList<CDataHeader>& lines = Doc().GetShincyokuList();
        lines.RemoveAt(lines.Find(m_line));
        delete m_line;
        m_line = nullptr;
    }
}

void CShincyokuGesture::AskEdit(CShincyoku* line, POSITION pos) {
    CTembraDoc& doc = Doc();
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

BOOL CShincyokuGesture::Pressed(CDC* dc) {
    CMouseEvent& mouse = m_view.GetMouseEvent();
    IViewHost& host = m_view.Host();
    CTembraDoc& doc = Doc();
    CConfigOperation& config = doc.GetOperation();
    const int code = mouse.GetCode();
    if (code == CMouseEvent::kLeftRelease) {
        const CTime date = mouse.GetCursorDate();
        POSITION pos = nullptr;
        CShincyoku* found = doc.GetProgressLines().FindShincyoku(date, pos);
        std::unique_ptr<CShincyoku> current;
        m_sourcePos = nullptr;
        if (found == nullptr) {
            if (config.GetOperation() == Op::kOpDraw) {
                current = doc.GetProgressLines().CreateShincyoku(date);
            }
        } else if (config.GetOperation() == Op::kOpEdit) {
            host.ReleaseCapture();
            SetStep(Step::Idle);
            AskEdit(found, pos);
            return TRUE;
        } else {
            current = CChartProgressLines::CopyShincyoku(found);
            if (current) {
                current->SetSelected(kPicked);
                found->SetSelected(kPicked);
                m_sourcePos = pos;
                doc.UpdateAllViews(nullptr, 0, found);
            }
        }
        if (current) {
            current->SetSelected(kEditing);
            m_line = current.get();
            doc.GetProgressLines().AddShincyoku(current.release(), FALSE);
            m_track.SetStartDate(m_line->GetPointDate(m_track.GetStartRow()));
            SetStep(Step::Placing);
            m_view.DrawProgressFeedback(dc, m_line, m_track);
            m_shown = true;
            host.SetCapture();
            return TRUE;
        }
    } else if (code != CMouseEvent::kRightRelease) {
        return FALSE;
    }
    SetStep(Step::Idle);
    host.ReleaseCapture();
    return TRUE;
}

void CShincyokuGesture::Commit() {
    CTembraDoc& doc = Doc();
    OwnedObList<CDataHeader>& list = doc.GetShincyokuList();
    CUndoHistory& undo = doc.GetUndoHistory();
    undo.Reset();
    CShincyoku* line = m_line;
    line->SetSelected(0);
    m_shown = false;
    CDataHeader* source = m_sourcePos != nullptr ? list.GetAt(m_sourcePos) : nullptr;
    if (source != nullptr) {
        // The copy takes the source's place; the history keeps the source, so that an undo puts
        // it back there.
        list.RemoveAt(list.Find(line));
        list.SetAt(m_sourcePos, line);
        source->SetSelected(0);
        if (undo.AddChange(source, line) == 0) {
            delete source;
        }
    } else {
        undo.AddNew(line);
    }
    m_line = nullptr;
    m_sourcePos = nullptr;
    doc.SetModifiedFlag(TRUE);
    doc.UpdateAllViews(nullptr, 0, nullptr);
}

BOOL CShincyokuGesture::Placing(CDC* dc) {
    CMouseEvent& mouse = m_view.GetMouseEvent();
    IViewHost& host = m_view.Host();
    // The commit draws nothing inverted: a repaint still pending does not hold it up.
    if (mouse.GetCode() == CMouseEvent::kDoubleClick) {
        if (m_line == nullptr) {
            return FALSE;
        }
        Commit();
        SetStep(Step::Idle);
        host.ReleaseCapture();
        return TRUE;
    }
    CRect pending;
    if (host.GetUpdateRect(pending)) {
        return FALSE;
    }
    switch (mouse.GetCode()) {
    case CMouseEvent::kMoveNoButton:
        if (m_view.IsCursorOverView() && m_shown &&
            mouse.GetCursorDate() == m_track.GetStartDate() &&
            mouse.GetCursorRow() == m_track.GetStartRow()) {
            return TRUE;
        }
        EraseFeedback(dc);
        m_view.ScrollForCursor(dc, mouse.GetPoint().x, mouse.GetPoint().y);
        mouse.SetStartPoint(
            m_view.GetLayout().DateRowToPoint(m_track.GetStartDate(), m_track.GetStartRow()));
        m_track.SetStartDate(mouse.GetCursorDate());
        m_track.SetStartRow(static_cast<WORD>(mouse.GetCursorRow()));
        m_view.DrawProgressFeedback(dc, m_line, m_track);
        m_shown = true;
        host.SetCapture();
        return TRUE;
    case CMouseEvent::kLeftPress:
        if (!host.HasCapture()) {
            return FALSE;
        }
        SetStep(Step::PointPressed);
        return TRUE;
    case CMouseEvent::kRightRelease:
        EraseFeedback(dc);
        Discard();
        SetStep(Step::Idle);
        host.ReleaseCapture();
        return TRUE;
    default:
        return FALSE;
    }
}

BOOL CShincyokuGesture::Track(CDC* dc) {
    CMouseEvent& mouse = m_view.GetMouseEvent();
    IViewHost& host = m_view.Host();
    CConfigOperation& config = Doc().GetOperation();
    const int code = mouse.GetCode();
    switch (static_cast<Step>(config.GetState())) {
    case Step::Idle:
        if (code != CMouseEvent::kLeftPress ||
            (m_view.GetLayout().HitZone(mouse.GetPoint()) & kChartZones) == 0) {
            return FALSE;
        }
        host.SetCapture();
        m_track = CChartPos();
        m_track.SetStartDate(mouse.GetCursorDate());
        m_track.SetStartRow(static_cast<WORD>(mouse.GetCursorRow()));
        mouse.StoreStart();
        m_line = nullptr;
        m_shown = false;
        SetStep(Step::Pressed);
        return TRUE;
    case Step::Pressed:
        return Pressed(dc);
    case Step::Placing:
        return Placing(dc);
    case Step::PointPressed: {
        CRect pending;
        if (host.GetUpdateRect(pending)) {
            return FALSE;
        }
        if (code == CMouseEvent::kLeftRelease && host.HasCapture()) {
            // The row takes the date; the line shows it from the next paint on, the feedback
            // from the next move.
            EraseFeedback(dc);
            m_line->SetPointDate(m_track.GetStartRow(), m_track.GetStartDate());
            Doc().UpdateAllViews(nullptr, 0, m_line);
            SetStep(Step::Placing);
            return TRUE;
        }
        if (code == CMouseEvent::kRightRelease) {
            SetStep(Step::Placing);
            return TRUE;
        }
        return FALSE;
    }
    default:
        SetStep(Step::Idle);
        return FALSE;
    }
}

void CShincyokuGesture::Discard() {
    CTembraDoc& doc = Doc();
    OwnedObList<CDataHeader>& list = doc.GetShincyokuList();
    if (m_line != nullptr) {
        // The copy lived only while it was edited: it goes without a trace.
        doc.UpdateAllViews(nullptr, 0, m_line);
        list.RemoveAt(list.Find(m_line));
        delete m_line;
        m_line = nullptr;
        m_shown = false;
        if (CDataHeader* source = list.GetAt(m_sourcePos)) {
            source->SetSelected(0);
            doc.UpdateAllViews(nullptr, 0, source);
        }
    }
    m_sourcePos = nullptr;
}

} // namespace tembra
