// The tool palette: fourteen fixed buttons in as many columns as its width takes, floating by
// default.
#pragma once

#include "document/CommandIds.h"
#include "shell/CommandBar.h"

#include <QDockWidget>

#include <vector>

class QGridLayout;
class QPoint;
class QResizeEvent;
class QToolButton;

namespace tembra {

class CFrameToolBar : public QDockWidget {
    Q_OBJECT
public:
    static constexpr UINT kId = ID_BAR_PALETTE;
    // Its buttons, in order.
    static const std::vector<UINT>& Commands();

    CFrameToolBar(QWidget* parent, const ActionLookup& actionFor);
    ~CFrameToolBar() override;

    // Floats the palette with its top-left corner at the point, width pixels wide and as high
    // as its buttons then need.
    void FloatAt(const QPoint& topLeft, int width);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // The buttons in as many columns as the width of the buttons' widget takes.
    void Arrange(int width);

    QWidget* m_buttons = nullptr;
    QGridLayout* m_grid = nullptr;
    std::vector<QToolButton*> m_tools;
    int m_columns = 0;
};

} // namespace tembra
