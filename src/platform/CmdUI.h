// The state of one menu entry or bar button as its update handler leaves it: the handler is given
// the command id, enables or disables the entry and sets its check mark; the main window then
// shows the entry's action that way. An entry the handler does not touch stays enabled and
// unchecked, and the record says which of the two the handler set, so that the window leaves
// alone what was not decided.
#pragma once

#include "platform/Types.h"

namespace tembra {

class CCmdUI {
public:
    explicit CCmdUI(UINT id) : m_nID(id) {}

    void Enable(BOOL on = TRUE) {
        m_enabled = on != FALSE;
        m_enableSet = true;
    }
    // 0 unchecked, 1 checked, 2 indeterminate.
    void SetCheck(int check = 1) {
        m_check = check;
        m_checkSet = true;
    }

    bool IsEnabled() const { return m_enabled; }
    int GetCheck() const { return m_check; }
    bool IsEnableSet() const { return m_enableSet; }
    bool IsCheckSet() const { return m_checkSet; }

    // The command the entry sends.
    UINT m_nID;

private:
    bool m_enabled = true;
    int m_check = 0;
    bool m_enableSet = false;
    bool m_checkSet = false;
};

} // namespace tembra
