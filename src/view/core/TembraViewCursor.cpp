// The cursor the chart view shows for the pointer (what a click will do there) and the cross-hair
// that follows the pointer across the page.
#include "document/TembraDoc.h"
#include "model/DataHeader.h"
#include "platform/DC.h"
#include "platform/GdiObjects.h"
#include "render/StyledDraw.h"
#include "shapes/Zukei.h"
#include "view/core/TembraView.h"
#include "view/core/ViewHost.h"

#include <algorithm>
#include <array>

namespace tembra {

namespace {

constexpr int kModes = 9;
constexpr int kOperations = 12;

// The cursor of each object mode (rows) and operation (columns); 0 leaves the window's own.
constexpr std::array<std::array<int, kOperations>, kModes> kCursorTable{{
    {1670, 1194, 1176, 1184, 0, 0, 0, 0, 0, 0, 0, 1667},                   // 0 item cells
    {1501, 1193, 1176, 1184, 1176, 1184, 1193, 1193, 0, 0, 228, 1667},     // 1 processes
    {1504, 1197, 1177, 1185, 0, 0, 1197, 1197, 0, 0, 0, 1667},             // 2 terms
    {1503, 1196, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1667},                         // 3 progress lines
    {1668, 1198, 1178, 1186, 1178, 1186, 1198, 1198, 1179, 1190, 0, 1667}, // 4 shapes
    {1502, 1195, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1667},                         // 5 embedded objects
    {1500, 1192, 1175, 1183, 0, 0, 1192, 1192, 0, 0, 0, 1667},             // 6 events
    {268, 269, 270, 271, 0, 0, 269, 269, 0, 0, 0, 1667},                   // 7 resources
    {1502, 272, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1667},                          // 8 resource charts
}};

// The cursors of the date band and the item area in the edit and draw operations.
constexpr int kCursorDateBand = 1191;
constexpr int kCursorItemDraw = 1670;
constexpr int kCursorItemBorder = 1669;
constexpr int kCursorItemEdit = 1194;

// The size cursor of a handle (1 top-left, clockwise to 8 left; 0 none).
int SizeCursorOfHandle(int handle) {
    switch (handle) {
    case 1:
    case 5:
        return IViewHost::kCursorSizeNWSE;
    case 2:
    case 6:
        return IViewHost::kCursorSizeNS;
    case 3:
    case 7:
        return IViewHost::kCursorSizeNESW;
    case 4:
    case 8:
        return IViewHost::kCursorSizeWE;
    default:
        return 0;
    }
}

bool OnArea(CRect area, const CPoint& p) {
    area.NormalizeRect();
    return p.x >= area.left && p.x <= area.right && p.y >= area.top && p.y <= area.bottom;
}

// The colour of the cross-hair's arms, drawn inverting.
constexpr COLORREF kCrossColor = RGB(192, 192, 192);

int CursorOfTable(LONG mode, LONG operation) {
    const auto m = static_cast<std::size_t>(std::clamp<LONG>(mode, 0, kModes - 1));
    const auto o = static_cast<std::size_t>(std::clamp<LONG>(operation, 0, kOperations - 1));
    return kCursorTable[m][o];
}

} // namespace

BOOL CTembraView::OnSetCursor(bool overView) {
    if (!overView || GetDocument() == nullptr) {
        return FALSE;
    }
    std::unique_ptr<CDC> dc = PreparedClientDC();
    if (!dc) {
        return FALSE;
    }
    if (HandleCursor(dc.get()) != FALSE) {
        return TRUE;
    }
    m_host.SetCursor(IViewHost::kCursorArrow);
    return FALSE;
}

BOOL CTembraView::HandleCursor(CDC* dc) {
    const CTembraDoc& doc = *GetDocument();
    const CConfigOperation& state = doc.GetOperation();
    const LONG mode = state.GetMode();
    const LONG op = state.GetOperation();
    const auto set = [this](int id) { return id != 0 && m_host.SetCursor(id); };
    CPoint cursor = m_host.GetCursorPos();
    dc->DPtoLP(&cursor);
    const int zone = m_layout.HitZone(cursor);

    if (op == kOpAreaZoom) {
        const bool onHeader =
            m_layout.GetHeader() != nullptr && OnArea(m_layout.GetHeaderRect(), cursor);
        if ((onHeader || zone != 0) && set(CursorOfTable(mode, op))) {
            return TRUE;
        }
        return FALSE;
    }
    // Embedded objects have no tracker of their own here: nothing is ever current among them
    // that a tracker could frame.
    const bool anySelected = doc.GetSelCount() > 0;
    const bool handles =
        (op == COperationState::kOpEdit && mode == COperationState::kModeZukei && anySelected) ||
        (op == COperationState::kOpDeformApply && anySelected && state.GetState() == 0) ||
        (op == COperationState::kOpEdit && mode == COperationState::kModeChart && anySelected);
    if (handles) {
        int handle = 0;
        for (POSITION pos = doc.GetHeadSelPosition(); pos != nullptr && handle == 0;) {
            const CDataHeader* object = doc.GetNextSel(pos);
            if (object->GetType() == kTypeZukei) {
                handle = static_cast<const CZukei*>(object)->HitTestHandle(*this, *dc,
                                                                           m_mouse.GetPoint());
            }
        }
        if (set(SizeCursorOfHandle(handle))) {
            return TRUE;
        }
    }
    if (op == COperationState::kOpEdit && mode == COperationState::kModeChart && m_chartHandleHit) {
        const int hit = m_chartHandleHit(dc);
        if (hit != 0 && set(hit == 1 ? IViewHost::kCursorSize : IViewHost::kCursorSizeNS)) {
            return TRUE;
        }
    }
    const bool objectMode = mode == COperationState::kModeZukei ||
                            mode == COperationState::kModeObject ||
                            mode == COperationState::kModeChart;
    if (zone == CPageLayout::kZoneDateBand) {
        return op == COperationState::kOpEdit && !objectMode && set(kCursorDateBand) ? TRUE : FALSE;
    }
    if (zone == CPageLayout::kZoneKoumoku && !objectMode) {
        if (op == COperationState::kOpDraw && set(kCursorItemDraw)) {
            return TRUE;
        }
        if (op == COperationState::kOpEdit) {
            const bool border = m_layout.HitColumnBorder(cursor.x, cursor.y) >= 0;
            if (set(border ? kCursorItemBorder : kCursorItemEdit)) {
                return TRUE;
            }
        }
    }
    if (zone == CPageLayout::kZoneKoumoku || zone == CPageLayout::kZoneChart ||
        zone == CPageLayout::kZoneKoutei) {
        return set(CursorOfTable(mode, op)) ? TRUE : FALSE;
    }
    return FALSE;
}

// ---- The cross-hair --------------------------------------------------------------------------

bool CTembraView::CrossBounds(const CPoint& point, CRect& arms) const {
    CRect page = m_layout.GetPageRect();
    page.NormalizeRect();
    CRect chart = m_layout.GetKouteiRect();
    chart.NormalizeRect();
    // Off the time axis (over the item columns, beside the chart) the upright arm reaches up
    // into the date band.
    CRect axis = m_layout.GetChartRect();
    axis.NormalizeRect();
    LONG upper = chart.bottom; // y grows upwards: the normalised bottom is the top edge
    if (point.x < axis.left || point.x > axis.right) {
        CRect band = m_layout.GetBodyRect();
        band.NormalizeRect();
        upper = std::max(upper, band.bottom);
    }
    arms = CRect(page.left, upper, page.right, chart.top);
    return !page.IsRectEmpty();
}

void CTembraView::DrawCrossArms(CDC* dc) const {
    const CPoint& p = m_cross.point;
    const CRect& a = m_cross.arms;
    const int saved = dc->SaveDC();
    DrawStyledLine(dc, a.left, p.y, p.x, p.y, 0, 1, kCrossColor, R2_XORPEN, TRANSPARENT);
    DrawStyledLine(dc, p.x, p.y, a.right, p.y, 0, 1, kCrossColor, R2_XORPEN, TRANSPARENT);
    DrawStyledLine(dc, p.x, a.top, p.x, p.y, 0, 1, kCrossColor, R2_XORPEN, TRANSPARENT);
    DrawStyledLine(dc, p.x, p.y, p.x, a.bottom, 0, 1, kCrossColor, R2_XORPEN, TRANSPARENT);
    dc->RestoreDC(saved);
}

int CTembraView::DrawCrossCursor(CDC* dc, int show, const CMouseEvent& mouse) {
    if (show != 0 && show != 1) {
        return 0;
    }
    if (m_cross.shown) {
        DrawCrossArms(dc);
    }
    m_cross = Cross{};
    if (show == 1 && CrossBounds(mouse.GetPoint(), m_cross.arms)) {
        m_cross.point = mouse.GetPoint();
        DrawCrossArms(dc);
        m_cross.shown = true;
    }
    return 1;
}

} // namespace tembra
