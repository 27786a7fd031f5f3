#include "document/TembraDoc.h"
#include "model/Event.h"

#include "DocTestSupport.h"
#include "FailingAllocator.h"
#include "support/ScriptedUi.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace tembra {
namespace {

using test::Day;
using test::DeletionLog;
using test::FailingAllocation;
using test::Pos;
using test::ProbeRecord;
using test::RecordingView;
using test::ScopedAppState;
using test::ScopedUi;

class SelectionTest : public testing::Test {
protected:
    SelectionTest() {
        doc.GetChartLayers().CreateLayers();
        doc.GetOperation().SetMode(COperationState::kModeKoutei);
        doc.AddView(&view);
    }

    // A numbered process in the object list.
    CKoutei* AddProcess(const CTime& start, const CTime& end, int startRow, int endRow) {
        const CChartPos pos = Pos(start, end, startRow, endRow);
        std::unique_ptr<CKoutei> process = doc.CreateKoutei(&pos, TRUE);
        CKoutei* raw = process.get();
        doc.AddObj(process.release(), FALSE);
        return raw;
    }
    ProbeRecord* AddEvent(const std::string& name) {
        auto* event = new ProbeRecord(kTypeEvent, name);
        doc.AddObj(event, FALSE);
        return event;
    }
    // An event record at a date and a row.
    CEvent* AddDatedEvent(const CTime& date, int row) {
        auto* event = new CEvent;
        event->SetStartDate(date);
        event->SetStartRow(static_cast<WORD>(row));
        doc.AddObj(event, FALSE);
        return event;
    }
    ProbeRecord* AddShape(const std::string& name) {
        auto* shape = new ProbeRecord(kTypeZukei, name, 4);
        doc.GetZukeiList().AddTail(shape);
        return shape;
    }
    void SelectShape(ProbeRecord* shape) {
        shape->Select();
        doc.AddSel(shape);
    }
    // Selects the object (of the object list) as it is, with the parts already marked.
    void Select(CDataHeader* object) { doc.SelectAt(doc.FindObj(object)); }
    void SelectWhole(CKoutei* process) {
        process->Select();
        Select(process);
    }
    bool IsInObj(const CDataHeader* object) const { return doc.FindObj(object) != nullptr; }
    bool IsInSel(const CDataHeader* object) const { return doc.FindSel(object) != nullptr; }

    ScopedAppState app;
    ScopedUi ui;
    RecordingView view;
    CTembraDoc doc;
};

// ---- The list invariant
// ---------------------------------------------------------------------------

TEST_F(SelectionTest, EveryObjectStaysInExactlyOneListWhateverTheSelectionDoes) {
    std::vector<CDataHeader*> objects;
    std::vector<ProbeRecord*> shapes;
    const CTime base = Day(2005, 6, 1);
    for (int i = 0; i < 12; ++i) {
        const CTime start = base + CTimeSpan(i % 5, 0, 0, 0);
        objects.push_back(AddProcess(start, start + CTimeSpan(i % 3, 0, 0, 0), i % 4, (i + 1) % 4));
    }
    for (int i = 0; i < 4; ++i) {
        objects.push_back(AddEvent("event"));
        objects.push_back(AddDatedEvent(base + CTimeSpan(i, 0, 0, 0), i));
        shapes.push_back(AddShape("shape"));
    }

    const auto check = [&](int step) {
        std::multiset<const CDataHeader*> seen;
        for (POSITION p = doc.GetHeadObjPosition(); p != nullptr;) {
            seen.insert(doc.GetNextObj(p));
        }
        for (POSITION p = doc.GetHeadSelPosition(); p != nullptr;) {
            const CDataHeader* object = doc.GetNextSel(p);
            if (object->GetType() != kTypeZukei) {
                seen.insert(object);
            }
        }
        for (const CDataHeader* object : objects) {
            ASSERT_EQ(seen.count(object), 1u) << "step " << step;
            ASSERT_EQ(object->IsSelected() == 1, IsInSel(object)) << "step " << step;
            ASSERT_FALSE(IsInObj(object) && IsInSel(object)) << "step " << step;
        }
        ASSERT_EQ(seen.size(), objects.size()) << "step " << step;
        for (const ProbeRecord* shape : shapes) {
            ASSERT_NE(doc.GetZukeiList().Find(shape), nullptr) << "step " << step;
            ASSERT_FALSE(IsInObj(shape)) << "step " << step;
            ASSERT_EQ(shape->IsSelected() == 1, IsInSel(shape)) << "step " << step;
        }
    };

    std::mt19937 random(20240611);
    const auto pick = [&random](int n) {
        return std::uniform_int_distribution<int>(0, n - 1)(random);
    };
    for (int step = 0; step < 3000; ++step) {
        switch (pick(8)) {
        case 0:
            if (doc.GetObjCount() > 0) {
                doc.SelectAt(doc.GetObjList().FindIndex(pick(doc.GetObjCount())));
            }
            break;
        case 1:
            if (doc.GetSelCount() > 0) {
                doc.UnselectAt(doc.GetSelList().FindIndex(pick(doc.GetSelCount())));
            }
            break;
        case 2: {
            const std::int64_t first = base.GetTime() + (pick(8) - 2) * 86400LL;
            const std::int64_t last = first + pick(6) * 86400LL;
            doc.SelectInArea(pick(3) == 0 ? -1 : first, pick(4) - 1, pick(3) == 0 ? -1 : last,
                             pick(5) - 1, pick(2));
            break;
        }
        case 3:
            doc.CancelLastSel();
            break;
        case 4: {
            ProbeRecord* shape = shapes[static_cast<std::size_t>(pick(4))];
            if (!shape->IsSelected()) {
                SelectShape(shape);
            }
            break;
        }
        case 5:
            doc.SelectAll(std::vector<LONG>{-1, 1, 2, 6, 7}[static_cast<std::size_t>(pick(5))]);
            break;
        case 6:
            doc.FilterSelectedKoutei(pick(5) - 1);
            break;
        default:
            if (pick(4) == 0) {
                doc.UnselectAll(pick(2));
            } else if (doc.GetSelCount() > 0) {
                doc.MoveSelToTail(doc.GetSelList().FindIndex(pick(doc.GetSelCount())));
            }
            break;
        }
        check(step);
        if (HasFatalFailure()) {
            return;
        }
    }
}

TEST_F(SelectionTest, AddingToTheListsMarksTheDocumentChanged) {
    AddEvent("event");
    EXPECT_TRUE(doc.IsModified());
    EXPECT_TRUE(doc.GetChangedFlag());
}

// ---- Deselecting ------------------------------------------------------------------------------

TEST_F(SelectionTest, DeselectingAProcessClearsItsPartsAndPlainNodeNumbers) {
    CKoutei* plain = AddProcess(Day(2005, 6, 1), Day(2005, 6, 5), 1, 1);
    CKoutei* relation = AddProcess(Day(2005, 6, 1), Day(2005, 6, 5), 2, 2);
    relation->SetRelationLine(1);
    for (CKoutei* process : {plain, relation}) {
        process->SetStartLandNo(0, 11);
        process->SetEndLandNo(0, 12);
        auto term = std::make_unique<CYogo>();
        ASSERT_TRUE(process->AddYogo(term, TRUE));
        process->SelectYogo(-1);
        process->GetShigen()->Select();
        process->SetAdjustMark(1);
        SelectWhole(process);
    }
    doc.UnselectAll(TRUE);
    for (CKoutei* process : {plain, relation}) {
        EXPECT_TRUE(IsInObj(process));
        EXPECT_EQ(process->IsSelected(), 0);
        EXPECT_EQ(process->IsLinesSelected() + process->IsStartLandSelected() +
                      process->IsEndLandSelected(),
                  0);
        EXPECT_EQ(process->IsYogoSelected(0), 0);
        EXPECT_EQ(process->GetShigen()->IsSelected(), 0);
        EXPECT_EQ(CTembraDoc::GetMark(process), 0);
        EXPECT_GE(view.CountFor(process), 1);
    }
    EXPECT_TRUE(plain->GetStartLandNo().IsNull());
    EXPECT_TRUE(plain->GetEndLandNo().IsNull());
    EXPECT_EQ(relation->GetStartLandNo().GetLow(), 11u);
    EXPECT_EQ(relation->GetEndLandNo().GetLow(), 12u);
}

TEST_F(SelectionTest, CancellingTheLastSelectionOfAShapeOnlyRedrawsIt) {
    CKoutei* process = AddProcess(Day(2005, 6, 1), Day(2005, 6, 5), 1, 1);
    SelectWhole(process);
    ProbeRecord* shape = AddShape("shape");
    SelectShape(shape);
    const int before = view.CountFor(shape);

    ASSERT_TRUE(doc.CancelLastSel());
    EXPECT_EQ(shape->IsSelected(), 0);
    EXPECT_FALSE(IsInSel(shape));
    EXPECT_FALSE(IsInObj(shape));
    EXPECT_NE(doc.GetZukeiList().Find(shape), nullptr);
    EXPECT_EQ(view.CountFor(shape), before + 1);
    EXPECT_TRUE(IsInSel(process));

    ASSERT_TRUE(doc.CancelLastSel());
    EXPECT_TRUE(IsInObj(process));
    EXPECT_FALSE(doc.CancelLastSel()) << "nothing left to cancel";
}

TEST_F(SelectionTest, MoveSelToTailKeepsTheObjectSelected) {
    ProbeRecord* a = AddEvent("a");
    ProbeRecord* b = AddEvent("b");
    Select(a);
    Select(b);
    doc.MoveSelToTail(doc.FindSel(a));
    EXPECT_EQ(doc.GetSelList().GetTail(), a);
    EXPECT_EQ(doc.GetSelList().GetHead(), b);
    EXPECT_EQ(a->IsSelected(), 1);
    EXPECT_EQ(doc.GetSelCount(), 2);
}

// ---- Select all ---------------------------------------------------------------------------------

TEST_F(SelectionTest, SelectAllTakesTheObjectsOfTheMode) {
    CKoutei* shown = AddProcess(Day(2005, 6, 1), Day(2005, 6, 5), 1, 1);
    CKoutei* hidden = AddProcess(Day(2005, 6, 1), Day(2005, 6, 5), 2, 2);
    hidden->SetLayer(3);
    doc.GetLayers()[3]->SetState(CLayerSet::kNotDrawn);
    auto term = std::make_unique<CYogo>();
    shown->AddYogo(term, TRUE);
    ProbeRecord* event = AddEvent("event");

    struct Case {
        LONG mode;
        std::vector<CDataHeader*> selected;
        bool lineAndNodes;
        bool terms;
        bool resources;
    };
    const std::vector<Case> cases = {
        {-1, {shown}, true, false, false}, // the current mode: processes
        {1, {shown}, true, false, false},
        // What a hidden layer holds is left in every mode.
        {2, {shown}, false, true, false},
        {7, {shown}, false, false, true},
        {6, {event}, false, false, false},
        {4, {}, false, false, false},
    };
    for (const Case& c : cases) {
        doc.UnselectAll(FALSE);
        EXPECT_EQ(doc.SelectAll(c.mode), static_cast<int>(c.selected.size())) << c.mode;
        std::set<CDataHeader*> selected;
        for (POSITION p = doc.GetHeadSelPosition(); p != nullptr;) {
            selected.insert(doc.GetNextSel(p));
        }
        EXPECT_EQ(selected, std::set<CDataHeader*>(c.selected.begin(), c.selected.end())) << c.mode;
        if (c.mode == 1 || c.mode == 2 || c.mode == 7) {
            EXPECT_EQ(shown->IsLinesSelected() == 1 && shown->IsStartLandSelected() == 1 &&
                          shown->IsEndLandSelected() == 1,
                      c.lineAndNodes)
                << c.mode;
            EXPECT_EQ(shown->IsYogoSelected(0) == 1, c.terms) << c.mode;
            EXPECT_EQ(shown->GetShigen()->IsSelected() == 1, c.resources) << c.mode;
        }
    }
}

// ---- Filter -------------------------------------------------------------------------------------

TEST_F(SelectionTest, FilterDeselectsProcessesByRule) {
    struct Parts {
        bool line, start, end;
    };
    const std::vector<Parts> parts = {{true, true, true},  {true, true, false},
                                      {true, false, true}, {true, false, false},
                                      {false, true, true}, {false, false, false}};
    // Whether each of the processes above stays selected, by rule.
    struct Case {
        int rule;
        std::vector<bool> stays;
    };
    const std::vector<Case> cases = {
        {-1, {false, false, false, false, false, false}},
        {0, {true, true, true, false, false, false}},
        {1, {true, true, false, false, true, false}},
        {2, {true, false, true, false, true, false}},
        {3, {true, false, false, false, false, false}},
    };
    for (const Case& c : cases) {
        doc.UnselectAll(FALSE);
        std::vector<CKoutei*> processes;
        for (std::size_t i = 0; i < parts.size(); ++i) {
            CKoutei* process = AddProcess(Day(2005, 6, 1), Day(2005, 6, 5), static_cast<int>(i),
                                          static_cast<int>(i));
            if (parts[i].line) {
                process->SelectLines();
            }
            if (parts[i].start) {
                process->SelectStartLand();
            }
            if (parts[i].end) {
                process->SelectEndLand();
            }
            Select(process);
            processes.push_back(process);
        }
        // The pivot of a duration change is never filtered.
        CKoutei* marked = AddProcess(Day(2005, 6, 1), Day(2005, 6, 5), 9, 9);
        Select(marked);
        marked->SetAdjustMark(1);
        ProbeRecord* event = AddEvent("event");
        Select(event);

        doc.FilterSelectedKoutei(c.rule);
        for (std::size_t i = 0; i < processes.size(); ++i) {
            EXPECT_EQ(IsInSel(processes[i]), c.stays[i]) << "rule " << c.rule << " process " << i;
        }
        EXPECT_TRUE(IsInSel(marked)) << c.rule;
        EXPECT_TRUE(IsInSel(event)) << c.rule;
        marked->SetAdjustMark(0);
    }
}

TEST_F(SelectionTest, AGateLinePickedAloneSurvivesRuleZero) {
    CKoutei* gate = AddProcess(Day(2005, 6, 1), Day(2005, 6, 5), 1, 1);
    gate->GetLines()->GetAttr().m_style = 6;
    gate->SelectLines();
    Select(gate);
    doc.FilterSelectedKoutei(0);
    EXPECT_TRUE(IsInSel(gate));

    // With a second object selected it is filtered like any other.
    ProbeRecord* event = AddEvent("event");
    Select(event);
    doc.FilterSelectedKoutei(0);
    EXPECT_FALSE(IsInSel(gate));
}

TEST_F(SelectionTest, FilterActsOnlyInTheProcessMode) {
    CKoutei* process = AddProcess(Day(2005, 6, 1), Day(2005, 6, 5), 1, 1);
    Select(process);
    doc.GetOperation().SetMode(COperationState::kModeEvent);
    doc.FilterSelectedKoutei(-1);
    EXPECT_TRUE(IsInSel(process));
}

// ---- Area selection -----------------------------------------------------------------------------

TEST_F(SelectionTest, AreaSelectionAtThePeriodsEdges) {
    const CTime first = Day(2005, 6, 1);
    const CTime last = Day(2005, 6, 30);
    struct Case {
        const char* what;
        CTime start, end;
        int startRow, endRow;
        BOOL bothNodes;
        bool line, startNode, endNode;
    };
    const std::vector<Case> cases = {
        {"zero length on the first date", first, first, 1, 1, FALSE, false, false, false},
        {"zero length on the next day", first + CTimeSpan(1, 0, 0, 0),
         first + CTimeSpan(1, 0, 0, 0), 1, 2, FALSE, true, true, true},
        {"zero length on the last date", last, last, 1, 1, FALSE, true, true, true},
        {"ending on the last date", Day(2005, 5, 20), last, 1, 1, FALSE, true, false, true},
        {"starting on the first date", first, Day(2005, 7, 10), 1, 1, FALSE, true, true, false},
        {"starting on the last date", last, Day(2005, 7, 10), 1, 1, FALSE, false, false, false},
        {"ending on the first date", Day(2005, 5, 20), first, 1, 1, FALSE, false, false, false},
        {"inside", Day(2005, 6, 10), Day(2005, 6, 20), 1, 1, FALSE, true, true, true},
        {"start row outside", Day(2005, 6, 10), Day(2005, 6, 20), 0, 3, FALSE, true, false, true},
        {"one node, both required", Day(2005, 6, 10), Day(2005, 7, 20), 1, 1, TRUE, false, true,
         false},
        {"both nodes, both required", Day(2005, 6, 10), Day(2005, 6, 20), 1, 3, TRUE, true, true,
         true},
    };
    for (const Case& c : cases) {
        doc.UnselectAll(FALSE);
        CKoutei* process = AddProcess(c.start, c.end, c.startRow, c.endRow);
        doc.SelectInArea(first.GetTime(), 1, last.GetTime(), 3, c.bothNodes);
        const bool any = c.line || c.startNode || c.endNode;
        EXPECT_EQ(IsInSel(process), any) << c.what;
        EXPECT_EQ(process->IsLinesSelected() == 1, c.line) << c.what;
        EXPECT_EQ(process->IsStartLandSelected() == 1, c.startNode) << c.what;
        EXPECT_EQ(process->IsEndLandSelected() == 1, c.endNode) << c.what;
        doc.UnselectAll(FALSE);
        doc.GetObjList().RemoveAt(doc.FindObj(process));
        delete process;
    }
}

TEST_F(SelectionTest, AreaWithoutLimitsAndTheCrossbarOfAGate) {
    CKoutei* early = AddProcess(Day(1995, 1, 1), Day(1995, 1, 3), 0, 0);
    CKoutei* farRow = AddProcess(Day(2019, 1, 1), Day(2019, 1, 3), 9000, 9000);
    CKoutei* gate = AddProcess(Day(2005, 6, 1), Day(2005, 6, 9), 2, 2);
    gate->GetLines()->GetAttr().m_style = 6;
    gate->GetLines()->SetBendOffset(5); // crossbar on row 7

    // Negative bounds: from the beginning, without end.
    EXPECT_EQ(doc.SelectInArea(-5, -1, -1, -1, FALSE), 3);
    EXPECT_TRUE(IsInSel(early));
    EXPECT_TRUE(IsInSel(farRow));
    doc.UnselectAll(FALSE);

    // Only the crossbar's row lies in the rows: the line alone is selected.
    EXPECT_EQ(doc.SelectInArea(Day(2005, 6, 1).GetTime(), 6, Day(2005, 6, 30).GetTime(), 8, TRUE),
              1);
    EXPECT_TRUE(IsInSel(gate));
    EXPECT_EQ(gate->IsLinesSelected(), 1);
    EXPECT_EQ(gate->IsStartLandSelected() + gate->IsEndLandSelected(), 0);
}

TEST_F(SelectionTest, AreaSelectionOfEvents) {
    const CTime first = Day(2005, 6, 1);
    const CTime last = Day(2005, 6, 30);
    struct Case {
        const char* what;
        CTime date;
        int row;
        bool selected;
    };
    const std::vector<Case> cases = {
        {"on the first date", first, 1, true},
        {"just before the first date", first - CTimeSpan(1), 2, false},
        {"on the last date", last, 2, false},
        {"just before the last date", last - CTimeSpan(1), 2, true},
        {"on the first row", Day(2005, 6, 10), 1, true},
        {"on the last row", Day(2005, 6, 10), 3, true},
        {"above the rows", Day(2005, 6, 10), 0, false},
        {"below the rows", Day(2005, 6, 10), 4, false},
    };
    for (const Case& c : cases) {
        doc.UnselectAll(FALSE);
        CEvent* event = AddDatedEvent(c.date, c.row);
        EXPECT_EQ(doc.SelectInArea(first.GetTime(), 1, last.GetTime(), 3, FALSE),
                  c.selected ? 1 : 0)
            << c.what;
        EXPECT_EQ(IsInSel(event), c.selected) << c.what;
        EXPECT_EQ(event->IsSelected() == 1, c.selected) << c.what;
        doc.UnselectAll(FALSE);
        doc.GetObjList().RemoveAt(doc.FindObj(event));
        delete event;
    }

    // Without limits every event is taken; a record that only carries an event's kind codes is
    // no event and stays where it is.
    CEvent* early = AddDatedEvent(Day(1991, 1, 1), 0);
    CEvent* farRow = AddDatedEvent(Day(2020, 12, 30), 9000);
    ProbeRecord* impostor = AddEvent("not an event");
    EXPECT_EQ(doc.SelectInArea(-1, -1, -1, -1, FALSE), 2);
    EXPECT_TRUE(IsInSel(early));
    EXPECT_TRUE(IsInSel(farRow));
    EXPECT_TRUE(IsInObj(impostor));
}

// ---- Relation lines -----------------------------------------------------------------------------

// The kind codes are read from the file: a node whose header says "process" is still a node, and
// no selection ever uses it as a process.
TEST_F(SelectionTest, ARecordWithAProcesssKindCodesIsNoProcess) {
    auto* impostor = new CLand();
    impostor->SetType(kTypeKoutei);
    impostor->SetKind(kKindKoutei);
    doc.GetObjList().AddTail(impostor);
    for (LONG mode : {1, 2, 7}) {
        EXPECT_EQ(doc.SelectAll(mode), 0) << mode;
    }
    EXPECT_EQ(doc.SelectInArea(-1, -1, -1, -1, FALSE), 0);
    EXPECT_EQ(impostor->IsSelected(), 0);
    EXPECT_NE(doc.FindObj(impostor), nullptr);
}

TEST_F(SelectionTest, RelationLinesMoveOutOfAndIntoTheSelection) {
    CKoutei* plain = AddProcess(Day(2005, 6, 1), Day(2005, 6, 5), 1, 1);
    CKoutei* relation = AddProcess(Day(2005, 6, 5), Day(2005, 6, 8), 1, 2);
    relation->SetRelationLine(1);
    doc.SelectRelationLines();
    EXPECT_TRUE(IsInSel(relation));
    EXPECT_EQ(relation->IsLinesSelected(), 1);
    EXPECT_FALSE(IsInSel(plain));
    SelectWhole(plain);
    doc.DeselectRelationLines();
    EXPECT_FALSE(IsInSel(relation));
    EXPECT_TRUE(IsInSel(plain));
}

TEST_F(SelectionTest, PastedRelationLinesWithoutTheirEndsAreMarked) {
    CKoutei* a = AddProcess(Day(2005, 6, 1), Day(2005, 6, 5), 1, 1);
    CKoutei* b = AddProcess(Day(2005, 6, 8), Day(2005, 6, 12), 2, 2);
    CKoutei* half = AddProcess(Day(2005, 6, 13), Day(2005, 6, 15), 3, 3);
    a->Select();
    b->Select();
    half->SelectStartLand(); // pasted without its end node
    const auto relationLine = [&](CKoutei* from, CKoutei* to) {
        CKoutei* line = AddProcess(from->GetEndTime(), to->GetStartTime(), 1, 2);
        line->SetRelationLine(1);
        line->SetStartLandNo(from->GetSeqNumber().GetHigh(), from->GetSeqNumber().GetLow());
        line->SetEndLandNo(to->GetSeqNumber().GetHigh(), to->GetSeqNumber().GetLow());
        return line;
    };
    CKoutei* whole = relationLine(a, b);
    CKoutei* toHalf = relationLine(a, half);
    auto outsider = doc.CreateKoutei(nullptr, TRUE); // never pasted
    CKoutei* toOutside = relationLine(b, outsider.get());
    ProbeRecord* event = AddEvent("event");

    ObList<CDataHeader> pasted;
    for (CDataHeader* object :
         std::vector<CDataHeader*>{a, b, half, whole, toHalf, toOutside, event}) {
        pasted.AddTail(object);
    }
    EXPECT_EQ(doc.GetChartClipboard().MarkPastedRelationLines(pasted), 1);
    EXPECT_EQ(whole->IsRelationLine(), 1);
    EXPECT_EQ(toHalf->IsRelationLine(), 0xFFFF);
    EXPECT_EQ(toOutside->IsRelationLine(), 0xFFFF);
    std::vector<CDataHeader*> left;
    for (POSITION p = pasted.GetHeadPosition(); p != nullptr;) {
        left.push_back(pasted.GetNext(p));
    }
    EXPECT_EQ(left, (std::vector<CDataHeader*>{whole, toHalf, toOutside, event}));

    ObList<CDataHeader> plainOnly;
    plainOnly.AddTail(a);
    EXPECT_EQ(doc.GetChartClipboard().MarkPastedRelationLines(plainOnly), 0);
    EXPECT_TRUE(plainOnly.IsEmpty());
}

TEST_F(SelectionTest, SelectedRelationLinesFollowAReplacedProcess) {
    CKoutei* old = AddProcess(Day(2005, 6, 1), Day(2005, 6, 5), 1, 1);
    auto replacement = doc.CreateKoutei(nullptr, TRUE);
    CKoutei* selectedLine = AddProcess(Day(2005, 6, 5), Day(2005, 6, 8), 1, 2);
    CKoutei* otherLine = AddProcess(Day(2005, 6, 5), Day(2005, 6, 8), 1, 2);
    for (CKoutei* line : {selectedLine, otherLine}) {
        line->SetRelationLine(1);
        line->SetStartLandNo(old->GetSeqNumber().GetHigh(), old->GetSeqNumber().GetLow());
        line->SetEndLandNo(old->GetSeqNumber().GetHigh(), old->GetSeqNumber().GetLow());
    }
    SelectWhole(selectedLine);

    auto relationReplacement = doc.CreateKoutei(nullptr, TRUE);
    relationReplacement->SetRelationLine(1);
    doc.GetChartClipboard().ReattachPastedRelationLines(old, relationReplacement.get());
    EXPECT_EQ(selectedLine->GetStartLandNo(), old->GetSeqNumber()) << "a relation line names none";

    doc.GetChartClipboard().ReattachPastedRelationLines(old, replacement.get());
    EXPECT_EQ(selectedLine->GetStartLandNo(), replacement->GetSeqNumber());
    EXPECT_EQ(selectedLine->GetEndLandNo(), replacement->GetSeqNumber());
    EXPECT_EQ(otherLine->GetStartLandNo(), old->GetSeqNumber()) << "not selected";
}

// ---- Copy, cut, links ---------------------------------------------------------------------------

TEST_F(SelectionTest, CopyTakesFullySelectedProcessesWithTheirNumbers) {
    CKoutei* whole = AddProcess(Day(2005, 6, 1), Day(2005, 6, 5), 1, 1);
    CKoutei* part = AddProcess(Day(2005, 6, 1), Day(2005, 6, 5), 2, 2);
    doc.GetShigenNames().push_back(std::make_unique<CShigenName>(1, 2, "crane"));
    app->GetObjectClipboard().AddTail(new ProbeRecord(kTypeEvent, "old clipboard"));
    SelectWhole(whole);
    part->SelectStartLand();
    Select(part);

    EXPECT_EQ(doc.GetChartClipboard().CopySelectedObjects(), 1);
    EXPECT_FALSE(IsInSel(part)) << "rule 3 filtered it";
    const OwnedObList<CDataHeader>& clipboard = app->GetObjectClipboard();
    ASSERT_EQ(clipboard.GetCount(), 1);
    auto* copy = static_cast<CKoutei*>(clipboard.GetHead());
    EXPECT_NE(copy, whole);
    EXPECT_EQ(copy->GetSeqNumber(), whole->GetSeqNumber());
    EXPECT_EQ(copy->IsSelected() + copy->IsLinesSelected() + copy->IsStartLandSelected() +
                  copy->IsEndLandSelected(),
              4);
    ASSERT_EQ(app->GetShigenNameClipboard().size(), 1u);
    EXPECT_EQ(app->GetShigenNameClipboard()[0]->GetName(), "crane");
    EXPECT_TRUE(IsInSel(whole)) << "a copy leaves the selection as it is";
}

TEST_F(SelectionTest, CutDeletesTheSelectionInOneUndoStep) {
    CKoutei* whole = AddProcess(Day(2005, 6, 1), Day(2005, 6, 5), 1, 1);
    CKoutei* stays = AddProcess(Day(2005, 6, 1), Day(2005, 6, 5), 2, 2);
    SelectWhole(whole);
    SelectWhole(stays);
    doc.GetOperation().SetMode(COperationState::kModeYogo); // no filter outside the process mode
    stays->DeselectLines();

    EXPECT_EQ(doc.GetChartClipboard().CutSelectedObjects(), 0);
    EXPECT_EQ(app->GetObjectClipboard().GetCount(), 2);
    EXPECT_FALSE(IsInSel(whole));
    EXPECT_FALSE(IsInObj(whole));
    EXPECT_TRUE(IsInObj(stays)) << "only some of its parts were selected";
    EXPECT_EQ(doc.GetSelCount(), 0);
    EXPECT_EQ(ui->WaitDepth(), 0);
    EXPECT_EQ(ui->WaitBegins(), 1);

    // The deleted process comes back into the list of its selected flag.
    ASSERT_EQ(doc.GetUndoHistory().Undo(), 1);
    EXPECT_TRUE(IsInSel(whole));
    EXPECT_EQ(whole->IsSelected(), 1);
}

TEST_F(SelectionTest, LinkRecordsTurnCalendarDurationsIntoWorkingTime) {
    CCalendar calendar;
    calendar.Clear();
    calendar.AddDayFlag(2005, 6, 4, CCalendar::kRuleHoliday);
    calendar.AddDayFlag(2005, 6, 5, CCalendar::kRuleHoliday);
    const CTimeSpan tenDays(10, 0, 0, 0);

    struct Case {
        const char* what;
        WORD holidayAttr;
        WORD relation;
        CTimeSpan duration;
        int endRow;
        bool linked;
        CTimeSpan expected;
    };
    const std::vector<Case> cases = {
        {"calendar days", 0, 0, tenDays, 1, true, CTimeSpan(8, 0, 0, 0)},
        {"working days", 1, 0, tenDays, 1, false, tenDays},
        {"relation line", 1, 1, tenDays, 1, true, CTimeSpan(8, 0, 0, 0)},
        {"shorter than its holidays, across rows", 0, 0, CTimeSpan(1, 0, 0, 0), 2, true,
         CTimeSpan()},
        {"shorter than its holidays, one row", 0, 0, CTimeSpan(1, 0, 0, 0), 1, true,
         CTimeSpan(1, 0, 0, 0)},
    };
    std::vector<CKoutei*> processes;
    for (const Case& c : cases) {
        auto process = doc.CreateKoutei(nullptr, TRUE);
        process->SetStartDate(Day(2005, 6, 1));
        process->SetEndDate(Day(2005, 6, 11));
        process->SetStartRow(1);
        process->SetEndRow(static_cast<WORD>(c.endRow));
        process->GetLines()->GetAttr().m_holiday = c.holidayAttr;
        process->SetRelationLine(c.relation);
        process->SetDuration(c.duration);
        processes.push_back(process.get());
        app->GetObjectClipboard().AddTail(process.release());
    }
    app->GetObjectClipboard().AddTail(new ProbeRecord(kTypeEvent, "event"));

    doc.GetChartClipboard().BuildKouteiLinks(calendar);
    std::vector<const CKoutei*> linked;
    for (const auto& link : app->GetProcessInfoList()) {
        linked.push_back(link->GetKoutei());
    }
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const Case& c = cases[i];
        EXPECT_EQ(std::count(linked.begin(), linked.end(), processes[i]) == 1, c.linked) << c.what;
        EXPECT_EQ(processes[i]->GetDuration(), c.expected) << c.what;
    }

    // A new build starts from no records.
    app->GetObjectClipboard().DeleteAll();
    app->ClearProcessInfoList();
    doc.GetChartClipboard().BuildKouteiLinks(calendar);
    EXPECT_TRUE(app->GetProcessInfoList().empty());
}

// ---- Replacing ----------------------------------------------------------------------------------

TEST_F(SelectionTest, ReplacingRecordsTheChangeForUndo) {
    ProbeRecord* old = AddEvent("old");
    auto* replacement = new ProbeRecord(kTypeEvent, "new");
    EXPECT_EQ(doc.ReplaceObjAt(doc.FindObj(old), replacement), old);
    EXPECT_TRUE(IsInObj(replacement));
    EXPECT_FALSE(IsInObj(old));
    EXPECT_EQ(view.CountFor(replacement), 1);
    ASSERT_EQ(doc.GetUndoHistory().Undo(), 1);
    EXPECT_TRUE(IsInObj(old));
    EXPECT_FALSE(IsInObj(replacement));
    ASSERT_EQ(doc.GetUndoHistory().Redo(), 1);
    EXPECT_TRUE(IsInObj(replacement));

    struct Case {
        int mode;
        bool selected;
    };
    for (const Case c : {Case{1, false}, Case{0, true}}) {
        ProbeRecord* first = AddEvent("first");
        ProbeRecord* second = AddEvent("second");
        Select(first);
        Select(second);
        auto* copy = new ProbeRecord(kTypeEvent, "copy");
        copy->Select();
        EXPECT_EQ(doc.ReplaceSelAt(doc.FindSel(first), copy, c.mode), first);
        EXPECT_EQ(IsInSel(copy), c.selected) << c.mode;
        EXPECT_EQ(copy->IsSelected() == 1, c.selected) << c.mode;
        if (c.selected) {
            EXPECT_EQ(doc.GetSelList().GetTail(), copy);
        } else {
            EXPECT_TRUE(IsInObj(copy));
        }
        doc.UnselectAll(FALSE);
    }
}

// An object put in its own place changes nothing: it stays listed where it was, selected as it
// was, nothing is recorded, redrawn or deleted.
TEST_F(SelectionTest, ReplacingAnObjectByItselfChangesNothing) {
    ProbeRecord* plain = AddEvent("plain");
    ProbeRecord* first = AddEvent("first");
    ProbeRecord* second = AddEvent("second");
    Select(first);
    Select(second);
    doc.GetUndoHistory().Reset();
    DeletionLog().clear();
    const std::size_t updates = view.updates.size();

    EXPECT_EQ(doc.ReplaceObjAt(doc.FindObj(plain), plain), nullptr);
    for (int mode : {0, 1}) {
        EXPECT_EQ(doc.ReplaceSelAt(doc.FindSel(first), first, mode), nullptr) << mode;
    }

    EXPECT_TRUE(DeletionLog().empty());
    EXPECT_TRUE(IsInObj(plain));
    EXPECT_EQ(doc.GetSelList().GetHead(), first) << "neither moved nor deselected";
    EXPECT_EQ(first->IsSelected(), 1);
    EXPECT_EQ(doc.GetSelCount(), 2);
    EXPECT_FALSE(doc.GetUndoHistory().CanUndo());
    EXPECT_EQ(view.updates.size(), updates);
}

// When the history cannot take the replaced object, the replacement still takes its place and
// the replaced object, which no list holds any more, goes.
TEST_F(SelectionTest, AReplacementTheHistoryCannotRecordStillReplaces) {
    struct Case {
        bool selected;
        int mode;
        bool staysSelected;
    };
    for (const Case c : {Case{false, 0, false}, Case{true, 0, true}, Case{true, 1, false}}) {
        ProbeRecord* old = AddEvent("old");
        if (c.selected) {
            Select(old);
        }
        auto* replacement = new ProbeRecord(kTypeEvent, "new");
        if (c.selected) {
            replacement->Select();
        }
        doc.GetUndoHistory().Reset();
        DeletionLog().clear();
        CDataHeader* result = nullptr;
        {
            FailingAllocation failing(0);
            result = c.selected ? doc.ReplaceSelAt(doc.FindSel(old), replacement, c.mode)
                                : doc.ReplaceObjAt(doc.FindObj(old), replacement);
            EXPECT_TRUE(failing.Fired()) << c.selected << c.mode;
        }
        EXPECT_EQ(result, nullptr) << c.selected << c.mode;
        EXPECT_EQ(DeletionLog(), std::vector<std::string>{"old"}) << c.selected << c.mode;
        EXPECT_EQ(IsInSel(replacement), c.staysSelected) << c.selected << c.mode;
        EXPECT_EQ(IsInObj(replacement), !c.staysSelected) << c.selected << c.mode;
        EXPECT_GE(view.CountFor(replacement), 1) << c.selected << c.mode;
        EXPECT_FALSE(doc.GetUndoHistory().CanUndo()) << c.selected << c.mode;
        doc.UnselectAll(FALSE);
    }
    DeletionLog().clear();
}

// ---- Holiday classes ----------------------------------------------------------------------------

TEST_F(SelectionTest, HolidayClassesOfTheSelectedProcesses) {
    const auto add = [&](int endDay, WORD holiday) {
        CKoutei* process = AddProcess(Day(2005, 6, 1), Day(2005, 6, endDay), 1, 1);
        process->GetLines()->GetAttr().m_holiday = holiday;
        return process;
    };
    CKoutei* calendar20 = add(20, 0);
    CKoutei* working = add(15, 1);
    CKoutei* calendar10 = add(10, 0);
    CKoutei* calendar10b = add(10, 0);

    EXPECT_EQ(doc.ClassifyHolidayUse(nullptr), HolidayUse::CalendarDays) << "nothing selected";
    SelectWhole(working);
    EXPECT_EQ(doc.ClassifyHolidayUse(nullptr), HolidayUse::WorkingDays);
    for (CKoutei* process : {calendar20, calendar10, calendar10b}) {
        SelectWhole(process);
    }
    CTembraDoc::KouteiList out;
    EXPECT_EQ(doc.ClassifyHolidayUse(&out), HolidayUse::Mixed);
    EXPECT_EQ(out, (CTembraDoc::KouteiList{calendar10, calendar10b, calendar20}));

    ObList<CDataHeader> list;
    list.AddTail(calendar20);
    list.AddTail(AddEvent("event"));
    EXPECT_EQ(CTembraDoc::ClassifyHolidayUseInList(list, nullptr), HolidayUse::CalendarDays);
}

// ---- Selected date range
// ----------------------------------------------------------------------------

TEST_F(SelectionTest, TheSelectedDateRangeIsRedrawnAndCleared) {
    EXPECT_FALSE(doc.HasColumnRange());
    doc.RedrawColumnRange(TRUE);
    EXPECT_TRUE(view.updates.empty()) << "an empty range draws nothing";

    CChartPos* range = doc.GetSelectedDateRange();
    *range = Pos(Day(2005, 6, 1), Day(2005, 6, 3), 0, 0);
    EXPECT_TRUE(doc.HasColumnRange());
    doc.RedrawColumnRange(FALSE);
    ASSERT_EQ(view.updates.size(), 1u);
    EXPECT_EQ(view.updates[0].hint, kHintDateRange);
    const auto* hint = dynamic_cast<const CHint*>(view.updates[0].object);
    ASSERT_NE(hint, nullptr);
    EXPECT_EQ(hint->m_range.left, Day(2005, 6, 1).GetTime());
    EXPECT_EQ(hint->m_range.right, Day(2005, 6, 3).GetTime());

    doc.RedrawColumnRange(TRUE);
    EXPECT_EQ(view.updates.size(), 2u);
    EXPECT_FALSE(doc.HasColumnRange());
    EXPECT_EQ(range->GetStartDateValue(), 0u);
    EXPECT_EQ(range->GetEndDateValue(), 0u);

    *range = Pos(Day(2005, 6, 3), Day(2005, 6, 3), 0, 0);
    EXPECT_FALSE(doc.HasColumnRange()) << "end equal to start";
}

// ---- Deletion and undo
// ------------------------------------------------------------------------------

TEST_F(SelectionTest, UndoingADeletionPutsEachKindBack) {
    ProbeRecord* shape = AddShape("shape");
    SelectShape(shape);
    ProbeRecord* event = AddEvent("event");
    Select(event);
    CKoutei* process = AddProcess(Day(2005, 6, 1), Day(2005, 6, 5), 1, 1);
    SelectWhole(process);

    doc.GetUndoHistory().Reset();
    doc.DeleteSelection();
    EXPECT_EQ(doc.GetSelCount(), 0);
    EXPECT_EQ(doc.GetZukeiList().Find(shape), nullptr);
    EXPECT_EQ(doc.GetUndoHistory().GetUndoList().size(), 3u);

    ASSERT_EQ(doc.GetUndoHistory().Undo(), 1);
    EXPECT_NE(doc.GetZukeiList().Find(shape), nullptr);
    EXPECT_TRUE(IsInSel(shape));
    EXPECT_TRUE(IsInSel(event));
    EXPECT_TRUE(IsInSel(process));
    ASSERT_EQ(doc.GetUndoHistory().Redo(), 1);
    EXPECT_EQ(doc.GetZukeiList().Find(shape), nullptr);
    EXPECT_FALSE(IsInSel(process));
}

TEST_F(SelectionTest, UndoOfACalendarChangeExchangesTheCalendars) {
    doc.GetWorkCalendar().Clear();
    auto before = std::make_unique<CCalendar>();
    doc.GetWorkCalendar().CopyTo(before.get());
    doc.GetWorkCalendar().AddDayFlag(2005, 6, 1, CCalendar::kRuleHoliday);
    ASSERT_EQ(doc.GetUndoHistory().AddOther(before.release()), 1);

    ASSERT_EQ(doc.GetUndoHistory().Undo(), 1);
    EXPECT_FALSE(doc.GetWorkCalendar().IsHoliday(2005, 6, 1));
    ASSERT_EQ(doc.GetUndoHistory().Redo(), 1);
    EXPECT_TRUE(doc.GetWorkCalendar().IsHoliday(2005, 6, 1));
}

} // namespace
} // namespace tembra
