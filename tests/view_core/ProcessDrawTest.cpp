// Drawing new processes and relation lines with clicks on the view of ProcessMouseFixture.h:
// one undo step for each, the bend of a gate line, starts on end nodes, relation lines that must
// join an end to a start, and the settings and mode changes that end or keep the drawing.
#include "ProcessMouseFixture.h"

#include "model/ConfigOperation.h"

#include <vector>

namespace tembra {
namespace {

using test::April;
using test::ProcessMouseTest;
using test::Pt;

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

} // namespace
} // namespace tembra
