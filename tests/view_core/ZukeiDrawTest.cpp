// Drawing shapes with the mouse in the shape mode, through the dispatcher as the window drives
// it: the gestures of each kind of tool, the refusals, the right button's steps back, the grid
// the points snap to, and the one undo step each new shape makes.
#include "ZukeiMouseFixture.h"

#include "shapes/Zukei3.h"
#include "shapes/ZukeiEx.h"
#include "view/core/ZukeiGrid.h"

namespace tembra {
namespace {

using test::Anchor;
using test::AnchorOf;
using test::April;

class ZukeiDrawTest : public test::ZukeiMouseFixture {};

// ---- The grid -----------------------------------------------------------------------------------

TEST(ZukeiGridTest, TimeOfDaySnapsToTheNearerStep) {
    const CTime first = April(1);
    const struct {
        const char* what;
        CTime date;
        WORD parts;
        CTime snapped;
    } cases[] = {
        {"05:59 in quarters of a day", April(5, 5) + CTimeSpan(0, 0, 59, 0), 4, April(5, 6)},
        {"02:59 in quarters of a day", April(5, 2) + CTimeSpan(0, 0, 59, 0), 4, April(5, 0)},
        {"half a step rounds up", April(5, 3), 4, April(5, 6)},
        {"left of the date area gains a step", CTime(2010, 3, 31, 20, 0, 0), 4, April(1, 0)},
        {"no parts: the time stays", April(5, 2) + CTimeSpan(0, 0, 59, 0), 0,
         April(5, 2) + CTimeSpan(0, 0, 59, 0)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(CZukeiGrid::SnapTime(c.date, c.parts, first), c.snapped);
    }
}

TEST(ZukeiGridTest, RowSnapsToTheNearerPartAndStaysOnTheRows) {
    const struct {
        const char* what;
        double row;
        WORD parts;
        int first, last;
        double snapped;
    } cases[] = {
        {"3.74 in halves", 3.74, 2, 0, 29, 3.5},
        {"3.75 in halves", 3.75, 2, 0, 29, 4.0},
        {"above the first row moves a step down", 4.6, 2, 5, 29, 5.0},
        {"past the last row + 1 moves a step up", 10.3, 2, 0, 9, 10.0},
        {"no parts: the row stays", 3.74, 0, 0, 29, 3.74},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_DOUBLE_EQ(CZukeiGrid::SnapRow(c.row, c.parts, c.first, c.last), c.snapped);
    }
}

TEST_F(ZukeiDrawTest, PointsSnapToTheGridOnlyWhileItsFlagIsOn) {
    CConfigZukei& grid = doc.GetSyokiSet().GetZukei();
    grid.SetTimePartition(4); // 6 hours: 25 units of a 100-unit day
    grid.SetLinePartition(2); // half rows: 25 units
    SetStyle(3);
    const struct {
        WORD flag;
        CPoint from, to;
        Anchor first, second;
    } cases[] = {
        // 11 units into the 4th is 2.6 hours, 60 units below row 2's top is 3.2 rows.
        {1, P(4, 2, 11) + CPoint(0, -10), P(7, 5, 14) + CPoint(0, -14), {4, 0, 2.0}, {7, 6, 5.5}},
        {0, P(4, 2), P(7, 5, 50), {4, 0, 2.0}, {7, 12, 5.0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.flag);
        grid.SetPartitionFlag(c.flag);
        Drag(c.from, c.to);
        ASSERT_EQ(ShapeCount(), 1);
        const auto* box = static_cast<const CZukei2*>(ShapeAt(0));
        EXPECT_EQ(AnchorOf(box->GetAnchor1()), c.first);
        EXPECT_EQ(AnchorOf(box->GetAnchor2()), c.second);
        doc.GetShapes().RemoveAllZukei();
    }
}

// ---- Gestures
// ------------------------------------------------------------------------------------

// One gesture of a tool: its script, the shapes it leaves, the beeps, the messages and whether
// the window's capture is still held.
struct Step {
    enum Kind { Press, Release, Move, DoubleClick, RightClick } kind;
    CPoint at;
    UINT flags = 0;
};

TEST_F(ZukeiDrawTest, GesturesOfTheTools) {
    using S = Step;
    const CPoint a = P(3, 2);
    const CPoint b = P(6, 5);
    const CPoint c = P(9, 3);
    const struct {
        const char* what;
        short style;
        std::vector<Step> script;
        int shapes;
        std::size_t beeps;
        std::vector<UINT> messages;
        bool captured;
    } cases[] = {
        {"a box dragged in one motion",
         3,
         {{S::Press, a}, {S::Move, b, MK_LBUTTON}, {S::Move, b, MK_LBUTTON}, {S::Release, b}},
         1,
         0,
         {},
         false},
        {"a box by two clicks",
         3,
         {{S::Press, a}, {S::Release, a}, {S::Move, b}, {S::Press, b}, {S::Release, b}},
         1,
         0,
         {},
         false},
        {"a click and release at one point, then a click",
         3,
         {{S::Press, a}, {S::Release, a}, {S::Press, a}, {S::Release, a}},
         0,
         1,
         {},
         true},
        {"a box of no height",
         3,
         {{S::Press, a}, {S::Release, a}, {S::Move, P(6, 2)}, {S::Press, P(6, 2)}},
         0,
         1,
         {},
         true},
        {"a line of no height is a line",
         0,
         {{S::Press, a},
          {S::Release, a},
          {S::Move, P(6, 2)},
          {S::Press, P(6, 2)},
          {S::Release, P(6, 2)}},
         1,
         0,
         {},
         false},
        {"a right click drops the ellipse",
         6,
         {{S::Press, a}, {S::Release, a}, {S::Move, b}, {S::RightClick, b}},
         0,
         0,
         {},
         false},
        {"an arc by its centre and two points",
         7,
         {{S::Press, a},
          {S::Release, a},
          {S::Move, b},
          {S::Press, b},
          {S::Release, b},
          {S::Move, c},
          {S::Press, c},
          {S::Release, c}},
         1,
         0,
         {},
         false},
        {"a polyline ended by a double click",
         1,
         {{S::Press, a},
          {S::Release, a},
          {S::Move, b},
          {S::Press, b},
          {S::Release, b},
          {S::Move, c},
          {S::DoubleClick, c}},
         1,
         0,
         {},
         false},
        {"a polygon of two points dropped by a right click",
         2,
         {{S::Press, a}, {S::Release, a}, {S::Move, b}, {S::RightClick, b}},
         0,
         0,
         {},
         false},
        {"a polygon of two points refused at its double click",
         2,
         {{S::Press, a}, {S::Release, a}, {S::Move, b}, {S::DoubleClick, b}},
         0,
         1,
         {},
         false},
        {"the user shape has no mouse drawing",
         15,
         {{S::Press, a}, {S::Release, a}},
         0,
         0,
         {},
         false},
        {"the plain text has no mouse drawing",
         16,
         {{S::Press, a}, {S::Release, a}},
         0,
         0,
         {},
         false},
        {"a style the document cannot make",
         20,
         {{S::Press, a}, {S::Release, a}},
         0,
         0,
         {5021},
         false},
    };
    for (const auto& t : cases) {
        SCOPED_TRACE(t.what);
        doc.GetShapes().RemoveAllZukei();
        doc.GetUndoHistory().Reset();
        SetState(Op::kModeZukei, Op::kOpDraw);
        host.capture = false;
        host.Clear();
        ui.ClearRecords();
        SetStyle(t.style);
        for (const Step& s : t.script) {
            switch (s.kind) {
            case S::Press:
                Press(s.at, s.flags);
                break;
            case S::Release:
                Release(s.at, s.flags);
                break;
            case S::Move:
                Move(s.at, s.flags);
                break;
            case S::DoubleClick:
                DoubleClick(s.at);
                break;
            case S::RightClick:
                RightClick(s.at);
                break;
            }
        }
        EXPECT_EQ(ShapeCount(), t.shapes);
        EXPECT_EQ(ui.Beeps().size(), t.beeps);
        EXPECT_EQ(ui.MessageIds(), t.messages);
        EXPECT_EQ(host.capture, t.captured);
        if (!t.captured) {
            EXPECT_EQ(Sub(), 0);
            EXPECT_EQ(View().GetDrawingZukei(), nullptr);
            // A point list draws its fixed segments over their inverted lines, and the
            // document's redraw of the shape takes them; the others leave nothing inverted.
            if (t.style != 1 && t.style != 2) {
                EXPECT_TRUE(EvenXorTrace());
            }
        }
        if (t.shapes == 1) {
            EXPECT_EQ(ShapeAt(0)->GetLayer(), doc.GetCurrentLayer());
            // One undo step takes the new shape back.
            View().OnEditUndo();
            EXPECT_EQ(ShapeCount(), 0);
        }
    }
}

TEST_F(ZukeiDrawTest, AGestureKeepsItsShapeWhenTheToolOrTheOperationChanges) {
    // Another tool chosen between the clicks of a polyline: the polyline goes on.
    SetStyle(1);
    Click(P(3, 2));
    Move(P(5, 4));
    Click(P(5, 4));
    SetStyle(3);
    Move(P(7, 2));
    DoubleClick(P(7, 2));
    ASSERT_EQ(ShapeCount(), 1);
    EXPECT_EQ(ShapeAt(0)->GetKind(), kZukeiPolyLine);
    EXPECT_EQ(ShapeAt(0)->GetElementCount(), 3);

    // The edit operation chosen between the clicks of a box: no half-made box, no capture.
    Click(P(10, 2));
    Move(P(12, 4));
    ASSERT_TRUE(host.capture);
    doc.GetOperation().SetOperation(Op::kOpEdit);
    EXPECT_EQ(View().GetDrawingZukei(), nullptr);
    EXPECT_FALSE(host.capture);
    EXPECT_EQ(Sub(), 0);
    Click(P(12, 4));
    EXPECT_EQ(ShapeCount(), 1);
}

TEST_F(ZukeiDrawTest, ABoxDraggedInOneMotionLandsAtTheRelease) {
    SetStyle(3);
    Press(P(3, 2));
    Move(P(5, 4), MK_LBUTTON);
    Move(P(6, 5), MK_LBUTTON);
    Release(P(6, 5));
    ASSERT_EQ(ShapeCount(), 1);
    const auto* box = static_cast<const CZukei2*>(ShapeAt(0));
    EXPECT_EQ(AnchorOf(box->GetAnchor1()), (Anchor{3, 0, 2.0}));
    EXPECT_EQ(AnchorOf(box->GetAnchor2()), (Anchor{6, 0, 5.0}));
}

TEST_F(ZukeiDrawTest, ACircleWithCtrlGrowsFromItsCentre) {
    SetStyle(5);
    const CPoint centre = P(10, 10);
    Press(centre, MK_CONTROL);
    Release(centre, MK_CONTROL);
    Move(centre + CPoint(30, -10), MK_CONTROL);
    Press(centre + CPoint(30, -10), MK_CONTROL);
    Release(centre + CPoint(30, -10), MK_CONTROL);
    ASSERT_EQ(ShapeCount(), 1);
    const CRect rect = ShapeAt(0)->GetDeviceRect(View());
    EXPECT_EQ(rect.TopLeft(), centre + CPoint(-30, 30));
    EXPECT_EQ(rect.BottomRight(), centre + CPoint(30, -30));
}

TEST_F(ZukeiDrawTest, ARightClickTakesBackOnlyTheLastFixedVertex) {
    SetStyle(1);
    Click(P(3, 2));
    Move(P(5, 4));
    Click(P(5, 4));
    Move(P(7, 2));
    Click(P(7, 2));
    Move(P(9, 6));
    // Fixed: 3rd, 5th, 7th; the point follows at the 9th. The 7th goes, the point follows on.
    RightClick(P(10, 6));
    Move(P(11, 8));
    DoubleClick(P(11, 8));
    ASSERT_EQ(ShapeCount(), 1);
    const auto* line = static_cast<const CZukeiEx*>(ShapeAt(0));
    std::vector<int> days;
    for (const CZukeiPoint& p : line->GetPoints()) {
        days.push_back(p.GetDate().GetDay());
    }
    EXPECT_EQ(days, (std::vector<int>{3, 5, 11}));
    EXPECT_FALSE(host.capture);
}

TEST_F(ZukeiDrawTest, AnArcStepsBackWithTheRightButton) {
    SetStyle(7);
    const CPoint centre = P(5, 5);
    const CPoint second = P(8, 5);
    const CPoint third = P(5, 9);
    // Sub-state reached, then where a right click takes it.
    const struct {
        WORD state;
        WORD back;
        std::vector<std::pair<int, CPoint>> script;
    } cases[] = {
        {3, 2, {{0, centre}, {1, centre}, {2, second}, {0, second}}},
        {4, 2, {{0, centre}, {1, centre}, {2, second}, {0, second}, {1, second}, {2, third}}},
        {5,
         4,
         {{0, centre}, {1, centre}, {2, second}, {0, second}, {1, second}, {2, third}, {0, third}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.state);
        SetState(Op::kModeZukei, Op::kOpDraw);
        for (const auto& [what, at] : c.script) {
            if (what == 0) {
                Press(at);
            } else if (what == 1) {
                Release(at);
            } else {
                Move(at);
            }
        }
        ASSERT_EQ(Sub(), c.state);
        Send(CMouseEvent::kRightUp, 0, third);
        EXPECT_EQ(Sub(), c.back);
        EXPECT_TRUE(host.capture);
        // In sub-state 2 the right button drops the arc.
        while (Sub() != 2) {
            Send(CMouseEvent::kRightUp, 0, third);
        }
        Send(CMouseEvent::kRightUp, 0, third);
        EXPECT_EQ(Sub(), 0);
        EXPECT_FALSE(host.capture);
        EXPECT_EQ(ShapeCount(), 0);
    }
}

} // namespace
} // namespace tembra
