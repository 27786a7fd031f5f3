// The layout editor's main window: the editing view and the menus, one action per command.
// Commands go to the view first, then to the application; the actions' states come from their
// update handlers, refreshed whenever the program waits for input and before a menu opens.
// Closing asks the document to save; the view then goes.
#pragma once

#include <QAction>
#include <QMainWindow>

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace marquell {

class CAppSettings;
class CLayoutViewWnd;
class CMarquellDoc;
class CMenuCmdUI;

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    // A handler of commands and of their update; each answers whether it knew the command.
    struct CommandTarget {
        std::function<bool(unsigned)> command;
        std::function<bool(CMenuCmdUI&)> update;
    };

    CMainFrame(CMarquellDoc& doc, CAppSettings& app, QWidget* parent = nullptr);
    ~CMainFrame() override;

    CLayoutViewWnd& ViewWnd() { return *m_viewWnd; }
    // After the view, in the order added.
    void AddCommandTarget(CommandTarget target);
    // The recent files the File menu lists (UTF-8 paths).
    void SetRecentFiles(std::function<std::vector<std::string>()> files);
    // Asked before the window closes: false keeps it open.
    void SetCloseQuery(std::function<bool()> query);

    // The action of a command, or nullptr.
    QAction* Action(unsigned id) const;
    // Runs a command as its menu entry does (nothing for a disabled one).
    void RunCommand(unsigned id);
    // The update handlers' states onto the actions.
    void UpdateCommands();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QAction* AddAction(QMenu* menu, unsigned id, const char* text, const char* shortcut = nullptr);
    void BuildMenus();

    CLayoutViewWnd* m_viewWnd;
    std::vector<CommandTarget> m_targets;
    std::map<unsigned, QAction*> m_actions;
    std::map<unsigned, QString> m_texts;
    std::function<std::vector<std::string>()> m_recentFiles;
    std::function<bool()> m_closeQuery;
    bool m_closed = false;
};

} // namespace marquell
