#include "view/core/FloatView.h"

#include "document/Hint.h"
#include "document/TembraCntrItem.h"
#include "document/TembraDoc.h"
#include "model/ConfigBase.h"
#include "model/DataHeader.h"
#include "model/KtkmHatch.h"
#include "platform/DC.h"
#include "platform/GdiObjects.h"
#include "view/core/FloatViewHost.h"
#include "view/core/TembraView.h"
#include "view/core/ViewHost.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace tembra {

namespace {

// Containment as the overview tests it: x in [left, right), y in (bottom, top].
bool Contains(const CRect& r, const CPoint& p) {
    return p.x >= r.left && p.x < r.right && p.y > r.bottom && p.y <= r.top;
}

CRect Normalized(CRect r) {
    r.NormalizeRect();
    return r;
}

// A logical rectangle (top above bottom) clipped to the page.
CRect ClipToPage(CRect r, const CRect& page) {
    r.left = std::max(r.left, page.left);
    r.top = std::min(r.top, page.top);
    r.right = std::min(r.right, page.right);
    r.bottom = std::max(r.bottom, page.bottom);
    return r;
}

LONG Scale(LONG v, double factor) {
    return static_cast<LONG>(std::trunc(v * factor));
}

CRect ScaleRect(const CRect& r, double factor) {
    return CRect(Scale(r.left, factor), Scale(r.top, factor), Scale(r.right, factor),
                 Scale(r.bottom, factor));
}

bool IsMoveMode(int mode) {
    return mode == CFloatView::kZoneBody ||
           (mode >= CFloatView::kZoneLeft && mode <= CFloatView::kZoneBottom);
}

bool IsResizeMode(int mode) {
    return mode >= CFloatView::kZoneTopLeft && mode <= CFloatView::kZoneTopRight;
}

bool ScrollWithFrame() {
    const CConfigBase* config = GetAppConfig();
    return config != nullptr && config->GetTemWithFlt() != 0;
}

// The ring between a device rectangle grown and shrunk by the width, as four strips.
void AddRing(std::vector<CRect>& strips, const CRect& device, int width) {
    CRect outer = device;
    outer.InflateRect(width, width);
    CRect inner = device;
    inner.DeflateRect(width, width);
    if (inner.IsRectEmpty()) {
        strips.push_back(outer);
        return;
    }
    strips.emplace_back(outer.left, outer.top, outer.right, inner.top);
    strips.emplace_back(outer.left, inner.bottom, outer.right, outer.bottom);
    strips.emplace_back(outer.left, inner.top, inner.left, inner.bottom);
    strips.emplace_back(inner.right, inner.top, outer.right, inner.bottom);
}

} // namespace

struct CFloatView::Fitted {
    CPageLayout layout;
    std::unique_ptr<CDC> dc;
    CRect page;
    CPoint ToLogical(const CPoint& device) const {
        CPoint p = device;
        dc->DPtoLP(&p);
        return p;
    }
};

CFloatView::CFloatView(IFloatViewHost& host) : m_host(host) {}

CFloatView::~CFloatView() = default;

// ---- The rules --------------------------------------------------------------------------------

bool CFloatView::FitLayout(CDC* dc, const CSize& clientSize, CPageLayout& layout,
                           IPageLayoutView* overview) {
    dc->SetMapMode(MM_LOMETRIC);
    dc->SetWindowOrg(0, 0);
    CRect client(0, 0, clientSize.cx, clientSize.cy);
    dc->DPtoLP(&client);

    layout.SetZoomIndex(CPageLayout::kDefaultZoomIndex);
    layout.SetZoomPercent(0);
    layout.EnsureLayout();
    CRect page = layout.GetPageRect();
    // A page without extent on an axis fits nowhere (and would divide by zero).
    if (page.right <= 0 || page.bottom >= 0) {
        return false;
    }
    const int zx = static_cast<int>(
        std::trunc((client.right - kFitMargin) / static_cast<double>(page.right) * 100 + 0.5));
    const int zy = static_cast<int>(
        std::trunc((client.bottom + kFitMargin) / static_cast<double>(page.bottom) * 100 + 0.5));
    const int zoom = std::min(zx, zy);
    if (zoom <= 0) {
        return false;
    }
    layout.SetZoomPercent(zoom);
    layout.EnsureLayout();
    layout.SetOverview(TRUE);
    layout.SetOverviewView(overview);
    page = layout.GetPageRect();
    dc->SetWindowOrg((page.right - client.right) / 2, (page.bottom - client.bottom) / 2);
    return true;
}

int CFloatView::HitTestFrame(const CRect& frame, const CRect& page, const CPoint& point) {
    const LONG l = frame.left;
    const LONG t = frame.top;
    const LONG r = frame.right;
    const LONG b = frame.bottom;
    if (!Contains(CRect(l - 2, t + 2, r + 2, b - 2), point)) {
        return Contains(page, point) ? kZonePage : kZoneNone;
    }
    if (Contains(CRect(l + 10, t - 10, r - 10, b + 10), point)) {
        return kZoneBody;
    }
    struct Area {
        int zone;
        CRect rect;
    };
    const Area areas[] = {
        {kZoneTopLeft, CRect(l - 2, t + 2, l + 20, t - 20)},
        {kZoneBottomRight, CRect(r - 20, b + 20, r + 2, b - 2)},
        {kZoneBottomLeft, CRect(l - 2, b + 20, l + 20, b - 2)},
        {kZoneTopRight, CRect(r - 20, t + 2, r + 2, t - 20)},
        {kZoneLeft, CRect(l - 2, t - 20, l + 10, b + 20)},
        {kZoneRight, CRect(r - 10, t - 20, r + 2, b + 20)},
        {kZoneTop, CRect(l + 20, t + 2, r - 20, t - 10)},
        {kZoneBottom, CRect(l + 20, b + 10, r - 20, b - 2)},
    };
    for (const Area& a : areas) {
        if (Contains(a.rect, point)) {
            return a.zone;
        }
    }
    return kZoneNone;
}

CRect CFloatView::CalcFrameRect(const CTembraView& view, const CPageLayout& fitted) {
    const int viewZoom = view.GetPageLayout().GetZoom();
    const double factor = viewZoom > 0 ? fitted.GetZoom() / static_cast<double>(viewZoom) : 0.0;
    return ClipToPage(ScaleRect(view.GetClientLogicalRect(), factor), fitted.GetPageRect());
}

// ---- The view tracked -------------------------------------------------------------------------

void CFloatView::ForgetView(const CView* view) {
    if (view == nullptr || view != static_cast<const CView*>(m_view)) {
        return;
    }
    if (m_host.HasCapture()) {
        m_host.ReleaseCapture();
    }
    m_view = nullptr;
    m_frame = CRect();
    InvalidateAll();
}

IPageLayoutDocument* CFloatView::GetLayoutDocument() const {
    return m_view != nullptr ? m_view->GetLayoutDocument() : nullptr;
}

std::unique_ptr<CFloatView::Fitted> CFloatView::Fit() {
    if (m_view == nullptr) {
        return nullptr;
    }
    auto fitted = std::make_unique<Fitted>();
    fitted->dc = m_host.GetClientDC();
    if (!fitted->dc) {
        return nullptr;
    }
    fitted->layout = m_view->GetPageLayout();
    if (!FitLayout(fitted->dc.get(), m_host.GetClientSize(), fitted->layout, this)) {
        return nullptr;
    }
    fitted->page = fitted->layout.GetPageRect();
    return fitted;
}

double CFloatView::ToView(const Fitted& fitted) const {
    const int fittedZoom = fitted.layout.GetZoom();
    return fittedZoom > 0 ? m_view->GetPageLayout().GetZoom() / static_cast<double>(fittedZoom)
                          : 0.0;
}

// ---- Drawing ----------------------------------------------------------------------------------

bool CFloatView::DrawChart(CDC* dc) {
    if (m_view == nullptr || m_view->GetDocument() == nullptr) {
        m_host.SetCaption(std::string());
        return false;
    }
    m_host.SetCaption(m_view->GetDocument()->GetTitle());
    CPageLayout fitted = m_view->GetPageLayout();
    if (!FitLayout(dc, m_host.GetClientSize(), fitted, this)) {
        return false;
    }
    // The chart view draws its chart through the fitted layout, exactly as on its own window,
    // and gets its own layout back whatever happens.
    class Lend {
    public:
        Lend(CTembraView& view, const CPageLayout& fitted)
            : m_view(view), m_saved(view.GetPageLayout()) {
            m_view.GetLayout() = fitted;
        }
        ~Lend() { m_view.GetLayout() = m_saved; }
        Lend(const Lend&) = delete;
        Lend& operator=(const Lend&) = delete;

    private:
        CTembraView& m_view;
        CPageLayout m_saved;
    };
    const Lend lend(*m_view, fitted);
    m_view->OnDraw(dc);
    return true;
}

void CFloatView::DrawFrame(CDC* dc) {
    if (m_view == nullptr) {
        return;
    }
    const int saved = dc->SaveDC();
    CPageLayout fitted = m_view->GetPageLayout();
    if (FitLayout(dc, m_host.GetClientSize(), fitted, this)) {
        m_frame = CalcFrameRect(*m_view, fitted);
        CRect device = m_frame;
        dc->LPtoDP(&device);
        device.NormalizeRect();
        device.InflateRect(kFrameWidth, kFrameWidth);
        CRect box;
        dc->GetClipBox(&box);
        dc->LPtoDP(&box);
        box.NormalizeRect();
        CRect meet;
        if (box.IsRectEmpty() || meet.IntersectRect(box, device)) {
            CPen pen(PS_SOLID, kFrameWidth, kFrameColor);
            dc->SelectObject(&pen);
            dc->SelectStockObject(NULL_BRUSH);
            dc->SetROP2(R2_COPYPEN);
            dc->Rectangle(&m_frame);
        }
    }
    dc->RestoreDC(saved);
}

void CFloatView::DrawFeedback(CDC* dc, const CRect& rect) {
    const int saved = dc->SaveDC();
    CPen pen(PS_SOLID, kFrameWidth, kFrameColor);
    dc->SelectObject(&pen);
    dc->SelectStockObject(NULL_BRUSH);
    dc->SetROP2(R2_NOT);
    dc->Rectangle(&rect);
    dc->RestoreDC(saved);
}

CFloatView::ChartKey CFloatView::GetChartKey() const {
    ChartKey key;
    key.generation = m_generation;
    key.client = m_host.GetClientSize();
    if (m_view == nullptr) {
        return key;
    }
    const CPageLayout& layout = m_view->GetPageLayout();
    if (const CTembraDoc* doc = m_view->GetDocument()) {
        key.document = doc;
        key.documentUpdates = doc->GetUpdateCount();
    }
    key.start = layout.GetStartDate().GetTime();
    key.end = layout.GetEndDate().GetTime();
    key.firstRow = layout.GetFirstRow();
    key.lastRow = layout.GetLastRow();
    key.header = layout.GetHeader();
    return key;
}

// ---- Updates ----------------------------------------------------------------------------------

void CFloatView::InvalidateAll() {
    ++m_generation;
    m_host.InvalidateRect(nullptr, true);
}

void CFloatView::InvalidateJoined(CRect deviceRect) {
    ++m_generation;
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

void CFloatView::InvalidateRings(CDC* dc, const CRect& oldFrame, const CRect& newFrame) {
    std::vector<CRect> strips;
    for (const CRect& frame : {oldFrame, newFrame}) {
        if (frame.IsRectNull()) {
            continue;
        }
        CRect device = frame;
        dc->LPtoDP(&device);
        device.NormalizeRect();
        AddRing(strips, device, kRingWidth);
    }
    for (const CRect& strip : strips) {
        m_host.InvalidateRect(&strip, true);
    }
}

void CFloatView::InvalidateObject(const Fitted& fitted, CObject* object) {
    CDC* dc = fitted.dc.get();
    const CPageLayout& layout = fitted.layout;
    if (const auto* item = dynamic_cast<const CTembraCntrItem*>(object)) {
        InvalidateJoined(layout.GetCntrItemRect(dc, *item, TRUE));
    } else if (auto* record = dynamic_cast<CDataHeader*>(object)) {
        if (layout.IsScrolledDown()) {
            CPageLayout clipped = layout;
            clipped.SetClipPass(TRUE);
            InvalidateJoined(clipped.GetObjectBounds(dc, record, 1));
        }
        InvalidateJoined(layout.GetObjectBounds(dc, record, 1));
    } else if (auto* hatch = dynamic_cast<CKtkmHatch*>(object)) {
        CRect r;
        layout.GetObjectRect(r, dc, *hatch, TRUE);
        InvalidateJoined(r);
    } else {
        InvalidateAll();
    }
}

void CFloatView::OnUpdate(CView* sender, LPARAM hint, CObject* hintObject) {
    if (hintObject != nullptr) {
        if (m_view == nullptr) {
            return;
        }
        const std::unique_ptr<Fitted> fitted = Fit();
        if (!fitted) {
            InvalidateAll();
            return;
        }
        if (auto* h = dynamic_cast<CHint*>(hintObject)) {
            if (hint == kHintRect) {
                CRect r = fitted->layout.ScaleRect(h->m_rect);
                fitted->dc->LPtoDP(&r);
                InvalidateJoined(r);
                return;
            }
            if (hint == kHintBand) {
                CChartPos band;
                band.SetStartDate(CTime(h->m_range.left));
                band.SetEndDate(CTime(h->m_range.right));
                band.SetStartRow(static_cast<WORD>(h->m_range.top));
                band.SetEndRow(static_cast<WORD>(h->m_range.bottom));
                InvalidateJoined(fitted->layout.GetLineRect(fitted->dc.get(), band, TRUE));
                return;
            }
            InvalidateAll();
            return;
        }
        InvalidateObject(*fitted, hintObject);
        return;
    }
    switch (hint) {
    case kHintHeader: {
        const std::unique_ptr<Fitted> fitted = Fit();
        if (!fitted) {
            InvalidateAll();
            return;
        }
        const CPageLayout& layout = fitted->layout;
        if (layout.GetOutputMode() != 0 || layout.GetHeader() == nullptr) {
            return;
        }
        const CRect areas[] = {layout.GetRect(), layout.GetFixedBodyRect(), layout.GetLeftArea(),
                               layout.GetRightArea()};
        ++m_generation;
        for (std::size_t i = 0; i < std::size(areas); ++i) {
            if (i > 0 && Normalized(areas[i]).IsRectEmpty()) {
                continue;
            }
            CRect r = areas[i];
            fitted->dc->LPtoDP(&r);
            r.NormalizeRect();
            m_host.InvalidateRect(&r, true);
        }
        return;
    }
    case kHintKoumoku: {
        const std::unique_ptr<Fitted> fitted = Fit();
        if (!fitted) {
            InvalidateAll();
            return;
        }
        CRect items = fitted->layout.GetKoumokuRect();
        items.top = fitted->layout.GetBodyRect().top;
        fitted->dc->LPtoDP(&items);
        items.NormalizeRect();
        ++m_generation;
        m_host.InvalidateRect(&items, true);
        return;
    }
    case kHintActiveView:
        TrackView(sender);
        return;
    case kHintPosition: {
        if (m_view == nullptr) {
            return;
        }
        const std::unique_ptr<Fitted> fitted = Fit();
        if (!fitted) {
            InvalidateAll();
            return;
        }
        const CRect frame = CalcFrameRect(*m_view, fitted->layout);
        InvalidateRings(fitted->dc.get(), m_frame, frame);
        m_frame = frame;
        return;
    }
    default:
        InvalidateAll();
        return;
    }
}

void CFloatView::TrackView(CView* sender) {
    CTembraView* next = dynamic_cast<CTembraView*>(sender);
    CTembraView* old = m_view;
    if (old == next && old != nullptr) {
        return;
    }
    m_view = next;
    if (old == nullptr || next == nullptr) {
        InvalidateAll();
        return;
    }
    const CPageLayout& a = old->GetPageLayout();
    const CPageLayout& b = next->GetPageLayout();
    const bool sameChart = old->GetDocument() == next->GetDocument() &&
                           a.GetStartDate() == b.GetStartDate() &&
                           a.GetEndDate() == b.GetEndDate() && a.GetFirstRow() == b.GetFirstRow() &&
                           a.GetLastRow() == b.GetLastRow() && a.GetHeader() == b.GetHeader();
    if (!sameChart) {
        InvalidateAll();
        return;
    }
    const std::unique_ptr<Fitted> fitted = Fit();
    if (!fitted) {
        InvalidateAll();
        return;
    }
    const CRect frame = CalcFrameRect(*next, fitted->layout);
    InvalidateRings(fitted->dc.get(), m_frame, frame);
    m_frame = frame;
    m_host.UpdateWindow();
}

// ---- Mouse ------------------------------------------------------------------------------------

bool CFloatView::OnSetCursor(const CPoint& device) {
    const std::unique_ptr<Fitted> fitted = Fit();
    if (!fitted) {
        return false;
    }
    int cursor = kCursorDefault;
    switch (HitTestFrame(m_frame, fitted->page, fitted->ToLogical(device))) {
    case kZonePage:
        cursor = kCursorCentre;
        break;
    case kZoneTopLeft:
    case kZoneBottomRight:
        cursor = kCursorSizeNWSE;
        break;
    case kZoneBottomLeft:
    case kZoneTopRight:
        cursor = kCursorSizeNESW;
        break;
    case kZoneNone:
        return false;
    default:
        cursor = kCursorMove;
        break;
    }
    m_host.SetCursor(cursor);
    return true;
}

void CFloatView::OnLButtonDown(const CPoint& device) {
    std::unique_ptr<Fitted> fitted = Fit();
    if (!fitted) {
        return;
    }
    const CPoint point = fitted->ToLogical(device);
    const int zone = HitTestFrame(m_frame, fitted->page, point);
    m_dragMode = zone == kZonePage ? kZoneBody : zone;
    if (zone == kZoneNone) {
        return;
    }
    if (zone == kZonePage) {
        const CPoint centre((m_frame.left + m_frame.right) / 2, (m_frame.top + m_frame.bottom) / 2);
        const double factor = ToView(*fitted);
        fitted.reset();
        ScrollChartBy(Scale(point.x - centre.x, factor), Scale(point.y - centre.y, factor));
    }
    m_host.SetCapture();
    m_dragRect = m_frame;
    if (IsResizeMode(zone)) {
        const bool right = zone == kZoneBottomRight || zone == kZoneTopRight;
        const bool top = zone == kZoneTopLeft || zone == kZoneTopRight;
        m_anchor = CPoint(right ? m_frame.right : m_frame.left, top ? m_frame.top : m_frame.bottom);
        return;
    }
    m_anchor = point;
    m_host.SetCursor(kCursorMoving);
}

void CFloatView::EndDrag() {
    if (m_host.HasCapture()) {
        m_host.ReleaseCapture();
    }
}

CRect CFloatView::ResizeRect(const Fitted& fitted, const CPoint& point) const {
    const int mode = m_dragMode;
    const bool right = mode == kZoneBottomRight || mode == kZoneTopRight;
    const bool top = mode == kZoneTopLeft || mode == kZoneTopRight;
    // Growth directions of the grabbed corner: x to the right, y upwards (logical units).
    const LONG sx = right ? 1 : -1;
    const LONG sy = top ? 1 : -1;
    const CRect& f = m_frame;
    const CPoint fixed(right ? f.left : f.right, top ? f.bottom : f.top);
    const CPoint grabbed(right ? f.right : f.left, top ? f.top : f.bottom);
    const LONG width = std::abs(f.Width());
    const double ratio = width > 0 ? std::abs(f.top - f.bottom) / static_cast<double>(width) : 0.0;
    const auto make = [&](const CPoint& corner) {
        return CRect(std::min(fixed.x, corner.x), std::max(fixed.y, corner.y),
                     std::max(fixed.x, corner.x), std::min(fixed.y, corner.y));
    };
    const LONG dx = point.x - m_anchor.x;
    const LONG dy = point.y - m_anchor.y;

    const CRect byX = make(CPoint(grabbed.x + dx, grabbed.y + sy * Scale(sx * dx, ratio)));
    const CRect byY = make(
        CPoint(grabbed.x + (ratio > 0 ? sx * Scale(sy * dy, 1.0 / ratio) : 0), grabbed.y + dy));
    CRect result = byX.Width() >= byY.Width() ? byX : byY;

    // The largest frame of the same shape that the page holds from the fixed corner.
    const CRect& page = fitted.page;
    LONG px = right ? page.right : page.left;
    LONG py = fixed.y + sy * Scale(std::abs(px - fixed.x), ratio);
    if (py > page.top || py < page.bottom) {
        py = top ? page.top : page.bottom;
        px = ratio > 0 ? fixed.x + sx * Scale(std::abs(py - fixed.y), 1.0 / ratio) : fixed.x;
    }
    const CRect bounded = make(CPoint(px, py));
    if (bounded.Width() < result.Width()) {
        result = bounded;
    }

    // The frame of the chart view's window at the highest zoom it can take.
    int highest = 0;
    const CPageLayout& viewLayout = m_view->GetPageLayout();
    for (int index = CPageLayout::kZoomCount - 1; index >= 0; --index) {
        if (viewLayout.IsZoomPossible(index)) {
            highest = CPageLayout::GetZoomPercent(index);
            break;
        }
    }
    const CRect client = Normalized(m_view->GetClientLogicalRect());
    const double minFactor =
        highest > 0 ? fitted.layout.GetZoom() / static_cast<double>(highest) : 0;
    const CRect minimum = make(CPoint(fixed.x + sx * Scale(client.Width(), minFactor),
                                      fixed.y + sy * Scale(client.Height(), minFactor)));
    const bool crossed = (point.x - fixed.x) * sx < 0 || (point.y - fixed.y) * sy < 0;
    if (minimum.Width() > result.Width() || crossed) {
        result = minimum;
    }
    return result;
}

void CFloatView::OnMouseMove(const CPoint& device) {
    if (!m_host.HasCapture() || m_dragMode < kZoneBody) {
        return;
    }
    std::unique_ptr<Fitted> fitted = Fit();
    if (!fitted) {
        // The overview can no longer show the chart: the drag ends where it is.
        EndDrag();
        return;
    }
    const CPoint point = fitted->ToLogical(device);
    if (IsMoveMode(m_dragMode)) {
        const CPoint delta = point - m_anchor;
        if (ScrollWithFrame()) {
            const double factor = ToView(*fitted);
            fitted.reset();
            ScrollChartBy(Scale(delta.x, factor), Scale(delta.y, factor));
            m_anchor = point;
            return;
        }
        DrawFeedback(fitted->dc.get(), m_dragRect);
        CRect r = m_frame;
        r.OffsetRect(delta);
        const CRect& page = fitted->page;
        if (r.left < page.left) {
            r.OffsetRect(page.left - r.left, 0);
        } else if (r.right > page.right) {
            r.OffsetRect(page.right - r.right, 0);
        }
        if (r.top > page.top) {
            r.OffsetRect(0, page.top - r.top);
        } else if (r.bottom < page.bottom) {
            r.OffsetRect(0, page.bottom - r.bottom);
        }
        DrawFeedback(fitted->dc.get(), r);
        m_dragRect = r;
        return;
    }
    if (IsResizeMode(m_dragMode)) {
        DrawFeedback(fitted->dc.get(), m_dragRect);
        m_dragRect = ResizeRect(*fitted, point);
        DrawFeedback(fitted->dc.get(), m_dragRect);
    }
}

void CFloatView::OnLButtonUp(const CPoint& device) {
    if (!m_host.HasCapture()) {
        return;
    }
    std::unique_ptr<Fitted> fitted = Fit();
    if (!fitted) {
        EndDrag();
        return;
    }
    const CPoint point = fitted->ToLogical(device);
    const double factor = ToView(*fitted);
    if (IsMoveMode(m_dragMode) && !ScrollWithFrame()) {
        const CPoint delta(Scale(point.x - m_anchor.x, factor),
                           Scale(point.y - m_anchor.y, factor));
        if (delta != CPoint(0, 0)) {
            DrawFeedback(fitted->dc.get(), m_dragRect);
            fitted.reset();
            ScrollChartBy(delta.x, delta.y);
        }
    } else if (IsResizeMode(m_dragMode)) {
        DrawFeedback(fitted->dc.get(), m_dragRect);
        fitted.reset();
        CRect r = ScaleRect(m_dragRect, factor);
        const CRect visible =
            ClipToPage(m_view->GetClientLogicalRect(), m_view->GetPageLayout().GetPageRect());
        switch (m_dragMode) {
        case kZoneTopLeft: // the bottom-right corner stays where the view shows it
            r.right = visible.right;
            r.bottom = visible.bottom;
            break;
        case kZoneBottomRight:
            r.left = visible.left;
            r.top = visible.top;
            break;
        case kZoneBottomLeft:
            r.right = visible.right;
            r.top = visible.top;
            break;
        default: // top-right
            r.left = visible.left;
            r.bottom = visible.bottom;
            break;
        }
        CMouseEvent& mouse = m_view->GetMouseEvent();
        mouse.SetStartPoint(CPoint(r.left, r.top));
        mouse.SetLastPoint(CPoint(r.right, r.bottom));
        m_view->ZoomToArea(nullptr);
    }
    EndDrag();
}

void CFloatView::OnLButtonDblClk(const CPoint& device) {
    const std::unique_ptr<Fitted> fitted = Fit();
    if (!fitted) {
        return;
    }
    const int zone = HitTestFrame(m_frame, fitted->page, fitted->ToLogical(device));
    if (IsMoveMode(zone)) {
        m_view->OnCommand(kZoomInCommand);
    }
}

void CFloatView::OnRButtonDblClk(const CPoint& device) {
    if (m_host.HasCapture()) {
        return;
    }
    const std::unique_ptr<Fitted> fitted = Fit();
    if (!fitted) {
        return;
    }
    const int zone = HitTestFrame(m_frame, fitted->page, fitted->ToLogical(device));
    if (IsMoveMode(zone)) {
        m_view->OnCommand(kZoomOutCommand);
    }
}

void CFloatView::ScrollChartBy(int dx, int dy) {
    if (m_view == nullptr) {
        return;
    }
    CTembraView& view = *m_view;
    // An axis on which the whole chart shows does not scroll.
    const CRect client = Normalized(view.GetClientLogicalRect());
    const CSize chart = view.GetChartScrollSize();
    if (client.Width() >= chart.cx) {
        dx = 0;
    }
    if (client.Height() >= chart.cy) {
        dy = 0;
    }
    const CPoint target = view.GetScrollPosition() + CPoint(dx, dy);
    IViewHost& host = view.Host();
    if (host.IsSplitterPane()) {
        // The panes that share the view's column follow it across, those that share its row
        // follow it up and down.
        for (const SplitterPane& pane : host.GetOtherPanes()) {
            if (pane.view == nullptr) {
                continue;
            }
            const CPoint before = pane.view->GetScrollPosition();
            CPoint after = before;
            if (pane.column == host.GetPaneColumn()) {
                after.x = target.x;
            }
            if (pane.row == host.GetPaneRow()) {
                after.y = target.y;
            }
            if (after != before) {
                pane.view->ScrollToPosition(after);
                pane.view->SetScrollSizes(pane.view->GetChartScrollSize());
                pane.view->Host().UpdateWindow();
            }
        }
    }
    view.ScrollToPosition(target);
    view.SetScrollSizes(chart);
    host.UpdateWindow();
    OnUpdate(nullptr, kHintPosition, nullptr);
    m_host.UpdateWindow();
}

} // namespace tembra
