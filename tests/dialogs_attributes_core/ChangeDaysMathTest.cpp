// The duration arithmetic of the duration change dialogs over a calendar whose Sundays are
// holidays: counting modes, the Holiday flag, the spin steps, the checks of 決定 and the
// elapsed month and day.
#include "dialogs/attributes/core/ChangeDaysMath.h"

#include "model/Utility.h"

#include <gtest/gtest.h>

#include <array>

namespace tembra {
namespace {

class ChangeDaysMathTest : public ::testing::Test {
protected:
    ChangeDaysMathTest() {
        std::array<BYTE, 35> weekly{};
        for (int week = 0; week < 5; ++week) {
            weekly[week] = 1; // every Sunday
        }
        calendar.MakeHolidays(weekly.data(), FALSE, FALSE);
    }

    // A process from start to end on one row (or two), its duration counted as the document
    // counts it.
    void Process(const CTime& start, const CTime& end, bool holidayFlag, int spareDays = 0,
                 WORD endRow = 3) {
        koutei.SetStartDate(start);
        koutei.SetEndDate(end);
        koutei.SetStartRow(3);
        koutei.SetEndRow(endRow);
        koutei.GetLines()->GetAttr().m_holiday = holidayFlag ? 1 : 0;
        koutei.SetDuration(koutei.CalcSpan(Calendar()));
        koutei.SetSpareDays(CTimeSpan(spareDays, 0, 0, 0));
    }
    const CCalendar* Calendar() const {
        return koutei.GetLines()->GetAttr().GetHoliday() != 0 ? &calendar : nullptr;
    }
    ChangeDaysMath Math(bool daysOnly = false) const {
        return ChangeDaysMath(koutei, Calendar(), daysOnly);
    }

    CCalendar calendar;
    CKoutei koutei;
};

const CTime kFriday(2020, 3, 6);
const CTime kMonday(2020, 3, 9);

TEST_F(ChangeDaysMathTest, TheHolidayFlagAndTheCountModeDecideTheDaysShown) {
    struct Case {
        bool holidayFlag;
        int countMode;
        int days;
        CTime endOfDays; // where the days shown end, typed in again
    };
    // Two working days from Friday end as Saturday ends.
    const CTime sunday(2020, 3, 8);
    const Case cases[] = {
        {true, ChangeDaysValues::kElapsed, 3, kMonday},
        {true, ChangeDaysValues::kWorking, 2, sunday},
        {false, ChangeDaysValues::kElapsed, 3, kMonday},
        {false, ChangeDaysValues::kWorking, 3, kMonday},
    };
    for (const Case& c : cases) {
        Process(kFriday, kMonday, c.holidayFlag);
        ChangeDaysValues filled;
        filled.countMode = c.countMode;
        Math().Fill(filled);
        EXPECT_EQ(filled.End(), kMonday);
        EXPECT_EQ(filled.days, c.days) << c.holidayFlag << " " << c.countMode;
        // The same days come from the end typed in.
        ChangeDaysValues typed = filled;
        typed.days = 0;
        EXPECT_TRUE(Math().DurationFromEnd(typed));
        EXPECT_EQ(typed.days, c.days) << c.holidayFlag << " " << c.countMode;
        // And from the days typed in, the end again.
        ChangeDaysValues back = filled;
        back.SetEnd(kFriday);
        Math().EndFromDuration(back);
        EXPECT_EQ(back.End(), c.endOfDays) << c.holidayFlag << " " << c.countMode;
        EXPECT_EQ(back.days, c.days) << c.holidayFlag << " " << c.countMode;
    }
}

TEST_F(ChangeDaysMathTest, AnEndBeforeTheStartIsDroppedAndThePreviousValuesCome) {
    Process(kFriday, kMonday, true);
    ChangeDaysValues filled;
    Math().Fill(filled);
    ChangeDaysValues typed = filled;
    typed.SetEnd(CTime(2020, 3, 2));
    EXPECT_FALSE(Math().DurationFromEnd(typed));
    EXPECT_EQ(typed, filled);
}

TEST_F(ChangeDaysMathTest, SpareDaysFollowTheWorkingSpanAndAreOnlyShortenedByTheirOwnMessage) {
    // Friday to Wednesday with two spare days: the end shown is the end of the two working
    // days, as Saturday ends.
    const CTime sunday(2020, 3, 8);
    Process(kFriday, CTime(2020, 3, 11), true, 2);
    ChangeDaysValues filled;
    Math().Fill(filled);
    EXPECT_EQ(filled.End(), sunday);
    EXPECT_EQ(filled.days, 2);
    EXPECT_EQ(filled.spareDays, 2);

    struct Case {
        const char* name;
        CTime end;
        int spareDays;
        int message;
        bool shortened;
        CTime storedEnd;
        int storedSpare;
    };
    const Case cases[] = {
        {"unchanged", sunday, 2, 0, false, CTime(2020, 3, 11), 2},
        {"one more working day", CTime(2020, 3, 10), 2, 0, false, CTime(2020, 3, 12), 2},
        {"fewer spare days, earlier end", sunday, 1, 0, true, CTime(2020, 3, 11), 1},
        {"before the start", CTime(2020, 3, 5), 0, 5074, false, CTime(), 0},
    };
    for (const Case& c : cases) {
        CKoutei copy;
        copy.SetStartDate(kFriday);
        ChangeDaysValues values = filled;
        values.SetEnd(c.end);
        values.spareDays = c.spareDays;
        bool shortened = false;
        EXPECT_EQ(Math().Accept(values, copy, shortened), c.message) << c.name;
        EXPECT_EQ(shortened, c.shortened) << c.name;
        if (c.message == 0) {
            EXPECT_EQ(copy.GetEndTime(), c.storedEnd) << c.name;
            EXPECT_EQ(copy.GetSpareDays(), CTimeSpan(c.storedSpare, 0, 0, 0)) << c.name;
        }
    }
}

// Every supported year takes an end, typed or reached by a duration: a process of 2020 runs into
// 2021, one of 2027 keeps its year.
TEST_F(ChangeDaysMathTest, EndsAfter2020AreTakenAsTheyAre) {
    struct Case {
        CTime start;
        CTime end;
        int days; // elapsed
    };
    const Case cases[] = {
        {CTime(2020, 12, 28), CTime(2021, 1, 4), 7},
        {CTime(2025, 3, 3), CTime(2025, 3, 10), 7},
        {CTime(2027, 5, 6), CTime(2027, 6, 5), 30},
        {CTime(2037, 12, 1), GetMaxDate(), 30},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.start.Format("%Y-%m-%d"));
        Process(c.start, c.start + CTimeSpan(1, 0, 0, 0), false);
        ChangeDaysValues typed;
        Math().Fill(typed);
        typed.SetEnd(c.end);
        EXPECT_TRUE(Math().DurationFromEnd(typed));
        EXPECT_EQ(typed.End(), c.end);
        EXPECT_EQ(typed.days, c.days);

        ChangeDaysValues lengthened;
        Math().Fill(lengthened);
        lengthened.days = c.days;
        Math().EndFromDuration(lengthened);
        EXPECT_EQ(lengthened.End(), c.end);
        EXPECT_EQ(lengthened.days, c.days);

        CKoutei copy;
        copy.SetStartDate(c.start);
        bool shortened = false;
        EXPECT_EQ(Math().Accept(typed, copy, shortened), 0);
        EXPECT_EQ(copy.GetEndTime(), c.end);
    }
}

TEST_F(ChangeDaysMathTest, AProcessOfNoLengthIsRefusedOnOneRowOnly) {
    for (const WORD endRow : {WORD{3}, WORD{5}}) {
        Process(kFriday, kMonday, false, 0, endRow);
        ChangeDaysValues values;
        Math().Fill(values);
        values.SetEnd(kFriday);
        CKoutei copy;
        bool shortened = false;
        EXPECT_EQ(Math().Accept(values, copy, shortened), endRow == 3 ? 5045 : 0) << endRow;
    }
}

TEST_F(ChangeDaysMathTest, DaysOnlyGivesAProcessOnOneRowADayAtLeast) {
    Process(kFriday, kMonday, false);
    ChangeDaysValues values;
    Math(true).Fill(values);
    values.days = 0;
    Math(true).EndFromDuration(values);
    EXPECT_EQ(values.End(), CTime(2020, 3, 7));
    EXPECT_EQ(values.days, 1);
}

TEST_F(ChangeDaysMathTest, SpinStepsKeepTheDayInItsMonthAndStopAtTheSupportedDates) {
    struct Case {
        const char* name;
        CTime start, end;
        int field, step;
        CTime stepped;
    };
    const Case cases[] = {
        {"31 January, a month on", CTime(2000, 1, 3), CTime(2000, 1, 31), ChangeDaysMath::kMonth, 1,
         CTime(2000, 2, 29)},
        {"29 February, a year on", CTime(2000, 1, 3), CTime(2000, 2, 29), ChangeDaysMath::kYear, 1,
         CTime(2001, 2, 28)},
        {"past December", CTime(2000, 1, 3), CTime(2000, 12, 15), ChangeDaysMath::kMonth, 1,
         CTime(2001, 1, 31)},
        {"before January", CTime(1999, 1, 3), CTime(2000, 1, 15), ChangeDaysMath::kMonth, -1,
         CTime(1999, 12, 31)},
        {"a day on", CTime(2000, 1, 3), CTime(2000, 2, 28, 6), ChangeDaysMath::kDay, 1,
         CTime(2000, 2, 29, 6)},
        {"a minute back over midnight", CTime(2000, 1, 3), CTime(2000, 3, 1),
         ChangeDaysMath::kMinute, -1, CTime(2000, 2, 29, 23, 59)},
        {"past the last date", CTime(2020, 12, 1), GetMaxDate(), ChangeDaysMath::kDay, 1,
         GetMaxDate()},
        {"an hour past the last date", CTime(2020, 12, 1), GetMaxDate(), ChangeDaysMath::kHour, 1,
         GetMaxDate()},
        {"before the first date", GetMinDate(), GetMinDate() + CTimeSpan(0, 12, 0, 0),
         ChangeDaysMath::kDay, -1, GetMinDate() + CTimeSpan(0, 12, 0, 0)},
        {"a year on from 2020", CTime(2020, 1, 1), CTime(2020, 6, 1), ChangeDaysMath::kYear, 1,
         CTime(2021, 6, 1)},
        {"the last year", CTime(2037, 1, 1), CTime(2037, 6, 1), ChangeDaysMath::kYear, 1,
         CTime(2037, 6, 1)},
    };
    for (const Case& c : cases) {
        Process(c.start, c.end, false);
        ChangeDaysValues values;
        Math().Fill(values);
        Math().StepEnd(values, c.field, c.step);
        EXPECT_EQ(values.End(), c.stepped) << c.name;
        EXPECT_EQ(values.Duration(), c.stepped - c.start) << c.name;
    }
}

TEST(ElapsedEnd, MonthAndDayCountFromTheBaseDateAndGoBackToTheSameDate) {
    const CTime base(2020, 4, 9);
    struct Case {
        CTime end;
        int monthDays;
        ElapsedEnd shown;
    };
    const Case cases[] = {
        {base, 30, {1, 1}},
        {CTime(2020, 5, 8), 30, {1, 30}},
        {CTime(2020, 5, 9), 30, {2, 1}},
        {CTime(2020, 5, 10, 13, 30), 30, {2, 2}},
        {CTime(2020, 4, 8), 30, {0, 30}},
        {CTime(2020, 3, 10), 30, {0, 1}},
        {CTime(2020, 3, 9), 30, {-1, 30}},
        {CTime(2020, 4, 16), 7, {2, 1}},
    };
    for (const Case& c : cases) {
        const ElapsedEnd shown = ToElapsedEnd(c.end, base, c.monthDays);
        EXPECT_EQ(shown, c.shown) << c.end.GetMonth() << "-" << c.end.GetDay();
        const CTime day(c.end.GetYear(), c.end.GetMonth(), c.end.GetDay());
        EXPECT_EQ(FromElapsedEnd(shown, base, c.monthDays), day);
    }
    EXPECT_EQ(ElapsedMonthDays(CTimeSpan(0, 12, 0, 0)), 30);
    EXPECT_EQ(ElapsedMonthDays(CTimeSpan(28, 0, 0, 0)), 28);
}

} // namespace
} // namespace tembra
