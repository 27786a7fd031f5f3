// Holiday shading and the resource chart's background, through the recording DC. January 2000
// with holidays on 30 December .. 3 January (five days, cut by the period start), on the
// weekend of 8 and 9 January and on 13 .. 17 January (five days).
#include "ChartTestDoc.h"

#include "render/PatternBitmaps.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace tembra::test {
namespace {

// The bitmap resource a pattern brush was made from, among the two shading patterns.
int PatternOf(const BrushData& brush) {
    if (brush.style != BS_PATTERN || !brush.pattern) {
        return 0;
    }
    for (const int id : {106, 108}) {
        const PatternBits* bits = FindPatternBitmap(id);
        bool same = true;
        for (int y = 0; y < 8 && same; ++y) {
            for (int x = 0; x < 8 && same; ++x) {
                same = !brush.pattern->Bit(x, y) == bits->Ink(x, y);
            }
        }
        if (same) {
            return id;
        }
    }
    return -1;
}

class ShadingTest : public ChartTest {
protected:
    ShadingTest() {
        doc.Holidays(Day(1999, 12, 30), Day(2000, 1, 3));
        doc.Holidays(Day(2000, 1, 8), Day(2000, 1, 9));
        doc.Holidays(Day(2000, 1, 13), Day(2000, 1, 17));
        doc.set.SetHolidayMode(1);
        doc.set.GetChart().GetDateStyle().SetMode(0, 5);
    }
    // The band of the days first..last as the shading draws it (GDI's right + 1, bottom - 1).
    CRect Band(const CTime& first, const CTime& last, int top, int bottom) const {
        return CRect(std::max(layout.DateToX(first) + 1, 530), top,
                     layout.DateToX(last + CTimeSpan(1, 0, 0, 0)) + 1, bottom - 1);
    }
    std::vector<CRect> Rects(const CRecordingDC& dc) const {
        std::vector<CRect> rects;
        for (const auto& r : dc.Find(DcOp::Rectangle)) {
            rects.push_back(r.args.rect);
        }
        return rects;
    }
    // The shading over the whole chart, below the date band.
    void Shade(CDC* dc, BOOL background = FALSE) {
        layout.DrawHolidayShading(dc, 530, -120, 2740, -1600, background);
    }
};

TEST_F(ShadingTest, LevelOneShadesOnlyRunsOfTheBigHolidaysLength) {
    Bind();
    auto dc = Screen();
    Shade(dc.get());
    // The run cut by the period start is measured whole and starts at the chart's left edge;
    // the weekend is too short.
    EXPECT_EQ(Rects(*dc),
              (std::vector<CRect>{Band(Day(2000, 1, 1), Day(2000, 1, 3), -120, -1600),
                                  Band(Day(2000, 1, 13), Day(2000, 1, 17), -120, -1600)}));
    EXPECT_EQ(Rects(*dc).front().left, 531);
}

TEST_F(ShadingTest, LevelTwoShadesEveryHoliday) {
    doc.set.SetHolidayMode(2);
    Bind();
    auto dc = Screen();
    Shade(dc.get());
    EXPECT_EQ(Rects(*dc),
              (std::vector<CRect>{Band(Day(2000, 1, 1), Day(2000, 1, 3), -120, -1600),
                                  Band(Day(2000, 1, 8), Day(2000, 1, 9), -120, -1600),
                                  Band(Day(2000, 1, 13), Day(2000, 1, 17), -120, -1600)}));
}

TEST_F(ShadingTest, LevelZeroShadesNothing) {
    doc.set.SetHolidayMode(0);
    Bind();
    auto dc = Screen();
    Shade(dc.get());
    EXPECT_TRUE(dc->Drawings().empty());
}

// Only the runs that the given x range touches are looked for and drawn.
TEST_F(ShadingTest, OnlyTheRunsInTheRangeAreDrawn) {
    doc.set.SetHolidayMode(2);
    Bind();
    auto dc = Screen();
    const int x1 = layout.DateToX(Day(2000, 1, 7));
    const int x2 = layout.DateToX(Day(2000, 1, 12));
    layout.DrawHolidayShading(dc.get(), x1, -120, x2, -1600, FALSE);
    EXPECT_EQ(Rects(*dc),
              (std::vector<CRect>{Band(Day(2000, 1, 8), Day(2000, 1, 9), -120, -1600)}));
}

// A range whose ends fall inside a holiday's column, as the region repainted after a node
// moved off a holiday: the part of the holiday inside the range is shaded (the region was
// painted white before), whichever half of the day the end cuts.
struct PartialRangeCase {
    const char* name;
    CTime from;      // the range runs from this date's x ...
    double fromPart; // ... plus this fraction of a day
    CTime to;
    double toPart;
};

TEST_F(ShadingTest, ARangeCuttingAHolidayShadesItsPart) {
    doc.set.SetHolidayMode(2);
    Bind();
    const double dayWidth = layout.DateToX(Day(2000, 1, 2)) - layout.DateToX(Day(2000, 1, 1));
    const auto xAt = [&](const CTime& date, double part) {
        return layout.DateToX(date) + static_cast<int>(part * dayWidth);
    };
    for (const PartialRangeCase& c : {
             PartialRangeCase{"left end in the last quarter of a weekend's second day",
                              Day(2000, 1, 9), 0.75, Day(2000, 1, 11), 0.5},
             PartialRangeCase{"left end in the first quarter of a holiday", Day(2000, 1, 8), 0.25,
                              Day(2000, 1, 11), 0.5},
             PartialRangeCase{"right end in the first quarter of a run's second day",
                              Day(2000, 1, 11), 0.5, Day(2000, 1, 14), 0.25},
             PartialRangeCase{"right end in the last quarter of a run's first day",
                              Day(2000, 1, 11), 0.5, Day(2000, 1, 13), 0.75},
             PartialRangeCase{"both ends inside one holiday", Day(2000, 1, 15), 0.6,
                              Day(2000, 1, 15), 0.9},
         }) {
        auto dc = Screen();
        const int x1 = xAt(c.from, c.fromPart);
        const int x2 = xAt(c.to, c.toPart);
        layout.DrawHolidayShading(dc.get(), x1, -120, x2, -1600, FALSE);
        // Every holiday column's part inside the range lies in a drawn band.
        for (CTime day = c.from; day <= c.to; day += CTimeSpan(1, 0, 0, 0)) {
            if (doc.GetCalendar()->IsHoliday(day.GetTime()) == FALSE) {
                continue;
            }
            const int left = std::max(x1, layout.DateToX(day) + 1);
            const int right = std::min(x2, layout.DateToX(day + CTimeSpan(1, 0, 0, 0)));
            bool covered = false;
            for (const CRect& r : Rects(*dc)) {
                covered = covered || (r.left <= left && r.right >= right);
            }
            EXPECT_TRUE(covered) << c.name << ", day " << day.GetDay();
        }
    }
}

// ---- Styles -------------------------------------------------------------------------------------

struct StyleCase {
    const char* name;
    int outputMode;   // 0 screen, 1 printing
    bool holidayMesh; // system setting
    bool blackBack;   // system setting
    short amikake;    // print setting
    BOOL background;  // a resource chart's background
    bool drawn;
    UINT brushStyle;
    int hatchOrPattern; // hatch style, or the pattern's bitmap resource
    COLORREF color;     // solid or hatch colour, or the pattern's ink (the text colour)
    int rop2;
    int bkMode;
};

class ShadingStyleTest : public ShadingTest, public testing::WithParamInterface<StyleCase> {};

TEST_P(ShadingStyleTest, DrawsInTheStyleOfTheDevice) {
    const StyleCase& c = GetParam();
    DrawSettings settings;
    settings.holidayMesh = c.holidayMesh;
    settings.blackBack = c.blackBack;
    settings.holidayMeshColor = RGB(255, 225, 225);
    SetDrawSettings(settings);
    doc.print.SetAmikake(c.amikake);
    doc.print.SetAmikakeColor(RGB(0, 0, 255));
    Bind();
    layout.SetOutputMode(c.outputMode);
    CRecordingDC dc(c.outputMode == 0 ? CRecordingDC::Device::Screen
                                      : CRecordingDC::Device::Printer);
    dc.SetMapMode(MM_LOMETRIC);
    Shade(&dc, c.background);

    const auto rects = dc.Find(DcOp::Rectangle);
    if (!c.drawn) {
        EXPECT_TRUE(dc.Drawings().empty()) << c.name;
        return;
    }
    ASSERT_EQ(rects.size(), 2u) << c.name;
    const auto& r = rects[0];
    EXPECT_TRUE(r.pen.IsNull()) << c.name;
    EXPECT_EQ(r.brush.style, c.brushStyle) << c.name;
    switch (c.brushStyle) {
    case BS_PATTERN:
        EXPECT_EQ(PatternOf(r.brush), c.hatchOrPattern) << c.name;
        EXPECT_EQ(r.textColor, c.color) << c.name;
        break;
    case BS_HATCHED:
        EXPECT_EQ(r.brush.hatch, c.hatchOrPattern) << c.name;
        EXPECT_EQ(r.brush.color, c.color) << c.name;
        break;
    default:
        EXPECT_EQ(r.brush.color, c.color) << c.name;
        break;
    }
    EXPECT_EQ(r.rop2, c.rop2) << c.name;
    EXPECT_EQ(r.bkMode, c.bkMode) << c.name;
}

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGrey = RGB(128, 128, 128);
constexpr COLORREF kPink = RGB(255, 225, 225);
constexpr COLORREF kBlue = RGB(0, 0, 255);

INSTANTIATE_TEST_SUITE_P(
    Styles, ShadingStyleTest,
    testing::Values(StyleCase{"screen mesh", 0, true, false, 0, FALSE, true, BS_PATTERN, 106, kRed,
                              R2_NOTXORPEN, TRANSPARENT},
                    StyleCase{"screen mesh on black", 0, true, true, 0, FALSE, true, BS_PATTERN,
                              106, kGrey, R2_MERGEPEN, TRANSPARENT},
                    StyleCase{"screen colour", 0, false, false, 0, FALSE, true, BS_SOLID, 0, kPink,
                              R2_COPYPEN, OPAQUE},
                    StyleCase{"screen colour, background", 0, false, false, 0, TRUE, true, BS_SOLID,
                              0, kPink, R2_NOTXORPEN, TRANSPARENT},
                    StyleCase{"printed hatch", 1, true, false, 1, FALSE, true, BS_HATCHED, 2, kBlue,
                              R2_COPYPEN, TRANSPARENT},
                    StyleCase{"printed none", 1, true, false, 2, FALSE, false, 0, 0, 0, 0, 0},
                    StyleCase{"printed solid", 1, true, false, 3, FALSE, true, BS_SOLID, 0, kBlue,
                              R2_COPYPEN, OPAQUE},
                    StyleCase{"printed solid, background", 1, true, false, 3, TRUE, true, BS_SOLID,
                              0, kBlue, R2_NOTXORPEN, TRANSPARENT},
                    StyleCase{"printed pattern", 1, true, false, 0, FALSE, true, BS_PATTERN, 108,
                              kBlue, R2_NOTXORPEN, TRANSPARENT},
                    StyleCase{"printed pattern, other value", 1, false, false, 7, FALSE, true,
                              BS_PATTERN, 108, kBlue, R2_NOTXORPEN, TRANSPARENT}));

// A printed solid shading keeps its colour on a black-and-white printer, where colours are
// otherwise matched to black; the switch is back on afterwards.
TEST_F(ShadingTest, PrintedSolidShadingKeepsItsColour) {
    doc.print.SetAmikakeColor(RGB(255, 200, 200));
    Bind();
    layout.SetOutputMode(1);
    for (const short amikake : {3, 1}) {
        doc.print.SetAmikake(amikake);
        CRecordingDC dc(CRecordingDC::Device::MonoPrinter);
        dc.SetMapMode(MM_LOMETRIC);
        Shade(&dc);
        const auto rects = dc.Find(DcOp::Rectangle);
        ASSERT_FALSE(rects.empty());
        EXPECT_EQ(rects[0].brush.color, amikake == 3 ? RGB(255, 200, 200) : RGB(0, 0, 0));
        EXPECT_EQ(SetColorMatchEnable(&dc, 1), 1);
    }
}

// ---- The resource chart's background ------------------------------------------------------------

TEST_F(ShadingTest, BackgroundOutsideEveryHolidayRunDrawsOnlyTheGrid) {
    Bind();
    auto dc = Screen();
    const int x1 = layout.DateToX(Day(2000, 1, 20));
    const int x2 = layout.DateToX(Day(2000, 1, 28));
    layout.DrawChartBackground(dc.get(), x1, -1000, x2, -1400);
    EXPECT_TRUE(dc->Find(DcOp::Rectangle).empty());
    EXPECT_FALSE(DrawnLines(*dc).empty());
}

TEST_F(ShadingTest, BackgroundShadesItsOwnBandAndDrawsTheGrid) {
    doc.set.SetHolidayMode(2);
    Bind();
    auto dc = Screen();
    const int x1 = layout.DateToX(Day(2000, 1, 7));
    const int x2 = layout.DateToX(Day(2000, 1, 12));
    layout.DrawChartBackground(dc.get(), x1, -1000, x2, -1400);
    EXPECT_EQ(Rects(*dc),
              (std::vector<CRect>{Band(Day(2000, 1, 8), Day(2000, 1, 9), -1000, -1400)}));
    // The day grid of the settings over the whole chart (the caller clips it).
    EXPECT_EQ(DrawnLines(*dc).size(), 32u);
}

} // namespace
} // namespace tembra::test
