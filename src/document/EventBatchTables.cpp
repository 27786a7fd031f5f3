#include "document/EventBatchTables.h"

namespace tembra {

namespace {

// Calls take(day) for every day from first to last at midnight.
template <class Take> void ForEachDay(const CTime& first, const CTime& last, Take take) {
    CTime day(first.GetYear(), first.GetMonth(), first.GetDay(), 0, 0, 0);
    const CTime end(last.GetYear(), last.GetMonth(), last.GetDay(), 0, 0, 0);
    while (day <= end) {
        take(day);
        // The next day's midnight from its calendar parts, so that a change of summer time
        // never skips or repeats a day.
        const CTime next = day + CTimeSpan(1, 0, 0, 0);
        day = CTime(next.GetYear(), next.GetMonth(), next.GetDay(), 0, 0, 0);
    }
}

} // namespace

std::vector<CTime> ChosenDates(const EventBatchDateTable& table, const CTime& first,
                               const CTime& last) {
    std::vector<CTime> dates;
    ForEachDay(first, last, [&](const CTime& day) {
        const auto d = static_cast<std::size_t>(day.GetDay() - 1);
        const auto m = static_cast<std::size_t>(day.GetMonth() - 1);
        const int chosen = table.mode == 0 ? table.everyMonth[d] : table.monthDays[m][d];
        if (chosen != 0) {
            dates.push_back(day);
        }
    });
    return dates;
}

std::vector<CTime> ChosenDates(const EventBatchWeekTable& table, const CTime& first,
                               const CTime& last) {
    std::vector<CTime> dates;
    ForEachDay(first, last, [&](const CTime& day) {
        const auto weekday = static_cast<std::size_t>(day.GetDayOfWeek() - 1);
        const auto week = static_cast<std::size_t>((day.GetDay() - 1) / 7);
        if (table.weeks[weekday][week] != 0) {
            dates.push_back(day);
        }
    });
    return dates;
}

} // namespace tembra
