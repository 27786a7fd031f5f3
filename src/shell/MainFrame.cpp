#include "shell/MainFrame.h"

#include "dialogs/settings/YogoListDlg.h"
#include "document/CommandIds.h"
#include "document/TembraDoc.h"
#include "model/ConfigBase.h"
#include "platform/Profile.h"
#include "platform/Sjis.h"
#include "platform/StringTable.h"
#include "shell/ButtonImages.h"
#include "shell/ChartWindowFactory.h"
#include "shell/FloatWnd.h"
#include "shell/FrameToolBar.h"
#include "shell/LayerBar.h"
#include "shell/MainStatusBar.h"
#include "shell/ModeBar.h"
#include "shell/MyYogoDlg.h"
#include "shell/ProcessColorBar.h"
#include "shell/ResourceWindows.h"
#include "shell/SizingToolBar.h"
#include "shell/TembraApp.h"
#include "shell/YogoBar.h"
#include "shell/ZukeiToolBar.h"
#include "shell/core/FrameRules.h"
#include "shell/core/MenuTable.h"
#include "view/TembraViewWnd.h"
#include "view/core/StatusBar.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QUrl>

#include <vector>

namespace tembra {

namespace {

QString Utf(const char* text) {
    return QString::fromUtf8(text);
}

// The button set of each kind of the term input bar: event, term, item.
constexpr int kYogoBarSets[] = {4, 3, 2};

CRect ToCRect(const QRect& r) {
    return CRect(r.left(), r.top(), r.left() + r.width(), r.top() + r.height());
}

QRect ToQRect(const CRect& r) {
    return QRect(r.left, r.top, r.Width(), r.Height());
}

} // namespace

CMainFrame::CMainFrame(CTembraApp& app) : m_app(app) {
    setObjectName(QStringLiteral("117"));
    setWindowTitle(QString::fromStdString(LoadStringUtf8(117)));
    m_mdi = new QMdiArea(this);
    m_mdi->setObjectName(QStringLiteral("mdiClient"));
    m_mdi->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdi->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_mdi);
    setDockOptions(QMainWindow::AnimatedDocks | QMainWindow::AllowNestedDocks);
    setAcceptDrops(true);
    // A chart window activated or deactivated tells the frame, as a mode change does.
    connect(m_mdi, &QMdiArea::subWindowActivated, this, [this] { OnModeChanged(); });
}

CMainFrame::~CMainFrame() {
    // The bars go with the frame: what the document tells them from now on reaches no bar.
    CAppState& state = m_app.State();
    if (m_yogoBar != nullptr && state.GetYogoBar() == m_yogoBar) {
        state.SetYogoBar(nullptr);
    }
    if (m_kouteiBar != nullptr && state.GetKouteiBar() == m_kouteiBar) {
        state.SetKouteiBar(nullptr);
    }
    if (m_toolBar != nullptr && state.GetLayerBar() == m_toolBar) {
        state.SetLayerBar(nullptr);
    }
    // The chart windows that go after the frame find no overview to tell.
    if (m_floatWnd != nullptr) {
        CTembraViewWnd::SetOverview(nullptr);
    }
    if (GetStatusBar() == m_statusBar) {
        SetStatusBar(nullptr);
    }
}

// ---- Actions and menus --------------------------------------------------------------------------

QAction* CMainFrame::Action(UINT id) const {
    auto it = m_actions.find(id);
    return it == m_actions.end() ? nullptr : it->second;
}

QAction* CMainFrame::MakeAction(UINT id, const QString& text, const QIcon& icon) {
    if (QAction* existing = Action(id)) {
        return existing;
    }
    const int tab = text.indexOf('\t');
    auto* action = new QAction(icon, tab < 0 ? text : text.left(tab), this);
    action->setObjectName(QString::number(id));
    if (tab >= 0) {
        action->setShortcut(QKeySequence(text.mid(tab + 1)));
    }
    connect(action, &QAction::triggered, this, [this, id] { m_app.Router().Execute(id); });
    m_actions[id] = action;
    return action;
}

void CMainFrame::BuildActions() {
    // The bars' commands first, so that their buttons have images; then the menus' others.
    for (int set = 1; set <= CToolBarSets::kSetCount; ++set) {
        for (const ToolBarCommand& c : CToolBarSets::CommandTable(set)) {
            if (c.id == kLayerComboPlace || c.id == kYogoComboPlace || c.id == kColorComboPlace) {
                continue;
            }
            // The button's name is its text and tooltip, whether it shows a theme's icon or its
            // tile; the menus give the action their own texts below.
            const QString name = Utf(c.name);
            QAction* action = MakeAction(c.id, name, ButtonImage(set, c));
            action->setIconText(name);
            action->setToolTip(name);
        }
    }
    for (const MenuEntry& e : MainMenu()) {
        if (e.id == 0) {
            continue;
        }
        QAction* action = Action(e.id);
        const QString text = Utf(e.text);
        if (action == nullptr) {
            MakeAction(e.id, text, QIcon());
            continue;
        }
        // The menu's text (and shortcut) for a command the bars carry as well.
        const int tab = text.indexOf('\t');
        action->setText(tab < 0 ? text : text.left(tab));
        if (tab >= 0) {
            action->setShortcut(QKeySequence(text.mid(tab + 1)));
        }
    }
}

void CMainFrame::BuildMenus() {
    std::vector<QMenu*> popups;
    for (const MenuEntry& e : MainMenu()) {
        popups.resize(static_cast<std::size_t>(e.depth));
        if (e.id == 0 && e.text != nullptr) {
            QMenu* menu = e.depth == 0 ? menuBar()->addMenu(Utf(e.text))
                                       : popups.back()->addMenu(Utf(e.text));
            if (e.name != nullptr) {
                menu->setObjectName(QString::fromLatin1(e.name));
            }
            // A menu shows the states of its commands as they are when it opens.
            connect(menu, &QMenu::aboutToShow, this, [this] { m_app.UpdateCommandStates(); });
            popups.push_back(menu);
        } else if (e.id == 0) {
            popups.back()->addSeparator();
        } else {
            popups.back()->addAction(Action(e.id));
        }
    }
    // The window menu lists the chart windows after its commands.
    auto* windows = menuBar()->findChild<QMenu*>(QString::fromLatin1(kWindowMenuName),
                                                 Qt::FindDirectChildrenOnly);
    if (windows == nullptr) {
        return;
    }
    connect(windows, &QMenu::aboutToShow, this, [this, windows] {
        for (QAction* a : windows->actions()) {
            if (a->property("chartWindow").toBool()) {
                windows->removeAction(a);
                a->deleteLater();
            }
        }
        const QList<QMdiSubWindow*> list = m_mdi->subWindowList();
        for (int i = 0; i < list.size(); ++i) {
            QMdiSubWindow* sub = list[i];
            auto* a =
                new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(sub->windowTitle()), windows);
            a->setProperty("chartWindow", true);
            a->setCheckable(true);
            a->setChecked(sub == m_mdi->currentSubWindow());
            connect(a, &QAction::triggered, sub, [this, sub] { m_mdi->setActiveSubWindow(sub); });
            if (i == 0) {
                windows->addSeparator()->setProperty("chartWindow", true);
            }
            windows->addAction(a);
        }
    });
}

void CMainFrame::AddCommands() {
    // A bar's command shows or hides it; its check mark follows whether the bar is shown, also
    // when the user closed it by its own button.
    const auto toggleBar = [this](UINT id, auto bar, BOOL CMainFrame::*shown) {
        m_commands.On(
            id,
            [this, bar, shown] {
                this->*shown = !(this->*shown);
                ShowBar(this->*bar, this->*shown);
            },
            [this, bar, shown](CCmdUI& ui) {
                this->*shown = this->*bar != nullptr && !(this->*bar)->isHidden();
                ui.SetCheck(this->*shown);
            });
    };
    toggleBar(ID_VIEW_TOOLBAR, &CMainFrame::m_toolBar, &CMainFrame::m_bToolBarShown);
    m_commands.On(
        ID_VIEW_YOGO_BAR,
        [this] {
            m_bYogoBarShown = !m_bYogoBarShown;
            ShowBar(m_yogoBar, m_bYogoBarShown);
        },
        [this](CCmdUI& ui) {
            m_bYogoBarShown = m_yogoBar != nullptr && !m_yogoBar->isHidden();
            if (m_yogoBar != nullptr) {
                m_yogoBar->SetShown(m_bYogoBarShown);
            }
            ui.SetCheck(m_bYogoBarShown);
        });
    toggleBar(ID_VIEW_KOUTEI_BAR, &CMainFrame::m_kouteiBar, &CMainFrame::m_bKouteiBarShown);
    toggleBar(ID_VIEW_PALETTE, &CMainFrame::m_palette, &CMainFrame::m_bPaletteShown);
    toggleBar(ID_VIEW_FUNCTION_BAR, &CMainFrame::m_modeBar, &CMainFrame::m_bFunctionBarShown);
    // The floating overview window keeps its shown flag itself.
    m_commands.On(
        ID_VIEW_FLOAT_WINDOW,
        [this] {
            if (m_floatWnd == nullptr) {
                return;
            }
            if (m_floatWnd->IsShown() == 0) {
                m_floatWnd->show();
            } else {
                m_floatWnd->hide();
            }
        },
        [this](CCmdUI& ui) { ui.SetCheck(m_floatWnd != nullptr && m_floatWnd->IsShown() != 0); });
    // The MY term list: made and shown on the first use, then shown and hidden in turn.
    m_commands.On(
        ID_VIEW_MY_YOGO_LIST,
        [this] {
            if (m_myYogoDlg == nullptr) {
                m_myYogoDlg = new CMyYogoDlg(
                    ConfigPathToFs(m_app.Config().GetPath().GetMyYogoFilePath()),
                    {[this](int mode, const std::string& text) { OnYogoInput(mode, text); },
                     [this] {
                         std::vector<std::string> entries;
                         if (QComboBox* combo =
                                 m_yogoBar != nullptr ? m_yogoBar->YogoCombo() : nullptr) {
                             for (int i = 0; i < combo->count(); ++i) {
                                 entries.push_back(
                                     Sjis::FromUtf8(combo->itemText(i).toStdString()));
                             }
                         }
                         return entries;
                     },
                     [this]() -> const CTembraDoc* { return m_app.ActiveDocument(); }},
                    this);
                m_myYogoDlg->Open();
                m_myYogoDlg->show();
                return;
            }
            m_myYogoDlg->setVisible(!m_myYogoDlg->isVisible());
        },
        [this](CCmdUI& ui) { ui.SetCheck(m_myYogoDlg != nullptr && m_myYogoDlg->isVisible()); });

    // The indicators are enabled while their key is down.
    const std::pair<UINT, Qt::KeyboardModifier> indicators[] = {
        {ID_INDICATOR_CTRL, Qt::ControlModifier},
        {ID_INDICATOR_SHIFT, Qt::ShiftModifier},
        {ID_INDICATOR_ALT, Qt::AltModifier}};
    for (const auto& [id, modifier] : indicators) {
        m_commands.On(id, {}, [modifier](CCmdUI& ui) {
            ui.Enable((QGuiApplication::queryKeyboardModifiers() & modifier) != 0);
        });
    }

    const auto hasWindows = [this](CCmdUI& ui) { ui.Enable(!m_mdi->subWindowList().isEmpty()); };
    m_commands.On(
        ID_WINDOW_CASCADE, [this] { Cascade(); }, hasWindows);
    m_commands.On(
        ID_WINDOW_TILE_HORZ, [this] { TileHorizontally(); }, hasWindows);
    m_commands.On(
        ID_WINDOW_TILE_VERT, [this] { TileVertically(); }, hasWindows);
    m_commands.On(
        ID_WINDOW_NEW, [this] { m_app.NewWindow(); },
        [this](CCmdUI& ui) { ui.Enable(m_app.ActiveChart() != nullptr); });
}

void CMainFrame::ShowBar(QWidget* bar, BOOL show) {
    if (bar != nullptr) {
        bar->setVisible(show != FALSE);
    }
}

// ---- Creation ----------------------------------------------------------------------------------

BOOL CMainFrame::Create(bool skipBarState) {
    BuildActions();
    BuildMenus();
    AddCommands();
    AddYogoHistoryCommands();
    AddYogoListCommand();
    m_resourceWindows = std::make_unique<CResourceWindows>(this, m_app.State());

    if (!CreateToolPalette() || !CreateStatusBar() || !CreateYogoBar(1) || !CreateKouteiBar()) {
        return FALSE;
    }
    ConnectBarCombos();
    LoadYogoHistory();
    ConnectYogoEdit();
    m_modeBar = new CModeBar(this, [this](UINT id) { return Action(id); });
    m_bFunctionBarShown =
        GetProfileInt(FramePositions::kSection, "FunctionBar", 0) != 0 ? TRUE : FALSE;
    if (!CreateZukeiBar() || !CreateChartBar()) {
        return FALSE;
    }

    m_timer = new QTimer(this);
    m_timer->setInterval(kAutoSaveTimerMs);
    connect(m_timer, &QTimer::timeout, this, [this] { m_app.OnAutoSaveTimer(); });
    m_timer->start();
    m_app.SetLastAutoSave(CTime::GetCurrentTime());

    // Docking: each bar at its default place, a row of its own.
    for (QToolBar* bar : std::initializer_list<QToolBar*>{m_toolBar, m_yogoBar, m_kouteiBar}) {
        if (bar != m_toolBar) {
            addToolBarBreak(Qt::TopToolBarArea);
        }
        addToolBar(Qt::TopToolBarArea, bar);
    }
    for (QToolBar* bar : std::initializer_list<QToolBar*>{m_zukeiBar, m_chartBar, m_modeBar}) {
        if (bar != m_zukeiBar) {
            addToolBarBreak(Qt::BottomToolBarArea);
        }
        addToolBar(Qt::BottomToolBarArea, bar);
    }
    addDockWidget(Qt::LeftDockWidgetArea, m_palette);
    m_zukeiBar->hide();
    m_chartBar->hide();
    m_modeBar->setVisible(m_bFunctionBarShown != FALSE);

    // Without a saved bar state the palette floats near the top-left corner, 185 pixels wide.
    if (GetProfileInt(kBarSummarySection, "Bars", 0) == 0) {
        m_palette->FloatAt(QPoint(10, 10), 185);
    }
    if (!skipBarState) {
        const std::string state = GetProfileString(kBarStateSection, "State");
        if (!state.empty()) {
            restoreState(QByteArray::fromBase64(QByteArray::fromStdString(state)));
            KeepPaletteOnScreen();
        }
    }
    m_floatWndPos =
        FramePositions::ParseFloatWndPos(GetProfileString(FramePositions::kSection, "FloatWndPos"));
    // The floating overview window, shown when it was shown at the last closing.
    if (m_floatWnd == nullptr) {
        m_floatWnd = new CFloatWnd(this);
        if (!m_floatWnd->Create(m_floatWndPos.rect)) {
            return FALSE;
        }
        CTembraViewWnd::SetOverview(m_floatWnd);
    }
    // Shown with the palette once the frame itself is (a tool window mapped before its owner
    // would lie beneath it).
    m_floatWnd->hide();
    return TRUE;
}

BOOL CMainFrame::CreateToolPalette() {
    if (m_toolBar == nullptr) {
        m_toolBar = new CLayerBar(this);
        m_app.State().SetLayerBar(m_toolBar);
    }
    if (!m_toolBar->LayOut(m_app.ToolBars().LayoutToolBar(1),
                           [this](UINT id) { return Action(id); })) {
        return FALSE;
    }
    if (m_palette == nullptr) {
        const int shown = FramePositions::ParsePaletteShown(
            GetProfileString(FramePositions::kSection, "ToolPalettePos"));
        m_palette = new CFrameToolBar(this, [this](UINT id) { return Action(id); });
        m_bPaletteShown = shown != 0 ? TRUE : FALSE;
    }
    return TRUE;
}

BOOL CMainFrame::CreateStatusBar() {
    m_statusBar = new CMainStatusBar(this);
    setStatusBar(m_statusBar);
    SetStatusBar(m_statusBar);
    return TRUE;
}

BOOL CMainFrame::CreateYogoBar(int kind) {
    if (kind >= 0) {
        m_nYogoBarKind = std::clamp(kind, 0, 2);
    }
    if (m_yogoBar == nullptr) {
        m_yogoBar = new CYogoBar(this);
    }
    std::vector<ToolBarItem> items = m_app.ToolBars().LayoutToolBar(kYogoBarSets[m_nYogoBarKind]);
    for (ToolBarItem& item : items) {
        if (item.id == kYogoColorComboId) {
            item.width = 80;
        }
    }
    if (!m_yogoBar->LayOut(items, [this](UINT id) { return Action(id); })) {
        return FALSE;
    }
    ++m_yogoBarLayouts;
    m_bYogoBarShown = TRUE;
    m_yogoBar->SetShown(TRUE);
    CAppState& state = m_app.State();
    const int barKind = m_nYogoBarKind;
    m_yogoBar->SetColorSource([&state, barKind] {
        return barKind == 0   ? state.GetEventCustomColor()
               : barKind == 2 ? state.GetKoumokuCustomColor()
                              : state.GetYogoCustomColor();
    });
    state.SetYogoBar(m_yogoBar);
    return TRUE;
}

BOOL CMainFrame::CreateKouteiBar() {
    if (m_kouteiBar == nullptr) {
        m_kouteiBar = new CProcessColorBar(this);
    }
    std::vector<ToolBarItem> items = m_app.ToolBars().LayoutToolBar(5);
    for (ToolBarItem& item : items) {
        if (item.id == kKouteiColorComboId) {
            item.width = 80;
        }
    }
    if (!m_kouteiBar->LayOut(items, [this](UINT id) { return Action(id); })) {
        return FALSE;
    }
    m_bKouteiBarShown = TRUE;
    CAppState& state = m_app.State();
    m_kouteiBar->SetColorSource([&state] { return state.GetKouteiCustomColor(); });
    state.SetKouteiBar(m_kouteiBar);
    return TRUE;
}

BOOL CMainFrame::CreateZukeiBar() {
    if (m_zukeiBar == nullptr) {
        m_zukeiBar = new CZukeiToolBar(this);
    }
    if (!m_zukeiBar->LayOut(m_app.ToolBars().LayoutToolBar(6),
                            [this](UINT id) { return Action(id); })) {
        return FALSE;
    }
    m_zukeiBar->hide();
    return TRUE;
}

BOOL CMainFrame::CreateChartBar() {
    if (m_chartBar == nullptr) {
        m_chartBar = new CSizingToolBar(this);
    }
    if (!m_chartBar->LayOut(m_app.ToolBars().LayoutToolBar(7),
                            [this](UINT id) { return Action(id); })) {
        return FALSE;
    }
    m_chartBar->hide();
    return TRUE;
}

void CMainFrame::RecreateBars() {
    CreateToolPalette();
    CreateYogoBar(-1);
    CreateKouteiBar();
    CreateZukeiBar();
    if (m_bZukeiBarShown) {
        m_zukeiBar->show();
    }
}

void CMainFrame::ShowPaletteAndFunctionBar() {
    ShowBar(m_palette, m_bPaletteShown);
    ShowBar(m_modeBar, m_bFunctionBarShown);
    if (m_floatWnd != nullptr) {
        m_floatWnd->setVisible(m_floatWndPos.shown != 0);
    }
}

void CMainFrame::KeepPaletteOnScreen() {
    if (!m_palette->isFloating()) {
        return;
    }
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    const QSize size = screen->size();
    if (std::optional<CPoint> corner =
            PaletteOnScreen(ToCRect(m_palette->frameGeometry()), size.width(), size.height())) {
        m_palette->move(corner->x, corner->y);
    }
}

// ---- Placement and closing ------------------------------------------------------------------

void CMainFrame::RestoreWindowPlacement(UINT showCmd) {
    std::optional<WindowPlacement> placement =
        FramePositions::ParseWindowPos(GetProfileString(FramePositions::kSection, "WindowPos"));
    UINT show = showCmd;
    if (placement) {
        if (showCmd != SW_SHOWNORMAL) {
            placement->showCmd = showCmd;
        }
        std::vector<CRect> screens;
        for (const QScreen* screen : QGuiApplication::screens()) {
            screens.push_back(ToCRect(screen->availableGeometry()));
        }
        const QScreen* primary = QGuiApplication::primaryScreen();
        const CRect primaryRect =
            primary != nullptr ? ToCRect(primary->availableGeometry()) : CRect(0, 0, 800, 600);
        setGeometry(ToQRect(
            FramePositions::KeepOnScreens(placement->normalPosition, screens, primaryRect)));
        show = placement->showCmd;
    } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        // The first start: three quarters of the screen, in its middle.
        const QRect area = screen->availableGeometry();
        const QSize size(area.width() * 3 / 4, area.height() * 3 / 4);
        setGeometry(QRect(area.center() - QPoint(size.width() / 2, size.height() / 2), size));
    }
    switch (show) {
    case SW_HIDE:
        hide();
        break;
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE:
        showMinimized();
        break;
    case SW_SHOWMAXIMIZED:
        showMaximized();
        break;
    default:
        showNormal();
        break;
    }
}

void CMainFrame::SavePositions() {
    if (m_myYogoDlg != nullptr) {
        m_myYogoDlg->SavePosition();
    }
    if (m_resourceWindows != nullptr) {
        m_resourceWindows->SavePositions();
    }
    if (m_yogoListDlg != nullptr) {
        m_yogoListDlg->SavePosition();
    }
    WindowPlacement placement;
    placement.flags = isMaximized() ? UINT{WPF_RESTORETOMAXIMIZED} : 0u;
    placement.showCmd = isMinimized()   ? SW_SHOWMINIMIZED
                        : isMaximized() ? SW_SHOWMAXIMIZED
                                        : SW_SHOWNORMAL;
    placement.minPosition = CPoint(-1, -1);
    placement.maxPosition = CPoint(-1, -1);
    placement.normalPosition = ToCRect(normalGeometry().isValid() ? normalGeometry() : geometry());
    WriteProfileString(FramePositions::kSection, "WindowPos",
                       FramePositions::FormatWindowPos(placement).c_str());
    const QPoint palette = m_palette->isFloating() ? m_palette->frameGeometry().topLeft()
                                                   : m_palette->geometry().topLeft();
    WriteProfileString(
        FramePositions::kSection, "ToolPalettePos",
        FramePositions::FormatPalettePos(CPoint(palette.x(), palette.y()), !m_palette->isHidden())
            .c_str());
    if (m_floatWnd != nullptr) {
        const QRect g = m_floatWnd->geometry();
        m_floatWndPos.rect = CRect(g.left(), g.top(), g.right() + 1, g.bottom() + 1);
        m_floatWndPos.shown = m_floatWnd->IsShown();
    }
    WriteProfileString(FramePositions::kSection, "FloatWndPos",
                       FramePositions::FormatFloatWndPos(m_floatWndPos).c_str());
    WriteProfileInt(FramePositions::kSection, "FunctionBar", m_bFunctionBarShown ? 1 : 0);
    WriteProfileString(kBarStateSection, "State", saveState().toBase64().toStdString().c_str());
    WriteProfileInt(kBarSummarySection, "Bars", 7);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    SavePositions();
    SaveYogoHistory();
    if (!m_app.CloseAllDocuments()) {
        event->ignore();
        return;
    }
    // The tool windows go with the frame (a shown one would keep the program running).
    for (QWidget* tool : {static_cast<QWidget*>(m_myYogoDlg), static_cast<QWidget*>(m_floatWnd)}) {
        if (tool != nullptr) {
            tool->hide();
        }
    }
    UpdateResourceWindows(nullptr);
    if (m_yogoListDlg != nullptr) {
        m_yogoListDlg->hide();
    }
    event->accept();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) {
        event->acceptProposedAction();
    }
}

void CMainFrame::dropEvent(QDropEvent* event) {
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile()) {
            m_app.OpenDocumentFile(url.toLocalFile().toStdString());
        }
    }
    event->acceptProposedAction();
}

// ---- Bars by mode and term input --------------------------------------------------------------

int CMainFrame::OnModeChanged() {
    CTembraDoc* document = m_app.ActiveDocument();
    UpdateResourceWindows(document);
    if (document == nullptr) {
        return -1;
    }
    const ModeBars bars = BarsForMode(document->GetOperation().GetMode(), m_nYogoBarKind);
    if (bars.yogoBarKind && m_yogoBar != nullptr) {
        CreateYogoBar(*bars.yogoBarKind);
    }
    ShowBar(m_zukeiBar, bars.zukeiBar ? TRUE : FALSE);
    m_bZukeiBarShown = bars.zukeiBar ? TRUE : FALSE;
    ShowBar(m_chartBar, bars.chartBar ? TRUE : FALSE);
    m_bChartBarShown = bars.chartBar ? TRUE : FALSE;
    return 0;
}

void CMainFrame::OnYogoInput(int mode, const std::string& text) {
    QComboBox* combo = m_yogoBar != nullptr ? m_yogoBar->YogoCombo() : nullptr;
    if (combo != nullptr) {
        const QString given = QString::fromStdString(Sjis::ToUtf8(text));
        const QString next = mode == 0   ? given
                             : mode == 1 ? combo->currentText() + given
                                         : QString();
        combo->setEditText(next);
    }
    if (CTembraDoc* document = m_app.ActiveDocument()) {
        document->GetYogoBarInput().OnYogoTextInput();
        if (m_bYogoBarShown && combo != nullptr) {
            combo->setFocus(Qt::OtherFocusReason);
        }
    }
    for (QWidget* window : QApplication::topLevelWidgets()) {
        const QString title = window->windowTitle();
        if (title == Utf("用語入力") || title == Utf("項目入力")) {
            if (auto* target = dynamic_cast<IYogoInputTarget*>(window)) {
                target->OnYogoInput(mode, text);
            }
        }
    }
}

// ---- Print preview ------------------------------------------------------------------------

void CMainFrame::ShowPreview(QWidget* preview) {
    if (preview == nullptr || m_preview != nullptr) {
        return;
    }
    // The chart windows stay as they are, out of sight.
    takeCentralWidget();
    m_preview = preview;
    setCentralWidget(preview);
    preview->show();
}

void CMainFrame::EndPreview(QWidget* preview) {
    if (preview == nullptr || preview != m_preview) {
        return;
    }
    takeCentralWidget();
    preview->hide();
    preview->setParent(nullptr);
    m_preview = nullptr;
    setCentralWidget(m_mdi);
    m_mdi->show();
}

// ---- Window arrangement ---------------------------------------------------------------------

void CMainFrame::TileHorizontally() {
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* sub : m_mdi->subWindowList()) {
        if (!sub->isMinimized() && !sub->isHidden()) {
            windows.push_back(sub);
        }
    }
    if (windows.isEmpty()) {
        return;
    }
    const QRect area = m_mdi->viewport()->rect();
    const int height = std::max(1, area.height() / static_cast<int>(windows.size()));
    for (int i = 0; i < windows.size(); ++i) {
        windows[i]->showNormal();
        windows[i]->setGeometry(0, i * height, area.width(), height);
    }
}

void CMainFrame::PlaceNewWindow(QMdiSubWindow* window) {
    const QRect area = m_mdi->viewport()->rect();
    const int spacing = std::max(1, window->style()->pixelMetric(QStyle::PM_TitleBarHeight));
    const int steps = area.height() / (3 * spacing);
    if (steps < 1) {
        return; // no room for a cascade: the window keeps the size it asks for
    }
    int others = 0;
    for (const QMdiSubWindow* sub : m_mdi->subWindowList()) {
        others += sub != window && !sub->isHidden() ? 1 : 0;
    }
    const int offset = spacing * (others % (steps + 1));
    window->setGeometry(offset, offset, area.width() - steps * spacing,
                        area.height() - steps * spacing);
}

void CMainFrame::TileVertically() {
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* sub : m_mdi->subWindowList()) {
        if (!sub->isMinimized() && !sub->isHidden()) {
            windows.push_back(sub);
        }
    }
    if (windows.isEmpty()) {
        return;
    }
    const QRect area = m_mdi->viewport()->rect();
    const int width = std::max(1, area.width() / static_cast<int>(windows.size()));
    for (int i = 0; i < windows.size(); ++i) {
        windows[i]->showNormal();
        windows[i]->setGeometry(i * width, 0, width, area.height());
    }
}

void CMainFrame::Cascade() {
    m_mdi->cascadeSubWindows();
}

} // namespace tembra
