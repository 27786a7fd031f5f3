// The page layout on the shipped layout file's A4 page, a 30-day April 2010 period of 30 rows
// and three item columns (33, 33, 34 %). On screen at 100 % the page frame moves to the paper's
// corner: the date band is (0, 0, 2770, -120), the body (0, -120, 2770, -1600), the item area
// 500 wide, the chart rectangle (530, -120, 2740, -1600): a day is 2210 / 30 units wide, a row
// 1480 / 30 high.
#include "render/PageLayout.h"
#include "support/FakeLayoutDocument.h"

#include "model/Calendar.h"
#include "model/ChartPos.h"
#include "model/DataHeader.h"
#include "model/Hensoku.h"
#include "model/Koumoku.h"
#include "model/KoumokuData.h"
#include "model/KtkmHatch.h"
#include "model/PrintArea.h"
#include "model/SyokiSet.h"
#include "platform/RecordingDC.h"
#include "render/DrawSettings.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <tuple>
#include <utility>
#include <vector>

namespace tembra {
namespace {

const std::filesystem::path kMaster =
    std::filesystem::path(TEMBRA_SOURCE_DIR) / "data" / "MASTER01.LYT";

CTime Day(int year, int month, int day, int hour = 0, int minute = 0) {
    return CTime(year, month, day, hour, minute, 0);
}

std::unique_ptr<CHensokuData> Period(CTime first, CTime last, LONG numerator, LONG denominator) {
    auto data = std::make_unique<CHensokuData>();
    EXPECT_TRUE(
        data->SetDayPeriod(1, first.GetTime(), last.GetTime(), 0, 0, 1, 1, numerator, denominator));
    return data;
}

// A document and its view as the layout sees them; a process has a line unless told.
struct LayoutDoc : test::FakeLayoutDocument {
    LayoutDoc() { hasParts = true; }
};

// A print header to show above the chart: the layout only tests the pointer.
const CPrHeader* ShownHeader() {
    static const int kSomewhere = 0;
    return reinterpret_cast<const CPrHeader*>(&kSomewhere);
}

CDataHeader Record(WORD type, WORD kind) {
    CDataHeader header;
    header.SetType(type);
    header.SetKind(kind);
    return header;
}

class PageLayoutTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(doc.set.GetPageSetting().SetPaper(kPaperA4, 0, kMaster, -1));
        doc.set.SetStartDate(Day(2010, 4, 1));
        doc.set.SetEndDate(Day(2010, 4, 30));
        doc.set.SetFirstRow(0);
        doc.set.SetLastRow(29);
        doc.set.SetNobeMonthSpan(CTimeSpan(30, 0, 0, 0));
        doc.table.SetLevelCount(3);
    }
    void Bind() { layout.Init(&doc); }
    // 1/2 on 3 April, nothing on 5 and 6 April: the period is 27.5 days long.
    void AddIrregularDays() {
        doc.set.GetHensoku()->AddData(Period(Day(2010, 4, 3), Day(2010, 4, 3), 1, 2));
        doc.set.GetHensoku()->AddData(Period(Day(2010, 4, 5), Day(2010, 4, 6), 0, 1));
    }

    test::ScopedPaths paths;
    test::ScopedUi ui;
    LayoutDoc doc;
    CPageLayout layout;
};

// ---- Areas --------------------------------------------------------------------------------------

struct AreaCase {
    int zoomIndex;
    CRect header, frame, dateBand, body, items, process, chart, footer, left, right;
};

class PageLayoutAreaTest : public PageLayoutTest, public ::testing::WithParamInterface<AreaCase> {};

TEST_P(PageLayoutAreaTest, A4OnScreenStartsAtThePapersCorner) {
    const AreaCase& c = GetParam();
    Bind();
    layout.SetZoomIndex(c.zoomIndex);
    layout.RecalcLayout();
    EXPECT_EQ(layout.GetHeaderRect(), c.header);
    EXPECT_EQ(layout.GetRect(), c.header);
    EXPECT_EQ(layout.GetPageRect(), c.frame);
    EXPECT_EQ(layout.GetBodyRect(), c.dateBand);
    EXPECT_EQ(layout.GetEditRect(), c.body);
    EXPECT_EQ(layout.GetKoumokuRect(), c.items);
    EXPECT_EQ(layout.GetKouteiRect(), c.process);
    EXPECT_EQ(layout.GetChartRect(), c.chart);
    EXPECT_EQ(layout.GetFixedBodyRect(), c.footer);
    EXPECT_EQ(layout.GetLeftArea(), c.left);
    EXPECT_EQ(layout.GetRightArea(), c.right);
    // The fixed-row bands lie at the tops, without height.
    EXPECT_EQ(layout.GetGridRect(), CRect(c.items.left, c.items.top, c.items.right, c.items.top));
    EXPECT_EQ(layout.GetChartGridRect(),
              CRect(c.chart.left, c.chart.top, c.chart.right, c.chart.top));
    EXPECT_EQ(layout.GetChartSize(), CSize(c.chart.Width(), -c.chart.Height()));
}

INSTANTIATE_TEST_SUITE_P(Zoom, PageLayoutAreaTest,
                         ::testing::Values(AreaCase{3,
                                                    {0, 300, 2770, 0},
                                                    {0, 0, 2770, -1600},
                                                    {0, 0, 2770, -120},
                                                    {0, -120, 2770, -1600},
                                                    {0, -120, 500, -1600},
                                                    {500, -120, 2770, -1600},
                                                    {530, -120, 2740, -1600},
                                                    {0, -1600, 2770, -1600},
                                                    {0, 0, 0, -1600},
                                                    {2770, 0, 2770, -1600}},
                                           AreaCase{1,
                                                    {0, 150, 1385, 0},
                                                    {0, 0, 1385, -800},
                                                    {0, 0, 1385, -60},
                                                    {0, -60, 1385, -800},
                                                    {0, -60, 250, -800},
                                                    {250, -60, 1385, -800},
                                                    {265, -60, 1370, -800},
                                                    {0, -800, 1385, -800},
                                                    {0, 0, 0, -800},
                                                    {1385, 0, 1385, -800}}));

struct PaperCase {
    int paper;
    int orientation;
};

class PageLayoutPaperTest : public PageLayoutTest,
                            public ::testing::WithParamInterface<PaperCase> {};

// Every area of the shipped papers is the settings' area at the zoom, all moved by one offset
// that puts the page frame (date band top, header left) on the paper's corner.
TEST_P(PageLayoutPaperTest, EveryAreaIsTheSettingsAreaScaledAndMovedToThePapersCorner) {
    const PaperCase& p = GetParam();
    CPageSetting& page = doc.set.GetPageSetting();
    ASSERT_TRUE(page.SetPaper(p.paper, p.orientation, kMaster, -1));
    EXPECT_TRUE(ui->MessageBoxes().empty());
    Bind();
    for (const int zoomIndex : {3, 1}) {
        layout.SetZoomIndex(zoomIndex);
        layout.RecalcLayout();
        const int percent = CPageLayout::GetZoomPercent(zoomIndex);
        const auto scaled = [&](const CRect& r) {
            CRect s(r.left * percent / 100, r.top * percent / 100, r.right * percent / 100,
                    r.bottom * percent / 100);
            s.OffsetRect(-(page.GetHeaderRect().left * percent / 100),
                         -(page.GetDateRect().top * percent / 100));
            return s;
        };
        SCOPED_TRACE(testing::Message() << "paper " << p.paper << " at " << percent << " %");
        EXPECT_EQ(layout.GetPageRect().TopLeft(), CPoint(0, 0));
        EXPECT_EQ(layout.GetHeaderRect(), scaled(page.GetHeaderRect()));
        EXPECT_EQ(layout.GetBodyRect(), scaled(page.GetDateRect()));
        EXPECT_EQ(layout.GetEditRect(), scaled(page.GetEditRect()));
        EXPECT_EQ(layout.GetKoumokuRect(), scaled(page.GetKoumokuRect()));
        EXPECT_EQ(layout.GetKouteiRect(), scaled(page.GetKouteiRect()));
        EXPECT_EQ(layout.GetChartRect(), scaled(page.GetChartRect()));
        EXPECT_EQ(layout.GetFixedBodyRect(), scaled(page.GetFooterRect()));
        const CRect header = layout.GetHeaderRect();
        EXPECT_EQ(layout.GetPageRect(), CRect(header.left, layout.GetBodyRect().top, header.right,
                                              layout.GetEditRect().bottom));
        EXPECT_EQ(layout.GetPaperRect(), CRect(0, 0, page.GetPaperRect().right * percent / 100,
                                               page.GetPaperRect().bottom * percent / 100));
        EXPECT_EQ(layout.GetInsetLeft(), page.GetInsetLeft() * percent / 100);
        EXPECT_EQ(layout.GetLeftWidth(), page.GetLeftWidth() * percent / 100);
    }
}

// Printing: 100 %, the areas where the layout file puts them less the printer's unprintable
// margin of 1/6 inch (42 units).
TEST_P(PageLayoutPaperTest, PrintJobMovesTheAreasByTheMarginLessThePrinterOffset) {
    const PaperCase& p = GetParam();
    CPageSetting& page = doc.set.GetPageSetting();
    ASSERT_TRUE(page.SetPaper(p.paper, p.orientation, kMaster, -1));
    Bind();
    layout.SetZoomIndex(5);
    layout.SetZoomPercent(120);

    CRecordingDC printer(CRecordingDC::Device::Printer, 600);
    printer.SetMapMode(MM_LOMETRIC);
    layout.SetOutputMode(1);
    layout.PrepareForPrint(&printer);

    EXPECT_EQ(layout.GetZoom(), 100);
    EXPECT_EQ(layout.GetZoomIndex(), 3);
    EXPECT_EQ(layout.GetPrinterOffset(), CPoint(42, -42));
    const CPoint shift = page.GetMarginShift();
    const CPoint margin(shift.x - 42, shift.y + 42);
    EXPECT_EQ(layout.GetMarginOffset(), margin);
    EXPECT_TRUE(ui->StatusTexts().empty());
    auto moved = [&](CRect r) {
        r.OffsetRect(margin);
        return r;
    };
    EXPECT_EQ(layout.GetHeaderRect(), moved(page.GetHeaderRect()));
    EXPECT_EQ(layout.GetBodyRect(), moved(page.GetDateRect()));
    EXPECT_EQ(layout.GetEditRect(), moved(page.GetEditRect()));
    EXPECT_EQ(layout.GetChartRect(), moved(page.GetChartRect()));
    // In the layout file's terms: the header's corner less the printer offset.
    EXPECT_EQ(layout.GetHeaderRect().TopLeft(), CPoint(shift.x - 42, shift.y + 42));

    // While printing the layout keeps what the print job set.
    const CRect chart = layout.GetChartRect();
    layout.EnsureLayout();
    EXPECT_EQ(layout.GetChartRect(), chart);
}

INSTANTIATE_TEST_SUITE_P(ShippedPapers, PageLayoutPaperTest,
                         ::testing::Values(PaperCase{kPaperA4, 0}, PaperCase{kPaperB4, 0},
                                           PaperCase{kPaperA3, 0}, PaperCase{kPaperA3Tate, 1},
                                           PaperCase{kPaperA2, 0}, PaperCase{kPaperA1, 0}));

TEST_F(PageLayoutTest, PrintMarginBelowThePrintableAreaIsLimitedWithBothMessages) {
    // A margin of 2 mm against the printer's 4.2 mm.
    doc.set.GetPageSetting().AdjustMargins(20, -20);
    Bind();
    CRecordingDC printer(CRecordingDC::Device::Printer, 600);
    printer.SetMapMode(MM_LOMETRIC);
    layout.PrepareForPrint(&printer);
    EXPECT_EQ(layout.GetMarginOffset(), CPoint(0, 0));
    ASSERT_EQ(ui->StatusTexts().size(), 2u);
}

TEST_F(PageLayoutTest, ScreenPrintPreparationHasNoPrinterOffset) {
    Bind();
    CRecordingDC screen;
    screen.SetMapMode(MM_LOMETRIC);
    layout.PrepareForPrint(&screen);
    EXPECT_EQ(layout.GetPrinterOffset(), CPoint(0, 0));
    EXPECT_EQ(layout.GetMarginOffset(), CPoint(100, -100));
    EXPECT_EQ(layout.GetHeaderRect(), CRect(100, -100, 2870, -400));
}

TEST_F(PageLayoutTest, HeaderShownKeepsThePageFromTheHeaderToTheFooter) {
    Bind();
    layout.SetHeader(ShownHeader());
    layout.RecalcLayout();
    // Not moved: the header's corner is the margin corner.
    EXPECT_EQ(layout.GetPageRect(), CRect(0, 0, 2770, -1900));
    EXPECT_EQ(layout.GetBodyRect(), CRect(0, -300, 2770, -420));
    EXPECT_EQ(layout.GetLeftArea(), CRect(0, -300, 0, -1900));
}

// ---- Zoom ---------------------------------------------------------------------------------------

TEST_F(PageLayoutTest, ZoomTableAndIndicesOutsideIt) {
    const std::vector<std::pair<int, int>> table = {{-1, 25}, {0, 25},  {1, 50},  {2, 75},
                                                    {3, 100}, {4, 150}, {5, 200}, {6, 300},
                                                    {7, 400}, {8, 25}};
    for (const auto& [index, percent] : table) {
        EXPECT_EQ(CPageLayout::GetZoomPercent(index), percent) << index;
        layout.SetZoomIndex(index);
        EXPECT_EQ(layout.GetZoom(), percent) << index;
    }
    layout.SetZoomIndex(4);
    EXPECT_EQ(layout.Zoom(1000), 1500);
    EXPECT_EQ(layout.UnscaleLength(1500), 1000);
    layout.SetZoomPercent(50);
    EXPECT_EQ(layout.GetZoom(), 50);
    EXPECT_EQ(layout.Zoom(-7), -3);
    EXPECT_EQ(layout.ScaleRect(CRect(10, -10, 21, -21)), CRect(5, -5, 10, -10));
    EXPECT_EQ(layout.UnscaleRect(CRect(5, -5, 10, -10)), CRect(10, -10, 20, -20));
    layout.SetZoomPercent(0);
    EXPECT_EQ(layout.GetZoom(), 150);
    layout.ResetZoom();
    EXPECT_EQ(layout.GetZoom(), 100);
}

TEST_F(PageLayoutTest, ZoomIsPossibleWhileThePaperFitsAndADayHasWidth) {
    Bind();
    for (int index = 0; index < CPageLayout::kZoomCount; ++index) {
        EXPECT_TRUE(layout.IsZoomPossible(index)) << index;
    }
    EXPECT_FALSE(layout.IsZoomPossible(-1));
    EXPECT_FALSE(layout.IsZoomPossible(8));

    // 3000 days on 2210 units: a day needs 400 % to get a unit.
    layout.SetEndDate(Day(2010, 4, 1) + CTimeSpan(2999, 0, 0, 0));
    EXPECT_FALSE(layout.IsZoomPossible(3));
    EXPECT_TRUE(layout.IsZoomPossible(7));

    // A1's page table entry (14560 x 10280) leaves the coordinate range beyond 200 %.
    ASSERT_TRUE(doc.set.GetPageSetting().SetPaper(kPaperA1, 0, kMaster, -1));
    Bind();
    EXPECT_TRUE(layout.IsZoomPossible(5));
    EXPECT_FALSE(layout.IsZoomPossible(6));
}

// ---- Time axis ----------------------------------------------------------------------------------

struct DateCase {
    CTime time;
    int x;
};

TEST_F(PageLayoutTest, LinearAxisDatesToX) {
    Bind();
    ASSERT_FALSE(layout.GetScale().IsBuilt());
    EXPECT_DOUBLE_EQ(layout.GetDayWidth(), 2210.0 / 30);
    const std::vector<DateCase> cases = {
        {Day(2010, 4, 1), 530},        // the chart's left edge
        {Day(2010, 4, 1, 12), 566},    // half a day, truncated
        {Day(2010, 4, 2), 603},        //
        {Day(2010, 4, 2, 6, 30), 622}, // 603 + 18 (6 h) + 1 (30 min)
        {Day(2010, 5, 1), 2740},       // the day after the end: the right edge
        {Day(2010, 3, 31), 457},       // before the period
        {Day(1991, 1, 1), -30000},     // clamped
        {Day(2020, 12, 31), 30000},    // clamped
    };
    for (const DateCase& c : cases) {
        EXPECT_EQ(layout.DateToX(c.time), c.x) << c.time.Format("%Y-%m-%d %H:%M");
    }
    EXPECT_EQ(layout.DaysToWidth(2), 147);
    EXPECT_DOUBLE_EQ(layout.GetDayWidthAt(Day(2010, 4, 5)), 2210.0 / 30);
    EXPECT_EQ(layout.GetSpanWidth(Day(2010, 4, 2), Day(2010, 4, 1)), 73);
}

struct XCase {
    int x;
    int precision;
    int rounding;
    CTime date;
};

TEST_F(PageLayoutTest, LinearAxisXToDate) {
    Bind();
    const std::vector<XCase> cases = {
        {566, 0, 1, Day(2010, 4, 1)},         // before the middle of the day
        {567, 0, 1, Day(2010, 4, 2)},         // past it
        {566, 0, 2, Day(2010, 4, 2)},         // a whole day added
        {602, 0, 0, Day(2010, 4, 1)},         //
        {100, 0, 1, Day(2010, 4, 1)},         // left of the chart: the start
        {5000, 0, 1, Day(2010, 5, 1)},        // right of it: the date at the right edge
        {603, 1, 0, Day(2010, 4, 1, 23)},     // 73 units: 23.8 hours
        {603, 1, 1, Day(2010, 4, 2)},         // rounded to the next hour: 24:00
        {603, 2, 0, Day(2010, 4, 1, 23, 46)}, //
        {603, 2, 7, Day(2010, 4, 1, 23, 47)}, // any other rounding adds a half
    };
    for (const XCase& c : cases) {
        EXPECT_EQ(layout.XToDate(c.x, c.precision, c.rounding), c.date)
            << c.x << " " << c.precision << " " << c.rounding;
    }
}

TEST_F(PageLayoutTest, DayScaleWithHalfAndZeroFactors) {
    AddIrregularDays();
    Bind();
    ASSERT_TRUE(layout.GetScale().IsBuilt());
    EXPECT_DOUBLE_EQ(layout.GetDayWidth(), 2210.0 / 27.5);
    const std::vector<DateCase> cases = {
        {Day(2010, 4, 1), 530},     // the chart's left edge
        {Day(2010, 4, 1, 12), 570}, // half of the first day's width, truncated
        {Day(2010, 4, 3), 690},     // two whole days
        {Day(2010, 4, 3, 12), 710}, // half of the half-width day
        {Day(2010, 4, 4), 730},     //
        {Day(2010, 4, 5), 811},     // the days without width
        {Day(2010, 4, 5, 12), 811}, //
        {Day(2010, 4, 7), 811},     //
        {Day(2010, 5, 1), 2740},    // the right edge
    };
    for (const DateCase& c : cases) {
        EXPECT_EQ(layout.DateToX(c.time), c.x) << c.time.Format("%Y-%m-%d %H:%M");
    }
    EXPECT_EQ(layout.XToDate(730, 0, 0), Day(2010, 4, 3));
    EXPECT_EQ(layout.XToDate(731, 0, 0), Day(2010, 4, 4));
    EXPECT_EQ(layout.XToDate(100, 0, 1), Day(2010, 4, 1));
    EXPECT_EQ(layout.XToDate(9000, 0, 0), Day(2010, 5, 1));
    EXPECT_DOUBLE_EQ(layout.GetDayWidthAt(Day(2010, 4, 3)), 40.0);
    EXPECT_DOUBLE_EQ(layout.GetDayWidthAt(Day(2010, 4, 5)), 0.0);
}

TEST_F(PageLayoutTest, DayScaleWithoutWidthReadsAsLinear) {
    // Every day of the period without width: no scale is kept.
    doc.set.GetHensoku()->AddData(Period(Day(2010, 4, 1), Day(2010, 4, 30), 0, 1));
    Bind();
    EXPECT_EQ(layout.DateToX(Day(2010, 4, 2)), 603);

    // A scale that has width, cut to a period whose days have none.
    doc.set.GetHensoku()->RemoveAll();
    doc.set.GetHensoku()->AddData(Period(Day(2010, 4, 1), Day(2010, 4, 10), 0, 1));
    Bind();
    ASSERT_TRUE(layout.GetScale().IsBuilt());
    layout.SetEndDate(Day(2010, 4, 5));
    EXPECT_DOUBLE_EQ(layout.GetDayWidth(), 2210.0 / 5);
    EXPECT_EQ(layout.DateToX(Day(2010, 4, 2)), 530 + 442);
    EXPECT_EQ(layout.XToDate(530 + 442, 0, 0), Day(2010, 4, 2));
}

TEST_F(PageLayoutTest, PeriodWithoutLengthLeavesEveryDateAtTheStart) {
    doc.set.SetEndDate(Day(2010, 3, 31));
    Bind();
    EXPECT_EQ(layout.GetDayWidth(), 0.0);
    EXPECT_EQ(layout.DateToX(Day(2010, 4, 20)), 530);
    EXPECT_EQ(layout.XToDate(1000, 2, 1), Day(2010, 4, 1));
}

TEST_F(PageLayoutTest, CopyKeepsItsOwnDayScale) {
    AddIrregularDays();
    auto original = std::make_unique<CPageLayout>();
    original->Init(&doc);
    original->SetScrolledDown(TRUE);
    original->SetQuickText(TRUE);
    CPageLayout copy;
    copy = *original;
    original.reset();
    EXPECT_EQ(copy.DateToX(Day(2010, 4, 4)), 730);
    EXPECT_TRUE(copy.IsScrolledDown());
    EXPECT_TRUE(copy.IsQuickText());
}

// ---- Elapsed days -------------------------------------------------------------------------------

struct NobeCase {
    CTime time;
    int year, month, day;
};

TEST_F(PageLayoutTest, ElapsedYearsMonthsAndDays) {
    for (const CTimeSpan length : {CTimeSpan(30, 0, 0, 0), CTimeSpan(0), CTimeSpan(-5, 0, 0, 0)}) {
        // Lengths below a day count as 30 days.
        doc.set.SetNobeMonthSpan(length);
        Bind();
        EXPECT_EQ(layout.GetMonthSpan(), CTimeSpan(30, 0, 0, 0));
        const std::vector<NobeCase> cases = {
            {Day(2010, 4, 1), 1, 1, 1},                           // the origin
            {Day(2010, 3, 31), -1, -1, 30},                       // the day before
            {Day(2010, 3, 30), -1, -1, 29},                       //
            {Day(2010, 4, 1) + CTimeSpan(45, 0, 0, 0), 1, 2, 16}, //
            {Day(2010, 4, 1) + CTimeSpan(360, 0, 0, 0), 2, 1, 1}, // a year after
            {Day(2010, 4, 1, 23), 1, 1, 1},                       // the time of day
        };
        for (const NobeCase& c : cases) {
            int year = 0;
            int month = 0;
            int day = 0;
            const CTimeSpan span = layout.DateToNobeYMD(c.time, &year, &month, &day);
            EXPECT_EQ(span, c.time - Day(2010, 4, 1));
            EXPECT_EQ(year, c.year) << c.time.Format("%Y-%m-%d");
            EXPECT_EQ(month, c.month) << c.time.Format("%Y-%m-%d");
            EXPECT_EQ(day, c.day) << c.time.Format("%Y-%m-%d");
        }
    }
    // Outputs are optional.
    int month = 0;
    layout.DateToNobeYMD(Day(2010, 5, 1), nullptr, &month, nullptr);
    EXPECT_EQ(month, 2);
}

TEST_F(PageLayoutTest, ElapsedDaysCountFromTheDrawStartAndTheOrigin) {
    doc.set.SetMaeYohaku(CTimeSpan(5, 0, 0, 0));
    doc.set.SetJyunbiKikan(CTimeSpan(2, 0, 0, 0));
    Bind();
    EXPECT_EQ(layout.GetDrawStart(), Day(2010, 4, 6));
    int year = 0;
    int month = 0;
    int day = 0;
    layout.DateToNobeYMD(Day(2010, 4, 8), &year, &month, &day);
    EXPECT_EQ(std::make_tuple(year, month, day), std::make_tuple(1, 1, 1));
    EXPECT_EQ(layout.GetDrawDayCount(), 25);
    EXPECT_EQ(layout.GetDayCount(), 30);
}

// ---- Rows and columns ---------------------------------------------------------------------------

TEST_F(PageLayoutTest, RowsToY) {
    Bind();
    EXPECT_DOUBLE_EQ(layout.GetRowHeight(), 1480.0 / 30);
    const std::vector<std::tuple<int, int, int>> cases = {
        {0, -1, -120},       // the first row's top: the chart's top
        {0, 0, -144},        // half a row below, rounded toward zero
        {0, 1, -169},        //
        {29, -1, -1550},     // the last row
        {29, 0, -1575},      //
        {29, 1, -1600},      // its bottom: the chart's bottom
        {-5, -1, -120},      // rows below 0 are row 0
        {12000, -1, -30000}, // rows above 9999 are 9999, clamped
    };
    for (const auto& [row, edge, y] : cases) {
        EXPECT_EQ(layout.RowToY(row, edge), y) << row << " " << edge;
    }
    const std::vector<std::pair<int, int>> back = {{-144, 0}, {-169, 0},   {-170, 1},
                                                   {500, 0},  {-1599, 29}, {-5000, 29}};
    for (const auto& [y, row] : back) {
        EXPECT_EQ(layout.YToRow(y), row) << y;
    }
    EXPECT_NEAR(layout.YToRowF(-144), 24 / (1480.0 / 30), 1e-9);
    EXPECT_EQ(layout.RowsToHeight(3), 148);
    EXPECT_EQ(layout.DateRowToPoint(Day(2010, 4, 2), 0), CPoint(603, -144));
    CTime date;
    int row = 0;
    layout.PointToDateRow(567, -170, 0, date, row);
    EXPECT_EQ(date, Day(2010, 4, 2));
    EXPECT_EQ(row, 1);
}

TEST_F(PageLayoutTest, RowsAboveTheLastRowNumberAreTheLastRow) {
    Bind();
    layout.SetFirstRow(9990);
    layout.SetLastRow(10019);
    // Row 9999 is the tenth shown row: its top lies nine rows (444 units) below the chart's top.
    ASSERT_EQ(layout.RowToY(9999, -1), -564);
    for (const int edge : {-1, 0, 1}) {
        EXPECT_EQ(layout.RowToY(12000, edge), layout.RowToY(9999, edge)) << edge;
        EXPECT_EQ(layout.RowToY(32767, edge), layout.RowToY(9999, edge)) << edge;
    }
}

// A picture of no days and no rows leaves a chart without width and height: dates read as the
// period's start and every y as the first row, without a division by zero.
TEST_F(PageLayoutTest, ZeroDayWidthAndRowHeightGiveTheStartAndTheFirstRow) {
    doc.set.SetFirstRow(5);
    Bind();
    layout.SetOutputMode(1);
    layout.RecalcForExtent(0, 0);
    ASSERT_EQ(layout.GetChartRect(), CRect(530, -120, 530, -120));
    EXPECT_EQ(layout.GetDayWidth(), 0.0);
    EXPECT_EQ(layout.GetRowHeight(), 0.0);
    for (const int precision : {0, 1, 2}) {
        EXPECT_EQ(layout.XToDate(1000, precision, 1), Day(2010, 4, 1)) << precision;
    }
    EXPECT_EQ(layout.YToRow(-500), 5);
    EXPECT_EQ(layout.YToRow(100), 5);
    EXPECT_EQ(layout.YToRowF(-500), 5.0);
    EXPECT_EQ(layout.RowToY(8, 0), -120);
    EXPECT_EQ(layout.DateToX(Day(2010, 4, 20)), 530);
}

TEST_F(PageLayoutTest, NoRowsReadsAsOneRow) {
    doc.set.SetLastRow(0);
    doc.set.SetFirstRow(1);
    Bind();
    EXPECT_EQ(layout.GetRowCount(), 1);
    EXPECT_DOUBLE_EQ(layout.GetRowHeight(), 1480.0);
    EXPECT_EQ(layout.YToRow(-200), 1);
}

// Scrolled down to row 10 with rows 0 and 1 fixed: the fixed rows keep the chart's top, the
// rows from 10 start below them; the clipped pass converts on the fixed band.
TEST_F(PageLayoutTest, FixedRowsOfAChartScrolledDown) {
    doc.set.SetFixedFirstRow(0);
    doc.set.SetFixedLastRow(1);
    Bind();
    layout.SetFirstRow(10);
    layout.SetScrolledDown(TRUE);
    layout.RecalcLayout();
    // 1480 / 22 per row while the fixed rows are counted in: the fixed rows take 134.
    EXPECT_EQ(layout.GetChartRect(), CRect(530, -254, 2740, -1600));
    EXPECT_EQ(layout.GetKoumokuRect(), CRect(0, -254, 500, -1600));
    EXPECT_EQ(layout.GetKouteiRect().top, -254);
    EXPECT_EQ(layout.GetGridRect(), CRect(0, -120, 500, -254));
    EXPECT_EQ(layout.GetKouteiGridRect(), CRect(500, -120, 2770, -254));
    EXPECT_EQ(layout.GetChartGridRect(), CRect(530, -120, 2740, -254));
    EXPECT_EQ(layout.RowToY(10, -1), -254);
    EXPECT_EQ(layout.RowToY(29, 1), -1600);
    EXPECT_EQ(layout.HitZone(100, -200), CPageLayout::kZoneElsewhere);

    layout.SetClipPass(TRUE);
    EXPECT_EQ(layout.RowToY(0, -1), -120);
    EXPECT_EQ(layout.RowToY(1, 1), -254);
    EXPECT_EQ(layout.YToRow(-200), 1);
    EXPECT_EQ(layout.YToRow(-400), 1); // below the band: its last unit
    EXPECT_EQ(layout.YToRow(0), 0);

    // The clipped pass alone, or the flag alone, converts on the chart.
    layout.SetScrolledDown(FALSE);
    EXPECT_EQ(layout.RowToY(10, -1), -254);
}

TEST_F(PageLayoutTest, FixedRowsOnlyWhileScrolledOnScreen) {
    doc.set.SetFixedFirstRow(0);
    doc.set.SetFixedLastRow(1);
    Bind();
    EXPECT_EQ(layout.GetChartRect().top, -120); // the first row is 0
    layout.SetFirstRow(10);
    layout.SetOutputMode(1);
    layout.RecalcRects();
    EXPECT_EQ(layout.GetChartRect().top, -420); // printing: not moved down, not shifted

    doc.set.SetFixedLastRow(0xFFFF); // none
    Bind();
    layout.SetFirstRow(10);
    layout.RecalcLayout();
    EXPECT_EQ(layout.GetChartRect().top, -120);
    EXPECT_EQ(layout.GetChartGridRect(), CRect(530, -120, 2740, -120));
}

TEST_F(PageLayoutTest, ItemColumns) {
    Bind();
    // 33, 33 and 34 % of 500 units.
    const std::vector<std::tuple<int, int, int>> edges = {
        {0, -1, 0}, {0, 1, 165}, {1, 0, 167}, {1, 1, 330}, {2, 1, 500}, {5, 1, 500}, {-3, -1, 0}};
    for (const auto& [column, edge, x] : edges) {
        EXPECT_EQ(layout.ColumnToX(column, edge), x) << column << " " << edge;
    }
    const std::vector<std::pair<int, int>> columns = {{-5, 0},  {0, 0},   {1, 0},   {166, 0},
                                                      {167, 1}, {331, 1}, {332, 2}, {499, 2},
                                                      {500, 2}, {900, 2}};
    for (const auto& [x, column] : columns) {
        EXPECT_EQ(layout.XToColumn(x), column) << x;
    }
    EXPECT_EQ(layout.HitColumnBorder(168, -500), 0);
    EXPECT_EQ(layout.HitColumnBorder(326, -500), 1);
    EXPECT_EQ(layout.HitColumnBorder(170, -500), -1);
    EXPECT_EQ(layout.HitColumnBorder(168, -50), -1); // in the date band
}

TEST_F(PageLayoutTest, NoItemTableGivesTheItemAreasLeftEdge) {
    class NoTable : public LayoutDoc {
    public:
        const CKoumoku* GetKoumoku() const override { return nullptr; }
    } bare;
    ASSERT_TRUE(bare.set.GetPageSetting().SetPaper(kPaperA4, 0, kMaster, -1));
    bare.set.SetEndDate(CTime(86400 * 30));
    layout.Init(&bare);
    const CRect items = layout.GetKoumokuRect();
    EXPECT_EQ(layout.ColumnToX(0, -1), items.left);
    EXPECT_EQ(layout.ColumnToX(3, 1), items.left);
    EXPECT_EQ(layout.XToColumn(items.left + 100), 0);
    EXPECT_EQ(layout.HitColumnBorder(items.left + 2, -500), -1);
}

// ---- Zones --------------------------------------------------------------------------------------

TEST_F(PageLayoutTest, HitZones) {
    Bind();
    const std::vector<std::tuple<int, int, int>> cases = {
        {1000, -50, CPageLayout::kZoneDateBand}, // date band right of the item area
        {100, -50, CPageLayout::kZoneAreaName},  // left of it
        {500, -50, CPageLayout::kZoneDateBand},  // on the item area's right edge
        {100, 0, CPageLayout::kZoneAreaName},    // the top edge belongs to the band
        {100, -500, CPageLayout::kZoneKoumoku},  //
        {1000, -500, CPageLayout::kZoneChart},   //
        {1000, -120, CPageLayout::kZoneChart},   // the chart's top edge
        {510, -500, CPageLayout::kZoneKoutei},   // the process area left of the inset
        {2750, -500, CPageLayout::kZoneKoutei},  // and right of it
        {2770, -500, CPageLayout::kZoneNone},    // the page frame's right edge is outside
        {100, -1600, CPageLayout::kZoneNone},    // and its bottom edge
        {0, -50, CPageLayout::kZoneAreaName},    // its left edge is inside
        {530, -500, CPageLayout::kZoneChart},    // the chart's left edge is inside
        {2740, -500, CPageLayout::kZoneKoutei},  // its right edge is not
        {1000, -1599, CPageLayout::kZoneChart},  // above its bottom edge
        {-1, -50, CPageLayout::kZoneNone},       //
        {100, 10, CPageLayout::kZoneNone},       // the header above the page
    };
    for (const auto& [x, y, zone] : cases) {
        EXPECT_EQ(layout.HitZone(x, y), zone) << x << ", " << y;
    }
    // With the header shown, the header area is on the page but hits nothing.
    layout.SetHeader(ShownHeader());
    layout.RecalcLayout();
    EXPECT_EQ(layout.HitZone(100, -100), CPageLayout::kZoneNone);
    EXPECT_EQ(layout.HitZone(100, -350), CPageLayout::kZoneAreaName);
}

// ---- Object rectangles --------------------------------------------------------------------------

TEST_F(PageLayoutTest, ItemCellBoundsCoverItsRow) {
    Bind();
    CKoumokuData cell;
    cell.SetRow(2);
    EXPECT_EQ(layout.GetObjectBounds(nullptr, &cell, 0), CRect(0, -218, 500, -268));
    // Selected as a whole row, or a row with ruled lines: up to the process area's right edge.
    cell.SetSelected(255);
    EXPECT_EQ(layout.GetObjectBounds(nullptr, &cell, 0), CRect(0, -218, 2770, -268));
    cell.SetSelected(1);
    doc.table.SetKeisenType(2, 1);
    EXPECT_EQ(layout.GetObjectBounds(nullptr, &cell, 0), CRect(0, -218, 2770, -268));
    // In device units (identity mapping): inflated by 10, top above bottom.
    CRecordingDC screen;
    EXPECT_EQ(layout.GetObjectBounds(&screen, &cell, 0), CRect(-10, -278, 2780, -208));

    const CDataHeader other = Record(kTypeKoumoku, 2);
    EXPECT_TRUE(layout.GetObjectBounds(nullptr, &other, 0).IsRectNull());
    EXPECT_TRUE(layout.GetObjectBounds(nullptr, nullptr, 0).IsRectNull());
}

struct KouteiCase {
    const char* name;
    int styleCode;
    WORD countWord;
    int index;
    int shigenMode;
    CRect bounds;
};

TEST_F(PageLayoutTest, ProcessBoundsAreWidenedByItsLinesNodesTermsAndResources) {
    doc.set.GetChart().GetLandAttr().m_radius = 9;
    doc.set.GetChart().SetBarHeight(18);
    Bind();
    doc.parts.start = CPoint(1000, -300);
    doc.parts.end = CPoint(600, -300);
    doc.parts.extraY = -500;
    doc.parts.fontHeight = -40;
    // Node sizes 100 % and 200 % of 9: 18 on every side.
    doc.parts.startNodeSize = 100;
    doc.parts.endNodeSize = 200;
    doc.parts.terms = CRect(900, -200, 1200, -100);
    doc.parts.resources = CRect(400, -600, 700, -650);
    const std::vector<KouteiCase> cases = {
        {"plain line", 0, 0, -1, 0, {582, -282, 1018, -318}},
        // Two text lines of 40 units each 150 %: 60 above and below.
        {"text lines", 0x80, 0x0203, -1, 0, {582, -222, 1018, -378}},
        // Three bars of 18 units each 150 %: 40 above and below.
        {"bars", 0x40, 0x0203, -1, 0, {582, -242, 1018, -358}},
        {"line to another row", 6, 0, -1, 0, {582, -282, 1018, -518}},
        {"with terms", 0, 0, 0, 0, {582, -100, 1200, -318}},
        {"with resources", 0, 0, -1, 1, {400, -282, 1018, -650}},
    };
    CDataHeader process = Record(kTypeKoutei, kKindKoutei);
    for (const KouteiCase& c : cases) {
        doc.parts.styleCode = c.styleCode;
        doc.parts.countWord = c.countWord;
        layout.SetShigenDispMode(c.shigenMode);
        EXPECT_EQ(layout.GetObjectBounds(nullptr, &process, c.index), c.bounds) << c.name;
    }
    EXPECT_EQ(doc.asked.front(), std::make_pair(false, false));
    EXPECT_EQ(doc.asked.back(), std::make_pair(false, true));

    // Only the process itself has bounds of its own; a process without a line has none.
    const CDataHeader node = Record(kTypeKoutei, kKindLand);
    EXPECT_TRUE(layout.GetObjectBounds(nullptr, &node, 0).IsRectNull());
    doc.hasParts = false;
    EXPECT_TRUE(layout.GetObjectBounds(nullptr, &process, 0).IsRectNull());
}

TEST_F(PageLayoutTest, RecordBoundsOfShapesEventsProgressLinesAndCharts) {
    Bind();
    doc.recordBounds = CRect(1210, -700, 1000, -500);
    const std::vector<std::pair<CDataHeader, CRect>> cases = {
        {Record(kTypeShincyoku, 1), {1000, -500, 1210, -700}},
        {Record(kTypeEvent, 1), {1000, -500, 1210, -700}},
        {Record(kTypeChart, 1), {1000, -500, 1210, -700}},
        {Record(kTypeZukei, 3), {1000, -500, 1210, -700}},
        // The totals block: at least 40 more on either side (210 / 7 is less).
        {Record(kTypeZukei, 18), {960, -500, 1250, -700}},
        {Record(5, 1), {0, 0, 0, 0}},
    };
    for (const auto& [record, bounds] : cases) {
        EXPECT_EQ(layout.GetObjectBounds(nullptr, &record, 0), bounds)
            << record.GetType() << "/" << record.GetKind();
    }
    doc.recordBounds = CRect(0, 0, 700, -100);
    const CDataHeader wide = Record(kTypeZukei, 18);
    EXPECT_EQ(layout.GetObjectBounds(nullptr, &wide, 0), CRect(-100, 0, 800, -100));
}

TEST_F(PageLayoutTest, LineAndHatchRectangles) {
    Bind();
    CChartPos pos;
    pos.SetStartDate(Day(2010, 4, 2));
    pos.SetEndDate(Day(2010, 4, 4));
    pos.SetStartRow(1);
    pos.SetEndRow(3);
    EXPECT_EQ(layout.GetLineRect(nullptr, pos, FALSE), CRect(603, -193, 751, -292));
    pos.SetStartRow(0xFFFF); // negative: from the date band's top
    pos.SetEndRow(9999);     // to the process area's bottom
    EXPECT_EQ(layout.GetLineRect(nullptr, pos, FALSE), CRect(603, 0, 751, -1600));
    CRecordingDC screen;
    EXPECT_EQ(layout.GetLineRect(&screen, pos, TRUE), CRect(593, -1610, 761, 10));
    EXPECT_EQ(layout.GetLineRect(&screen, pos, FALSE), CRect(603, 0, 751, -1600));

    CKtkmHatch hatch;
    hatch.SetStartDate(Day(2010, 4, 4));
    hatch.SetEndDate(Day(2010, 4, 2));
    hatch.SetFirstRow(1);
    hatch.SetLastRow(2);
    hatch.SetFirstColumn(1);
    hatch.SetLastColumn(2);
    const std::vector<std::pair<WORD, CRect>> kinds = {
        {CKtkmHatch::kRowBand, {500, -169, 2770, -268}},
        {CKtkmHatch::kDateBand, {603, -120, 751, -1600}},
        {CKtkmHatch::kKoumokuCells, {165, -120, 500, -1600}},
        {7, {0, 0, 0, 0}},
    };
    for (const auto& [kind, rect] : kinds) {
        hatch.SetKind(kind);
        CRect out(1, 1, 1, 1);
        layout.GetObjectRect(out, nullptr, hatch, FALSE);
        EXPECT_EQ(out, rect) << kind;
    }
}

// ---- Embedded items -----------------------------------------------------------------------------

class TestItem : public ILayoutCntrItem {
public:
    CRect rect{100, -100, 300, -200};
    bool whiteBack = false;
    bool frame = false;
    bool picture = false;
    mutable std::vector<CRect> drawn;

    CRect GetDeviceRect(const CPageLayout&, CDC*) const override { return rect; }
    bool IsWhiteBack() const override { return whiteBack; }
    bool HasFrame() const override { return frame; }
    bool HasPicture() const override { return picture; }
    void DrawPicture(CDC* dc, const CRect& r) const override {
        drawn.push_back(r);
        dc->Ellipse(&r);
    }
};

TEST_F(PageLayoutTest, EmbeddedItemRectangleAndDrawing) {
    Bind();
    TestItem item;
    CRecordingDC screen;
    EXPECT_EQ(layout.GetCntrItemRect(&screen, item, FALSE), CRect(100, -100, 300, -200));
    EXPECT_EQ(layout.GetCntrItemRect(&screen, item, TRUE), CRect(90, -210, 310, -90));

    // Nothing asked for: nothing drawn.
    layout.DrawCntrItem(&screen, item);
    EXPECT_TRUE(screen.Drawings().empty());

    item.whiteBack = item.frame = item.picture = true;
    layout.DrawCntrItem(&screen, item);
    const auto drawings = screen.Drawings();
    ASSERT_EQ(drawings.size(), 3u) << screen.Dump();
    EXPECT_EQ(drawings[0].op, DcOp::Rectangle);
    EXPECT_TRUE(drawings[0].pen.IsNull());
    EXPECT_EQ(drawings[0].brush.color, RGB(255, 255, 255));
    EXPECT_EQ(drawings[1].op, DcOp::Ellipse);
    EXPECT_EQ(drawings[2].op, DcOp::Rectangle);
    EXPECT_FALSE(drawings[2].pen.IsNull());
    EXPECT_EQ(drawings[2].pen.color, RGB(0, 0, 0));
    EXPECT_TRUE(drawings[2].brush.IsNull());
    EXPECT_EQ(item.drawn.back(), CRect(100, -100, 300, -200));

    // The picture of a flipped chart is drawn upside down.
    DrawSettings flipped = GetDrawSettings();
    const DrawSettings saved = flipped;
    flipped.flipY = true;
    SetDrawSettings(flipped);
    item.whiteBack = item.frame = false;
    layout.DrawCntrItem(&screen, item);
    SetDrawSettings(saved);
    EXPECT_EQ(item.drawn.back(), CRect(100, 100, 300, 200));
}

// ---- Binding and extent -------------------------------------------------------------------------

TEST_F(PageLayoutTest, InitCopiesTheSettingsAndResetsTheDisplayState) {
    doc.set.SetMaeYohaku(CTimeSpan(3, 0, 0, 0));
    doc.set.SetAtoYohaku(CTimeSpan(4, 0, 0, 0));
    doc.set.SetFixedFirstRow(2);
    doc.set.SetFixedLastRow(4);
    layout.SetZoomIndex(6);
    layout.SetZoomPercent(80);
    layout.SetOutputMode(2);
    layout.SetScrolledDown(TRUE);
    layout.SetClipPass(TRUE);
    layout.SetDrawPassFlag(TRUE);
    layout.SetSimpleText(TRUE);
    layout.SetHyperlinkMark(FALSE);
    layout.SetHeader(ShownHeader());
    Bind();
    EXPECT_EQ(layout.GetDocument(), &doc);
    EXPECT_EQ(layout.GetView(), &doc);
    EXPECT_EQ(layout.GetZoom(), 100);
    EXPECT_EQ(layout.GetOutputMode(), 0);
    EXPECT_EQ(layout.GetHeader(), nullptr);
    EXPECT_EQ(layout.GetShigenDispMode(), 1);
    EXPECT_FALSE(layout.IsScrolledDown());
    EXPECT_FALSE(layout.GetClipPass());
    EXPECT_FALSE(layout.GetDrawPassFlag());
    EXPECT_FALSE(layout.IsSimpleText());
    EXPECT_TRUE(layout.IsHyperlinkMark());
    EXPECT_EQ(layout.GetStartDate(), Day(2010, 4, 1));
    EXPECT_EQ(layout.GetEndDate(), Day(2010, 4, 30));
    EXPECT_EQ(layout.GetDrawStart(), Day(2010, 4, 4));
    EXPECT_EQ(layout.GetDrawEnd(), Day(2010, 4, 26));
    EXPECT_EQ(layout.GetFirstRow(), 0);
    EXPECT_EQ(layout.GetLastRow(), 29);
    EXPECT_EQ(layout.GetRowCount(), 30);
    EXPECT_EQ(layout.GetAltFirstRow(), 2);
    EXPECT_EQ(layout.GetAltLastRow(), 4);
    EXPECT_EQ(layout.GetAltRowCount(), 3);
    EXPECT_EQ(layout.GetChartRect(), CRect(530, -120, 2740, -1600));

    // The scaled settings of the process drawing.
    doc.set.GetChart().GetLandAttr().m_radius = 9;
    doc.set.GetChart().SetCornerSize(10);
    doc.set.GetChart().SetInclined(21);
    doc.set.GetChart().SetBarHeight(18);
    layout.SetZoomIndex(5);
    EXPECT_EQ(layout.GetScaledKouteiSize(), 18);
    EXPECT_EQ(layout.GetScaledCornerSize(), 20);
    EXPECT_EQ(layout.GetScaledInclined(), 42);
    EXPECT_EQ(layout.GetScaledBarHeight(), 36);
}

TEST_F(PageLayoutTest, UnboundLayoutAnswersWithoutASettingsRecord) {
    layout.Init(nullptr);
    EXPECT_EQ(layout.GetDocument(), nullptr);
    EXPECT_EQ(layout.GetChartRect(), CRect());
    EXPECT_EQ(layout.DateToX(Day(2010, 4, 1)), 0);
    EXPECT_EQ(layout.RowToY(3, 1), 0);
    EXPECT_EQ(layout.XToColumn(10), 0);
    EXPECT_FALSE(layout.IsZoomPossible(3));
    EXPECT_EQ(layout.GetScaledKouteiSize(), 0);
}

TEST_F(PageLayoutTest, ExtentOfTheEmbeddedPicture) {
    Bind();
    layout.SetOutputMode(1);
    layout.RecalcForExtent(10, 5);
    // Ten days from the start end at 11 April; rows 0 to 4.
    EXPECT_EQ(layout.GetChartRect(), CRect(530, -120, 1266, -366));
    EXPECT_EQ(layout.GetKouteiRect(), CRect(500, -120, 1296, -366));
    EXPECT_EQ(layout.GetKoumokuRect().bottom, -366);
    EXPECT_EQ(layout.GetEditRect(), CRect(0, -120, 1296, -366));
    EXPECT_EQ(layout.GetBodyRect(), CRect(0, 0, 1296, -120));
    EXPECT_EQ(layout.GetPageRect(), CRect(0, 0, 1296, -366));
    EXPECT_EQ(layout.GetEndDate(), Day(2010, 4, 10));
    EXPECT_EQ(layout.GetLastRow(), 4);
    EXPECT_EQ(layout.GetDayCount(), 10);
}

} // namespace
} // namespace tembra
