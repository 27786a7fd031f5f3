// The chart view's record of the last mouse event: where it happened (logical units of the chart,
// 0.1 mm with y upwards), what it was (an event code made from the message and the buttons still
// held) and which of Shift and Ctrl were down; beside it the points that a tracking state machine
// keeps over a gesture: where the drag started, the last point it reached and the one before.
//
// Event codes: 1 left press, 2 right press, 3 left press with the right button held, 4 left
// release, 7 right press with the left button held, 8 right release, 13 right release with the
// left button held, 14 left release with the right button held, 16 move, 17 move with the left
// button, 18 with the right, 19 with both, 0x8000 left double click; 0 any other combination
// (the middle button held, for one). Modifier bits: 0x100 Shift, 0x200 Ctrl.
#pragma once

#include "platform/Types.h"

namespace tembra {

// The key and button flags of a mouse message.
enum : UINT {
    MK_LBUTTON = 0x0001,
    MK_RBUTTON = 0x0002,
    MK_SHIFT = 0x0004,
    MK_CONTROL = 0x0008,
    MK_MBUTTON = 0x0010,
};

class CMouseEvent {
public:
    // The actions of the view's mouse forwarders.
    enum Action : int {
        kLeftUp = 1,
        kLeftDown = 2,
        kRightUp = 3,
        kRightDown = 4,
        kMove = 5,
        kLeftDoubleClick = 6,
    };
    // Event codes.
    enum : int {
        kNone = 0,
        kLeftPress = 1,
        kRightPress = 2,
        kLeftPressRightHeld = 3,
        kLeftRelease = 4,
        kRightPressLeftHeld = 7,
        kRightRelease = 8,
        kRightReleaseLeftHeld = 13,
        kLeftReleaseRightHeld = 14,
        kMoveNoButton = 16,
        kMoveLeft = 17,
        kMoveRight = 18,
        kMoveBoth = 19,
        kDoubleClick = 0x8000,
    };
    // Modifier bits.
    enum : int { kShift = 0x0100, kCtrl = 0x0200 };

    // Stores the point, takes Shift and Ctrl out of the key flags into the modifiers and makes
    // the event code from the action and the buttons left in the flags; returns the code.
    int Set(int action, UINT keyFlags, int x, int y);

    CPoint GetPoint() const { return CPoint(m_x, m_y); }
    int GetCode() const { return m_code; }
    int GetModifiers() const { return m_modifiers; }
    bool IsShift() const { return (m_modifiers & kShift) != 0; }
    bool IsCtrl() const { return (m_modifiers & kCtrl) != 0; }

    // The tracking points of a gesture (logical units).
    CPoint m_ptStart;
    CPoint m_ptLast;
    CPoint m_ptPrev;

private:
    int m_x = 0;
    int m_y = 0;
    int m_code = kNone;
    int m_modifiers = 0;
};

} // namespace tembra
