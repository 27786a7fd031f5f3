// The day table of the calendar: its file form and its independence of the host's time zone,
// operations on the whole table (clear, copy, compare, toggle and invert), and access to single
// days with its bounds.
#include "model/Calendar.h"

#include "CalendarTestSupport.h"

#include "model/Utility.h"
#include "platform/Archive.h"
#include "support/ArchiveBytes.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace tembra {
namespace {

using test::Bytes;
using test::CalendarTest;
using test::Day;
using test::Dword;
using test::kDay;
using test::Load;
using test::Store;
using test::WeeklyOff;

// ---- File form ---------------------------------------------------------------------------------

TEST_F(CalendarTest, StoresElevenThousandOneHundredSeventySevenBytes) {
    CCalendar calendar;
    ASSERT_TRUE(calendar.MakeHolidays(nullptr, TRUE, TRUE));
    calendar.SetDayFlag(1991, 1, 2, CCalendar::kUserToggle);

    const Bytes bytes = Store(calendar);
    ASSERT_EQ(bytes.size(), 11177u);
    EXPECT_TRUE(std::equal(bytes.begin(), bytes.begin() + CCalendar::kWindowSlotCount,
                           calendar.GetDayTable()));
    EXPECT_EQ(bytes[1], 0x24);
    EXPECT_EQ(bytes[11160], 0x01); // valid flag
    EXPECT_EQ(bytes[11161], 0x00);
    EXPECT_EQ(Dword(bytes, 11162), 662655600u);  // 1991-01-01 00:00 in the chart zone
    EXPECT_EQ(Dword(bytes, 11166), 1609340400u); // 2020-12-31 00:00
    for (std::size_t i = 11170; i < 11177; ++i) {
        EXPECT_EQ(bytes[i], 0) << "reserved byte " << i;
    }
}

TEST_F(CalendarTest, TheFileFormDoesNotDependOnTheHostZone) {
    const char* old = std::getenv("TZ");
    const std::string saved = old ? old : "";
    std::vector<Bytes> stored;
    for (const char* zone : {"UTC", "America/New_York", "Asia/Tokyo", "Pacific/Kiritimati"}) {
        setenv("TZ", zone, 1);
        CCalendar calendar;
        ASSERT_TRUE(calendar.MakeHolidays(nullptr, TRUE, TRUE));
        stored.push_back(Store(calendar));
    }
    if (old) {
        setenv("TZ", saved.c_str(), 1);
    } else {
        unsetenv("TZ");
    }
    for (const auto& bytes : stored) {
        EXPECT_EQ(bytes, stored.front());
        EXPECT_EQ(Dword(bytes, 11162), 662655600u);
        EXPECT_EQ(Dword(bytes, 11166), 1609340400u);
    }
}

TEST_F(CalendarTest, LoadsWhatItStored) {
    CCalendar source;
    ASSERT_TRUE(source.MakeHolidays(WeeklyOff({1, 7}).data(), FALSE, FALSE));
    source.ToggleDayFlag(2010, 5, 5, CCalendar::kUserToggle);
    Bytes bytes = Store(source);
    bytes[11170] = 0xAB; // reserved bytes are read, and written back as zeros

    CCalendar loaded;
    Load(bytes, loaded);
    EXPECT_TRUE(std::equal(source.GetDayTable(), source.GetDayTable() + CCalendar::kWindowSlotCount,
                           loaded.GetDayTable()));
    EXPECT_EQ(loaded.GetValidFlag(), 1);
    EXPECT_EQ(loaded.GetFirstDay(), Day(1991, 1, 1));
    EXPECT_EQ(loaded.GetLastDay(), Day(2020, 12, 31));
    EXPECT_TRUE(loaded.IsHoliday(2010, 5, 5));
    EXPECT_EQ(Store(loaded), Store(source));
}

TEST_F(CalendarTest, ShortStreamThrowsAndLeavesTheCalendar) {
    CCalendar source;
    ASSERT_TRUE(source.MakeHolidays(WeeklyOff({1, 7}).data(), FALSE, FALSE));
    const Bytes bytes = Store(source);

    for (const std::size_t size : {std::size_t{0}, std::size_t{100}, std::size_t{11160},
                                   std::size_t{11165}, std::size_t{11176}}) {
        SCOPED_TRACE(size);
        CCalendar target;
        ASSERT_TRUE(target.MakeHolidays(nullptr, FALSE, FALSE));
        const Bytes before = Store(target);
        EXPECT_THROW(Load(Bytes(bytes.begin(), bytes.begin() + size), target), CArchiveException);
        EXPECT_EQ(Store(target), before);
    }
}

// ---- Whole-table operations --------------------------------------------------------------------

TEST_F(CalendarTest, ClearMakesEveryDayAWorkingDay) {
    CCalendar calendar;
    ASSERT_TRUE(calendar.MakeHolidays(nullptr, TRUE, TRUE));
    EXPECT_EQ(calendar.Clear(), 1);
    EXPECT_EQ(calendar.GetValidFlag(), 1);
    for (int i = 0; i < CCalendar::kSlotCount; ++i) {
        ASSERT_EQ(calendar.GetDayTable()[i], 0) << i;
    }
    EXPECT_FALSE(calendar.IsHoliday(1991, 1, 6));
    EXPECT_FALSE(calendar.IsHoliday(2037, 12, 27));
    EXPECT_EQ(calendar.GetFirstDay(), Day(1991, 1, 1));
    EXPECT_EQ(calendar.GetLastDay(), Day(2020, 12, 31));
}

TEST_F(CalendarTest, CopyToGivesTheTargetTheSourcesValidFlag) {
    CCalendar generated;
    ASSERT_TRUE(generated.MakeHolidays(nullptr, TRUE, TRUE));
    CCalendar fresh; // neither cleared nor generated: not valid

    CCalendar target;
    ASSERT_EQ(target.GetValidFlag(), 0);
    generated.CopyTo(&target);
    EXPECT_EQ(target.GetValidFlag(), 1);
    EXPECT_TRUE(target.IsSameAs(&generated));
    EXPECT_EQ(target.GetFirstDay(), GetMinDate());

    fresh.CopyTo(&target);
    EXPECT_EQ(target.GetValidFlag(), 0);
    EXPECT_EQ(fresh.GetValidFlag(), 0) << "the source is not changed";

    generated.CopyTo(&generated); // onto itself: nothing changes
    EXPECT_TRUE(generated.IsHoliday(1991, 1, 6));
    EXPECT_EQ(generated.GetValidFlag(), 1);
    generated.CopyTo(nullptr);
}

TEST_F(CalendarTest, IsSameAsComparesTheDayTablesOnly) {
    CCalendar a;
    CCalendar b;
    ASSERT_TRUE(a.MakeHolidays(nullptr, TRUE, TRUE));
    ASSERT_TRUE(b.MakeHolidays(nullptr, TRUE, TRUE));

    EXPECT_FALSE(a.IsSameAs(nullptr));
    EXPECT_TRUE(a.IsSameAs(&a));
    EXPECT_TRUE(a.IsSameAs(&b));

    // The same table with another valid flag.
    Bytes bytes = Store(b);
    bytes[11160] = 0;
    CCalendar other;
    Load(bytes, other);
    ASSERT_EQ(other.GetValidFlag(), 0);
    EXPECT_TRUE(a.IsSameAs(&other));

    b.ToggleDayFlag(2020, 12, 31, CCalendar::kUserToggle);
    EXPECT_FALSE(a.IsSameAs(&b));
    EXPECT_FALSE(b.IsSameAs(&a));
}

TEST_F(CalendarTest, UserToggleAndInversion) {
    CCalendar calendar;
    ASSERT_TRUE(calendar.MakeHolidays(nullptr, TRUE, TRUE));
    // 1991-01-06 is a rule holiday (Sunday), 1991-01-07 a working day.
    calendar.AddDayFlag(1991, 1, 6, CCalendar::kUserToggle);
    EXPECT_EQ(calendar.GetDayFlag(1991, 1, 6), 0x30);
    EXPECT_FALSE(calendar.IsHoliday(1991, 1, 6)) << "a rule holiday turned into a working day";
    calendar.SetDayFlag(1991, 1, 8, CCalendar::kUserToggle);

    calendar.InvertHolidays();
    struct Expect {
        int day;
        BYTE flag;
        bool holiday;
    };
    const Expect expected[] = {
        {6, 0x11, true},   // 0x30 -> 0x10
        {7, 0x22, true},   // 0x00 -> 0x20
        {8, 0x03, false},  // 0x20 -> 0x00
        {13, 0x31, false}, // 0x10 -> 0x30
    };
    for (const Expect& e : expected) {
        const int slot = CCalendar::SlotIndex(1991, 1, e.day);
        EXPECT_EQ(calendar.GetDayTable()[slot], e.flag) << e.day;
        EXPECT_EQ(calendar.IsHoliday(1991, 1, e.day) != FALSE, e.holiday) << e.day;
    }
    // Slots of days that do not exist stay 0.
    EXPECT_EQ(calendar.GetDayTable()[CCalendar::SlotIndex(1991, 2, 31)], 0);
}

// ---- Day access and its bounds -----------------------------------------------------------------

TEST_F(CalendarTest, DayAccessOutsideTheTableIsBoundsChecked) {
    CCalendar calendar;
    ASSERT_TRUE(calendar.MakeHolidays(WeeklyOff({1, 2, 3, 4, 5, 6, 7}).data(), FALSE, FALSE));
    const Bytes before = Store(calendar);

    struct Outside {
        int year, month, day;
        int weekday;
    };
    const Outside cases[] = {
        {1990, 12, 31, 2}, // Monday
        {2038, 1, 1, 6},   // Friday
        {2038, 1, 3, 1},   // Sunday
        {1970, 1, 1, 5},   // Thursday
        {2038, 1, 19, 3},  // Tuesday
        {1800, 1, 1, 4},   // Wednesday
    };
    for (const Outside& c : cases) {
        SCOPED_TRACE(testing::Message() << c.year << "-" << c.month << "-" << c.day);
        const std::int64_t date = Day(c.year, c.month, c.day).GetTime();
        EXPECT_EQ(calendar.GetWeekday(c.year, c.month, c.day), c.weekday);
        EXPECT_EQ(calendar.GetWeekday(date), c.weekday);
        EXPECT_EQ(calendar.GetDayFlag(c.year, c.month, c.day), 0);
        EXPECT_EQ(calendar.GetDayFlag(date), 0);
        EXPECT_FALSE(calendar.IsHoliday(c.year, c.month, c.day));
        EXPECT_FALSE(calendar.IsHoliday(date));
        calendar.SetDayFlag(c.year, c.month, c.day, CCalendar::kUserToggle);
        calendar.AddDayFlag(date, 0xFF);
        calendar.ToggleDayFlag(date, 0xFF);
        calendar.ToggleDayFlag(c.year, c.month, c.day, 0x10);
        calendar.AddDayFlag(c.year, c.month, c.day, 0x10);
        calendar.SetDayFlag(date, CCalendar::kUserToggle);
    }
    // Months and days out of their ranges have no slot either.
    EXPECT_EQ(calendar.GetWeekday(1995, 13, 1), 2); // 1996-01-01, a Monday
    EXPECT_FALSE(calendar.IsHoliday(1995, 0, 1));
    calendar.SetDayFlag(1995, 1, 32, 0x20);
    calendar.SetDayFlag(1995, 1, 0, 0x20);
    EXPECT_EQ(Store(calendar), before) << "no write outside the table";
}

TEST_F(CalendarTest, TimesAreSplitInTheChartZone) {
    CCalendar calendar;
    ASSERT_TRUE(calendar.MakeHolidays(nullptr, FALSE, FALSE));
    // 1991-01-06 (Sunday) runs from 1991-01-05 15:00 UTC to 1991-01-06 15:00 UTC.
    const std::int64_t sundayStart = Day(1991, 1, 6).GetTime();
    EXPECT_FALSE(calendar.IsHoliday(sundayStart - 1));
    EXPECT_TRUE(calendar.IsHoliday(sundayStart));
    EXPECT_TRUE(calendar.IsHoliday(sundayStart + kDay - 1));
    EXPECT_FALSE(calendar.IsHoliday(sundayStart + kDay));
    EXPECT_EQ(calendar.GetWeekday(sundayStart - 1), 7);
    EXPECT_EQ(calendar.GetWeekday(sundayStart), 1);

    calendar.SetDayFlag(sundayStart + 12 * 3600, CCalendar::kUserToggle);
    EXPECT_EQ(calendar.GetDayFlag(1991, 1, 6), 0x20);
}

} // namespace
} // namespace tembra
