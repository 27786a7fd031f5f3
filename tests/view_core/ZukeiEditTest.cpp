// Selecting shapes with clicks and bands, and carrying the selection: moving and copying it by
// a drag, reshaping it by a handle, each change one undo step and the edit operation back at its
// end.
#include "ZukeiMouseFixture.h"

#include <algorithm>

namespace tembra {
namespace {

using test::Anchor;
using test::AnchorOf;
using test::April;

class ZukeiEditTest : public test::ZukeiMouseFixture {
protected:
    ZukeiEditTest() { SetState(Op::kModeZukei, Op::kOpEdit); }

    bool Selected(const CZukei* shape) { return doc.GetSelList().Find(shape) != nullptr; }
    // A band drawn by two clicks: the first on nothing, the second at the far corner.
    void Band(const CPoint& from, const CPoint& to, UINT flags = 0) {
        Click(from, flags);
        Move(to, flags);
        Click(to, flags);
    }
    static Anchor First(const CZukei* shape) {
        return AnchorOf(static_cast<const CZukei2*>(shape)->GetAnchor1());
    }
    static Anchor Second(const CZukei* shape) {
        return AnchorOf(static_cast<const CZukei2*>(shape)->GetAnchor2());
    }
};

// ---- Picking ------------------------------------------------------------------------------------

TEST_F(ZukeiEditTest, AClickSelectsTheFrontShapeOnly) {
    // Both left edges on the 6th; the later one is drawn in front.
    CZukeiBox* back = AddBox(6, 2, 9, 5);
    CZukeiBox* front = AddBox(6, 3, 10, 6);
    Click(P(6, 4));
    EXPECT_TRUE(Selected(front));
    EXPECT_FALSE(Selected(back));
    EXPECT_FALSE(host.capture);
    EXPECT_EQ(Sub(), 0);
}

TEST_F(ZukeiEditTest, AClickOnASelectedShapeUnselectsOnlyIt) {
    CZukeiBox* one = AddBox(6, 2, 9, 5, true);
    CZukeiBox* other = AddBox(12, 2, 14, 5, true);
    Click(P(6, 4));
    EXPECT_FALSE(Selected(one));
    EXPECT_EQ(one->IsSelected(), 0);
    EXPECT_TRUE(Selected(other));
}

TEST_F(ZukeiEditTest, ShapesOnLayersNotShownAreNeverPicked) {
    for (const short state : {CLayerSet::kHidden, CLayerSet::kReference}) {
        SCOPED_TRACE(state);
        doc.GetShapes().RemoveAllZukei();
        doc.GetChartLayers().SetLayerVisible(3, state);
        CZukeiBox* box = AddBox(6, 2, 9, 5, false, 3);
        Click(P(6, 4));
        Band(P(4, 1), P(12, 8));
        EXPECT_FALSE(Selected(box));
    }
}

TEST_F(ZukeiEditTest, TheBandRuleFollowsWakunaiAndShift) {
    // The band from the 5th to the 8th, rows 1 to 7: it takes the box's left part only, or the
    // whole box when it reaches the 10th.
    const CPoint from = P(5, 1);
    const CPoint touching = P(8, 7);
    const CPoint enclosing = P(10, 7);
    const struct {
        LONG wakunai;
        bool shift;
        CPoint to;
        bool selected;
    } cases[] = {
        {0, false, touching, true},  {0, true, touching, false},  {0, true, enclosing, true},
        {1, false, touching, false}, {1, false, enclosing, true}, {1, true, touching, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "Wakunai " << c.wakunai << " Shift " << c.shift
                                          << " to the " << (c.to == touching ? 8 : 10) << "th");
        doc.GetShapes().DeselectAllZukei();
        doc.GetShapes().RemoveAllZukei();
        CZukeiBox* box = AddBox(6, 2, 9, 5);
        doc.GetOperation().SetWakunai(c.wakunai);
        Band(from, c.to, c.shift ? UINT{MK_SHIFT} : 0U);
        EXPECT_EQ(Selected(box), c.selected);
        EXPECT_FALSE(host.capture);
        EXPECT_TRUE(EvenXorTrace());
    }
}

TEST_F(ZukeiEditTest, ABandWithoutAreaPicksNothing) {
    CZukeiBox* box = AddBox(6, 2, 9, 5);
    CMouseEvent mouse;
    // Straight down the box's left edge: no width.
    mouse.Set(CMouseEvent::kLeftUp, 0, 1000, -600);
    mouse.SetStartPoint(CPoint(1000, -150));
    std::unique_ptr<CDC> dc = host.GetClientDC();
    View().OnPrepareDC(dc.get());
    EXPECT_FALSE(View().PickZukei(dc.get(), mouse, CTembraView::kZukeiPickList));
    EXPECT_FALSE(Selected(box));
}

// ---- Moving, copying, deforming -----------------------------------------------------------------

TEST_F(ZukeiEditTest, ADragMovesByDaysAndAFractionalRow) {
    CZukeiBox* box = AddBox(6, 2, 9, 5, true);
    Drag(P(6, 3), P(8, 4.5));
    EXPECT_EQ(First(box), (Anchor{8, 0, 3.5}));
    EXPECT_EQ(Second(box), (Anchor{11, 0, 6.5}));
    EXPECT_EQ(Operation(), Op::kOpEdit);
    EXPECT_EQ(Sub(), 0);
    EXPECT_FALSE(host.capture);
    EXPECT_TRUE(EvenXorTrace());
    View().OnEditUndo();
    EXPECT_EQ(First(ShapeAt(0)), (Anchor{6, 0, 2.0}));
}

TEST_F(ZukeiEditTest, AReleaseBeforeAPendingRepaintStillEndsTheDrag) {
    CZukeiBox* box = AddBox(6, 2, 9, 5, true);
    Press(P(6, 3));
    Move(P(8, 3), MK_LBUTTON);
    Move(P(8, 3), MK_LBUTTON);
    // A move waits for the paint: nothing is inverted over the part to be painted.
    host.pending = CRect(0, 0, 10, 10);
    host.drawn.clear();
    At(CMouseEvent::kMove, MK_LBUTTON, P(9, 3));
    EXPECT_TRUE(std::none_of(host.drawn.begin(), host.drawn.end(),
                             [](const auto& r) { return IsDrawingOp(r.op); }));
    // The release is taken once the window has painted.
    const int paints = host.paintsNow;
    At(CMouseEvent::kLeftUp, 0, P(8, 3));
    DeliverPosted();
    EXPECT_GT(host.paintsNow, paints);
    EXPECT_EQ(First(box), (Anchor{8, 0, 2.0}));
    EXPECT_EQ(Operation(), Op::kOpEdit);
    EXPECT_FALSE(host.capture);
}

TEST_F(ZukeiEditTest, ACtrlDragCopiesInFrontAndSelectsTheCopy) {
    CZukeiBox* box = AddBox(6, 2, 9, 5, true);
    Drag(P(6, 3), P(8, 3), MK_CONTROL);
    ASSERT_EQ(ShapeCount(), 2);
    CZukei* copy = ShapeAt(1);
    EXPECT_EQ(First(box), (Anchor{6, 0, 2.0}));
    EXPECT_FALSE(Selected(box));
    EXPECT_EQ(First(copy), (Anchor{8, 0, 2.0}));
    EXPECT_TRUE(Selected(copy));
    EXPECT_EQ(Operation(), Op::kOpEdit);
    View().OnEditUndo();
    EXPECT_EQ(ShapeCount(), 1);
}

TEST_F(ZukeiEditTest, AReleaseAtTheStartBeepsAndMovesNothing) {
    CZukeiBox* box = AddBox(6, 2, 9, 5, true);
    Press(P(6, 3));
    Move(P(8, 3), MK_LBUTTON);
    Move(P(6, 3), MK_LBUTTON);
    Release(P(6, 3));
    EXPECT_EQ(ui.Beeps().size(), 1u);
    EXPECT_EQ(First(box), (Anchor{6, 0, 2.0}));
    // The gesture goes on until the pointer lands elsewhere or the right button ends it.
    Send(CMouseEvent::kRightUp, 0, P(6, 3));
    EXPECT_EQ(Operation(), Op::kOpEdit);
    EXPECT_FALSE(host.capture);
    EXPECT_TRUE(EvenXorTrace());
}

TEST_F(ZukeiEditTest, AHandleOfTwoShapesResizesBothInOneUndoStep) {
    CZukeiBox* left = AddBox(6, 2, 9, 5, true);
    CZukeiBox* right = AddBox(10, 3, 12, 8, true);
    // The union runs from the 6th to the 12th, rows 2 to 8: its right-middle handle (4) is at
    // the 12th, row 5. Dragged 3 days to the right: the union grows by a half.
    Drag(P(12, 5), P(15, 5));
    EXPECT_EQ(Operation(), Op::kOpEdit);
    EXPECT_EQ(First(left), (Anchor{6, 0, 2.0}));
    EXPECT_EQ(Second(left), (Anchor{10, 12, 5.0}));
    EXPECT_EQ(First(right), (Anchor{12, 0, 3.0}));
    EXPECT_EQ(Second(right), (Anchor{15, 0, 8.0}));
    View().OnEditUndo();
    EXPECT_EQ(Second(ShapeAt(0)), (Anchor{9, 0, 5.0}));
    EXPECT_EQ(Second(ShapeAt(1)), (Anchor{12, 0, 8.0}));
}

TEST_F(ZukeiEditTest, ADeformToNoWidthBeepsAndChangesNothing) {
    CZukeiBox* box = AddBox(6, 2, 9, 5, true);
    // The right-middle handle onto the left edge.
    Drag(P(9, 3.5), P(6, 3.5));
    EXPECT_EQ(ui.Beeps().size(), 1u);
    EXPECT_EQ(First(box), (Anchor{6, 0, 2.0}));
    EXPECT_EQ(Second(box), (Anchor{9, 0, 5.0}));
    EXPECT_FALSE(doc.GetUndoHistory().CanUndo());
    EXPECT_EQ(Operation(), Op::kOpEdit);
}

TEST_F(ZukeiEditTest, TheDraggedHandleStaysInsideTheChart) {
    CZukeiBox* box = AddBox(26, 2, 29, 5, true);
    // The bottom-right handle far right of the chart and below its last row.
    Drag(P(29, 5), CPoint(3499, -1599));
    EXPECT_LE(Second(box).row, 30.0);
    EXPECT_LE(static_cast<const CZukei2*>(box)->GetAnchor2().GetDate(),
              April(30) + CTimeSpan(1, 0, 0, 0));
    EXPECT_GT(Second(box).row, 5.0);
}

} // namespace
} // namespace tembra
