// The view's mouse-event record: the event code from the message and the buttons still held,
// Shift and Ctrl as modifiers.
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
    }
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
