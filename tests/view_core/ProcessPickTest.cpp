// Picking processes with the mouse on the view of ProcessMouseFixture.h: the parts a click
// hits, gate lines and relation lines, clicks, Shift and double clicks, and bands that take whole
// processes or the nodes inside, also when a mode is chosen while a band is drawn.
#include "ProcessMouseFixture.h"

#include "model/ConfigOperation.h"

#include <vector>

namespace tembra {
namespace {

using test::ProcessMouseTest;
using test::Pt;

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
