#include "model/PrintArea.h"

#include "model/LayoutFile.h"
#include "platform/GdiObjects.h"
#include "platform/RecordingDC.h"
#include "platform/Sjis.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tembra {
namespace {

using test::ScopedUi;
using test::TempDir;

// A layout file from UTF-8 lines: CP932 with CR LF, as the layout files are.
std::string LayoutText(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += Sjis::FromUtf8(line) + "\r\n";
    }
    return text;
}

struct PaperFixture {
    const char* header; // the section header
    int marginX;        // "OffsetLTop" right and bottom
    int marginY;
    int width; // the width of the areas
    bool footer;
};

// Every paper with its own margin corner; the areas lie at the corner, so that after the margin
// shift the header starts at (0, 0). A3 upright has no footer.
const PaperFixture kPapers[] = {
    {"[_A4_]", 100, 80, 2700, true},  {"[_B4_]", 120, 90, 3400, true},
    {"[_A3_]", 150, 100, 3900, true}, {"[A3縦]", 100, 150, 2700, false},
    {"[_A2_]", 200, 150, 5500, true}, {"[_A1_]", 250, 200, 7900, true},
};

std::vector<std::string> PaperSection(const PaperFixture& p) {
    auto rect = [](const char* key, int l, int t, int r, int b) {
        return std::string(key) + "= " + std::to_string(l) + ", " + std::to_string(t) + ", " +
               std::to_string(r) + ", " + std::to_string(b);
    };
    const int x = p.marginX;
    const int y = p.marginY;
    std::vector<std::string> lines = {
        p.header,
        rect("HeaderArea", x, y, x + p.width, y + 300),
        p.footer ? rect("FooterArea", x, y + 1400, x + p.width, y + 1500)
                 : rect("FooterArea", 0, 0, 0, 0),
        rect("DateArea", x, y + 300, x + p.width, y + 400),
        rect("EditArea", x, y + 400, x + p.width, y + 1400),
        rect("OffsetLTop", 0, 0, x, y),
    };
    return lines;
}

std::string FullLayout(const std::vector<int>& papers = {0, 1, 2, 3, 4, 5}) {
    std::vector<std::string> lines = {"[ファイル情報]", "Vertion=10000", "MasterFlag=1",
                                      "LayoutName=テスト"};
    for (int paper : papers) {
        lines.emplace_back();
        for (const std::string& line : PaperSection(kPapers[paper])) {
            lines.push_back(line);
        }
    }
    lines.emplace_back();
    lines.emplace_back("[EOS]");
    return LayoutText(lines);
}

class PrintAreaTest : public ::testing::Test {
protected:
    TempDir dir;
    ScopedUi ui;
};

struct PaperCase {
    int paper;
    int orientation;
    CRect paperRect;
};

class PrintAreaPaperTest : public PrintAreaTest, public ::testing::WithParamInterface<PaperCase> {};

TEST_P(PrintAreaPaperTest, TakesThePaperAndItsAreasFromTheLayout) {
    const PaperCase& c = GetParam();
    const PaperFixture& p = kPapers[c.paper];
    const auto layout = dir.Write("MASTER01.LYT", FullLayout());

    CPrintArea area;
    EXPECT_TRUE(area.SetPaper(c.paper, c.orientation, layout, -1));
    EXPECT_EQ(area.GetPaper(), c.paper);
    EXPECT_EQ(area.GetMuki(), c.orientation);
    EXPECT_EQ(area.GetPaperRect(), c.paperRect);
    // Without a printer the shift is the margin corner's width and negated height.
    EXPECT_EQ(area.GetMarginShift(), CPoint(p.marginX, -p.marginY));
    EXPECT_EQ(area.GetPrinterOffset(), CPoint(0, 0));
    EXPECT_EQ(area.GetHeaderRect(), CRect(0, 0, p.width, -300));
    EXPECT_EQ(area.GetDateRect(), CRect(0, -300, p.width, -400));
    EXPECT_EQ(area.GetEditRect(), CRect(0, -400, p.width, -1400));
    EXPECT_EQ(area.GetPageRect(), CRect(0, -300, p.width, -1400));
    EXPECT_EQ(area.GetFooterRect(),
              p.footer ? CRect(0, -1400, p.width, -1500) : CRect(0, -1400, p.width, -1400));
    const short itemWidth = BuiltInPaperAreaDefaults(c.paper).itemWidth;
    EXPECT_EQ(area.GetLeftWidth(), itemWidth);
    EXPECT_EQ(area.GetKoumokuRect(), CRect(0, -400, itemWidth, -1400));
    EXPECT_EQ(area.GetKouteiRect(), CRect(itemWidth, -400, p.width, -1400));
    EXPECT_EQ(area.GetChartRect(), CRect(itemWidth + 30, -400, p.width - 30, -1400));
    EXPECT_EQ(area.GetGridRect(), CRect(0, -400, itemWidth, -400));
    EXPECT_EQ(area.GetKouteiGridRect(), CRect(itemWidth, -400, p.width, -400));
    EXPECT_EQ(area.GetChartGridRect(), CRect(itemWidth + 30, -400, p.width - 30, -400));
    EXPECT_TRUE(ui->MessageBoxes().empty());
    EXPECT_TRUE(ui->StatusTexts().empty());

    // At print time the printer's offset (1/6 inch: 42 units at 254 dpi) comes off the shift.
    CRecordingDC printer(CRecordingDC::Device::Printer, 254);
    printer.SetMapMode(MM_LOMETRIC);
    area.SetPrinterOffset(&printer);
    EXPECT_EQ(area.GetPrinterOffset(), CPoint(42, -42));
    area.AdjustMargins(p.marginX, -p.marginY);
    EXPECT_EQ(area.GetMarginShift(), CPoint(p.marginX - 42, -p.marginY + 42));
    EXPECT_TRUE(ui->StatusTexts().empty());
}

INSTANTIATE_TEST_SUITE_P(
    AllPapers, PrintAreaPaperTest,
    ::testing::Values(PaperCase{0, 0, {0, 0, 2970, -2100}}, PaperCase{0, 1, {0, 0, 2100, -2970}},
                      PaperCase{1, 0, {0, 0, 3640, -2570}}, PaperCase{1, 1, {0, 0, 2570, -3640}},
                      PaperCase{2, 0, {0, 0, 4200, -5940}}, PaperCase{2, 1, {0, 0, 5940, -4200}},
                      PaperCase{3, 0, {0, 0, 5140, -7280}}, PaperCase{3, 1, {0, 0, 7280, -5140}},
                      PaperCase{4, 0, {0, 0, 11880, -8400}}, PaperCase{4, 1, {0, 0, 8400, -11880}},
                      PaperCase{5, 0, {0, 0, 14560, -10280}},
                      PaperCase{5, 1, {0, 0, 10280, -14560}}));

TEST_F(PrintAreaTest, MarginsBelowThePrintableAreaAreClampedWithAStatusWarning) {
    struct Case {
        int offsetX;
        int offsetY;
        CPoint shift;
        std::vector<std::string> status;
    };
    const std::string x = "Ｘ方向の余白設定が印刷可能範囲を下回っていますので余白を調整しました。";
    const std::string y = "Ｙ方向の余白設定が印刷可能範囲を下回っていますので余白を調整しました。";
    const std::vector<Case> cases = {
        {100, -100, {58, -58}, {}}, {30, -100, {0, -58}, {x}}, {100, -30, {58, 0}, {y}},
        {42, -42, {0, 0}, {}},      {0, 0, {0, 0}, {x, y}},
    };
    CRecordingDC printer(CRecordingDC::Device::Printer, 254);
    printer.SetMapMode(MM_LOMETRIC);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.offsetX << ", " << c.offsetY);
        ui->ClearRecords();
        CPrintArea area;
        area.SetPrinterOffset(&printer);
        area.AdjustMargins(c.offsetX, c.offsetY);
        EXPECT_EQ(area.GetMarginShift(), c.shift);
        std::vector<std::string> status;
        for (const std::string& s : ui->StatusTexts()) {
            status.push_back(Sjis::ToUtf8(s));
        }
        EXPECT_EQ(status, c.status);
        EXPECT_TRUE(ui->MessageBoxes().empty());
    }
}

TEST_F(PrintAreaTest, OnlyAPrintingDeviceContextGivesAPrinterOffset) {
    CPrintArea area;
    CRecordingDC printer(CRecordingDC::Device::Printer, 254);
    printer.SetMapMode(MM_LOMETRIC);
    area.SetPrinterOffset(&printer);
    ASSERT_NE(area.GetPrinterOffset(), CPoint(0, 0));
    CRecordingDC screen(CRecordingDC::Device::Screen);
    area.SetPrinterOffset(&screen);
    EXPECT_EQ(area.GetPrinterOffset(), CPoint(0, 0));
    area.SetPrinterOffset(&printer);
    area.SetPrinterOffset(nullptr);
    EXPECT_EQ(area.GetPrinterOffset(), CPoint(0, 0));
    area.SetPrinterOffset(&printer);
    area.ClearPrinterOffset();
    EXPECT_EQ(area.GetPrinterOffset(), CPoint(0, 0));
}

TEST_F(PrintAreaTest, AMissingPaperFallsBackToA4AfterMessage5063) {
    const auto layout = dir.Write("NOB4.LYT", FullLayout({0, 2}));
    CPrintArea area;
    ui->QueueAnswer(IDOK);
    EXPECT_TRUE(area.SetPaper(1, 0, layout, -1));
    ASSERT_EQ(ui->MessageBoxes().size(), 1u);
    EXPECT_EQ(ui->MessageBoxes()[0].stringId, 5063u);
    EXPECT_EQ(area.GetPaper(), 0);
    EXPECT_EQ(area.GetMuki(), 0);
    EXPECT_EQ(area.GetPaperRect(), CRect(0, 0, 2970, -2100));
    EXPECT_EQ(area.GetMarginShift(), CPoint(100, -80));
    EXPECT_EQ(area.GetLeftWidth(), 500);
}

TEST_F(PrintAreaTest, WithoutA4Message5000FollowsAndNoAreasAreComputed) {
    const auto layout = dir.Write("NOA4.LYT", FullLayout({2}));
    CPrintArea area;
    EXPECT_FALSE(area.SetPaper(1, 0, layout, -1));
    ASSERT_EQ(ui->MessageBoxes().size(), 2u);
    EXPECT_EQ(ui->MessageBoxes()[0].stringId, 5063u);
    EXPECT_EQ(ui->MessageBoxes()[1].stringId, 5000u);
    EXPECT_EQ(area.GetPaper(), 0);
    EXPECT_EQ(area.GetHeaderRect(), CRect());

    ui->ClearRecords();
    EXPECT_FALSE(area.SetPaper(0, 0, dir.File("absent.LYT"), -1));
    ASSERT_EQ(ui->MessageBoxes().size(), 1u);
    EXPECT_EQ(ui->MessageBoxes()[0].stringId, 5000u);
}

TEST_F(PrintAreaTest, AKeyTheSectionLacksIsAbsentEvenWhenTheNextSectionFollowsWithoutABlankLine) {
    // The A4 section has no footer and no date area; the B4 section right below it (no empty
    // line between them) has both.
    const auto layout = dir.Write(
        "TIGHT.LYT",
        LayoutText({"[_A4_]", "HeaderArea= 100, 80, 2800, 380", "EditArea= 100, 480, 2800, 1480",
                    "OffsetLTop= 0, 0, 100, 80", "[_B4_]", "FooterArea= 1, 2, 3, 4",
                    "DateArea= 5, 6, 7, 8", "OffsetLTop= 0, 0, 9, 9"}));
    CPrintArea area;
    ASSERT_TRUE(area.SetPaper(0, 0, layout, -1));
    EXPECT_EQ(area.GetMarginShift(), CPoint(100, -80));
    EXPECT_EQ(area.GetDateRect(), CRect());
    EXPECT_EQ(area.GetFooterRect(), CRect(0, -1400, 2700, -1400));
}

TEST_F(PrintAreaTest, ADamagedLayoutWithTheExtremesOfIntGivesAreasWithoutOverflow) {
    const auto layout = dir.Write(
        "BIG.LYT", LayoutText({"[_A4_]", "HeaderArea= -2147483648, -2147483648, 2147483647, 0",
                               "EditArea= 0, 2147483647, 2147483647, 2147483647",
                               "OffsetLTop= 0, 2147483647, -2147483648, -2147483648"}));
    constexpr int L = kLayoutNumberLimit;
    CPrintArea area;
    ASSERT_TRUE(area.SetPaper(0, 0, layout, -1));
    // The margin corner lies outside the paper both ways: no shift, both warnings.
    EXPECT_EQ(area.GetMarginShift(), CPoint(0, 0));
    EXPECT_EQ(ui->StatusTexts().size(), 2u);
    EXPECT_EQ(area.GetHeaderRect(), CRect(-L, L, L, 0));
    EXPECT_EQ(area.GetEditRect(), CRect(0, -L, L, -L));
    EXPECT_EQ(area.GetPageRect(), CRect(-L, 0, L, -L));
}

TEST_F(PrintAreaTest, ItemWidthModeAndPaperDefaults) {
    const auto layout = dir.Write("MASTER01.LYT", FullLayout());
    CPrintArea area;
    ASSERT_TRUE(area.SetPaper(0, 0, layout, -1));
    area.SetLeftWidth(640);
    // A mode of 0 or more keeps the item width.
    ASSERT_TRUE(area.SetPaper(2, 0, layout, 0));
    EXPECT_EQ(area.GetLeftWidth(), 640);

    PaperAreaDefaultsSource previous = SetPaperAreaDefaultsSource([](int paper) {
        return PaperAreaDefaults{static_cast<short>(700 + paper), 12};
    });
    ASSERT_TRUE(area.SetPaper(2, 0, layout, -1));
    SetPaperAreaDefaultsSource(previous);
    EXPECT_EQ(area.GetLeftWidth(), 702);
    EXPECT_EQ(area.GetInsetLeft(), 12);
    EXPECT_EQ(area.GetInsetRight(), 12);
    EXPECT_EQ(area.GetChartRect(), CRect(714, -400, 3900 - 12, -1400));
}

TEST_F(PrintAreaTest, TheItemWidthMovesTheChartButNotTheHeaderDateOrFooter) {
    const auto layout = dir.Write("MASTER01.LYT", FullLayout());
    CPrintArea area;
    ASSERT_TRUE(area.SetPaper(0, 0, layout, -1));
    const CPrintArea before = area;
    area.SetLeftWidth(800);
    EXPECT_EQ(area.GetKoumokuRect(), CRect(0, -400, 800, -1400));
    EXPECT_EQ(area.GetKouteiRect(), CRect(800, -400, 2700, -1400));
    EXPECT_EQ(area.GetChartRect(), CRect(830, -400, 2670, -1400));
    EXPECT_EQ(area.GetChartGridRect(), CRect(830, -400, 2670, -400));
    EXPECT_EQ(area.GetHeaderRect(), before.GetHeaderRect());
    EXPECT_EQ(area.GetDateRect(), before.GetDateRect());
    EXPECT_EQ(area.GetFooterRect(), before.GetFooterRect());
    EXPECT_EQ(area.GetPageRect(), before.GetPageRect());

    area.SetEditInsets(10, 50);
    EXPECT_EQ(area.GetChartRect(), CRect(810, -400, 2650, -1400));
    EXPECT_EQ(area.GetChartGridRect(), CRect(810, -400, 2650, -400));
    EXPECT_EQ(area.GetChartSize(), CSize(1840, 1000));
    EXPECT_EQ(area.GetKouteiRect(), CRect(800, -400, 2700, -1400));
}

TEST(PrintAreaPaperSize, TheExtentTableAndItsOrientation) {
    struct Case {
        int kind;
        int width;
        int height;
    };
    const std::vector<Case> cases = {{0, 2970, 2100},   {1, 3640, 2570},  {2, 4200, 5940},
                                     {3, 5140, 7280},   {4, 11880, 8400}, {5, 14560, 10280},
                                     {6, 16800, 23760}, {-1, 2970, 2100}, {7, 2970, 2100}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        int w = 0;
        int h = 0;
        CPrintArea::GetPaperSize(c.kind, 0, w, h);
        EXPECT_EQ(w, c.width);
        EXPECT_EQ(h, c.height);
        CPrintArea::GetPaperSize(c.kind, 1, w, h);
        EXPECT_EQ(w, c.height);
        EXPECT_EQ(h, c.width);
    }
}

} // namespace
} // namespace tembra
