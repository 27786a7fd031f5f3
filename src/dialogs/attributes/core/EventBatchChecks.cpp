#include "dialogs/attributes/core/EventBatchChecks.h"

#include <algorithm>

namespace tembra {

namespace {

bool AnySet(const auto& row) {
    return std::any_of(row.begin(), row.end(), [](int v) { return v != 0; });
}

CTime DayOf(const CTime& t) {
    return CTime(t.GetYear(), t.GetMonth(), t.GetDay());
}

} // namespace

bool AnyDayChosen(const EventBatchDateTable& table) {
    if (table.mode == 0) {
        return AnySet(table.everyMonth);
    }
    return std::any_of(table.monthDays.begin(), table.monthDays.end(),
                       [](const auto& month) { return AnySet(month); });
}

bool DatePeriodHolds(const EventBatchDateTable& table, const CTime& start, const CTime& end) {
    if (table.mode != 0) {
        for (int m = 0; m < 12; ++m) {
            for (int d = 0; d < 31; ++d) {
                if (table.monthDays[m][d] == 0) {
                    continue;
                }
                for (int y = start.GetYear(); y <= end.GetYear(); ++y) {
                    const CTime date(y, m + 1, d + 1);
                    if (start <= date && date <= end) {
                        return true;
                    }
                }
            }
        }
        return false;
    }
    const CTime last = end + CTimeSpan(1);
    for (CTime day = start; day < last; day += CTimeSpan(kDaySeconds)) {
        if (table.everyMonth[day.GetDay() - 1] != 0) {
            return true;
        }
    }
    return false;
}

bool AnyWeekdayChosen(const EventBatchWeekTable& table) {
    return std::any_of(table.weeks.begin(), table.weeks.end(),
                       [](const auto& row) { return AnySet(row); });
}

bool WeekPeriodHolds(const EventBatchWeekTable& table, const CTime& start, const CTime& end) {
    int counts[7] = {};
    const CTime first = DayOf(start);
    for (CTime day(first.GetYear(), first.GetMonth(), 1); day < first;
         day += CTimeSpan(kDaySeconds)) {
        ++counts[day.GetDayOfWeek() - 1];
    }
    const CTime last = end + CTimeSpan(1);
    for (CTime day = start; day < last; day += CTimeSpan(kDaySeconds)) {
        if (day.GetDay() == 1) {
            std::fill(std::begin(counts), std::end(counts), 0);
        }
        const int weekday = day.GetDayOfWeek() - 1;
        const int week = ++counts[weekday];
        if (week <= 5 && table.weeks[weekday][week - 1] != 0) {
            return true;
        }
    }
    return false;
}

int VisibleDayButtons(int month) {
    switch (month) {
    case 2:
        return 29;
    case 4:
    case 6:
    case 9:
    case 11:
        return 30;
    default:
        return 31;
    }
}

int MonthButtonState(const EventBatchDateTable& table, int month, int shown) {
    if (month == shown) {
        return 1;
    }
    return month >= 1 && month <= 12 && AnySet(table.monthDays[month - 1]) ? 2 : 0;
}

} // namespace tembra
