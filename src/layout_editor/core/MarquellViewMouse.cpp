// Mouse editing of the layout view: the drag state machine, its feedback and its panes.
#include "layout_editor/core/AppSettings.h"
#include "layout_editor/core/EditorRequests.h"
#include "layout_editor/core/LayoutDraw.h"
#include "layout_editor/core/LayoutGeometry.h"
#include "layout_editor/core/MarquellDoc.h"
#include "layout_editor/core/MarquellView.h"
#include "layout_editor/core/PHeadBoxData.h"
#include "layout_editor/core/PHeadInputArea.h"
#include "layout_editor/core/PHeadLineData.h"
#include "layout_editor/core/TextValues.h"
#include "platform/NumberText.h"
#include "platform/StringTable.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace marquell {

namespace {

using namespace tembra;

// The panes of the status bar the view writes.
constexpr int kPanePrompt = 0;
constexpr int kPanePosition = 5;
constexpr int kPaneSize = 6;
// How far outside the current area the position is still shown.
constexpr int kPositionMargin = 4;

// The prompts by mode (1 ... 8) and drag state 0, 2, 4, 6; 0 leaves the pane alone.
constexpr UINT kPrompts[8][4] = {
    {61217, 61218, 0, 0},         {61220, 61221, 0, 0},         {61222, 61223, 0, 0},
    {61224, 61225, 0, 0},         {61226, 61227, 61228, 0},     {61229, 61230, 61231, 61232},
    {61233, 61234, 61235, 61236}, {61237, 61238, 61239, 61240},
};

bool IsDrawingMode(int mode) {
    return mode >= kModeText && mode <= kModeBox;
}

// A quotient rounded to a whole number, a fraction of exactly one half toward zero.
double RoundHalfTowardZero(double q) {
    const double whole = std::trunc(q);
    if (std::abs(q - whole) == 0.5) {
        return whole;
    }
    return std::round(q);
}

// The mark's edges: whether it drags the left, right, top or bottom edge of a frame.
bool MovesLeft(int mark) {
    return mark == 1 || mark == 7 || mark == 8;
}
bool MovesRight(int mark) {
    return mark == 3 || mark == 4 || mark == 5;
}
bool MovesTop(int mark) {
    return mark == 1 || mark == 2 || mark == 3;
}
bool MovesBottom(int mark) {
    return mark == 5 || mark == 6 || mark == 7;
}

CPoint Clamp(const CPoint& point, const CRect& rect) {
    const CRect r = NormalizedLayoutRect(rect);
    return CPoint(std::clamp(point.x, r.left, r.right), std::clamp(point.y, r.bottom, r.top));
}

std::string Format(const char* format, int a, int b) {
    char text[48];
    std::snprintf(text, sizeof(text), format, a, b);
    return text;
}

} // namespace

// ---- Points ------------------------------------------------------------------------------------

CPoint CMarquellView::DeviceToLayout(const CPoint& devicePoint) const {
    std::unique_ptr<CDC> dc = MappedDC();
    OnPrepareDC(dc.get());
    CPoint point = devicePoint;
    dc->DPtoLP(&point);
    const int zoom = GetZoomPercent();
    return CPoint((point.x - m_drawOffset.x) * 100 / zoom, (point.y - m_drawOffset.y) * 100 / zoom);
}

CPoint CMarquellView::SnapToGrid(const CPoint& point, UINT flags) const {
    if (!m_gridSnap || (flags & MK_CONTROL) != 0) {
        return point;
    }
    const CRect area = NormalizedLayoutRect(GetCurrentAreaRect());
    CPoint snapped = point;
    const long long width = static_cast<long long>(area.right) - area.left;
    if (m_gridAcross > 1 && width > 0) {
        const double q = static_cast<double>(point.x - area.left) * m_gridAcross / width;
        const double e = width * RoundHalfTowardZero(q) / m_gridAcross;
        const double whole = std::trunc(e);
        snapped.x = area.left + static_cast<LONG>(whole) + (e - whole > 0.5 ? 1 : 0);
    }
    const long long height = static_cast<long long>(area.top) - area.bottom;
    if (m_gridDown >= 2 && height > 0) {
        const double q = static_cast<double>(point.y - area.top) * m_gridDown / height;
        const double f = height * RoundHalfTowardZero(q) / m_gridDown;
        const double whole = std::trunc(f);
        snapped.y = area.top + static_cast<LONG>(whole) - (f - whole < -0.5 ? 1 : 0);
    }
    return snapped;
}

CPoint CMarquellView::PreparePoint(UINT flags, const CPoint& devicePoint) {
    m_keys = flags;
    CPoint point = DeviceToLayout(devicePoint);
    if (m_mode != kModeEdit && m_dragState != kDragIdle && (flags & MK_SHIFT) != 0 &&
        (m_mode == kModeLine || m_mode >= kModeCopy)) {
        // Straight across or down, whichever lies nearer.
        if (std::abs(m_anchor.y - point.y) < std::abs(m_anchor.x - point.x)) {
            point.y = m_anchor.y;
        } else {
            point.x = m_anchor.x;
        }
    }
    return point;
}

CPoint CMarquellView::ClampToPaper(const CPoint& point) const {
    return Clamp(point, m_doc.GetPaperRect());
}

CPoint CMarquellView::ClampToArea(const CPoint& point) const {
    return Clamp(point, GetCurrentAreaRect());
}

CRect CMarquellView::AnchorRect() const {
    return CRect(m_anchor.x, m_anchor.y, m_current.x, m_current.y);
}

// ---- The selection -----------------------------------------------------------------------------

CRect CMarquellView::GetSelectionFrame() const {
    CRect frame;
    bool any = false;
    for (const auto& element : Paper().GetElements()) {
        if (!element->IsSelected()) {
            continue;
        }
        const CRect r = NormalizedLayoutRect(element->GetFrameRect());
        if (!any) {
            frame = r;
            any = true;
            continue;
        }
        frame.left = std::min(frame.left, r.left);
        frame.top = std::max(frame.top, r.top);
        frame.right = std::max(frame.right, r.right);
        frame.bottom = std::min(frame.bottom, r.bottom);
    }
    return frame;
}

int CMarquellView::HitSelectionMark(const CPoint& point) const {
    if (Paper().CountSelected() == 0) {
        return 0;
    }
    const int tolerance = GetHitTolerance();
    const auto near = [&](const CPoint& mark) {
        return std::abs(mark.x - point.x) <= tolerance && std::abs(mark.y - point.y) <= tolerance;
    };
    if (IsLineEndMode()) {
        const CRect line = Paper().FindSelectedLine()->GetFrameRect();
        if (near(line.TopLeft())) {
            return 1;
        }
        return near(line.BottomRight()) ? 5 : 0;
    }
    const CRect frame = GetSelectionFrame();
    for (int mark = 1; mark <= 8; ++mark) {
        if (near(LayoutMarkPoint(frame, mark))) {
            return mark;
        }
    }
    return 0;
}

bool CMarquellView::IsPointOnSelection(const CPoint& point) const {
    const int tolerance = GetHitTolerance();
    const CRect query(point.x - tolerance, point.y + tolerance, point.x + tolerance,
                      point.y - tolerance);
    return std::any_of(Paper().GetElements().begin(), Paper().GetElements().end(),
                       [&](const auto& element) {
                           return element->IsSelected() && element->HitTest(query, FALSE);
                       });
}

void CMarquellView::GrabMark(int mark) {
    m_handle = mark;
    if (IsLineEndMode()) {
        // Only the grabbed end moves: the frames are the end and where it goes.
        const CRect line = Paper().FindSelectedLine()->GetFrameRect();
        m_anchor = mark == 1 ? line.TopLeft() : line.BottomRight();
        m_transformFrom = CRect(m_anchor.x, m_anchor.y, m_anchor.x, m_anchor.y);
        m_transformTo = m_transformFrom;
        return;
    }
    const CRect frame = GetSelectionFrame();
    m_transformFrom = frame;
    m_transformTo = frame;
    if (MovesLeft(mark)) {
        m_anchor.x = frame.left;
    } else if (MovesRight(mark)) {
        m_anchor.x = frame.right;
    }
    if (MovesTop(mark)) {
        m_anchor.y = frame.top;
    } else if (MovesBottom(mark)) {
        m_anchor.y = frame.bottom;
    }
}

CRect CMarquellView::DraggedFrame() const {
    if (IsLineEndMode()) {
        return CRect(m_current.x, m_current.y, m_current.x, m_current.y);
    }
    CRect to = m_transformFrom;
    if (MovesLeft(m_handle)) {
        to.left = m_current.x;
    } else if (MovesRight(m_handle)) {
        to.right = m_current.x;
    }
    if (MovesTop(m_handle)) {
        to.top = m_current.y;
    } else if (MovesBottom(m_handle)) {
        to.bottom = m_current.y;
    }
    return to;
}

CPoint CMarquellView::KeepInArea(CPoint offset) const {
    const CRect frame = GetSelectionFrame();
    const CRect area = NormalizedLayoutRect(GetCurrentAreaRect());
    const auto moved = [&]() {
        CRect r = frame;
        r.OffsetRect(offset);
        return r;
    };
    // Left and top first, then right and bottom: a selection larger than the area keeps to its
    // right and bottom edges.
    if (moved().left < area.left) {
        offset.x += area.left - moved().left;
    }
    if (moved().top > area.top) {
        offset.y -= moved().top - area.top;
    }
    if (moved().right > area.right) {
        offset.x -= moved().right - area.right;
    }
    if (moved().bottom < area.bottom) {
        offset.y += area.bottom - moved().bottom;
    }
    return offset;
}

// ---- Capture, feedback, scrolling and panes ----------------------------------------------------

void CMarquellView::Capture() {
    if (!m_captured) {
        m_captured = true;
        m_host.SetCapture();
    }
}

void CMarquellView::Release() {
    m_host.SetAutoScroll(false);
    if (m_captured) {
        m_captured = false;
        m_host.ReleaseCapture();
    }
}

void CMarquellView::ShowFeedback(Feedback kind) {
    HideFeedback();
    switch (kind) {
    case Feedback::Band:
        m_feedbackRect = AnchorRect();
        break;
    case Feedback::Outline:
        if (!m_newElement) {
            return;
        }
        m_newElement->SetFrameRect(AnchorRect());
        break;
    case Feedback::MoveGhost:
        m_feedbackOffset = CPoint(m_current.x - m_anchor.x, m_current.y - m_anchor.y);
        break;
    case Feedback::TransformGhost:
        m_transformTo = DraggedFrame();
        break;
    case Feedback::None:
        return;
    }
    m_feedback = kind;
    m_host.DrawDirect([this](CDC* dc) {
        OnPrepareDC(dc);
        DrawFeedback(dc);
    });
}

void CMarquellView::HideFeedback() {
    if (m_feedback == Feedback::None) {
        return;
    }
    // Inverted twice is as before.
    m_host.DrawDirect([this](CDC* dc) {
        OnPrepareDC(dc);
        DrawFeedback(dc);
    });
    m_feedback = Feedback::None;
}

void CMarquellView::DrawFeedback(CDC* dc) const {
    switch (m_feedback) {
    case Feedback::Band:
        DrawRect(dc, ToView(NormalizedLayoutRect(m_feedbackRect)), PS_DOT, 0, RGB(0, 0, 0),
                 kBrushHollow, 0, R2_NOT, TRANSPARENT);
        break;
    case Feedback::Outline:
        if (m_newElement) {
            m_newElement->Draw(dc, *this, kDrawFeedbackInverted);
        }
        break;
    case Feedback::MoveGhost:
        for (const auto& element : Paper().GetElements()) {
            if (element->IsSelected()) {
                element->DrawMoveFeedback(dc, *this, m_feedbackOffset);
            }
        }
        break;
    case Feedback::TransformGhost:
        for (const auto& element : Paper().GetElements()) {
            if (element->IsSelected()) {
                element->DrawTransformFeedback(dc, *this);
            }
        }
        break;
    case Feedback::None:
        break;
    }
}

void CMarquellView::ResetMouse() {
    HideFeedback();
    m_newElement.reset();
    m_skip = 0;
    m_returnToEdit = false;
    Release();
}

void CMarquellView::ScrollIfOutside(const CPoint& devicePoint) {
    const CSize client = m_host.GetClientSize();
    CPoint by;
    if (client.cx < m_totalDevice.cx) {
        by.x = devicePoint.x < 0 ? devicePoint.x : std::max<LONG>(0, devicePoint.x - client.cx);
    }
    if (client.cy < m_totalDevice.cy) {
        by.y = devicePoint.y < 0 ? devicePoint.y : std::max<LONG>(0, devicePoint.y - client.cy);
    }
    if (by.x == 0 && by.y == 0) {
        m_host.SetAutoScroll(false);
        return;
    }
    const CPoint before = m_scroll;
    OnScroll(CPoint(m_scroll.x + by.x, m_scroll.y + by.y));
    m_host.UpdateScrollBars();
    m_host.UpdateWindow();
    // While the window moves, the pointer outside keeps it moving.
    m_host.SetAutoScroll(m_scroll != before);
}

void CMarquellView::RefreshPrompt() {
    if (m_mode < kModeText || m_mode > kModeTransform || m_dragState % 2 != 0 ||
        m_dragState > kDragPlacing) {
        return;
    }
    const UINT id = kPrompts[m_mode - 1][m_dragState / 2];
    if (id != 0) {
        m_host.SetPaneText(kPanePrompt, LoadString(id));
    }
}

void CMarquellView::RefreshPositionPanes(const CPoint& point) {
    const CRect area = NormalizedLayoutRect(GetCurrentAreaRect());
    const bool near =
        point.x > area.left - kPositionMargin && point.x < area.right + kPositionMargin &&
        point.y > area.bottom - kPositionMargin && point.y < area.top + kPositionMargin;
    m_host.SetPaneText(kPanePosition, near ? Format(" %4d,%d", point.x, std::abs(point.y)) : "");
    if (m_dragState == kDragTracking && Paper().CountSelected() == 0) {
        const CPoint at = ClampToArea(point);
        m_host.SetPaneText(kPaneSize, Format(" %4d,%4d", std::abs(m_anchor.x - at.x),
                                             std::abs(m_anchor.y - at.y)));
    } else {
        m_host.SetPaneText(kPaneSize, "");
    }
}

// ---- Creation ----------------------------------------------------------------------------------

std::unique_ptr<CLayoutData> CMarquellView::MakeNewElement() const {
    const auto textAttributes = [this](CPHeadMojiData& text) {
        const int height = NumberText::AtoI(m_heightText);
        LOGFONT font = m_font;
        font.lfHeight = -height;
        font.lfWidth = height / 2;
        text.SetFont(font);
        text.SetVCenter(m_vCenter);
        text.SetHCenter(m_hCenter);
    };
    const auto lineAttributes = [this](CPHeadLineData& line) {
        line.SetWidthClass(m_widthClass);
        line.SetWidth(m_app.GetLineWidth(m_widthClass));
    };
    switch (m_mode) {
    case kModeText: {
        auto text = std::make_unique<CPHeadMojiData>();
        textAttributes(*text);
        return text;
    }
    case kModeInput: {
        auto area = std::make_unique<CPHeadInputArea>();
        textAttributes(*area);
        return area;
    }
    case kModeLine: {
        auto line = std::make_unique<CPHeadLineData>();
        lineAttributes(*line);
        return line;
    }
    default: {
        auto box = std::make_unique<CPHeadBoxData>();
        lineAttributes(*box);
        return box;
    }
    }
}

void CMarquellView::FinishCreation() {
    if (!m_newElement) {
        m_dragState = kDragIdle;
        Release();
        return;
    }
    const CRect rect = AnchorRect();
    const CRect normal = NormalizedLayoutRect(rect);
    const bool valid = m_newElement->IsLine()
                           ? m_anchor != m_current
                           : normal.left != normal.right && normal.top != normal.bottom;
    if (!valid) {
        Ui().Beep(MB_OK);
        m_dragState = kDragTracking;
        return;
    }
    HideFeedback();
    m_newElement->SetFrameRect(m_newElement->IsLine() ? rect : normal);
    m_newElement->SetArea(Paper().GetSize().GetCurrentArea());
    int answer = IDOK;
    if (auto* area = dynamic_cast<CPHeadInputArea*>(m_newElement.get())) {
        Release();
        InputAreaNameRequest request(
            CInputAreaNameData(Paper(), m_doc.GetOwner(), *area, m_baseName));
        answer = Ui().RunDialog(request);
    } else if (auto* text = dynamic_cast<CPHeadMojiData*>(m_newElement.get())) {
        Release();
        FixedTextRequest request(*text);
        answer = Ui().RunDialog(request);
    }
    if (answer != IDOK) {
        // The element stays in the making; its outline follows the mouse again.
        m_dragState = kDragTracking;
        m_skip = 2;
        Capture();
        return;
    }
    Paper().AddElement(m_doc.GetOwner(), std::move(m_newElement));
    Release();
    m_dragState = kDragIdle;
}

void CMarquellView::EndPlacing() {
    HideFeedback();
    m_dragState = kDragSelected;
    if (m_returnToEdit) {
        m_mode = kModeEdit;
        m_returnToEdit = false;
    }
    Release();
}

// ---- Messages ----------------------------------------------------------------------------------

void CMarquellView::OnLButtonDown(UINT flags, const CPoint& devicePoint) {
    CPoint point = PreparePoint(flags, devicePoint);
    if (IsDrawingMode(m_mode)) {
        point = SnapToGrid(point, flags);
    }
    switch (m_dragState) {
    case kDragIdle:
        if (IsDrawingMode(m_mode)) {
            if (PtInLogRect(point, NormalizedLayoutRect(GetCurrentAreaRect()))) {
                m_newElement = MakeNewElement();
                m_anchor = point;
                m_current = point;
                m_dragState = kDragPressed;
                Capture();
            }
        } else {
            m_anchor = ClampToPaper(point);
            m_current = m_anchor;
            m_dragState = kDragPressed;
            Capture();
        }
        break;
    case kDragTracking:
        m_current = IsDrawingMode(m_mode) ? ClampToArea(point) : ClampToPaper(point);
        m_dragState = kDragSecond;
        break;
    case kDragSelected:
        if (!IsDrawingMode(m_mode)) {
            m_anchor = ClampToPaper(point);
            m_current = m_anchor;
            m_dragState = kDragOnSelection;
            Capture();
        }
        break;
    case kDragPlacing:
        if (!IsDrawingMode(m_mode)) {
            m_current = ClampToArea(point);
            m_dragState = kDragTarget;
        }
        break;
    default:
        break;
    }
    m_lButton = true;
    RefreshPrompt();
}

void CMarquellView::OnLButtonUp(UINT flags, const CPoint& devicePoint) {
    static_cast<void>(devicePoint);
    m_keys = flags;
    // A right button held meanwhile stops the gesture where it is.
    if (m_rButton && m_dragState != kDragIdle) {
        m_lButton = false;
        RefreshPrompt();
        return;
    }
    ILayoutOwner& owner = m_doc.GetOwner();
    const CRect click(m_anchor.x, m_anchor.y, m_anchor.x, m_anchor.y);
    switch (m_dragState) {
    case kDragPressed:
        if (!IsDrawingMode(m_mode)) {
            if (Paper().Select(owner, *this, click) < 1) {
                m_current = m_anchor;
                ShowFeedback(Feedback::Band);
                m_dragState = kDragTracking;
            } else {
                m_dragState = kDragSelected;
                Release();
            }
        } else {
            // A click: the second click fixes the end.
            m_host.UpdateWindow();
            m_current = m_anchor;
            ShowFeedback(Feedback::Outline);
            m_dragState = kDragTracking;
        }
        break;
    case kDragTracking:
    case kDragSecond:
        if (!IsDrawingMode(m_mode)) {
            HideFeedback();
            Paper().Select(owner, *this, NormalizedLayoutRect(AnchorRect()));
            m_dragState = Paper().CountSelected() > 0 ? kDragSelected : kDragIdle;
            Release();
        } else {
            // The second click, or the end of a drag from the first press.
            FinishCreation();
        }
        break;
    case kDragOnSelection:
        if (m_mode == kModeEdit) {
            const int result = Paper().Select(owner, *this, click);
            if (result < 0) {
                m_dragState = Paper().CountSelected() > 0 ? kDragSelected : kDragIdle;
                Release();
            } else if (result == 0) {
                m_current = m_anchor;
                ShowFeedback(Feedback::Band);
                m_skip = 1;
                m_dragState = kDragTracking;
            } else {
                m_dragState = kDragSelected;
                Release();
            }
        } else if (m_mode == kModeTransform) {
            if (const int mark = HitSelectionMark(m_anchor); mark != 0) {
                GrabMark(mark);
                m_current = m_anchor;
                ShowFeedback(Feedback::TransformGhost);
                m_dragState = kDragPlacing;
            } else {
                m_dragState = kDragSelected;
                Release();
            }
        } else if (IsPointOnSelection(m_anchor)) {
            m_anchor = SnapToGrid(m_anchor, flags);
            m_current = m_anchor;
            ShowFeedback(Feedback::MoveGhost);
            m_dragState = kDragPlacing;
        } else {
            m_dragState = kDragSelected;
            Release();
        }
        break;
    case kDragPlacing: // the end of a drag that picked the selection up
    case kDragTarget:
        m_current = SnapToGrid(m_current, flags);
        if (m_current == m_anchor) {
            m_dragState = kDragPlacing;
            break;
        }
        HideFeedback();
        if (m_mode == kModeTransform) {
            m_transformTo = DraggedFrame();
            Paper().TransformSelected(owner, *this);
        } else {
            // Where the ghost stood: the selection stays in the area.
            const CPoint offset =
                KeepInArea(CPoint(m_current.x - m_anchor.x, m_current.y - m_anchor.y));
            if (m_mode == kModeCopy) {
                Paper().CopySelectedBy(owner, offset);
            } else {
                Paper().MoveSelectedBy(owner, offset);
            }
        }
        EndPlacing();
        break;
    default:
        break;
    }
    m_lButton = false;
    RefreshPrompt();
}

void CMarquellView::OnLButtonDblClk(UINT flags, const CPoint& devicePoint) {
    CPoint point = PreparePoint(flags, devicePoint);
    if (IsDrawingMode(m_mode)) {
        point = SnapToGrid(point, flags);
    }
    if (!PtInLogRect(point, NormalizedLayoutRect(GetCurrentAreaRect()))) {
        return;
    }
    if (m_dragState == kDragIdle && IsDrawingMode(m_mode)) {
        m_newElement = MakeNewElement();
        m_anchor = point;
        m_current = point;
        m_dragState = kDragTracking;
        Capture();
    } else if (m_dragState == kDragSelected && m_mode == kModeEdit) {
        Release();
        if (CPHeadMojiData* text = LastSelectedText()) {
            EditTextElement(*text);
        }
        m_dragState = kDragIdle;
    }
    RefreshPrompt();
}

void CMarquellView::OnMouseMove(UINT flags, const CPoint& devicePoint) {
    m_keys = flags;
    CPoint point = DeviceToLayout(devicePoint);
    if (m_mode != kModeEdit && m_dragState != kDragIdle) {
        point = PreparePoint(flags, devicePoint);
        if (IsDrawingMode(m_mode)) {
            point = SnapToGrid(point, flags);
        }
    }
    m_lastMouse = point;
    RefreshPositionPanes(point);
    ILayoutOwner& owner = m_doc.GetOwner();
    switch (m_dragState) {
    case kDragPressed:
        if (!IsDrawingMode(m_mode)) {
            const CRect click(m_anchor.x, m_anchor.y, m_anchor.x, m_anchor.y);
            if (Paper().Select(owner, *this, click) != 0) {
                m_dragState = kDragSelected;
                Release();
            } else {
                m_current = ClampToPaper(point);
                ShowFeedback(Feedback::Band);
                m_dragState = kDragTracking;
            }
        } else {
            m_host.UpdateWindow();
            m_current = point;
            ShowFeedback(Feedback::Outline);
            m_dragState = kDragTracking;
        }
        break;
    case kDragTracking:
        if (m_skip > 0) {
            --m_skip;
            break;
        }
        HideFeedback();
        ScrollIfOutside(devicePoint);
        if (IsDrawingMode(m_mode)) {
            if (!m_newElement) {
                m_dragState = kDragIdle;
                Release();
                break;
            }
            m_current = ClampToArea(point);
            ShowFeedback(Feedback::Outline);
        } else {
            m_current = ClampToPaper(point);
            ShowFeedback(Feedback::Band);
        }
        break;
    case kDragOnSelection:
        if (m_mode == kModeEdit || m_mode == kModeTransform) {
            if (const int mark = HitSelectionMark(m_anchor); mark != 0) {
                if (m_mode == kModeEdit) {
                    m_mode = kModeTransform;
                    m_returnToEdit = true;
                }
                GrabMark(mark);
                m_current = m_anchor;
                ShowFeedback(Feedback::TransformGhost);
                m_dragState = kDragPlacing;
                break;
            }
        }
        if (m_mode == kModeTransform) {
            m_dragState = kDragSelected;
            Release();
        } else if (IsPointOnSelection(m_anchor)) {
            if (m_mode == kModeEdit) {
                m_mode = (flags & MK_CONTROL) != 0 ? kModeCopy : kModeMove;
                m_returnToEdit = true;
                m_host.RefreshCursor();
                // CTRL chose copying here; it does not switch the grid off.
                m_anchor = SnapToGrid(m_anchor, flags & ~static_cast<UINT>(MK_CONTROL));
            } else {
                m_anchor = SnapToGrid(m_anchor, flags);
            }
            m_current = m_anchor;
            ShowFeedback(Feedback::MoveGhost);
            m_dragState = kDragPlacing;
        } else if (m_mode == kModeEdit) {
            if (!IsAdditiveSelection()) {
                Paper().DeselectAll(owner);
            }
            m_current = point;
            m_skip = 1;
            m_dragState = kDragTracking;
        } else {
            m_dragState = kDragSelected;
            Release();
        }
        break;
    case kDragPlacing:
        HideFeedback();
        ScrollIfOutside(devicePoint);
        if (m_mode == kModeTransform) {
            m_current = SnapToGrid(ClampToArea(point), flags);
            ShowFeedback(Feedback::TransformGhost);
        } else {
            const CPoint offset = KeepInArea(CPoint(point.x - m_anchor.x, point.y - m_anchor.y));
            m_current = CPoint(m_anchor.x + offset.x, m_anchor.y + offset.y);
            ShowFeedback(Feedback::MoveGhost);
        }
        break;
    default:
        break;
    }
    RefreshPrompt();
}

void CMarquellView::OnRButtonDown(UINT flags, const CPoint& devicePoint) {
    static_cast<void>(devicePoint);
    m_keys = flags;
    m_rButton = true;
    RefreshPrompt();
}

void CMarquellView::OnRButtonUp(UINT flags, const CPoint& devicePoint) {
    m_keys = flags;
    switch (m_dragState) {
    case kDragIdle:
        if ((flags & MK_SHIFT) != 0) {
            m_rButton = false;
            m_host.ShowContextMenu(devicePoint);
        } else {
            SetMode(IsDrawingMode(m_mode) ? kModeEdit : m_lastDrawMode);
        }
        m_host.RefreshCursor();
        break;
    case kDragTracking:
        if (!m_lButton) {
            HideFeedback();
            m_newElement.reset();
            m_dragState = kDragIdle;
            Release();
        }
        break;
    case kDragSelected:
        if (!m_lButton) {
            if (!IsDrawingMode(m_mode) && Paper().CountSelected() > 0) {
                Paper().DeselectAll(m_doc.GetOwner());
                m_dragState = kDragIdle;
            } else {
                m_dragState = kDragTracking;
            }
        }
        break;
    case kDragPlacing:
        if (!m_lButton) {
            EndPlacing();
        }
        break;
    default:
        break;
    }
    m_rButton = false;
    RefreshPrompt();
}

} // namespace marquell
