// The sample of the progress-line and shape attribute dialogs: a line across the middle in the
// chosen type, width and colour, or, with a fill, a box outlined in the line and filled with the
// chosen pattern in its colour. Drawn by the chart's own line-style primitives, so that the
// sample looks as the chart draws the attributes on screen.
#pragma once

#include "platform/Types.h"

#include <QWidget>

namespace tembra {

class CDC;

struct AttrSampleLook {
    static constexpr int kNoFill = -1;
    int type = 0;       // line type code as the chart draws it
    int width = 1;      // pen width in pixels
    COLORREF color = 0; // line colour
    int fill = kNoFill; // fill code (999 none, 99 solid, 100 white, 0 to 5 hatches)
    COLORREF fillColor = 0;
    bool operator==(const AttrSampleLook&) const = default;
};

// The pen width in pixels of a width in 0.1 mm at the screen's 96 dots an inch (at least 1).
int SampleWidthPixels(int tenthMillimetres);

class CAttrSample : public QWidget {
    Q_OBJECT
public:
    explicit CAttrSample(QWidget* parent, int id);

    void Show(const AttrSampleLook& look);
    const AttrSampleLook& Look() const { return m_look; }
    // Draws the sample into rect: a white field with a frame, then the line or the box.
    static void Draw(CDC& dc, const CRect& rect, const AttrSampleLook& look);

    QSize sizeHint() const override { return {160, 48}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    AttrSampleLook m_look;
};

} // namespace tembra
