#include "shapes/ZukeiEx.h"

#include "model/DamagedFile.h"
#include "platform/DC.h"
#include "platform/GdiObjects.h"
#include "platform/Ui.h"
#include "render/PageLayout.h"
#include "render/StyledDraw.h"
#include "shapes/DatePos.h"
#include "shapes/ZukeiGeometry.h"
#include "shapes/ZukeiView.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <new>

namespace tembra {

IMPLEMENT_SERIAL(CZukeiEx, CZukei, 1)

namespace {

constexpr UINT IDS_TOO_MANY_POINTS = 5061;
// A handle drag leaves a point-list shape at least this wide and high.
constexpr double kMinPointExtent = 20.0;

// left = smallest x, top = largest y, right = largest x, bottom = smallest y.
CRect BoundsOf(const std::vector<CPoint>& points) {
    if (points.empty()) {
        return CRect();
    }
    CRect r(points[0].x, points[0].y, points[0].x, points[0].y);
    for (const CPoint& p : points) {
        r.left = std::min(r.left, p.x);
        r.right = std::max(r.right, p.x);
        r.top = std::max(r.top, p.y);
        r.bottom = std::min(r.bottom, p.y);
    }
    return r;
}

LONG ToCoord(double v) {
    return static_cast<LONG>(std::clamp(v, double(std::numeric_limits<LONG>::min()),
                                        double(std::numeric_limits<LONG>::max())));
}

// origin + trunc(scale x (v - origin) / unit)
double ScaleAbout(double origin, double scale, double v, double unit) {
    return origin + std::trunc(scale * (v - origin) / unit);
}

} // namespace

// ---- Storage and the list ---------------------------------------------------------------------

void CZukeiEx::Serialize(CArchive& ar) {
    CZukei::Serialize(ar);
    std::array<BYTE, CZukeiPoint::kFileSize> block{};
    if (ar.IsStoring()) {
        ar << static_cast<WORD>(m_points.size());
        for (const CZukeiPoint& point : m_points) {
            point.ToFile(block.data());
            ar.Write(block.data(), static_cast<UINT>(block.size()));
        }
        return;
    }
    WORD count = 0;
    ar >> count;
    if (count > kMaxPoints) {
        FailDamagedFile();
    }
    m_points.clear();
    m_points.reserve(count);
    for (WORD i = 0; i < count; ++i) {
        ar.ReadExact(block.data(), block.size());
        CZukeiPoint point;
        point.FromFile(block.data());
        m_points.push_back(point);
    }
}

bool CZukeiEx::AddPoint(const CZukeiPoint& point) {
    if (GetPointCount() >= kMaxPoints) {
        return false;
    }
    m_points.push_back(point);
    return true;
}

void CZukeiEx::CopyPointsTo(CZukeiEx& dest) const {
    dest.m_points.clear();
    for (const CZukeiPoint& point : m_points) {
        try {
            dest.m_points.push_back(point);
        } catch (const std::bad_alloc&) {
            ReportNoShapeData();
            return;
        }
    }
}

const CZukeiPoint* CZukeiEx::PointOf(int mode) const {
    return mode >= 1 && mode <= GetPointCount() ? &m_points[static_cast<std::size_t>(mode) - 1]
                                                : nullptr;
}

int CZukeiEx::GetElementCount() const {
    return GetPointCount();
}

void CZukeiEx::RemovePrevPoint() {
    if (m_points.size() >= 2) {
        m_points.erase(m_points.end() - 2);
    }
}

void CZukeiEx::RemoveLastPoint() {
    if (!m_points.empty()) {
        m_points.pop_back();
    }
}

// ---- Dates and rows
// -------------------------------------------------------------------------------

CTime CZukeiEx::GetStartDate(int mode) const {
    if (mode >= 1) {
        const CZukeiPoint* point = PointOf(mode);
        return point != nullptr ? point->GetDate() : CTime();
    }
    if (m_points.empty()) {
        return CTime();
    }
    return std::min_element(m_points.begin(), m_points.end(),
                            [](const auto& a, const auto& b) { return a.GetDate() < b.GetDate(); })
        ->GetDate();
}

CTime CZukeiEx::GetEndDate(int mode) const {
    if (mode >= 1) {
        const CZukeiPoint* point = PointOf(mode);
        return point != nullptr ? point->GetDate() : CTime();
    }
    if (m_points.empty()) {
        return CTime();
    }
    return std::max_element(m_points.begin(), m_points.end(),
                            [](const auto& a, const auto& b) { return a.GetDate() < b.GetDate(); })
        ->GetDate();
}

double CZukeiEx::GetTopRow(int mode) const {
    if (mode >= 1) {
        const CZukeiPoint* point = PointOf(mode);
        return point != nullptr ? point->GetRow() : 0.0;
    }
    if (m_points.empty()) {
        return 0.0;
    }
    return std::min_element(m_points.begin(), m_points.end(),
                            [](const auto& a, const auto& b) { return a.GetRow() < b.GetRow(); })
        ->GetRow();
}

double CZukeiEx::GetBottomRow(int mode) const {
    if (mode >= 1) {
        const CZukeiPoint* point = PointOf(mode);
        return point != nullptr ? point->GetRow() : 0.0;
    }
    if (m_points.empty()) {
        return 0.0;
    }
    return std::max_element(m_points.begin(), m_points.end(),
                            [](const auto& a, const auto& b) { return a.GetRow() < b.GetRow(); })
        ->GetRow();
}

void CZukeiEx::GetStartPos(short& rowNo, double& fraction, int mode) const {
    if (mode == 0 || mode == -1) {
        if (!m_points.empty()) {
            SplitRow(GetTopRow(0), rowNo, fraction);
        }
    } else if (const CZukeiPoint* point = PointOf(mode)) {
        SplitRow(point->GetRow(), rowNo, fraction);
    }
}

void CZukeiEx::GetEndPos(short& rowNo, double& fraction, int mode) const {
    if (mode == 0) {
        if (!m_points.empty()) {
            SplitRow(GetBottomRow(0), rowNo, fraction);
        }
    } else if (const CZukeiPoint* point = PointOf(mode)) {
        SplitRow(point->GetRow(), rowNo, fraction);
    }
}

void CZukeiEx::MoveBy(const CTimeSpan& span, double rows) {
    for (CZukeiPoint& point : m_points) {
        point.SetDate(point.GetDate() + span);
        point.SetRow(point.GetRow() + rows);
    }
}

// ---- Placement ----------------------------------------------------------------------------------

std::vector<CPoint> CZukeiEx::GetDevicePoints(const IZukeiView& view) const {
    std::vector<CPoint> points;
    if (m_points.size() < 2) {
        return points;
    }
    try {
        points.reserve(m_points.size());
        switch (GetPointMode()) {
        case kPlaceFixedSize: {
            const CPoint first = ChartPoint(view, m_points[0]);
            const CPoint& o0 = m_points[0].GetOffset();
            for (const CZukeiPoint& point : m_points) {
                const CPoint& o = point.GetOffset();
                points.emplace_back(first.x + Zoom(view, o.x) - Zoom(view, o0.x),
                                    first.y + Zoom(view, o.y) - Zoom(view, o0.y));
            }
            break;
        }
        case kPlaceOnPage: {
            const ZukeiPage page = GetPageOf(view);
            if (!IsOnPage(page)) {
                return {};
            }
            // Each point shifts by the remainders at its own date and row.
            for (const CZukeiPoint& point : m_points) {
                points.push_back(
                    PagePoint(view, point.GetOffset(), page, point.GetDate(), point.GetRow()));
            }
            break;
        }
        default:
            for (const CZukeiPoint& point : m_points) {
                points.push_back(ChartPoint(view, point));
            }
            break;
        }
    } catch (const std::bad_alloc&) {
        ReportNoData();
        return {};
    }
    return points;
}

CRect CZukeiEx::GetDeviceRect(const IZukeiView& view) const {
    return BoundsOf(GetDevicePoints(view));
}

void CZukeiEx::SetPoint(const CDatePos& pos, const IZukeiView& view, int index) {
    const CTime date = XToDate(view, pos.point.x);
    const double row = YToRow(view, pos.point.y);
    const ZukeiPage page = GetPageOf(view);
    const CZukeiPoint point(date, row, PageOffset(view, pos.point, page, date, row));
    if (index == 0) {
        if (!m_points.empty()) {
            m_points.back() = point;
        }
        return;
    }
    if (m_points.empty()) {
        SetPage(page.col, page.row);
    }
    if (GetPointCount() >= kMaxPoints) {
        AfxMessageBox(IDS_TOO_MANY_POINTS);
        return;
    }
    try {
        m_points.push_back(point);
    } catch (const std::bad_alloc&) {
        ReportNoShapeData();
    }
}

void CZukeiEx::ResetOffsets() {
    for (CZukeiPoint& point : m_points) {
        point.SetOffset(0, 0);
    }
}

void CZukeiEx::FixOffsets(const IZukeiView& view) {
    if (GetPointMode() == kPlaceOnChart || m_points.empty() ||
        m_points[0].GetOffset() != CPoint(0, 0)) {
        return;
    }
    // As SetPoint takes them, so that the shape stays where the chart put it at any zoom.
    const ZukeiPage page = GetPageOf(view);
    for (CZukeiPoint& point : m_points) {
        point.SetOffset(
            PageOffset(view, ChartPoint(view, point), page, point.GetDate(), point.GetRow()));
    }
    SetPage(page.col, page.row);
}

BOOL CZukeiEx::HasOffsets() const {
    const std::size_t n = m_points.size();
    return n >= 2 && m_points[n - 1].GetOffset() != m_points[n - 2].GetOffset() ? TRUE : FALSE;
}

// ---- Moving and resizing ------------------------------------------------------------------------

void CZukeiEx::MoveAnchors(const IZukeiView& view, const CPoint&, const CTimeSpan& span,
                           double rows) {
    if (m_points.empty()) {
        return;
    }
    const bool carryOffsets = HasBothOffsetParts(m_points[0]);
    const CPoint before = ChartPoint(view, m_points[0]);
    MoveBy(span, rows);
    if (!carryOffsets) {
        return;
    }
    const CPoint after = ChartPoint(view, m_points[0]);
    const CPoint shift(Unzoom(view, after.x - before.x), Unzoom(view, after.y - before.y));
    for (CZukeiPoint& point : m_points) {
        point.SetOffset(point.GetOffset() + shift);
    }
}

std::vector<CPoint> CZukeiEx::ResizePoints(const std::vector<CPoint>& points, const CPoint& delta,
                                           int handle, const CRect& ref) const {
    std::vector<CPoint> out = points;
    if (out.empty()) {
        return out;
    }
    const CRect cur = BoundsOf(points);
    // A shape without a width (or a height) keeps it: no minimum is forced on that axis.
    const double curW = static_cast<double>(cur.right) - cur.left;
    const double curH = static_cast<double>(cur.top) - cur.bottom;
    const double w = ref.Width() != 0 ? ref.Width() : 1;
    const double h = ref.Height() != 0 ? ref.Height() : 1;
    double dx = delta.x;
    double dy = delta.y;
    const auto tooNarrow = [&](const auto& map, double extent) {
        return extent != 0.0 && std::abs(map(cur.right) - map(cur.left)) < kMinPointExtent;
    };
    const auto tooLow = [&](const auto& map, double extent) {
        return extent != 0.0 && std::abs(map(cur.top) - map(cur.bottom)) < kMinPointExtent;
    };
    // The drag that leaves the current extent exactly the minimum.
    const auto keepMinimum = [](double refExtent, double extent) {
        return std::trunc(std::abs(refExtent) - std::abs(refExtent) * kMinPointExtent / extent);
    };

    if (HandleMovesLeft(handle)) {
        const auto map = [&](double x) { return ScaleAbout(ref.right, w - dx, x, w); };
        if (tooNarrow(map, curW)) {
            dx = keepMinimum(w, curW);
        }
        for (CPoint& p : out) {
            p.x = ToCoord(map(p.x));
        }
    }
    if (HandleMovesRight(handle)) {
        const auto map = [&](double x) { return ScaleAbout(ref.left, w + dx, x, w); };
        if (tooNarrow(map, curW)) {
            dx = -keepMinimum(w, curW);
        }
        for (CPoint& p : out) {
            p.x = ToCoord(map(p.x));
        }
    }
    if (HandleMovesTop(handle)) {
        const auto map = [&](double y) { return ScaleAbout(ref.bottom, h - dy, y, h); };
        if (tooLow(map, curH)) {
            dy = -keepMinimum(h, curH);
        }
        for (CPoint& p : out) {
            p.y = ToCoord(map(p.y));
        }
    }
    if (HandleMovesBottom(handle)) {
        const auto map = [&](double y) { return ScaleAbout(ref.top, h + dy, y, h); };
        if (tooLow(map, curH)) {
            dy = keepMinimum(h, curH);
        }
        for (CPoint& p : out) {
            p.y = ToCoord(map(p.y));
        }
    }
    if (handle == kHandleCenter) {
        const CPoint c = ref.CenterPoint();
        const double halfW = ref.Width() / 2 != 0 ? ref.Width() / 2 : 1;
        const double halfH = ref.Height() / 2 != 0 ? ref.Height() / 2 : 1;
        double sx = dx;
        double sy = dy;
        const auto mapX = [&](double x) { return ScaleAbout(c.x, sx, x, halfW); };
        const auto mapY = [&](double y) { return ScaleAbout(c.y, sy, y, halfH); };
        if (tooNarrow(mapX, curW)) {
            sx = std::copysign(std::trunc(std::abs(halfW) * 10 / curW), sx);
        }
        if (tooLow(mapY, curH)) {
            sy = std::copysign(std::trunc(std::abs(halfH) * 10 / curH), sy);
        }
        for (CPoint& p : out) {
            p.x = ToCoord(mapX(p.x));
            p.y = ToCoord(mapY(p.y));
        }
    }
    return out;
}

void CZukeiEx::ResizeAnchors(const IZukeiView& view, const CPoint& delta, int handle,
                             const CRect& ref, const CDatePos& pos) {
    const std::vector<CPoint> old = GetDevicePoints(view);
    if (old.empty()) {
        return;
    }
    std::vector<CPoint> moved;
    try {
        moved = ResizePoints(old, delta, handle, ref);
    } catch (const std::bad_alloc&) {
        ReportNoData();
        return;
    }
    const bool carryOffsets = HasBothOffsetParts(m_points[0]);
    for (std::size_t i = 0; i < m_points.size(); ++i) {
        CZukeiPoint& point = m_points[i];
        const CPoint& to = moved[i];
        // A point on the dragged edge takes the date and row where the drag ended; one on the
        // fixed edge keeps its own.
        if (HandleMovesLeft(handle)) {
            if (to.x == ref.left + delta.x) {
                point.SetDate(pos.endDate);
            } else if (to.x != ref.right) {
                point.SetDate(XToDate(view, to.x));
            }
        }
        if (HandleMovesRight(handle)) {
            if (to.x == ref.right + delta.x) {
                point.SetDate(pos.endDate);
            } else if (to.x != ref.left) {
                point.SetDate(XToDate(view, to.x));
            }
        }
        if (HandleMovesTop(handle)) {
            if (to.y == ref.top + delta.y) {
                point.SetRow(pos.endRow);
            } else if (to.y != ref.bottom) {
                point.SetRow(YToRow(view, to.y));
            }
        }
        if (HandleMovesBottom(handle)) {
            if (to.y == ref.bottom + delta.y) {
                point.SetRow(pos.endRow);
            } else if (to.y != ref.top) {
                point.SetRow(YToRow(view, to.y));
            }
        }
        if (carryOffsets) {
            point.SetOffset(point.GetOffset() +
                            CPoint(Unzoom(view, to.x - old[i].x), Unzoom(view, to.y - old[i].y)));
        }
    }
}

CRect CZukeiEx::GetResizedRect(const IZukeiView& view, const CPoint& delta, int handle,
                               const CRect& ref) const {
    const std::vector<CPoint> points = GetDevicePoints(view);
    if (points.empty()) {
        return CRect();
    }
    try {
        return BoundsOf(ResizePoints(points, delta, handle, ref));
    } catch (const std::bad_alloc&) {
        ReportNoData();
        return CRect();
    }
}

// ---- Drawing ------------------------------------------------------------------------------------

void CZukeiEx::DrawOutline(CDC& dc, const std::vector<CPoint>& points, const ZukeiPen& pen) const {
    DrawStyledPointPolyline(&dc, points.data(), static_cast<int>(points.size()), pen.type,
                            pen.width, pen.color, pen.rop, OPAQUE);
}

void CZukeiEx::DrawFeedback(CDC& dc, const std::vector<CPoint>& points, const ZukeiPen& pen) const {
    DrawOutline(dc, points, pen);
}

void CZukeiEx::DrawRubberSegment(const IZukeiView& view, CDC& dc, const CZukeiPoint& a,
                                 const CZukeiPoint& b) const {
    const CPageLayout& layout = view.GetPageLayout();
    const CPoint p = ChartPoint(view, a);
    const CPoint q = ChartPoint(view, b);
    const CRect page = layout.GetPageRect();
    const CRect body = layout.GetEditRect();
    const LONG left = std::min(page.left, page.right);
    const LONG right = std::max(page.left, page.right);
    const LONG top = std::max(body.top, body.bottom);
    const LONG bottom = std::min(body.top, body.bottom);
    const auto inside = [&](LONG x, LONG y) {
        return left < x && x < right && bottom < y && y < top;
    };
    if (!inside(p.x, p.y) && !inside(q.x, p.y) && !inside(q.x, q.y) && !inside(p.x, q.y)) {
        return;
    }
    const ZukeiPen pen = GetPenAttr(layout, kDrawFeedback);
    DrawStyledPolyline(&dc, p.x, p.y, q.x, q.y, pen.type, pen.width, pen.color, pen.rop, OPAQUE);
}

void CZukeiEx::EraseLastSegment(IZukeiView& view, CDC& dc) {
    const std::size_t n = m_points.size();
    if (n < 3) {
        return;
    }
    DrawRubberSegment(view, dc, m_points[n - 3], m_points[n - 2]);
    view.UpdateAllViews(this);
}

void CZukeiEx::Draw(const IZukeiView& view, CDC& dc, int mode) const {
    const std::vector<CPoint> points = GetDevicePoints(view);
    if (points.empty()) {
        return;
    }
    const CPageLayout& layout = view.GetPageLayout();
    if (mode != kDrawFeedback) {
        DrawOutline(dc, points,
                    IsClosed() ? GetPenBrushAttr(layout, mode) : GetPenAttr(layout, mode));
        return;
    }
    // Being drawn with the mouse: the fixed points in the shape's own colour, then the rubber
    // segments to the floating point.
    const std::size_t n = points.size();
    const ZukeiPen pen = GetPenAttr(layout, kDrawFeedback);
    DrawStyledPointPolyline(&dc, points.data(), static_cast<int>(n - 1), pen.type, pen.width,
                            GetColor(), R2_COPYPEN, OPAQUE);
    DrawRubberSegment(view, dc, m_points[n - 2], m_points[n - 1]);
    if (IsClosed() && n > 2) {
        DrawRubberSegment(view, dc, m_points[0], m_points[n - 1]);
    }
}

void CZukeiEx::DrawMoving(const IZukeiView& view, CDC& dc, const CPoint& delta) const {
    std::vector<CPoint> points = GetDevicePoints(view);
    if (points.empty()) {
        return;
    }
    for (CPoint& p : points) {
        p += delta;
    }
    DrawFeedback(dc, points, GetPenAttr(view.GetPageLayout(), kDrawFeedback));
}

void CZukeiEx::DrawTracking(const IZukeiView& view, CDC& dc, const CPoint& delta, int handle,
                            const CRect& ref) const {
    const std::vector<CPoint> points = GetDevicePoints(view);
    if (points.empty()) {
        return;
    }
    try {
        DrawFeedback(dc, ResizePoints(points, delta, handle, ref),
                     GetPenAttr(view.GetPageLayout(), kDrawFeedback));
    } catch (const std::bad_alloc&) {
        ReportNoData();
    }
}

// ---- Hit test
// -------------------------------------------------------------------------------------

BOOL CZukeiEx::HitTest(const IZukeiView& view, const CRect& probe, int mode) const {
    const std::vector<CPoint> points = GetDevicePoints(view);
    if (points.empty()) {
        return FALSE;
    }
    const int w = HitTolerance(GetPenWidth(view));
    const std::size_t n = points.size();
    if (mode == kHitInside) {
        for (std::size_t i = 0; i + 1 < n; ++i) {
            if (!SegmentHitTest(points[i], points[i + 1], w, probe, mode)) {
                return FALSE;
            }
        }
        return TRUE;
    }
    for (std::size_t i = 0; i + 1 < n; ++i) {
        if (SegmentHitTest(points[i], points[i + 1], w, probe, mode)) {
            return TRUE;
        }
    }
    if (!IsClosed()) {
        return FALSE;
    }
    if (SegmentHitTest(points[0], points[n - 1], w, probe, mode)) {
        return TRUE;
    }
    if (GetHatch() == kHatchNone) {
        return FALSE;
    }
    // The inside, in the view's own signed coordinates, made only over the probe's scan lines.
    CRect t = probe;
    t.NormalizeRect();
    const Region inside =
        Region::FromPolygon(points.data(), static_cast<int>(n), ALTERNATE, {t.top, t.bottom});
    return inside.Intersects(t) ? TRUE : FALSE;
}

} // namespace tembra
