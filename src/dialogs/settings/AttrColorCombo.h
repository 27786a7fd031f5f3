// The colour list of the progress-line, term and shape attribute dialogs: the bars' colour combo
// (黒 to 黄色 and その他, whose swatch shows the kept colour) bound to a ColorChoice. Picking
// その他 asks for a colour through the colour request, starting from the kept value; OK there
// replaces it, Cancel keeps it (その他 stays chosen). changed runs after every change of the
// entry and after every colour asked for.
#pragma once

#include "controls/ColorComboBox.h"
#include "dialogs/settings/core/ColorChoice.h"

#include <functional>

namespace tembra {

class CAttrColorCombo : public CColorComboBox {
    Q_OBJECT
public:
    CAttrColorCombo(QWidget* parent, int id, std::function<void()> changed = {});

    // Shows the choice without counting as a user pick.
    void Load(const ColorChoice& choice);
    const ColorChoice& Choice() const { return m_choice; }
    // Keeps the position and sets the kept colour (the reset of dialog 211 keeps it).
    void SetKept(COLORREF kept);

private:
    void Picked(int index);

    ColorChoice m_choice;
    std::function<void()> m_changed;
};

} // namespace tembra
