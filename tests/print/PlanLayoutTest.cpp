// The two layouts of the safety-and-health plan the program ships: the plan's title block on
// A3, A2 and A1 with an input area for every item of the plan sheet's pages, lined up with the
// chart's item column and drawn inside its areas; the monthly plan's block on every paper.
#include "model/LayoutFile.h"
#include "model/PrintArea.h"
#include "platform/RecordingDC.h"
#include "print/PrHeader.h"
#include "print/PrhMst03Pages.h"
#include "print/PrhMst03Texts.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"

#include "PrTestSupport.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

namespace tembra {
namespace {

using test::J;
using test::TestPrLayout;

const std::filesystem::path kData = std::filesystem::path(TEMBRA_SOURCE_DIR) / "data";
const std::filesystem::path kPlan = kData / "MASTER-A01.LYT";
const std::filesystem::path kMonthly = kData / "MASTER-A02.LYT";

std::string Code(int page, int item) {
    char code[8];
    std::snprintf(code, sizeof code, "%02d%04d", page, item);
    return code;
}

// Draws the header's elements on the page areas and checks that every text and line lies in
// the header or in a side strip the layout has.
void ExpectDrawnInsideTheAreas(CPrHeader& header, const CPrintArea& area) {
    for (const auto& element : header.GetElementList()) {
        auto* text = dynamic_cast<CPrNewText*>(element.get());
        if (text != nullptr && text->GetContents().empty() && IsPrInputKind(text->GetKind())) {
            text->SetContents("X");
        }
    }
    CRecordingDC dc(CRecordingDC::Device::Printer, 254);
    dc.SetMapMode(MM_LOMETRIC);
    const TestPrLayout layout = TestPrLayout::FromArea(area);
    header.DrawElements(&dc, layout);
    const CRect areas[] = {area.GetHeaderRect(), layout.left, layout.right};
    auto inside = [&areas](const CPoint& p) {
        for (const CRect& r : areas) {
            if (p.x >= r.left && p.x <= r.right && p.y <= r.top && p.y >= r.bottom) {
                return true;
            }
        }
        return false;
    };
    const auto texts = dc.Find(DcOp::TextOut);
    EXPECT_FALSE(texts.empty());
    for (const auto& r : texts) {
        SCOPED_TRACE(Sjis::ToUtf8(r.args.text));
        EXPECT_TRUE(inside(r.args.points.at(0)));
    }
    for (const auto& r : dc.Find(DcOp::LineTo)) {
        EXPECT_TRUE(inside(r.args.points.at(0)));
        EXPECT_TRUE(inside(r.args.points.at(1)));
    }
}

TEST(PlanLayoutFiles, AreFullMasterLayoutsOfTheirKind) {
    struct Case {
        std::filesystem::path file;
        int kind;
        const char* name;
    };
    const Case cases[] = {{kPlan, 1, "安全衛生管理計画表"}, {kMonthly, 2, "月間安全衛生計画表"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file.filename().string());
        const std::string bytes = test::TempDir::Read(c.file);
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            if (bytes[i] == '\n') {
                ASSERT_TRUE(i > 0 && bytes[i - 1] == '\r') << "a bare line feed at " << i;
            }
        }
        const auto lines = ReadLayoutLines(c.file);
        ASSERT_TRUE(lines);
        EXPECT_EQ(lines->back(), kLayoutEndOfFile);
        EXPECT_EQ(ReadLayoutMasterFlag(c.file), 1);
        EXPECT_EQ(GetLayoutDiscernmentFlag(c.file), c.kind);
        EXPECT_EQ(ReadLayoutName(c.file), J(c.name));
        const LayoutFileIndex index(*lines);
        for (int paper = 0; paper < 6; ++paper) {
            EXPECT_NE(index.Paper(paper), nullptr) << paper;
        }
    }
}

class PlanLayoutTest : public ::testing::TestWithParam<int> {
protected:
    test::ScopedPaths paths;
    test::ScopedUi ui;
};

// A3, A2 and A1 with the item column the initial settings fix for a plan layout.
TEST_P(PlanLayoutTest, TheTitleBlockHoldsEveryItemOfTheSheet) {
    const int paper = GetParam();
    const int itemWidth = paper == kPaperA3 ? 210 : paper == kPaperA2 ? 296 : 420;
    CPrintArea area;
    ASSERT_TRUE(area.SetPaper(paper, 0, kPlan, -1));
    area.SetLeftWidth(itemWidth);
    EXPECT_TRUE(ui->MessageBoxes().empty());
    EXPECT_GT(area.GetChartRect().Width(), 0);

    CPrHeader header;
    ASSERT_TRUE(header.InitFromSettings(nullptr, paper, kPlan, FALSE));
    EXPECT_EQ(header.GetLayoutKind(), 1);
    CPrhMst03Texts texts;
    texts.LoadFrom(header);
    for (const PrhMst03PageDef& def : PrhMst03Pages()) {
        for (int item = 1; item <= def.itemCount; ++item) {
            SCOPED_TRACE(Code(def.page, item));
            ASSERT_NE(header.FindInputArea(Code(def.page, item)), nullptr);
        }
        // Static items carry their labels, so no step edit is left disabled.
        for (const PrhMst03StepPair& pair : def.steps) {
            EXPECT_FALSE(texts.StoreField(def.page, pair.label).empty()) << def.page;
        }
    }
    // The title is the plan's "010001".
    header.FindInputArea("010001")->SetContents(J("新築工事"));
    EXPECT_EQ(header.GetTitleText(), J("新築工事"));

    // The block's first column stands over the chart's item column.
    const CRect items = area.GetKoumokuRect();
    EXPECT_EQ(items.Width(), itemWidth);
    CRecordingDC dc(CRecordingDC::Device::Printer, 254);
    dc.SetMapMode(MM_LOMETRIC);
    header.DrawElements(&dc, TestPrLayout::FromArea(area));
    bool columnLine = false;
    for (const auto& r : dc.Find(DcOp::LineTo)) {
        const CPoint a = r.args.points.at(0);
        const CPoint b = r.args.points.at(1);
        columnLine =
            columnLine || (a.x == b.x && a.x == items.right && a.y == area.GetHeaderRect().top);
    }
    EXPECT_TRUE(columnLine);

    ExpectDrawnInsideTheAreas(header, area);
}

INSTANTIATE_TEST_SUITE_P(PlanPapers, PlanLayoutTest,
                         ::testing::Values(kPaperA3, kPaperA2, kPaperA1));

class MonthlyLayoutTest : public PlanLayoutTest {};

TEST_P(MonthlyLayoutTest, EveryPaperHasTheMonthlyBlock) {
    const int paper = GetParam();
    CPrintArea area;
    ASSERT_TRUE(area.SetPaper(paper, paper == kPaperA3Tate ? 1 : 0, kMonthly, -1));
    EXPECT_TRUE(ui->MessageBoxes().empty());
    CPrHeader header;
    ASSERT_TRUE(header.InitFromSettings(nullptr, paper, kMonthly, FALSE));
    EXPECT_EQ(header.GetLayoutKind(), 2);
    for (const char* name : {"対象月", "月間目標", "会社名", "部署名"}) {
        EXPECT_NE(header.FindInputArea(J(name)), nullptr) << name;
    }
    EXPECT_NE(header.FindElement(kPrKindTitle), nullptr);
    EXPECT_NE(header.FindElement(kPrKindPeriod), nullptr);
    EXPECT_NE(header.FindElement(kPrKindDate), nullptr);
    header.SetTitleText(J("月間工程"));
    EXPECT_EQ(header.GetTitleText(), J("月間工程"));
    ExpectDrawnInsideTheAreas(header, area);
}

INSTANTIATE_TEST_SUITE_P(AllPapers, MonthlyLayoutTest, ::testing::Range(0, 6));

} // namespace
} // namespace tembra
