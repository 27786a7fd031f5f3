// The commands of the attribute menus of events (属性 > 行事) and of item cells (属性 > 項目) by
// their ids: which argument of the document's attribute operation each sets and to what value.
// One table per menu; the document runs a command and fills its menu state through it
// (CChartEvents::OnEventAttrCommand, UpdateEventAttrUI; CKoumokuCells::OnKoumokuAttrCommand,
// UpdateKoumokuAttrUI).
#pragma once

#include "platform/Types.h"

#include <span>

namespace tembra {

// The argument a command sets.
enum class AttrArg {
    Form,       // the placement (events) or the format (item cells)
    Color,      // one of the six colours of the menu
    OtherColor, // "7. その他": the colour last chosen in the colour dialog
    Flags,      // a decoration flag (item cells: also the vertical placement)
    Size,       // the size code: high byte vertical factor, low byte horizontal factor
    Text,       // "文字修正": the text of the term bar's input box
    BarColor,   // the term bar's colour list, which shows the colour of the selection
};

struct AttrCommand {
    UINT id;
    AttrArg arg;
    DWORD value; // for Form, Color, Flags and Size
};

// The command id of the term bar's colour list, which the update handlers of both menus set.
constexpr UINT kYogoBarColorId = 1663;
// The term bar's text input, whose update makes it active or not.
constexpr UINT kYogoComboId = 1664;

std::span<const AttrCommand> EventAttrCommands();
std::span<const AttrCommand> KoumokuAttrCommands();
// The entry of the id, or null.
const AttrCommand* FindAttrCommand(std::span<const AttrCommand> table, UINT id);

// The flag rule of the attribute menus: bit 15 gives the whole word, 0 clears it, other bits
// toggle together (set when none of them is set, else cleared).
WORD ApplyAttrFlags(WORD current, WORD flags);
// The colour is none of the menu's six, so that "7. その他" is the one checked.
bool IsOtherColor(COLORREF color);

} // namespace tembra
