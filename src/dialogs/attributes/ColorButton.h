// A colour button of the fill dialog: a button drawn as a field of its colour, sunken while it
// is pressed or is the selected one, with an optional caption (white on dark colours).
#pragma once

#include "platform/Types.h"

#include <QPushButton>

namespace tembra {

class CColorButton : public QPushButton {
    Q_OBJECT
public:
    explicit CColorButton(QWidget* parent = nullptr);

    void SetColor(COLORREF color);
    COLORREF GetColor() const { return m_color; }
    void SetSelected(bool selected);
    bool IsSelected() const { return m_selected; }
    // The caption drawn on the colour (none: empty).
    void SetCaption(const QString& caption);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    COLORREF m_color = 0;
    bool m_selected = false;
    QString m_caption;
};

} // namespace tembra
