// The context menus of the chart view and the drop-downs of the tool bars, answering the
// "PopupMenu" request: the command states are brought up to date, then a menu is built from the
// table of the menu id with the entries the request adds, each entry showing the main window's
// action of its command (text, icon, enabled, check); it opens at the pointer or, for a command
// of a tool-bar button, under that button. The chosen command goes back in the request; the
// caller posts it, so that nothing runs inside the click that opened the menu.
#pragma once

#include "platform/PopupMenuRequest.h"
#include "platform/Types.h"

#include <QPoint>

#include <functional>

class QAction;
class QMenu;
class QWidget;

namespace tembra {

class CMainFrame;
class CCmdUI;

class COwnerDrawMenu {
public:
    struct Services {
        // The window the menu belongs to (the main frame), or null.
        std::function<CMainFrame*()> frame;
        // Brings the enabled and checked states of the main window's actions up to date.
        std::function<void()> updateCommandStates;
        // The state of a command that has no action of the main window.
        std::function<CCmdUI(UINT)> commandState;
    };

    explicit COwnerDrawMenu(Services services);

    // The request's menu: IDOK with the chosen command, IDCANCEL when none was chosen or the id
    // names no menu.
    int Run(PopupMenuRequest& request);

    // Where a menu opens: under the tool-bar button of the command, else at the pointer.
    QPoint Anchor(UINT anchorCommand) const;

private:
    void Fill(QMenu& menu, const PopupMenuRequest& request) const;
    QAction* AddCommand(QMenu& menu, UINT id, const char* text) const;

    Services m_services;
};

} // namespace tembra
