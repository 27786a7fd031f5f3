// The layout the program ships: every paper loads into page areas and a print header, and every
// element of the title block draws inside the header area.
#include "model/LayoutFile.h"
#include "model/PrintArea.h"
#include "platform/RecordingDC.h"
#include "print/PrHeader.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"

#include "PrTestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace tembra {
namespace {

using test::J;
using test::TestPrLayout;

const std::filesystem::path kMaster =
    std::filesystem::path(TEMBRA_SOURCE_DIR) / "data" / "MASTER01.LYT";

class MasterLayoutTest : public ::testing::TestWithParam<int> {
protected:
    test::ScopedPaths paths;
    test::ScopedUi ui;
};

TEST(MasterLayoutFile, IsAFullLayoutFile) {
    const auto lines = ReadLayoutLines(kMaster);
    ASSERT_TRUE(lines);
    const std::string bytes = test::TempDir::Read(kMaster);
    // CR LF throughout: as many CR LF pairs as line feeds.
    std::size_t lf = 0;
    std::size_t crlf = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n') {
            ++lf;
            crlf += i > 0 && bytes[i - 1] == '\r' ? 1 : 0;
        }
    }
    EXPECT_EQ(lf, crlf);
    EXPECT_EQ(lines->back(), kLayoutEndOfFile);
    EXPECT_EQ(ReadLayoutMasterFlag(kMaster), 1);
    EXPECT_EQ(GetLayoutDiscernmentFlag(kMaster), 0);
    const LayoutFileIndex index(*lines);
    for (int paper = 0; paper < 6; ++paper) {
        const LayoutSection* section = index.Paper(paper);
        ASSERT_NE(section, nullptr) << paper;
        const std::string* value = section->Find("PaperArea");
        ASSERT_NE(value, nullptr);
        const CSize extent = LayoutPaperExtent(paper);
        EXPECT_EQ(*value, " 0, 0, " + std::to_string(extent.cx) + ", " + std::to_string(extent.cy));
        for (const std::string& line : section->Lines()) {
            EXPECT_TRUE(line.find('=') != std::string::npos) << line;
        }
    }
}

TEST_P(MasterLayoutTest, EveryPaperLoadsAndEveryElementDrawsInsideItsArea) {
    const int paper = GetParam();
    CPrintArea area;
    ASSERT_TRUE(area.SetPaper(paper, paper == kPaperA3Tate ? 1 : 0, kMaster, -1));
    EXPECT_TRUE(ui->MessageBoxes().empty());
    EXPECT_TRUE(ui->StatusTexts().empty());
    // The edit area is wide enough for the paper's item columns.
    EXPECT_GT(area.GetChartRect().Width(), 0);

    CPrHeader header;
    ASSERT_TRUE(header.InitFromSettings(nullptr, paper, kMaster, FALSE));
    EXPECT_EQ(header.GetLayoutName(), J("標準書式"));
    EXPECT_EQ(header.GetLayoutKind(), 0);
    EXPECT_EQ(header.GetElementList().size(), 22u);
    ASSERT_NE(header.FindElement(kPrKindTitle), nullptr);
    ASSERT_NE(header.FindElement(kPrKindPeriod), nullptr);
    ASSERT_NE(header.FindElement(kPrKindDate), nullptr);

    // Fill every input area so that everything draws.
    header.SetTitleText(J("新築工事"));
    header.SetHeaderTexts({"2001", "4", "1", "2002", "3", "31"});
    header.SetHeaderTexts2({"2001", "3", "15"});
    for (const auto& element : header.GetElementList()) {
        auto* text = dynamic_cast<CPrNewText*>(element.get());
        if (text != nullptr && text->GetContents().empty() && text->GetKind() <= 4) {
            text->SetContents(J("株式会社"));
        }
    }

    CRecordingDC dc(CRecordingDC::Device::Printer, 254);
    dc.SetMapMode(MM_LOMETRIC);
    const TestPrLayout layout = TestPrLayout::FromArea(area);
    header.DrawElements(&dc, layout);

    const CRect h = area.GetHeaderRect();
    auto inside = [&h](const CPoint& p) {
        return p.x >= h.left && p.x <= h.right && p.y <= h.top && p.y >= h.bottom;
    };
    const auto texts = dc.Find(DcOp::TextOut);
    // Six fixed texts and five input areas.
    EXPECT_EQ(texts.size(), 11u);
    for (const auto& r : texts) {
        SCOPED_TRACE(Sjis::ToUtf8(r.args.text));
        const CPoint at = r.args.points.at(0);
        const LONG width = std::abs(r.font.lfWidth) * static_cast<LONG>(r.args.text.size());
        const LONG height = std::abs(r.font.lfHeight);
        EXPECT_TRUE(inside(at));
        EXPECT_TRUE(inside(CPoint(at.x + width, at.y - height)));
    }
    const auto lines = dc.Find(DcOp::LineTo);
    EXPECT_EQ(lines.size(), 11u);
    for (const auto& r : lines) {
        EXPECT_TRUE(inside(r.args.points.at(0)));
        EXPECT_TRUE(inside(r.args.points.at(1)));
    }
}

INSTANTIATE_TEST_SUITE_P(AllPapers, MasterLayoutTest, ::testing::Range(0, 6));

} // namespace
} // namespace tembra
