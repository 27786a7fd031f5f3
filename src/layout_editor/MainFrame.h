// The layout editor's main window: the editing view, the menus (one action per command), four
// dockable bars (the standard tool bar, the layout input bar, the paper/font bar and the tool
// palette) and the status bar with its prompt, key and position panes. Commands go to the view
// first, then to the frame's own (the bars shown or hidden), then to the application; the
// actions' states come from their update handlers, refreshed whenever the program waits for
// input and before a menu opens.
//
// The user profile keeps the window's placement ("Settings"/"WindowPos"), the tool palette's
// place ("Settings"/"ToolPalettePos") and the bars' layout ("ControlBars\State", with
// "ControlBars\State-Summary"/"Bars" telling that it was saved); closing writes them, the next
// start restores them. Files dropped on the window go to the application. Closing asks the
// document to save; the view then goes.
#pragma once

#include <QAction>
#include <QMainWindow>

#include <array>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

class QLabel;
class QMenu;
class QToolBar;

namespace marquell {

class CAppSettings;
class CLayoutViewWnd;
class CMarquellDoc;
class CMenuCmdUI;
class CPaperFontBar;

// Show commands of the window.
enum : int { kShowNormal = 1, kShowMinimized = 2, kShowMaximized = 3 };

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    // The bars, by their window ids, and the commands that show and hide them.
    static constexpr unsigned kStandardBar = 59392;
    static constexpr unsigned kInputBar = 59632;
    static constexpr unsigned kPaperFontBar = 59633;
    static constexpr unsigned kPalette = 59634;
    static constexpr unsigned ID_VIEW_INPUT_BAR = 40002;
    static constexpr unsigned ID_VIEW_PALETTE = 40015;
    static constexpr unsigned ID_VIEW_TOOLBAR = 59392;
    static constexpr unsigned ID_VIEW_PAPER_FONT_BAR = 32787;
    // The status bar's panes.
    static constexpr int kPaneCount = 7;

    // A handler of commands and of their update; each answers whether it knew the command.
    struct CommandTarget {
        std::function<bool(unsigned)> command;
        std::function<bool(CMenuCmdUI&)> update;
    };

    CMainFrame(CMarquellDoc& doc, CAppSettings& app, QWidget* parent = nullptr);
    ~CMainFrame() override;

    CLayoutViewWnd& ViewWnd() { return *m_viewWnd; }
    // After the view and the frame's own, in the order added.
    void AddCommandTarget(CommandTarget target);
    // The recent files the File menu lists (UTF-8 paths).
    void SetRecentFiles(std::function<std::vector<std::string>()> files);
    // Asked before the window closes: false keeps it open.
    void SetCloseQuery(std::function<bool()> query);
    // Files dropped on the window (local paths).
    void SetDropHandler(std::function<void(const QStringList&)> handler);

    // The action of a command, or nullptr.
    QAction* Action(unsigned id) const;
    // Runs a command as its menu entry does (nothing for a disabled one).
    void RunCommand(unsigned id);
    // The update handlers' states onto the actions, the paper/font bar and the key panes.
    void UpdateCommands();

    // A bar by its window id, or nullptr.
    QToolBar* Bar(unsigned id) const;
    CPaperFontBar* PaperFontBar() const { return m_paperFontBar; }
    // The commands of a bar's buttons in order, 0 for a separator.
    std::vector<unsigned> BarCommands(unsigned id) const;
    QLabel* Pane(int index) const { return m_panes[static_cast<std::size_t>(index)]; }
    // The view's context menu: its eleven entries with their states.
    QMenu* BuildContextMenu();

    // Shows the window by the profile's placement; a show command other than the normal one
    // overrides the stored one.
    void ShowWithPlacement(int showCommand);
    // After a layout was opened: the paper/font bar shows the view's and hands it the face's
    // record.
    void SyncBarsToView();
    // The print preview hides the two companions of the standard tool bar (when shown) and the
    // paper/font bar, and shows them again after it (the first two as their flags say).
    void HideBarsForPreview();
    void ShowBarsAfterPreview();

protected:
    void closeEvent(QCloseEvent* event) override;
    // A palette placed by the window and not moved since goes along (the desktop places a new
    // window after it was shown).
    void moveEvent(QMoveEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    QAction* AddAction(QMenu* menu, unsigned id, const char* text, const char* shortcut = nullptr);
    // The action of a command that only bars show.
    QAction* BarAction(unsigned id);
    void BuildMenus();
    void BuildBars();
    void BuildStatusBar();
    // The bars as the profile left them; the palette floating by the editor's window when their
    // state was never saved (placed there once the window has its place).
    void RestoreBars();
    void FloatPalette();
    // Moves a floating palette to the top-left corner of the window's client area.
    void PlacePaletteByWindow();
    void SaveProfile();
    bool OnFrameCommand(unsigned id);
    bool OnUpdateFrameCommand(CMenuCmdUI& cmd);
    // The bar a show-or-hide command is about.
    QToolBar* BarOfCommand(unsigned id) const;

    CLayoutViewWnd* m_viewWnd;
    CMarquellDoc& m_doc;
    std::vector<CommandTarget> m_targets;
    std::map<unsigned, QAction*> m_actions;
    std::map<unsigned, QString> m_texts;
    std::map<unsigned, QToolBar*> m_bars;
    std::map<unsigned, std::vector<unsigned>> m_barCommands;
    CPaperFontBar* m_paperFontBar = nullptr;
    std::array<QLabel*, kPaneCount> m_panes{};
    // Whether the layout input bar and the tool palette are to be shown (the preview hides them
    // for a while).
    bool m_inputBarShown = true;
    bool m_paletteShown = true;
    // The palette floats where no saved state put it: it goes by the window when that is shown.
    bool m_paletteUnplaced = false;
    // Where PlacePaletteByWindow put the palette last; none once the palette is elsewhere.
    std::optional<QPoint> m_palettePlacedAt;
    std::function<std::vector<std::string>()> m_recentFiles;
    std::function<bool()> m_closeQuery;
    std::function<void(const QStringList&)> m_dropHandler;
    bool m_closed = false;
};

} // namespace marquell
