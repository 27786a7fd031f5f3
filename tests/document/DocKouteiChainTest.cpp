// Chains of linked processes: the contact rule, the chain selections, the change of a duration
// with its passes through spare days, and the relation-line check.
#include "KouteiChainFixture.h"
#include "document/KouteiChains.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <ostream>
#include <string>
#include <vector>

namespace tembra {
namespace {

using test::ChartDay;
using test::Days;
using test::KouteiChainFixture;
using test::KouteiPlan;

constexpr int S = kContactStart;
constexpr int E = kContactEnd;
constexpr int L = kContactLine;

// ---- Contact ------------------------------------------------------------------------------------

struct ContactCase {
    const char* name;
    KouteiPlan a;
    KouteiPlan b;
    BOOL includeStart;
    int result;
    int partA;
    int partB;
};

// A runs from day 0 to day 10 on row 2 unless a case says otherwise.
KouteiPlan LineA() {
    return {.name = "A", .startDay = 0, .endDay = 10, .startRow = 2, .endRow = 2};
}

KouteiPlan With(KouteiPlan plan, bool startRelation, bool endRelation) {
    plan.startRelation = startRelation;
    plan.endRelation = endRelation;
    return plan;
}

const ContactCase kContactCases[] = {
    {"same start", LineA(), {"B", 0, 5, 2, 4}, TRUE, 1, S, S},
    {"same start, not asked for", LineA(), {"B", 0, 5, 2, 4}, FALSE, 0, 0, 0},
    {"its end at my start", LineA(), {"B", -5, 0, 1, 2}, TRUE, 1, S, E},
    {"its end at my start, not asked for", LineA(), {"B", -5, 0, 1, 2}, FALSE, 0, 0, 0},
    {"my end at its start", LineA(), {"B", 10, 15, 2, 3}, FALSE, 1, E, S},
    {"same end", LineA(), {"B", 3, 10, 5, 2}, FALSE, 1, E, E},
    {"its start on my line", LineA(), With({"B", 4, 8, 2, 6}, true, false), FALSE, 1, L, S},
    {"its end on my line", LineA(), With({"B", 1, 6, 6, 2}, false, true), FALSE, 1, L, E},
    {"my end on its line", With(LineA(), false, true), {"B", 5, 15, 2, 2}, FALSE, 1, E, L},
    {"my start on its line", With(LineA(), true, false), {"B", -5, 5, 2, 2}, FALSE, 1, S, L},
    {"apart", LineA(), {"B", 20, 25, 2, 2}, TRUE, 0, 0, 0},
    // The first test that holds wins.
    {"same place, starts asked for", LineA(), {"B", 0, 10, 2, 2}, TRUE, 1, S, S},
    {"same place, starts not asked for", LineA(), {"B", 0, 10, 2, 2}, FALSE, 1, E, E},
    // A node meets a line only as a relation node, strictly inside its dates, on its run.
    {"plain node on my line", LineA(), {"B", 4, 8, 2, 6}, FALSE, 0, 0, 0},
    {"relation node on my start", LineA(), With({"B", 0, 8, 2, 6}, true, false), FALSE, 0, 0, 0},
    {"relation node off my row", LineA(), With({"B", 4, 8, 3, 6}, true, false), FALSE, 0, 0, 0},
    {"run of a drop-first elbow is its end row",
     {"A", 0, 10, 2, 6, 0, kLineShapeElbowVH},
     With({"B", 4, 8, 6, 9}, true, false),
     FALSE,
     1,
     L,
     S},
    {"drop-first elbow has no run on its start row",
     {"A", 0, 10, 2, 6, 0, kLineShapeElbowVH},
     With({"B", 4, 8, 2, 9}, true, false),
     FALSE,
     0,
     0,
     0},
    {"run of a run-first elbow is its start row",
     {"A", 0, 10, 2, 6, 0, kLineShapeElbowHV},
     With({"B", 4, 8, 2, 9}, true, false),
     FALSE,
     1,
     L,
     S},
    {"run of a gate is its bend row",
     {"A", 0, 10, 2, 4, 0, kLineShapeGate, false, false, 5},
     With({"B", 4, 8, 7, 9}, true, false),
     FALSE,
     1,
     L,
     S},
    {"a crank over rows has no run",
     {"A", 0, 10, 2, 6, 0, kLineShapeCrank},
     With({"B", 4, 8, 2, 9}, true, false),
     FALSE,
     0,
     0,
     0},
};

void PrintTo(const ContactCase& c, std::ostream* os) {
    *os << c.name;
}

class ContactKindTest : public KouteiChainFixture,
                        public testing::WithParamInterface<ContactCase> {};

TEST_P(ContactKindTest, FindsTheFirstContactThatHolds) {
    const ContactCase& c = GetParam();
    const auto a = test::MakeKoutei(doc, c.a);
    const auto b = test::MakeKoutei(doc, c.b);
    int partA = -1;
    int partB = -1;
    EXPECT_EQ(CKouteiChains::ContactKind(a.get(), b.get(), c.includeStart, partA, partB), c.result);
    EXPECT_EQ(partA, c.partA);
    EXPECT_EQ(partB, c.partB);
}

INSTANTIATE_TEST_SUITE_P(Cases, ContactKindTest, testing::ValuesIn(kContactCases),
                         [](const testing::TestParamInfo<ContactCase>& info) {
                             std::string name;
                             for (const char ch : std::string(info.param.name)) {
                                 name += std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
                             }
                             return name;
                         });

// ---- Chain selection ----------------------------------------------------------------------------

// A → B → C and B → D → F, all on row 1 but D, which drops to row 3 where F runs.
const std::vector<KouteiPlan> kBranchedChain = {
    {"A", 0, 5, 1, 1},   {"B", 5, 10, 1, 1},
    {"C", 10, 15, 1, 1}, {"D", 10, 14, 1, 3, 0, kLineShapeElbowVH},
    {"F", 14, 20, 3, 3},
};

struct WalkCase {
    const char* command;
    const char* from;
    int direction;
    int depth;
    std::vector<std::string> selected; // in selection order
    std::string partsOfD;              // "" when D stays unselected
};

void PrintTo(const WalkCase& c, std::ostream* os) {
    *os << c.command;
}

class ChainSelectionTest : public KouteiChainFixture,
                           public testing::WithParamInterface<WalkCase> {};

TEST_P(ChainSelectionTest, SelectsTheLinkedProcesses) {
    const WalkCase& c = GetParam();
    AddAll(kBranchedChain);
    SelectWhole(c.from);
    doc.GetKouteiChains().SelectLinkedKoutei(nullptr, c.direction, c.depth, 0);
    EXPECT_EQ(SelectedNames(), c.selected);
    for (const std::string& name : c.selected) {
        if (name != "D") {
            EXPECT_EQ(Parts(name), "SLE") << name;
        }
    }
    EXPECT_EQ(Parts("D"), c.partsOfD);
    // One redraw of the whole chart for the walk.
    ASSERT_FALSE(view.updates.empty());
    EXPECT_EQ(view.updates.back().object, nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, ChainSelectionTest,
    testing::Values(WalkCase{"a_successors", "A", 1, 0, {"A", "B", "C", "D", "F"}, "SLE"},
                    WalkCase{"b_predecessors", "C", 0, 0, {"C", "B", "A"}, ""},
                    WalkCase{
                        "c_successors_and_adjacent", "A", 1, 1, {"A", "B", "C", "D", "F"}, "SLE"},
                    // The adjacent step forward reaches D by its start only.
                    WalkCase{"d_predecessors_and_adjacent", "C", 0, 1, {"C", "B", "A", "D"}, "SL"}),
    [](const testing::TestParamInfo<WalkCase>& info) { return info.param.command; });

TEST_F(KouteiChainFixture, AdjacentWalkAddsThePredecessorsOfTheSuccessorsByTheirEnds) {
    AddAll(kBranchedChain);
    // G ends where C and D start, H ends on D's line by a relation node.
    Add({"G", 7, 10, 4, 1, 0, kLineShapeElbowHV});
    Add(With({"H", 6, 12, 5, 3, 0, kLineShapeElbowHV}, false, true));
    Add({"J", 1, 3, 6, 6}); // linked to nothing

    SelectWhole("A");
    doc.GetKouteiChains().SelectLinkedKoutei(nullptr, 1, 0, 0); // a.
    EXPECT_EQ(SelectedNames(), (std::vector<std::string>{"A", "B", "C", "D", "F"}));

    doc.UnselectAll();
    SelectWhole("A");
    doc.GetKouteiChains().SelectLinkedKoutei(nullptr, 1, 1, 0); // c.
    const std::vector<std::string> selected = SelectedNames();
    EXPECT_EQ(std::count(selected.begin(), selected.end(), "G"), 1);
    EXPECT_EQ(std::count(selected.begin(), selected.end(), "J"), 0);
    // One step back only: G and H keep their starts.
    EXPECT_EQ(Parts("G"), "LE");
    EXPECT_EQ(Parts("H"), "LE");
    EXPECT_EQ(Parts("F"), "SLE");
}

// ---- Duration change ----------------------------------------------------------------------------

struct Expected {
    std::string name;
    int startDay;
    int endDay;
    int spareDays;
};

struct DurationCase {
    const char* name;
    std::vector<KouteiPlan> chart;
    int days; // the change of A's end
    std::vector<Expected> after;
};

void PrintTo(const DurationCase& c, std::ostream* os) {
    *os << c.name;
}

class DurationChangeTest : public KouteiChainFixture,
                           public testing::WithParamInterface<DurationCase> {};

TEST_P(DurationChangeTest, MovesTheChainAsFarAsSpareDaysAllow) {
    const DurationCase& c = GetParam();
    AddAll(c.chart);
    SelectWhole("A");
    EXPECT_EQ(doc.GetKouteiChains().ChangeKouteiDays(Days(c.days), TRUE), 1);
    for (const Expected& e : c.after) {
        const CKoutei* process = Get(e.name);
        EXPECT_EQ(process->GetStartTime(), ChartDay(e.startDay)) << e.name;
        EXPECT_EQ(process->GetEndTime(), ChartDay(e.endDay)) << e.name;
        EXPECT_EQ(process->GetSpareDays(), Days(e.spareDays)) << e.name;
        EXPECT_EQ(CTembraDoc::GetMark(process), 0) << e.name;
    }
    EXPECT_EQ(doc.GetSelCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DurationChangeTest,
    testing::Values(
        // B's two spare days take the first two days; the third pushes C.
        DurationCase{"lengthen_through_spare_days",
                     {{"A", 0, 5, 1, 1}, {"B", 5, 10, 1, 1, 2}, {"C", 10, 15, 1, 1}},
                     3,
                     {{"A", 0, 8, 0}, {"B", 8, 11, 0}, {"C", 11, 16, 0}}},
        DurationCase{"spare_days_beyond_the_change",
                     {{"A", 0, 5, 1, 1}, {"B", 5, 10, 1, 1, 5}, {"C", 10, 15, 1, 1}},
                     3,
                     {{"A", 0, 8, 0}, {"B", 8, 10, 2}, {"C", 10, 15, 0}}},
        // A's own spare days give way first: its end stays for them.
        DurationCase{"own_spare_days_first",
                     {{"A", 0, 5, 1, 1, 2}, {"B", 5, 10, 1, 1}},
                     3,
                     {{"A", 0, 6, 0}, {"B", 6, 11, 0}}},
        DurationCase{"shorten_pulls_the_successor",
                     {{"A", 0, 10, 1, 1}, {"B", 10, 15, 1, 1}, {"C", 15, 20, 1, 1}},
                     -2,
                     {{"A", 0, 8, 0}, {"B", 8, 13, 0}, {"C", 13, 18, 0}}},
        // G ends where B starts and cannot give way: nothing moves, A gains spare days.
        DurationCase{"shorten_held_by_another_predecessor",
                     {{"A", 0, 10, 1, 1}, {"B", 10, 15, 1, 1}, {"G", 4, 10, 3, 1, 0, 3}},
                     -2,
                     {{"A", 0, 10, 2}, {"B", 10, 15, 0}, {"G", 4, 10, 0}}},
        // K's relation node lies on A's line: A's end cannot come back.
        DurationCase{"shorten_held_by_a_relation_node",
                     {{"A", 0, 10, 1, 1},
                      {"B", 10, 15, 1, 1},
                      With({"K", 5, 20, 1, 4, 0, kLineShapeElbowHV}, true, false)},
                     -2,
                     {{"A", 0, 10, 2}, {"B", 10, 15, 0}, {"K", 5, 20, 0}}}),
    [](const testing::TestParamInfo<DurationCase>& info) { return info.param.name; });

TEST_F(KouteiChainFixture, LengtheningPastSpareDaysTakesTwoPassesAndOneUndo) {
    AddAll({{"A", 0, 5, 1, 1}, {"B", 5, 10, 1, 1, 2}, {"C", 10, 15, 1, 1}});
    CKoutei* const a = Get("A");
    CKoutei* const b = Get("B");
    CKoutei* const c = Get("C");
    SelectWhole("A");
    doc.GetUndoHistory().AddNew(a); // an earlier edit: the change starts a history of its own
    ASSERT_EQ(doc.GetKouteiChains().ChangeKouteiDays(Days(3), TRUE), 1);

    // First pass 2 days (A and B), second pass 1 day (A, B and C).
    EXPECT_EQ(ChangesOf("A"), 2);
    EXPECT_EQ(ChangesOf("B"), 2);
    EXPECT_EQ(ChangesOf("C"), 1);
    EXPECT_EQ(doc.GetUndoHistory().GetUndoList().size(), 5u);
    EXPECT_FALSE(doc.GetUndoHistory().IsSuspended());

    ASSERT_EQ(doc.GetUndoHistory().Undo(), 1);
    EXPECT_EQ(Get("A"), a);
    EXPECT_EQ(Get("B"), b);
    EXPECT_EQ(Get("C"), c);
    EXPECT_EQ(a->GetEndTime(), ChartDay(5));
    EXPECT_EQ(b->GetStartTime(), ChartDay(5));
    EXPECT_EQ(b->GetSpareDays(), Days(2));
    EXPECT_EQ(c->GetStartTime(), ChartDay(10));
    EXPECT_EQ(CTembraDoc::GetMark(a), 0);
    EXPECT_EQ(doc.GetObjCount(), 3);
}

TEST_F(KouteiChainFixture, ChainClosingOnThePivotIsRefusedAndUndoneInOneStep) {
    // C leads back from B's end to A's start. The first pass stops at B's spare days; the second
    // reaches A again.
    AddAll({{"A", 0, 5, 1, 1}, {"B", 5, 10, 1, 2, 2, kLineShapeElbowVH}, {"C", 10, 0, 2, 1}});
    CKoutei* const a = Get("A");
    CKoutei* const b = Get("B");
    SelectWhole("A");
    EXPECT_EQ(doc.GetKouteiChains().ChangeKouteiDays(Days(3), TRUE), 0);
    // The first pass stays made.
    EXPECT_EQ(Get("A")->GetEndTime(), ChartDay(7));
    EXPECT_EQ(Get("B")->GetStartTime(), ChartDay(7));
    EXPECT_EQ(doc.GetSelCount(), 0);

    ASSERT_EQ(doc.GetUndoHistory().Undo(), 1);
    EXPECT_EQ(Get("A"), a);
    EXPECT_EQ(Get("B"), b);
    EXPECT_EQ(a->GetEndTime(), ChartDay(5));
    EXPECT_EQ(b->GetStartTime(), ChartDay(5));
    EXPECT_EQ(b->GetSpareDays(), Days(2));
    EXPECT_EQ(Get("C")->GetStartTime(), ChartDay(10));
}

TEST_F(KouteiChainFixture, NothingSelectedChangesNothing) {
    AddAll({{"A", 0, 5, 1, 1}});
    doc.GetUndoHistory().AddNew(Get("A"));
    EXPECT_EQ(doc.GetKouteiChains().ChangeKouteiDays(Days(3), TRUE), 0);
    EXPECT_EQ(doc.GetUndoHistory().GetUndoList().size(), 1u);
    EXPECT_EQ(Get("A")->GetEndTime(), ChartDay(5));
}

TEST_F(KouteiChainFixture, WorkingDayChainEndsOnTheAskedDateAcrossHolidays) {
    // 10 and 11 April 2010 are a weekend.
    doc.GetWorkCalendar().AddDayFlag(2010, 4, 10, CCalendar::kRuleHoliday);
    doc.GetWorkCalendar().AddDayFlag(2010, 4, 11, CCalendar::kRuleHoliday);
    doc.GetOperation().SetHolidayAuto(1);
    KouteiPlan a{"A", 0, 8, 1, 1};
    a.workingDays = true;
    KouteiPlan b{"B", 8, 13, 1, 1};
    b.workingDays = true;
    AddAll({a, b});
    SelectWhole("A");
    ASSERT_EQ(doc.GetKouteiChains().ChangeKouteiDays(Days(4), TRUE), 1);
    // Day 12 (13 April), not four working days later; B still starts there.
    EXPECT_EQ(Get("A")->GetEndTime(), ChartDay(12));
    EXPECT_EQ(Get("B")->GetStartTime(), ChartDay(12));
}

// ---- Relation lines -----------------------------------------------------------------------------

class RelationLineTest : public KouteiChainFixture {
protected:
    // A relation line from the end of one process to the start of another, placed as given.
    CKoutei* AddRelation(const KouteiPlan& plan, const std::string& from, const std::string& to) {
        CKoutei* line = Add(plan);
        const CObSeqNumber& f = Get(from)->GetSeqNumber();
        const CObSeqNumber& t = Get(to)->GetSeqNumber();
        line->SetRelationLine(1);
        line->SetStartLandNo(f.GetHigh(), f.GetLow());
        line->SetEndLandNo(t.GetHigh(), t.GetLow());
        line->SetLineShape(kLineShapeRelation);
        return line;
    }
};

TEST_F(RelationLineTest, LineWhoseStartPassedItsEndIsLengthenedBack) {
    AddAll({{"X", 0, 9, 2, 2}, {"Y", 14, 19, 6, 6}});
    AddRelation({"R", 9, 14, 2, 6, 5}, "X", "Y");
    CKoutei* const x = Get("X");
    CKoutei* const y = Get("Y");
    CKoutei* const r = Get("R");

    // The edit: X's end dragged 8 days later, past Y's start.
    CUndoHistory& undo = doc.GetUndoHistory();
    undo.Reset();
    undo.BeginGroup();
    x->SelectForStretch(TRUE);
    doc.SelectAt(doc.FindObj(x));
    doc.MoveKoutei(Days(8), 0, 3, nullptr, FALSE, KouteiMoveCaller::Drag);
    EXPECT_EQ(doc.GetKouteiChains().PropagateKankei(), 1);
    undo.EndGroup();

    EXPECT_EQ(Get("X")->GetEndTime(), ChartDay(17));
    EXPECT_EQ(Get("Y")->GetStartTime(), ChartDay(17));
    EXPECT_EQ(Get("Y")->GetEndTime(), ChartDay(22));
    EXPECT_EQ(Get("R")->GetStartTime(), ChartDay(17));
    EXPECT_EQ(Get("R")->GetEndTime(), ChartDay(17));
    EXPECT_NE(Get("R")->IsRelationLine(), 0);
    EXPECT_TRUE(ui->MessageBoxes().empty());
    EXPECT_EQ(doc.GetSelCount(), 0);

    ASSERT_EQ(undo.Undo(), 1);
    EXPECT_EQ(Get("X"), x);
    EXPECT_EQ(Get("Y"), y);
    EXPECT_EQ(Get("R"), r);
    EXPECT_EQ(x->GetEndTime(), ChartDay(9));
    EXPECT_EQ(y->GetStartTime(), ChartDay(14));
    EXPECT_EQ(r->GetStartTime(), ChartDay(9));
    EXPECT_EQ(r->GetEndTime(), ChartDay(14));
}

TEST_F(RelationLineTest, UnrepairableLineShowsItsMessageOnceAndTakesTheEditBack) {
    // Y leads into X and R back from X's end to Y's start, six days earlier: no lengthening can
    // repair it, and the chart stays so after the undo.
    AddAll({{"X", 5, 8, 2, 2}, {"Y", 2, 5, 6, 2, 0, kLineShapeElbowVH}, {"Z", 30, 40, 9, 9}});
    AddRelation({"R", 8, 2, 2, 6}, "X", "Y");
    CKoutei* const z = Get("Z");

    SelectWhole("Z");
    doc.GetChartClipboard().CutSelectedObjects();

    ASSERT_EQ(ui->MessageBoxes().size(), 1u);
    EXPECT_EQ(ui->MessageBoxes()[0].stringId, 5039u);
    // The cut is taken back.
    EXPECT_EQ(Get("Z"), z);
    EXPECT_EQ(Get("X")->GetEndTime(), ChartDay(8));
    EXPECT_EQ(Get("Y")->GetStartTime(), ChartDay(2));
    EXPECT_EQ(Get("R")->GetEndTime(), ChartDay(2));
    EXPECT_FALSE(doc.GetUndoHistory().IsSuspended());

    // The check on its own stops at the refusal too.
    EXPECT_EQ(doc.GetKouteiChains().PropagateKankei(), 0);
    EXPECT_EQ(ui->MessageBoxes().size(), 2u);
}

TEST_F(RelationLineTest, LineFromALineRunsFromWhereTheCheckPutThatLine) {
    // R1 joins X to Y but lies elsewhere; R2 runs from R1 to Z. The check draws R1 again first,
    // and R2 then starts where the new R1 ends, not where the old one did.
    AddAll({{"X", 0, 9, 2, 2}, {"Y", 14, 19, 6, 6}, {"Z", 30, 35, 8, 8}});
    AddRelation({"R1", 1, 2, 3, 3, 5}, "X", "Y");
    AddRelation({"R2", 2, 30, 3, 8, 5}, "R1", "Z");
    // A line that already runs as it should is left as it is.
    AddRelation({"R3", 19, 30, 6, 8, 5}, "Y", "Z");
    CKoutei* const r3 = Get("R3");
    r3->SetSpareDays(Days(11));

    doc.GetUndoHistory().Reset();
    EXPECT_EQ(doc.GetKouteiChains().PropagateKankei(), 1);

    EXPECT_EQ(Get("R1")->GetStartTime(), ChartDay(9));
    EXPECT_EQ(Get("R1")->GetEndTime(), ChartDay(14));
    EXPECT_EQ(Get("R1")->GetEndRow(), 6);
    EXPECT_EQ(Get("R2")->GetStartTime(), ChartDay(14));
    EXPECT_EQ(Get("R2")->GetStartRow(), 6);
    EXPECT_EQ(Get("R2")->GetEndTime(), ChartDay(30));
    EXPECT_EQ(Get("R2")->GetSpareDays(), Days(16));
    EXPECT_EQ(Get("R3"), r3);
    EXPECT_EQ(ChangesOf("R1"), 1);
    EXPECT_EQ(ChangesOf("R2"), 1);
    EXPECT_EQ(ChangesOf("R3"), 0);
    EXPECT_EQ(doc.GetUndoHistory().GetUndoList().size(), 2u);
}

TEST_F(RelationLineTest, LineFromALineBeforeItFollowsThatLinesRepair) {
    // R2 stands before R1 in the chart and runs from R1's end as R1 lies: the check finds R2
    // right, then draws R1 again, and must then come back to R2.
    AddAll({{"X", 0, 9, 2, 2}, {"Y", 14, 19, 6, 6}, {"Z", 30, 35, 8, 8}});
    CKoutei* const r2 = AddRelation({"R2", 2, 30, 3, 8, 5}, "X", "Z");
    AddRelation({"R1", 1, 2, 3, 3, 5}, "X", "Y");
    const CObSeqNumber& r1 = Get("R1")->GetSeqNumber();
    r2->SetStartLandNo(r1.GetHigh(), r1.GetLow());
    r2->SetSpareDays(Days(28));

    doc.GetUndoHistory().Reset();
    EXPECT_EQ(doc.GetKouteiChains().PropagateKankei(), 1);

    EXPECT_EQ(Get("R1")->GetStartTime(), ChartDay(9));
    EXPECT_EQ(Get("R1")->GetEndTime(), ChartDay(14));
    EXPECT_EQ(Get("R2")->GetStartTime(), ChartDay(14));
    EXPECT_EQ(Get("R2")->GetStartRow(), 6);
    EXPECT_EQ(Get("R2")->GetEndTime(), ChartDay(30));
    EXPECT_EQ(ChangesOf("R1"), 1);
    EXPECT_EQ(ChangesOf("R2"), 1);
}

TEST_F(RelationLineTest, LineThatLostAProcessBecomesAPlainProcess) {
    AddAll({{"X", 0, 9, 2, 2}, {"Y", 14, 19, 6, 6}});
    AddRelation({"R", 9, 14, 2, 6, 5}, "X", "Y");
    CKoutei* const r = Get("R");

    SelectWhole("Y");
    doc.GetChartClipboard().CutSelectedObjects();

    EXPECT_EQ(Get("R")->IsRelationLine(), 0);
    EXPECT_TRUE(Get("R")->GetEndLandNo().IsNull());
    EXPECT_TRUE(ui->MessageBoxes().empty());
    // Deletion and repair are one step.
    ASSERT_EQ(doc.GetUndoHistory().Undo(), 1);
    EXPECT_EQ(Get("R"), r);
    EXPECT_NE(r->IsRelationLine(), 0);
    EXPECT_NE(Get("Y"), nullptr);
}

} // namespace
} // namespace tembra
