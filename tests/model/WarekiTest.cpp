// Era years of chart dates: 平成 up to 2019-04-30, 令和 from 2019-05-01, the year 2019 cut where
// 令和 begins.
#include "model/Wareki.h"

#include "platform/Sjis.h"

#include <gtest/gtest.h>

#include <string>

namespace tembra {
namespace {

TEST(WarekiTest, EachDateCountsInItsOwnEra) {
    struct Case {
        CTime date;
        const char* era; // UTF-8
        char letter;
        int year;
        CTime start;
        CTime next;
    };
    const Case cases[] = {
        {CTime(1991, 1, 1), "平成", 'H', 3, CTime(1991, 1, 1), CTime(1992, 1, 1)},
        {CTime(2010, 7, 15), "平成", 'H', 22, CTime(2010, 1, 1), CTime(2011, 1, 1)},
        {CTime(2019, 1, 1), "平成", 'H', 31, CTime(2019, 1, 1), CTime(2019, 5, 1)},
        {CTime(2019, 4, 30, 23, 59, 59), "平成", 'H', 31, CTime(2019, 1, 1), CTime(2019, 5, 1)},
        {CTime(2019, 5, 1), "令和", 'R', 1, CTime(2019, 5, 1), CTime(2020, 1, 1)},
        {CTime(2019, 12, 31), "令和", 'R', 1, CTime(2019, 5, 1), CTime(2020, 1, 1)},
        {CTime(2020, 12, 31), "令和", 'R', 2, CTime(2020, 1, 1), CTime(2021, 1, 1)},
        {CTime(2027, 5, 6), "令和", 'R', 9, CTime(2027, 1, 1), CTime(2028, 1, 1)},
        {CTime(2037, 12, 31), "令和", 'R', 19, CTime(2037, 1, 1), CTime(2038, 1, 1)},
        // Before 平成 no chart date lies; such a date counts on in 平成 years.
        {CTime(1988, 12, 31), "平成", 'H', 0, CTime(1988, 1, 1), CTime(1989, 1, 1)},
        {CTime(1989, 1, 3), "平成", 'H', 1, CTime(1989, 1, 1), CTime(1990, 1, 1)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.date.Format("%Y-%m-%d %H:%M"));
        const WarekiYear year = WarekiYearOf(c.date);
        ASSERT_NE(year.era, nullptr);
        EXPECT_EQ(Sjis::ToUtf8(year.era->name), c.era);
        EXPECT_EQ(year.era->letter, c.letter);
        EXPECT_EQ(year.year, c.year);
        EXPECT_EQ(year.start, c.start);
        EXPECT_EQ(year.next, c.next);
    }
}

} // namespace
} // namespace tembra
