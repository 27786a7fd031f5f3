// A state button of the layer dialogs: its caption across the whole button and, in the top-left
// corner, a triangle in the colour of its state (1 the current layer, 0 an empty one, 2 one
// that holds objects; the face colour for any other state). The owner decides the state.
#pragma once

#include "controls/OwnerDrawButton.h"

namespace tembra {

class CLayerButton : public COwnerDrawButton {
    Q_OBJECT
public:
    explicit CLayerButton(QWidget* parent = nullptr);
    explicit CLayerButton(const QString& text, QWidget* parent = nullptr);

    int GetState() const { return m_state; }
    // Sets the state and repaints.
    void SetState(int state);
    // The colours of the states 1, 0 and 2.
    void SetColors(COLORREF state1, COLORREF state0, COLORREF state2);
    COLORREF StateColor(int state) const;
    // A disabled button that keeps its colours draws its caption in button text, as enabled.
    void SetKeepColors(bool keep);

protected:
    void DrawItem(CDC& dc, const ItemState& state) override;

private:
    int m_state = 0;
    // By state: 0, 1, 2.
    std::array<COLORREF, 3> m_colors = {RGB(0, 128, 128), RGB(255, 0, 0), RGB(0, 255, 255)};
    bool m_keepColors = false;
};

} // namespace tembra
