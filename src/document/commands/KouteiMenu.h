// The commands of 属性 > 工程線 that other parts of the program run besides the menu table: the
// value commands and the tool bar's process colour list.
#pragma once

#include "platform/Types.h"

namespace tembra {

class CTembraDoc;

// A command of the line or node menus that carries its value; FALSE for any other id.
BOOL OnKouteiAttrCommand(CTembraDoc& doc, UINT id);
// The process colour list of the tool bar: entry 6 and later ask for the colour (Cancel: nothing
// changes); the colour goes to the selected processes and the focus back to the term bar.
void OnKouteiBarColor(CTembraDoc& doc, int index, COLORREF color);

} // namespace tembra
