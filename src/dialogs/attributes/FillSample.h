// The sample of the fill dialog: empty (the button face), or the chosen colour at the chosen
// density: the density's 8×8 pattern in the colour on white, or solid at the top position.
#pragma once

#include "platform/Types.h"

#include <QWidget>

namespace tembra {

class CFillSample : public QWidget {
    Q_OBJECT
public:
    explicit CFillSample(QWidget* parent = nullptr);

    void Show(bool empty, int density, COLORREF color);
    bool IsEmpty() const { return m_empty; }

    QSize sizeHint() const override { return {200, 48}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_empty = true;
    int m_density = -1;
    COLORREF m_color = 0;
};

} // namespace tembra
