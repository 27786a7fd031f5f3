#include "shell/TembraApp.h"

#include "document/AppContext.h"
#include "document/DocFileRequests.h"
#include "document/TembraDoc.h"
#include "exchange/ExchangeStreams.h"
#include "exchange/QkrImport.h"
#include "exchange/SafetyAsciiExport.h"
#include "exchange/ui/FileOpenDlg.h"
#include "exchange/ui/RegisterExchangeDialogs.h"
#include "model/OptionDialogRequest.h"
#include "model/SearchUrlRequest.h"
#include "model/ui/RegisterModelDialogs.h"
#include "platform/Paths.h"
#include "platform/Profile.h"
#include "platform/RegKey.h"
#include "platform/SaveRequests.h"
#include "platform/Sjis.h"
#include "platform/StringTable.h"
#include "platform/qt/QtDC.h"
#include "platform/qt/QtFontCatalog.h"
#include "platform/qt/UserRuntimeFolder.h"
#include "print/ui/RegisterPrintDialogs.h"
#include "render/DrawSettings.h"
#include "shell/AboutDlg.h"
#include "shell/BitmapDlg.h"
#include "shell/ChartViewWindow.h"
#include "shell/ChartWindowFactory.h"
#include "shell/MainFrame.h"
#include "shell/MainStatusBar.h"
#include "shell/QtPrinterCatalog.h"
#include "shell/SingleInstance.h"
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

namespace {

// "%1 への変更を保存しますか?" and the title of the save dialog.
constexpr UINT IDP_ASK_TO_SAVE = 61699;
constexpr UINT IDS_SAVEFILE = 61441;
constexpr UINT IDS_OPENFILE = 61440;

// This platform embeds no chart in another program's document.
const char kNoEmbedding[] = "Tembra+ は他のプログラムの文書に埋め込んで使うことはできません。";

// An MDI child that asks before it closes.
class CChartSubWindow : public QMdiSubWindow {
public:
    explicit CChartSubWindow(std::function<bool(QMdiSubWindow*)> closing)
        : m_closing(std::move(closing)) {
        setAttribute(Qt::WA_DeleteOnClose);
    }

protected:
    void closeEvent(QCloseEvent* event) override {
        if (m_closing && !m_closing(this)) {
            event->ignore();
            return;
        }
        QMdiSubWindow::closeEvent(event);
    }

private:
    std::function<bool(QMdiSubWindow*)> m_closing;
};

QString Utf(const std::string& cp932) {
    return QString::fromStdString(Sjis::ToUtf8(cp932));
}

// The user's documents folder, or the home folder where there is none.
std::string DocumentsFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir()) {
        return documents.toStdString();
    }
    return QDir::homePath().toStdString();
}

// A chart window's title: the chart's, with the place of the modified mark.
QString WindowTitle(const CTembraDoc& document) {
    return Utf(document.GetTitle()) + QStringLiteral("[*]");
}

} // namespace

struct CTembraApp::ChartWindow {
    std::unique_ptr<IChartWindow> window;
    QMdiSubWindow* sub = nullptr;
};

struct CTembraApp::Chart {
    std::unique_ptr<CTembraDoc> document;
    std::unique_ptr<CDocumentCommands> commands;
    std::vector<ChartWindow> windows;
    // The path the chart had when it was opened or last listed among the recent files.
    std::string listedPath;
};

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

// ---- Start and end ------------------------------------------------------------------------------

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

bool CTembraApp::PrintFromCommandLine(const CCommandLineInfo& command) {
    const std::vector<CTembraDoc*> open = Documents();
    CTembraDoc* document = OpenDocumentFile(command.m_strFileName);
    if (document == nullptr) {
        return false;
    }
    bool printed = false;
    auto* window = dynamic_cast<CChartViewWindow*>(ActiveChart());
    CTembraFrame* frame = window != nullptr ? window->Frame() : nullptr;
    if (frame != nullptr && frame->ActivePane() != nullptr) {
        // The PDF printer writes beside the chart.
        const QFileInfo chart(QString::fromStdString(document->GetPathName()));
        const std::string pdf =
            chart.dir().filePath(chart.completeBaseName() + QStringLiteral(".pdf")).toStdString();
        const std::string printer = command.m_nShellCommand == CCommandLineInfo::FilePrintTo
                                        ? command.m_strPrinterName
                                        : std::string();
        printed = frame->ActivePane()->PrintDirect(printer, pdf);
    }
    // A chart the user had open stays.
    if (std::find(open.begin(), open.end(), document) == open.end()) {
        CloseDocument(document);
    }
    return printed;
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

void CTembraApp::StartIdleProcessing() {
    qApp->installEventFilter(this);
    connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
            [this] {
                if (!m_idleDue) {
                    return;
                }
                m_idleDue = false;
                if (OnIdle()) {
                    // The splash is still up: idle time again when it may go.
                    const std::int64_t left =
                        kSplashMilliseconds - (m_options.ticks() - m_splashStart);
                    QTimer::singleShot(static_cast<int>(std::max<std::int64_t>(left, 1)), this,
                                       [this] { m_idleDue = true; });
                }
            });
}

bool CTembraApp::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::FocusIn:
    case QEvent::WindowActivate:
    case QEvent::Show:
    case QEvent::Close:
    case QEvent::Wheel:
        m_idleDue = true;
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

// ---- Idle time ----------------------------------------------------------------------------------

bool CTembraApp::OnIdle() {
    bool more = false;
    if (m_splash) {
        if (m_options.ticks() - m_splashStart >= kSplashMilliseconds) {
            m_splash.reset();
            if (m_mainFrame) {
                m_mainFrame->repaint();
            }
        } else {
            more = true;
        }
    } else {
        for (const auto& chart : m_openCharts) {
            for (const ChartWindow& w : chart->windows) {
                w.window->OnIdleHover();
            }
        }
    }
    UpdateCommandStates();
    return more;
}

void CTembraApp::UpdateCommandStates() {
    if (!m_mainFrame) {
        return;
    }
    // A save under another name retitles its chart's windows and lists the file among the
    // recent ones, as an open does; a change shows as the desktop's modified mark.
    for (const auto& chart : m_openCharts) {
        const std::string& path = chart->document->GetPathName();
        if (path != chart->listedPath) {
            chart->listedPath = path;
            if (!path.empty()) {
                m_recent.Add(path);
                UpdateRecentFileMenu();
            }
        }
        const QString title = WindowTitle(*chart->document);
        const bool modified = chart->document->IsModified() != FALSE;
        for (const ChartWindow& w : chart->windows) {
            if (w.sub != nullptr && w.sub->windowTitle() != title) {
                w.sub->setWindowTitle(title);
            }
            if (w.sub != nullptr && w.sub->isWindowModified() != modified) {
                w.sub->setWindowModified(modified);
            }
        }
    }
    for (const auto& [id, action] : m_mainFrame->Actions()) {
        const CCmdUI state = m_router.Update(id);
        if (action->isEnabled() != state.IsEnabled()) {
            action->setEnabled(state.IsEnabled());
        }
        if (state.IsCheckSet()) {
            action->setCheckable(true);
            if (action->isChecked() != (state.GetCheck() != 0)) {
                action->setChecked(state.GetCheck() != 0);
            }
        } else if (action->isCheckable() && action->isChecked()) {
            action->setChecked(false);
        }
    }
    if (CMainStatusBar* bar = m_mainFrame->StatusBar()) {
        bar->SetIndicator(1, false); // the Caps Lock state is not known here
        for (int pane = 2; pane <= 4; ++pane) {
            const UINT id = CMainStatusBar::kIndicatorIds[static_cast<std::size_t>(pane) - 1];
            bar->SetIndicator(pane, m_router.Update(id).IsEnabled());
        }
    }
}

void CTembraApp::OnAutoSaveTimer() {
    const CTime now = CTime::GetCurrentTime();
    if (IsAutoSaveDue(now, m_timeLastAutoSave, m_config.GetAutoSaveTime(),
                      QWidget::mouseGrabber() != nullptr)) {
        if (m_hooks.autoSave) {
            m_hooks.autoSave();
        }
        m_timeLastAutoSave = now;
    }
}

// ---- Charts ---------------------------------------------------------------------------------

CTembraApp::Chart* CTembraApp::FindChart(const CTembraDoc* document) const {
    for (const auto& chart : m_openCharts) {
        if (chart->document.get() == document) {
            return chart.get();
        }
    }
    return nullptr;
}

std::vector<CTembraDoc*> CTembraApp::Documents() const {
    std::vector<CTembraDoc*> documents;
    for (const auto& chart : m_openCharts) {
        documents.push_back(chart->document.get());
    }
    return documents;
}

IChartWindow* CTembraApp::ActiveChart() const {
    if (!m_mainFrame) {
        return nullptr;
    }
    QMdiSubWindow* current = m_mainFrame->MdiArea()->currentSubWindow();
    for (const auto& chart : m_openCharts) {
        for (const ChartWindow& w : chart->windows) {
            if (w.sub == current) {
                return w.window.get();
            }
        }
    }
    return nullptr;
}

CTembraDoc* CTembraApp::ActiveDocument() const {
    IChartWindow* chart = ActiveChart();
    return chart != nullptr ? &chart->Document() : nullptr;
}

CTembraDoc* CTembraApp::AddChart(std::unique_ptr<CTembraDoc> document) {
    auto chart = std::make_unique<Chart>();
    chart->document = std::move(document);
    chart->commands =
        std::make_unique<CDocumentCommands>(*chart->document, [this](const char* dialog) {
            return m_options.ui != nullptr || m_qtUi.HasDialog(dialog);
        });
    Chart& entry = *chart;
    entry.listedPath = entry.document->GetPathName();
    m_openCharts.push_back(std::move(chart));
    ShowChartWindow(entry);
    return entry.document.get();
}

void CTembraApp::ShowChartWindow(Chart& chart) {
    if (!m_mainFrame) {
        return;
    }
    ChartWindow w;
    w.window = m_chartFactory->CreateChartWindow(*chart.document);
    auto* sub = new CChartSubWindow([this](QMdiSubWindow* s) { return OnChartWindowClosing(s); });
    sub->setWidget(w.window->Widget());
    sub->setWindowTitle(WindowTitle(*chart.document));
    sub->setWindowModified(chart.document->IsModified() != FALSE);
    m_mainFrame->MdiArea()->addSubWindow(sub);
    m_mainFrame->PlaceNewWindow(sub);
    w.sub = sub;
    chart.windows.push_back(std::move(w));
    sub->show();
    m_mainFrame->MdiArea()->setActiveSubWindow(sub);
}

void CTembraApp::RemoveChart(Chart* chart, QMdiSubWindow* closing) {
    for (ChartWindow& w : chart->windows) {
        if (w.sub != nullptr) {
            w.sub->setWidget(nullptr);
            // The window that is closing goes by itself.
            if (m_mainFrame && w.sub != closing) {
                m_mainFrame->MdiArea()->removeSubWindow(w.sub);
            }
            if (w.sub != closing) {
                w.sub->deleteLater();
            }
        }
        w.window.reset();
    }
    chart->windows.clear();
    chart->document->OnCloseDocument();
    auto it = std::find_if(m_openCharts.begin(), m_openCharts.end(),
                           [chart](const auto& c) { return c.get() == chart; });
    if (it != m_openCharts.end()) {
        m_openCharts.erase(it);
    }
}

bool CTembraApp::OnChartWindowClosing(QMdiSubWindow* window) {
    for (const auto& chart : m_openCharts) {
        auto w = std::find_if(chart->windows.begin(), chart->windows.end(),
                              [window](const ChartWindow& c) { return c.sub == window; });
        if (w == chart->windows.end()) {
            continue;
        }
        if (chart->windows.size() > 1) {
            window->setWidget(nullptr);
            chart->windows.erase(w);
            return true;
        }
        if (!MayClose(chart->document.get())) {
            return false;
        }
        RemoveChart(chart.get(), window);
        return true;
    }
    return true;
}

bool CTembraApp::MayClose(CTembraDoc* document) {
    m_asking = document;
    const BOOL mayClose = document->SaveModified();
    m_asking = nullptr;
    return mayClose != FALSE;
}

bool CTembraApp::CloseDocument(CTembraDoc* document) {
    Chart* chart = FindChart(document);
    if (chart == nullptr) {
        return true;
    }
    if (!MayClose(document)) {
        return false;
    }
    RemoveChart(chart);
    return true;
}

bool CTembraApp::CloseAllDocuments() {
    while (!m_openCharts.empty()) {
        if (!CloseDocument(m_openCharts.back()->document.get())) {
            return false;
        }
    }
    return true;
}

CTembraDoc* CTembraApp::NewDocument() {
    auto document = std::make_unique<CTembraDoc>();
    if (!document->OnNewDocument()) {
        return nullptr;
    }
    const std::string untitled = LoadString(118);
    const std::size_t first = untitled.find('\n');
    const std::string name = untitled.substr(first + 1, untitled.find('\n', first + 1) - first - 1);
    document->SetTitle(name + std::to_string(++m_untitled));
    return AddChart(std::move(document));
}

void CTembraApp::NewWindow() {
    IChartWindow* active = ActiveChart();
    if (active == nullptr) {
        return;
    }
    if (Chart* chart = FindChart(&active->Document())) {
        ShowChartWindow(*chart);
    }
}

CTembraDoc* CTembraApp::OpenDocumentFile(const std::string& path) {
    return OpenChart(path, true);
}

CTembraDoc* CTembraApp::OpenChart(const std::string& path, bool addToRecent) {
    const std::string absolute =
        QFileInfo(QString::fromStdString(path)).absoluteFilePath().toStdString();
    for (const auto& chart : m_openCharts) {
        if (chart->document->GetPathName() == absolute && !chart->windows.empty()) {
            m_mainFrame->MdiArea()->setActiveSubWindow(chart->windows.front().sub);
            return chart->document.get();
        }
    }
    auto document = std::make_unique<CTembraDoc>();
    if (!document->OnOpenDocument(absolute)) {
        return nullptr;
    }
    document->SetPathName(absolute);
    if (addToRecent) {
        m_recent.Add(document->GetPathName());
        UpdateRecentFileMenu();
        // The next file dialog starts where this chart is, however it was opened.
        m_strLastFolder = SplitAtLastSlash(absolute).first;
    }
    CTembraDoc* opened = AddChart(std::move(document));

    // The new chart takes the place of the untouched empty ones.
    const std::vector<CTembraDoc*> closing = DocumentsToClose(Documents(), opened);
    for (CTembraDoc* d : closing) {
        RemoveChart(FindChart(d));
    }
    if (!closing.empty() && m_mainFrame) {
        m_mainFrame->TileHorizontally();
    }
    return opened;
}

void CTembraApp::OpenConverting(int kind) {
    m_state.SetPlanConversion(kind);
    std::string path;
    if (DoFileDialog(path, IDS_OPENFILE, true, false)) {
        OpenDocumentFile(QDir::cleanPath(QString::fromStdString(path)).toStdString());
    }
    m_state.SetPlanConversion(0);
}

void CTembraApp::InstallAutoSaveHooks() {
    m_hooks.autoSave = [this] {
        // The run's own text stands in the status bar meanwhile; what stood there comes back.
        CMainStatusBar* bar = m_mainFrame ? m_mainFrame->StatusBar() : nullptr;
        const QString kept = bar != nullptr ? bar->Pane(0)->text() : QString();
        m_state.AutoSave(Documents());
        if (bar != nullptr) {
            bar->Pane(0)->setText(kept);
            bar->UpdateNow();
        }
    };
    m_hooks.recover = [this] {
        if (!m_state.HasAutoSaveFiles()) {
            return false;
        }
        m_state.RecoverAutoSaveFiles(
            [this](const std::string& copy) { return OpenChart(copy, false); });
        return true;
    };
    m_hooks.removeAll = [this] { m_state.RemoveAllAutoSaveFiles(); };
}

// ---- The file dialog --------------------------------------------------------------------------

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

// ---- Dialogs and commands -------------------------------------------------------------------

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
    // Until the print settings sheet is there the print goes on with the settings as they are.
    m_qtUi.Register("PrintSheet", [](DialogRequest&) { return IDOK; });
    // Each dialog library registers its own dialogs, once.
    RegisterModelDialogs(m_qtUi);
    RegisterExchangeDialogs(m_qtUi);
    RegisterPrintDialogs(m_qtUi, m_config, [this] {
        std::vector<std::string> inUse;
        for (CTembraDoc* document : Documents()) {
            inUse.push_back(document->GetSyokiSet().GetPath().GetLayoutFileName());
        }
        return inUse;
    });
}

void CTembraApp::AddAppCommands() {
    const auto canRun = [this](const char* dialog) {
        return [this, dialog](CCmdUI& ui) {
            ui.Enable(m_options.ui != nullptr || m_qtUi.HasDialog(dialog));
        };
    };
    m_commands.On(57664, [this] { OnAbout(); });
    m_commands.On(57600, [this] { NewDocument(); });
    m_commands.On(57601, [this] { OnFileOpen(); });
    // The converting opens are the document's commands: there while a chart is.
    const auto whileChart = [this](CCmdUI& ui) {
        ui.Enable(ActiveDocument() != nullptr ? TRUE : FALSE);
    };
    m_commands.On(
        33080, [this] { OpenConverting(1); }, whileChart);
    m_commands.On(
        33141, [this] { OpenConverting(2); }, whileChart);
    // The ASCII import and export of the active chart.
    m_commands.On(
        40034,
        [this] {
            if (CTembraDoc* document = ActiveDocument()) {
                OnQkrAsciiImport(*document);
            }
        },
        whileChart);
    m_commands.On(
        40087,
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
    m_commands.On(57665, [this] {
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
        32776,
        [this] {
            OptionDialogRequest request("SpecialHolidays", &m_config);
            Ui().RunDialog(request);
        },
        canRun("SpecialHolidays"));
    m_commands.On(
        33040, [this] { m_bHalfScroll = FALSE; },
        [this](CCmdUI& ui) { ui.SetCheck(m_bHalfScroll == FALSE ? 1 : 0); });
    m_commands.On(
        33039, [this] { m_bHalfScroll = TRUE; },
        [this](CCmdUI& ui) { ui.SetCheck(m_bHalfScroll != FALSE ? 1 : 0); });
    m_commands.On(40033, [this] { OnLayoutEditor(); });
    m_commands.On(40065, [this] { RunAutoSaveCommand(m_config, m_timeLastAutoSave); });
    m_commands.On(
        40086,
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
        40091,
        [this] {
            OptionDialogRequest request("LayoutCopy", &m_config);
            Ui().RunDialog(request);
        },
        canRun("LayoutCopy"));
    m_commands.On(33064, [] {
        SearchUrlRequest request;
        Ui().RunDialog(request);
    });
    m_commands.On(
        33140,
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
        m_mainFrame->update();
        for (QWidget* child : m_mainFrame->findChildren<QWidget*>()) {
            child->update();
        }
        m_mainFrame->repaint();
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
