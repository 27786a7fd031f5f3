#include "render/StyledDraw.h"

#include "platform/RecordingDC.h"
#include "render/DrawSettings.h"
#include "render/PatternBitmaps.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace tembra {
namespace {

using Device = CRecordingDC::Device;
using Segment = std::pair<CPoint, CPoint>;

// Every test starts from the program's defaults and leaves them so.
class StyledDrawTest : public testing::Test {
protected:
    void SetUp() override { Reset(); }
    void TearDown() override { Reset(); }
    static void Reset() { SetDrawSettings(DrawSettings{}); }
    static void Settings(std::string dashScale, bool flipY = false, bool blackBack = false) {
        DrawSettings s;
        s.dashScale = std::move(dashScale);
        s.flipY = flipY;
        s.blackBack = blackBack;
        SetDrawSettings(s);
    }
    // The segments drawn with a visible pen.
    static std::vector<Segment> Lines(const CRecordingDC& dc) {
        std::vector<Segment> out;
        for (const auto& r : dc.Find(DcOp::LineTo)) {
            if (!r.pen.IsNull()) {
                out.emplace_back(r.args.points[0], r.args.points[1]);
            }
        }
        return out;
    }
    // The x ranges a device inks along level lines: a pen's own dash runs (on and off in turn
    // from the line's start) cut each line into its dashes; another pen inks it whole.
    static std::vector<std::pair<int, int>> Inked(const CRecordingDC& dc) {
        std::vector<std::pair<int, int>> out;
        for (const auto& r : dc.Find(DcOp::LineTo)) {
            if (r.pen.IsNull()) {
                continue;
            }
            const int from = r.args.points[0].x;
            const int to = r.args.points[1].x;
            if (r.pen.LineStyle() != PS_USERSTYLE || r.pen.dashes.empty()) {
                out.emplace_back(from, to);
                continue;
            }
            int x = from;
            for (std::size_t i = 0; x < to; i = (i + 1) % r.pen.dashes.size()) {
                const int end = std::min(to, x + static_cast<int>(r.pen.dashes[i]));
                if (i % 2 == 0) {
                    out.emplace_back(x, end);
                }
                x = end;
            }
        }
        return out;
    }
    // A printer in the metric mapping, with styled drawing on or off.
    static std::unique_ptr<CRecordingDC> Printer(bool styled = true) {
        auto dc = std::make_unique<CRecordingDC>(Device::Printer);
        dc->SetMapMode(MM_LOMETRIC);
        SetStyledDrawEnable(dc.get(), styled ? 1 : 0);
        return dc;
    }
};

// ---- The dash state machine -------------------------------------------------------------------

struct DashCase {
    const char* name;
    int type;
    const char* scale;
    int length;
    std::vector<std::pair<int, int>> inked; // x ranges drawn along y = 0
};

class DashTableTest : public StyledDrawTest, public testing::WithParamInterface<DashCase> {};

TEST_P(DashTableTest, InksTheRunsOfTheTable) {
    const DashCase& c = GetParam();
    Settings(c.scale);
    auto dc = Printer();
    DrawStyledPolyline(dc.get(), 0, 0, c.length, 0, c.type, 3, RGB(0, 0, 0), R2_COPYPEN, OPAQUE);
    for (const auto& [a, b] : Lines(*dc)) {
        EXPECT_EQ(a.y, 0);
        EXPECT_EQ(b.y, 0);
    }
    EXPECT_EQ(Inked(*dc), c.inked) << dc->Dump();
    // Every run is drawn with the flat-ended geometric pen of the width, a dashed pen leaving
    // what lies below its gaps; the call's background mode stays set after it.
    for (const auto& r : dc->Find(DcOp::LineTo)) {
        EXPECT_EQ(r.pen.style & ~PS_STYLE_MASK, 0x10200u);
        EXPECT_EQ(r.pen.width, 3);
        if (r.pen.LineStyle() == PS_USERSTYLE) {
            EXPECT_EQ(r.bkMode, TRANSPARENT);
        }
    }
    EXPECT_EQ(dc->GetBkMode(), OPAQUE);
}

INSTANTIATE_TEST_SUITE_P(
    Types, DashTableTest,
    testing::Values(
        // A 45-unit dash line is inked on 0..30 and not on 30..45.
        DashCase{"dash_45", 1, "1.0", 45, {{0, 30}}},
        DashCase{"dash", 1, "1.0", 100, {{0, 30}, {60, 90}}},
        DashCase{
            "dot_starts_off", 2, "1.0", 100, {{10, 20}, {30, 40}, {50, 60}, {70, 80}, {90, 100}}},
        DashCase{"dash_dot", 3, "1.0", 100, {{0, 30}, {40, 50}, {60, 90}}},
        DashCase{"dash_dot_dot", 4, "1.0", 100, {{0, 20}, {28, 36}, {44, 52}, {60, 80}, {88, 96}}},
        DashCase{"scale_2", 1, "2.0", 100, {{0, 60}}},
        DashCase{
            "scale_half_with_junk", 1, " 0.5mm", 100, {{0, 15}, {30, 45}, {60, 75}, {90, 100}}},
        // A setting that gives no positive number must not stop the walk.
        DashCase{"scale_zero_is_one", 1, "0", 45, {{0, 30}}},
        DashCase{"scale_text_is_one", 1, "abc", 45, {{0, 30}}},
        // A type the table does not know is drawn solid.
        DashCase{"unknown_type_solid", 9, "1.0", 45, {{0, 45}}}),
    [](const auto& info) { return info.param.name; });

TEST_F(StyledDrawTest, PolylineCarriesThePatternAcrossVertices) {
    auto dc = Printer();
    const CPoint points[] = {{0, 0}, {20, 0}, {20, -40}, {60, -40}};
    DrawStyledPointPolyline(dc.get(), points, 4, 1, 2, RGB(0, 0, 0), R2_COPYPEN, OPAQUE);
    // 20 on, then the last 10 of the dash round the corner, 30 off to the next corner, then a
    // fresh dash of 30.
    const std::vector<Segment> expected = {
        {{0, 0}, {20, 0}}, {{20, 0}, {20, -10}}, {{20, -40}, {50, -40}}};
    EXPECT_EQ(Lines(*dc), expected) << dc->Dump();
}

TEST_F(StyledDrawTest, RectangleOutlineRunsRoundWithHalfWidthOverhang) {
    auto dc = Printer();
    DrawStyledRect(dc.get(), 0, 0, 40, -100, 1, 2, RGB(0, 0, 0), 99, RGB(255, 0, 0), R2_COPYPEN,
                   OPAQUE);
    // Top left to right, right side down, bottom right to left, left side up, each side one
    // unit (half the width) beyond the corners, the pattern carried from side to side.
    const std::vector<Segment> expected = {{{-1, 0}, {29, 0}},      {{40, -17}, {40, -47}},
                                           {{40, -77}, {40, -101}}, {{41, -100}, {35, -100}},
                                           {{5, -100}, {-1, -100}}, {{0, -101}, {0, -77}},
                                           {{0, -47}, {0, -17}}};
    EXPECT_EQ(Lines(*dc), expected) << dc->Dump();
    // The fill goes first, with the null pen, over both edges.
    const auto rects = dc->Find(DcOp::Rectangle);
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_TRUE(rects[0].pen.IsNull());
    EXPECT_EQ(rects[0].args.rect, CRect(0, 0, 41, -101));
    EXPECT_EQ(rects[0].brush.color, RGB(255, 0, 0));
}

TEST_F(StyledDrawTest, ShapeOutlineIsClosedAndCarried) {
    auto dc = Printer();
    const CPoint tri[] = {{0, 0}, {50, 0}, {50, -50}};
    DrawStyledShape(dc.get(), tri, 3, 1, 1, RGB(0, 0, 0), -1, 0, R2_COPYPEN, OPAQUE);
    // The closing side (70.7 long) begins with the last 20 of a gap carried from the side
    // before, then a dash of 30.
    const auto lines = Lines(*dc);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back(), Segment({36, -36}, {15, -15})) << dc->Dump();
    EXPECT_TRUE(dc->Find(DcOp::Polygon).empty()); // no fill, no outline by the GDI call
}

// ---- Substitutions on screen and paper --------------------------------------------------------

struct SubstitutionCase {
    const char* name;
    Device device;
    bool styled;
    int type;
    int width;
    bool drawn;
    UINT penStyle;
    COLORREF color;
};

class SubstitutionTest : public StyledDrawTest,
                         public testing::WithParamInterface<SubstitutionCase> {};

TEST_P(SubstitutionTest, LineTypesOnEachDevice) {
    const SubstitutionCase& c = GetParam();
    CRecordingDC dc(c.device);
    SetStyledDrawEnable(&dc, c.styled ? 1 : 0);
    dc.SetMapMode(MM_LOMETRIC);
    DrawStyledPolyline(&dc, 0, 0, 100, 0, c.type, c.width, RGB(255, 0, 0), R2_COPYPEN, OPAQUE);
    const auto lines = Lines(dc);
    ASSERT_EQ(!lines.empty(), c.drawn) << dc.Dump();
    if (c.drawn) {
        const auto r = dc.Find(DcOp::LineTo).front();
        EXPECT_EQ(r.pen.style, c.penStyle);
        EXPECT_EQ(r.pen.color, c.color);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Devices, SubstitutionTest,
    testing::Values(
        SubstitutionCase{"screen_5_grey", Device::Screen, false, 5, 1, true, PS_SOLID,
                         RGB(192, 192, 192)},
        SubstitutionCase{"paper_5_none", Device::Printer, false, 5, 1, false, 0, 0},
        SubstitutionCase{"styled_paper_5_none", Device::Printer, true, 5, 1, false, 0, 0},
        SubstitutionCase{"screen_minus1_w0_none", Device::Screen, false, -1, 0, false, 0, 0},
        SubstitutionCase{"paper_minus1_w0_none", Device::Printer, false, -1, 0, false, 0, 0},
        SubstitutionCase{"screen_minus1_w2_dotted", Device::Screen, false, -1, 2, true, PS_DOT,
                         RGB(192, 192, 192)},
        SubstitutionCase{"paper_minus1_w2_none", Device::Printer, true, -1, 2, false, 0, 0},
        // Styled drawing off: the printer's own dash style.
        SubstitutionCase{"paper_dash_unstyled", Device::Printer, false, 1, 1, true, PS_DASH,
                         RGB(255, 0, 0)},
        SubstitutionCase{"paper_dash_width0", Device::Printer, true, 1, 0, true, PS_DASH,
                         RGB(255, 0, 0)},
        SubstitutionCase{"paper_6_never_dashed", Device::Printer, true, 6, 3, true, PS_INSIDEFRAME,
                         RGB(255, 0, 0)},
        SubstitutionCase{"screen_dash", Device::Screen, true, 1, 1, true, PS_DASH, RGB(255, 0, 0)}),
    [](const auto& info) { return info.param.name; });

// ---- Fills ------------------------------------------------------------------------------------

struct FillCase {
    const char* name;
    int fill;
    UINT brushStyle;
    int hatch;
    int patternId; // 0 when not a pattern brush
    COLORREF color;
};

class FillCodeTest : public StyledDrawTest, public testing::WithParamInterface<FillCase> {};

TEST_P(FillCodeTest, MakesTheBrushOfTheCode) {
    const FillCase& c = GetParam();
    CRecordingDC dc;
    DrawStyledRect(&dc, 0, 0, 10, -10, 0, 1, RGB(0, 0, 0), c.fill, RGB(0, 128, 0), R2_COPYPEN,
                   OPAQUE);
    const auto rects = dc.Find(DcOp::Rectangle);
    ASSERT_EQ(rects.size(), 1u);
    const BrushData& b = rects[0].brush;
    EXPECT_EQ(b.style, c.brushStyle);
    if (c.brushStyle == BS_SOLID || c.brushStyle == BS_HATCHED) {
        EXPECT_EQ(b.color, c.color);
    }
    if (c.brushStyle == BS_HATCHED) {
        EXPECT_EQ(b.hatch, c.hatch);
    }
    if (c.patternId != 0) {
        ASSERT_TRUE(b.pattern);
        const PatternBits* bits = FindPatternBitmap(c.patternId);
        ASSERT_NE(bits, nullptr);
        for (int y = 0; y < 8; ++y) {
            for (int x = 0; x < 8; ++x) {
                // Ink is a 0 bit, drawn in the text colour: the fill colour while drawing.
                EXPECT_EQ(!b.pattern->Bit(x, y), bits->Ink(x, y)) << x << "," << y;
            }
        }
        EXPECT_EQ(rects[0].textColor, RGB(0, 128, 0));
        EXPECT_EQ(dc.GetTextColor(), RGB(0, 0, 0)); // and put back after it
    }
    // Nothing stays selected.
    EXPECT_EQ(dc.GetCurrentBrush(), CGdiObject::Stock(WHITE_BRUSH));
    EXPECT_EQ(dc.GetCurrentPen(), CGdiObject::Stock(BLACK_PEN));
}

INSTANTIATE_TEST_SUITE_P(
    Codes, FillCodeTest,
    testing::Values(FillCase{"none", -1, BS_NULL, 0, 0, 0},
                    FillCase{"none_999", 999, BS_NULL, 0, 0, 0},
                    FillCase{"solid", 99, BS_SOLID, 0, 0, RGB(0, 128, 0)},
                    FillCase{"white_100", 100, BS_SOLID, 0, 0, RGB(255, 255, 255)},
                    FillCase{"hatch_0", 0, BS_HATCHED, HS_HORIZONTAL, 0, RGB(0, 128, 0)},
                    FillCase{"hatch_5", 5, BS_HATCHED, HS_DIAGCROSS, 0, RGB(0, 128, 0)},
                    FillCase{"no_such_hatch", 40, BS_NULL, 0, 0, 0},
                    FillCase{"pattern_90", 90, BS_PATTERN, 0, 106, 0},
                    FillCase{"pattern_91", 91, BS_PATTERN, 0, 108, 0},
                    FillCase{"pattern_200", 200, BS_PATTERN, 0, 345, 0},
                    FillCase{"pattern_203", 203, BS_PATTERN, 0, 352, 0},
                    FillCase{"pattern_208", 208, BS_PATTERN, 0, 347, 0},
                    FillCase{"pattern_500", 500, BS_PATTERN, 0, 108, 0}),
    [](const auto& info) { return info.param.name; });

TEST_F(StyledDrawTest, PatternsAreDistinct) {
    const int ids[] = {106, 108, 345, 346, 347, 348, 349, 350, 351, 352, 353, 354, 355, 356};
    for (int a : ids) {
        ASSERT_NE(FindPatternBitmap(a), nullptr) << a;
        for (int b : ids) {
            if (a < b) {
                EXPECT_NE(FindPatternBitmap(a)->rows, FindPatternBitmap(b)->rows) << a << " " << b;
            }
        }
    }
    EXPECT_EQ(FindPatternBitmap(107), nullptr);
}

struct OriginCase {
    CPoint viewportOrg;
    CPoint brushOrg;
};

class BrushOriginTest : public StyledDrawTest, public testing::WithParamInterface<OriginCase> {};

TEST_P(BrushOriginTest, IsTheDeviceOriginModuloEight) {
    CRecordingDC dc;
    dc.SetMapMode(MM_LOMETRIC);
    dc.SetViewportOrg(GetParam().viewportOrg);
    DrawStyledRect(&dc, 0, 0, 10, -10, 0, 1, RGB(0, 0, 0), 3, RGB(0, 0, 0), R2_COPYPEN, OPAQUE);
    EXPECT_EQ(dc.Find(DcOp::Rectangle).front().brushOrg, GetParam().brushOrg);
}

INSTANTIATE_TEST_SUITE_P(Origins, BrushOriginTest,
                         testing::Values(OriginCase{{13, 21}, {5, 5}}, OriginCase{{16, 8}, {0, 0}},
                                         // The remainder keeps the sign of the dividend.
                                         OriginCase{{-13, -3}, {-5, -3}}));

TEST_F(StyledDrawTest, RectangleEdgesAreInclusiveAndFlipped) {
    CRecordingDC dc;
    DrawStyledRect(&dc, CRect(10, -20, 30, -40), 0, 1, 0, -1, 0, R2_COPYPEN, OPAQUE);
    EXPECT_EQ(dc.Find(DcOp::Rectangle).front().args.rect, CRect(10, -20, 31, -41));
    Settings("1.0", true);
    CRecordingDC flipped;
    DrawStyledRect(&flipped, CRect(10, -20, 30, -40), 0, 1, 0, -1, 0, R2_COPYPEN, OPAQUE);
    EXPECT_EQ(flipped.Find(DcOp::Rectangle).front().args.rect, CRect(10, 20, 31, 41));
    DrawStyledPolyline(&flipped, 1, -2, 3, -4, 0, 0, 0, R2_COPYPEN, OPAQUE);
    EXPECT_EQ(Lines(flipped), (std::vector<Segment>{{{1, 2}, {3, 4}}}));
}

TEST_F(StyledDrawTest, ModesAreSetOnlyWhenGivenAndDifferent) {
    CRecordingDC dc;
    dc.SetROP2(R2_XORPEN);
    DrawStyledPolyline(&dc, 0, 0, 10, 0, 0, 0, 0, -1, -1);
    EXPECT_EQ(dc.Find(DcOp::LineTo).front().rop2, R2_XORPEN);
    DrawStyledPolyline(&dc, 0, 0, 10, 0, 0, 0, 0, R2_NOT, TRANSPARENT);
    EXPECT_EQ(dc.Find(DcOp::LineTo).back().rop2, R2_NOT);
    EXPECT_EQ(dc.Find(DcOp::LineTo).back().bkMode, TRANSPARENT);
    // The modes stay as the call set them.
    EXPECT_EQ(dc.GetROP2(), R2_NOT);
    const size_t before = dc.Find(DcOp::SetROP2).size();
    DrawStyledPolyline(&dc, 0, 0, 10, 0, 0, 0, 0, R2_NOT, TRANSPARENT);
    EXPECT_EQ(dc.Find(DcOp::SetROP2).size(), before);
}

// ---- Colour matching --------------------------------------------------------------------------

struct ColorCase {
    const char* name;
    Device device;
    bool match;
    bool blackBack;
    COLORREF in;
    COLORREF out;
    COLORREF background;
};

class ColorMatchTest : public StyledDrawTest, public testing::WithParamInterface<ColorCase> {};

TEST_P(ColorMatchTest, PenColourOnTheDevice) {
    const ColorCase& c = GetParam();
    Settings("1.0", false, c.blackBack);
    CRecordingDC dc(c.device);
    SetColorMatchEnable(&dc, c.match ? 1 : 0);
    DrawStyledPolyline(&dc, 0, 0, 10, 0, 0, 1, c.in, R2_COPYPEN, OPAQUE);
    const auto r = dc.Find(DcOp::LineTo).front();
    EXPECT_EQ(r.pen.color, c.out);
    EXPECT_EQ(r.bkColor, c.background);
}

INSTANTIATE_TEST_SUITE_P(Devices, ColorMatchTest,
                         testing::Values(
                             // A mono printer would print yellow white: it becomes black instead.
                             ColorCase{"mono_yellow_black", Device::MonoPrinter, true, false,
                                       RGB(255, 255, 0), RGB(0, 0, 0), RGB(255, 255, 255)},
                             ColorCase{"mono_white_stays", Device::MonoPrinter, true, false,
                                       RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255)},
                             ColorCase{"mono_blue_black", Device::MonoPrinter, true, false,
                                       RGB(0, 0, 255), RGB(0, 0, 0), RGB(255, 255, 255)},
                             ColorCase{"mono_matching_off", Device::MonoPrinter, false, false,
                                       RGB(255, 255, 0), RGB(255, 255, 0), RGB(255, 255, 255)},
                             ColorCase{"colour_printer", Device::Printer, true, false,
                                       RGB(255, 255, 0), RGB(255, 255, 0), RGB(255, 255, 255)},
                             ColorCase{"screen", Device::Screen, true, false, RGB(0, 0, 0),
                                       RGB(0, 0, 0), RGB(255, 255, 255)},
                             ColorCase{"blackback_black", Device::Screen, true, true, RGB(0, 0, 0),
                                       RGB(255, 255, 255), RGB(0, 0, 0)},
                             ColorCase{"blackback_white", Device::Screen, true, true,
                                       RGB(255, 255, 255), RGB(0, 0, 0), RGB(0, 0, 0)},
                             ColorCase{"blackback_red", Device::Screen, true, true, RGB(255, 0, 0),
                                       RGB(255, 0, 0), RGB(0, 0, 0)},
                             // The black background is the screen's: paper stays as it is.
                             ColorCase{"blackback_paper", Device::Printer, true, true, RGB(0, 0, 0),
                                       RGB(0, 0, 0), RGB(255, 255, 255)}),
                         [](const auto& info) { return info.param.name; });

// ---- Arcs and the other shapes on paper ---------------------------------------------------------

TEST_F(StyledDrawTest, CircleOutlineKeepsTheDashLengthsAlongTheArc) {
    auto dc = Printer();
    const int r = 300;
    DrawStyledFilledArc(dc.get(), 1000, -1000, r, 1, 2, RGB(0, 0, 0), 99, RGB(0, 0, 0), R2_COPYPEN,
                        OPAQUE);
    const auto arcs = dc->Find(DcOp::Arc);
    // 2 pi r = 1885: 31 dashes of 30 on, 30 off (the last one cut short).
    ASSERT_EQ(arcs.size(), 32u) << dc->Dump();
    double inked = 0.0;
    for (const auto& a : arcs) {
        EXPECT_EQ(a.args.rect, CRect(700, -700, 1300, -1300));
        const CPoint s = a.args.points[0];
        const CPoint e = a.args.points[1];
        EXPECT_NEAR(std::hypot(s.x - 1000, s.y + 1000), r, 1.0);
        const double chord = std::hypot(e.x - s.x, e.y - s.y);
        inked += 2.0 * r * std::asin(std::min(1.0, chord / (2.0 * r)));
    }
    EXPECT_NEAR(inked, 31 * 30 + (2 * 3.14159265 * r - 31 * 60), 8.0);
    // The first dash starts at angle 0 and runs counter-clockwise (y up) as GDI draws arcs.
    EXPECT_EQ(arcs[0].args.points[0], CPoint(1300, -1000));
    EXPECT_GT(arcs[0].args.points[1].y, -1000);
    // The fill came first, with the null pen.
    const auto ellipses = dc->Find(DcOp::Ellipse);
    ASSERT_EQ(ellipses.size(), 1u);
    EXPECT_TRUE(ellipses[0].pen.IsNull());
}

TEST_F(StyledDrawTest, FanOnPaperWalksRadiusArcRadius) {
    auto dc = Printer();
    // A quarter circle from the ray to the right to the ray upwards.
    DrawStyledFan(dc.get(), 0, 0, 100, 200, 0, 0, 200, 1, 1, RGB(0, 0, 0), -1, 0);
    const auto lines = Lines(*dc);
    const auto arcs = dc->Find(DcOp::Arc);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front().first, CPoint(0, 0));
    ASSERT_FALSE(arcs.empty());
    for (const auto& a : arcs) {
        EXPECT_GE(a.args.points[0].x, 0);
        EXPECT_GE(a.args.points[0].y, 0);
    }
    EXPECT_TRUE(dc->Find(DcOp::Pie).empty());
    // Screen: one Pie with the plain pen.
    CRecordingDC screen;
    DrawStyledFan(&screen, 0, 0, 100, 200, 0, 0, 200, 1, 1, RGB(0, 0, 0), 99, 0);
    const auto pies = screen.Find(DcOp::Pie);
    ASSERT_EQ(pies.size(), 1u);
    EXPECT_EQ(pies[0].args.rect, CRect(-100, 100, 100, -100));
    EXPECT_EQ(pies[0].rop2, R2_COPYPEN);
}

TEST_F(StyledDrawTest, RoundRectOnPaperAlternatesSidesAndCorners) {
    auto dc = Printer();
    DrawStyledRoundRect(dc.get(), CRect(0, 0, 400, -300), CPoint(100, -100), 1, 2, RGB(0, 0, 0), -1,
                        0, R2_COPYPEN, OPAQUE);
    const auto lines = Lines(*dc);
    ASSERT_FALSE(lines.empty());
    // The walk begins on the top side after the top-left corner.
    EXPECT_EQ(lines.front().first, CPoint(50, 0));
    EXPECT_FALSE(dc->Find(DcOp::Arc).empty());
    CRecordingDC screen;
    DrawStyledRoundRect(&screen, CRect(0, 0, 400, -300), CPoint(100, -100), 0, 1, 0, -1, 0,
                        R2_COPYPEN, OPAQUE);
    const auto rr = screen.Find(DcOp::RoundRect);
    ASSERT_EQ(rr.size(), 1u);
    EXPECT_EQ(rr[0].args.points[0], CPoint(100, 100));
}

// ---- Dot lines ------------------------------------------------------------------------------

TEST_F(StyledDrawTest, PrintDotLineOnlyOnPaperAndForType2) {
    auto dc = Printer(false);
    DrawPrintDotLine(dc.get(), 0, 0, 100, 0, 2, 3, RGB(0, 0, 0), 4, 6);
    const auto lines = dc->Find(DcOp::LineTo);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].pen.style, PS_GEOMETRIC | PS_ENDCAP_FLAT | PS_USERSTYLE);
    EXPECT_EQ(lines[0].pen.dashes, std::vector<DWORD>({4, 6}));
    EXPECT_EQ(lines[0].pen.width, 3);

    CRecordingDC metafile(Device::Metafile);
    DrawPrintDotLine(&metafile, 0, 0, 100, 0, 2, 3, RGB(0, 0, 0), 4, 6);
    EXPECT_EQ(metafile.Find(DcOp::LineTo).size(), 1u);

    CRecordingDC screen;
    DrawPrintDotLine(&screen, 0, 0, 100, 0, 2, 3, RGB(0, 0, 0), 4, 6);
    DrawPrintDotLine(dc.get(), 0, 0, 100, 0, 1, 3, RGB(0, 0, 0), 4, 6);
    EXPECT_TRUE(screen.Drawings().empty());
    EXPECT_EQ(dc->Find(DcOp::LineTo).size(), 1u);
}

TEST_F(StyledDrawTest, DotLineIsAPixelBandOnScreenAndDottedOnPaper) {
    CRecordingDC screen;
    screen.SetMapMode(MM_LOMETRIC);
    DrawDotLine(&screen, 0, -254, 254, -254, 7, 2, RGB(0, 0, 0), R2_COPYPEN, OPAQUE);
    const auto fills = screen.Find(DcOp::FillRect);
    ASSERT_EQ(fills.size(), 1u);
    // One device row from the first end to the last, in pixels, the dots starting there.
    EXPECT_EQ(fills[0].args.rect, CRect(0, 96, 97, 97));
    EXPECT_EQ(fills[0].mapMode, MM_TEXT);
    EXPECT_EQ(fills[0].brushOrg, CPoint(0, 0));
    EXPECT_EQ(screen.GetMapMode(), MM_LOMETRIC);

    auto paper = Printer();
    DrawDotLine(paper.get(), 0, 0, 100, 0, 7, 2, RGB(0, 0, 0), R2_COPYPEN, OPAQUE);
    EXPECT_EQ(Inked(*paper).front(), std::make_pair(10, 20));
}

// ---- Text -------------------------------------------------------------------------------------

LOGFONT Font(int height, int width, int escapement = 0) {
    LOGFONT lf;
    lf.lfHeight = height;
    lf.lfWidth = width;
    lf.lfEscapement = escapement;
    lf.lfOrientation = escapement;
    lf.SetFaceName("\x82\x6c\x82\x72 \x96\xbe\x92\xa9"); // ＭＳ 明朝
    return lf;
}

TEST_F(StyledDrawTest, PlainTextSetsAlignmentColourAndRestores) {
    CRecordingDC dc;
    dc.SetMapMode(MM_LOMETRIC);
    const LOGFONT lf = Font(-40, 20);
    EXPECT_EQ(DrawStyledText(&dc, 100, -200, &lf, RGB(0, 0, 255), "AB", TA_BOTTOM | TA_RIGHT,
                             R2_COPYPEN, TRANSPARENT),
              1);
    const auto texts = dc.Find(DcOp::TextOut);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].args.points[0], CPoint(100, -200));
    EXPECT_EQ(texts[0].textAlign, static_cast<UINT>(TA_BOTTOM | TA_RIGHT));
    EXPECT_EQ(texts[0].textColor, RGB(0, 0, 255));
    EXPECT_EQ(texts[0].bkMode, TRANSPARENT);
    EXPECT_EQ(texts[0].font.lfHeight, -40);
    EXPECT_EQ(dc.GetTextAlign(), 0u);
    EXPECT_EQ(dc.GetTextColor(), RGB(0, 0, 0));
    EXPECT_EQ(dc.GetCurrentFont(), CGdiObject::Stock(SYSTEM_FONT));

    // 0xFFFF leaves the alignment alone.
    dc.SetTextAlign(TA_CENTER);
    DrawStyledText(&dc, 0, 0, &lf, 0, "A", 0xFFFF, R2_COPYPEN, TRANSPARENT);
    EXPECT_EQ(dc.Find(DcOp::TextOut).back().textAlign, static_cast<UINT>(TA_CENTER));
    EXPECT_EQ(dc.GetTextAlign(), static_cast<UINT>(TA_CENTER));

    // A font of height 0 draws nothing.
    const LOGFONT none = Font(0, 20);
    EXPECT_EQ(DrawStyledText(&dc, 0, 0, &none, 0, "A", 0, R2_COPYPEN, TRANSPARENT), 0);
    EXPECT_EQ(dc.Find(DcOp::TextOut).size(), 2u);
}

TEST_F(StyledDrawTest, FlippedVerticalTextTurnsTheOtherWay) {
    Settings("1.0", true);
    CRecordingDC dc;
    const LOGFONT lf = Font(-40, 20, 901);
    DrawStyledText(&dc, 10, -20, &lf, 0, "A", 0, R2_COPYPEN, TRANSPARENT);
    const auto t = dc.Find(DcOp::TextOut).front();
    EXPECT_EQ(t.font.lfEscapement, -901);
    EXPECT_EQ(t.font.lfOrientation, -901);
    EXPECT_EQ(t.args.points[0], CPoint(10, 20));
}

struct XorTextCase {
    const char* name;
    UINT align;
    bool blackBack;
    CRect target; // x, y, x + w, y + h of the transfer in logical units
};

class XorTextTest : public StyledDrawTest, public testing::WithParamInterface<XorTextCase> {};

TEST_P(XorTextTest, CombinesAMemoryBitmapBySrcInvert) {
    const XorTextCase& c = GetParam();
    Settings("1.0", false, c.blackBack);
    CRecordingDC dc;
    dc.SetMapMode(MM_LOMETRIC);
    const LOGFONT lf = Font(-40, 20);
    ASSERT_EQ(
        DrawStyledText(&dc, 1000, -500, &lf, RGB(255, 0, 0), "AB", c.align, R2_XORPEN, TRANSPARENT),
        1);
    // Straight onto the device nothing is written; the text goes through memory DC 1.
    EXPECT_TRUE(dc.Find(DcOp::TextOut).empty());
    const auto memText = dc.Find(DcOp::TextOut, 1);
    ASSERT_EQ(memText.size(), 1u) << dc.Dump();
    EXPECT_EQ(memText[0].args.points[0], CPoint(0, 0));
    EXPECT_EQ(memText[0].textAlign, 0u);
    EXPECT_EQ(memText[0].mapMode, MM_LOMETRIC);
    const auto blts = dc.Find(DcOp::PatBlt, 1);
    ASSERT_FALSE(blts.empty());
    // Cleared to the colour that XORs to nothing once inverted (or at once on black).
    EXPECT_EQ(blts.front().args.values[0], c.blackBack ? BLACKNESS : WHITENESS);
    EXPECT_EQ(blts.size(), c.blackBack ? 1u : 2u);
    if (!c.blackBack) {
        EXPECT_EQ(blts.back().args.values[0], DSTINVERT);
    }
    const auto xors = dc.Find(DcOp::BitBlt);
    ASSERT_EQ(xors.size(), 1u);
    EXPECT_EQ(xors[0].args.values[0], SRCINVERT);
    EXPECT_EQ(xors[0].args.rect, c.target);
    // A quarter of the screen.
    const auto sel = dc.Find(DcOp::SelectBitmap, 1);
    ASSERT_FALSE(sel.empty());
    EXPECT_EQ(sel.front().args.values, std::vector<long long>({480, 270}));
}

INSTANTIATE_TEST_SUITE_P(
    Alignments, XorTextTest,
    testing::Values(XorTextCase{"top_left", TA_TOP | TA_LEFT, false, {1000, -500, 1040, -540}},
                    XorTextCase{"right", TA_RIGHT, false, {960, -500, 1000, -540}},
                    XorTextCase{"centre", TA_CENTER, false, {980, -500, 1020, -540}},
                    XorTextCase{"bottom", TA_BOTTOM, false, {1000, -460, 1040, -500}},
                    XorTextCase{
                        "baseline_right", TA_BASELINE | TA_RIGHT, false, {960, -460, 1000, -500}},
                    XorTextCase{"black_back", TA_TOP, true, {1000, -500, 1040, -540}}),
    [](const auto& info) { return info.param.name; });

TEST_F(StyledDrawTest, XorTextWithoutMemoryDrawsNothing) {
    CRecordingDC dc;
    dc.FailMemoryDC(true);
    const LOGFONT lf = Font(-40, 20);
    EXPECT_EQ(DrawStyledText(&dc, 0, 0, &lf, 0, "AB", 0, R2_NOT, TRANSPARENT), 0);
    EXPECT_TRUE(dc.Drawings().empty());
    EXPECT_EQ(dc.GetCurrentFont(), CGdiObject::Stock(SYSTEM_FONT));
}

TEST_F(StyledDrawTest, TurnedXorTextIsCentredOnItsReference) {
    // Vertical feedback text would leave a corner bitmap (it runs down and to the left of its
    // reference point); it is drawn in the middle of a square around the point instead.
    CRecordingDC dc(Device::Screen, 254);
    dc.SetMapMode(MM_LOMETRIC);
    const LOGFONT lf = Font(-40, 20, 901);
    ASSERT_EQ(DrawStyledText(&dc, 1000, -500, &lf, 0, "AB", 0, R2_XORPEN, TRANSPARENT), 1);
    const auto xors = dc.Find(DcOp::BitBlt);
    ASSERT_EQ(xors.size(), 1u);
    EXPECT_EQ(xors[0].args.rect.CenterPoint(), CPoint(1000, -500));
    const auto memText = dc.Find(DcOp::TextOut, 1);
    ASSERT_EQ(memText.size(), 1u);
    EXPECT_EQ(memText[0].font.lfEscapement, 901);
}

// ---- Switches and settings ------------------------------------------------------------------

TEST_F(StyledDrawTest, SwitchesReturnTheirPreviousValue) {
    CRecordingDC dc(Device::Printer);
    EXPECT_EQ(SetStyledDrawEnable(&dc, 1), 0);
    EXPECT_EQ(SetStyledDrawEnable(&dc, 0), 1);
    EXPECT_EQ(SetColorMatchEnable(&dc, 0), 1);
    EXPECT_EQ(SetColorMatchEnable(&dc, 1), 0);
    EXPECT_EQ(SetStyledDrawEnable(nullptr, 1), 0);
}

// A print job and a window (or a preview) drawing at the same time: the switches of the job
// stay with the job's device context.
TEST_F(StyledDrawTest, SwitchesBelongToTheDeviceContextTheyWereSetOn) {
    CRecordingDC job(Device::MonoPrinter);
    CRecordingDC other(Device::MonoPrinter);
    job.SetMapMode(MM_LOMETRIC);
    other.SetMapMode(MM_LOMETRIC);
    SetStyledDrawEnable(&job, 1);
    SetColorMatchEnable(&job, 0);
    for (CRecordingDC* dc : {&job, &other}) {
        DrawStyledPolyline(dc, 0, 0, 100, 0, 1, 2, RGB(255, 255, 0), R2_COPYPEN, OPAQUE);
    }
    // The job draws the table's dashes with a flat-ended geometric pen and keeps the exact
    // colour.
    const auto jobLines = job.Find(DcOp::LineTo);
    ASSERT_EQ(Inked(job), (std::vector<std::pair<int, int>>{{0, 30}, {60, 90}})) << job.Dump();
    EXPECT_TRUE(jobLines[0].pen.IsGeometric());
    EXPECT_EQ(jobLines[0].pen.color, RGB(255, 255, 0));
    // The other one still draws with the printer's dash style and matched colours.
    const auto otherLines = other.Find(DcOp::LineTo);
    ASSERT_EQ(otherLines.size(), 1u) << other.Dump();
    EXPECT_EQ(otherLines[0].pen.style, static_cast<UINT>(PS_DASH));
    EXPECT_EQ(otherLines[0].pen.color, RGB(0, 0, 0));
}

TEST(DrawSettings, DashScaleParsing) {
    EXPECT_DOUBLE_EQ(ParseDashScale("1.0"), 1.0);
    EXPECT_DOUBLE_EQ(ParseDashScale("  2.5 "), 2.5);
    EXPECT_DOUBLE_EQ(ParseDashScale("+3"), 3.0);
    EXPECT_DOUBLE_EQ(ParseDashScale("1e1"), 10.0);
    EXPECT_DOUBLE_EQ(ParseDashScale(""), 1.0);
    EXPECT_DOUBLE_EQ(ParseDashScale("-2"), 1.0);
    EXPECT_DOUBLE_EQ(ParseDashScale("1,5"), 1.0);
}

TEST_F(StyledDrawTest, ObjectsAreSelectedBackAfterEveryPrimitive) {
    auto dc = Printer();
    const CPoint pts[] = {{0, 0}, {100, 0}, {100, -100}};
    DrawStyledPolyline(dc.get(), 0, 0, 100, 0, 1, 2, 0, R2_COPYPEN, OPAQUE);
    DrawStyledShape(dc.get(), pts, 3, 3, 2, 0, 90, 0, R2_COPYPEN, OPAQUE);
    DrawStyledEllipse(dc.get(), CRect(0, 0, 100, -50), 4, 2, 0, 5, 0, R2_COPYPEN, OPAQUE);
    DrawStyledArc(dc.get(), 0, 0, 50, 50, 0, 0, 50, 2, 2, 0, R2_COPYPEN, OPAQUE);
    DrawStyledFilledArc(dc.get(), 0, 0, 50, 0, 2, 0, 99, 0, R2_COPYPEN, OPAQUE);
    EXPECT_EQ(dc->GetCurrentPen(), CGdiObject::Stock(BLACK_PEN));
    EXPECT_EQ(dc->GetCurrentBrush(), CGdiObject::Stock(WHITE_BRUSH));
    EXPECT_EQ(dc->GetTextColor(), RGB(0, 0, 0));
}

TEST_F(StyledDrawTest, EveryPrimitiveOnEveryDeviceLeavesTheStockObjectsSelected) {
    const CPoint pts[] = {{0, 0}, {100, 0}, {100, -100}};
    const LOGFONT lf = [] {
        LOGFONT f;
        f.lfHeight = -40;
        f.lfWidth = 20;
        return f;
    }();
    struct Case {
        const char* name;
        Device device;
        bool styled;
    };
    const Case cases[] = {{"screen", Device::Screen, false},
                          {"paper", Device::Printer, false},
                          {"styled paper", Device::Printer, true},
                          {"metafile", Device::Metafile, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CRecordingDC dc(c.device);
        SetStyledDrawEnable(&dc, c.styled ? 1 : 0);
        dc.SetMapMode(MM_LOMETRIC);
        // Every line type, with the fills that select a pattern brush and set the text colour.
        for (int type = -1; type <= 6; ++type) {
            DrawStyledPolyline(&dc, 0, 0, 100, 0, type, 2, RGB(1, 2, 3), R2_COPYPEN, OPAQUE);
            DrawStyledPointPolyline(&dc, pts, 3, type, 2, RGB(1, 2, 3), R2_COPYPEN, OPAQUE);
            DrawStyledRect(&dc, 0, 0, 100, -50, type, 2, 0, 90, RGB(9, 9, 9), R2_COPYPEN, OPAQUE);
            DrawStyledShape(&dc, pts, 3, type, 2, 0, 204, RGB(9, 9, 9), R2_COPYPEN, OPAQUE);
            DrawStyledEllipse(&dc, CRect(0, 0, 100, -50), type, 2, 0, 3, 0, R2_COPYPEN, OPAQUE);
            DrawStyledRoundRect(&dc, CRect(0, 0, 400, -300), CPoint(100, -100), type, 2, 0, 100, 0,
                                R2_COPYPEN, OPAQUE);
            DrawStyledFilledArc(&dc, 0, 0, 50, type, 2, 0, 91, RGB(9, 9, 9), R2_COPYPEN, OPAQUE);
            DrawStyledArc(&dc, 0, 0, 50, 50, 0, 0, 50, type, 2, 0, R2_COPYPEN, OPAQUE);
            DrawStyledFan(&dc, 0, 0, 100, 200, 0, 0, 200, type, 2, 0, 99, 0);
        }
        DrawDotLine(&dc, 0, -254, 254, -254, 7, 2, 0, R2_COPYPEN, OPAQUE);
        DrawPrintDotLine(&dc, 0, 0, 100, 0, 2, 3, 0, 4, 6);
        DrawStyledText(&dc, 0, 0, &lf, RGB(9, 9, 9), "AB", TA_BOTTOM, R2_COPYPEN, TRANSPARENT);
        DrawStyledText(&dc, 0, 0, &lf, RGB(9, 9, 9), "AB", TA_BOTTOM, R2_XORPEN, TRANSPARENT);
        ASSERT_FALSE(dc.Drawings().empty());
        EXPECT_EQ(dc.GetCurrentPen(), CGdiObject::Stock(BLACK_PEN));
        EXPECT_EQ(dc.GetCurrentBrush(), CGdiObject::Stock(WHITE_BRUSH));
        EXPECT_EQ(dc.GetCurrentFont(), CGdiObject::Stock(SYSTEM_FONT));
        EXPECT_EQ(dc.GetTextColor(), RGB(0, 0, 0));
        EXPECT_EQ(dc.GetTextAlign(), 0u);
        EXPECT_EQ(dc.GetMapMode(), MM_LOMETRIC);
    }
}

} // namespace
} // namespace tembra
