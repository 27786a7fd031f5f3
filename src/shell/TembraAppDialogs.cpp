// The file dialog, the save questions and the dialogs the application answers requests with.
#include "shell/TembraApp.h"

#include "dialogs/attributes/RegisterAttributeDialogs.h"
#include "dialogs/settings/RegisterSettingsDialogs.h"
#include "document/AppContext.h"
#include "document/DocFileRequests.h"
#include "document/TembraDoc.h"
#include "exchange/QkrImport.h"
#include "exchange/SafetyAsciiExport.h"
#include "exchange/ui/FileOpenDlg.h"
#include "exchange/ui/RegisterExchangeDialogs.h"
#include "model/ui/RegisterModelDialogs.h"
#include "platform/PopupMenuRequest.h"
#include "platform/SaveRequests.h"
#include "platform/StringTable.h"
#include "platform/qt/RegisterPlatformDialogs.h"
#include "print/ui/RegisterPrintDialogs.h"
#include "render/ui/RegisterRenderDialogs.h"
#include "safety/ui/RegisterSafetyDialogs.h"
#include "shell/ChartViewWindow.h"
#include "shell/ChartWindowFactory.h"
#include "shell/FloatWndSetDlg.h"
#include "shell/MainFrame.h"
#include "shell/OwnerDrawMenu.h"
#include "shell/TembraAppInternal.h"
#include "shell/ToolbarSetDlg.h"
#include "shell/VrPrintSheet.h"
#include "shell/core/ChartDocuments.h"
#include "shell/core/DocumentCommands.h"
#include "shell/core/LayoutEditorCommand.h"
#include "shell/core/OptionCommands.h"
#include "view/TembraFrame.h"
#include "view/TembraViewWnd.h"

#include <QDir>

#include <algorithm>
#include <iostream>

namespace tembra {

using namespace appinternal;

BOOL CTembraApp::DoFileDialog(std::string& path, UINT titleId, bool open, bool writeProtected) {
    const QString remembered = QDir::currentPath();
    // Never the program's own data folder: it is hidden, and the user's charts are not there.
    const std::string start = StartFolder(m_strLastFolder, DocumentsFolder());
    if (!start.empty()) {
        QDir::setCurrent(QString::fromStdString(start));
    }

    CFileOpenDlg dialog(open, m_mainFrame.get());
    dialog.setWindowTitle(QString::fromStdString(LoadStringUtf8(titleId)));
    dialog.SetSameNameRefusal(!open && writeProtected);
    const std::vector<FileFilter> filters = BuildFileFilters(open, m_fileFlags);
    QStringList names;
    for (const FileFilter& f : filters) {
        names << QString::fromStdString(f.description);
    }
    dialog.setNameFilters(names);
    if (!filters.front().defaultExt.empty()) {
        dialog.setDefaultSuffix(QString::fromStdString(filters.front().defaultExt));
    } else if (!open) {
        dialog.setDefaultSuffix(QStringLiteral("tbr"));
    }
    const auto [folder, file] = SplitAtLastSlash(path);
    dialog.SetInitialName(QString::fromStdString(folder.empty() ? start : folder),
                          QString::fromStdString(file));

    const bool chosen = dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty();
    if (chosen) {
        path = dialog.selectedFiles().first().toStdString();
        m_strLastFolder = SplitAtLastSlash(path).first;
        if (!open) {
            const int index = static_cast<int>(names.indexOf(dialog.selectedNameFilter())) + 1;
            m_state.SetSaveVersion(SaveVersionForFilter(index));
        }
    }
    if (m_mainFrame) {
        m_mainFrame->repaint();
    }
    QDir::setCurrent(remembered);
    return chosen ? TRUE : FALSE;
}

int CTembraApp::RunFileDialog(DialogRequest& request) {
    auto& ask = static_cast<FileDialogRequest&>(request);
    std::string path = ask.path;
    m_fileFlags.asd = ask.filter == FileDialogRequest::Filter::QkrAscii;
    m_fileFlags.akd = ask.filter == FileDialogRequest::Filter::SafetyAscii;
    if (!DoFileDialog(path, ask.titleId, ask.open, ask.writeProtected)) {
        return IDCANCEL;
    }
    ask.path = path;
    return IDOK;
}

int CTembraApp::AskSaveChanges(DialogRequest& request) {
    auto& ask = static_cast<SaveChangesRequest&>(request);
    ask.answer = AfxMessageBox(FormatString(LoadString(IDP_ASK_TO_SAVE), {ask.title}),
                               MB_YESNOCANCEL | MB_ICONEXCLAMATION);
    return IDOK;
}

int CTembraApp::AskSaveAs(DialogRequest& request) {
    auto& ask = static_cast<SaveAsRequest&>(request);
    std::string path = ask.path;
    const bool readOnly = m_asking != nullptr && m_asking->IsReadOnly();
    if (!DoFileDialog(path, IDS_SAVEFILE, false, readOnly)) {
        return IDCANCEL;
    }
    ask.path = path;
    return IDOK;
}

void CTembraApp::InstallDialogs() {
    // The program's own dialogs.
    m_qtUi.Register("SaveChanges", [this](DialogRequest& r) { return AskSaveChanges(r); });
    m_qtUi.Register("SaveAs", [this](DialogRequest& r) { return AskSaveAs(r); });
    m_qtUi.Register("FileDialog", [this](DialogRequest& r) { return RunFileDialog(r); });
    // The context menus and drop-downs; the chosen command is posted by the one who asked.
    m_qtUi.Register("PopupMenu", [menu = COwnerDrawMenu({[this] { return m_mainFrame.get(); },
                                                         [this] { UpdateCommandStates(); },
                                                         [this](UINT id) {
                                                             return m_router.Update(id);
                                                         }})](DialogRequest& r) mutable {
        return menu.Run(static_cast<PopupMenuRequest&>(r));
    });
    m_qtUi.SetCommandHandler([this](UINT id) { m_router.Execute(id); });
    CVrPrintSheet::Register(m_qtUi);
    CFloatWndSetDlg::Register(m_qtUi);
    CToolbarSetDlg::Register(m_qtUi, m_toolBars, [this] {
        if (m_mainFrame) {
            m_mainFrame->RecreateBars();
        }
    });
    // Each dialog library registers its own dialogs, once.
    RegisterPlatformDialogs(m_qtUi);
    RegisterModelDialogs(m_qtUi);
    RegisterExchangeDialogs(m_qtUi);
    RegisterAttributeDialogs(m_qtUi);
    RegisterSettingsDialogs(m_qtUi);
    RegisterSafetyDialogs(m_qtUi);
    RegisterRenderDialogs(m_qtUi);
    RegisterPrintDialogs(m_qtUi, m_config, [this] {
        std::vector<std::string> inUse;
        for (CTembraDoc* document : Documents()) {
            inUse.push_back(document->GetSyokiSet().GetPath().GetLayoutFileName());
        }
        return inUse;
    });
}

} // namespace tembra
