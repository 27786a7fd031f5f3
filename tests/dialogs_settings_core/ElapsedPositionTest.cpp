// Elapsed-day positions without widgets: how dates show as "第 M 月 D 日", how typed months and
// days are brought into shape, and the arrows of the month, day and hour fields.
#include "dialogs/settings/core/ElapsedPosition.h"

#include "model/Utility.h"

#include <gtest/gtest.h>

#include <functional>

namespace tembra {
namespace {

const CTime kBase(2024, 4, 1);
constexpr int kLength = 30;

CTimeSpan Days(std::int64_t days, int hours = 0, int minutes = 0) {
    return CTimeSpan(days, hours, minutes, 0);
}

struct DisplayCase {
    CTimeSpan fromBase;
    ElapsedPoint shown;
};

TEST(ElapsedScale, DatesShowWithoutMonthZeroAndReadBackToThemselves) {
    const CElapsedScale scale(kBase, kLength);
    const DisplayCase cases[] = {
        {Days(0), {1, 1, 0, 0}},         {Days(-1), {-1, 30, 0, 0}},
        {Days(-30), {-1, 1, 0, 0}},      {Days(-31), {-2, 30, 0, 0}},
        {Days(-60), {-2, 1, 0, 0}},      {Days(29), {1, 30, 0, 0}},
        {Days(30), {2, 1, 0, 0}},        {Days(45, 7, 15), {2, 16, 7, 15}},
        {Days(0, -14), {-1, 30, 10, 0}}, {Days(-30, 23, 59), {-1, 1, 23, 59}},
    };
    for (const DisplayCase& c : cases) {
        SCOPED_TRACE(c.fromBase.GetTimeSpan());
        const ElapsedPoint shown = scale.Display(kBase + c.fromBase);
        EXPECT_EQ(shown, c.shown);
        ElapsedPoint typed = shown;
        EXPECT_EQ(scale.Normalise(typed), kBase + c.fromBase);
        EXPECT_EQ(typed, c.shown);
    }
}

struct TypedCase {
    ElapsedPoint typed;
    ElapsedPoint shape;
};

TEST(ElapsedScale, TypedPointsComeIntoShape) {
    const CElapsedScale scale(kBase, kLength);
    const TypedCase cases[] = {
        {{0, 5, 0, 0}, {1, 5, 0, 0}},      // no month 0
        {{3, 0, 0, 0}, {3, 1, 0, 0}},      // no day 0
        {{1, 31, 0, 0}, {2, 1, 0, 0}},     // a day past the month's length moves on
        {{1, 1, 24, 0}, {1, 2, 0, 0}},     // hour 24 is the next day
        {{1, 1, 0, -1}, {-1, 30, 23, 59}}, // minute -1 borrows from the day before
        {{-1, 31, 0, 0}, {1, 1, 0, 0}},    // the day after month -1's last day is B
    };
    for (const TypedCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.typed.month << "/" << c.typed.day);
        ElapsedPoint point = c.typed;
        scale.Normalise(point);
        EXPECT_EQ(point, c.shape);
    }
}

TEST(ElapsedScale, OffsetsStopAtTheSupportedDates) {
    const CElapsedScale scale(kBase, kLength);
    ElapsedPoint far{900, 1, 5, 0};
    EXPECT_EQ(scale.Normalise(far), GetMaxDate() + Days(0, 5));
    ElapsedPoint early{-900, 1, 0, 0};
    EXPECT_EQ(scale.Normalise(early), GetMinDate());
    EXPECT_EQ(scale.Display(GetMinDate()), early);
}

TEST(ElapsedScale, ArrowsStepAcrossTheMissingMonthZero) {
    const CElapsedScale scale(kBase, kLength);
    struct ArrowCase {
        ElapsedPoint from;
        bool month;
        int delta;
        ElapsedPoint to;
    };
    const ArrowCase cases[] = {
        {{1, 1, 0, 0}, false, -1, {-1, 30, 0, 0}}, // the day before B
        {{-1, 30, 0, 0}, false, 1, {1, 1, 0, 0}},  {{2, 1, 0, 0}, false, -1, {1, 30, 0, 0}},
        {{1, 5, 0, 0}, true, -1, {-1, 30, 0, 0}},  {{-1, 5, 0, 0}, true, 1, {1, 5, 0, 0}},
        {{2, 5, 0, 0}, true, -1, {1, 5, 0, 0}},
    };
    for (const ArrowCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.from.month << "/" << c.from.day << " " << c.delta);
        ElapsedPoint point = c.from;
        std::invoke(c.month ? &CElapsedScale::StepMonth : &CElapsedScale::StepDay, scale, point,
                    c.delta);
        scale.Normalise(point);
        EXPECT_EQ(point, c.to);
    }
}

TEST(ElapsedScale, HourArrowPastTheDayEndMovesToTheNextDay) {
    const CElapsedScale scale(kBase, kLength);
    ElapsedPoint point{1, 30, 23, 40};
    point.hour += 1;
    EXPECT_EQ(scale.Normalise(point), kBase + Days(30, 0, 40));
    EXPECT_EQ(point, (ElapsedPoint{2, 1, 0, 40}));
}

TEST(ElapsedScale, ABrokenMonthLengthNeverDividesByZero) {
    const CElapsedScale scale(kBase, 0);
    EXPECT_EQ(scale.GetMonthLength(), 1);
    EXPECT_EQ(scale.Display(kBase + Days(3)), (ElapsedPoint{4, 1, 0, 0}));
}

} // namespace
} // namespace tembra
