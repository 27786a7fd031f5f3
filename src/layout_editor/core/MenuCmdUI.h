// The state of one menu entry as the layout editor's update handlers leave it: enabled, checked,
// and the text where a handler changes it (File > Exit reads "戻る" while the main program's
// temporary layout is edited).
#pragma once

#include "platform/CmdUI.h"

#include <string>

namespace marquell {

class CMenuCmdUI : public tembra::CCmdUI {
public:
    explicit CMenuCmdUI(tembra::UINT id) : CCmdUI(id) {}

    // CP932.
    void SetText(std::string text) {
        m_text = std::move(text);
        m_textSet = true;
    }
    const std::string& GetText() const { return m_text; }
    bool IsTextSet() const { return m_textSet; }

private:
    std::string m_text;
    bool m_textSet = false;
};

} // namespace marquell
