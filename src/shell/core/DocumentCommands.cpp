#include "shell/core/DocumentCommands.h"

#include "document/AttrCommands.h"
#include "document/CommandIds.h"
#include "document/KouteiAttrCommands.h"
#include "document/TembraDoc.h"
#include "document/YogoAttrCommands.h"
#include "document/ZukeiAttrCommands.h"
#include "document/commands/DocCommandTable.h"
#include "document/commands/EditMenu.h"
#include "document/commands/KouteiMenu.h"
#include "document/commands/LayerMenu.h"
#include "document/commands/YogoMenu.h"
#include "document/commands/ZukeiMenu.h"

namespace tembra {

namespace {

// The layer bar's combo, which shows the layer of the selection.
constexpr UINT kLayerBarComboId = 1665;

// The attribute commands that carry their value (the text and the bar colour come from the term
// bar and are run there).
bool CarriesValue(const AttrCommand* command) {
    return command != nullptr && command->arg != AttrArg::Text && command->arg != AttrArg::BarColor;
}

} // namespace

bool CDocumentCommands::OnCommand(UINT id) {
    switch (id) {
    case ID_FILE_SAVE:
        m_document.OnFileSave();
        return true;
    case ID_FILE_SAVE_AS:
        m_document.OnFileSaveAs();
        return true;
    case ID_FILE_INSERT:
        if (HasDialog("InsertSelect")) {
            m_document.OnFileInsert();
        }
        return true;
    case ID_FILE_DATA_INFO:
        if (HasDialog("DataInfo")) {
            m_document.OnDataInfo();
        }
        return true;
    case ID_SELECT_ALL:
        OnEditSelectAll(m_document);
        return true;
    case ID_SET_INITIAL:
        m_document.GetDayCounting().OnSyokiSet();
        return true;
    case ID_SET_CALENDAR_MODE:
        m_document.GetDayCounting().OnChangeNobeReki();
        return true;
    case ID_SET_CALENDAR:
        if (HasDialog("CalendarSet")) {
            m_document.GetCalendarUpdate().OnCalendar();
        }
        return true;
    default:
        break;
    }
    if (const DocCommand* command = FindDocCommand(id)) {
        if (command->run != nullptr && (command->dialog == nullptr || HasDialog(command->dialog))) {
            command->run(m_document);
        }
        return true;
    }
    if (CarriesValue(FindAttrCommand(EventAttrCommands(), id))) {
        return m_document.GetEvents().OnEventAttrCommand(id) != FALSE;
    }
    if (CarriesValue(FindAttrCommand(KoumokuAttrCommands(), id))) {
        return m_document.GetKoumokuCells().OnKoumokuAttrCommand(id) != FALSE;
    }
    if (FindKouteiAttrCommand(id) != nullptr || FindLandShapeCommand(id) != nullptr) {
        return OnKouteiAttrCommand(m_document, id) != FALSE;
    }
    if (FindYogoAttrCommand(id) != nullptr) {
        return OnYogoAttrCommand(m_document, id) != FALSE;
    }
    if (FindZukeiAttrCommand(id) != nullptr) {
        return OnZukeiAttrCommand(m_document, id) != FALSE;
    }
    if (OnLayerCommand(m_document, id) != FALSE) {
        return true;
    }
    return false;
}

bool CDocumentCommands::OnUpdateCommand(CCmdUI& cmdUI) {
    switch (cmdUI.m_nID) {
    case ID_FILE_SAVE:
    case ID_FILE_SAVE_AS:
        cmdUI.Enable(TRUE);
        return true;
    case ID_FILE_INSERT:
        cmdUI.Enable(HasDialog("InsertSelect") ? TRUE : FALSE);
        return true;
    case ID_FILE_DATA_INFO:
        cmdUI.Enable(HasDialog("DataInfo") ? TRUE : FALSE);
        return true;
    case ID_SELECT_ALL:
        OnUpdateEditSelectAll(m_document, &cmdUI);
        return true;
    case ID_SET_INITIAL:
    case ID_SET_CALENDAR_MODE:
        cmdUI.Enable(TRUE);
        return true;
    case ID_SET_CALENDAR:
        m_document.GetCalendarUpdate().OnUpdateCalendar(&cmdUI);
        if (!HasDialog("CalendarSet")) {
            cmdUI.Enable(FALSE);
        }
        return true;
    default:
        break;
    }
    if (const DocCommand* command = FindDocCommand(cmdUI.m_nID)) {
        if (command->update != nullptr) {
            command->update(m_document, &cmdUI);
        }
        if (command->dialog != nullptr && !HasDialog(command->dialog)) {
            cmdUI.Enable(FALSE);
        }
        return true;
    }
    if (CarriesValue(FindAttrCommand(EventAttrCommands(), cmdUI.m_nID))) {
        m_document.GetEvents().UpdateEventAttrUI(&cmdUI);
        return true;
    }
    if (CarriesValue(FindAttrCommand(KoumokuAttrCommands(), cmdUI.m_nID))) {
        m_document.GetKoumokuCells().UpdateKoumokuAttrUI(&cmdUI);
        return true;
    }
    if (FindKouteiAttrCommand(cmdUI.m_nID) != nullptr) {
        m_document.UpdateKouteiAttrUI(&cmdUI);
        return true;
    }
    if (FindLandShapeCommand(cmdUI.m_nID) != nullptr) {
        m_document.UpdateLandAttrUI(&cmdUI);
        return true;
    }
    if (const YogoAttrCommand* command = FindYogoAttrCommand(cmdUI.m_nID)) {
        // 1. 全解除 has no update handler.
        if (!(command->arg == YogoAttrArg::Flags && command->value == 0)) {
            m_document.GetTerms().UpdateYogoAttrUI(&cmdUI);
        }
        return true;
    }
    if (FindZukeiAttrCommand(cmdUI.m_nID) != nullptr) {
        UpdateZukeiAttrUI(m_document, &cmdUI);
        return true;
    }
    if (cmdUI.m_nID >= ID_LAYER_0 && cmdUI.m_nID < ID_LAYER_0 + CLayerSet::kLayerCount) {
        OnUpdateLayerCommand(m_document, &cmdUI);
        return true;
    }
    if (cmdUI.m_nID == kLayerBarComboId) {
        OnUpdateLayerCombo(m_document);
        cmdUI.Enable(TRUE);
        return true;
    }
    return false;
}

} // namespace tembra
