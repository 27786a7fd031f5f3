// What every styled drawing shares: the y direction of the drawing settings and the colours as
// the device and the screen's background show them.
#pragma once

#include "platform/Types.h"

namespace tembra {

class CDC;

namespace styled {

// Whether y runs downwards in the drawing settings, and a y as it goes to the device.
bool FlipY();
int FY(int y);
// The colour as the device shows it: the nearest a printer has (never white for a colour that
// is not white, while colour matching is on), black and white exchanged on a black screen.
COLORREF MatchColor(const CDC* dc, COLORREF color);
// The background the device draws on: black on a black screen, else white.
void MatchBackground(CDC* dc);

} // namespace styled
} // namespace tembra
