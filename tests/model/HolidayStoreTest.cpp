#include "model/HolidayStore.h"

#include "platform/Paths.h"
#include "platform/Profile.h"
#include "platform/RegKey.h"
#include "platform/Sjis.h"
#include "platform/StringTable.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"

#include "support/Cp932Text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace tembra {
namespace {

using test::ScopedPaths;
using test::ScopedUi;

using test::J;

std::size_t DateSlot(int month, int day) {
    return static_cast<std::size_t>((month - 1) * 31 + (day - 1));
}
std::size_t WeekdaySlot(int month, int weekday, int week) {
    return static_cast<std::size_t>((month - 1) * 35 + (weekday - 1) * 5 + (week - 1));
}

// Each reader behaves alike on both stores, read afresh or as a snapshot (which the calendar
// takes); every test runs on each. The tests write all values before their first read, so a
// snapshot must answer exactly what a fresh read does.
struct StoreKind {
    HolidaySource source;
    bool snapshot;
};

class HolidayStoreTest : public ::testing::TestWithParam<StoreKind> {
protected:
    ScopedPaths paths;
    HolidayStore store = Fresh();

    // A store that has read nothing yet (a snapshot keeps what it read first).
    static HolidayStore Fresh() {
        return GetParam().snapshot ? HolidayStore::Snapshot(GetParam().source)
                                   : HolidayStore(GetParam().source);
    }

    void Put(const char* sectionUtf8, const std::string& name, const std::string& valueUtf8) {
        std::string section = J(sectionUtf8);
        std::string value = J(valueUtf8.c_str());
        BOOL ok = GetParam().source == HolidaySource::UserProfile
                      ? WriteProfileString(section, name.c_str(), value.c_str())
                      : WriteRegString(section, name.c_str(), value.c_str());
        ASSERT_TRUE(ok) << name;
    }
    // The other store holds different rules, which must never leak into this one.
    void PutIntoOtherStore(const char* sectionUtf8, const std::string& name, const char* value) {
        std::string section = J(sectionUtf8);
        BOOL ok = GetParam().source == HolidaySource::UserProfile
                      ? WriteRegString(section, name.c_str(), value)
                      : WriteProfileString(section, name.c_str(), value);
        ASSERT_TRUE(ok);
    }
};

TEST_P(HolidayStoreTest, ReadsTheWeeklyRestDays) {
    const char* keys[7] = {"日", "月", "火", "水", "木", "金", "土"};
    for (int w = 0; w < 7; ++w)
        Put("公休", J(keys[w]), w == 0 ? "1,1,1,1,1" : w == 6 ? "0,1,0,1" : "0,0,0,0,0");
    std::array<BYTE, kWeeklyTableSize> table;
    table.fill(0xEE);
    EXPECT_TRUE(store.ReadWeeklyRestDays(table));
    const std::array<BYTE, 5> sunday = {1, 1, 1, 1, 1}, saturday = {0, 1, 0, 1, 0}, none = {};
    for (int w = 0; w < 7; ++w) {
        std::array<BYTE, 5> row;
        std::copy_n(table.begin() + w * 5, 5, row.begin());
        EXPECT_EQ(row, w == 0 ? sunday : w == 6 ? saturday : none) << w;
    }
}

TEST_P(HolidayStoreTest, StopsAtTheFirstMissingWeekday) {
    Put("公休", J("日"), "1,1,1,1,1");
    Put("公休", J("月"), "0,0,0,0,256");
    Put("公休", J("水"), "1,1,1,1,1");
    PutIntoOtherStore("公休", J("火"), "1,1,1,1,1");
    std::array<BYTE, kWeeklyTableSize> table;
    table.fill(0xEE);
    EXPECT_FALSE(store.ReadWeeklyRestDays(table));
    EXPECT_EQ(table[0], 1);
    // A number that does not fit a byte still means a day off.
    EXPECT_EQ(table[9], 1);
    // Tuesday is missing here: its row and all after it are untouched.
    for (std::size_t i = 10; i < kWeeklyTableSize; ++i)
        EXPECT_EQ(table[i], 0xEE) << i;
}

TEST_P(HolidayStoreTest, AnEmptyWeekdayIsAMissingOne) {
    const char* keys[7] = {"日", "月", "火", "水", "木", "金", "土"};
    for (int w = 0; w < 7; ++w)
        Put("公休", J(keys[w]), w == 2 ? "" : "1,0,0,0,1");
    std::array<BYTE, kWeeklyTableSize> table;
    table.fill(0xEE);
    EXPECT_FALSE(store.ReadWeeklyRestDays(table));
    EXPECT_EQ(table[5], 1); // Monday's row is read
    for (std::size_t i = 10; i < kWeeklyTableSize; ++i)
        EXPECT_EQ(table[i], 0xEE) << i;
}

struct YearlyCase {
    const char* name;
    std::string key;
    const char* value;
    int month, day;    // date rule (day > 0), or
    int weekday, week; // weekday rule (week > 0)
    BYTE kind;         // expected byte; 0 when the rule is skipped
};

TEST_P(HolidayStoreTest, SetsTheKindOfEveryYearlyRule) {
    const YearlyCase cases[] = {
        {"NewYear", "0101", "1,元日,1991,2020", 1, 1, 0, 0, '1'},
        {"SecondMondayOfJanuary", "0122w", "1,成人の日,2000", 1, 0, 2, 2, '1'},
        {"FirstWeekdayOfSecondWeekOfMay", "0521w", "2,x", 5, 0, 1, 2, '2'},
        {"WorkingDay", "1231", "0,仕事納め", 12, 31, 0, 0, '0'},
        {"KindTen", "0615", "10,x", 6, 15, 0, 0, 'a'},
        {"KindSixteen", "0616", "16,x", 6, 16, 0, 0, '1'},
        {"UpperCaseW", "0935W", "1,x", 9, 0, 5, 3, '1'},
        {"NameWithEqualsAndSemicolon", "0702", "2,a=b;c,1991,2020", 7, 2, 0, 0, '2'},
        {"MonthZero", "0003", "1,x", 0, 0, 0, 0, 0},
        {"MonthThirteen", "1301", "1,x", 0, 0, 0, 0, 0},
        {"DayZero", "0800", "1,x", 8, 0, 0, 0, 0},
        {"DayThirtyTwo", "0832", "1,x", 0, 0, 0, 0, 0},
        {"WeekSix", "0861w", "1,x", 0, 0, 0, 0, 0},
        {"WeekdayEight", "0818w", "1,x", 0, 0, 0, 0, 0},
        // A value without a leading number is a rule of kind 0, an empty one as any other.
        {"NoLeadingNumber", "0703", "x,y", 7, 3, 0, 0, '0'},
        {"EmptyValue", "0704", "", 7, 4, 0, 0, '0'},
    };
    int expectedCount = 0;
    for (const YearlyCase& c : cases) {
        Put("祝日", c.key, c.value);
        if (c.kind != 0)
            ++expectedCount;
    }
    PutIntoOtherStore("祝日", "0505", "1,x");

    std::array<BYTE, kDateTableSize> dates;
    std::array<BYTE, kWeekdayRuleTableSize> weekdays;
    dates.fill(0xEE);
    weekdays.fill(0xEE);
    EXPECT_EQ(store.ReadYearlyHolidays(dates, weekdays), expectedCount);
    int set = 0;
    for (const YearlyCase& c : cases) {
        if (c.kind == 0)
            continue;
        BYTE got = c.week > 0 ? weekdays[WeekdaySlot(c.month, c.weekday, c.week)]
                              : dates[DateSlot(c.month, c.day)];
        EXPECT_EQ(got, c.kind) << c.name;
        ++set;
    }
    // Nothing else is set: the tables were cleared first.
    int nonZero = 0;
    for (BYTE b : dates)
        nonZero += b != 0;
    for (BYTE b : weekdays)
        nonZero += b != 0;
    EXPECT_EQ(nonZero, set);

    // The rule of 1 January (kind 1, 1991 to 2020) answers its years as well.
    int first = 0, last = 0;
    EXPECT_TRUE(store.GetHolidayYears(CTime(2001, 1, 1), first, last));
    EXPECT_EQ(first, 1991);
    EXPECT_EQ(last, 2020);
}

TEST_P(HolidayStoreTest, ReadsOnlyTheNamesThatFitItsBuffer) {
    // 300 names of five bytes each: a 1,024-byte list holds 204 of them.
    for (int i = 0; i < 300; ++i) {
        char name[8];
        std::snprintf(name, sizeof name, "%02d%02d", i / 28 + 1, i % 28 + 1);
        Put("祝日", name, "2,x");
    }
    std::array<BYTE, kDateTableSize> dates;
    std::array<BYTE, kWeekdayRuleTableSize> weekdays;
    EXPECT_EQ(store.ReadYearlyHolidays(dates, weekdays), 204);
    EXPECT_EQ(dates[DateSlot(8, 8)], '2'); // name 203
    EXPECT_EQ(dates[DateSlot(8, 9)], 0);   // name 204 is beyond the list
}

struct YearsCase {
    const char* name;
    const char* value;
    int first, last;
};

TEST_P(HolidayStoreTest, ReportsTheYearsOfValidity) {
    const YearsCase cases[] = {
        {"BothGiven", "1,x,1996,2002", 1996, 2002},
        {"Open", "1,x", 1991, 2037},
        {"StoredAsZero", "1,x,0,0", 1991, 2037},
        {"LastOnly", "1,x,,1999", 1991, 1999},
        {"FirstOnly", "1,x,2000", 2000, 2037},
        {"AfterTheTurnOf2020", "1,x,2021,2030", 2021, 2030},
        {"EarlierFirst", "1,x,1989,2018", 1991, 2018},
        {"LaterLast", "1,x,2019,2099", 2019, 2037},
        // A rule of another period must not become one of every year.
        {"FirstAfterTheCalendar", "1,x,2040", 2040, 2037},
        {"LastBeforeTheCalendar", "1,x,1980,1985", 1991, 1985},
        {"NameWithComma", "1,a,b,2000,2001", 1991, 2000},
    };
    for (const YearsCase& c : cases) {
        Put("祝日", "0320", c.value);
        Put("祝日", "0932w", c.value);
        store = Fresh();
        int first = -1, last = -1;
        EXPECT_TRUE(store.GetHolidayYears(CTime(2005, 3, 20), first, last)) << c.name;
        EXPECT_EQ(first, c.first) << c.name;
        EXPECT_EQ(last, c.last) << c.name;
        first = last = -1;
        EXPECT_TRUE(store.GetWeekdayHolidayYears(9, 2, 3, first, last)) << c.name;
        EXPECT_EQ(first, c.first) << c.name;
        EXPECT_EQ(last, c.last) << c.name;
    }
    PutIntoOtherStore("祝日", "0321", "1,x,1991,2020");
    store = Fresh();
    int first = -1, last = -1;
    EXPECT_FALSE(store.GetHolidayYears(3, 21, first, last));
    EXPECT_FALSE(store.GetWeekdayHolidayYears(9, 2, 2, first, last));
    EXPECT_EQ(first, -1);
}

TEST_P(HolidayStoreTest, ReadsSpecificDates) {
    Put("特定休日", "19930609", "2,皇太子徳仁親王の結婚の儀");
    Put("特定休日", "950503", "1");   // six digits, 1995
    Put("特定休日", "050504", "1");   // six digits, 2005 (not 1905)
    Put("特定休日", "20190230", "2"); // no 30 February
    Put("特定休日", "20191301", "2"); // no month 13
    Put("特定休日", "20191022", "2,即位礼正殿の儀");
    PutIntoOtherStore("特定休日", "20200724", "2");

    std::vector<CTime> dates;
    EXPECT_EQ(store.ReadSpecificHolidays(dates, 500), 4);
    ASSERT_EQ(dates.size(), 4u);
    EXPECT_EQ(dates[0], CTime(1993, 6, 9));
    EXPECT_EQ(dates[1], CTime(1995, 5, 3));
    EXPECT_EQ(dates[2], CTime(2005, 5, 4));
    EXPECT_EQ(dates[3], CTime(2019, 10, 22));

    EXPECT_EQ(store.GetSpecificHolidayType(CTime(1993, 6, 9)), 2);
    EXPECT_EQ(store.GetSpecificHolidayType(CTime(1995, 5, 3)), 1);
    EXPECT_EQ(store.GetSpecificHolidayType(CTime(2005, 5, 4)), 1);
    EXPECT_EQ(store.GetSpecificHolidayType(CTime(2019, 5, 1)), 0);
    EXPECT_EQ(store.GetSpecificHolidayType(CTime(2020, 7, 24)), 0);
}

TEST_P(HolidayStoreTest, CutsSpecificDatesAtTheCapacity) {
    ScopedUi ui;
    Put("特定休日", "20190430", "2");
    Put("特定休日", "20190501", "2");
    Put("特定休日", "20190502", "2");
    std::vector<CTime> dates;
    EXPECT_EQ(store.ReadSpecificHolidays(dates, 2), 2);
    EXPECT_EQ(dates, (std::vector<CTime>{CTime(2019, 4, 30), CTime(2019, 5, 1)}));
    ASSERT_EQ(ui->MessageBoxes().size(), 1u);
    EXPECT_EQ(ui->MessageBoxes()[0].stringId, 5034u);
    EXPECT_EQ(ui->MessageBoxes()[0].text, "特定休日指定が2を越えたので切り捨てられました");

    // Exactly at the capacity: nothing is cut, nothing is said.
    ui->ClearRecords();
    EXPECT_EQ(store.ReadSpecificHolidays(dates, 3), 3);
    EXPECT_TRUE(ui->MessageBoxes().empty());
}

TEST_P(HolidayStoreTest, SkipsCommentedOutNames) {
    // A file edited by hand: names beginning with ";" are comments.
    std::filesystem::path file =
        GetParam().source == HolidaySource::UserProfile ? UserProfilePath() : AppRegKeyPath();
    paths.Dir().Write(std::filesystem::relative(file, paths.Dir().Path()).string(),
                      "[祝日]\n;0101=1,x\n0102=2,y\n[特定休日]\n;20190501=2\n20190502=2\n");
    std::array<BYTE, kDateTableSize> dates;
    std::array<BYTE, kWeekdayRuleTableSize> weekdays;
    EXPECT_EQ(store.ReadYearlyHolidays(dates, weekdays), 1);
    EXPECT_EQ(dates[DateSlot(1, 1)], 0);
    EXPECT_EQ(dates[DateSlot(1, 2)], '2');
    std::vector<CTime> specific;
    EXPECT_EQ(store.ReadSpecificHolidays(specific, 500), 1);
    EXPECT_EQ(specific, (std::vector<CTime>{CTime(2019, 5, 2)}));
}

TEST_P(HolidayStoreTest, ANameWithAZeroByteHidesNoOtherRule) {
    // A file edited by hand: a zero byte in a name must not end the list of names early.
    std::filesystem::path file =
        GetParam().source == HolidaySource::UserProfile ? UserProfilePath() : AppRegKeyPath();
    using namespace std::string_literals;
    paths.Dir().Write(std::filesystem::relative(file, paths.Dir().Path()).string(),
                      "[祝日]\n0101=1,x\n01\0=1,y\n\0=1,z\n0102=2,w\n"
                      "[特定休日]\n2019\0=2\n20190502=2\n"s);
    std::array<BYTE, kDateTableSize> dates;
    std::array<BYTE, kWeekdayRuleTableSize> weekdays;
    EXPECT_EQ(store.ReadYearlyHolidays(dates, weekdays), 2);
    EXPECT_EQ(dates[DateSlot(1, 1)], '1');
    EXPECT_EQ(dates[DateSlot(1, 2)], '2');
    std::vector<CTime> specific;
    EXPECT_EQ(store.ReadSpecificHolidays(specific, 500), 1);
    EXPECT_EQ(specific, (std::vector<CTime>{CTime(2019, 5, 2)}));
}

TEST_P(HolidayStoreTest, AnEmptyStoreHasNoRules) {
    std::array<BYTE, kWeeklyTableSize> weekly{};
    std::array<BYTE, kDateTableSize> dates;
    std::array<BYTE, kWeekdayRuleTableSize> weekdays;
    dates.fill(1);
    weekdays.fill(1);
    std::vector<CTime> specific{CTime(2000, 1, 1)};
    int first = 0, last = 0;
    EXPECT_FALSE(store.ReadWeeklyRestDays(weekly));
    EXPECT_EQ(store.ReadYearlyHolidays(dates, weekdays), 0);
    EXPECT_EQ(std::count(dates.begin(), dates.end(), 0), static_cast<long>(kDateTableSize));
    EXPECT_EQ(std::count(weekdays.begin(), weekdays.end(), 0),
              static_cast<long>(kWeekdayRuleTableSize));
    EXPECT_FALSE(store.GetHolidayYears(1, 1, first, last));
    EXPECT_EQ(store.ReadSpecificHolidays(specific, 500), 0);
    EXPECT_TRUE(specific.empty());
    EXPECT_EQ(store.GetSpecificHolidayType(CTime(2000, 1, 1)), 0);
}

INSTANTIATE_TEST_SUITE_P(Stores, HolidayStoreTest,
                         ::testing::Values(StoreKind{HolidaySource::UserProfile, false},
                                           StoreKind{HolidaySource::AppRegKey, false},
                                           StoreKind{HolidaySource::UserProfile, true},
                                           StoreKind{HolidaySource::AppRegKey, true}),
                         [](const auto& info) {
                             std::string name = info.param.source == HolidaySource::UserProfile
                                                    ? "UserProfile"
                                                    : "AppRegKey";
                             return info.param.snapshot ? name + "Snapshot" : name;
                         });

TEST(HolidayStoreFreeFunctionsTest, ReadTheirOwnStore) {
    ScopedPaths paths;
    ASSERT_TRUE(WriteProfileString(J("祝日"), "0101", "1,a,1995"));
    ASSERT_TRUE(WriteRegString(J("祝日"), "0211", "1,b"));
    std::array<BYTE, kDateTableSize> dates;
    std::array<BYTE, kWeekdayRuleTableSize> weekdays;
    EXPECT_EQ(ReadYearlyHolidays(dates, weekdays), 1);
    EXPECT_EQ(dates[DateSlot(1, 1)], '1');
    EXPECT_EQ(ReadRegYearlyHolidays(dates, weekdays), 1);
    EXPECT_EQ(dates[DateSlot(2, 11)], '1');
    int first = 0, last = 0;
    EXPECT_TRUE(GetHolidayYears(CTime(2001, 1, 1), first, last));
    EXPECT_EQ(first, 1995);
    EXPECT_FALSE(GetRegHolidayYears(CTime(2001, 1, 1), first, last));
}

// The program ships the national holidays of Japan in its own key.
class ShippedHolidaysTest : public ::testing::Test {
protected:
    ShippedHolidaysTest() {
        Paths::SetDirs(std::filesystem::path(TEMBRA_SOURCE_DIR) / "data", config.Path(),
                       config.Path());
    }
    ~ShippedHolidaysTest() override { Paths::SetDirs({}, {}, {}); }
    test::TempDir config;
};

TEST_F(ShippedHolidaysTest, HasTheThreeKindsOfRules) {
    std::array<BYTE, kWeeklyTableSize> weekly{};
    ASSERT_TRUE(ReadRegWeeklyRestDays(weekly));
    for (std::size_t i = 0; i < kWeeklyTableSize; ++i)
        EXPECT_EQ(weekly[i], i < 5 ? 1 : 0) << i; // Sundays only

    std::array<BYTE, kDateTableSize> dates;
    std::array<BYTE, kWeekdayRuleTableSize> weekdays;
    EXPECT_GT(ReadRegYearlyHolidays(dates, weekdays), 15);
    EXPECT_EQ(dates[DateSlot(1, 1)], '1');
    EXPECT_EQ(weekdays[WeekdaySlot(1, 2, 2)], '1'); // 成人の日: 2nd Monday of January
    int first = 0, last = 0;
    ASSERT_TRUE(GetRegHolidayYears(CTime(1995, 1, 15), first, last));
    EXPECT_EQ(last, 1999);
    ASSERT_TRUE(GetRegWeekdayHolidayYears(1, 2, 2, first, last));
    EXPECT_EQ(first, 2000);
    ASSERT_TRUE(GetRegHolidayYears(CTime(2018, 12, 23), first, last));
    EXPECT_EQ(last, 2018);

    std::vector<CTime> specific;
    EXPECT_GT(ReadRegSpecificHolidays(specific, 500), 0);
    EXPECT_EQ(GetRegSpecificHolidayType(CTime(1993, 6, 9)), 1);
    EXPECT_EQ(GetRegSpecificHolidayType(CTime(2019, 10, 22)), 1);
}

} // namespace
} // namespace tembra
