// The view's construction, its initial update, the scroll state and the background of a paint.
#include "view/core/TembraView.h"

#include "chart/Chart.h"
#include "document/TembraDoc.h"
#include "model/Event.h"
#include "model/Koutei.h"
#include "model/LayerSet.h"
#include "model/Yogo.h"
#include "platform/DC.h"
#include "platform/GdiObjects.h"
#include "render/KouteiLabels.h"
#include "shapes/Zukei.h"
#include "view/core/EditGesture.h"
#include "view/core/EventDragGesture.h"
#include "view/core/KoumokuGesture.h"
#include "view/core/KouteiDragGesture.h"
#include "view/core/ShincyokuGesture.h"
#include "view/core/StatusBar.h"
#include "view/core/ViewHost.h"
#include "view/core/YogoGesture.h"

#include <algorithm>

namespace tembra {

namespace {

CRect Normalized(CRect r) {
    r.NormalizeRect();
    return r;
}

} // namespace

CTembraView::CTembraView(IViewHost& host)
    : m_host(host), m_kouteiDrag(std::make_unique<CKouteiDragGesture>(*this)),
      m_yogo(std::make_unique<CYogoGesture>(*this)),
      m_eventDrag(std::make_unique<CEventDragGesture>(*this)),
      m_shincyoku(std::make_unique<CShincyokuGesture>(*this)),
      m_koumoku(std::make_unique<CKoumokuGesture>(*this)) {
    // The process functions are the view's own; the other modes register theirs.
    SetEditFunction(EditSlot::KouteiDraw, [this](CDC* dc) { return TrackKouteiDraw(dc); });
    SetEditFunction(EditSlot::KouteiPick, [this](CDC* dc) { return TrackSelectKoutei(dc); });
    SetEditFunction(EditSlot::KouteiCopyMove, [this](CDC* dc) { return TrackMoveKoutei(dc); });
    SetEditFunction(EditSlot::YogoDraw, [this](CDC* dc) {
        const MouseTrackScope scope(*this, MouseFamily::Term);
        return m_yogo->Draw(dc);
    });
    SetEditFunction(EditSlot::YogoEdit, [this](CDC* dc) {
        const MouseTrackScope scope(*this, MouseFamily::Term);
        return m_yogo->Edit(dc);
    });
    SetEditFunction(EditSlot::YogoCopyMove, [this](CDC* dc) {
        const MouseTrackScope scope(*this, MouseFamily::Term);
        return m_yogo->CopyMove(dc);
    });
    SetEditFunction(EditSlot::ShigenDraw, [this](CDC* dc) { return AttachResource(dc); });
    SetEditFunction(EditSlot::ShigenEdit, [this](CDC* dc) { return PickResource(dc); });
    SetEditFunction(EditSlot::ShigenCopyMove, [this](CDC* dc) { return TransferResource(dc); });
    SetEditFunction(EditSlot::EventInput, [this](CDC* dc) { return TrackEventInput(dc); });
    SetEditFunction(EditSlot::EventSelect, [this](CDC* dc) { return TrackSelectEvent(dc); });
    SetEditFunction(EditSlot::EventCopyMove, [this](CDC* dc) { return m_eventDrag->Track(dc); });
    SetEditFunction(EditSlot::Shincyoku, [this](CDC* dc) { return m_shincyoku->Track(dc); });
    m_hoverEvent.erase = [this](CDC* dc) { DrawEventFrame(dc, 0); };
    SetEditFunction(EditSlot::ZukeiDraw, [this](CDC* dc) { return ZukeiDraw(dc); });
    SetEditFunction(EditSlot::ZukeiEdit, [this](CDC* dc) { return ZukeiEdit(dc); });
    SetEditFunction(EditSlot::ZukeiCopyMove, [this](CDC* dc) { return ZukeiCopyMove(dc); });
    SetEditFunction(EditSlot::ZukeiDeform, [this](CDC* dc) { return ZukeiDeform(dc); });
    SetEditFunction(EditSlot::ItemCellInput, [this](CDC* dc) { return m_koumoku->CellInput(dc); });
    SetEditFunction(EditSlot::TrackItemArea, [this](CDC* dc) { return m_koumoku->TrackArea(dc); });
    SetEditFunction(EditSlot::ChartEdit, [this](CDC* dc) { return ChartModeAction(dc); });
    SetEditFunction(EditSlot::ChartCopyMove, [this](CDC* dc) { return ChartBoxMoveAction(dc); });
    SetEditFunction(EditSlot::ChartTransform, [this](CDC* dc) { return ChartBoxResizeAction(dc); });
}

CTembraView::~CTembraView() {
    // A gesture still running ends with the view: its capture goes, its half-made object too.
    if (m_gesture != nullptr) {
        m_gesture->Abort(nullptr);
    }
    // A process drag that previewed its move in the document puts the processes back.
    m_kouteiDrag->PutBack();
    // A progress line copy being edited lived only for the gesture.
    m_shincyoku->DropCopy();
    if (GetDocument() != nullptr) {
        GetDocument()->RemoveView(this);
    }
}

void CTembraView::SetDocument(CTembraDoc& document) {
    document.AddView(this);
}

CTembraDoc* CTembraView::GetDocument() const {
    return static_cast<CTembraDoc*>(CView::GetDocument());
}

// ---- What the painters, shapes and the document ask
// ----------------------------------------------

IPageLayoutDocument* CTembraView::GetLayoutDocument() const {
    return DocumentSeam<IPageLayoutDocument>(CView::GetDocument());
}

int CTembraView::GetSelCount() const {
    return GetDocument() != nullptr ? GetDocument()->GetSelCount() : 0;
}

const CDataHeader* CTembraView::GetFirstSel() const {
    CTembraDoc* doc = GetDocument();
    return doc != nullptr && doc->GetSelCount() > 0 ? doc->GetFirstSel() : nullptr;
}

void CTembraView::UpdateAllViews(CObject* hint) {
    if (GetDocument() != nullptr) {
        GetDocument()->UpdateAllViews(nullptr, 0, hint);
    }
}

// ---- Initial update ---------------------------------------------------------------------------

void CTembraView::OnInitialUpdate() {
    CTembraDoc* doc = GetDocument();
    m_layout.Init(this);
    m_bCenter = true;

    // Another view of the same chart lends its layout: the first pane of this window's
    // splitter, else the document's first view (a new window on the chart).
    CTembraView* other = nullptr;
    if (m_host.IsSplitterPane()) {
        for (const SplitterPane& pane : m_host.GetOtherPanes()) {
            if (pane.row == 0 && pane.column == 0 && pane.view != this) {
                other = pane.view;
            }
        }
    }
    if (other == nullptr && doc != nullptr) {
        for (CView* view : doc->GetViews()) {
            if (view != this) {
                other = dynamic_cast<CTembraView*>(view);
                break;
            }
        }
    }
    const bool oneByOne = m_host.GetSplitterRows() == 1 && m_host.GetSplitterColumns() == 1;
    CPoint otherPosition;
    if (other != nullptr) {
        otherPosition = other->GetScrollPosition();
        m_layout = other->m_layout;
        m_layout.Bind(this);
        if (!oneByOne) {
            m_bCenter = false;
            other->m_bCenter = false;
        }
        m_layout.RebuildScale();
    }

    SetScrollSizes(GetChartScrollSize());

    if (other != nullptr && m_host.IsSplitterPane()) {
        const int row = m_host.GetPaneRow();
        const int column = m_host.GetPaneColumn();
        const CRect process = m_layout.GetKouteiRect();
        if (column > 0 && row == 0) {
            other->ScrollToPosition(CPoint(0, 0));
            ScrollToPosition(CPoint(process.left, otherPosition.y));
        } else if (row > 0 && column == 0) {
            other->ScrollToPosition(CPoint(0, 0));
            ScrollToPosition(CPoint(otherPosition.x, process.top));
        } else if (row > 0 && column > 0) {
            ScrollToPosition(CPoint(process.left, process.top));
        }
    }

    m_host.ResizeParentToFit(m_totalDev);
    TakeSnapshot();
    m_bZoomFit = FALSE;
    m_bHourMode = FALSE;
    m_bMinuteMode = FALSE;
    m_host.InvalidateRect(nullptr, true);
}

void CTembraView::TakeSnapshot() {
    Snapshot s;
    if (const CTembraDoc* doc = GetDocument()) {
        const CSyokiSet& set = doc->GetSyokiSet();
        s.nobeMode = set.GetNobeMode();
        s.paper = set.GetPageSetting().GetPaper();
        s.layoutFile = set.GetPath().GetLayoutFileName();
        s.startDate = set.GetStartDate();
        s.endDate = set.GetEndDate();
        s.maeYohaku = set.GetMaeYohaku();
        s.atoYohaku = set.GetAtoYohaku();
        s.nobeOffset = set.GetNobeOffset();
        s.nobeOrigin = set.GetNobeOrigin();
        s.firstRow = set.GetFirstRow();
        s.lastRow = set.GetLastRow();
        for (std::size_t i = 0; i < s.layoutWords.size(); ++i) {
            s.layoutWords[i] = set.GetLayoutWord(static_cast<int>(i));
        }
    }
    s.zoomIndex = m_layout.GetZoomIndex();
    s.zoomPercent = m_layout.GetExplicitZoom();
    s.layoutStart = m_layout.GetStartDate();
    s.layoutEnd = m_layout.GetEndDate();
    s.layoutFirstRow = m_layout.GetFirstRow();
    s.layoutLastRow = m_layout.GetLastRow();
    m_snapshot = s;
}

bool CTembraView::SettingsMatch() const {
    const CTembraDoc* doc = GetDocument();
    if (doc == nullptr) {
        return true;
    }
    const CSyokiSet& set = doc->GetSyokiSet();
    const Snapshot& s = m_snapshot;
    bool same = s.nobeMode == set.GetNobeMode() && s.paper == set.GetPageSetting().GetPaper() &&
                s.layoutFile == set.GetPath().GetLayoutFileName() &&
                s.startDate == set.GetStartDate() && s.endDate == set.GetEndDate() &&
                s.maeYohaku == set.GetMaeYohaku() && s.atoYohaku == set.GetAtoYohaku() &&
                s.nobeOffset == set.GetNobeOffset() && s.nobeOrigin == set.GetNobeOrigin() &&
                s.firstRow == set.GetFirstRow() && s.lastRow == set.GetLastRow();
    for (std::size_t i = 0; same && i < s.layoutWords.size(); ++i) {
        same = s.layoutWords[i] == set.GetLayoutWord(static_cast<int>(i));
    }
    return same;
}

void CTembraView::OnActivateView(bool active) {
    if (active) {
        TellOverview(this, kHintActiveView, nullptr, false);
    }
}

// ---- Scrolling -------------------------------------------------------------------------------

CSize CTembraView::GetChartScrollSize() const {
    // The page from the origin of the logical plane: the paper's corner (or, with the print
    // header shown, the header's) lies at the origin. The paper itself is not what is drawn:
    // from A3 on its extents are those that bound the zoom levels, far larger than the sheet,
    // and scrolling over them would show nothing but the workspace below the page.
    const CRect page = Normalized(m_layout.GetPageRect());
    const LONG right = std::max(page.right, LONG{0});
    const LONG bottom = std::min(page.top, LONG{0});
    return CSize(right, -bottom);
}

CSize CTembraView::ToDevice(const CSize& logical) const {
    std::unique_ptr<CDC> dc = m_host.GetClientDC();
    if (!dc) {
        return logical;
    }
    dc->SetMapMode(MM_LOMETRIC);
    CSize size = logical;
    dc->LPtoDP(&size);
    return CSize(std::abs(size.cx), std::abs(size.cy));
}

void CTembraView::SetScrollSizes(const CSize& totalLogical) {
    m_totalLog = CSize(std::abs(totalLogical.cx), std::abs(totalLogical.cy));
    m_totalDev = ToDevice(m_totalLog);
    ClampScroll();
    m_host.UpdateScrollBars();
}

void CTembraView::ClampScroll() {
    const CSize client = m_host.GetClientSize();
    const LONG maxX = std::max<LONG>(0, m_totalDev.cx - client.cx);
    const LONG maxY = std::max<LONG>(0, m_totalDev.cy - client.cy);
    m_scrollDev.x = std::clamp<LONG>(m_scrollDev.x, 0, maxX);
    m_scrollDev.y = std::clamp<LONG>(m_scrollDev.y, 0, maxY);
}

CPoint CTembraView::GetScrollPosition() const {
    std::unique_ptr<CDC> dc = m_host.GetClientDC();
    CPoint p = m_scrollDev;
    if (dc) {
        dc->SetMapMode(MM_LOMETRIC);
        dc->DPtoLP(&p);
    }
    return p;
}

void CTembraView::ScrollToPosition(const CPoint& logical) {
    std::unique_ptr<CDC> dc = m_host.GetClientDC();
    CPoint p = logical;
    if (dc) {
        dc->SetMapMode(MM_LOMETRIC);
        dc->LPtoDP(&p);
    }
    const CPoint before = m_scrollDev;
    m_scrollDev = p;
    ClampScroll();
    m_host.UpdateScrollBars();
    if (m_scrollDev != before) {
        m_host.InvalidateRect(nullptr, true);
    }
}

void CTembraView::KeepPointAt(const CPoint& logical, const CPoint& devicePoint) {
    CPoint p = logical;
    if (std::unique_ptr<CDC> dc = m_host.GetClientDC()) {
        dc->SetMapMode(MM_LOMETRIC);
        dc->LPtoDP(&p);
    }
    const CPoint before = m_scrollDev;
    m_scrollDev = CPoint(p.x - devicePoint.x, p.y - devicePoint.y);
    ClampScroll();
    m_host.UpdateScrollBars();
    if (m_scrollDev != before) {
        m_host.InvalidateRect(nullptr, true);
    }
}

void CTembraView::OnScroll(const CPoint& devicePosition) {
    const CPoint before = m_scrollDev;
    m_scrollDev = devicePosition;
    ClampScroll();
    if (m_scrollDev != before) {
        m_host.InvalidateRect(nullptr, true);
        TellOverview(this, kHintPosition, nullptr, true);
    }
}

void CTembraView::OnSize() {
    // The window joined to one pane again: a chart smaller than it is centred again.
    if (m_host.IsSplitterPane() && m_host.GetPaneRow() == 0 && m_host.GetPaneColumn() == 0 &&
        m_host.GetSplitterRows() == 1 && m_host.GetSplitterColumns() == 1) {
        m_bCenter = true;
    }
    ClampScroll();
    m_host.UpdateScrollBars();
    m_host.InvalidateRect(nullptr, true);
    TellOverview(this, kHintPosition, nullptr, false);
}

void CTembraView::OnPrepareDC(CDC* dc) const {
    dc->SetMapMode(MM_LOMETRIC);
    if (dc->IsPrinting()) {
        return;
    }
    CPoint origin(-m_scrollDev.x, -m_scrollDev.y);
    if (m_bCenter) {
        const CSize client = m_host.GetClientSize();
        if (m_totalDev.cx < client.cx) {
            origin.x = (client.cx - m_totalDev.cx) / 2;
        }
        if (m_totalDev.cy < client.cy) {
            origin.y = (client.cy - m_totalDev.cy) / 2;
        }
    }
    dc->SetViewportOrg(origin);
}

std::unique_ptr<CDC> CTembraView::PreparedClientDC() const {
    std::unique_ptr<CDC> dc = m_host.GetClientDC();
    if (dc) {
        OnPrepareDC(dc.get());
    }
    return dc;
}

CRect CTembraView::GetClientLogicalRect() const {
    const CSize client = m_host.GetClientSize();
    CRect r(0, 0, client.cx, client.cy);
    if (std::unique_ptr<CDC> dc = PreparedClientDC()) {
        dc->DPtoLP(&r);
    }
    return r;
}

void CTembraView::TellOverview(CView* sender, LPARAM hint, CObject* hintObject, bool repaint) {
    if (IFloatOverview* overview = m_host.GetOverview()) {
        overview->UpdateFloatView(sender, hint, hintObject);
        if (repaint) {
            overview->RepaintNow();
        }
    }
}

// ---- Painting ---------------------------------------------------------------------------------

void CTembraView::OnPaint(CDC* dc) {
    OnEraseBkgnd(dc);
    OnPrepareDC(dc);
    OnDraw(dc);
    // The paint drew its part afresh, without the inverted arms of the cross-hair; inverting
    // them there again (the paint is clipped to its part) shows them whole.
    if (m_cross.shown) {
        DrawCrossArms(dc);
    }
}

BOOL CTembraView::OnEraseBkgnd(CDC* dc) {
    CRect clip;
    dc->GetClipBox(&clip);
    clip.NormalizeRect();
    CRect page = m_layout.GetPageRect();
    if (std::unique_ptr<CDC> client = PreparedClientDC()) {
        client->LPtoDP(&page);
    }
    page.NormalizeRect();
    CRect inside;
    inside.IntersectRect(page, clip);
    if (inside != clip) {
        CBrush workspace;
        workspace.CreateSolidBrush(m_host.GetWorkspaceColor());
        CBrush* old = dc->SelectObject(&workspace);
        dc->PatBlt(clip.left, clip.top, clip.Width(), clip.Height(), PATCOPY);
        dc->SelectObject(old);
    }
    return TRUE;
}

} // namespace tembra
