// One program per user: a later start hands its command line to the running one, which
// runs it and comes to the front.
#include "shell/TembraApp.h"

#include "document/AppContext.h"
#include "document/DocFileRequests.h"
#include "document/TembraDoc.h"
#include "exchange/ExchangeStreams.h"
#include "exchange/QkrImport.h"
#include "exchange/SafetyAsciiExport.h"
#include "exchange/ui/FileOpenDlg.h"
#include "exchange/ui/InsertConfirmDlg.h"
#include "exchange/ui/InsertSelDlg.h"
#include "exchange/ui/QkrImportSelDlg.h"
#include "model/ui/AutoSaveDlg.h"
#include "model/ui/SearchUrlSetDlg.h"
#include "platform/Paths.h"
#include "platform/Profile.h"
#include "platform/RegKey.h"
#include "platform/SaveRequests.h"
#include "platform/Sjis.h"
#include "platform/StringTable.h"
#include "platform/qt/QtDC.h"
#include "platform/qt/QtFontCatalog.h"
#include "platform/qt/UserRuntimeFolder.h"
#include "print/ui/LayoutCopyDlg.h"
#include "print/ui/LayoutSelDlg.h"
#include "render/DrawSettings.h"
#include "shell/AboutDlg.h"
#include "shell/BitmapDlg.h"
#include "shell/ChartViewWindow.h"
#include "shell/ChartWindowFactory.h"
#include "shell/MainFrame.h"
#include "shell/MainStatusBar.h"
#include "shell/QtPrinterCatalog.h"
#include "shell/SingleInstance.h"
#include "shell/TembraAppInternal.h"
#include "shell/core/ChartDocuments.h"
#include "shell/core/CommandLineUi.h"
#include "shell/core/DocumentCommands.h"
#include "shell/core/FrameRules.h"
#include "shell/core/LayoutEditorCommand.h"
#include "shell/core/MenuTable.h"
#include "shell/core/OptionCommands.h"
#include "shell/core/StartupPlan.h"
#include "view/TembraFrame.h"
#include "view/TembraViewWnd.h"

#include <QAbstractEventDispatcher>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>

#include <algorithm>
#include <iostream>

namespace tembra {

using namespace appinternal;

bool CTembraApp::TakeInstance(const std::vector<std::string>& args, int& exitCode) {
    QString folder = QString::fromStdString(m_options.instanceFolder);
    if (folder.isEmpty()) {
        const RuntimeFolder found = FindUserRuntimeFolder();
        if (!found.refusal.isEmpty()) {
            AfxMessageBox(Sjis::FromUtf8(found.refusal.toStdString()), MB_OK | MB_ICONEXCLAMATION);
        }
        folder = found.path;
    }
    // Without a folder of the user's own there is no lock to share: this one runs by itself.
    if (folder.isEmpty()) {
        return true;
    }
    m_instance =
        std::make_unique<CSingleInstance>(QString::fromStdString(m_options.instanceName), folder);
    if (!m_instance->Acquire()) {
        QStringList handed;
        for (const std::string& arg : args) {
            handed << QString::fromStdString(arg);
        }
        const CSingleInstance::Answer answer = m_instance->PassOn(handed, QDir::currentPath());
        for (const QString& line : answer.messages) {
            if (m_options.commandLineMessages) {
                m_options.commandLineMessages(line.toStdString());
            }
        }
        exitCode = answer.exitCode;
        return false;
    }
    m_instance->SetHandler([this](const QStringList& handed, const QString& workingFolder) {
        return RunHandedCommandLine(handed, workingFolder);
    });
    return true;
}

CSingleInstance::Answer CTembraApp::RunHandedCommandLine(const QStringList& args,
                                                         const QString& folder) {
    std::vector<std::string> list;
    for (const QString& arg : args) {
        list.push_back(arg.toStdString());
    }
    CCommandLineInfo command;
    command.Parse(list);
    if (!command.m_strFileName.empty()) {
        // The later start's file names are its own working folder's.
        command.m_strFileName = QDir(folder)
                                    .absoluteFilePath(QString::fromStdString(command.m_strFileName))
                                    .toStdString();
    }
    RaiseMainWindow();
    CSingleInstance::Answer answer;
    switch (command.m_nShellCommand) {
    case CCommandLineInfo::FileOpen:
        answer.exitCode = OpenDocumentFile(command.m_strFileName) != nullptr ? 0 : 1;
        break;
    case CCommandLineInfo::FilePrint:
    case CCommandLineInfo::FilePrintTo: {
        // The messages of the print go back to the later start, which shows them; no box
        // here waits while it waits.
        CCommandLineUi collect(Ui(), [&answer](const std::string& line) {
            answer.messages << QString::fromStdString(line);
        });
        IUiServices* previous = SetUiServices(&collect);
        answer.exitCode = PrintFromCommandLine(command) ? 0 : 1;
        SetUiServices(previous);
        break;
    }
    default:
        break;
    }
    return answer;
}

void CTembraApp::RaiseMainWindow() {
    if (!m_mainFrame) {
        return;
    }
    if (m_mainFrame->isMinimized()) {
        m_mainFrame->showNormal();
    }
    m_mainFrame->raise();
    m_mainFrame->activateWindow();
}

} // namespace tembra
