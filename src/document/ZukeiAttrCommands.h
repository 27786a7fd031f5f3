// The value commands of the shape menu (属性 > 線画) by their ids: which attribute each sets, to
// what value, and by which rule its menu state is found. The document runs them and fills their
// menu state through this table (CTembraDoc::OnZukeiAttrCommand, UpdateZukeiAttrUI).
#pragma once

#include "platform/Types.h"

#include <span>

namespace tembra {

// The attribute a command sets.
enum class ZukeiAttrField {
    Style,     // the shape style (S1: also the frame of a text, S2: lines and curves only)
    PointMode, // the position relation
    LineType,
    Width,
    Color,
    Hatch,
    HatchColor,
    TextEmphasis, // toggles the emphasis bit of the text flags
    TextAlign,    // the horizontal alignment of texts
    TextVertical, // the vertical alignment bits of the text flags (256 top, 512 bottom, 0 centre)
    TextColor,
};

struct ZukeiAttrCommand {
    UINT id;
    ZukeiAttrField field;
    DWORD value;
    // For Style: a style that frames texts (checked and enabled by the text rule).
    bool framesText = false;
};

// The text flag bits the menu sets.
constexpr WORD kTextEmphasisBit = 4;
constexpr WORD kTextTopBit = 256;
constexpr WORD kTextBottomBit = 512;
// The line type "線なし" of texts.
constexpr WORD kNoLineType = 65535;
// The style of text shapes.
constexpr short kTextZukeiStyle = 14;

std::span<const ZukeiAttrCommand> ZukeiAttrCommands();
// The entry of the id, or null.
const ZukeiAttrCommand* FindZukeiAttrCommand(UINT id);
// The field is a text attribute (applies to text shapes only).
bool IsTextField(ZukeiAttrField field);
// The flag rule of the text menu: emphasis toggles, the vertical bits replace each other.
WORD ApplyTextFlag(WORD current, WORD flag);

} // namespace tembra
