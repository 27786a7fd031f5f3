// Drawing an event: its balloon, white background, hyperlink mark, text (horizontal, vertical,
// or vertical with upright single-byte runs) and frame, in the colour and raster operation of
// its draw state.
//
// Draw states (CEvent::kDrawNormal ...): 0 the text colour, on screen the six pure colours
// darker and black as navy (as yellow on a black background); 1 the selection colour
// ("EditWork"); 2 black, inverted (drag feedback); 3 the linked-part colour ("EditBold"); 4 grey.
// Every state but 2 copies its pen.
#pragma once

#include "model/Event.h"
#include "platform/Types.h"

namespace tembra {

class CDC;
class CPageLayout;

// The colour of the event's current draw state on the device (none: the screen).
COLORREF GetDrawColor(const CEvent& event, const CDC* dc);
// The raster operation of the event's current draw state.
int GetDrawRop(const CEvent& event);

// Draws the event in the state (a selected event is drawn in state 1 unless state 2 is asked)
// and keeps the state in the event. Nothing is drawn for an empty text. A balloon is drawn
// white inside a black outline (grey in state 4) and has no frame or background of its own.
// When the layout draws texts simplified only the hyperlink mark and the frame are drawn. The
// hyperlink mark is never printed.
void Draw(CEvent& event, const CPageLayout& layout, CDC* dc, int state);

} // namespace tembra
