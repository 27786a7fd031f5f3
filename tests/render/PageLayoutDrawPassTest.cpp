// What the layout keeps for its painters, on the round-number chart of ChartFixture (a day 100
// units wide from 1 April 2010 at x 0, a row 50 high): the index of process lines in which the
// crossings on paper are looked up during a drawing pass, and outside one for a document that
// counts its changes (it must lift every line over exactly the lines a walk of the document's
// objects finds, and must not outlive the objects it was made from; the pages of a print share
// the chart's lines and must still lift over what each page alone would), and the index of the
// objects' bounds, which only a document that counts its changes gets.
#include "render/ChartObjectIndex.h"
#include "render/KouteiCrossIndex.h"
#include "render/KouteiCrossLines.h"

#include "model/Koutei.h"
#include "platform/RecordingDC.h"
#include "render/ChartFixture.h"
#include "render/KouteiDraw.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tembra {
namespace {

using test::April;

class KouteiCrossIndexTest : public test::ChartFixture {
protected:
    KouteiCrossIndexTest() {
        doc.print.SetCrossType(1);
        doc.print.SetArcRay(9);
        doc.kouteiParts = true;
    }

    CKoutei& Add(int startDay, int startRow, int endDay, int endRow, WORD shape) {
        auto koutei = std::make_unique<CKoutei>();
        koutei->SetStartDate(April(startDay));
        koutei->SetEndDate(April(endDay));
        koutei->SetStartRow(static_cast<WORD>(startRow));
        koutei->SetEndRow(static_cast<WORD>(endRow));
        koutei->GetLines()->GetAttr().m_style = shape;
        koutei->GetStartLand()->SetSize(100);
        koutei->GetEndLand()->SetSize(100);
        doc.objects.push_back(koutei.get());
        m_processes.push_back(std::move(koutei));
        return *m_processes.back();
    }

    // A crowd of processes of every line shape that crosses itself many times over, a bar and a
    // line of the shape that draws nothing among them, and some sharing their end points.
    void AddCrowd() {
        const std::vector<WORD> shapes = {kLineShapePlain,   kLineShapeStraight,
                                          kLineShapeElbowVH, kLineShapeCrank,
                                          kLineShapeGate,    0x0140,
                                          kLineShapeElbowHV, 0xC0};
        for (int n = 0; n < 60; ++n) {
            const int day = 1 + (n * 7) % 24;
            const int row = (n * 11) % 26;
            const WORD shape = shapes[static_cast<std::size_t>(n) % shapes.size()];
            Add(day, row, day + 1 + n % 6, row + 1 + n % 4, shape);
        }
        // A vertical line over all of them, and two sharing an end.
        Add(12, 0, 12, 29, kLineShapePlain);
        Add(3, 5, 9, 5, kLineShapePlain);
        Add(9, 5, 9, 12, kLineShapePlain);
    }

    // Every process drawn on paper, as a printed page draws them; the log of the calls.
    std::string PrintPage(bool inPass) { return PrintPage(inPass, layout); }
    std::string PrintPage(bool inPass, const CPageLayout& on) {
        CRecordingDC dc(CRecordingDC::Device::Printer);
        dc.SetMapMode(MM_LOMETRIC);
        std::optional<CPageLayout::DrawPass> pass;
        if (inPass) {
            pass.emplace(on);
        }
        for (const auto& koutei : m_processes) {
            Draw(*koutei, &dc, on, kKouteiDrawNormal);
        }
        return dc.Dump();
    }
    std::size_t ArcsOf(CKoutei& koutei) { return ArcsOf(koutei, layout); }
    static std::size_t ArcsOf(CKoutei& koutei, const CPageLayout& on) {
        CRecordingDC dc(CRecordingDC::Device::Printer);
        dc.SetMapMode(MM_LOMETRIC);
        Draw(koutei, &dc, on, kKouteiDrawNormal);
        return dc.Find(DcOp::Arc).size();
    }

    std::vector<std::unique_ptr<CKoutei>> m_processes;
};

// A page of the crowd printed in a pass is the page printed without one, call for call.
TEST_F(KouteiCrossIndexTest, APassLiftsOverTheSameLines) {
    AddCrowd();
    Bind();
    const std::string walked = PrintPage(false);
    EXPECT_NE(walked.find("Arc"), std::string::npos);
    EXPECT_EQ(PrintPage(true), walked);
}

// The index is made once in a pass and goes with it: a process added between two pages is
// lifted over on the second.
TEST_F(KouteiCrossIndexTest, TheIndexLivesForOnePass) {
    CKoutei& vertical = Add(6, 2, 6, 10, kLineShapePlain);
    Bind();
    EXPECT_EQ(layout.GetCrossIndex(), nullptr);
    {
        const CPageLayout::DrawPass pass(layout);
        const CKouteiCrossIndex* index = layout.GetCrossIndex();
        ASSERT_NE(index, nullptr);
        EXPECT_EQ(layout.GetCrossIndex(), index);
        EXPECT_EQ(ArcsOf(vertical), 0u);
        {
            // Passes nest: the inner one keeps the outer one's index.
            const CPageLayout::DrawPass inner(layout);
            EXPECT_EQ(layout.GetCrossIndex(), index);
        }
        EXPECT_EQ(layout.GetCrossIndex(), index);
        // A copy of the layout is in no pass.
        const CPageLayout copy(layout);
        EXPECT_FALSE(copy.InDrawPass());
        EXPECT_EQ(copy.GetCrossIndex(), nullptr);
    }
    EXPECT_FALSE(layout.InDrawPass());
    Add(2, 6, 10, 6, kLineShapePlain);
    const CPageLayout::DrawPass pass(layout);
    EXPECT_EQ(ArcsOf(vertical), 1u);
}

// A change of the layout's geometry within a pass (another zoom) makes the index anew.
TEST_F(KouteiCrossIndexTest, AnIndexOfOtherGeometryIsMadeAnew) {
    CKoutei& vertical = Add(6, 2, 6, 10, kLineShapePlain);
    Add(2, 6, 10, 6, kLineShapePlain);
    Bind();
    const CPageLayout::DrawPass pass(layout);
    EXPECT_EQ(ArcsOf(vertical), 1u);
    layout.SetZoomIndex(5);
    layout.RecalcLayout();
    const CKouteiCrossIndex* index = layout.GetCrossIndex();
    ASSERT_NE(index, nullptr);
    EXPECT_TRUE(index->IsFor(layout));
    EXPECT_EQ(ArcsOf(vertical), 1u);
}

// The lines near a box, in drawing order; bars and lines that draw nothing are not filed, yet
// count in the order.
TEST_F(KouteiCrossIndexTest, LinesNearABoxInDrawingOrder) {
    CKoutei& a = Add(2, 6, 10, 6, kLineShapePlain);
    CKoutei& bar = Add(2, 8, 10, 8, 0x0140);
    CKoutei& b = Add(20, 1, 25, 3, kLineShapeElbowVH);
    CKoutei& c = Add(4, 2, 8, 9, kLineShapeStraight);
    Bind();
    const CPageLayout::DrawPass pass(layout);
    const CKouteiCrossIndex* index = layout.GetCrossIndex();
    ASSERT_NE(index, nullptr);
    const auto near = [&](const CRect& box) {
        std::vector<const CKoutei*> found;
        index->ForEachLineNear(
            box, [&](const CKouteiCrossIndex::Line& line) { found.push_back(line.koutei); });
        return found;
    };
    // Across row 6 on the 6th: the level line and the sloping one, not the bar.
    EXPECT_EQ(near(CRect(499, -300, 501, -350)), (std::vector<const CKoutei*>{&a, &c}));
    EXPECT_EQ(near(CRect(2100, -50, 2200, -150)), std::vector<const CKoutei*>{&b});
    EXPECT_TRUE(near(CRect(2800, -1000, 2900, -1100)).empty());
    EXPECT_TRUE(near(CRect(-900, 500, -800, 400)).empty());
    EXPECT_EQ(index->OrderOf(a), 0);
    EXPECT_EQ(index->OrderOf(bar), 1);
    EXPECT_EQ(index->OrderOf(c), 3);
    CKoutei unlisted;
    EXPECT_EQ(index->OrderOf(unlisted), 4);
}

// The fixture's chart in a document that counts its changes, as the application's does.
class CountingDoc : public test::ChartDoc {
public:
    explicit CountingDoc(const test::ChartDoc& chart) {
        set = chart.set;
        calendar.Clear(); // as the fixture's: no holidays
        print = chart.print;
        kouteiParts = chart.kouteiParts;
        objects = chart.objects;
    }
    std::uint64_t GetChangeCount() const override { return changes; }

    std::uint64_t changes = 1;
};

// Outside a pass, a document that counts its changes keeps the index while the count holds: its
// page is the page walked without an index, call for call, and a line added with a new count is
// lifted over at once.
TEST_F(KouteiCrossIndexTest, OutsideAPassTheIndexServesWhileTheChangeCountHolds) {
    AddCrowd();
    CKoutei& vertical = Add(6, 2, 6, 10, kLineShapePlain);
    Bind();
    const std::string walked = PrintPage(false);
    CountingDoc counting(doc);
    CPageLayout counted;
    counted.Init(&counting);
    const CKouteiCrossIndex* index = counted.GetCrossIndex();
    ASSERT_NE(index, nullptr);
    EXPECT_FALSE(counted.InDrawPass());
    EXPECT_EQ(counted.GetCrossIndex(), index);
    EXPECT_EQ(PrintPage(false, counted), walked);
    EXPECT_EQ(PrintPage(true, counted), walked);

    const std::size_t arcs = ArcsOf(vertical, counted);
    EXPECT_EQ(ArcsOf(vertical), arcs);
    Add(2, 6, 10, 6, kLineShapePlain);
    counting.objects = doc.objects;
    ++counting.changes;
    EXPECT_EQ(ArcsOf(vertical, counted), arcs + 1);
    EXPECT_EQ(ArcsOf(vertical), arcs + 1);
}

// The pages of a print, 13 rows each on the fixture's chart (rows 1500 / 13 units high: on pages
// that begin on other rows than multiples of 13 the truncated heights put a row two units off
// from where another page has it), with the crowd, lines ending on other lines, a gate whose bend
// row lies below both its ends, and lines so long that the pages cut them at the coordinates'
// limits.
class KouteiCrossPagesTest : public KouteiCrossIndexTest {
protected:
    static constexpr int kPageRows = 13;

    KouteiCrossPagesTest() {
        AddCrowd();
        CKoutei& gate = Add(5, 3, 15, 4, kLineShapeGate);
        gate.GetLines()->SetBendOffset(10);
        Add(10, 11, 10, 16, kLineShapePlain);
        // Lines that end on another's line (their node marks of size 0), on every row: the
        // crossing lies at the end, where a row's truncation decides whether the boxes meet.
        for (int row = 2; row < 30; ++row) {
            const int day = 16 + row % 7;
            Unmarked(Add(day, row - 2, day, row, kLineShapePlain));
            Add(day - 2, row, day + 3, row, kLineShapeStraight);
        }
        // Reaching far below the first pages, far above the last ones.
        Unmarked(Add(7, 2, 7, 600, kLineShapePlain));
        Add(6, 300, 8, 300, kLineShapePlain);
        Add(4, 400, 11, 403, kLineShapeElbowVH);
        Add(3, 590, 12, 590, kLineShapeElbowHV);
        Bind();
    }

    static void Unmarked(CKoutei& koutei) {
        koutei.GetStartLand()->SetSize(0);
        koutei.GetEndLand()->SetSize(0);
    }

    static CPageLayout Page(const CPageLayout& base, int firstRow) {
        CPageLayout page(base);
        page.SetOutputMode(1);
        page.SetFirstRow(static_cast<short>(firstRow));
        page.SetLastRow(static_cast<short>(firstRow + kPageRows - 1));
        return page;
    }
};

// Each page of a print that hands the chart's lines from page to page is the page drawn alone
// walking the document's objects, call for call, however its rows' heights are truncated.
TEST_F(KouteiCrossPagesTest, PagesSharingTheLinesLiftOverWhatTheWalkFinds) {
    CountingDoc counting(doc);
    CPageLayout counted;
    counted.Init(&counting);
    std::shared_ptr<const CKouteiCrossLines> lines;
    const struct {
        int firstRow;
        const char* what;
    } pages[] = {
        {0, "the first page, the long line cut at its foot, lines beyond it"},
        {5, "the gate's bend row on the page, its ends above; rows a unit off"},
        {10, "rows that lie a unit off where the first page would have them"},
        {13, "a page as a print of 13 rows a page has it"},
        {17, "the crowd's last rows"},
        {300, "the long line cut at both ends"},
        {398, "an elbow far down"},
        {585, "the last lines, the long one cut at the top"},
    };
    for (const auto& page : pages) {
        SCOPED_TRACE(page.what);
        const CPageLayout shared = Page(counted, page.firstRow);
        shared.AdoptCrossLines(lines);
        const std::string printed = PrintPage(true, shared);
        if (lines != nullptr) {
            EXPECT_EQ(shared.GetCrossLines(), lines);
        }
        lines = shared.GetCrossLines();
        ASSERT_NE(lines, nullptr);
        EXPECT_TRUE(lines->InRowSpace());

        const CPageLayout alone = Page(layout, page.firstRow);
        EXPECT_EQ(printed, PrintPage(false, alone));
        doc.print.SetCrossType(0);
        counting.print.SetCrossType(0);
        EXPECT_NE(printed, PrintPage(false, alone)) << "no crossing on the page";
        doc.print.SetCrossType(1);
        counting.print.SetCrossType(1);
    }
}

// A layout takes another's lines only when they were made for its geometry and document as
// they now are, and kept only where the document counts its changes; on screen, for its first
// row too.
TEST_F(KouteiCrossPagesTest, LinesAreTakenOnlyWhereTheyHold) {
    CountingDoc counting(doc);
    CPageLayout counted;
    counted.Init(&counting);
    std::shared_ptr<const CKouteiCrossLines> printed;
    {
        const CPageLayout first = Page(counted, 0);
        const CPageLayout::DrawPass pass(first);
        ASSERT_NE(first.GetCrossIndex(), nullptr);
        printed = first.GetCrossLines();
    }
    std::shared_ptr<const CKouteiCrossLines> screen;
    {
        CPageLayout first = Page(counted, 0);
        first.SetOutputMode(0);
        const CPageLayout::DrawPass pass(first);
        ASSERT_NE(first.GetCrossIndex(), nullptr);
        screen = first.GetCrossLines();
    }
    ASSERT_NE(printed, nullptr);
    ASSERT_NE(screen, nullptr);
    EXPECT_FALSE(screen->InRowSpace());

    enum class Change { None, Zoom, Screen, Counted, Uncounted };
    const struct {
        Change change;
        bool taken;
        bool screen;
    } cases[] = {
        {Change::None, true, false},       {Change::Zoom, false, false},
        {Change::Screen, false, true},     {Change::Counted, false, false},
        {Change::Uncounted, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.change));
        CPageLayout page = Page(c.change == Change::Uncounted ? layout : counted, 7);
        if (c.change == Change::Zoom) {
            page.SetZoomIndex(5);
            page.RecalcLayout();
        }
        if (c.change == Change::Screen) {
            page.SetOutputMode(0);
        }
        const std::uint64_t changes = counting.changes;
        if (c.change == Change::Counted) {
            ++counting.changes;
        }
        const std::shared_ptr<const CKouteiCrossLines>& offered = c.screen ? screen : printed;
        page.AdoptCrossLines(offered);
        EXPECT_EQ(page.GetCrossLines() == offered, c.taken);
        counting.changes = changes;
    }

    // The lines stay after the pass for a document that counts its changes only.
    const CPageLayout uncounted = Page(layout, 0);
    {
        const CPageLayout::DrawPass pass(uncounted);
        ASSERT_NE(uncounted.GetCrossIndex(), nullptr);
        EXPECT_NE(uncounted.GetCrossLines(), nullptr);
    }
    EXPECT_EQ(uncounted.GetCrossLines(), nullptr);
}

// The test document counts no changes: nothing it holds is kept from one drawing to the next.
TEST_F(KouteiCrossIndexTest, ADocumentThatCountsNoChangesGetsNoObjectIndex) {
    Add(6, 2, 6, 10, kLineShapePlain);
    Bind();
    EXPECT_EQ(doc.GetChangeCount(), 0u);
    EXPECT_EQ(layout.GetObjectIndex(), nullptr);
}

} // namespace
} // namespace tembra
