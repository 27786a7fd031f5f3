// One month of a calendar as the calendar dialog (133 "カレンダー設定") shows it: 42 cells, six
// weeks of seven days from Sunday, each with its day number and the colour of its holiday bits,
// and the months the dialog can step to (those of the supported dates).
#pragma once

#include "platform/Types.h"

#include <array>

namespace tembra {

class CCalendar;

class CalendarMonthGrid {
public:
    static constexpr int kCells = 42;

    struct Cell {
        int day = 0;         // 0: no day of the month (hidden)
        COLORREF colour = 0; // of its holiday bits (unused for a hidden cell)
    };

    // The swatch colour of a day's holiday bits: 0x00 cyan, 0x10 red, 0x20 magenta, 0x30 green.
    static COLORREF ColourOf(BYTE holidayBits);

    // The month of the year; a year or month of 0 is taken from today. Months outside the
    // supported dates are moved to their nearest end.
    CalendarMonthGrid(int year, int month);

    int Year() const { return m_year; }
    int Month() const { return m_month; }
    // The cells of the month in the calendar.
    std::array<Cell, kCells> Cells(const CCalendar& calendar) const;
    // The cell of day 1 (its weekday, Sunday 0).
    int FirstColumn() const;

    // One month back or on; false (nothing changes) at the first or the last supported month.
    bool Previous();
    bool Next();

    // Day of the shown month: the user's holiday bit (0x20) set when clear, else cleared.
    static void ToggleDay(CCalendar& calendar, int year, int month, int day);

private:
    int m_year;
    int m_month;
};

} // namespace tembra
