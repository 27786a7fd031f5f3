// The area-name header over the item columns of the A4 chart: at 100 % it spans x 0..500 and
// y 0..-120, the item columns end at 165, 330 and 500.
#include "ChartTestDoc.h"

#include "support/Cp932Text.h"

#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

namespace tembra::test {
namespace {

using Segment = std::pair<CPoint, CPoint>;

class AreaNameTest : public ChartTest {
protected:
    AreaNameTest() {
        names().SetDefaults();
        LOGFONT font;
        font.lfHeight = -32;
        font.lfWidth = 16;
        font.lfWeight = 400;
        doc.set.GetChart().SetKoumokuFont(font);
        DateRows({kDateRowYear, kDateRowMonth, kDateRowDay});
    }
    CAreaNameSet& names() { return doc.set.GetChart().GetAreaNameSet(); }
    void DateRows(const std::vector<WORD>& kinds) {
        for (int i = 0; i < kDateRowMax; ++i) {
            doc.set.SetDateRowKind(i, i < static_cast<int>(kinds.size()) ? kinds[i] : 0);
        }
    }
    void Style(WORD style, WORD split) {
        names().SetStyle(style);
        names().SetBunkatuOpt(split);
    }
    std::unique_ptr<CRecordingDC> Paint() {
        Bind();
        auto dc = Screen();
        layout.DrawHeaderCells(dc.get());
        return dc;
    }
    static std::vector<Segment> Segments(const CRecordingDC& dc) {
        std::vector<Segment> segments;
        for (const DrawnLine& line : DrawnLines(dc)) {
            segments.emplace_back(line.from, line.to);
        }
        return segments;
    }
};

constexpr WORD kBoth = CAreaNameSet::kSplitByColumns | CAreaNameSet::kSplitByRows;

// ---- Standard style -----------------------------------------------------------------------------

TEST_F(AreaNameTest, StandardStyleDrawsTheDiagonalAndBothHeadings) {
    Style(CAreaNameSet::kStyleStandard, kBoth);
    const auto dc = Paint();
    const auto lines = DrawnLines(*dc);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].from, CPoint(0, 0));
    EXPECT_EQ(lines[0].to, CPoint(500, -120));
    EXPECT_EQ(lines[0].pen.width, 3);
    EXPECT_EQ(lines[0].pen.color, RGB(0, 0, 0));

    const auto texts = dc->Find(DcOp::TextOut);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].args.text, J("作業"));
    EXPECT_EQ(texts[0].args.points[0], CPoint(10, -110));
    EXPECT_EQ(texts[0].textAlign, static_cast<UINT>(TA_BOTTOM));
    EXPECT_EQ(texts[1].args.text, J("期間"));
    EXPECT_EQ(texts[1].args.points[0], CPoint(490, -10));
    EXPECT_EQ(texts[1].textAlign, static_cast<UINT>(TA_RIGHT));
    for (const auto& t : texts) {
        EXPECT_EQ(t.font.lfHeight, -32);
        EXPECT_EQ(t.bkMode, TRANSPARENT);
    }
}

TEST_F(AreaNameTest, EmptyHeadingLeavesTheDiagonalAlone) {
    Style(CAreaNameSet::kStyleStandard, 0);
    names().SetKoumokuName("");
    names().SetHizukeName("");
    const auto dc = Paint();
    EXPECT_EQ(DrawnLines(*dc).size(), 1u);
    EXPECT_TRUE(dc->Find(DcOp::TextOut).empty());
}

// A heading in its own bold font, scaled by the zoom with the header.
TEST_F(AreaNameTest, HeadingsTakeTheirOwnFontBoldAndZoomed) {
    Style(CAreaNameSet::kStyleStandard, 0);
    auto own = std::make_unique<CAreaNameDataStd>(1);
    LOGFONT font;
    font.lfHeight = -40;
    font.lfWidth = 20;
    font.lfWeight = 400;
    own->SetLogFont(font);
    own->SetOwnFont(1);
    own->SetStyle(CAreaNameData::kStyleBold);
    own->SetText("A");
    names().ReplaceHizukeCell(std::move(own));
    Bind();
    layout.SetZoomIndex(1); // 50 %
    layout.RecalcLayout();
    auto dc = Screen();
    layout.DrawHeaderCells(dc.get());
    const auto texts = dc->Find(DcOp::TextOut);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].font.lfHeight, -16); // the item font at 50 %
    EXPECT_EQ(texts[0].font.lfWeight, 400);
    EXPECT_EQ(texts[1].font.lfHeight, -20);
    EXPECT_EQ(texts[1].font.lfWidth, 10);
    EXPECT_EQ(texts[1].font.lfWeight, 700);
    EXPECT_EQ(texts[1].args.points[0], CPoint(250 - 10, -10));
}

// ---- Grid style ---------------------------------------------------------------------------------

TEST_F(AreaNameTest, GridWithoutSplitsIsOneCellWithoutLines) {
    Style(CAreaNameSet::kStyleGrid, 0);
    names().FindGrid(0, 0)->SetText("A");
    const auto dc = Paint();
    EXPECT_TRUE(DrawnLines(*dc).empty());
    const auto texts = dc->Find(DcOp::TextOut);
    ASSERT_EQ(texts.size(), 1u);
    // Centred in the whole header: the text's 32 units of height around y = -60.
    EXPECT_EQ(texts[0].args.points[0], CPoint(250, -44));
    EXPECT_EQ(texts[0].textAlign, static_cast<UINT>(TA_CENTER));
}

// At 75 % the header is 375 wide and 90 tall: four date rows of 22 (rounded towards zero)
// start at 0, -22, -44 and -66 and end at -24, -46, -68 and -90, as the date header cuts them.
TEST_F(AreaNameTest, GridSplitByRowsMeetsTheDateRows) {
    Style(CAreaNameSet::kStyleGrid, kBoth);
    DateRows({kDateRowYear, kDateRowMonth, kDateRowDay, kDateRowWeekday});
    Bind();
    layout.SetZoomIndex(2);
    layout.RecalcLayout();
    auto dc = Screen();
    layout.DrawHeaderCells(dc.get());
    std::vector<Segment> expected;
    // Columns end at 123, 247 and 375; the grid cells cover three date rows.
    const int edges[] = {0, 123, 247, 375};
    const int tops[] = {0, -22, -44};
    const int bottoms[] = {-24, -46, -68};
    for (int c = 0; c < 3; ++c) {
        for (int i = 0; i < 3; ++i) {
            expected.emplace_back(CPoint(edges[c + 1], tops[i]), CPoint(edges[c + 1], bottoms[i]));
            expected.emplace_back(CPoint(edges[c], bottoms[i]), CPoint(edges[c + 1], bottoms[i]));
        }
    }
    EXPECT_EQ(Segments(*dc), expected);
}

TEST_F(AreaNameTest, GridSplitByColumnsOnlyRunsItsLinesDownTheWholeHeader) {
    Style(CAreaNameSet::kStyleGrid, CAreaNameSet::kSplitByColumns);
    const auto dc = Paint();
    EXPECT_EQ(Segments(*dc),
              (std::vector<Segment>{
                  {{165, 0}, {165, -120}}, {{330, 0}, {330, -120}}, {{500, 0}, {500, -120}}}));
}

TEST_F(AreaNameTest, GridCellsDrawTheirOwnLinesAndMissingCellsAreSkipped) {
    Style(CAreaNameSet::kStyleGrid, CAreaNameSet::kSplitByRows);
    names().RemoveAll();
    // Row 1 has no cell; row 2 hides its line.
    auto first = std::make_unique<CAreaNameDataGrid>(0, 0);
    first->SetLine2Type(3);
    first->SetLine2Width(2);
    first->SetLine2Color(RGB(255, 0, 0));
    names().ReplaceGrid(0, 0, std::move(first));
    auto hidden = std::make_unique<CAreaNameDataGrid>(2, 0);
    hidden->SetLine2Type(-1);
    names().ReplaceGrid(2, 0, std::move(hidden));
    const auto dc = Paint();
    const auto lines = DrawnLines(*dc);
    ASSERT_EQ(lines.size(), 1u) << dc->Dump();
    EXPECT_EQ(lines[0].from, CPoint(0, -40));
    EXPECT_EQ(lines[0].to, CPoint(500, -40));
    EXPECT_EQ(lines[0].pen.width, 6);
    EXPECT_EQ(lines[0].pen.color, RGB(255, 0, 0));
    EXPECT_EQ(lines[0].pen.LineStyle(), static_cast<UINT>(PS_DASHDOT));
}

// ---- Slant style --------------------------------------------------------------------------------

TEST_F(AreaNameTest, SlantStyleFansItsLinesFromTheTopLeftCorner) {
    Style(CAreaNameSet::kStyleSlant, kBoth);
    names().FindSlantRow(0)->SetText("D");
    names().FindSlantColumn(1)->SetText("C");
    const auto dc = Paint();
    // The column edges, the diagonal, then the date rows from the bottom up.
    EXPECT_EQ(Segments(*dc), (std::vector<Segment>{{{0, 0}, {165, -120}},
                                                   {{0, 0}, {330, -120}},
                                                   {{0, 0}, {500, -120}},
                                                   {{0, 0}, {500, -120}},
                                                   {{0, 0}, {500, -80}},
                                                   {{0, 0}, {500, -40}}}));
    const auto texts = dc->Find(DcOp::TextOut);
    ASSERT_EQ(texts.size(), 2u);
    // The column's triangle (0, 0), (165, -120), (330, -120): left aligned at the bottom.
    EXPECT_EQ(texts[0].args.text, "C");
    EXPECT_EQ(texts[0].args.points[0], CPoint(170, -115));
    // Row 0 names the triangle along the lowest date row, (0, 0), (500, -80), (500, -120):
    // right aligned at its top.
    EXPECT_EQ(texts[1].args.text, "D");
    EXPECT_EQ(texts[1].args.points[0], CPoint(495, -85));
    EXPECT_EQ(texts[1].textAlign, static_cast<UINT>(TA_RIGHT));
}

// ---- No date rows -------------------------------------------------------------------------------

// A settings record whose first date row is "none" has no rows to split by: the header is one
// row, and nothing divides by the row count.
TEST_F(AreaNameTest, WithoutDateRowsTheHeaderIsOneRow) {
    DateRows({});
    ASSERT_EQ(doc.set.GetDateRowCount(), 0);

    Style(CAreaNameSet::kStyleGrid, kBoth);
    auto dc = Paint();
    EXPECT_EQ(Segments(*dc),
              (std::vector<Segment>{
                  {{165, 0}, {165, -120}}, {{330, 0}, {330, -120}}, {{500, 0}, {500, -120}}}))
        << dc->Dump();

    Style(CAreaNameSet::kStyleSlant, kBoth);
    names().FindSlantRow(0)->SetText("D");
    dc = Paint();
    EXPECT_EQ(Segments(*dc).size(), 4u); // the three columns and the diagonal
    EXPECT_EQ(dc->Find(DcOp::TextOut).size(), 1u);
}

} // namespace
} // namespace tembra::test
