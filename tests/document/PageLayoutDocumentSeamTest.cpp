// The schedule document as a page layout reads it: the document's own settings, calendar and
// item table, the bounds of its processes and events, and the file name of its texts. The layout
// is bound through a view on a chart of round numbers: a day 100 units wide from 1 April 2010 at
// x 0, a row 50 high with the middle of row r at y -50r - 25.
#include "document/PageLayoutDocumentSeam.h"

#include "DocTestSupport.h"
#include "FailingAllocator.h"
#include "PageFixture.h"
#include "document/TembraDoc.h"
#include "model/ConfigPrint.h"
#include "model/Event.h"
#include "model/Koumoku.h"
#include "model/KoumokuData.h"
#include "model/Koutei.h"
#include "model/KtkmHatch.h"
#include "model/OperationState.h"
#include "model/Shincyoku.h"
#include "platform/RecordingDC.h"
#include "print/PrNewText.h"
#include "render/EventGeometry.h"
#include "render/KouteiLabels.h"
#include "render/PageLayout.h"
#include "render/ShincyokuDraw.h"
#include "shapes/ZukeiPolyLine.h"
#include "shapes/ZukeiView.h"
#include "support/ScriptedUi.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace tembra {
namespace {

using test::Day;
using test::ProbeRecord;
using test::ScopedAppState;

class PageLayoutDocumentSeamTest : public ::testing::Test {
protected:
    PageLayoutDocumentSeamTest() {
        CSyokiSet& set = doc.GetSyokiSet();
        test::SetAprilPage(set);
        set.GetChart().GetLandAttr().m_radius = 10;
        set.GetChart().SetBarHeight(18);
        set.GetChart().SetCornerSize(10);
        LOGFONT font;
        font.lfHeight = -30;
        font.lfWidth = 15;
        set.GetEvent().SetLogFont(font);
        layout.Init(&view);
    }

    std::unique_ptr<CKoutei> Process(int startDay, int startRow, int endDay, int endRow,
                                     WORD shapeWord, short bend = 0) {
        auto koutei = std::make_unique<CKoutei>();
        koutei->SetStartDate(Day(2010, 4, startDay));
        koutei->SetEndDate(Day(2010, 4, endDay));
        koutei->SetStartRow(static_cast<WORD>(startRow));
        koutei->SetEndRow(static_cast<WORD>(endRow));
        koutei->GetLines()->GetAttr().m_style = shapeWord;
        koutei->GetLines()->SetBendOffset(bend);
        koutei->GetStartLand()->SetSize(100);
        koutei->GetEndLand()->SetSize(100);
        return koutei;
    }

    ScopedAppState app;
    CTembraDoc doc;
    test::DocLayoutView view{doc};
    CPageLayout layout;
};

TEST_F(PageLayoutDocumentSeamTest, TheDocumentHandsOutItsOwnParts) {
    IPageLayoutDocument* seam = DocumentSeam<IPageLayoutDocument>(&doc);
    ASSERT_NE(seam, nullptr);
    EXPECT_EQ(seam, &doc.GetSeams().PageLayout());
    EXPECT_EQ(layout.GetDocument(), seam);
    EXPECT_EQ(seam->GetSyokiSet(), &doc.GetSyokiSet());
    EXPECT_EQ(seam->GetCalendar(), &doc.GetWorkCalendar());
    EXPECT_EQ(seam->GetKoumoku(), doc.GetKoumoku());
    // The layout took the document's period and rows.
    EXPECT_EQ(layout.GetStartDate(), Day(2010, 4, 1));
    EXPECT_EQ(layout.DateRowToPoint(Day(2010, 4, 11), 10), CPoint(1000, -525));
}

TEST_F(PageLayoutDocumentSeamTest, FileNameOfTheTexts) {
    const IPageLayoutDocument& seam = doc.GetSeams().PageLayout();
    doc.SetPathName("/work/charts/PLAN.tbr", FALSE);
    EXPECT_EQ(seam.GetMacroFileName(), "PLAN.tbr");
}

// The bounds of a process: its line's end points, the gate row or the bar's thickness, and the
// larger node size (10) on every side.
TEST_F(PageLayoutDocumentSeamTest, ProcessBoundsFromItsLine) {
    struct Case {
        const char* name;
        int startDay, startRow, endDay, endRow;
        WORD shapeWord;
        short bend;
        CRect bounds;
    };
    const std::vector<Case> cases = {
        {"elbow", 2, 5, 6, 1, kLineShapeElbowVH, 0, {90, -65, 510, -285}},
        // The gate turns at row 8 (y -425), below both ends.
        {"gate", 2, 5, 6, 1, kLineShapeGate, 3, {90, -65, 510, -435}},
        // Bars two bar heights thick (18 each): drawn 18 and 22 either side of the row middle;
        // the bounds reach 27 and the node size further.
        {"bar", 2, 3, 6, 3, 0x0240, 0, {90, -138, 510, -212}},
        {"slanted bar", 2, 3, 6, 3, 0x0280, 0, {90, -138, 510, -212}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto koutei =
            Process(c.startDay, c.startRow, c.endDay, c.endRow, c.shapeWord, c.bend);
        EXPECT_EQ(layout.GetObjectBounds(nullptr, koutei.get(), -1), c.bounds);
    }

    // Only a process has a line to bound.
    KouteiBoundsParts parts;
    const ProbeRecord other(kTypeKoutei, "not a process");
    EXPECT_FALSE(doc.GetSeams().PageLayout().GetKouteiBoundsParts(other, layout, nullptr, true,
                                                                  true, parts));
}

// The terms and the resource label of a process (named from the document's resource table)
// widen its bounds when the layout asks for them: the terms unless the index is -1, the label
// while the layout shows resources.
TEST_F(PageLayoutDocumentSeamTest, ProcessBoundsTakeItsTermsAndResourceLabel) {
    doc.GetShigenNames().push_back(std::make_unique<CShigenName>(1, 0, "Crane A1"));
    CElemAttr& labels = doc.GetSyokiSet().GetChart().GetYogoAttr();
    LOGFONT font;
    font.lfHeight = -30;
    font.lfWidth = 15;
    labels.SetLogFont(font);
    doc.GetSyokiSet().GetChart().GetShigenAttr().SetLogFont(font);
    auto koutei = Process(3, 4, 13, 4, kLineShapeStraight);
    auto term = std::make_unique<CYogo>();
    term->SetText("a long term label above");
    term->GetAttr().m_fontHeigh = term->GetAttr().m_fontWidth = 1;
    term->GetAttr().m_form = kYogoPlaceFree;
    term->GetAttr().SetOffsetY(300);
    ASSERT_TRUE(koutei->AddYogo(term, TRUE));
    CShigen& resources = *koutei->GetShigen();
    resources.AddShigenData(std::make_unique<CShigenData>(1, 12));
    resources.GetAttr().m_fontHeigh = resources.GetAttr().m_fontWidth = 1;
    resources.GetAttr().m_linkPosition = 1;

    const IPageLayoutDocument& seam = doc.GetSeams().PageLayout();
    KouteiBoundsParts parts;
    ASSERT_TRUE(seam.GetKouteiBoundsParts(*koutei, layout, nullptr, true, true, parts));
    const CRect terms = GetYogoRect(*koutei, layout, nullptr, -1);
    const CRect label = GetShigenRect(*koutei, layout, nullptr, -1);
    EXPECT_EQ(parts.terms, terms);
    EXPECT_EQ(parts.resources, label);
    // "[Crane A1 12]": 13 bytes of 15.
    EXPECT_EQ(label.Width(), 13 * 15 + 2);
    ASSERT_TRUE(seam.GetKouteiBoundsParts(*koutei, layout, nullptr, false, false, parts));
    EXPECT_FALSE(parts.terms.has_value());
    EXPECT_FALSE(parts.resources.has_value());

    // The line alone reaches from 190 to 1210 and 10 about y -225; the term lies 150 above the
    // line, 23 x 15 long from its middle; the label hangs 6 below the line.
    layout.SetShigenDispMode(0);
    EXPECT_EQ(layout.GetObjectBounds(nullptr, koutei.get(), -1), CRect(190, -215, 1210, -235));
    EXPECT_EQ(terms.top, -44);
    EXPECT_EQ(layout.GetObjectBounds(nullptr, koutei.get(), 0), CRect(190, -44, 1210, -235));
    layout.SetShigenDispMode(1);
    EXPECT_EQ(label.bottom, -262);
    EXPECT_EQ(layout.GetObjectBounds(nullptr, koutei.get(), 0), CRect(190, -44, 1210, -262));
    EXPECT_EQ(layout.GetObjectBounds(nullptr, koutei.get(), -1), CRect(190, -215, 1210, -262));
}

// When the stacking table of the terms cannot be made the document says so (message 5026) and
// the terms take no room.
TEST_F(PageLayoutDocumentSeamTest, TermsWithoutAStackingTable) {
    test::ScopedUi ui;
    auto koutei = Process(3, 4, 13, 4, kLineShapeStraight);
    auto term = std::make_unique<CYogo>();
    term->SetText("term");
    ASSERT_TRUE(koutei->AddYogo(term, TRUE));
    CRect terms(1, 2, 3, 4);
    {
        test::FailingAllocation failing(0);
        terms = GetYogoRect(*koutei, layout, nullptr, -1);
        EXPECT_TRUE(failing.Fired());
    }
    EXPECT_EQ(terms, CRect());
    ASSERT_EQ(ui->MessageBoxes().size(), 1u);
    EXPECT_EQ(ui->MessageBoxes()[0].stringId, IDS_YOGO_STACK_FAILED);
    EXPECT_EQ(ui->MessageBoxes()[0].text, "用語の積み重ねテーブルの作成に失敗しました");
}

// The resource names that the labels show come from the document's resource table.
TEST_F(PageLayoutDocumentSeamTest, ResourceNamesOfTheDocument) {
    doc.GetShigenNames().push_back(std::make_unique<CShigenName>(1, 0, "Worker"));
    doc.GetShigenNames().push_back(std::make_unique<CShigenName>(2, 0, "Crane A1"));
    CShigen resources;
    resources.AddShigenData(std::make_unique<CShigenData>(1, 12));
    resources.AddShigenData(std::make_unique<CShigenData>(2, 3));
    const IPageLayoutDocument& seam = doc.GetSeams().PageLayout();
    for (int index : {0, 1, -1}) {
        EXPECT_EQ(seam.GetShigenLabel(resources, index), doc.GetShigenLabel(resources, index));
    }
    EXPECT_EQ(seam.GetShigenLabel(resources, 0), "[Worker   12]");
    int nameLength = 0;
    int amount = 0;
    seam.MeasureShigenList(resources, nameLength, amount);
    EXPECT_EQ(std::make_pair(nameLength, amount), std::make_pair(8, 12));
    std::string name;
    EXPECT_EQ(seam.GetShigenName(1, name), 8);
    EXPECT_EQ(name, "Crane A1");
    EXPECT_EQ(doc.GetShigenName(2, name), -1);
}

// An event gives its text rectangle with its anchor (and balloon); other records, until they
// give their own, nothing.
TEST_F(PageLayoutDocumentSeamTest, EventBoundsAreItsFullRectangle) {
    CEvent event;
    event.SetStartDate(Day(2010, 4, 11));
    event.SetStartRow(10);
    event.GetAttr().SetDefaultSize();
    event.SetText("ABCD");
    event.SetOffset(100, 0);
    const CRect expected(1000, -509, 1161, -541);
    EXPECT_EQ(GetRect(event, layout, nullptr, TRUE), expected);
    EXPECT_EQ(layout.GetObjectBounds(nullptr, &event, 0), expected);

    // A record with a progress line's codes that is not one gives nothing.
    const ProbeRecord progress(kTypeShincyoku, "progress line");
    EXPECT_EQ(doc.GetSeams().PageLayout().GetRecordBounds(progress, layout, nullptr), CRect());
}

// A progress line gives the rectangle its rows (and date labels, once drawn) cover.
TEST_F(PageLayoutDocumentSeamTest, ProgressLineBoundsAreItsRowsAndLabels) {
    CShincyoku line;
    line.SetDate(Day(2010, 4, 11));
    ASSERT_TRUE(line.SetPointDate(4, Day(2010, 4, 15)));
    const CRect expected = GetBounds(line, nullptr, layout);
    // From the reference date (x 1000) to the point of row 4 (x 1400).
    EXPECT_EQ(expected.left, 1000);
    EXPECT_EQ(expected.right, 1400);
    EXPECT_EQ(doc.GetSeams().PageLayout().GetRecordBounds(line, layout, nullptr), expected);
}

} // namespace
} // namespace tembra

namespace tembra {
namespace {

// A drawing shape gives its device rectangle on the layout.
TEST_F(PageLayoutDocumentSeamTest, ShapeBoundsAreItsDeviceRectangle) {
    CZukeiPolyLine line;
    line.AddPoint(CZukeiPoint(Day(2010, 4, 11), 10.0));
    line.AddPoint(CZukeiPoint(Day(2010, 4, 21), 12.0));
    const CRect bounds = doc.GetSeams().PageLayout().GetRecordBounds(line, layout, nullptr);
    EXPECT_EQ(bounds, GetZukeiBounds(line, layout));
    EXPECT_EQ(bounds.left, 1000);
    EXPECT_EQ(bounds.right, 2000);
}

// What the background painters read: the document's own date range, hatchings in list order,
// its print header's settings and the rows and columns its selected item cells cover.
TEST_F(PageLayoutDocumentSeamTest, PaintersReadTheDocumentsSelectionAndHatchings) {
    const IPageLayoutDocument& seam = doc.GetSeams().PageLayout();
    EXPECT_EQ(seam.GetSelectedDateRange(), doc.GetSelectedDateRange());
    EXPECT_EQ(seam.GetPrintSettings(), static_cast<const CConfigPrint*>(&doc.GetPrHeader()));

    auto* first = new CKtkmHatch();
    first->SetKind(1);
    auto* second = new CKtkmHatch();
    second->SetKind(2);
    doc.GetHatchList()->AddTail(first);
    doc.GetHatchList()->AddTail(second);
    std::vector<const CKtkmHatch*> seen;
    seam.ForEachHatch([&seen](const CKtkmHatch& hatch) { seen.push_back(&hatch); });
    EXPECT_EQ(seen, (std::vector<const CKtkmHatch*>{first, second}));

    int from = 0;
    int to = 0;
    EXPECT_EQ(seam.GetSelectedKoumokuRows(from, to), 0);
    EXPECT_EQ(std::make_pair(from, to), std::make_pair(-1, -1));
    EXPECT_EQ(seam.GetSelectedKoumokuCols(from, to), 0);
    EXPECT_EQ(std::make_pair(from, to), std::make_pair(-1, -1));

    // Item column 1, rows 3 to 5 selected, and row 3 of item column 2; row 7 of column 1 is
    // there but not selected.
    CKoumoku& table = *doc.GetKoumoku();
    auto cell = [&table](int row, int column, bool selected) {
        auto* data = new CKoumokuData();
        data->SetSelected(selected ? 1 : 0);
        ASSERT_TRUE(table.SetAt(row, column, data));
    };
    cell(3, 1, true);
    cell(4, 1, true);
    cell(5, 1, true);
    cell(7, 1, false);
    cell(3, 2, true);
    EXPECT_EQ(seam.GetSelectedKoumokuRows(from, to), 3);
    EXPECT_EQ(std::make_pair(from, to), std::make_pair(3, 5));
    EXPECT_EQ(seam.GetSelectedKoumokuCols(from, to), 2);
    EXPECT_EQ(std::make_pair(from, to), std::make_pair(1, 2));
}

// The process painter reads the document's object mode, and walks its chart objects in drawing
// order for the crossings on paper: the unselected ones, then the selected ones.
TEST_F(PageLayoutDocumentSeamTest, ObjectModeAndObjectsOfTheDocument) {
    const IPageLayoutDocument& seam = doc.GetSeams().PageLayout();
    doc.GetOperation().SetMode(COperationState::kModeYogo);
    EXPECT_EQ(seam.GetObjectMode(), COperationState::kModeYogo);
    doc.GetOperation().SetMode(COperationState::kModeShigen);
    EXPECT_EQ(seam.GetObjectMode(), COperationState::kModeShigen);

    CKoutei* selected = Process(2, 2, 6, 2, kLineShapeStraight).release();
    CKoutei* first = Process(2, 4, 6, 4, kLineShapeStraight).release();
    auto* event = new CEvent();
    CKoutei* last = Process(2, 6, 6, 6, kLineShapeStraight).release();
    doc.AddSel(selected);
    doc.AddObj(first, FALSE);
    doc.AddObj(event, FALSE);
    doc.AddObj(last, FALSE);
    std::vector<const CDataHeader*> seen;
    seam.ForEachChartObject([&seen](const CDataHeader& object) { seen.push_back(&object); });
    EXPECT_EQ(seen, (std::vector<const CDataHeader*>{first, event, last, selected}));
}

// The bounds of a process take in what its drawing reaches beyond its line and marks: with
// bare nodes the sides of its arrow head (12 at 30 degrees: 6), on paper with crossings the
// arcs over them ("ArcRay").
TEST_F(PageLayoutDocumentSeamTest, ProcessBoundsCoverArrowHeadsAndCrossingArcs) {
    auto koutei = Process(3, 4, 13, 4, kLineShapeStraight);
    koutei->GetStartLand()->SetSize(0);
    koutei->GetEndLand()->SetSize(0);
    doc.GetSyokiSet().GetChart().SetArrowLength(12);
    doc.GetSyokiSet().GetChart().SetArrowAngle(30);
    doc.GetPrHeader().SetCrossType(0);
    EXPECT_EQ(layout.GetObjectBounds(nullptr, koutei.get(), -1), CRect(194, -219, 1206, -231));
    doc.GetPrHeader().SetCrossType(1);
    doc.GetPrHeader().SetArcRay(20);
    EXPECT_EQ(layout.GetObjectBounds(nullptr, koutei.get(), -1), CRect(180, -205, 1220, -245));
    // Node marks wider than that keep their own widening.
    koutei->GetStartLand()->SetSize(300);
    EXPECT_EQ(layout.GetObjectBounds(nullptr, koutei.get(), -1), CRect(170, -195, 1230, -255));
}

// The date header draws the document's print header through the layout: its elements, those
// of the footer only where the layout has a footer.
TEST_F(PageLayoutDocumentSeamTest, PrintHeaderDrawnThroughTheLayout) {
    LOGFONT font;
    font.lfHeight = -30;
    font.lfWidth = 15;
    for (const auto& [area, text] :
         {std::pair{kPrAreaHeader, "TOP"}, std::pair{kPrAreaFooter, "FOOT"}}) {
        doc.GetPrHeader().AddElement(std::make_unique<CPrNewText>(
            kPrKindFixedText, area, CRect(10, -10, 500, -60), font, 0, "", text, 0, 0));
    }
    CRecordingDC dc(CRecordingDC::Device::Printer);
    dc.SetMapMode(MM_LOMETRIC);
    doc.GetSeams().PageLayout().DrawPrintHeader(&dc, layout);
    std::vector<std::string> drawn;
    for (const auto& r : dc.Find(DcOp::TextOut)) {
        drawn.push_back(r.args.text);
    }
    EXPECT_EQ(drawn, std::vector<std::string>{"TOP"});
}

} // namespace
} // namespace tembra
