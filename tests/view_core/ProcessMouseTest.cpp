// Processes with the mouse, driven through the dispatcher as the window drives it (messages at
// client points, the view's own posted messages delivered after each): picking parts with
// clicks and bands, dragging a selection to move, copy or stretch it, and drawing new
// processes and relation lines. The document is compared by its saved bytes where a gesture
// must leave it as it was.
#include "ViewMouseFixture.h"

#include "document/PositionRequest.h"
#include "model/ConfigOperation.h"
#include "support/ArchiveBytes.h"

namespace tembra {
namespace {

using test::April;
using test::Bytes;

// The round page: day d starts at x 500 + 100 (d - 1); row r's middle is at y -125 - 50 r.
CPoint Pt(int day, int row, int dx = 0) {
    return CPoint(500 + 100 * (day - 1) + dx, -125 - 50 * row);
}

class ProcessMouseTest : public test::ViewMouseFixture {
protected:
    ProcessMouseTest() { View(); }

    // The bytes of every object as it would be saved, list by list, with the list each is in.
    Bytes Save() {
        Bytes all;
        const auto add = [&](CObject& object, BYTE list) {
            all.push_back(list);
            const Bytes bytes = test::Store(object, doc);
            all.insert(all.end(), bytes.begin(), bytes.end());
        };
        for (POSITION pos = doc.GetHeadObjPosition(); pos != nullptr;) {
            add(*doc.GetNextObj(pos), 1);
        }
        for (POSITION pos = doc.GetHeadSelPosition(); pos != nullptr;) {
            add(*doc.GetNextSel(pos), 2);
        }
        for (POSITION pos = doc.GetZukeiList().GetHeadPosition(); pos != nullptr;) {
            add(*doc.GetZukeiList().GetNext(pos), 3);
        }
        return all;
    }
    WORD Sub() { return doc.GetOperation().GetState(); }

    // One message and what the view posted to itself in answer.
    BOOL Send(int action, UINT flags, const CPoint& logical) {
        // The window paints what is pending before the next message.
        host.pending.reset();
        const BOOL taken = At(action, flags, logical);
        DeliverPosted();
        return taken;
    }
    void Click(const CPoint& p, UINT flags = 0) {
        Send(CMouseEvent::kLeftDown, MK_LBUTTON | flags, p);
        Send(CMouseEvent::kLeftUp, flags, p);
    }
    void Drag(const CPoint& from, const CPoint& to, UINT flags = 0) {
        // The first move starts the drag, the next one moves it.
        Send(CMouseEvent::kLeftDown, MK_LBUTTON | flags, from);
        Send(CMouseEvent::kMove, MK_LBUTTON | flags, to);
        Send(CMouseEvent::kMove, MK_LBUTTON | flags, to);
        Send(CMouseEvent::kLeftUp, flags, to);
    }

    bool Selected(const CKoutei* process) { return doc.FindSel(process) != nullptr; }
    CKoutei* SelectedProcess(int index = 0) {
        POSITION pos = doc.GetHeadSelPosition();
        for (int i = 0; pos != nullptr; ++i) {
            CDataHeader* object = doc.GetNextSel(pos);
            if (i == index) {
                return static_cast<CKoutei*>(object);
            }
        }
        return nullptr;
    }
    void SelectWhole(CKoutei* process) {
        process->Select();
        doc.SelectAt(doc.FindObj(process));
    }
    static void SetHoliday(CKoutei* process, WORD on) {
        CKouteiAttr attr = process->GetLines()->GetAttr();
        attr.m_holiday = on;
        process->GetLines()->SetAttr(attr);
    }

    // Straight on row 2 from the 3rd to the 6th.
    CKoutei* Straight() { return AddProcess(3, 6, 2); }
    // A gate line from the 10th, row 5, bending at row 7, to the 14th, row 9.
    CKoutei* Gate() {
        CKoutei* gate = AddProcess(10, 14, 5, 0, 9);
        gate->SetLineShape(6);
        gate->GetLines()->SetBendOffset(2);
        return gate;
    }
};

// ---- Picking ------------------------------------------------------------------------------------

TEST_F(ProcessMouseTest, PickFlagsByPartHit) {
    struct Case {
        const char* what;
        UINT flags;
        CPoint point;
        bool preselect; // the process selected whole beforehand
        int bits;
        bool lineSelected, startSelected, endSelected, inSelection;
    };
    const CPoint line = Pt(4, 2, 50);
    const CPoint start = Pt(3, 2);
    const CPoint end = Pt(6, 2);
    const Case cases[] = {
        {"line, object list", 1, line, false, 1, true, false, false, true},
        {"start node, object list", 1, start, false, 2, false, true, false, true},
        {"end node, object list", 1, end, false, 4, false, false, true, true},
        {"start nodes only, at the end", 1 | 32, end, false, 0, false, false, false, false},
        {"end nodes only, at the end", 1 | 64, end, false, 4, false, false, true, true},
        {"end nodes only, on the line", 1 | 64, line, false, 0, false, false, false, false},
        {"term attachment, no term", 1 | 16, start, false, 0, false, false, false, false},
        {"segment test, line", 1 | 128, line, false, 1, true, false, false, true},
        {"selection list ignores the unselected", 2, line, false, 0, false, false, false, false},
        {"object list ignores the selected", 1, line, true, 0, true, true, true, true},
        {"test only, selected line", 2 | 0x2000, line, true, 1, true, true, true, true},
        {"deselect, selected line", 2 | 0x1000, line, true, 1, false, true, true, true},
        {"deselect, selected end", 2 | 0x1000, end, true, 4, true, true, false, true},
        {"drag pick, selected start", 2, start, true, 2, true, true, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        doc.UnselectAll(FALSE);
        while (doc.GetObjCount() > 0) {
            delete doc.GetObjList().RemoveHead();
        }
        CKoutei* process = Straight();
        if (c.preselect) {
            SelectWhole(process);
        }
        CMouseEvent mouse;
        mouse.SetPoint(c.point);
        mouse.SetStartPoint(c.point);
        std::unique_ptr<CDC> dc = host.GetClientDC();
        View().OnPrepareDC(dc.get());
        CKoutei* hit = nullptr;
        EXPECT_EQ(View().PickKoutei(dc.get(), mouse, &hit, c.flags, 0), c.bits);
        EXPECT_EQ(hit, c.bits != 0 ? process : nullptr);
        EXPECT_EQ(process->IsLinesSelected() != 0, c.lineSelected);
        EXPECT_EQ(process->IsStartLandSelected() != 0, c.startSelected);
        EXPECT_EQ(process->IsEndLandSelected() != 0, c.endSelected);
        EXPECT_EQ(Selected(process), c.inSelection);
    }
}

// A gate line runs from its start node to the bend row, along it and back to its end node; it is
// hit on each of those legs, not on the straight line between its nodes.
TEST_F(ProcessMouseTest, AGateLineIsPickedOnItsLegs) {
    struct Case {
        const char* what;
        CPoint point;
        UINT flags;
        int bits;
    };
    const Case cases[] = {
        {"down to the bend row", Pt(10, 6), 1, 1},
        {"along the bend row", Pt(12, 7), 1, 1},
        {"up to the end", Pt(14, 5), 1, 1},
        {"along the bend row, by segment", Pt(12, 7), 1 | 128, 1},
        {"start node", Pt(10, 5), 1, 2},
        {"end node", Pt(14, 3), 1, 4},
        {"where a straight line would run", Pt(12, 4), 1, 0},
        {"where a straight line would run, by segment", Pt(12, 4), 1 | 128, 0},
        {"inside the gate", Pt(12, 5), 1, 0},
    };
    std::unique_ptr<CDC> dc = host.GetClientDC();
    View().OnPrepareDC(dc.get());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        doc.UnselectAll(FALSE);
        while (doc.GetObjCount() > 0) {
            delete doc.GetObjList().RemoveHead();
        }
        // From the 10th, row 5, down to row 7 and up to the 14th, row 3.
        CKoutei* gate = AddProcess(10, 14, 5, 0, 3);
        gate->SetLineShape(6);
        gate->GetLines()->SetBendOffset(2);
        CMouseEvent mouse;
        mouse.SetPoint(c.point);
        mouse.SetStartPoint(c.point);
        CKoutei* hit = nullptr;
        EXPECT_EQ(View().PickKoutei(dc.get(), mouse, &hit, c.flags, 0), c.bits);
        EXPECT_EQ(hit, c.bits != 0 ? gate : nullptr);
    }
}

TEST_F(ProcessMouseTest, NodeOnlyPicksSkipRelationLines) {
    CKoutei* a = Straight();
    CKoutei* b = AddProcess(8, 10, 4);
    CKoutei* relation = AddProcess(6, 8, 2, 0, 4);
    relation->SetRelationLine(1);
    std::unique_ptr<CDC> dc = host.GetClientDC();
    View().OnPrepareDC(dc.get());
    CMouseEvent mouse;
    mouse.SetPoint(Pt(8, 4));
    mouse.SetStartPoint(Pt(8, 4));
    CKoutei* hit = nullptr;
    EXPECT_EQ(View().PickKoutei(dc.get(), mouse, &hit, 1 | 32, 0), 2);
    EXPECT_EQ(hit, b);
    EXPECT_FALSE(Selected(relation));
    EXPECT_FALSE(Selected(a));
}

TEST_F(ProcessMouseTest, ClickSelectsAndASecondClickGivesTheProcessBack) {
    SetState(Op::kModeKoutei, Op::kOpEdit);
    CKoutei* a = Straight();
    const CPoint line = Pt(4, 2, 50);
    Click(line);
    EXPECT_TRUE(Selected(a));
    EXPECT_NE(a->IsLinesSelected(), 0);
    EXPECT_EQ(a->IsStartLandSelected(), 0);
    EXPECT_EQ(Sub(), 0);
    EXPECT_FALSE(host.capture);
    Click(line);
    EXPECT_FALSE(Selected(a)) << "no part left selected";
    EXPECT_NE(doc.FindObj(a), nullptr);
    EXPECT_EQ(a->IsLinesSelected(), 0);
}

TEST_F(ProcessMouseTest, BandsTakeWholeProcessesOrTheNodesInside) {
    struct Case {
        const char* what;
        LONG wakunai;
        UINT flags;
        CPoint from, to;
        bool taken, line, start, end;
    };
    // Around the whole process; then around its start node only.
    const CPoint around0(650, -180), around1(1050, -270);
    const CPoint node0(650, -180), node1(750, -270);
    const Case cases[] = {
        {"touching, whole", 0, 0, around0, around1, true, true, true, true},
        {"inside, whole", 1, 0, around0, around1, true, true, true, true},
        {"inside, only the start node", 1, 0, node0, node1, true, false, true, false},
        {"touching, only the start node", 0, 0, node0, node1, true, true, true, false},
        {"touching swapped by Shift", 0, MK_SHIFT, node0, node1, true, false, true, false},
        {"inside swapped by Shift", 1, MK_SHIFT, node0, node1, true, true, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        doc.UnselectAll(FALSE);
        while (doc.GetObjCount() > 0) {
            delete doc.GetObjList().RemoveHead();
        }
        CKoutei* a = Straight();
        doc.GetOperation().SetWakunai(c.wakunai);
        SetState(Op::kModeKoutei, Op::kOpEdit);
        Send(CMouseEvent::kLeftDown, MK_LBUTTON | c.flags, c.from);
        Send(CMouseEvent::kLeftUp, c.flags, c.from);
        EXPECT_EQ(Sub(), 2) << "a click on nothing starts a band";
        Send(CMouseEvent::kMove, c.flags, c.to);
        Send(CMouseEvent::kLeftDown, MK_LBUTTON | c.flags, c.to);
        Send(CMouseEvent::kLeftUp, c.flags, c.to);
        EXPECT_EQ(Sub(), 0);
        EXPECT_FALSE(host.capture);
        EXPECT_EQ(Selected(a), c.taken);
        EXPECT_EQ(a->IsLinesSelected() != 0, c.line);
        EXPECT_EQ(a->IsStartLandSelected() != 0, c.start);
        EXPECT_EQ(a->IsEndLandSelected() != 0, c.end);
    }
}

TEST_F(ProcessMouseTest, ABandAroundAProcessGivesAllThreeParts) {
    CKoutei* a = Straight();
    std::unique_ptr<CDC> dc = host.GetClientDC();
    View().OnPrepareDC(dc.get());
    CMouseEvent mouse;
    mouse.SetStartPoint(CPoint(650, -180));
    mouse.SetPoint(CPoint(1050, -270));
    CKoutei* hit = nullptr;
    EXPECT_EQ(View().PickKoutei(dc.get(), mouse, &hit, 15, 0), 7);
    EXPECT_EQ(hit, a);
}

TEST_F(ProcessMouseTest, ShiftShrinksTheClickToTwoUnits) {
    struct Case {
        const char* what;
        UINT flags;
        int dy;
        int bits;
    };
    const Case cases[] = {
        {"on the line", MK_SHIFT, 0, 1},
        {"5 above, the row", 0, 5, 1},
        {"5 above, Shift", MK_SHIFT, 5, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        doc.UnselectAll(FALSE);
        while (doc.GetObjCount() > 0) {
            delete doc.GetObjList().RemoveHead();
        }
        Straight();
        std::unique_ptr<CDC> dc = host.GetClientDC();
        View().OnPrepareDC(dc.get());
        CMouseEvent mouse;
        CPoint p = Pt(4, 2, 50);
        p.y += c.dy;
        mouse.Set(CMouseEvent::kLeftUp, c.flags, p.x, p.y);
        mouse.SetStartPoint(p);
        EXPECT_EQ(View().PickKoutei(dc.get(), mouse, nullptr, 1, 0), c.bits);
    }
}

TEST_F(ProcessMouseTest, ADoubleClickWithASelectionAsksForTheDurationChange) {
    SetState(Op::kModeKoutei, Op::kOpEdit);
    CKoutei* a = Straight();
    Send(CMouseEvent::kLeftDoubleClick, MK_LBUTTON, Pt(20, 20));
    EXPECT_TRUE(ui.commands.empty());
    SelectWhole(a);
    Send(CMouseEvent::kLeftDoubleClick, MK_LBUTTON, Pt(20, 20));
    EXPECT_EQ(ui.commands, std::vector<UINT>{32847});
}

// ---- Dragging -----------------------------------------------------------------------------------

class ProcessDragTest : public ProcessMouseTest {
protected:
    // A selected straight process and a second one linked at its end, of the holiday kinds.
    void Setup(int kind) {
        a = Straight();
        b = AddProcess(6, 9, 2);
        SetHoliday(a, kind == 2 ? 1 : 0);
        SetHoliday(b, kind == 1 ? 0 : 1);
        SelectWhole(a);
        SelectWhole(b);
        numberA = a->GetSeqNumber();
        SetState(Op::kModeKoutei, Op::kOpEdit);
    }
    // A's copy in the selection (a drag replaces the selected processes by moved copies).
    const CKoutei* MovedA() {
        return static_cast<const CKoutei*>(doc.FindSelKouteiByNumber(numberA, 0));
    }
    CObSeqNumber numberA;
    CKoutei* a = nullptr;
    CKoutei* b = nullptr;
};

TEST_F(ProcessDragTest, PressDragReleaseMovesByDatesAndRowsInOneUndoStep) {
    for (const int kind : {1, 2, 3}) {
        SCOPED_TRACE(kind);
        doc.UnselectAll(FALSE);
        while (doc.GetObjCount() > 0) {
            delete doc.GetObjList().RemoveHead();
        }
        doc.GetUndoHistory().Reset();
        Setup(kind);
        const Bytes before = Save();
        Drag(Pt(4, 2, 50), Pt(6, 3, 60));
        EXPECT_EQ(Sub(), 0);
        EXPECT_EQ(Operation(), Op::kOpEdit) << "the edit operation is back";
        EXPECT_FALSE(host.capture);
        EXPECT_FALSE(View().IsMoveFeedbackDrawn());
        EXPECT_EQ(UnevenInversions(), 0);
        ASSERT_EQ(doc.GetSelCount(), 2);
        const CKoutei* movedA = MovedA();
        ASSERT_NE(movedA, nullptr);
        // Taken on its line, two days and a row on: it moves two days and a row, wherever on
        // it the pointer took it.
        EXPECT_EQ(movedA->GetStartTime(), April(5));
        EXPECT_EQ(movedA->GetStartRow(), 3);
        ASSERT_TRUE(doc.GetUndoHistory().CanUndo());
        doc.GetUndoHistory().Undo();
        EXPECT_EQ(Save(), before) << "one undo takes the drag back";
        a = b = nullptr;
    }
}

TEST_F(ProcessDragTest, ARightClickWhileDraggingLeavesTheDocumentAsItWas) {
    for (const int kind : {1, 2, 3}) {
        SCOPED_TRACE(kind);
        doc.UnselectAll(FALSE);
        while (doc.GetObjCount() > 0) {
            delete doc.GetObjList().RemoveHead();
        }
        Setup(kind);
        doc.GetUndoHistory().AddNew(AddProcess(20, 22, 20));
        const Bytes before = Save();
        Send(CMouseEvent::kLeftDown, MK_LBUTTON, Pt(4, 2, 50));
        Send(CMouseEvent::kMove, MK_LBUTTON, Pt(7, 4, 50));
        Send(CMouseEvent::kMove, MK_LBUTTON, Pt(8, 5, 50));
        EXPECT_EQ(Sub(), 2);
        Send(CMouseEvent::kRightUp, 0, Pt(8, 5, 50));
        EXPECT_EQ(Sub(), 0);
        EXPECT_FALSE(host.capture);
        EXPECT_FALSE(View().IsMoveFeedbackDrawn());
        EXPECT_EQ(Operation(), Op::kOpEdit);
        EXPECT_EQ(UnevenInversions(), 0);
        EXPECT_EQ(Save(), before);
        EXPECT_EQ(doc.GetUndoHistory().CanUndo() != FALSE, kind == 2)
            << "a preview that changed the document empties the history";
    }
}

TEST_F(ProcessDragTest, CtrlCopiesWithNewNumbers) {
    Setup(1);
    Drag(Pt(4, 2, 50), Pt(3, 6, 40), MK_CONTROL);
    EXPECT_EQ(doc.GetSelCount(), 2);
    EXPECT_EQ(doc.GetObjCount(), 2) << "the originals stay, unselected";
    const CKoutei* original = doc.FindKouteiByNumber(numberA, 0);
    ASSERT_NE(original, nullptr);
    EXPECT_EQ(original->GetStartRow(), 2);
    EXPECT_EQ(original->GetStartTime(), April(3));
    EXPECT_EQ(original->IsLinesSelected(), 0);
    for (POSITION pos = doc.GetHeadSelPosition(); pos != nullptr;) {
        const auto* copy = static_cast<const CKoutei*>(doc.GetNextSel(pos));
        EXPECT_EQ(copy->GetStartRow(), 6);
        EXPECT_FALSE(copy->GetSeqNumber() == numberA);
    }
}

TEST_F(ProcessDragTest, PressReleaseMoveAndClick) {
    Setup(2);
    SetState(Op::kModeKoutei, Op::kOpMove);
    Send(CMouseEvent::kLeftDown, MK_LBUTTON, Pt(4, 2, 50));
    Send(CMouseEvent::kLeftUp, 0, Pt(4, 2, 50));
    EXPECT_EQ(Sub(), 2);
    Send(CMouseEvent::kMove, 0, Pt(5, 2, 50));
    EXPECT_TRUE(View().IsMoveFeedbackDrawn());
    Send(CMouseEvent::kLeftDown, MK_LBUTTON, Pt(5, 2, 50));
    EXPECT_EQ(Sub(), 3);
    Send(CMouseEvent::kLeftUp, 0, Pt(5, 2, 50));
    EXPECT_EQ(Sub(), 0);
    const CKoutei* moved = MovedA();
    ASSERT_NE(moved, nullptr);
    EXPECT_EQ(moved->GetStartTime(), April(4)) << "a day on, as the pointer";
}

TEST_F(ProcessDragTest, AReleaseWhereTheDragBeganBeepsAndDragsOn) {
    Setup(1);
    Send(CMouseEvent::kLeftDown, MK_LBUTTON, Pt(4, 2, 50));
    Send(CMouseEvent::kMove, MK_LBUTTON, Pt(4, 2, 60) + CPoint(0, 3));
    EXPECT_EQ(Sub(), 2);
    // The span starts at the start node; nothing has moved it yet.
    Send(CMouseEvent::kLeftUp, 0, Pt(4, 2, 60));
    EXPECT_EQ(ui.Beeps().size(), 1u);
    EXPECT_EQ(Sub(), 2);
    EXPECT_TRUE(host.capture);
    Send(CMouseEvent::kRightUp, 0, Pt(4, 2, 60));
}

TEST_F(ProcessDragTest, ALoneGateLineMovesItsBend) {
    CKoutei* gate = Gate();
    gate->SelectLines();
    doc.SelectAt(doc.FindObj(gate));
    SetState(Op::kModeKoutei, Op::kOpMove);
    // On the bend leg: the line at row 7 between the 10th and the 14th.
    const CPoint onBend = Pt(10, 7);
    Send(CMouseEvent::kLeftDown, MK_LBUTTON, onBend);
    Send(CMouseEvent::kMove, MK_LBUTTON, onBend + CPoint(0, -100));
    EXPECT_EQ(Operation(), Op::kOpMoveBend);
    Send(CMouseEvent::kMove, MK_LBUTTON, onBend + CPoint(0, -100));
    Send(CMouseEvent::kLeftUp, 0, onBend + CPoint(0, -100));
    EXPECT_EQ(Operation(), Op::kOpMove);
    EXPECT_EQ(UnevenInversions(), 0);
    const auto* moved = static_cast<const CKoutei*>(doc.GetFirstSel());
    EXPECT_EQ(moved->GetBendRow(), 9);
    EXPECT_EQ(moved->GetStartRow(), 5);
    EXPECT_EQ(moved->GetEndRow(), 9);
    EXPECT_EQ(moved->GetStartTime(), April(10));
}

TEST_F(ProcessDragTest, AFreeNodeTurnsTheDragIntoAStretch) {
    struct Case {
        UINT ctrl;
        LONG during;
    };
    for (const Case& c : {Case{0, Op::kOpMoveFree}, Case{MK_CONTROL, Op::kOpCopyFree}}) {
        doc.UnselectAll(FALSE);
        while (doc.GetObjCount() > 0) {
            delete doc.GetObjList().RemoveHead();
        }
        CKoutei* s = Straight();
        s->SelectLines();
        s->SelectEndLand();
        doc.SelectAt(doc.FindObj(s));
        SetState(Op::kModeKoutei, c.ctrl != 0 ? Op::kOpCopy : Op::kOpMove);
        Send(CMouseEvent::kLeftDown, MK_LBUTTON | c.ctrl, Pt(6, 2));
        Send(CMouseEvent::kMove, MK_LBUTTON | c.ctrl, Pt(8, 2));
        EXPECT_EQ(Operation(), c.during);
        Send(CMouseEvent::kMove, MK_LBUTTON | c.ctrl, Pt(8, 2));
        Send(CMouseEvent::kLeftUp, c.ctrl, Pt(8, 2));
        const auto* moved = static_cast<const CKoutei*>(doc.GetFirstSel());
        ASSERT_NE(moved, nullptr);
        EXPECT_EQ(moved->GetStartTime(), April(3)) << "the free start stays";
        EXPECT_EQ(moved->GetEndTime(), April(8));
    }
}

TEST_F(ProcessDragTest, AltClickTypesTheTarget) {
    Setup(2);
    int answer = IDCANCEL;
    ui.OnDialog("Position", [&](DialogRequest& request) {
        auto& position = static_cast<PositionRequest&>(request);
        EXPECT_EQ(position.templateId, PositionRequest::kTargetCalendar);
        EXPECT_EQ(position.document, &doc);
        position.span.SetEndDate(April(20));
        position.span.SetEndRow(10);
        return answer;
    });
    SetState(Op::kModeKoutei, Op::kOpMove);
    Send(CMouseEvent::kLeftDown, MK_LBUTTON, Pt(3, 2));
    Send(CMouseEvent::kLeftUp, 0, Pt(3, 2));
    Send(CMouseEvent::kMove, 0, Pt(5, 2));
    ASSERT_TRUE(View().IsMoveFeedbackDrawn());
    Send(CMouseEvent::kLeftDown, MK_LBUTTON | MK_ALT, Pt(5, 2));
    EXPECT_EQ(Sub(), 2) << "Cancel: the drag goes on";
    EXPECT_TRUE(host.capture);
    EXPECT_FALSE(View().IsMoveFeedbackDrawn()) << "erased until the next move";
    Send(CMouseEvent::kLeftUp, MK_ALT, Pt(5, 2));
    EXPECT_EQ(Sub(), 2) << "the release of the cancelled click ends nothing";
    answer = IDOK;
    Send(CMouseEvent::kMove, 0, Pt(6, 2));
    Send(CMouseEvent::kLeftDown, MK_LBUTTON | MK_ALT, Pt(6, 2));
    EXPECT_EQ(Sub(), 0) << "the posted release committed";
    const CKoutei* moved = MovedA();
    ASSERT_NE(moved, nullptr);
    EXPECT_EQ(moved->GetStartTime(), April(20));
    EXPECT_EQ(moved->GetStartRow(), 10);
}

TEST_F(ProcessDragTest, ASelectedEventAndShapeSurviveACancelAndACommit) {
    Setup(1);
    CZukeiBox* shape = AddShape(true);
    std::unique_ptr<CEvent> made = doc.GetEvents().CreateEvent();
    made->SetText("event");
    made->SetStartDate(April(20));
    made->SetStartRow(12);
    CEvent* event = made.get();
    const POSITION at = doc.AddObj(made.release(), FALSE);
    event->Select();
    doc.SelectAt(at);
    const Bytes before = Save();
    Send(CMouseEvent::kLeftDown, MK_LBUTTON, Pt(4, 2, 50));
    Send(CMouseEvent::kMove, MK_LBUTTON, Pt(6, 2, 50));
    Send(CMouseEvent::kMove, MK_LBUTTON, Pt(7, 3, 50));
    Send(CMouseEvent::kRightUp, 0, Pt(7, 3, 50));
    EXPECT_EQ(Save(), before);
    EXPECT_NE(doc.FindSel(shape), nullptr);
    EXPECT_NE(doc.FindSel(event), nullptr);
    Drag(Pt(4, 2, 50), Pt(6, 2, 50));
    EXPECT_EQ(Sub(), 0);
    EXPECT_NE(doc.FindSel(shape), nullptr);
    EXPECT_NE(doc.FindSel(event), nullptr);
    EXPECT_NE(doc.GetZukeiList().Find(shape), nullptr);
    EXPECT_EQ(event->GetStartDate(), April(20));
    EXPECT_EQ(doc.GetSelCount(), 4);
}

TEST_F(ProcessDragTest, AProcessClickedByItsLineIsDraggedWhole) {
    a = Straight();
    numberA = a->GetSeqNumber();
    SetState(Op::kModeKoutei, Op::kOpEdit);
    Click(Pt(4, 2, 50));
    ASSERT_TRUE(Selected(a));
    Drag(Pt(4, 2, 50), Pt(6, 2, 60));
    EXPECT_EQ(Sub(), 0);
    EXPECT_EQ(Operation(), Op::kOpEdit);
    const CKoutei* moved = MovedA();
    ASSERT_NE(moved, nullptr);
    // Taken whole, it moves by the pointer's two days.
    EXPECT_EQ(moved->GetStartTime(), April(5));
    EXPECT_EQ(moved->GetEndTime(), April(8));
}

TEST_F(ProcessDragTest, AViewClosedWhileDraggingPutsThePreviewBack) {
    Setup(1);
    const Bytes before = Save();
    Send(CMouseEvent::kLeftDown, MK_LBUTTON, Pt(4, 2, 50));
    Send(CMouseEvent::kMove, MK_LBUTTON, Pt(6, 3, 50));
    Send(CMouseEvent::kMove, MK_LBUTTON, Pt(7, 4, 50));
    ASSERT_EQ(Sub(), 2);
    ASSERT_EQ(View().GetRefKind(), HolidayUse::CalendarDays);
    views.clear();
    EXPECT_EQ(Save(), before);
}

// In a 2 x 2 splitter a drag held past the right edge of its pane scrolls the pane by the
// overshoot at every move (the window's auto-scroll timer repeats the last move while the pointer
// stays outside), the pane below follows sideways and the one beside stays; the target date
// follows the scrolled chart.
TEST_F(ProcessDragTest, APointerHeldPastThePaneEdgeScrollsTheSplitPanes) {
    host.client = CSize(1200, 800);
    host.rows = host.columns = 2;
    View().OnSize();
    test::FakeViewHost beside;
    test::FakeViewHost below;
    beside.client = below.client = host.client;
    beside.rows = beside.columns = below.rows = below.columns = 2;
    beside.column = 1;
    below.row = 1;
    CTembraView& besideView = MakeView(beside);
    CTembraView& belowView = MakeView(below);
    host.others = {{&besideView, 0, 1}, {&belowView, 1, 0}};
    Setup(3);
    const CPoint besideBefore = besideView.GetScrollPosition();
    const CPoint belowBefore = belowView.GetScrollPosition();
    const auto device = [&](CPoint logical) {
        std::unique_ptr<CDC> dc = host.GetClientDC();
        View().OnPrepareDC(dc.get());
        dc->LPtoDP(&logical);
        return logical;
    };
    View().ObjectActionAt(CMouseEvent::kLeftDown, MK_LBUTTON, device(Pt(4, 2, 50)));
    View().ObjectActionAt(CMouseEvent::kMove, MK_LBUTTON, device(Pt(5, 2, 50)));
    DeliverPosted();
    ASSERT_EQ(Sub(), 2);
    ASSERT_TRUE(host.autoScroll);
    host.cursorOver = false;
    const CPoint outside(host.client.cx + 150, device(Pt(5, 2, 50)).y);
    for (int tick = 1; tick <= 2; ++tick) {
        SCOPED_TRACE(tick);
        View().ObjectActionAt(CMouseEvent::kMove, MK_LBUTTON, outside);
        EXPECT_EQ(View().GetScrollPosition().x, 150 * tick);
        EXPECT_EQ(belowView.GetScrollPosition().x, 150 * tick) << "the pane below follows";
        EXPECT_EQ(belowView.GetScrollPosition().y, belowBefore.y);
        EXPECT_EQ(besideView.GetScrollPosition(), besideBefore) << "the pane beside stays";
    }
    host.cursorOver = true;
    View().ObjectActionAt(CMouseEvent::kLeftUp, 0, outside - CPoint(1, 0));
    DeliverPosted();
    EXPECT_EQ(Sub(), 0);
    EXPECT_FALSE(host.autoScroll);
    EXPECT_EQ(UnevenInversions(), 0) << "what was inverted before a scroll was inverted again";
    const CKoutei* movedA = MovedA();
    ASSERT_NE(movedA, nullptr);
    // The target lies beyond what the pane showed before it scrolled.
    EXPECT_GT(movedA->GetStartTime(), View().GetLayout().XToDate(host.client.cx));
}

// A mode or operation chosen while a drag is under way (a function key, a menu) ends the drag as
// a right click does, but leaves the newly chosen mode and operation in force.
TEST_F(ProcessDragTest, AModeChosenMidDragEndsIt) {
    struct Change {
        const char* what;
        LONG mode, operation;
    };
    const Change changes[] = {
        {"F6: terms", Op::kModeYogo, Op::kOpEdit},
        {"the draw operation", Op::kModeKoutei, Op::kOpDraw},
        {"copy instead of move", Op::kModeKoutei, Op::kOpCopy},
    };
    for (const int kind : {1, 2, 3}) {
        for (const Change& change : changes) {
            SCOPED_TRACE(std::string(change.what) + ", kind " + std::to_string(kind));
            doc.UnselectAll(FALSE);
            while (doc.GetObjCount() > 0) {
                delete doc.GetObjList().RemoveHead();
            }
            doc.GetOperation().SetMode(Op::kModeKoutei);
            Setup(kind);
            const Bytes before = Save();
            host.drawn.clear();
            Send(CMouseEvent::kLeftDown, MK_LBUTTON, Pt(4, 2, 50));
            Send(CMouseEvent::kMove, MK_LBUTTON, Pt(7, 4, 50));
            Send(CMouseEvent::kMove, MK_LBUTTON, Pt(8, 5, 50));
            ASSERT_EQ(Sub(), 2);
            ASSERT_TRUE(View().IsMoveFeedbackDrawn());
            ASSERT_GT(UnevenInversions(), 0) << "the feedback is on the window";
            doc.GetOperation().SetMode(change.mode);
            doc.GetOperation().SetOperation(change.operation);
            EXPECT_EQ(Sub(), 0);
            EXPECT_FALSE(host.capture);
            EXPECT_FALSE(host.autoScroll);
            EXPECT_FALSE(View().IsMoveFeedbackDrawn());
            EXPECT_EQ(UnevenInversions(), 0);
            EXPECT_EQ(Mode(), change.mode);
            EXPECT_EQ(Operation(), change.operation) << "the chosen operation stays";
            EXPECT_EQ(Save(), before) << "a previewed move is put back";
            // The release that follows belongs to nothing.
            Send(CMouseEvent::kLeftUp, 0, Pt(8, 5, 50));
            EXPECT_EQ(Save(), before);
            EXPECT_EQ(Sub(), 0);
            a = b = nullptr;
        }
    }
}

// ---- Drawing ------------------------------------------------------------------------------------

class ProcessDrawTest : public ProcessMouseTest {
protected:
    ProcessDrawTest() { SetState(Op::kModeKoutei, Op::kOpDraw); }
    void Style(WORD style) { doc.GetSyokiSet().GetChart().GetKouteiAttr().m_style = style; }
    void Relation(bool on) {
        doc.GetSyokiSet().GetChart().SetKouteiSpare(static_cast<WORD>(on ? 1 : 0));
    }
    UINT Guide() {
        const COperationState& s = doc.GetOperation();
        return COperationState::GuideStringId(s.GetMode(), s.GetOperation(), s.GetState(),
                                              s.GetToolCode());
    }
    // The process the drawing added last (the object list's tail, or the selection's).
    const CKoutei* Added() {
        POSITION pos = doc.GetTailObjPosition();
        return pos != nullptr ? static_cast<const CKoutei*>(doc.GetObjAt(pos)) : nullptr;
    }
    std::vector<UINT> Messages() {
        std::vector<UINT> ids;
        for (const auto& box : ui.MessageBoxes()) {
            ids.push_back(box.stringId);
        }
        return ids;
    }
};

TEST_F(ProcessDrawTest, TwoClicksDrawAProcessInOneUndoStep) {
    EXPECT_EQ(Guide(), 1013u);
    Click(Pt(3, 2));
    EXPECT_EQ(Sub(), 4);
    EXPECT_EQ(Guide(), 1050u);
    EXPECT_TRUE(host.capture);
    Send(CMouseEvent::kMove, 0, Pt(7, 3));
    EXPECT_TRUE(View().IsMoveFeedbackDrawn());
    Click(Pt(7, 3));
    EXPECT_EQ(Sub(), 0);
    EXPECT_FALSE(host.capture);
    EXPECT_FALSE(View().IsMoveFeedbackDrawn());
    EXPECT_EQ(UnevenInversions(), 0);
    ASSERT_EQ(doc.GetObjCount(), 1);
    EXPECT_EQ(doc.GetSelCount(), 0);
    const CKoutei* drawn = Added();
    EXPECT_EQ(drawn->GetStartTime(), April(3));
    EXPECT_EQ(drawn->GetStartRow(), 2);
    EXPECT_EQ(drawn->GetEndTime(), April(7));
    EXPECT_EQ(drawn->GetEndRow(), 3);
    EXPECT_FALSE(drawn->GetSeqNumber() == CObSeqNumber()) << "numbered when handed over";
    doc.GetUndoHistory().Undo();
    EXPECT_EQ(doc.GetObjCount(), 0);
}

TEST_F(ProcessDrawTest, AGateLineTakesABendClick) {
    Style(6);
    Click(Pt(3, 2));
    EXPECT_EQ(Sub(), 2);
    EXPECT_EQ(Guide(), 1014u);
    Send(CMouseEvent::kMove, 0, Pt(5, 6));
    Click(Pt(5, 6));
    EXPECT_EQ(Sub(), 4);
    Send(CMouseEvent::kMove, 0, Pt(8, 4));
    Click(Pt(8, 4));
    EXPECT_EQ(Sub(), 0);
    ASSERT_EQ(doc.GetObjCount(), 1);
    EXPECT_EQ(Added()->GetBendRow(), 6);
    EXPECT_EQ(Added()->GetEndRow(), 4);
}

TEST_F(ProcessDrawTest, AStartOnAnEndNodeTakesItsDateAndRow) {
    AddProcess(3, 6, 2);
    Click(Pt(6, 2, 5));
    EXPECT_EQ(View().GetTrackPos().GetStartDate(), April(6));
    Send(CMouseEvent::kMove, 0, Pt(9, 4));
    Click(Pt(9, 4));
    const CKoutei* drawn = Added();
    ASSERT_NE(drawn, nullptr);
    EXPECT_EQ(doc.GetObjCount(), 2);
    EXPECT_EQ(drawn->GetStartTime(), April(6));
    EXPECT_EQ(drawn->GetStartRow(), 2);
}

TEST_F(ProcessDrawTest, RelationLinesMustJoinAnEndToAStart) {
    CKoutei* a = AddProcess(3, 6, 2);
    CKoutei* b = AddProcess(9, 12, 4);
    SetHoliday(b, 1);
    Relation(true);
    // Off an end node: refused, nothing added.
    Click(Pt(4, 8));
    EXPECT_EQ(Messages(), std::vector<UINT>{5042});
    EXPECT_EQ(Sub(), 0);
    EXPECT_FALSE(host.capture);
    EXPECT_EQ(doc.GetObjCount(), 2);
    // From A's end; ended off a start node: refused, still placing the end.
    Click(Pt(6, 2));
    EXPECT_EQ(Sub(), 4);
    Send(CMouseEvent::kMove, 0, Pt(8, 8));
    Click(Pt(8, 8));
    EXPECT_EQ(Messages(), (std::vector<UINT>{5042, 5041}));
    EXPECT_EQ(Sub(), 4);
    EXPECT_TRUE(host.capture);
    // On B's start.
    Send(CMouseEvent::kMove, 0, Pt(9, 4));
    Click(Pt(9, 4));
    EXPECT_EQ(Sub(), 0);
    ASSERT_EQ(doc.GetObjCount(), 3);
    const CKoutei* relation = Added();
    EXPECT_NE(relation->IsRelationLine(), 0);
    EXPECT_TRUE(relation->GetStartLandNo() == a->GetSeqNumber());
    EXPECT_TRUE(relation->GetEndLandNo() == b->GetSeqNumber());
    const CTimeSpan span = relation->GetEndTime() - relation->GetStartTime();
    EXPECT_EQ(relation->GetSpareDays(),
              span - doc.GetWorkCalendar().GetHolidayTime(relation->GetStartTime(),
                                                          relation->GetEndTime()));
}

TEST_F(ProcessDrawTest, ARightClickWhileConfirmingTakesTheEndPickBack) {
    CKoutei* other = AddProcess(9, 12, 4);
    Click(Pt(3, 2));
    Send(CMouseEvent::kMove, 0, Pt(9, 4));
    Send(CMouseEvent::kLeftDown, MK_LBUTTON, Pt(9, 4));
    EXPECT_EQ(Sub(), 5);
    EXPECT_TRUE(Selected(other)) << "the end landed on its start node";
    Send(CMouseEvent::kRightUp, 0, Pt(9, 4));
    EXPECT_EQ(Sub(), 4);
    EXPECT_FALSE(Selected(other));
    EXPECT_TRUE(View().IsMoveFeedbackDrawn());
    Send(CMouseEvent::kRightUp, 0, Pt(9, 4));
    EXPECT_EQ(Sub(), 0);
    EXPECT_EQ(doc.GetObjCount(), 1);
    EXPECT_EQ(UnevenInversions(), 0);
}

TEST_F(ProcessDrawTest, SettingsKeepTheProcessSelectedOrSwitchToTerms) {
    struct Case {
        const char* what;
        LONG kouTempStyle, withYogo;
        bool selected;
        LONG mode;
    };
    const Case cases[] = {
        {"plain", 0, 0, false, Op::kModeKoutei},
        {"KouTempStyle", 1, 0, true, Op::kModeKoutei},
        {"WithYogo", 0, 1, false, Op::kModeYogo},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        doc.GetOperation().SetKouTempStyle(c.kouTempStyle);
        doc.GetOperation().SetWithYogo(c.withYogo);
        SetState(Op::kModeKoutei, Op::kOpDraw);
        Click(Pt(3, 12));
        Send(CMouseEvent::kMove, 0, Pt(7, 12));
        Click(Pt(7, 12));
        EXPECT_EQ(doc.GetSelCount() == 1, c.selected);
        EXPECT_EQ(Mode(), c.mode);
        if (c.withYogo != 0) {
            EXPECT_EQ(doc.GetOperation().GetSavedMode(), Op::kModeKoutei + 1);
            EXPECT_EQ(doc.GetOperation().GetSavedOperation(), Op::kOpDraw + 1);
            doc.GetOperation().RestoreMode();
            doc.GetOperation().RestoreOperation();
        }
        doc.UnselectAll(FALSE);
    }
}

TEST_F(ProcessDrawTest, AModeChosenMidDrawingDropsTheNewProcess) {
    struct Change {
        const char* what;
        LONG mode, operation;
    };
    const Change changes[] = {
        {"F6: terms", Op::kModeYogo, Op::kOpDraw},
        {"the edit operation", Op::kModeKoutei, Op::kOpEdit},
    };
    CKoutei* other = AddProcess(9, 12, 4);
    for (const Change& change : changes) {
        SCOPED_TRACE(change.what);
        SetState(Op::kModeKoutei, Op::kOpDraw);
        host.drawn.clear();
        // The start lands on the other process's end node, which the drawing selects.
        Click(Pt(12, 4));
        Send(CMouseEvent::kMove, 0, Pt(14, 6));
        ASSERT_EQ(Sub(), 4);
        ASSERT_TRUE(View().IsMoveFeedbackDrawn());
        doc.GetOperation().SetMode(change.mode);
        doc.GetOperation().SetOperation(change.operation);
        EXPECT_EQ(Sub(), 0);
        EXPECT_FALSE(host.capture);
        EXPECT_FALSE(View().IsMoveFeedbackDrawn());
        EXPECT_EQ(UnevenInversions(), 0);
        EXPECT_EQ(doc.GetObjCount() + doc.GetSelCount(), 1) << "no process was added";
        EXPECT_FALSE(Selected(other));
        Click(Pt(14, 6));
        EXPECT_EQ(doc.GetObjCount() + doc.GetSelCount(), 1);
    }
}

TEST_F(ProcessMouseTest, AModeChosenWhileABandIsDrawnErasesIt) {
    SetState(Op::kModeKoutei, Op::kOpEdit);
    Straight();
    host.drawn.clear();
    Send(CMouseEvent::kLeftDown, MK_LBUTTON, Pt(20, 10));
    Send(CMouseEvent::kLeftUp, 0, Pt(20, 10));
    Send(CMouseEvent::kMove, 0, Pt(2, 1));
    ASSERT_EQ(Sub(), 2);
    doc.GetOperation().SetMode(Op::kModeEvent);
    EXPECT_EQ(Sub(), 0);
    EXPECT_FALSE(host.capture);
    EXPECT_EQ(UnevenInversions(), 0);
    EXPECT_EQ(doc.GetSelCount(), 0);
}

} // namespace
} // namespace tembra
