// The rectangles of the objects on the page layout (see PageLayoutFixture.h): item cells,
// processes widened by their lines, nodes, terms and resources, the records of shapes, events,
// progress lines and charts, lines and hatchings, and embedded items with their drawing.
#include "PageLayoutFixture.h"

#include "model/ChartPos.h"
#include "model/DataHeader.h"
#include "model/Koumoku.h"
#include "model/KoumokuData.h"
#include "model/KtkmHatch.h"
#include "platform/RecordingDC.h"
#include "render/DrawSettings.h"

#include <utility>
#include <vector>

namespace tembra {
namespace {

using test::Day;
using test::PageLayoutTest;

CDataHeader Record(WORD type, WORD kind) {
    CDataHeader header;
    header.SetType(type);
    header.SetKind(kind);
    return header;
}

// ---- Object rectangles --------------------------------------------------------------------------

TEST_F(PageLayoutTest, ItemCellBoundsCoverItsRow) {
    Bind();
    CKoumokuData cell;
    cell.SetRow(2);
    EXPECT_EQ(layout.GetObjectBounds(nullptr, &cell, 0), CRect(0, -218, 500, -268));
    // Selected as a whole row, or a row with ruled lines: up to the process area's right edge.
    cell.SetSelected(255);
    EXPECT_EQ(layout.GetObjectBounds(nullptr, &cell, 0), CRect(0, -218, 2770, -268));
    cell.SetSelected(1);
    doc.table.SetKeisenType(2, 1);
    EXPECT_EQ(layout.GetObjectBounds(nullptr, &cell, 0), CRect(0, -218, 2770, -268));
    // In device units (identity mapping): inflated by 10, top above bottom.
    CRecordingDC screen;
    EXPECT_EQ(layout.GetObjectBounds(&screen, &cell, 0), CRect(-10, -278, 2780, -208));

    const CDataHeader other = Record(kTypeKoumoku, 2);
    EXPECT_TRUE(layout.GetObjectBounds(nullptr, &other, 0).IsRectNull());
    EXPECT_TRUE(layout.GetObjectBounds(nullptr, nullptr, 0).IsRectNull());
}

struct KouteiCase {
    const char* name;
    int styleCode;
    WORD countWord;
    int index;
    int shigenMode;
    CRect bounds;
};

TEST_F(PageLayoutTest, ProcessBoundsAreWidenedByItsLinesNodesTermsAndResources) {
    doc.set.GetChart().GetLandAttr().m_radius = 9;
    doc.set.GetChart().SetBarHeight(18);
    Bind();
    doc.parts.start = CPoint(1000, -300);
    doc.parts.end = CPoint(600, -300);
    doc.parts.extraY = -500;
    doc.parts.fontHeight = -40;
    // Node sizes 100 % and 200 % of 9: 18 on every side.
    doc.parts.startNodeSize = 100;
    doc.parts.endNodeSize = 200;
    doc.parts.terms = CRect(900, -200, 1200, -100);
    doc.parts.resources = CRect(400, -600, 700, -650);
    const std::vector<KouteiCase> cases = {
        {"plain line", 0, 0, -1, 0, {582, -282, 1018, -318}},
        // Two text lines of 40 units each 150 %: 60 above and below.
        {"text lines", 0x80, 0x0203, -1, 0, {582, -222, 1018, -378}},
        // Three bars of 18 units each 150 %: 40 above and below.
        {"bars", 0x40, 0x0203, -1, 0, {582, -242, 1018, -358}},
        {"line to another row", 6, 0, -1, 0, {582, -282, 1018, -518}},
        {"with terms", 0, 0, 0, 0, {582, -100, 1200, -318}},
        {"with resources", 0, 0, -1, 1, {400, -282, 1018, -650}},
    };
    CDataHeader process = Record(kTypeKoutei, kKindKoutei);
    for (const KouteiCase& c : cases) {
        doc.parts.styleCode = c.styleCode;
        doc.parts.countWord = c.countWord;
        layout.SetShigenDispMode(c.shigenMode);
        EXPECT_EQ(layout.GetObjectBounds(nullptr, &process, c.index), c.bounds) << c.name;
    }
    EXPECT_EQ(doc.asked.front(), std::make_pair(false, false));
    EXPECT_EQ(doc.asked.back(), std::make_pair(false, true));

    // Only the process itself has bounds of its own; a process without a line has none.
    const CDataHeader node = Record(kTypeKoutei, kKindLand);
    EXPECT_TRUE(layout.GetObjectBounds(nullptr, &node, 0).IsRectNull());
    doc.hasParts = false;
    EXPECT_TRUE(layout.GetObjectBounds(nullptr, &process, 0).IsRectNull());
}

TEST_F(PageLayoutTest, RecordBoundsOfShapesEventsProgressLinesAndCharts) {
    Bind();
    doc.recordBounds = CRect(1210, -700, 1000, -500);
    const std::vector<std::pair<CDataHeader, CRect>> cases = {
        {Record(kTypeShincyoku, 1), {1000, -500, 1210, -700}},
        {Record(kTypeEvent, 1), {1000, -500, 1210, -700}},
        {Record(kTypeChart, 1), {1000, -500, 1210, -700}},
        {Record(kTypeZukei, 3), {1000, -500, 1210, -700}},
        // The totals block: at least 40 more on either side (210 / 7 is less).
        {Record(kTypeZukei, 18), {960, -500, 1250, -700}},
        {Record(5, 1), {0, 0, 0, 0}},
    };
    for (const auto& [record, bounds] : cases) {
        EXPECT_EQ(layout.GetObjectBounds(nullptr, &record, 0), bounds)
            << record.GetType() << "/" << record.GetKind();
    }
    doc.recordBounds = CRect(0, 0, 700, -100);
    const CDataHeader wide = Record(kTypeZukei, 18);
    EXPECT_EQ(layout.GetObjectBounds(nullptr, &wide, 0), CRect(-100, 0, 800, -100));
}

TEST_F(PageLayoutTest, LineAndHatchRectangles) {
    Bind();
    CChartPos pos;
    pos.SetStartDate(Day(2010, 4, 2));
    pos.SetEndDate(Day(2010, 4, 4));
    pos.SetStartRow(1);
    pos.SetEndRow(3);
    EXPECT_EQ(layout.GetLineRect(nullptr, pos, FALSE), CRect(603, -193, 751, -292));
    pos.SetStartRow(0xFFFF); // negative: from the date band's top
    pos.SetEndRow(9999);     // to the process area's bottom
    EXPECT_EQ(layout.GetLineRect(nullptr, pos, FALSE), CRect(603, 0, 751, -1600));
    CRecordingDC screen;
    EXPECT_EQ(layout.GetLineRect(&screen, pos, TRUE), CRect(593, -1610, 761, 10));
    EXPECT_EQ(layout.GetLineRect(&screen, pos, FALSE), CRect(603, 0, 751, -1600));

    CKtkmHatch hatch;
    hatch.SetStartDate(Day(2010, 4, 4));
    hatch.SetEndDate(Day(2010, 4, 2));
    hatch.SetFirstRow(1);
    hatch.SetLastRow(2);
    hatch.SetFirstColumn(1);
    hatch.SetLastColumn(2);
    const std::vector<std::pair<WORD, CRect>> kinds = {
        {CKtkmHatch::kRowBand, {500, -169, 2770, -268}},
        {CKtkmHatch::kDateBand, {603, -120, 751, -1600}},
        {CKtkmHatch::kKoumokuCells, {165, -120, 500, -1600}},
        {7, {0, 0, 0, 0}},
    };
    for (const auto& [kind, rect] : kinds) {
        hatch.SetKind(kind);
        CRect out(1, 1, 1, 1);
        layout.GetObjectRect(out, nullptr, hatch, FALSE);
        EXPECT_EQ(out, rect) << kind;
    }
}

// ---- Embedded items -----------------------------------------------------------------------------

class TestItem : public ILayoutCntrItem {
public:
    CRect rect{100, -100, 300, -200};
    bool whiteBack = false;
    bool frame = false;
    bool picture = false;
    mutable std::vector<CRect> drawn;

    CRect GetDeviceRect(const CPageLayout&, CDC*) const override { return rect; }
    bool IsWhiteBack() const override { return whiteBack; }
    bool HasFrame() const override { return frame; }
    bool HasPicture() const override { return picture; }
    void DrawPicture(CDC* dc, const CRect& r) const override {
        drawn.push_back(r);
        dc->Ellipse(&r);
    }
};

TEST_F(PageLayoutTest, EmbeddedItemRectangleAndDrawing) {
    Bind();
    TestItem item;
    CRecordingDC screen;
    EXPECT_EQ(layout.GetCntrItemRect(&screen, item, FALSE), CRect(100, -100, 300, -200));
    EXPECT_EQ(layout.GetCntrItemRect(&screen, item, TRUE), CRect(90, -210, 310, -90));

    // Nothing asked for: nothing drawn.
    layout.DrawCntrItem(&screen, item);
    EXPECT_TRUE(screen.Drawings().empty());

    item.whiteBack = item.frame = item.picture = true;
    layout.DrawCntrItem(&screen, item);
    const auto drawings = screen.Drawings();
    ASSERT_EQ(drawings.size(), 3u) << screen.Dump();
    EXPECT_EQ(drawings[0].op, DcOp::Rectangle);
    EXPECT_TRUE(drawings[0].pen.IsNull());
    EXPECT_EQ(drawings[0].brush.color, RGB(255, 255, 255));
    EXPECT_EQ(drawings[1].op, DcOp::Ellipse);
    EXPECT_EQ(drawings[2].op, DcOp::Rectangle);
    EXPECT_FALSE(drawings[2].pen.IsNull());
    EXPECT_EQ(drawings[2].pen.color, RGB(0, 0, 0));
    EXPECT_TRUE(drawings[2].brush.IsNull());
    EXPECT_EQ(item.drawn.back(), CRect(100, -100, 300, -200));

    // The picture of a flipped chart is drawn upside down.
    DrawSettings flipped = GetDrawSettings();
    const DrawSettings saved = flipped;
    flipped.flipY = true;
    SetDrawSettings(flipped);
    item.whiteBack = item.frame = false;
    layout.DrawCntrItem(&screen, item);
    SetDrawSettings(saved);
    EXPECT_EQ(item.drawn.back(), CRect(100, 100, 300, 200));
}

} // namespace
} // namespace tembra
