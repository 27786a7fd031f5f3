// How the processes of a selection or a list count their days, which decides how a move keeps
// their links (CTembraDoc::ClassifyHolidayUse).
#pragma once

namespace tembra {

enum class HolidayUse {
    // Not classified (a view with no process move under way).
    Unknown = 0,
    // No process counts holidays: calendar-day processes only, or no process at all.
    CalendarDays = 1,
    // Every process counts holidays: working-day processes only.
    WorkingDays = 2,
    // Some count holidays and some do not.
    Mixed = 3,
};

} // namespace tembra
