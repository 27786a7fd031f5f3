// A button of the function bar that shows an on/off state by its face: dark green with the
// caption in button text while off, green with the caption in blue while on (the colours can
// be replaced). Its state is the owner's, set with SetCheck; a click only reports itself.
#pragma once

#include "controls/OwnerDrawButton.h"

namespace tembra {

class CModeButton : public COwnerDrawButton {
    Q_OBJECT
public:
    explicit CModeButton(QWidget* parent = nullptr);
    explicit CModeButton(const QString& text, QWidget* parent = nullptr);

    int GetCheck() const { return m_check; }
    // Stores the state and repaints, only when it differs from the state shown.
    void SetCheck(int check);
    void SetColors(COLORREF checked, COLORREF unchecked);
    void SetCheckedTextColor(COLORREF color);
    COLORREF CheckedColor() const { return m_checkedColor; }
    COLORREF UncheckedColor() const { return m_uncheckedColor; }

protected:
    void DrawItem(CDC& dc, const ItemState& state) override;

private:
    int m_check = 0;
    COLORREF m_checkedColor = RGB(0, 255, 0);
    COLORREF m_uncheckedColor = RGB(0, 128, 0);
    COLORREF m_checkedText = RGB(0, 0, 255);
};

} // namespace tembra
