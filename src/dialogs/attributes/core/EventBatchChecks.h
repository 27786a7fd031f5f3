// The checks of the event batch input dialogs (245 by dates, 246 by weekdays) before 決定: that
// something is chosen and that a chosen date lies in the chart period, and what the date dialog
// shows of its table.
#pragma once

#include "document/EventBatchTables.h"
#include "platform/Time.h"

namespace tembra {

// Whether any day is chosen: in the months (mode 1 to 12) or for every month (mode 0).
bool AnyDayChosen(const EventBatchDateTable& table);
// Whether a chosen day falls within start .. end (both included). Chosen months: the date of
// each chosen month and day in each year of the period, rolled over as the calendar does (29
// February of a common year is 1 March). Every month: a day of the period whose day of month
// is chosen.
bool DatePeriodHolds(const EventBatchDateTable& table, const CTime& start, const CTime& end);

bool AnyWeekdayChosen(const EventBatchWeekTable& table);
// Whether a day of the period is a chosen weekday in a chosen week of its month (the count of
// that weekday from the month's 1st, whatever day the period begins on).
bool WeekPeriodHolds(const EventBatchWeekTable& table, const CTime& start, const CTime& end);

// The number of day buttons a month shows in 月指定 (29 for February, 30 for April, June,
// September and November, else 31); every month shows 31 in 毎月.
int VisibleDayButtons(int month);

// The month buttons' states in 月指定: 1 the shown month, 2 a month with a chosen day, else 0.
int MonthButtonState(const EventBatchDateTable& table, int month, int shown);

} // namespace tembra
