// The calendar generated from the holiday rules: the Sundays alone without rules, each kind of
// rule of the holiday store, user toggles that generation replaces, and the national holidays of
// Japan from the rules the program ships.
#include "model/Calendar.h"

#include "CalendarTestSupport.h"

#include "model/HolidayStore.h"
#include "model/Utility.h"
#include "platform/Profile.h"
#include "platform/RegKey.h"
#include "platform/Sjis.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace tembra {
namespace {

using test::CalendarTest;
using test::Day;
using test::kDay;
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

} // namespace
} // namespace tembra
