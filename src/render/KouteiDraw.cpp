#include "render/KouteiDraw.h"

#include "model/Calendar.h"
#include "model/ConfigBase.h"
#include "model/ConfigChart.h"
#include "model/ConfigPrint.h"
#include "model/Koutei.h"
#include "model/OperationState.h"
#include "model/SyokiSet.h"
#include "model/Utility.h"
#include "platform/DC.h"
#include "render/KouteiLabels.h"
#include "render/KouteiRoute.h"
#include "render/PageLayout.h"
#include "render/StyledDraw.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <numbers>

namespace tembra {

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kGrey = RGB(192, 192, 192);

// Line types and fills of the styled primitives.
constexpr int kSolid = 0;
constexpr int kDotted = 2;
constexpr int kInvisible = 5;
constexpr int kNoLine = -1;
constexpr int kSolidFill = 99;
constexpr int kNoHatch = CKouteiLines::kNoHatch;

// The line kind that draws a relation line in grey.
constexpr int kRelationKind = 5;
// Node direction words.
constexpr WORD kLandLeavesUp = 129;
constexpr WORD kLandLeavesDown = 130;

constexpr CTimeSpan kOneDay(1, 0, 0, 0);

const CConfigChart* ChartSettings(const CPageLayout& layout) {
    const CSyokiSet* set = layout.GetSyokiSet();
    return set != nullptr ? &set->GetChart() : nullptr;
}

const CCalendar* CalendarOf(const CPageLayout& layout) {
    const IPageLayoutDocument* document = layout.GetDocument();
    return document != nullptr ? document->GetCalendar() : nullptr;
}

LONG ObjectModeOf(const CPageLayout& layout) {
    const IPageLayoutDocument* document = layout.GetDocument();
    return document != nullptr ? document->GetObjectMode() : COperationState::kModeKoutei;
}

bool IsLineShape(WORD shape) {
    return shape <= kLineShapeGate;
}

bool HasArrow(const CKoutei& koutei) {
    return IsLineShape(koutei.GetLineShape()) &&
           (koutei.GetLines()->GetAttr().m_subStyle & kSubStyleNoArrow) == 0;
}

int Clamped(double v) {
    return ClampCoord(static_cast<std::int64_t>(v));
}

// The pen with another type.
KouteiPen WithType(KouteiPen pen, int type) {
    pen.type = type;
    return pen;
}

void Line(CDC* dc, const CPoint& a, const CPoint& b, const KouteiPen& pen) {
    DrawStyledPolyline(dc, a.x, a.y, b.x, b.y, pen.type, pen.width, pen.color, pen.rop2,
                       TRANSPARENT);
}

// The date the layout gives an x of the line.
CTime DateAtX(const CPageLayout& layout, int x) {
    return layout.XToDate(x);
}

// ---- Holiday runs -------------------------------------------------------------------------------

struct Run {
    CTime start;
    CTime end;
};

// The first run of holidays in [from, to] (from midnight of from) that counts: at least
// minRun days long as the calendar has it, so that a run cut by the segment's ends still counts
// by its whole length.
bool FindRun(const CCalendar& calendar, CTime from, const CTime& to, int minRun, Run& out) {
    while (from <= to) {
        CTime start;
        CTime end;
        const int days = calendar.FindHolidayRun(from, to, start, end);
        if (days == 0) {
            return false;
        }
        if (days >= minRun || calendar.InSameHolidayRun(start, minRun) != FALSE) {
            out = {start, end};
            return true;
        }
        from = end > from ? end : from + kOneDay;
    }
    return false;
}

// The point of the segment (ordered by x) at the x of a date, never beyond its ends.
CPoint PointAt(const CPageLayout& layout, const CPoint& p1, const CPoint& p2, const CTime& d2,
               const CTime& date) {
    if (p1.x == p2.x) {
        return date >= d2 ? p2 : p1;
    }
    const int x = std::clamp(layout.DateToX(date), p1.x, p2.x);
    const double slope = static_cast<double>(p2.y - p1.y) / (p2.x - p1.x);
    return CPoint(x, Clamped(p1.y + slope * (x - p1.x)));
}

int AltType(const CDC* dc, const CPageLayout& layout) {
    return dc != nullptr && dc->IsPrinting() ? layout.GetPrintConfig().GetHolidayLine() : kDotted;
}

} // namespace

// ---- Pens and modes -----------------------------------------------------------------------------

COLORREF GetDrawColor(COLORREF own, int mode) {
    const CConfigColor& colors = GetAppConfig()->GetColor();
    switch (mode) {
    case kKouteiDrawSelected:
        return colors.GetEditWork();
    case kKouteiDrawFeedback:
        return kBlack;
    case kKouteiDrawLinked:
        return colors.GetEditBold();
    case kKouteiDrawInactive:
        return kGrey;
    default:
        return own;
    }
}

KouteiPen GetDrawPen(const CKoutei& koutei, const CPageLayout& layout, int mode) {
    const CKouteiAttr& attr = koutei.GetLines()->GetAttr();
    const CConfigChart* chart = ChartSettings(layout);
    KouteiPen pen;
    pen.type = static_cast<short>(attr.m_type);
    pen.width = chart != nullptr ? layout.Zoom(chart->GetKouteiWidthSet().GetAt(attr.m_width)) : 0;
    pen.rop2 = R2_COPYPEN;
    switch (mode) {
    case kKouteiDrawSelected:
        pen.color = GetDrawColor(attr.m_color, mode);
        if (pen.type == kRelationKind) {
            pen.type = kSolid;
        }
        break;
    case kKouteiDrawFeedback:
        pen.color = kBlack;
        pen.rop2 = R2_NOT;
        pen.type = kSolid;
        break;
    case kKouteiDrawLinked:
        pen.color = GetDrawColor(attr.m_color, mode);
        pen.type = kSolid;
        break;
    case kKouteiDrawInactive:
        pen.color = kGrey;
        break;
    default:
        if (koutei.IsRelationLine() != 0) {
            pen.color = pen.type == kRelationKind ? kGrey : GetAppConfig()->GetColor().GetLinked();
        } else {
            pen.color = attr.m_color;
        }
        break;
    }
    return pen;
}

int GetLinesDrawMode(const CKoutei& koutei, int mode, LONG objectMode) {
    if (mode == kKouteiDrawFeedback) {
        return mode;
    }
    if (koutei.IsLinesSelected() != 0) {
        return objectMode == COperationState::kModeYogo ? kKouteiDrawLinked : kKouteiDrawSelected;
    }
    switch (objectMode) {
    case COperationState::kModeYogo:
        return koutei.HasYogoOn(kKouteiPartLines, TRUE) != FALSE ? kKouteiDrawLinked : mode;
    case COperationState::kModeShigen:
        return koutei.GetShigen()->IsSelected() != 0 ? kKouteiDrawLinked : mode;
    case COperationState::kModeKoutei:
        return koutei.IsStartLandSelected() != 0 || koutei.IsEndLandSelected() != 0
                   ? kKouteiDrawLinked
                   : mode;
    default:
        return mode;
    }
}

int GetLandDrawMode(const CKoutei& koutei, int part, int mode, LONG objectMode) {
    if (mode == kKouteiDrawFeedback) {
        return mode;
    }
    const WORD selected =
        part == kKouteiPartStart ? koutei.IsStartLandSelected() : koutei.IsEndLandSelected();
    if (selected != 0) {
        return objectMode == COperationState::kModeYogo ? kKouteiDrawLinked : kKouteiDrawSelected;
    }
    if (objectMode == COperationState::kModeYogo && koutei.HasYogoOn(part, TRUE) != FALSE) {
        return kKouteiDrawLinked;
    }
    if (objectMode == COperationState::kModeKoutei && koutei.IsLinesSelected() != 0) {
        return kKouteiDrawLinked;
    }
    return mode;
}

int GetYogoDrawMode(const CKoutei& koutei, int index, int mode, LONG objectMode) {
    if (mode == kKouteiDrawFeedback) {
        return mode;
    }
    if (koutei.IsYogoSelected(index) != 0) {
        return kKouteiDrawSelected;
    }
    if (objectMode != COperationState::kModeYogo && koutei.IsYogoOwnerSelected(index) != 0) {
        return kKouteiDrawLinked;
    }
    return mode;
}

int GetShigenDrawMode(const CKoutei& koutei, int mode, LONG objectMode) {
    if (mode == kKouteiDrawFeedback) {
        return mode;
    }
    if (koutei.GetShigen()->IsSelected() != 0) {
        return kKouteiDrawSelected;
    }
    if (objectMode != COperationState::kModeShigen && koutei.IsLinesSelected() != 0) {
        return kKouteiDrawLinked;
    }
    return mode;
}

// ---- Holiday-aware stretches --------------------------------------------------------------------

HolidayLineStyle GetHolidayLineStyle(const CKoutei& koutei, const CDC* dc,
                                     const CPageLayout& layout, int mode) {
    HolidayLineStyle style;
    style.pen = GetDrawPen(koutei, layout, mode);
    style.altType = AltType(dc, layout);
    const CSyokiSet* set = layout.GetSyokiSet();
    style.shade = set != nullptr ? set->GetHolidayShade() : 0;
    if (mode != kKouteiDrawFeedback && koutei.IsRelationLine() == 0) {
        style.minRun = koutei.GetLines()->GetAttr().GetHoliday();
        if (style.shade == 1 && set != nullptr) {
            style.minRun = set->GetChart().GetDateStyle().GetBigHolidays();
        }
    }

    // The spare days are the last days of the duration: the part from start + (duration -
    // spare days), through the working calendar when holidays count.
    const CTime start = koutei.GetStartTime();
    const CTime end = koutei.GetEndTime();
    const CTimeSpan spare = koutei.GetSpareDays();
    if (mode != kKouteiDrawFeedback && spare > CTimeSpan() && start != end) {
        const CCalendar* calendar = CalendarOf(layout);
        const CTimeSpan duration = koutei.CalcSpan(calendar);
        const CTimeSpan working = duration - std::min(spare, duration);
        if (working >= CTimeSpan()) {
            style.spareFrom = style.minRun != 0 && calendar != nullptr
                                  ? start + calendar->AddWorkTime(start, working)
                                  : start + working;
        }
    }
    return style;
}

bool IsAltStyleAt(const CPageLayout& layout, const HolidayLineStyle& style, const CTime& date) {
    if (style.pen.type == kInvisible) {
        return false;
    }
    if (style.spareFrom.GetTime() > 0 && date >= style.spareFrom) {
        return true;
    }
    const CCalendar* calendar = CalendarOf(layout);
    if (calendar == nullptr || style.minRun <= 0) {
        return false;
    }
    if (style.shade != 0 && style.minRun == 1 && calendar->IsHoliday(date) != FALSE) {
        return true;
    }
    return style.shade == 1 && calendar->InSameHolidayRun(date, style.minRun) != FALSE;
}

void DrawHolidaySegment(CDC* dc, const CPageLayout& layout, const CPoint& p1, const CTime& d1,
                        const CPoint& p2, const CTime& d2, const HolidayLineStyle& style) {
    CPoint a = p1;
    CPoint b = p2;
    CTime from = d1;
    CTime to = d2;
    if (a.x > b.x) {
        std::swap(a, b);
        std::swap(from, to);
    }
    const KouteiPen own = style.pen;
    const KouteiPen alt = WithType(style.pen, style.altType);
    const CCalendar* calendar = CalendarOf(layout);
    const bool holidays = style.shade != 0 && style.minRun > 0 && calendar != nullptr;
    const bool spare = style.spareFrom.GetTime() > 0 && style.spareFrom <= to;

    CTime current = from;
    CPoint at = a;
    KouteiPen inForce = own;
    const auto stretch = [&](const CTime& until, const KouteiPen& pen) {
        const CPoint next = PointAt(layout, a, b, to, until);
        if (next != at) {
            Line(dc, at, next, pen);
        }
        at = next;
    };
    while (own.type != kInvisible && (spare || holidays)) {
        Run run;
        bool found = holidays && FindRun(*calendar, current, to, style.minRun, run);
        // The spare part runs from its boundary to the end: a run reaching into it is widened
        // to the end, a later one gives way to it.
        if (spare && (!found || run.end >= style.spareFrom)) {
            run.start = found ? std::min(run.start, style.spareFrom) : style.spareFrom;
            run.end = to;
            found = true;
        }
        if (!found) {
            break;
        }
        if (current < run.start) {
            stretch(run.start, own);
            current = run.start;
            inForce = alt;
        } else {
            stretch(run.end, alt);
            current = std::max(current, run.end);
            inForce = own;
        }
        if (run.end >= to) {
            break;
        }
    }
    if (at != b) {
        Line(dc, at, b, inForce);
    }
}

// ---- Nodes --------------------------------------------------------------------------------------

void FixLandDirections(CKoutei& koutei) {
    const WORD shape = koutei.GetLineShape();
    const int startRow = koutei.GetStartRow();
    const int endRow = koutei.GetEndRow();
    const auto fix = [&](CLand& land, int row, int otherRow) {
        if ((land.GetSubStyle() & kLandDirectional) == 0) {
            return;
        }
        bool down = row <= otherRow;
        if (shape == kLineShapeGate) {
            down = row <= koutei.CalcGateRow();
        }
        land.SetSubStyle(down ? kLandLeavesDown : kLandLeavesUp);
    };
    fix(*koutei.GetStartLand(), startRow, endRow);
    fix(*koutei.GetEndLand(), endRow, startRow);
}

std::string GetLandNumberText(const CKoutei& koutei, const CPageLayout& layout, int part) {
    const CLand& land = part == kKouteiPartEnd ? *koutei.GetEndLand() : *koutei.GetStartLand();
    const BYTE high = HighByteOf(land.GetShape());
    if (high == 0) {
        return {};
    }
    CTime date = part == kKouteiPartEnd ? koutei.GetEndTime() : koutei.GetStartTime();
    if (high == 2) {
        date -= kOneDay;
    }
    if (layout.GetNobeMode() == 0) {
        return StringPrintf("%d", date.GetDay());
    }
    CTimeSpan span = layout.DateToNobeYMD(date, nullptr, nullptr, nullptr);
    if (span >= CTimeSpan()) {
        span += kOneDay;
    }
    return StringPrintf("%lld", static_cast<long long>(span.GetDays()));
}

void DrawLandMark(CDC* dc, const CPageLayout& layout, int shape, int x, int y, int r,
                  COLORREF outline, int width, COLORREF fill, int rop2, const std::string& number) {
    std::array<CPoint, 5> points{};
    const int sides = NodeMarkOutline(shape, x, y, r, points);
    switch (shape) {
    case 0:
    case 1:
    case 2:
        DrawStyledFilledArc(dc, x, y, r, kSolid, width, outline, kSolidFill,
                            shape == 2 ? outline : fill, rop2, TRANSPARENT);
        if (shape == 1) {
            DrawStyledFilledArc(dc, x, y, r / 2, kSolid, width, outline, kSolidFill, fill, rop2,
                                TRANSPARENT);
        }
        break;
    case 3:
    case 5:
    case 7:
    case 9:
    case 265:
    case 521:
        DrawStyledShape(dc, points.data(), sides + 1, kSolid, width, outline, kSolidFill, fill,
                        rop2, TRANSPARENT);
        break;
    case 4:
    case 6:
    case 8:
    case 10:
        DrawStyledShape(dc, points.data(), sides + 1, kSolid, width, outline, kSolidFill, outline,
                        rop2, TRANSPARENT);
        break;
    default:
        break;
    }
    if (number.empty()) {
        return;
    }
    const CConfigChart* chart = ChartSettings(layout);
    LOGFONT font = chart != nullptr ? chart->GetYogoAttr().GetLogFont() : LOGFONT();
    font.lfHeight = -r;
    font.lfWidth = r / 2;
    const int length = static_cast<int>(number.size());
    DrawStyledText(dc, x - (length * (r / 2)) / 2, y + r / 2, &font, outline, number, 0, rop2,
                   TRANSPARENT);
}

namespace {

void DrawLand(CKoutei& koutei, CDC* dc, const CPageLayout& layout, int part, int mode,
              LONG objectMode) {
    const CLand& land = part == kKouteiPartEnd ? *koutei.GetEndLand() : *koutei.GetStartLand();
    if (land.GetShape() == kLandShapeHidden) {
        return;
    }
    const int landMode =
        layout.ShowsSelection() ? GetLandDrawMode(koutei, part, mode, objectMode) : mode;
    koutei.SetDrawMode(landMode);
    const KouteiPen pen = GetDrawPen(koutei, layout, landMode);
    const CPoint c = part == kKouteiPartEnd
                         ? layout.DateRowToPoint(koutei.GetEndTime(), koutei.GetEndRow())
                         : layout.DateRowToPoint(koutei.GetStartTime(), koutei.GetStartRow());
    const int r =
        part == kKouteiPartEnd ? GetEndLandSize(koutei, layout) : GetStartLandSize(koutei, layout);
    const COLORREF fill = landMode == kKouteiDrawFeedback ? kBlack : kWhite;
    const std::string number =
        landMode == kKouteiDrawFeedback ? std::string() : GetLandNumberText(koutei, layout, part);
    DrawLandMark(dc, layout, land.GetShape(), c.x, c.y, r,
                 GetDrawColor(land.GetAttr().m_color, landMode), pen.width, fill, pen.rop2, number);
}

// ---- The line -----------------------------------------------------------------------------------

void DrawArrowHead(const KouteiRoute& route, CDC* dc, const CPageLayout& layout,
                   const KouteiPen& pen) {
    const CPoint from = route.LegStart(route.segments - 1);
    const CPoint to = route.LegEnd(route.segments - 1);
    std::array<CPoint, 3> head{};
    if (CalcArrowHead(layout, from.x, from.y, to.x, to.y, head) == 0) {
        return;
    }
    // A line that paper does not show has no head there either.
    const bool hidden = pen.type == kInvisible;
    DrawStyledShape(dc, head.data(), static_cast<int>(head.size()), hidden ? kInvisible : kSolid, 1,
                    pen.color, hidden ? kNoLine : kSolidFill, pen.color, pen.rop2, TRANSPARENT);
}

void DrawNormalLine(const CKoutei& koutei, CDC* dc, const CPageLayout& layout,
                    const HolidayLineStyle& style) {
    KouteiRoute route;
    const int n = BuildRoute(koutei, layout, route);
    const int crossType = layout.GetPrintConfig().GetCrossType();
    const bool crossings = dc->IsPrinting() && crossType != 0;
    for (int leg = 0; leg < n; ++leg) {
        const CPoint p1 = route.LegStart(leg);
        const CPoint p2 = route.LegEnd(leg);
        const CTime d1 = leg == 0 ? koutei.GetStartTime() : DateAtX(layout, p1.x);
        const CTime d2 = leg == n - 1 ? koutei.GetEndTime() : DateAtX(layout, p2.x);
        if (crossings && p1.y != p2.y) {
            DrawCrossingSegment(koutei, dc, layout, p1, p2, style);
        } else {
            DrawHolidaySegment(dc, layout, p1, d1, p2, d2, style);
        }
        if (leg + 1 < n) {
            // The rounding arc from A to B about D; its date is where it meets the leg that is
            // not level.
            const CPoint d = route.Corner(leg, 1);
            const CPoint a = route.Corner(leg, 2);
            const CPoint b = route.Corner(leg, 3);
            const CPoint offLevel = p1.y == p2.y ? route.Corner(leg, 4) : p2;
            const bool alt = IsAltStyleAt(layout, style, DateAtX(layout, offLevel.x));
            const KouteiPen pen = alt ? WithType(style.pen, style.altType) : style.pen;
            DrawStyledArc(dc, d.x, d.y, layout.GetScaledCornerSize(), a.x, a.y, b.x, b.y, pen.type,
                          pen.width, pen.color, pen.rop2, TRANSPARENT);
        }
    }
    if (HasArrow(koutei)) {
        DrawArrowHead(route, dc, layout, style.pen);
    }
}

// The corners p0 (upper at the start), p1 (upper at the end), p2 and p3 (lower) of a bar.
struct BarCorners {
    std::array<CPoint, 4> p{};
};

// The inset of the slanted ends: half the bar height over the tangent of the angle; an angle
// whose tangent is 0 or so near it that the inset leaves the coordinate range has none.
int SlantInset(int h, int angle) {
    const double t = std::tan(angle * std::numbers::pi / 180.0);
    const double half = std::floor(h * 1.2 + 0.5);
    const double v = std::floor(static_cast<int>(half) / 2 / t + 0.5);
    if (!std::isfinite(v) || std::fabs(v) > kMaxCoord) {
        return 0;
    }
    return std::abs(static_cast<int>(v));
}

BarCorners GetBarCorners(const CKoutei& koutei, const CPageLayout& layout, const CPoint& s,
                         const CPoint& e) {
    const int h = layout.GetScaledBarHeight();
    const int k = HighByteOf(koutei.GetLines()->GetAttr().m_style);
    BarCorners c;
    if (koutei.GetLineShape() == kLineShapeBar) {
        const int d = h * k / 2;
        c.p = {CPoint(s.x, s.y + d), CPoint(e.x, e.y + d), CPoint(s.x, s.y - d),
               CPoint(e.x, e.y - d)};
        return c;
    }
    const CConfigChart* chart = ChartSettings(layout);
    const int height = static_cast<int>(std::floor(h * k * 1.2 + 0.5));
    int v = SlantInset(h, chart != nullptr ? chart->GetKakomiAngle() : 0);
    if (s.x + v > e.x - v) {
        v = 0;
    }
    const int up = height / 2;
    const int down = height - height / 2;
    c.p = {CPoint(s.x + v, s.y + up), CPoint(e.x - v, e.y + up), CPoint(s.x + v, s.y - down),
           CPoint(e.x - v, e.y - down)};
    return c;
}

void DrawBar(const CKoutei& koutei, CDC* dc, const CPageLayout& layout,
             const HolidayLineStyle& style) {
    KouteiRoute route;
    BuildRoute(koutei, layout, route);
    const CPoint s = route.points[0];
    const CPoint e = route.points[static_cast<std::size_t>(route.PointCount() - 1)];
    const BarCorners c = GetBarCorners(koutei, layout, s, e);
    const KouteiPen& pen = style.pen;
    const WORD hatch = koutei.GetLines()->GetAttr().m_hatch;
    if (hatch != kNoHatch && pen.rop2 == R2_COPYPEN) {
        const std::array<CPoint, 4> outline = {c.p[0], c.p[1], c.p[3], c.p[2]};
        DrawStyledShape(dc, outline.data(), static_cast<int>(outline.size()), kNoLine, 0, pen.color,
                        hatch, pen.color, pen.rop2, TRANSPARENT);
    }
    const auto dateAt = [&](const CPoint& p, const CPoint& end, const CTime& date) {
        return p.x == end.x ? date : DateAtX(layout, p.x);
    };
    const CTime start = koutei.GetStartTime();
    const CTime end = koutei.GetEndTime();
    Line(dc, s, c.p[0], pen);
    Line(dc, s, c.p[2], pen);
    DrawHolidaySegment(dc, layout, c.p[0], dateAt(c.p[0], s, start), c.p[1], dateAt(c.p[1], e, end),
                       style);
    DrawHolidaySegment(dc, layout, c.p[2], dateAt(c.p[2], s, start), c.p[3], dateAt(c.p[3], e, end),
                       style);
    Line(dc, c.p[1], e, pen);
    Line(dc, c.p[3], e, pen);
}

void DrawLines(CKoutei& koutei, CDC* dc, const CPageLayout& layout, int mode, LONG objectMode) {
    const int lineMode =
        layout.ShowsSelection() ? GetLinesDrawMode(koutei, mode, objectMode) : mode;
    koutei.SetDrawMode(lineMode);
    const WORD shape = koutei.GetLineShape();
    const HolidayLineStyle style = GetHolidayLineStyle(koutei, dc, layout, lineMode);
    if (IsLineShape(shape)) {
        DrawNormalLine(koutei, dc, layout, style);
    } else if (shape == kLineShapeBar || shape == kLineShapeSlantBar) {
        DrawBar(koutei, dc, layout, style);
    }
}

} // namespace

// ---- The whole process --------------------------------------------------------------------------

void Draw(CKoutei& koutei, CDC* dc, const CPageLayout& layout, int mode) {
    if (dc == nullptr) {
        return;
    }
    const LONG objectMode = ObjectModeOf(layout);
    FixLandDirections(koutei);
    const bool point =
        koutei.GetStartTime() == koutei.GetEndTime() && koutei.GetStartRow() == koutei.GetEndRow();
    if (!point) {
        koutei.SetDrawMode(mode);
        DrawLines(koutei, dc, layout, mode, objectMode);
        koutei.SetDrawMode(mode);
        DrawLand(koutei, dc, layout, kKouteiPartEnd, mode, objectMode);
    }
    koutei.SetDrawMode(mode);
    DrawLand(koutei, dc, layout, kKouteiPartStart, mode, objectMode);
    if (koutei.GetYogoCount() > 0) {
        koutei.SetDrawMode(mode);
        DrawYogoLabels(koutei, dc, layout, mode, objectMode);
    }
    if (koutei.GetShigenCount() > 0) {
        koutei.SetDrawMode(mode);
        DrawShigenLabel(koutei, dc, layout, mode, objectMode);
    }
    koutei.SetDrawMode(mode);
}

// ---- Bounds -------------------------------------------------------------------------------------

namespace {

// |sin| of the arrow heads' angle (degrees), the same for every process of a chart: worked out
// once for each angle the settings give, not for every process.
double ArrowSine(WORD degrees) {
    thread_local int cachedDegrees = -1;
    thread_local double cachedSine = 0.0;
    if (cachedDegrees != degrees) {
        cachedDegrees = degrees;
        cachedSine = std::fabs(std::sin(degrees * std::numbers::pi / 180.0));
    }
    return cachedSine;
}

} // namespace

void GetKouteiBoundsParts(const CKoutei& koutei, const CPageLayout& layout, CDC* dc, bool withTerms,
                          bool withResources, KouteiBoundsParts& parts) {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    int yb = 0;
    GetLineCoords(koutei, layout, x1, y1, x2, y2, yb);
    parts = KouteiBoundsParts();
    parts.start = CPoint(x1, y1);
    parts.end = CPoint(x2, y2);
    parts.styleCode = koutei.GetLineShape();
    parts.extraY = yb;
    // The bars are drawn k bar heights thick (k the high byte of the shape word); both bar
    // widenings then cover them: the slanted bar by its font-height rule with the bar height,
    // the rectangle by its count rule with k.
    const CKouteiAttr& attr = koutei.GetLines()->GetAttr();
    const BYTE thickness = HighByteOf(attr.m_style);
    parts.countWord = MakeWordOf(thickness, thickness);
    const CConfigChart* chart = ChartSettings(layout);
    parts.fontHeight = chart != nullptr ? chart->GetBarHeight() : 0;
    parts.startNodeSize = koutei.GetStartLand()->GetSize();
    parts.endNodeSize = koutei.GetEndLand()->GetSize();

    // What the line's drawing reaches beyond its route: half the pen, the sides of the arrow
    // head, the arcs over crossings on paper and the numbers of the node marks.
    int margin = (GetDrawPen(koutei, layout, kKouteiDrawNormal).width + 1) / 2;
    if (HasArrow(koutei) && chart != nullptr) {
        const double length = layout.Zoom(chart->GetArrowLength());
        margin = std::max(margin,
                          static_cast<int>(std::ceil(ArrowSine(chart->GetArrowAngle()) * length)));
    }
    const CConfigPrint& print = layout.GetPrintConfig();
    if (print.GetCrossType() != 0) {
        margin = std::max<int>(margin, std::abs(print.GetArcRay()));
    }
    margin = std::max(margin, 1);
    for (const int part : {kKouteiPartStart, kKouteiPartEnd}) {
        // Only a node that shows its number (the high byte of its shape) has one to measure.
        const CLand& land = part == kKouteiPartEnd ? *koutei.GetEndLand() : *koutei.GetStartLand();
        if (HighByteOf(land.GetShape()) == 0) {
            continue;
        }
        const std::string number = GetLandNumberText(koutei, layout, part);
        const int r = part == kKouteiPartEnd ? GetEndLandSize(koutei, layout)
                                             : GetStartLandSize(koutei, layout);
        margin = std::max(margin, static_cast<int>(number.size()) * (r / 2) / 2 + 1);
    }
    parts.drawMargin = margin;

    if (withTerms && koutei.GetYogoCount() > 0) {
        CRect terms = GetYogoRect(koutei, layout, dc, -1);
        if (!terms.IsRectNull()) {
            // The leader lines run below their labels.
            for (int i = 0; i < koutei.GetYogoCount(); ++i) {
                const WORD place = koutei.GetYogo(i)->GetAttr().m_form;
                if ((place == kYogoPlaceLeaderLeft || place == kYogoPlaceLeaderRight) &&
                    chart != nullptr) {
                    const int g =
                        layout.Zoom(std::abs(chart->GetYogoAttr().GetLogFont().lfHeight) / 10);
                    terms.bottom -= g;
                    break;
                }
            }
            parts.terms = terms;
        }
    }
    if (withResources && koutei.GetShigenCount() > 0) {
        const CRect resources = GetShigenRect(koutei, layout, dc, -1);
        if (!resources.IsRectNull()) {
            parts.resources = resources;
        }
    }
}

} // namespace tembra
