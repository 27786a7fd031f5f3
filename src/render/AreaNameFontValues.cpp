#include "render/AreaNameFontValues.h"

#include "model/Utility.h"

#include <cstdlib>

namespace tembra {

AreaNameFontValues AreaNameFontValues::FromCell(const CAreaNameData& cell, const LOGFONT& baseFont,
                                                int mode) {
    AreaNameFontValues values;
    values.mode = mode;
    values.baseFontFirst = cell.GetOwnFont() == 0;
    values.font = values.baseFontFirst ? baseFont : cell.GetLogFont();
    values.size = std::abs(static_cast<int>(values.font.lfHeight));
    const WORD style = cell.GetStyle();
    values.bold = (style & CAreaNameData::kStyleBold) != 0;
    values.vertical = (style & CAreaNameData::kStyleTop) != 0      ? kTop
                      : (style & CAreaNameData::kStyleBottom) != 0 ? kBottom
                                                                   : kMiddle;
    values.align = cell.GetAlign();
    values.colorIndex = IndexFromColor(cell.GetTextColor());
    values.freeColor = cell.GetTextColor();
    return values;
}

WORD AreaNameFontValues::StyleFlags() const {
    WORD flags = bold ? CAreaNameData::kStyleBold : 0;
    if (vertical == kTop) {
        flags |= CAreaNameData::kStyleTop;
    } else if (vertical == kBottom) {
        flags |= CAreaNameData::kStyleBottom;
    }
    return flags;
}

void AreaNameFontValues::StoreInto(CAreaNameData& cell) const {
    cell.SetOwnFont(baseFontFirst ? 0 : 1);
    if (!baseFontFirst) {
        LOGFONT sized = font;
        sized.lfHeight = -size;
        sized.lfWidth = size / 2;
        cell.SetLogFont(sized);
    }
    cell.SetStyle(StyleFlags());
    cell.SetAlign(WORD(align));
    cell.SetTextColor(colorIndex == kOtherColorIndex ? freeColor : ColorFromIndex(colorIndex));
}

} // namespace tembra
