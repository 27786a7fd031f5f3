// Relation lines resolved against the processes of a small chart: A (1 to 10 April 2010, row 2)
// and B (15 to 20 April, row 6), the line running from A's end to B's start.
#include "DocTestSupport.h"
#include "document/TembraDoc.h"
#include "model/Koutei.h"

#include <gtest/gtest.h>

#include <memory>

namespace tembra {
namespace {

using test::Day;
using test::RecordingView;
using test::ScopedAppState;

constexpr std::int64_t kDay = 86400;

class ResolveRelationTest : public ::testing::Test {
protected:
    ResolveRelationTest() {
        doc.AddView(&view);
        a = Add(Day(2010, 4, 1), Day(2010, 4, 10), 2, 2);
        b = Add(Day(2010, 4, 15), Day(2010, 4, 20), 6, 6);
        auto owned = doc.CreateKoutei(nullptr, TRUE);
        line = owned.get();
        line->SetRelationLine(1);
        line->SetStartLandNo(a->GetSeqNumber().GetHigh(), a->GetSeqNumber().GetLow());
        line->SetEndLandNo(b->GetSeqNumber().GetHigh(), b->GetSeqNumber().GetLow());
        line->SetStartDate(Day(2010, 4, 3));
        line->SetEndDate(Day(2010, 4, 4));
        doc.AddObj(owned.release(), FALSE);
        view.updates.clear();
    }

    CKoutei* Add(const CTime& start, const CTime& end, int startRow, int endRow) {
        auto process = doc.CreateKoutei(nullptr, TRUE);
        process->SetStartDate(start);
        process->SetEndDate(end);
        process->SetStartRow(static_cast<WORD>(startRow));
        process->SetEndRow(static_cast<WORD>(endRow));
        CKoutei* p = process.get();
        doc.AddObj(process.release(), FALSE);
        return p;
    }

    IKouteiDocument& Seam() { return *DocumentSeam<IKouteiDocument>(&doc); }

    // Moves a process of the object list into the selection.
    void Select(CKoutei* process) { doc.SelectAt(doc.FindObj(process)); }

    ScopedAppState app;
    CTembraDoc doc;
    RecordingView view;
    CKoutei* a = nullptr;
    CKoutei* b = nullptr;
    CKoutei* line = nullptr;
};

TEST_F(ResolveRelationTest, LineRunsFromTheEndOfOneToTheStartOfTheOther) {
    EXPECT_EQ(line->ResolveRelation(Seam()), 0);
    EXPECT_EQ(line->GetStartTime(), Day(2010, 4, 10));
    EXPECT_EQ(line->GetStartRow(), 2);
    EXPECT_EQ(line->GetEndTime(), Day(2010, 4, 15));
    EXPECT_EQ(line->GetEndRow(), 6);
    EXPECT_EQ(line->GetStartLand()->GetPos().GetStartDate(), Day(2010, 4, 10));
    EXPECT_EQ(line->GetLineShape(), kLineShapeRelation);
    EXPECT_EQ(line->GetSpareDays().GetTimeSpan(), 5 * kDay);
    EXPECT_EQ(line->IsRelationLine(), 1);
    EXPECT_TRUE(view.updates.empty());

    // Resolved again nothing changes.
    EXPECT_EQ(line->ResolveRelation(Seam()), 1);
}

TEST_F(ResolveRelationTest, PartnersAreFoundInTheSelectionToo) {
    Select(b);
    Select(line);
    EXPECT_EQ(line->ResolveRelation(Seam()), 0);
    EXPECT_EQ(line->GetEndTime(), Day(2010, 4, 15));
    EXPECT_EQ(line->GetEndRow(), 6);
}

// The span counts working days when the line counts holidays; a partner that starts before the
// other ends gives no negative spare days.
TEST_F(ResolveRelationTest, SpareDaysAreTheWorkingSpanAndNeverNegative) {
    doc.GetWorkCalendar().Clear();
    doc.GetWorkCalendar().AddDayFlag(2010, 4, 12, CCalendar::kRuleHoliday);
    line->GetLines()->GetAttr().m_holiday = 1;
    line->ResolveRelation(Seam());
    EXPECT_EQ(line->GetSpareDays().GetTimeSpan(), 4 * kDay);

    b->SetStartDate(Day(2010, 4, 8));
    EXPECT_EQ(line->ResolveRelation(Seam()), 0);
    EXPECT_EQ(line->GetEndTime(), Day(2010, 4, 8));
    EXPECT_EQ(line->GetSpareDays().GetTimeSpan(), 0);
}

// A partner that is gone makes the line a plain process, and the views redraw the chart.
TEST_F(ResolveRelationTest, MissingPartnerClearsTheRelation) {
    line->SetEndLandNo(9, 999);
    EXPECT_EQ(line->ResolveRelation(Seam()), 0);
    EXPECT_EQ(line->IsRelationLine(), 0);
    EXPECT_TRUE(line->GetStartLandNo().IsNull());
    EXPECT_TRUE(line->GetEndLandNo().IsNull());
    EXPECT_EQ(line->GetStartTime(), Day(2010, 4, 3));
    ASSERT_EQ(view.updates.size(), 1u);
    EXPECT_EQ(view.updates[0].object, nullptr);

    // A plain process is left alone.
    view.updates.clear();
    EXPECT_EQ(line->ResolveRelation(Seam()), 1);
    EXPECT_TRUE(view.updates.empty());
}

} // namespace
} // namespace tembra
