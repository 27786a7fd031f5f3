// A toggle button of the event batch input: a bar in the colour of its state (0, 1 or 2; the
// face colour for any other state) above its caption. The owner decides the state.
#pragma once

#include "controls/OwnerDrawButton.h"

namespace tembra {

class CDayButton : public COwnerDrawButton {
    Q_OBJECT
public:
    explicit CDayButton(QWidget* parent = nullptr);
    explicit CDayButton(const QString& text, QWidget* parent = nullptr);

    int GetValue() const { return m_value; }
    // Sets the state and repaints.
    void SetValue(int value);
    // The colour the state bar shows for the state.
    COLORREF StateColor(int value) const;

protected:
    void DrawItem(CDC& dc, const ItemState& state) override;

private:
    int m_value = 0;
    // By state: 0, 1, 2.
    std::array<COLORREF, 3> m_colors = {RGB(0, 225, 225), RGB(225, 0, 0), RGB(255, 0, 255)};
};

} // namespace tembra
