// The index of the chart objects that the pages of a print share: made on one page, it finds on
// every other page (another first row, the same geometry) exactly the objects whose bounds there
// meet the box asked, as the page's own bounds of them say: objects on a page break, objects far
// beyond the reach of the coordinates from where the index was made, a relation line taller than
// they reach, labels above their rows, and a shape across a break.
#include "ViewFixture.h"

#include "model/Yogo.h"
#include "render/ChartObjectIndex.h"
#include "render/KouteiLabels.h"
#include "render/RectGrid.h"
#include "shapes/ZukeiBox.h"

#include <memory>
#include <string>
#include <vector>

namespace tembra {
namespace {

class PageObjectIndexTest : public test::ViewFixture {
protected:
    PageObjectIndexTest() {
        // The rows of the objects below; the item table reaches the last.
        doc.GetKoumoku()->SetLevelCount(1);
        doc.GetKoumokuCells().CreateKoumokuData(9000, 0)->SetText("last");
        for (const int row : {0, 29, 30, 400, 4985, 8999}) {
            CKoutei* process = AddProcess(3, 9, row);
            AddTerm(*process, "Row " + std::to_string(row));
        }
        // Across a page break, turning on the way.
        CKoutei* across = AddProcess(10, 14, 28, 0, 31);
        across->GetLines()->GetAttr().m_style = kLineShapeElbowVH;
        // From the top of the chart to far below: a relation line taller than any layout's
        // coordinates reach.
        CKoutei* top = AddProcess(2, 4, 1);
        CKoutei* bottom = AddProcess(20, 22, 6000);
        CChartPos linkPos;
        linkPos.SetStartDate(test::April(4));
        linkPos.SetEndDate(test::April(20));
        linkPos.SetStartRow(1);
        linkPos.SetEndRow(6000);
        std::unique_ptr<CKoutei> link = doc.CreateKoutei(&linkPos);
        link->SetRelationLine(1);
        link->SetStartLandNo(top->GetSeqNumber().GetHigh(), top->GetSeqNumber().GetLow());
        link->SetEndLandNo(bottom->GetSeqNumber().GetHigh(), bottom->GetSeqNumber().GetLow());
        link->SetLineShape(kLineShapeRelation);
        doc.AddObj(link.release(), FALSE);
        // Events with their text above their row.
        for (const int row : {30, 4990}) {
            std::unique_ptr<CEvent> event = doc.GetEvents().CreateEvent();
            event->SetText("Inspection");
            event->SetStartDate(test::April(15));
            event->SetStartRow(static_cast<WORD>(row));
            event->SetForm(kEventFormBalloonRight);
            event->SetOffset(100, 100);
            doc.AddObj(event.release(), FALSE);
        }
        auto box = std::make_unique<CZukeiBox>();
        box->SetAttr(CZukeiAttr{1, kPlaceOnChart, 1, -3, RGB(0, 160, 0), kHatchNone, 0, 0});
        box->SetAnchors(test::April(16), 25.5, test::April(25), 34.5);
        doc.GetShapes().AddZukei(box.release(), FALSE);
    }

    static void AddTerm(CKoutei& process, const std::string& text) {
        auto term = std::make_unique<CYogo>();
        term->SetText(text);
        term->SetDateKind(kYogoOnLine);
        term->GetAttr().m_fontHeigh = 1;
        term->GetAttr().m_fontWidth = 1;
        term->GetAttr().m_form = kYogoPlaceStart;
        process.AddYogo(term, TRUE);
    }

    // The printed page of the window's 30 rows from the first.
    static CPageLayout From(const CPageLayout& window, int first) {
        CPageLayout page = window;
        page.SetOutputMode(1);
        page.SetFirstRow(static_cast<short>(first));
        page.SetLastRow(static_cast<short>(first + 29));
        return page;
    }

    // The objects whose bounds on the layout meet the box, in drawing order, as the layout's
    // own bounds of each say.
    static std::vector<const CDataHeader*> Meeting(const CPageLayout& layout, const CRect& box) {
        std::vector<const CDataHeader*> objects;
        layout.GetDocument()->ForEachChartObject([&](const CDataHeader& object) {
            if (CRectGrid::Meet(layout.GetObjectBounds(nullptr, &object, 0), box)) {
                objects.push_back(&object);
            }
        });
        return objects;
    }

    static std::vector<const CDataHeader*> Found(const CChartObjectIndex& index, const CRect& box) {
        std::vector<const CDataHeader*> objects;
        index.ForEachObjectIn(
            box, [&](const CChartObjectIndex::Entry& entry) { objects.push_back(entry.object); });
        return objects;
    }

    test::FakeViewHost host;
};

TEST_F(PageObjectIndexTest, OnePagesIndexServesEveryOtherFirstRow) {
    const CPageLayout& window = MakeView(host).GetLayout();
    const CPageLayout made = From(window, 0);
    ASSERT_NE(made.GetObjectIndex(), nullptr);
    const std::shared_ptr<const CChartObjectRows> rows = made.GetObjectRows();
    ASSERT_NE(rows, nullptr);

    struct Case {
        int first;
        const char* why;
    };
    const Case cases[] = {
        {0, "the page it was made on"},
        {1, "one row on"},
        {15, "a break in the middle of the page"},
        {29, "a page starting on the last row of one"},
        {30, "the next page"},
        {31, "a page break inside the turning process"},
        {390, "a page out of the first page's coordinates"},
        {4980, "far down"},
        {4990, "the row of an event"},
        {5990, "the end of the relation line"},
        {8990, "the last page"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        const CPageLayout page = From(window, c.first);
        page.AdoptObjectRows(rows);
        const CChartObjectIndex* index = page.GetObjectIndex();
        ASSERT_NE(index, nullptr);
        EXPECT_EQ(index->GetRows(), rows) << "the index of the first page, not one made anew";
        const CRect chart = page.GetChartRect();
        const CRect upperHalf(chart.left, chart.top, chart.right, (chart.top + chart.bottom) / 2);
        for (const CRect& box : {chart, upperHalf}) {
            const std::vector<const CDataHeader*> expected = Meeting(page, box);
            EXPECT_EQ(Found(*index, box), expected);
        }
        EXPECT_FALSE(Meeting(page, chart).empty()) << "every case has something to find";
    }
}

// A layout of another geometry (another number of rows, hence another row height) or a changed
// document does not take the index, nor does the window: its index is for its own first row.
TEST_F(PageObjectIndexTest, AnotherGeometryOrAChangedDocumentMakesItsOwn) {
    const CPageLayout& window = MakeView(host).GetLayout();
    const CPageLayout made = From(window, 0);
    ASSERT_NE(made.GetObjectIndex(), nullptr);
    const std::shared_ptr<const CChartObjectRows> rows = made.GetObjectRows();

    CPageLayout taller = From(window, 30);
    taller.SetLastRow(89);
    taller.AdoptObjectRows(rows);
    ASSERT_NE(taller.GetObjectIndex(), nullptr);
    EXPECT_NE(taller.GetObjectIndex()->GetRows(), rows);
    EXPECT_EQ(Found(*taller.GetObjectIndex(), taller.GetChartRect()),
              Meeting(taller, taller.GetChartRect()));

    CPageLayout scrolled = window;
    scrolled.SetFirstRow(30);
    scrolled.SetLastRow(59);
    ASSERT_NE(window.GetObjectIndex(), nullptr);
    scrolled.AdoptObjectRows(window.GetObjectRows());
    ASSERT_NE(scrolled.GetObjectIndex(), nullptr);
    EXPECT_NE(scrolled.GetObjectIndex()->GetRows(), window.GetObjectRows());
    EXPECT_EQ(Found(*scrolled.GetObjectIndex(), scrolled.GetChartRect()),
              Meeting(scrolled, scrolled.GetChartRect()));

    AddProcess(3, 9, 35);
    const CPageLayout next = From(window, 30);
    next.AdoptObjectRows(rows);
    ASSERT_NE(next.GetObjectIndex(), nullptr);
    EXPECT_NE(next.GetObjectIndex()->GetRows(), rows);
    EXPECT_EQ(Found(*next.GetObjectIndex(), next.GetChartRect()),
              Meeting(next, next.GetChartRect()));
}

} // namespace
} // namespace tembra
