#include "model/Wareki.h"

#include <array>

namespace tembra {

namespace {

struct EraStart {
    WarekiEra era;
    int month; // the era's first day in its first year
    int day;
};

// The eras that chart dates meet, oldest first. These are facts of the calendar.
constexpr std::array<EraStart, 2> kEras{{
    {{"\x95\xbd\x90\xac", 'H', 1989}, 1, 8}, // 平成
    {{"\x97\xdf\x98\x61", 'R', 2019}, 5, 1}, // 令和
}};

CTime FirstDay(const EraStart& e) {
    return CTime(e.era.firstYear, e.month, e.day);
}

} // namespace

WarekiYear WarekiYearOf(const CTime& date) {
    std::size_t i = 0;
    while (i + 1 < kEras.size() && FirstDay(kEras[i + 1]) <= date) {
        ++i;
    }
    const EraStart& era = kEras[i];
    const int year = date.GetYear();
    WarekiYear result;
    result.era = &era.era;
    result.year = year - era.era.firstYear + 1;
    result.start = CTime(year, 1, 1);
    result.next = CTime(year + 1, 1, 1);
    // The year an era begins starts on its first day, and the year before the next era's first
    // day ends there.
    if (year == era.era.firstYear && FirstDay(era) <= date) {
        result.start = FirstDay(era);
    }
    if (i + 1 < kEras.size() && kEras[i + 1].era.firstYear == year) {
        result.next = FirstDay(kEras[i + 1]);
    }
    return result;
}

} // namespace tembra
