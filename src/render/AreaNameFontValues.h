// What the text settings of one area-name cell (欄名称文字設定) edit, apart from the dialog:
// the font and its size in 0.1 mm, whether the item area's base font is used instead, bold,
// the colour (six of the palette or a free one) and the alignment.
#pragma once

#include "model/AreaNameData.h"
#include "platform/Types.h"

namespace tembra {

struct AreaNameFontValues {
    // For whom the dialog opens: the headings of the standard style have no alignment.
    enum Mode : int { kHeading = 0, kGrid = 1, kSlant = 2 };
    enum Vertical : int { kTop = 0, kMiddle = 1, kBottom = 2 };
    // The smallest size the size box takes.
    static constexpr int kMinSize = 1;

    int mode = kGrid;
    LOGFONT font;               // the face; height and width come from size on 決定
    int size = 0;               // 0.1 mm
    bool baseFontFirst = false; // 基準フォント優先: the item area's font instead of the cell's
    bool bold = false;
    int colorIndex = 0; // 0..5 the palette, 6 (kOtherColorIndex) the free colour
    COLORREF freeColor = 0;
    int align = CAreaNameData::kAlignLeft;
    int vertical = kMiddle;

    bool operator==(const AreaNameFontValues&) const = default;

    // The alignment radios are off for the headings.
    static bool AlignmentApplies(int mode) { return mode != kHeading; }

    // The cell's values; the font is the cell's own when its own-font flag is set, else the
    // base font, and the size is that font's absolute height.
    static AreaNameFontValues FromCell(const CAreaNameData& cell, const LOGFONT& baseFont,
                                       int mode);
    // Writes them into the cell: the own-font flag, the font sized from size (height -size,
    // width size / 2) only when the cell's own, the style flags, the alignment, the colour.
    void StoreInto(CAreaNameData& cell) const;
    // The style flags: bold, top or bottom.
    WORD StyleFlags() const;
};

} // namespace tembra
