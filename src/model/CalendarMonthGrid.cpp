#include "model/CalendarMonthGrid.h"

#include "model/Calendar.h"
#include "model/Utility.h"
#include "platform/Time.h"

namespace tembra {

namespace {

// Months counted from January of year 0, for the range checks.
int MonthIndex(int year, int month) {
    return year * 12 + (month - 1);
}

} // namespace

COLORREF CalendarMonthGrid::ColourOf(BYTE holidayBits) {
    switch (holidayBits & CCalendar::kHolidayBits) {
    case 0x00:
        return RGB(0, 255, 255);
    case 0x10:
        return RGB(255, 0, 0);
    case 0x20:
        return RGB(255, 0, 255);
    default:
        return RGB(0, 255, 0);
    }
}

CalendarMonthGrid::CalendarMonthGrid(int year, int month) : m_year(year), m_month(month) {
    if (year == 0 || month == 0) {
        const CTime today = CTime::GetCurrentTime();
        m_year = today.GetYear();
        m_month = today.GetMonth();
    }
    if (m_month < 1 || m_month > 12) {
        m_month = 1;
    }
    const CTime first = GetMinDate();
    const CTime last = GetMaxDate();
    if (MonthIndex(m_year, m_month) < MonthIndex(first.GetYear(), first.GetMonth())) {
        m_year = first.GetYear();
        m_month = first.GetMonth();
    } else if (MonthIndex(m_year, m_month) > MonthIndex(last.GetYear(), last.GetMonth())) {
        m_year = last.GetYear();
        m_month = last.GetMonth();
    }
}

int CalendarMonthGrid::FirstColumn() const {
    return CTime(m_year, m_month, 1).GetDayOfWeek() - 1;
}

std::array<CalendarMonthGrid::Cell, CalendarMonthGrid::kCells>
CalendarMonthGrid::Cells(const CCalendar& calendar) const {
    std::array<Cell, kCells> cells{};
    const int first = FirstColumn();
    const int days = CivilDate::DaysInMonth(m_year, m_month);
    for (int day = 1; day <= days; ++day) {
        Cell& cell = cells[static_cast<std::size_t>(first + day - 1)];
        cell.day = day;
        cell.colour = ColourOf(calendar.GetDayFlag(m_year, m_month, day));
    }
    return cells;
}

bool CalendarMonthGrid::Previous() {
    const CTime first = GetMinDate();
    if (MonthIndex(m_year, m_month) <= MonthIndex(first.GetYear(), first.GetMonth())) {
        return false;
    }
    if (--m_month < 1) {
        m_month = 12;
        --m_year;
    }
    return true;
}

bool CalendarMonthGrid::Next() {
    const CTime last = GetMaxDate();
    if (MonthIndex(m_year, m_month) >= MonthIndex(last.GetYear(), last.GetMonth())) {
        return false;
    }
    if (++m_month > 12) {
        m_month = 1;
        ++m_year;
    }
    return true;
}

void CalendarMonthGrid::ToggleDay(CCalendar& calendar, int year, int month, int day) {
    calendar.ToggleDayFlag(year, month, day, CCalendar::kUserToggle);
}

} // namespace tembra
