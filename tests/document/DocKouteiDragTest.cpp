// The end of a process drag in the document (DragKoutei): the selected parts move by the drag;
// moved later on their rows, the ends push what hangs on them along its links, spare days taking
// the push first, in one undo step; earlier, into another row or as a copy, nothing else moves.
#include "KouteiChainFixture.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace tembra {
namespace {

using test::ChartDay;
using test::Days;
using test::KouteiChainFixture;
using test::KouteiPlan;

struct Expected {
    std::string name;
    int startDay;
    int endDay;
    int spareDays;
    int startRow = 1;
};

// What the drag holds of A: the whole process, or one of its nodes (with its line).
enum class Held { Whole, StartNode, EndNode, WholeWithB };

struct DragCase {
    const char* name;
    std::vector<KouteiPlan> chart;
    Held held;
    int days;
    int rows;
    int operation;
    std::vector<Expected> after;
};

void PrintTo(const DragCase& c, std::ostream* os) {
    *os << c.name;
}

class DragTest : public KouteiChainFixture, public testing::WithParamInterface<DragCase> {};

constexpr int kMove = COperationState::kOpMove;
constexpr int kMoveFree = COperationState::kOpMoveFree;
constexpr int kCopy = COperationState::kOpCopy;

// A, then B and C after it on row 1.
std::vector<KouteiPlan> Chain(int spareA = 0, int spareB = 0) {
    return {{"A", 0, 5, 1, 1, spareA}, {"B", 5, 10, 1, 1, spareB}, {"C", 10, 15, 1, 1}};
}

TEST_P(DragTest, TheSelectionMovesAndWhatHangsOnItsMovedEndsFollows) {
    const DragCase& c = GetParam();
    AddAll(c.chart);
    SelectWhole("A");
    CKoutei* a = Get("A");
    if (c.held == Held::StartNode) {
        a->DeselectEndLand();
    } else if (c.held == Held::EndNode) {
        a->DeselectStartLand();
    } else if (c.held == Held::WholeWithB) {
        SelectWhole("B");
    }
    // The drag record: the process taken and which of its nodes the pointer carries.
    CChartPos reference = test::Pos(a->GetStartTime(), a->GetEndTime(), 1, 1);
    (c.held == Held::EndNode ? reference.SetWord5(1) : reference.SetWord4(1));
    std::vector<std::pair<std::string, std::pair<CTime, CTime>>> before;
    for (const KouteiPlan& plan : c.chart) {
        before.push_back(
            {plan.name, {Get(plan.name)->GetStartTime(), Get(plan.name)->GetEndTime()}});
    }
    const int selected = doc.GetSelCount();

    doc.DragKoutei(Days(c.days), c.rows, c.operation, reference);
    for (const Expected& e : c.after) {
        const CKoutei* process = Get(e.name);
        EXPECT_EQ(process->GetStartTime(), ChartDay(e.startDay)) << e.name;
        EXPECT_EQ(process->GetEndTime(), ChartDay(e.endDay)) << e.name;
        EXPECT_EQ(process->GetSpareDays(), Days(e.spareDays)) << e.name;
        EXPECT_EQ(process->GetStartRow(), e.startRow) << e.name;
        EXPECT_EQ(CTembraDoc::GetMark(process), 0) << e.name;
    }
    if (c.operation != kCopy) {
        EXPECT_EQ(doc.GetSelCount(), selected) << "the selection is what was dragged";
    }
    EXPECT_FALSE(doc.GetUndoHistory().IsSuspended());

    // One undo gives every date back.
    ASSERT_EQ(doc.GetUndoHistory().Undo(), 1);
    for (const auto& [name, dates] : before) {
        EXPECT_EQ(Get(name)->GetStartTime(), dates.first) << name;
        EXPECT_EQ(Get(name)->GetEndTime(), dates.second) << name;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DragTest,
    testing::Values(DragCase{"later_pushes_the_chain",
                             Chain(),
                             Held::Whole,
                             3,
                             0,
                             kMove,
                             {{"A", 3, 8, 0}, {"B", 8, 13, 0}, {"C", 13, 18, 0}}},
                    // B's two spare days take two days of the push; the third moves B's end and C.
                    DragCase{"spare_days_take_the_push_first",
                             Chain(0, 2),
                             Held::Whole,
                             3,
                             0,
                             kMove,
                             {{"A", 3, 8, 0}, {"B", 8, 11, 0}, {"C", 11, 16, 0}}},
                    DragCase{"spare_days_beyond_the_push",
                             Chain(0, 5),
                             Held::Whole,
                             3,
                             0,
                             kMove,
                             {{"A", 3, 8, 0}, {"B", 8, 10, 2}, {"C", 10, 15, 0}}},
                    // A's own spare days move with it: its end moves by the whole drag.
                    DragCase{"the_dragged_process_keeps_its_spare_days",
                             Chain(2, 0),
                             Held::Whole,
                             3,
                             0,
                             kMove,
                             {{"A", 3, 8, 2}, {"B", 8, 13, 0}, {"C", 13, 18, 0}}},
                    DragCase{"earlier_leaves_the_successors",
                             Chain(),
                             Held::Whole,
                             -3,
                             0,
                             kMove,
                             {{"A", -3, 2, 0}, {"B", 5, 10, 0}, {"C", 10, 15, 0}}},
                    DragCase{"into_another_row_leaves_them",
                             Chain(),
                             Held::Whole,
                             3,
                             1,
                             kMove,
                             {{"A", 3, 8, 0, 2}, {"B", 5, 10, 0}, {"C", 10, 15, 0}}},
                    DragCase{"a_lengthened_end_pushes",
                             Chain(),
                             Held::EndNode,
                             3,
                             0,
                             kMoveFree,
                             {{"A", 0, 8, 0}, {"B", 8, 13, 0}, {"C", 13, 18, 0}}},
                    DragCase{"a_moved_start_pushes_nothing",
                             Chain(),
                             Held::StartNode,
                             3,
                             0,
                             kMoveFree,
                             {{"A", 3, 5, 0}, {"B", 5, 10, 0}, {"C", 10, 15, 0}}},
                    // G ends where B starts (from row 3): its end stays on that node, its spare
                    // days take the gap.
                    DragCase{"a_process_ending_at_a_pushed_start_keeps_its_end_there",
                             {{"A", 0, 5, 1, 1}, {"B", 5, 10, 1, 1}, {"G", 2, 5, 3, 1}},
                             Held::Whole,
                             3,
                             0,
                             kMove,
                             {{"A", 3, 8, 0}, {"B", 8, 13, 0}, {"G", 2, 8, 3, 3}}},
                    // B is dragged too: it moves once, and pushes C.
                    DragCase{"a_selected_successor_moves_once",
                             Chain(),
                             Held::WholeWithB,
                             3,
                             0,
                             kMove,
                             {{"A", 3, 8, 0}, {"B", 8, 13, 0}, {"C", 13, 18, 0}}},
                    // U is not linked: it stays.
                    DragCase{"what_is_not_linked_stays",
                             {{"A", 0, 5, 1, 1}, {"U", 6, 10, 1, 1}, {"V", 5, 10, 2, 2}},
                             Held::Whole,
                             3,
                             0,
                             kMove,
                             {{"A", 3, 8, 0}, {"U", 6, 10, 0}, {"V", 5, 10, 0, 2}}}),
    [](const testing::TestParamInfo<DragCase>& info) { return info.param.name; });

TEST_F(KouteiChainFixture, ACopyDraggedLaterLeavesTheChainWhereItIs) {
    AddAll(Chain());
    SelectWhole("A");
    const CKoutei* a = Get("A");
    CChartPos reference = test::Pos(a->GetStartTime(), a->GetEndTime(), 1, 1);
    reference.SetWord4(1);
    doc.DragKoutei(Days(3), 0, kCopy, reference);
    EXPECT_EQ(Get("A")->GetStartTime(), ChartDay(0)) << "the original stays";
    EXPECT_EQ(Get("B")->GetStartTime(), ChartDay(5));
    EXPECT_EQ(Get("C")->GetStartTime(), ChartDay(10));
    EXPECT_EQ(doc.GetObjCount() + doc.GetSelCount(), 4);
}

// A relation line hangs on the end of A, which is shorter than the drag: A's end moves ahead of
// its start, so A is never turned inside out on the way, and keeps its days.
TEST_F(KouteiChainFixture, AProcessShorterThanTheDragWithARelationLineOnItsEndKeepsItsDays) {
    AddAll({{"A", 0, 2, 1, 1}, {"C", 10, 12, 2, 2}, {"R", 2, 10, 1, 2, 8}});
    CKoutei* line = Get("R");
    line->SetRelationLine(1);
    line->SetStartLandNo(Get("A")->GetSeqNumber().GetHigh(), Get("A")->GetSeqNumber().GetLow());
    line->SetEndLandNo(Get("C")->GetSeqNumber().GetHigh(), Get("C")->GetSeqNumber().GetLow());
    SelectWhole("A");
    const CKoutei* a = Get("A");
    CChartPos reference = test::Pos(a->GetStartTime(), a->GetEndTime(), 1, 1);
    reference.SetWord4(1);

    doc.DragKoutei(Days(3), 0, kMove, reference);
    ASSERT_NE(Get("A"), nullptr);
    EXPECT_EQ(Get("A")->GetStartTime(), ChartDay(3));
    EXPECT_EQ(Get("A")->GetEndTime(), ChartDay(5));
    EXPECT_EQ(Get("C")->GetStartTime(), ChartDay(10)) << "the line's spare days take the push";

    ASSERT_EQ(doc.GetUndoHistory().Undo(), 1);
    EXPECT_EQ(Get("A")->GetStartTime(), ChartDay(0));
    EXPECT_EQ(Get("A")->GetEndTime(), ChartDay(2));
}

} // namespace
} // namespace tembra
