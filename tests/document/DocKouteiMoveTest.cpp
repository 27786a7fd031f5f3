// The move of the selected processes: by plain or working time as the selection's day counts
// decide, each process replaced by a moved copy with its undo record.
#include "KouteiChainFixture.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace tembra {
namespace {

using test::ChartDay;
using test::Days;
using test::KouteiChainFixture;
using test::KouteiPlan;

class MoveKouteiTest : public KouteiChainFixture {
protected:
    MoveKouteiTest() {
        // 10 and 11 April 2010 (days 9 and 10) are a weekend; dates move through the calendar.
        doc.GetWorkCalendar().AddDayFlag(2010, 4, 10, CCalendar::kRuleHoliday);
        doc.GetWorkCalendar().AddDayFlag(2010, 4, 11, CCalendar::kRuleHoliday);
        doc.GetOperation().SetHolidayAuto(1);
    }
};

struct DayCountCase {
    const char* name;
    short nobeMode;
    bool workingDays;
    int startDay; // of the process from day 8 (Friday) to day 11 (Monday), moved one day on
    int endDay;
    bool workingDayPartner = false; // a working-day process is moved with it
};

void PrintTo(const DayCountCase& c, std::ostream* os) {
    *os << c.name;
}

class MoveByDayCountTest : public MoveKouteiTest,
                           public testing::WithParamInterface<DayCountCase> {};

TEST_P(MoveByDayCountTest, MovesByPlainOrWorkingTime) {
    const DayCountCase& c = GetParam();
    doc.GetSyokiSet().SetNobeMode(c.nobeMode);
    KouteiPlan plan{"A", 8, 11, 1, 1};
    plan.workingDays = c.workingDays;
    Add(plan);
    SelectWhole("A");
    if (c.workingDayPartner) {
        KouteiPlan partner{"W", 0, 3, 7, 7};
        partner.workingDays = true;
        Add(partner);
        SelectWhole("W");
    }
    doc.MoveKoutei(Days(1), 2, 3, nullptr, FALSE, 1);
    const CKoutei* moved = Get("A");
    EXPECT_EQ(moved->GetStartTime(), ChartDay(c.startDay));
    EXPECT_EQ(moved->GetEndTime(), ChartDay(c.endDay));
    EXPECT_EQ(moved->GetStartRow(), 3);
    EXPECT_EQ(moved->GetEndRow(), 3);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MoveByDayCountTest,
    testing::Values(DayCountCase{"calendar_days", 0, false, 9, 12},
                    // Friday plus one working day is Monday.
                    DayCountCase{"working_days", 0, true, 11, 12},
                    DayCountCase{"elapsed_day_chart", 1, false, 11, 12},
                    DayCountCase{"with_working_day_processes", 0, false, 11, 12, true}),
    [](const testing::TestParamInfo<DayCountCase>& info) { return info.param.name; });

TEST_F(MoveKouteiTest, EachProcessIsReplacedByAMovedCopyUndoneInOneStep) {
    AddAll({{"A", 0, 5, 1, 1}, {"B", 5, 8, 1, 1}, {"C", 20, 25, 4, 4}});
    CKoutei* const a = Get("A");
    CKoutei* const b = Get("B");
    SelectWhole("A");
    SelectWhole("B");
    doc.GetUndoHistory().AddNew(Get("C")); // an earlier edit
    doc.MoveKoutei(Days(2), 0, 3, nullptr, FALSE, 1);

    EXPECT_NE(Get("A"), a);
    EXPECT_EQ(Get("A")->GetSeqNumber(), a->GetSeqNumber());
    EXPECT_EQ(SelectedNames(), (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(Parts("A"), "SLE");
    EXPECT_EQ(Get("B")->GetEndTime(), ChartDay(10));
    EXPECT_EQ(doc.GetUndoHistory().GetUndoList().size(), 2u);

    ASSERT_EQ(doc.GetUndoHistory().Undo(), 1);
    EXPECT_EQ(Get("A"), a);
    EXPECT_EQ(Get("B"), b);
    EXPECT_EQ(a->GetStartTime(), ChartDay(0));
    EXPECT_EQ(b->GetEndTime(), ChartDay(8));
}

TEST_F(MoveKouteiTest, NothingSelectedKeepsTheHistory) {
    AddAll({{"A", 0, 5, 1, 1}});
    doc.GetUndoHistory().AddNew(Get("A"));
    doc.MoveKoutei(Days(2), 0, 3, nullptr, FALSE, 1);
    EXPECT_EQ(doc.GetUndoHistory().GetUndoList().size(), 1u);
    EXPECT_EQ(Get("A")->GetStartTime(), ChartDay(0));
}

TEST_F(MoveKouteiTest, ProcessMovedOntoItsOtherNodeIsDeletedUndoably) {
    AddAll({{"A", 0, 5, 1, 1}});
    CKoutei* const a = Get("A");
    a->SelectForStretch(FALSE); // the end stays
    doc.SelectAt(doc.FindObj(a));
    doc.MoveKoutei(Days(5), 0, 3, nullptr, FALSE, 1);
    EXPECT_EQ(Get("A"), nullptr);
    EXPECT_EQ(doc.GetObjCount() + doc.GetSelCount(), 0);

    ASSERT_EQ(doc.GetUndoHistory().Undo(), 1);
    EXPECT_EQ(Get("A"), a);
    EXPECT_EQ(a->GetStartTime(), ChartDay(0));
}

} // namespace
} // namespace tembra
