// The vertical time grid of the chart and the band of the selected date range.
//
// Every grid painter walks the time axis unit by unit from the period start (or, when the clip
// box starts right of the chart's left edge, from the date at the clip's left edge less one
// group of units) to the day after the period end (or the date at the clip's right edge plus
// one group). At each unit it draws one of three lines: an edge line (black, through the date
// band too) at the chart's edges and at the drawn start and end, a boundary line at the start of
// the next larger unit, or an interval line at the start of every step-th unit. On a scaled axis
// a group of units that the irregular periods squeeze below its nominal width keeps its interval
// line only where the day scale asks for ruled lines, or where the width factor changes.
#include "render/PageLayout.h"

#include "model/ChartPos.h"
#include "model/HensokuScale.h"
#include "model/SyokiSet.h"
#include "model/Utility.h"
#include "model/Wareki.h"
#include "platform/DC.h"
#include "render/StyledDraw.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace tembra {

namespace {

constexpr CTimeSpan kOneDay(1, 0, 0, 0);
constexpr CTimeSpan kOneHour(0, 1, 0, 0);
constexpr CTimeSpan kMinuteStep(0, 0, 5, 0);
constexpr int kMonthsPerYear = 12;

// Kinds of DrawDateSeparator.
constexpr int kIntervalLine = 0;
constexpr int kBoundaryLine = 2;

// The band of colour over the selected date range.
constexpr COLORREF kRangeBandColor = RGB(192, 220, 192);

CTimeSpan Days(std::int64_t days) {
    return CTimeSpan(days * kDaySeconds);
}

// k > 0 with (k - 1) a multiple of n, or k < 0 a multiple of n: the first unit of a group.
bool IsGroupStart(int k, int n) {
    return (k > 0 && (k - 1) % n == 0) || (k < 0 && k % n == 0);
}

// The stretch of the time axis that one call walks, and the lines it draws.
class GridWalk {
public:
    GridWalk(const CPageLayout& layout, CDC* dc, CTimeSpan margin) : m_layout(layout), m_dc(dc) {
        const CRect chart = layout.GetChartRect();
        m_left = chart.left;
        m_right = chart.right;
        m_bottom = chart.bottom;
        m_bandTop = layout.GetBodyRect().top;
        m_bodyTop = layout.GetEditRect().top;
        start = layout.GetStartDate();
        end = layout.GetEndDate() + kOneDay;
        // Without a clip box (a metafile) the whole chart is drawn.
        CRect clip;
        const int region = dc->GetClipBox(&clip);
        if (region != NULLREGION && region != RGN_ERROR) {
            if (m_left < clip.left) {
                start = std::max(start, layout.XToDate(clip.left, 0, 1) - margin);
            }
            if (clip.right < m_right) {
                end = std::min(end, layout.XToDate(clip.right, 0, 1) + margin);
            }
        }
        m_xs = layout.DateToX(layout.GetDrawStart());
        m_xe = layout.DateToX(layout.GetDrawEnd() + kOneDay);
    }

    int Left() const { return m_left; }
    int Right() const { return m_right; }
    bool IsEdge(int x) const { return x == m_left || x == m_xs || x == m_xe || x >= m_right; }

    void Edge(int x) const {
        DrawStyledPolyline(m_dc, x, m_bandTop, x, m_bottom, 0, 0, RGB(0, 0, 0), R2_COPYPEN, OPAQUE);
    }
    void Line(int kind, int x) const {
        m_layout.DrawDateSeparator(m_dc, kind, x, m_bodyTop, x, m_bottom);
    }
    // Steps cur to next and curX to its x; false where the walk ends: past its end date or,
    // with stopAtRight, at the chart's right edge.
    bool Advance(CTime& cur, int& curX, const CTime& next, bool stopAtRight) const {
        cur = next;
        if (cur > end) {
            return false;
        }
        curX = m_layout.DateToX(cur);
        return !stopAtRight || curX < m_right;
    }
    // The edge lines of the month and year grids, drawn after their walk: the chart's edges
    // and the drawn start and end where they lie elsewhere.
    void EdgesAfterWalk() const {
        Edge(m_left);
        Edge(m_right);
        for (const int x : {m_xs, m_xe}) {
            if (x != m_left && x != m_right) {
                Edge(x);
            }
        }
    }

    CTime start;
    CTime end;

private:
    const CPageLayout& m_layout;
    CDC* m_dc;
    int m_left = 0;
    int m_right = 0;
    int m_bottom = 0;
    int m_bandTop = 0;
    int m_bodyTop = 0;
    int m_xs = 0;
    int m_xe = 0;
};

// Where the walk last began a group of units and last drew a line between the edges.
struct GroupMarks {
    CTime lastGroup;
    CTime lastDrawn;

    // A boundary line begins a group and is a drawn line.
    void Boundary(const GridWalk& walk, int x, const CTime& cur) {
        walk.Line(kBoundaryLine, x);
        lastDrawn = cur;
        lastGroup = cur;
    }
    // A group's first unit: its interval line where shown; the group begins either way.
    void GroupStart(const GridWalk& walk, int x, const CTime& cur, bool shown) {
        if (shown) {
            walk.Line(kIntervalLine, x);
            lastDrawn = cur;
        }
        lastGroup = cur;
    }
};

// The interval test of a scaled axis for a group of n units of u days each (groupLength = u × n,
// in the unit the widths are counted in): the line is kept when the group since `from` is not
// squeezed, or, squeezed, when it still keeps a fifth of its width and the day scale asks for
// ruled lines on the previous unit, or when the width factor changes at cur and a tenth of the
// group lies since the last drawn line.
class IntervalTest {
public:
    // perUnit turns the scale's widths into the grid's unit (days or hours).
    IntervalTest(const CHensokuScale& scale, bool active, double perUnit)
        : m_scale(scale), m_active(active && scale.IsBuilt()), m_perUnit(perUnit) {}

    bool Shown(double groupLength, const CTime& from, const CTime& previous, const CTime& cur,
               const CTime& lastDrawn) const {
        if (!m_active) {
            return true;
        }
        const double width = Width(from, cur);
        if (width >= groupLength) {
            return true;
        }
        if (width >= groupLength / 5.0 && m_scale.GetDayGroup(previous) != 0) {
            return true;
        }
        return m_scale.GetFactor(previous) != m_scale.GetFactor(cur) &&
               Width(lastDrawn, cur) >= groupLength / 10.0;
    }

private:
    double Width(const CTime& from, const CTime& to) const {
        return m_scale.GetSpanWidth(from, to) * m_perUnit;
    }

    const CHensokuScale& m_scale;
    bool m_active;
    double m_perUnit;
};

// The day-based grids count the scale's widths in days; an hourly scale counts hours.
IntervalTest DayIntervalTest(const CHensokuScale& scale) {
    return IntervalTest(scale, true, scale.IsHourMode() ? 1.0 / 24.0 : 1.0);
}

// The elapsed offset of a date from the elapsed-day origin, in seconds.
std::int64_t ElapsedOffset(const CPageLayout& layout, const CTime& time) {
    return layout.DateToNobeYMD(time, nullptr, nullptr, nullptr).GetTimeSpan();
}

// An elapsed unit of `length` seconds that holds cur: its number (…, -2, -1, 1, 2, …, with a
// count of `modulo` units per turn when modulo is not 0) and the start of the next one.
struct ElapsedUnit {
    int k = 0;
    CTime next;
};

ElapsedUnit ElapsedUnitAt(const CPageLayout& layout, const CTime& cur, std::int64_t length,
                          int modulo) {
    std::int64_t o = ElapsedOffset(layout, cur);
    const bool before = o < 0;
    if (before) {
        o += kDaySeconds;
    }
    std::int64_t q = o / length;
    if (modulo != 0) {
        q %= modulo;
    }
    ElapsedUnit unit;
    if (before) {
        unit.k = static_cast<int>(q - 1);
        unit.next = cur + CTimeSpan(std::llabs(o) % length) + kOneDay;
    } else {
        unit.k = static_cast<int>(q + 1);
        unit.next = cur + CTimeSpan(length - o % length);
    }
    return unit;
}

CTime FirstOfNextMonth(const CTime& time) {
    const int month = time.GetMonth();
    return month == kMonthsPerYear ? CTime(time.GetYear() + 1, 1, 1)
                                   : CTime(time.GetYear(), month + 1, 1);
}

// Sundays among the days from `from` while before `to`.
std::int64_t SundaysBetween(const CTime& from, const CTime& to) {
    const std::int64_t days = (to - from).GetDays();
    const std::int64_t firstSunday = (8 - from.GetDayOfWeek()) % 7;
    return days > firstSunday ? (days - firstSunday - 1) / 7 + 1 : 0;
}

} // namespace

void CPageLayout::DrawDayGrid(CDC* dc, int step, BOOL elapsed, BOOL sameUnit) const {
    const int n = std::max(1, step);
    const GridWalk walk(*this, dc, Days(n + 1));
    const IntervalTest test = DayIntervalTest(GetScale());
    const std::int64_t monthLength = GetMonthSpan().GetTimeSpan();

    CTime cur = walk.start;
    int curX = walk.Left();
    GroupMarks marks{cur, cur};
    for (;;) {
        int k = 0;
        if (elapsed) {
            const std::int64_t d = (ElapsedOffset(*this, cur) % monthLength) / kDaySeconds;
            k = static_cast<int>(d >= 0 ? d + 1 : d);
        } else {
            k = cur.GetDay();
        }
        if (walk.IsEdge(curX)) {
            walk.Edge(curX);
        } else if (k == 1 && !sameUnit) {
            marks.Boundary(walk, curX, cur);
        } else if (IsGroupStart(k, n)) {
            // With groups of ten days and more, the last day of a month starts no group of its
            // own: the next one begins the day after.
            const bool monthEnd =
                !elapsed && n >= 10 && k == GetDaysInMonth(cur.GetYear(), cur.GetMonth());
            marks.GroupStart(walk, curX, cur,
                             !monthEnd && test.Shown(n, std::max(GetStartDate(), marks.lastGroup),
                                                     cur - kOneDay, cur, marks.lastDrawn));
        }
        if (!walk.Advance(cur, curX, cur + kOneDay, false)) {
            break;
        }
    }
}

void CPageLayout::DrawWeekGrid(CDC* dc, int step) const {
    const int n = std::max(1, step);
    const GridWalk walk(*this, dc, Days(n + 1));
    const IntervalTest test = DayIntervalTest(GetScale());
    constexpr int kMonday = 2;
    constexpr int kSunday = 1;
    constexpr int kWeekDays = 7;

    CTime cur = walk.start;
    int curX = walk.Left();
    GroupMarks marks{cur, cur};
    // Weeks run Monday to Sunday and are counted from the period start, so that a redraw of a
    // part of the chart puts the lines on the same Mondays as a redraw of the whole.
    std::int64_t week = 1 + SundaysBetween(GetStartDate(), cur);
    for (;;) {
        if (walk.IsEdge(curX)) {
            walk.Edge(curX);
        } else if (cur.GetDay() == 1) {
            marks.Boundary(walk, curX, cur);
        } else if (cur.GetDayOfWeek() == kMonday && (week - 1) % n == 0) {
            marks.GroupStart(walk, curX, cur,
                             test.Shown(double(kWeekDays) * n,
                                        std::max(GetDrawStart(), marks.lastGroup), cur - kOneDay,
                                        cur, marks.lastDrawn));
        }
        if (cur.GetDayOfWeek() == kSunday) {
            ++week;
        }
        if (!walk.Advance(cur, curX, cur + kOneDay, false)) {
            break;
        }
    }
}

void CPageLayout::DrawMonthGrid(CDC* dc, int step, BOOL elapsed, BOOL sameUnit) const {
    const int n = std::max(1, step);
    const std::int64_t monthLength = GetMonthSpan().GetTimeSpan();
    const std::int64_t monthDays = GetMonthSpan().GetDays();
    const GridWalk walk(*this, dc, Days((elapsed ? monthDays : 28) * n));
    const IntervalTest test = DayIntervalTest(GetScale());

    CTime cur = walk.start;
    int curX = walk.Left();
    CTime previous = cur;
    GroupMarks marks{cur, cur};
    for (;;) {
        int k = 0;
        CTime next;
        std::int64_t days = 0;
        if (elapsed) {
            const ElapsedUnit unit = ElapsedUnitAt(*this, cur, monthLength, kMonthsPerYear);
            k = unit.k;
            next = unit.next;
            days = monthDays;
        } else {
            k = cur.GetMonth();
            next = FirstOfNextMonth(cur);
            days = GetDaysInMonth(cur.GetYear(), k);
        }
        // The edge lines come after the walk.
        if (!walk.IsEdge(curX)) {
            if ((k == 1 || k == -kMonthsPerYear) && !sameUnit) {
                marks.Boundary(walk, curX, cur);
            } else if (IsGroupStart(k, n)) {
                marks.GroupStart(walk, curX, cur,
                                 test.Shown(double(days) * n,
                                            std::max(GetDrawStart(), marks.lastGroup), previous,
                                            cur, marks.lastDrawn));
            }
        }
        previous = cur;
        if (!walk.Advance(cur, curX, next, true)) {
            break;
        }
    }
    walk.EdgesAfterWalk();
}

void CPageLayout::DrawYearGrid(CDC* dc, int step, BOOL elapsed, BOOL era) const {
    const int n = std::max(1, step);
    const std::int64_t yearLength = GetMonthSpan().GetTimeSpan() * kMonthsPerYear;
    const GridWalk walk(*this, dc,
                        elapsed ? CTimeSpan(yearLength * n) : Days(std::int64_t(364) * n));
    const IntervalTest test = DayIntervalTest(GetScale());

    CTime cur = walk.start;
    int curX = walk.Left();
    CTime previous = cur;
    GroupMarks marks{cur, cur};
    for (;;) {
        int k = 0;
        CTime next;
        if (elapsed) {
            const ElapsedUnit unit = ElapsedUnitAt(*this, cur, yearLength, 0);
            k = unit.k;
            next = unit.next;
        } else if (era) {
            // Era years: the year an era begins is cut where it begins.
            const WarekiYear year = WarekiYearOf(cur);
            k = year.year;
            next = year.next;
        } else {
            k = cur.GetYear();
            next = CTime(cur.GetYear() + 1, 1, 1);
        }
        if (!walk.IsEdge(curX) && (k - 1) % n == 0) {
            const double days = static_cast<double>((next - cur).GetDays());
            marks.GroupStart(walk, curX, cur,
                             test.Shown(days * n, std::max(GetDrawStart(), marks.lastGroup),
                                        previous, cur, marks.lastDrawn));
        }
        previous = cur;
        if (!walk.Advance(cur, curX, next, true)) {
            break;
        }
    }
    walk.EdgesAfterWalk();
}

void CPageLayout::DrawHourGrid(CDC* dc, int step) const {
    const int n = std::max(1, step);
    const GridWalk walk(*this, dc, kOneDay);
    // Hours are thinned only by an hourly scale, whose widths count hours.
    const IntervalTest test(GetScale(), GetScale().IsHourMode() != FALSE, 1.0);

    CTime cur = walk.start;
    int curX = walk.Left();
    const int startHour = cur.GetHour();
    GroupMarks marks{cur, cur};
    for (;;) {
        const int k = cur.GetHour();
        if (walk.IsEdge(curX)) {
            walk.Edge(curX);
        } else if (k == startHour) {
            marks.Boundary(walk, curX, cur);
        } else if (k % n == 0) {
            marks.GroupStart(walk, curX, cur,
                             test.Shown(n, std::max(GetDrawStart(), marks.lastGroup),
                                        cur - kOneHour, cur, marks.lastDrawn));
        }
        if (!walk.Advance(cur, curX, cur + kOneHour, false)) {
            break;
        }
    }
}

void CPageLayout::DrawMinuteGrid(CDC* dc, int step) const {
    const int n = std::max(1, step);
    const GridWalk walk(*this, dc, kOneDay);
    const CHensokuScale& scale = GetScale();
    const bool scaled = scale.IsBuilt() && scale.IsHourMode();

    CTime cur = walk.start;
    int curX = walk.Left();
    CTime lastGroup = cur;
    for (;;) {
        const int k = cur.GetMinute();
        if (walk.IsEdge(curX)) {
            walk.Edge(curX);
        } else if (k == 0) {
            walk.Line(kBoundaryLine, curX);
            lastGroup = cur;
        } else if (k % n == 0) {
            // A squeezed hour keeps its minute lines while it is a fifth of an hour wide and
            // the scale asks for ruled lines, or where the width changes.
            bool shown = true;
            const double factor = scale.GetFactor(std::max(GetDrawStart(), lastGroup));
            if (scaled && factor < 1.0) {
                const double atGroup = scale.GetFactor(lastGroup);
                const double before = scale.GetFactor(cur - kMinuteStep);
                shown = (factor >= 0.2 && scale.GetDayGroup(lastGroup) != 0) ||
                        (before != atGroup && before + atGroup >= 0.1);
            }
            if (shown) {
                walk.Line(kIntervalLine, curX);
            }
            lastGroup = cur;
        }
        if (!walk.Advance(cur, curX, cur + kMinuteStep, false)) {
            break;
        }
    }
}

void CPageLayout::DrawTimeGrid(CDC* dc, BOOL era) const {
    const CSyokiSet* set = GetSyokiSet();
    if (set == nullptr) {
        return;
    }
    const int unit = set->GetKeisenUnit();
    const int dateUnit = set->GetDateUnit();
    const int n = std::max(1, GetThinningStep(unit, set->GetKeisenStep()));
    const BOOL elapsed = set->GetNobeMode() != 0 ? TRUE : FALSE;
    // The first date row of an elapsed chart that counts the grid's own elapsed unit shows the
    // unit boundaries already.
    const WORD firstRow = set->GetDateRowKind(0);
    const bool rowOfUnit = (firstRow == kDateRowNobeMonth && dateUnit == kUnitMonth) ||
                           (firstRow == kDateRowNobeDay && dateUnit == kUnitDay);
    const BOOL sameUnit = elapsed && rowOfUnit && unit == dateUnit ? TRUE : FALSE;
    switch (unit) {
    case kUnitWeek:
        DrawWeekGrid(dc, n);
        break;
    case kUnitMonth:
        DrawMonthGrid(dc, n, elapsed, sameUnit);
        break;
    case kUnitYear:
        DrawYearGrid(dc, n, elapsed, era);
        break;
    case kUnitHour:
        DrawHourGrid(dc, n);
        break;
    case kUnitMinute:
        DrawMinuteGrid(dc, n);
        break;
    default:
        DrawDayGrid(dc, n, elapsed, sameUnit);
        break;
    }
}

void CPageLayout::DrawColumnRangeBand(CDC* dc) const {
    const CChartPos* range = m_doc != nullptr ? m_doc->GetSelectedDateRange() : nullptr;
    if (range == nullptr) {
        return;
    }
    const CTime start = range->GetStartDate();
    const CTime end = range->GetEndDate();
    // The range ends where its last day ends: the last supported day ends the next midnight.
    const auto inCalendar = [](const CTime& t) {
        return GetMinDate() <= t && t <= GetMaxDate() + CTimeSpan(1, 0, 0, 0);
    };
    if (end == start || !inCalendar(start) || !inCalendar(end)) {
        return;
    }
    DrawStyledRect(dc, DateToX(start), GetBodyRect().top, DateToX(end), GetKouteiRect().bottom, -1,
                   -1, static_cast<COLORREF>(-1), 99, kRangeBandColor, R2_MERGEPENNOT, OPAQUE);
}

} // namespace tembra
