// The close button of the term lists and the resource windows: a small square with a cross in
// the caption colour; its text is not drawn.
#pragma once

#include "controls/OwnerDrawButton.h"

namespace tembra {

class CSampleButton : public COwnerDrawButton {
    Q_OBJECT
public:
    explicit CSampleButton(QWidget* parent = nullptr);

protected:
    void DrawItem(CDC& dc, const ItemState& state) override;
};

} // namespace tembra
