// A chart of 90 days, 2020-04-01 to 2020-06-29, with 5 days of leading and 4 of trailing
// margin (work 2020-04-06 to 2020-06-25) and 3 days of preparation (elapsed day 1 on
// 2020-04-09), and the cases of the conversion checks on it.
#pragma once

#include "dialogs/attributes/core/DayConversionCheck.h"
#include "model/SyokiSet.h"
#include "model/Utility.h"

#include <vector>

namespace tembra::test {

inline CSyokiSet ConversionFixture() {
    CSyokiSet settings;
    settings.SetStartDate(CTime(2020, 4, 1));
    settings.SetEndDate(CTime(2020, 6, 29));
    settings.SetMaeYohaku(CTimeSpan(5, 0, 0, 0));
    settings.SetAtoYohaku(CTimeSpan(4, 0, 0, 0));
    settings.SetJyunbiKikan(CTimeSpan(3, 0, 0, 0));
    return settings;
}

struct ConversionCase {
    const char* name;
    DayConversionKind kind;
    DayConversionValues values; // year, month, day, N, holiday, from, to, round
    UINT message;
};

inline std::vector<ConversionCase> ConversionCases() {
    using enum DayConversionKind;
    return {
        {"before the first working date", kToElapsed, {2020, 4, 5, 1, 0, 1, 1, true}, 5071},
        {"the first working date", kToElapsed, {2020, 4, 6, 1, 0, 1, 1, true}, 0},
        {"after the last working date", kToElapsed, {2020, 6, 26, 1, 0, 1, 1, true}, 5070},
        {"the last working date", kToElapsed, {2020, 6, 25, 1, 0, 1, 1, true}, 0},
        {"preparation longer than the chart", kToElapsed, {2020, 4, 6, -90, 0, 1, 1, true}, 5038},
        {"preparation as long as the chart", kToElapsed, {2020, 4, 6, -89, 0, 1, 1, true}, 0},
        {"moved past the last date", kToElapsed, {2020, 4, 6, 7000, 0, 1, 1, true}, 5051},
        {"scaled past the last date", kToElapsed, {2020, 4, 6, 1, 0, 1, 100, true}, 5043},
        {"scaled below one day", kToElapsed, {2020, 4, 6, 1, 0, 100, 1, true}, 5044},
        {"a year past the range first",
         kToElapsed,
         {kMaxDateYear + 1, 4, 6, 7000, 0, 1, 1, true},
         5900},
        {"a ratio past the range", kToElapsed, {2020, 4, 6, 1, 0, 1, 101, true}, 5900},
        {"before the preparation", kToCalendar, {2020, 4, 6, -4, 0, 1, 1, true}, 5056},
        {"the first day of the preparation", kToCalendar, {2020, 4, 6, -3, 0, 1, 1, true}, 0},
        {"past the last working day", kToCalendar, {2020, 4, 6, 79, 0, 1, 1, true}, 5055},
        {"the last working day", kToCalendar, {2020, 4, 6, 78, 0, 1, 1, true}, 0},
        {"moved to the last year's end",
         kToCalendar,
         {kMaxDateYear, 12, 1, 1, 0, 1, 1, true},
         5051},
        {"to calendar scaled too far", kToCalendar, {2020, 4, 6, 1, 0, 1, 100, true}, 5043},
        {"to calendar scaled too short", kToCalendar, {2020, 4, 6, 1, 0, 100, 1, true}, 5044},
    };
}

} // namespace tembra::test
