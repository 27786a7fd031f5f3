// Dragging a selection of processes on the view of ProcessMouseFixture.h: moving by dates and
// rows in one undo step, copying with Ctrl, stretching from a free node, typing the target with
// Alt, cancelling with a right click, a closed view or a new mode, and scrolling past the pane
// edge.
#include "ProcessMouseFixture.h"

#include "document/PositionRequest.h"
#include "model/ConfigOperation.h"

#include <vector>

namespace tembra {
namespace {

using test::April;
using test::Bytes;
using test::ProcessMouseTest;
using test::Pt;

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

} // namespace
} // namespace tembra
