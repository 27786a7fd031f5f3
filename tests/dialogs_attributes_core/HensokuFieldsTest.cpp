// The irregular period fields without widgets: the checks before a period is taken (with the
// clamped dates and the refusals of a zero ratio part and of an empty hour range), the fields of
// a new and of a listed period, and the periods the fields make.
#include "dialogs/attributes/core/HensokuFields.h"

#include "model/Utility.h"
#include "platform/RangeMessage.h"

#include <gtest/gtest.h>

namespace tembra {
namespace {

HensokuFields Dates(int y1, int m1, int d1, int y2, int m2, int d2) {
    HensokuFields fields = NewHensokuFields();
    fields.specified = 1;
    fields.startYear = y1;
    fields.startMonth = m1;
    fields.startDay = d1;
    fields.endYear = y2;
    fields.endMonth = m2;
    fields.endDay = d2;
    return fields;
}

HensokuFields Hours(int start, int end) {
    HensokuFields fields = NewHensokuFields();
    fields.specified = 1;
    fields.startHour = start;
    fields.endHour = end;
    return fields;
}

HensokuFields WithClass(HensokuFields fields, int dayClass) {
    fields.dayClass = dayClass;
    return fields;
}

HensokuFields WithRatio(HensokuFields fields, int numerator, int denominator) {
    fields.numerator = numerator;
    fields.denominator = denominator;
    return fields;
}

TEST(HensokuFields, ChecksBeforeAPeriodIsTaken) {
    struct Case {
        const char* name;
        bool hourMode;
        HensokuFields fields;
        UINT message;
    };
    const Case cases[] = {
        {"whole day of every day", true, WithClass(NewHensokuFields(), 0), 5913},
        {"whole day of holidays", true, NewHensokuFields(), 0},
        {"whole range of every day", false, WithClass(NewHensokuFields(), 0), 5914},
        {"whole range of weekdays", false, WithClass(NewHensokuFields(), 1), 0},
        {"specified range of every day", false, WithClass(Dates(2020, 1, 1, 2020, 2, 1), 0), 0},
        {"one day", false, Dates(2020, 5, 10, 2020, 5, 10), 0},
        {"start after end", false, Dates(2020, 5, 11, 2020, 5, 10), 5915},
        {"31 February is its last day", false, Dates(2019, 2, 31, 2019, 2, 28), 0},
        {"after a clamped end", false, Dates(2019, 3, 1, 2019, 2, 31), 5915},
        {"hours in order", true, Hours(9, 10), 0},
        {"no hour between", true, Hours(9, 9), 5916},
        {"hours reversed", true, Hours(10, 9), 5916},
        {"the whole day given as hours", true, Hours(0, 24), 0},
        {"numerator 0", false, WithRatio(NewHensokuFields(), 0, 2), IDS_VALUE_RANGE},
        {"denominator 0", false, WithRatio(NewHensokuFields(), 1, 0), IDS_VALUE_RANGE},
        {"denominator 0 in hour mode", true, WithRatio(NewHensokuFields(), 1, 0), IDS_VALUE_RANGE},
        {"negative part", false, WithRatio(NewHensokuFields(), -1, 2), IDS_VALUE_RANGE},
        {"ratio 1 / 1", false, WithRatio(NewHensokuFields(), 1, 1), 0},
        {"ratio past three digits", false, WithRatio(NewHensokuFields(), 1000, 1), IDS_VALUE_RANGE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HensokuFields fields = c.fields;
        EXPECT_EQ(CheckHensokuFields(fields, c.hourMode), c.message);
        EXPECT_EQ(MakeHensokuData(c.fields, c.hourMode) != nullptr, c.message == 0);
    }
}

TEST(HensokuFields, DatesAreClampedInPlace) {
    HensokuFields fields = Dates(2019, 2, 31, 2020, 2, 31);
    ASSERT_EQ(CheckHensokuFields(fields, false), 0u);
    EXPECT_EQ(fields.startDay, 28);
    EXPECT_EQ(fields.endDay, 29);
}

TEST(HensokuFields, ANewPeriod) {
    const HensokuFields fields = NewHensokuFields();
    EXPECT_EQ(fields.specified, 0);
    EXPECT_EQ(fields.dayClass, CHensokuData::kHolidays);
    EXPECT_EQ(fields.weekdays, 0);
    EXPECT_EQ(fields.numerator, 1);
    EXPECT_EQ(fields.denominator, 2);
    EXPECT_EQ(fields.dateColumn, 1);
    EXPECT_EQ(fields.ruledLine, 1);
    EXPECT_EQ(CTime(fields.startYear, fields.startMonth, fields.startDay), GetMinDate());
    EXPECT_EQ(CTime(fields.endYear, fields.endMonth, fields.endDay), GetMaxDate());
    EXPECT_EQ(fields.startHour, 0);
    EXPECT_EQ(fields.endHour, 24);
}

// What the fields make is what they show again; a whole range shows the whole dates (hours),
// and the weekdays only belong to chosen weekdays.
TEST(HensokuFields, FieldsMakeThePeriodTheyShow) {
    struct Case {
        const char* name;
        bool hourMode;
        HensokuFields fields;
        HensokuFields shown;
    };
    HensokuFields days = Dates(2020, 3, 2, 2020, 4, 30);
    days.dayClass = CHensokuData::kChosenWeekdays;
    days.weekdays = HensokuFields::kMon | HensokuFields::kSun;
    days.numerator = 3;
    days.denominator = 7;
    days.dateColumn = 0;
    HensokuFields hours = Hours(8, 17);
    hours.ruledLine = 0;
    HensokuFields wholeWithDates = WithClass(Dates(2020, 3, 2, 2020, 4, 30), 1);
    wholeWithDates.specified = 0;
    HensokuFields holidaysWithWeekdays = NewHensokuFields();
    holidaysWithWeekdays.weekdays = HensokuFields::kSat;
    const Case cases[] = {
        {"specified dates", false, days, days},
        {"specified hours", true, hours, hours},
        {"whole range", false, wholeWithDates, WithClass(NewHensokuFields(), 1)},
        {"weekdays of another class", false, holidaysWithWeekdays, NewHensokuFields()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto data = MakeHensokuData(c.fields, c.hourMode);
        ASSERT_NE(data, nullptr);
        EXPECT_EQ(LoadHensokuFields(*data, c.hourMode), c.shown);
    }
}

} // namespace
} // namespace tembra
