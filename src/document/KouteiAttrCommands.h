// The commands of the process-line menu (属性 > 工程線) and its node-shape submenu (ﾉｰﾄﾞ形状) by
// their ids: which attribute each sets and to what value. The document fills their menu state
// through them (CTembraDoc::UpdateKouteiAttrUI, UpdateLandAttrUI).
#pragma once

#include "platform/Types.h"

#include <span>

namespace tembra {

// The attribute of the process line a command sets.
enum class KouteiAttrArg {
    Style,      // the line shape (low byte) or an outline (the whole word)
    SubStyle,   // a flag of the sub-style word
    Type,       // the line type
    Width,      // the line width code
    Color,      // one of the six colours of the menu
    OtherColor, // "7. その他": the colour last chosen in the colour dialog
    Holiday,    // counting working days (1) or calendar days (0)
    Hatch,      // the fill pattern of a bar
    Reverse,    // "上下入替": turns a vertical process upside down
    BarColor,   // the process colour list of the process bar, which shows the selection's colour
};

struct KouteiAttrCommand {
    UINT id;
    KouteiAttrArg arg;
    DWORD value;
};

// A command of the node-shape submenu and the shape it gives (kLandConnectMark: the mark).
struct LandShapeCommand {
    UINT id;
    WORD shape;
};

// The command id of the process colour list of the process bar.
constexpr UINT kKouteiBarColorId = 1662;
// The shape code of "f. 接　続": the connection mark of a node, kept in its sub-style word.
constexpr WORD kLandConnectMark = 0x80;

std::span<const KouteiAttrCommand> KouteiAttrCommands();
std::span<const LandShapeCommand> LandShapeCommands();
// The entry of the id, or null.
const KouteiAttrCommand* FindKouteiAttrCommand(UINT id);
const LandShapeCommand* FindLandShapeCommand(UINT id);

} // namespace tembra
