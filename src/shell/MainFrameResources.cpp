// The frame's modeless windows of the settings library: the resource windows, which follow the
// active chart's mode, and the term list of command ID_VIEW_YOGO_LIST, whose joined text replaces
// the term bar's text.
#include "dialogs/settings/YogoListDlg.h"
#include "dialogs/settings/core/YogoList.h"
#include "document/CommandIds.h"
#include "model/ConfigPath.h"
#include "shell/MainFrame.h"
#include "shell/ResourceWindows.h"
#include "shell/TembraApp.h"

namespace tembra {

void CMainFrame::UpdateResourceWindows(CTembraDoc* document) {
    if (m_resourceWindows != nullptr) {
        m_resourceWindows->Update(document, isMinimized());
    }
}

void CMainFrame::AddYogoListCommand() {
    // Made and shown on the first use, then shown and hidden in turn.
    m_commands.On(
        ID_VIEW_YOGO_LIST,
        [this] {
            if (m_yogoListDlg == nullptr) {
                m_yogoListDlg = new CYogoListDlg(
                    LocateYogoFile(ConfigPathToFs(m_app.Config().GetPath().GetYogoFilePath())),
                    [this](int mode, const std::string& text) { OnYogoInput(mode, text); }, this);
                m_yogoListDlg->Open();
                m_yogoListDlg->show();
                return;
            }
            m_yogoListDlg->setVisible(!m_yogoListDlg->isVisible());
        },
        [this](CCmdUI& ui) {
            ui.SetCheck(m_yogoListDlg != nullptr && m_yogoListDlg->isVisible());
        });
}

} // namespace tembra
