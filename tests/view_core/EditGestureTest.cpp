// The gesture the edit functions share, driven through the dispatcher by an edit function of the
// test's own that places a box: the capture and its scrolling, the pick, the feedback that is
// never inverted over a pending repaint, the steps back and the cancel with the right button,
// the commit with an emptied undo history, the hand-over from the edit operation to a move, a
// sub-state left over, and the mode changed under a running gesture.
#include "ViewMouseFixture.h"

#include "view/core/EditGesture.h"

#include <memory>

namespace tembra {
namespace {

using test::April;

// Places a box from the press to the release; in the edit operation a drag over a selected
// shape hands over to a move. Feedback drawings, objects made and dropped are counted.
class BoxGesture : public CEditGesture {
public:
    BoxGesture(CTembraView& view, WORD lastPlacing, bool pickFinds)
        : CEditGesture(view, lastPlacing), m_pickFinds(pickFinds) {}

    int feedback = 0; // inversions so far (odd: drawn)
    int made = 0;
    int dropped = 0;
    int committed = 0;
    bool undoEmptyAtCommit = false;
    bool handOverOnDrag = false;
    LONG handOverTo = COperationState::kOpMove;

protected:
    WORD Pick(CDC* dc) override {
        if (handOverOnDrag && Doc().GetSelCount() > 0) {
            HandOver(dc, Mouse().IsCtrl() ? COperationState::kOpCopy : handOverTo, 1);
            return 0;
        }
        if (!m_pickFinds) {
            return 0;
        }
        ++made;
        return kFirstPlacing;
    }
    void DrawFeedback(CDC*) override { ++feedback; }
    void Commit(CDC*) override {
        ++committed;
        undoEmptyAtCommit = Doc().GetUndoHistory().CanUndo() == FALSE;
    }
    void Discard() override { ++dropped; }
    bool BeepsAtStart() const override { return true; }

private:
    bool m_pickFinds;
};

class EditGestureTest : public test::ViewMouseFixture {
protected:
    // The gesture in the slot of the edit function of the mode and operation.
    BoxGesture& Install(Slot slot, WORD lastPlacing = 2, bool pickFinds = true) {
        gestures.push_back(std::make_unique<BoxGesture>(View(), lastPlacing, pickFinds));
        BoxGesture* gesture = gestures.back().get();
        View().SetEditFunction(slot, [gesture](CDC* dc) { return gesture->Run(dc); });
        return *gesture;
    }
    WORD Sub() { return doc.GetOperation().GetState(); }

    std::vector<std::unique_ptr<BoxGesture>> gestures;
};

const CPoint kA(1000, -500);
const CPoint kB(1300, -700);

TEST_F(EditGestureTest, PressDragReleasePlacesWithTheUndoHistoryEmptied) {
    BoxGesture& box = Install(Slot::ZukeiDraw);
    SetState(Op::kModeZukei, Op::kOpDraw);
    doc.GetUndoHistory().AddNew(AddProcess(2, 3, 1));

    EXPECT_TRUE(At(CMouseEvent::kLeftDown, MK_LBUTTON, kA));
    EXPECT_EQ(Sub(), 1);
    EXPECT_TRUE(host.capture);
    EXPECT_TRUE(host.autoScroll);
    EXPECT_EQ(View().GetMouseEvent().GetStartPoint(), kA);
    // The draw operation picks on the release, not on a drag.
    At(CMouseEvent::kMove, MK_LBUTTON, kB);
    EXPECT_EQ(Sub(), 1);
    EXPECT_TRUE(At(CMouseEvent::kLeftUp, 0, kA));
    EXPECT_EQ(Sub(), 2);
    EXPECT_TRUE(box.IsFeedbackDrawn());
    At(CMouseEvent::kMove, 0, kB);
    EXPECT_EQ(box.feedback, 3) << "drawn, erased, drawn again";
    EXPECT_EQ(View().GetMouseEvent().GetLastPoint(), kB);
    // A press at the start beeps and stays.
    At(CMouseEvent::kMove, 0, kA);
    EXPECT_TRUE(At(CMouseEvent::kLeftDown, MK_LBUTTON, kA));
    EXPECT_EQ(ui.Beeps().size(), 1u);
    EXPECT_EQ(Sub(), 2);
    EXPECT_TRUE(At(CMouseEvent::kLeftDown, MK_LBUTTON, kB));
    EXPECT_EQ(box.committed, 1);
    EXPECT_TRUE(box.undoEmptyAtCommit);
    EXPECT_FALSE(box.IsFeedbackDrawn());
    EXPECT_EQ(box.feedback % 2, 0) << "no feedback left on the screen";
    EXPECT_EQ(Sub(), 0);
    EXPECT_FALSE(host.capture);
    EXPECT_FALSE(host.autoScroll);
    EXPECT_EQ(View().GetActiveGesture(), nullptr);
}

TEST_F(EditGestureTest, APressOutsideTheChartStartsNothing) {
    Install(Slot::ZukeiDraw);
    SetState(Op::kModeZukei, Op::kOpDraw);
    EXPECT_FALSE(At(CMouseEvent::kLeftDown, MK_LBUTTON, CPoint(300, -700))) << "item area";
    EXPECT_EQ(Sub(), 0);
    EXPECT_FALSE(host.capture);
}

TEST_F(EditGestureTest, TheRightButtonStepsBackOrCancels) {
    struct Case {
        const char* what;
        WORD lastPlacing;
        WORD from; // the placing sub-state reached
        WORD after;
        bool cancelled;
    };
    const Case cases[] = {
        {"first placing state: cancel", 2, 2, 0, true},
        {"last of two: one back", 3, 3, 2, false},
        {"first of two: cancel", 3, 2, 0, true},
    };
    for (const Case& c : cases) {
        BoxGesture& box = Install(Slot::ZukeiDraw, c.lastPlacing);
        SetState(Op::kModeZukei, Op::kOpDraw);
        // Entered from the edit operation for a while: the edit operation comes back.
        doc.GetOperation().SetSavedOperation(Op::kOpEdit);
        At(CMouseEvent::kLeftDown, MK_LBUTTON, kA);
        At(CMouseEvent::kLeftUp, 0, kA);
        if (c.from == 3) {
            At(CMouseEvent::kLeftDown, MK_LBUTTON, kB);
        }
        ASSERT_EQ(Sub(), c.from) << c.what;
        At(CMouseEvent::kRightUp, 0, kB);
        EXPECT_EQ(Sub(), c.after) << c.what;
        EXPECT_EQ(box.dropped, c.cancelled ? 1 : 0) << c.what << ": the half-made box";
        EXPECT_EQ(box.committed, 0) << c.what;
        EXPECT_EQ(host.capture, !c.cancelled) << c.what;
        if (c.cancelled) {
            EXPECT_EQ(Operation(), Op::kOpEdit) << c.what << ": the saved operation";
            EXPECT_EQ(box.feedback % 2, 0) << c.what << ": erased";
        } else {
            EXPECT_TRUE(box.IsFeedbackDrawn()) << c.what;
            At(CMouseEvent::kRightUp, 0, kB);
            At(CMouseEvent::kRightUp, 0, kB);
            EXPECT_EQ(Sub(), 0) << c.what;
        }
    }
}

TEST_F(EditGestureTest, NothingPickedOrARightReleaseAfterThePressEnds) {
    for (const int end : {CMouseEvent::kLeftUp, CMouseEvent::kRightUp}) {
        Install(Slot::ZukeiDraw, 2, false);
        SetState(Op::kModeZukei, Op::kOpDraw);
        At(CMouseEvent::kLeftDown, MK_LBUTTON, kA);
        At(end, 0, kA);
        EXPECT_EQ(Sub(), 0) << end;
        EXPECT_FALSE(host.capture) << end;
    }
}

TEST_F(EditGestureTest, NoFeedbackOverAPendingRepaint) {
    BoxGesture& box = Install(Slot::ZukeiDraw);
    SetState(Op::kModeZukei, Op::kOpDraw);
    At(CMouseEvent::kLeftDown, MK_LBUTTON, kA);
    At(CMouseEvent::kLeftUp, 0, kA);
    const int before = box.feedback;
    host.pending = CRect(0, 0, 10, 10);
    EXPECT_FALSE(At(CMouseEvent::kMove, 0, kB));
    EXPECT_EQ(box.feedback, before);
    EXPECT_FALSE(At(CMouseEvent::kLeftDown, MK_LBUTTON, kB)) << "nor a step";
    EXPECT_EQ(Sub(), 2);
    host.pending.reset();
    EXPECT_TRUE(At(CMouseEvent::kMove, 0, kB));
    EXPECT_EQ(box.feedback, before + 2);
}

TEST_F(EditGestureTest, OnlyTheCapturingViewFinishes) {
    BoxGesture& box = Install(Slot::ZukeiDraw);
    SetState(Op::kModeZukei, Op::kOpDraw);
    At(CMouseEvent::kLeftDown, MK_LBUTTON, kA);
    At(CMouseEvent::kLeftUp, 0, kA);
    host.capture = false; // taken by another window
    EXPECT_FALSE(At(CMouseEvent::kLeftDown, MK_LBUTTON, kB));
    EXPECT_EQ(box.committed, 0);
    EXPECT_EQ(Sub(), 2);
}

TEST_F(EditGestureTest, ADragOfASelectionHandsOverAndEndsBackInEdit) {
    struct Case {
        const char* what;
        UINT keys;
        LONG during;
    };
    const Case cases[] = {
        {"a drag moves", 0, Op::kOpMove},
        {"with Ctrl it copies", MK_CONTROL, Op::kOpCopy},
    };
    for (const Case& c : cases) {
        doc.GetSelList().RemoveAll();
        AddShape(true);
        BoxGesture& edit = Install(Slot::ZukeiEdit);
        edit.handOverOnDrag = true;
        BoxGesture& place = Install(Slot::ZukeiCopyMove);
        SetState(Op::kModeZukei, Op::kOpEdit);
        At(CMouseEvent::kLeftDown, MK_LBUTTON | c.keys, kA);
        At(CMouseEvent::kMove, MK_LBUTTON | c.keys, CPoint(1010, -505));
        EXPECT_EQ(Operation(), c.during) << c.what;
        EXPECT_EQ(Sub(), 1) << c.what;
        EXPECT_TRUE(host.capture) << c.what << ": kept for the new operation";
        ASSERT_EQ(host.posted.size(), 1u) << c.what;
        EXPECT_EQ(host.posted[0].action, CMouseEvent::kMove) << c.what;
        EXPECT_EQ(host.posted[0].keyFlags, UINT{MK_LBUTTON}) << c.what;
        EXPECT_EQ(host.posted[0].point, Device(kA)) << c.what << ": at the start";
        DeliverPosted();
        EXPECT_EQ(Sub(), 2) << c.what << ": the move took the gesture over";
        EXPECT_EQ(View().GetActiveGesture(), &place) << c.what;
        At(CMouseEvent::kMove, MK_LBUTTON, kB);
        At(CMouseEvent::kLeftUp, 0, kB);
        EXPECT_EQ(place.committed, 1) << c.what;
        EXPECT_EQ(Operation(), Op::kOpEdit) << c.what;
        EXPECT_EQ(Sub(), 0) << c.what;
        EXPECT_FALSE(host.capture) << c.what;
    }
}

TEST_F(EditGestureTest, ASubStateLeftOverIsResetWithTheSavedOperation) {
    Install(Slot::ZukeiDraw);
    SetState(Op::kModeZukei, Op::kOpDraw, 2);
    doc.GetOperation().SetSavedOperation(Op::kOpEdit);
    EXPECT_FALSE(At(CMouseEvent::kMove, 0, kB));
    EXPECT_EQ(Sub(), 0);
    EXPECT_EQ(Operation(), Op::kOpEdit);
    EXPECT_FALSE(host.capture);
}

TEST_F(EditGestureTest, AModeOrOperationChangedMidGestureEndsItAsACancel) {
    struct Case {
        const char* what;
        std::function<void(CTembraDoc&)> change;
    };
    const Case cases[] = {
        {"F6: the term mode", [](CTembraDoc& d) { d.GetOperation().SetMode(Op::kModeYogo); }},
        {"the edit operation", [](CTembraDoc& d) { d.GetOperation().SetOperation(Op::kOpEdit); }},
        {"a switch that keeps the sub-state",
         [](CTembraDoc& d) { d.GetOperation().ChangeOperation(Op::kOpMove); }},
    };
    for (const Case& c : cases) {
        BoxGesture& box = Install(Slot::ZukeiDraw);
        SetState(Op::kModeZukei, Op::kOpDraw);
        At(CMouseEvent::kLeftDown, MK_LBUTTON, kA);
        At(CMouseEvent::kLeftUp, 0, kA);
        ASSERT_TRUE(host.capture) << c.what;
        c.change(doc);
        EXPECT_FALSE(host.capture) << c.what;
        EXPECT_FALSE(host.autoScroll) << c.what;
        EXPECT_EQ(box.dropped, 1) << c.what;
        EXPECT_EQ(box.feedback % 2, 0) << c.what << ": erased";
        EXPECT_EQ(Sub(), 0) << c.what;
        EXPECT_EQ(View().GetActiveGesture(), nullptr) << c.what;
    }
}

TEST_F(EditGestureTest, AViewClosingMidGestureLeavesNothingHeld) {
    BoxGesture& box = Install(Slot::ZukeiDraw);
    SetState(Op::kModeZukei, Op::kOpDraw);
    At(CMouseEvent::kLeftDown, MK_LBUTTON, kA);
    At(CMouseEvent::kLeftUp, 0, kA);
    views.clear();
    EXPECT_FALSE(host.capture);
    EXPECT_EQ(box.dropped, 1);
    EXPECT_EQ(Sub(), 0);
}

TEST(EditGestureRuleTest, AClickOnEmptySpaceClearsTheSelectionByMultiEditAndCtrl) {
    EXPECT_TRUE(CEditGesture::ClearsSelection(0, false));
    EXPECT_FALSE(CEditGesture::ClearsSelection(0, true));
    EXPECT_FALSE(CEditGesture::ClearsSelection(1, false));
    EXPECT_TRUE(CEditGesture::ClearsSelection(1, true));
}

} // namespace
} // namespace tembra
