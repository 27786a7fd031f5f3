// The item table's ruled lines through the recording device context: runs per line type, the
// fine grid line on screen and on paper, the ends of bold lines and the joins of double lines.
#include "render/PageLayout.h"

#include "ChartTestDoc.h"
#include "model/Utility.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <tuple>
#include <vector>

namespace tembra {
namespace {

using test::ChartTestBase;
using test::DrawnLine;
using test::DrawnLines;
using Dev = CRecordingDC::Device;

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kLightGrey = RGB(0xC0, 0xC0, 0xC0);
constexpr COLORREF kDarkGrey = RGB(0x80, 0x80, 0x80);

using Segment = std::tuple<int, int, int, int>; // x1, y1, x2, y2

Segment Seg(const DrawnLine& line) {
    return {line.from.x, line.from.y, line.to.x, line.to.y};
}

std::vector<Segment> Segments(const std::vector<DrawnLine>& lines) {
    std::vector<Segment> out;
    for (const DrawnLine& line : lines) {
        out.push_back(Seg(line));
    }
    return out;
}

std::vector<DrawnLine> Vertical(const std::vector<DrawnLine>& lines) {
    std::vector<DrawnLine> out;
    std::copy_if(lines.begin(), lines.end(), std::back_inserter(out),
                 [](const DrawnLine& l) { return l.from.x == l.to.x && l.from.y != l.to.y; });
    return out;
}

std::vector<DrawnLine> Horizontal(const std::vector<DrawnLine>& lines) {
    std::vector<DrawnLine> out;
    std::copy_if(lines.begin(), lines.end(), std::back_inserter(out),
                 [](const DrawnLine& l) { return l.from.y == l.to.y; });
    return out;
}

class KeisenTest : public ChartTestBase {
protected:
    void Columns(int count) { doc.table.SetLevelCount(count); }
};

// ---- The grid of a table ------------------------------------------------------------------------

// Without cells every column border and every row border is a fine grid line: the vertical
// kind of the print settings for the columns, the horizontal kind for the rows.
TEST_F(KeisenTest, TableWithoutCellsDrawsEveryEdgeAsFineLine) {
    Columns(3);
    Bind();
    auto screen = Device();
    layout.DrawKoumokuGrid(screen.get());
    const std::vector<DrawnLine> lines = DrawnLines(*screen);
    std::vector<Segment> expected;
    for (const int x : {165, 330}) {
        expected.emplace_back(x, -122, x, layout.RowToY(29, 1));
    }
    for (int r = 0; r <= 28; ++r) {
        expected.emplace_back(2, layout.RowToY(r, 1), 500, layout.RowToY(r, 1));
    }
    EXPECT_EQ(Segments(lines), expected) << screen->Dump();
    for (const DrawnLine& line : lines) {
        EXPECT_EQ(line.pen.color, kLightGrey);
        EXPECT_EQ(line.pen.width, 0);
    }

    // On paper the two kinds show: solid columns in the print colour, dotted rows.
    doc.print.SetKeisen(2, 0);
    doc.print.SetColor(RGB(0, 0, 160));
    layout.SetOutputMode(1);
    auto paper = Device(Dev::Printer);
    layout.DrawKoumokuGrid(paper.get());
    const std::vector<DrawnLine> printed = DrawnLines(*paper);
    EXPECT_EQ(Segments(printed), expected);
    for (const DrawnLine& line : Vertical(printed)) {
        // Line type 6: solid, never dashed.
        EXPECT_EQ(line.pen.LineStyle(), static_cast<UINT>(PS_INSIDEFRAME));
        EXPECT_EQ(line.pen.color, RGB(0, 0, 160));
        EXPECT_EQ(line.pen.width, 1);
    }
    for (const DrawnLine& line : Horizontal(printed)) {
        EXPECT_EQ(line.pen.LineStyle(), static_cast<UINT>(PS_DOT));
        EXPECT_EQ(line.pen.color, kBlack);
    }
}

// Cells that alternate between two types down a column border give one segment per change.
TEST_F(KeisenTest, ColumnBorderIsOneSegmentPerChangeOfType) {
    Columns(3);
    for (int r = 0; r <= 29; ++r) {
        doc.SetCell(r, 0, 0, r >= 10 && r < 20 ? 3 : 1);
    }
    Bind();
    auto dc = Device();
    layout.DrawKoumokuGrid(dc.get());
    std::vector<std::tuple<Segment, int, COLORREF>> border;
    for (const DrawnLine& line : Vertical(DrawnLines(*dc))) {
        if (line.from.x == 165) {
            border.emplace_back(Seg(line), line.pen.width, line.pen.color);
        }
    }
    const int y9 = layout.RowToY(9, 1);
    const int y19 = layout.RowToY(19, 1);
    const int y29 = layout.RowToY(29, 1);
    const std::vector<std::tuple<Segment, int, COLORREF>> expected = {
        {{165, -122, 165, y9}, 3, kBlack},
        {{165, y9, 165, y19}, 1, kBlack},
        {{165, y19, 165, y29}, 3, kBlack},
    };
    EXPECT_EQ(border, expected) << dc->Dump();
}

// A bold line (type 4) ends half its width short in every orientation: both ends of a column
// line and of a cell's bottom line, the left end of a chart row line.
TEST_F(KeisenTest, BoldLineEndsArePulledInByHalfItsWidth) {
    Columns(3);
    doc.SetCell(0, 0, 0, 4);
    doc.SetCell(1, 0, 0, 4);
    for (int c = 0; c < 3; ++c) {
        doc.SetCell(5, c, 4, c == 0 ? 4 : 0);
    }
    doc.table.SetKeisenType(3, 4);
    Bind();
    auto dc = Device();
    layout.DrawKoumokuGrid(dc.get());
    layout.DrawRowLines(dc.get(), layout.GetEditRect());
    std::vector<Segment> bold;
    for (const DrawnLine& line : DrawnLines(*dc)) {
        if (line.pen.width == 6) {
            bold.push_back(Seg(line));
        }
    }
    const int y1 = layout.RowToY(1, 1);
    const int y4 = layout.RowToY(4, 1);
    const int y5 = layout.RowToY(5, 1);
    const int y3 = layout.RowToY(3, 1);
    const std::vector<Segment> expected = {
        {165, -125, 165, y1 + 3},   // rows 0 and 1
        {165, y4 - 3, 165, y5 + 3}, // row 5
        {5, y5, 497, y5},           // the bottom of row 5
        {533, y3, 2770, y3},        // the chart row line of row 3
    };
    EXPECT_EQ(bold, expected) << dc->Dump();
}

// Line types outside 0..5 (a damaged cell) are fine lines, not nothing.
TEST_F(KeisenTest, UnknownLineTypeIsFineLine) {
    Columns(2);
    doc.SetCell(0, 0, 9, -3);
    doc.table.SetKeisenType(0, 77);
    Rows(0, 1);
    Bind();
    auto dc = Device();
    layout.DrawKoumokuGrid(dc.get());
    layout.DrawRowLines(dc.get(), layout.GetEditRect());
    for (const DrawnLine& line : DrawnLines(*dc)) {
        EXPECT_EQ(line.pen.color, kLightGrey) << dc->Dump();
    }
    EXPECT_EQ(DrawnLines(*dc).size(), 3u) << dc->Dump();
}

// On screen the line under the fixed rows is always solid (type 1), in the grid and across the
// chart, in both passes; on paper it is what the table says.
TEST_F(KeisenTest, LineUnderFixedRowsIsSolidOnScreen) {
    Columns(2);
    doc.set.SetFixedLastRow(2);
    Bind();
    const int y2 = layout.RowToY(2, 1);
    const auto underFixed = [&](const CRecordingDC& dc) {
        std::vector<std::pair<Segment, int>> out;
        for (const DrawnLine& line : Horizontal(DrawnLines(dc))) {
            if (line.from.y == y2) {
                out.emplace_back(Seg(line), line.pen.width);
            }
        }
        return out;
    };
    auto screen = Device();
    layout.DrawKoumokuGrid(screen.get());
    layout.DrawRowLines(screen.get(), layout.GetEditRect());
    const std::vector<std::pair<Segment, int>> solid = {{{2, y2, 500, y2}, 3},
                                                        {{530, y2, 2770, y2}, 3}};
    EXPECT_EQ(underFixed(*screen), solid) << screen->Dump();

    layout.SetOutputMode(1);
    auto paper = Device(Dev::Printer);
    layout.DrawKoumokuGrid(paper.get());
    layout.DrawRowLines(paper.get(), layout.GetEditRect());
    const std::vector<std::pair<Segment, int>> fine = {{{2, y2, 500, y2}, 0},
                                                       {{530, y2, 2770, y2}, 0}};
    EXPECT_EQ(underFixed(*paper), fine) << paper->Dump();
}

// Scrolled down, the clip pass draws the fixed rows 0-2 in their band at the top: their column
// and row lines end at the band's bottom, where the solid line under the fixed rows lies.
TEST_F(KeisenTest, ClipPassDrawsTheFixedRowsInTheirBand) {
    Columns(2);
    doc.set.SetFixedLastRow(2);
    Rows(10, 39);
    Bind();
    layout.SetScrolledDown(TRUE);
    layout.SetClipPass(TRUE);
    const CRect band = layout.GetGridRect();
    ASSERT_GT(band.top, band.bottom);
    EXPECT_EQ(layout.RowToY(2, 1), band.bottom);
    auto dc = Device();
    layout.DrawKoumokuGrid(dc.get());
    layout.DrawRowLines(dc.get(), layout.GetEditRect());
    std::vector<std::pair<Segment, int>> lines;
    for (const DrawnLine& line : DrawnLines(*dc)) {
        lines.emplace_back(Seg(line), line.pen.width);
    }
    const int y0 = layout.RowToY(0, 1);
    const int y1 = layout.RowToY(1, 1);
    const std::vector<std::pair<Segment, int>> expected = {
        {{250, band.top - 2, 250, band.bottom}, 0},
        {{2, y0, 500, y0}, 0},
        {{2, y1, 500, y1}, 0},
        {{2, band.bottom, 500, band.bottom}, 3},
        {{530, y0, 2770, y0}, 0},
        {{530, y1, 2770, y1}, 0},
        {{530, band.bottom, 2770, band.bottom}, 3}};
    EXPECT_EQ(lines, expected) << dc->Dump();
}

// ---- The fine grid line ----------------------------------------------------------------------

struct ScreenCase {
    bool blackBack;
    int kind;
    int fineKinds;  // "Keisen": vertical << 8 | horizontal
    COLORREF color; // 0: nothing drawn
};

class SeparatorScreenTest : public KeisenTest, public testing::WithParamInterface<ScreenCase> {};

TEST_P(SeparatorScreenTest, GreyByKind) {
    const ScreenCase& c = GetParam();
    BlackBack(c.blackBack);
    doc.print.SetKeisen(static_cast<WORD>(c.fineKinds));
    Bind();
    auto dc = Device();
    layout.DrawDateSeparator(dc.get(), c.kind, 600, -10, 600, -100);
    const std::vector<DrawnLine> lines = DrawnLines(*dc);
    if (c.color == 0) {
        EXPECT_TRUE(lines.empty()) << dc->Dump();
        return;
    }
    ASSERT_EQ(lines.size(), 1u) << dc->Dump();
    EXPECT_EQ(Seg(lines[0]), Segment(600, -10, 600, -100));
    EXPECT_EQ(lines[0].pen.color, c.color);
    EXPECT_EQ(lines[0].pen.width, 0);
    EXPECT_EQ(lines[0].pen.LineStyle(), static_cast<UINT>(PS_SOLID));
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, SeparatorScreenTest,
    testing::Values(ScreenCase{false, 0, 0x0000, kLightGrey},
                    ScreenCase{false, 1, 0x0000, kLightGrey},
                    ScreenCase{false, 2, 0x0000, kDarkGrey}, ScreenCase{false, 3, 0x0000, 0},
                    ScreenCase{true, 0, 0x0000, kDarkGrey}, ScreenCase{true, 1, 0x0000, kDarkGrey},
                    ScreenCase{true, 2, 0x0000, kLightGrey},
                    // The print setting "none" hides the fine lines on screen too.
                    ScreenCase{false, 0, 0x0300, 0}, ScreenCase{false, 1, 0x0003, 0},
                    ScreenCase{false, 1, 0x0300, kLightGrey}, ScreenCase{false, 2, 0x0300, 0},
                    ScreenCase{false, 2, 0x0200, kDarkGrey}));

struct PaperCase {
    const char* name;
    Dev device;
    int outputMode;
    int fine;    // the vertical kind of "Keisen"
    int dotFlag; // "KeisenDotFlag"
    int kind;    // of the call
    // The pen expected (no line when style is PS_NULL).
    UINT style;
    int width;
    COLORREF color;
    bool geometric;
};

class SeparatorPaperTest : public KeisenTest, public testing::WithParamInterface<PaperCase> {};

TEST_P(SeparatorPaperTest, PrintSettingsChooseThePen) {
    const PaperCase& c = GetParam();
    doc.print.SetKeisen(c.fine, 0);
    doc.print.SetKeisenDotFlag(c.dotFlag);
    doc.print.SetKeisenDotWidth(3);
    doc.print.SetKeisenDot2Width(2);
    doc.print.SetKeisenDotLen(12);
    doc.print.SetKeisenDotItv(8);
    doc.print.SetColor(RGB(200, 0, 0));
    Bind();
    layout.SetOutputMode(c.outputMode);
    auto dc = Device(c.device);
    layout.DrawDateSeparator(dc.get(), c.kind, 600, -10, 600, -100);
    const std::vector<DrawnLine> lines = DrawnLines(*dc);
    if (c.style == static_cast<UINT>(PS_NULL)) {
        EXPECT_TRUE(lines.empty()) << dc->Dump();
        return;
    }
    ASSERT_EQ(lines.size(), 1u) << dc->Dump();
    EXPECT_EQ(Seg(lines[0]), Segment(600, -10, 600, -100));
    EXPECT_EQ(lines[0].pen.LineStyle(), c.style) << dc->Dump();
    EXPECT_EQ(lines[0].pen.width, c.width);
    EXPECT_EQ(lines[0].pen.color, c.color);
    EXPECT_EQ(lines[0].pen.IsGeometric(), c.geometric);
    if (c.geometric) {
        EXPECT_EQ(lines[0].pen.dashes, (std::vector<DWORD>{12, 8}));
    }
    const auto draw = dc->Find(DcOp::LineTo).front();
    EXPECT_EQ(draw.rop2, R2_COPYPEN);
    EXPECT_EQ(draw.bkMode, OPAQUE);
    // The device's colour-matching switch is back as it was.
    EXPECT_EQ(SetColorMatchEnable(dc.get(), 1), 1);
}

constexpr UINT kSolid = PS_SOLID;
constexpr UINT kType6 = PS_INSIDEFRAME;
constexpr UINT kDot = PS_DOT;
constexpr UINT kUser = PS_USERSTYLE;
constexpr UINT kNone = PS_NULL;

INSTANTIATE_TEST_SUITE_P(
    Kinds, SeparatorPaperTest,
    testing::Values(
        PaperCase{"Dotted", Dev::Printer, 1, 0, 0, 0, kDot, 0, kBlack, false},
        PaperCase{"DotFlagRunsOfTheSettings", Dev::Printer, 1, 0, 1, 0, kUser, 3, kBlack, true},
        PaperCase{"DotFlagOnAMetafile", Dev::Metafile, 1, 0, 1, 0, kUser, 3, kBlack, true},
        PaperCase{"DotFlagIgnoredInMode2", Dev::Printer, 2, 0, 1, 0, kDot, 0, kBlack, false},
        PaperCase{"FineDotted", Dev::Printer, 1, 1, 0, 0, kDot, 2, kBlack, false},
        PaperCase{"FineDottedOnAMetafileIsDotted", Dev::Metafile, 1, 1, 0, 0, kDot, 0, kBlack,
                  false},
        PaperCase{"FineDottedInMode2IsDotted", Dev::Printer, 2, 1, 0, 0, kDot, 0, kBlack, false},
        PaperCase{"SolidInThePrintColour", Dev::Printer, 1, 2, 0, 0, kType6, 1, RGB(200, 0, 0),
                  false},
        // Colour matching is off: a monochrome printer gets the colour as chosen.
        PaperCase{"SolidKeepsItsColourOnMonochrome", Dev::MonoPrinter, 1, 2, 0, 0, kType6, 1,
                  RGB(200, 0, 0), false},
        PaperCase{"MajorIsBlackSolid", Dev::Printer, 1, 0, 0, 2, kSolid, 0, kBlack, false},
        PaperCase{"None", Dev::Printer, 1, 3, 0, 0, kNone, 0, kBlack, false},
        PaperCase{"MajorNone", Dev::Printer, 1, 3, 0, 2, kNone, 0, kBlack, false},
        PaperCase{"KindThreeNever", Dev::Printer, 1, 2, 0, 3, kNone, 0, kBlack, false}),
    [](const testing::TestParamInfo<PaperCase>& info) { return info.param.name; });

// ---- Double lines --------------------------------------------------------------------------

// Two item columns (border at x = 250, right edge 500) and two rows (border at y = -860):
// the column border is drawn cell by cell (-122..-860 and -860..-1600), the row border of
// row 0 in two halves (2..250 and 250..500). On paper in output mode 1 the strands are
// logical lines of width 2 at 2 units either side.
struct JoinCase {
    const char* name;
    // (row, column, bottom type, right type)
    std::vector<std::tuple<int, int, int, int>> cells;
    std::set<Segment> strands;
};

class DoubleLineJoinTest : public KeisenTest, public testing::WithParamInterface<JoinCase> {};

TEST_P(DoubleLineJoinTest, StrandsMeetTheirNeighbours) {
    const JoinCase& c = GetParam();
    Columns(2);
    Rows(0, 1);
    for (const auto& [row, column, bottom, right] : c.cells) {
        doc.SetCell(row, column, bottom, right);
    }
    Bind();
    layout.SetOutputMode(1);
    auto dc = Device(Dev::Printer);
    layout.DrawKoumokuGrid(dc.get());
    std::multiset<Segment> strands;
    for (const DrawnLine& line : DrawnLines(*dc)) {
        if (line.pen.width == 2 && line.pen.LineStyle() == static_cast<UINT>(PS_SOLID)) {
            strands.insert(Seg(line));
        }
    }
    EXPECT_EQ(strands, std::multiset<Segment>(c.strands.begin(), c.strands.end())) << dc->Dump();
}

INSTANTIATE_TEST_SUITE_P(
    Fixtures, DoubleLineJoinTest,
    testing::Values(
        // Four double lines meet in a cross: every strand stops at the crossing strands.
        JoinCase{"Cross",
                 {{0, 0, 5, 5}, {0, 1, 5, 0}, {1, 0, 0, 5}},
                 {{248, -122, 248, -858},
                  {252, -122, 252, -858},
                  {248, -862, 248, -1600},
                  {252, -862, 252, -1600},
                  {2, -858, 248, -858},
                  {2, -862, 248, -862},
                  {252, -858, 500, -858},
                  {252, -862, 500, -862}}},
        // A corner: the inner strands are shortened, the outer ones lengthened to meet.
        JoinCase{"Corner",
                 {{0, 0, 5, 5}},
                 {{248, -122, 248, -858},
                  {252, -122, 252, -862},
                  {2, -858, 248, -858},
                  {2, -862, 252, -862}}},
        // A T: the bar's far strand runs through, the stem stops at the near one.
        JoinCase{"T",
                 {{0, 0, 5, 5}, {1, 0, 0, 5}},
                 {{248, -122, 248, -858},
                  {252, -122, 252, -860},
                  {248, -862, 248, -1600},
                  {252, -860, 252, -1600},
                  {2, -858, 248, -858},
                  {2, -862, 248, -862}}},
        // The cell right of the last column lies outside the table and counts as type 0,
        // however it is set: the upper strand crosses the column border below it.
        JoinCase{"OutsideCountsAsFine",
                 {{0, 1, 5, 0}, {1, 1, 0, 5}, {0, 2, 5, 5}},
                 {{250, -858, 502, -858}, {250, -862, 498, -862}}}),
    [](const testing::TestParamInfo<JoinCase>& info) { return info.param.name; });

// In logical units, or in pixels: the chart row line of a double line in the modes and states.
struct PixelModeCase {
    const char* name;
    Dev device;
    int dpi;
    int outputMode;
    int overview; // 1 the overview's view is set, 2 the overview flag
    bool embedded;
    int offset; // device units of each strand from the line; 0: logical strands
};

class DoubleLinePixelModeTest : public KeisenTest,
                                public testing::WithParamInterface<PixelModeCase> {};

TEST_P(DoubleLinePixelModeTest, ChartRowLineStrands) {
    const PixelModeCase& c = GetParam();
    Columns(2);
    doc.table.SetKeisenType(4, 5);
    Bind();
    layout.SetOutputMode(c.outputMode);
    layout.SetOverviewView(c.overview == 1 ? &doc : nullptr);
    layout.SetOverview(c.overview == 2 ? TRUE : FALSE);
    DrawSettings settings = GetDrawSettings();
    settings.embeddedPicture = c.embedded;
    SetDrawSettings(settings);
    auto dc = Device(c.device, c.dpi);
    const int y = layout.RowToY(4, 1);
    layout.DrawRowLines(dc.get(), layout.GetEditRect());
    // The strands, among the fine lines of the other rows.
    std::vector<DrawnLine> lines;
    for (const DrawnLine& line : DrawnLines(*dc)) {
        if (line.pen.color == kBlack && line.pen.LineStyle() == static_cast<UINT>(PS_SOLID)) {
            lines.push_back(line);
        }
    }
    ASSERT_EQ(lines.size(), 2u) << dc->Dump();
    if (c.offset == 0) {
        EXPECT_EQ(Seg(lines[0]), Segment(530, y + 2, 2770, y + 2));
        EXPECT_EQ(Seg(lines[1]), Segment(530, y - 2, 2770, y - 2));
        EXPECT_EQ(lines[0].mapMode, MM_LOMETRIC);
        return;
    }
    CPoint a(530, y);
    CPoint b(2770, y);
    dc->LPtoDP(&a);
    dc->LPtoDP(&b);
    for (const DrawnLine& line : lines) {
        EXPECT_EQ(line.mapMode, MM_TEXT);
        EXPECT_EQ(line.pen.width, 1);
        EXPECT_EQ(line.from.x, a.x);
        EXPECT_EQ(line.to.x, b.x + 1); // the last pixel is drawn too
    }
    EXPECT_EQ(lines[0].from.y, a.y - c.offset);
    EXPECT_EQ(lines[1].from.y, a.y + c.offset);
    // The device context is as it was.
    EXPECT_EQ(dc->GetMapMode(), MM_LOMETRIC);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, DoubleLinePixelModeTest,
    testing::Values(PixelModeCase{"Screen", Dev::Screen, 96, 0, 0, false, 1},
                    PixelModeCase{"OverviewView", Dev::Screen, 96, 0, 1, false, 0},
                    PixelModeCase{"OverviewFlag", Dev::Screen, 96, 0, 2, false, 0},
                    PixelModeCase{"EmbeddedPicture", Dev::Screen, 96, 0, 0, true, 0},
                    PixelModeCase{"PrintMode1", Dev::Printer, 600, 1, 0, false, 0},
                    PixelModeCase{"PrintMode2At600Dpi", Dev::Printer, 600, 2, 0, false, 7},
                    PixelModeCase{"PrintMode2At1200Dpi", Dev::Printer, 1200, 2, 0, false, 14},
                    PixelModeCase{"PrintMode2At2400Dpi", Dev::Printer, 2400, 2, 0, false, 28}),
    [](const testing::TestParamInfo<PixelModeCase>& info) { return info.param.name; });

// In pixel mode every strand is drawn once: the frames of enclosed cells replace their inner
// strands, so no two lines of the same direction share pixels.
TEST_F(KeisenTest, PixelModeDrawsNoStrandTwice) {
    Columns(3);
    Rows(0, 2);
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c) {
            doc.SetCell(r, c, 5, 5);
        }
    }
    Bind();
    auto dc = Device();
    layout.DrawKoumokuGrid(dc.get());

    // Pixel runs (fixed coordinate, from, to) of every line and frame side.
    std::vector<std::tuple<int, int, int>> rows;
    std::vector<std::tuple<int, int, int>> columns;
    int frames = 0;
    for (const auto& r : dc->Drawings()) {
        ASSERT_EQ(r.mapMode, MM_TEXT) << dc->Dump();
        if (r.op == DcOp::LineTo) {
            const CPoint a = r.args.points[0];
            const CPoint b = r.args.points[1];
            if (a.y == b.y) {
                rows.emplace_back(a.y, std::min(a.x, b.x), std::max(a.x, b.x) - 1);
            } else {
                columns.emplace_back(a.x, std::min(a.y, b.y), std::max(a.y, b.y) - 1);
            }
        } else if (r.op == DcOp::Rectangle) {
            ++frames;
            CRect box = r.args.rect;
            NormalizeRect(box);
            rows.emplace_back(box.top, box.left, box.right - 1);
            rows.emplace_back(box.bottom - 1, box.left, box.right - 1);
            columns.emplace_back(box.left, box.top, box.bottom - 1);
            columns.emplace_back(box.right - 1, box.top, box.bottom - 1);
        }
    }
    // The cells of the first two rows and columns are enclosed; the last row and column
    // border on the table's frame, whose lines the grid does not draw.
    EXPECT_EQ(frames, 4);
    for (const auto* runs : {&rows, &columns}) {
        for (std::size_t i = 0; i < runs->size(); ++i) {
            for (std::size_t j = i + 1; j < runs->size(); ++j) {
                const auto& [p, a1, a2] = (*runs)[i];
                const auto& [q, b1, b2] = (*runs)[j];
                // Lines that meet end to end share at most their corner pixel.
                EXPECT_FALSE(p == q && std::min(a2, b2) - std::max(a1, b1) >= 1)
                    << "at " << p << ": " << a1 << ".." << a2 << " and " << b1 << ".." << b2;
            }
        }
    }
}

// ---- Rows near the clip ------------------------------------------------------------------------

// The row lines across the chart are drawn only near the clip rectangle's y range (within 10
// units), which under the flipped-y option is given turned over.
TEST_F(KeisenTest, RowLinesOnlyNearTheClip) {
    Columns(2);
    Bind();
    const int y10 = layout.RowToY(10, 1);
    const int y11 = layout.RowToY(11, 1);
    const int y12 = layout.RowToY(12, 1);
    // From just below row 10's line to 10 units below row 11's: rows 10 (within 10 units
    // above the clip) and 11 show, row 12 (49 units below) not.
    const CRect clip(530, y10 - 5, 2740, y11 - 10);
    const auto drawnRows = [&](const CRect& rect) {
        auto dc = Device();
        layout.DrawRowLines(dc.get(), rect);
        std::vector<int> ys;
        for (const DrawnLine& line : DrawnLines(*dc)) {
            ys.push_back(line.from.y);
        }
        return ys;
    };
    EXPECT_EQ(drawnRows(clip), (std::vector<int>{y10, y11}));
    EXPECT_LT(y12, clip.bottom - 10);

    DrawSettings flipped;
    flipped.flipY = true;
    SetDrawSettings(flipped);
    const CRect turned(530, -clip.top, 2740, -clip.bottom);
    EXPECT_EQ(drawnRows(turned), (std::vector<int>{-y10, -y11}));
}

// A small clip box makes the grid walk only the rows near it; what it draws there is the same.
TEST_F(KeisenTest, GridWalksOnlyTheRowsNearTheClipBox) {
    Columns(2);
    for (int r = 0; r <= 29; ++r) {
        doc.SetCell(r, 0, r % 2 == 0 ? 3 : 0, r < 15 ? 4 : 1);
    }
    Bind();
    const int top = layout.RowToY(12, -1);
    const int bottom = layout.RowToY(13, 1);
    auto clipped = Device();
    CRect device(0, top, 600, bottom);
    clipped->LPtoDP(&device);
    clipped->SetUpdateRect(device);
    layout.DrawKoumokuGrid(clipped.get());

    const std::vector<DrawnLine> lines = DrawnLines(*clipped);
    for (const DrawnLine& line : Horizontal(lines)) {
        EXPECT_GT(line.from.y, layout.RowToY(16, 1)) << clipped->Dump();
        EXPECT_LT(line.from.y, layout.RowToY(9, 1)) << clipped->Dump();
    }
    // The column border runs through the clip box: its runs begin above it and end below it.
    int highest = bottom;
    int lowest = top;
    for (const DrawnLine& line : Vertical(lines)) {
        if (line.from.x == 250) {
            highest = std::max(highest, static_cast<int>(line.from.y));
            lowest = std::min(lowest, static_cast<int>(line.to.y));
        }
    }
    EXPECT_GT(highest, top) << clipped->Dump();
    EXPECT_LT(lowest, bottom) << clipped->Dump();
}

} // namespace
} // namespace tembra
