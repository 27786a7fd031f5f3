// The shared utilities that need a device context: whether a chart rectangle is big enough to
// show on the screen, measuring a text in a font, logical heights in points, and the extents of
// a device context's mapping.
#pragma once

#include "platform/DC.h"

#include <string_view>

namespace tembra {

// The rectangle (chart units, y up), normalised and converted to pixels of the screen in the
// metric mapping (0.1 mm), covers at least one pixel.
BOOL IsLogRectVisible(const CRect& rect);
// The extent of the CP932 text in the font on the device context; the font is selected for the
// measurement and the previous one selected back.
CSize MeasureText(CDC* dc, const LOGFONT& font, std::string_view textCp932);
// value x viewport extent y / window extent y / vertical pixels per inch x 72; 0 when the
// device context gives no resolution.
double LogicalToPoints(const CDC* dc, int value);
CSize GetViewportExt(const CDC* dc);
CSize GetWindowExt(const CDC* dc);

} // namespace tembra
