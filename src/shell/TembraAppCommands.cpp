// The application's own commands: options, about, opening, the recent files and the layout
// editor.
#include "shell/TembraApp.h"

#include "document/CommandIds.h"
#include "document/TembraDoc.h"
#include "exchange/QkrImport.h"
#include "exchange/SafetyAsciiExport.h"
#include "model/OptionDialogRequest.h"
#include "model/SearchUrlRequest.h"
#include "platform/Paths.h"
#include "shell/AboutDlg.h"
#include "shell/ChartViewWindow.h"
#include "shell/ChartWindowFactory.h"
#include "shell/FloatWnd.h"
#include "shell/MainFrame.h"
#include "shell/TembraAppInternal.h"
#include "shell/core/ChartDocuments.h"
#include "shell/core/DocumentCommands.h"
#include "shell/core/LayoutEditorCommand.h"
#include "shell/core/MenuTable.h"
#include "shell/core/OptionCommands.h"
#include "view/TembraFrame.h"
#include "view/TembraViewWnd.h"

#include <QAction>

#include <algorithm>
#include <iostream>

namespace tembra {

using namespace appinternal;

void CTembraApp::AddAppCommands() {
    const auto canRun = [this](const char* dialog) {
        return [this, dialog](CCmdUI& ui) {
            ui.Enable(m_options.ui != nullptr || m_qtUi.HasDialog(dialog));
        };
    };
    m_commands.On(ID_APP_ABOUT, [this] { OnAbout(); });
    m_commands.On(ID_FILE_NEW, [this] { NewDocument(); });
    m_commands.On(ID_FILE_OPEN, [this] { OnFileOpen(); });
    // The converting opens are the document's commands: there while a chart is.
    const auto whileChart = [this](CCmdUI& ui) {
        ui.Enable(ActiveDocument() != nullptr ? TRUE : FALSE);
    };
    m_commands.On(
        ID_FILE_OPEN_AS_SAFETY, [this] { OpenConverting(1); }, whileChart);
    m_commands.On(
        ID_FILE_OPEN_AS_MONTHLY_SAFETY, [this] { OpenConverting(2); }, whileChart);
    // The ASCII import and export of the active chart.
    m_commands.On(
        ID_FILE_READ_QKR_ASCII,
        [this] {
            if (CTembraDoc* document = ActiveDocument()) {
                OnQkrAsciiImport(*document);
            }
        },
        whileChart);
    m_commands.On(
        ID_FILE_WRITE_SAFETY_ASCII,
        [this] {
            if (CTembraDoc* document = ActiveDocument()) {
                OnSafetyAsciiExport(*document);
            }
        },
        whileChart);
    for (int i = 0; i < kRecentFileCount; ++i) {
        m_commands.On(
            ID_FILE_MRU_FILE1 + static_cast<UINT>(i), [this, i] { OnOpenRecent(i); },
            [this, i](CCmdUI& ui) {
                ui.Enable(i < static_cast<int>(m_recent.Paths().size()) ? TRUE : FALSE);
            });
    }
    m_commands.On(ID_APP_EXIT, [this] {
        if (m_mainFrame) {
            m_mainFrame->close();
        }
    });
    for (const OptionCommand& command : OptionCommands()) {
        const UINT id = command.id;
        m_commands.On(
            id, [this, id] { OnOptionCommand(id); }, canRun(command.dialog));
    }
    m_commands.On(
        ID_OPTION_CALENDAR,
        [this] {
            OptionDialogRequest request("SpecialHolidays", &m_config);
            Ui().RunDialog(request);
        },
        canRun("SpecialHolidays"));
    m_commands.On(
        ID_FULL_SCROLL, [this] { m_bHalfScroll = FALSE; },
        [this](CCmdUI& ui) { ui.SetCheck(m_bHalfScroll == FALSE ? 1 : 0); });
    m_commands.On(
        ID_HALF_SCROLL, [this] { m_bHalfScroll = TRUE; },
        [this](CCmdUI& ui) { ui.SetCheck(m_bHalfScroll != FALSE ? 1 : 0); });
    m_commands.On(ID_LAYOUT_EDIT, [this] { OnLayoutEditor(); });
    m_commands.On(ID_AUTO_SAVE, [this] { RunAutoSaveCommand(m_config, m_timeLastAutoSave); });
    m_commands.On(
        ID_TOOLBAR_EDIT,
        [this] {
            OptionDialogRequest request("ToolBarSettings", &m_config);
            if (Ui().RunDialog(request) == IDOK) {
                m_toolBars.LoadToolBarSettings(0xFFFF, FALSE);
            }
            if (m_mainFrame) {
                m_mainFrame->RecreateBars();
            }
        },
        canRun("ToolBarSettings"));
    m_commands.On(
        ID_LAYOUT_COPY,
        [this] {
            OptionDialogRequest request("LayoutCopy", &m_config);
            Ui().RunDialog(request);
        },
        canRun("LayoutCopy"));
    m_commands.On(ID_YOGO_ONLINE_SEARCH, [] {
        SearchUrlRequest request;
        Ui().RunDialog(request);
    });
    m_commands.On(
        ID_DUTY_WORKERS,
        [this] {
            OptionDialogRequest request("DutyStaff", &m_config);
            Ui().RunDialog(request);
        },
        canRun("DutyStaff"));
}

void CTembraApp::OnOptionCommand(UINT id) {
    const OptionCommand* command = FindOptionCommand(id);
    if (command == nullptr) {
        return;
    }
    const std::optional<unsigned> after = RunOptionCommand(*command, m_config);
    if (!after) {
        return;
    }
    ApplySettings();
    if (!m_mainFrame) {
        return;
    }
    if ((*after & kAfterRecreateBars) != 0) {
        m_mainFrame->RecreateBars();
    }
    if ((*after & kAfterRepaint) != 0) {
        // The chart windows paint from a picture of their own: it is drawn anew, so that a
        // setting of the look (the black background) shows at once.
        for (CTembraViewWnd* pane : m_mainFrame->findChildren<CTembraViewWnd*>()) {
            pane->InvalidateRect(nullptr, true);
        }
        m_mainFrame->update();
        for (QWidget* child : m_mainFrame->findChildren<QWidget*>()) {
            child->update();
        }
        m_mainFrame->repaint();
        if (CFloatWnd* overview = m_mainFrame->FloatWnd(); overview != nullptr) {
            overview->Refresh();
        }
    }
}

void CTembraApp::OnAbout() {
    CAboutDlg dialog(m_mainFrame.get());
    dialog.exec();
}

void CTembraApp::OnFileOpen() {
    std::string path;
    if (DoFileDialog(path, IDS_OPENFILE, true, false)) {
        OpenDocumentFile(path);
    }
}

void CTembraApp::OnOpenRecent(int index) {
    if (index < 0 || index >= static_cast<int>(m_recent.Paths().size())) {
        return;
    }
    const std::string path = m_recent.Paths()[static_cast<std::size_t>(index)];
    if (OpenDocumentFile(path) == nullptr) {
        m_recent.Remove(index);
        UpdateRecentFileMenu();
    }
}

void CTembraApp::UpdateRecentFileMenu() {
    if (!m_mainFrame) {
        return;
    }
    for (int i = 0; i < kRecentFileCount; ++i) {
        QAction* action = m_mainFrame->Action(ID_FILE_MRU_FILE1 + static_cast<UINT>(i));
        if (action == nullptr) {
            continue;
        }
        const bool used = i < static_cast<int>(m_recent.Paths().size());
        if (used) {
            action->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(
                QString::fromStdString(m_recent.Paths()[static_cast<std::size_t>(i)])));
        }
        // The first entry stays as the empty list's placeholder.
        action->setVisible(used || i == 0);
        if (!used && i == 0) {
            action->setText(QString::fromUtf8("最近使ったファイル"));
        }
    }
}

void CTembraApp::OnLayoutEditor() {
    std::optional<int> paper;
    if (CTembraDoc* document = ActiveDocument()) {
        paper = document->GetSyokiSet().GetPageSetting().GetPaper();
    }
    RunLayoutEditorCommand(m_options.programFolder, m_config.GetPath().GetFolder(), paper,
                           [this](const ProcessCommand& command) {
                               return m_options.startProcess(command.program, command.args);
                           });
}

} // namespace tembra
