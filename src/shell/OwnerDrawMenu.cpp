#include "shell/OwnerDrawMenu.h"

#include "platform/CmdUI.h"
#include "platform/Sjis.h"
#include "shell/MainFrame.h"
#include "shell/PatternIcons.h"
#include "shell/core/PopupMenuTable.h"

#include <QAction>
#include <QCursor>
#include <QMenu>
#include <QToolBar>

#include <vector>

namespace tembra {

COwnerDrawMenu::COwnerDrawMenu(Services services) : m_services(std::move(services)) {}

QAction* COwnerDrawMenu::AddCommand(QMenu& menu, UINT id, const char* text) const {
    CMainFrame* frame = m_services.frame ? m_services.frame() : nullptr;
    const QAction* main = frame != nullptr ? frame->Action(id) : nullptr;
    // The entry is an action of its own: the main window's would run the command at once.
    auto* action = new QAction(&menu);
    action->setData(id);
    const char* own = text != nullptr ? text : MainMenuText(id);
    action->setText(own != nullptr    ? QString::fromUtf8(own)
                    : main != nullptr ? main->text()
                                      : QString::number(id));
    if (main != nullptr) {
        action->setIcon(main->icon());
        action->setEnabled(main->isEnabled());
        action->setCheckable(main->isCheckable());
        action->setChecked(main->isChecked());
    } else if (m_services.commandState) {
        const CCmdUI state = m_services.commandState(id);
        action->setEnabled(state.IsEnabled());
        if (state.IsCheckSet()) {
            action->setCheckable(true);
            action->setChecked(state.GetCheck() != 0);
        }
        if (state.IsTextSet() && text == nullptr) {
            action->setText(QString::fromStdString(state.GetText()));
        }
    }
    if (action->icon().isNull()) {
        action->setIcon(PatternIcon(id));
    }
    menu.addAction(action);
    return action;
}

void COwnerDrawMenu::Fill(QMenu& menu, const PopupMenuRequest& request) const {
    // The popups open at each depth; an entry goes into the last one opened above its depth.
    std::vector<QMenu*> open{&menu};
    for (const MenuEntry& entry : PopupMenuEntries(request.menuId)) {
        const auto depth = static_cast<std::size_t>(entry.depth);
        if (depth >= open.size()) {
            continue; // a depth with no popup above it
        }
        open.resize(depth + 1);
        QMenu* into = open.back();
        if (entry.id == 0 && entry.text == nullptr) {
            into->addSeparator();
        } else if (entry.id == 0) {
            open.push_back(into->addMenu(QString::fromUtf8(entry.text)));
        } else {
            AddCommand(*into, entry.id, entry.text);
        }
    }
    for (const PopupMenuRequest::Entry& entry : request.added) {
        if (entry.command == 0) {
            menu.addSeparator();
            continue;
        }
        QAction* action = AddCommand(menu, entry.command, nullptr);
        action->setText(QString::fromStdString(Sjis::ToUtf8(entry.title)));
        action->setEnabled(true);
    }
}

QPoint COwnerDrawMenu::Anchor(UINT anchorCommand) const {
    CMainFrame* frame = m_services.frame ? m_services.frame() : nullptr;
    QAction* action =
        frame != nullptr && anchorCommand != 0 ? frame->Action(anchorCommand) : nullptr;
    if (action != nullptr) {
        for (QToolBar* bar : frame->findChildren<QToolBar*>()) {
            QWidget* button = bar->widgetForAction(action);
            if (button != nullptr && button->isVisible()) {
                return button->mapToGlobal(button->rect().bottomLeft());
            }
        }
    }
    return QCursor::pos();
}

int COwnerDrawMenu::Run(PopupMenuRequest& request) {
    request.chosen = 0;
    if (PopupMenuEntries(request.menuId).empty() && request.added.empty()) {
        return IDCANCEL;
    }
    if (m_services.updateCommandStates) {
        m_services.updateCommandStates();
    }
    CMainFrame* frame = m_services.frame ? m_services.frame() : nullptr;
    QMenu menu(frame);
    menu.setObjectName(QStringLiteral("PopupMenu%1").arg(request.menuId));
    Fill(menu, request);
    const QAction* chosen = menu.exec(Anchor(request.anchorCommand));
    if (chosen == nullptr || !chosen->data().isValid()) {
        return IDCANCEL;
    }
    request.chosen = chosen->data().toUInt();
    return IDOK;
}

} // namespace tembra
