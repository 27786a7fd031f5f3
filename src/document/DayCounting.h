// The day counting of a switch between calendar days (暦) and elapsed days (延): where a date of
// one side lies on the other. The two sides meet at an anchor (a calendar date and the elapsed
// date that stands for it); an offset from the anchor is counted on the calendar side in working
// time (the holidays of the chart's calendar left out, when the switch counts holidays) and on the
// elapsed side in plain time, which has no holidays, and is scaled by the switch's ratio on its
// way to the other side.
//
// A holiday has no elapsed day of its own: every date of a run of holidays lies on the elapsed
// day of the working day after it. Back on the calendar side a date goes to that working day (the
// start of a span, a point in time) or stays at the end of the working time before the run (the
// end of a date range). The conversion of a chart (DayCountingChange.cpp) re-dates every dated
// object through one of these; the link repair keeps the lengths of the processes it moves with it.
#pragma once

#include "platform/Time.h"

namespace tembra {

class CCalendar;
class CKoutei;

class DayCounting {
public:
    // The side the dates go to.
    enum class Target { kElapsed, kCalendar };
    // Where a date that lands on holidays goes on the calendar side.
    enum class Edge {
        kStart, // to the working day after them (a start, an event, a progress date)
        kEnd,   // to the end of the working time before them (the end of a date range)
    };

    // holidays: the calendar of the calendar side, whose holidays the offsets leave out (null:
    // every day counts). calendarBase and elapsedBase stand for each other. factor: the scale
    // towards the target (DayConversion::Factor); negative keeps times of day, positive rounds
    // each scaled offset to whole days.
    DayCounting(Target target, const CCalendar* holidays, const CTime& calendarBase,
                const CTime& elapsedBase, double factor);

    Target GetTarget() const { return m_target; }

    // The date of the target side for a date of the source side, within the supported dates.
    CTime Convert(const CTime& date, Edge edge = Edge::kStart) const;

    // A process's dates on the target side from its stored spans (CKoutei::RecalcDuration from
    // the source side's base: the start offset and the duration as the source counts them). A
    // process that counts working days keeps its working time; a calendar-day process keeps its
    // length in days (on the calendar side it is never spread over the holidays).
    void Redate(CKoutei& process) const;

    // The length of [start, end) of the target side as a process of the kind keeps it when it is
    // moved: working time on the calendar side for a process that counts working days (when
    // holidays count), else the plain span.
    CTimeSpan LengthOf(const CTime& start, const CTime& end, bool workingDays) const;
    // Where such a process that starts at start ends (within the supported dates).
    CTime EndOf(const CTime& start, const CTimeSpan& length, bool workingDays) const;

private:
    // The date of the target side at the source offset, scaled.
    CTime TargetAt(const CTimeSpan& sourceOffset, Edge edge) const;
    CTimeSpan Scaled(const CTimeSpan& span) const;
    // The holidays that working time leaves out on the target side (null: none).
    const CCalendar* TargetHolidays() const;

    Target m_target;
    const CCalendar* m_holidays;
    CTime m_calendarBase;
    CTime m_elapsedBase;
    double m_factor;
};

} // namespace tembra
