// The page layout on its paper (see PageLayoutFixture.h): the areas of every shipped paper on
// screen and in a print job, the print margins, the zoom table and when a zoom is possible, and
// what binding the layout to a document copies and resets.
#include "PageLayoutFixture.h"

#include "model/DataHeader.h"
#include "model/PrintArea.h"
#include "platform/RecordingDC.h"

#include <tuple>
#include <utility>
#include <vector>

namespace tembra {
namespace {

using test::Day;
using test::kMaster;
using test::PageLayoutTest;
using test::ShownHeader;

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
