// The base of the owner-drawn buttons: the button paints nothing of the style's own; each
// kind draws its whole face through a device context in the palette's system colours. The
// common frame is the face colour, a black one-pixel frame and two-pixel edges inside it,
// light at the top and left and dark at the bottom and right (the other way round while the
// button is held down).
#pragma once

#include "platform/Types.h"

#include <QPushButton>

#include <array>

namespace tembra {

class CDC;

class COwnerDrawButton : public QPushButton {
    Q_OBJECT
public:
    explicit COwnerDrawButton(QWidget* parent = nullptr);
    explicit COwnerDrawButton(const QString& text, QWidget* parent = nullptr);

protected:
    struct ItemState {
        CRect rect; // the whole button, device pixels
        bool pressed = false;
        bool disabled = false;
        COLORREF caption = 0; // button text, grey text while disabled
    };

    void paintEvent(QPaintEvent* event) override;
    virtual void DrawItem(CDC& dc, const ItemState& state) = 0;

    COLORREF SysColor(int index) const;
    // The colour of a state 0, 1 or 2 from the colours given by state; the button face for
    // any other.
    COLORREF StateColorOf(int state, const std::array<COLORREF, 3>& colors) const;
    void DrawFrame(CDC& dc, const ItemState& state) const;
    // The caption centred in the area, on one line, in the widget's font.
    void DrawCaption(CDC& dc, const CRect& area, COLORREF color) const;
    // A one-pixel grey frame with a white frame inside it: how a state colour is set off.
    static void DrawStateFrame(CDC& dc, const CRect& area);
};

} // namespace tembra
