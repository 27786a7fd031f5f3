// The term bar's history between runs and its edit field's way to the active chart: the history
// file is read when the bar is made and rewritten when the frame closes; ID_VIEW_CLEAR_YOGO_HISTORY
// empties the list after asking; Delete in the field may delete the selected chart objects; Enter
// in the item bar stores the typed name.
#include "document/CommandIds.h"
#include "document/TembraDoc.h"
#include "model/ConfigBase.h"
#include "model/ConfigPath.h"
#include "platform/Ui.h"
#include "shell/MainFrame.h"
#include "shell/TembraApp.h"
#include "shell/YogoBar.h"

namespace tembra {

namespace {

constexpr UINT kAskClearYogoHistory = 5087; // "用語履歴をクリアします"
// The term bar laid out as the item bar (object mode 0).
constexpr int kItemBarKind = 2;

} // namespace

void CMainFrame::LoadYogoHistory() {
    if (m_yogoBar != nullptr) {
        m_yogoBar->LoadHistory(ConfigPathToFs(m_app.Config().GetPath().GetHistoryFilePath()));
    }
}

void CMainFrame::SaveYogoHistory() {
    if (m_yogoBar != nullptr) {
        // A file that cannot be written keeps the last run's history; closing goes on.
        m_yogoBar->SaveHistory(ConfigPathToFs(m_app.Config().GetPath().GetHistoryFilePath()));
    }
}

void CMainFrame::AddYogoHistoryCommands() {
    m_commands.On(ID_VIEW_CLEAR_YOGO_HISTORY, [this] {
        if (AfxMessageBox(kAskClearYogoHistory, MB_YESNO) == IDYES && m_yogoBar != nullptr) {
            m_yogoBar->ClearHistory();
        }
    });
}

void CMainFrame::ConnectYogoEdit() {
    if (m_yogoBar == nullptr) {
        return;
    }
    CYogoEdit* edit = m_yogoBar->Edit();
    edit->SetOperationSource([this]() -> const COperationState* {
        CTembraDoc* document = m_app.ActiveDocument();
        return document != nullptr ? &document->GetOperation() : nullptr;
    });
    edit->SetDeleteCommand([this] { m_app.Router().Execute(ID_EDIT_DELETE); });
    // In the item bar Enter stores the typed name in the cell, as its 文字修正 button does.
    edit->SetEnterCommand([this] {
        if (m_nYogoBarKind != kItemBarKind) {
            return false;
        }
        m_app.Router().Execute(ID_KOUMOKU_TEXT_EDIT);
        return true;
    });
}

} // namespace tembra
