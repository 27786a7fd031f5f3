// The application object of Tembra: it starts the program (settings, the shared services, the
// main frame, the single-instance test, the splash, the recovery of auto-saved work), opens the
// charts in MDI windows, owns the settings, the application state and the tool-bar button sets,
// runs the application's commands and brings every command's menu and bar state up to date when
// the program idles.
//
// The chart windows come from a factory (the chart views in their child frames). The
// auto-save run, the recovery of auto-saved work and the removal of its files are hooks, which the
// application fills with the application state's own (CAppState::AutoSave and its kin); a test
// may put others in their place.
#pragma once

#include "document/AppState.h"
#include "model/ConfigBase.h"
#include "platform/Time.h"
#include "platform/Types.h"
#include "shell/QtUiServices.h"
#include "shell/SingleInstance.h"
#include "shell/core/CommandRouter.h"
#include "shell/core/FileDialogPlan.h"
#include "shell/core/FramePositions.h"
#include "shell/core/RecentFileList.h"
#include "shell/core/ToolBarSets.h"
#include "view/core/PrinterSelection.h"

#include <QObject>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QMdiSubWindow;

namespace tembra {

class CAutomationBus;
class IAutomationCharts;
class ISettingsChanges;

class CBitmapDlg;
class CCommandLineInfo;
class CMainFrame;
class CTembraDoc;
class IChartWindow;
class IChartWindowFactory;
class IFontCatalog;
class ScopedAppContext;

// The document files' part of the application (each does nothing while it is empty).
struct AutoSaveHooks {
    // One auto-save run over the open charts.
    std::function<void()> autoSave;
    // Auto-saved work of an earlier run: offer it and open it again; returns whether there was.
    std::function<bool()> recover;
    // A normal exit removes the auto-saved copies.
    std::function<void()> removeAll;
};

class CTembraApp : public QObject {
    Q_OBJECT
public:
    // What a test (or the program) puts in place of the defaults.
    struct Options {
        IUiServices* ui = nullptr;             // default: the Qt message boxes and dialogs
        IChartWindowFactory* charts = nullptr; // default: the chart views
        IPrinterCatalog* printers = nullptr;   // default: Qt's printers and the PDF printer
        std::function<bool()> ctrlDown;        // default: the keyboard's Ctrl key
        std::function<std::int64_t()> ticks;   // default: milliseconds of a steady clock
        std::function<bool(const std::string& program, const std::vector<std::string>& args)>
            startProcess; // default: started detached
        // The folder of the single-instance lock and socket; empty: the user's runtime folder.
        std::string instanceFolder;
        // The executable's base name (the lock's and the socket's name).
        std::string instanceName = "tembra";
        // The folder of the executable (where the layout editor lies).
        std::string programFolder;
        // Where the messages of a print from the command line go, one line each (UTF-8, its
        // string-table id first); default: standard error.
        std::function<void(const std::string& line)> commandLineMessages;
        // The user's program serves other programs on the session bus too (the program's own
        // start turns this on; a program started for them always does).
        bool serveSessionBus = false;
        // How long a program started for clients waits, holding no chart, for their next call.
        int automationQuietMs = 60000;
        // Ends the program with the status once the current event has been handled; default:
        // the application's event loop ends.
        std::function<void(int status)> quit;
    };

    explicit CTembraApp(Options options);
    ~CTembraApp() override;

    // The start; nothing to run the program, else the exit status. showCmd is the window's
    // requested show command.
    std::optional<int> InitInstance(const std::vector<std::string>& args,
                                    UINT showCmd = SW_SHOWNORMAL);
    // The end: the clipboards emptied, the auto-saved copies removed.
    int ExitInstance();
    // Idle time: the splash goes after its 3000 ms, then the hover re-evaluation of the chart
    // windows; every command's state is brought up to date. True while more idle time is wanted
    // (the splash is still up).
    bool OnIdle();
    // The one pass over every command's action: enabled and checked by its update handler.
    void UpdateCommandStates();
    // Runs OnIdle whenever the event loop is about to wait after input came (so nothing is
    // waiting, and the states catch up with what the input changed).
    void StartIdleProcessing();

    // ---- Charts ---------------------------------------------------------------------------------
    // Opens a chart in a new window; then every other chart that is not modified and holds
    // nothing is closed and, when one was, the windows are tiled. Null when it could not be read.
    CTembraDoc* OpenDocumentFile(const std::string& path);
    // The open converting a chart to the safety-and-health plan's layout (kind 1, command
    // ID_FILE_OPEN_AS_SAFETY) or the monthly plan's (kind 2, command
    // ID_FILE_OPEN_AS_MONTHLY_SAFETY): the file dialog names the file.
    void OpenConverting(int kind);
    CTembraDoc* NewDocument();
    // Another window on the active chart.
    void NewWindow();
    // Closes a chart and its windows after asking to save its changes; false when kept.
    bool CloseDocument(CTembraDoc* document);
    bool CloseAllDocuments();
    // The document may go: its changes saved or given up, asking the user when it is modified.
    bool MayClose(CTembraDoc* document);
    std::vector<CTembraDoc*> Documents() const;
    IChartWindow* ActiveChart() const;
    CTembraDoc* ActiveDocument() const;

    // ---- The file dialog --------------------------------------------------------------------
    // The open or save dialog: path in as the proposal, out as the choice (file-system text).
    // A save dialog with writeProtected refuses the proposal itself. TRUE when a file was chosen.
    BOOL DoFileDialog(std::string& path, UINT titleId, bool open, bool writeProtected);

    // ---- Timers ---------------------------------------------------------------------------------
    // The main frame's 5-second tick: the auto-save when it is due.
    void OnAutoSaveTimer();

    // ---- Members -----------------------------------------------------------------------------
    CConfigBase& Config() { return m_config; }
    CAppState& State() { return m_state; }
    CToolBarSets& ToolBars() { return m_toolBars; }
    CMainFrame* MainFrame() const { return m_mainFrame.get(); }
    const CCommandRouter& Router() const { return m_router; }
    CCommandMap& Commands() { return m_commands; }
    CPrinterSelection& Printers() { return *m_printerSelection; }
    const IPrinterCatalog& PrinterCatalog() const {
        return m_options.printers != nullptr ? *m_options.printers : *m_ownPrinters;
    }
    CQtUiServices& QtUi() { return m_qtUi; }
    // Whether a dialog answers the request of that name (the services given in the options
    // answer every request).
    bool HasDialogHandler(const char* name) const {
        return m_options.ui != nullptr || m_qtUi.HasDialog(name);
    }
    AutoSaveHooks& Hooks() { return m_hooks; }
    FileDialogFlags& FileFlags() { return m_fileFlags; }
    CRecentFileList& RecentFiles() { return m_recent; }
    CTime GetLastAutoSave() const { return m_timeLastAutoSave; }
    void SetLastAutoSave(const CTime& time) { m_timeLastAutoSave = time; }
    BOOL IsHalfScroll() const { return m_bHalfScroll; }
    const std::string& LastFolder() const { return m_strLastFolder; }
    bool IsSplashShown() const { return m_splash != nullptr; }
    CBitmapDlg* Splash() const { return m_splash.get(); }

    // The settings changed: the drawing values follow them.
    void ApplySettings();

    // Filled by the program's start and by the tests.
    CSingleInstance* Instance() const { return m_instance.get(); }

    // Serves other programs on the session bus (TembraAppAutomation.cpp); forClients when the
    // program was started for them. False when another program holds the service's name (without
    // a session bus the program runs on, unreachable).
    bool StartAutomationBus(bool forClients);
    CAutomationBus* AutomationBus() const { return m_bus.get(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct ChartWindow;
    struct Chart;

    void AddAppCommands();
    // The targets a command is offered to: the active chart window's, its chart's, the main
    // window's and the program's own.
    std::vector<ICommandTarget*> CommandChain();
    // Runs before every command: a mouse gesture held on any chart ends as its cancel ends it.
    void EndChartGestures() const;
    // The hooks of the document files: the application state's auto-save, recovery and removal.
    void InstallAutoSaveHooks();
    // The command line's print (to the default printer or the one named): the chart opened,
    // printed without the dialog and closed. False when it could not be opened or printed.
    bool PrintFromCommandLine(const CCommandLineInfo& command);
    // The single-instance test: false when another instance runs, which has been handed the
    // command line (its answer in exitCode).
    bool TakeInstance(const std::vector<std::string>& args, int& exitCode);
    // A later start's command line, run here: the file opened or printed, the window raised.
    CSingleInstance::Answer RunHandedCommandLine(const QStringList& args, const QString& folder);
    void RaiseMainWindow();
    // OpenDocumentFile; the recovery of a copy does not list it among the recent files.
    CTembraDoc* OpenChart(const std::string& path, bool addToRecent);
    // The program's file dialog for a document's request.
    int RunFileDialog(DialogRequest& request);
    void InstallDialogs();
    // The chart window of a new or opened document.
    CTembraDoc* AddChart(std::unique_ptr<CTembraDoc> document);
    void ShowChartWindow(Chart& chart);
    // A chart window is about to close: the chart goes with its last window, after asking.
    bool OnChartWindowClosing(QMdiSubWindow* window);
    Chart* FindChart(const CTembraDoc* document) const;
    // The chart's windows and the chart go (closing: the window already closing by itself).
    void RemoveChart(Chart* chart, QMdiSubWindow* closing = nullptr);
    // The File menu's recent files.
    void UpdateRecentFileMenu();
    void OnOpenRecent(int index);
    void OnFileOpen();
    void OnAbout();
    void OnOptionCommand(UINT id);
    void OnLayoutEditor();
    // The questions of the documents: save the changes? under which name?
    int AskSaveChanges(DialogRequest& request);
    int AskSaveAs(DialogRequest& request);

    Options m_options;
    CConfigBase m_config;
    CAppState m_state;
    CQtUiServices m_qtUi;
    // The services while the program prints for its command line (no box waits).
    std::unique_ptr<IUiServices> m_commandLineUi;
    std::unique_ptr<IFontCatalog> m_fonts;
    std::unique_ptr<ScopedAppContext> m_context;
    CToolBarSets m_toolBars;
    CRecentFileList m_recent{4};
    std::unique_ptr<IChartWindowFactory> m_ownCharts;
    IChartWindowFactory* m_chartFactory = nullptr;
    std::unique_ptr<IPrinterCatalog> m_ownPrinters;
    std::unique_ptr<CPrinterSelection> m_printerSelection;
    CCommandMap m_commands;
    CCommandRouter m_router;
    std::unique_ptr<CMainFrame> m_mainFrame;
    std::unique_ptr<CBitmapDlg> m_splash;
    std::int64_t m_splashStart = 0;
    std::unique_ptr<CSingleInstance> m_instance;
    std::vector<std::unique_ptr<Chart>> m_openCharts;
    AutoSaveHooks m_hooks;
    FileDialogFlags m_fileFlags;

    BOOL m_bHalfScroll = FALSE;
    CTime m_timeLastAutoSave;
    std::string m_strLastFolder;
    int m_untitled = 0;
    bool m_idleDue = true;
    // The document whose question is being asked (its read-only flag, its title).
    CTembraDoc* m_asking = nullptr;
    // The session-bus service and what it drives.
    std::unique_ptr<IAutomationCharts> m_busCharts;
    std::unique_ptr<ISettingsChanges> m_settingsChanges;
    std::unique_ptr<CAutomationBus> m_bus;
    // Set once this process is the user's one program (past the single-instance test): only it
    // keeps the backup log and the auto-saved copies, at start and at exit.
    bool m_ownsProgramFiles = false;
};

} // namespace tembra
