// The settings record of a chart in memory: the step and holiday tables of the date rows, the
// values derived from the period and the fonts, the thinning of the date rows, and the defaults
// a new record takes from the application.
#include "SyokiSetRecordFixture.h"

#include <vector>

namespace tembra {
namespace {

using test::Bytes;
using test::Days;
using test::FontText;
using test::MakeFont;
using test::PageText;
using test::SyokiSetTest;

// ---- Tables ---------------------------------------------------------------------------------

TEST(SyokiSetTables, StepAndHolidayTablesAndTheirEdges) {
    const std::vector<std::vector<int>> steps = {
        {1, 2, 3, 4, 5, 7, 10, 15}, {1, 2}, {1, 2, 3, 4, 6}, {1, 2}, {1, 2, 6, 12},
        {5, 10, 15, 20, 30}};
    const std::vector<std::vector<int>> holiday = {
        {2, 2, 2, 1, 1, 1, 1, 1}, {2, 2}, {1, 1, 1, 1, 1}, {}, {2, 2, 2, 2}};
    for (int u = -1; u <= kUnitCount; ++u) {
        for (int n = -1; n <= kThinningStepCount; ++n) {
            const bool inUnit = u >= 0 && u < kUnitCount;
            const auto& row = inUnit ? steps[static_cast<std::size_t>(u)] : std::vector<int>{};
            const int step = n >= 0 && n < static_cast<int>(row.size()) ? row[n] : 0;
            EXPECT_EQ(GetThinningStep(u, n), step) << u << "/" << n;
            const bool inTable = u >= 0 && u < 5;
            const auto& hrow = inTable ? holiday[static_cast<std::size_t>(u)] : std::vector<int>{};
            const int mode = n >= 0 && n < static_cast<int>(hrow.size()) ? hrow[n] : 0;
            EXPECT_EQ(GetHolidayMaxMode(u, n), mode) << u << "/" << n;
        }
    }
    EXPECT_EQ(GetUnitDays(kUnitDay), 1);
    EXPECT_EQ(GetUnitDays(kUnitWeek), 7);
    EXPECT_EQ(GetUnitDays(kUnitMonth), 28);
    EXPECT_EQ(GetUnitDays(kUnitYear), 364);
    EXPECT_EQ(GetUnitDays(kUnitHour), 0);
}

TEST(SyokiSetTables, DefaultDateRowsByUnitAndMode) {
    struct Case {
        int unit;
        std::array<WORD, 4> calendar;
        std::array<WORD, 4> elapsed;
    };
    const Case cases[] = {
        {kUnitDay, {13, 17, 0, 0}, {14, 17, 0, 0}},
        {kUnitWeek, {13, 17, 0, 0}, {14, 17, 0, 0}},
        {kUnitMonth, {1, 13, 0, 0}, {2, 14, 0, 0}},
        {kUnitYear, {1, 0, 0, 0}, {2, 0, 0, 0}},
        {kUnitHour, {17, 19, 0, 0}, {18, 19, 0, 0}},
        {kUnitMinute, {0, 0, 0, 0}, {0, 0, 0, 0}},
        {-1, {0, 0, 0, 0}, {0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        std::array<WORD, 4> rows{9, 9, 9, 9};
        GetDefaultDateRows(0, c.unit, rows);
        EXPECT_EQ(rows, c.calendar) << c.unit;
        GetDefaultDateRows(1, c.unit, rows);
        EXPECT_EQ(rows, c.elapsed) << c.unit;
        GetDefaultDateRows(2, c.unit, rows);
        EXPECT_EQ(rows, c.elapsed) << c.unit;
    }
}

TEST(SyokiSetTables, ChooseThinningTakesTheFirstStepWiderThanTheMinimum) {
    struct Case {
        double minWidth;
        double perDay;
        BOOL found;
        int unit;
        int step;
    };
    const Case cases[] = {
        {34, 1000, TRUE, kUnitHour, 0},    // 41 a label per hour
        {34, 820, TRUE, kUnitHour, 1},     // 34 per hour is not wider, 68 per 2 hours is
        {34, 300, TRUE, kUnitHour, 2},     // 12, 25, then 75 per 6 hours
        {34, 60, TRUE, kUnitDay, 0},       // no hour step fits: 60 per day
        {34, 20, TRUE, kUnitDay, 1},       // 20, 40
        {34, 3, TRUE, kUnitDay, 7},        // 45 per 15 days
        {34, 2.3, TRUE, kUnitMonth, 0},    // 15 days 34.5 (whole part 34); weeks 16, 32
        {34, 1, TRUE, kUnitMonth, 1},      // 28, 56
        {34, 0.05, TRUE, kUnitYear, 1},    // 18.2, 36.4
        {35.9, 35.5, TRUE, kUnitDay, 1},   // whole parts: 35 is not more than 35, 71 is
        {122, 0.2017, TRUE, kUnitYear, 1}, // 73, 146
        {34, 0.04, FALSE, -1, -1},         // even 2 years give only 29
        {34, 0, FALSE, -1, -1},
    };
    for (const Case& c : cases) {
        int unit = -1;
        int step = -1;
        EXPECT_EQ(ChooseThinning(c.minWidth, c.perDay, unit, step), c.found)
            << c.minWidth << " " << c.perDay;
        EXPECT_EQ(unit, c.unit) << c.minWidth << " " << c.perDay;
        EXPECT_EQ(step, c.step) << c.minWidth << " " << c.perDay;
    }
}

// ---- Derived values and the thinning of a record ----------------------------------------------

TEST_F(SyokiSetTest, DerivedDatesCountsAndSizes) {
    CSyokiSet s = Defaults();
    s.SetStartDate(CTime(2004, 4, 1));
    s.SetEndDate(CTime(2004, 4, 30));
    s.SetMaeYohaku(Days(3));
    s.SetAtoYohaku(Days(5));
    s.SetJyunbiKikan(Days(7));
    s.SetFirstRow(10);
    s.SetLastRow(29);
    EXPECT_EQ(s.GetDayCount(), 30);
    EXPECT_EQ(s.GetWorkStartDate(), CTime(2004, 4, 4));
    EXPECT_EQ(s.GetWorkEndDate(), CTime(2004, 4, 25));
    EXPECT_EQ(s.GetDisplayDayCount(), 22);
    EXPECT_EQ(s.GetNobeBaseDate(), CTime(2004, 4, 11));
    EXPECT_EQ(s.GetRowSpan(), 20);
    const CRect chart = s.GetPageSetting().GetChartRect();
    EXPECT_DOUBLE_EQ(s.GetWidthPerDay(), chart.Width() / 30.0);
    EXPECT_DOUBLE_EQ(s.GetHeightPerRow(), -chart.Height() / 20.0);

    // An empty period or row range gives no size rather than a division by zero.
    s.SetEndDate(CTime(2004, 3, 1));
    s.SetLastRow(5);
    EXPECT_LE(s.GetDayCount(), 0);
    EXPECT_LE(s.GetRowSpan(), 0);
    EXPECT_EQ(s.GetWidthPerDay(), 0.0);
    EXPECT_EQ(s.GetHeightPerRow(), 0.0);

    for (int i = 0; i < kDateRowMax; ++i) {
        s.SetDateRowKind(i, 17);
    }
    EXPECT_EQ(s.GetDateRowCount(), 4);
    s.SetDateRowKind(2, 0);
    EXPECT_EQ(s.GetDateRowCount(), 2);
    s.SetDateRowKind(0, 0);
    EXPECT_EQ(s.GetDateRowCount(), 0);
    EXPECT_EQ(s.GetDateRowKind(4), 0);
    EXPECT_EQ(s.GetDateRowKind(-1), 0);
}

// The standard layout's A4 chart rectangle is 2210 wide; the date font 16 wide needs labels
// wider than 34.
TEST_F(SyokiSetTest, ThinningByPeriodLengthAndDateFont) {
    struct Case {
        int days;
        LONG fontWidth;
        short nobeMode;
        WORD unit;
        WORD step;
        short shade;
        std::array<WORD, 4> rows;
    };
    const Case cases[] = {
        {3, 16, 0, kUnitHour, 1, 2, {17, 19, 0, 0}},   // 736 a day: 61 per 2 hours
        {3, 16, 1, kUnitHour, 1, 2, {18, 19, 0, 0}},   // elapsed days: elapsed day row
        {6, 16, 0, kUnitDay, 0, 2, {13, 17, 0, 0}},    // 6 hours would fit, but not for 6 days
        {40, 16, 0, kUnitDay, 0, 2, {13, 17, 0, 0}},   // 55 a day
        {100, 16, 0, kUnitDay, 1, 2, {13, 17, 0, 0}},  // 22, 44
        {365, 16, 0, kUnitDay, 5, 1, {13, 17, 0, 0}},  // 6 a day: every 7 days
        {365, -16, 0, kUnitDay, 5, 1, {13, 17, 0, 0}}, // the width's size counts
        {1000, 16, 0, kUnitMonth, 0, 1, {1, 13, 0, 0}},
        {1000, 16, 1, kUnitMonth, 0, 1, {2, 14, 0, 0}},
        {10957, 16, 0, kUnitYear, 0, 0, {1, 0, 0, 0}}, // 30 years
        {10957, 60, 0, kUnitYear, 1, 0, {1, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        CSyokiSet s = Defaults();
        s.SetNobeMode(c.nobeMode);
        s.SetStartDate(CTime(1991, 1, 1));
        s.SetEndDate(CTime(1991, 1, 1) + Days(c.days - 1));
        s.GetChart().GetDateStyle().SetLogFont(MakeFont(-32, c.fontWidth, "Date"));
        s.SetKeisenUnit(kUnitMinute);
        s.SetSpareWord(0, 7);
        s.SetSpareWord(2, 9);
        ui->ClearRecords();
        ASSERT_EQ(s.CalcDateThinning(), TRUE) << c.days << " " << c.fontWidth;
        EXPECT_EQ(s.GetDateUnit(), c.unit) << c.days << " " << c.fontWidth;
        EXPECT_EQ(s.GetOption2(), c.step) << c.days << " " << c.fontWidth;
        EXPECT_EQ(s.GetKeisenUnit(), c.unit) << c.days;
        EXPECT_EQ(s.GetKeisenStep(), c.step) << c.days;
        EXPECT_EQ(s.GetHolidayShade(), c.shade) << c.days;
        EXPECT_EQ(s.GetSpareWord(0), 0);
        EXPECT_EQ(s.GetSpareWord(2), 0);
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(s.GetDateRowKind(i), c.rows[static_cast<std::size_t>(i)]) << c.days;
        }
        EXPECT_TRUE(ui->MessageBoxes().empty());
    }
}

TEST_F(SyokiSetTest, ThinningThatFindsNothingKeepsTheUnitsAndSaysWhy) {
    struct Case {
        const char* what;
        int days;
        LONG fontWidth;
        UINT message;
        const char* text;
    };
    const Case cases[] = {
        {"even 2 years are too narrow", 10957, 100, 5075,
         "期間が長すぎるか、日付フォントが大きすぎます\n間引きの妥当値を調整できませんでした。"},
        {"the period ends before it starts", -5, 16, 5079,
         "用紙サイズに対して期間が長すぎます。\n用紙サイズを大きくするか期間を縮めてください。"},
    };
    for (const Case& c : cases) {
        CSyokiSet s = Defaults();
        s.SetStartDate(CTime(1995, 1, 1));
        s.SetEndDate(CTime(1995, 1, 1) + Days(c.days - 1));
        s.GetChart().GetDateStyle().SetLogFont(MakeFont(-32, c.fontWidth, "Date"));
        s.SetOption1(kUnitMonth);
        s.SetOption2(3);
        s.SetKeisenUnit(kUnitDay);
        s.SetKeisenStep(2);
        s.SetHolidayMode(1);
        s.SetDateRowKind(0, 25);
        ui->ClearRecords();
        EXPECT_EQ(s.CalcDateThinning(), FALSE) << c.what;
        ASSERT_EQ(ui->MessageBoxes().size(), 1u) << c.what;
        EXPECT_EQ(ui->MessageBoxes()[0].stringId, c.message) << c.what;
        EXPECT_EQ(ui->MessageBoxes()[0].text, c.text) << c.what;
        EXPECT_EQ(s.GetDateUnit(), kUnitMonth);
        EXPECT_EQ(s.GetOption2(), 3);
        EXPECT_EQ(s.GetKeisenUnit(), kUnitDay);
        EXPECT_EQ(s.GetKeisenStep(), 2);
        EXPECT_EQ(s.GetHolidayShade(), 1);
        EXPECT_EQ(s.GetDateRowKind(0), 25);
    }
}

// ---- Defaults ---------------------------------------------------------------------------------

TEST_F(SyokiSetTest, SetDefaultTakesTheApplicationsDefaults) {
    app.GetEvent().SetRevice(0x0777);
    app.GetChart().GetYogoAttr().m_lineSpace = 17;
    app.GetShin().SetDateFormat("yy/mm");
    app.GetZukei().SetTimePartition(4);
    app.GetPath().SetLayoutTempFileName("T.LY$");
    app.SetFont(kFontHeader, kPaperA4, MakeFont(-50, 25, "Header"));
    app.SetKikan(30);
    app.SetLines(25);

    CSyokiSet s;
    s.GetHensoku()->AddData(std::make_unique<CHensokuData>());
    test::VersionDocument doc;
    EXPECT_EQ(s.SetDefault(&doc, 0), TRUE);
    EXPECT_EQ(s.GetDocument(), &doc);
    EXPECT_EQ(s.GetRefreshFlag(), 1u);
    EXPECT_EQ(s.GetEvent().GetRevice(), 0x0777);
    EXPECT_EQ(s.GetChart().GetYogoAttr().m_lineSpace, 17);
    EXPECT_EQ(s.GetShin().GetDateFormat(), "yy/mm");
    EXPECT_EQ(s.GetZukei().GetTimePartition(), 4);
    EXPECT_EQ(s.GetPath().GetLayoutTempFileName(), "T.LY$");
    EXPECT_EQ(PageText(s.GetPageSetting()), PageText(app.GetChart().GetPageSetting()));
    EXPECT_EQ(FontText(s.GetPaperFont()), FontText(MakeFont(-50, 25, "Header")));
    EXPECT_EQ(s.GetHensoku()->GetDataCount(), 0);

    // Today (2005-06-15) less 2 days of leading margin; 30 days, then 3 of trailing margin.
    EXPECT_EQ(s.GetNobeMode(), 0);
    EXPECT_EQ(s.GetStartDate(), CTime(2005, 6, 13));
    EXPECT_EQ(s.GetWorkStartDate(), CTime(2005, 6, 15));
    EXPECT_EQ(s.GetWorkEndDate(), CTime(2005, 7, 14));
    EXPECT_EQ(s.GetEndDate(), CTime(2005, 7, 17));
    EXPECT_EQ(s.GetMaeYohaku(), Days(2));
    EXPECT_EQ(s.GetAtoYohaku(), Days(3));
    EXPECT_EQ(s.GetNobeOffset(), CTimeSpan()); // calendar dates have no elapsed origin
    EXPECT_EQ(s.GetMonthSpan(), Days(25));
    EXPECT_EQ(s.GetFirstRow(), 0);
    EXPECT_EQ(s.GetLastRow(), 24);
    EXPECT_EQ(s.GetDateUnit(), kUnitDay); // 2210 / 35 days: 63 a day
    EXPECT_EQ(s.GetDateRowKind(0), 13);

    // Elapsed days keep their origin; -1 takes the application's mode.
    app.SetNobeMode(1);
    EXPECT_EQ(s.SetDefault(&doc, -1), TRUE);
    EXPECT_EQ(s.GetNobeMode(), 1);
    EXPECT_EQ(s.GetNobeOffset(), Days(4));
    EXPECT_EQ(s.GetDateRowKind(0), 14);
    EXPECT_TRUE(ui->MessageBoxes().empty());
}

TEST_F(SyokiSetTest, DefaultPeriodIsMovedIntoTheCalendar) {
    app.SetKikan(40);
    struct Case {
        CTime now;
        CTime start;
        CTime end;
    };
    const Case cases[] = {
        // After the calendar's last day: the period ends on it.
        {CTime(2038, 3, 1, 9, 0), CTime(2037, 11, 17), CTime(2037, 12, 31)},
        // Before its first day: the period starts on it.
        {CTime(1985, 5, 5), CTime(1991, 1, 1), CTime(1991, 2, 14)},
        // Inside: today at 00:00 less the leading margin.
        {CTime(2010, 3, 10, 23, 59), CTime(2010, 3, 8), CTime(2010, 4, 21)},
        {CTime(2026, 12, 10, 9, 0), CTime(2026, 12, 8), CTime(2027, 1, 21)},
    };
    for (const Case& c : cases) {
        m_clock.Set(c.now);
        CSyokiSet s;
        s.SetDefault(nullptr, 0);
        EXPECT_EQ(s.GetStartDate(), c.start) << c.now.GetTime();
        EXPECT_EQ(s.GetEndDate(), c.end) << c.now.GetTime();
        EXPECT_EQ(s.GetDayCount(), 2 + 40 + 3);
    }

    // A period longer than the calendar starts on its first day and is cut at its last.
    app.SetKikan(20000);
    CSyokiSet s;
    s.SetDefault(nullptr, 0);
    EXPECT_EQ(s.GetStartDate(), GetMinDate());
    EXPECT_EQ(s.GetEndDate(), GetMaxDate());
}

TEST_F(SyokiSetTest, ThinningMessageOfSetDefaultButNotOfALoad) {
    CSyokiSet written = Defaults();
    const Bytes bytes = StoreAt(written, kCurrentFileVersion);

    LOGFONT wide = app.GetChart().GetDateStyle().GetLogFont();
    wide.lfWidth = 30000; // labels of 60002: wider than 2 years on A4
    app.GetChart().GetDateStyle().SetLogFont(wide);
    CSyokiSet s;
    EXPECT_EQ(s.SetDefault(nullptr, 0), FALSE);
    EXPECT_EQ(s.GetRefreshFlag(), 0u);
    ASSERT_EQ(ui->MessageBoxes().size(), 1u);
    EXPECT_EQ(ui->MessageBoxes()[0].stringId, 5075u);

    ui->ClearRecords();
    CSyokiSet loaded = LoadAt(bytes, kCurrentFileVersion);
    EXPECT_TRUE(ui->MessageBoxes().empty());
    EXPECT_EQ(loaded.GetRefreshFlag(), 1u);
}

} // namespace
} // namespace tembra
