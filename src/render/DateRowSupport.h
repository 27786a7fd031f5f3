// What the painters of the date header's rows share. Their texts are measured by estimate,
// never by the device: a text needs |lfWidth| × its length in bytes (a double-byte character
// counts twice), and one that does not fit is drawn, where a rule allows it, in a copy of the
// font narrowed to the room it has.
#pragma once

#include "platform/Types.h"

#include <cstddef>
#include <optional>
#include <string_view>

namespace tembra {

class CDC;
class CPageLayout;

namespace daterow {

// What the rows read of the settings record (all 0 without one): the date-label unit and the
// ruled-line unit (0 day, 1 week, 2 month, 3 year, 4 hour, 5 minute) and the date-area
// style's display modes.
struct RowSettings {
    int dateUnit = 0;
    int keisenUnit = 0;
    int yearMode = 0;
    int monthMode = 0;
    int dayMode = 0;
    int weekMode = 0;
};
RowSettings ReadRowSettings(const CPageLayout& layout);

// The part of the chart a row painter draws, in the layout's coordinates (top >= bottom, y
// turned back under the flipped-y option): the clip box; the chart rectangle while the
// embedded-picture flag is set or where the device has no clip box (a metafile has none).
// False when the clip box lies wholly below the date band: then no row shows anything.
bool HeaderClip(const CPageLayout& layout, CDC* dc, CRect& clip);

// |lfWidth| × the text's bytes.
int TextWidth(const LOGFONT& font, std::string_view text);

// A copy of the font whose characters share room: lfWidth = room / length. Nothing when that
// is below 1: a width of 0 would draw the text at its natural width.
std::optional<LOGFONT> NarrowFont(const LOGFONT& font, int room, std::size_t length);

// The y of a text's top that centres the font's height in the row from top down to bottom.
int TextTop(const LOGFONT& font, int top, int bottom);

// The line of width 3 along a row's edge, from the item table's right edge to the date band's
// right edge.
void DrawRowRule(const CPageLayout& layout, CDC* dc, int y);

} // namespace daterow
} // namespace tembra
