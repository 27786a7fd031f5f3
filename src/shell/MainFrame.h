// The main window of Tembra: the MDI area with the chart windows, the menu bar, seven bars (main
// tool bar, term input bar, process tool bar, line-drawing bar, chart bar, tool palette, function
// bar) and the status bar with its nine panes. It keeps the positions of itself and its bars in
// the profile ("Settings" and the bar state under "ControlBars\State"), shows and hides bars as
// the object mode of the active chart changes and drives the periodic auto-save test.
//
// Every command has one action, shown by the menus and by every bar that carries the command; an
// action's state comes from the command's update handler (see CTembraApp::UpdateCommandStates).
#pragma once

#include "platform/Types.h"
#include "shell/core/CommandRouter.h"
#include "shell/core/FramePositions.h"

#include <QMainWindow>

#include <map>
#include <memory>
#include <string>

class QAction;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QTimer;

namespace tembra {

class CFloatWnd;
class CMyYogoDlg;
class CResourceWindows;
class CTembraDoc;
class CYogoListDlg;
class CFrameToolBar;
class CLayerBar;
class CMainStatusBar;
class CModeBar;
class CProcessColorBar;
class CSizingToolBar;
class CTembraApp;
class CYogoBar;
class CZukeiToolBar;

// Who a term text input is passed on to (the term and item input dialogs, titled "用語入力" and
// "項目入力"): mode 0 replaces its text, 1 appends to it.
class IYogoInputTarget {
public:
    virtual ~IYogoInputTarget() = default;
    virtual void OnYogoInput(int mode, const std::string& text) = 0;
};

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    // The section of the bar state and its summary.
    static constexpr const char* kBarStateSection = "ControlBars\\State";
    static constexpr const char* kBarSummarySection = "ControlBars\\State-Summary";
    static constexpr int kAutoSaveTimerMs = 5000;

    explicit CMainFrame(CTembraApp& app);
    ~CMainFrame() override;

    // The frame's creation: the actions and menus, the bars and the status bar, the function
    // bar's shown flag, the auto-save timer, the docking and, unless skipBarState (Ctrl held at
    // the start), the saved bar state. FALSE when a bar cannot be made.
    BOOL Create(bool skipBarState);
    // "WindowPos" of the profile (ten numbers), its show command replaced by showCmd unless that
    // is SW_SHOWNORMAL; without one the window is shown with showCmd.
    void RestoreWindowPlacement(UINT showCmd);
    // Shows the tool palette and the function bar as their flags say (the start's last step).
    void ShowPaletteAndFunctionBar();

    BOOL CreateToolPalette();
    BOOL CreateStatusBar();
    // Kind 0 event bar, 1 term bar, 2 item bar; a negative kind keeps the current one.
    BOOL CreateYogoBar(int kind);
    BOOL CreateKouteiBar();
    BOOL CreateZukeiBar();
    BOOL CreateChartBar();
    // After the button sets changed: the main tool bar, the term input bar, the process tool bar
    // and the line-drawing bar are laid out again.
    void RecreateBars();

    // The bars by the object mode of the active chart: 0, or -1 without an active chart.
    int OnModeChanged();
    // A term text from the term lists: into the term combo (mode 0 replaces, 1 appends), then
    // the active chart's term input and the input dialogs.
    void OnYogoInput(int mode, const std::string& text);

    // A print preview takes the central area in place of the chart windows until it ends.
    void ShowPreview(QWidget* preview);
    void EndPreview(QWidget* preview);
    QWidget* Preview() const { return m_preview; }

    // Full-width windows stacked (our horizontal tiling), side by side, or cascaded.
    void TileHorizontally();
    void TileVertically();
    void Cascade();
    // A new chart window's place and size, as the system gives a window of default size: the
    // next step of a cascade, reaching to the area's bottom right less the cascade's steps.
    void PlaceNewWindow(QMdiSubWindow* window);

    // Writes the positions: "WindowPos", "ToolPalettePos", "FloatWndPos", "FunctionBar" and the
    // bar state.
    void SavePositions();

    QMdiArea* MdiArea() const { return m_mdi; }
    QAction* Action(UINT id) const;
    const std::map<UINT, QAction*>& Actions() const { return m_actions; }
    CCommandMap& Commands() { return m_commands; }

    CLayerBar* LayerBar() const { return m_toolBar; }
    CYogoBar* YogoBar() const { return m_yogoBar; }
    CProcessColorBar* KouteiBar() const { return m_kouteiBar; }
    CZukeiToolBar* ZukeiBar() const { return m_zukeiBar; }
    CSizingToolBar* ChartBar() const { return m_chartBar; }
    CFrameToolBar* Palette() const { return m_palette; }
    CModeBar* FunctionBar() const { return m_modeBar; }
    CMainStatusBar* StatusBar() const { return m_statusBar; }
    CFloatWnd* FloatWnd() const { return m_floatWnd; }
    // The MY term list, made on the first use of its command (null before).
    CMyYogoDlg* MyYogoDlg() const { return m_myYogoDlg; }
    // The resource windows, shown and hidden by the mode (MainFrameResources.cpp).
    CResourceWindows* ResourceWindows() const { return m_resourceWindows.get(); }
    // The term list, made on the first use of its command (null before).
    CYogoListDlg* YogoListDlg() const { return m_yogoListDlg; }
    int YogoBarKind() const { return m_nYogoBarKind; }
    BOOL IsZukeiBarShown() const { return m_bZukeiBarShown; }
    BOOL IsChartBarShown() const { return m_bChartBarShown; }
    BOOL IsPaletteShown() const { return m_bPaletteShown; }
    BOOL IsFunctionBarShown() const { return m_bFunctionBarShown; }
    // How often the term input bar was laid out (a re-lay happens only when its kind changes).
    int YogoBarLayouts() const { return m_yogoBarLayouts; }
    QTimer* AutoSaveTimer() const { return m_timer; }

protected:
    void closeEvent(QCloseEvent* event) override;
    // Files dropped on the window are opened.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // The choices of the term bar's and the process bar's lists reach the active document
    // (MainFrameBarCombos.cpp).
    void ConnectBarCombos();
    // The term bar's history: read from the history file when the bar is made, written back at
    // closing, emptied by ID_VIEW_CLEAR_YOGO_HISTORY; the term field's Delete reaches the active
    // chart (ID_EDIT_DELETE).
    void LoadYogoHistory();
    void SaveYogoHistory();
    void AddYogoHistoryCommands();
    void ConnectYogoEdit();
    // The term list's command ID_VIEW_YOGO_LIST and the resource windows' part of a mode change
    // (MainFrameResources.cpp).
    void AddYogoListCommand();
    void UpdateResourceWindows(CTembraDoc* document);
    void BuildActions();
    void BuildMenus();
    void AddCommands();
    QAction* MakeAction(UINT id, const QString& text, const QIcon& icon);
    // Shows or hides a bar and keeps its flag.
    void ShowBar(QWidget* bar, BOOL show);
    // The floating palette back on a screen.
    void KeepPaletteOnScreen();

    CTembraApp& m_app;
    QMdiArea* m_mdi = nullptr;
    std::map<UINT, QAction*> m_actions;
    CCommandMap m_commands;

    CMainStatusBar* m_statusBar = nullptr;
    CLayerBar* m_toolBar = nullptr;
    CYogoBar* m_yogoBar = nullptr;
    CProcessColorBar* m_kouteiBar = nullptr;
    CZukeiToolBar* m_zukeiBar = nullptr;
    CSizingToolBar* m_chartBar = nullptr;
    CModeBar* m_modeBar = nullptr;
    CFrameToolBar* m_palette = nullptr;
    QTimer* m_timer = nullptr;
    QWidget* m_preview = nullptr;

    BOOL m_bToolBarShown = TRUE;
    BOOL m_bYogoBarShown = FALSE;
    BOOL m_bKouteiBarShown = FALSE;
    BOOL m_bPaletteShown = FALSE;
    BOOL m_bFunctionBarShown = FALSE;
    BOOL m_bZukeiBarShown = FALSE;
    BOOL m_bChartBarShown = FALSE;
    int m_nYogoBarKind = 1;
    int m_yogoBarLayouts = 0;
    // "FloatWndPos" as read; the floating overview window made from it.
    FloatWndPosition m_floatWndPos;
    CFloatWnd* m_floatWnd = nullptr;
    CMyYogoDlg* m_myYogoDlg = nullptr;
    std::unique_ptr<CResourceWindows> m_resourceWindows;
    CYogoListDlg* m_yogoListDlg = nullptr;
};

} // namespace tembra
