// Deleting and inserting chart rows and date columns: what goes, what is cut, what moves, the
// crossbars of gate-shaped processes, and one undo step for each edit.
#include "KouteiChainFixture.h"
#include "model/OperationState.h"
#include "support/ArchiveBytes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

namespace tembra {
namespace {

using test::ChartDay;
using test::Days;
using test::KouteiPlan;

class RowsColsTest : public test::KouteiChainFixture {
protected:
    RowsColsTest() { doc.GetOperation().SetHolidayAuto(0); }

    void AddEvent(const std::string& name, int day, int row) {
        std::unique_ptr<CEvent> event = doc.GetEvents().CreateEvent();
        event->SetText(name);
        event->SetStartDate(ChartDay(day));
        event->SetStartRow(static_cast<WORD>(row));
        doc.AddObj(event.release(), FALSE);
    }
    // The event of that text, wherever it is; null when it is gone.
    const CEvent* Event(const std::string& name) const {
        for (const ObList<CDataHeader>* list : {&doc.GetObjList(), &doc.GetSelList()}) {
            for (POSITION pos = list->GetHeadPosition(); pos != nullptr;) {
                if (const CEvent* event = AsEvent(list->GetNext(pos));
                    event != nullptr && event->GetText() == name) {
                    return event;
                }
            }
        }
        return nullptr;
    }
    // Every object's stored bytes, in an order of their own: what an undo must give back, the
    // order of the lists and the selection aside.
    std::vector<test::Bytes> Records() {
        doc.UnselectAll(FALSE); // as a save does
        std::vector<test::Bytes> out;
        for (const ObList<CDataHeader>* list : {&doc.GetObjList(), &doc.GetSelList()}) {
            for (POSITION pos = list->GetHeadPosition(); pos != nullptr;) {
                out.push_back(test::Store(*list->GetNext(pos), doc));
            }
        }
        std::sort(out.begin(), out.end());
        return out;
    }
    void ExpectRows(const std::string& name, int startRow, int endRow) const {
        const CKoutei* process = Get(name);
        ASSERT_NE(process, nullptr) << name;
        EXPECT_EQ(process->GetStartRow(), startRow) << name;
        EXPECT_EQ(process->GetEndRow(), endRow) << name;
    }
    void ExpectDays(const std::string& name, int startDay, int endDay) const {
        const CKoutei* process = Get(name);
        ASSERT_NE(process, nullptr) << name;
        EXPECT_EQ(process->GetStartTime(), ChartDay(startDay)) << name;
        EXPECT_EQ(process->GetEndTime(), ChartDay(endDay)) << name;
    }
    // The edit ended with nothing selected and one undo step gives every record back (an edit
    // that moved nothing leaves nothing to undo); the edit is then made again.
    template <class Edit> void ExpectOneUndoStep(Edit edit, int result, bool moves = true) {
        const std::vector<test::Bytes> before = Records();
        EXPECT_EQ(edit(), result);
        EXPECT_EQ(doc.GetSelCount(), 0);
        if (!moves) {
            EXPECT_TRUE(doc.GetUndoHistory().GetUndoList().empty());
            EXPECT_EQ(Records(), before);
            return;
        }
        ASSERT_EQ(doc.GetUndoHistory().Undo(), 1);
        EXPECT_EQ(Records(), before);
        ASSERT_EQ(doc.GetUndoHistory().Redo(), 1);
    }
};

// ---- Rows ---------------------------------------------------------------------------------------

TEST_F(RowsColsTest, DeletingRowsRemovesWhatTouchesThemAndMovesTheRestUp) {
    AddAll({{"Above", 0, 5, 1, 1},
            {"Inside", 0, 5, 3, 3},
            {"StartsInside", 2, 6, 4, 8, 0, kLineShapeElbowVH},
            {"Across", 1, 6, 2, 6, 0, kLineShapeElbowVH},
            {"Below", 0, 5, 7, 7}});
    AddEvent("above", 1, 1);
    AddEvent("inside", 1, 3);
    AddEvent("below", 1, 9);
    ExpectOneUndoStep([this] { return doc.DeleteRows(3, 4); }, 1);

    EXPECT_EQ(Get("Inside"), nullptr);
    EXPECT_EQ(Get("StartsInside"), nullptr); // its other node lies outside
    ExpectRows("Above", 1, 1);
    ExpectRows("Across", 2, 4);
    ExpectRows("Below", 5, 5);
    EXPECT_EQ(Event("inside"), nullptr);
    EXPECT_EQ(Event("above")->GetStartRow(), 1);
    EXPECT_EQ(Event("below")->GetStartRow(), 7);
}

TEST_F(RowsColsTest, InsertingAndMovingRows) {
    AddAll(
        {{"Above", 0, 5, 1, 1}, {"At", 0, 5, 3, 3}, {"Across", 1, 6, 2, 6, 0, kLineShapeElbowVH}});
    AddEvent("at", 1, 3);
    ExpectOneUndoStep([this] { return doc.InsertRows(3, 4); }, 1);
    ExpectRows("Above", 1, 1);
    ExpectRows("At", 5, 5);
    ExpectRows("Across", 2, 8);
    EXPECT_EQ(Event("at")->GetStartRow(), 5);

    // Rows 5 to 5 moved five rows down, then copied back up.
    ExpectOneUndoStep([this] { return doc.MoveRowRange(5, 5, 5, COperationState::kOpMove); }, 1);
    ExpectRows("At", 10, 10);
    EXPECT_EQ(Event("at")->GetStartRow(), 10);
    ExpectOneUndoStep([this] { return doc.MoveRowRange(10, 10, -9, COperationState::kOpCopy); }, 1);
    ExpectRows("At", 10, 10); // the original stays
    int copiesOnRow1 = 0;
    for (POSITION pos = doc.GetHeadObjPosition(); pos != nullptr;) {
        CDataHeader* object = doc.GetNextObj(pos);
        const CKoutei* process = AsKoutei(object);
        const CEvent* event = AsEvent(object);
        copiesOnRow1 += (process != nullptr && process->GetStartRow() == 1 &&
                         names.count(test::NumberKey(process->GetSeqNumber())) == 0) ||
                        (event != nullptr && event->GetStartRow() == 1);
    }
    EXPECT_EQ(copiesOnRow1, 2);
}

TEST_F(RowsColsTest, DeletingTheObjectsOfRowsOrDates) {
    EXPECT_EQ(doc.DeleteRowObjects(0, 10), 0);
    AddAll({{"Row2", 0, 5, 2, 2}, {"Row6", 10, 15, 6, 6}});
    AddEvent("row2", 20, 2);
    EXPECT_EQ(doc.DeleteRowObjects(4, 5), 0);
    ExpectOneUndoStep([this] { return doc.DeleteRowObjects(2, 3); }, 1);
    EXPECT_EQ(Get("Row2"), nullptr);
    EXPECT_EQ(Event("row2"), nullptr);
    ExpectRows("Row6", 6, 6);
    ExpectOneUndoStep([this] { return doc.DeleteColumnObjects(ChartDay(8), ChartDay(16)); }, 1);
    EXPECT_EQ(Get("Row6"), nullptr);
}

TEST_F(RowsColsTest, NothingToEditGivesZero) {
    EXPECT_EQ(doc.DeleteRows(1, 2), 0);
    EXPECT_EQ(doc.InsertRows(1, 2), 0);
    EXPECT_EQ(doc.MoveRowRange(1, 2, 3, COperationState::kOpMove), 0);
    EXPECT_EQ(doc.DeleteColumns(ChartDay(1), ChartDay(2), KouteiMoveCaller::Drag), 0);
    EXPECT_EQ(doc.InsertColumns(ChartDay(1), ChartDay(2), KouteiMoveCaller::Drag), 0);
}

// ---- Gate crossbars -----------------------------------------------------------------------------

struct GateCase {
    const char* name;
    int startRow;
    int endRow;
    short bendOffset;
    bool insert;
    int firstRow;
    int lastRow;
    int startRowAfter;
    int endRowAfter;
    int barRowAfter;
    bool moves = true;
};

void PrintTo(const GateCase& c, std::ostream* os) {
    *os << c.name;
}

class GateRowsTest : public RowsColsTest, public testing::WithParamInterface<GateCase> {};

TEST_P(GateRowsTest, TheCrossbarStaysOnItsItemRow) {
    const GateCase& c = GetParam();
    KouteiPlan gate{"G", 0, 5, c.startRow, c.endRow, 0, kLineShapeGate};
    gate.bendOffset = c.bendOffset;
    Add(gate);
    const CObSeqNumber number = Get("G")->GetSeqNumber();
    ExpectOneUndoStep(
        [&] {
            return c.insert ? doc.InsertRows(c.firstRow, c.lastRow)
                            : doc.DeleteRows(c.firstRow, c.lastRow);
        },
        1, c.moves);
    ExpectRows("G", c.startRowAfter, c.endRowAfter);
    EXPECT_EQ(Get("G")->GetBendRow(), c.barRowAfter);
    if (!c.moves) {
        return;
    }

    // The undo gives back the process under its own number.
    ASSERT_EQ(doc.GetUndoHistory().Undo(), 1);
    const CKoutei* restored = doc.FindKouteiByNumber(number, 0);
    ASSERT_NE(restored, nullptr);
    EXPECT_EQ(restored->GetLines()->GetBendOffset(), c.bendOffset);
    EXPECT_EQ(restored->GetStartRow(), c.startRow);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GateRowsTest,
    testing::Values(GateCase{"insert_between_nodes_and_bar_below", 1, 1, 5, true, 3, 4, 1, 1, 8},
                    GateCase{"insert_below_the_bar", 1, 1, 5, true, 8, 9, 1, 1, 6, false},
                    GateCase{"insert_above_everything", 4, 4, 2, true, 1, 2, 6, 6, 8},
                    GateCase{"insert_between_the_nodes", 1, 5, 7, true, 3, 3, 1, 6, 9},
                    GateCase{"insert_between_bar_above_and_nodes", 8, 8, -4, true, 5, 6, 10, 10, 4},
                    GateCase{"insert_above_the_bar_above", 8, 8, -4, true, 2, 3, 10, 10, 6},
                    GateCase{"delete_between_nodes_and_bar_below", 1, 1, 5, false, 3, 4, 1, 1, 4},
                    GateCase{"delete_between_bar_above_and_nodes", 8, 8, -4, false, 5, 6, 6, 6, 4}),
    [](const testing::TestParamInfo<GateCase>& info) { return info.param.name; });

// ---- Columns ------------------------------------------------------------------------------------

TEST_F(RowsColsTest, DeletingAPeriodRemovesCutsAndPullsLaterObjectsEarlier) {
    // The period from day 10 up to day 20.
    AddAll({{"Before", 0, 5, 1, 1},
            {"Inside", 12, 18, 2, 2},
            {"EndsInside", 5, 15, 3, 3},
            {"StartsInside", 15, 25, 4, 4},
            {"Across", 5, 30, 5, 5},
            {"After", 25, 30, 6, 6}});
    AddEvent("inside", 12, 1);
    AddEvent("after", 25, 1);
    ExpectOneUndoStep(
        [this] { return doc.DeleteColumns(ChartDay(10), ChartDay(20), KouteiMoveCaller::Drag); },
        1);

    EXPECT_EQ(Get("Inside"), nullptr);
    ExpectDays("Before", 0, 5);
    ExpectDays("EndsInside", 5, 10);
    ExpectDays("StartsInside", 10, 15);
    ExpectDays("Across", 5, 20);
    ExpectDays("After", 15, 20);
    EXPECT_EQ(Event("inside"), nullptr);
    EXPECT_EQ(Event("after")->GetStartDate(), ChartDay(15));
}

TEST_F(RowsColsTest, InsertingAPeriodMovesLaterObjectsByItsWorkingTime) {
    const struct {
        bool holidayAuto;
        int shift;
    } cases[] = {{false, 5}, {true, 3}};
    // Days 12 and 13 are holidays: the period from day 10 to day 15 holds three working days.
    doc.GetWorkCalendar().AddDayFlag(ChartDay(12).GetTime(), CCalendar::kRuleHoliday);
    doc.GetWorkCalendar().AddDayFlag(ChartDay(13).GetTime(), CCalendar::kRuleHoliday);
    AddAll({{"Before", 0, 5, 1, 1}, {"FromTheDate", 10, 14, 2, 2}, {"After", 20, 24, 3, 3}});
    AddEvent("after", 21, 1);
    for (const auto& c : cases) {
        doc.GetOperation().SetHolidayAuto(c.holidayAuto ? 1 : 0);
        ExpectOneUndoStep(
            [this] {
                return doc.InsertColumns(ChartDay(10), ChartDay(15), KouteiMoveCaller::Drag);
            },
            1);
        ExpectDays("Before", 0, 5);
        ExpectDays("FromTheDate", 10, 14 + c.shift); // it starts on the date itself
        ExpectDays("After", 20 + c.shift, 24 + c.shift);
        EXPECT_EQ(Event("after")->GetStartDate(), ChartDay(21 + c.shift));
        ASSERT_EQ(doc.GetUndoHistory().Undo(), 1);
    }
}

} // namespace
} // namespace tembra
