// One program per user: a later start hands its command line to the running one, which
// runs it and comes to the front.
#include "shell/TembraApp.h"

#include "document/AppContext.h"
#include "platform/Sjis.h"
#include "platform/qt/UserRuntimeFolder.h"
#include "shell/ChartViewWindow.h"
#include "shell/MainFrame.h"
#include "shell/SingleInstance.h"
#include "shell/TembraAppInternal.h"
#include "shell/core/CommandLineInfo.h"
#include "shell/core/CommandLineUi.h"
#include "view/TembraFrame.h"

#include <QDir>

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
