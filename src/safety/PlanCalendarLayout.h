// The column boundaries of the safety-and-health plan frames: for the period a page layout shows,
// the x coordinates where a column of days, weeks, months, years, hours or working days begins,
// left to right. Inside an irregular day scale an aligned time starts a column only when enough
// scaled width lies behind it (the keep test), so that squeezed days do not make slivers.
//
// It also carries the one chart position a frame builder fills for each frame corner and hands to
// the shape's anchor setter, and can move that position onto the nearest midnight.
//
// The boundaries are kept in a growing table: a long period with narrow columns gives as many as
// it has (a one-day column over 400 days gives 401).
#pragma once

#include "platform/Time.h"
#include "shapes/DatePos.h"

#include <vector>

namespace tembra {

class CCalendar;
class CPageLayout;
class CSyokiSet;
class IZukeiView;

class CPlanCalendarLayout {
public:
    CPlanCalendarLayout(const CSyokiSet* settings, const CPageLayout* layout);
    virtual ~CPlanCalendarLayout();

    // The corner of a frame: x and y, its date and its fractional row position.
    void SetPosition(int x, int y, const CTime& date, double row);
    // Moves the position onto the nearest midnight (12:00 goes forward) of the date at its x.
    void SnapToDay(const IZukeiView& view);

    // n units per column of unit 0 day, 1 week (Monday weeks, month breaks), 2 month, 3 year, 4
    // hour, with the flags the settings imply; any other unit keeps the last result.
    void BuildColumns(int n, int unit);
    void BuildDayColumns(int n, bool elapsed, bool noMonthBreak);
    void BuildWeekColumns(int n, bool mondayStart, bool monthBreak);
    void BuildMonthColumns(int n, bool elapsed, bool noYearBreak);
    void BuildYearColumns(int n, bool elapsed, bool era);
    void BuildHourColumns(int n);
    // Columns of n working days (the days the document's calendar does not mark as holidays),
    // aligned on the anchor date.
    void BuildWorkdayColumns(const CTime& anchor, int n);

    const std::vector<int>& Columns() const { return m_columnX; }
    int GetColumnCount() const { return static_cast<int>(m_columnX.size()); }
    const CDatePos& GetPosition() const { return m_pos; }

private:
    // The walk's shared state: the previous walked time, the last boundary, the last aligned time.
    struct Walk {
        CTime b;
        CTime a;
        CTime c;
    };

    bool UseScale() const;
    double ScaledWidth(const CTime& from, const CTime& to) const;
    // Whether an aligned time t inside an irregular scale really starts a column of width units.
    bool Keep(const Walk& walk, const CTime& t, double units, bool fullWidthKeeps) const;
    // Starts a walk over the drawn dates: the start's and the drawn end's x, no start edge yet;
    // returns the walk's first date.
    CTime BeginWalk();
    // One step of a day, week, hour or working-day walk at t (x): an edge always starts a column; a
    // break (a month's 1st, the start hour) starts one and restarts the keep test; an aligned step
    // starts one when keeps() lets it.
    template <class Keeps>
    void Step(Walk& walk, const CTime& t, int x, bool aligned, bool breakHere, Keeps keeps) {
        if (IsEdge(x)) {
            Enter(x);
            walk.a = t;
            if (aligned) {
                walk.c = t;
            }
        } else if (breakHere) {
            Enter(x);
            walk.a = walk.c = t;
        } else if (aligned) {
            if (keeps()) {
                Enter(x);
                walk.a = t;
            }
            walk.c = t;
        }
        walk.b = t;
    }
    bool IsEdge(int x) const;
    CTime WalkStart() const;
    CTime WalkEnd() const;
    // The elapsed time of t from the elapsed-day origin.
    std::int64_t Elapsed(const CTime& t) const;
    std::int64_t MonthSeconds() const;
    const CCalendar* Calendar() const;
    void Enter(int x) { m_columnX.push_back(x); }

    CDatePos m_pos;
    const CSyokiSet* m_pSettings;
    const CPageLayout* m_pLayout;
    std::vector<int> m_columnX;
    // The edge values of the builder running now.
    int m_xS = 0;
    int m_xD = 0;
    int m_xStart = 0;
    bool m_hasStartEdge = false;
};

// Whether a unit number k (day of month, month, year) begins a column of n units: k - 1 a
// multiple of n above 0, k itself below 0 (there is no unit number 0).
bool IsAlignedUnit(int k, int n);

} // namespace tembra
