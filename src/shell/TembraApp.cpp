#include "shell/TembraApp.h"
#include "automation/SettingsChanges.h"
#include "automation/dbus/AutomationBus.h"
#include "automation/dbus/AutomationCharts.h"

#include "document/AppContext.h"
#include "exchange/ExchangeStreams.h"
#include "platform/Paths.h"
#include "platform/RegKey.h"
#include "platform/Sjis.h"
#include "platform/qt/QtDC.h"
#include "platform/qt/QtFontCatalog.h"
#include "render/DrawSettings.h"
#include "shapes/ui/ZukeiEditCtrl.h"
#include "shell/BitmapDlg.h"
#include "shell/ChartViewWindow.h"
#include "shell/ChartWindowFactory.h"
#include "shell/MainFrame.h"
#include "shell/QtPrinterCatalog.h"
#include "shell/TembraAppInternal.h"
#include "shell/core/CommandLineUi.h"
#include "shell/core/StartupPlan.h"
#include "view/TembraFrame.h"
#include "view/TembraViewWnd.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QMetaObject>
#include <QProcess>

#include <algorithm>
#include <cstdio>
#include <iostream>

namespace tembra {

using namespace appinternal;

CTembraApp::CTembraApp(Options options)
    : m_options(std::move(options)), m_router([this] {
          std::vector<ICommandTarget*> chain;
          if (IChartWindow* chart = ActiveChart()) {
              chain.push_back(chart->Commands());
              if (Chart* entry = FindChart(&chart->Document())) {
                  chain.push_back(entry->commands.get());
              }
          }
          if (m_mainFrame) {
              chain.push_back(&m_mainFrame->Commands());
          }
          chain.push_back(&m_commands);
          return chain;
      }) {
    if (!m_options.ticks) {
        auto clock = std::make_shared<QElapsedTimer>();
        clock->start();
        m_options.ticks = [clock] { return static_cast<std::int64_t>(clock->elapsed()); };
    }
    if (!m_options.ctrlDown) {
        m_options.ctrlDown = [] {
            return (QGuiApplication::queryKeyboardModifiers() & Qt::ControlModifier) != 0;
        };
    }
    if (!m_options.startProcess) {
        m_options.startProcess = [](const std::string& program,
                                    const std::vector<std::string>& args) {
            QStringList list;
            for (const std::string& a : args) {
                list << QString::fromStdString(a);
            }
            return QProcess::startDetached(QString::fromStdString(program), list);
        };
    }
    if (!m_options.commandLineMessages) {
        m_options.commandLineMessages = [](const std::string& line) {
            std::cerr << "tembra: " << line << std::endl;
        };
    }
    if (!m_options.quit) {
        m_options.quit = [](int status) {
            QMetaObject::invokeMethod(
                QCoreApplication::instance(), [status] { QCoreApplication::exit(status); },
                Qt::QueuedConnection);
        };
    }
    if (m_options.programFolder.empty()) {
        m_options.programFolder = QCoreApplication::applicationDirPath().toStdString();
    }
    if (m_options.charts == nullptr) {
        m_ownCharts = std::make_unique<CChartViewFactory>(*this);
    }
    m_chartFactory = m_options.charts != nullptr ? m_options.charts : m_ownCharts.get();
    if (m_options.printers == nullptr) {
        m_ownPrinters = std::make_unique<CQtPrinterCatalog>();
    }
    m_printerSelection = std::make_unique<CPrinterSelection>(
        m_options.printers != nullptr ? *m_options.printers : *m_ownPrinters);
    InstallDialogs();
    InstallAutoSaveHooks();
    // Framed texts are typed into in edit windows over the chart windows.
    InstallZukeiEditWndFactory();
    AddAppCommands();
}

CTembraApp::~CTembraApp() {
    // The chart windows go before the frame that shows them.
    while (!m_openCharts.empty()) {
        RemoveChart(m_openCharts.back().get());
    }
    m_splash.reset();
    m_mainFrame.reset();
    m_context.reset();
}

std::optional<int> CTembraApp::InitInstance(const std::vector<std::string>& args, UINT showCmd) {
    InstallFontSubstitutions();
    m_fonts = std::make_unique<CQtFontCatalog>();
    AppContext context;
    context.config = &m_config;
    context.state = &m_state;
    CCommandLineInfo command;
    command.Parse(args);
    IUiServices& ui = m_options.ui != nullptr ? *m_options.ui : m_qtUi;
    // A print from the command line has nobody to click its boxes.
    if (command.m_nShellCommand == CCommandLineInfo::FilePrint ||
        command.m_nShellCommand == CCommandLineInfo::FilePrintTo) {
        m_commandLineUi = std::make_unique<CCommandLineUi>(ui, m_options.commandLineMessages);
    }
    context.ui = m_commandLineUi ? m_commandLineUi.get() : &ui;
    context.screenDC = [] { return std::unique_ptr<CDC>(CQtDC::ForScreen()); };
    context.fonts = m_fonts.get();
    context.foreignStreams = &ExchangeStreams();
    m_context = std::make_unique<ScopedAppContext>(std::move(context));
    // The view the documents act on: the active pane of the active chart window.
    m_state.SetActiveViewSource([this]() -> CView* {
        auto* window = dynamic_cast<CChartViewWindow*>(ActiveChart());
        CTembraFrame* frame = window != nullptr ? window->Frame() : nullptr;
        CTembraViewWnd* pane = frame != nullptr ? frame->ActivePane() : nullptr;
        return pane != nullptr ? &pane->View() : nullptr;
    });

    // The program folder, for the programs that look for it in the program's own key.
    if (GetRegString("Settings", "Path", "").empty()) {
        WriteRegString("Settings", "Path", Sjis::FromUtf8(Paths::GetExeDirFile()).c_str());
    }

    const CTime now = CTime::GetCurrentTime();
    m_config.Read(TRUE);
    ApplySettings();
    const StartupPlan plan = PlanStartup(now, m_config.GetKikan(), command,
                                         showCmd == SW_SHOWMINIMIZED || showCmd == SW_MINIMIZE);
    // Started for other programs: one program serves them all.
    if (plan.automation && !StartAutomationBus(true)) {
        std::fprintf(stderr, "tembra: another program serves %s on the session bus\n",
                     CAutomationBus::kService);
        return 1;
    }
    if (plan.warnDate) {
        AfxMessageBox(IDS_BAD_SYSTEM_DATE, MB_OK | MB_ICONEXCLAMATION);
    }
    // One instance a user: a later one hands its command line to the first, before it shows
    // anything of its own.
    if (plan.singleInstance) {
        int handedExit = 0;
        if (!TakeInstance(args, handedExit)) {
            return handedExit;
        }
        // Only the user's one program keeps the backup log: a second one that set it aside
        // here would have the first's copies deleted at its exit.
        m_ownsProgramFiles = true;
        m_state.PrepareBackupFolder();
        // The name may be held by a program started for clients: then that one serves them.
        if (m_options.serveSessionBus) {
            StartAutomationBus(false);
        }
    }

    m_toolBars.LoadToolBarSettings(0xFFFF, FALSE);
    if (m_config.GetAutoSaveTime() > 0) {
        m_timeLastAutoSave = now;
    }
    m_recent.ReadList();

    m_mainFrame = std::make_unique<CMainFrame>(*this);
    if (!m_mainFrame->Create(m_options.ctrlDown())) {
        return 1;
    }
    m_qtUi.SetParentWindow(m_mainFrame.get());
    m_qtUi.SetModeChangedHandler([this] {
        if (m_mainFrame) {
            m_mainFrame->OnModeChanged();
        }
        // A gesture of a chart view running under the old mode or operation ends.
        for (const auto& chart : m_openCharts) {
            for (const ChartWindow& w : chart->windows) {
                w.window->OnModeChanged();
            }
        }
    });
    UpdateRecentFileMenu();

    const UINT show = command.m_bRunEmbedded ? SW_HIDE : showCmd;
    if (command.m_bRunEmbedded) {
        AfxMessageBox(Sjis::FromUtf8(kNoEmbedding), MB_OK | MB_ICONSTOP);
        return 1;
    }
    m_mainFrame->RestoreWindowPlacement(show);
    if (plan.automation) {
        // Auto-save stays off while the program serves another one; the profile keeps its own.
        m_config.SetAutoSaveTime(-1);
        return std::nullopt;
    }

    switch (command.m_nShellCommand) {
    case CCommandLineInfo::FileNew:
        NewDocument();
        break;
    case CCommandLineInfo::FileOpen:
        if (OpenDocumentFile(command.m_strFileName) == nullptr) {
            return 1;
        }
        break;
    case CCommandLineInfo::FilePrint:
    case CCommandLineInfo::FilePrintTo:
        // The chart printed without the dialog, then the program ends.
        return PrintFromCommandLine(command) ? 0 : 1;
    case CCommandLineInfo::AppUnregister:
        return 0;
    case CCommandLineInfo::FileDDE:
    case CCommandLineInfo::FileNothing:
        break;
    }

    if (plan.splash && !m_mainFrame->isMinimized()) {
        m_splash = std::make_unique<CBitmapDlg>(m_mainFrame.get());
        m_splash->ShowNow();
    }
    m_splashStart = m_options.ticks();
    if (plan.recovery && m_hooks.recover) {
        m_hooks.recover();
    }
    m_mainFrame->TileHorizontally();
    m_mainFrame->repaint();
    m_mainFrame->ShowPaletteAndFunctionBar();
    return std::nullopt;
}

int CTembraApp::ExitInstance() {
    m_state.ClearObjectClipboard();
    m_state.ClearProcessInfoList();
    m_state.ClearCellClipboard();
    // The copies and the log of a program that runs on are not this process's to remove.
    if (m_ownsProgramFiles) {
        if (m_hooks.removeAll) {
            m_hooks.removeAll();
        }
        m_state.PurgeOldBackups();
    }
    m_recent.WriteList();
    return 0;
}

void CTembraApp::ApplySettings() {
    ApplyAppDrawSettings();
}

} // namespace tembra
