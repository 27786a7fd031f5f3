#include "shapes/Zukei3.h"

#include "model/Calendar.h"
#include "render/Geometry.h"
#include "shapes/DatePos.h"
#include "shapes/ZukeiGeometry.h"
#include "shapes/ZukeiView.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>
#include <optional>
#include <vector>

namespace tembra {

IMPLEMENT_SERIAL(CZukei3, CZukei, 1)

namespace {

constexpr double kPi = std::numbers::pi;
// The square of the sector polygon reaches this far beyond the circle.
constexpr int kWedgeMargin = 2;
constexpr short kArcStyle = 7;

LONG ToLong(double v) {
    return static_cast<LONG>(std::clamp(v, double(std::numeric_limits<LONG>::min()),
                                        double(std::numeric_limits<LONG>::max())));
}

// The direction of p seen from c, counter-clockwise from +x with y upwards, in [0, 2 pi).
double DirectionOf(const CPoint& c, const CPoint& p) {
    const double d = GeomDistance(c.x, c.y, p.x, p.y);
    if (d <= 0.0) {
        return 0.0;
    }
    const double dx = std::clamp(static_cast<double>(p.x) - c.x, -d, d);
    const double a = std::acos(dx / d);
    return p.y < c.y ? 2.0 * kPi - a : a;
}

// Where the ray from c through p leaves the rectangle (left < right, bottom < top); none when
// the ray has no direction or misses it.
std::optional<CPoint> RayExit(const CPoint& c, const CPoint& p, double left, double bottom,
                              double right, double top) {
    const double dx = static_cast<double>(p.x) - c.x;
    const double dy = static_cast<double>(p.y) - c.y;
    if (dx == 0.0 && dy == 0.0) {
        return std::nullopt;
    }
    double enter = 0.0;
    double leave = std::numeric_limits<double>::infinity();
    const auto slab = [&](double origin, double d, double lo, double hi) {
        if (d == 0.0) {
            return lo <= origin && origin <= hi;
        }
        double t0 = (lo - origin) / d;
        double t1 = (hi - origin) / d;
        if (t0 > t1) {
            std::swap(t0, t1);
        }
        enter = std::max(enter, t0);
        leave = std::min(leave, t1);
        return true;
    };
    if (!slab(c.x, dx, left, right) || !slab(c.y, dy, bottom, top) || leave < enter) {
        return std::nullopt;
    }
    return CPoint(ToLong(std::lround(c.x + leave * dx)), ToLong(std::lround(c.y + leave * dy)));
}

// A direction point's unit vector at a length, as the arc fitting takes it: the cosine from the
// x part and the sine from the y part of the direction, each truncated.
CPoint DirectionAt(const CPoint& c, const CPoint& p, int length) {
    const double d = std::max(GeomDistance(c.x, c.y, p.x, p.y), CZukei3::kMinDirectionLength);
    const double vx = std::clamp(static_cast<double>(p.x) - c.x, -d, d);
    const double vy = std::clamp(static_cast<double>(p.y) - c.y, -d, d);
    const double a = std::acos(vx / d);
    const double b = std::asin(vy / d);
    return CPoint(ToLong(std::trunc(std::cos(a) * length)),
                  ToLong(std::trunc(std::sin(b) * length)));
}

} // namespace

// ---- Storage ------------------------------------------------------------------------------------

void CZukei3::Serialize(CArchive& ar) {
    CZukei::Serialize(ar);
    std::array<BYTE, kAnchorsSize> block{};
    if (ar.IsStoring()) {
        ar << static_cast<WORD>(m_pointCount);
        for (std::size_t i = 0; i < m_anchors.size(); ++i) {
            m_anchors[i].ToFile(block.data() + i * CZukeiPoint::kFileSize);
        }
        ar.Write(block.data(), static_cast<UINT>(block.size()));
        return;
    }
    WORD count = 0;
    ar >> count;
    ar.ReadExact(block.data(), block.size());
    m_pointCount = count;
    for (std::size_t i = 0; i < m_anchors.size(); ++i) {
        m_anchors[i].FromFile(block.data() + i * CZukeiPoint::kFileSize);
    }
}

void CZukei3::CopyAnchorsFrom(const CZukei3& source) {
    m_pointCount = source.m_pointCount;
    m_anchors = source.m_anchors;
}

// ---- Dates and rows -----------------------------------------------------------------------------

CTime CZukei3::GetStartDate(int) const {
    const std::int64_t t0 = m_anchors[0].GetDate().GetTime();
    const std::int64_t t1 = m_anchors[1].GetDate().GetTime();
    return CTime(t0 - (t0 > t1 ? t0 - t1 : t1 - t0));
}

CTime CZukei3::GetEndDate(int) const {
    const std::int64_t t0 = m_anchors[0].GetDate().GetTime();
    const std::int64_t t1 = m_anchors[1].GetDate().GetTime();
    return CTime(t0 + (t0 > t1 ? t0 - t1 : t1 - t0));
}

double CZukei3::GetTopRow(int) const {
    const double r0 = m_anchors[0].GetRow();
    return r0 - std::abs(r0 - m_anchors[1].GetRow());
}

double CZukei3::GetBottomRow(int) const {
    const double r0 = m_anchors[0].GetRow();
    return r0 + std::abs(r0 - m_anchors[1].GetRow());
}

void CZukei3::GetStartPos(short& rowNo, double& fraction, int mode) const {
    SplitRow(GetTopRow(mode), rowNo, fraction);
}

void CZukei3::GetEndPos(short& rowNo, double& fraction, int mode) const {
    SplitRow(GetBottomRow(mode), rowNo, fraction);
}

void CZukei3::MoveBy(const CTimeSpan& span, double rows) {
    for (CZukeiPoint& anchor : m_anchors) {
        anchor.SetDate(anchor.GetDate() + span);
        anchor.SetRow(anchor.GetRow() + rows);
    }
}

// ---- Placement ----------------------------------------------------------------------------------

CZukei3::Geometry CZukei3::GetDevicePoints(const IZukeiView& view) const {
    Geometry g;
    g.placed = m_pointCount;
    std::array<CPoint, 3> p{};
    switch (GetPointMode()) {
    case kPlaceFixedSize: {
        p[0] = ChartPoint(view, m_anchors[0]);
        const CPoint& o0 = m_anchors[0].GetOffset();
        for (std::size_t i = 1; i < p.size(); ++i) {
            const CPoint& o = m_anchors[i].GetOffset();
            p[i] = CPoint(p[0].x + Zoom(view, o.x) - Zoom(view, o0.x),
                          p[0].y + Zoom(view, o.y) - Zoom(view, o0.y));
        }
        break;
    }
    case kPlaceOnPage: {
        const ZukeiPage page = GetPageOf(view);
        if (!IsOnPage(page)) {
            g.onPage = false;
            return g;
        }
        // Every anchor shifts with the centre's date and row.
        for (std::size_t i = 0; i < p.size(); ++i) {
            p[i] = PagePoint(view, m_anchors[i].GetOffset(), page, m_anchors[0].GetDate(),
                             m_anchors[0].GetRow());
        }
        break;
    }
    default:
        for (std::size_t i = 0; i < p.size(); ++i) {
            p[i] = ChartPoint(view, m_anchors[i]);
        }
        break;
    }
    g.centre = p[0];
    g.start = p[1];
    g.end = p[2];
    g.radius = static_cast<int>(GeomDistance(p[0].x, p[0].y, p[1].x, p[1].y));
    return g;
}

CRect CZukei3::SquareOf(const Geometry& g) {
    return CRect(g.centre.x - g.radius, g.centre.y + g.radius, g.centre.x + g.radius,
                 g.centre.y - g.radius);
}

CRect CZukei3::GetDeviceRect(const IZukeiView& view) const {
    const Geometry g = GetDevicePoints(view);
    return g.onPage ? SquareOf(g) : CRect();
}

void CZukei3::SetPoint(const CDatePos& pos, const IZukeiView& view, int index) {
    if (index < 1 || index > 3) {
        return;
    }
    CZukeiPoint& anchor = m_anchors[static_cast<std::size_t>(index) - 1];
    anchor.SetDate(pos.date);
    anchor.SetRow(pos.row);
    const ZukeiPage page = GetPageOf(view);
    // The day remainder at the anchor's own date, the row remainder at the centre's row.
    anchor.SetOffset(PageOffset(view, pos.point, page, anchor.GetDate(), m_anchors[0].GetRow()));
    if (index == 1) {
        SetPage(page.col, page.row);
    }
    m_pointCount = index;
}

void CZukei3::ResetOffsets() {
    for (CZukeiPoint& anchor : m_anchors) {
        anchor.SetOffset(0, 0);
    }
}

void CZukei3::FixOffsets(const IZukeiView& view) {
    if (GetPointMode() == kPlaceOnChart || m_anchors[0].GetOffset() != CPoint(0, 0)) {
        return;
    }
    const ZukeiPage page = GetPageOf(view);
    const CTime date = m_anchors[0].GetDate();
    const double row = m_anchors[0].GetRow();
    for (CZukeiPoint& anchor : m_anchors) {
        anchor.SetOffset(PageOffset(view, ChartPoint(view, anchor), page, date, row));
    }
    SetPage(page.col, page.row);
}

BOOL CZukei3::HasOffsets() const {
    switch (m_pointCount) {
    case 2:
        return m_anchors[0].GetOffset() != m_anchors[1].GetOffset() ? TRUE : FALSE;
    case 3:
        return m_anchors[1].GetOffset() != m_anchors[2].GetOffset() ? TRUE : FALSE;
    default:
        return FALSE;
    }
}

// ---- Moving and resizing ------------------------------------------------------------------------

void CZukei3::MoveAnchors(const IZukeiView& view, const CPoint&, const CTimeSpan& span,
                          double rows) {
    const CPoint before = ChartPoint(view, m_anchors[0]);
    MoveBy(span, rows);
    if (!HasBothOffsetParts(m_anchors[0])) {
        return;
    }
    const CPoint after = ChartPoint(view, m_anchors[0]);
    const CPoint shift(Unzoom(view, after.x - before.x), Unzoom(view, after.y - before.y));
    for (CZukeiPoint& anchor : m_anchors) {
        anchor.SetOffset(anchor.GetOffset() + shift);
    }
}

void CZukei3::ResizeRect(const IZukeiView&, const CPoint& delta, int handle, const CRect& ref,
                         CRect& rect) const {
    ScaleRectByHandle(delta, handle, ref, rect, kMinArcResize);
}

CZukei3::Geometry CZukei3::GetResizedGeometry(const IZukeiView& view, const CPoint& delta,
                                              int handle, const CRect& ref) const {
    Geometry g = GetDevicePoints(view);
    if (!g.onPage) {
        return g;
    }
    CRect square = SquareOf(g);
    ResizeRect(view, delta, handle, ref, square);
    SquareRect(handle, square);
    FitArcToRect(square, g.centre, g.start, g.end, g.radius);
    return g;
}

void CZukei3::ResizeAnchors(const IZukeiView& view, const CPoint& delta, int handle,
                            const CRect& ref, const CDatePos&) {
    const Geometry old = GetDevicePoints(view);
    if (!old.onPage) {
        return;
    }
    const Geometry g = GetResizedGeometry(view, delta, handle, ref);
    const bool carryOffsets = HasBothOffsetParts(m_anchors[0]);
    const std::array<CPoint, 3> from{old.centre, old.start, old.end};
    const std::array<CPoint, 3> to{g.centre, g.start, g.end};
    for (std::size_t i = 0; i < m_anchors.size(); ++i) {
        CZukeiPoint& anchor = m_anchors[i];
        anchor.SetDate(XToDate(view, to[i].x));
        anchor.SetRow(YToRow(view, to[i].y));
        if (carryOffsets) {
            anchor.SetOffset(anchor.GetOffset() + CPoint(Unzoom(view, to[i].x - from[i].x),
                                                         Unzoom(view, to[i].y - from[i].y)));
        }
    }
}

CRect CZukei3::GetResizedRect(const IZukeiView& view, const CPoint& delta, int handle,
                              const CRect& ref) const {
    const Geometry g = GetDevicePoints(view);
    if (!g.onPage) {
        return CRect();
    }
    CRect square = SquareOf(g);
    ResizeRect(view, delta, handle, ref, square);
    return square;
}

// ---- Fitting and the sector ---------------------------------------------------------------------

void CZukei3::FitArcToRect(const CRect& rect, CPoint& centre, CPoint& start, CPoint& end,
                           int& radius) {
    const std::int64_t width = static_cast<std::int64_t>(rect.right) - rect.left;
    const std::int64_t height = static_cast<std::int64_t>(rect.bottom) - rect.top;
    const int r = static_cast<int>(
        std::min<std::int64_t>((width < 0 ? -width : width) / 2, std::numeric_limits<int>::max()));
    const CPoint u2 = DirectionAt(centre, start, r);
    const CPoint u3 = DirectionAt(centre, end, r);
    const CPoint c(static_cast<LONG>((static_cast<std::int64_t>(rect.left) + rect.right) / 2),
                   static_cast<LONG>((static_cast<std::int64_t>(rect.top) + rect.bottom) / 2));
    if (width > 0 && height < 0) {
        start = CPoint(c.x + u2.x, c.y + u2.y);
        end = CPoint(c.x + u3.x, c.y + u3.y);
    } else if (width > 0) {
        start = CPoint(c.x + u3.x, c.y - u3.y);
        end = CPoint(c.x + u2.x, c.y - u2.y);
    } else if (height < 0) {
        start = CPoint(c.x - u3.x, c.y + u3.y);
        end = CPoint(c.x - u2.x, c.y + u2.y);
    } else {
        start = CPoint(c.x - u2.x, c.y - u2.y);
        end = CPoint(c.x - u3.x, c.y - u3.y);
    }
    centre = c;
    radius = r;
}

CZukei3::Wedge CZukei3::ArcPolygon(const CRect& square, const CPoint& centre, const CPoint& start,
                                   const CPoint& end) {
    Wedge wedge;
    const double left = std::min(square.left, square.right) - static_cast<double>(kWedgeMargin);
    const double right = std::max(square.left, square.right) + static_cast<double>(kWedgeMargin);
    const double bottom = std::min(square.top, square.bottom) - static_cast<double>(kWedgeMargin);
    const double top = std::max(square.top, square.bottom) + static_cast<double>(kWedgeMargin);
    const std::optional<CPoint> first = RayExit(centre, start, left, bottom, right, top);
    const std::optional<CPoint> last = RayExit(centre, end, left, bottom, right, top);
    if (!first || !last) {
        return wedge;
    }
    struct Corner {
        double direction;
        CPoint point;
    };
    const Corner corners[] = {
        {kPi / 4, CPoint(ToLong(right), ToLong(top))},
        {3 * kPi / 4, CPoint(ToLong(left), ToLong(top))},
        {5 * kPi / 4, CPoint(ToLong(left), ToLong(bottom))},
        {7 * kPi / 4, CPoint(ToLong(right), ToLong(bottom))},
    };
    const double a1 = DirectionOf(centre, start);
    const double a2 = DirectionOf(centre, end);
    int n = 0;
    wedge.points[n++] = centre;
    wedge.points[n++] = *first;
    // Counter-clockwise from a1 to a2; equal directions sweep the whole circle.
    if (a1 < a2) {
        for (const Corner& corner : corners) {
            if (a1 < corner.direction && corner.direction < a2) {
                wedge.points[n++] = corner.point;
            }
        }
    } else {
        for (const Corner& corner : corners) {
            if (corner.direction > a1) {
                wedge.points[n++] = corner.point;
            }
        }
        for (const Corner& corner : corners) {
            if (corner.direction < a2) {
                wedge.points[n++] = corner.point;
            }
        }
    }
    wedge.points[n++] = *last;
    wedge.count = n;
    return wedge;
}

ZukeiHitArea CZukei3::SectorArea(const Geometry& g, int tol, bool band) {
    const CRect square = SquareOf(g);
    const Wedge wedge = ArcPolygon(square, g.centre, g.start, g.end);
    ZukeiHitArea area{ZukeiOutline::Ellipse(GrowOutward(square, tol)),
                      ZukeiOutline::Polygon(wedge.points.data(), wedge.count), std::nullopt};
    if (band && g.radius > tol) {
        area.hole = ZukeiOutline::Ellipse(GrowOutward(square, -tol));
    }
    return area;
}

// ---- The extent of the curve --------------------------------------------------------------------

CPageLayout CZukei3::GetArcLayout(const IZukeiView& view) const {
    CPageLayout layout = view.GetPageLayout();
    // The chart's own rows, not those of a fixed-row pass.
    layout.SetClipPass(FALSE);
    const CZukeiLayoutView widened(layout);
    const CTime first(CCalendar::kFirstYear, 1, 1, 0, 0, 0);
    const CTime last(CCalendar::kLastYear, 12, 31, 0, 0, 0);
    // How many whole units an overhang amounts to, at least one.
    const auto units = [](double overhang, double unit) {
        const double n = unit > 0.0 ? std::trunc(overhang / unit) : 1.0;
        return static_cast<int>(std::clamp(n, 1.0, 100000.0));
    };
    // Each step moves one bound by at least a day or a row, and every bound stops at its limit:
    // a circle that no widening brings inside (one fixed on the page) ends the loop there.
    for (;;) {
        const Geometry g = GetDevicePoints(widened);
        if (!g.onPage) {
            break;
        }
        const CRect chart = layout.GetChartRect();
        const int left = g.centre.x - g.radius;
        const int right = g.centre.x + g.radius;
        const int top = g.centre.y + g.radius;
        const int bottom = g.centre.y - g.radius;
        if (left < chart.left && layout.GetStartDate() > first) {
            const int days = units(chart.left - left, layout.GetDayWidth());
            layout.SetStartDate(std::max(layout.GetStartDate() - CTimeSpan(days, 0, 0, 0), first));
            layout.RebuildScale();
        } else if (right > chart.right && layout.GetEndDate() < last) {
            const int days = units(right - chart.right, layout.GetDayWidth());
            layout.SetEndDate(std::min(layout.GetEndDate() + CTimeSpan(days, 0, 0, 0), last));
            layout.RebuildScale();
        } else if (top > chart.top && layout.GetFirstRow() > 0) {
            const int rows = units(top - chart.top, layout.GetRowHeight());
            layout.SetFirstRow(static_cast<short>(std::max(layout.GetFirstRow() - rows, 0)));
        } else if (bottom < chart.bottom && layout.GetLastRow() < kLastExtentRow) {
            const int rows = units(chart.bottom - bottom, layout.GetRowHeight());
            layout.SetLastRow(static_cast<short>(
                std::min(layout.GetLastRow() + rows, static_cast<int>(kLastExtentRow))));
        } else {
            break;
        }
    }
    return layout;
}

void CZukei3::GetArcExtent(const IZukeiView& view, CTime* startDate, CTime* endDate, double* topRow,
                           double* bottomRow) const {
    const CPageLayout layout = GetArcLayout(view);
    const CZukeiLayoutView widened(layout);
    const Geometry g = GetDevicePoints(widened);
    const CRect square = SquareOf(g);
    const Wedge wedge = ArcPolygon(square, g.centre, g.start, g.end);
    std::vector<CPoint> points(wedge.points.begin(), wedge.points.begin() + wedge.count);
    if (GetStyle() == kArcStyle) {
        // An open curve: its ends on the circle take the centre's place.
        const auto onCircle = [&](const CPoint& through) -> std::optional<CPoint> {
            double xs[2] = {};
            double ys[2] = {};
            if (GeomIntersectLineCircle(g.centre.x, g.centre.y, through.x, through.y, g.centre.x,
                                        g.centre.y, g.radius, xs, ys) == 0) {
                return std::nullopt;
            }
            return CPoint(ToLong(std::lround(xs[0])), ToLong(std::lround(ys[0])));
        };
        const std::optional<CPoint> from = onCircle(points[1]);
        const std::optional<CPoint> to = onCircle(points.back());
        if (from) {
            points[0] = *from;
        }
        if (to) {
            points.push_back(*to);
        }
    }
    const Region region =
        Region::FromPolygon(points.data(), static_cast<int>(points.size()), ALTERNATE);
    CRect box = region.Box();
    if (region.IsEmpty()) {
        // No direction to sweep: the circle's square, a point for a circle of no radius.
        box = square;
        box.NormalizeRect();
    }
    // Regions run top < bottom: with y upwards the larger y is the upper edge.
    if (startDate != nullptr) {
        *startDate = XToDate(widened, box.left);
    }
    if (endDate != nullptr) {
        *endDate = XToDate(widened, box.right);
    }
    if (topRow != nullptr) {
        *topRow = YToRow(widened, box.bottom);
    }
    if (bottomRow != nullptr) {
        *bottomRow = YToRow(widened, box.top);
    }
}

} // namespace tembra
