// The view's mouse-event record: the event code from the message and the buttons still held,
// Shift, Ctrl and Alt as modifiers, and the snapshots a gesture keeps.
#include "view/core/MouseEvent.h"

#include <gtest/gtest.h>

namespace tembra {
namespace {

struct SetCase {
    const char* what;
    int action;
    UINT keyFlags;
    int code;
};

TEST(MouseEventTest, TheCodeFollowsTheActionAndTheButtonsHeld) {
    const SetCase cases[] = {
        {"left press", CMouseEvent::kLeftDown, MK_LBUTTON, 1},
        {"left press with right held", CMouseEvent::kLeftDown, MK_LBUTTON | MK_RBUTTON, 3},
        {"left press with the middle held", CMouseEvent::kLeftDown, MK_LBUTTON | MK_MBUTTON, 0},
        {"right press", CMouseEvent::kRightDown, MK_RBUTTON, 2},
        {"right press with left held", CMouseEvent::kRightDown, MK_RBUTTON | MK_LBUTTON, 7},
        {"left release", CMouseEvent::kLeftUp, 0, 4},
        {"left release with right held", CMouseEvent::kLeftUp, MK_RBUTTON, 14},
        {"left release with the middle held", CMouseEvent::kLeftUp, MK_MBUTTON, 0},
        {"right release", CMouseEvent::kRightUp, 0, 8},
        {"right release with left held", CMouseEvent::kRightUp, MK_LBUTTON, 13},
        {"move", CMouseEvent::kMove, 0, 16},
        {"move with left", CMouseEvent::kMove, MK_LBUTTON, 17},
        {"move with right", CMouseEvent::kMove, MK_RBUTTON, 18},
        {"move with both", CMouseEvent::kMove, MK_LBUTTON | MK_RBUTTON, 19},
        {"move with the middle", CMouseEvent::kMove, MK_MBUTTON, 0},
        {"double click", CMouseEvent::kLeftDoubleClick, MK_LBUTTON | MK_RBUTTON, 0x8000},
        {"an action of no forwarder", 7, MK_LBUTTON, 0},
    };
    for (const SetCase& c : cases) {
        CMouseEvent event;
        EXPECT_EQ(event.Set(c.action, c.keyFlags, 0, 0), c.code) << c.what;
        EXPECT_EQ(event.GetCode(), c.code) << c.what;
        // Shift and Ctrl do not change the code; they become the modifiers.
        EXPECT_EQ(event.Set(c.action, c.keyFlags | MK_SHIFT | MK_CONTROL, 0, 0), c.code) << c.what;
        EXPECT_EQ(event.GetModifiers(), CMouseEvent::kShift | CMouseEvent::kCtrl) << c.what;
        // Alt has a bit of its own and leaves the code alone too.
        EXPECT_EQ(event.Set(c.action, c.keyFlags | MK_ALT, 0, 0), c.code) << c.what;
        EXPECT_TRUE(event.IsAlt()) << c.what;
        EXPECT_FALSE(event.IsShift() || event.IsCtrl()) << c.what;
    }
}

TEST(MouseEventTest, TheSnapshotsKeepPointDateAndRowAcrossEvents) {
    CMouseEvent event;
    event.Set(CMouseEvent::kLeftDown, MK_LBUTTON, 100, -200);
    event.SetCursorPosition(CTime(2010, 4, 3, 0, 0, 0), 5, 1, 5.5);
    event.StoreStart();
    event.StoreLast();
    event.Set(CMouseEvent::kMove, MK_LBUTTON, 300, -260);
    event.SetCursorPosition(CTime(2010, 4, 7, 0, 0, 0), 6, 1, 6.25);
    event.StorePrev();
    event.StoreLast();
    event.Set(CMouseEvent::kMove, MK_LBUTTON, 320, -270);
    EXPECT_EQ(event.GetStartPoint(), CPoint(100, -200));
    EXPECT_EQ(event.GetStartTime(), CTime(2010, 4, 3, 0, 0, 0));
    EXPECT_DOUBLE_EQ(event.GetStartRowF(), 5.5);
    EXPECT_EQ(event.GetLastPoint(), CPoint(300, -260));
    EXPECT_EQ(event.GetLastTime(), CTime(2010, 4, 7, 0, 0, 0));
    EXPECT_DOUBLE_EQ(event.GetLastRowF(), 6.25);
    EXPECT_EQ(event.GetPrevPoint(), CPoint(300, -260));
    // The chart editing keeps row numbers in the fractional rows.
    event.SetStartRowF(12);
    event.SetLastRowF(9);
    EXPECT_DOUBLE_EQ(event.GetStartRowF(), 12);
    EXPECT_DOUBLE_EQ(event.GetLastRowF(), 9);
    // A posted record brings its event only.
    CMouseEvent posted;
    posted.Set(CMouseEvent::kLeftDown, MK_LBUTTON | MK_SHIFT, 7, 8);
    event.TakeEvent(posted);
    EXPECT_EQ(event.GetPoint(), CPoint(7, 8));
    EXPECT_EQ(event.GetCode(), CMouseEvent::kLeftPress);
    EXPECT_TRUE(event.IsShift());
    EXPECT_EQ(event.GetStartPoint(), CPoint(100, -200));
}

TEST(MouseEventTest, ThePointIsKeptAndTheModifiersClearedOnEachEvent) {
    CMouseEvent event;
    event.Set(CMouseEvent::kMove, MK_CONTROL, 120, -340);
    EXPECT_EQ(event.GetPoint(), CPoint(120, -340));
    EXPECT_TRUE(event.IsCtrl());
    EXPECT_FALSE(event.IsShift());
    event.Set(CMouseEvent::kMove, MK_SHIFT, 5, 6);
    EXPECT_TRUE(event.IsShift());
    EXPECT_FALSE(event.IsCtrl());
    event.Set(CMouseEvent::kMove, 0, 5, 6);
    EXPECT_EQ(event.GetModifiers(), 0);
}

} // namespace
} // namespace tembra
