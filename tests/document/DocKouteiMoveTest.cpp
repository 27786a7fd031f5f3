// The move, copy and stretch of the selected processes: by plain or working time as the
// selection's day counts decide, each process replaced by a moved copy with its undo record, and
// the calendar-day processes of a mixed selection given their net spans back along their links.
#include "ChartBytes.h"
#include "KouteiChainFixture.h"
#include "model/OperationState.h"

#include <gtest/gtest.h>

#include <map>
#include <ostream>
#include <set>
#include <string>
#include <vector>

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
    doc.MoveKoutei(Days(1), 2, 3, nullptr, FALSE, KouteiMoveCaller::Drag);
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
                    // Every date by working time, nothing given back.
                    DayCountCase{"mixed_in_elapsed_day_chart", 1, false, 11, 12, true},
                    // Moved by working time with a working-day process, then given back its
                    // three calendar days.
                    DayCountCase{"with_working_day_processes", 0, false, 11, 14, true}),
    [](const testing::TestParamInfo<DayCountCase>& info) { return info.param.name; });

TEST_F(MoveKouteiTest, EachProcessIsReplacedByAMovedCopyUndoneInOneStep) {
    AddAll({{"A", 0, 5, 1, 1}, {"B", 5, 8, 1, 1}, {"C", 20, 25, 4, 4}});
    CKoutei* const a = Get("A");
    CKoutei* const b = Get("B");
    SelectWhole("A");
    SelectWhole("B");
    doc.GetUndoHistory().AddNew(Get("C")); // an earlier edit
    doc.MoveKoutei(Days(2), 0, 3, nullptr, FALSE, KouteiMoveCaller::Drag);

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
    doc.MoveKoutei(Days(2), 0, 3, nullptr, FALSE, KouteiMoveCaller::Drag);
    EXPECT_EQ(doc.GetUndoHistory().GetUndoList().size(), 1u);
    EXPECT_EQ(Get("A")->GetStartTime(), ChartDay(0));
}

TEST_F(MoveKouteiTest, ProcessMovedOntoItsOtherNodeIsDeletedUndoably) {
    AddAll({{"A", 0, 5, 1, 1}});
    CKoutei* const a = Get("A");
    a->SelectForStretch(FALSE); // the end stays
    doc.SelectAt(doc.FindObj(a));
    doc.MoveKoutei(Days(5), 0, 3, nullptr, FALSE, KouteiMoveCaller::Drag);
    EXPECT_EQ(Get("A"), nullptr);
    EXPECT_EQ(doc.GetObjCount() + doc.GetSelCount(), 0);

    ASSERT_EQ(doc.GetUndoHistory().Undo(), 1);
    EXPECT_EQ(Get("A"), a);
    EXPECT_EQ(a->GetStartTime(), ChartDay(0));
}

TEST_F(MoveKouteiTest, CopyOntoItsOtherNodeMakesNoCopy) {
    AddAll({{"A", 0, 5, 1, 1}});
    CKoutei* const a = Get("A");
    a->SelectForStretch(FALSE);
    doc.SelectAt(doc.FindObj(a));
    doc.MoveKoutei(Days(5), 0, COperationState::kOpCopyFree, nullptr, FALSE,
                   KouteiMoveCaller::Drag);
    EXPECT_EQ(doc.GetSelCount(), 0);
    EXPECT_EQ(doc.GetObjCount(), 1);
    EXPECT_NE(doc.FindObj(a), nullptr);
    EXPECT_EQ(a->GetStartTime(), ChartDay(0));
    EXPECT_TRUE(doc.GetUndoHistory().GetUndoList().empty());
}

TEST_F(MoveKouteiTest, StretchMovesTheSelectedNodesInPlaceUnlessAllMoveByWorkingTime) {
    for (const bool workingDays : {false, true}) {
        KouteiPlan plan{workingDays ? "W" : "C", 0, 5, 1, 1};
        plan.workingDays = workingDays;
        CKoutei* const process = Add(plan);
        process->SelectForStretch(TRUE); // the end is dragged
        doc.SelectAt(doc.FindObj(process));
        doc.StretchKoutei(Days(2), 0, COperationState::kOpMoveFree, nullptr, FALSE);
        EXPECT_EQ(Get(plan.name), process) << plan.name;
        EXPECT_EQ(process->GetStartTime(), ChartDay(0)) << plan.name;
        EXPECT_EQ(process->GetEndTime(), ChartDay(workingDays ? 5 : 7)) << plan.name;
        EXPECT_TRUE(doc.GetUndoHistory().GetUndoList().empty()) << plan.name;
        doc.UnselectAll();
    }
}

TEST_F(MoveKouteiTest, CountsTheNodesThatStay) {
    AddAll({{"A", 0, 5, 1, 1}, {"B", 5, 8, 1, 1}});
    EXPECT_EQ(doc.CountFreeLands(), 0);
    SelectWhole("A");
    EXPECT_EQ(doc.CountFreeLands(), 0);
    Get("B")->SelectForStretch(TRUE);
    doc.SelectAt(doc.FindObj(Get("B")));
    EXPECT_EQ(doc.CountFreeLands(), 1);
}

TEST(MoveRelationLinesLastTest, MovesThemToTheEndInTheirOrder) {
    CKoutei a;
    CKoutei b;
    CKoutei first;
    CKoutei second;
    first.SetRelationLine(1);
    second.SetRelationLine(1);
    ObList<CDataHeader> list;
    for (CKoutei* process : {&first, &a, &second, &b}) {
        list.AddTail(process);
    }
    EXPECT_EQ(CTembraDoc::MoveRelationLinesLast(list), 1);
    std::vector<const CDataHeader*> order;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
        order.push_back(list.GetNext(pos));
    }
    EXPECT_EQ(order, (std::vector<const CDataHeader*>{&a, &b, &first, &second}));

    ObList<CDataHeader> plain;
    plain.AddTail(&a);
    EXPECT_EQ(CTembraDoc::MoveRelationLinesLast(plain), 0);
    EXPECT_EQ(plain.GetHead(), &a);
}

// ---- Calendar-day processes moved with working-day ones -----------------------------------------

// From Thursday 1 April 2010 the weekends (days 2-3, 9-10, 16-17, 23-24) are holidays and dates
// move through the calendar.
void SetUpWeekends(CTembraDoc& doc) {
    for (const int day : {2, 3, 9, 10, 16, 17, 23, 24}) {
        doc.GetWorkCalendar().AddDayFlag(ChartDay(day).GetTime(), CCalendar::kRuleHoliday);
    }
    doc.GetOperation().SetHolidayAuto(1);
}

class LinkedMoveTest : public KouteiChainFixture {
protected:
    LinkedMoveTest() { SetUpWeekends(doc); }
    // A working-day process away from the others, selected with them: the selection mixes both
    // kinds.
    void SelectWorkingDayPartner() {
        KouteiPlan partner{"W", 21, 22, 9, 9};
        partner.workingDays = true;
        Add(partner);
        SelectWhole("W");
    }
};

struct Outcome {
    std::string name;
    int startDay;
    int endDay;
    int spareDays;
};

struct AdjustCase {
    const char* name;
    std::vector<KouteiPlan> chart; // A -> B -> C, B starting on A's end and C on B's
    std::vector<Outcome> after;    // of a move by one day
};

void PrintTo(const AdjustCase& c, std::ostream* os) {
    *os << c.name;
}

class AdjustTest : public LinkedMoveTest, public testing::WithParamInterface<AdjustCase> {};

TEST_P(AdjustTest, CalendarDayProcessesTakeBackTheirNetSpans) {
    const AdjustCase& c = GetParam();
    AddAll(c.chart);
    for (const KouteiPlan& plan : c.chart) {
        SelectWhole(plan.name);
    }
    SelectWorkingDayPartner();
    doc.MoveKoutei(Days(1), 0, COperationState::kOpMove, nullptr, FALSE, KouteiMoveCaller::Drag);
    for (const Outcome& e : c.after) {
        const CKoutei* process = Get(e.name);
        EXPECT_EQ(process->GetStartTime(), ChartDay(e.startDay)) << e.name;
        EXPECT_EQ(process->GetEndTime(), ChartDay(e.endDay)) << e.name;
        EXPECT_EQ(process->GetSpareDays(), Days(e.spareDays)) << e.name;
        EXPECT_NE(process->IsEndLandSelected(), 0) << e.name; // the step gave back what it took
    }

    // One undo step.
    ASSERT_EQ(doc.GetUndoHistory().Undo(), 1);
    for (const KouteiPlan& plan : c.chart) {
        EXPECT_EQ(Get(plan.name)->GetStartTime(), ChartDay(plan.startDay)) << plan.name;
        EXPECT_EQ(Get(plan.name)->GetEndTime(), ChartDay(plan.endDay)) << plan.name;
        EXPECT_EQ(Get(plan.name)->GetSpareDays(), Days(plan.spareDays)) << plan.name;
    }
}

// A from Friday to Sunday moves by working time to Monday and Tuesday: one day shorter than its
// two. A from Thursday to Sunday moves to Friday and Tuesday: one day longer than its three. B and
// C run from Sunday to Sunday and keep their lengths.
INSTANTIATE_TEST_SUITE_P(
    Cases, AdjustTest,
    testing::Values(AdjustCase{"spare_days_give_way",
                               {{"A", 8, 10, 1, 1, 2}, {"B", 10, 17, 1, 1}, {"C", 17, 24, 1, 1}},
                               {{"A", 11, 12, 1}, {"B", 12, 19, 0}, {"C", 19, 26, 0}}},
                    AdjustCase{"chain_pushed_in_one_step",
                               {{"A", 8, 10, 1, 1}, {"B", 10, 17, 1, 1}, {"C", 17, 24, 1, 1}},
                               {{"A", 11, 13, 0}, {"B", 13, 20, 0}, {"C", 20, 27, 0}}},
                    AdjustCase{"successor_spare_days_stop_the_push",
                               {{"A", 8, 10, 1, 1}, {"B", 10, 17, 1, 1, 3}, {"C", 17, 24, 1, 1}},
                               {{"A", 11, 13, 0}, {"B", 13, 19, 2}, {"C", 19, 26, 0}}},
                    // A from Friday to Tuesday moves to Monday and Wednesday: two days short. B's
                    // one spare day takes the first; the second pushes B whole and C with it.
                    AdjustCase{"successor_spare_days_take_part_of_the_push",
                               {{"A", 8, 12, 1, 1}, {"B", 12, 19, 1, 1, 1}, {"C", 19, 26, 1, 1}},
                               {{"A", 11, 15, 0}, {"B", 15, 21, 0}, {"C", 21, 28, 0}}},
                    // B and E both start on A's end: B (and C after it) is pushed whole, E only
                    // gives up one of its two spare days.
                    AdjustCase{
                        "one_process_pushes_two",
                        {{"A", 8, 10, 1, 1},
                         {"B", 10, 17, 1, 1},
                         {"C", 17, 24, 1, 1},
                         {"E", 10, 17, 1, 5, 2, kLineShapeElbowVH}},
                        {{"A", 11, 13, 0}, {"B", 13, 20, 0}, {"C", 20, 27, 0}, {"E", 13, 19, 1}}},
                    AdjustCase{"grown_too_long_keeps_its_end",
                               {{"A", 7, 10, 1, 1}, {"B", 10, 17, 1, 1}, {"C", 17, 24, 1, 1}},
                               {{"A", 8, 12, 1}, {"B", 12, 19, 0}, {"C", 19, 26, 0}}},
                    // D ends where A ends and has no spare days: the node cannot come earlier.
                    AdjustCase{"held_by_a_process_ending_with_it",
                               {{"A", 7, 10, 1, 1}, {"D", 3, 10, 2, 1, 0, kLineShapeElbowVH}},
                               {{"A", 8, 12, 1}, {"D", 5, 12, 0}}}),
    [](const testing::TestParamInfo<AdjustCase>& info) { return info.param.name; });

// ---- Each operation in each link mode -----------------------------------------------------------

struct OperationCase {
    const char* name;
    int operation;
    int linkMode; // 1 calendar days only, 2 working days only, 3 both
};

void PrintTo(const OperationCase& c, std::ostream* os) {
    *os << c.name;
}

// A and B joined by the relation line R (selected between them), and in link mode 3 the
// working-day process W.
std::vector<KouteiPlan> OperationChart(int linkMode) {
    std::vector<KouteiPlan> plans{
        {"A", 0, 5, 1, 1}, {"R", 5, 8, 1, 3, 0, kLineShapeRelation}, {"B", 8, 12, 3, 3}};
    for (KouteiPlan& plan : plans) {
        plan.workingDays = linkMode == 2;
    }
    if (linkMode == 3) {
        KouteiPlan w{"W", 14, 16, 6, 6};
        w.workingDays = true;
        plans.push_back(w);
    }
    return plans;
}

using Chart = std::map<std::string, CKoutei*>;

Chart BuildChart(CTembraDoc& doc, const std::vector<KouteiPlan>& plans) {
    Chart chart;
    for (const KouteiPlan& plan : plans) {
        std::unique_ptr<CKoutei> process = test::MakeKoutei(doc, plan);
        chart[plan.name] = process.get();
        doc.AddObj(process.release(), FALSE);
    }
    CKoutei& line = *chart.at("R");
    const CObSeqNumber& from = chart.at("A")->GetSeqNumber();
    const CObSeqNumber& to = chart.at("B")->GetSeqNumber();
    line.SetRelationLine(1);
    line.SetStartLandNo(from.GetHigh(), from.GetLow());
    line.SetEndLandNo(to.GetHigh(), to.GetLow());
    return chart;
}

// Everything whole, in chart order; with free nodes B's end is left free.
void SelectChart(CTembraDoc& doc, const std::vector<KouteiPlan>& plans, const Chart& chart,
                 int operation) {
    const bool freeNodes =
        operation == COperationState::kOpCopyFree || operation == COperationState::kOpMoveFree;
    for (const KouteiPlan& plan : plans) {
        CKoutei* process = chart.at(plan.name);
        if (freeNodes && plan.name == "B") {
            process->SelectForStretch(TRUE);
        } else {
            process->Select();
        }
        doc.SelectAt(doc.FindObj(process));
    }
}

class MoveOperationTest : public LinkedMoveTest, public testing::WithParamInterface<OperationCase> {
protected:
    MoveOperationTest() {
        original.GetChartLayers().CreateLayers();
        original.GetOperation().SetMode(COperationState::kModeKoutei);
        SetUpWeekends(original);
    }
    // The same chart, never edited.
    CTembraDoc original;
};

TEST_P(MoveOperationTest, MovesCopiesOrBendsAndUndoesToTheSameChart) {
    const OperationCase& c = GetParam();
    const std::vector<KouteiPlan> plans = OperationChart(c.linkMode);
    const Chart mine = BuildChart(doc, plans);
    for (const auto& [name, process] : mine) {
        numbers[name] = process->GetSeqNumber();
        names[test::NumberKey(process->GetSeqNumber())] = name;
    }
    const Chart theirs = BuildChart(original, plans);
    SelectChart(doc, plans, mine, c.operation);
    SelectChart(original, plans, theirs, c.operation);
    const test::Bytes before = test::ChartBytes(original);

    const int rows = c.operation == COperationState::kOpMoveBend ? 2 : 1;
    doc.MoveKoutei(Days(1), rows, c.operation, nullptr, FALSE, KouteiMoveCaller::Drag);
    EXPECT_EQ(doc.GetSelCount(), static_cast<int>(plans.size()));

    switch (c.operation) {
    case COperationState::kOpCopy:
    case COperationState::kOpCopyFree: {
        std::set<std::uint64_t> copyNumbers;
        const CKoutei* lineCopy = nullptr;
        for (POSITION pos = doc.GetHeadSelPosition(); pos != nullptr;) {
            const CKoutei* copy = AsKoutei(doc.GetNextSel(pos));
            ASSERT_NE(copy, nullptr);
            EXPECT_EQ(names.count(test::NumberKey(copy->GetSeqNumber())), 0u);
            copyNumbers.insert(test::NumberKey(copy->GetSeqNumber()));
            if (copy->IsRelationLine() != 0) {
                lineCopy = copy;
            }
        }
        EXPECT_EQ(copyNumbers.size(), plans.size());
        // The originals stay unselected where they were.
        for (const KouteiPlan& plan : plans) {
            const CKoutei* process = mine.at(plan.name);
            EXPECT_NE(doc.FindObj(process), nullptr) << plan.name;
            EXPECT_EQ(process->GetStartTime(), ChartDay(plan.startDay)) << plan.name;
            EXPECT_EQ(process->GetStartRow(), plan.startRow) << plan.name;
        }
        // The copied relation line joins the copies; the original still joins A and B.
        ASSERT_NE(lineCopy, nullptr);
        const CKoutei* from = doc.FindSelKouteiByNumber(lineCopy->GetStartLandNo(), 0);
        const CKoutei* to = doc.FindSelKouteiByNumber(lineCopy->GetEndLandNo(), 0);
        ASSERT_NE(from, nullptr);
        ASSERT_NE(to, nullptr);
        EXPECT_EQ(from->GetStartRow(), 1 + rows);
        // B's start stays where its end alone was dragged.
        EXPECT_EQ(to->GetStartRow(), c.operation == COperationState::kOpCopyFree ? 3 : 3 + rows);
        EXPECT_EQ(mine.at("R")->GetStartLandNo(), mine.at("A")->GetSeqNumber());
        EXPECT_EQ(mine.at("R")->GetEndLandNo(), mine.at("B")->GetSeqNumber());
        break;
    }
    case COperationState::kOpMove:
    case COperationState::kOpMoveFree:
        for (const KouteiPlan& plan : plans) {
            const CKoutei* process = doc.FindSelKouteiByNumber(numbers.at(plan.name), 0);
            ASSERT_NE(process, nullptr) << plan.name;
            EXPECT_NE(process, mine.at(plan.name)) << plan.name;
            EXPECT_EQ(process->GetEndRow(), plan.endRow + rows) << plan.name;
        }
        break;
    case COperationState::kOpMoveBend:
        for (const KouteiPlan& plan : plans) {
            const CKoutei* process = Get(plan.name);
            EXPECT_EQ(process->GetLines()->GetBendOffset(), rows) << plan.name;
            EXPECT_EQ(process->GetStartTime(), ChartDay(plan.startDay)) << plan.name;
            EXPECT_EQ(process->GetEndTime(), ChartDay(plan.endDay)) << plan.name;
            EXPECT_EQ(process->GetStartRow(), plan.startRow) << plan.name;
            EXPECT_EQ(process->GetEndRow(), plan.endRow) << plan.name;
        }
        break;
    default:
        FAIL() << "no such operation";
    }

    ASSERT_EQ(doc.GetUndoHistory().Undo(), 1);
    EXPECT_EQ(test::ChartBytes(doc), before);
}

std::vector<OperationCase> OperationCases() {
    const std::pair<const char*, int> operations[] = {{"copy", COperationState::kOpCopy},
                                                      {"move", COperationState::kOpMove},
                                                      {"copy_free", COperationState::kOpCopyFree},
                                                      {"move_free", COperationState::kOpMoveFree},
                                                      {"bend", COperationState::kOpMoveBend}};
    static std::vector<std::string> names;
    std::vector<OperationCase> cases;
    for (const auto& [operation, code] : operations) {
        for (const int linkMode : {1, 2, 3}) {
            names.push_back(std::string(operation) + "_link_mode_" + std::to_string(linkMode));
        }
    }
    std::size_t n = 0;
    for (const auto& [operation, code] : operations) {
        for (const int linkMode : {1, 2, 3}) {
            cases.push_back({names[n++].c_str(), code, linkMode});
        }
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Cases, MoveOperationTest, testing::ValuesIn(OperationCases()),
                         [](const testing::TestParamInfo<OperationCase>& info) {
                             return info.param.name;
                         });

} // namespace
} // namespace tembra
