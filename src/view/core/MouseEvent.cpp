#include "view/core/MouseEvent.h"

namespace tembra {

int CMouseEvent::Set(int action, UINT keyFlags, int x, int y) {
    m_x = x;
    m_y = y;
    m_code = kNone;
    m_modifiers = 0;
    if ((keyFlags & MK_SHIFT) != 0) {
        m_modifiers |= kShift;
    }
    if ((keyFlags & MK_CONTROL) != 0) {
        m_modifiers |= kCtrl;
    }
    if ((keyFlags & MK_ALT) != 0) {
        m_modifiers |= kAlt;
    }
    const UINT buttons = keyFlags & ~(MK_SHIFT | MK_CONTROL | MK_ALT);
    const bool none = buttons == 0;
    const bool leftOnly = buttons == MK_LBUTTON;
    const bool rightOnly = buttons == MK_RBUTTON;
    switch (action) {
    case kLeftUp:
        m_code = none ? kLeftRelease : rightOnly ? kLeftReleaseRightHeld : kNone;
        break;
    case kLeftDown:
        m_code = leftOnly ? kLeftPress : (buttons & MK_RBUTTON) != 0 ? kLeftPressRightHeld : kNone;
        break;
    case kRightUp:
        m_code = none ? kRightRelease : leftOnly ? kRightReleaseLeftHeld : kNone;
        break;
    case kRightDown:
        m_code = rightOnly                     ? kRightPress
                 : (buttons & MK_LBUTTON) != 0 ? kRightPressLeftHeld
                                               : kNone;
        break;
    case kMove:
        m_code = none                                   ? kMoveNoButton
                 : leftOnly                             ? kMoveLeft
                 : rightOnly                            ? kMoveRight
                 : buttons == (MK_LBUTTON | MK_RBUTTON) ? kMoveBoth
                                                        : kNone;
        break;
    case kLeftDoubleClick:
        m_code = kDoubleClick;
        break;
    default:
        break;
    }
    return m_code;
}

} // namespace tembra
