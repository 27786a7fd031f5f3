// The weekly rest days of the holiday initialisation dialog (163 "休日の初期化"): seven rows
// from Sunday, one flag per week of the month (第１ .. 第５), as CCalendar::MakeHolidays takes
// them.
#pragma once

#include "model/HolidayStore.h"
#include "platform/Types.h"

#include <array>

namespace tembra {

using WeeklyRestTable = std::array<BYTE, kWeeklyTableSize>;
constexpr int kWeeksInTable = 5;

// The user's pattern ("公休" of the profile), else the program's own key's; all clear when
// neither holds all seven rows. Every flag is 0 or 1.
WeeklyRestTable LoadWeeklyRestTable();

// A weekday's button (0 Sunday .. 6 Saturday): a full row becomes empty, any other full.
void ToggleWeekdayRow(WeeklyRestTable& table, int weekday);

} // namespace tembra
