// Positions of a calendar-day chart as the user types them: a date, a time of day and a row,
// and for a second point the span from the first in calendar or working days.
#pragma once

#include "model/Utility.h"
#include "platform/Time.h"

namespace tembra {

class CCalendar;
class CTembraDoc;

// The ranges of the typed fields; the years are those of the supported dates.
struct CalendarFieldRange {
    int min;
    int max;
};
inline constexpr CalendarFieldRange kYearRange{kMinDateYear, kMaxDateYear};
inline constexpr CalendarFieldRange kMonthRange{1, 12};
inline constexpr CalendarFieldRange kDayRange{1, 31};
inline constexpr CalendarFieldRange kHourRange{0, 23};
inline constexpr CalendarFieldRange kMinuteRange{0, 59};
inline constexpr CalendarFieldRange kRowRange{1, 9999};

// One arrow press: the value steps by delta and stops at the ends, no carry into other fields.
int StepInRange(int value, int delta, CalendarFieldRange range);

// The span between two points as its fields show it. holidays are the whole days of holiday
// time in it; with working the days leave them out.
struct CalendarSpan {
    int days = 0;
    int hours = 0;
    int minutes = 0;
    int holidays = 0;
    bool operator==(const CalendarSpan&) const = default;
};

// The span from base to entered, both kept inside the supported dates first.
CalendarSpan SpanBetween(const CTime& base, const CTime& entered, const CCalendar& calendar,
                         bool working);

// What the typed span gives the second point.
struct SpanEntry {
    bool working = false;     // 実動: the span counts working days over the calendar
    bool noTimeOfDay = false; // the chart shows no times of day
    bool sameRow = false;     // both points lie on one row
};

// The second point: base + the span (stretched over the holidays it meets when working),
// inside the supported dates. A span that would put both points of one row on one spot is
// lifted to the smallest step the chart shows: a day without times of day, else a minute.
CTime EnteredFromSpan(const CTime& base, CalendarSpan span, const CCalendar& calendar,
                      SpanEntry entry);

// The calendar that the span's holidays come from: the working calendar while processes skip
// holidays ("Holiday" of the process settings), else the document's second calendar.
const CCalendar& SpanCalendar(CTembraDoc& document);

} // namespace tembra
