#include "dialogs/settings/core/SyokiSetNobeModel.h"

#include "SyokiSetFixture.h"

#include <gtest/gtest.h>

namespace tembra {
namespace {

constexpr CTimeSpan Days(int n) {
    return CTimeSpan(n, 0, 0, 0);
}

class SyokiSetNobeModelTest : public test::SyokiSetFixture {
protected:
    // An elapsed chart of month length 30 whose work starts on 2010-04-01, with a preparation
    // period and a last elapsed day.
    void Load(int preparation, int lastDay, CTime workStart = CTime(2010, 4, 1)) {
        CSyokiSet& s = doc.GetSyokiSet();
        s.SetNobeMode(1);
        s.SetNobeMonthSpan(Days(30));
        s.SetJyunbiKikan(Days(preparation));
        s.SetMaeYohaku(Days(2));
        s.SetAtoYohaku(Days(0));
        s.SetStartDate(workStart - Days(2));
        s.SetEndDate(workStart + Days(preparation + lastDay - 1));
        model.LoadPeriod(&s, nullptr);
        model.InitControls();
        ui->ClearRecords();
    }

    CSyokiSetNobeModel model{&doc};
};

TEST_F(SyokiSetNobeModelTest, ElapsedCountsAreShownInMonthsOfTheMonthLength) {
    Load(45, 400);
    const SyokiSetValues& v = model.Values();
    EXPECT_EQ(model.GetDateMode(), 1);
    EXPECT_EQ(v.monthLength, 30);
    EXPECT_EQ(v.start[1], 1);
    EXPECT_EQ(v.start[2], 15);
    EXPECT_EQ(v.end, (std::array<int, 3>{1, 1, 10}));
    EXPECT_EQ(v.dayCount, 445);
    EXPECT_EQ(v.holidayMode, 0);
    EXPECT_FALSE(model.IsStartHourEnabled());
}

TEST_F(SyokiSetNobeModelTest, AnEditedPreparationKeepsDayOneAndMovesTheChartStart) {
    Load(45, 400);
    const CTime dayOne = doc.GetSyokiSet().GetNobeBaseDate();
    SyokiSetValues& v = model.Values();
    v.start[1] = 0;
    v.start[2] = 10;
    model.RecalcDayCount();
    EXPECT_EQ(v.dayCount, 410);
    CSyokiSet stored = doc.GetSyokiSet();
    ASSERT_TRUE(model.StorePeriod(&stored));
    EXPECT_EQ(stored.GetNobeBaseDate(), dayOne);
    EXPECT_EQ(stored.GetNobeOffset(), Days(10));
    EXPECT_EQ(stored.GetStartDate(), dayOne - Days(2) - Days(10));
    EXPECT_EQ(stored.GetEndDate(), dayOne + Days(409) - Days(10));
    EXPECT_EQ(stored.GetNobeMonthSpan(), Days(30));
    EXPECT_EQ(stored.GetNobeMode(), 1);
    EXPECT_EQ(stored.GetHensoku()->GetDataCount(), 0);
}

TEST_F(SyokiSetNobeModelTest, TheDayCountIsNeverBelowOneDay) {
    struct Case {
        const char* what;
        int preparation;
        int dayCount;
        int wantDays;
    };
    const Case cases[] = {
        {"negative", 0, -5, 1},
        {"zero", 0, 0, 1},
        {"below the preparation period", 20, 5, 21},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Load(c.preparation, 30);
        model.Values().dayCount = c.dayCount;
        model.RecalcEndFromDays();
        EXPECT_EQ(model.Values().dayCount, c.wantDays);
        EXPECT_GE(model.LastElapsedDay(), 1);
    }
}

TEST_F(SyokiSetNobeModelTest, ClippedAtTheLastDayThePreparationStaysBelowTheDayCount) {
    // Work starts ten days before the last supported day; a preparation of 30 days and a last
    // day of 5 would reach past it.
    Load(0, 5, GetMaxDate() - Days(10));
    SyokiSetValues& v = model.Values();
    v.start[1] = 1;
    v.start[2] = 0;
    v.atoYohaku = 3;
    model.RecalcDayCount();
    EXPECT_EQ(v.dayCount, 11);
    EXPECT_EQ(v.atoYohaku, 0);
    EXPECT_LT(model.PreparationDays(), v.dayCount);
    EXPECT_EQ(model.LastElapsedDay(), 1);
}

TEST_F(SyokiSetNobeModelTest, WeeksAreRefusedInElapsedCharts) {
    Load(0, 100);
    SyokiSetValues& v = model.Values();
    v.dateUnit = kUnitWeek;
    v.dateStep = 0;
    v.keisenUnit = kUnitWeek;
    EXPECT_TRUE(model.CheckThinning(false));
    EXPECT_EQ(ui->MessageIds().front(), 5057u);
    EXPECT_NE(v.dateUnit, kUnitWeek);
    EXPECT_NE(v.keisenUnit, kUnitWeek);

    ui->ClearRecords();
    v.dateUnit = kUnitDay;
    v.keisenUnit = kUnitWeek;
    EXPECT_TRUE(model.CheckRuledLines(false));
    EXPECT_EQ(ui->MessageIds(), std::vector<UINT>{5058});
    EXPECT_EQ(v.keisenUnit, kUnitDay);
}

TEST_F(SyokiSetNobeModelTest, AMonthLengthOutsideItsRangeIsRefused) {
    Load(0, 100);
    model.Values().monthLength = 32;
    EXPECT_EQ(model.ReadControls(), SyokiSetField::kMonthLength);
    model.Values().monthLength = 0;
    EXPECT_FALSE(model.CanClose());
}

} // namespace
} // namespace tembra
