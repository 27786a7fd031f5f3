// The series samples: the dash pattern of each line type, the rows of each width code, and the
// fills of the pattern codes.
#include "controls/GraphSampleButton.h"
#include "controls/ControlPictures.h"
#include "platform/GdiObjects.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tembra {
namespace {

using namespace tembra::test;

constexpr COLORREF kLine = RGB(0, 0, 255);
constexpr COLORREF kFill = RGB(0, 160, 0);

// 75 x 23: the sample runs over x 5 to 69 (65 pixels) and its middle row is 11.
struct Sample {
    Sample() {
        button.setPalette(FixedPalette());
        button.resize(75, 23);
        button.SetLineColor(kLine);
        button.SetFillColor(kFill);
    }
    CGraphSampleButton button;
};

// "#" for each pixel of the row from x 5 to 69 in the colour, "." for the face.
std::string Row(const QImage& image, int y, COLORREF ink) {
    std::string row;
    for (int x = 5; x < 70; ++x) {
        const COLORREF pixel = Pixel(image, x, y);
        row += pixel == ink ? '#' : pixel == kFace ? '.' : '?';
    }
    return row;
}

std::string Runs(std::vector<int> runs) {
    std::string row;
    for (std::size_t i = 0; i < runs.size(); ++i) {
        row += std::string(runs[i], i % 2 == 0 ? '#' : '.');
    }
    return row + std::string(65 - row.size(), '.');
}

TEST(CGraphSampleButton, EachLineTypeDashesItsRowsAcrossTheInnerWidth) {
    struct Case {
        int type;
        std::vector<int> runs;
        COLORREF ink;
    } cases[] = {
        {1, {21, 21, 21}, kLine},
        {2, {9, 9, 9, 9, 9, 9, 9}, kLine},
        {3, {32, 16, 16}, kLine},
        {4, {21, 10, 10, 10, 10}, kLine},
        {0, {65}, kLine},
        {6, {65}, kLine},
        {5, {65}, RGB(128, 128, 128)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        Sample sample;
        sample.button.SetKind(CGraphSampleButton::kLineSample);
        sample.button.SetLineType(c.type);
        sample.button.SetLineWidth(1);
        const QImage image =
            Picture(sample.button, ("line_type_" + std::to_string(c.type) + ".png").c_str());
        EXPECT_EQ(Row(image, 11, c.ink), Runs(c.runs));
        EXPECT_EQ(Row(image, 10, c.ink), Runs({0}));
        EXPECT_EQ(Row(image, 12, c.ink), Runs({0}));
    }
}

TEST(CGraphSampleButton, TheWidthCodeGivesOneFiveOrThreeRowsAroundTheMiddle) {
    struct Case {
        int width;
        int first;
        int last;
    } cases[] = {{1, 11, 11}, {2, 9, 13}, {3, 10, 12}, {0, 10, 12}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.width);
        Sample sample;
        sample.button.SetKind(CGraphSampleButton::kLineSample);
        sample.button.SetLineType(1);
        sample.button.SetLineWidth(c.width);
        const QImage image =
            Picture(sample.button, ("line_width_" + std::to_string(c.width) + ".png").c_str());
        for (int y = 5; y < 18; ++y) {
            const bool drawn = y >= c.first && y <= c.last;
            EXPECT_EQ(Row(image, y, kLine), Runs(drawn ? std::vector{21, 21, 21} : std::vector{0}))
                << y;
        }
    }
}

TEST(CGraphSampleButton, PatternCodesFillTheFramedSample) {
    struct Case {
        int pattern;
        COLORREF inside; // at (37, 11)
    } cases[] = {
        {99, kFill}, {100, RGB(255, 255, 255)}, {999, kFace}, {-1, kFace},
        {40, kFace}, // past the six hatch styles: nothing
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pattern);
        Sample sample;
        sample.button.SetPattern(c.pattern);
        const QImage image =
            Picture(sample.button, ("pattern_" + std::to_string(c.pattern) + ".png").c_str());
        EXPECT_EQ(Pixel(image, 37, 11), c.inside);
        // The one-pixel outline in the frame colour, 5 pixels inside the button.
        EXPECT_EQ(Pixel(image, 5, 11), kLine);
        EXPECT_EQ(Pixel(image, 69, 11), kLine);
        EXPECT_EQ(Pixel(image, 37, 5), kLine);
        EXPECT_EQ(Pixel(image, 37, 17), kLine);
        EXPECT_EQ(Pixel(image, 4, 11), kFace);
        EXPECT_EQ(Pixel(image, 37, 18), kFace);
    }
}

TEST(CGraphSampleButton, HatchesAndBitmapPatternsInkInTheFillColourOverWhite) {
    for (const int pattern : {int{HS_HORIZONTAL}, int{HS_CROSS}, 90, 95}) {
        SCOPED_TRACE(pattern);
        Sample sample;
        sample.button.SetPattern(pattern);
        const QImage image =
            Picture(sample.button, ("pattern_" + std::to_string(pattern) + ".png").c_str());
        bool ink = false;
        bool paper = false;
        for (int y = 6; y < 17; ++y) {
            for (int x = 6; x < 69; ++x) {
                const COLORREF pixel = Pixel(image, x, y);
                ink = ink || pixel == kFill;
                paper = paper || pixel == RGB(255, 255, 255);
                EXPECT_TRUE(pixel == kFill || pixel == RGB(255, 255, 255)) << x << "," << y;
            }
        }
        EXPECT_TRUE(ink);
        EXPECT_TRUE(paper);
    }
}

TEST(CGraphSampleButton, ADisabledSampleShowsItsFrameOnly) {
    for (const int kind : {CGraphSampleButton::kPatternSample, CGraphSampleButton::kLineSample}) {
        Sample sample;
        sample.button.SetKind(kind);
        sample.button.SetPattern(99);
        sample.button.SetLineWidth(2);
        sample.button.setEnabled(false);
        const QImage image = Picture(sample.button, "sample_disabled_graph.png");
        EXPECT_EQ(Pixel(image, 0, 0), RGB(0, 0, 0));
        EXPECT_EQ(Pixel(image, 1, 11), kLight);
        for (int y = 3; y < 20; ++y) {
            EXPECT_EQ(Row(image, y, kLine), Runs({0})) << kind << " " << y;
        }
    }
}

} // namespace
} // namespace tembra
