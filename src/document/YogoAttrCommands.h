// The commands of the term menu (属性 > 用語) by their ids: which attribute of the selected terms
// each sets and to what value. The document fills their menu state through them
// (CChartTerms::UpdateYogoAttrUI).
#pragma once

#include "platform/Types.h"

#include <span>

namespace tembra {

// The attribute of a term a command sets.
enum class YogoAttrArg {
    Form,         // the placement on the line (書式)
    LinkPosition, // above (0) or below (1) the line
    Color,        // one of the six colours of the menu
    OtherColor,   // "7. その他": the colour last chosen in the colour dialog
    Flags,        // a decoration flag
    Size,         // the size code: high byte vertical factor, low byte horizontal factor
    Text,         // "文字修正": the text of the term bar's input box
    BarColor,     // the term bar's colour list, which shows the colour of the selection
};

struct YogoAttrCommand {
    UINT id;
    YogoAttrArg arg;
    DWORD value;
};

std::span<const YogoAttrCommand> YogoAttrCommands();
// The entry of the id, or null.
const YogoAttrCommand* FindYogoAttrCommand(UINT id);

} // namespace tembra
