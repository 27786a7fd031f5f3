// The colour list of the bars: a drop-down list whose entries are colours, each shown as a
// swatch and its name. FillColors gives the bars' seven entries: black, red, green, magenta,
// cyan, yellow and white, the last standing for "その他", whose swatch shows the owner's
// custom colour (black while the owner gives none).
#pragma once

#include "platform/Types.h"

#include <QComboBox>

#include <functional>
#include <string_view>

namespace tembra {

class CDC;

class CColorComboBox : public QComboBox {
    Q_OBJECT
public:
    static constexpr int kItemHeight = 16;
    static constexpr int kCustomIndex = 6;
    // Where the custom colour of "その他" is read each time it is drawn.
    using CustomColorSource = std::function<COLORREF()>;

    explicit CColorComboBox(QWidget* parent = nullptr);

    // Appends the seven colours of the bars.
    void FillColors();
    void AddColor(COLORREF color);
    COLORREF ItemColor(int index) const;

    void SetCustomColorSource(CustomColorSource source);
    // The custom colour as last drawn.
    COLORREF CachedCustomColor() const { return m_cachedCustom; }

    // Draws entry index into rect: the closed list's field and the drop-down's rows.
    void DrawItem(CDC& dc, const CRect& rect, int index, bool selected);

    // The name of a colour (CP932, empty for a colour without one).
    static std::string_view ColorName(COLORREF color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    CustomColorSource m_custom;
    COLORREF m_cachedCustom = RGB(0, 0, 0);
};

} // namespace tembra
