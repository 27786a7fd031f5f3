// The combo boxes of the attribute dialogs as one table per kind: each entry's text and the
// code stored for it. The dialogs fill their combos from these tables and translate between the
// position chosen and the stored code only through them; the process drawing reads the same
// codes.
#pragma once

#include "platform/Types.h"

#include <span>

namespace tembra {

struct CodeEntry {
    const char* text; // UTF-8
    int code;
};

// Process line type ("Type"): position = code.
std::span<const CodeEntry> LineTypeTable();
// Process line width ("Width"): position = code.
std::span<const CodeEntry> LineWidthTable();
// Holiday counting ("Holiday"): 0 off, 1 on.
std::span<const CodeEntry> HolidayTable();
// Process style ("Style").
std::span<const CodeEntry> StyleTable();
// Fill pattern ("Hatch"): the hatch styles 0 to 5, 99 solid, 100 white, 999 none.
std::span<const CodeEntry> HatchTable();
// Node shape; with milestones the two entries of the selection dialog follow "非表示".
std::span<const CodeEntry> NodeShapeTable(bool withMilestones);
// The ruled-line types of the ruled-line dialog: position = code except that codes 1 and 2
// change places.
std::span<const CodeEntry> KeisenTable();
// Item text size: height × 256 + width.
std::span<const CodeEntry> TextSizeTable();

// The position of a stored code; an unknown code gives position 0.
int PositionOfCode(std::span<const CodeEntry> table, int code);
// The code of a position; a position outside the table gives the code of position 0.
int CodeAtPosition(std::span<const CodeEntry> table, int position);

// The colour combos: "黒", "赤", "緑", "紫", "水色", "黄色" and "その他" (the custom colour).
inline constexpr int kCustomColorPosition = 6;
std::span<const CodeEntry> ColorTable();
// The position of a colour: 0 to 5 for the six basic colours, else kCustomColorPosition.
int ColorPosition(COLORREF color);
// The colour of a position: the basic colour, or custom for "その他" (and any other position).
COLORREF ColorAtPosition(int position, COLORREF custom);

} // namespace tembra
