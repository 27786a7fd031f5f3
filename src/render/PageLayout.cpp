#include "render/PageLayout.h"

#include "model/ChartPos.h"
#include "model/ConfigChart.h"
#include "model/DataHeader.h"
#include "model/Koumoku.h"
#include "model/KoumokuData.h"
#include "model/KtkmHatch.h"
#include "model/PrintArea.h"
#include "model/SyokiSet.h"
#include "model/Utility.h"
#include "platform/DC.h"
#include "render/DrawSettings.h"
#include "render/StyledDraw.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>

namespace tembra {

namespace {

constexpr std::array<int, CPageLayout::kZoomCount> kZoomTable = {25,  50,  75,  100,
                                                                 150, 200, 300, 400};
// Bounds and rectangles handed to invalidation are this much larger on every side.
constexpr int kBoundsMargin = 10;
// A click this close to an item-column border takes the border.
constexpr int kBorderReach = 5;
// The shape kind of the resource chart's totals block, whose text runs past its frame.
constexpr WORD kZukeiKindTotals = 18;

// Truncation toward zero of a double that may lie far outside the coordinate range; the
// result is only ever clamped afterwards, so a bound well beyond it loses nothing.
std::int64_t Trunc(double v) {
    if (std::isnan(v)) {
        return 0;
    }
    constexpr double kLimit = 1e15;
    return static_cast<std::int64_t>(std::clamp(v, -kLimit, kLimit));
}

int ClampInt(std::int64_t v) {
    return static_cast<int>(std::clamp<std::int64_t>(v, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
}

// 00:00 of the chart-zone day that holds the time.
CTime DayStart(const CTime& time) {
    const std::int64_t local = time.GetTime() + kChartZoneOffsetSeconds;
    std::int64_t r = local % kDaySeconds;
    if (r < 0) {
        r += kDaySeconds;
    }
    return CTime(time.GetTime() - r);
}

// Rounding added before a truncation of XToDate.
double RoundingOf(int rounding) {
    switch (rounding) {
    case 0:
        return 0.0;
    case 2:
        return 1.0;
    default:
        return 0.5;
    }
}

// left <= right, top >= bottom: the logical form of every rectangle handed out.
CRect Normalized(CRect rect) {
    NormalizeLogRect(rect);
    return rect;
}

} // namespace

CPageLayout::CPageLayout() = default;

int CPageLayout::GetZoomPercent(int index) {
    if (index < 0 || index >= kZoomCount) {
        return kZoomTable[0];
    }
    return kZoomTable[static_cast<std::size_t>(index)];
}

// ---- Set-up and recomputation -------------------------------------------------------------------

const CSyokiSet* CPageLayout::GetSyokiSet() const {
    return m_doc != nullptr ? m_doc->GetSyokiSet() : nullptr;
}

void CPageLayout::Init(IPageLayoutView* view) {
    m_view = view;
    m_doc = view != nullptr ? view->GetLayoutDocument() : nullptr;
    m_outputMode = 0;
    m_header = nullptr;
    m_shigenDispMode = 1;
    m_zoomIndex = kDefaultZoomIndex;
    m_zoomPercent = 0;
    m_scrolledDown = FALSE;
    m_clipPass = FALSE;
    m_simpleText = FALSE;
    m_shigenCentered = FALSE;
    m_hyperlinkMark = TRUE;
    m_quickText = FALSE;
    m_drawPass = FALSE;
    m_zoomCenter = CPoint(0, 0);
    m_printFont = LOGFONT();

    const CSyokiSet* set = GetSyokiSet();
    if (set != nullptr) {
        m_start = set->GetStartDate();
        m_end = set->GetEndDate();
        m_firstRow = static_cast<short>(set->GetFirstRow());
        m_lastRow = static_cast<short>(set->GetLastRow());
        m_altFirstRow = static_cast<short>(set->GetFixedFirstRow());
        m_altLastRow = static_cast<short>(set->GetFixedLastRow());
        m_leadSpan = set->GetMaeYohaku();
        m_trailSpan = set->GetAtoYohaku();
        m_nobeOffset = set->GetNobeOffset();
        m_monthSpan = set->GetMonthSpan();
        m_scale.Build(m_start, m_end + CTimeSpan(1, 0, 0, 0), m_doc->GetCalendar(),
                      set->GetHensoku());
    } else {
        m_scale = CHensokuScale();
    }
    EnsureLayout();
}

void CPageLayout::RebuildScale() {
    const CSyokiSet* set = GetSyokiSet();
    if (set == nullptr || m_doc == nullptr) {
        m_scale = CHensokuScale();
        return;
    }
    const CTime end = m_end + CTimeSpan(1, 0, 0, 0);
    const std::int64_t span = (end - m_start).GetTimeSpan();
    const bool hours = set->GetHensoku()->IsHourMode() != FALSE;
    const std::int64_t entries = hours ? span / 3600 + 24 : span / 86400 + 1;
    if (entries > CHensokuScale::kMaxEntries) {
        m_scale = CHensokuScale();
        return;
    }
    m_scale.Build(m_start, end, m_doc->GetCalendar(), set->GetHensoku());
}

void CPageLayout::EnsureLayout() {
    if (m_outputMode != 0) {
        return;
    }
    RecalcLayout();
}

void CPageLayout::RecalcLayout() {
    RecalcRects();
    if (m_header == nullptr) {
        const CRect frame = m_areas[kPageFrame];
        ShiftAreas(m_paper.left - frame.left, m_paper.top - frame.top);
    }
}

void CPageLayout::ShiftAreas(int dx, int dy) {
    for (CRect& area : m_areas) {
        area.OffsetRect(dx, dy);
    }
}

void CPageLayout::RecalcRects() {
    const CSyokiSet* set = GetSyokiSet();
    const CPageSetting page = set != nullptr ? set->GetPageSetting() : CPageSetting();
    m_insetLeft = Zoom(page.GetInsetLeft());
    m_insetRight = Zoom(page.GetInsetRight());
    m_itemWidth = Zoom(page.GetLeftWidth());
    m_paper = ScaleRect(page.GetPaperRect());
    m_areas[kHeaderArea] = ScaleRect(page.GetHeaderRect());
    m_areas[kPageFrame] = ScaleRect(page.GetPageRect());
    m_areas[kBody] = ScaleRect(page.GetEditRect());
    m_areas[kDateBand] = ScaleRect(page.GetDateRect());
    m_areas[kItemArea] = ScaleRect(page.GetKoumokuRect());
    m_areas[kProcessArea] = ScaleRect(page.GetKouteiRect());
    m_areas[kFooter] = ScaleRect(page.GetFooterRect());
    m_areas[kChartRect] = ScaleRect(page.GetChartRect());
    m_areas[kItemFixed] = ScaleRect(page.GetGridRect());
    m_areas[kProcessFixed] = ScaleRect(page.GetKouteiGridRect());
    m_areas[kChartFixed] = ScaleRect(page.GetChartGridRect());

    // A chart scrolled down keeps the fixed rows at its top: the rows from the first one start
    // below them, each row as high as when the fixed rows are counted in.
    if (m_outputMode == 0 && m_firstRow != 0 && set != nullptr) {
        // A range that ends before it starts (the stored "none") holds no rows.
        const int fixedRows = std::max(0, GetAltRowCount());
        if (fixedRows < static_cast<int>(set->GetRowSpan())) {
            const int rows = std::max(1, m_lastRow + fixedRows - m_firstRow + 1);
            const double rowHeight = std::abs(m_areas[kItemArea].Height()) / double(rows);
            const int y = RowEdgeY(m_areas[kChartRect].top, m_firstRow, rowHeight,
                                   m_firstRow + fixedRows, -1);
            m_areas[kItemArea].top = y;
            m_areas[kProcessArea].top = y;
            m_areas[kChartRect].top = y;
            const int bodyTop = m_areas[kBody].top;
            for (auto [band, area] :
                 {std::pair{kItemFixed, kItemArea}, std::pair{kProcessFixed, kProcessArea},
                  std::pair{kChartFixed, kChartRect}}) {
                m_areas[band] = CRect(m_areas[area].left, bodyTop, m_areas[area].right, y);
            }
        }
    }

    const CRect header = m_areas[kHeaderArea];
    if (m_header != nullptr) {
        m_areas[kPageFrame] = CRect(header.left, header.top, header.right, m_areas[kFooter].bottom);
    } else {
        m_areas[kPageFrame] =
            CRect(header.left, m_areas[kDateBand].top, header.right, m_areas[kBody].bottom);
    }
}

void CPageLayout::PrepareForPrint(CDC* dc) {
    m_zoomIndex = kDefaultZoomIndex;
    m_zoomPercent = 0;
    RecalcRects();
    const CSyokiSet* set = GetSyokiSet();
    CPrintArea margins = set != nullptr ? set->GetPageSetting() : CPrintArea();
    const CPoint settingsOffset = margins.GetMarginShift();
    margins.SetPrinterOffset(dc);
    margins.AdjustMargins(settingsOffset.x, settingsOffset.y);
    m_printerOffset = margins.GetPrinterOffset();
    m_marginOffset = margins.GetMarginShift();
    ShiftAreas(m_marginOffset.x, m_marginOffset.y);
}

void CPageLayout::RecalcForExtent(int days, int rows) {
    RecalcRects();
    if (!(m_header != nullptr && GetDrawDayCount() == days)) {
        const CRect frame = m_areas[kPageFrame];
        ShiftAreas(m_paper.left - frame.left, m_paper.top - frame.top);
    }
    const int gap = m_areas[kPageFrame].right - m_areas[kBody].right;
    const CTime end = GetDrawStart() + CTimeSpan(days, 0, 0, 0) + m_trailSpan;
    const int x = DateToX(end);
    const int last = m_firstRow + rows - 1;
    const int y = RowToY(last, 1);

    m_areas[kChartRect].right = x;
    m_areas[kChartRect].bottom = y;
    m_areas[kProcessArea].right = x + m_insetRight;
    m_areas[kProcessArea].bottom = y;
    m_areas[kItemArea].bottom = y;
    m_areas[kBody].right = m_areas[kProcessArea].right;
    m_areas[kDateBand].right = m_areas[kProcessArea].right;
    m_areas[kBody].bottom = y;
    const CRect frame = m_areas[kPageFrame];
    m_areas[kPageFrame] = CRect(m_areas[kHeaderArea].left, frame.top, m_areas[kBody].right + gap,
                                m_areas[kBody].bottom);

    m_end = end - CTimeSpan(1, 0, 0, 0);
    m_lastRow = static_cast<short>(last);
}

// ---- Zoom ---------------------------------------------------------------------------------------

int CPageLayout::GetZoom() const {
    return m_zoomPercent != 0 ? m_zoomPercent : GetZoomPercent(m_zoomIndex);
}

int CPageLayout::Zoom(int v) const {
    return ClampInt(static_cast<std::int64_t>(v) * GetZoom() / 100);
}

int CPageLayout::UnscaleLength(int v) const {
    const int zoom = GetZoom();
    if (zoom == 0) {
        return v;
    }
    return ClampInt(static_cast<std::int64_t>(v) * 100 / zoom);
}

CRect CPageLayout::ScaleRect(const CRect& rect) const {
    return CRect(Zoom(rect.left), Zoom(rect.top), Zoom(rect.right), Zoom(rect.bottom));
}

CRect CPageLayout::UnscaleRect(const CRect& rect) const {
    return CRect(UnscaleLength(rect.left), UnscaleLength(rect.top), UnscaleLength(rect.right),
                 UnscaleLength(rect.bottom));
}

BOOL CPageLayout::IsZoomPossible(int index) const {
    if (index < 0 || index >= kZoomCount) {
        return FALSE;
    }
    const CSyokiSet* set = GetSyokiSet();
    if (set == nullptr) {
        return FALSE;
    }
    const CPageSetting& page = set->GetPageSetting();
    const std::int64_t zoom = GetZoomPercent(index);
    const CRect paper = page.GetPaperRect();
    for (const std::int64_t v : {zoom * paper.right / 100, zoom * paper.bottom / 100}) {
        if (v < kMinCoord || v > kMaxCoord) {
            return FALSE;
        }
    }
    const std::int64_t days = GetDayCount();
    if (days <= 0) {
        return FALSE;
    }
    const std::int64_t width = std::abs(static_cast<std::int64_t>(page.GetChartRect().Width()));
    return width * zoom / 100 / days > 0 ? TRUE : FALSE;
}

// ---- Areas --------------------------------------------------------------------------------------

CRect CPageLayout::GetLeftArea() const {
    const CRect header = m_areas[kHeaderArea];
    const CRect body = m_areas[kBody];
    return CRect(header.left, header.bottom, body.left, body.bottom);
}

CRect CPageLayout::GetRightArea() const {
    const CRect header = m_areas[kHeaderArea];
    const CRect body = m_areas[kBody];
    return CRect(body.right, header.bottom, header.right, body.bottom);
}

CSize CPageLayout::GetChartSize() const {
    const CRect chart = m_areas[kChartRect];
    return CSize(std::abs(chart.Width()), std::abs(chart.Height()));
}

// ---- Period and rows ----------------------------------------------------------------------------

CTimeSpan CPageLayout::GetMonthSpan() const {
    // An elapsed month shorter than a day would divide the elapsed-day numbering by zero.
    if (m_monthSpan.GetDays() < 1) {
        return CTimeSpan(kDefaultMonthDays, 0, 0, 0);
    }
    return m_monthSpan;
}

int CPageLayout::GetDayCount() const {
    return static_cast<int>((m_end - m_start).GetDays() + 1);
}

int CPageLayout::GetDrawDayCount() const {
    return static_cast<int>((GetDrawEnd() - GetDrawStart()).GetDays() + 1);
}

int CPageLayout::GetRowCount() const {
    return std::max(1, m_lastRow - m_firstRow + 1);
}

int CPageLayout::GetNobeMode() const {
    const CSyokiSet* set = GetSyokiSet();
    return set != nullptr ? set->GetNobeMode() : 0;
}

// ---- Conversions --------------------------------------------------------------------------------

bool CPageLayout::UseScale() const {
    // A scale whose days all have no width gives the period no length: the axis stays linear.
    return m_scale.IsBuilt() && m_scale.DateToUnits(m_end + CTimeSpan(1, 0, 0, 0)) > 0.0;
}

double CPageLayout::Units(const CTime& time) const {
    if (UseScale()) {
        return m_scale.DateToUnits(time);
    }
    return static_cast<double>((time - m_start).GetDays());
}

double CPageLayout::GetDayWidth() const {
    const double units = Units(m_end + CTimeSpan(1, 0, 0, 0));
    if (units == 0.0) {
        return 0.0;
    }
    return std::abs(m_areas[kChartRect].Width()) / units;
}

int CPageLayout::DaysToWidth(int days) const {
    return ClampInt(Trunc(GetDayWidth() * days));
}

double CPageLayout::GetDayWidthAt(const CTime& date) const {
    if (!UseScale()) {
        return GetDayWidth();
    }
    return std::abs(DateToX(date + CTimeSpan(1, 0, 0, 0)) - DateToX(date));
}

int CPageLayout::GetSpanWidth(const CTime& from, const CTime& to) const {
    return std::abs(DateToX(to) - DateToX(from));
}

int CPageLayout::DateToX(const CTime& time) const {
    const int left = m_areas[kChartRect].left;
    const double w = GetDayWidth();
    std::int64_t x = 0;
    if (!UseScale()) {
        const CTimeSpan span = time - m_start;
        x = left + Trunc(w * static_cast<double>(span.GetDays()));
        const std::int64_t s = span.GetTimeSpan() % kDaySeconds;
        const std::int64_t h = s / 3600;
        const std::int64_t m = (s - 3600 * h) / 60;
        if (h != 0) {
            x += Trunc(w * static_cast<double>(h) / 24.0);
        }
        if (m != 0) {
            x += Trunc(w * static_cast<double>(m) / 1440.0);
        }
    } else if (time.GetHour() != 0 && !m_scale.IsHourMode()) {
        // An hour inside a day of its own width: a share of that day.
        const CTime d0 = DayStart(time);
        const CTime d1 = d0 + CTimeSpan(1, 0, 0, 0);
        const double x0 = w * m_scale.DateToUnits(d0) + left;
        const double x1 = w * m_scale.DateToUnits(d1) + left;
        x = Trunc((x1 - x0) * time.GetHour() / 24.0 + x0);
        x += Trunc((x1 - x0) * time.GetMinute() / 1440.0);
    } else {
        x = Trunc(w * m_scale.DateToUnits(time) + left);
    }
    return ClampCoord(x);
}

CTime CPageLayout::XToDate(int x, int precision, int rounding) const {
    const CRect chart = m_areas[kChartRect];
    x = std::clamp(x, std::min(chart.left, chart.right), std::max(chart.left, chart.right));
    const double dx = x - chart.left;
    const double w = GetDayWidth();
    if (!(std::abs(w) > 0.0)) {
        return m_start;
    }
    const double r = RoundingOf(rounding);
    double u = dx / w;
    std::int64_t days = 0;
    std::int64_t hours = 0;
    std::int64_t minutes = 0;
    if (UseScale()) {
        u = m_scale.UnitsToDate(u);
        if (precision == 0) {
            days = Trunc(u + r);
        } else {
            days = Trunc(u);
            const double hf = (u - static_cast<double>(days)) * 24.0;
            if (precision == 2) {
                hours = Trunc(hf);
                minutes = Trunc((hf - static_cast<double>(hours)) * 60.0 + r);
            } else {
                hours = Trunc(hf + r);
            }
        }
    } else if (precision == 0) {
        days = Trunc(u + r);
    } else {
        const double hw = w / 24.0;
        days = Trunc(u);
        const double rest = dx - static_cast<double>(days) * w;
        if (std::abs(hw) > 0.0) {
            if (precision == 2) {
                hours = Trunc(rest / hw);
                const double mw = hw / 60.0;
                if (std::abs(mw) > 0.0) {
                    minutes = Trunc((rest - static_cast<double>(hours) * hw) / mw + r);
                }
            } else {
                hours = Trunc(rest / hw + r);
            }
        }
    }
    return m_start + CTimeSpan(days, static_cast<int>(hours), static_cast<int>(minutes), 0);
}

CTimeSpan CPageLayout::DateToNobeYMD(const CTime& time, int* year, int* month, int* day) const {
    const CTimeSpan span = (time - GetDrawStart()) - m_nobeOffset;
    const std::int64_t d = span.GetDays();
    const std::int64_t length = GetMonthSpan().GetDays();
    const std::int64_t e = d < 0 ? d + 1 : d;
    std::int64_t y = e / (12 * length);
    const std::int64_t rest = e % (12 * length);
    std::int64_t m = rest / length;
    std::int64_t dd = rest % length;
    if (d >= 0) {
        ++y;
        ++m;
        ++dd;
    } else {
        --y;
        --m;
        dd += length;
    }
    if (year != nullptr) {
        *year = static_cast<int>(y);
    }
    if (month != nullptr) {
        *month = static_cast<int>(m);
    }
    if (day != nullptr) {
        *day = static_cast<int>(dd);
    }
    return span;
}

double CPageLayout::GetRowHeight() const {
    return std::abs(m_areas[kItemArea].Height()) / static_cast<double>(GetRowCount());
}

int CPageLayout::RowsToHeight(int rows) const {
    return ClampInt(Trunc(GetRowHeight() * rows));
}

int CPageLayout::RowEdgeY(int top, int firstRow, double rowHeight, int row, int edge) const {
    row = std::clamp(row, 0, kMaxRow);
    const std::int64_t n = row - firstRow;
    const auto height = [rowHeight](std::int64_t k) {
        return Trunc(rowHeight * static_cast<double>(k));
    };
    std::int64_t y = 0;
    switch (edge) {
    case -1:
        y = top - height(n);
        break;
    case 1:
        y = top - height(n + 1);
        break;
    default:
        y = top - height(n) - (height(n + 1) - height(n)) / 2;
        break;
    }
    return ClampCoord(y);
}

int CPageLayout::RowToY(int row, int edge) const {
    if (InFixedPass()) {
        return RowEdgeY(m_areas[kChartFixed].top, m_altFirstRow, GetRowHeight(), row, edge);
    }
    return RowEdgeY(m_areas[kChartRect].top, m_firstRow, GetRowHeight(), row, edge);
}

int CPageLayout::YToRow(int y) const {
    const bool fixed = InFixedPass();
    const CRect base = m_areas[fixed ? kChartFixed : kChartRect];
    const int first = fixed ? m_altFirstRow : m_firstRow;
    y = std::min(y, static_cast<int>(base.top));
    if (y < base.bottom) {
        y = base.bottom + 1;
    }
    const double rowHeight = GetRowHeight();
    std::int64_t row = first;
    if (rowHeight > 0.0) {
        row += Trunc((base.top - y) / rowHeight);
    }
    return static_cast<int>(std::clamp<std::int64_t>(row, 0, kMaxRow));
}

double CPageLayout::YToRowF(int y) const {
    const CRect chart = m_areas[kChartRect];
    y = std::min(y, static_cast<int>(chart.top));
    if (y < chart.bottom) {
        y = chart.bottom + 1;
    }
    const double rowHeight = GetRowHeight();
    if (!(rowHeight > 0.0)) {
        return m_firstRow;
    }
    return m_firstRow + (chart.top - y) / rowHeight;
}

int CPageLayout::ColumnCount() const {
    const CKoumoku* table = m_doc != nullptr ? m_doc->GetKoumoku() : nullptr;
    return table != nullptr ? table->GetColumnCount() : 0;
}

int CPageLayout::ColumnToX(int column, int edge) const {
    const CRect items = m_areas[kItemArea];
    const int count = ColumnCount();
    const CKoumoku* table = m_doc != nullptr ? m_doc->GetKoumoku() : nullptr;
    double sum = 0.0;
    if (count > 0 && table != nullptr) {
        column = std::clamp(column, 0, count - 1);
        const int through = edge == 1 ? column : column - 1;
        for (int i = 0; i <= through; ++i) {
            sum += table->GetColumnWidth(i);
        }
    }
    if (edge == 0) {
        sum += 0.5;
    }
    const double p = (items.right - items.left) / 100.0;
    return ClampCoord(items.left + Trunc(sum * p));
}

int CPageLayout::XToColumn(int x) const {
    const CRect items = m_areas[kItemArea];
    const int count = ColumnCount();
    if (count <= 0) {
        return 0;
    }
    if (x >= items.right) {
        return count - 1;
    }
    if (x <= items.left) {
        return 0;
    }
    const CKoumoku* table = m_doc->GetKoumoku();
    const double p = (items.right - items.left) / 100.0;
    double sum = 0.0;
    // The first range starts at the left edge itself, so that every x inside the item area
    // falls into one column.
    std::int64_t previous = items.left;
    for (int i = 0; i < count; ++i) {
        sum += table->GetColumnWidth(i);
        const std::int64_t edge = items.left + Trunc(sum * p) + 1;
        if (previous < x && x <= edge) {
            return i;
        }
        previous = edge;
    }
    return count - 1;
}

int CPageLayout::HitColumnBorder(int x, int y) const {
    if (HitZone(x, y) != kZoneKoumoku) {
        return -1;
    }
    for (int i = ColumnCount() - 2; i >= 0; --i) {
        if (std::abs(x - ColumnToX(i, 1)) < kBorderReach) {
            return i;
        }
    }
    return -1;
}

int CPageLayout::HitZone(int x, int y) const {
    const auto inside = [x, y](const CRect& r) {
        return PtInLogRect(x, y, r.left, r.top, r.right, r.bottom) != FALSE;
    };
    if (!inside(m_areas[kPageFrame]) || inside(m_areas[kHeaderArea])) {
        return kZoneNone;
    }
    if (inside(m_areas[kDateBand])) {
        return x < m_areas[kItemArea].right ? kZoneAreaName : kZoneDateBand;
    }
    if (inside(m_areas[kBody])) {
        if (inside(m_areas[kItemArea])) {
            return kZoneKoumoku;
        }
        if (inside(m_areas[kProcessArea])) {
            return inside(m_areas[kChartRect]) ? kZoneChart : kZoneKoutei;
        }
    }
    return kZoneElsewhere;
}

CPoint CPageLayout::DateRowToPoint(const CTime& time, int row) const {
    return CPoint(DateToX(time), RowToY(row, 0));
}

void CPageLayout::PointToDateRow(int x, int y, int precision, CTime& time, int& row) const {
    time = XToDate(x, precision, 1);
    row = YToRow(y);
}

int CPageLayout::GetScaledKouteiSize() const {
    const CSyokiSet* set = GetSyokiSet();
    return set != nullptr ? Zoom(set->GetChart().GetLandAttr().m_radius) : 0;
}

int CPageLayout::GetScaledCornerSize() const {
    const CSyokiSet* set = GetSyokiSet();
    return set != nullptr ? Zoom(set->GetChart().GetCornerSize()) : 0;
}

int CPageLayout::GetScaledInclined() const {
    const CSyokiSet* set = GetSyokiSet();
    return set != nullptr ? Zoom(set->GetChart().GetInclined()) : 0;
}

int CPageLayout::GetScaledBarHeight() const {
    const CSyokiSet* set = GetSyokiSet();
    return set != nullptr ? Zoom(set->GetChart().GetBarHeight()) : 0;
}

// ---- Object rectangles --------------------------------------------------------------------------

CRect CPageLayout::ToDevice(CDC* dc, CRect rect) {
    rect = Normalized(rect);
    rect.left -= kBoundsMargin;
    rect.right += kBoundsMargin;
    rect.top += kBoundsMargin;
    rect.bottom -= kBoundsMargin;
    dc->LPtoDP(&rect);
    NormalizeRect(rect);
    return rect;
}

CRect CPageLayout::KouteiBounds(const KouteiBoundsParts& parts) const {
    CRect r = Normalized(CRect(parts.start.x, parts.start.y, parts.end.x, parts.end.y));
    switch (parts.styleCode) {
    case 6:
        r.top = std::max<LONG>(r.top, parts.extraY);
        r.bottom = std::min<LONG>(r.bottom, parts.extraY);
        break;
    case 0x80: {
        const int lineHeight = MulDiv(std::abs(Zoom(parts.fontHeight)), 150, 100);
        const int out = HighByteOf(parts.countWord) * lineHeight / 2;
        r.top += out;
        r.bottom -= out;
        break;
    }
    case 0x40: {
        const int barHeight = MulDiv(std::abs(GetScaledBarHeight()), 150, 100);
        const int out = LowByteOf(parts.countWord) * barHeight / 2;
        r.top += out;
        r.bottom -= out;
        break;
    }
    default:
        break;
    }
    const int radius = GetScaledKouteiSize();
    const int node = std::max(
        {parts.startNodeSize * radius / 100, parts.endNodeSize * radius / 100, parts.drawMargin});
    r.left -= node;
    r.right += node;
    r.top += node;
    r.bottom -= node;
    if (parts.terms) {
        r = UnionLogRect(r, Normalized(*parts.terms));
    }
    if (parts.resources) {
        r = UnionLogRect(r, Normalized(*parts.resources));
    }
    return Normalized(r);
}

CRect CPageLayout::GetObjectBounds(CDC* dc, const CDataHeader* object, int index) const {
    CRect r;
    if (object != nullptr) {
        switch (object->GetType()) {
        case kTypeKoutei:
            if (object->GetKind() == kKindKoutei && m_doc != nullptr) {
                KouteiBoundsParts parts;
                if (m_doc->GetKouteiBoundsParts(*object, *this, dc, index != -1,
                                                m_shigenDispMode != 0, parts)) {
                    r = KouteiBounds(parts);
                }
            }
            break;
        case kTypeKoumoku:
            if (object->GetKind() == kKindKoumokuData) {
                const auto& cell = static_cast<const CKoumokuData&>(*object);
                const CKoumoku* table = m_doc != nullptr ? m_doc->GetKoumoku() : nullptr;
                const bool wholeRow =
                    cell.IsSelected() == 255 ||
                    (table != nullptr && table->GetKeisenType(cell.GetRow()) != 0);
                const int right = wholeRow ? m_areas[kProcessArea].right : m_areas[kItemArea].right;
                r = CRect(m_areas[kItemArea].left, RowToY(cell.GetRow(), -1), right,
                          RowToY(cell.GetRow(), 1));
            }
            break;
        case kTypeShincyoku:
        case kTypeEvent:
        case kTypeChart:
            if (m_doc != nullptr) {
                r = m_doc->GetRecordBounds(*object, *this, dc);
            }
            break;
        case kTypeZukei:
            if (m_doc != nullptr) {
                r = Normalized(m_doc->GetRecordBounds(*object, *this, dc));
                if (object->GetKind() == kZukeiKindTotals) {
                    const int widen = std::max(40, static_cast<int>(r.Width()) / 7);
                    r.left -= widen;
                    r.right += widen;
                }
            }
            break;
        default:
            break;
        }
    }
    r = Normalized(r);
    return dc != nullptr ? ToDevice(dc, r) : r;
}

CRect CPageLayout::GetLineRect(CDC* dc, const CChartPos& pos, BOOL inflate) const {
    const int firstRow = static_cast<short>(pos.GetStartRow());
    const int lastRow = static_cast<short>(pos.GetEndRow());
    CRect r(DateToX(pos.GetStartDate()),
            firstRow < 0 ? m_areas[kDateBand].top : RowToY(firstRow, 0), DateToX(pos.GetEndDate()),
            lastRow >= kMaxRow ? m_areas[kProcessArea].bottom : RowToY(lastRow, 0));
    r = Normalized(r);
    return dc != nullptr && inflate ? ToDevice(dc, r) : r;
}

void CPageLayout::GetObjectRect(CRect& out, CDC* dc, const CKtkmHatch& hatch, BOOL inflate) const {
    CRect r;
    switch (hatch.GetKind()) {
    case CKtkmHatch::kRowBand:
        r = CRect(m_areas[kProcessArea].left, RowToY(hatch.GetFirstRow(), -1),
                  m_areas[kProcessArea].right, RowToY(hatch.GetLastRow(), 1));
        break;
    case CKtkmHatch::kDateBand:
        r = CRect(DateToX(hatch.GetStartDate()), m_areas[kProcessArea].top,
                  DateToX(hatch.GetEndDate()), m_areas[kProcessArea].bottom);
        break;
    case CKtkmHatch::kKoumokuCells:
        r = CRect(ColumnToX(hatch.GetFirstColumn(), -1), m_areas[kItemArea].top,
                  ColumnToX(hatch.GetLastColumn(), 1), m_areas[kItemArea].bottom);
        break;
    default:
        break;
    }
    r = Normalized(r);
    out = dc != nullptr && inflate ? ToDevice(dc, r) : r;
}

CRect CPageLayout::GetCntrItemRect(CDC* dc, const ILayoutCntrItem& item, BOOL toDevice) const {
    const CRect r = Normalized(item.GetDeviceRect(*this, dc));
    return dc != nullptr && toDevice ? ToDevice(dc, r) : r;
}

void CPageLayout::DrawCntrItem(CDC* dc, const ILayoutCntrItem& item) const {
    if (dc == nullptr) {
        return;
    }
    const CRect rect = GetCntrItemRect(dc, item, FALSE);
    const COLORREF white = RGB(255, 255, 255);
    if (item.IsWhiteBack()) {
        DrawStyledRect(dc, rect, -1, 0, white, 99, white, R2_COPYPEN, OPAQUE);
    }
    if (item.HasPicture()) {
        CRect picture = rect;
        if (GetDrawSettings().flipY) {
            picture.top = -picture.top;
            picture.bottom = -picture.bottom;
        }
        item.DrawPicture(dc, picture);
    }
    if (item.HasFrame()) {
        DrawStyledRect(dc, rect, 0, 0, RGB(0, 0, 0), -1, white, R2_COPYPEN, OPAQUE);
    }
}

} // namespace tembra
