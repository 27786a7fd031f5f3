// The arithmetic of the duration change dialogs (144 "日数変更", 221 "日数変更（延）"): the end
// date and the duration of one process kept consistent over a calendar, the spin steps of the end
// date, the checks of 決定 and the elapsed month and day of the elapsed-day chart.
//
// The calendar is the document's working calendar for a process with the Holiday flag, none
// (every day a working day) for one without.
#pragma once

#include "model/Calendar.h"
#include "model/Koutei.h"
#include "platform/Time.h"

namespace tembra {

struct ChangeDaysValues {
    enum : int { kElapsed = 0, kWorking = 1 };              // count mode: 延べ, 実動
    int year = 0, month = 0, day = 0, hour = 0, minute = 0; // the end
    int days = 0, hours = 0, minutes = 0;                   // the duration
    int spareDays = 0;
    bool spareSwitch = false;
    bool link = true;
    int countMode = kWorking;

    CTime End() const { return CTime(year, month, day, hour, minute); }
    void SetEnd(const CTime& end);
    CTimeSpan Duration() const { return CTimeSpan(days, hours, minutes, 0); }
    void SetDuration(const CTimeSpan& span);
    bool operator==(const ChangeDaysValues&) const = default;
};

class ChangeDaysMath {
public:
    // calendar: null counts every day as a working day.
    ChangeDaysMath(const CKoutei& koutei, const CCalendar* calendar, bool daysOnly)
        : m_koutei(koutei), m_calendar(calendar), m_daysOnly(daysOnly) {}

    // The values from the process, keeping the count mode and the two switches.
    void Fill(ChangeDaysValues& values) const;
    // After an end-date field: the duration (and the spare days) of the entered end. An end
    // before the start drops the edit: the values are filled again from the process (false).
    bool DurationFromEnd(ChangeDaysValues& values) const;
    // After a duration field: the end of the entered duration, then the duration of that end.
    void EndFromDuration(ChangeDaysValues& values) const;

    // The spin steps of the end: field 0 year, 1 month, 2 day, 3 hour, 4 minute; step ±1.
    enum : int { kYear = 0, kMonth, kDay, kHour, kMinute };
    void StepEnd(ChangeDaysValues& values, int field, int step) const;

    // 決定: 0 when the process copy took the values, else the message that refuses (5074,
    // 5045). shortened tells that message 5081 is due: the end stays, only the spare days change.
    int Accept(const ChangeDaysValues& values, CKoutei& target, bool& shortened) const;

private:
    CTimeSpan HolidayTime(const CTime& a, const CTime& b) const;
    CTimeSpan AddWork(const CTime& start, const CTimeSpan& work) const;

    const CKoutei& m_koutei;
    const CCalendar* m_calendar;
    bool m_daysOnly;
};

// The end date within the supported dates.
CTime ClampToSupported(const CTime& date);

// The elapsed-day chart shows an end as month and day: d whole days (floored) from the base
// date, month d / L + 1 and day d mod L + 1 (both floored), L the elapsed month in whole days
// (30 below one day). The time of day stays beside them.
struct ElapsedEnd {
    int month = 1;
    int day = 1;
    bool operator==(const ElapsedEnd&) const = default;
};
int ElapsedMonthDays(const CTimeSpan& monthSpan);
ElapsedEnd ToElapsedEnd(const CTime& end, const CTime& base, int monthDays);
// The date at 00:00 of an elapsed month and day (the inverse).
CTime FromElapsedEnd(const ElapsedEnd& end, const CTime& base, int monthDays);

} // namespace tembra
