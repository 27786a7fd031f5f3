// How a change reaches the window: the layout built anew when the document's settings no longer
// match the snapshot, refreshed when only its period or rows moved, re-scaled with the scroll
// position following when the zoom changed, and otherwise only the part of the window that the
// hint names repainted.
#include "chart/Chart.h"
#include "chart/ChartDocument.h"
#include "document/Hint.h"
#include "document/TembraDoc.h"
#include "model/KtkmHatch.h"
#include "platform/DC.h"
#include "view/core/TembraView.h"
#include "view/core/ViewHost.h"

#include <algorithm>
#include <cstdlib>

namespace tembra {

namespace {

// The index whose percentage the zoom lies nearest to: above the middle between two entries it
// takes the upper one.
int NearestZoomIndex(int percent) {
    for (int i = CPageLayout::kZoomCount - 2; i >= 0; --i) {
        const int between =
            (CPageLayout::GetZoomPercent(i + 1) + CPageLayout::GetZoomPercent(i)) / 2;
        if (between < percent) {
            return i + 1;
        }
    }
    return 0;
}

// value x numerator / denominator, rounded, as the system's MulDiv; the value itself when the
// denominator is 0.
LONG ScaleBy(LONG value, LONG numerator, LONG denominator) {
    if (denominator == 0) {
        return value;
    }
    long long product = static_cast<long long>(value) * numerator;
    long long divisor = denominator;
    if (divisor < 0) {
        product = -product;
        divisor = -divisor;
    }
    const long long rounded =
        product >= 0 ? (product + divisor / 2) / divisor : -((-product + divisor / 2) / divisor);
    return static_cast<LONG>(rounded);
}

} // namespace

void CTembraView::OnUpdate(CView* sender, LPARAM hint, CObject* hintObject) {
    CTembraDoc* doc = GetDocument();
    if (doc == nullptr) {
        return;
    }
    if (m_bMinuteMode && doc->GetSyokiSet().GetDateUnit() != 4) {
        m_bMinuteMode = FALSE;
    }
    if (hint == kHintFromPane) {
        m_layout.Bind(this);
        if (m_layout.GetExplicitZoom() == 0) {
            m_snapshot.zoomPercent = 0;
        }
    }
    if (!m_layout.IsZoomPossible(m_layout.GetZoomIndex())) {
        m_layout.SetZoomIndex(CPageLayout::kDefaultZoomIndex);
    }

    if (hint == kHintRelayout || !SettingsMatch()) {
        Relayout();
        SetScrollSizes(GetChartScrollSize());
        TakeSnapshot();
        UpdateCommonTail(sender, hint, hintObject);
        return;
    }
    if (m_layout.GetStartDate() != m_snapshot.layoutStart ||
        m_layout.GetEndDate() != m_snapshot.layoutEnd ||
        m_layout.GetFirstRow() != m_snapshot.layoutFirstRow ||
        m_layout.GetLastRow() != m_snapshot.layoutLastRow) {
        m_snapshot.layoutStart = m_layout.GetStartDate();
        m_snapshot.layoutEnd = m_layout.GetEndDate();
        m_snapshot.layoutFirstRow = m_layout.GetFirstRow();
        m_snapshot.layoutLastRow = m_layout.GetLastRow();
        UpdateCommonTail(sender, hint, hintObject);
        return;
    }

    const int explicitZoom = m_layout.GetExplicitZoom();
    if (explicitZoom != 0 && explicitZoom != m_snapshot.zoomPercent) {
        ZoomToExplicit(hint, explicitZoom);
        return;
    }
    if (m_layout.GetZoomIndex() != m_snapshot.zoomIndex) {
        ZoomByStep(hint);
        return;
    }

    // Nothing to lay out: repaint what the hint names.
    TellOverview(sender, hint, hintObject, false);
    InvalidateHinted(hint, hintObject);
}

// The zoom the user typed or chose as a percentage: the point at its centre stays in view.
void CTembraView::ZoomToExplicit(LPARAM hint, int explicitZoom) {
    const CPoint centre = m_layout.GetZoomCenter();
    const CSize oldTotal = m_totalLog;
    m_layout.EnsureLayout();
    SetScrollSizes(GetChartScrollSize());
    if (hint != kHintFromPane) {
        ApplyZoom(hint, centre, oldTotal);
        if (m_host.GetSplitterRows() != 1 || m_host.GetSplitterColumns() != 1) {
            CopyLayoutToPanes();
        }
    }
    m_snapshot.zoomPercent = explicitZoom;
    m_layout.SetZoomIndex(NearestZoomIndex(explicitZoom));
    ZoomTail();
}

void CTembraView::ZoomByStep(LPARAM hint) {
    // A step of the zoom keeps one chart point where it is on the screen: the one under
    // the pointer for the wheel, else the one at the window's top-left corner, so that
    // the user keeps reading where he was.
    const CPoint anchor = m_zoomAnchor.value_or(CPoint(0, 0));
    m_zoomAnchor.reset();
    CPoint fixed = anchor;
    if (std::unique_ptr<CDC> dc = PreparedClientDC()) {
        dc->DPtoLP(&fixed);
    }
    const CSize oldTotal = m_totalLog;
    m_layout.EnsureLayout();
    SetScrollSizes(GetChartScrollSize());
    if (hint != kHintFromPane) {
        if (m_host.GetSplitterRows() == 1 && m_host.GetSplitterColumns() == 1) {
            fixed.x = ScaleBy(fixed.x, m_totalLog.cx, oldTotal.cx);
            fixed.y = ScaleBy(fixed.y, m_totalLog.cy, oldTotal.cy);
            KeepPointAt(fixed, anchor);
        } else {
            CopyLayoutToPanes();
        }
    }
    m_snapshot.zoomIndex = m_layout.GetZoomIndex();
    ZoomTail();
}

// Invalidates what the hint names: the header, the item column, a band of rows and dates, a
// rectangle, or one object; everything when the hint names nothing this view knows.
void CTembraView::InvalidateHinted(LPARAM hint, CObject* hintObject) {
    if (hintObject == nullptr) {
        if (hint == kHintHeader) {
            if (m_layout.GetOutputMode() != 0 || m_layout.GetHeader() == nullptr) {
                return;
            }
            std::unique_ptr<CDC> dc = PreparedClientDC();
            if (!dc) {
                return;
            }
            const CRect areas[] = {m_layout.GetRect(), m_layout.GetFixedBodyRect(),
                                   m_layout.GetLeftArea(), m_layout.GetRightArea()};
            for (std::size_t i = 0; i < std::size(areas); ++i) {
                CRect r = areas[i];
                r.NormalizeRect();
                if (i > 0 && r.IsRectEmpty()) {
                    continue;
                }
                r = areas[i];
                dc->LPtoDP(&r);
                r.NormalizeRect();
                m_host.InvalidateRect(&r, true);
            }
        } else if (hint == kHintKoumoku) {
            CRect items = m_layout.GetKoumokuRect();
            items.top = m_layout.GetBodyRect().top;
            if (std::unique_ptr<CDC> dc = PreparedClientDC()) {
                dc->LPtoDP(&items);
                items.NormalizeRect();
                m_host.InvalidateRect(&items, true);
            }
        } else {
            m_host.InvalidateRect(nullptr, true);
        }
        return;
    }
    if (auto* h = dynamic_cast<CHint*>(hintObject)) {
        std::unique_ptr<CDC> dc = PreparedClientDC();
        if (!dc) {
            return;
        }
        if (hint == kHintBand) {
            CChartPos band;
            band.SetStartDate(CTime(h->m_range.left));
            band.SetEndDate(CTime(h->m_range.right));
            band.SetStartRow(static_cast<WORD>(h->m_range.top));
            band.SetEndRow(static_cast<WORD>(h->m_range.bottom));
            InvalidateUnion(m_layout.GetLineRect(dc.get(), band, TRUE));
        } else if (hint == kHintRect) {
            CRect r = m_layout.ScaleRect(h->m_rect);
            dc->LPtoDP(&r);
            r.NormalizeRect();
            InvalidateUnion(r);
        }
        return;
    }
    if (auto* hatch = dynamic_cast<CKtkmHatch*>(hintObject)) {
        std::unique_ptr<CDC> dc = PreparedClientDC();
        if (dc) {
            CRect r;
            m_layout.GetObjectRect(r, dc.get(), *hatch, TRUE);
            r.NormalizeRect();
            InvalidateUnion(r);
        }
        return;
    }
    if (auto* record = dynamic_cast<CDataHeader*>(hintObject)) {
        InvalidateObject(record);
        return;
    }
    m_host.InvalidateRect(nullptr, true);
}

void CTembraView::Relayout() {
    const CPrHeader* header = m_layout.GetHeader();
    // The display options are the user's choice for this window, not the settings': a new
    // layout keeps them.
    const BOOL simpleText = m_layout.IsSimpleText();
    const BOOL linkMarks = m_layout.IsHyperlinkMark();
    const int shigenMode = m_layout.GetShigenDispMode();
    const BOOL shigenCentered = m_layout.IsShigenCentered();
    m_layout.Init(this);
    m_layout.SetSimpleText(simpleText);
    m_layout.SetHyperlinkMark(linkMarks);
    m_layout.SetShigenDispMode(shigenMode);
    m_layout.SetShigenCentered(shigenCentered);
    if (header != nullptr) {
        m_layout.SetHeader(header);
        m_layout.RecalcLayout();
    }
}

void CTembraView::UpdateCommonTail(CView* sender, LPARAM hint, CObject* hintObject) {
    if (hint != kHintFromPane && m_host.IsSplitterPane()) {
        CopyLayoutToPanes();
    }
    CTembraDoc* doc = GetDocument();
    if (doc->GetResourceCharts().GetChartCount() > 0) {
        if (IChartDocument* charts = DocumentSeam<IChartDocument>(doc)) {
            for (POSITION pos = doc->GetResourceCharts().GetHeadChartPosition(); pos != nullptr;) {
                if (CChart* chart = doc->GetResourceCharts().GetNextChart(pos)) {
                    chart->BuildShapes(*charts, m_layout);
                }
            }
        }
    }
    m_layout.RebuildScale();
    m_host.InvalidateRect(nullptr, true);
    TellOverview(sender, hint, hintObject, false);
}

void CTembraView::ApplyZoom(LPARAM hint, CPoint centre, const CSize& oldTotal) {
    static_cast<void>(hint);
    // An axis whose old size was 0 keeps its centre as it was.
    centre.x = ScaleBy(centre.x, m_totalLog.cx, oldTotal.cx);
    centre.y = ScaleBy(centre.y, m_totalLog.cy, oldTotal.cy);
    const CRect client = GetClientLogicalRect();
    const CRect page = m_layout.GetPageRect();
    CPoint target(centre.x - std::abs(client.Width()) / 2,
                  centre.y + std::abs(client.Height()) / 2);
    if (std::abs(client.Width()) >= std::abs(page.Width())) {
        target.x = page.left;
    }
    if (std::abs(client.Height()) >= std::abs(page.Height())) {
        target.y = page.top;
    }
    ScrollToPosition(target);
}

void CTembraView::ZoomTail() {
    GetDocument()->GetShapes().InvalidateTextZukei();
    m_host.UpdateScrollBars();
    m_host.InvalidateRect(nullptr, true);
    TellOverview(this, kHintPosition, nullptr, true);
}

void CTembraView::InvalidateUnion(CRect deviceRect) {
    deviceRect.NormalizeRect();
    CRect pending;
    if (m_host.GetUpdateRect(pending)) {
        m_host.ValidateRect(pending);
        CRect joined;
        joined.UnionRect(pending, deviceRect);
        deviceRect = joined;
    }
    m_host.InvalidateRect(&deviceRect, true);
}

void CTembraView::InvalidateObject(CDataHeader* object) {
    std::unique_ptr<CDC> dc = PreparedClientDC();
    if (!dc) {
        return;
    }
    if (m_layout.IsScrolledDown()) {
        m_layout.SetClipPass(TRUE);
        CRect bounds = m_layout.GetObjectBounds(dc.get(), object, 1);
        CRect band = m_layout.GetKouteiGridRect();
        m_layout.SetClipPass(FALSE);
        dc->LPtoDP(&band);
        band.NormalizeRect();
        bounds.NormalizeRect();
        CRect clipped;
        if (clipped.IntersectRect(bounds, band)) {
            InvalidateUnion(clipped);
        }
    }
    InvalidateUnion(m_layout.GetObjectBounds(dc.get(), object, 1));
}

void CTembraView::CopyLayoutToPanes() {
    if (!m_host.IsSplitterPane()) {
        return;
    }
    for (const SplitterPane& pane : m_host.GetOtherPanes()) {
        if (pane.view == nullptr || pane.view == this) {
            continue;
        }
        pane.view->m_layout = m_layout;
        pane.view->OnUpdate(this, kHintFromPane, nullptr);
    }
}

} // namespace tembra
