#include "safety/PlanCalendarLayout.h"

#include "model/Calendar.h"
#include "model/HensokuScale.h"
#include "model/SyokiSet.h"
#include "model/Wareki.h"
#include "render/PageLayout.h"
#include "shapes/Zukei.h"
#include "shapes/ZukeiView.h"

#include <algorithm>
#include <cstdlib>

namespace tembra {

namespace {

constexpr std::int64_t kDay = 86400;
const CTimeSpan kOneDay(1, 0, 0, 0);
const CTimeSpan kOneHour(0, 1, 0, 0);

int DaysInMonth(const CTime& t) {
    const int year = t.GetYear();
    const int month = t.GetMonth();
    const CTime first(year, month, 1);
    const CTime next = month == 12 ? CTime(year + 1, 1, 1) : CTime(year, month + 1, 1);
    return static_cast<int>((next - first).GetDays());
}

CTime Midnight(const CTime& t) {
    return CTime(t.GetYear(), t.GetMonth(), t.GetDay());
}

} // namespace

bool IsAlignedUnit(int k, int n) {
    if (n <= 0) {
        return false;
    }
    return (k > 0 && (k - 1) % n == 0) || (k < 0 && k % n == 0);
}

CPlanCalendarLayout::CPlanCalendarLayout(const CSyokiSet* settings, const CPageLayout* layout)
    : m_pSettings(settings), m_pLayout(layout) {}

CPlanCalendarLayout::~CPlanCalendarLayout() = default;

void CPlanCalendarLayout::SetPosition(int x, int y, const CTime& date, double row) {
    m_pos.point = CPoint(x, y);
    m_pos.date = date;
    m_pos.row = row;
}

void CPlanCalendarLayout::SnapToDay(const IZukeiView& view) {
    CTime t = CZukei::XToDate(view, m_pos.point.x);
    const CTime midnight = Midnight(t);
    t = (t - midnight).GetTimeSpan() < kDay / 2 ? midnight
                                                : Midnight(midnight + CTimeSpan(0, 36, 0, 0));
    int x = CZukei::DateToX(view, t);
    const CRect page = view.GetPageLayout().GetPageRect();
    if (x < std::min(page.left, page.right)) {
        t = t + kOneDay;
        x = CZukei::DateToX(view, t);
    }
    m_pos.point.x = x;
    m_pos.date = t;
}

// ---- Shared ground of the builders --------------------------------------------------------------

bool CPlanCalendarLayout::UseScale() const {
    return m_pLayout->GetScale().IsBuilt() != FALSE;
}

double CPlanCalendarLayout::ScaledWidth(const CTime& from, const CTime& to) const {
    // Measured from the earlier time to the later: the backward walk of the working-day
    // alignment meets its times the other way round.
    const CTime& early = std::min(from, to);
    const CTime& late = std::max(from, to);
    return m_pLayout->GetScale().GetSpanWidth(early, late);
}

bool CPlanCalendarLayout::Keep(const Walk& walk, const CTime& t, double units,
                               bool fullWidthKeeps) const {
    if (!UseScale()) {
        return true;
    }
    const CHensokuScale& scale = m_pLayout->GetScale();
    const double w = ScaledWidth(walk.c, t);
    if (fullWidthKeeps && w >= units) {
        return true;
    }
    if (w >= units / 5 && scale.GetDayGroup(walk.b) > 0) {
        return true;
    }
    return scale.GetFactor(t) != scale.GetFactor(walk.b) && ScaledWidth(walk.a, t) >= units / 10;
}

bool CPlanCalendarLayout::IsEdge(int x) const {
    return x == m_xS || x == m_xD || x >= m_pLayout->GetChartRect().right ||
           (m_hasStartEdge && x == m_xStart);
}

CTime CPlanCalendarLayout::WalkStart() const {
    return m_pLayout->GetDrawStart();
}

CTime CPlanCalendarLayout::WalkEnd() const {
    return m_pLayout->GetEndDate() + kOneDay;
}

std::int64_t CPlanCalendarLayout::Elapsed(const CTime& t) const {
    return m_pLayout->DateToNobeYMD(t, nullptr, nullptr, nullptr).GetTimeSpan();
}

std::int64_t CPlanCalendarLayout::MonthSeconds() const {
    return std::max<std::int64_t>(1, m_pLayout->GetMonthSpan().GetDays()) * kDay;
}

const CCalendar* CPlanCalendarLayout::Calendar() const {
    const IPageLayoutDocument* doc = m_pLayout->GetDocument();
    return doc != nullptr ? doc->GetCalendar() : nullptr;
}

void CPlanCalendarLayout::BuildColumns(int n, int unit) {
    const bool elapsed = m_pSettings->GetNobeMode() != 0;
    bool era = false;
    for (int i = 0; i < m_pSettings->GetDateRowCount(); ++i) {
        era = era || m_pSettings->GetDateRowKind(i) == kDateRowEraYear;
    }
    const bool sameUnits = m_pSettings->GetKeisenUnit() == m_pSettings->GetDateUnit();
    const WORD firstRow = m_pSettings->GetDateRowKind(0);
    switch (unit) {
    case kUnitDay:
        BuildDayColumns(n, elapsed, elapsed && sameUnits && firstRow == kDateRowNobeDay);
        break;
    case kUnitWeek:
        BuildWeekColumns(n, true, true);
        break;
    case kUnitMonth:
        BuildMonthColumns(n, elapsed, elapsed && sameUnits && firstRow == kDateRowNobeMonth);
        break;
    case kUnitYear:
        BuildYearColumns(n, elapsed, era);
        break;
    case kUnitHour:
        BuildHourColumns(n);
        break;
    default:
        break;
    }
}

CTime CPlanCalendarLayout::BeginWalk() {
    const CTime start = WalkStart();
    m_xS = m_pLayout->DateToX(start);
    m_xD = m_pLayout->DateToX(m_pLayout->GetDrawEnd() + kOneDay);
    m_hasStartEdge = false;
    return start;
}

// ---- Days, weeks and hours ----------------------------------------------------------------------

void CPlanCalendarLayout::BuildDayColumns(int n, bool elapsed, bool noMonthBreak) {
    m_columnX.clear();
    const CTime start = BeginWalk();
    const CTime end = WalkEnd();
    Walk walk{start, start, start};
    for (CTime t = start; t <= end; t = t + kOneDay) {
        int k = t.GetDay();
        if (elapsed) {
            const std::int64_t r = Elapsed(t) % MonthSeconds();
            const std::int64_t d = r / kDay;
            k = static_cast<int>(d >= 0 ? d + 1 : d);
        }
        const int x = m_pLayout->DateToX(t);
        Step(walk, t, x, IsAlignedUnit(k, n), k == 1 && !noMonthBreak, [&] {
            const bool kept = Keep(walk, t, n, true);
            // A column of ten days or more never starts on a month's last day: it would be a
            // one-day sliver before the next month's 1st.
            const bool lastDay = !elapsed && n >= 10 && t.GetDay() == DaysInMonth(t);
            return kept && !lastDay;
        });
    }
}

void CPlanCalendarLayout::BuildWeekColumns(int n, bool mondayStart, bool monthBreak) {
    m_columnX.clear();
    const CTime start = BeginWalk();
    const CTime end = WalkEnd();
    const int weekStart = mondayStart ? 2 : 1; // GetDayOfWeek: 1 Sunday, 2 Monday
    const int weekLast = mondayStart ? 1 : 2;  // the day whose end advances the counter
    int counter = mondayStart ? 0 : 1;
    Walk walk{start, start, start};
    for (CTime t = start; t <= end; t = t + kOneDay) {
        const int x = m_pLayout->DateToX(t);
        const int weekday = t.GetDayOfWeek();
        const bool aligned = n > 0 && weekday == weekStart && (counter - 1) % n == 0;
        Step(walk, t, x, aligned, monthBreak && t.GetDay() == 1,
             [&] { return Keep(walk, t, 7.0 * n, true); });
        if (weekday == weekLast) {
            ++counter;
        }
    }
}

void CPlanCalendarLayout::BuildHourColumns(int n) {
    m_columnX.clear();
    const CTime start = BeginWalk();
    const CTime end = WalkEnd();
    const int h0 = start.GetHour();
    const bool scaled = UseScale() && m_pLayout->GetScale().IsHourMode();
    Walk walk{start, start, start};
    for (CTime t = start; t <= end; t = t + kOneHour) {
        const int x = m_pLayout->DateToX(t);
        const int h = t.GetHour();
        const bool aligned = n > 0 && h % n == 0;
        Step(walk, t, x, aligned, h == h0, [&] { return !scaled || Keep(walk, t, n, true); });
    }
}

// ---- Months and years ---------------------------------------------------------------------------

void CPlanCalendarLayout::BuildMonthColumns(int n, bool elapsed, bool noYearBreak) {
    m_columnX.assign(1, 0); // entry 0 is xS, written at the end
    const CTime start = BeginWalk();
    const int right = m_pLayout->GetChartRect().right;
    const CTime end = WalkEnd();
    Walk walk{start, start, start};
    CTime t = start;
    int x = m_pLayout->DateToX(t);
    for (;;) {
        const std::int64_t length = elapsed ? MonthSeconds() : DaysInMonth(t) * kDay;
        int m = t.GetMonth();
        CTime next = m == 12 ? CTime(t.GetYear() + 1, 1, 1) : CTime(t.GetYear(), m + 1, 1);
        if (elapsed) {
            std::int64_t e = Elapsed(t);
            const bool before = e < 0;
            if (before) {
                e += kDay;
            }
            m = static_cast<int>((e / length) % 12);
            if (!before) {
                m += 1;
                next = t + CTimeSpan(length - e % length);
            } else {
                m -= 1;
                next = t + CTimeSpan(std::llabs(e) % length + kDay);
            }
        }
        if (!IsEdge(x)) {
            if ((m == 1 || m == -12) && !noYearBreak) {
                Enter(x);
                walk.a = walk.c = t;
            } else if (IsAlignedUnit(m, n)) {
                if (Keep(walk, t, static_cast<double>(length / kDay) * n, false)) {
                    Enter(x);
                    walk.a = t;
                }
                walk.c = t;
            }
        }
        walk.b = t;
        t = next;
        if (t > end) {
            break;
        }
        x = m_pLayout->DateToX(t);
        if (x >= right) {
            break;
        }
    }
    m_columnX[0] = m_xS;
    Enter(right);
}

void CPlanCalendarLayout::BuildYearColumns(int n, bool elapsed, bool era) {
    m_columnX.assign(1, 0);
    const CTime start = BeginWalk();
    const int right = m_pLayout->GetChartRect().right;
    const CTime end = WalkEnd();
    const std::int64_t yearLength = 12 * MonthSeconds();
    Walk walk{start, start, start};
    CTime t = start;
    int x = m_pLayout->DateToX(t);
    for (;;) {
        int year = t.GetYear();
        CTime next(t.GetYear() + 1, 1, 1);
        if (era) {
            // Era years, as the era row of the date header counts them.
            const WarekiYear eraYear = WarekiYearOf(t);
            year = eraYear.year;
            next = eraYear.next;
        }
        if (elapsed) {
            std::int64_t e = Elapsed(t);
            const bool before = e < 0;
            if (before) {
                e += kDay;
            }
            year = static_cast<int>(e / yearLength) + (before ? -1 : 1);
            next = before ? t + CTimeSpan(std::llabs(e) % yearLength + kDay)
                          : t + CTimeSpan(yearLength - e % yearLength);
        }
        const double days = static_cast<double>((next - t).GetDays());
        if (!IsEdge(x) && n > 0 && (year - 1) % n == 0) {
            if (Keep(walk, t, n * days, true)) {
                Enter(x);
                walk.a = t;
            }
            walk.c = t;
        }
        walk.b = t;
        t = next;
        if (t > end) {
            break;
        }
        x = m_pLayout->DateToX(t);
        if (x >= right) {
            break;
        }
    }
    m_columnX[0] = m_xS;
    Enter(right);
}

// ---- Working days -------------------------------------------------------------------------------

void CPlanCalendarLayout::BuildWorkdayColumns(const CTime& anchor, int n) {
    m_columnX.clear();
    const CCalendar* calendar = Calendar();
    const auto working = [calendar](const CTime& day) {
        return calendar == nullptr || calendar->IsHoliday(day) == FALSE;
    };
    const CTime start = WalkStart();
    const CTime anchorDay = Midnight(anchor);

    // The aligned start: back from the anchor, a candidate every n working days.
    CTime begin = anchorDay;
    Walk back{anchorDay, anchorDay, anchorDay};
    int count = 0;
    for (CTime day = anchorDay; day >= start; day = day - kOneDay) {
        if (n > 0 && count != 0 && count % n == 0) {
            if (Keep(back, day, n, true) && working(day)) {
                begin = day;
                back.a = day;
                count = 0;
            }
            back.c = day;
        }
        if (day == anchorDay || working(day)) {
            ++count;
        }
        back.b = day;
    }

    BeginWalk();
    m_xStart = m_pLayout->DateToX(begin);
    m_hasStartEdge = true;
    Enter(m_xS);
    const CTime end = WalkEnd();
    Walk walk{begin, begin, begin};
    int k = 0;
    for (CTime t = begin; t <= end; t = t + kOneDay) {
        const int x = m_pLayout->DateToX(t);
        const bool full = n > 0 && k != 0 && k % n == 0;
        Step(walk, t, x, full, false, [&] {
            // A column kept starts the count of its working days again.
            const bool kept = Keep(walk, t, n, true);
            if (kept) {
                k = 0;
            }
            return kept;
        });
        if (working(t)) {
            ++k;
        }
    }
    m_hasStartEdge = false;
}

} // namespace tembra
