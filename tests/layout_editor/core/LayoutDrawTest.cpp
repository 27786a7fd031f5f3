#include "layout_editor/core/LayoutDraw.h"

#include "layout_editor/core/LayoutPatterns.h"
#include "platform/RecordingDC.h"
#include "render/StyledDraw.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace marquell {
namespace {

using tembra::CRecordingDC;
using tembra::DcOp;
using Device = CRecordingDC::Device;

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGrey = RGB(192, 192, 192);

std::unique_ptr<CRecordingDC> Dc(Device device, int dpi = 0) {
    auto dc = std::make_unique<CRecordingDC>(device, dpi);
    dc->SetMapMode(tembra::MM_LOMETRIC);
    return dc;
}

// A printer that reports no resolution.
class UnmeasuredPrinter : public CRecordingDC {
public:
    UnmeasuredPrinter() : CRecordingDC(Device::Printer) {
        tembra::DeviceDescription d = GetDeviceDescription();
        d.dpiX = 0;
        d.dpiY = 0;
        SetDevice(d);
        SetMapMode(tembra::MM_LOMETRIC);
    }
};

// Whether a brush's pattern is the bitmap of that number: its ink as 0 bits.
bool IsPattern(const tembra::BrushData& brush, int id) {
    const tembra::PatternBits* bits = FindLayoutPattern(id);
    if (brush.style != tembra::BS_PATTERN || !brush.pattern || bits == nullptr ||
        brush.pattern->width != 8 || brush.pattern->height != 8) {
        return false;
    }
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            if (brush.pattern->Bit(x, y) == bits->Ink(x, y)) {
                return false;
            }
        }
    }
    return true;
}

// ---- Lines ----------------------------------------------------------------------------------

TEST(LayoutDrawLine, StylesMapByDevice) {
    struct Case {
        const char* name;
        Device device;
        int style;
        int width;
        bool drawn;      // a LineTo at all
        int penStyle;    // of the LineTo
        COLORREF colour; // of the pen
    };
    const std::vector<Case> cases = {
        {"screen solid", Device::Screen, 0, 3, true, tembra::PS_SOLID, kRed},
        {"screen dashed", Device::Screen, 1, 3, true, tembra::PS_DASH, kRed},
        {"screen null becomes grey", Device::Screen, 5, 3, true, tembra::PS_SOLID, kGrey},
        {"screen no line, thin", Device::Screen, -1, 0, false, 0, 0},
        {"screen no line, wide", Device::Screen, -1, 1, true, tembra::PS_DOT, kGrey},
        {"printer no line", Device::Printer, -1, 3, true, tembra::PS_NULL, kRed},
        {"printer null", Device::Printer, 5, 3, true, tembra::PS_NULL, kRed},
        {"printer dotted", Device::Printer, 2, 3, true, tembra::PS_DOT, kRed},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto dc = Dc(c.device);
        EXPECT_TRUE(DrawLine(dc.get(), 10, -20, 110, -20, c.style, c.width, kRed,
                             tembra::R2_COPYPEN, tembra::TRANSPARENT));
        const auto lines = dc->Find(DcOp::LineTo);
        ASSERT_EQ(lines.size(), c.drawn ? 1u : 0u) << dc->Dump();
        if (!c.drawn) {
            continue;
        }
        EXPECT_EQ(lines[0].args.points, (std::vector<CPoint>{{10, -20}, {110, -20}}));
        EXPECT_EQ(lines[0].pen.LineStyle(), static_cast<UINT>(c.penStyle));
        EXPECT_EQ(lines[0].pen.width, c.width);
        EXPECT_EQ(lines[0].pen.color, c.colour);
        EXPECT_EQ(lines[0].rop2, tembra::R2_COPYPEN);
        EXPECT_EQ(lines[0].bkMode, tembra::TRANSPARENT);
        // The pen goes again.
        EXPECT_EQ(dc->CurrentPen(), tembra::PenData());
    }
}

TEST(LayoutDrawLine, APrinterWithEmulationDrawsAWideStyledLineAsOnePixelStrokes) {
    auto dc = Dc(Device::Printer, 600);
    tembra::SetStyledDrawEnable(dc.get(), 1);
    ASSERT_TRUE(DrawLine(dc.get(), 0, -100, 1000, -100, tembra::PS_DASH, 6, kRed, -1, -1));
    const auto strokes = dc->Find(DcOp::LineTo);
    // 6 units of 0.1 mm over a pixel of 254 / 600 units: 14 strokes.
    ASSERT_EQ(strokes.size(), 14u) << dc->Dump();
    int lowest = 0;
    int highest = -1000;
    for (const auto& r : strokes) {
        EXPECT_EQ(r.pen.width, 0);
        EXPECT_EQ(r.pen.LineStyle(), tembra::PS_DASH);
        ASSERT_EQ(r.args.points.size(), 2u);
        // Parallel to the line, about it: 7 pixels below and 6 above.
        EXPECT_EQ(r.args.points[0].x, 0);
        EXPECT_EQ(r.args.points[1].x, 1000);
        EXPECT_EQ(r.args.points[0].y, r.args.points[1].y);
        lowest = std::min(lowest, r.args.points[0].y);
        highest = std::max(highest, r.args.points[0].y);
    }
    EXPECT_EQ(lowest, -103);
    EXPECT_EQ(highest, -97);

    // A solid line, or emulation off, takes one pen of the width.
    for (const bool emulate : {true, false}) {
        auto one = Dc(Device::Printer, 600);
        tembra::SetStyledDrawEnable(one.get(), emulate ? 1 : 0);
        DrawLine(one.get(), 0, 0, 100, 0, emulate ? tembra::PS_SOLID : tembra::PS_DASH, 6, kRed, -1,
                 -1);
        ASSERT_EQ(one->Find(DcOp::LineTo).size(), 1u);
        EXPECT_EQ(one->Find(DcOp::LineTo)[0].pen.width, 6);
    }
}

TEST(LayoutDrawLine, APrinterWithoutAResolutionDrawsAWideLineWithOnePen) {
    UnmeasuredPrinter dc;
    tembra::SetStyledDrawEnable(&dc, 1);
    ASSERT_TRUE(DrawLine(&dc, 0, 0, 100, 0, tembra::PS_DASH, 6, kRed, -1, -1));
    const auto lines = dc.Find(DcOp::LineTo);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].pen.width, 6);
    EXPECT_FALSE(DrawLine(nullptr, 0, 0, 1, 1, 0, 1, 0, -1, -1));
}

TEST(LayoutDrawLine, ColoursMatchThePrinterOnlyWhenMatchingIsOn) {
    for (const bool match : {true, false}) {
        auto dc = Dc(Device::MonoPrinter);
        tembra::SetColorMatchEnable(dc.get(), match ? 1 : 0);
        dc->SetBkColor(RGB(1, 2, 3));
        DrawLine(dc.get(), 0, 0, 100, 0, 0, 1, RGB(200, 200, 200), -1, -1);
        const auto lines = dc->Find(DcOp::LineTo);
        ASSERT_EQ(lines.size(), 1u);
        // A light grey is white on a black-and-white printer.
        EXPECT_EQ(lines[0].pen.color, match ? RGB(255, 255, 255) : RGB(200, 200, 200));
        EXPECT_EQ(lines[0].bkColor, RGB(255, 255, 255));
    }
}

// ---- Rectangles -------------------------------------------------------------------------------

TEST(LayoutDrawRect, TheFrameReachesOneWidthFurtherRightAndDown) {
    auto dc = Dc(Device::Screen);
    ASSERT_TRUE(DrawRect(dc.get(), CRect(100, -200, 300, -400), 0, 6, kRed, kBrushHollow, 0,
                         tembra::R2_COPYPEN, -1));
    const auto rects = dc->Find(DcOp::Rectangle);
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_EQ(rects[0].args.rect, CRect(100, -200, 306, -406));
    EXPECT_EQ(rects[0].pen.width, 6);
    EXPECT_TRUE(rects[0].brush.IsNull());
    EXPECT_EQ(dc->CurrentPen(), tembra::PenData());
    EXPECT_EQ(dc->CurrentBrush(), tembra::BrushData());
}

TEST(LayoutDrawRect, BrushCodes) {
    enum class Fill { None, Solid, Hatch, Pattern110, Pattern112 };
    struct Case {
        int code;
        Fill fill;
    };
    const std::vector<Case> cases = {
        {999, Fill::None},      {-1, Fill::None},       {99, Fill::Solid}, {90, Fill::Pattern110},
        {91, Fill::Pattern112}, {98, Fill::Pattern112}, {0, Fill::Hatch},  {5, Fill::Hatch},
        {6, Fill::None},        {89, Fill::None},       {100, Fill::None}, {-2, Fill::None},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        auto dc = Dc(Device::Screen);
        // The rectangle starts between two 8-pixel cells of the device.
        dc->SetViewportOrg(13, 21);
        const COLORREF oldText = dc->GetTextColor();
        DrawRect(dc.get(), CRect(50, -50, 400, -300), -1, 0, kRed, c.code, RGB(0, 0, 255),
                 tembra::R2_COPYPEN, -1);
        const auto rects = dc->Find(DcOp::Rectangle);
        ASSERT_EQ(rects.size(), 1u);
        const auto& brush = rects[0].brush;
        EXPECT_TRUE(rects[0].pen.IsNull());
        switch (c.fill) {
        case Fill::None:
            EXPECT_TRUE(brush.IsNull());
            break;
        case Fill::Solid:
            EXPECT_EQ(brush.style, tembra::BS_SOLID);
            EXPECT_EQ(brush.color, RGB(0, 0, 255));
            break;
        case Fill::Hatch:
            EXPECT_EQ(brush.style, tembra::BS_HATCHED);
            EXPECT_EQ(brush.hatch, c.code);
            EXPECT_EQ(brush.color, RGB(0, 0, 255));
            break;
        case Fill::Pattern110:
        case Fill::Pattern112: {
            EXPECT_TRUE(IsPattern(brush, c.fill == Fill::Pattern110 ? 110 : 112));
            // The ink in the brush colour; the cell on the device's 8-pixel grid, at or before
            // the rectangle's corner.
            EXPECT_EQ(rects[0].textColor, RGB(0, 0, 255));
            CPoint corner(50, -50);
            dc->LPtoDP(&corner);
            EXPECT_EQ(rects[0].brushOrg.x % 8, 0);
            EXPECT_EQ(rects[0].brushOrg.y % 8, 0);
            EXPECT_LE(corner.x - rects[0].brushOrg.x, 7);
            EXPECT_GE(corner.x - rects[0].brushOrg.x, 0);
            EXPECT_LE(corner.y - rects[0].brushOrg.y, 7);
            EXPECT_GE(corner.y - rects[0].brushOrg.y, 0);
            break;
        }
        }
        EXPECT_EQ(dc->GetTextColor(), oldText);
        EXPECT_EQ(dc->GetBrushOrg(), CPoint());
    }
}

TEST(LayoutDrawRect, APrinterWithEmulationFillsOnceAndFramesWithOnePixelFrames) {
    auto dc = Dc(Device::Printer, 600);
    tembra::SetStyledDrawEnable(dc.get(), 1);
    DrawRect(dc.get(), CRect(0, 0, 1000, -500), tembra::PS_DOT, 3, kRed, kBrushSolid, kRed, -1, -1);
    const auto rects = dc->Find(DcOp::Rectangle);
    // 3 units are 7 pixels: the fill, then seven frames.
    ASSERT_EQ(rects.size(), 8u) << dc->Dump();
    EXPECT_TRUE(rects[0].pen.IsNull());
    EXPECT_EQ(rects[0].brush.style, tembra::BS_SOLID);
    for (std::size_t i = 1; i < rects.size(); ++i) {
        EXPECT_TRUE(rects[i].brush.IsNull());
        EXPECT_EQ(rects[i].pen.LineStyle(), tembra::PS_DOT);
        EXPECT_EQ(rects[i].pen.width, 0);
    }
}

// ---- Text -----------------------------------------------------------------------------------

TEST(LayoutDrawText, DrawsWithTheAlignmentModeAndColourOrRefusesAnEmptyFont) {
    auto dc = Dc(Device::Screen);
    const LOGFONT before = dc->CurrentFont();
    LOGFONT font;
    font.lfHeight = -40;
    font.lfWidth = 20;
    font.SetFaceName("F");
    ASSERT_TRUE(DrawTextAt(dc.get(), 10, -20, &font, kRed, "AB", tembra::TA_TOP | tembra::TA_LEFT,
                           tembra::R2_COPYPEN, tembra::TRANSPARENT));
    const auto texts = dc->Find(DcOp::TextOut);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].args.text, "AB");
    EXPECT_EQ(texts[0].args.points[0], CPoint(10, -20));
    EXPECT_EQ(texts[0].textColor, kRed);
    EXPECT_EQ(texts[0].bkMode, tembra::TRANSPARENT);
    EXPECT_EQ(texts[0].font.lfHeight, -40);
    // The font, colour and alignment go again.
    EXPECT_EQ(dc->CurrentFont(), before);
    EXPECT_EQ(dc->GetTextColor(), RGB(0, 0, 0));

    for (const auto& [height, width] : {std::pair{0, 20}, std::pair{-40, 0}}) {
        LOGFONT empty = font;
        empty.lfHeight = height;
        empty.lfWidth = width;
        auto none = Dc(Device::Screen);
        EXPECT_FALSE(DrawTextAt(none.get(), 0, 0, &empty, kRed, "AB", 0, tembra::R2_COPYPEN, -1));
        EXPECT_TRUE(none->Drawings().empty());
    }
}

TEST(LayoutDrawText, AnotherMixModeCombinesTheTextThroughAMemoryBitmap) {
    auto dc = Dc(Device::Screen);
    LOGFONT font;
    font.lfHeight = -40;
    font.lfWidth = 20;
    ASSERT_TRUE(DrawTextAt(dc.get(), 10, -20, &font, kRed, "AB", 0, tembra::R2_XORPEN, -1));
    EXPECT_TRUE(dc->Find(DcOp::TextOut).empty());
    ASSERT_EQ(dc->Find(DcOp::BitBlt).size(), 1u);
    EXPECT_EQ(dc->Find(DcOp::TextOut, 1).size(), 1u);
}

// ---- Dotted lines ---------------------------------------------------------------------------

TEST(LayoutDrawDottedLine, OnScreenADottedPenOnPaperAOnePixelBandOfTheDotPattern) {
    auto screen = Dc(Device::Screen);
    DrawDottedLine(screen.get(), 0, 0, 500, 0, kRed, tembra::R2_NOT, -1);
    const auto lines = screen->Find(DcOp::LineTo);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].pen.LineStyle(), tembra::PS_DOT);
    EXPECT_EQ(lines[0].pen.width, 0);
    EXPECT_EQ(lines[0].rop2, tembra::R2_NOT);

    struct Case {
        CPoint from;
        CPoint to;
        int pattern;
    };
    // 254 dpi: a pixel is a unit, y downward on the device.
    const std::vector<Case> cases = {
        {{100, -50}, {100, -300}, 134},
        {{300, -50}, {100, -50}, 139},
        {{100, -50}, {100, -50}, 139},
    };
    for (const Case& c : cases) {
        auto paper = Dc(Device::Printer, 254);
        DrawDottedLine(paper.get(), c.from.x, c.from.y, c.to.x, c.to.y, kRed, -1, -1);
        const auto fills = paper->Find(DcOp::FillRect);
        ASSERT_EQ(fills.size(), 1u) << paper->Dump();
        const CRect& band = fills[0].args.rect;
        EXPECT_EQ(band, CRect(std::min(c.from.x, c.to.x), std::min(-c.from.y, -c.to.y),
                              std::max(c.from.x, c.to.x) + (c.from.x == c.to.x ? 1 : 0),
                              std::max(-c.from.y, -c.to.y) + (c.from.y == c.to.y ? 1 : 0)));
        EXPECT_TRUE(IsPattern(fills[0].brush, c.pattern));
        EXPECT_EQ(fills[0].textColor, kRed);
        EXPECT_EQ(fills[0].bkMode, tembra::TRANSPARENT);
        EXPECT_EQ(fills[0].brushOrg.x % 8, 0);
        EXPECT_EQ(fills[0].brushOrg.y % 8, 0);
        // The mapping is the caller's again.
        EXPECT_EQ(paper->GetMapMode(), tembra::MM_LOMETRIC);
    }
}

} // namespace
} // namespace marquell
