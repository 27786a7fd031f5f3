#include "shapes/Zukei.h"

#include "model/ByteField.h"
#include "model/ConfigBase.h"
#include "model/SyokiSet.h"
#include "model/Utility.h"
#include "platform/DC.h"
#include "platform/Ui.h"
#include "render/PageLayout.h"
#include "shapes/DatePos.h"
#include "shapes/ZukeiGeometry.h"
#include "shapes/ZukeiView.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace tembra {

IMPLEMENT_SERIAL(CZukei, CDataHeader, 1)

namespace {

constexpr UINT IDS_NO_DATA = 5012;
constexpr UINT IDS_NO_SHAPE_DATA = 5021;
constexpr std::int64_t kHourSeconds = 3600;

// Truncation toward zero of a coordinate that may lie far outside the shapes' range, held to
// it.
int ClampShapeCoord(double v) {
    if (std::isnan(v)) {
        return 0;
    }
    return static_cast<int>(
        std::clamp(std::trunc(v), -double(CZukei::kMaxCoord), double(CZukei::kMaxCoord)));
}

// The rows and rectangle the row conversions use: those of the fixed rows while a scrolled
// chart draws them in its clipped pass, else the chart's own.
struct RowFrame {
    CRect chart;
    int first = 0;
    int last = 0;
};

RowFrame FrameOf(const CPageLayout& layout) {
    if (layout.IsScrolledDown() && layout.GetClipPass()) {
        return {layout.GetChartGridRect(), layout.GetAltFirstRow(), layout.GetAltLastRow()};
    }
    return {layout.GetChartRect(), layout.GetFirstRow(), layout.GetLastRow()};
}

} // namespace

// The 26 bytes after the record header.
struct ZukeiFields {
    static constexpr ByteField<CZukei> kFields[] = {
        Field<&CZukei::m_attr, &CZukeiAttr::m_style>(0),
        Field<&CZukei::m_attr, &CZukeiAttr::m_pointMode>(2),
        Field<&CZukei::m_attr, &CZukeiAttr::m_type>(4),
        Field<&CZukei::m_attr, &CZukeiAttr::m_width>(6),
        Field<&CZukei::m_attr, &CZukeiAttr::m_color>(8),
        Field<&CZukei::m_attr, &CZukeiAttr::m_hatch>(12),
        Field<&CZukei::m_attr, &CZukeiAttr::m_hatchColor>(14),
        Field<&CZukei::m_attr, &CZukeiAttr::m_boxRay>(18),
        Field<&CZukei::m_pageCol>(20),
        Field<&CZukei::m_pageRow>(24),
    };
};
static_assert(FitsBlock(ZukeiFields::kFields, CZukei::kFileSize));

CZukei::CZukei() : CDataHeader(kTypeZukei, 0) {}

void CZukei::Serialize(CArchive& ar) {
    CDataHeader::Serialize(ar);
    SerializeFields<kFileSize, CZukei>(ar, ZukeiFields::kFields, *this);
}

CZukei* AsZukei(CDataHeader* record) {
    return record != nullptr && record->GetType() == kTypeZukei ? DynamicDowncast<CZukei>(record)
                                                                : nullptr;
}

const CZukei* AsZukei(const CDataHeader* record) {
    return AsZukei(const_cast<CDataHeader*>(record));
}

void CZukei::ReportNoShapeData() {
    AfxMessageBox(IDS_NO_SHAPE_DATA);
}

void CZukei::ReportNoData() {
    AfxMessageBox(IDS_NO_DATA);
}

// ---- Attributes
// -----------------------------------------------------------------------------------

void CZukei::CopyAttrTo(CZukei& dest) const {
    dest.m_attr = m_attr;
    dest.m_pageCol = m_pageCol;
    dest.m_pageRow = m_pageRow;
}

int CZukei::GetPenWidth(const IZukeiView& view) const {
    return GetPenWidth(view.GetPageLayout());
}

int CZukei::GetPenWidth(const CPageLayout& layout) const {
    const int width = m_attr.m_width;
    if (width < 0) {
        return -width;
    }
    const CSyokiSet* settings = layout.GetSyokiSet();
    const CWidthSet widths = settings != nullptr ? settings->GetZukei().GetWidthSet() : CWidthSet{};
    return widths.GetAt(width);
}

ZukeiPen CZukei::GetPenAttr(const CPageLayout& layout, int mode) const {
    ZukeiPen pen = GetPenBrushAttr(layout, mode);
    pen.hatch = -1;
    pen.brushColor = 0;
    return pen;
}

ZukeiPen CZukei::GetPenBrushAttr(const CPageLayout& layout, int mode) const {
    ZukeiPen pen;
    pen.mode = mode;
    pen.type = m_attr.m_type;
    pen.width = GetPenWidth(layout);
    switch (mode) {
    case kDrawFeedback:
        pen.color = RGB(0, 0, 0);
        pen.rop = R2_NOT;
        pen.hatch = -1;
        pen.brushColor = 0;
        break;
    case kDrawReference:
        pen.color = kReferenceColor;
        pen.rop = R2_COPYPEN;
        pen.hatch = m_attr.m_hatch;
        pen.brushColor = kReferenceColor;
        break;
    default:
        if (IsSelected() != 0 && layout.ShowsSelection()) {
            pen.mode = kDrawSelected;
            pen.color = GetAppConfig()->GetColor().GetEditWork();
        } else {
            pen.color = m_attr.m_color;
        }
        pen.rop = R2_COPYPEN;
        pen.hatch = m_attr.m_hatch;
        pen.brushColor = m_attr.m_hatchColor;
        break;
    }
    return pen;
}

// ---- Anchors and device points
// ----------------------------------------------------------------------

int CZukei::DateToX(const IZukeiView& view, const CTime& date) {
    const CPageLayout& layout = view.GetPageLayout();
    const CRect chart = FrameOf(layout).chart;
    const CTime start = layout.GetStartDate();
    const CHensokuScale& scale = layout.GetScale();
    if (scale.IsBuilt() && date >= start) {
        const std::int64_t span = (date - start).GetTimeSpan();
        double units = 0.0;
        if (!scale.IsHourMode()) {
            // The day's place on the scale, then its share of the day's own width.
            units = scale.DateToUnits(date);
            const std::int64_t seconds = span % kDaySeconds;
            if (seconds != 0) {
                units += static_cast<double>(seconds) / kDaySeconds * scale.GetFactor(date);
            }
        } else {
            const std::int64_t seconds = span % kHourSeconds;
            units = scale.DateToUnits(date - CTimeSpan(seconds));
            if (seconds != 0) {
                units += static_cast<double>(seconds) / kHourSeconds * scale.GetFactor(date) / 24.0;
            }
        }
        return ClampShapeCoord(chart.left + units * layout.GetDayWidth());
    }
    const std::int64_t total = (layout.GetEndDate() - start).GetTimeSpan() + kDaySeconds;
    if (total <= 0) {
        return ClampShapeCoord(chart.left);
    }
    const double share = static_cast<double>((date - start).GetTimeSpan()) / total;
    return ClampShapeCoord(chart.left + share * chart.Width());
}

int CZukei::RowToY(const IZukeiView& view, double row) {
    const RowFrame frame = FrameOf(view.GetPageLayout());
    const double rows = static_cast<double>(frame.last) + 1 - frame.first;
    const double t = rows != 0.0 ? (row - frame.first) / rows : 0.0;
    return ClampShapeCoord(frame.chart.top -
                           (static_cast<double>(frame.chart.top) - frame.chart.bottom) * t);
}

CTime CZukei::XToDate(const IZukeiView& view, int x) {
    const CPageLayout& layout = view.GetPageLayout();
    const CRect page = layout.GetPageRect();
    x = std::clamp(x, std::min(page.left, page.right), std::max(page.left, page.right));
    const CRect chart = FrameOf(layout).chart;
    if (chart.Width() == 0) {
        return CTime(-1);
    }
    const CTime start = layout.GetStartDate();
    const std::int64_t total = (layout.GetEndDate() - start).GetTimeSpan() + kDaySeconds;
    const double dx = static_cast<double>(x) - chart.left;
    double seconds = std::trunc(static_cast<double>(total) * dx / chart.Width());
    const CHensokuScale& scale = layout.GetScale();
    const double dayWidth = layout.GetDayWidth();
    if (scale.IsBuilt() && x >= chart.left && dayWidth != 0.0) {
        seconds = std::trunc(kDaySeconds * scale.UnitsToDate(dx / dayWidth));
    }
    return start + CTimeSpan(static_cast<std::int64_t>(seconds));
}

double CZukei::YToRow(const IZukeiView& view, int y) {
    const RowFrame frame = FrameOf(view.GetPageLayout());
    const double height = std::abs(static_cast<double>(frame.chart.Height()));
    if (height == 0.0) {
        return 0.0;
    }
    y = std::clamp(y, std::min(frame.chart.top, frame.chart.bottom),
                   std::max(frame.chart.top, frame.chart.bottom));
    const double rows = static_cast<double>(frame.last) + 1 - frame.first;
    return frame.first + rows * (static_cast<double>(frame.chart.top) - y) / height;
}

ZukeiPage CZukei::GetPageOf(const IZukeiView& view) {
    const CPageLayout& layout = view.GetPageLayout();
    const CSyokiSet* settings = layout.GetSyokiSet();
    ZukeiPage page;
    if (settings == nullptr) {
        return page;
    }
    const std::int64_t days = (layout.GetStartDate() - settings->GetStartDate()).GetDays();
    const std::int64_t period = (settings->GetEndDate() - settings->GetStartDate()).GetDays() + 1;
    if (period > 0) {
        page.col = static_cast<DWORD>(days / period);
        page.remDays = static_cast<LONG>(days % period);
    }
    const bool fixedPass = layout.IsScrolledDown() && layout.GetClipPass();
    const short first = fixedPass ? layout.GetAltFirstRow() : layout.GetFirstRow();
    const auto rows = static_cast<short>(first - static_cast<short>(settings->GetFirstRow()));
    const auto perPage = static_cast<short>(settings->GetLastRow() - settings->GetFirstRow() + 1);
    if (perPage > 0) {
        page.row = static_cast<WORD>(rows / perPage);
        page.remRows = static_cast<short>(rows % perPage);
    }
    return page;
}

CPoint CZukei::ChartPoint(const IZukeiView& view, const CZukeiPoint& anchor) {
    return CPoint(DateToX(view, anchor.GetDate()), RowToY(view, anchor.GetRow()));
}

CPoint CZukei::RemainderShift(const IZukeiView& view, const ZukeiPage& page, const CTime& date,
                              double row) {
    CPoint shift;
    if (page.remDays != 0) {
        shift.x = DateToX(view, date + CTimeSpan(page.remDays, 0, 0, 0)) - DateToX(view, date);
    }
    if (page.remRows != 0) {
        shift.y = RowToY(view, row + page.remRows) - RowToY(view, row);
    }
    return shift;
}

CPoint CZukei::PageOffset(const IZukeiView& view, const CPoint& device, const ZukeiPage& page,
                          const CTime& date, double row) {
    // The shift is in device units like the distance: both are taken back to 100 % together, so
    // that PagePoint finds the point again at any zoom.
    const CRect frame = view.GetPageLayout().GetPageRect();
    const CPoint shift = RemainderShift(view, page, date, row);
    return CPoint(Unzoom(view, device.x - frame.left + shift.x),
                  Unzoom(view, device.y - frame.top + shift.y));
}

CPoint CZukei::PagePoint(const IZukeiView& view, const CPoint& offset, const ZukeiPage& page,
                         const CTime& date, double row) {
    const CRect frame = view.GetPageLayout().GetPageRect();
    const CPoint shift = RemainderShift(view, page, date, row);
    return CPoint(frame.left + Zoom(view, offset.x) - shift.x,
                  frame.top + Zoom(view, offset.y) - shift.y);
}

void CZukei::SplitRow(double row, short& rowNo, double& fraction) {
    const double q = row + 0.5;
    // A row read from a damaged file may be anything: the number is held to 16 bits.
    const double whole = std::isnan(q) ? 0.0 : std::clamp(std::trunc(q), -32769.0, 32766.0);
    rowNo = static_cast<short>(static_cast<int>(whole) + 1);
    fraction = std::fmod(q, 1.0) - 1.0;
}

int CZukei::Zoom(const IZukeiView& view, int v) {
    return view.GetPageLayout().Zoom(v);
}

int CZukei::Unzoom(const IZukeiView& view, int v) {
    return view.GetPageLayout().UnscaleLength(v);
}

int CZukei::PixelsToLogical(CDC& dc, int pixels) {
    CRect rect(0, 0, pixels, pixels);
    dc.DPtoLP(&rect);
    return std::abs(rect.Width());
}

// ---- The shape interface: what the base does
// ----------------------------------------------------------

void CZukei::Select() {
    SetSelected(1);
}

void CZukei::Deselect() {
    SetSelected(0);
}

void CZukei::SetPointMode(short mode) {
    m_attr.m_pointMode = mode;
}

void CZukei::SetLineType(WORD type) {
    m_attr.m_type = type;
}

void CZukei::SetWidth(short width) {
    m_attr.m_width = width;
}

void CZukei::SetColor(COLORREF color) {
    m_attr.m_color = color;
}

void CZukei::SetHatch(WORD hatch) {
    m_attr.m_hatch = hatch;
}

void CZukei::SetHatchColor(COLORREF color) {
    m_attr.m_hatchColor = color;
}

void CZukei::SetBoxRay(WORD ray) {
    m_attr.m_boxRay = ray;
}

int CZukei::GetElementCount() const {
    return 1;
}

int CZukei::GetSegmentCount() const {
    return 0;
}

void CZukei::EraseLastSegment(IZukeiView&, CDC&) {}

void CZukei::DrawClosingSegment(const IZukeiView&, CDC&) const {}

void CZukei::RemovePrevPoint() {}

void CZukei::RemoveLastPoint() {}

void CZukei::SetKind() {
    SetKind(0);
}

CTime CZukei::GetStartDate(int) const {
    return CTime();
}

CTime CZukei::GetEndDate(int) const {
    return CTime();
}

void CZukei::GetStartPos(short& rowNo, double& fraction, int) const {
    rowNo = 0;
    fraction = 0.0;
}

double CZukei::GetTopRow(int) const {
    return 0.0;
}

void CZukei::GetEndPos(short& rowNo, double& fraction, int) const {
    rowNo = 0;
    fraction = 0.0;
}

double CZukei::GetBottomRow(int) const {
    return 0.0;
}

void CZukei::MoveBy(const CTimeSpan&, double) {}

CRect CZukei::GetDeviceRect(const IZukeiView&) const {
    return CRect();
}

void CZukei::SetPoint(const CDatePos&, const IZukeiView&, int) {}

void CZukei::ResetOffsets() {}

void CZukei::FixOffsets(const IZukeiView&) {}

void CZukei::DrawTracking(const IZukeiView&, CDC&, const CPoint&, int, const CRect&) const {}

void CZukei::DrawMoving(const IZukeiView&, CDC&, const CPoint&) const {}

void CZukei::Draw(const IZukeiView&, CDC&, int) const {}

BOOL CZukei::HasOffsets() const {
    return FALSE;
}

void CZukei::DrawHandles(const IZukeiView& view, CDC& dc, CRect& rect) const {
    if (rect.IsRectNull()) {
        rect = GetDeviceRect(view);
        if (rect.IsRectNull()) {
            return; // not on this page: nothing to mark
        }
    }
    const int size = PixelsToLogical(dc, kHandlePixels);
    const int offset = PixelsToLogical(dc, kHandleOffsetPixels);
    NormalizeLogRect(rect);
    for (int handle = kHandleTopLeft; handle <= kHandleLeft; ++handle) {
        const CPoint p = HandlePoint(rect, handle);
        dc.PatBlt(p.x - offset, p.y + offset, size, -size, DSTINVERT);
    }
}

std::unique_ptr<CZukei> CZukei::Clone() const {
    return nullptr;
}

void CZukei::MoveAnchors(const IZukeiView&, const CPoint&, const CTimeSpan&, double) {}

void CZukei::ResizeAnchors(const IZukeiView&, const CPoint&, int, const CRect&, const CDatePos&) {}

int CZukei::HitTestHandle(const IZukeiView& view, CDC& dc, const CPoint& point) const {
    CRect rect = GetDeviceRect(view);
    if (rect.IsRectNull()) {
        return kHandleNone;
    }
    NormalizeLogRect(rect);
    const int s = PixelsToLogical(dc, kHandlePixels);
    for (int handle = kHandleLeft; handle >= kHandleTopLeft; --handle) {
        const CPoint p = HandlePoint(rect, handle);
        if (CRect(p.x - s, p.y - s, p.x + s, p.y + s).PtInRect(point)) {
            return handle;
        }
    }
    return kHandleNone;
}

void CZukei::ResizeRect(const IZukeiView&, const CPoint& delta, int handle, const CRect& ref,
                        CRect& rect) const {
    ScaleRectByHandle(delta, handle, ref, rect, kMinResize);
}

CRect CZukei::GetResizedRect(const IZukeiView&, const CPoint&, int, const CRect&) const {
    return CRect();
}

BOOL CZukei::HitTest(const IZukeiView&, const CRect&, int) const {
    return FALSE;
}

} // namespace tembra
