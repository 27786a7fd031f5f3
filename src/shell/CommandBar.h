// The bars of the frames. The customisable tool bars are laid out from their button sets
// (CToolBarSets): a button per command, a separator per separator entry, and the bar's combo boxes
// in the places their sets give them. Every button shows the frame's one action of its command.
// A floating bar that is laid out again keeps its size (KeepBarSize). The bars:
//   CLayerBar         main tool bar (ID_BAR_MAIN) with the layer combo (1665)
//   CYogoBar          term input bar (ID_BAR_YOGO): term combo (1664) and text-colour combo (1663)
//   CProcessColorBar  process tool bar (ID_BAR_KOUTEI) with the process-colour combo (1662)
//   CZukeiToolBar     line-drawing bar (ID_BAR_ZUKEI)
//   CSizingToolBar    chart bar (ID_BAR_CHART)
//   CFrameToolBar     tool palette (ID_BAR_PALETTE): fourteen fixed buttons, floating by default
//   CModeBar          function bar (160): the buttons of its dialog template, eleven of them
//                     showing their command's state by colour
#pragma once

#include "controls/ColorComboBox.h"
#include "platform/Types.h"
#include "shell/core/ToolBarSets.h"

#include <QToolBar>

#include <functional>
#include <map>
#include <vector>

class QAction;
class QComboBox;
class QWidgetAction;

namespace tembra {

using ActionLookup = std::function<QAction*(UINT)>;

class CCommandBar : public QToolBar {
    Q_OBJECT
public:
    CCommandBar(UINT id, const QString& title, QWidget* parent, CSize minimum = CSize(0, 0));
    ~CCommandBar() override;

    // Lays the bar out: buttons show the actions of their commands; a separator carrying a
    // combo's id holds that combo, as wide as the separator. FALSE for an empty set.
    BOOL LayOut(const std::vector<ToolBarItem>& items, const ActionLookup& actionFor);
    // The combo placed on the separator of id, or null.
    QComboBox* Combo(UINT id) const;
    CSize RememberedSize() const { return m_remembered; }

protected:
    // A combo the bar owns and places where its id comes.
    QComboBox* AddCombo(UINT id, bool editable);
    // A colour list with the seven colours of the bars, black selected.
    CColorComboBox* AddColorCombo(UINT id);

private:
    void Place(UINT id, QComboBox* combo);

    std::map<UINT, QWidgetAction*> m_combos;
    CSize m_remembered;
    CSize m_minimum;
};

// The custom colour that colour entry 6 ("その他") stands for, asked when it is needed.
using CustomColorSource = std::function<COLORREF()>;

} // namespace tembra
