// The preview of the extended page (control 1068): an owner-drawn button that draws the
// header's cells as the sheet's values split them, through the program's device context.
#pragma once

#include <QPushButton>

namespace tembra {

struct AreaNameSheetValues;

class CAreaNamePreviewButton : public QPushButton {
    Q_OBJECT
public:
    CAreaNamePreviewButton(const AreaNameSheetValues* values, QWidget* parent);
    ~CAreaNamePreviewButton() override;

    // The entry of the cell list drawn in red (-1 none).
    void SetSelected(int index);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const AreaNameSheetValues* m_values;
    int m_selected = -1;
};

} // namespace tembra
