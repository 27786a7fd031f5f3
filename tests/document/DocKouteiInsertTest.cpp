// Inserting the application's clipboards as a block: where each kind of object lands, what is left
// out, the numbers and links the copies get, what the clipboard keeps, and the boxes objects cover.
#include "KouteiChainFixture.h"
#include "document/AppState.h"
#include "model/OperationState.h"
#include "shapes/ZukeiPolyLine.h"
#include "support/ArchiveBytes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace tembra {
namespace {

using test::ChartDay;
using test::Days;
using test::KouteiPlan;

CChartPos Target(int firstDay, int lastDay, int topRow, int bottomRow) {
    return test::Pos(ChartDay(firstDay), ChartDay(lastDay), topRow, bottomRow);
}

// The selected objects of a document by kind: processes in the order of their start dates.
struct Pasted {
    std::vector<CKoutei*> processes;
    std::vector<CEvent*> events;
    std::vector<CZukei*> shapes;
};

Pasted PastedIn(CTembraDoc& doc) {
    Pasted out;
    for (POSITION pos = doc.GetHeadSelPosition(); pos != nullptr;) {
        CDataHeader* object = doc.GetNextSel(pos);
        EXPECT_NE(object->IsSelected(), 0);
        if (CKoutei* process = AsKoutei(object)) {
            out.processes.push_back(process);
        } else if (CEvent* event = AsEvent(object)) {
            out.events.push_back(event);
        } else if (CZukei* shape = AsZukei(object)) {
            out.shapes.push_back(shape);
        }
    }
    std::stable_sort(
        out.processes.begin(), out.processes.end(),
        [](const CKoutei* a, const CKoutei* b) { return a->GetStartTime() < b->GetStartTime(); });
    return out;
}

// What the clipboards hold, as their records store.
test::Bytes ClipboardBytes(CTembraDoc& doc) {
    test::Bytes out;
    CAppState& app = *GetAppState();
    for (const ObList<CDataHeader>* list : {&app.GetObjectClipboard(), &app.GetZukeiClipboard()}) {
        for (POSITION pos = list->GetHeadPosition(); pos != nullptr;) {
            const test::Bytes record = test::Store(*list->GetNext(pos), doc);
            out.insert(out.end(), record.begin(), record.end());
        }
    }
    return out;
}

// The objects are made in a chart of their own and copied from there, as the user copies them;
// the fixture's document receives them.
class InsertBlockTest : public test::KouteiChainFixture {
protected:
    InsertBlockTest() {
        source.GetChartLayers().CreateLayers();
        source.GetOperation().SetMode(COperationState::kModeKoutei);
        // Plain dates unless a test asks for the calendar.
        for (CTembraDoc* d : {&source, &doc}) {
            d->GetSyokiSet().SetStartDate(ChartDay(0));
            d->GetSyokiSet().SetEndDate(ChartDay(90));
            d->GetOperation().SetHolidayAuto(0);
        }
    }

    CKoutei* AddSource(const KouteiPlan& plan) {
        std::unique_ptr<CKoutei> process = test::MakeKoutei(source, plan);
        CKoutei* raw = process.get();
        sourceProcesses[plan.name] = raw;
        raw->Select();
        source.AddSel(process.release());
        return raw;
    }
    void AddSourceEvent(int day, int row) {
        std::unique_ptr<CEvent> event = source.GetEvents().CreateEvent();
        event->SetStartDate(ChartDay(day));
        event->SetStartRow(static_cast<WORD>(row));
        event->Select();
        source.AddSel(event.release());
    }
    CZukeiPolyLine* AddSourceShape(int firstDay, double firstRow, int lastDay, double lastRow) {
        auto* shape = new CZukeiPolyLine;
        shape->AddPoint(CZukeiPoint(ChartDay(firstDay), firstRow));
        shape->AddPoint(CZukeiPoint(ChartDay(lastDay), lastRow));
        source.GetShapes().SelectZukeiAt(source.GetShapes().AddZukei(shape, FALSE));
        return shape;
    }
    // A relation line from the end of one source process to the start of another.
    void Relate(const std::string& line, const std::string& from, const std::string& to) {
        CKoutei& r = *sourceProcesses.at(line);
        const CObSeqNumber& f = sourceProcesses.at(from)->GetSeqNumber();
        const CObSeqNumber& t = sourceProcesses.at(to)->GetSeqNumber();
        r.SetRelationLine(1);
        r.SetStartLandNo(f.GetHigh(), f.GetLow());
        r.SetEndLandNo(t.GetHigh(), t.GetLow());
    }
    void Copy() { ASSERT_GT(source.GetChartClipboard().CopySelectedObjects(), 0); }

    CTembraDoc source;
    std::map<std::string, CKoutei*> sourceProcesses;
};

// ---- Placement ----------------------------------------------------------------------------------

struct PlacementCase {
    const char* name;
    CChartPos target;
    int kouteiDay; // where the first process lands
    int kouteiRow;
    int eventDay;
    int eventRow;
    int zukeiDay;
    double zukeiTop;
};

void PrintTo(const PlacementCase& c, std::ostream* os) {
    *os << c.name;
}

class PlacementTest : public InsertBlockTest, public testing::WithParamInterface<PlacementCase> {};

// Each kind is placed by its own box: the processes from day 0 at row 2, the event at day 2 on
// row 6, the shape from day 10 with its top at row 1.5 (row 2 as a whole row).
TEST_P(PlacementTest, EachKindLandsInThePeriodAndRowsByItsOwnBox) {
    const PlacementCase& c = GetParam();
    AddSource({"P1", 0, 4, 2, 2});
    AddSource({"P2", 4, 8, 2, 3, 0, kLineShapeElbowVH});
    AddSourceEvent(2, 6);
    AddSourceShape(10, 1.5, 12, 2.5);
    Copy();

    EXPECT_NE(doc.InsertKouteiBlock(c.target, CTime(), TRUE), nullptr);
    const Pasted pasted = PastedIn(doc);
    ASSERT_EQ(pasted.processes.size(), 2u);
    ASSERT_EQ(pasted.events.size(), 1u);
    ASSERT_EQ(pasted.shapes.size(), 1u);
    EXPECT_EQ(doc.GetSelCount(), 4);
    const CKoutei& first = *pasted.processes[0];
    const CKoutei& second = *pasted.processes[1];
    EXPECT_EQ(first.GetStartTime(), ChartDay(c.kouteiDay));
    EXPECT_EQ(first.GetStartRow(), c.kouteiRow);
    // The block keeps its shape: the second process still starts at the first one's end.
    EXPECT_EQ(second.GetStartTime(), first.GetEndTime());
    EXPECT_EQ(second.GetEndRow(), c.kouteiRow + 1);
    EXPECT_EQ(pasted.events[0]->GetStartDate(), ChartDay(c.eventDay));
    EXPECT_EQ(pasted.events[0]->GetStartRow(), c.eventRow);
    EXPECT_EQ(pasted.shapes[0]->GetStartDate(0), ChartDay(c.zukeiDay));
    EXPECT_DOUBLE_EQ(pasted.shapes[0]->GetTopRow(0), c.zukeiTop);
    EXPECT_DOUBLE_EQ(pasted.shapes[0]->GetBottomRow(0), c.zukeiTop + 1.0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PlacementTest,
    testing::Values(PlacementCase{"inside_the_period", Target(-10, 30, 0, 20), 0, 2, 2, 6, 10, 1.5},
                    PlacementCase{"before_the_period_above_the_rows", Target(20, 40, 10, 20), 20,
                                  10, 20, 10, 20, 9.5},
                    // Rows 0 and 1: the shape's whole top row 2 lies below them and would move two
                    // rows up, above row 0; it stops at row 0.
                    PlacementCase{"after_the_period_below_the_rows", Target(-30, -5, 0, 1), -30, 0,
                                  -30, 0, -30, 0.0}),
    [](const testing::TestParamInfo<PlacementCase>& info) { return info.param.name; });

// ---- What is inserted ---------------------------------------------------------------------------

TEST_F(InsertBlockTest, CopiesGetNewNumbersAndTheirRelationLineWhilePointsStayOut) {
    const KouteiPlan relation{"R", 4, 10, 2, 7, 0, kLineShapeRelation};
    AddSource({"P1", 0, 4, 2, 2});
    AddSource(relation); // selected between the processes it joins
    AddSource({"Q", 6, 6, 5, 5});
    AddSource({"P3", 10, 12, 7, 7});
    Relate("R", "P1", "P3");
    // The source's second resource, "B", is the target's first.
    source.GetShigenNames().push_back(std::make_unique<CShigenName>(1, 1, "A"));
    source.GetShigenNames().push_back(std::make_unique<CShigenName>(2, 1, "B"));
    sourceProcesses.at("P1")->GetShigen()->AddShigenData(std::make_unique<CShigenData>(2, 3));
    doc.GetShigenNames().push_back(std::make_unique<CShigenName>(1, 1, "B"));
    Copy();
    doc.GetSeqNumberCtrl().Set(0, 100);
    Add({"Other", 30, 35, 9, 9}); // unselected, stays so

    EXPECT_NE(doc.InsertKouteiBlock(CChartPos(), CTime(), TRUE), nullptr);
    const Pasted pasted = PastedIn(doc);
    ASSERT_EQ(pasted.processes.size(), 3u); // the point is left out
    EXPECT_EQ(doc.GetSelCount(), 3);
    EXPECT_EQ(doc.GetObjCount(), 1);
    const CKoutei* p1 = pasted.processes[0];
    const CKoutei* line = pasted.processes[1];
    const CKoutei* p3 = pasted.processes[2];
    ASSERT_NE(line->IsRelationLine(), 0);
    for (const CKoutei* copy : pasted.processes) {
        EXPECT_GT(copy->GetSeqNumber().GetLow(), 101u);
    }
    EXPECT_EQ(line->GetStartLandNo(), p1->GetSeqNumber());
    EXPECT_EQ(line->GetEndLandNo(), p3->GetSeqNumber());
    ASSERT_EQ(p1->GetShigen()->GetCount(), 1);
    EXPECT_EQ(p1->GetShigen()->GetEntries()[0]->GetNumber(), 1);

    // One step takes the block back out.
    ASSERT_EQ(doc.GetUndoHistory().Undo(), 1);
    EXPECT_EQ(doc.GetSelCount(), 0);
    EXPECT_EQ(doc.GetObjCount(), 1);
}

TEST_F(InsertBlockTest, RedatedPointIsLeftOutAndTheClipboardStaysAsItWas) {
    // Weekends are holidays in both charts; the target also rests on Wednesday 14 April (day 13).
    for (CTembraDoc* d : {&source, &doc}) {
        for (const int day : {2, 3, 9, 10, 16, 17, 23, 24}) {
            d->GetWorkCalendar().AddDayFlag(ChartDay(day).GetTime(), CCalendar::kRuleHoliday);
        }
        d->GetOperation().SetHolidayAuto(1);
    }
    doc.GetWorkCalendar().AddDayFlag(ChartDay(13).GetTime(), CCalendar::kRuleHoliday);
    KouteiPlan weekend{"W", 9, 11, 4, 4}; // Saturday to Monday: no working time
    weekend.workingDays = true;
    AddSource(weekend);
    AddSource({"C", 7, 14, 3, 3}); // Thursday to Thursday, calendar days
    AddSourceEvent(5, 8);
    Copy();
    const test::Bytes before = ClipboardBytes(source);
    const std::size_t links = GetAppState()->GetProcessInfoList().size();

    for (int paste = 0; paste < 2; ++paste) {
        EXPECT_NE(doc.InsertKouteiBlock(CChartPos(), CTime(), TRUE), nullptr);
        const Pasted pasted = PastedIn(doc);
        // W re-dates to a point on Monday and is left out; C, re-dated over the target's extra
        // holiday, takes back its seven calendar days.
        ASSERT_EQ(pasted.processes.size(), 1u);
        EXPECT_EQ(pasted.processes[0]->GetStartTime(), ChartDay(7));
        EXPECT_EQ(pasted.processes[0]->GetEndTime(), ChartDay(14));
        EXPECT_EQ(pasted.events.size(), 1u);
        EXPECT_EQ(ClipboardBytes(source), before);
        EXPECT_EQ(GetAppState()->GetObjectClipboard().GetCount(), 3);
        EXPECT_EQ(GetAppState()->GetProcessInfoList().size(), links);
    }
}

// ---- Working days -------------------------------------------------------------------------------

struct WorkingDayCase {
    const char* name;
    CChartPos target;
    int firstDay; // where the block's first process starts
};

void PrintTo(const WorkingDayCase& c, std::ostream* os) {
    *os << c.name;
}

class WorkingDayPasteTest : public InsertBlockTest,
                            public testing::WithParamInterface<WorkingDayCase> {
protected:
    WorkingDayPasteTest() {
        // Dates move through the calendar. Sundays rest in both charts (1 April 2010 is a
        // Thursday), and the target also rests on Monday 19 July.
        for (CTembraDoc* d : {&source, &doc}) {
            d->GetSyokiSet().SetStartDate(ChartDay(-60));
            d->GetSyokiSet().SetEndDate(ChartDay(200));
            for (int day = 3 - 63; day < 200; day += 7) {
                d->GetWorkCalendar().AddDayFlag(ChartDay(day).GetTime(), CCalendar::kRuleHoliday);
            }
            d->GetOperation().SetHolidayAuto(1);
        }
        doc.GetWorkCalendar().AddDayFlag(ChartDay(109).GetTime(), CCalendar::kRuleHoliday);
    }
};

// Working days from a to b in the chart's calendar.
double WorkDays(const CTembraDoc& d, const CTime& a, const CTime& b) {
    const CTimeSpan work = (b - a) - d.GetWorkCalendar().GetHolidayTime(a, b);
    return static_cast<double>(work.GetTimeSpan()) / 86400.0;
}

double CalendarDays(const CKoutei& process) {
    return static_cast<double>((process.GetEndTime() - process.GetStartTime()).GetTimeSpan()) /
           86400.0;
}

// A block pasted where "HolidayAuto" counts working days keeps what it counts: each
// working-day process its working days, the working days between the processes, a calendar-day
// process its calendar days (and the process it follows), and the relation line the ends it
// joins. The block's first date lands on the target's start, a Sunday too.
TEST_P(WorkingDayPasteTest, BlockKeepsItsDaysAndItsRelationLineMeetsItsProcesses) {
    const WorkingDayCase& c = GetParam();
    const auto working = [](KouteiPlan plan) {
        plan.workingDays = true;
        return plan;
    };
    // Thursday 1 April to Saturday 10 April, then Monday 12 April to Wednesday 28 April.
    const CKoutei& a = *AddSource(working({"A", 0, 9, 1, 1}));
    const CKoutei& b = *AddSource(working({"B", 11, 27, 3, 3}));
    AddSource(working({"R", 9, 11, 1, 3, 0, kLineShapeRelation}));
    const CKoutei& follower = *AddSource({"C", 9, 16, 5, 5}); // from the end of A
    const CKoutei& free = *AddSource({"F", 18, 21, 7, 7});    // Monday 19 April, on its own
    Relate("R", "A", "B");
    Copy();

    EXPECT_NE(doc.InsertKouteiBlock(c.target, CTime(), TRUE), nullptr);
    // The rows lie in the target's: each copy is found on its source's row.
    std::map<int, const CKoutei*> onRow;
    const CKoutei* line = nullptr;
    for (const CKoutei* copy : PastedIn(doc).processes) {
        (copy->IsRelationLine() != 0 ? line : onRow[copy->GetStartRow()]) = copy;
    }
    ASSERT_EQ(onRow.size(), 4u);
    ASSERT_NE(line, nullptr);
    const CKoutei& pastedA = *onRow.at(1);
    const CKoutei& pastedB = *onRow.at(3);
    const CKoutei& pastedFollower = *onRow.at(5);
    const CKoutei& pastedFree = *onRow.at(7);

    EXPECT_EQ(pastedA.GetStartTime(), ChartDay(c.firstDay));
    for (const auto& [copy, original] : {std::pair{&pastedA, &a}, std::pair{&pastedB, &b}}) {
        EXPECT_EQ(WorkDays(doc, copy->GetStartTime(), copy->GetEndTime()),
                  WorkDays(source, original->GetStartTime(), original->GetEndTime()))
            << copy->GetStartRow();
    }
    EXPECT_EQ(WorkDays(doc, pastedA.GetEndTime(), pastedB.GetStartTime()),
              WorkDays(source, a.GetEndTime(), b.GetStartTime()));
    EXPECT_EQ(WorkDays(doc, pastedA.GetStartTime(), pastedFree.GetStartTime()),
              WorkDays(source, a.GetStartTime(), free.GetStartTime()));
    EXPECT_EQ(CalendarDays(pastedFollower), CalendarDays(follower));
    EXPECT_EQ(CalendarDays(pastedFree), CalendarDays(free));
    EXPECT_EQ(pastedFollower.GetStartTime(), pastedA.GetEndTime());
    // The relation line runs from the end of the one to the start of the other.
    EXPECT_EQ(line->GetStartLandNo(), pastedA.GetSeqNumber());
    EXPECT_EQ(line->GetEndLandNo(), pastedB.GetSeqNumber());
    EXPECT_EQ(line->GetStartTime(), pastedA.GetEndTime());
    EXPECT_EQ(line->GetEndTime(), pastedB.GetStartTime());
    EXPECT_EQ(line->GetStartRow(), pastedA.GetEndRow());
    EXPECT_EQ(line->GetEndRow(), pastedB.GetStartRow());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WorkingDayPasteTest,
    testing::Values(WorkingDayCase{"into_july", Target(91, 182, 0, 40), 91},
                    WorkingDayCase{"onto_a_sunday", Target(94, 182, 0, 40), 94},
                    WorkingDayCase{"back_into_march", Target(-30, -5, 0, 40), -30},
                    // Already in the period: the block stays where it is.
                    WorkingDayCase{"in_place", Target(-10, 30, 0, 40), 0}),
    [](const testing::TestParamInfo<WorkingDayCase>& info) { return info.param.name; });

// ---- Insert modes -------------------------------------------------------------------------------

struct ModeCase {
    const char* name;
    int insertMode;
    bool target;
    UINT message;    // 0: none
    short pointMode; // of the inserted shape, from a fixed one
};

void PrintTo(const ModeCase& c, std::ostream* os) {
    *os << c.name;
}

class InsertModeTest : public InsertBlockTest, public testing::WithParamInterface<ModeCase> {};

TEST_P(InsertModeTest, WithoutATargetTheModeIsToldOnceAndPlacesAreKept) {
    const ModeCase& c = GetParam();
    AddSource({"P1", 0, 4, 2, 2});
    AddSourceShape(1, 1.0, 3, 2.0)->SetPointMode(1);
    Copy();
    doc.SetZukeiPlacement(c.insertMode);
    const CChartPos target = c.target ? Target(0, 60, 0, 50) : CChartPos();
    doc.InsertKouteiBlock(target, CTime(), FALSE);

    if (c.message == 0) {
        EXPECT_TRUE(ui->MessageBoxes().empty());
    } else {
        ASSERT_EQ(ui->MessageBoxes().size(), 1u);
        EXPECT_EQ(ui->MessageBoxes()[0].stringId, c.message);
    }
    const Pasted pasted = PastedIn(doc);
    ASSERT_EQ(pasted.processes.size(), 1u);
    ASSERT_EQ(pasted.shapes.size(), 1u);
    EXPECT_EQ(pasted.processes[0]->GetStartTime(), ChartDay(0));
    EXPECT_EQ(pasted.processes[0]->GetStartRow(), 2);
    EXPECT_EQ(pasted.shapes[0]->GetStartDate(0), ChartDay(1));
    EXPECT_EQ(pasted.shapes[0]->GetPointMode(), c.pointMode);
    // Without undo the history says nothing of it.
    EXPECT_TRUE(doc.GetUndoHistory().GetUndoList().empty());
    // The clipboard's shape keeps its own mode.
    EXPECT_EQ(AsZukei(GetAppState()->GetZukeiClipboard().GetHead())->GetPointMode(), 1);
}

INSTANTIATE_TEST_SUITE_P(Cases, InsertModeTest,
                         testing::Values(ModeCase{"old_place", 1, false, 5127, 0},
                                         ModeCase{"other_paper", 2, false, 5125, 0},
                                         ModeCase{"settings_inserted", -1, false, 0, 1},
                                         ModeCase{"other_merge", 3, false, 0, 0},
                                         // The block lies in the target already.
                                         ModeCase{"old_place_with_a_target", 1, true, 0, 0}),
                         [](const testing::TestParamInfo<ModeCase>& info) {
                             return info.param.name;
                         });

TEST_F(InsertBlockTest, FileInsertFitsTheBlockIntoThePeriodOrKeepsItsPlaces) {
    AddSource({"P1", 0, 4, 2, 2});
    AddSourceEvent(3, 1);
    Copy();
    CSyokiSet& settings = doc.GetSyokiSet();
    settings.SetStartDate(ChartDay(10));
    settings.SetEndDate(ChartDay(40));
    settings.SetFirstRow(5);
    settings.SetLastRow(30);
    const CChartPos period = test::Pos(settings.GetStartDate(), settings.GetEndDate(),
                                       settings.GetFirstRow(), settings.GetLastRow());

    doc.InsertKouteiBlock(period, settings.GetNobeBaseDate(), FALSE);
    Pasted pasted = PastedIn(doc);
    ASSERT_EQ(pasted.processes.size(), 1u);
    EXPECT_EQ(pasted.processes[0]->GetStartTime(), ChartDay(10));
    EXPECT_EQ(pasted.processes[0]->GetStartRow(), 5);
    EXPECT_EQ(pasted.events[0]->GetStartDate(), ChartDay(10));
    EXPECT_EQ(pasted.events[0]->GetStartRow(), 5);

    // The user declined the fitting: an empty range, the old places.
    doc.InsertKouteiBlock(CChartPos(), settings.GetNobeBaseDate(), FALSE);
    pasted = PastedIn(doc);
    ASSERT_EQ(pasted.processes.size(), 1u);
    EXPECT_EQ(pasted.processes[0]->GetStartTime(), ChartDay(0));
    EXPECT_EQ(pasted.events[0]->GetStartRow(), 1);
    EXPECT_EQ(doc.GetObjCount(), 2); // the first block, deselected
    EXPECT_TRUE(doc.GetUndoHistory().GetUndoList().empty());
}

// ---- Paste test and boxes -----------------------------------------------------------------------

TEST_F(InsertBlockTest, PasteTakesTheFirstObjectTheModeAccepts) {
    EXPECT_EQ(doc.CanPasteObjects(), 0);
    AddSource({"P1", 0, 4, 2, 2});
    AddSourceEvent(3, 1);
    AddSourceShape(1, 1.0, 3, 2.0);
    Copy();
    const std::pair<LONG, WORD> cases[] = {
        {COperationState::kModeKoutei, kTypeKoutei},
        {COperationState::kModeEvent, kTypeEvent},
        {COperationState::kModeZukei, kTypeZukei},
        {COperationState::kModeYogo, kTypeZukei}, // nothing taken: the last object's type
    };
    for (const auto& [mode, type] : cases) {
        doc.GetOperation().SetMode(mode);
        EXPECT_EQ(doc.CanPasteObjects(), type) << mode;
    }
}

struct ExtentCase {
    const char* name;
    int firstDay;
    int lastDay;
    int top;
    int bottom;
    int third;
};

TEST_F(InsertBlockTest, BoxesOfObjects) {
    // Rising from row 5 to row 2.
    CKoutei* rising = Add({"Up", 3, 7, 5, 2, 0, kLineShapeElbowVH});
    // A gate whose crossbar lies two rows above its nodes.
    CKoutei* gate = Add({"Gate", 1, 4, 4, 4, 0, kLineShapeGate, false, false, -2});
    std::unique_ptr<CEvent> event = doc.GetEvents().CreateEvent();
    event->SetStartDate(ChartDay(5));
    event->SetStartRow(9);
    CZukeiPolyLine shape;
    shape.AddPoint(CZukeiPoint(ChartDay(2), 1.5));
    shape.AddPoint(CZukeiPoint(ChartDay(1), 3.0));
    test::ProbeRecord other(3, "progress");

    const std::pair<const CDataHeader*, ExtentCase> cases[] = {
        {rising, {"rising process", 3, 7, 2, 5, 5}},
        {gate, {"gate", 1, 4, 2, 4, 2}},
        {rising->GetLines(), {"line", 3, 7, 2, 5, 2}},
        {rising->GetEndLand(), {"node", 7, 7, 2, 2, 2}},
        {event.get(), {"event", 5, 5, 9, 9, 9}},
        {&shape, {"shape at fractional rows", 1, 2, 2, 3, 3}},
    };
    for (const auto& [object, e] : cases) {
        const CObjectBox box = doc.GetObjectExtent(object);
        EXPECT_EQ(box.span.GetStartDate(), ChartDay(e.firstDay)) << e.name;
        EXPECT_EQ(box.span.GetEndDate(), ChartDay(e.lastDay)) << e.name;
        EXPECT_EQ(box.span.GetStartRow(), e.top) << e.name;
        EXPECT_EQ(box.span.GetEndRow(), e.bottom) << e.name;
        EXPECT_EQ(box.thirdRow, e.third) << e.name;
    }
    EXPECT_EQ(doc.GetObjectExtent(&other), CObjectBox());

    // Nothing to measure: the empty box.
    const CChartPos empty =
        doc.GetObjectsExtent(ObjectSets::Selection | ObjectSets::Clipboards, FALSE);
    EXPECT_EQ(empty.GetStartDate(), CTime(2037, 12, 31)) << "nothing selected or copied";
    // The unselected objects, and the selection without a process whose line is not selected.
    const CChartPos unselected = doc.GetObjectsExtent(ObjectSets::Unselected, FALSE);
    EXPECT_EQ(unselected.GetStartDate(), ChartDay(1));
    EXPECT_EQ(unselected.GetEndDate(), ChartDay(7));
    EXPECT_EQ(unselected.GetStartRow(), 2);
    EXPECT_EQ(unselected.GetEndRow(), 5);
    gate->SelectStartLand();
    doc.SelectAt(doc.FindObj(gate));
    const CChartPos lines = doc.GetObjectsExtent(ObjectSets::Selection, TRUE);
    EXPECT_EQ(lines.GetStartDate(), CTime(2037, 12, 31));
    EXPECT_EQ(lines.GetEndDate(), CTime(1991, 1, 1));
    EXPECT_EQ(lines.GetStartRow(), 9999);
    EXPECT_EQ(lines.GetEndRow(), 0);
    EXPECT_EQ(doc.GetObjectsExtent(ObjectSets::Selection, FALSE).GetStartDate(), ChartDay(1));
}

} // namespace
} // namespace tembra
