// Japanese era years (和暦) of chart dates: the era row of the date header, the year grid that
// follows it, the item-cell macro "$H$" and the plan sheets' year columns all count them here.
//
// A date counts in the era it lies in: 平成 up to 2019-04-30, 令和 from 2019-05-01. An era year
// runs from 1 January (or the era's first day) to the next 1 January (or the next era's first
// day), so the calendar year in which an era begins holds two era years: 2019 is 平成31年 from
// January to April and 令和1年 from May. Dates before 平成 are never chart dates; they count on
// in 平成 years (0 and below) rather than fail.
#pragma once

#include "platform/Time.h"

namespace tembra {

struct WarekiEra {
    const char* name; // the era's name in CP932 bytes, e.g. 令和
    char letter;      // its initial, e.g. 'R'
    int firstYear;    // the Western year of its year 1
};

struct WarekiYear {
    const WarekiEra* era = nullptr;
    int year = 0; // 1 in the year the era begins
    CTime start;  // the first day (00:00) of this era year
    CTime next;   // the first day of the following era year
};

// The era year that holds date.
WarekiYear WarekiYearOf(const CTime& date);

} // namespace tembra
