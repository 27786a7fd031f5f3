#include "shell/core/DocumentCommands.h"

#include "document/AttrCommands.h"
#include "document/TembraDoc.h"

namespace tembra {

namespace {

// The attribute commands that carry their value (the text and the bar colour come from the term
// bar and are run there).
bool CarriesValue(const AttrCommand* command) {
    return command != nullptr && command->arg != AttrArg::Text && command->arg != AttrArg::BarColor;
}

} // namespace

bool CDocumentCommands::OnCommand(UINT id) {
    if (CarriesValue(FindAttrCommand(EventAttrCommands(), id))) {
        return m_document.OnEventAttrCommand(id) != FALSE;
    }
    if (CarriesValue(FindAttrCommand(KoumokuAttrCommands(), id))) {
        return m_document.OnKoumokuAttrCommand(id) != FALSE;
    }
    return false;
}

bool CDocumentCommands::OnUpdateCommand(CCmdUI& cmdUI) {
    if (CarriesValue(FindAttrCommand(EventAttrCommands(), cmdUI.m_nID))) {
        m_document.UpdateEventAttrUI(&cmdUI);
        return true;
    }
    if (CarriesValue(FindAttrCommand(KoumokuAttrCommands(), cmdUI.m_nID))) {
        m_document.UpdateKoumokuAttrUI(&cmdUI);
        return true;
    }
    return false;
}

} // namespace tembra
