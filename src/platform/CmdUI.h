// The state of one menu entry or bar button as its update handler leaves it: the handler is given
// the command id, enables or disables the entry, sets its check mark and, for an entry that says
// what it will do, its text (UTF-8); the main window then
// shows the entry's action that way. An entry the handler does not touch stays enabled and
// unchecked, and the record says which of the two the handler set, so that the window leaves
// alone what was not decided.
#pragma once

#include "platform/Types.h"

#include <string>
#include <utility>

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

    void SetText(std::string textUtf8) {
        m_text = std::move(textUtf8);
        m_textSet = true;
    }

    bool IsEnabled() const { return m_enabled; }
    int GetCheck() const { return m_check; }
    bool IsEnableSet() const { return m_enableSet; }
    bool IsCheckSet() const { return m_checkSet; }
    bool IsTextSet() const { return m_textSet; }
    const std::string& GetText() const { return m_text; }

    // The command the entry sends.
    UINT m_nID;

private:
    bool m_enabled = true;
    int m_check = 0;
    bool m_enableSet = false;
    bool m_checkSet = false;
    bool m_textSet = false;
    std::string m_text;
};

} // namespace tembra
