// The checks of the conversion dialogs without widgets: each refusal on both sides of its
// limit, the order of the checks, and what a taken pair gives the document.
#include "dialogs/attributes/core/DayConversionCheck.h"

#include "dialogs_attributes_core/ConversionFixture.h"
#include "model/Utility.h"

#include <gtest/gtest.h>

namespace tembra {
namespace {

TEST(DayConversionCheck, RefusesWithTheMessageOfTheFirstFailingCheck) {
    const CSyokiSet settings = test::ConversionFixture();
    for (const test::ConversionCase& c : test::ConversionCases()) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(CheckDayConversion(c.kind, c.values, settings).message, c.message);
    }
}

TEST(DayConversionCheck, ARangeRefusalNamesItsFieldAndLimits) {
    const CSyokiSet settings = test::ConversionFixture();
    DayConversionValues values{kMaxDateYear + 1, 4, 6, 1, 0, 1, 1, true};
    DayConversionCheck check = CheckDayConversion(DayConversionKind::kToElapsed, values, settings);
    EXPECT_EQ(check.field, DayConversionCheck::kYear);
    EXPECT_EQ(check.min, kMinDateYear);
    EXPECT_EQ(check.max, kMaxDateYear);
    values = {2020, 4, 6, 1, 0, 0, 1, true};
    check = CheckDayConversion(DayConversionKind::kToElapsed, values, settings);
    EXPECT_EQ(check.field, DayConversionCheck::kFromRatio);
    EXPECT_EQ(check.min, 1);
    EXPECT_EQ(check.max, 100);
}

// The scale is to / from, negated when not rounded or when both parts are equal.
TEST(DayConversionCheck, ScaleAndItsSign) {
    const CSyokiSet settings = test::ConversionFixture();
    struct Case {
        int from;
        int to;
        bool round;
        double scale;
    };
    const Case cases[] = {{1, 1, true, -1.0},
                          {2, 1, true, 0.5},
                          {2, 1, false, -0.5},
                          {1, 2, true, 2.0},
                          {3, 3, false, -1.0}};
    for (const DayConversionKind kind :
         {DayConversionKind::kToElapsed, DayConversionKind::kToCalendar}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << c.from << ":" << c.to << " " << c.round);
            const DayConversionValues values{2020, 4, 6, 1, 0, c.from, c.to, c.round};
            const DayConversionCheck check = CheckDayConversion(kind, values, settings);
            ASSERT_EQ(check.message, 0u);
            EXPECT_DOUBLE_EQ(check.scale, c.scale);
        }
    }
}

// What the document is handed: the day as the span from the base, the date, the switch and
// the ratio by side; the chosen date lies N - 1 days after the new base.
TEST(DayConversionCheck, ATakenPairGivesTheConversion) {
    const CSyokiSet settings = test::ConversionFixture();
    DayConversionValues values{2020, 4, 6, 1, 1, 2, 3, false};
    DayConversionCheck check = CheckDayConversion(DayConversionKind::kToElapsed, values, settings);
    ASSERT_EQ(check.message, 0u);
    EXPECT_EQ(check.conversion.offset, CTimeSpan(0, 0, 0, 0));
    EXPECT_EQ(check.conversion.date, CTime(2020, 4, 6));
    EXPECT_EQ(check.nobeBase, CTime(2020, 4, 6));
    EXPECT_EQ(check.conversion.holidayChoice, 1);
    EXPECT_EQ(check.conversion.calendarRatio, 2);
    EXPECT_EQ(check.conversion.elapsedRatio, 3);
    EXPECT_FALSE(check.conversion.round);

    values = {2020, 5, 20, 10, 0, 2, 3, true};
    check = CheckDayConversion(DayConversionKind::kToElapsed, values, settings);
    ASSERT_EQ(check.message, 0u);
    EXPECT_EQ(check.conversion.offset, CTimeSpan(9, 0, 0, 0));
    EXPECT_EQ(check.nobeBase, CTime(2020, 5, 11));

    // Going back the first part is the elapsed one; 31 February is the last of February.
    values = {2020, 2, 31, -2, 0, 2, 3, true};
    check = CheckDayConversion(DayConversionKind::kToCalendar, values, settings);
    ASSERT_EQ(check.message, 0u);
    EXPECT_EQ(check.conversion.date, CTime(2020, 2, 29));
    EXPECT_EQ(check.conversion.offset, CTimeSpan(-3, 0, 0, 0));
    EXPECT_EQ(check.nobeBase, CTime(2020, 3, 3));
    EXPECT_EQ(check.conversion.elapsedRatio, 2);
    EXPECT_EQ(check.conversion.calendarRatio, 3);
}

TEST(DayConversionCheck, StartValues) {
    const CSyokiSet settings = test::ConversionFixture();
    const DayConversionValues toElapsed =
        InitialDayConversion(DayConversionKind::kToElapsed, settings, CTime(2024, 7, 8, 15, 0));
    EXPECT_EQ(toElapsed, (DayConversionValues{2020, 4, 9, 1, 0, 1, 1, true}));
    const DayConversionValues toCalendar =
        InitialDayConversion(DayConversionKind::kToCalendar, settings, CTime(2024, 7, 8, 15, 0));
    EXPECT_EQ(toCalendar, (DayConversionValues{2024, 7, 8, 1, 0, 1, 1, true}));
    // A clock past the supported years starts at their last day.
    EXPECT_EQ(InitialDayConversion(DayConversionKind::kToCalendar, settings,
                                   CTime(kMaxDateYear + 1, 3, 1))
                  .year,
              kMaxDateYear);
}

} // namespace
} // namespace tembra
