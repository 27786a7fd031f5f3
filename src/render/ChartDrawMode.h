// How CPageLayout::DrawChartObject draws a chart object: the painter of its record (a process,
// an item cell, an event) takes the same code. The chart's paint draws objects normally or, on a
// layer set to reference, greyed; the mouse gestures draw their feedback inverted, so that
// drawing it a second time takes it away.
#pragma once

namespace tembra {

enum class ChartDrawMode : int {
    Normal = 0,
    // Inverted (NOT), solid black: drawn twice, it is gone.
    Feedback = 2,
    // An object of a layer shown for reference, in grey.
    Reference = 4,
};

} // namespace tembra
