// The function bar: the buttons of its dialog template, eleven of them showing their command's
// state by colour.
#pragma once

#include "controls/ModeButton.h"
#include "shell/CommandBar.h"

#include <QToolBar>

#include <map>

class QPushButton;

namespace tembra {

class CModeBar : public QToolBar {
    Q_OBJECT
public:
    static constexpr UINT kId = 160;

    CModeBar(QWidget* parent, const ActionLookup& actionFor);
    ~CModeBar() override;

    // The buttons follow the states of their commands' actions.
    QPushButton* Button(UINT id) const;
    // The eleven buttons that show their command's state by their colour; null for the others.
    CModeButton* ModeButton(UINT id) const;

private:
    // A mode button for the command with its colours, or null for a plain button.
    static CModeButton* MakeModeButton(UINT id, const QString& text, QWidget* parent);

    std::map<UINT, QPushButton*> m_buttons;
    std::map<UINT, CModeButton*> m_modeButtons;
};

} // namespace tembra
