// The hatching pass over the A4 chart (rows 0..29 from y = -120, item columns of 33, 33 and 34 %
// of 500 units), printed in the first print mode so that the bands are exact.
#include "ChartTestDoc.h"

#include <gtest/gtest.h>

#include <vector>

namespace tembra::test {
namespace {

constexpr COLORREF kGreen = RGB(0, 160, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

class HatchingTest : public ChartTest {
protected:
    void Cell(int row, int column, COLORREF color, WORD pattern = 99) {
        Cells(row, row, column, column, color, pattern);
    }
    void Cells(int firstRow, int lastRow, int firstColumn, int lastColumn, COLORREF color,
               WORD pattern = 99) {
        CKtkmHatch& hatch = doc.AddHatch(CKtkmHatch::kKoumokuCells, color, pattern);
        hatch.SetFirstRow(firstRow);
        hatch.SetLastRow(lastRow);
        hatch.SetFirstColumn(firstColumn);
        hatch.SetLastColumn(lastColumn);
    }
    void Rows(int first, int last, COLORREF color) {
        CKtkmHatch& hatch = doc.AddHatch(CKtkmHatch::kRowBand, color, 99);
        hatch.SetFirstRow(first);
        hatch.SetLastRow(last);
    }
    // The rectangles drawn over the item area, as the rows and columns they cover, in drawing
    // order; and over the process area.
    struct Band {
        CRect rect;
        COLORREF color;
        bool operator==(const Band&) const = default;
    };
    std::vector<Band> Drawn(const CRecordingDC& dc, bool items) const {
        std::vector<Band> bands;
        for (const auto& r : dc.Find(DcOp::Rectangle)) {
            if ((r.args.rect.left < 500) == items) {
                const CRect& a = r.args.rect;
                bands.push_back({CRect(a.left, a.top, a.right - 1, a.bottom + 1), r.brush.color});
            }
        }
        return bands;
    }
    CRect CellsRect(int firstRow, int lastRow, int column) const {
        return CRect(layout.ColumnToX(column, -1), layout.RowToY(firstRow, -1),
                     layout.ColumnToX(column, 1), layout.RowToY(lastRow, 1));
    }
    std::unique_ptr<CRecordingDC> Paint(int y1 = 0, int y2 = 0) {
        Bind();
        layout.SetOutputMode(1);
        auto dc = Screen();
        layout.DrawHatching(dc.get(), y1, y2);
        return dc;
    }
};

TEST_F(HatchingTest, AdjacentCellsOfOneFillAreOneBand) {
    Cell(3, 1, kGreen);
    Cell(4, 1, kGreen);
    const auto dc = Paint();
    EXPECT_EQ(Drawn(*dc, true), (std::vector<Band>{{CellsRect(3, 4, 1), kGreen}}));
}

TEST_F(HatchingTest, CellsOfDifferentFillsOrWithAGapAreSeparateBands) {
    Cell(3, 1, kGreen);
    Cell(4, 1, kBlue);
    Cell(6, 1, kBlue);
    // The same colour in another pattern is another fill.
    Cell(7, 1, kBlue, 203);
    const auto dc = Paint();
    const auto bands = Drawn(*dc, true);
    ASSERT_EQ(bands.size(), 4u);
    EXPECT_EQ(bands[0], (Band{CellsRect(3, 3, 1), kGreen}));
    EXPECT_EQ(bands[1], (Band{CellsRect(4, 4, 1), kBlue}));
    EXPECT_EQ(bands[2], (Band{CellsRect(6, 6, 1), kBlue}));
    EXPECT_EQ(bands[3].rect, CellsRect(7, 7, 1));
}

// A block of cells runs down each of its columns; a later record over a cell takes its place.
TEST_F(HatchingTest, BlocksRunDownEachColumnAndLaterRecordsWin) {
    Cells(3, 5, 0, 1, kGreen);
    Cell(4, 1, kBlue);
    const auto dc = Paint();
    EXPECT_EQ(Drawn(*dc, true), (std::vector<Band>{{CellsRect(3, 5, 0), kGreen},
                                                   {CellsRect(3, 3, 1), kGreen},
                                                   {CellsRect(4, 4, 1), kBlue},
                                                   {CellsRect(5, 5, 1), kGreen}}));
}

TEST_F(HatchingTest, CellsOutsideTheDisplayedRowsOrColumnsAreLeftOut) {
    Cell(30, 0, kGreen);
    Cell(2, 3, kGreen);
    Cell(2, -1, kGreen);
    Cells(28, 35, 2, 5, kBlue);
    const auto dc = Paint();
    EXPECT_EQ(Drawn(*dc, true), (std::vector<Band>{{CellsRect(28, 29, 2), kBlue}}));
}

// Bands of rows and dates are drawn in list order within the process area, the merged cells
// afterwards within the item area.
TEST_F(HatchingTest, BandsAreClippedToTheirAreas) {
    Cell(3, 0, kGreen);
    Rows(1, 2, kBlue);
    CKtkmHatch& dates = doc.AddHatch(CKtkmHatch::kDateBand, kGreen, 99);
    dates.SetStartDate(Day(2000, 1, 10));
    dates.SetEndDate(Day(2000, 1, 12));
    const auto dc = Paint();

    std::vector<std::pair<DcOp, CRect>> calls;
    for (const auto& r : dc->Records()) {
        if (r.op == DcOp::IntersectClipRect || r.op == DcOp::Rectangle) {
            calls.emplace_back(r.op, r.args.rect);
        }
    }
    ASSERT_EQ(calls.size(), 5u);
    EXPECT_EQ(calls[0], std::make_pair(DcOp::IntersectClipRect, CRect(500, -120, 2770, -1600)));
    EXPECT_EQ(calls[1].second.left, 500); // rows 1..2
    EXPECT_EQ(calls[2].second.left, layout.DateToX(Day(2000, 1, 10)));
    EXPECT_EQ(calls[3], std::make_pair(DcOp::IntersectClipRect, CRect(0, -120, 500, -1600)));
    EXPECT_EQ(calls[4].second.left, 0);
    // The device context is as it was.
    EXPECT_EQ(dc->Find(DcOp::SaveDC).size(), dc->Find(DcOp::RestoreDC).size());
    CRect box;
    EXPECT_NE(dc->GetClipBox(&box), NULLREGION);
    EXPECT_GT(box.right, 2770);
}

TEST_F(HatchingTest, AResourceChartsBandReplacesTheClipsTopAndBottom) {
    Rows(8, 12, kBlue);
    const auto dc = Paint(-500, -800);
    const auto clips = dc->Find(DcOp::IntersectClipRect);
    ASSERT_EQ(clips.size(), 2u);
    EXPECT_EQ(clips[0].args.rect, CRect(500, -500, 2770, -800));
    EXPECT_EQ(clips[1].args.rect, CRect(0, -500, 500, -800));
    EXPECT_EQ(Drawn(*dc, false).size(), 1u);
}

// A layout that shows more rows than the item table's first hundred and fifty.
TEST_F(HatchingTest, CellsOfEveryDisplayedRowAreMerged) {
    ChartTest::Rows(0, 399);
    for (int row = 150; row < 400; ++row) {
        Cell(row, 2, kGreen);
    }
    const auto dc = Paint();
    EXPECT_EQ(Drawn(*dc, true), (std::vector<Band>{{CellsRect(150, 399, 2), kGreen}}));
}

// A repaint of the top of the chart enters only the cells of the rows it shows.
TEST_F(HatchingTest, RepaintOfAStripTakesOnlyItsRows) {
    Cell(2, 0, kGreen);
    Cell(25, 0, kBlue);
    Bind();
    layout.SetOutputMode(1);
    auto dc = Screen();
    // Device pixels 0..100: y 0..-264 in 0.1 mm, rows 0..2.
    dc->SetUpdateRect(CRect(0, 0, 1920, 100));
    layout.DrawHatching(dc.get(), 0, 0);
    EXPECT_EQ(Drawn(*dc, true), (std::vector<Band>{{CellsRect(2, 2, 0), kGreen}}));
}

} // namespace
} // namespace tembra::test
