#include "document/TembraCntrItem.h"

#include "document/ChartViewLayout.h"
#include "document/TembraDoc.h"
#include "platform/Archive.h"
#include "platform/DC.h"
#include "platform/Document.h"
#include "platform/Exception.h"
#include "platform/View.h"

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <stdexcept>

namespace tembra {

IMPLEMENT_DYNAMIC(CTembraCntrItem, CObject)

namespace {

// The file keeps coordinates and extents in 16 bits: a value beyond them is stored at the
// nearest end rather than wrapped round to the other side of the chart.
short Clamp16(LONG v) {
    return static_cast<short>(
        std::clamp<LONG>(v, std::numeric_limits<short>::min(), std::numeric_limits<short>::max()));
}

} // namespace

CTembraCntrItem::CTembraCntrItem(CTembraDoc* doc) : m_pDocument(doc) {}

const CPageLayout* CTembraCntrItem::ActiveLayout() const {
    if (m_pDocument == nullptr) {
        return nullptr;
    }
    const auto* view = dynamic_cast<const IChartViewLayout*>(m_pDocument->GetActiveView());
    return view != nullptr ? view->GetChartLayout() : nullptr;
}

void CTembraCntrItem::UpdateViews(CView* sender) {
    if (m_pDocument != nullptr) {
        m_pDocument->UpdateAllViews(sender, 0, this);
    }
}

void CTembraCntrItem::SetPosition(const CRect& rect) {
    UpdateViews(nullptr);
    m_rect = rect;
    AlignToLayout(nullptr);
    UpdateViews(nullptr);
}

void CTembraCntrItem::AlignToLayout(const CPageLayout* layout) {
    if (layout == nullptr) {
        layout = ActiveLayout();
    }
    if (layout == nullptr) {
        return;
    }
    if (layout->GetHeader() != nullptr) {
        const LONG h = std::abs(m_rect.Height());
        m_rect.top += layout->UnscaleLength(std::abs(layout->GetHeaderRect().Height()));
        m_rect.bottom = m_rect.top - h;
    }
    if (layout->IsScrolledDown()) {
        const int shift = layout->UnscaleLength(std::abs(layout->GetChartGridRect().Height()));
        m_rect.top += shift;
        m_rect.bottom += shift;
    }
}

CRect CTembraCntrItem::GetDeviceRect(const CPageLayout* layout, BOOL scaled) const {
    if (layout == nullptr) {
        layout = ActiveLayout();
    }
    if (layout == nullptr) {
        return m_rect;
    }
    // Unscaled, the rectangle is worked out on a copy of the layout at 100 %, which leaves the
    // caller's layout as it was.
    std::optional<CPageLayout> atFull;
    CRect r = m_rect;
    if (scaled) {
        r = layout->ScaleRect(m_rect);
    } else {
        atFull.emplace(*layout);
        atFull->SetZoomPercent(0);
        atFull->SetZoomIndex(CPageLayout::kDefaultZoomIndex);
        atFull->EnsureLayout();
        layout = &*atFull;
    }
    const bool scrolled = layout->IsScrolledDown() != FALSE;
    const bool clipPass = layout->GetClipPass() != FALSE;
    if (scrolled && !clipPass) {
        const LONG shift = std::abs(layout->GetChartGridRect().Height());
        r.top += shift;
        r.bottom += shift;
    }
    const int firstRow = scrolled && clipPass ? layout->GetAltFirstRow() : layout->GetFirstRow();
    r.OffsetRect(layout->DateToX(m_anchor.GetStartDate()) - layout->DateToX(layout->GetStartDate()),
                 layout->RowToY(m_anchor.GetStartRow(), -1) - layout->RowToY(firstRow, -1));
    r.OffsetRect(layout->GetPageRect().left, layout->GetBodyRect().top);
    return r;
}

CRect CTembraCntrItem::GetDeviceRect(const CPageLayout& layout, CDC* /*dc*/) const {
    return GetDeviceRect(&layout, TRUE);
}

BOOL CTembraCntrItem::HasVisibleRect() const {
    std::unique_ptr<CDC> dc;
    try {
        dc = CreateScreenDC();
    } catch (const std::logic_error&) {
        CRect r = m_rect;
        r.NormalizeRect();
        return r.IsRectEmpty() ? FALSE : TRUE;
    }
    dc->SetMapMode(MM_LOMETRIC);
    CRect r = m_rect;
    dc->LPtoDP(&r);
    r.NormalizeRect();
    return r.IsRectEmpty() ? FALSE : TRUE;
}

BOOL CTembraCntrItem::UpdateFromServerExtent(const std::optional<CSize>& serverExtent) {
    if (!serverExtent) {
        return FALSE;
    }
    UpdateViews(nullptr);
    const CSize next = *serverExtent;
    if (next == m_extent) {
        return FALSE;
    }
    if (m_extent == CSize(0, 0)) {
        // HIMETRIC to 0.1 mm.
        m_rect.right = m_rect.left + MulDiv(next.cx, 10, 100);
        m_rect.bottom = m_rect.top - MulDiv(next.cy, 10, 100);
    } else {
        // Keep the scale the user gave the item. An extent of 0 on one axis says nothing of the
        // scale on it: that side stays (MulDiv would answer -1).
        if (m_extent.cx != 0) {
            m_rect.right = m_rect.left + MulDiv(m_rect.Width(), next.cx, m_extent.cx);
        }
        if (m_extent.cy != 0) {
            m_rect.bottom = m_rect.top - MulDiv(-m_rect.Height(), next.cy, m_extent.cy);
        }
    }
    m_extent = next;
    UpdateViews(nullptr);
    return TRUE;
}

void CTembraCntrItem::ResetSize(const std::optional<CSize>& serverExtent) {
    m_extent = CSize(0, 0);
    UpdateFromServerExtent(serverExtent);
}

void CTembraCntrItem::Serialize(CArchive& ar) {
    // The framework's own client-item data would come first; an item that never had a server
    // has none.
    SerializeFields(ar);
}

void CTembraCntrItem::SerializeFields(CArchive& ar) {
    const bool withFrame = ArchiveVersion(ar) >= kFrameFlagVersion;
    if (ar.IsStoring()) {
        ar << kMagic << Clamp16(m_rect.left) << Clamp16(m_rect.top) << Clamp16(m_rect.right)
           << Clamp16(m_rect.bottom) << Clamp16(m_extent.cx) << Clamp16(m_extent.cy);
        ar << m_anchor.GetStartDateValue() << m_anchor.GetStartRow() << m_bWhiteBack;
        if (withFrame) {
            ar << m_bFrame;
        }
        return;
    }
    WORD magic = 0;
    short values[6] = {};
    ar >> magic;
    for (short& v : values) {
        ar >> v;
    }
    if (magic != kMagic) {
        AfxThrowArchiveException(CArchiveException::generic, ar.m_strFileName);
    }
    DWORD date = 0;
    WORD row = 0;
    WORD white = 0;
    DWORD frame = 0;
    ar >> date >> row >> white;
    if (withFrame) {
        ar >> frame;
    }
    m_rect = CRect(values[0], values[1], values[2], values[3]);
    m_extent = CSize(values[4], values[5]);
    m_anchor.SetStartDateValue(date);
    m_anchor.SetStartRow(row);
    m_bWhiteBack = white;
    m_bFrame = frame;
}

} // namespace tembra
