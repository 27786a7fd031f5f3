// The drawing of a hatching record on the chart of a page layout. The record lives in the
// model, which may not depend on the drawing library, so its drawing is a function here that
// takes the record first.
#pragma once

namespace tembra {

class CDC;
class CKtkmHatch;
class CPageLayout;

// Fills the record's band with its pattern and colour: rows across the process area (kind 1),
// dates from the body's top to the process area's bottom (kind 2), or item cells (kind 12).
// Rows are cut to the displayed ones (a band wholly outside them draws nothing); any other kind
// draws nothing. On screen the band reaches 2 units further right and down, over the ruled line
// at its edge. With a clip band (clipTop and clipBottom both non-zero, a resource chart's band)
// only a band that lies in it or crosses its top or bottom is drawn, cut to it.
void Draw(const CKtkmHatch& hatch, CDC* dc, const CPageLayout& layout, int clipTop, int clipBottom);

} // namespace tembra
