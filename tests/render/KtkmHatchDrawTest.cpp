// A hatching record drawn on the A4 chart: rows 0..29 of 1480 / 30 units from y = -120, item
// columns of 33, 33 and 34 % of the 500 units of the item area.
#include "render/KtkmHatchDraw.h"

#include "ChartTestDoc.h"

#include <gtest/gtest.h>

#include <optional>

namespace tembra::test {
namespace {

class KtkmHatchDrawTest : public ChartTest {
protected:
    KtkmHatchDrawTest() { Bind(); }

    // The rectangle the record fills (as drawn: GDI's right + 1 and bottom - 1), if any.
    std::optional<CRect> Drawn(const CKtkmHatch& hatch, int clipTop = 0, int clipBottom = 0) {
        auto dc = Screen();
        Draw(hatch, dc.get(), layout, clipTop, clipBottom);
        const auto rects = dc->Find(DcOp::Rectangle);
        EXPECT_LE(rects.size(), 1u);
        if (rects.empty()) {
            EXPECT_TRUE(dc->Drawings().empty());
            return std::nullopt;
        }
        const CRect r = rects[0].args.rect;
        return CRect(r.left, r.top, r.right - 1, r.bottom + 1);
    }
    CKtkmHatch Hatch(WORD kind, int firstRow, int lastRow, int firstColumn = 0,
                     int lastColumn = 0) {
        CKtkmHatch hatch;
        hatch.SetKind(kind);
        hatch.SetFirstRow(firstRow);
        hatch.SetLastRow(lastRow);
        hatch.SetFirstColumn(firstColumn);
        hatch.SetLastColumn(lastColumn);
        hatch.SetStartDate(Day(2000, 1, 10));
        hatch.SetEndDate(Day(2000, 1, 20));
        hatch.SetColor(RGB(0, 128, 255));
        hatch.SetPattern(203);
        return hatch;
    }
    int Top(int row) const { return layout.RowToY(row, -1); }
    int Bottom(int row) const { return layout.RowToY(row, 1); }
};

// ---- The rectangles of the kinds ----------------------------------------------------------------

struct KindCase {
    const char* name;
    WORD kind;
    int outputMode;
    // Added on screen (and in the second print mode) to the right and the bottom.
    int rightGrowth;
    int bottomGrowth;
};

class HatchKindTest : public KtkmHatchDrawTest, public testing::WithParamInterface<KindCase> {};

TEST_P(HatchKindTest, FillsTheBandOfItsKind) {
    const KindCase& c = GetParam();
    layout.SetOutputMode(c.outputMode);
    const CKtkmHatch hatch = Hatch(c.kind, 2, 4, 1, 2);
    CRect expected;
    switch (c.kind) {
    case CKtkmHatch::kRowBand:
        expected = CRect(500, Top(2), 2770, Bottom(4));
        break;
    case CKtkmHatch::kDateBand:
        expected =
            CRect(layout.DateToX(Day(2000, 1, 10)), -120, layout.DateToX(Day(2000, 1, 20)), -1600);
        break;
    default:
        expected = CRect(165, Top(2), 500, Bottom(4));
        break;
    }
    expected.right += c.rightGrowth;
    expected.bottom -= c.bottomGrowth;
    EXPECT_EQ(Drawn(hatch), expected) << c.name;

    auto dc = Screen();
    Draw(hatch, dc.get(), layout, 0, 0);
    const auto rects = dc->Find(DcOp::Rectangle);
    ASSERT_EQ(rects.size(), 1u);
    const auto& r = rects[0];
    EXPECT_TRUE(r.pen.IsNull());
    EXPECT_EQ(r.brush.style, static_cast<UINT>(BS_PATTERN));
    EXPECT_EQ(r.textColor, RGB(0, 128, 255));
    EXPECT_EQ(r.rop2, R2_COPYPEN);
    EXPECT_EQ(r.bkMode, OPAQUE);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, HatchKindTest,
    testing::Values(KindCase{"rows on screen", CKtkmHatch::kRowBand, 0, 0, 2},
                    KindCase{"rows printed", CKtkmHatch::kRowBand, 1, 0, 0},
                    KindCase{"rows, second print mode", CKtkmHatch::kRowBand, 2, 0, 2},
                    KindCase{"dates on screen", CKtkmHatch::kDateBand, 0, 2, 0},
                    KindCase{"dates printed", CKtkmHatch::kDateBand, 1, 0, 0},
                    KindCase{"cells on screen", CKtkmHatch::kKoumokuCells, 0, 2, 2},
                    KindCase{"cells printed", CKtkmHatch::kKoumokuCells, 1, 0, 0}));

TEST_F(KtkmHatchDrawTest, RowsAreCutToTheDisplayedOnes) {
    layout.SetOutputMode(1);
    EXPECT_EQ(Drawn(Hatch(CKtkmHatch::kRowBand, 25, 40)), CRect(500, Top(25), 2770, Bottom(29)));
    EXPECT_EQ(Drawn(Hatch(CKtkmHatch::kKoumokuCells, -3, 1, 0, 0)),
              CRect(0, Top(0), 165, Bottom(1)));
    // Wholly below or above the displayed rows: nothing.
    EXPECT_EQ(Drawn(Hatch(CKtkmHatch::kRowBand, 30, 45)), std::nullopt);
    EXPECT_EQ(Drawn(Hatch(CKtkmHatch::kKoumokuCells, 40, 45, 0, 1)), std::nullopt);
    layout.SetFirstRow(10);
    EXPECT_EQ(Drawn(Hatch(CKtkmHatch::kRowBand, 2, 9)), std::nullopt);
    // A date band covers every row.
    EXPECT_TRUE(Drawn(Hatch(CKtkmHatch::kDateBand, 2, 9)).has_value());
}

TEST_F(KtkmHatchDrawTest, OtherKindsDrawNothing) {
    for (const WORD kind : {0, 3, 11, 13}) {
        EXPECT_EQ(Drawn(Hatch(kind, 2, 4)), std::nullopt) << kind;
    }
}

// ---- The clip band of a resource chart ----------------------------------------------------------

struct ClipCase {
    const char* name;
    int firstRow;
    int lastRow;
    bool drawn;
    // Whether the band's top and bottom are cut to the clip band's.
    bool cutTop;
    bool cutBottom;
};

class HatchClipTest : public KtkmHatchDrawTest, public testing::WithParamInterface<ClipCase> {};

constexpr int kClipTop = -500;
constexpr int kClipBottom = -800;

// Rows 8..12 lie within -500..-800; row 7 starts above it and row 14 ends below it. A cut top
// lies 4 units (printed: 2) below the clip's top, a cut bottom on the clip's bottom (printed: 2
// above it).
TEST_P(HatchClipTest, BandsAreCutToTheClipBand) {
    const ClipCase& c = GetParam();
    for (const int mode : {0, 1}) {
        layout.SetOutputMode(mode);
        const auto drawn =
            Drawn(Hatch(CKtkmHatch::kRowBand, c.firstRow, c.lastRow), kClipTop, kClipBottom);
        if (!c.drawn) {
            EXPECT_EQ(drawn, std::nullopt) << c.name;
            continue;
        }
        ASSERT_TRUE(drawn.has_value()) << c.name;
        const bool screen = mode == 0;
        EXPECT_EQ(drawn->top, c.cutTop ? kClipTop - (screen ? 4 : 2) : Top(c.firstRow))
            << c.name << " mode " << mode;
        EXPECT_EQ(drawn->bottom, c.cutBottom ? kClipBottom + (screen ? 0 : 2)
                                             : Bottom(c.lastRow) - (screen ? 2 : 0))
            << c.name << " mode " << mode;
    }
}

INSTANTIATE_TEST_SUITE_P(Bands, HatchClipTest,
                         testing::Values(ClipCase{"within", 8, 12, true, false, false},
                                         ClipCase{"across the top", 7, 12, true, true, false},
                                         ClipCase{"across the bottom", 8, 14, true, false, true},
                                         ClipCase{"across both", 7, 14, true, true, true},
                                         ClipCase{"above", 0, 5, false, false, false},
                                         ClipCase{"below", 20, 25, false, false, false}));

TEST_F(KtkmHatchDrawTest, CellsOfTheFirstColumnKeepClearOfTheTablesFrameInAClipBand) {
    layout.SetOutputMode(1);
    EXPECT_EQ(Drawn(Hatch(CKtkmHatch::kKoumokuCells, 8, 12, 0, 1), kClipTop, kClipBottom)->left, 2);
    EXPECT_EQ(Drawn(Hatch(CKtkmHatch::kKoumokuCells, 8, 12, 1, 1), kClipTop, kClipBottom)->left,
              165);
    EXPECT_EQ(Drawn(Hatch(CKtkmHatch::kKoumokuCells, 8, 12, 0, 1))->left, 0);
    // One clip edge alone is no band.
    EXPECT_EQ(Drawn(Hatch(CKtkmHatch::kRowBand, 0, 5), kClipTop, 0),
              CRect(500, Top(0), 2770, Bottom(5)));
}

} // namespace
} // namespace tembra::test
