#include "model/Calendar.h"

#include "CalendarTestSupport.h"

#include "model/HolidayStore.h"
#include "model/Utility.h"
#include "platform/Archive.h"
#include "platform/Profile.h"
#include "platform/RegKey.h"
#include "platform/Sjis.h"
#include "support/ArchiveBytes.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <random>
#include <set>
#include <sstream>
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
using test::UseShippedRules;
using test::WeeklyOff;

// ---- Generation without rules -----------------------------------------------------------------

TEST_F(CalendarTest, WithoutRulesExactlyTheSundaysAreHolidays) {
    CCalendar calendar;
    ASSERT_TRUE(calendar.MakeHolidays(nullptr, TRUE, TRUE));
    EXPECT_EQ(calendar.GetValidFlag(), 1);

    int holidays = 0;
    for (int year = 1991; year <= 2037; ++year) {
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= GetDaysInMonth(year, month); ++day) {
                const int weekday = Day(year, month, day).GetDayOfWeek();
                ASSERT_EQ(calendar.GetWeekday(year, month, day), weekday)
                    << year << "-" << month << "-" << day;
                ASSERT_EQ(calendar.IsHoliday(year, month, day) != FALSE, weekday == 1)
                    << year << "-" << month << "-" << day;
                holidays += calendar.IsHoliday(Day(year, month, day)) ? 1 : 0;
            }
        }
    }
    EXPECT_EQ(holidays, 2452); // the Sundays from 1991-01-06 to 2037-12-27
    EXPECT_TRUE(ui->MessageBoxes().empty());
}

TEST_F(CalendarTest, DaySlotsHoldWeekdayAndHolidayBits) {
    CCalendar calendar;
    ASSERT_TRUE(calendar.MakeHolidays(nullptr, TRUE, TRUE));
    const BYTE* slots = calendar.GetDayTable();
    ASSERT_NE(slots, nullptr);

    struct Slot {
        int index;
        BYTE flag;
        const char* what;
    };
    const Slot cases[] = {
        {0, 0x03, "1991-01-01, a Tuesday"},
        {5, 0x11, "1991-01-06, a Sunday"},
        {3407, 0x03, "2000-02-29, a Tuesday"},
        {61, 0x00, "31 February 1991 does not exist"},
        {CCalendar::SlotIndex(2020, 12, 31), 0x05, "2020-12-31, a Thursday"},
        {CCalendar::SlotIndex(2021, 1, 1), 0x06, "2021-01-01, a Friday"},
        {CCalendar::kSlotCount - 1, 0x05, "the last slot, 2037-12-31, a Thursday"},
    };
    for (const Slot& c : cases) {
        EXPECT_EQ(slots[c.index], c.flag) << c.what;
    }

    // Slots of days that do not exist are never written.
    for (int year = 1991; year <= 2037; ++year) {
        for (int month = 1; month <= 12; ++month) {
            for (int day = GetDaysInMonth(year, month) + 1; day <= 31; ++day) {
                ASSERT_EQ(slots[CCalendar::SlotIndex(year, month, day)], 0)
                    << year << "-" << month << "-" << day;
            }
        }
    }
}

// ---- Generation from rules ----------------------------------------------------------------------

enum class Where { Profile, OwnKey };

struct StoreEntry {
    Where where;
    const char* section; // UTF-8
    const char* key;     // UTF-8
    const char* value;   // UTF-8
};

struct DayFlag {
    int year, month, day;
    BYTE flag; // the whole byte: weekday and holiday bits
};

struct RuleCase {
    const char* name;
    std::vector<StoreEntry> entries;
    std::optional<std::array<BYTE, kWeeklyTableSize>> weekly; // none: from the store
    BOOL useYearly;
    BOOL useSpecial;
    std::vector<DayFlag> expected;
};

void PutEntry(const StoreEntry& e) {
    const std::string section = Sjis::FromUtf8(e.section);
    const std::string key = Sjis::FromUtf8(e.key);
    const std::string value = Sjis::FromUtf8(e.value);
    if (e.where == Where::Profile) {
        ASSERT_TRUE(WriteProfileString(section, key.c_str(), value.c_str()));
    } else {
        ASSERT_TRUE(WriteRegString(section, key.c_str(), value.c_str()));
    }
}

constexpr Where P = Where::Profile;
constexpr Where K = Where::OwnKey;

const std::vector<RuleCase>& RuleCases() {
    static const std::vector<RuleCase> cases = {
        {"yearly kind 1 on a Sunday moves to the Monday",
         {{P, "祝日", "0505", "1,こどもの日"}},
         std::nullopt,
         TRUE,
         TRUE,
         {{2019, 5, 5, 0x11}, {2019, 5, 6, 0x12}, {2018, 5, 5, 0x17}, {2018, 5, 7, 0x02}}},
        {"yearly kind 2 on a Sunday has no substitute",
         {{P, "祝日", "0505", "2,特別"}},
         std::nullopt,
         TRUE,
         TRUE,
         {{2019, 5, 5, 0x11}, {2019, 5, 6, 0x02}, {2017, 5, 5, 0x16}}},
        {"yearly kind 0 cancels a weekly day off",
         {{P, "祝日", "0106", "0,出勤"}},
         std::nullopt,
         TRUE,
         TRUE,
         {{1991, 1, 6, 0x01}, {1991, 1, 13, 0x11}}},
        {"validity years bound a rule",
         {{P, "祝日", "0101", "2,元日,2000,2005"}},
         std::nullopt,
         TRUE,
         TRUE,
         {{1999, 1, 1, 0x06},
          {2000, 1, 1, 0x17},
          {2003, 1, 1, 0x14},
          {2005, 1, 1, 0x17},
          {2006, 1, 2, 0x02},
          {2010, 1, 1, 0x06}}},
        {"an open first year starts in 1991",
         {{P, "祝日", "0101", "1,元日,,1995"}},
         std::nullopt,
         TRUE,
         TRUE,
         {{1991, 1, 1, 0x13}, {1995, 1, 1, 0x11}, {1995, 1, 2, 0x12}, {1996, 1, 1, 0x02}}},
        {"n-th weekday rule from its first year",
         {{P, "祝日", "0122w", "1,成人の日,2000"}},
         std::nullopt,
         TRUE,
         TRUE,
         {{1999, 1, 11, 0x02}, {2000, 1, 10, 0x12}, {2000, 1, 17, 0x02}, {2020, 1, 13, 0x12}}},
        {"a substitute is not moved on past a holiday Monday",
         {{P, "祝日", "0504", "1,みどりの日"}, {P, "祝日", "0505", "1,こどもの日"}},
         std::nullopt,
         TRUE,
         TRUE,
         {{2008, 5, 4, 0x11}, {2008, 5, 5, 0x12}, {2008, 5, 6, 0x03}}},
        {"yearly rules switched off",
         {{P, "祝日", "0505", "2,特別"}},
         std::nullopt,
         FALSE,
         TRUE,
         {{2017, 5, 5, 0x06}}},
        {"yearly rules of the own key when the profile has none",
         {{K, "祝日", "0507", "2,特別"}},
         std::nullopt,
         TRUE,
         TRUE,
         {{2018, 5, 7, 0x12}}},
        {"the profile's yearly rules hide the own key's",
         {{P, "祝日", "0505", "2,特別"}, {K, "祝日", "0507", "2,特別"}},
         std::nullopt,
         TRUE,
         TRUE,
         {{2017, 5, 5, 0x16}, {2018, 5, 7, 0x02}}},
        {"special kind 0 on a Sunday makes a working day",
         {{P, "特定休日", "19910106", "0,出勤日"}},
         std::nullopt,
         TRUE,
         TRUE,
         {{1991, 1, 6, 0x01}, {1991, 1, 7, 0x02}}},
        {"special kind 1 on a Sunday moves to the Monday",
         {{P, "特定休日", "19930613", "1,振替"}},
         std::nullopt,
         TRUE,
         TRUE,
         {{1993, 6, 13, 0x11}, {1993, 6, 14, 0x12}}},
        {"special kind 2 on a Sunday stays there",
         {{P, "特定休日", "19930613", "2,特別"}},
         std::nullopt,
         TRUE,
         TRUE,
         {{1993, 6, 13, 0x11}, {1993, 6, 14, 0x02}}},
        {"special kind 1 on a weekday",
         {{P, "特定休日", "19930609", "1,結婚の儀"}},
         std::nullopt,
         TRUE,
         TRUE,
         {{1993, 6, 9, 0x14}, {1993, 6, 10, 0x05}}},
        {"a six-digit special date",
         {{P, "特定休日", "950115", "1,旧式"}},
         std::nullopt,
         TRUE,
         TRUE,
         {{1995, 1, 15, 0x11}, {1995, 1, 16, 0x12}}},
        {"special dates outside the table are dropped",
         {{P, "特定休日", "20210103", "1,外"},
          {P, "特定休日", "19901230", "1,外"},
          {P, "特定休日", "19901231", "1,外"}},
         std::nullopt,
         TRUE,
         TRUE,
         {{1991, 1, 1, 0x03}, {2020, 12, 31, 0x05}}},
        {"special dates switched off",
         {{P, "特定休日", "19930609", "1,結婚の儀"}},
         std::nullopt,
         TRUE,
         FALSE,
         {{1993, 6, 9, 0x04}}},
        {"special dates of the own key",
         {{K, "特定休日", "19930609", "1,結婚の儀"}},
         std::nullopt,
         TRUE,
         TRUE,
         {{1993, 6, 9, 0x14}}},
        {"weekly days off from the profile",
         {{P, "公休", "日", "1,1,1,1,1"},
          {P, "公休", "月", "0,0,0,0,0"},
          {P, "公休", "火", "0,0,0,0,0"},
          {P, "公休", "水", "0,0,0,0,0"},
          {P, "公休", "木", "0,0,0,0,0"},
          {P, "公休", "金", "0,0,0,0,0"},
          {P, "公休", "土", "0,1,0,1,0"}},
         std::nullopt,
         TRUE,
         TRUE,
         {{1991, 1, 5, 0x07},
          {1991, 1, 6, 0x11},
          {1991, 1, 12, 0x17},
          {1991, 1, 19, 0x07},
          {1991, 1, 26, 0x17},
          {1991, 2, 2, 0x07}}},
        {"an incomplete profile gives way to the own key",
         {{P, "公休", "日", "1,1,1,1,1"},
          {K, "公休", "日", "0,0,0,0,0"},
          {K, "公休", "月", "1,1,1,1,1"},
          {K, "公休", "火", "0,0,0,0,0"},
          {K, "公休", "水", "0,0,0,0,0"},
          {K, "公休", "木", "0,0,0,0,0"},
          {K, "公休", "金", "0,0,0,0,0"},
          {K, "公休", "土", "0,0,0,0,0"}},
         std::nullopt,
         TRUE,
         TRUE,
         {{1991, 1, 6, 0x01}, {1991, 1, 7, 0x12}}},
        {"a weekly table passed in ignores the store",
         {{P, "公休", "日", "0,0,0,0,0"}},
         WeeklyOff({1, 7}),
         TRUE,
         TRUE,
         {{1991, 1, 5, 0x17}, {1991, 1, 6, 0x11}, {1991, 1, 7, 0x02}}},
        {"rules apply on top of a weekly table passed in",
         {{P, "祝日", "0101", "1,元日"}, {P, "特定休日", "19910102", "0,出勤"}},
         WeeklyOff({}),
         TRUE,
         TRUE,
         {{1991, 1, 1, 0x13},
          {1991, 1, 2, 0x04},
          {1991, 1, 6, 0x01},
          {1995, 1, 1, 0x01},
          {1995, 1, 2, 0x12}}},
    };
    return cases;
}

TEST_F(CalendarTest, GeneratesFromTheRulesOfTheStore) {
    for (const RuleCase& c : RuleCases()) {
        SCOPED_TRACE(c.name);
        test::ScopedPaths stores; // fresh, empty stores for every case
        for (const StoreEntry& e : c.entries) {
            PutEntry(e);
        }
        CCalendar calendar;
        ASSERT_TRUE(calendar.MakeHolidays(c.weekly ? c.weekly->data() : nullptr, c.useYearly,
                                          c.useSpecial));
        for (const DayFlag& d : c.expected) {
            const int slot = CCalendar::SlotIndex(d.year, d.month, d.day);
            EXPECT_EQ(calendar.GetDayTable()[slot], d.flag)
                << d.year << "-" << d.month << "-" << d.day;
        }
    }
}

TEST_F(CalendarTest, GenerationReplacesUserToggles) {
    CCalendar calendar;
    ASSERT_TRUE(calendar.MakeHolidays(nullptr, TRUE, TRUE));
    calendar.SetDayFlag(2000, 1, 4, CCalendar::kUserToggle);
    ASSERT_TRUE(calendar.IsHoliday(2000, 1, 4));
    ASSERT_TRUE(calendar.MakeHolidays(nullptr, TRUE, TRUE));
    EXPECT_FALSE(calendar.IsHoliday(2000, 1, 4));
}

// ---- The holidays the program ships -----------------------------------------------------------

// The national holidays of Japan 1991-2020 with their substitute days, from the official lists
// (one "YYYY-MM-DD name" a line).
std::set<std::int64_t> OfficialHolidays() {
    std::ifstream in(std::string(TEMBRA_SOURCE_DIR) +
                     "/tests/model/data/jp-holidays-1991-2020.txt");
    std::set<std::int64_t> days;
    std::string line;
    while (std::getline(in, line)) {
        if (line.size() < 10 || line[0] == '#') {
            continue;
        }
        const int year = std::stoi(line.substr(0, 4));
        const int month = std::stoi(line.substr(5, 2));
        const int day = std::stoi(line.substr(8, 2));
        days.insert(Day(year, month, day).GetTime());
    }
    return days;
}

TEST_F(CalendarTest, ShippedRulesGiveTheNationalHolidaysOfJapan) {
    const std::set<std::int64_t> official = OfficialHolidays();
    ASSERT_GT(official.size(), 450u) << "the list of official holidays is missing";

    UseShippedRules();

    CCalendar calendar;
    ASSERT_TRUE(calendar.MakeHolidays(nullptr, TRUE, TRUE));

    for (const std::int64_t date : official) {
        EXPECT_TRUE(calendar.IsHoliday(date)) << CTime(date).Format("%Y-%m-%d") << " is listed";
    }
    for (CTime d = Day(1991, 1, 1); d <= Day(2020, 12, 31); d += CTimeSpan(kDay)) {
        if (d.GetDayOfWeek() != 1 && !official.contains(d.GetTime())) {
            EXPECT_FALSE(calendar.IsHoliday(d)) << d.Format("%Y-%m-%d") << " is not listed";
        }
    }
    EXPECT_TRUE(ui->MessageBoxes().empty());
}

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

// ---- Working-time arithmetic --------------------------------------------------------------------

// Saturdays and Sundays off; 2001-01-01 (a Monday) made a holiday too.
class WorkTimeTest : public CalendarTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(calendar.MakeHolidays(WeeklyOff({1, 7}).data(), FALSE, FALSE));
        calendar.SetDayFlag(2001, 1, 1, CCalendar::kUserToggle);
    }
    CCalendar calendar;
};

TEST_F(WorkTimeTest, HolidayTime) {
    struct Case {
        CTime a, b;
        std::int64_t seconds;
        const char* what;
    };
    const Case cases[] = {
        {Day(2000, 1, 8, 12), Day(2000, 1, 10), 129600, "Saturday 12:00 to Monday 00:00"},
        {Day(2000, 1, 10), Day(2000, 1, 8, 12), -129600, "reversed"},
        {Day(2000, 1, 10), Day(2000, 1, 14, 18), 0, "Monday to Friday"},
        {Day(2000, 1, 8, 6), Day(2000, 1, 8, 18), 43200, "within one Saturday"},
        {Day(2000, 1, 7, 18), Day(2000, 1, 9, 6), 108000, "Friday 18:00 to Sunday 06:00"},
        {Day(2000, 1, 3), Day(2000, 1, 3), 0, "empty"},
        {Day(2000, 12, 29), Day(2001, 1, 2), 3 * kDay, "over a long weekend"},
        {Day(1990, 12, 1), Day(1991, 1, 7), 2 * kDay, "from before the table"},
        {Day(2020, 12, 26), Day(2021, 1, 4), 4 * kDay, "over the turn of 2020"},
        {Day(2037, 12, 26), Day(2038, 2, 1), 2 * kDay, "past the end of the table"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(calendar.GetHolidayTime(c.a, c.b).GetTimeSpan(), c.seconds) << c.what;
    }
}

TEST_F(WorkTimeTest, AddWorkTime) {
    struct Case {
        CTime start;
        CTimeSpan work;
        CTimeSpan expected;
        const char* what;
    };
    const Case cases[] = {
        {Day(2000, 1, 7), CTimeSpan(2, 0, 0, 0), CTimeSpan(4, 0, 0, 0), "2 days from a Friday"},
        {Day(2000, 1, 10), CTimeSpan(5, 0, 0, 0), CTimeSpan(5, 0, 0, 0), "Monday to Friday"},
        {Day(2000, 1, 10), CTimeSpan(6, 0, 0, 0), CTimeSpan(8, 0, 0, 0), "over a weekend"},
        {Day(2000, 1, 8), CTimeSpan(1, 0, 0, 0), CTimeSpan(3, 0, 0, 0), "from a Saturday"},
        {Day(2000, 1, 7, 12), CTimeSpan(0, 12, 0, 0), CTimeSpan(0, 12, 0, 0), "up to Saturday"},
        {Day(2000, 1, 7, 12), CTimeSpan(0, 13, 0, 0), CTimeSpan(2, 13, 0, 0), "an hour more"},
        {Day(2000, 12, 29), CTimeSpan(2, 0, 0, 0), CTimeSpan(5, 0, 0, 0), "long weekend"},
        {Day(2000, 1, 10), CTimeSpan(-1, 0, 0, 0), CTimeSpan(-3, 0, 0, 0), "backwards"},
        {Day(2001, 1, 2), CTimeSpan(-1, 0, 0, 0), CTimeSpan(-4, 0, 0, 0), "backwards, long"},
        {Day(2000, 1, 10), CTimeSpan(0), CTimeSpan(0), "nothing"},
        {Day(2020, 12, 28), CTimeSpan(10, 0, 0, 0), CTimeSpan(12, 0, 0, 0),
         "10 working days over the turn of 2020"},
        {Day(2021, 1, 12), CTimeSpan(-10, 0, 0, 0), CTimeSpan(-14, 0, 0, 0),
         "backwards over the turn of 2020"},
        {Day(2038, 1, 4), CTimeSpan(10, 0, 0, 0), CTimeSpan(10, 0, 0, 0), "outside the table"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(calendar.AddWorkTime(c.start, c.work), c.expected) << c.what;
    }
}

TEST_F(WorkTimeTest, AddWorkTimeStopsAtTheEdgesOfTheRange) {
    // 5 working days from Thursday 2037-12-24 take the last weekend in and end on 12-31.
    EXPECT_EQ(calendar.AddWorkTime(Day(2037, 12, 24), CTimeSpan(5, 0, 0, 0)),
              CTimeSpan(7, 0, 0, 0));
    // 10 days from Monday 2037-12-21 end on 2037-12-31 00:00 with a weekend in them; the end is
    // not inside the range any more, so the span is not extended by it.
    EXPECT_EQ(calendar.AddWorkTime(Day(2037, 12, 21), CTimeSpan(10, 0, 0, 0)),
              CTimeSpan(10, 0, 0, 0));
    // A shift that would pass 2037-12-31 stops there: with the last day a holiday, 4 working
    // days from Monday 2037-12-28 are not extended past the table.
    calendar.SetDayFlag(2037, 12, 31, CCalendar::kUserToggle);
    EXPECT_EQ(calendar.AddWorkTime(Day(2037, 12, 28), CTimeSpan(4, 0, 0, 0)),
              CTimeSpan(4, 0, 0, 0));

    const CTimeSpan backward = calendar.AddWorkTime(Day(1991, 1, 10), CTimeSpan(-10, 0, 0, 0));
    EXPECT_EQ(backward, CTimeSpan(-10, 0, 0, 0));
}

// The extension loop as it reads, one step after the other: the fast path must end where it ends.
CTimeSpan StepByStep(const CCalendar& calendar, CTime start, CTimeSpan work) {
    CTime end = start + work;
    CTimeSpan h = calendar.GetHolidayTime(start, end);
    while (h.GetTimeSpan() != 0 && GetMinDate() < end && end < GetMaxDate()) {
        const CTime next = end + h;
        h = calendar.GetHolidayTime(end, next);
        end = next;
    }
    return end - start;
}

TEST_F(WorkTimeTest, AddWorkTimeEndsWhereTheStepsEnd) {
    // Random holidays on top of the weekends; times on a quarter-hour grid keep the step-by-step
    // loop short.
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> dayOf(0, 17166);
    for (int i = 0; i < 1500; ++i) {
        calendar.SetDayFlag(GetMinDate().GetTime() + dayOf(random) * kDay, CCalendar::kUserToggle);
    }
    std::uniform_int_distribution<int> quarter(0, 95);
    std::uniform_int_distribution<int> length(-4 * 96 * 30, 4 * 96 * 30);
    for (int i = 0; i < 2000; ++i) {
        const CTime start(GetMinDate().GetTime() + dayOf(random) * kDay + quarter(random) * 900);
        const CTimeSpan work(static_cast<std::int64_t>(length(random)) * 900);
        ASSERT_EQ(calendar.AddWorkTime(start, work), StepByStep(calendar, start, work))
            << start.Format("%Y-%m-%d %H:%M") << " + " << work.GetTimeSpan();
    }
}

TEST_F(CalendarTest, AddWorkTimeDoesNotCrawlThroughLongHolidayRuns) {
    // Every day a holiday: each step of one second brings in one second more. Step by step that
    // is thirty years of seconds; the result is the edge of the range.
    CCalendar calendar;
    calendar.Clear();
    calendar.InvertHolidays();
    const CTime start = Day(2000, 6, 15, 10, 30);
    EXPECT_EQ(calendar.AddWorkTime(start, CTimeSpan(1)), GetMaxDate() - start);
    EXPECT_EQ(calendar.AddWorkTime(start, CTimeSpan(-1)), GetMinDate() - start);
    // In steps of 7 seconds the end is the first step at or past the edge.
    const std::int64_t toEdge = (GetMaxDate() - start).GetTimeSpan();
    EXPECT_EQ(calendar.AddWorkTime(start, CTimeSpan(7)).GetTimeSpan(), (toEdge + 6) / 7 * 7);
}

// ---- Counts over the table, against the day-by-day walks ----------------------------------------

// The holiday status of every day from 400 days before the table to 400 days after it, read
// day by day: what the walks below go through.
class DayWalk {
public:
    explicit DayWalk(const CCalendar& calendar) {
        for (std::int64_t k = -kMargin; k < kDays + kMargin; ++k) {
            m_holiday.push_back(calendar.IsHoliday(Midnight(k)) != FALSE);
        }
    }

    static constexpr std::int64_t kMargin = 400;
    static constexpr std::int64_t kDays = 17167; // 1991-01-01 .. 2037-12-31

    // Midnight of the k-th day from 1991-01-01, and the day of a time.
    static std::int64_t Midnight(std::int64_t k) { return GetMinDate().GetTime() + k * kDay; }
    static std::int64_t DayOf(std::int64_t t) {
        const std::int64_t d = t - GetMinDate().GetTime();
        return d >= 0 ? d / kDay : -((-d + kDay - 1) / kDay);
    }
    bool IsHoliday(std::int64_t k) const {
        return k >= -kMargin && k < kDays + kMargin &&
               m_holiday[static_cast<std::size_t>(k + kMargin)];
    }

    // The holiday part of [a, b), counted day by day.
    std::int64_t HolidayTime(std::int64_t a, std::int64_t b) const {
        const bool swapped = a > b;
        if (swapped) {
            std::swap(a, b);
        }
        std::int64_t span = 0;
        for (std::int64_t k = DayOf(a); Midnight(k) < Midnight(DayOf(b)); ++k) {
            span += IsHoliday(k) ? kDay : 0;
        }
        if (IsHoliday(DayOf(a))) {
            span -= a - Midnight(DayOf(a));
        }
        if (IsHoliday(DayOf(b))) {
            span += b - Midnight(DayOf(b));
        }
        return swapped ? -span : span;
    }

    // The first run of holidays from the day of from while the days are not after to.
    int HolidayRun(std::int64_t from, std::int64_t to, std::int64_t& runStart,
                   std::int64_t& runEnd) const {
        bool found = false;
        bool ended = false;
        for (std::int64_t k = DayOf(from); Midnight(k) <= to && k < kDays + kMargin; ++k) {
            if (IsHoliday(k) && !found) {
                runStart = Midnight(k);
                found = true;
            }
            if (!IsHoliday(k) && found) {
                runEnd = Midnight(k);
                ended = true;
                break;
            }
        }
        if (!found) {
            return 0;
        }
        if (!ended) {
            runEnd = to;
            if (runStart == runEnd) {
                runEnd += kDay;
            }
        }
        return static_cast<int>((runEnd - runStart) / kDay);
    }

    // Whether the day of date lies in a run of holidays of at least length days.
    bool InRun(std::int64_t date, int length) const {
        const std::int64_t day = DayOf(date);
        if (!IsHoliday(day)) {
            return false;
        }
        std::int64_t count = 0;
        for (std::int64_t k = day; IsHoliday(k); ++k) {
            ++count;
        }
        for (std::int64_t k = day - 1; IsHoliday(k); --k) {
            ++count;
        }
        return count >= length;
    }

private:
    std::vector<bool> m_holiday;
};

// Runs of every length up to two months, also at both ends of the table, and working days
// made of rule holidays (0x30) among them.
void AddRandomRuns(CCalendar& calendar, std::uint32_t seed) {
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> dayOf(0, 17166);
    std::uniform_int_distribution<int> lengthOf(1, 60);
    for (int i = 0; i < 120; ++i) {
        const int first = dayOf(random);
        const int length = lengthOf(random);
        for (int k = first; k < first + length; ++k) {
            calendar.AddDayFlag(DayWalk::Midnight(k), CCalendar::kUserToggle);
        }
    }
    for (int k = 0; k < 9; ++k) {
        calendar.SetDayFlag(DayWalk::Midnight(k), CCalendar::kRuleHoliday);
        calendar.SetDayFlag(DayWalk::Midnight(10957 - k), CCalendar::kRuleHoliday);
    }
}

TEST_F(CalendarTest, CountsAndRunsAgreeWithTheDayByDayWalk) {
    for (const std::uint32_t seed : {1u, 77u, 4096u}) {
        SCOPED_TRACE(seed);
        CCalendar calendar;
        ASSERT_TRUE(calendar.MakeHolidays(WeeklyOff({1}).data(), FALSE, FALSE));
        AddRandomRuns(calendar, seed);
        const DayWalk walk(calendar);

        // Times on a quarter-hour grid from a year before the table to a year after it, and
        // every day around both ends of the table, where the runs meet its edges.
        std::mt19937 random(seed);
        std::uniform_int_distribution<int> dayOf(-365, 10958 + 365);
        std::uniform_int_distribution<int> quarter(0, 95);
        std::vector<std::int64_t> times;
        for (int i = 0; i < 150; ++i) {
            times.push_back(DayWalk::Midnight(dayOf(random)) + quarter(random) * 900);
        }
        for (int k = -3; k < 15; ++k) {
            times.push_back(DayWalk::Midnight(k) + 6 * 3600);
            times.push_back(DayWalk::Midnight(DayWalk::kDays - 1 - k) + 6 * 3600);
        }
        std::uniform_int_distribution<int> length(-4 * 96 * 30, 4 * 96 * 30);
        for (const std::int64_t a : times) {
            const std::string at = CTime(a).Format("%Y-%m-%d %H:%M");
            for (const std::int64_t b :
                 {times[static_cast<std::size_t>(quarter(random))],
                  GetMaxDate().GetTime() + 9 * kDay, GetMinDate().GetTime() - kDay}) {
                const std::string to = CTime(b).Format("%Y-%m-%d %H:%M");
                ASSERT_EQ(calendar.GetHolidayTime(CTime(a), CTime(b)).GetTimeSpan(),
                          walk.HolidayTime(a, b))
                    << at << " to " << to;

                std::int64_t start = 1;
                std::int64_t end = 2;
                std::int64_t expectedStart = 1;
                std::int64_t expectedEnd = 2;
                ASSERT_EQ(calendar.FindHolidayRun(a, b, start, end),
                          walk.HolidayRun(a, b, expectedStart, expectedEnd))
                    << at << " to " << to;
                ASSERT_EQ(start, expectedStart) << at << " to " << to;
                ASSERT_EQ(end, expectedEnd) << at << " to " << to;
            }
            for (const int runLength : {1, 2, 5, 9, 10, 30, 61}) {
                ASSERT_EQ(calendar.InSameHolidayRun(a, runLength) != FALSE,
                          walk.InRun(a, runLength))
                    << at << " length " << runLength;
            }
            const CTimeSpan work(static_cast<std::int64_t>(length(random)) * 900);
            ASSERT_EQ(calendar.AddWorkTime(CTime(a), work), StepByStep(calendar, CTime(a), work))
                << at << " + " << work.GetTimeSpan();
        }
    }
}

// Each change of the day flags, made after the counts have been taken once: the counts that
// follow must see it.
TEST_F(CalendarTest, CountsFollowEveryChangeOfTheDayFlags) {
    const CTime from = GetMinDate() - CTimeSpan(kDay);
    const CTime to = GetMaxDate() + CTimeSpan(2 * kDay);
    // 2005-03-02 is a Wednesday, 2005-03-05 a Saturday, 2005-03-06 a Sunday.
    const std::int64_t wednesday = Day(2005, 3, 2, 9).GetTime();
    struct Case {
        const char* what;
        std::function<void(CCalendar&)> change;
    };
    const Case cases[] = {
        {"AddDayFlag by date",
         [](CCalendar& c) { c.AddDayFlag(2005, 3, 2, CCalendar::kRuleHoliday); }},
        {"AddDayFlag by time",
         [&](CCalendar& c) { c.AddDayFlag(wednesday, CCalendar::kUserToggle); }},
        {"ToggleDayFlag by date",
         [](CCalendar& c) { c.ToggleDayFlag(2005, 3, 5, CCalendar::kUserToggle); }},
        {"ToggleDayFlag by time",
         [&](CCalendar& c) { c.ToggleDayFlag(wednesday, CCalendar::kUserToggle); }},
        {"SetDayFlag by date", [](CCalendar& c) { c.SetDayFlag(2005, 3, 6, 0); }},
        {"SetDayFlag by time",
         [&](CCalendar& c) { c.SetDayFlag(wednesday, CCalendar::kRuleHoliday); }},
        {"InvertHolidays", [](CCalendar& c) { c.InvertHolidays(); }},
        {"Clear", [](CCalendar& c) { c.Clear(); }},
        {"MakeHolidays", [](CCalendar& c) { c.MakeHolidays(WeeklyOff({1}).data(), FALSE, FALSE); }},
        {"CopyTo",
         [](CCalendar& c) {
             CCalendar sundays;
             sundays.MakeHolidays(WeeklyOff({1}).data(), FALSE, FALSE);
             sundays.CopyTo(&c);
         }},
        {"loading",
         [](CCalendar& c) {
             CCalendar sundays;
             sundays.MakeHolidays(WeeklyOff({1}).data(), FALSE, FALSE);
             Load(Store(sundays), c);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CCalendar calendar;
        ASSERT_TRUE(calendar.MakeHolidays(WeeklyOff({1, 7}).data(), FALSE, FALSE));
        const std::int64_t before = calendar.GetHolidayTime(from, to).GetTimeSpan();
        ASSERT_EQ(before, DayWalk(calendar).HolidayTime(from.GetTime(), to.GetTime()));

        c.change(calendar);
        const std::int64_t after = calendar.GetHolidayTime(from, to).GetTimeSpan();
        EXPECT_NE(after, before) << "the change must change the holidays";
        EXPECT_EQ(after, DayWalk(calendar).HolidayTime(from.GetTime(), to.GetTime()));
    }
}

TEST_F(WorkTimeTest, FindHolidayRun) {
    struct Case {
        CTime from, to;
        int days;
        CTime runStart, runEnd;
        const char* what;
    };
    const CTime untouched(12345);
    const Case cases[] = {
        {Day(2000, 1, 7), Day(2000, 1, 14), 2, Day(2000, 1, 8), Day(2000, 1, 10), "a weekend"},
        {Day(2000, 1, 7, 15), Day(2000, 1, 14), 2, Day(2000, 1, 8), Day(2000, 1, 10),
         "from the middle of a day"},
        {Day(2000, 1, 9, 8), Day(2000, 1, 14), 1, Day(2000, 1, 9), Day(2000, 1, 10),
         "from inside a run"},
        {Day(2000, 1, 7), Day(2000, 1, 9), 1, Day(2000, 1, 8), Day(2000, 1, 9),
         "the run reaches the end date"},
        {Day(2000, 1, 7), Day(2000, 1, 8), 1, Day(2000, 1, 8), Day(2000, 1, 9),
         "a one-day run starting on the end date"},
        {Day(2000, 12, 28), Day(2001, 1, 10), 3, Day(2000, 12, 30), Day(2001, 1, 2),
         "a long weekend"},
        {Day(2000, 1, 10), Day(2000, 1, 14), 0, untouched, untouched, "no holiday"},
        {Day(2020, 12, 24), Day(2021, 1, 10), 2, Day(2020, 12, 26), Day(2020, 12, 28),
         "over the turn of 2020"},
        {Day(2037, 12, 28), Day(2038, 3, 1), 0, untouched, untouched, "past the table"},
        {Day(1990, 12, 1), Day(1991, 1, 10), 2, Day(1991, 1, 5), Day(1991, 1, 7),
         "from before the table"},
    };
    for (const Case& c : cases) {
        CTime runStart = untouched;
        CTime runEnd = untouched;
        EXPECT_EQ(calendar.FindHolidayRun(c.from, c.to, runStart, runEnd), c.days) << c.what;
        EXPECT_EQ(runStart, c.runStart) << c.what;
        EXPECT_EQ(runEnd, c.runEnd) << c.what;
    }
}

// The whole run a day belongs to, however far back it began.
TEST_F(WorkTimeTest, GetHolidayRun) {
    struct Case {
        CTime date;
        int days;
        CTime runStart, runEnd;
        const char* what;
    };
    const CTime untouched(12345);
    const Case cases[] = {
        {Day(2000, 1, 9, 8), 2, Day(2000, 1, 8), Day(2000, 1, 10), "the last day of a weekend"},
        {Day(2000, 12, 31), 3, Day(2000, 12, 30), Day(2001, 1, 2), "inside a long weekend"},
        {Day(2000, 1, 10), 0, untouched, untouched, "a working day"},
        {Day(1991, 1, 6), 2, Day(1991, 1, 5), Day(1991, 1, 7), "at the table's start"},
        {Day(2021, 1, 2), 2, Day(2021, 1, 2), Day(2021, 1, 4), "after the turn of 2020"},
        {Day(2038, 1, 2), 0, untouched, untouched, "past the table"},
    };
    for (const Case& c : cases) {
        CTime runStart = untouched;
        CTime runEnd = untouched;
        EXPECT_EQ(calendar.GetHolidayRun(c.date, runStart, runEnd), c.days) << c.what;
        EXPECT_EQ(runStart, c.runStart) << c.what;
        EXPECT_EQ(runEnd, c.runEnd) << c.what;
    }
}

TEST_F(WorkTimeTest, SkipHolidays) {
    const std::int64_t limit = GetMaxDate().GetTime();
    EXPECT_EQ(calendar.SkipHolidays(Day(2000, 1, 12, 9).GetTime(), limit),
              Day(2000, 1, 12, 9).GetTime());
    EXPECT_EQ(calendar.SkipHolidays(Day(2000, 1, 8, 9).GetTime(), limit),
              Day(2000, 1, 10).GetTime());
    EXPECT_EQ(calendar.SkipHolidays(Day(2000, 12, 30).GetTime(), limit), Day(2001, 1, 2).GetTime());
    // The last days of the table: the run ends with the table.
    EXPECT_EQ(calendar.SkipHolidays(Day(2037, 12, 26).GetTime(), limit),
              Day(2037, 12, 28).GetTime());
}

TEST_F(WorkTimeTest, InSameHolidayRun) {
    struct Case {
        CTime date;
        int length;
        bool expected;
    };
    const Case cases[] = {
        {Day(2000, 1, 8), 1, true},     {Day(2000, 1, 8), 2, true},   {Day(2000, 1, 8), 3, false},
        {Day(2000, 1, 9, 23), 2, true}, {Day(2000, 1, 10), 1, false}, {Day(2000, 12, 30), 3, true},
        {Day(2000, 12, 31), 3, true},   {Day(2001, 1, 1), 3, true},   {Day(2001, 1, 1), 4, false},
        {Day(1991, 1, 5), 2, true},     {Day(2037, 12, 27), 2, true}, {Day(2038, 1, 2), 1, false},
        {Day(2021, 1, 2), 2, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(calendar.InSameHolidayRun(c.date, c.length) != FALSE, c.expected)
            << c.date.Format("%Y-%m-%d") << " length " << c.length;
    }
}

} // namespace
} // namespace tembra
