// The colours texts are shown in on the screen: black becomes yellow on a black background and
// navy on a white one, the six pure colours a darker shade, so that they stay readable.
#pragma once

#include "platform/Types.h"

namespace tembra {

// color as shown on the screen; a colour that is neither black nor one of the pure ones gives
// unlisted (events keep their own colour, resource labels turn it black).
COLORREF ScreenTextColor(COLORREF color, COLORREF unlisted);

} // namespace tembra
