#include "model/HensokuScale.h"

#include "model/Calendar.h"
#include "model/Hensoku.h"
#include "model/HolidayStore.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <vector>

namespace tembra {
namespace {

constexpr std::int64_t kDay = 86400;
constexpr std::int64_t kHour = 3600;

CTime Day(int year, int month, int day, int hour = 0, int minute = 0) {
    return CTime(year, month, day, hour, minute, 0);
}

std::unique_ptr<CHensokuData> DayPeriod(WORD rangeKind, CTime start, CTime end, short dayClass,
                                        LONG numerator, LONG denominator, short dateColumn = 1,
                                        short ruledLine = 1, WORD weekdays = 0) {
    auto data = std::make_unique<CHensokuData>();
    EXPECT_TRUE(data->SetDayPeriod(rangeKind, start.GetTime(), end.GetTime(), dayClass, weekdays,
                                   dateColumn, ruledLine, numerator, denominator));
    return data;
}

std::unique_ptr<CHensokuData> HourPeriod(int startHour, int endHour, short dayClass, LONG numerator,
                                         LONG denominator, short dateColumn = 1,
                                         short ruledLine = 1) {
    auto data = std::make_unique<CHensokuData>();
    EXPECT_TRUE(data->SetHourPeriod(1, startHour, endHour, dayClass, 0, dateColumn, ruledLine,
                                    numerator, denominator));
    return data;
}

// A calendar with Saturdays and Sundays off, and an empty holiday store behind it.
class HensokuScaleTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::array<BYTE, kWeeklyTableSize> weekly{};
        for (int n = 0; n < 5; ++n) {
            weekly[static_cast<std::size_t>(n)] = 1;         // Sunday
            weekly[static_cast<std::size_t>(6 * 5 + n)] = 1; // Saturday
        }
        ASSERT_TRUE(calendar.MakeHolidays(weekly.data(), FALSE, FALSE));
    }

    test::ScopedPaths paths;
    test::ScopedUi ui;
    CCalendar calendar;
    CHensoku periods;
};

// ---- Building
// ------------------------------------------------------------------------------------

TEST_F(HensokuScaleTest, FourThousandDaysBuildOneDayMoreIsRefused) {
    periods.AddData(DayPeriod(0, CTime(), CTime(), CHensokuData::kHolidays, 1, 2));
    const CTime start = Day(1995, 1, 1);
    CHensokuScale scale;

    // The page builds its period start .. end + 1 day: 4000 days give 4001 entries.
    EXPECT_EQ(scale.Build(start, start + CTimeSpan(4000, 0, 0, 0), &calendar, &periods), 1);
    EXPECT_TRUE(scale.IsBuilt());
    EXPECT_EQ(scale.GetCount(), 4001);
    EXPECT_TRUE(ui->MessageBoxes().empty());

    EXPECT_EQ(scale.Build(start, start + CTimeSpan(4001, 0, 0, 0), &calendar, &periods), 0);
    EXPECT_FALSE(scale.IsBuilt());
    ASSERT_EQ(ui->MessageBoxes().size(), 1u);
    EXPECT_EQ(ui->MessageBoxes()[0].text,
              "変則期間を有効にするには、\n期間日数を4000日以内にしてください");
    // The axis is linear then.
    EXPECT_DOUBLE_EQ(scale.DateToUnits(start + CTimeSpan(10, 0, 0, 0)), 10.0);
    EXPECT_DOUBLE_EQ(scale.GetFactor(start), 1.0);
}

TEST_F(HensokuScaleTest, NothingToBuild) {
    const CTime start = Day(2000, 1, 1);
    const CTime end = Day(2000, 3, 1);
    CHensokuScale scale;
    // No periods at all, no calendar, an empty active list, an end before the start.
    EXPECT_EQ(scale.Build(start, end, &calendar, nullptr), 0);
    periods.AddData(DayPeriod(0, CTime(), CTime(), CHensokuData::kHolidays, 1, 2));
    EXPECT_EQ(scale.Build(start, end, nullptr, &periods), 0);
    periods.SetHourMode(TRUE);
    EXPECT_EQ(scale.Build(start, end, &calendar, &periods), 0);
    periods.SetHourMode(FALSE);
    EXPECT_EQ(scale.Build(end, start, &calendar, &periods), 0);
    EXPECT_FALSE(scale.IsBuilt());

    // Periods that match no day: holidays of a calendar without holidays.
    CCalendar cleared;
    cleared.Clear();
    EXPECT_EQ(scale.Build(start, end, &cleared, &periods), 0);
    EXPECT_FALSE(scale.IsBuilt());
    // A period outside the displayed dates.
    CHensoku outside;
    outside.AddData(DayPeriod(1, Day(2005, 1, 1), Day(2005, 2, 1), CHensokuData::kAllDays, 1, 2));
    EXPECT_EQ(scale.Build(start, end, &calendar, &outside), 0);
    EXPECT_TRUE(ui->MessageBoxes().empty());
}

TEST_F(HensokuScaleTest, AllFactorsZeroGiveTheLinearAxis) {
    periods.AddData(DayPeriod(0, CTime(), CTime(), CHensokuData::kWeekdays, 0, 1));
    periods.AddData(DayPeriod(0, CTime(), CTime(), CHensokuData::kHolidays, 0, 3));
    const CTime start = Day(2000, 1, 3);
    CHensokuScale scale;
    EXPECT_EQ(scale.Build(start, start + CTimeSpan(30, 0, 0, 0), &calendar, &periods), 0);
    EXPECT_FALSE(scale.IsBuilt());
    EXPECT_DOUBLE_EQ(scale.DateToUnits(start + CTimeSpan(30, 0, 0, 0)), 30.0);

    // Hidden days that leave the period some width are kept.
    periods.RemoveAt(0);
    EXPECT_EQ(scale.Build(start, start + CTimeSpan(30, 0, 0, 0), &calendar, &periods), 1);
    EXPECT_DOUBLE_EQ(scale.DateToUnits(start + CTimeSpan(7, 0, 0, 0)), 5.0);
}

TEST_F(HensokuScaleTest, RebuildKeepsPeriodAndPeriods) {
    periods.AddData(DayPeriod(0, CTime(), CTime(), CHensokuData::kHolidays, 1, 2));
    CHensokuScale scale;
    const CTime start = Day(2000, 1, 3);
    const CTime end = Day(2000, 1, 31);
    ASSERT_EQ(scale.Build(start, end, &calendar, &periods), 1);
    EXPECT_EQ(scale.GetHensoku(), &periods);

    CCalendar cleared;
    cleared.Clear();
    EXPECT_EQ(scale.Rebuild(&cleared), 0);
    EXPECT_EQ(scale.GetStart(), start);
    EXPECT_EQ(scale.GetEnd(), end);
    EXPECT_EQ(scale.Rebuild(&calendar), 1);
    EXPECT_DOUBLE_EQ(scale.GetFactor(Day(2000, 1, 8)), 0.5);
}

// ---- Which days a period changes
// -----------------------------------------------------------------

TEST_F(HensokuScaleTest, DayClasses) {
    struct Case {
        short dayClass;
        WORD weekdays;
        // Factors of 2000-01-02 (Sunday) .. 2000-01-08 (Saturday).
        std::array<double, 7> factors;
    };
    const Case cases[] = {
        {CHensokuData::kAllDays, 0, {0.5, 0.5, 0.5, 0.5, 0.5, 0.5, 0.5}},
        {CHensokuData::kWeekdays, 0, {1, 0.5, 0.5, 0.5, 0.5, 0.5, 1}},
        {CHensokuData::kHolidays, 0, {0.5, 1, 1, 1, 1, 1, 0.5}},
        {CHensokuData::kChosenWeekdays, 0x01, {0.5, 1, 1, 1, 1, 1, 1}},   // Sunday only
        {CHensokuData::kChosenWeekdays, 0x22, {1, 0.5, 1, 1, 1, 0.5, 1}}, // Monday, Friday
        {CHensokuData::kChosenWeekdays, 0x40, {1, 1, 1, 1, 1, 1, 0.5}},   // Saturday
    };
    for (const Case& c : cases) {
        CHensoku list;
        list.AddData(DayPeriod(0, CTime(), CTime(), c.dayClass, 1, 2, 1, 1, c.weekdays));
        CHensokuScale scale;
        ASSERT_EQ(scale.Build(Day(2000, 1, 2), Day(2000, 1, 30), &calendar, &list), 1);
        for (int i = 0; i < 7; ++i) {
            for (int week = 0; week < 4; ++week) {
                EXPECT_DOUBLE_EQ(scale.GetFactor(Day(2000, 1, 2 + i + 7 * week, 13)),
                                 c.factors[static_cast<std::size_t>(i)])
                    << "class " << c.dayClass << " mask " << c.weekdays << " day " << i;
            }
        }
    }
}

TEST_F(HensokuScaleTest, ChosenWeekdaysComeFromTheDateNotTheCalendar) {
    // A cleared calendar has no weekdays in its flags.
    CCalendar cleared;
    cleared.Clear();
    periods.AddData(
        DayPeriod(0, CTime(), CTime(), CHensokuData::kChosenWeekdays, 1, 2, 1, 1, 0x01));
    CHensokuScale scale;
    ASSERT_EQ(scale.Build(Day(2000, 1, 1), Day(2000, 1, 31), &cleared, &periods), 1);
    EXPECT_DOUBLE_EQ(scale.GetFactor(Day(2000, 1, 2)), 0.5);
    EXPECT_DOUBLE_EQ(scale.GetFactor(Day(2000, 1, 3)), 1.0);
}

TEST_F(HensokuScaleTest, RangeAndPrecedence) {
    // 2000-01-10 .. 2000-01-20 at 1/2, 2000-01-15 .. 2000-01-25 at 2/1.
    auto build = [&](int precedence) {
        CHensoku list;
        list.m_precedence = precedence;
        list.AddData(
            DayPeriod(1, Day(2000, 1, 10), Day(2000, 1, 20), CHensokuData::kAllDays, 1, 2, 0, 1));
        list.AddData(
            DayPeriod(1, Day(2000, 1, 15), Day(2000, 1, 25), CHensokuData::kAllDays, 2, 1, 1, 0));
        auto scale = std::make_unique<CHensokuScale>();
        EXPECT_EQ(scale->Build(Day(2000, 1, 1), Day(2000, 1, 22), &calendar, &list), 1);
        return scale;
    };
    struct Expect {
        int day;
        double lowerWins, upperWins;
    };
    const Expect expected[] = {
        {9, 1, 1},    {10, 0.5, 0.5}, {14, 0.5, 0.5}, {15, 2, 0.5},
        {20, 2, 0.5}, {21, 2, 2},     {22, 2, 2},
    };
    const auto lower = build(0);
    const auto upper = build(5); // any non-zero value: the first listed wins
    for (const Expect& e : expected) {
        EXPECT_DOUBLE_EQ(lower->GetFactor(Day(2000, 1, e.day)), e.lowerWins) << e.day;
        EXPECT_DOUBLE_EQ(upper->GetFactor(Day(2000, 1, e.day)), e.upperWins) << e.day;
    }
    // Past the end of the table.
    EXPECT_DOUBLE_EQ(lower->GetFactor(Day(2000, 1, 23)), 1.0);
    EXPECT_EQ(lower->GetDayFlag(Day(2000, 1, 12)), 0);
    EXPECT_EQ(lower->GetDayGroup(Day(2000, 1, 12)), 1);
    EXPECT_EQ(lower->GetDayFlag(Day(2000, 1, 16)), 1);
    EXPECT_EQ(lower->GetDayGroup(Day(2000, 1, 16)), 0);
}

TEST_F(HensokuScaleTest, DayFlags) {
    periods.AddData(DayPeriod(0, CTime(), CTime(), CHensokuData::kHolidays, 1, 4, 0, 0));
    CHensokuScale scale;
    EXPECT_EQ(scale.GetDayFlag(Day(2000, 1, 8)), 0) << "no table";
    EXPECT_EQ(scale.GetDayGroup(Day(2000, 1, 8)), -1) << "no table";
    ASSERT_EQ(scale.Build(Day(2000, 1, 3), Day(2000, 1, 16), &calendar, &periods), 1);

    struct Case {
        CTime time;
        short dayFlag, dayGroup;
    };
    const Case cases[] = {
        {Day(2000, 1, 8), 0, 0},      // a holiday in the period
        {Day(2000, 1, 10, 15), 1, 1}, // a day in no period
        {Day(2000, 1, 2), 0, -1},     // before the table
        {Day(2000, 1, 16, 1), 0, -1}, // after its last day's start
        {Day(2000, 1, 16), 0, 0},     // the last day (a Sunday)
    };
    for (const Case& c : cases) {
        EXPECT_EQ(scale.GetDayFlag(c.time), c.dayFlag) << c.time.Format("%Y-%m-%d %H");
        EXPECT_EQ(scale.GetDayGroup(c.time), c.dayGroup) << c.time.Format("%Y-%m-%d %H");
    }
}

// ---- Conversions
// ----------------------------------------------------------------------------------

TEST_F(HensokuScaleTest, FactorOneIsTheIdentity) {
    periods.AddData(DayPeriod(0, CTime(), CTime(), CHensokuData::kAllDays, 3, 3));
    CHensokuScale scale;
    const CTime start = Day(2010, 3, 1);
    ASSERT_EQ(scale.Build(start, start + CTimeSpan(100, 0, 0, 0), &calendar, &periods), 1);
    for (int k = 0; k <= 120; ++k) {
        EXPECT_DOUBLE_EQ(scale.DateToUnits(start + CTimeSpan(k, 0, 0, 0)), k);
        EXPECT_DOUBLE_EQ(scale.UnitsToDate(k), k);
    }
    // Day mode ignores the time of day.
    EXPECT_DOUBLE_EQ(scale.DateToUnits(start + CTimeSpan(3, 18, 0, 0)), 3.0);
}

TEST_F(HensokuScaleTest, HalfWidthOnOneDay) {
    const CTime start = Day(2000, 1, 3);
    const CTime day = Day(2000, 1, 12);
    periods.AddData(DayPeriod(1, day, day, CHensokuData::kAllDays, 1, 2));
    CHensokuScale scale;
    ASSERT_EQ(scale.Build(start, start + CTimeSpan(30, 0, 0, 0), &calendar, &periods), 1);

    EXPECT_DOUBLE_EQ(scale.DateToUnits(day), 9.0);
    EXPECT_DOUBLE_EQ(scale.DateToUnits(day + CTimeSpan(kDay)), 9.5); // 0.5 less than linear
    EXPECT_DOUBLE_EQ(scale.DateToUnits(day + CTimeSpan(5 * kDay)), 13.5);
    EXPECT_DOUBLE_EQ(scale.UnitsToDate(9.5), 10.0);
    EXPECT_DOUBLE_EQ(scale.UnitsToDate(9.25), 9.5); // half way through the narrow day
    EXPECT_DOUBLE_EQ(scale.UnitsToDate(13.5), 14.0);
    EXPECT_DOUBLE_EQ(scale.GetSpanWidth(start, day + CTimeSpan(kDay)), 9.5);
}

TEST_F(HensokuScaleTest, HiddenDaysAreNeverLandedIn) {
    // Saturdays and Sundays take no width.
    periods.AddData(DayPeriod(0, CTime(), CTime(), CHensokuData::kHolidays, 0, 1));
    const CTime monday = Day(2000, 1, 3);
    CHensokuScale scale;
    ASSERT_EQ(scale.Build(monday, monday + CTimeSpan(27, 0, 0, 0), &calendar, &periods), 1);
    EXPECT_DOUBLE_EQ(scale.DateToUnits(monday + CTimeSpan(5 * kDay)), 5.0); // Saturday
    EXPECT_DOUBLE_EQ(scale.DateToUnits(monday + CTimeSpan(7 * kDay)), 5.0); // next Monday
    // Position 5 lands at the end of Friday, the start of the hidden weekend.
    EXPECT_DOUBLE_EQ(scale.UnitsToDate(5.0), 5.0);
    EXPECT_DOUBLE_EQ(scale.UnitsToDate(5.5), 7.5);
}

TEST_F(HensokuScaleTest, BeyondTheTableDaysCountOne) {
    periods.AddData(DayPeriod(0, CTime(), CTime(), CHensokuData::kAllDays, 1, 4));
    const CTime start = Day(2000, 1, 3);
    CHensokuScale scale;
    ASSERT_EQ(scale.Build(start, start + CTimeSpan(9, 0, 0, 0), &calendar, &periods), 1);
    // 10 entries of 1/4, then whole days.
    EXPECT_DOUBLE_EQ(scale.DateToUnits(start + CTimeSpan(10, 0, 0, 0)), 2.5);
    EXPECT_DOUBLE_EQ(scale.DateToUnits(start + CTimeSpan(13, 0, 0, 0)), 5.5);
    EXPECT_DOUBLE_EQ(scale.UnitsToDate(5.5), 13.0);
    // Before the start the axis is linear.
    EXPECT_DOUBLE_EQ(scale.DateToUnits(start - CTimeSpan(2, 0, 0, 0)), -2.0);
    EXPECT_DOUBLE_EQ(scale.UnitsToDate(-2.0), -2.0);
}

TEST_F(HensokuScaleTest, SpanWidth) {
    periods.AddData(DayPeriod(1, Day(2000, 1, 4), Day(2000, 1, 5), CHensokuData::kAllDays, 1, 2));
    const CTime start = Day(2000, 1, 3);
    CHensokuScale scale;
    ASSERT_EQ(scale.Build(start, Day(2000, 1, 7), &calendar, &periods), 1);
    // Factors 1, 0.5, 0.5, 1, 1 over 01-03 .. 01-07; 1.0 outside.
    struct Case {
        CTime from, to;
        double width;
    };
    const Case cases[] = {
        {Day(2000, 1, 3), Day(2000, 1, 8), 4.0},
        {Day(2000, 1, 1), Day(2000, 1, 10), 8.0},
        {Day(2000, 1, 4), Day(2000, 1, 5), 0.5},
        {Day(2000, 1, 4), Day(2000, 1, 5, 1), 1.0}, // each day the range touches
        {Day(2000, 1, 5), Day(2000, 1, 4), 0.0},
        {Day(2000, 1, 5), Day(2000, 1, 5), 0.0},
        {Day(1995, 1, 1), Day(2005, 1, 1), 3653.0 - 1.0},
    };
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(scale.GetSpanWidth(c.from, c.to), c.width)
            << c.from.Format("%Y-%m-%d %H") << " .. " << c.to.Format("%Y-%m-%d %H");
    }
}

TEST_F(HensokuScaleTest, RoundTripOverMixedFactorsInDayMode) {
    periods.AddData(DayPeriod(0, CTime(), CTime(), CHensokuData::kHolidays, 1, 3));
    periods.AddData(DayPeriod(1, Day(2000, 2, 1), Day(2000, 2, 20), CHensokuData::kWeekdays, 2, 1));
    periods.AddData(DayPeriod(1, Day(2000, 3, 1), Day(2000, 3, 10), CHensokuData::kAllDays, 3, 4));
    const CTime start = Day(2000, 1, 10);
    CHensokuScale scale;
    ASSERT_EQ(scale.Build(start, Day(2000, 4, 30), &calendar, &periods), 1);
    for (int k = 0; k <= 120; ++k) {
        const double units = scale.DateToUnits(start + CTimeSpan(k, 0, 0, 0));
        EXPECT_NEAR(scale.UnitsToDate(units), k, 1e-9) << k;
    }
    // The axis never falls.
    for (int k = 0; k < 120; ++k) {
        EXPECT_LT(scale.DateToUnits(start + CTimeSpan(k, 0, 0, 0)),
                  scale.DateToUnits(start + CTimeSpan(k + 1, 0, 0, 0)));
    }
}

TEST_F(HensokuScaleTest, HourModeAcrossMidnight) {
    periods.SetHourMode(TRUE);
    periods.AddData(HourPeriod(22, 6, CHensokuData::kAllDays, 1, 4, 0, 1));
    const CTime start = Day(2000, 1, 3);
    CHensokuScale scale;
    ASSERT_EQ(scale.Build(start, start + CTimeSpan(3, 0, 0, 0), &calendar, &periods), 1);
    EXPECT_TRUE(scale.IsHourMode());
    EXPECT_EQ(scale.GetCount(), 72 + 24);

    for (int h = 0; h < 72; ++h) {
        const int hour = h % 24;
        const bool night = hour >= 22 || hour < 6;
        EXPECT_DOUBLE_EQ(scale.GetFactor(start + CTimeSpan(h * kHour)), night ? 0.25 : 1.0) << h;
        EXPECT_EQ(scale.GetDayFlag(start + CTimeSpan(h * kHour + 1800)), night ? 0 : 1) << h;
    }
    // A day is 8 night hours at 1/4 and 16 hours at 1: 18 hours, 0.75 of a day.
    EXPECT_DOUBLE_EQ(scale.DateToUnits(start + CTimeSpan(1, 0, 0, 0)), 0.75);
    EXPECT_DOUBLE_EQ(scale.DateToUnits(start + CTimeSpan(0, 6, 0, 0)), 0.5 / 24.0 * 3.0);
    // Minutes count with the factor of their hour.
    EXPECT_DOUBLE_EQ(scale.DateToUnits(start + CTimeSpan(0, 23, 30, 0)),
                     (6 * 0.25 + 16 + 1 * 0.25) / 24.0 + 30 * 0.25 / 1440.0);
    // Outside the table an hour is 24 units wide, as the date rows expect.
    EXPECT_DOUBLE_EQ(scale.GetFactor(start - CTimeSpan(kHour)), 24.0);
    EXPECT_DOUBLE_EQ(scale.GetSpanWidth(start - CTimeSpan(2 * kHour), start + CTimeSpan(kHour)),
                     48.25);
}

TEST_F(HensokuScaleTest, RoundTripOverMixedFactorsInHourMode) {
    periods.SetHourMode(TRUE);
    periods.AddData(HourPeriod(22, 6, CHensokuData::kAllDays, 1, 4));
    periods.AddData(HourPeriod(12, 13, CHensokuData::kWeekdays, 1, 2));
    periods.AddData(HourPeriod(9, 11, CHensokuData::kHolidays, 3, 1));
    const CTime start = Day(2000, 1, 6, 8); // a Thursday, from 08:00
    CHensokuScale scale;
    ASSERT_EQ(scale.Build(start, start + CTimeSpan(5, 0, 0, 0), &calendar, &periods), 1);

    for (int quarter = 0; quarter <= 5 * 24 * 4; ++quarter) {
        const std::int64_t offset = quarter * 900;
        const double units = scale.DateToUnits(start + CTimeSpan(offset));
        EXPECT_NEAR(scale.UnitsToDate(units) * kDay, static_cast<double>(offset), 1e-3)
            << start.Format("%m-%d ") << offset / 3600.0 << " h";
    }
    // 22:00 -> 06:00 on the first night: 8 hours at 1/4 are 2 hours of width.
    const double night =
        scale.DateToUnits(Day(2000, 1, 7, 6)) - scale.DateToUnits(Day(2000, 1, 6, 22));
    EXPECT_NEAR(night * 24.0, 2.0, 1e-12);
    // Saturday 09:00 -> 11:00 at 3/1.
    const double morning =
        scale.DateToUnits(Day(2000, 1, 8, 11)) - scale.DateToUnits(Day(2000, 1, 8, 9));
    EXPECT_NEAR(morning * 24.0, 6.0, 1e-12);
}

TEST_F(HensokuScaleTest, CopiesOwnTheirTable) {
    periods.AddData(DayPeriod(0, CTime(), CTime(), CHensokuData::kHolidays, 1, 2, 0, 0));
    const CTime start = Day(2000, 1, 3);
    auto original = std::make_unique<CHensokuScale>();
    ASSERT_EQ(original->Build(start, Day(2000, 1, 31), &calendar, &periods), 1);

    CHensokuScale constructed(*original);
    CHensokuScale assigned;
    assigned = *original;
    CHensokuScale unbuilt;
    original.reset();

    for (const CHensokuScale* copy : {&constructed, &assigned}) {
        EXPECT_TRUE(copy->IsBuilt());
        EXPECT_EQ(copy->GetHensoku(), &periods);
        EXPECT_EQ(copy->GetStart(), start);
        EXPECT_DOUBLE_EQ(copy->GetFactor(Day(2000, 1, 8)), 0.5);
        EXPECT_DOUBLE_EQ(copy->DateToUnits(Day(2000, 1, 10)), 6.0);
        EXPECT_EQ(copy->GetDayGroup(Day(2000, 1, 9)), 0);
    }
    assigned = unbuilt;
    EXPECT_FALSE(assigned.IsBuilt());
    EXPECT_DOUBLE_EQ(assigned.GetFactor(Day(2000, 1, 8)), 1.0);
}

} // namespace
} // namespace tembra
