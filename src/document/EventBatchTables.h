// The choice of dates on which the batch input repeats one event (dates of chosen months, days
// of every month, or weekdays in chosen weeks of the month), kept by the application for the
// program run, and the dates of a period that the choice takes.
//
// A weekday's week in its month is the count of that weekday from the month's 1st up to and
// including the day (1 to 5), whatever day the period begins on.
#pragma once

#include "platform/Time.h"

#include <array>
#include <vector>

namespace tembra {

// The choice of dates of the batch input by dates.
struct EventBatchDateTable {
    // mode: 0 every month (毎月, everyMonth counts), 1 to 12 chosen months (月指定, monthDays
    // counts; the value is the month the dialog showed last).
    int mode = 0;
    // monthDays[m][d]: day d + 1 of month m + 1 chosen (non-zero).
    std::array<std::array<int, 31>, 12> monthDays{};
    // everyMonth[d]: day d + 1 of every month chosen.
    std::array<int, 31> everyMonth{};
    // How many dates the last batch placed.
    int count = 0;

    void Clear() { *this = EventBatchDateTable(); }
    bool operator==(const EventBatchDateTable&) const = default;
};

// The choice of weekdays of the batch input by weekdays: weeks[w][n] is weekday w (0 Sunday to
// 6 Saturday) in week n + 1 of the month (the n + 1-th such weekday counted from the 1st).
struct EventBatchWeekTable {
    std::array<std::array<int, 5>, 7> weeks{};

    void Clear() { *this = EventBatchWeekTable(); }
    bool operator==(const EventBatchWeekTable&) const = default;
};

// The days from the first to the last (both taken at their day, times of day ignored) whose month
// and day (chosen months), day (every month) or weekday and week are chosen, at midnight, in
// order. A chosen day that no date of the period has (30 February) gives nothing.
std::vector<CTime> ChosenDates(const EventBatchDateTable& table, const CTime& first,
                               const CTime& last);
std::vector<CTime> ChosenDates(const EventBatchWeekTable& table, const CTime& first,
                               const CTime& last);

} // namespace tembra
