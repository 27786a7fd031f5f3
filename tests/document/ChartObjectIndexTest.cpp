// What a page layout keeps of the schedule document from one drawing to the next: the index of
// its chart objects' bounds, and the selected item cells. Both serve while the document's change
// count (every change of its object lists, every change it tells its views of) and the layout
// stay as they were. The chart of round numbers: a day 100 units wide from 1 April 2010 at x 0,
// a row 50 high with the middle of row r at y -50r - 25.
#include "render/ChartObjectIndex.h"

#include "DocTestSupport.h"
#include "PageFixture.h"
#include "document/TembraDoc.h"
#include "model/Event.h"
#include "model/KoumokuData.h"
#include "model/Koutei.h"
#include "platform/RecordingDC.h"
#include "render/PageLayout.h"
#include "support/ScriptedUi.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace tembra {
namespace {

using test::Day;
using test::ScopedAppState;

class ChartObjectIndexTest : public ::testing::Test {
protected:
    ChartObjectIndexTest() {
        CSyokiSet& set = doc.GetSyokiSet();
        test::SetAprilPage(set);
        set.GetChart().GetLandAttr().m_radius = 10;
        doc.GetKoumoku()->SetLevelCount(2);
        layout.Init(&view);
    }

    CKoutei* Process(int startDay, int row, int endDay) {
        auto koutei = std::make_unique<CKoutei>();
        koutei->SetStartDate(Day(2010, 4, startDay));
        koutei->SetEndDate(Day(2010, 4, endDay));
        koutei->SetStartRow(static_cast<WORD>(row));
        koutei->SetEndRow(static_cast<WORD>(row));
        koutei->GetLines()->GetAttr().m_style = kLineShapeStraight;
        return koutei.release();
    }

    // The objects the index finds in the rectangle, in drawing order.
    std::vector<const CDataHeader*> In(const CRect& box) const {
        std::vector<const CDataHeader*> found;
        const CChartObjectIndex* index = layout.GetObjectIndex();
        EXPECT_NE(index, nullptr);
        if (index != nullptr) {
            index->ForEachObjectIn(
                box, [&](const CChartObjectIndex::Entry& entry) { found.push_back(entry.object); });
        }
        return found;
    }

    ScopedAppState app;
    test::ScopedUi ui;
    CTembraDoc doc;
    test::DocLayoutView view{doc};
    CPageLayout layout;
};

// Rows 2 and 20, days 3 to 8: a box over rows 0 to 5 holds the first process only.
const CRect kUpperRows(0, 0, 3000, -300);

TEST_F(ChartObjectIndexTest, KeptWhileNothingChanges) {
    CKoutei* upper = Process(3, 2, 8);
    CKoutei* lower = Process(3, 20, 8);
    doc.AddObj(upper, FALSE);
    doc.AddObj(lower, FALSE);
    const CChartObjectIndex* index = layout.GetObjectIndex();
    ASSERT_NE(index, nullptr);
    EXPECT_EQ(index->GetCount(), 2);
    EXPECT_EQ(In(kUpperRows), std::vector<const CDataHeader*>{upper});
    EXPECT_EQ(layout.GetObjectIndex(), index);
    // Drawing changes nothing the index depends on.
    CRecordingDC dc;
    dc.SetMapMode(MM_LOMETRIC);
    layout.DrawChartObject(&dc, upper, ChartDrawMode::Normal);
    EXPECT_EQ(layout.GetObjectIndex(), index);
}

// Each change of the document or of the layout makes the index anew: an object added, one
// moved into the selection (drawn after the others), one changed in place and reported to the
// views, another zoom.
TEST_F(ChartObjectIndexTest, MadeAnewAfterEachChange) {
    CKoutei* upper = Process(3, 2, 8);
    doc.AddObj(upper, FALSE);
    ASSERT_EQ(In(kUpperRows), std::vector<const CDataHeader*>{upper});

    CKoutei* second = Process(10, 4, 12);
    doc.AddObj(second, FALSE);
    EXPECT_EQ(In(kUpperRows), (std::vector<const CDataHeader*>{upper, second}));

    doc.GetObjList().RemoveAt(doc.GetObjList().Find(upper));
    doc.GetSelList().AddTail(upper);
    EXPECT_EQ(In(kUpperRows), (std::vector<const CDataHeader*>{second, upper}));

    second->SetStartRow(25);
    second->SetEndRow(25);
    doc.UpdateAllViews(nullptr, 0, second);
    EXPECT_EQ(In(kUpperRows), std::vector<const CDataHeader*>{upper});

    layout.SetZoomIndex(5);
    layout.RecalcLayout();
    const CChartObjectIndex* index = layout.GetObjectIndex();
    ASSERT_NE(index, nullptr);
    EXPECT_TRUE(index->IsFor(layout));
    EXPECT_EQ(In(CRect(0, 0, 6000, -600)), std::vector<const CDataHeader*>{upper});
}

// The selected item cells are read of the document once per change of it.
TEST_F(ChartObjectIndexTest, SelectedCellsFollowTheDocumentsChanges) {
    const auto band = [&] {
        CRecordingDC dc;
        dc.SetMapMode(MM_LOMETRIC);
        layout.DrawItemSelection(&dc);
        const auto rects = dc.Find(DcOp::Rectangle);
        return rects.empty() ? CRect() : rects.front().args.rect;
    };
    CKoumokuData* third = doc.GetKoumokuCells().CreateKoumokuData(3, 0);
    CKoumokuData* fifth = doc.GetKoumokuCells().CreateKoumokuData(5, 0);
    EXPECT_EQ(band(), CRect());
    third->SetSelected(1);
    doc.UpdateAllViews(nullptr);
    EXPECT_EQ(band().top, layout.RowToY(3, -1) - 1);
    third->SetSelected(0);
    fifth->SetSelected(1);
    doc.UpdateAllViews(nullptr);
    EXPECT_EQ(band().top, layout.RowToY(5, -1) - 1);
}

} // namespace
} // namespace tembra
