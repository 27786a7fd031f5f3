// The line: its two end handles numbered by its direction, its resize alone and in a larger
// selection, and the ruled line of line type 65535.
#include "platform/RecordingDC.h"
#include "render/PageLayout.h"
#include "shapes/DatePos.h"
#include "shapes/ZukeiGeometry.h"

#include "FigureTestSupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace tembra {
namespace {

using test::TwoAnchors;

// The test chart with a selection of count objects, the first of them first.
class SelectionChart : public test::ShapeChart {
public:
    int GetSelCount() const override { return count; }
    const CDataHeader* GetFirstSel() const override { return first; }

    int count = 0;
    const CDataHeader* first = nullptr;
};

TEST(ZukeiLineTest, HandleNumbersFollowTheDirection) {
    struct Case {
        const char* what;
        CPoint start;
        CPoint end;
        int startHandle;
        int endHandle;
    };
    // 1 top-left, 3 top-right, 5 bottom-right, 7 bottom-left; top is the larger y.
    const Case cases[] = {
        {"lower left to upper right", {100, -500}, {300, -300}, kHandleBottomLeft, kHandleTopRight},
        {"upper left to lower right", {100, -300}, {300, -500}, kHandleTopLeft, kHandleBottomRight},
        {"upper right to lower left", {300, -300}, {100, -500}, kHandleTopRight, kHandleBottomLeft},
        {"lower right to upper left", {300, -500}, {100, -300}, kHandleBottomRight, kHandleTopLeft},
        {"level, left to right", {100, -400}, {300, -400}, kHandleBottomLeft, kHandleTopRight},
    };
    test::ShapeChart chart;
    CRecordingDC dc; // one unit a pixel: handle squares reach 5 units
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto line = TwoAnchors<CZukeiLine>(c.start, c.end);
        const CRect rect(c.start, c.end);
        EXPECT_EQ(CZukeiLine::StartHandle(rect), c.startHandle);
        EXPECT_EQ(CZukeiLine::EndHandle(rect), c.endHandle);
        EXPECT_EQ(line->HitTestHandle(chart, dc, c.start + CPoint(4, -4)), c.startHandle);
        EXPECT_EQ(line->HitTestHandle(chart, dc, c.end), c.endHandle);
        EXPECT_EQ(line->HitTestHandle(chart, dc, CPoint(200, -400)), kHandleNone);
        EXPECT_EQ(line->HitTestHandle(chart, dc, c.end + CPoint(6, 0)), kHandleNone);
    }
}

TEST(ZukeiLineTest, ItsHandlesAreItsEndsUnlessARectangleIsGiven) {
    test::ShapeChart chart;
    const auto line = TwoAnchors<CZukeiLine>(CPoint(100, -500), CPoint(300, -300));
    CRecordingDC dc;
    CRect rect;
    line->DrawHandles(chart, dc, rect);
    EXPECT_EQ(rect, CRect(100, -500, 300, -300));
    std::vector<CRecordingDC::Record> blocks = dc.Find(DcOp::PatBlt);
    ASSERT_EQ(blocks.size(), 2u) << dc.Dump();
    // Five pixels square, two pixels left of and above each end.
    EXPECT_EQ(blocks[0].args.rect, CRect(98, -498, 103, -503));
    EXPECT_EQ(blocks[1].args.rect, CRect(298, -298, 303, -303));

    dc.Clear();
    CRect selection(0, 0, 400, -600);
    line->DrawHandles(chart, dc, selection);
    EXPECT_EQ(dc.Find(DcOp::PatBlt).size(), 8u);
}

TEST(ZukeiLineTest, AloneItsEndsMoveOrItTurnsAboutItsCentre) {
    SelectionChart chart;
    const auto line = TwoAnchors<CZukeiLine>(CPoint(100, -500), CPoint(300, -300));
    chart.count = 1;
    chart.first = line.get();
    const CRect ref(100, -300, 300, -500);
    struct Case {
        int handle;
        CPoint delta;
        CRect expected;
    };
    const Case cases[] = {
        {kHandleTopRight, {10, 20}, {100, -500, 310, -280}},   // the end
        {kHandleBottomLeft, {10, 20}, {110, -480, 300, -300}}, // the start
        {kHandleTopLeft, {10, 20}, {100, -500, 300, -300}},    // neither: nothing moves
        {kHandleCenter, {30, -10}, {230, -410, 170, -390}},    // centre + delta, centre - delta
        {kHandleCenter, {-100, -100}, {100, -500, 300, -300}}, // back where it was
    };
    for (const Case& c : cases) {
        EXPECT_EQ(line->GetResizedRect(chart, c.delta, c.handle, ref), c.expected)
            << "handle " << c.handle;
    }
    // The anchors go where the rectangle says: only the end moves.
    CDatePos pos;
    pos.endDate = CZukei::XToDate(chart, 310);
    pos.endRow = CZukei::YToRow(chart, -280);
    line->ResizeAnchors(chart, CPoint(10, 20), kHandleTopRight, ref, pos);
    EXPECT_EQ(line->GetDeviceRect(chart), CRect(100, -500, 310, -280));
    EXPECT_EQ(line->GetAnchor1().GetOffset(), CPoint(100, -500));
}

TEST(ZukeiLineTest, InALargerSelectionItsEndsScaleWithoutAMinimum) {
    SelectionChart chart;
    const auto line = TwoAnchors<CZukeiLine>(CPoint(100, -500), CPoint(300, -300));
    auto group = TwoAnchors<CZukeiBox>(CPoint(0, 0), CPoint(10, 10));
    group->CDataHeader::SetKind(kZukeiGroup); // a group selected alone, the line inside it
    const CRect ref(100, -300, 300, -500);
    struct Case {
        int count;
        const CDataHeader* first;
    };
    for (const Case& c : {Case{2, line.get()}, Case{1, group.get()}, Case{0, nullptr}}) {
        chart.count = c.count;
        chart.first = c.first;
        // The right edge dragged to 5 units from the left: the base would keep 10.
        EXPECT_EQ(line->GetResizedRect(chart, CPoint(-195, 0), kHandleRight, ref),
                  CRect(100, -500, 105, -300))
            << c.count;
        EXPECT_EQ(line->GetResizedRect(chart, CPoint(50, -50), kHandleCenter, ref),
                  CRect(150, -450, 250, -350))
            << c.count;
    }
}

// Two drawings alike: the same calls with the same points, pens and raster operations.
void ExpectSameDrawing(const CRecordingDC& a, const CRecordingDC& b) {
    const std::vector<CRecordingDC::Record> da = a.Drawings();
    const std::vector<CRecordingDC::Record> db = b.Drawings();
    ASSERT_EQ(da.size(), db.size()) << a.Dump() << "\n---\n" << b.Dump();
    for (std::size_t i = 0; i < da.size(); ++i) {
        EXPECT_EQ(da[i].op, db[i].op) << i;
        EXPECT_EQ(da[i].args.points, db[i].args.points) << i;
        EXPECT_EQ(da[i].pen, db[i].pen) << i;
        EXPECT_EQ(da[i].rop2, db[i].rop2) << i;
    }
}

TEST(ZukeiLineTest, LineType65535DrawsAsAChartRuledLine) {
    test::ShapeChart chart;
    auto line = TwoAnchors<CZukeiLine>(CPoint(600, -300), CPoint(2000, -300));
    line->SetColor(RGB(255, 0, 0));
    line->SetWidth(-8);
    line->SetLineType(CZukeiLine::kRuledLineType);
    for (const bool paper : {false, true}) {
        SCOPED_TRACE(paper ? "on paper" : "on screen");
        chart.layout.SetOutputMode(paper ? 1 : 0);
        const auto device = paper ? CRecordingDC::Device::Printer : CRecordingDC::Device::Screen;
        CRecordingDC drawn(device);
        line->Draw(chart, drawn, kDrawNormal);
        CRecordingDC ruled(device);
        chart.layout.DrawDateSeparator(&ruled, CPageLayout::kSeparatorHorizontal, 600, -300, 2000,
                                       -300);
        ASSERT_FALSE(ruled.Drawings().empty());
        ExpectSameDrawing(drawn, ruled);
        for (const CRecordingDC::Record& r : drawn.Drawings()) {
            EXPECT_NE(r.pen.color, RGB(255, 0, 0)); // never the line's own pen
        }
    }
    chart.layout.SetOutputMode(0);

    // Feedback must take itself away again: a plain inverting line.
    CRecordingDC feedback;
    line->DrawMoving(chart, feedback, CPoint(0, -10));
    ASSERT_EQ(feedback.Find(DcOp::LineTo).size(), 1u) << feedback.Dump();
    EXPECT_EQ(feedback.Find(DcOp::LineTo)[0].rop2, R2_NOT);
    EXPECT_EQ(feedback.Find(DcOp::LineTo)[0].args.points,
              (std::vector<CPoint>{{600, -310}, {2000, -310}}));

    // Any other type is the line's own pen.
    line->SetLineType(0);
    CRecordingDC plain;
    line->Draw(chart, plain, kDrawNormal);
    ASSERT_EQ(plain.Find(DcOp::LineTo).size(), 1u);
    EXPECT_EQ(plain.Find(DcOp::LineTo)[0].pen.color, RGB(255, 0, 0));
    EXPECT_EQ(plain.Find(DcOp::LineTo)[0].pen.width, 8);
}

} // namespace
} // namespace tembra
