// The weekly rest days of the holiday initialisation: where the pattern comes from (the
// profile, else the program's key, else none) and the weekday buttons.
#include "dialogs/attributes/core/WeeklyRestTable.h"

#include "platform/Profile.h"
#include "platform/RegKey.h"
#include "support/Cp932Text.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tembra {
namespace {

using test::J;

const char* const kWeekdayKeys[] = {"日", "月", "火", "水", "木", "金", "土"};

TEST(WeeklyRestTable, TheProfileFirstThenTheProgramsKeyThenNone) {
    test::ScopedPaths paths;
    EXPECT_EQ(LoadWeeklyRestTable(), WeeklyRestTable{});

    for (const char* key : kWeekdayKeys) {
        WriteRegString(J("公休"), J(key).c_str(), "0,1,0,1,0");
    }
    WeeklyRestTable alternate{};
    for (int weekday = 0; weekday < 7; ++weekday) {
        alternate[static_cast<std::size_t>(weekday * 5 + 1)] = 1;
        alternate[static_cast<std::size_t>(weekday * 5 + 3)] = 1;
    }
    EXPECT_EQ(LoadWeeklyRestTable(), alternate);

    // A profile without all seven rows does not count; a whole one wins, flags as 0 and 1.
    WriteProfileString(J("公休"), J("日").c_str(), "5,5,5,5,5");
    EXPECT_EQ(LoadWeeklyRestTable(), alternate);
    for (const char* key : kWeekdayKeys) {
        WriteProfileString(J("公休"), J(key).c_str(), "0,0,0,0,0");
    }
    WriteProfileString(J("公休"), J("日").c_str(), "5,5,5,5,5");
    WeeklyRestTable sundays{};
    std::fill(sundays.begin(), sundays.begin() + 5, BYTE{1});
    EXPECT_EQ(LoadWeeklyRestTable(), sundays);
}

TEST(WeeklyRestTable, AWeekdayButtonFillsOrEmptiesItsRow) {
    WeeklyRestTable table{};
    table[5] = table[7] = table[9] = 1; // Monday: three of five
    table[30] = 1;                      // Saturday, first week
    struct Step {
        int weekday;
        BYTE mondays;
    };
    for (const Step& step : {Step{1, 1}, Step{1, 0}, Step{1, 1}}) {
        ToggleWeekdayRow(table, step.weekday);
        for (int week = 0; week < 5; ++week) {
            EXPECT_EQ(table[static_cast<std::size_t>(5 + week)], step.mondays) << week;
        }
        EXPECT_EQ(std::count(table.begin(), table.end(), BYTE{1}), step.mondays * 5 + 1);
    }
    const WeeklyRestTable before = table;
    ToggleWeekdayRow(table, 7);
    ToggleWeekdayRow(table, -1);
    EXPECT_EQ(table, before);
}

} // namespace
} // namespace tembra
