// The draw operation of the shape mode: the shape of the shape bar's style is made at the first
// click and takes its anchors from the mouse, snapped to the drawing grid, while its inverted
// outline follows the pointer; the document takes it in one undo step. Two-point shapes (line,
// boxes, circle, ellipse, triangles, arrows, diamond, framed text) need a second point, point
// lists a click per vertex and a double click to end, arcs and fans a centre and two points.
// The right button steps back or drops the shape. The user shape and the plain text have no
// mouse drawing: their click is refused before a shape is made.
#include "document/TembraDoc.h"
#include "model/ConfigZukei.h"
#include "platform/DC.h"
#include "platform/Ui.h"
#include "shapes/Zukei.h"
#include "shapes/Zukei3.h"
#include "shapes/ZukeiString.h"
#include "view/core/TembraView.h"
#include "view/core/ViewHost.h"
#include "view/core/ZukeiGrid.h"

#include <cmath>

namespace tembra {

namespace {

using Op = COperationState;

// The styles of the shape bar without a mouse drawing: the user shape and the plain text.
enum : short {
    kStyleUser = 15,
    kStylePlainText = 16,
};

bool IsMove(int code) {
    return code == CMouseEvent::kMoveNoButton || code == CMouseEvent::kMoveLeft;
}

} // namespace

// ---- The grid -----------------------------------------------------------------------------------

void CTembraView::SnapZukeiPos(CTembraDoc& doc) {
    CPoint point = m_mouse.GetPoint();
    CTime date = CZukei::XToDate(*this, point.x);
    double row = CZukei::YToRow(*this, point.y);
    const CConfigZukei& grid = doc.GetSyokiSet().GetZukei();
    if (grid.GetPartitionFlag() != 0) {
        date = CZukeiGrid::SnapTime(date, grid.GetTimePartition(), m_layout.GetStartDate());
        row = CZukeiGrid::SnapRow(row, grid.GetLinePartition(), m_layout.GetFirstRow(),
                                  m_layout.GetLastRow());
        if (grid.GetTimePartition() != 0) {
            point.x = CZukei::DateToX(*this, date);
        }
        if (grid.GetLinePartition() != 0) {
            point.y = CZukei::RowToY(*this, row);
        }
        m_mouse.SetPoint(point);
    }
    m_mouse.SetCursorPosition(date, static_cast<int>(std::floor(row)), m_mouse.GetCursorColumn(),
                              row);
}

CDatePos CTembraView::ZukeiDatePos() const {
    CDatePos pos;
    pos.point = m_mouse.GetPoint();
    pos.date = m_mouse.GetCursorDate();
    pos.row = m_mouse.GetCursorRowF();
    pos.flags = m_mouse.IsCtrl() ? CDatePos::kFlagFromCenter : 0;
    pos.dragStart = m_mouse.GetStartPoint();
    pos.endDate = m_mouse.GetCursorDate();
    pos.endRow = m_mouse.GetCursorRowF();
    return pos;
}

// ---- The common steps ---------------------------------------------------------------------------

void CTembraView::EndZukeiCapture() {
    GetDocument()->GetOperation().SetState(0);
    m_host.SetAutoScroll(false);
    m_host.ReleaseCapture();
}

void CTembraView::DrawZukeiOutline(CDC* dc) {
    if (m_zukeiDrawing) {
        m_zukeiDrawing->Draw(*this, *dc, kDrawFeedback);
    }
}

void CTembraView::DropZukeiDrawing(CDC* dc) {
    if (m_zukeiFeedback && dc != nullptr) {
        DrawZukeiOutline(dc);
        // What a point list fixed is drawn over, not inverted: the window repaints it.
        if (m_zukeiDrawing && m_zukeiDrawing->GetElementCount() > 2) {
            UpdateAllViews(m_zukeiDrawing.get());
        }
    }
    m_zukeiFeedback = false;
    m_zukeiDrawing.reset();
    m_zukeiStarts.clear();
    EndZukeiCapture();
}

void CTembraView::ZukeiFollow(CDC* dc, int anchor) {
    const CPoint point = m_mouse.GetPoint();
    if (m_zukeiFeedback) {
        DrawZukeiOutline(dc);
    }
    ScrollForCursor(dc, point.x, point.y);
    m_zukeiDrawing->SetPoint(ZukeiDatePos(), *this, anchor);
    m_mouse.StoreLast();
    DrawZukeiOutline(dc);
    m_zukeiFeedback = true;
}

void CTembraView::AddZukeiDrawing(CDC* dc, CTembraDoc& doc, bool textStep) {
    if (m_zukeiFeedback) {
        DrawZukeiOutline(dc);
        m_zukeiFeedback = false;
    }
    CUndoHistory& undo = doc.GetUndoHistory();
    undo.Reset();
    CZukei* shape = m_zukeiDrawing.release(); // the document's now
    m_zukeiStarts.clear();
    doc.GetShapes().AddZukei(shape, TRUE);
    undo.AddNew(shape);
    // A new framed text is typed into at once.
    if (textStep && shape->GetKind() == kZukeiFramedString) {
        shape->Select();
        doc.GetShapes().AddSelZukei(shape);
        static_cast<CZukeiString*>(shape)->BeginEdit(EditHost());
    }
    EndZukeiCapture();
}

BOOL CTembraView::ZukeiDrawFinal(CDC* dc, CTembraDoc& doc, bool textStep, WORD back) {
    const int code = m_mouse.GetCode();
    if (code == CMouseEvent::kLeftRelease && m_host.HasCapture()) {
        AddZukeiDrawing(dc, doc, textStep);
        return TRUE;
    }
    if (code == CMouseEvent::kRightRelease) {
        doc.GetOperation().SetState(back);
        return TRUE;
    }
    return FALSE;
}

bool CTembraView::ZukeiPressInZone(bool doubleClickToo) const {
    const int code = m_mouse.GetCode();
    if (code != CMouseEvent::kLeftPress && !(doubleClickToo && code == CMouseEvent::kDoubleClick)) {
        return false;
    }
    const int zone = m_layout.HitZone(m_mouse.GetPoint());
    return (zone &
            (CPageLayout::kZoneKoumoku | CPageLayout::kZoneChart | CPageLayout::kZoneKoutei)) != 0;
}

void CTembraView::EndZukeiDrawingOnModeChange() {
    const CTembraDoc* doc = GetDocument();
    if (!m_zukeiDrawing || doc == nullptr) {
        return;
    }
    const CConfigOperation& config = doc->GetOperation();
    if (config.GetMode() == Op::kModeZukei && config.GetOperation() == Op::kOpDraw) {
        return;
    }
    std::unique_ptr<CDC> dc = PreparedClientDC();
    DropZukeiDrawing(dc.get());
}

void CTembraView::BeginZukeiGesture() {
    m_mouse.StoreStart();
    m_mouse.StoreLast();
    m_zukeiStartDate = m_mouse.GetCursorDate();
    m_zukeiStartRow = m_mouse.GetCursorRowF();
    m_host.SetCapture();
    m_host.SetAutoScroll(true);
    m_zukeiFeedback = false;
}

// ---- The draw operation -------------------------------------------------------------------------

BOOL CTembraView::ZukeiDraw(CDC* dc) {
    CTembraDoc& doc = *GetDocument();
    CConfigOperation& config = doc.GetOperation();
    m_mouse.StorePrev();
    SnapZukeiPos(doc);
    const short style = doc.GetSyokiSet().GetZukei().GetAttr().m_style;
    if (config.GetState() == 0) {
        if (!ZukeiPressInZone(true)) {
            return FALSE;
        }
        // No mouse drawing for these: nothing is made, nothing captured.
        if (style == kStyleUser || style == kStylePlainText) {
            return FALSE;
        }
        m_zukeiDrawing = doc.GetShapes().CreateZukei(); // 5021 when it cannot
        if (!m_zukeiDrawing) {
            return TRUE;
        }
        BeginZukeiGesture();
        m_zukeiDrawing->SetPoint(ZukeiDatePos(), *this, 1);
        config.SetState(1);
        return TRUE;
    }
    if (!m_zukeiDrawing) {
        // A sub-state left over from another gesture.
        config.SetState(0);
        return FALSE;
    }
    // By the shape being drawn: another tool chosen in the middle does not change its gesture.
    switch (m_zukeiDrawing->GetKind()) {
    case kZukeiLine:
        return ZukeiDrawLine(dc, doc);
    case kZukeiPolyLine:
    case kZukeiPolygon:
        return ZukeiDrawPoly(dc, doc);
    case kZukeiArc:
    case kZukeiFan:
        return ZukeiDrawArc(dc, doc);
    default:
        return ZukeiDrawBox(dc, doc);
    }
}

BOOL CTembraView::ZukeiDrawLine(CDC* dc, CTembraDoc& doc) {
    return ZukeiDrawBox(dc, doc);
}

BOOL CTembraView::ZukeiDrawBox(CDC* dc, CTembraDoc& doc) {
    CConfigOperation& config = doc.GetOperation();
    const int code = m_mouse.GetCode();
    const WORD state = config.GetState();
    // A line has no extent to test and no text to start.
    const bool box = m_zukeiDrawing->GetKind() != kZukeiLine;
    const auto complete = [&]() {
        if (m_zukeiDrawing->HasOffsets() == FALSE) {
            return false;
        }
        const CRect rect = m_zukeiDrawing->GetDeviceRect(*this);
        return !box || (rect.Width() != 0 && rect.Height() != 0);
    };
    switch (state) {
    case 1:
        if (code == CMouseEvent::kLeftRelease || code == CMouseEvent::kMoveLeft) {
            m_host.UpdateWindow();
            ZukeiFollow(dc, 2);
            config.SetState(2);
            return TRUE;
        }
        if (code == CMouseEvent::kRightRelease) {
            DropZukeiDrawing(dc);
            return TRUE;
        }
        return FALSE;
    case 2: {
        if (WaitsForPaint()) {
            return FALSE;
        }
        if (IsMove(code)) {
            ZukeiFollow(dc, 2);
            return TRUE;
        }
        if (code == CMouseEvent::kLeftPress) {
            if (!complete()) {
                Ui().Beep(MB_OK);
                return TRUE;
            }
            config.SetState(3);
            return TRUE;
        }
        if (code == CMouseEvent::kLeftRelease && m_host.HasCapture()) {
            // A drag in one motion ends where the button comes up.
            if (m_mouse.GetPoint() == m_mouse.GetStartPoint()) {
                return TRUE;
            }
            ZukeiFollow(dc, 2);
            if (complete()) {
                config.SetState(3);
                CPoint device = m_mouse.GetPoint();
                dc->LPtoDP(&device);
                m_host.PostMouseEvent(CMouseEvent::kLeftUp, 0, device);
            }
            return TRUE;
        }
        if (code == CMouseEvent::kRightRelease) {
            DropZukeiDrawing(dc);
            return TRUE;
        }
        return FALSE;
    }
    case 3:
        return ZukeiDrawFinal(dc, doc, box, 2);
    default:
        DropZukeiDrawing(dc);
        return FALSE;
    }
}

BOOL CTembraView::ZukeiDrawPoly(CDC* dc, CTembraDoc& doc) {
    CConfigOperation& config = doc.GetOperation();
    const int code = m_mouse.GetCode();
    CZukei& shape = *m_zukeiDrawing;
    const bool closed = shape.GetKind() == kZukeiPolygon;
    switch (config.GetState()) {
    case 1:
        if (code == CMouseEvent::kLeftRelease || code == CMouseEvent::kMoveLeft) {
            if (shape.GetElementCount() >= 2) {
                // The vertex just fixed starts the next segment.
                m_zukeiStarts.push_back(m_mouse.GetStartPoint());
                m_mouse.SetStartPoint(m_mouse.GetLastPoint());
            } else {
                m_host.UpdateWindow();
            }
            shape.SetPoint(ZukeiDatePos(), *this, 2);
            m_mouse.StoreLast();
            DrawZukeiOutline(dc);
            m_zukeiFeedback = true;
            config.SetState(2);
            return TRUE;
        }
        if (code == CMouseEvent::kRightRelease) {
            if (shape.GetElementCount() < 2) {
                DropZukeiDrawing(dc);
            } else {
                // The press is taken back: the point follows again.
                DrawZukeiOutline(dc);
                m_zukeiFeedback = true;
                config.SetState(2);
            }
            return TRUE;
        }
        return FALSE;
    case 2: {
        if (WaitsForPaint()) {
            return FALSE;
        }
        if (IsMove(code)) {
            ZukeiFollow(dc, 0);
            return TRUE;
        }
        if (code == CMouseEvent::kLeftPress) {
            if (shape.HasOffsets() == FALSE) {
                Ui().Beep(MB_OK);
                return TRUE;
            }
            m_zukeiFeedback = false;
            m_mouse.StoreLast();
            config.SetState(1);
            return TRUE;
        }
        if (code == CMouseEvent::kDoubleClick) {
            // The floating point goes; a list too short for its kind is dropped.
            if (m_zukeiFeedback) {
                DrawZukeiOutline(dc);
                m_zukeiFeedback = false;
            }
            shape.RemoveLastPoint();
            if (shape.GetElementCount() < (closed ? 3 : 2)) {
                UpdateAllViews(m_zukeiDrawing.get());
                Ui().Beep(MB_OK);
                DropZukeiDrawing(dc);
                return TRUE;
            }
            AddZukeiDrawing(dc, doc, false);
            return TRUE;
        }
        if (code == CMouseEvent::kRightRelease) {
            if (shape.GetElementCount() < 3) {
                DropZukeiDrawing(dc);
                return TRUE;
            }
            // The last fixed vertex is taken back; the point follows from the one before it.
            DrawZukeiOutline(dc);
            shape.EraseLastSegment(*this, *dc);
            shape.RemovePrevPoint();
            shape.SetPoint(ZukeiDatePos(), *this, 0);
            if (!m_zukeiStarts.empty()) {
                m_mouse.SetStartPoint(m_zukeiStarts.back());
                m_zukeiStarts.pop_back();
            }
            DrawZukeiOutline(dc);
            m_zukeiFeedback = true;
            return TRUE;
        }
        return FALSE;
    }
    default:
        DropZukeiDrawing(dc);
        return FALSE;
    }
}

BOOL CTembraView::ZukeiDrawArc(CDC* dc, CTembraDoc& doc) {
    CConfigOperation& config = doc.GetOperation();
    const int code = m_mouse.GetCode();
    auto* arc = DynamicDowncast<CZukei3>(m_zukeiDrawing.get());
    if (arc == nullptr) {
        DropZukeiDrawing(dc);
        return FALSE;
    }
    const WORD state = config.GetState();
    if (state == 2 || state == 4) {
        if (WaitsForPaint()) {
            return FALSE;
        }
    }
    // Back to following the second point: the third is forgotten.
    const auto backToSecond = [&]() {
        if (m_zukeiFeedback) {
            DrawZukeiOutline(dc);
        }
        arc->SetPointCount(2);
        DrawZukeiOutline(dc);
        m_zukeiFeedback = true;
        config.SetState(2);
    };
    switch (state) {
    case 1:
        if (code == CMouseEvent::kLeftRelease || code == CMouseEvent::kMoveLeft) {
            m_host.UpdateWindow();
            ZukeiFollow(dc, 2);
            config.SetState(2);
            return TRUE;
        }
        if (code == CMouseEvent::kRightRelease) {
            DropZukeiDrawing(dc);
            return TRUE;
        }
        return FALSE;
    case 2:
    case 4: {
        const int anchor = state == 2 ? 2 : 3;
        if (IsMove(code)) {
            ZukeiFollow(dc, anchor);
            return TRUE;
        }
        if (code == CMouseEvent::kLeftPress) {
            if (arc->HasOffsets() == FALSE) {
                Ui().Beep(MB_OK);
                return TRUE;
            }
            config.SetState(static_cast<WORD>(state + 1));
            return TRUE;
        }
        if (code == CMouseEvent::kRightRelease) {
            if (state == 2) {
                DropZukeiDrawing(dc);
            } else {
                backToSecond();
            }
            return TRUE;
        }
        return FALSE;
    }
    case 3:
        if (code == CMouseEvent::kLeftRelease || code == CMouseEvent::kMoveLeft) {
            if (m_zukeiFeedback) {
                DrawZukeiOutline(dc);
                m_zukeiFeedback = false;
            }
            m_host.UpdateWindow();
            ZukeiFollow(dc, 3);
            config.SetState(4);
            return TRUE;
        }
        if (code == CMouseEvent::kRightRelease) {
            config.SetState(2);
            return TRUE;
        }
        return FALSE;
    case 5:
        return ZukeiDrawFinal(dc, doc, false, 4);
    default:
        DropZukeiDrawing(dc);
        return FALSE;
    }
}

} // namespace tembra
